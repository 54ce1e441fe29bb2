// CString formatting. The platform's printf rules are Windows': a long is 32 bits, so "%lX"
// takes an unsigned 32-bit value. Where long is wider (the native core build) the "l" length
// modifier of integer conversions is dropped before the C library sees the format, so that one
// format string (the element's "0x%lX" of a 32-bit mask) gives the same text in both builds and
// the C library never reads 64 bits from a 32-bit argument.
#include <cstdio>
#include <cstring>

#include "afxexcept.h"
#include "afxstr.h"
#include "StringResource.h"

namespace {

#if !defined(_WIN32)
// Rewrites "%ld" and kin to "%d"; "%lld" and every other conversion stay as they are.
const char* PlatformFormat(const char* pszFormat, char* buffer, std::size_t size, bool& usedHeap) {
  usedHeap = false;
  if (std::strstr(pszFormat, "%") == nullptr || std::strchr(pszFormat, 'l') == nullptr) return pszFormat;
  std::size_t n = std::strlen(pszFormat) + 1;
  char* out = buffer;
  if (n > size) {
    out = static_cast<char*>(::operator new(n));
    usedHeap = true;
  }
  char* w = out;
  for (const char* p = pszFormat; *p;) {
    if (*p != '%') {
      *w++ = *p++;
      continue;
    }
    *w++ = *p++;
    if (*p == '%') {
      *w++ = *p++;
      continue;
    }
    while (*p && std::strchr("-+ #0123456789.*", *p)) *w++ = *p++;
    if (p[0] == 'l' && p[1] != 'l' && p[1] && std::strchr("diouxX", p[1])) ++p;
  }
  *w = '\0';
  return out;
}
#endif

}  // namespace

void CString::AppendFormatV(const char* pszFormat, va_list args) {
  if (pszFormat == nullptr) return;
#if !defined(_WIN32)
  char fmtBuffer[256];
  bool fmtOnHeap = false;
  pszFormat = PlatformFormat(pszFormat, fmtBuffer, sizeof fmtBuffer, fmtOnHeap);
  struct FreeFormat {
    const char* p;
    bool heap;
    ~FreeFormat() {
      if (heap) ::operator delete(const_cast<char*>(p));
    }
  } freeFormat{pszFormat, fmtOnHeap};
#endif
  char stackBuffer[512];
  va_list probe;
  va_copy(probe, args);
  int needed = std::vsnprintf(stackBuffer, sizeof stackBuffer, pszFormat, probe);
  va_end(probe);
  if (needed < 0) return;
  if (static_cast<std::size_t>(needed) < sizeof stackBuffer) {
    Append(stackBuffer, needed);
    return;
  }
  int oldLength = GetLength();
  char* p = GetBuffer(oldLength + needed);
  va_list again;
  va_copy(again, args);
  std::vsnprintf(p + oldLength, static_cast<std::size_t>(needed) + 1, pszFormat, again);
  va_end(again);
  ReleaseBuffer(oldLength + needed);
}

void CString::FormatV(const char* pszFormat, va_list args) {
  CString result;
  result.AppendFormatV(pszFormat, args);
  *this = static_cast<CString&&>(result);
}

void CString::Format(const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  FormatV(pszFormat, args);
  va_end(args);
}

void CString::Format(UINT nFormatID, ...) {
  CString format;
  format.LoadString(nFormatID);
  va_list args;
  va_start(args, nFormatID);
  FormatV(format, args);
  va_end(args);
}

void CString::AppendFormat(const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  AppendFormatV(pszFormat, args);
  va_end(args);
}

BOOL CString::LoadString(UINT nID) { return AfxLoadStringResource(nID, *this); }

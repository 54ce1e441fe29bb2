// CString formatting. The platform's printf rules are Windows': a long is 32 bits, so "%lX"
// takes an unsigned 32-bit value. Where long is wider (the native core build) the "l" length
// modifier of integer conversions is dropped before the C library sees the format, so that one
// format string (the element's "0x%lX" of a 32-bit mask) gives the same text in both builds and
// the C library never reads 64 bits from a 32-bit argument.
#include <cstdio>
#include <cstring>
#include <functional>

#include "afxexcept.h"
#include "afxstr.h"
#include "StringResource.h"

namespace {

#if !defined(_WIN32)
bool IsFlag(char ch) {
  return (ch >= '0' && ch <= '9') || ch == '-' || ch == '+' || ch == ' ' || ch == '#' || ch == '.' || ch == '*';
}

// Where the next "l" to drop stands: the "l" of a "%ld"-like conversion, or null.
const char* FindLongModifier(const char* p) {
  while ((p = std::strchr(p, '%')) != nullptr) {
    ++p;
    if (*p == '%') {
      ++p;
      continue;
    }
    while (IsFlag(*p)) ++p;
    if (p[0] == 'l' && p[1] != 'l' && p[1] != '\0' && std::strchr("diouxX", p[1]) != nullptr) return p;
  }
  return nullptr;
}

// Rewrites "%ld" and kin to "%d"; "%lld" and every other conversion stay as they are. A format
// without such a conversion is used as it is.
const char* PlatformFormat(const char* pszFormat, char* buffer, std::size_t size, bool& usedHeap) {
  usedHeap = false;
  const char* drop = FindLongModifier(pszFormat);
  if (drop == nullptr) return pszFormat;
  std::size_t n = std::strlen(pszFormat) + 1;
  char* out = buffer;
  if (n > size) {
    out = static_cast<char*>(::operator new(n));
    usedHeap = true;
  }
  char* w = out;
  const char* p = pszFormat;
  for (; drop != nullptr; drop = FindLongModifier(p)) {
    std::memcpy(w, p, static_cast<std::size_t>(drop - p));
    w += drop - p;
    p = drop + 1;
  }
  std::strcpy(w, p);
  return out;
}
#endif

bool InRange(const char* p, const char* begin, const char* end) {
  std::less<const char*> before;
  return begin != nullptr && !before(p, begin) && before(p, end);
}

// Writes the digits of value in base 10 or 16 (upper or lower case) at w; returns their count.
int WriteDigits(char* w, unsigned value, unsigned base, const char* digits) {
  char reversed[12];
  int n = 0;
  do {
    reversed[n++] = digits[value % base];
    value /= base;
  } while (value != 0);
  for (int i = 0; i < n; ++i) w[i] = reversed[n - 1 - i];
  return n;
}

// The conversions that the lines and messages of this system use, written without the C
// library: %c, %s, %d, %i, %u, %x and %X (an "l" before the integer ones means 32 bits, as
// everywhere on this platform) and %%, without flags, width or precision. The text goes into
// buffer (room bytes, terminator included); -1 when the format needs more or the text does not
// fit, and the caller then formats with the C library. -1 too for a %s argument that lies in
// buffer's own string (from own on): writing would overrun the terminator it is read up to.
int FormatCommon(char* buffer, int room, const char* own, const char* pszFormat, va_list args) {
  int n = 0;
  for (const char* p = pszFormat; *p != '\0';) {
    if (*p != '%') {
      const char* next = std::strchr(p, '%');
      int length = next != nullptr ? static_cast<int>(next - p) : static_cast<int>(std::strlen(p));
      if (length >= room - n) return -1;
      std::memcpy(buffer + n, p, static_cast<std::size_t>(length));
      n += length;
      p += length;
      continue;
    }
    ++p;
    bool isLong = *p == 'l';
    if (isLong) ++p;
    char conversion = *p;
    if (conversion == '\0' || room - n < 12) return -1;  // 12: the longest number, and the terminator
    ++p;
    switch (conversion) {
      case '%':
      case 'c':
        if (isLong) return -1;
        buffer[n++] = conversion == '%' ? '%' : static_cast<char>(va_arg(args, int));
        break;
      case 's': {
        if (isLong) return -1;
        const char* psz = va_arg(args, const char*);
        if (psz == nullptr) psz = "(null)";  // what the C libraries print
        if (InRange(psz, own, buffer + room)) return -1;
        int length = static_cast<int>(std::strlen(psz));
        if (length >= room - n) return -1;
        std::memcpy(buffer + n, psz, static_cast<std::size_t>(length));
        n += length;
        break;
      }
      case 'd':
      case 'i': {
        int value = va_arg(args, int);
        unsigned magnitude = static_cast<unsigned>(value);
        if (value < 0) {
          buffer[n++] = '-';
          magnitude = 0u - magnitude;
        }
        n += WriteDigits(buffer + n, magnitude, 10, "0123456789");
        break;
      }
      case 'u': n += WriteDigits(buffer + n, va_arg(args, unsigned), 10, "0123456789"); break;
      case 'x': n += WriteDigits(buffer + n, va_arg(args, unsigned), 16, "0123456789abcdef"); break;
      case 'X': n += WriteDigits(buffer + n, va_arg(args, unsigned), 16, "0123456789ABCDEF"); break;
      default: return -1;
    }
  }
  buffer[n] = '\0';
  return n;
}

}  // namespace

void CString::AppendFormatV(const char* pszFormat, va_list args) {
  if (pszFormat == nullptr) return;
  int oldLength = GetLength();
  char stackBuffer[512];
  {
    // Straight into the buffer's room when it has some (its terminator has a byte of its own).
    // A format taken from this very string goes the safe way round, through the stack.
    int spare = GetSpareLength();
    if (spare > 0 && InRange(pszFormat, m_pchData, m_pchData + oldLength + spare + 1)) spare = 0;
    char* target = spare > 0 ? m_pchData + oldLength : stackBuffer;
    va_list probe;
    va_copy(probe, args);
    int n = FormatCommon(target, spare > 0 ? spare + 1 : static_cast<int>(sizeof stackBuffer),
                         spare > 0 ? m_pchData : nullptr, pszFormat, probe);
    va_end(probe);
    if (n >= 0) {
      if (spare > 0)
        GetData()->nDataLength = oldLength + n;  // FormatCommon wrote the terminator
      else
        Append(stackBuffer, n);
      return;
    }
    if (spare > 0) m_pchData[oldLength] = '\0';
  }
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
  va_list probe;
  va_copy(probe, args);
  int needed = std::vsnprintf(stackBuffer, sizeof stackBuffer, pszFormat, probe);
  va_end(probe);
  if (needed < 0) return;
  if (static_cast<std::size_t>(needed) < sizeof stackBuffer) {
    Append(stackBuffer, needed);
    return;
  }
  // Into a buffer of its own: the format or a %s argument may lie in this string, whose buffer
  // growing would free and writing would overwrite.
  CString formatted;
  va_list again;
  va_copy(again, args);
  std::vsnprintf(formatted.GetBuffer(needed), static_cast<std::size_t>(needed) + 1, pszFormat, again);
  va_end(again);
  formatted.ReleaseBuffer(needed);
  Append(formatted, needed);
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

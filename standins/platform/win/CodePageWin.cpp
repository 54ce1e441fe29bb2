#include "afxconv.h"

#include <string>

#include "afxwindows.h"

namespace {
bool ToWide(UINT codePage, DWORD flags, const char* p, int n, std::wstring& wide) {
  int length = ::MultiByteToWideChar(codePage, flags, p, n, nullptr, 0);
  if (length <= 0) return false;
  wide.resize(static_cast<std::size_t>(length));
  return ::MultiByteToWideChar(codePage, flags, p, n, &wide[0], length) == length;
}

// Refuses a character the code page lacks instead of writing '?' or a look-alike; UTF-8 takes
// neither flag nor the default-character test.
bool FromWide(UINT codePage, const wchar_t* p, int n, CString& out) {
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  int length = ::WideCharToMultiByte(codePage, flags, p, n, nullptr, 0, nullptr, utf8 ? nullptr : &usedDefault);
  if (length <= 0 || usedDefault) return false;
  CString text;
  char* buffer = text.GetBufferSetLength(length);
  ::WideCharToMultiByte(codePage, flags, p, n, buffer, length, nullptr, nullptr);
  text.ReleaseBuffer(length);
  out = text;
  return true;
}
}  // namespace

UINT AfxGetAnsiCodePage() { return ::GetACP(); }

BOOL AfxUtf8ToAnsi(const char* p, int n, CString& out) {
  if (AfxIsAscii(p, n)) {
    out.Truncate(0);
    out.Append(p, n);
    return TRUE;
  }
  std::wstring wide;
  return ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, p, n, wide) && FromWide(CP_ACP, wide.data(), static_cast<int>(wide.size()), out);
}

CString AfxAnsiToUtf8(const char* p, int n) {
  CString text;
  std::wstring wide;
  if (AfxIsAscii(p, n) || !ToWide(CP_ACP, 0, p, n, wide) || !FromWide(CP_UTF8, wide.data(), static_cast<int>(wide.size()), text))
    return CString(p, n);
  return text;
}

BOOL AfxWideToAnsi(const wchar_t* p, int n, CString& out) {
  if (n == 0) {
    out.Empty();
    return TRUE;
  }
  return FromWide(CP_ACP, p, n, out);
}

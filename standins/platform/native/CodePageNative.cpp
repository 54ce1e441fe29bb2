#include "afxconv.h"

// Natively the code page is UTF-8: the bytes are the text.
UINT AfxGetAnsiCodePage() { return 65001; }

BOOL AfxUtf8ToAnsi(const char* p, int n, CString& out) {
  out.Truncate(0);
  out.Append(p, n);
  return TRUE;
}

CString AfxAnsiToUtf8(const char* p, int n) { return CString(p, n); }

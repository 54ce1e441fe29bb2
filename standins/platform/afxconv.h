// Text between UTF-8, the encoding of files, command lines and terminals on the host's side, and
// the process's ANSI code page, in which every string of the platform is held. Natively the two
// are one: the code page is UTF-8 and nothing is converted.
#pragma once

#include "afxstr.h"

// True when the bytes are ASCII, the same text in UTF-8 and in every ANSI code page.
AFX_API BOOL AfxIsAscii(const char* p, int n);
// The ANSI code page of the process (65001 for UTF-8).
AFX_API UINT AfxGetAnsiCodePage();
// UTF-8 bytes into the ANSI code page. FALSE, out unchanged, for bytes that are no UTF-8 or a
// character that the code page cannot hold (no look-alike stands in for it).
AFX_API BOOL AfxUtf8ToAnsi(const char* p, int n, CString& out);
// ANSI text as UTF-8. Text of ASCII only is the same bytes.
AFX_API CString AfxAnsiToUtf8(const char* p, int n);
#ifdef _WIN32
// UTF-16 into the ANSI code page, refused as AfxUtf8ToAnsi refuses.
AFX_API BOOL AfxWideToAnsi(const wchar_t* p, int n, CString& out);
#endif

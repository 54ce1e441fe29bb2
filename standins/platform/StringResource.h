// Look-up of string resources by ID. On Windows it searches the current module state's
// resource chain; the native core build searches the tables registered with it.
#pragma once

#include "afxver.h"

class CString;

AFX_API BOOL AfxLoadStringResource(UINT nID, CString& rString);

#ifdef _WIN32
// String nIDS into a caller's buffer, cut to fit; its length, 0 (an empty text) when absent.
// Needs no memory of the platform's heap, so an out-of-memory report can use it.
AFX_API int AfxLoadString(UINT nIDS, LPSTR lpszBuf, UINT nMaxBuf = 256);
#endif

#ifndef _WIN32
struct AFX_STRING_ENTRY {
  UINT nID;
  const char* pszText;
};
// Registers a table that lives as long as the process (native build only).
AFX_API void AfxRegisterStringTable(const AFX_STRING_ENTRY* pEntries, std::size_t nCount);
#endif

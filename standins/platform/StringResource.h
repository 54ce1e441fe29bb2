// Look-up of string resources by ID. On Windows it searches the current module state's
// resource chain; the native core build searches the tables registered with it.
#pragma once

#include "afxver.h"

class CString;

AFX_API BOOL AfxLoadStringResource(UINT nID, CString& rString);

#ifndef _WIN32
struct AFX_STRING_ENTRY {
  UINT nID;
  const char* pszText;
};
// Registers a table that lives as long as the process (native build only).
AFX_API void AfxRegisterStringTable(const AFX_STRING_ENTRY* pEntries, std::size_t nCount);
#endif

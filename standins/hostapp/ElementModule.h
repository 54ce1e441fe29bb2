// An element module loaded the way the host loads one: by path, its exports found by name, and
// its resources linked into the host's resource chain while it is loaded.
#pragma once

#include "afxwin.h"

class CElementModule {
public:
  CElementModule() = default;
  ~CElementModule();
  CElementModule(const CElementModule&) = delete;
  CElementModule& operator=(const CElementModule&) = delete;

  // False with a one-line message when the library cannot be loaded.
  bool Load(const char* pszPath, CString& error);
  void Unload();
  HMODULE GetHandle() const { return m_hModule; }

  // The export's address, or null with a one-line message naming it.
  FARPROC Resolve(const char* pszExport, CString& error) const;
  template <class PFN>
  bool Resolve(const char* pszExport, PFN& pfn, CString& error) const {
    pfn = reinterpret_cast<PFN>(reinterpret_cast<void*>(Resolve(pszExport, error)));
    return pfn != nullptr;
  }

  // SlaveManagement.dll beside the running executable.
  static CString GetDefaultPath();

private:
  HMODULE m_hModule = nullptr;
  CString m_path;
  CDynLinkLibrary* m_pResources = nullptr;
};

#include "ElementModule.h"

CElementModule::~CElementModule() { Unload(); }

bool CElementModule::Load(const char* pszPath, CString& error) {
  Unload();
  m_hModule = ::LoadLibraryA(pszPath);
  if (m_hModule == nullptr) {
    error.Format("%s: cannot load the element module (Windows error %lu)", pszPath,
                 static_cast<unsigned long>(::GetLastError()));
    return false;
  }
  m_path = pszPath;
  // The exports run in the host's module state; the module's dialog template must be found
  // from there. The record joins the head of the chain, before the kernel's.
  m_pResources = new CDynLinkLibrary(m_hModule, m_hModule);
  return true;
}

void CElementModule::Unload() {
  delete m_pResources;
  m_pResources = nullptr;
  if (m_hModule != nullptr) ::FreeLibrary(m_hModule);
  m_hModule = nullptr;
}

FARPROC CElementModule::Resolve(const char* pszExport, CString& error) const {
  FARPROC pfn = m_hModule ? ::GetProcAddress(m_hModule, pszExport) : nullptr;
  if (pfn == nullptr) error.Format("%s: the element module has no export %s", static_cast<const char*>(m_path), pszExport);
  return pfn;
}

CString CElementModule::GetDefaultPath() {
  char path[MAX_PATH];
  DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  CString dir(path, static_cast<int>(n));
  int slash = -1;
  for (int i = 0; i < dir.GetLength(); ++i)
    if (dir[i] == '\\' || dir[i] == '/') slash = i;
  return dir.Left(slash + 1) + "SlaveManagement.dll";
}

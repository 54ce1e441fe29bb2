// String resources on Windows, found through the current module state's resource chain. The
// table is read in place (LoadStringW with a zero buffer size), so no length limit applies.
#include "../afxwindows.h"

#include "../StringResource.h"
#include "../afxdll.h"
#include "../afxstr.h"

namespace {
BOOL LoadFrom(HINSTANCE h, UINT nID, CString& rString) {
  if (h == nullptr) return FALSE;
  const wchar_t* pText = nullptr;
  int nChars = ::LoadStringW(h, nID, reinterpret_cast<LPWSTR>(&pText), 0);
  if (nChars <= 0 || pText == nullptr) return FALSE;
  int nBytes = ::WideCharToMultiByte(CP_ACP, 0, pText, nChars, nullptr, 0, nullptr, nullptr);
  char* p = rString.GetBufferSetLength(nBytes);
  ::WideCharToMultiByte(CP_ACP, 0, pText, nChars, p, nBytes, nullptr, nullptr);
  rString.ReleaseBuffer(nBytes);
  return TRUE;
}
}  // namespace

BOOL AfxLoadStringResource(UINT nID, CString& rString) {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  if (LoadFrom(pState->m_hCurrentResourceHandle, nID, rString)) return TRUE;
  for (CDynLinkLibrary* p = pState->m_pFirstLibrary; p; p = p->m_pNextDLL)
    if (LoadFrom(p->m_hResource, nID, rString)) return TRUE;
  return FALSE;
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID) { return LoadFrom(hInstance, nID, *this); }

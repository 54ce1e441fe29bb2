#include "../afxdll.h"

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
  if (state.bInitialized) return TRUE;
  state.hModule = hModule;
  state.hResource = hModule;
  state.bInitialized = TRUE;
  return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
  if (!state.bInitialized) return;
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  CDynLinkLibrary* p = pState->m_pFirstLibrary;
  while (p != nullptr) {
    CDynLinkLibrary* pNext = p->m_pNextDLL;
    if (bAll || p->m_hModule == state.hModule) delete p;
    p = pNext;
  }
  state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem), m_pModuleState(AfxGetModuleState()) {
  Link();
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE), m_pModuleState(AfxGetModuleState()) {
  Link();
}

void CDynLinkLibrary::Link() {
  // At the head: the module loaded last is searched first.
  m_pNextDLL = m_pModuleState->m_pFirstLibrary;
  m_pModuleState->m_pFirstLibrary = this;
}

CDynLinkLibrary::~CDynLinkLibrary() {
  for (CDynLinkLibrary** pp = &m_pModuleState->m_pFirstLibrary; *pp; pp = &(*pp)->m_pNextDLL)
    if (*pp == this) {
      *pp = m_pNextDLL;
      break;
    }
}

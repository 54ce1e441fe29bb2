#include <initializer_list>

#include "../afxapp.h"
#include "../afxdll.h"
#include "../afxstate.h"

namespace {
// The state current on each thread; null stands for the application's state.
thread_local AFX_MODULE_STATE* t_pCurrentState = nullptr;
AFX_MODULE_STATE* g_pFirstState = nullptr;

AFX_MODULE_STATE& AppState() {
  static AFX_MODULE_STATE s_appState(FALSE);
  if (s_appState.m_hCurrentInstanceHandle == nullptr) {
    s_appState.m_hCurrentInstanceHandle = ::GetModuleHandleA(nullptr);
    s_appState.m_hCurrentResourceHandle = s_appState.m_hCurrentInstanceHandle;
  }
  return s_appState;
}

bool HasResource(HINSTANCE h, LPCSTR lpszName, LPCSTR lpszType) {
  return h != nullptr && ::FindResourceA(h, lpszName, lpszType) != nullptr;
}
}  // namespace

AFX_MODULE_STATE::AFX_MODULE_STATE(BOOL bDLL) : m_bDLL(bDLL) {
  m_pNextState = g_pFirstState;
  g_pFirstState = this;
}

AFX_MODULE_STATE::~AFX_MODULE_STATE() {
  // Records still linked are owned by the chain and go with it.
  while (m_pFirstLibrary != nullptr) delete m_pFirstLibrary;
  for (AFX_MODULE_STATE** pp = &g_pFirstState; *pp; pp = &(*pp)->m_pNextState)
    if (*pp == this) {
      *pp = m_pNextState;
      break;
    }
}

AFX_MODULE_STATE* AfxGetModuleState() { return t_pCurrentState ? t_pCurrentState : &AppState(); }

AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pNewState) {
  AFX_MODULE_STATE* pOld = AfxGetModuleState();
  t_pCurrentState = pNewState == &AppState() ? nullptr : pNewState;
  return pOld;
}

AFX_MODULE_STATE* AfxFindModuleState(HINSTANCE hInstance) {
  for (AFX_MODULE_STATE* p = g_pFirstState; p; p = p->m_pNextState)
    if (p->m_hCurrentInstanceHandle == hInstance) return p;
  return nullptr;
}

CWinApp* AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }

namespace {
// Every resource look-up searches in this order: the state's own resource handle unless it is a
// system state, the chain's non-system records from its head (the module that joined last
// first), then a system state's own handle and the system records.
template <class Holds>
HINSTANCE SearchResourceChain(const Holds& holds) {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  for (BOOL bSystem : {FALSE, TRUE}) {
    if (!pState->m_bSystem == !bSystem && holds(pState->m_hCurrentResourceHandle)) return pState->m_hCurrentResourceHandle;
    for (CDynLinkLibrary* p = pState->m_pFirstLibrary; p; p = p->m_pNextDLL)
      if (!p->m_bSystem == !bSystem && holds(p->m_hResource)) return p->m_hResource;
  }
  return nullptr;
}
}  // namespace

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
  return SearchResourceChain([=](HINSTANCE h) { return HasResource(h, lpszName, lpszType); });
}

HINSTANCE AfxFindStringResourceHandle(UINT nID) {
  return SearchResourceChain([=](HINSTANCE h) {
    const wchar_t* pText = nullptr;
    return h != nullptr && ::LoadStringW(h, nID, reinterpret_cast<LPWSTR>(&pText), 0) > 0;
  });
}

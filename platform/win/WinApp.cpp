#include "../afxapp.h"

CWinApp::CWinApp(LPCSTR lpszAppName) : m_pszAppName(lpszAppName), m_pModuleState(AfxGetModuleState()) {
  m_pModuleState->m_pCurrentWinApp = this;
  m_pModuleState->m_lpszCurrentAppName = lpszAppName;
}

CWinApp::~CWinApp() {
  if (m_pModuleState->m_pCurrentWinApp == this) m_pModuleState->m_pCurrentWinApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return 0; }

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

BOOL AfxCoreInitModule() { return TRUE; }

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow) {
  if (hInstance == nullptr) return FALSE;
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  pState->m_hCurrentInstanceHandle = hInstance;
  pState->m_hCurrentResourceHandle = hInstance;
  if (CWinApp* pApp = pState->m_pCurrentWinApp) {
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
  }
  pState->m_bWinInitialised = TRUE;
  return TRUE;
}

void AfxWinTerm() { AfxGetModuleState()->m_bWinInitialised = FALSE; }

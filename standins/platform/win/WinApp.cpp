#include "../afxapp.h"
#include "../afxexcept.h"
#include "../afxres.h"

CWinApp::CWinApp(LPCSTR lpszAppName) : m_pszAppName(nullptr), m_pModuleState(AfxGetModuleState()) {
  if (lpszAppName != nullptr) {
    m_strAppName = lpszAppName;
    m_pszAppName = m_strAppName;
  }
  m_pModuleState->m_pCurrentWinApp = this;
  m_pModuleState->m_lpszCurrentAppName = m_pszAppName;
}

void CWinApp::SetDefaultAppName() {
  if (m_pszAppName != nullptr) return;
  char text[256];
  int n = ::LoadStringA(m_hInstance, AFX_IDS_APP_TITLE, text, sizeof text);
  if (n > 0) {
    m_strAppName = CString(text, n);
  } else {
    char path[MAX_PATH];
    DWORD nPath = ::GetModuleFileNameA(m_hInstance, path, MAX_PATH);
    int nEnd = nPath < MAX_PATH ? static_cast<int>(nPath) : 0, nStart = 0;
    for (int i = 0; i < nEnd; ++i)
      if (path[i] == '\\' || path[i] == '/') nStart = i + 1;
    for (int i = nEnd - 1; i > nStart; --i)
      if (path[i] == '.') {
        nEnd = i;
        break;
      }
    m_strAppName = CString(path + nStart, nEnd - nStart);
  }
  m_pszAppName = m_strAppName;
}

CWinApp::~CWinApp() {
  if (m_pModuleState->m_pCurrentWinApp == this) m_pModuleState->m_pCurrentWinApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return 0; }

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow) {
  if (hInstance == nullptr) return FALSE;
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  pState->m_hCurrentInstanceHandle = hInstance;
  pState->m_hCurrentResourceHandle = hInstance;
  if (CWinApp* pApp = pState->m_pCurrentWinApp) {
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    // The name's copy may run out of memory; a start-up must see a failure, not an exception.
    try {
      pApp->SetDefaultAppName();
    } catch (CMemoryException* e) {
      e->Delete();
      return FALSE;
    }
    pState->m_lpszCurrentAppName = pApp->m_pszAppName;
  }
  pState->m_bWinInitialised = TRUE;
  return TRUE;
}

void AfxWinTerm() { AfxGetModuleState()->m_bWinInitialised = FALSE; }

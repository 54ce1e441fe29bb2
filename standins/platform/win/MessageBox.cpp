#include "../afxapp.h"
#include "../afxwnd.h"
#include "ModalStack.h"

namespace {
// The box's owner, so that the box is modal to what the user works in: the thread's active
// window, else the dialog running modally on it, else the application's main window.
HWND MessageBoxOwner(const CWinApp* pApp) {
  if (HWND hActive = ::GetActiveWindow()) return hActive;
  if (HWND hDialog = AfxGetInnermostModalWindow()) return hDialog;
  return pApp != nullptr && pApp->m_pMainWnd != nullptr ? pApp->m_pMainWnd->m_hWnd : nullptr;
}

// Without an application name the box is captioned with the executable's file name, read into
// the caller's buffer: a box that reports running out of memory must need none.
LPCSTR ExecutableName(char (&path)[MAX_PATH]) {
  DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  path[n < MAX_PATH ? n : 0] = '\0';
  LPCSTR pszName = path;
  for (LPCSTR p = path; *p != '\0'; ++p)
    if (*p == '\\' || *p == '/') pszName = p + 1;
  return pszName;
}
}  // namespace

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) {
  DWORD dwOldContext = m_dwPromptContext;
  if (nIDPrompt != 0) m_dwPromptContext = nIDPrompt;
  char path[MAX_PATH];
  LPCSTR caption = m_pszAppName != nullptr ? m_pszAppName : ExecutableName(path);
  int nResult = ::MessageBoxA(MessageBoxOwner(this), lpszPrompt, caption, nType);
  m_dwPromptContext = dwOldContext;
  return nResult;
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp) {
  if (CWinApp* pApp = AfxGetApp()) return pApp->DoMessageBox(lpszText, nType, nIDHelp);
  char path[MAX_PATH];
  return ::MessageBoxA(MessageBoxOwner(nullptr), lpszText, ExecutableName(path), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  CString text;
  // A missing string still shows the box: the user must learn that something was refused.
  text.LoadString(nIDPrompt);
  if (nIDHelp == static_cast<UINT>(-1)) nIDHelp = nIDPrompt;
  return AfxMessageBox(text, nType, nIDHelp);
}

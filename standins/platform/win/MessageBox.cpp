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

// Without an application the box is captioned with the executable's file name.
CString ExecutableName() {
  char path[MAX_PATH];
  DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  CString caption(path, static_cast<int>(n < MAX_PATH ? n : 0));
  for (int i = caption.GetLength() - 1; i >= 0; --i)
    if (caption[i] == '\\' || caption[i] == '/') return caption.Mid(i + 1);
  return caption;
}
}  // namespace

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) {
  DWORD dwOldContext = m_dwPromptContext;
  if (nIDPrompt != 0) m_dwPromptContext = nIDPrompt;
  CString caption = m_pszAppName != nullptr ? CString(m_pszAppName) : ExecutableName();
  int nResult = ::MessageBoxA(MessageBoxOwner(this), lpszPrompt, caption, nType);
  m_dwPromptContext = dwOldContext;
  return nResult;
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp) {
  if (CWinApp* pApp = AfxGetApp()) return pApp->DoMessageBox(lpszText, nType, nIDHelp);
  return ::MessageBoxA(MessageBoxOwner(nullptr), lpszText, ExecutableName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  CString text;
  // A missing string still shows the box: the user must learn that something was refused.
  text.LoadString(nIDPrompt);
  if (nIDHelp == static_cast<UINT>(-1)) nIDHelp = nIDPrompt;
  return AfxMessageBox(text, nType, nIDHelp);
}

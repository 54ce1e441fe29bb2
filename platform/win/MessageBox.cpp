#include "../afxapp.h"
#include "../afxwnd.h"
#include "ModalStack.h"

namespace {
// The box's owner, so that the box is modal to the dialog: the thread's active window, else the
// dialog running modally on it.
HWND MessageBoxOwner() {
  HWND hActive = ::GetActiveWindow();
  return hActive != nullptr ? hActive : AfxGetInnermostModalWindow();
}

CString MessageBoxCaption() {
  if (LPCSTR pszAppName = AfxGetModuleState()->m_lpszCurrentAppName) return CString(pszAppName);
  char path[MAX_PATH];
  DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  CString caption(path, static_cast<int>(n));
  for (int i = caption.GetLength() - 1; i >= 0; --i)
    if (caption[i] == '\\' || caption[i] == '/') return caption.Mid(i + 1);
  return caption;
}
}  // namespace

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp) {
  CWinApp* pApp = AfxGetApp();
  DWORD dwOldContext = pApp != nullptr ? pApp->m_dwPromptContext : 0;
  if (pApp != nullptr && nIDHelp != 0) pApp->m_dwPromptContext = nIDHelp;
  CString caption = MessageBoxCaption();
  int nResult = ::MessageBoxA(MessageBoxOwner(), lpszText, caption, nType);
  if (pApp != nullptr) pApp->m_dwPromptContext = dwOldContext;
  return nResult;
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  CString text;
  // A missing string still shows the box: the user must learn that something was refused.
  text.LoadString(nIDPrompt);
  if (nIDHelp == static_cast<UINT>(-1)) nIDHelp = nIDPrompt;
  return AfxMessageBox(text, nType, nIDHelp);
}

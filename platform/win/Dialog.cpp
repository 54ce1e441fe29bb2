#include <vector>

#include "../afxapp.h"
#include "../afxdlgs.h"
#include "../afxexcept.h"
#include "../afxres.h"
#include "ModalStack.h"

namespace {
// Temporary wrappers made while the dialog runs are released when its modal loop ends.
class CTempMapsLock {
public:
  CTempMapsLock() { AfxLockTempMaps(); }
  ~CTempMapsLock() { AfxUnlockTempMaps(TRUE); }
  CTempMapsLock(const CTempMapsLock&) = delete;
  CTempMapsLock& operator=(const CTempMapsLock&) = delete;
};

thread_local std::vector<HWND>* t_pModalWindows = nullptr;

// F1 in a dialog's modal loop, which the system's dialog manager leaves alone, asks for help as
// the caption's context-help mark does: a command that the application's map answers.
LRESULT CALLBACK HelpKeyFilter(int nCode, WPARAM wParam, LPARAM lParam) {
  const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
  if (nCode == MSGF_DIALOGBOX && pMsg != nullptr && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F1) {
    HWND hDialog = AfxGetInnermostModalWindow();
    if (hDialog != nullptr && (pMsg->hwnd == hDialog || ::IsChild(hDialog, pMsg->hwnd))) {
      ::SendMessageA(hDialog, WM_COMMAND, ID_HELP, 0);
      return 1;
    }
  }
  return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// The filter for the life of one modal loop.
class CHelpKeyScope {
public:
  CHelpKeyScope() : m_hHook(::SetWindowsHookExA(WH_MSGFILTER, &HelpKeyFilter, nullptr, ::GetCurrentThreadId())) {}
  ~CHelpKeyScope() {
    if (m_hHook != nullptr) ::UnhookWindowsHookEx(m_hHook);
  }
  CHelpKeyScope(const CHelpKeyScope&) = delete;
  CHelpKeyScope& operator=(const CHelpKeyScope&) = delete;

private:
  HHOOK m_hHook;
};
}  // namespace

HWND AfxGetInnermostModalWindow() {
  return t_pModalWindows != nullptr && !t_pModalWindows->empty() ? t_pModalWindows->back() : nullptr;
}

void AfxPushModalWindow(HWND hWnd) {
  if (t_pModalWindows == nullptr) t_pModalWindows = new std::vector<HWND>;
  t_pModalWindows->push_back(hWnd);
}

void AfxPopModalWindow(HWND hWnd) {
  if (t_pModalWindows == nullptr) return;
  for (auto it = t_pModalWindows->begin(); it != t_pModalWindows->end(); ++it)
    if (*it == hWnd) {
      t_pModalWindows->erase(it);
      break;
    }
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
  LPCSTR lpszName = MAKEINTRESOURCEA(m_nIDTemplate);
  HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_DIALOG);
  if (hInst == nullptr) return -1;
  HRSRC hResource = ::FindResourceA(hInst, lpszName, RT_DIALOG);
  HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
  auto* pTemplate = hTemplate != nullptr ? static_cast<LPCDLGTEMPLATEA>(::LockResource(hTemplate)) : nullptr;
  if (pTemplate == nullptr) return -1;
  HWND hParent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
  CTempMapsLock lock;
  CHelpKeyScope helpKey;
  return ::DialogBoxIndirectParamA(hInst, pTemplate, hParent, &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* pDialog = nullptr;
  if (message == WM_INITDIALOG) {
    pDialog = reinterpret_cast<CDialog*>(lParam);
    ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
    pDialog->Attach(hWnd);
    AfxPushModalWindow(hWnd);
  } else {
    pDialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
  }
  if (pDialog == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    AfxPopModalWindow(hWnd);
    pDialog->Detach();
    ::SetWindowLongPtrA(hWnd, DWLP_USER, 0);
    return FALSE;
  }
  // No exception may unwind through the system's frames of the modal loop.
  try {
    return pDialog->HandleMessage(message, wParam, lParam);
  } catch (CException* e) {
    bool bMemory = dynamic_cast<CMemoryException*>(e) != nullptr;
    e->Delete();
    if (message == WM_INITDIALOG) {
      ::EndDialog(hWnd, -1);
    } else {
      AfxMessageBox(bMemory ? "Out of memory." : "The operation failed.", MB_ICONSTOP);
    }
  } catch (...) {
    if (message == WM_INITDIALOG)
      ::EndDialog(hWnd, -1);
    else
      AfxMessageBox("The operation failed.", MB_ICONSTOP);
  }
  return message == WM_INITDIALOG ? FALSE : TRUE;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_HELP:
      OnCmdMsg(ID_HELP, 0);
      return TRUE;
    default: return FALSE;
  }
}

BOOL CDialog::OnInitDialog() {
  if (!ExecuteDlgInit(MAKEINTRESOURCEA(m_nIDTemplate))) {
    EndDialog(-1);
    return FALSE;
  }
  if (!UpdateData(FALSE)) {
    EndDialog(-1);
    return FALSE;
  }
  return TRUE;
}

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCmdMsg(UINT nID, int nCode) {
  if (CWnd::OnCmdMsg(nID, nCode)) return TRUE;
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr && pApp->OnCmdMsg(nID, nCode);
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

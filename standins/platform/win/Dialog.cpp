#include <cstring>
#include <exception>
#include <vector>

#include "../afxapp.h"
#include "../afxdlgs.h"
#include "../afxexcept.h"
#include "../afxres.h"
#include "CurrentMessage.h"
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

// The modal loop runs in the system's dialog manager, which shows every message it takes to the
// thread's message filter before it handles it: the filter gives the windows from the message's
// own up to the dialog their PreTranslateMessage turn, as the shared library's pump does.
LRESULT CALLBACK PreTranslateFilter(int nCode, WPARAM wParam, LPARAM lParam) {
  MSG* pMsg = reinterpret_cast<MSG*>(lParam);
  if (nCode == MSGF_DIALOGBOX && pMsg != nullptr) {
    HWND hDialog = AfxGetInnermostModalWindow();
    for (HWND h = pMsg->hwnd; h != nullptr; h = ::GetParent(h)) {
      if (CWnd* pWnd = CWnd::FromHandlePermanent(h))
        if (pWnd->PreTranslateMessage(pMsg)) return 1;
      if (h == hDialog) break;
    }
  }
  return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// The filter for the life of one modal loop.
class CPreTranslateScope {
public:
  CPreTranslateScope() : m_hHook(::SetWindowsHookExA(WH_MSGFILTER, &PreTranslateFilter, nullptr, ::GetCurrentThreadId())) {}
  ~CPreTranslateScope() {
    if (m_hHook != nullptr) ::UnhookWindowsHookEx(m_hHook);
  }
  CPreTranslateScope(const CPreTranslateScope&) = delete;
  CPreTranslateScope& operator=(const CPreTranslateScope&) = delete;

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

LPCDLGTEMPLATEA CDialog::LoadTemplate(HINSTANCE& hInst) const {
  LPCSTR lpszName = MAKEINTRESOURCEA(m_nIDTemplate);
  hInst = AfxFindResourceHandle(lpszName, RT_DIALOG);
  HRSRC hResource = hInst != nullptr ? ::FindResourceA(hInst, lpszName, RT_DIALOG) : nullptr;
  HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
  return hTemplate != nullptr ? static_cast<LPCDLGTEMPLATEA>(::LockResource(hTemplate)) : nullptr;
}

HWND CDialog::PreModal() { return CWnd::GetSafeOwner_(m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr, &m_hWndTop); }

void CDialog::PostModal() {
  if (::IsWindow(m_hWndTop)) ::EnableWindow(m_hWndTop, TRUE);
  m_hWndTop = nullptr;
}

INT_PTR CDialog::DoModal() {
  HINSTANCE hInst = nullptr;
  LPCDLGTEMPLATEA pTemplate = LoadTemplate(hInst);
  if (pTemplate == nullptr) return -1;
  // The system's dialog manager disables the owner before WM_INITDIALOG and, at the end, enables
  // it again and gives it the activation back.
  HWND hWndParent = PreModal();
  INT_PTR nResult;
  {
    CTempMapsLock lock;
    CPreTranslateScope preTranslate;
    nResult = ::DialogBoxIndirectParamA(hInst, pTemplate, hWndParent, &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  }
  PostModal();
  return nResult;
}

BOOL CDialog::CheckAutoCenter() {
  HINSTANCE hInst = nullptr;
  LPCDLGTEMPLATEA pTemplate = LoadTemplate(hInst);
  if (pTemplate == nullptr) return TRUE;
  // An extended template starts with version 1 and signature 0xFFFF; its style follows the help
  // ID and the extended style.
  const WORD* pWords = reinterpret_cast<const WORD*>(pTemplate);
  DWORD dwStyle = pTemplate->style;
  if (pWords[0] == 1 && pWords[1] == 0xFFFF) std::memcpy(&dwStyle, pWords + 6, sizeof dwStyle);
  return !(dwStyle & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN));
}

namespace {
// The dialog is centred after WM_INITDIALOG only where nothing else placed it: hidden before and
// after, not moved meanwhile, its owner (if any) disabled for it, its template silent.
class CInitDialogPlacement {
public:
  explicit CInitDialogPlacement(HWND hWnd) : m_dwStyleOld(static_cast<DWORD>(::GetWindowLongA(hWnd, GWL_STYLE))) {
    ::GetWindowRect(hWnd, &m_rectOld);
  }
  void CenterIfUnplaced(CWnd* pWnd) const {
    if (m_dwStyleOld & WS_VISIBLE) return;
    if (::GetWindowLongA(pWnd->m_hWnd, GWL_STYLE) & (WS_VISIBLE | WS_CHILD)) return;
    RECT rect;
    ::GetWindowRect(pWnd->m_hWnd, &rect);
    if (rect.left != m_rectOld.left || rect.top != m_rectOld.top) return;
    HWND hOwner = ::GetWindow(pWnd->m_hWnd, GW_OWNER);
    if (hOwner != nullptr && ::IsWindowEnabled(hOwner)) return;
    if (pWnd->CheckAutoCenter()) pWnd->CenterWindow();
  }

private:
  DWORD m_dwStyleOld;
  RECT m_rectOld;
};

// An exception that is no CException* has no owner here: unwinding it through the system's
// frames of the modal loop is undefined. The process ends at once, naming it (the runtime's
// terminate handler prints its type), rather than running on in an unknown state.
[[noreturn]] void EndOnForeignException() {
  static const char kText[] = "An exception that is no CException* left a message handler of a dialog\n";
  ::OutputDebugStringA(kText);
  DWORD nWritten = 0;
  ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), kText, sizeof kText - 1, &nWritten, nullptr);
  std::terminate();
}
}  // namespace

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* pDialog = nullptr;
  if (message == WM_INITDIALOG) {
    pDialog = reinterpret_cast<CDialog*>(lParam);
    // Running out of memory here ends the dialog as one that could not be created (DoModal
    // gives -1, as the shared library's does): no handler has run, and no exception may cross
    // the system's frames.
    try {
      pDialog->Attach(hWnd);
      AfxPushModalWindow(hWnd);
    } catch (CException* e) {
      e->Delete();
      pDialog->Detach();
      ::EndDialog(hWnd, -1);
      return FALSE;
    }
    ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
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
  CCurrentMessageScope current(hWnd, message, wParam, lParam);
  try {
    try {
      if (message != WM_INITDIALOG) return pDialog->HandleMessage(message, wParam, lParam);
      CInitDialogPlacement placement(hWnd);
      INT_PTR nResult = pDialog->HandleMessage(message, wParam, lParam);
      placement.CenterIfUnplaced(pDialog);
      return nResult;
    } catch (CException* e) {
      // The application reports it and answers the message; a dialog whose WM_INITDIALOG failed
      // stays open, uncentred.
      LRESULT lResult = AfxProcessWndProcException(e, CWnd::GetCurrentMessage());
      e->Delete();
      return lResult;
    }
  } catch (...) {
    EndOnForeignException();
  }
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND: return OnCommand(wParam, lParam);
    // F1 reaches a dialog as WM_HELP from the system (as does the caption's help mark), and
    // only so: the key itself is left to the dialog manager, so that one F1 asks once.
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
  // A control's notification stays with the dialog; a command goes on to the window that owns
  // the dialog, then to the application.
  if (nCode != 0) return FALSE;
  if (CWnd* pOwner = CWnd::FromHandlePermanent(::GetWindow(m_hWnd, GW_OWNER)))
    if (pOwner->OnCmdMsg(nID, nCode)) return TRUE;
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr && pApp->OnCmdMsg(nID, nCode);
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

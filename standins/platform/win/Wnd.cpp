#include <map>
#include <memory>

#include "../afxapp.h"
#include "../afxdd_.h"
#include "../afxexcept.h"
#include "../afxres.h"
#include "../afxstate.h"
#include "../afxwnd.h"
#include "CurrentMessage.h"

namespace {
// Per thread, as window handles are. Plain pointers: emulated TLS must not run destructors.
struct HandleMaps {
  std::map<HWND, CWnd*> permanent;
  std::map<HWND, CWnd*> temporary;
};
thread_local HandleMaps* t_pMaps = nullptr;
// What GetCurrentMessage answers; each window procedure sets it for the message it handles.
thread_local MSG t_currentMessage = {};

HandleMaps& Maps() {
  if (t_pMaps == nullptr) t_pMaps = new HandleMaps;
  return *t_pMaps;
}

void DeleteTemporary(void* p) {
  CWnd* pWnd = static_cast<CWnd*>(p);
  if (t_pMaps != nullptr) {
    auto it = t_pMaps->temporary.find(pWnd->m_hWnd);
    if (it != t_pMaps->temporary.end() && it->second == pWnd) t_pMaps->temporary.erase(it);
  }
  pWnd->m_hWnd = nullptr;
  delete pWnd;
}
}  // namespace

CCurrentMessageScope::CCurrentMessageScope(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    : m_previous(t_currentMessage) {
  MSG& msg = t_currentMessage;
  msg.hwnd = hWnd;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = static_cast<DWORD>(::GetMessageTime());
  DWORD pos = ::GetMessagePos();
  msg.pt.x = static_cast<short>(LOWORD(pos));
  msg.pt.y = static_cast<short>(HIWORD(pos));
}

CCurrentMessageScope::~CCurrentMessageScope() { t_currentMessage = m_previous; }

const MSG* CWnd::GetCurrentMessage() { return &t_currentMessage; }

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  if (hWnd == nullptr || t_pMaps == nullptr) return nullptr;
  auto it = t_pMaps->permanent.find(hWnd);
  return it != t_pMaps->permanent.end() ? it->second : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  if (CWnd* p = FromHandlePermanent(hWnd)) return p;
  HandleMaps& maps = Maps();
  auto it = maps.temporary.find(hWnd);
  if (it != maps.temporary.end()) return it->second;
  // Each step may run out of memory: the wrapper is kept only once both the map and the list
  // of temporary objects hold it.
  std::unique_ptr<CWnd> p(new CWnd);
  it = maps.temporary.emplace(hWnd, p.get()).first;
  try {
    AfxAddTempObject(p.get(), DeleteTemporary);
  } catch (...) {
    maps.temporary.erase(it);
    throw;
  }
  p->m_hWnd = hWnd;
  return p.release();
}

BOOL CWnd::Attach(HWND hWnd) {
  if (hWnd == nullptr || m_hWnd != nullptr) return FALSE;
  Maps().permanent[hWnd] = this;
  m_hWnd = hWnd;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  if (hWnd != nullptr && t_pMaps != nullptr) {
    auto it = t_pMaps->permanent.find(hWnd);
    if (it != t_pMaps->permanent.end() && it->second == this) t_pMaps->permanent.erase(it);
  }
  m_hWnd = nullptr;
  return hWnd;
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
void CWnd::GetDlgItem(int nID, HWND* phWnd) const { *phWnd = ::GetDlgItem(m_hWnd, nID); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
void CWnd::SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }

void CWnd::GetWindowText(CString& rString) const {
  int nLength = ::GetWindowTextLengthA(m_hWnd);
  char* p = rString.GetBufferSetLength(nLength);
  int nCopied = nLength > 0 ? ::GetWindowTextA(m_hWnd, p, nLength + 1) : 0;
  rString.ReleaseBuffer(nCopied);
}

BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

namespace {
// A window that runs UpdateData for itself inside its own exchange: the shared library's debug
// build asserts, its release build runs on. This one runs on, says so on the debugger's output
// and standard error, and counts it for the tests.
void ReportLockoutReentry(_AFX_THREAD_STATE* pThreadState) {
  ++pThreadState->m_nLockoutReentries;
  static const char kText[] = "UpdateData: a window's exchange ran UpdateData for the same window\n";
  ::OutputDebugStringA(kText);
  DWORD nWritten = 0;
  ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), kText, sizeof kText - 1, &nWritten, nullptr);
}
}  // namespace

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
  HWND hWndOldLockout = pThreadState->m_hLockoutNotifyWindow;
  if (m_hWnd != nullptr && hWndOldLockout == m_hWnd) ReportLockoutReentry(pThreadState);
  pThreadState->m_hLockoutNotifyWindow = m_hWnd;
  CDataExchange dx(this, bSaveAndValidate);
  BOOL bOK = FALSE;
  try {
    DoDataExchange(&dx);
    bOK = TRUE;
  } catch (CUserException* e) {
    // The user has been told already (Fail moved the focus, a message box said why).
    e->Delete();
  } catch (CException* e) {
    // The exchange itself failed: out of memory, or a resource.
    e->ReportError(MB_ICONEXCLAMATION, AFX_IDP_INTERNAL_FAILURE);
    e->Delete();
  }
  pThreadState->m_hLockoutNotifyWindow = hWndOldLockout;
  return bOK;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  // A control's notification during this window's own exchange is ignored, as if handled.
  if (lParam != 0 && AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd) return TRUE;
  return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

#include <map>

#include "../afxapp.h"
#include "../afxdd_.h"
#include "../afxexcept.h"
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
  CWnd* p = new CWnd;
  p->m_hWnd = hWnd;
  maps.temporary[hWnd] = p;
  AfxAddTempObject(p, DeleteTemporary);
  return p;
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

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (CUserException* e) {
    // The user has been told already (Fail moved the focus, a message box said why).
    e->Delete();
    return FALSE;
  }
  return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) { return OnCmdMsg(LOWORD(wParam), HIWORD(wParam)); }

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

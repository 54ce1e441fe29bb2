#include "DialogRobot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "ControlActions.h"

namespace {
CDialogRobot* g_pRobot = nullptr;

bool IsDialogWindow(HWND hWnd) {
  char cls[16] = "";
  ::GetClassNameA(hWnd, cls, sizeof cls);
  return std::string(cls) == "#32770" && ::IsWindowVisible(hWnd);
}

// A named CALLBACK, not a lambda: 32-bit Windows calls it with the stdcall convention.
BOOL CALLBACK CollectDialog(HWND hWnd, LPARAM lParam) {
  if (IsDialogWindow(hWnd)) reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
  return TRUE;
}

// Inside the modal loop: the handlers run before each action returns.
const CControlActions kActions(&::SendMessageA);

std::vector<HWND> ThreadDialogs() {
  std::vector<HWND> found;
  ::EnumThreadWindows(::GetCurrentThreadId(), CollectDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}
}  // namespace

INT_PTR CDialogRobot::Run(const std::function<INT_PTR()>& open, const Script& script, bool bMustOpen) {
  m_script = script;
  m_started = false;
  m_hDialog = nullptr;
  CDialogRobot* pPrevious = g_pRobot;
  g_pRobot = this;
  UINT_PTR timer = ::SetTimer(nullptr, 0, 10, &CDialogRobot::OnTimer);
  INT_PTR result = open();
  ::KillTimer(nullptr, timer);
  g_pRobot = pPrevious;
  if (bMustOpen) EXPECT_TRUE(m_started) << "the dialog never came up";
  return result;
}

void CALLBACK CDialogRobot::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (g_pRobot != nullptr) g_pRobot->Tick();
}

void CDialogRobot::Tick() {
  if (m_started) {
    CloseMessageBoxes();
    return;
  }
  // A box up before the dialog shows (a report from its start) is closed like any other, and is
  // never taken for the dialog.
  CloseMessageBoxes();
  std::vector<HWND> dialogs = ThreadDialogs();
  auto dialog = std::find_if(dialogs.begin(), dialogs.end(), [](HWND h) { return !IsMessageBox(h); });
  if (dialog == dialogs.end()) return;
  m_hDialog = *dialog;
  m_started = true;
  m_script(*this);
  if (::IsWindow(m_hDialog) && ::IsWindowVisible(m_hDialog))
    ::PostMessageA(m_hDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void CDialogRobot::CloseMessageBoxes() {
  for (HWND hBox : ThreadDialogs()) {
    if (hBox == m_hDialog || !IsMessageBox(hBox)) continue;
    bool seen = false;
    for (HWND h : m_closing) seen = seen || h == hBox;
    if (seen) continue;
    m_closing.push_back(hBox);
    m_messageBoxes.push_back(MessageBoxText(hBox));
    CloseMessageBox(hBox);
  }
}

HWND CDialogRobot::Item(int nID) const { return ::GetDlgItem(m_hDialog, nID); }

namespace {
// The name of the control for failure messages, e.g. "IDC_SLAVE (12002)".
std::string Named(int nID) {
  const char* pszName = ControlName(nID);
  return pszName != nullptr ? pszName : std::to_string(nID);
}

HWND UsableItem(const CDialogRobot& robot, int nID) {
  HWND h = robot.Item(nID);
  EXPECT_NE(h, nullptr) << "no control " << Named(nID);
  if (h != nullptr && !::IsWindowEnabled(h)) {
    ADD_FAILURE() << "control " << Named(nID) << " is disabled";
    return nullptr;
  }
  return h;
}
}  // namespace

void CDialogRobot::Click(int nID) {
  if (HWND h = UsableItem(*this, nID)) kActions.Click(h);
}

void CDialogRobot::Choose(int nID, const char* pszText) {
  HWND h = UsableItem(*this, nID);
  if (h == nullptr) return;
  EXPECT_TRUE(kActions.Choose(h, pszText)) << "no entry '" << pszText << "' in " << Named(nID);
}

void CDialogRobot::SelectItems(int nID, const std::vector<int>& items) {
  HWND h = UsableItem(*this, nID);
  if (h == nullptr) return;
  kActions.SelectItems(h, items);
}

void CDialogRobot::Type(int nID, const char* pszText) {
  HWND h = UsableItem(*this, nID);
  if (h == nullptr) return;
  kActions.Type(h, pszText);
}

void CDialogRobot::Close() { ::SendMessageA(m_hDialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

bool CDialogRobot::Enabled(int nID) const {
  HWND h = Item(nID);
  return h != nullptr && ::IsWindowEnabled(h);
}

bool CDialogRobot::Checked(int nID) const { return ::SendMessageA(Item(nID), BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::string CDialogRobot::Text(int nID) const { return WindowText(Item(nID)); }

namespace {
std::vector<std::string> Items(HWND h, UINT countMsg, UINT lengthMsg, UINT textMsg) {
  std::vector<std::string> items;
  LRESULT n = ::SendMessageA(h, countMsg, 0, 0);
  for (LRESULT i = 0; i < n; ++i) {
    std::string text(static_cast<std::size_t>(::SendMessageA(h, lengthMsg, i, 0)) + 1, '\0');
    ::SendMessageA(h, textMsg, i, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(std::strlen(text.c_str()));
    items.push_back(text);
  }
  return items;
}
}  // namespace

std::vector<std::string> CDialogRobot::ListItems(int nID) const {
  return Items(Item(nID), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<int> CDialogRobot::ListSelection(int nID) const {
  std::vector<int> selected;
  HWND h = Item(nID);
  LRESULT n = ::SendMessageA(h, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < n; ++i)
    if (::SendMessageA(h, LB_GETSEL, i, 0) > 0) selected.push_back(static_cast<int>(i));
  return selected;
}

std::vector<std::string> CDialogRobot::ComboItems(int nID) const {
  return Items(Item(nID), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

std::string CDialogRobot::ComboSelection(int nID) const {
  HWND h = Item(nID);
  LRESULT nSel = ::SendMessageA(h, CB_GETCURSEL, 0, 0);
  if (nSel < 0) return "(none)";
  return ComboItems(nID)[static_cast<std::size_t>(nSel)];
}

int CDialogRobot::FocusID() const {
  HWND h = ::GetFocus();
  while (h != nullptr && ::GetParent(h) != m_hDialog) h = ::GetParent(h);
  return h != nullptr ? ::GetDlgCtrlID(h) : 0;
}

CControlStates CDialogRobot::RadioStates(const std::vector<int>& ids) const {
  std::string states;
  for (int id : ids) states += Checked(id) ? '1' : '0';
  return CControlStates(ids, states);
}

CControlStates CDialogRobot::EnableStates(const std::vector<int>& ids) const {
  std::string states;
  for (int id : ids) states += Enabled(id) ? '1' : '0';
  return CControlStates(ids, states);
}

void PrintTo(const CControlStates& states, std::ostream* os) {
  *os << '"' << states.m_states << '"';
  for (std::size_t i = 0; i < states.m_ids.size() && i < states.m_states.size(); ++i)
    *os << (i == 0 ? " (" : ", ") << Named(states.m_ids[i]) << ' ' << states.m_states[i];
  if (!states.m_ids.empty()) *os << ')';
}

void CDialogRobot::PumpMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (::IsWindow(m_hDialog) && ::IsDialogMessageA(m_hDialog, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

void CDialogRobot::Key(UINT vk, bool bShift) {
  BYTE keys[256];
  ::GetKeyboardState(keys);
  const BYTE shift = keys[VK_SHIFT];
  keys[VK_SHIFT] = bShift ? 0x80 : 0;
  ::SetKeyboardState(keys);
  HWND hTarget = ::GetFocus() != nullptr ? ::GetFocus() : m_hDialog;
  ::PostMessageA(hTarget, WM_KEYDOWN, vk, 1);
  ::PostMessageA(hTarget, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
  PumpMessages();
  keys[VK_SHIFT] = shift;
  ::SetKeyboardState(keys);
}

void CDialogRobot::Mnemonic(char ch) {
  HWND hTarget = ::GetFocus() != nullptr ? ::GetFocus() : m_hDialog;
  ::PostMessageA(hTarget, WM_SYSCHAR, static_cast<unsigned char>(ch), 1 | (1 << 29));  // bit 29: Alt is down
  PumpMessages();
}

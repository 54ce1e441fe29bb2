#include "ControlActions.h"

#include <cstdlib>
#include <cstring>

#include "resource.h"

namespace {
const int kMessageBoxTextID = 0xFFFF;

struct ControlNameEntry {
  const char* pszName;
  int nID;
};
// OK and Cancel, then every ID_ and IDC_ symbol of resource.h (generated from it).
const ControlNameEntry kControlNames[] = {
  {"IDOK", IDOK},
  {"IDCANCEL", IDCANCEL},
#include "ControlNames.inc"
};
}  // namespace

void CControlActions::Notify(HWND hControl, WORD nCode) const {
  m_pfnSend(::GetParent(hControl), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hControl), nCode),
            reinterpret_cast<LPARAM>(hControl));
}

void CControlActions::Click(HWND hButton) const { m_pfnSend(hButton, BM_CLICK, 0, 0); }

bool CControlActions::Choose(HWND hCombo, const char* pszText) const {
  LRESULT nIndex = m_pfnSend(hCombo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(pszText));
  if (nIndex < 0) return false;
  m_pfnSend(hCombo, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
  Notify(hCombo, CBN_SELCHANGE);
  Notify(hCombo, CBN_SELENDOK);
  return true;
}

// ::SetFocus works only on the robot's own thread's windows; from another process the focus stays
// where it was, as the dialog's handlers do not depend on it.
void CControlActions::SelectItems(HWND hList, const std::vector<int>& items) const {
  ::SetFocus(hList);
  m_pfnSend(hList, LB_SETSEL, FALSE, -1);
  for (int i : items) m_pfnSend(hList, LB_SETSEL, TRUE, i);
  Notify(hList, LBN_SELCHANGE);
}

void CControlActions::Type(HWND hControl, const char* pszText) const {
  // A combo box types into its edit field.
  if (HWND hEdit = ::FindWindowExA(hControl, nullptr, "Edit", nullptr)) hControl = hEdit;
  ::SetFocus(hControl);
  m_pfnSend(hControl, EM_SETSEL, 0, -1);
  m_pfnSend(hControl, WM_CHAR, VK_BACK, 0);
  for (const char* p = pszText; *p; ++p) m_pfnSend(hControl, WM_CHAR, static_cast<unsigned char>(*p), 0);
}

std::string WindowText(HWND hWnd) {
  char text[1024] = "";
  if (hWnd != nullptr) ::GetWindowTextA(hWnd, text, sizeof text);
  return text;
}

bool IsMessageBox(HWND hWnd) {
  char cls[16] = "";
  ::GetClassNameA(hWnd, cls, sizeof cls);
  return std::strcmp(cls, "#32770") == 0 && ::GetDlgItem(hWnd, kMessageBoxTextID) != nullptr;
}

std::string MessageBoxText(HWND hBox) { return WindowText(::GetDlgItem(hBox, kMessageBoxTextID)); }

void CloseMessageBox(HWND hBox) { ::PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

int ControlID(const char* pszName) {
  for (const ControlNameEntry& e : kControlNames)
    if (std::strcmp(e.pszName, pszName) == 0) return e.nID;
  return std::atoi(pszName);
}

const char* ControlName(int nID) {
  for (const ControlNameEntry& e : kControlNames)
    if (e.nID == nID) return e.pszName;
  return nullptr;
}

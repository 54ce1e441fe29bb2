// What a user's actions send to a dialog's controls, shared by the robot that works a dialog from
// inside its modal loop (tests/support/DialogRobot) and by uirobot, which works another
// process's dialog. Each robot sends through its own function: a plain send in its own process,
// one with a time-out across processes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

typedef LRESULT (*PFN_ROBOT_SEND)(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

class CControlActions {
public:
  explicit CControlActions(PFN_ROBOT_SEND pfnSend) : m_pfnSend(pfnSend) {}

  // A button's click, with the handler run before it returns.
  void Click(HWND hButton) const;
  // Chooses the entry with exactly this text in a drop-down list; false when there is none.
  bool Choose(HWND hCombo, const char* pszText) const;
  // Selects exactly these items of a multiple-selection list, as ctrl+clicks would.
  void SelectItems(HWND hList, const std::vector<int>& items) const;
  // Replaces the text of an edit, or of a combo box's edit field, by typing.
  void Type(HWND hControl, const char* pszText) const;

private:
  // The notification that the control sends its dialog.
  void Notify(HWND hControl, WORD nCode) const;

  PFN_ROBOT_SEND m_pfnSend;
};

std::string WindowText(HWND hWnd);

// A message box is a dialog with the static text 0xFFFF.
bool IsMessageBox(HWND hWnd);
std::string MessageBoxText(HWND hBox);
// Posts OK: the box's own modal loop ends it.
void CloseMessageBox(HWND hBox);

// Controls by the names of res/resource.h (IDC_..., ID_DEFAULT_HELP), and IDOK and IDCANCEL.
// ControlID also takes a number; it gives 0 for an unknown name. ControlName gives null for an
// unknown ID.
int ControlID(const char* pszName);
const char* ControlName(int nID);

// Drives a modal dialog the way a UI test robot does: from a thread timer that fires inside the
// dialog's own modal loop, with the messages a user's clicks and keystrokes produce, reading back
// what the user sees. Any message box that comes up meanwhile is found by the same timer, its
// text recorded, and closed with OK.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "afxwindows.h"

// The states of a row of controls, compared as a string of 0 and 1 ("0100"). A failed
// expectation prints each control by its resource name with its state, not just a position.
class CControlStates {
public:
  CControlStates(const std::vector<int>& ids, std::string states) : m_ids(ids), m_states(std::move(states)) {}
  bool operator==(const std::string& expected) const { return m_states == expected; }
  bool operator==(const char* expected) const { return m_states == expected; }
  friend void PrintTo(const CControlStates& states, std::ostream* os);

private:
  std::vector<int> m_ids;
  std::string m_states;
};

// GoogleTest prints a C string compared with anything but std::string as a pointer; the expected
// side of EXPECT_EQ(ui.RadioStates(...), "0100") prints as the text it is.
namespace testing {
namespace internal {
template <class ToPrint, class OtherOperand>
class FormatForComparison;
template <>
class FormatForComparison<const char*, CControlStates> {
public:
  static std::string Format(const char* value) { return '"' + std::string(value) + '"'; }
};
}  // namespace internal
}  // namespace testing

class CDialogRobot {
public:
  typedef std::function<void(CDialogRobot&)> Script;

  // Calls open(), which must run a modal dialog on this thread, and runs the script once the
  // dialog is up. A dialog still open when the script ends is cancelled. Returns open()'s result.
  // A dialog that never comes up fails the test, unless bMustOpen is false.
  INT_PTR Run(const std::function<INT_PTR()>& open, const Script& script, bool bMustOpen = true);
  bool Started() const { return m_started; }

  HWND Dialog() const { return m_hDialog; }
  HWND Item(int nID) const;

  // A user's actions. Each fails the test when the control is missing or disabled.
  void Click(int nID);
  // Chooses the entry with exactly this text in a drop-down list.
  void Choose(int nID, const char* pszText);
  // Selects exactly these items of a multiple-selection list, as ctrl+clicks would.
  void SelectItems(int nID, const std::vector<int>& items);
  // Replaces the text of an edit, or of a combo box's edit field, by typing.
  void Type(int nID, const char* pszText);
  // The close box of the caption.
  void Close();
  // A keystroke to the control that has the focus, taken through the dialog manager as the modal
  // loop takes it (so Tab, Enter, Esc and the arrows are the dialog's), Shift held if asked.
  void Key(UINT vk, bool bShift = false);
  // Alt and a letter: the control whose caption marks that letter with '&'.
  void Mnemonic(char ch);

  // What the user sees.
  bool Enabled(int nID) const;
  bool Checked(int nID) const;
  std::string Text(int nID) const;
  std::vector<std::string> ListItems(int nID) const;
  std::vector<int> ListSelection(int nID) const;
  std::vector<std::string> ComboItems(int nID) const;
  std::string ComboSelection(int nID) const;
  // The ID of the dialog's control that holds the focus, 0 when none does.
  int FocusID() const;
  // Which radio buttons of these are checked, which controls are enabled.
  CControlStates RadioStates(const std::vector<int>& ids) const;
  CControlStates EnableStates(const std::vector<int>& ids) const;

  // Texts of the message boxes closed so far.
  const std::vector<std::string>& MessageBoxes() const { return m_messageBoxes; }

private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void Tick();
  void CloseMessageBoxes();
  // Runs what is queued on this thread as the dialog's modal loop would.
  void PumpMessages();

  HWND m_hDialog = nullptr;
  bool m_started = false;
  Script m_script;
  std::vector<HWND> m_closing;
  std::vector<std::string> m_messageBoxes;
};

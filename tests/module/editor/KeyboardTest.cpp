// The editor from the keyboard: real keystrokes through the dialog manager, on the template as it
// stands (its styles and captions decide the tab stops, the groups and the mnemonics).
#include "EditorFixture.h"

namespace {
class EditorKeyboard : public EditorTest {
protected:
  // The focus after each Tab (or Shift+Tab) from where it is.
  std::vector<int> TabWalk(CDialogRobot& ui, int steps, bool bBack) {
    std::vector<int> visited;
    for (int i = 0; i < steps; ++i) {
      ui.Key(VK_TAB, bBack);
      visited.push_back(ui.FocusID());
    }
    return visited;
  }
};
}  // namespace

TEST_F(EditorKeyboard, TabAndShiftTabVisitTheEnabledTabStopsInTemplateOrder) {
  Element(SendErrorMask, 1);
  m_dlg.m_data.m_errorMask = 0x3;
  Run([this](CDialogRobot& ui) {
    // No radio button is a tab stop, but the dialog manager stops on the group's checked one; the
    // timeout, "<" and ">" are disabled here, and so is "<<" until an exchange follows the lists.
    EXPECT_EQ(ui.FocusID(), IDC_SEND_ERROR_MASK) << "the first stop has the focus";
    const std::vector<int> forward = {IDC_SLAVE, IDC_SEND_BITS,   IDC_ALL_TO_IGNORED, IDC_IGNORED_BITS,
                                      IDOK,      IDCANCEL,        ID_DEFAULT_HELP,    IDC_SEND_ERROR_MASK};
    EXPECT_EQ(TabWalk(ui, 8, false), forward);
    const std::vector<int> back = {ID_DEFAULT_HELP,    IDCANCEL,      IDOK,      IDC_IGNORED_BITS,
                                   IDC_ALL_TO_IGNORED, IDC_SEND_BITS, IDC_SLAVE, IDC_SEND_ERROR_MASK};
    EXPECT_EQ(TabWalk(ui, 8, true), back);
  });
}

TEST_F(EditorKeyboard, EnterPressesOkWithItsChecksAndEscCancels) {
  Element(InitSlaves, -1);
  m_dlg.m_data.m_timeout.SetValue(5);
  m_text = "Type=0;ATIME=5[s];";
  INT_PTR result = Run([this](CDialogRobot& ui) {
    ui.Type(IDC_TIMEOUT, "3000000");
    ui.Key(VK_RETURN);
    ASSERT_EQ(m_robot.MessageBoxes().size(), 1u) << "Enter runs OK's checks";
    EXPECT_EQ(ui.FocusID(), IDC_TIMEOUT);
    EXPECT_TRUE(::IsWindowVisible(ui.Dialog()));
    ui.Key(VK_ESCAPE);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_STREQ(m_text, "Type=0;ATIME=5[s];");

  result = Run([](CDialogRobot& ui) {
    ui.Type(IDC_TIMEOUT, "7");
    ui.Key(VK_RETURN);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_STREQ(m_text, "Type=0;ATIME=7[s];");
}

TEST_F(EditorKeyboard, ArrowKeysMoveWithinTheRadioGroupAndChoose) {
  Element(InitSlaves, 0);
  Run([](CDialogRobot& ui) {
    ::SetFocus(ui.Item(IDC_INIT_SLAVES));
    ui.Key(VK_DOWN);
    EXPECT_EQ(ui.FocusID(), IDC_SEND_ERROR_MASK);
    EXPECT_EQ(ui.RadioStates(Radios()), "0100");
    EXPECT_TRUE(ui.Enabled(IDC_SEND_BITS)) << "the controls follow the choice";
    ui.Key(VK_RIGHT);
    EXPECT_EQ(ui.RadioStates(Radios()), "0010");
    ui.Key(VK_UP);
    EXPECT_EQ(ui.FocusID(), IDC_SEND_ERROR_MASK);
    EXPECT_EQ(ui.RadioStates(Radios()), "0100");
  });
}

// Choosing an operation by its mnemonic asks nothing: the function name comes after, whatever
// the base dialog does with the click.
TEST_F(EditorKeyboard, MnemonicsReachTheirControls) {
  ForEveryHostChoice([&] {
    Element(InitSlaves, 0);
    Run([](CDialogRobot& ui) {
      ::SetFocus(ui.Item(IDC_SLAVE));
      // The label "E&xit from the wait loop..." is the template's last control: its mnemonic
      // goes on to the first stop, the checked radio button.
      ui.Mnemonic('x');
      EXPECT_EQ(ui.FocusID(), IDC_INIT_SLAVES);
      // "C&all function" and "&Abort last function call" share A: the first enabled one from
      // the focus on is clicked, and again from there, so A chooses "Call function" (Wine's
      // dialog manager; Windows' may alternate between the two).
      for (int i = 0; i < 2; ++i) {
        ui.Mnemonic('a');
        EXPECT_EQ(ui.FocusID(), IDC_CALL_FUNCTION);
        EXPECT_EQ(ui.RadioStates(Radios()), "0010");
      }
      EXPECT_TRUE(ui.MessageBoxes().empty());
    });
  });
}

// Disabling the control that has the focus moves the focus on, as Tab would.
TEST_F(EditorKeyboard, AControlDisabledWithTheFocusPassesItOn) {
  Element(SendErrorMask, 1);
  m_dlg.m_data.m_errorMask = 0x3;
  Run([](CDialogRobot& ui) {
    ui.SelectItems(IDC_SEND_BITS, {0});
    ::SetFocus(ui.Item(IDC_SELECTED_TO_IGNORED));
    ui.Key(VK_SPACE);  // ">" moves the bit and disables itself
    EXPECT_FALSE(ui.Enabled(IDC_SELECTED_TO_IGNORED));
    EXPECT_EQ(ui.FocusID(), IDC_ALL_TO_SEND);
  });
  Element(SendErrorMask, 0);
  Run([](CDialogRobot& ui) {
    ::SetFocus(ui.Item(IDC_SEND_ERROR_MASK));
    ui.Choose(IDC_SLAVE, "3");  // C has no MER_MASK: its radio button goes disabled
    EXPECT_FALSE(ui.Enabled(IDC_SEND_ERROR_MASK));
    EXPECT_EQ(ui.FocusID(), IDC_SLAVE);
  });
}

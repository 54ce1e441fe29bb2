// What each operation enables, shows and keeps, as the user sees it.
#include "EditorFixture.h"

namespace {
// Enable states of StateControls() for an operation; for 1 the move buttons as given.
std::string StatesFor(int type, const char* moveButtons = "0000") {
  switch (type) {
    case 0: return "1100000000";
    case 1: return std::string("0011") + moveButtons + "00";
    case 2: return "0000000011";
    default: return "0000000000";
  }
}
}  // namespace

TEST_F(EditorTest, EachOperationEnablesItsControlsAndKeepsTheOthersValues) {
  Element(InitSlaves, 0);
  m_dlg.m_data.m_functionName = "Jog";
  m_dlg.m_data.m_waitForCompletion = 1;
  m_dlg.m_data.m_errorMask = 0x03;
  INT_PTR result = Run([](CDialogRobot& ui) {
    EXPECT_EQ(ui.RadioStates(Radios()), "1000");
    EXPECT_EQ(ui.EnableStates(StateControls()), StatesFor(0));
    EXPECT_EQ(ui.Text(IDC_FUNCTION), "");
    EXPECT_FALSE(ui.Checked(IDC_WAIT));
    // The function list is filled whatever the operation.
    EXPECT_EQ(ui.ComboItems(IDC_FUNCTION), (std::vector<std::string>{"Home", "Jog", "MoveAbs", "Stop"}));
    EXPECT_EQ(ui.EnableStates(Radios()), "1111");

    ui.Click(IDC_SEND_ERROR_MASK);
    EXPECT_EQ(ui.RadioStates(Radios()), "0100");
    EXPECT_EQ(ui.EnableStates(StateControls()), StatesFor(1, "1100"));  // >> and << have bits to give
    EXPECT_EQ(ui.ListItems(IDC_SEND_BITS), (std::vector<std::string>{"Bit 0: Bus", "Bit 1: Short"}));

    ui.Click(IDC_CALL_FUNCTION);
    EXPECT_EQ(ui.EnableStates(StateControls()), StatesFor(2));
    EXPECT_EQ(ui.Text(IDC_FUNCTION), "Jog");
    EXPECT_TRUE(ui.Checked(IDC_WAIT));

    ui.Click(IDC_ABORT_FUNCTION);
    EXPECT_EQ(ui.RadioStates(Radios()), "0001");
    EXPECT_EQ(ui.EnableStates(StateControls()), StatesFor(3));
    EXPECT_EQ(ui.Text(IDC_FUNCTION), "");
    EXPECT_FALSE(ui.Checked(IDC_WAIT));

    ui.Click(IDC_INIT_SLAVES);
    EXPECT_EQ(ui.EnableStates(StateControls()), StatesFor(0));
    // Back to operations whose controls were disabled meanwhile: their values are still there.
    ui.Click(IDC_SEND_ERROR_MASK);
    EXPECT_EQ(ui.ListItems(IDC_SEND_BITS).size(), 2u);
    ui.Click(IDC_CALL_FUNCTION);
    EXPECT_EQ(ui.Text(IDC_FUNCTION), "Jog");
    EXPECT_TRUE(ui.Checked(IDC_WAIT));
    ui.Click(IDC_WAIT);
    ui.Click(IDC_INIT_SLAVES);
    ui.Click(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(m_dlg.m_data.m_type, InitSlaves);
  // Values of the operations not chosen survive until the dialog ends.
  EXPECT_STREQ(m_dlg.m_data.m_functionName, "Jog");
  EXPECT_EQ(m_dlg.m_data.m_waitForCompletion, 0);
  EXPECT_EQ(m_dlg.m_data.m_errorMask, 0x03u);
}

TEST_F(EditorTest, CallFunctionOpensWithTheNameAndTheWaitFlag) {
  for (int wait : {0, 1}) {
    SCOPED_TRACE(wait);
    Element(CallFunction, 1);
    m_dlg.m_data.m_functionName = "F11";  // beyond the ten names listed: shown all the same
    m_dlg.m_data.m_waitForCompletion = wait;
    Run([wait](CDialogRobot& ui) {
      EXPECT_EQ(ui.RadioStates(Radios()), "0010");
      EXPECT_EQ(ui.EnableStates(StateControls()), StatesFor(2));
      EXPECT_EQ(ui.Text(IDC_FUNCTION), "F11");
      EXPECT_EQ(ui.Checked(IDC_WAIT), wait == 1);
      std::vector<std::string> names = ui.ComboItems(IDC_FUNCTION);
      ASSERT_EQ(names.size(), 10u);
      EXPECT_EQ(names.front(), "F0");
      EXPECT_EQ(names.back(), "F9");
    });
  }
}

TEST_F(EditorTest, AFunctionNameTypedOrChosenIsTaken) {
  Element(CallFunction, 0);
  m_dlg.m_data.m_functionName = "Home";
  INT_PTR result = Run([](CDialogRobot& ui) {
    ui.Type(IDC_FUNCTION, "Unlisted");
    EXPECT_EQ(ui.Text(IDC_FUNCTION), "Unlisted");
    ui.Click(IDC_WAIT);
    ui.Click(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_STREQ(m_dlg.m_data.m_functionName, "Unlisted");
  EXPECT_EQ(m_dlg.m_data.m_waitForCompletion, 1);
}

TEST_F(EditorTest, AnOperationTheSlaveDoesNotAllowOpensUnchosen) {
  Element(SendErrorMask, 2);  // C: no MER_MASK variable
  Run([](CDialogRobot& ui) {
    EXPECT_EQ(ui.RadioStates(Radios()), "0000");
    EXPECT_EQ(ui.EnableStates(Radios()), "1000");
    EXPECT_EQ(ui.EnableStates(StateControls()), StatesFor(-1));
    EXPECT_TRUE(ui.ListItems(IDC_SEND_BITS).empty());
  });
  Element(CallFunction, 3);  // D: itself a motion controller
  Run([](CDialogRobot& ui) {
    EXPECT_EQ(ui.RadioStates(Radios()), "0000");
    EXPECT_EQ(ui.EnableStates(Radios()), "1100");
    EXPECT_TRUE(ui.ComboItems(IDC_FUNCTION).empty());
  });
}

TEST_F(EditorTest, AbortKeptForASlaveWithoutFunctionsCanStillBeLeft) {
  Element(AbortFunction, 7);  // H: a program without functions
  INT_PTR result = Run([](CDialogRobot& ui) {
    EXPECT_EQ(ui.RadioStates(Radios()), "0001");
    EXPECT_EQ(ui.EnableStates(Radios()), "1100");
    ui.Click(IDC_INIT_SLAVES);
    EXPECT_EQ(ui.RadioStates(Radios()), "1000") << "the disabled choice is given up";
    EXPECT_EQ(ui.EnableStates(StateControls()), StatesFor(0));
    ui.Click(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(m_dlg.m_data.m_type, InitSlaves);
}

TEST_F(EditorTest, TheSlaveListOffersTheAxisIDsAfterAnEntryForNoSlave) {
  Element(SendErrorMask, 1);
  Run([](CDialogRobot& ui) {
    EXPECT_EQ(ui.ComboItems(IDC_SLAVE), (std::vector<std::string>{" ", "1", "2", "3", "4", "5", "7", "8", "9"}));
    EXPECT_EQ(ui.ComboSelection(IDC_SLAVE), "2");
  });
  Element(InitSlaves, -1);
  Run([](CDialogRobot& ui) { EXPECT_EQ(ui.ComboSelection(IDC_SLAVE), " "); });
}

TEST_F(EditorTest, OkCancelAndTheCloseBox) {
  Element(InitSlaves, -1);
  EXPECT_EQ(Run([](CDialogRobot& ui) { ui.Click(IDOK); }), IDOK);
  EXPECT_EQ(Run([](CDialogRobot& ui) { ui.Click(IDCANCEL); }), IDCANCEL);
  EXPECT_EQ(Run([](CDialogRobot& ui) { ui.Close(); }), IDCANCEL);
  EXPECT_TRUE(m_robot.MessageBoxes().empty());
}

// Windows sends no click for a disabled button; Wine does, for BM_CLICK. A click on any disabled
// choice, box or move button changes nothing and returns.
TEST_F(EditorTest, ClicksOnDisabledControlsChangeNothing) {
  Element(InitSlaves, 2);  // C: no MER_MASK variable, no motion program
  INT_PTR result = Run([](CDialogRobot& ui) {
    EXPECT_EQ(ui.EnableStates(Radios()), "1000");
    for (int nID : {IDC_SEND_ERROR_MASK, IDC_CALL_FUNCTION, IDC_ABORT_FUNCTION, IDC_WAIT, IDC_ALL_TO_IGNORED,
                    IDC_ALL_TO_SEND, IDC_SELECTED_TO_IGNORED, IDC_SELECTED_TO_SEND}) {
      SCOPED_TRACE(nID);
      ::SendMessageA(ui.Item(nID), BM_CLICK, 0, 0);
      EXPECT_EQ(ui.RadioStates(Radios()), "1000");
      EXPECT_EQ(ui.EnableStates(StateControls()), StatesFor(0));
      EXPECT_FALSE(ui.Checked(IDC_WAIT));
    }
    ui.Click(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(m_dlg.m_data.m_type, InitSlaves);
  EXPECT_EQ(m_dlg.m_data.m_waitForCompletion, 0);
  EXPECT_TRUE(m_robot.MessageBoxes().empty());

  // The same clicks sent to the dialog as notifications: the move handlers move nothing.
  Element(InitSlaves, 0);  // A: bits 0 to 7
  m_dlg.m_data.m_errorMask = 0x03;
  Run([](CDialogRobot& ui) {
    for (int nID : MoveButtons()) ::SendMessageA(ui.Dialog(), WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(ui.Item(nID)));
    ui.Click(IDOK);
  });
  EXPECT_EQ(m_dlg.m_data.m_errorMask, 0x03u);
}

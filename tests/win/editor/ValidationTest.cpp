// What OK refuses, and the timeout with its unit.
#include "EditorFixture.h"

namespace {
const char kSlaveRequired[] = "Please choose a slave for this operation.";
const char kOperationRequired[] = "Please choose an operation.";
const char kNumberRequired[] = "Please enter a number of zero or more.";
}  // namespace

TEST_F(EditorTest, OkWithAnOperationThatNeedsASlaveAndNoSlaveIsRefused) {
  Element(AbortFunction, -1);  // operation 3 is kept at start-up without a slave
  m_text = "unchanged";
  INT_PTR result = Run([this](CDialogRobot& ui) {
    EXPECT_EQ(ui.RadioStates(Radios()), "0001");
    ui.Click(IDOK);
    ASSERT_EQ(m_robot.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_robot.MessageBoxes()[0], kSlaveRequired);
    EXPECT_EQ(ui.FocusID(), IDC_SLAVE);
    EXPECT_TRUE(::IsWindowVisible(ui.Dialog())) << "the dialog stays open";
    ui.Choose(IDC_SLAVE, "1");
    EXPECT_EQ(ui.RadioStates(Radios()), "0001");
    ui.Click(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(m_robot.MessageBoxes().size(), 1u);
  EXPECT_EQ(m_dlg.m_data.m_slave, 0);
}

TEST_F(EditorTest, OkWithNoOperationChosenIsRefused) {
  Element(SendErrorMask, 2);  // C takes no error mask: opens with no operation
  m_dlg.m_data.m_timeout.SetValue(3);
  m_text = "Type=1;Slave=2;";
  INT_PTR result = Run([this](CDialogRobot& ui) {
    EXPECT_EQ(ui.RadioStates(Radios()), "0000");
    ui.Click(IDOK);
    ASSERT_EQ(m_robot.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_robot.MessageBoxes()[0], kOperationRequired);
    EXPECT_EQ(ui.FocusID(), IDC_INIT_SLAVES);
    EXPECT_EQ(ui.RadioStates(Radios()), "0000") << "the focus chooses nothing";
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_STREQ(m_text, "Type=1;Slave=2;");

  result = Run([](CDialogRobot& ui) {
    ui.Click(IDC_INIT_SLAVES);
    ui.Click(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(m_dlg.m_data.m_type, InitSlaves);
  EXPECT_EQ(m_robot.MessageBoxes().size(), 1u);
}

TEST_F(EditorTest, ATimeoutThatIsNoNumberOfZeroOrMoreIsRefused) {
  Element(InitSlaves, -1);
  m_dlg.m_data.m_timeout.SetValue(5);
  INT_PTR result = Run([this](CDialogRobot& ui) {
    EXPECT_EQ(ui.Text(IDC_TIMEOUT), "5");
    int boxes = 0;
    for (const char* text : {"abc", "-1", "", "2x", "nan"}) {
      SCOPED_TRACE(text);
      ui.Type(IDC_TIMEOUT, text);
      ui.Click(IDOK);
      ASSERT_EQ(m_robot.MessageBoxes().size(), static_cast<std::size_t>(++boxes));
      EXPECT_EQ(m_robot.MessageBoxes().back(), kNumberRequired);
      EXPECT_EQ(ui.FocusID(), IDC_TIMEOUT);
      EXPECT_EQ(::SendMessageA(ui.Item(IDC_TIMEOUT), EM_GETSEL, 0, 0), MAKELRESULT(0, std::string(text).size()))
          << "the text is selected for retyping";
    }
    ui.Type(IDC_TIMEOUT, " 2.5 ");
    ui.Click(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_DOUBLE_EQ(m_dlg.m_data.m_timeout.GetValue(), 2.5);
}

TEST_F(EditorTest, ChangingTheUnitKeepsThePhysicalTime) {
  Element(InitSlaves, -1);
  m_dlg.m_data.m_timeout.SetValue(5);
  m_dlg.m_data.m_timeout.SelectUnit("s");
  INT_PTR result = Run([this](CDialogRobot& ui) {
    EXPECT_EQ(ui.ComboItems(IDC_TIMEOUT_UNIT), (std::vector<std::string>{"s", "ms", "IU"}));
    EXPECT_EQ(ui.ComboSelection(IDC_TIMEOUT_UNIT), "s");
    ui.Choose(IDC_TIMEOUT_UNIT, "ms");
    EXPECT_EQ(ui.Text(IDC_TIMEOUT), "5000");
    ui.Choose(IDC_TIMEOUT_UNIT, "IU");  // one control-loop period of 1 ms
    EXPECT_EQ(ui.Text(IDC_TIMEOUT), "5000");
    ui.Type(IDC_TIMEOUT, "7");
    ui.Choose(IDC_TIMEOUT_UNIT, "s");
    EXPECT_EQ(ui.Text(IDC_TIMEOUT), "0.007") << "the time shown is the one converted";
    // No exchange ran: the operation was not taken from the radio buttons.
    ::SendMessageA(ui.Item(IDC_INIT_SLAVES), BM_SETCHECK, BST_UNCHECKED, 0);
    ui.Choose(IDC_TIMEOUT_UNIT, "ms");
    EXPECT_EQ(m_dlg.m_data.m_type, InitSlaves);
    ::SendMessageA(ui.Item(IDC_INIT_SLAVES), BM_SETCHECK, BST_CHECKED, 0);
    ui.Click(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_STREQ(m_dlg.m_data.m_timeout.GetSelectedUnit(), "ms");
  EXPECT_DOUBLE_EQ(m_dlg.m_data.m_timeout.GetValue(), 7);
}

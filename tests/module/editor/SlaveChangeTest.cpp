// A change of slave re-derives the operations, the bit lists and the function list.
#include "EditorFixture.h"

TEST_F(EditorTest, BitsTheNewSlaveHasStayWithTheirSelection) {
  Element(SendErrorMask, 0);  // A: bits 0 to 7
  m_dlg.m_data.m_errorMask = 0x13;
  INT_PTR result = Run([](CDialogRobot& ui) {
    ui.SelectItems(IDC_SEND_BITS, {0, 2});     // bits 0 and 4
    ui.SelectItems(IDC_IGNORED_BITS, {0, 2});  // bits 2 and 5
    ui.Choose(IDC_SLAVE, "2");                 // B: bits 0, 1, 4 to 7, 12 to 15
    EXPECT_EQ(ui.RadioStates(Radios()), "0100");
    EXPECT_EQ(ui.ListItems(IDC_SEND_BITS), (std::vector<std::string>{"Bit 0: Bus", "Bit 1: Short", "Bit 4: Reserved"}));
    EXPECT_EQ(ui.ListSelection(IDC_SEND_BITS), (std::vector<int>{0, 2}));
    EXPECT_EQ(ui.ListItems(IDC_IGNORED_BITS).size(), 7u);
    EXPECT_EQ(ui.ListItems(IDC_IGNORED_BITS).front(), "Bit 5: Reserved");
    EXPECT_EQ(ui.ListSelection(IDC_IGNORED_BITS), (std::vector<int>{0})) << "bit 5 still selected, bit 2 gone";
    EXPECT_EQ(ui.EnableStates(MoveButtons()), "1111");

    ui.Choose(IDC_SLAVE, "8");  // H: bits 0 and 1
    EXPECT_EQ(ui.ListItems(IDC_SEND_BITS), (std::vector<std::string>{"Bit 0: Bus", "Bit 1: Short"}));
    EXPECT_EQ(ui.ListSelection(IDC_SEND_BITS), (std::vector<int>{0}));
    EXPECT_TRUE(ui.ListItems(IDC_IGNORED_BITS).empty());
    ui.Click(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(m_dlg.m_data.m_slave, 7);
  EXPECT_EQ(m_dlg.m_data.m_errorMask, 0x03u);
}

TEST_F(EditorTest, ASlaveWithoutTheErrorMaskVariableResetsSendErrorMask) {
  Element(SendErrorMask, 0);
  m_dlg.m_data.m_errorMask = 0x13;
  Run([](CDialogRobot& ui) {
    ui.SelectItems(IDC_SEND_BITS, {1});
    ui.Choose(IDC_SLAVE, "3");  // C: no MER_MASK variable, no motion program
    EXPECT_EQ(ui.RadioStates(Radios()), "0000");
    EXPECT_EQ(ui.EnableStates(Radios()), "1000");
    EXPECT_TRUE(ui.ListItems(IDC_SEND_BITS).empty());
    EXPECT_TRUE(ui.ListItems(IDC_IGNORED_BITS).empty());
    EXPECT_EQ(ui.EnableStates(MoveButtons()), "0000");
    EXPECT_EQ(ui.EnableStates({IDC_SEND_BITS, IDC_IGNORED_BITS}), "00");
    EXPECT_TRUE(ui.ComboItems(IDC_FUNCTION).empty());
  });
  EXPECT_EQ(m_dlg.m_data.m_type, NoOperation);
  EXPECT_EQ(m_dlg.m_data.m_errorMask, 0u);
  EXPECT_EQ(m_dlg.m_ignoredMask | m_dlg.m_sendSelection | m_dlg.m_ignoredSelection, 0u);
}

TEST_F(EditorTest, CallFunctionKeepsATypedNameAcrossSlavesThatCanBeCalled) {
  Element(CallFunction, 0);
  m_dlg.m_data.m_functionName = "Home";
  Run([](CDialogRobot& ui) {
    ui.Type(IDC_FUNCTION, "Typed");
    ui.Choose(IDC_SLAVE, "2");  // B: twelve functions
    EXPECT_EQ(ui.RadioStates(Radios()), "0010");
    EXPECT_EQ(ui.Text(IDC_FUNCTION), "Typed");
    std::vector<std::string> names = ui.ComboItems(IDC_FUNCTION);
    ASSERT_EQ(names.size(), 10u);
    EXPECT_EQ(names[3], "F3");

    ui.Choose(IDC_SLAVE, "4");  // D: itself a motion controller
    EXPECT_EQ(ui.RadioStates(Radios()), "0000");
    EXPECT_EQ(ui.EnableStates(Radios()), "1100");
    EXPECT_TRUE(ui.ComboItems(IDC_FUNCTION).empty());
    EXPECT_EQ(ui.Text(IDC_FUNCTION), "");
  });
  EXPECT_STREQ(m_dlg.m_data.m_functionName, "Typed");
}

TEST_F(EditorTest, AbortIsResetBySlavesThatCannotCallFunctions) {
  for (const char* axis : {"8", "3", "9"}) {  // H: no functions; C: no program; I: reports 2, callable
    SCOPED_TRACE(axis);
    Element(AbortFunction, 0);
    bool callable = std::string(axis) == "9";
    Run([axis, callable](CDialogRobot& ui) {
      ui.Choose(IDC_SLAVE, axis);
      EXPECT_EQ(ui.RadioStates(Radios()), callable ? "0001" : "0000");
      EXPECT_EQ(ui.Enabled(IDC_CALL_FUNCTION), callable);
      EXPECT_EQ(ui.Enabled(IDC_ABORT_FUNCTION), callable);
    });
  }
}

TEST_F(EditorTest, InitSlavesSurvivesEveryChangeOfSlave) {
  Element(InitSlaves, 0);
  INT_PTR result = Run([](CDialogRobot& ui) {
    for (const char* axis : {"3", "5", " ", "4", "1"}) {  // E (5) has no axis data: no slave
      ui.Choose(IDC_SLAVE, axis);
      EXPECT_EQ(ui.RadioStates(Radios()), "1000") << axis;
      EXPECT_TRUE(ui.Enabled(IDC_TIMEOUT)) << axis;
    }
    ui.Choose(IDC_SLAVE, "5");
    EXPECT_EQ(ui.EnableStates(Radios()), "1000");
    ui.Click(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(m_dlg.m_data.m_type, InitSlaves);
  EXPECT_EQ(m_dlg.m_data.m_slave, -1) << "a slave without axis data is dropped";
}

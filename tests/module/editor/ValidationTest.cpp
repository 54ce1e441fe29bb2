// What OK refuses, and the timeout with its unit.
#include "EditorFixture.h"

namespace {
const char kSlaveRequired[] = "Please choose a slave for this operation.";
const char kOperationRequired[] = "Please choose an operation.";
const char kFunctionRequired[] = "Please enter the name of the function to call.";
const char kTimeRangeSeconds[] = "Please enter a number from 0 to 2147483.647 s.";
const char kTimeRangeMs[] = "Please enter a number from 0 to 2147483647 ms.";

// Types the text into the control and presses OK: one more message box, with this text, and the
// dialog left open with the focus back on the control.
void ExpectRefusedAtOk(CDialogRobot& ui, int nID, const char* text, const char* message) {
  SCOPED_TRACE(text);
  const std::size_t boxes = ui.MessageBoxes().size();
  ui.Type(nID, text);
  ui.Click(IDOK);
  ASSERT_EQ(ui.MessageBoxes().size(), boxes + 1);
  EXPECT_EQ(ui.MessageBoxes().back(), message);
  EXPECT_EQ(ui.FocusID(), nID);
  EXPECT_TRUE(::IsWindowVisible(ui.Dialog()));
}
}  // namespace

// Operation 3 is kept at start-up without a slave. OK asks for one; while m_checkInput is set,
// so does the exchange that a change of slave runs first, and the slave is taken all the same.
TEST_F(EditorTest, AnOperationThatNeedsASlaveAsksForOneAndTakesItWhenChosen) {
  ExpectOkWritesUnderEveryHostChoice("Type=3;", [&](CDialogRobot& ui) {
    ui.Click(IDOK);
    ASSERT_EQ(ui.MessageBoxes(), (std::vector<std::string>{kSlaveRequired}));
    EXPECT_EQ(ui.FocusID(), IDC_SLAVE);
    ui.Choose(IDC_SLAVE, "1");
    EXPECT_EQ(ui.MessageBoxes().size(), m_choices.bCheckInputAlways ? 2u : 1u);
    EXPECT_EQ(ui.ComboSelection(IDC_SLAVE), "1");
    EXPECT_EQ(ui.RadioStates(Radios()), "0001");
    ui.Click(IDOK);
  }, "Type=3;Slave=0;");
}

// The module's own refusals come with OK alone, never with the exchanges of a change of slave or
// of a click, and leave the control they name enabled with the focus.
TEST_F(EditorTest, OkWithNoOperationChosenIsRefused) {
  ExpectOkWritesUnderEveryHostChoice("Type=1;Slave=0;MER_MASK=0x1;", [](CDialogRobot& ui) {
    ui.Choose(IDC_SLAVE, "3");  // C takes no error mask: no operation is left
    ui.Choose(IDC_SLAVE, "1");
    EXPECT_TRUE(ui.MessageBoxes().empty());
    EXPECT_EQ(ui.RadioStates(Radios()), "0000");
    ui.Click(IDOK);
    ASSERT_EQ(ui.MessageBoxes(), (std::vector<std::string>{kOperationRequired}));
    EXPECT_EQ(ui.FocusID(), IDC_INIT_SLAVES);
    EXPECT_EQ(ui.RadioStates(Radios()), "0000") << "the focus chooses nothing";
    ui.Click(IDC_INIT_SLAVES);
    ui.Click(IDOK);
  }, "Type=0;Slave=0;MER_MASK=0x1;ATIME=0[s];");
}

// A call without a function name can never translate; a name the slave's program lacks may
// still become valid. Where clicks do not exchange, the function box is still disabled at the
// first OK: the refusal enables it for the name it asks for.
TEST_F(EditorTest, OkWithABlankFunctionNameIsRefused) {
  ExpectOkWritesUnderEveryHostChoice("Type=0;ATIME=5[s];", [&](CDialogRobot& ui) {
    ui.Choose(IDC_SLAVE, "1");
    ui.Click(IDC_CALL_FUNCTION);
    EXPECT_TRUE(ui.MessageBoxes().empty());
    if (!m_choices.bClickExchange) {
      ui.Click(IDOK);
      ASSERT_EQ(ui.MessageBoxes(), (std::vector<std::string>{kFunctionRequired}));
      EXPECT_EQ(ui.FocusID(), IDC_FUNCTION);
    }
    ExpectRefusedAtOk(ui, IDC_FUNCTION, "   ", kFunctionRequired);
    ui.Type(IDC_FUNCTION, "NotYetWritten");
    ui.Click(IDOK);
  }, "Type=2;ATIME=5[s];Slave=0;Function=\"NotYetWritten\";Wait=0;");
}

// OK confirms exactly the times that the parameter text reads back.
TEST_F(EditorTest, ATimeoutThatTheTextWouldNotReadIsRefusedWithItsRange) {
  Element(InitSlaves, -1);
  m_dlg.m_data.m_timeout.SetValue(5);
  auto refused = [](CDialogRobot& ui, const char* text, const char* message) {
    ExpectRefusedAtOk(ui, IDC_TIMEOUT, text, message);
    EXPECT_EQ(::SendMessageA(ui.Item(IDC_TIMEOUT), EM_GETSEL, 0, 0), MAKELRESULT(0, std::string(text).size()))
        << text << ": the text is selected for retyping";
  };
  INT_PTR result = Run([&](CDialogRobot& ui) {
    EXPECT_EQ(ui.Text(IDC_TIMEOUT), "5");
    for (const char* text : {"abc", "-1", "", "2x", "nan", "0x10", "1e300", "3000000", "2147483.648"})
      refused(ui, text, kTimeRangeSeconds);
    ui.Type(IDC_TIMEOUT, "1");
    ui.Choose(IDC_TIMEOUT_UNIT, "ms");
    refused(ui, "2147483648", kTimeRangeMs);
    ui.Type(IDC_TIMEOUT, " 2147483647 ");
    ui.Click(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_DOUBLE_EQ(m_dlg.m_data.m_timeout.GetValue(), 2147483647.0);
  CString text;
  m_dlg.m_data.WriteParameters(text);
  CString errors;
  CInternalData readBack(m_net->GetMasterSetup(), m_net->GetMasterMotion());
  EXPECT_TRUE(readBack.ReadParameters(text, errors)) << errors;
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

// A timeout that does not read is refused by every exchange, with its range, and the focus goes
// back to it. A click keeps its choice and the typed text stays, to be corrected; a change of
// slave takes the slave, and its load exchange shows the element's timeout again; a change of
// unit selects the unit shown before.
TEST_F(EditorTest, ATimeoutThatDoesNotReadIsRefusedByEveryExchange) {
  const struct {
    std::function<void(CDialogRobot&)> action;
    const char* radios;
    const char* slave;
    const char* shown;
    int type;  // taken by the refused exchange, and confirmed by OK
  } cases[] = {
      {[](CDialogRobot& ui) { ui.Click(IDC_CALL_FUNCTION); }, "0010", "1", "3000000", CallFunction},
      {[](CDialogRobot& ui) { ui.Choose(IDC_SLAVE, "2"); }, "1000", "2", "5", InitSlaves},
      {[](CDialogRobot& ui) { ui.Choose(IDC_TIMEOUT_UNIT, "ms"); }, "1000", "1", "3000000", InitSlaves},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.radios + std::string(" ") + c.slave);
    Element(InitSlaves, 0);
    m_dlg.m_data.m_timeout.SetValue(5);
    m_dlg.m_data.m_functionName = "Jog";
    CDialogRobot robot;
    INT_PTR result = RunDialog(m_dlg, robot, [&](CDialogRobot& ui) {
      ui.Type(IDC_TIMEOUT, "3000000");
      c.action(ui);
      EXPECT_EQ(ui.MessageBoxes(), (std::vector<std::string>{kTimeRangeSeconds}));
      EXPECT_EQ(m_dlg.m_data.m_type, c.type);
      EXPECT_EQ(ui.RadioStates(Radios()), c.radios);
      EXPECT_EQ(ui.ComboSelection(IDC_SLAVE), c.slave);
      EXPECT_EQ(ui.ComboSelection(IDC_TIMEOUT_UNIT), "s");
      EXPECT_EQ(ui.Text(IDC_TIMEOUT), c.shown);
      EXPECT_EQ(ui.FocusID(), IDC_TIMEOUT);
      ui.Type(IDC_TIMEOUT, "2");
      ui.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(m_dlg.m_data.m_type, c.type);
    EXPECT_DOUBLE_EQ(m_dlg.m_data.m_timeout.GetValue(), 2);
  }
}

// What OK confirms translates: a text's timeout that does not read is shown for the operation
// that uses it, and refused; any other operation writes the element's valid timeout over it.
TEST_F(EditorTest, OkConfirmsOnlyTextThatTranslates) {
  const struct {
    const char* text;
    const char* shown;  // in the timeout's edit
    bool refusedAtFirstOk;
    const char* written;
  } cases[] = {
      {"Type=0;ATIME=3000000[s];", "3000000", true, "Type=0;ATIME=3[s];"},
      {"Type=0;ATIME=-1[s];", "-1", true, "Type=0;ATIME=3[s];"},
      {"Type=3;Slave=0;ATIME=3000000[s];", "0", false, "Type=3;Slave=0;ATIME=0[s];"},
      {"Type=3;Slave=0;ATIME=3000000000[ms];", "0", false, "Type=3;Slave=0;ATIME=0[ms];"},
      {"Type=2;Slave=0;Function=\"Jog\";ATIME=x;", "0", false, "Type=2;Slave=0;Function=\"Jog\";ATIME=0[s];Wait=0;"},
      {"Type=3;Slave=0;ATIME=7[ms];", "7", false, "Type=3;Slave=0;ATIME=7[ms];"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    CString text(c.text);
    INT_PTR result = RunOn(text, [&c](CDialogRobot& ui) {
      EXPECT_EQ(ui.Text(IDC_TIMEOUT), c.shown);
      ui.Click(IDOK);
      if (!c.refusedAtFirstOk) return;
      ASSERT_EQ(ui.MessageBoxes().size(), 1u);
      EXPECT_EQ(ui.MessageBoxes()[0], kTimeRangeSeconds);
      ui.Type(IDC_TIMEOUT, "3");
      ui.Click(IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_STREQ(text, c.written);
    CString errors;
    CInternalData readBack(m_net->GetMasterSetup(), m_net->GetMasterMotion());
    EXPECT_TRUE(readBack.ReadParameters(text, errors)) << errors;
  }
}

// A timeout that does not read keeps its box enabled whatever the operation, so that its
// refusal can always be answered: here an operation is chosen while it is refused, then dropped
// by a change to no slave, which would disable the box of an operation other than 0.
TEST_F(EditorTest, ARefusedTimeoutKeepsItsBoxEnabledUntilItReads) {
  ExpectOkWritesUnderEveryHostChoice("Type=0;ATIME=3000000[s];", [&](CDialogRobot& ui) {
    ui.Choose(IDC_SLAVE, "1");
    ui.Click(IDC_SEND_ERROR_MASK);
    ui.Choose(IDC_SLAVE, " ");
    EXPECT_EQ(ui.MessageBoxes(), std::vector<std::string>(m_choices.bClickExchange ? 3 : 2, kTimeRangeSeconds));
    EXPECT_EQ(ui.RadioStates(Radios()), "0000");
    EXPECT_EQ(ui.EnableStates({IDC_TIMEOUT, IDC_TIMEOUT_UNIT}), "11");
    EXPECT_EQ(ui.FocusID(), IDC_TIMEOUT);
    EXPECT_EQ(ui.Text(IDC_TIMEOUT), "3000000");
    ui.Type(IDC_TIMEOUT, "5");
    ui.Choose(IDC_SLAVE, "1");
    EXPECT_EQ(ui.MessageBoxes().size(), m_choices.bClickExchange ? 3u : 2u) << "a timeout that reads is taken";
    EXPECT_EQ(ui.EnableStates({IDC_TIMEOUT, IDC_TIMEOUT_UNIT}), "00") << "and its box follows the operation again";
    ui.Click(IDC_INIT_SLAVES);
    ui.Click(IDOK);
  }, "Type=0;ATIME=5[s];");
}

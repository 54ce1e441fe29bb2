// The editing export as the host calls it: the module loaded by path with its resources in the
// host's chain, the dialog worked by a robot, the parameter text read back.
#include <gtest/gtest.h>

#include "DialogRobot.h"
#include "ElementExports.h"
#include "ModuleTest.h"
#include "TestNetworks.h"
#include "resource.h"

namespace {
class EditExport : public CModuleTest {
protected:
  void SetUp() override {
    CModuleTest::SetUp();
    ResolveExport("EditMotionSequence", m_edit);
  }
  int Edit(CString& text, const CDialogRobot::Script& script) {
    return static_cast<int>(m_robot.Run(
        [&] { return m_edit(&m_net->GetMasterSetup(), &m_net->GetMasterMotion(), &text); }, script));
  }

  PFN_EditMotionSequence m_edit = nullptr;
  std::unique_ptr<CMC_DriveNetwork> m_net = LoadStandardNetwork();
  CDialogRobot m_robot;
};
}  // namespace

TEST_F(EditExport, AFaultyHostsNullsAreRefusedWithoutADialog) {
  CString text("Type=3;Slave=0;");
  EXPECT_EQ(m_edit(nullptr, &m_net->GetMasterMotion(), &text), 0);
  EXPECT_EQ(m_edit(&m_net->GetMasterSetup(), nullptr, &text), 0);
  EXPECT_EQ(m_edit(&m_net->GetMasterSetup(), &m_net->GetMasterMotion(), nullptr), 0);
  EXPECT_STREQ(text, "Type=3;Slave=0;");
}

TEST_F(EditExport, CancelAndTheCloseBoxLeaveTheTextAlone) {
  const char kText[] = "Type=2;Slave=0;Function=\"Home\";Wait=1;";
  CString text(kText);
  EXPECT_EQ(Edit(text, [](CDialogRobot& ui) {
    ui.Click(IDC_INIT_SLAVES);
    ui.Click(IDCANCEL);
  }), 0);
  EXPECT_STREQ(text, kText);
  EXPECT_EQ(Edit(text, [](CDialogRobot& ui) { ui.Close(); }), 0);
  EXPECT_STREQ(text, kText);
}

TEST_F(EditExport, OkWritesTheEditedElementIntoTheText) {
  CString text("Type=2;Slave=0;Function=\"Home\";Wait=1;");
  EXPECT_EQ(Edit(text, [](CDialogRobot& ui) {
    EXPECT_TRUE(ui.Checked(IDC_CALL_FUNCTION));
    EXPECT_EQ(ui.Text(IDC_FUNCTION), "Home");
    EXPECT_TRUE(ui.Checked(IDC_WAIT));
    ui.Choose(IDC_SLAVE, "2");
    ui.Type(IDC_FUNCTION, "F10");
    ui.Click(IDC_WAIT);
    ui.Click(IDOK);
  }), 1);
  EXPECT_STREQ(text, "Type=2;Slave=1;Function=\"F10\";Wait=0;");

  // Items of other operations are left in place; the text reads back as the chosen operation.
  EXPECT_EQ(Edit(text, [](CDialogRobot& ui) {
    ui.Click(IDC_ABORT_FUNCTION);
    ui.Click(IDOK);
  }), 1);
  EXPECT_STREQ(text, "Type=3;Slave=1;Function=\"F10\";Wait=0;");
}

TEST_F(EditExport, AnInvalidTextOpensAsFarAsItReads) {
  CString text("Type=2;ATIME=x;Slave=0;Function=\"Nope\";");
  EXPECT_EQ(Edit(text, [](CDialogRobot& ui) {
    EXPECT_TRUE(ui.Checked(IDC_CALL_FUNCTION));
    EXPECT_EQ(ui.Text(IDC_FUNCTION), "Nope");
    EXPECT_EQ(ui.ComboSelection(IDC_SLAVE), "1");
  }), 0);
  EXPECT_TRUE(m_robot.MessageBoxes().empty()) << "opening says nothing about the text";
}

// The module's own refusals show the module's own texts, though the host's resources, searched
// first, hold other strings of the same numbers.
TEST_F(EditExport, TheModulesOwnMessagesShowItsOwnTexts) {
  CString text("Type=2;Slave=0;Function=\"Home\";");
  EXPECT_EQ(Edit(text, [](CDialogRobot& ui) {
    ui.Type(IDC_FUNCTION, "");
    ui.Click(IDOK);
    ui.Choose(IDC_SLAVE, "3");  // C has no program: no operation is left
    ui.Click(IDOK);
  }), 0);
  EXPECT_EQ(m_robot.MessageBoxes(), (std::vector<std::string>{"Please enter the name of the function to call.",
                                                              "Please choose an operation."}));
}

TEST(EditExportWithoutResources, TheDialogCannotOpenAndTheTextStays) {
  // Loaded, but not linked into the host's resource chain: template 227 is nowhere to be found.
  HMODULE h = ::LoadLibraryA(CElementModule::GetDefaultPath());
  ASSERT_NE(h, nullptr);
  auto edit = reinterpret_cast<PFN_EditMotionSequence>(reinterpret_cast<void*>(::GetProcAddress(h, "EditMotionSequence")));
  ASSERT_NE(edit, nullptr);
  auto net = LoadStandardNetwork();
  CString text("Type=0;ATIME=5[s];");
  EXPECT_EQ(edit(&net->GetMasterSetup(), &net->GetMasterMotion(), &text), 0);
  EXPECT_STREQ(text, "Type=0;ATIME=5[s];");
  ::FreeLibrary(h);
}

// The platform's dialog layer on its own, on the editor's template: initialisation data, the
// radio exchange over a group with other controls inside, message maps chained to the base's.
#include <gtest/gtest.h>

#include "DialogRobot.h"
#include "afxwin.h"
#include "resource.h"

namespace {
class CRadioDialog : public CDialog {
public:
  explicit CRadioDialog(UINT nIDTemplate = IDD_SLAVE_MANAGEMENT) : CDialog(nIDTemplate) {}
  int m_choice = 2;
  int m_moves = 0;

protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Radio(pDX, IDC_INIT_SLAVES, m_choice); }
  void OnMove() { ++m_moves; }
  void OnOutOfMemory() { AfxThrowMemoryException(); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRadioDialog, CDialog)
  ON_BN_CLICKED(IDC_ALL_TO_IGNORED, &CRadioDialog::OnMove)
  ON_BN_CLICKED(IDC_ALL_TO_SEND, &CRadioDialog::OnOutOfMemory)
END_MESSAGE_MAP()
}  // namespace

TEST(PlatformDialog, InitialisationDataThenTheLoadExchange) {
  CRadioDialog dialog;
  CDialogRobot robot;
  INT_PTR result = robot.Run([&] { return dialog.DoModal(); }, [](CDialogRobot& ui) {
    EXPECT_EQ(ui.ComboItems(IDC_SLAVE), (std::vector<std::string>{" "}));
    // Position 2 among the radio buttons, though the edit and combo boxes lie in the group.
    EXPECT_EQ(ui.RadioStates({IDC_INIT_SLAVES, IDC_SEND_ERROR_MASK, IDC_CALL_FUNCTION, IDC_ABORT_FUNCTION}), "0010");
    ui.Click(IDC_ABORT_FUNCTION);
    ui.Click(IDC_ALL_TO_IGNORED);
    ui.Click(IDC_ALL_TO_IGNORED);
    ui.Click(ID_DEFAULT_HELP);  // routed to an application that has no handler: nothing happens
    ui.Click(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.m_choice, 3);
  EXPECT_EQ(dialog.m_moves, 2);
  EXPECT_EQ(dialog.m_hWnd, nullptr) << "detached when the window went";
}

TEST(PlatformDialog, NoCheckedRadioButtonSavesMinusOne) {
  CRadioDialog dialog;
  dialog.m_choice = -1;
  CDialogRobot robot;
  robot.Run([&] { return dialog.DoModal(); }, [](CDialogRobot& ui) {
    EXPECT_EQ(ui.RadioStates({IDC_INIT_SLAVES, IDC_SEND_ERROR_MASK, IDC_CALL_FUNCTION, IDC_ABORT_FUNCTION}), "0000");
    ui.Click(IDOK);
  });
  EXPECT_EQ(dialog.m_choice, -1);
}

TEST(PlatformDialog, ATemplateNotInTheResourceChainGivesMinusOne) {
  CRadioDialog dialog(4242);
  EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(PlatformDialog, TemporaryWrappersEndWithTheModalLoop) {
  CRadioDialog dialog;
  CDialogRobot robot;
  std::size_t during = 0;
  robot.Run([&] { return dialog.DoModal(); }, [&](CDialogRobot& ui) {
    CWnd* first = dialog.GetDlgItem(IDC_SLAVE);
    EXPECT_EQ(dialog.GetDlgItem(IDC_SLAVE), first) << "one wrapper per window";
    EXPECT_EQ(CWnd::FromHandle(ui.Dialog()), &dialog);
    during = AfxGetTempObjectCount();
  });
  EXPECT_GE(during, 1u);
  EXPECT_EQ(AfxGetTempObjectCount(), 0u);
}

// Without an application nothing reports the failure (WndProcExceptionTest has the reports).
TEST(PlatformDialog, AFailingHandlerWithoutAnApplicationShowsNothingAndTheDialogGoesOn) {
  CRadioDialog dialog;
  CDialogRobot robot;
  INT_PTR result = robot.Run([&] { return dialog.DoModal(); }, [&](CDialogRobot& ui) {
    ui.Click(IDC_ALL_TO_SEND);
    ui.Click(IDC_ALL_TO_IGNORED);
    ui.Click(IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.m_moves, 1);
  EXPECT_TRUE(robot.MessageBoxes().empty());
}

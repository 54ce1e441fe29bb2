// What the dialog layer leaves to the application, as the shared library does it: message boxes
// through the application's DoMessageBox, the main window as the owner of a dialog without a
// parent, commands from the dialog to its owner and then to the application, and the windows'
// PreTranslateMessage turn in the modal loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogRobot.h"
#include "afxres.h"
#include "afxwin.h"
#include "resource.h"

namespace {
class CRulesApp : public CWinApp {
public:
  CRulesApp() : CWinApp("Rules") {}
  std::vector<std::string> m_prompts;
  std::vector<UINT> m_helpIDs;
  int m_helps = 0;

  int DoMessageBox(LPCSTR lpszPrompt, UINT, UINT nIDPrompt) override {
    m_prompts.push_back(lpszPrompt);
    m_helpIDs.push_back(nIDPrompt);
    return IDOK;
  }

protected:
  void OnHelp() { ++m_helps; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRulesApp, CWinApp)
  ON_COMMAND(ID_HELP, &CRulesApp::OnHelp)
END_MESSAGE_MAP()

// A top-level window of its own class that may answer Help.
class COwnerWnd : public CWnd {
public:
  explicit COwnerWnd(bool bHelp) : m_bHelp(bHelp) {
    Attach(::CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  }
  ~COwnerWnd() override { ::DestroyWindow(Detach()); }
  int m_helps = 0;

  BOOL OnCmdMsg(UINT nID, int nCode) override {
    if (!m_bHelp) return FALSE;
    return CWnd::OnCmdMsg(nID, nCode);
  }

protected:
  void OnHelp() { ++m_helps; }
  bool m_bHelp;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
  ON_COMMAND(ID_HELP, &COwnerWnd::OnHelp)
END_MESSAGE_MAP()

class CCountingDialog : public CDialog {
public:
  explicit CCountingDialog(CWnd* pParent) : CDialog(IDD_SLAVE_MANAGEMENT, pParent) {}
  int m_f2Keys = 0;

  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_F2) return FALSE;
    ++m_f2Keys;
    return TRUE;
  }
};

void AskForHelp(HWND hDialog) {
  HELPINFO info = {};
  info.cbSize = sizeof info;
  info.iContextType = HELPINFO_WINDOW;
  info.hItemHandle = hDialog;
  ::SendMessageA(hDialog, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}
}  // namespace

TEST(ApplicationRules, MessageBoxesGoThroughTheApplication) {
  CRulesApp app;
  EXPECT_EQ(AfxMessageBox("Refused.", MB_ICONSTOP), IDOK);
  EXPECT_EQ(AfxMessageBox(IDS_OPERATION_REQUIRED), IDOK);
  EXPECT_EQ(app.m_prompts, (std::vector<std::string>{"Refused.", "Please choose an operation."}));
  EXPECT_EQ(app.m_helpIDs, (std::vector<UINT>{0, IDS_OPERATION_REQUIRED})) << "a string's box has the string's help";
}

TEST(ApplicationRules, ADialogWithoutParentIsOwnedByTheMainWindow) {
  CRulesApp app;
  COwnerWnd mainWnd(false);
  app.m_pMainWnd = &mainWnd;
  CCountingDialog dialog(nullptr);
  CDialogRobot robot;
  HWND hOwner = nullptr;
  robot.Run([&] { return dialog.DoModal(); }, [&](CDialogRobot& ui) { hOwner = ::GetWindow(ui.Dialog(), GW_OWNER); });
  EXPECT_EQ(hOwner, mainWnd.m_hWnd);
}

TEST(ApplicationRules, HelpGoesToTheOwnerThenToTheApplicationOnce) {
  const struct {
    bool bOwner, bOwnerAnswers;
    int ownerHelps, appHelps;
  } cases[] = {{true, true, 1, 0}, {true, false, 0, 1}, {false, false, 0, 1}};
  for (const auto& c : cases) {
    CRulesApp app;
    COwnerWnd owner(c.bOwnerAnswers);
    CCountingDialog dialog(c.bOwner ? &owner : nullptr);
    CDialogRobot robot;
    robot.Run([&] { return dialog.DoModal(); }, [](CDialogRobot& ui) { AskForHelp(ui.Dialog()); });
    EXPECT_EQ(owner.m_helps, c.ownerHelps) << "owner " << c.bOwner << ", answers " << c.bOwnerAnswers;
    EXPECT_EQ(app.m_helps, c.appHelps) << "owner " << c.bOwner << ", answers " << c.bOwnerAnswers;
  }
}

TEST(ApplicationRules, TheModalLoopGivesPreTranslateMessageItsTurn) {
  CCountingDialog dialog(nullptr);
  CDialogRobot robot;
  robot.Run([&] { return dialog.DoModal(); }, [](CDialogRobot& ui) {
    // Taken by the modal loop once the script has returned, before the robot's Cancel.
    HWND hFocus = ::GetFocus() != nullptr ? ::GetFocus() : ui.Dialog();
    ::PostMessageA(hFocus, WM_KEYDOWN, VK_F2, 1);
  });
  EXPECT_EQ(dialog.m_f2Keys, 1);
}

// CWnd::UpdateData on its fault paths, as the shared library has them: its window's control
// notifications are locked out while it runs, a refused value fails it quietly, any other
// exception is reported; and how an exception reports itself.
#include <gtest/gtest.h>

#include "DialogRobot.h"
#include "PlatformFaults.h"
#include "afxres.h"

TEST(UpdateData, UpdateDataLocksOutItsWindowsControlNotificationsButNotCommands) {
  const struct {
    bool bFromControl, bDuringExchange;
    int acts;
  } cases[] = {{true, true, 0}, {false, true, 1}, {true, false, 1}};
  for (const auto& c : cases) {
    CTestDialog dialog;
    CDialogRobot robot;
    robot.Run([&] { return dialog.DoModal(); }, [&](CDialogRobot& ui) {
      LPARAM lParam = c.bFromControl ? reinterpret_cast<LPARAM>(ui.Item(IDC_TEST_ACT)) : 0;
      auto click = [&] { ::SendMessageA(ui.Dialog(), WM_COMMAND, MAKEWPARAM(IDC_TEST_ACT, BN_CLICKED), lParam); };
      if (c.bDuringExchange) dialog.m_onExchange = click;
      EXPECT_TRUE(dialog.UpdateData(TRUE));
      if (!c.bDuringExchange) click();
    });
    EXPECT_EQ(dialog.m_acts, c.acts) << "from a control " << c.bFromControl << ", during the exchange " << c.bDuringExchange;
  }
}

namespace {
// A window of its own whose exchange throws, or runs UpdateData for another window.
class CExchangeWnd : public CWnd {
public:
  CExchangeWnd() { Attach(::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr)); }
  ~CExchangeWnd() override { ::DestroyWindow(Detach()); }
  Thrown m_thrown = Thrown::nothing;
  CWnd* m_pNested = nullptr;
  BOOL m_bNestedResult = FALSE;

protected:
  void DoDataExchange(CDataExchange*) override {
    if (CWnd* pNested = m_pNested) {
      m_pNested = nullptr;
      m_bNestedResult = pNested->UpdateData(FALSE);
    }
    Throw(m_thrown);
  }
};
}  // namespace

TEST(UpdateData, UpdateDataFailsQuietlyOnARefusedValueAndReportsAnyOtherException) {
  const struct {
    Thrown thrown;
    BOOL bOK;
    std::vector<CRecordedBox> boxes;
    int deleted;
  } cases[] = {
      {Thrown::nothing, TRUE, {}, 0},
      {Thrown::user, FALSE, {}, 0},
      {Thrown::memory, FALSE, {{kOutOfMemory, MB_ICONEXCLAMATION}}, 0},
      {Thrown::other, FALSE, {{kInternalFailure, MB_ICONEXCLAMATION}}, 1},
  };
  for (const auto& c : cases) {
    CBoxRecordingApp app;
    CExchangeWnd wnd;
    wnd.m_thrown = c.thrown;
    const int deleted = CTestFailure::s_nDeleted;
    EXPECT_EQ(wnd.UpdateData(TRUE), c.bOK) << static_cast<int>(c.thrown);
    EXPECT_EQ(app.m_boxes, c.boxes) << static_cast<int>(c.thrown);
    EXPECT_EQ(CTestFailure::s_nDeleted - deleted, c.deleted) << static_cast<int>(c.thrown);
    EXPECT_EQ(AfxGetThreadState()->m_hLockoutNotifyWindow, nullptr) << "the lockout ends with the exchange";
  }
}

// The shared library's debug build asserts on it; here the exchange runs on and it is counted.
TEST(UpdateData, UpdateDataForItsOwnWindowInsideItsExchangeRunsOnAndIsCounted) {
  for (bool bSameWindow : {true, false}) {
    CExchangeWnd wnd, other;
    wnd.m_pNested = bSameWindow ? static_cast<CWnd*>(&wnd) : &other;
    const LONG before = AfxGetThreadState()->m_nLockoutReentries;
    EXPECT_TRUE(wnd.UpdateData(TRUE));
    EXPECT_TRUE(wnd.m_bNestedResult);
    EXPECT_EQ(AfxGetThreadState()->m_nLockoutReentries - before, bSameWindow ? 1 : 0) << "same window " << bSameWindow;
    EXPECT_EQ(AfxGetThreadState()->m_hLockoutNotifyWindow, nullptr);
  }
}

TEST(ReportError, ReportErrorShowsTheExceptionsOwnMessageElseThePromptGiven) {
  const struct {
    Thrown thrown;
    UINT nType, nMessageID;
    CRecordedBox box;
  } cases[] = {
      {Thrown::memory, MB_ICONSTOP, AFX_IDP_COMMAND_FAILURE, {kOutOfMemory, MB_ICONSTOP}},
      {Thrown::other, MB_ICONSTOP, AFX_IDP_COMMAND_FAILURE, {kCommandFailure, MB_ICONSTOP}},
      {Thrown::user, MB_OK, AFX_IDP_INTERNAL_FAILURE, {kInternalFailure, MB_OK}},
      {Thrown::other, MB_OK, 0, {kNoErrorAvailable, MB_OK}},
  };
  for (const auto& c : cases) {
    CBoxRecordingApp app;
    CException* e = Caught(c.thrown);
    e->ReportError(c.nType, c.nMessageID);
    e->Delete();
    EXPECT_EQ(app.m_boxes, std::vector<CRecordedBox>{c.box}) << static_cast<int>(c.thrown);
  }
}

// Through the real box of an application without a name (captioned with the file's name).
TEST(ReportError, ReportingRunningOutOfMemoryNeedsNoMemory) {
  CWinApp app;
  CTestDialog dialog;
  CDialogRobot robot;
  unsigned long long allocations = 0;
  robot.Run([&] { return dialog.DoModal(); }, [&](CDialogRobot&) {
    CException* e = Caught(Thrown::memory);
    allocations = AfxGetAllocationCount();
    AfxSetAllocFailureCountdown(1);
    e->ReportError(MB_ICONEXCLAMATION, AFX_IDP_INTERNAL_FAILURE);
    AfxSetAllocFailureCountdown(0);
    allocations = AfxGetAllocationCount() - allocations;
  });
  EXPECT_EQ(allocations, 0u);
  EXPECT_EQ(robot.MessageBoxes(), std::vector<std::string>{kOutOfMemory});
}

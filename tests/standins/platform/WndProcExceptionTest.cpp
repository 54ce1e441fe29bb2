// An exception that leaves a message handler, as the shared library takes it: the current
// application reports it by the message and the exception's kind and answers the message; the
// dialog goes on, even when its WM_INITDIALOG failed.
#include <gtest/gtest.h>

#include <memory>

#include "DialogRobot.h"
#include "PlatformFaults.h"
#include "afxres.h"

namespace {
constexpr UINT kSystemModalExclamation = MB_ICONEXCLAMATION | MB_SYSTEMMODAL;
}  // namespace

TEST(WndProcException, TheApplicationReportsAnExceptionByMessageAndKindAndAnswersTheMessage) {
  const struct {
    UINT message;
    LPARAM lParam;
    Thrown thrown;
    LRESULT lResult;
    std::vector<CRecordedBox> boxes;
  } cases[] = {
      {WM_COMMAND, 0, Thrown::other, TRUE, {{kCommandFailure, MB_ICONSTOP}}},
      {WM_COMMAND, 1, Thrown::other, TRUE, {{kInternalFailure, MB_ICONSTOP}}},  // a control's notification
      {WM_COMMAND, 0, Thrown::memory, TRUE, {{kOutOfMemory, kSystemModalExclamation}}},
      {WM_COMMAND, 0, Thrown::user, TRUE, {}},
      {WM_INITDIALOG, 0, Thrown::other, 0, {{kInternalFailure, MB_ICONSTOP}}},
      {WM_CREATE, 0, Thrown::other, -1, {}},
      {WM_PAINT, 0, Thrown::memory, 0, {}},
  };
  for (const auto& c : cases) {
    CBoxRecordingApp app;
    CException* e = Caught(c.thrown);
    const MSG msg = {nullptr, c.message, 0, c.lParam, 0, {0, 0}};
    EXPECT_EQ(AfxProcessWndProcException(e, &msg), c.lResult) << "message 0x" << std::hex << c.message;
    e->Delete();
    EXPECT_EQ(app.m_boxes, c.boxes) << "message 0x" << std::hex << c.message << ", kind " << static_cast<int>(c.thrown);
  }
}

TEST(WndProcException, AnExceptionLeavingADialogsHandlerGoesToTheApplicationAndTheDialogStaysOpen) {
  enum class Where { init, button, command };
  const struct {
    Where where;
    Thrown thrown;
    bool bApp;
    std::vector<CRecordedBox> boxes;
  } cases[] = {
      {Where::init, Thrown::memory, true, {{kOutOfMemory, kSystemModalExclamation}}},
      {Where::init, Thrown::user, true, {}},
      {Where::init, Thrown::other, true, {{kInternalFailure, MB_ICONSTOP}}},
      {Where::init, Thrown::other, false, {}},
      {Where::button, Thrown::user, true, {}},
      {Where::button, Thrown::other, false, {}},
      {Where::command, Thrown::other, true, {{kCommandFailure, MB_ICONSTOP}}},
  };
  for (const auto& c : cases) {
    std::unique_ptr<CBoxRecordingApp> app(c.bApp ? new CBoxRecordingApp : nullptr);
    CTestDialog dialog;
    if (c.where == Where::init) dialog.m_onInit = [&] { Throw(c.thrown); };
    else dialog.m_onAct = [&] { Throw(c.thrown); };
    const int deleted = CTestFailure::s_nDeleted;
    CDialogRobot robot;
    INT_PTR result = robot.Run([&] { return dialog.DoModal(); }, [&](CDialogRobot& ui) {
      if (c.where == Where::button) ui.Click(IDC_TEST_ACT);
      if (c.where == Where::command) ::SendMessageA(ui.Dialog(), WM_COMMAND, MAKEWPARAM(IDC_TEST_ACT, 0), 0);
      EXPECT_TRUE(::IsWindowVisible(ui.Dialog()));
      ui.Click(IDOK);
    });
    const int where = static_cast<int>(c.where), kind = static_cast<int>(c.thrown);
    EXPECT_EQ(result, IDOK) << "at " << where << ", kind " << kind;
    EXPECT_EQ(app ? app->m_boxes : std::vector<CRecordedBox>{}, c.boxes) << "at " << where << ", kind " << kind;
    EXPECT_TRUE(robot.MessageBoxes().empty()) << "at " << where << ", kind " << kind << ": " << robot.MessageBoxes().front();
    EXPECT_EQ(CTestFailure::s_nDeleted - deleted, c.thrown == Thrown::other ? 1 : 0) << "at " << where;
  }
}

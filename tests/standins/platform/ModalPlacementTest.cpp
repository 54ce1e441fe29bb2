// Where CDialog::DoModal puts a dialog built without a parent, as the shared library does: owned
// by the main window's last active popup (never a child window), which it disables meanwhile
// with the top-level window above it, and centred after WM_INITDIALOG unless something else
// placed it.
#include <gtest/gtest.h>

#include <memory>

#include "DialogRobot.h"
#include "PlatformFaults.h"

namespace {
// A window of the test's own that lives for one case.
class CPlainWnd {
public:
  CPlainWnd(DWORD dwStyle, const RECT& rc, HWND hParent = nullptr)
      : m_hWnd(::CreateWindowExA(0, "STATIC", "", dwStyle, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hParent,
                                 nullptr, nullptr, nullptr)) {}
  ~CPlainWnd() { ::DestroyWindow(m_hWnd); }
  CPlainWnd(const CPlainWnd&) = delete;
  CPlainWnd& operator=(const CPlainWnd&) = delete;
  HWND m_hWnd;
};

constexpr RECT kMainRect = {40, 30, 440, 330};
constexpr DWORD kTopLevel = WS_POPUP | WS_CAPTION | WS_VISIBLE;

RECT WorkArea() {
  MONITORINFO mi = {};
  mi.cbSize = sizeof mi;
  ::GetMonitorInfoA(::MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY), &mi);
  return mi.rcWork;
}

POINT Centre(const RECT& rc) { return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}; }
}  // namespace

TEST(ModalPlacement, DoModalIsOwnedByTheMainWindowsLastActivePopupAndDisablesItsTopLevelWindowToo) {
  enum class Main { topLevel, child, withActivePopup, none, noApplication, childAsParent };
  for (Main main : {Main::topLevel, Main::child, Main::withActivePopup, Main::none, Main::noApplication, Main::childAsParent}) {
    std::unique_ptr<CBoxRecordingApp> app(main != Main::noApplication ? new CBoxRecordingApp : nullptr);
    CPlainWnd top(kTopLevel, kMainRect);
    CPlainWnd child(WS_CHILD | WS_VISIBLE, {0, 0, 50, 20}, top.m_hWnd);
    CPlainWnd popup(kTopLevel, {60, 60, 200, 160}, top.m_hWnd);  // owned by top
    ::SetActiveWindow(main == Main::withActivePopup || main == Main::childAsParent ? popup.m_hWnd : top.m_hWnd);
    CWnd mainWnd;
    if (main != Main::none && main != Main::noApplication) {
      mainWnd.Attach(main == Main::child ? child.m_hWnd : top.m_hWnd);
      if (app) app->m_pMainWnd = &mainWnd;
    }
    const HWND hExpected = main == Main::noApplication ? nullptr : main == Main::withActivePopup ? popup.m_hWnd : top.m_hWnd;
    CTestDialog dialog(IDD_TEST_PLAIN, main == Main::childAsParent ? CWnd::FromHandle(child.m_hWnd) : nullptr);
    CDialogRobot robot;
    robot.Run([&] { return dialog.DoModal(); }, [&](CDialogRobot& ui) {
      EXPECT_EQ(::GetWindow(ui.Dialog(), GW_OWNER), hExpected) << static_cast<int>(main);
      EXPECT_EQ(::IsWindowEnabled(top.m_hWnd), main == Main::noApplication) << static_cast<int>(main);
      EXPECT_EQ(::IsWindowEnabled(popup.m_hWnd), main != Main::withActivePopup) << static_cast<int>(main);
    });
    EXPECT_TRUE(::IsWindowEnabled(top.m_hWnd) && ::IsWindowEnabled(popup.m_hWnd)) << static_cast<int>(main);
    if (hExpected != nullptr) {
      EXPECT_EQ(::GetActiveWindow(), hExpected) << static_cast<int>(main);
    }
    mainWnd.Detach();
  }
}

TEST(ModalPlacement, DoModalCentresADialogThatNothingElsePlacedOnItsVisibleOwnerElseOnTheWorkArea) {
  enum class Expected { ownerCentre, workAreaCentre, workAreaCorner, unmoved };
  const RECT work = WorkArea();
  const RECT nearCorner = {work.right - 60, work.bottom - 40, work.right + 140, work.bottom + 160};
  const struct {
    UINT nIDTemplate;
    RECT ownerRect;
    bool bOwnerVisible;
    void (*pfnAtInit)(HWND hDialog);
    Expected expected;
  } cases[] = {
      {IDD_TEST_PLAIN, kMainRect, true, nullptr, Expected::ownerCentre},
      {IDD_TEST_PLAIN, kMainRect, false, nullptr, Expected::workAreaCentre},
      {IDD_TEST_PLAIN, nearCorner, true, nullptr, Expected::workAreaCorner},  // kept inside the work area
      {IDD_TEST_DS_CENTER, kMainRect, true, nullptr, Expected::unmoved},
      {IDD_TEST_DS_CENTERMOUSE, kMainRect, true, nullptr, Expected::unmoved},
      {IDD_TEST_DS_ABSALIGN, kMainRect, true, nullptr, Expected::unmoved},
      {IDD_TEST_PLAIN, kMainRect, true, [](HWND h) { ::SetWindowPos(h, nullptr, 7, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }, Expected::unmoved},
      {IDD_TEST_PLAIN, kMainRect, true, [](HWND h) { ::ShowWindow(h, SW_SHOW); }, Expected::unmoved},
      {IDD_TEST_PLAIN, kMainRect, true, [](HWND) { AfxThrowUserException(); }, Expected::unmoved},
  };
  int nCase = 0;
  for (const auto& c : cases) {
    ++nCase;
    CBoxRecordingApp app;
    CPlainWnd owner(c.bOwnerVisible ? kTopLevel : kTopLevel & ~WS_VISIBLE, c.ownerRect);
    CWnd mainWnd;
    mainWnd.Attach(owner.m_hWnd);
    app.m_pMainWnd = &mainWnd;
    CTestDialog dialog(c.nIDTemplate);
    if (c.pfnAtInit != nullptr) dialog.m_onInit = [&] { c.pfnAtInit(dialog.m_hWnd); };
    RECT rc = {};
    CDialogRobot robot;
    robot.Run([&] { return dialog.DoModal(); }, [&](CDialogRobot& ui) { ::GetWindowRect(ui.Dialog(), &rc); });
    mainWnd.Detach();
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    POINT expected = {dialog.m_rectAfterInit.left, dialog.m_rectAfterInit.top};
    if (c.expected == Expected::ownerCentre || c.expected == Expected::workAreaCentre) {
      const POINT centre = Centre(c.expected == Expected::ownerCentre ? c.ownerRect : work);
      expected = {centre.x - cx / 2, centre.y - cy / 2};
    } else if (c.expected == Expected::workAreaCorner) {
      expected = {work.right - cx, work.bottom - cy};
    }
    EXPECT_EQ(rc.left, expected.x) << "case " << nCase;
    EXPECT_EQ(rc.top, expected.y) << "case " << nCase;
  }
}

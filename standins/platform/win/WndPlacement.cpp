// Where a popup goes: the window that owns it, and its place on the screen.
#include "../afxapp.h"
#include "../afxwnd.h"

CWnd* AfxGetMainWnd() {
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr) return nullptr;
  return pApp->m_pMainWnd != nullptr ? pApp->m_pMainWnd : CWnd::GetActiveWindow();
}

CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }

HWND CWnd::GetSafeOwner_(HWND hParent, HWND* pWndTop) {
  HWND hWnd = hParent;
  if (hWnd == nullptr)
    if (CWnd* pMainWnd = AfxGetMainWnd()) hWnd = pMainWnd->m_hWnd;
  // A popup cannot be owned by a child window.
  while (hWnd != nullptr && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)) hWnd = ::GetParent(hWnd);
  HWND hWndTop = hWnd;
  for (HWND h = hWnd; h != nullptr; h = ::GetParent(h)) hWndTop = h;
  // Without a parent, over whatever popup of the main window the user worked in last.
  if (hParent == nullptr && hWnd != nullptr) hWnd = ::GetLastActivePopup(hWnd);
  if (pWndTop != nullptr) {
    if (hWndTop != nullptr && ::IsWindowEnabled(hWndTop) && hWndTop != hWnd) {
      *pWndTop = hWndTop;
      ::EnableWindow(hWndTop, FALSE);
    } else {
      *pWndTop = nullptr;
    }
  }
  return hWnd;
}

BOOL CWnd::CheckAutoCenter() { return TRUE; }

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE));
  HWND hWndCenter = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd : nullptr;
  if (pAlternateOwner == nullptr) hWndCenter = (dwStyle & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
  RECT rcDlg, rcArea, rcCenter;
  ::GetWindowRect(m_hWnd, &rcDlg);
  if (!(dwStyle & WS_CHILD)) {
    // Not on a window the user cannot see.
    if (hWndCenter != nullptr) {
      const DWORD dwCenterStyle = static_cast<DWORD>(::GetWindowLongA(hWndCenter, GWL_STYLE));
      if (!(dwCenterStyle & WS_VISIBLE) || (dwCenterStyle & WS_MINIMIZE)) hWndCenter = nullptr;
    }
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    if (hWndCenter == nullptr) {
      CWnd* pMainWnd = AfxGetMainWnd();
      ::GetMonitorInfoA(::MonitorFromWindow(pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr, MONITOR_DEFAULTTOPRIMARY), &mi);
      rcCenter = rcArea = mi.rcWork;
    } else {
      ::GetWindowRect(hWndCenter, &rcCenter);
      ::GetMonitorInfoA(::MonitorFromWindow(hWndCenter, MONITOR_DEFAULTTONEAREST), &mi);
      rcArea = mi.rcWork;
    }
  } else {
    // In the parent's client area, in its coordinates.
    HWND hWndParent = ::GetParent(m_hWnd);
    ::GetClientRect(hWndParent, &rcArea);
    ::GetClientRect(hWndCenter, &rcCenter);
    ::MapWindowPoints(hWndCenter, hWndParent, reinterpret_cast<POINT*>(&rcCenter), 2);
    ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<POINT*>(&rcDlg), 2);
  }
  const int cx = rcDlg.right - rcDlg.left, cy = rcDlg.bottom - rcDlg.top;
  int xLeft = (rcCenter.left + rcCenter.right) / 2 - cx / 2;
  int yTop = (rcCenter.top + rcCenter.bottom) / 2 - cy / 2;
  if (xLeft + cx > rcArea.right) xLeft = rcArea.right - cx;
  if (xLeft < rcArea.left) xLeft = rcArea.left;
  if (yTop + cy > rcArea.bottom) yTop = rcArea.bottom - cy;
  if (yTop < rcArea.top) yTop = rcArea.top;
  ::SetWindowPos(m_hWnd, nullptr, xLeft, yTop, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The message a window procedure is handling, for CWnd::GetCurrentMessage: set for one message
// and given back to the outer one when it is done, as messages nest (a message box's loop runs
// inside a command).
#pragma once

#include "../afxwindows.h"

class CCurrentMessageScope {
public:
  CCurrentMessageScope(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
  ~CCurrentMessageScope();
  CCurrentMessageScope(const CCurrentMessageScope&) = delete;
  CCurrentMessageScope& operator=(const CCurrentMessageScope&) = delete;

private:
  MSG m_previous;
};

// The modal dialogs running on this thread, innermost last: the owner of a message box when the
// thread has no active window (its dialog was not in front when the box came up).
#pragma once

#include "../afxwindows.h"

HWND AfxGetInnermostModalWindow();
void AfxPushModalWindow(HWND hWnd);
void AfxPopModalWindow(HWND hWnd);

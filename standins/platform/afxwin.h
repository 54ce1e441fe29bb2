// The window side of the MFC-style platform.
#pragma once

#include "afxwindows.h"

#include "afx.h"
#include "afxapp.h"
#include "afxdd_.h"
#include "afxdlgs.h"
#include "afxdll.h"
#include "afxmsgmap.h"
#include "afxstate.h"
#include "afxwnd.h"

// Names the kernel hands out again and again (unit names, item names): each is kept once and
// handed out as a shared copy, which costs no allocation. The set of such names is small and
// fixed by the code; past a limit a name is simply copied.
#pragma once

#include "afx.h"

CString MC_SharedName(const char* pszName);

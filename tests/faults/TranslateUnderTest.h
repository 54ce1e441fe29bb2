// The translation export that the fault tests drive: the element's own function in the native
// build, the real module's export, loaded the way the host loads it, in the Windows build.
#pragma once

#include "MC_Kernel.h"

typedef int (*PFN_TRANSLATE_UNDER_TEST)(CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pText, CString* pOut);

// Null (after failing the test) when the export cannot be had.
PFN_TRANSLATE_UNDER_TEST GetTranslateUnderTest();

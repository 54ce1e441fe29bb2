// The element module's exports as the host calls them: host objects are passed by address.
#pragma once

#include "MC_Kernel.h"

typedef const char* (*PFN_GetName)();
typedef const char* (*PFN_GetClassName)();
typedef int (*PFN_GetOrderID)();
typedef int (*PFN_IsEnabled)(CMC_Setup* pSetup);
typedef void (*PFN_GetDefaultParameters)(CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pOut);
typedef int (*PFN_TranslateMotionSequence)(CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pText, CString* pOut);
typedef int (*PFN_EditMotionSequence)(CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pText);

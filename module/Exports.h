// The functions the host finds in the module by name. The host passes its objects by address.
#pragma once

#include "MC_Kernel.h"

// <windows.h> maps this name to GetClassNameA; the export keeps its plain name.
#ifdef GetClassName
#  undef GetClassName
#endif

#define ELEMENT_EXPORT extern "C" __declspec(dllexport)

ELEMENT_EXPORT const char* GetName();
ELEMENT_EXPORT const char* GetClassName();
ELEMENT_EXPORT int GetOrderID();
ELEMENT_EXPORT int IsEnabled(CMC_Setup* pSetup);
ELEMENT_EXPORT int EditMotionSequence(CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pText);

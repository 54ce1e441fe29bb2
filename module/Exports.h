// The functions the host finds in the module by name. The host passes its objects by address.
#pragma once

#include "MC_Kernel.h"

// <windows.h> maps this name to GetClassNameA; the export keeps its plain name.
#ifdef GetClassName
#  undef GetClassName
#endif

#ifdef _WIN32
#  define ELEMENT_EXPORT extern "C" __declspec(dllexport)
#else
#  define ELEMENT_EXPORT extern "C" __attribute__((visibility("default")))
#endif

ELEMENT_EXPORT const char* GetName();
ELEMENT_EXPORT const char* GetClassName();
ELEMENT_EXPORT int GetOrderID();
ELEMENT_EXPORT int IsEnabled(CMC_Setup* pSetup);
// A null pointer from a faulty host gives empty out (and 0) rather than a crash.
ELEMENT_EXPORT void GetDefaultParameters(CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pOut);
ELEMENT_EXPORT int TranslateMotionSequence(CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pText, CString* pOut);
ELEMENT_EXPORT int EditMotionSequence(CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pText);

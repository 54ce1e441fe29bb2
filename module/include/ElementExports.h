// The functions the host finds in the module by name. The host passes its objects by address.
// The module defines them; the host and the tests only take their types (PFN_...) and resolve
// them at run time, so one declaration serves both sides.
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

// What GetProcAddress gives, as the host calls it.
typedef decltype(&GetName) PFN_GetName;
typedef decltype(&GetClassName) PFN_GetClassName;
typedef decltype(&GetOrderID) PFN_GetOrderID;
typedef decltype(&IsEnabled) PFN_IsEnabled;
typedef decltype(&GetDefaultParameters) PFN_GetDefaultParameters;
typedef decltype(&TranslateMotionSequence) PFN_TranslateMotionSequence;
typedef decltype(&EditMotionSequence) PFN_EditMotionSequence;

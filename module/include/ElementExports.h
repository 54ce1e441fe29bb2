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

// Each export once, as EXPORT(name, result, parameters): the declarations and PFN_ types below,
// the module's .def (made from these lines by module/CMakeLists.txt) and the tests' lists come
// from here. GetDefaultParameters: a null pointer from a faulty host gives empty out (and 0)
// rather than a crash.
#define ELEMENT_EXPORTS(EXPORT) \
  EXPORT(GetName, const char*, ()) \
  EXPORT(GetClassName, const char*, ()) \
  EXPORT(GetOrderID, int, ()) \
  EXPORT(IsEnabled, int, (CMC_Setup* pSetup)) \
  EXPORT(GetDefaultParameters, void, (CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pOut)) \
  EXPORT(TranslateMotionSequence, int, (CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pText, CString* pOut)) \
  EXPORT(EditMotionSequence, int, (CMC_Setup* pSetup, CMC_Motion* pMotion, CString* pText))

// Each export, and as PFN_name what GetProcAddress gives, as the host calls it.
#define ELEMENT_DECLARE_EXPORT(name, result, parameters) \
  ELEMENT_EXPORT result name parameters; \
  typedef decltype(&name) PFN_##name;
ELEMENT_EXPORTS(ELEMENT_DECLARE_EXPORT)
#undef ELEMENT_DECLARE_EXPORT

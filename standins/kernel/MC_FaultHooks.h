// Fault hooks of the kernel, for tests only: they make the kernel answer as a faulty host would.
// Nothing installs one in a product; with none installed the kernel answers from its own data.
#pragma once

#include "mckernel.h"

class CMC_Motion;

// Receives what CMC_Motion::FindFunction found (nFound, negative when absent) and returns what
// it is to answer instead, so that it may disagree with GetFunctionsCount and GetFunctionName.
typedef int (*MC_PFN_FINDFUNCTION_HOOK)(const CMC_Motion* pMotion, const char* pszName, int nFound);

// Installs the hook (null removes it) and returns the one it replaces.
MCK_API MC_PFN_FINDFUNCTION_HOOK MC_SetFindFunctionHook(MC_PFN_FINDFUNCTION_HOOK pfnHook);
MCK_API MC_PFN_FINDFUNCTION_HOOK MC_GetFindFunctionHook();

#include "MC_FaultHooks.h"

namespace {
MC_PFN_FINDFUNCTION_HOOK g_findFunctionHook = nullptr;
}

MC_PFN_FINDFUNCTION_HOOK MC_SetFindFunctionHook(MC_PFN_FINDFUNCTION_HOOK pfnHook) {
  MC_PFN_FINDFUNCTION_HOOK previous = g_findFunctionHook;
  g_findFunctionHook = pfnHook;
  return previous;
}

MC_PFN_FINDFUNCTION_HOOK MC_GetFindFunctionHook() { return g_findFunctionHook; }

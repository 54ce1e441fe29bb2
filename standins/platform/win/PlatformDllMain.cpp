// The platform's own start and end. Its resources (the strings of its exception reports) join,
// as a system record, the chain of the state current when it is loaded (the application's) and
// of each module state that AfxCoreInitModule initialises: found after every module's own.
#include "../afxapp.h"
#include "../afxdll.h"
#include "../afxexcept.h"

namespace {
AFX_EXTENSION_MODULE g_coreModule = {FALSE, nullptr, nullptr};

BOOL LinkCoreResources() {
  try {
    new CDynLinkLibrary(g_coreModule, TRUE);
  } catch (CMemoryException* e) {
    e->Delete();
    return FALSE;
  }
  return TRUE;
}
}  // namespace

BOOL AfxCoreInitModule() { return LinkCoreResources(); }

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
  switch (dwReason) {
    case DLL_PROCESS_ATTACH: return AfxInitExtensionModule(g_coreModule, hInstance) && LinkCoreResources();
    // The platform's per-thread data of a thread ends with the thread.
    case DLL_THREAD_DETACH: AfxTermThread(); break;
    case DLL_PROCESS_DETACH: AfxTermExtensionModule(g_coreModule); break;
    default: break;
  }
  return TRUE;
}

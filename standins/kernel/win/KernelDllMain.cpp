// The kernel joins the resource chain of the module state current when it is loaded (the
// host's), so that its message strings are found from the host's state. Each thread's text
// buffers end with the thread, and the unloading thread's with the kernel.
#include "afxwin.h"
#include "ThreadTexts.h"

namespace {
AFX_EXTENSION_MODULE g_kernelModule = {FALSE, nullptr, nullptr};
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    if (!AfxInitExtensionModule(g_kernelModule, hInstance)) return FALSE;
    try {
      new CDynLinkLibrary(g_kernelModule);
    } catch (CException* e) {
      e->Delete();
      return FALSE;
    }
  } else if (dwReason == DLL_THREAD_DETACH) {
    MC_EndThreadTexts();
  } else if (dwReason == DLL_PROCESS_DETACH) {
    MC_EndThreadTexts();
    AfxTermExtensionModule(g_kernelModule);
  }
  return TRUE;
}

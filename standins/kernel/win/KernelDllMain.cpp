// The kernel joins the resource chain of the module state current when it is loaded (the
// host's), so that its message strings are found from the host's state. Each thread's text
// buffers end with the thread, and the unloading thread's with the kernel; they are kept in a
// slot of the system's thread-local storage that the kernel holds while it is loaded.
#include "afxwin.h"
#include "ThreadTexts.h"

namespace {
AFX_EXTENSION_MODULE g_kernelModule = {FALSE, nullptr, nullptr};
// The slot of each thread's text buffers, for the kernel's lifetime.
DWORD g_threadTextsSlot = TLS_OUT_OF_INDEXES;
}  // namespace

MC_THREAD_TEXTS* MC_FindThreadTexts() { return static_cast<MC_THREAD_TEXTS*>(::TlsGetValue(g_threadTextsSlot)); }

bool MC_SetThreadTexts(MC_THREAD_TEXTS* pTexts) { return ::TlsSetValue(g_threadTextsSlot, pTexts) != FALSE; }

namespace {
// Undoes what a load set up, and only that: after a failed load the system still calls the
// entry point to detach.
void EndKernel() {
  if (g_threadTextsSlot != TLS_OUT_OF_INDEXES) MC_EndThreadTexts();
  AfxTermExtensionModule(g_kernelModule);
  if (g_threadTextsSlot != TLS_OUT_OF_INDEXES) ::TlsFree(g_threadTextsSlot);
  g_threadTextsSlot = TLS_OUT_OF_INDEXES;
}
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    g_threadTextsSlot = ::TlsAlloc();
    if (g_threadTextsSlot == TLS_OUT_OF_INDEXES) return FALSE;
    if (!AfxInitExtensionModule(g_kernelModule, hInstance)) {
      EndKernel();
      return FALSE;
    }
    try {
      new CDynLinkLibrary(g_kernelModule);
    } catch (CException* e) {
      e->Delete();
      EndKernel();
      return FALSE;
    }
  } else if (dwReason == DLL_THREAD_DETACH) {
    if (g_threadTextsSlot != TLS_OUT_OF_INDEXES) MC_EndThreadTexts();
  } else if (dwReason == DLL_PROCESS_DETACH) {
    EndKernel();
  }
  return TRUE;
}

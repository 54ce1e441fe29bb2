// Start and end of the module. The entry point wraps the C runtime's own, so that the memory
// check and the switch to the module's state come before any static object is built, and the
// caller's state is back only after the last one is destroyed.
#include "SlaveManagementApp.h"

extern "C" BOOL WINAPI DllMainCRTStartup(HANDLE hInstance, DWORD dwReason, LPVOID lpReserved);

namespace {
AFX_EXTENSION_MODULE g_extensionModule = {FALSE, nullptr, nullptr};
bool g_started = false;

void EndWindowLibrary() {
  AfxUnlockTempMaps(TRUE);
  AfxWinTerm();
}

BOOL StartModule(HINSTANCE hInstance) {
  static char emptyCommandLine[] = "";
  AfxCoreInitModule();
  if (!AfxWinInit(hInstance, nullptr, emptyCommandLine, 0)) {
    AfxWinTerm();
    return FALSE;
  }
  CWinApp* pApp = AfxGetApp();
  if (pApp != nullptr && !pApp->InitInstance()) {
    pApp->ExitInstance();
    AfxWinTerm();
    return FALSE;
  }
  try {
    // Joins the module's own chain (its state is current here), not the host's: the host links
    // the module into its own chain itself when it loads it (docs/ARCHITECTURE.md).
    AfxInitExtensionModule(g_extensionModule, hInstance);
    new CDynLinkLibrary(g_extensionModule, FALSE);
  } catch (CMemoryException* e) {
    e->Delete();
    if (pApp != nullptr) pApp->ExitInstance();
    AfxWinTerm();
    return FALSE;
  }
  g_started = true;
  return TRUE;
}

void EndModule() {
  if (!g_started) return;
  g_started = false;
  if (CWinApp* pApp = AfxGetApp()) pApp->ExitInstance();
  EndWindowLibrary();
  AfxTermExtensionModule(g_extensionModule, TRUE);
}
}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
  switch (dwReason) {
    case DLL_PROCESS_ATTACH: return StartModule(hInstance);
    case DLL_THREAD_DETACH:
      AfxUnlockTempMaps(TRUE);
      AfxTermThread(hInstance);
      break;
    case DLL_PROCESS_DETACH: EndModule(); break;
    default: break;
  }
  return TRUE;
}

// The DLL's entry point (set by the linker), around the C runtime's: the runtime builds the static
// objects (g_moduleState, theApp) before it calls DllMain, and CWinApp's constructor registers
// the application with the module state current at that moment. Only an entry point that runs
// first can make the module's own state current for that, and give the caller's back after the
// runtime has destroyed the statics on unload.
extern "C" BOOL WINAPI SlaveManagementEntry(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved) {
  // A process that cannot spare 8 KB of local memory refuses the load here, before anything is
  // built, rather than half-way through start-up with some statics built and others not.
  if (dwReason == DLL_PROCESS_ATTACH) {
    HLOCAL hProbe = ::LocalAlloc(LMEM_FIXED, 8192);
    if (hProbe == nullptr) return FALSE;
    ::LocalFree(hProbe);
  }
  if (dwReason == DLL_THREAD_ATTACH) return DllMainCRTStartup(hInstance, dwReason, lpReserved);
  // The state object is raw storage until the runtime constructs it; only its address is kept.
  AFX_MODULE_STATE* pCallerState = AfxSetModuleState(&g_moduleState);
  BOOL bResult = DllMainCRTStartup(hInstance, dwReason, lpReserved);
  AfxSetModuleState(pCallerState);
  return bResult;
}

// The start and end of a module DLL that uses the platform, linked into each such DLL from a
// static library as the shared library's import library carries its own DLL start-up: the DLL
// itself holds only its application object and its exports.
//
// The entry point (set by the linker) runs around the C runtime's: the runtime builds the static
// objects (theApp among them) before it calls DllMain, and CWinApp's constructor registers the
// application with the module state current at that moment. Only an entry point that runs first
// can build the module's own state and make it current for that, and give the caller's back after
// the runtime has destroyed the statics on unload.
#include <new>

#include "afxwin.h"

extern "C" BOOL WINAPI DllMainCRTStartup(HANDLE hInstance, DWORD dwReason, LPVOID lpReserved);

namespace {
// Built by the entry point before any static object of the module, destroyed after the last.
alignas(AFX_MODULE_STATE) unsigned char s_stateStorage[sizeof(AFX_MODULE_STATE)];
AFX_MODULE_STATE* s_pModuleState = nullptr;
AFX_EXTENSION_MODULE s_extensionModule = {FALSE, nullptr, nullptr};
bool s_started = false;

void EndWindowLibrary() {
  AfxUnlockTempMaps(TRUE);
  AfxWinTerm();
}

BOOL StartModule(HINSTANCE hInstance) {
  static char emptyCommandLine[] = "";
  if (!AfxCoreInitModule()) return FALSE;
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
    AfxInitExtensionModule(s_extensionModule, hInstance);
    new CDynLinkLibrary(s_extensionModule, FALSE);
  } catch (CMemoryException* e) {
    e->Delete();
    if (pApp != nullptr) pApp->ExitInstance();
    AfxWinTerm();
    return FALSE;
  }
  s_started = true;
  return TRUE;
}

void EndModule() {
  if (!s_started) return;
  s_started = false;
  if (CWinApp* pApp = AfxGetApp()) pApp->ExitInstance();
  EndWindowLibrary();
  AfxTermExtensionModule(s_extensionModule, TRUE);
}
}  // namespace

AFX_MODULE_STATE* AfxGetStaticModuleState() { return s_pModuleState; }

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

extern "C" BOOL WINAPI AfxModuleEntry(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved) {
  // A process that cannot spare 8 KB of local memory refuses the load here, before anything is
  // built, rather than half-way through start-up with some statics built and others not.
  if (dwReason == DLL_PROCESS_ATTACH) {
    HLOCAL hProbe = ::LocalAlloc(LMEM_FIXED, 8192);
    if (hProbe == nullptr) return FALSE;
    ::LocalFree(hProbe);
    s_pModuleState = new (s_stateStorage) AFX_MODULE_STATE(TRUE);
  }
  // Thread start does nothing of ours; a detach after a refused attach (the loader may send one)
  // finds everything ended already.
  if (dwReason == DLL_THREAD_ATTACH || s_pModuleState == nullptr)
    return DllMainCRTStartup(hInstance, dwReason, lpReserved);
  AFX_MODULE_STATE* pCallerState = AfxSetModuleState(s_pModuleState);
  BOOL bResult = DllMainCRTStartup(hInstance, dwReason, lpReserved);
  // The runtime has destroyed the statics, theApp among them: at unload, and after a refused
  // attach, which gets no detach of its own. The state goes last, then the caller's is back.
  if (dwReason == DLL_PROCESS_DETACH || (dwReason == DLL_PROCESS_ATTACH && !bResult)) {
    s_pModuleState->~AFX_MODULE_STATE();
    s_pModuleState = nullptr;
  }
  AfxSetModuleState(pCallerState);
  return bResult;
}

#include "../afxapp.h"

// The platform's per-thread data of a thread ends with the thread.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID) {
  if (dwReason == DLL_THREAD_DETACH) AfxTermThread();
  return TRUE;
}

/* A DLL named libstdc++-6.dll that is not the C++ run-time: the kit test puts it in the current
   directory and on the PATH. It says on the standard error when a process loads it; a program
   that took it for the run-time would then fail for want of the run-time's entry points. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID pReserved) {
  static const char kLoaded[] = "another libstdc++-6.dll loaded\n";
  DWORD written;
  (void)hInstance;
  (void)pReserved;
  if (dwReason == DLL_PROCESS_ATTACH)
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), kLoaded, sizeof kLoaded - 1, &written, NULL);
  return TRUE;
}

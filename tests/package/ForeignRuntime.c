/* A DLL named libstdc++-6.dll that is not the C++ run-time: the kit test puts it in the current
   directory and on the PATH, where a kit that loaded it instead of its own copy would fail for
   want of the run-time's entry points. */
__declspec(dllexport) int ForeignRuntime(void) { return 0; }

// Counts the global operator new calls of this executable (with the static native build, every
// C++ allocation of the process; on Windows only the executable's own, the DLLs having theirs).
#pragma once

unsigned long long GetOperatorNewCount();

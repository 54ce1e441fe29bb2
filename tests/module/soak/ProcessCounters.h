// What a long run of the module must not let grow in its process: private memory, kernel
// handles, and GDI and USER objects. Where the system does not report a counter (Wine reports
// no PrivateUsage, no handle count and no GUI resources) it is measured another way, and the
// printout says so.
#pragma once

#include "afxwindows.h"

struct PROCESS_COUNTERS {
  unsigned long long privateBytes;  // PrivateUsage, or the bytes in use in the process's heaps
  unsigned long long handles;       // GetProcessHandleCount, or the handle values that are valid
  unsigned long long gdiObjects;    // GetGuiResources; 0 where not reported
  unsigned long long userObjects;   // GetGuiResources, or the process's windows
  const char* privateSource;
  const char* handleSource;
  const char* userSource;
  bool gdiReported;
};

PROCESS_COUNTERS ReadProcessCounters();
void PrintProcessCounters(const char* pszWhen, const PROCESS_COUNTERS& counters);
// Names each counter of after that is above before; false when there is none.
bool ReportGrowth(const PROCESS_COUNTERS& before, const PROCESS_COUNTERS& after);

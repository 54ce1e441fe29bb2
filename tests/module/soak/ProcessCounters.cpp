#include "ProcessCounters.h"

#include <psapi.h>

#include <cstdio>

namespace {
// The bytes allocated from the process's heaps, where every allocation of the module, the
// kernel and the platform comes from.
unsigned long long HeapBytesInUse() {
  HANDLE heaps[64];
  DWORD count = ::GetProcessHeaps(64, heaps);
  unsigned long long total = 0;
  for (DWORD i = 0; i < count && i < 64; ++i) {
    if (!::HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY entry = {};
    while (::HeapWalk(heaps[i], &entry))
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
    ::HeapUnlock(heaps[i]);
  }
  return total;
}

// Kernel handles are small multiples of 4; a value is a handle when the system has information on it.
unsigned long long ValidHandleValues() {
  const ULONG_PTR kLastHandle = 1 << 16;
  unsigned long long count = 0;
  DWORD flags;
  for (ULONG_PTR h = 4; h <= kLastHandle; h += 4)
    if (::GetHandleInformation(reinterpret_cast<HANDLE>(h), &flags)) ++count;
  return count;
}

BOOL CALLBACK CountWindow(HWND hWnd, LPARAM lParam) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hWnd, &pid);
  if (pid != ::GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<unsigned long long*>(lParam);
  ::EnumChildWindows(hWnd, CountWindow, lParam);
  return TRUE;
}

// The process's windows, hidden and message-only ones included, with their children.
unsigned long long ProcessWindows() {
  unsigned long long count = 0;
  ::EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&count));
  for (HWND h = nullptr; (h = ::FindWindowExA(HWND_MESSAGE, h, nullptr, nullptr)) != nullptr;)
    CountWindow(h, reinterpret_cast<LPARAM>(&count));
  return count;
}
}  // namespace

PROCESS_COUNTERS ReadProcessCounters() {
  PROCESS_COUNTERS c = {};
  HANDLE hProcess = ::GetCurrentProcess();
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  if (::GetProcessMemoryInfo(hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
    c.privateBytes = memory.PrivateUsage;
  c.privateSource = "PrivateUsage";
  if (c.privateBytes == 0) {
    c.privateBytes = HeapBytesInUse();
    c.privateSource = "heap bytes in use";
  }
  DWORD handles = 0;
  ::GetProcessHandleCount(hProcess, &handles);
  c.handles = handles;
  c.handleSource = "GetProcessHandleCount";
  if (c.handles == 0) {
    c.handles = ValidHandleValues();
    c.handleSource = "valid handle values";
  }
  ::SetLastError(0);
  c.gdiObjects = ::GetGuiResources(hProcess, GR_GDIOBJECTS);
  c.userObjects = ::GetGuiResources(hProcess, GR_USEROBJECTS);
  c.gdiReported = c.gdiObjects != 0 || ::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED;
  c.userSource = "GetGuiResources";
  if (!c.gdiReported) {
    c.userObjects = ProcessWindows();
    c.userSource = "windows";
  }
  return c;
}

void PrintProcessCounters(const char* pszWhen, const PROCESS_COUNTERS& c) {
  // Whole numbers only: the C library keeps what its first formatting of a double allocates.
  std::printf("%-24s private %9llu bytes (%s)  handles %5llu (%s)  ", pszWhen, c.privateBytes, c.privateSource, c.handles,
              c.handleSource);
  if (c.gdiReported)
    std::printf("GDI objects %5llu  USER objects %5llu\n", c.gdiObjects, c.userObjects);
  else
    std::printf("GDI objects not reported  USER objects %5llu (%s)\n", c.userObjects, c.userSource);
  std::fflush(stdout);
}

bool ReportGrowth(const PROCESS_COUNTERS& before, const PROCESS_COUNTERS& after) {
  struct Counter {
    const char* name;
    unsigned long long before, after;
  } counters[] = {
      {"private memory", before.privateBytes, after.privateBytes},
      {"handles", before.handles, after.handles},
      {"GDI objects", before.gdiObjects, after.gdiObjects},
      {"USER objects", before.userObjects, after.userObjects},
  };
  bool grew = false;
  for (const Counter& c : counters)
    if (c.after > c.before) {
      std::printf("GREW: %s from %llu to %llu\n", c.name, c.before, c.after);
      grew = true;
    }
  return grew;
}

// Linked into every Windows test program: a crash ends the program at once, with the exception,
// where it happened and a non-zero exit status (the exception code), whatever Wine's crash
// dialog would do. A fault is reported even where Wine or the system would catch it, as they do
// in a window procedure or a timer callback; other exceptions are left to their handlers and,
// unhandled, reported the same way.
#include <windows.h>

#include <cstdio>

namespace {
#define MC_FAULT(code) {code, #code}
const struct {
  DWORD code;
  const char* name;
} kFaults[] = {MC_FAULT(EXCEPTION_ACCESS_VIOLATION),    MC_FAULT(EXCEPTION_IN_PAGE_ERROR),
               MC_FAULT(EXCEPTION_ILLEGAL_INSTRUCTION), MC_FAULT(EXCEPTION_PRIV_INSTRUCTION),
               MC_FAULT(EXCEPTION_INT_DIVIDE_BY_ZERO),  MC_FAULT(EXCEPTION_STACK_OVERFLOW),
               MC_FAULT(EXCEPTION_ARRAY_BOUNDS_EXCEEDED), MC_FAULT(EXCEPTION_DATATYPE_MISALIGNMENT),
               MC_FAULT(EXCEPTION_BREAKPOINT)};

// The name of an exception that is a crash wherever it happens, else null.
const char* Name(DWORD code) {
  for (const auto& fault : kFaults)
    if (fault.code == code) return fault.name;
  return nullptr;
}

[[noreturn]] void Report(const EXCEPTION_RECORD& record) {
  char line[1024];
  const DWORD code = record.ExceptionCode;
  const char* name = Name(code);
  int n = std::snprintf(line, sizeof line, "\nCRASH: %s (0x%08lX) at %p", name ? name : "exception",
                        static_cast<unsigned long>(code), record.ExceptionAddress);
  HMODULE hModule = nullptr;
  char path[MAX_PATH] = "";
  if (::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           static_cast<LPCSTR>(record.ExceptionAddress), &hModule) &&
      ::GetModuleFileNameA(hModule, path, sizeof path) != 0) {
    // The address as the module's debugging information has it: addr2line -e MODULE ADDRESS.
    auto* base = reinterpret_cast<const BYTE*>(hModule);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    ULONG_PTR offset = static_cast<const BYTE*>(record.ExceptionAddress) - base;
    n += std::snprintf(line + n, sizeof line - n, " in %s+0x%lX (0x%llX in the file)", path, static_cast<unsigned long>(offset),
                       static_cast<unsigned long long>(nt->OptionalHeader.ImageBase + offset));
  }
  if (code == EXCEPTION_ACCESS_VIOLATION && record.NumberParameters >= 2)
    n += std::snprintf(line + n, sizeof line - n, ", %s 0x%llX",
                       record.ExceptionInformation[0] == 8 ? "executing" : record.ExceptionInformation[0] ? "writing" : "reading",
                       static_cast<unsigned long long>(record.ExceptionInformation[1]));
  n += std::snprintf(line + n, sizeof line - n, "\n");
  DWORD written = 0;
  ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), line, static_cast<DWORD>(n), &written, nullptr);
  // Wine hands a Windows exit status to Linux as its low byte, which must not be 0.
  ::TerminateProcess(::GetCurrentProcess(), (code & 0xFF) != 0 ? code : 3);
  for (;;) {}
}

// First, before any handler that would swallow a fault.
LONG CALLBACK OnFault(EXCEPTION_POINTERS* pInfo) {
  if (Name(pInfo->ExceptionRecord->ExceptionCode) != nullptr) Report(*pInfo->ExceptionRecord);
  return EXCEPTION_CONTINUE_SEARCH;
}

// Last, for any other exception that nothing handled.
LONG WINAPI OnUnhandled(EXCEPTION_POINTERS* pInfo) { Report(*pInfo->ExceptionRecord); }

struct CInstall {
  CInstall() {
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::AddVectoredExceptionHandler(1, OnFault);
    ::SetUnhandledExceptionFilter(OnUnhandled);
  }
} g_install __attribute__((init_priority(101)));
}  // namespace

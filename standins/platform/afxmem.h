// The platform's heap: every block the string class and the editor allocate comes from here, so
// that tests can count allocations and make the N-th one fail.
#pragma once

#include "afxver.h"

// Throws CMemoryException* when the block cannot be had.
AFX_API void* AfxAllocMemory(std::size_t nBytes);
// Returns null instead of throwing.
AFX_API void* AfxTryAllocMemory(std::size_t nBytes);
AFX_API void AfxFreeMemory(void* p);
// The blocks of operator new: counted and made to fail as the others, but not in the live count,
// since the operator delete of another binary (one not built on the platform) may free them.
AFX_API void* AfxTryAllocObjectMemory(std::size_t nBytes);
AFX_API void AfxFreeObjectMemory(void* p);

// Test hooks. The countdown makes the N-th allocation from now fail (1 = the next one);
// 0 switches failure off. Returns what was left of the countdown before: 0 once the failure has
// happened (or when none was set). The counters run for the life of the process.
AFX_API long AfxSetAllocFailureCountdown(long nAllocations);
AFX_API unsigned long long AfxGetAllocationCount();
AFX_API long long AfxGetLiveAllocationCount();

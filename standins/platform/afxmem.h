// The platform's heap: every block the string class and the editor allocate comes from here, so
// that tests can count allocations and make the N-th one fail.
#pragma once

#include "afxver.h"

// Throws CMemoryException* when the block cannot be had.
AFX_API void* AfxAllocMemory(std::size_t nBytes);
// Returns null instead of throwing.
AFX_API void* AfxTryAllocMemory(std::size_t nBytes);
AFX_API void AfxFreeMemory(void* p);

// Test hooks. The countdown makes the N-th allocation from now fail (1 = the next one);
// 0 switches failure off. The counters run for the life of the process.
AFX_API void AfxSetAllocFailureCountdown(long nAllocations);
AFX_API unsigned long long AfxGetAllocationCount();
AFX_API long long AfxGetLiveAllocationCount();

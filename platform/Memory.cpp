#include <cstdlib>

#include "afxexcept.h"
#include "afxmem.h"

namespace {
long g_failCountdown = 0;
unsigned long long g_allocations = 0;
long long g_live = 0;
}  // namespace

void* AfxTryAllocMemory(std::size_t nBytes) {
  if (g_failCountdown > 0 && --g_failCountdown == 0) return nullptr;
  void* p = std::malloc(nBytes ? nBytes : 1);
  if (p != nullptr) {
    ++g_allocations;
    ++g_live;
  }
  return p;
}

void* AfxAllocMemory(std::size_t nBytes) {
  void* p = AfxTryAllocMemory(nBytes);
  if (p == nullptr) AfxThrowMemoryException();
  return p;
}

void AfxFreeMemory(void* p) {
  if (p == nullptr) return;
  --g_live;
  std::free(p);
}

void AfxSetAllocFailureCountdown(long nAllocations) { g_failCountdown = nAllocations > 0 ? nAllocations : 0; }
unsigned long long AfxGetAllocationCount() { return g_allocations; }
long long AfxGetLiveAllocationCount() { return g_live; }

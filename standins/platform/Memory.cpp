#include <atomic>
#include <cstdlib>

#include "afxexcept.h"
#include "afxmem.h"

namespace {
// Counted from every thread that allocates; only the counts matter, not their order.
std::atomic<long> g_failCountdown{0};
std::atomic<unsigned long long> g_allocations{0};
std::atomic<long long> g_live{0};
constexpr std::memory_order kRelaxed = std::memory_order_relaxed;
}  // namespace

namespace {
void* TryAlloc(std::size_t nBytes) {
  if (g_failCountdown.load(kRelaxed) > 0 && g_failCountdown.fetch_sub(1, kRelaxed) == 1) return nullptr;
  void* p = std::malloc(nBytes ? nBytes : 1);
  if (p != nullptr) g_allocations.fetch_add(1, kRelaxed);
  return p;
}
}  // namespace

void* AfxTryAllocMemory(std::size_t nBytes) {
  void* p = TryAlloc(nBytes);
  if (p != nullptr) g_live.fetch_add(1, kRelaxed);
  return p;
}

void* AfxTryAllocObjectMemory(std::size_t nBytes) { return TryAlloc(nBytes); }
void AfxFreeObjectMemory(void* p) { std::free(p); }

void* AfxAllocMemory(std::size_t nBytes) {
  void* p = AfxTryAllocMemory(nBytes);
  if (p == nullptr) AfxThrowMemoryException();
  return p;
}

void AfxFreeMemory(void* p) {
  if (p == nullptr) return;
  g_live.fetch_sub(1, kRelaxed);
  std::free(p);
}

long AfxSetAllocFailureCountdown(long nAllocations) { return g_failCountdown.exchange(nAllocations > 0 ? nAllocations : 0, kRelaxed); }
unsigned long long AfxGetAllocationCount() { return g_allocations.load(kRelaxed); }
long long AfxGetLiveAllocationCount() { return g_live.load(kRelaxed); }

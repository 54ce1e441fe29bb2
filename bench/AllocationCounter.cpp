#include "AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace {
unsigned long long g_count = 0;
}

unsigned long long GetOperatorNewCount() { return g_count; }

void* operator new(std::size_t n) {
  ++g_count;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

// Operator new and delete of each binary built on the platform (the platform's DLL, the kernel,
// a module), as the shared library gives them to every module that links it: blocks come from
// the platform's heap, and running out of memory throws the platform's memory exception, never
// std::bad_alloc. The nothrow forms answer null instead. Compiled into each binary, because a
// DLL's calls to operator new resolve inside that DLL.
#include <new>

#include "../afxexcept.h"
#include "../afxmem.h"

namespace {
void* AllocObject(std::size_t nBytes) {
  void* p = AfxTryAllocObjectMemory(nBytes);
  if (p == nullptr) AfxThrowMemoryException();
  return p;
}
}  // namespace

void* operator new(std::size_t nBytes) { return AllocObject(nBytes); }
void* operator new[](std::size_t nBytes) { return AllocObject(nBytes); }
void* operator new(std::size_t nBytes, const std::nothrow_t&) noexcept { return AfxTryAllocObjectMemory(nBytes); }
void* operator new[](std::size_t nBytes, const std::nothrow_t&) noexcept { return AfxTryAllocObjectMemory(nBytes); }

void operator delete(void* p) noexcept { AfxFreeObjectMemory(p); }
void operator delete[](void* p) noexcept { AfxFreeObjectMemory(p); }
void operator delete(void* p, std::size_t) noexcept { AfxFreeObjectMemory(p); }
void operator delete[](void* p, std::size_t) noexcept { AfxFreeObjectMemory(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { AfxFreeObjectMemory(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { AfxFreeObjectMemory(p); }

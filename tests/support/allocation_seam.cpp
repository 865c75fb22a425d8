#include "support/allocation_seam.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> armed{false};
std::atomic<int64_t> made{0}, failAt{-1}, live{0};

}  // namespace

// ThreadSanitizer brings operator new and delete of its own: its build runs
// the concurrent tests, not the sweeps, and leaves them alone.
#ifndef CHKRSL_NO_ALLOCATION_SEAM
namespace {

// Null for the allocation that is to fail; the nothrow forms never do.
void* Allocate(std::size_t n, bool mayFail = false) {
  if (mayFail && armed.load(std::memory_order_relaxed) && made.fetch_add(1) == failAt.load()) return nullptr;
  void* p = std::malloc(n ? n : 1);
  if (p) live.fetch_add(1, std::memory_order_relaxed);
  return p;
}

void* AllocateOrThrow(std::size_t n) {
  if (void* p = Allocate(n, true)) return p;
  throw std::bad_alloc();
}

void Release(void* p) {
  if (p) live.fetch_sub(1, std::memory_order_relaxed);
  std::free(p);
}

}  // namespace

void* operator new(std::size_t n) { return AllocateOrThrow(n); }
void* operator new[](std::size_t n) { return AllocateOrThrow(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Release(p); }
#endif

namespace chkrsl_test {

void AllocationFaults::Arm(int64_t failAtAllocation) {
  made = 0;
  failAt = failAtAllocation;
  armed = true;
}

void AllocationFaults::Disarm() { armed = false; }
int64_t AllocationFaults::Made() { return made.load(); }
int64_t AllocationFaults::Live() { return live.load(); }

}  // namespace chkrsl_test

// The allocation seam of the tests: the test program replaces the global
// operator new and delete (allocation_seam.cpp), so that a test can make the
// n-th allocation of a call throw std::bad_alloc, as it does on a host whose
// address space is full, and can count the blocks still held. Underneath
// are malloc and free, which the sanitizers watch as usual.
#pragma once

#include <cstdint>

namespace chkrsl_test {

class AllocationFaults {
 public:
  // Starts counting allocations from 0; allocation `failAt` throws (-1: none
  // does). The nothrow forms are neither counted nor failed.
  static void Arm(int64_t failAt);
  static void Disarm();   // stops counting and failing
  static int64_t Made();  // allocations counted since Arm, the failed one included
  static int64_t Live();  // blocks of the whole program allocated and not yet freed
};

}  // namespace chkrsl_test

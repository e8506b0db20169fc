// Counts heap allocations made while counting is switched on.  The fake
// platform pauses the count inside its own methods, so what is counted is
// the program's own code.
#pragma once

#include <cstddef>

namespace vz::testing {

void startCountingAllocations();
size_t stopCountingAllocations();  // the number counted since start

class AllocationPause {
 public:
  AllocationPause();
  ~AllocationPause();
  AllocationPause(const AllocationPause&) = delete;
  AllocationPause& operator=(const AllocationPause&) = delete;

 private:
  bool wasCounting_;
};

}  // namespace vz::testing

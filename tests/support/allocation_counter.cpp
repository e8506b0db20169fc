#include "support/allocation_counter.h"

#include <cstdlib>
#include <new>

namespace vz::testing {
namespace {
thread_local bool counting = false;
thread_local size_t counted = 0;
}  // namespace

void startCountingAllocations() {
  counted = 0;
  counting = true;
}

size_t stopCountingAllocations() {
  counting = false;
  return counted;
}

void noteAllocation();

AllocationPause::AllocationPause() : wasCounting_(counting) { counting = false; }
AllocationPause::~AllocationPause() { counting = wasCounting_; }

void noteAllocation() {
  if (counting) ++counted;
}

}  // namespace vz::testing

void* operator new(std::size_t size) {
  vz::testing::noteAllocation();
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

// Counts the allocations of the whole benchmark program, for the allocs/frame figures. It
// replaces the global operator new, so exactly one source file of a program includes it.
#pragma once

#include <atomic>
#include <cstdlib>
#include <new>

inline std::atomic<long long> gAllocations{0};

void* operator new(std::size_t n) {
  ++gAllocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

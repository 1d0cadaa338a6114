// ComplexFFT allocates nothing. This executable replaces the global allocation functions
// with counting ones; the engine uses no other allocator.

#include "fft/fft_support.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> Allocations{0};

void* Allocate(std::size_t size, std::size_t alignment) {
    Allocations.fetch_add(1, std::memory_order_relaxed);
    if (size == 0) size = 1;
    void* p = alignment > alignof(std::max_align_t)
                  ? std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment)
                  : std::malloc(size);
    if (p == nullptr) throw std::bad_alloc();
    return p;
}
}  // namespace

void* operator new(std::size_t size) { return Allocate(size, 0); }
void* operator new[](std::size_t size) { return Allocate(size, 0); }
void* operator new(std::size_t size, std::align_val_t a) { return Allocate(size, static_cast<std::size_t>(a)); }
void* operator new[](std::size_t size, std::align_val_t a) { return Allocate(size, static_cast<std::size_t>(a)); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }

namespace fft_test {
namespace {

TEST(Allocation, CountingHookSeesAllocations) {
    const long before = Allocations.load();
    auto probe = std::make_unique<int>(1);
    EXPECT_GT(Allocations.load(), before);
}

TEST(Allocation, ComplexFFTAllocatesNothing) {
    std::vector<TComplexSingle> data = RandomBuffer(uFFTasm::MaxSize, 1);
    std::vector<TComplexSingle> block(uFFTasm::MaxSize);
    const uFFTasm::TCodePath* paths[] = {&uFFTasm::PortablePath(), uFFTasm::Avx2PathIfSupported(),
                                         uFFTasm::Avx512PathIfSupported()};
    const long before = Allocations.load();
    for (const uFFTasm::TCodePath* path : paths) {
        if (path == nullptr) continue;
        uFFTasm::ForcePath(path);
        for (int n = 2; n <= uFFTasm::MaxSize; n *= 2) {
            for (int flags = 0; flags < 8; ++flags) {
                uFFTasm::ComplexFFT(data.data(), n, flags & 1, flags & 2, flags & 4);
            }
            uFFTasm::ComplexFFT(data.data(), n, false, false, true, block.data());
        }
    }
    const long after = Allocations.load();
    uFFTasm::ForcePath(nullptr);
    // Hand the engine its own block again before ours goes away.
    uFFTasm::FFTDone();
    uFFTasm::FFTInit();
    EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace fft_test

// The AVX-512 code path's composite kernels: eight blocks per leaf batch, and the AVX2 leaves
// for a last batch of four, so a leaf plan need only be padded to a multiple of four. The
// reordering and the scaling only move or scale values one by one and stay those of the
// AVX2 path.

#include "fft/Avx512Math.h"
#include "fft/CompositeKernels.h"

namespace uFFTasm {

using namespace avx512;

namespace {

using TLeaves = void (*)(TComplexSingle* base, const std::uint16_t* offsets, int count);

template <int Count, class Kernel>
[[gnu::always_inline]] inline void RunLeaves(TComplexSingle* base, const std::uint16_t* offsets, int count, Kernel kernel,
                                             TLeaves lastFour) {
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        TComplexSingle* blocks[8];
        for (int b = 0; b < 8; ++b) blocks[b] = base + offsets[i + b];
        Oct x[Count];
        LoadBlocks<Count>(blocks, x);
        kernel(x);
        StoreBlocks<Count>(blocks, x);
    }
    if (i < count) lastFour(base, offsets + i, count - i);
}

struct Avx512Ops {
    static constexpr int Batch = 4;
    static void ForwardPass(TComplexSingle* d, const TComplexSingle* t, int n8) { ForwardPassAvx512(d, t, n8); }
    static void ForwardPassLarge(TComplexSingle* d, const TComplexSingle* t, int n8) { ForwardPassLargeAvx512(d, t, n8); }
    static void InversePass(TComplexSingle* d, const TComplexSingle* t, int n8) { InversePassAvx512(d, t, n8); }
    static void InversePassLarge(TComplexSingle* d, const TComplexSingle* t, int n8) { InversePassLargeAvx512(d, t, n8); }
    static void ForwardPasses32(TComplexSingle* b, const std::uint16_t* o, int count) { ForwardPasses32Avx512(b, o, count); }
    static void InversePasses32(TComplexSingle* b, const std::uint16_t* o, int count) { InversePasses32Avx512(b, o, count); }
    static void ForwardPasses64(TComplexSingle* b, const std::uint16_t* o, int count) { ForwardPasses64Avx512(b, o, count); }
    static void InversePasses64(TComplexSingle* b, const std::uint16_t* o, int count) { InversePasses64Avx512(b, o, count); }
    static void ForwardLeaves16(TComplexSingle* base, const std::uint16_t* offsets, int count) {
        RunLeaves<16>(base, offsets, count, Forward16<D8>, ForwardLeaves16Avx2);
    }
    static void ForwardLeaves8(TComplexSingle* base, const std::uint16_t* offsets, int count) {
        RunLeaves<8>(base, offsets, count, Forward8<D8>, ForwardLeaves8Avx2);
    }
    static void InverseLeaves16(TComplexSingle* base, const std::uint16_t* offsets, int count) {
        RunLeaves<16>(base, offsets, count, Inverse16<D8>, InverseLeaves16Avx2);
    }
    static void InverseLeaves8(TComplexSingle* base, const std::uint16_t* offsets, int count) {
        RunLeaves<8>(base, offsets, count, Inverse8<D8>, InverseLeaves8Avx2);
    }
};

}  // namespace

const TCodePath& Avx512Path() {
    static const TCodePath path{composite::ForwardKernelsOf<Avx512Ops>(), composite::InverseKernelsOf<Avx512Ops>(),
                                PermuteAvx2, ScaleAvx2};
    return path;
}

}  // namespace uFFTasm

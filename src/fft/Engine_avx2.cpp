// The AVX2 code path's composite kernels: four blocks per leaf batch.

#include "fft/Avx2Math.h"
#include "fft/CompositeKernels.h"

namespace uFFTasm {

using namespace avx2;

namespace {

template <int Count, class Kernel>
[[gnu::always_inline]] inline void RunLeaves(TComplexSingle* base, const std::uint16_t* offsets, int count, Kernel kernel) {
    for (int i = 0; i < count; i += 4) {
        TComplexSingle* const blocks[4] = {base + offsets[i], base + offsets[i + 1], base + offsets[i + 2],
                                           base + offsets[i + 3]};
        Quad x[Count];
        LoadBlocks<Count>(blocks, x);
        kernel(x);
        StoreBlocks<Count>(blocks, x);
    }
}

struct Avx2Ops {
    static constexpr int Batch = 4;
    static void ForwardPass(TComplexSingle* d, const TComplexSingle* t, int n8) { ForwardPassAvx2(d, t, n8); }
    static void ForwardPassLarge(TComplexSingle* d, const TComplexSingle* t, int n8) { ForwardPassLargeAvx2(d, t, n8); }
    static void InversePass(TComplexSingle* d, const TComplexSingle* t, int n8) { InversePassAvx2(d, t, n8); }
    static void InversePassLarge(TComplexSingle* d, const TComplexSingle* t, int n8) { InversePassLargeAvx2(d, t, n8); }
    static void ForwardPasses32(TComplexSingle* b, const std::uint16_t* o, int count) { ForwardPasses32Avx2(b, o, count); }
    static void InversePasses32(TComplexSingle* b, const std::uint16_t* o, int count) { InversePasses32Avx2(b, o, count); }
    static void ForwardPasses64(TComplexSingle* b, const std::uint16_t* o, int count) { ForwardPasses64Avx2(b, o, count); }
    static void InversePasses64(TComplexSingle* b, const std::uint16_t* o, int count) { InversePasses64Avx2(b, o, count); }
    static void ForwardLeaves16(TComplexSingle* b, const std::uint16_t* o, int count) { ForwardLeaves16Avx2(b, o, count); }
    static void ForwardLeaves8(TComplexSingle* b, const std::uint16_t* o, int count) { ForwardLeaves8Avx2(b, o, count); }
    static void InverseLeaves16(TComplexSingle* b, const std::uint16_t* o, int count) { InverseLeaves16Avx2(b, o, count); }
    static void InverseLeaves8(TComplexSingle* b, const std::uint16_t* o, int count) { InverseLeaves8Avx2(b, o, count); }
};

}  // namespace

void ForwardLeaves16Avx2(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    RunLeaves<16>(base, offsets, count, Forward16<D4>);
}
void ForwardLeaves8Avx2(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    RunLeaves<8>(base, offsets, count, Forward8<D4>);
}
void InverseLeaves16Avx2(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    RunLeaves<16>(base, offsets, count, Inverse16<D4>);
}
void InverseLeaves8Avx2(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    RunLeaves<8>(base, offsets, count, Inverse8<D4>);
}

const TCodePath& Avx2Path() {
    static const TCodePath path{composite::ForwardKernelsOf<Avx2Ops>(), composite::InverseKernelsOf<Avx2Ops>(),
                                PermuteAvx2, ScaleAvx2};
    return path;
}

}  // namespace uFFTasm

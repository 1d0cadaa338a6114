#pragma once
// A vector code path assembled from the one vector engine source: the passes and leaves of
// VectorPasses.h on the layer Wide, the composite kernels of CompositeKernels.h, and the
// scaling and reordering. A leaf plan is padded to whole batches of Narrow::Width blocks; the
// batches of Wide::Width blocks run on Wide and a last shorter batch on Narrow (a layer of
// half the width, or Wide itself), so little work is wasted on padding.
//
// Include only from the *_avx*.cpp engine files, after their layers.

#include "fft/CompositeKernels.h"
#include "fft/VectorPasses.h"

namespace uFFTasm::vector {

template <class Wide, class Narrow>
struct Engine {
    static_assert(Wide::Width % Narrow::Width == 0);
    using P = Passes<Wide>;
    static constexpr int Batch = Narrow::Width;

    static void ForwardPass(TComplexSingle* d, const TComplexSingle* t, int n8) { P::ForwardPass(d, t, n8); }
    static void ForwardPassLarge(TComplexSingle* d, const TComplexSingle* t, int n8) { P::ForwardPassLarge(d, t, n8); }
    static void InversePass(TComplexSingle* d, const TComplexSingle* t, int n8) { P::InversePass(d, t, n8); }
    static void InversePassLarge(TComplexSingle* d, const TComplexSingle* t, int n8) { P::InversePassLarge(d, t, n8); }
    static void ForwardPasses32(TComplexSingle* b, const std::uint16_t* o, int count) { P::template ForwardPasses<5>(b, o, count); }
    static void ForwardPasses64(TComplexSingle* b, const std::uint16_t* o, int count) { P::template ForwardPasses<6>(b, o, count); }
    static void InversePasses32(TComplexSingle* b, const std::uint16_t* o, int count) { P::template InversePasses<5>(b, o, count); }
    static void InversePasses64(TComplexSingle* b, const std::uint16_t* o, int count) { P::template InversePasses<6>(b, o, count); }

    static void ForwardLeaves16(TComplexSingle* b, const std::uint16_t* o, int count) {
        Leaves<16>(b, o, count, [](auto* x) { Forward16(x); });
    }
    static void ForwardLeaves8(TComplexSingle* b, const std::uint16_t* o, int count) {
        Leaves<8>(b, o, count, [](auto* x) { Forward8(x); });
    }
    static void InverseLeaves16(TComplexSingle* b, const std::uint16_t* o, int count) {
        Leaves<16>(b, o, count, [](auto* x) { Inverse16(x); });
    }
    static void InverseLeaves8(TComplexSingle* b, const std::uint16_t* o, int count) {
        Leaves<8>(b, o, count, [](auto* x) { Inverse8(x); });
    }

    static const TCodePath& Path() {
        static const TCodePath path{composite::ForwardKernelsOf<Engine>(),
                                    composite::InverseKernelsOf<Engine>(),
                                    P::Permute,
                                    P::Scale,
                                    ForwardPass,
                                    ForwardPassLarge,
                                    InversePass,
                                    InversePassLarge};
        return path;
    }

private:
    // The kernel is a generic lambda, instantiated for each layer's number type.
    template <int Count, class Kernel>
    [[gnu::always_inline]] static void Leaves(TComplexSingle* base, const std::uint16_t* offsets, int count, Kernel kernel) {
        const int wide = count / Wide::Width * Wide::Width;
        P::template Leaves<Count>(base, offsets, wide, kernel);
        if constexpr (Wide::Width != Narrow::Width) {
            if (wide < count) Passes<Narrow>::template Leaves<Count>(base, offsets + wide, count - wide, kernel);
        }
    }
};

}  // namespace uFFTasm::vector

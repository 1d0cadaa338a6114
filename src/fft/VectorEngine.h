#pragma once
// A vector code path assembled from the one vector engine source: the passes and leaves of
// VectorPasses.h on the layer Wide, the composite kernels of CompositeKernels.h, and the
// scaling and reordering. A leaf plan is padded to whole batches of Narrow::Width blocks; the
// batches of Wide::Width blocks run on Wide and a last shorter batch on Narrow (a layer of
// half the width, or Wide itself), so little work is wasted on padding.
//
// Include only from the *_avx*.cpp engine files, after their layers.

#include "fft/ColumnLeaves.h"
#include "fft/CompositeKernels.h"
#include "fft/VectorPasses.h"

#include <type_traits>

namespace uFFTasm::vector {

template <class Wide, class Narrow>
struct Engine {
    static_assert(Wide::Width % Narrow::Width == 0);
    using P = Passes<Wide>;
    using NarrowLeaves = Passes<Narrow, Wide::Width>;  // on the same split layout as P
    static constexpr int Batch = Narrow::Width;

    template <bool Large, bool SplitIn, bool SplitOut>
    static void ForwardPass(TComplexSingle* d, const double* factors, int n8) {
        P::template ForwardPass<Large, SplitIn, SplitOut>(d, factors, n8);
    }
    template <bool Large, bool SplitIn, bool SplitOut>
    static void InversePass(const TComplexSingle* from, TComplexSingle* to, const double* factors, int n8) {
        P::template InversePass<Large, SplitIn, SplitOut>(from, to, factors, n8);
    }
    template <bool SplitIn>
    static void ForwardPasses32(TComplexSingle* b, const std::uint16_t* o, int count) {
        P::template ForwardPasses<5, SplitIn, true>(b, o, count);
    }
    template <bool SplitIn>
    static void ForwardPasses64(TComplexSingle* b, const std::uint16_t* o, int count) {
        P::template ForwardPasses<6, SplitIn, true>(b, o, count);
    }
    template <bool SplitOut>
    static void InversePasses32(TComplexSingle* b, const std::uint16_t* o, int count) {
        P::template InversePasses<5, true, SplitOut>(b, o, count);
    }
    template <bool SplitOut>
    static void InversePasses64(TComplexSingle* b, const std::uint16_t* o, int count) {
        P::template InversePasses<6, true, SplitOut>(b, o, count);
    }

    static void ForwardLeaves16(const TComplexSingle* from, TComplexSingle* to, const std::uint16_t* o, int count) {
        Leaves<16, true>(from, to, o, count, [](auto* x) { Forward16(x); });
    }
    static void ForwardLeaves8(const TComplexSingle* from, TComplexSingle* to, const std::uint16_t* o, int count) {
        Leaves<8, true>(from, to, o, count, [](auto* x) { Forward8(x); });
    }
    static void InverseLeaves16(const TComplexSingle* from, TComplexSingle* to, const std::uint16_t* o, int count) {
        Leaves<16, false>(from, to, o, count, [](auto* x) { Inverse16(x); });
    }
    static void InverseLeaves8(const TComplexSingle* from, TComplexSingle* to, const std::uint16_t* o, int count) {
        Leaves<8, false>(from, to, o, count, [](auto* x) { Inverse8(x); });
    }
    // The same with the input gathered from natural order: point k of the block at offset o
    // from source[order[o + k]].
    static void InverseLeaves16(const TComplexSingle* source, const std::uint16_t* order, TComplexSingle* to,
                                const std::uint16_t* o, int count) {
        GatherLeaves<16>(source, order, to, o, count, [](auto* x) { Inverse16(x); });
    }
    static void InverseLeaves8(const TComplexSingle* source, const std::uint16_t* order, TComplexSingle* to,
                               const std::uint16_t* o, int count) {
        GatherLeaves<8>(source, order, to, o, count, [](auto* x) { Inverse8(x); });
    }

    // The last passes of a forward transform with reordering: the 64-point passes keep the
    // first half of each block in data for the 32-point passes and store the quarters, which
    // are leaves, into work; the 32-point passes store all their results into work. Every leaf
    // then finds its input in work (see ForwardColumns).
    static void ForwardPasses64Into(TComplexSingle* b, TComplexSingle* work, const std::uint16_t* o, int count) {
        P::template ForwardPassesInto<6, true, true>(b, b, work, o, count);
    }
    static void ForwardPasses32Into(TComplexSingle* b, TComplexSingle* work, const std::uint16_t* o, int count) {
        P::template ForwardPassesInto<5, true, true>(b, work, work, o, count);
    }

    // The leaves of a transform with reordering (ColumnLeaves.h). Forward: from the last
    // passes' results in work into data in natural order, and, if Keep, back over work in
    // kernel order. Inverse: from the input in natural order in from (times factor if Scaled)
    // into to for the passes.
    template <int Log2, bool Keep>
    static void ForwardColumns(TComplexSingle* work, TComplexSingle* data) {
        LeafColumns<Log2>([&](auto layer, auto paired, const std::uint16_t* regions, int s, int m, int skip) {
            decltype(layer)::type::template Forward<decltype(paired)::value, Keep>(work, data, regions, s, m, 16 * m, skip);
        });
    }
    template <int Log2, bool Scaled>
    static void InverseColumns(const TComplexSingle* from, TComplexSingle* to, float factor) {
        LeafColumns<Log2>([&](auto layer, auto paired, const std::uint16_t* regions, int s, int m, int) {
            decltype(layer)::type::template Inverse<decltype(paired)::value, Scaled>(from, to, regions, s, m, 16 * m,
                                                                                     factor);
        });
    }
    // The single-leaf columns first, then the columns that hold a pair of leaves.
    template <int Log2, class Column>
    [[gnu::always_inline]] static void LeafColumns(Column column) {
        constexpr const auto& plan = columns::Columns<Engine, Log2>;
        constexpr int m = (1 << Log2) / 16;
        static_assert(plan.pairs - plan.first >= Narrow::Width && plan.first + m - plan.pairs >= Narrow::Width);
        ForEachBatch(plan.first, plan.pairs, [&](auto layer, int s, int skip) {
            column(layer, std::false_type{}, plan.region + (s - plan.first), s, m, skip);
        });
        ForEachBatch(plan.pairs, plan.first + m, [&](auto layer, int s, int skip) {
            column(layer, std::true_type{}, plan.region + (s - plan.first), s, m, skip);
        });
    }
    static void CopyScaled(const TComplexSingle* data, int n, bool scale, float factor, TComplexSingle* work) {
        P::CopyScaled(data, n, scale, factor, work);
    }

    static const TCodePath& Path() {
        static const TCodePath path{composite::ForwardKernelsOf<Engine>(),
                                    composite::InverseKernelsOf<Engine>(),
                                    P::Permute,
                                    P::Scale,
                                    ForwardPassOfTable<false>,
                                    ForwardPassOfTable<true>,
                                    InversePassOfTable<false>,
                                    InversePassOfTable<true>,
                                    composite::ReorderKernelsOf<Engine>(),
                                    P::Gather,
                                    P::CopyScaled};
        return path;
    }

private:
    using WideColumns = ColumnLeaves<Wide, Wide::Width>;
    using NarrowColumns = ColumnLeaves<Narrow, Wide::Width>;
    using OneColumn = SingleColumn<Narrow, Wide::Width>;

    // Calls batch(layer, s, skip) for batches of consecutive columns s .. s+width-1 that cover
    // [first, end) (at least Narrow::Width columns): Wide batches, and for the rest one more Wide batch or Narrow ones, the last
    // of them moved back to end where it would overrun. A batch moved back runs first: its
    // first skip columns come again in the batches after it, moved or computed twice from the
    // same input, with the same bits. A run one column longer than a whole number of Narrow
    // batches leaves its last column to OneColumn.
    template <class Batch>
    [[gnu::always_inline]] static void ForEachBatch(int first, int end, Batch batch) {
        if ((end - first) % Narrow::Width == 1) {
            --end;
            batch(std::type_identity<OneColumn>{}, end, 0);
        }
        const int wideEnd = first + (end - first) / Wide::Width * Wide::Width;
        const int rest = end - wideEnd;
        const bool wideTail = rest > Narrow::Width && wideEnd > first;
        if (rest > 0) {
            if (wideTail) {
                batch(std::type_identity<WideColumns>{}, end - Wide::Width, Wide::Width - rest);
            } else {
                const int narrowBatches = (rest + Narrow::Width - 1) / Narrow::Width;
                batch(std::type_identity<NarrowColumns>{}, end - Narrow::Width, narrowBatches * Narrow::Width - rest);
            }
        }
        for (int s = first; s < wideEnd; s += Wide::Width) batch(std::type_identity<WideColumns>{}, s, 0);
        if (!wideTail) {
            for (int s = wideEnd; s + Narrow::Width < end; s += Narrow::Width) batch(std::type_identity<NarrowColumns>{}, s, 0);
        }
    }

    template <int Count, class Kernel>
    [[gnu::always_inline]] static void GatherLeaves(const TComplexSingle* source, const std::uint16_t* order, TComplexSingle* to,
                                                    const std::uint16_t* offsets, int count, Kernel kernel) {
        const int wide = count / Wide::Width * Wide::Width;
        P::template GatherLeaves<Count>(source, order, to, offsets, wide, kernel);
        if constexpr (Wide::Width != Narrow::Width) {
            if (wide < count) NarrowLeaves::template GatherLeaves<Count>(source, order, to, offsets + wide, count - wide, kernel);
        }
    }

    // The pass routines as the code path lists them, over a twiddle table: they read the pass
    // factors of the same size instead, which hold the same values.
    template <bool Large>
    static void ForwardPassOfTable(TComplexSingle* d, const TComplexSingle*, int n8) {
        P::template ForwardPass<Large, false, false>(d, PassFactors[Log2Of(8 * n8)], n8);
    }
    template <bool Large>
    static void InversePassOfTable(TComplexSingle* d, const TComplexSingle*, int n8) {
        P::template InversePass<Large, false, false>(d, d, PassFactors[Log2Of(8 * n8)], n8);
    }
    static int Log2Of(int n) {
        int log2n = 0;
        while ((1 << log2n) < n) ++log2n;
        return log2n;
    }

    // The kernel is a generic lambda, instantiated for each layer's number type.
    template <int Count, bool SplitIn, class Kernel>
    [[gnu::always_inline]] static void Leaves(const TComplexSingle* from, TComplexSingle* to, const std::uint16_t* offsets,
                                              int count, Kernel kernel) {
        const int wide = count / Wide::Width * Wide::Width;
        P::template Leaves<Count, SplitIn>(from, to, offsets, wide, kernel);
        if constexpr (Wide::Width != Narrow::Width) {
            if (wide < count) NarrowLeaves::template Leaves<Count, SplitIn>(from, to, offsets + wide, count - wide, kernel);
        }
    }
};

}  // namespace uFFTasm::vector

#pragma once
// The vector paths' composite kernels, written once for any set of vector pass and leaf
// routines. Above 2^LeafBatchLog2 points they run like the portable ones (pass, quarters,
// half), only with the vectorised passes. A block of that size or less runs all its passes
// first and then its 8- and 16-point leaves a batch of blocks at a time, one block per lane: the leaves
// of a block depend only on the passes above them, so the order changes no result. The
// inverse mirrors this: leaves first, then the passes bottom-up.
//
// The 64- and 32-point passes of such a block likewise run in one loop per size over its
// sub-blocks of that size, after the larger passes (forward: 64 before 32) or between the
// leaves and the larger passes (inverse: 32 before 64): each depends only on the passes or
// leaves that the loops keep before it.
//
// Ops supplies Batch (the leaf plans are padded to a multiple of it) and the static routines
// ForwardPass<Large, SplitIn, SplitOut> and InversePass<...> (over the pass factors),
// ForwardPasses32/64<SplitIn>, InversePasses32/64<SplitOut>, ForwardLeaves16/8 (source,
// target) and InverseLeaves16/8 (source, order, target); see VectorPasses.h for the split
// layout. Each code path passes its own Ops type, made of types from an unnamed namespace, so
// no instance is shared between code built for different processors. For the same reason the
// plans are plain arrays and the tables are reached through a plain array (PassFactors) and a
// plain call (KernelOrderOf): a library template instantiated here with shared types (a std::array or
// std::span member, say) would be a function that an unoptimised build emits once per file
// and the linker may take from either.

#include "fft/FFTInternal.h"

#include <utility>

namespace uFFTasm::composite {

// 16384 points: batching the leaves of the larger blocks too measured a few per cent faster
// from 2048 points on than stopping at 1024.
inline constexpr int LeafBatchLog2 = 14;

// Where the 8- and 16-point leaves of a block of 2^Log2 points start, padded to whole batches
// by repeating the last one (a repeated block is computed twice and stored twice with the
// same bits).
constexpr int LeafCount(int log2n, int leafLog2) {
    if (log2n == leafLog2) return 1;
    if (log2n < 5) return 0;
    return LeafCount(log2n - 1, leafLog2) + 2 * LeafCount(log2n - 2, leafLog2);
}
constexpr int Padded(int count, int batch) { return (count + batch - 1) / batch * batch; }

template <int Batch, int Log2>
struct LeafPlan {
    static constexpr int Sixteen = Padded(LeafCount(Log2, 4), Batch);
    static constexpr int Eight = Padded(LeafCount(Log2, 3), Batch);
    std::uint16_t sixteen[Sixteen]{};
    std::uint16_t eight[Eight]{};
    static constexpr int ThirtyTwo = LeafCount(Log2, 5);
    std::uint16_t thirtyTwo[ThirtyTwo + 1]{};  // where the 32-point sub-blocks start
    static constexpr int SixtyFour = LeafCount(Log2, 6);
    std::uint16_t sixtyFour[SixtyFour + 1]{};  // (one spare entry: a 32-point block has none)
};

template <class Plan>
constexpr void CollectLeaves(int log2n, int offset, Plan& plan, int& sixteen, int& eight, int& thirtyTwo,
                             int& sixtyFour) {
    if (log2n == 5) plan.thirtyTwo[thirtyTwo++] = static_cast<std::uint16_t>(offset);
    if (log2n == 6) plan.sixtyFour[sixtyFour++] = static_cast<std::uint16_t>(offset);
    if (log2n == 4) {
        plan.sixteen[sixteen++] = static_cast<std::uint16_t>(offset);
    } else if (log2n == 3) {
        plan.eight[eight++] = static_cast<std::uint16_t>(offset);
    } else {
        const int n = 1 << log2n;
        CollectLeaves(log2n - 1, offset, plan, sixteen, eight, thirtyTwo, sixtyFour);
        CollectLeaves(log2n - 2, offset + n / 2, plan, sixteen, eight, thirtyTwo, sixtyFour);
        CollectLeaves(log2n - 2, offset + 3 * n / 4, plan, sixteen, eight, thirtyTwo, sixtyFour);
    }
}

template <int Batch, int Log2>
constexpr LeafPlan<Batch, Log2> MakeLeafPlan() {
    using Plan = LeafPlan<Batch, Log2>;
    Plan plan;
    int sixteen = 0, eight = 0, thirtyTwo = 0, sixtyFour = 0;
    CollectLeaves(Log2, 0, plan, sixteen, eight, thirtyTwo, sixtyFour);
    for (int i = sixteen; i < Plan::Sixteen; ++i) plan.sixteen[i] = plan.sixteen[sixteen - 1];
    for (int i = eight; i < Plan::Eight; ++i) plan.eight[i] = plan.eight[eight - 1];
    return plan;
}

// One plan per code path (keyed by Ops, so that each lives in its own file).
template <class Ops, int Log2>
inline constexpr LeafPlan<Ops::Batch, Log2> Leaves = MakeLeafPlan<Ops::Batch, Log2>();

// Top: the block is the whole transform, whose first pass (forward) reads and whose last pass
// (inverse) writes interleaved values; every other pass keeps the data split (VectorPasses.h).
template <class Ops, int Log2, bool Top>
[[gnu::always_inline]] inline void ForwardPassOf(TComplexSingle* data) {
    Ops::template ForwardPass<(Log2 >= FirstLargePassLog2), !Top, true>(data, PassFactors[Log2], (1 << Log2) / 8);
}

// The inverse pass reads from and stores to (in place, or the top pass into data from another
// block).
template <class Ops, int Log2, bool Top>
[[gnu::always_inline]] inline void InversePassOf(const TComplexSingle* from, TComplexSingle* to) {
    Ops::template InversePass<(Log2 >= FirstLargePassLog2), true, !Top>(from, to, PassFactors[Log2], (1 << Log2) / 8);
}
template <class Ops, int Log2, bool Top>
[[gnu::always_inline]] inline void InversePassOf(TComplexSingle* data) {
    InversePassOf<Ops, Log2, Top>(data, data);
}

// The passes of a block and of all its sub-blocks down to 128 points, in kernel call order.
template <class Ops, int Log2, bool Top>
void ForwardPasses(TComplexSingle* data) {
    if constexpr (Log2 >= 7) {
        constexpr int n = 1 << Log2;
        ForwardPassOf<Ops, Log2, Top>(data);
        ForwardPasses<Ops, Log2 - 2, false>(data + n / 2);
        ForwardPasses<Ops, Log2 - 2, false>(data + 3 * n / 4);
        ForwardPasses<Ops, Log2 - 1, false>(data);
    }
}

template <class Ops, int Log2, bool Top>
void InversePasses(TComplexSingle* data) {
    if constexpr (Log2 >= 7) {
        constexpr int n = 1 << Log2;
        InversePasses<Ops, Log2 - 1, false>(data);
        InversePasses<Ops, Log2 - 2, false>(data + n / 2);
        InversePasses<Ops, Log2 - 2, false>(data + 3 * n / 4);
        InversePassOf<Ops, Log2, Top>(data);
    }
}

// Leaves: where the leaves store their results, at the same offsets as in data. The kernel
// proper passes data itself; the transform with reordering passes the work block, so that the
// leaves make the copy the reordering needs.
template <class Ops, int Log2, bool Top>
void ForwardComposite(TComplexSingle* data, TComplexSingle* leaves) {
    constexpr int n = 1 << Log2;
    if constexpr (Log2 <= LeafBatchLog2) {
        using Plan = LeafPlan<Ops::Batch, Log2>;
        ForwardPasses<Ops, Log2, Top>(data);
        Ops::template ForwardPasses64<!(Top && Log2 == 6)>(data, Leaves<Ops, Log2>.sixtyFour, Plan::SixtyFour);
        Ops::template ForwardPasses32<!(Top && Log2 == 5)>(data, Leaves<Ops, Log2>.thirtyTwo, Plan::ThirtyTwo);
        Ops::ForwardLeaves16(data, leaves, Leaves<Ops, Log2>.sixteen, Plan::Sixteen);
        Ops::ForwardLeaves8(data, leaves, Leaves<Ops, Log2>.eight, Plan::Eight);
    } else {
        ForwardPassOf<Ops, Log2, Top>(data);
        ForwardComposite<Ops, Log2 - 2, false>(data + 3 * n / 4, leaves + 3 * n / 4);
        ForwardComposite<Ops, Log2 - 2, false>(data + n / 2, leaves + n / 2);
        ForwardComposite<Ops, Log2 - 1, false>(data, leaves);
    }
}

// Source, order: with reordering, the leaves read point j of the block (j counted from the
// start of the block) from source[order[j]], the input in natural order; otherwise (order null)
// from the block itself.
template <class Ops, int Log2, bool Top>
void InverseComposite(TComplexSingle* data, const TComplexSingle* source, const std::uint16_t* order) {
    constexpr int n = 1 << Log2;
    if constexpr (Log2 <= LeafBatchLog2) {
        using Plan = LeafPlan<Ops::Batch, Log2>;
        if (order == nullptr) {
            Ops::InverseLeaves16(data, data, Leaves<Ops, Log2>.sixteen, Plan::Sixteen);
            Ops::InverseLeaves8(data, data, Leaves<Ops, Log2>.eight, Plan::Eight);
        } else {
            Ops::InverseLeaves16(source, order, data, Leaves<Ops, Log2>.sixteen, Plan::Sixteen);
            Ops::InverseLeaves8(source, order, data, Leaves<Ops, Log2>.eight, Plan::Eight);
        }
        Ops::template InversePasses32<!(Top && Log2 == 5)>(data, Leaves<Ops, Log2>.thirtyTwo, Plan::ThirtyTwo);
        Ops::template InversePasses64<!(Top && Log2 == 6)>(data, Leaves<Ops, Log2>.sixtyFour, Plan::SixtyFour);
        InversePasses<Ops, Log2, Top>(data);
    } else {
        const auto at = [order](int offset) { return order == nullptr ? nullptr : order + offset; };
        InverseComposite<Ops, Log2 - 1, false>(data, source, order);
        InverseComposite<Ops, Log2 - 2, false>(data + n / 2, source, at(n / 2));
        InverseComposite<Ops, Log2 - 2, false>(data + 3 * n / 4, source, at(3 * n / 4));
        InversePassOf<Ops, Log2, Top>(data);
    }
}

// The transforms with reordering from 2^NaturalFromLog2 points on, where every run of columns
// of ColumnPlan.h is wide enough for a batch. Forward: the passes, the last of them storing
// into the work block, then the leaves a batch of columns at a time, storing each result into
// data by rows in natural order (Ops::ForwardColumns).
// Inverse: the leaves load the input in natural order, by rows, scaled when asked
// (Ops::InverseColumns), and the passes follow.
//
// Keep: the work block belongs to a caller, who may look at it afterwards, so it must end up
// holding what the reordering leaves there: the forward leaves also store each result over
// its input in kernel order (the copy the reordering gathers from, without reading it back),
// and the inverse copies data into the block (scaled when asked) first, for the leaves to read,
// and runs its passes in data. The engine's own block is only scratch: the inverse leaves then
// read data itself and store into the block, where the passes run until the last one stores
// into data, which saves the copy.
inline constexpr int NaturalFromLog2 = 8;
// From 8192 points on the rows of a batch lie a multiple of 4 KiB apart and compete for the
// same sets of the first cache level; there, when the leaves must also keep the copy in a
// caller's block, the forward results go through the order table (Gather), which measured
// faster. Storing them once into data, the columns stay faster up to 16384 points.
inline constexpr int ForwardNaturalUpToLog2 = LeafBatchLog2;
inline constexpr int ForwardNaturalKeepUpToLog2 = 12;

// The inverse passes of a block of 2^Log2 points, in place, after its leaves.
template <class Ops, int Log2>
void InversePassesOnly(TComplexSingle* data) {
    constexpr int n = 1 << Log2;
    if constexpr (Log2 <= LeafBatchLog2) {
        using Plan = LeafPlan<Ops::Batch, Log2>;
        Ops::template InversePasses32<true>(data, Leaves<Ops, Log2>.thirtyTwo, Plan::ThirtyTwo);
        Ops::template InversePasses64<true>(data, Leaves<Ops, Log2>.sixtyFour, Plan::SixtyFour);
        InversePasses<Ops, Log2, false>(data);
    } else {
        InversePassesOnly<Ops, Log2 - 1>(data);
        InversePassesOnly<Ops, Log2 - 2>(data + n / 2);
        InversePassesOnly<Ops, Log2 - 2>(data + 3 * n / 4);
        InversePassOf<Ops, Log2, false>(data);
    }
}

template <class Ops, int Log2>
void ForwardNatural(TComplexSingle* data, TComplexSingle* work, bool keep) {
    static_assert(Log2 >= 7 && Log2 <= LeafBatchLog2);
    using Plan = LeafPlan<Ops::Batch, Log2>;
    ForwardPasses<Ops, Log2, true>(data);
    Ops::ForwardPasses64Into(data, work, Leaves<Ops, Log2>.sixtyFour, Plan::SixtyFour);
    Ops::ForwardPasses32Into(data, work, Leaves<Ops, Log2>.thirtyTwo, Plan::ThirtyTwo);
    if (keep) {
        Ops::template ForwardColumns<Log2, true>(work, data);
    } else {
        Ops::template ForwardColumns<Log2, false>(work, data);
    }
}

// The passes below the top one, after the leaves, in passes; the top pass from passes into data.
template <class Ops, int Log2>
[[gnu::always_inline]] inline void InverseNaturalPasses(TComplexSingle* passes, TComplexSingle* data) {
    constexpr int n = 1 << Log2;
    InversePassesOnly<Ops, Log2 - 1>(passes);
    InversePassesOnly<Ops, Log2 - 2>(passes + n / 2);
    InversePassesOnly<Ops, Log2 - 2>(passes + 3 * n / 4);
    InversePassOf<Ops, Log2, true>(passes, data);
}

template <class Ops, int Log2>
void InverseNatural(TComplexSingle* data, TComplexSingle* work, bool scale, float factor, bool keep) {
    if (keep) {
        Ops::CopyScaled(data, 1 << Log2, scale, factor, work);
        Ops::template InverseColumns<Log2, false>(work, data, factor);
        InverseNaturalPasses<Ops, Log2>(data, data);
    } else {
        if (scale) {
            Ops::template InverseColumns<Log2, true>(data, work, factor);
        } else {
            Ops::template InverseColumns<Log2, false>(data, work, factor);
        }
        InverseNaturalPasses<Ops, Log2>(work, data);
    }
}

template <class Ops, int Log2>
void ForwardKernel(TComplexSingle* data) {
    ForwardComposite<Ops, Log2, true>(data, data);
}
template <class Ops, int Log2>
void ForwardKernelToWork(TComplexSingle* data, TComplexSingle* work) {
    ForwardComposite<Ops, Log2, true>(data, work);
}
template <class Ops, int Log2>
void InverseKernel(TComplexSingle* data) {
    InverseComposite<Ops, Log2, true>(data, nullptr, nullptr);
}
template <class Ops, int Log2>
void InverseKernelFromWork(TComplexSingle* data, TComplexSingle* work) {
    InverseComposite<Ops, Log2, true>(data, work, KernelOrderOf(Log2));
}


template <class Ops, int... Log2>
constexpr std::array<TKernel, MaxLog2 + 1> ForwardKernels(std::integer_sequence<int, Log2...>) {
    return {nullptr, ForwardFFT2, ForwardFFT4, ForwardFFT8, ForwardFFT16, ForwardKernel<Ops, Log2 + 5>...};
}
template <class Ops, int... Log2>
constexpr std::array<TKernel, MaxLog2 + 1> InverseKernels(std::integer_sequence<int, Log2...>) {
    return {nullptr, InverseFFT2, InverseFFT4, InverseFFT8, InverseFFT16, InverseKernel<Ops, Log2 + 5>...};
}

// The kernels by log2(N) for a code path: the unrolled portable ones up to 16 points.
template <class Ops>
constexpr std::array<TKernel, MaxLog2 + 1> ForwardKernelsOf() {
    return ForwardKernels<Ops>(std::make_integer_sequence<int, MaxLog2 - 4>());
}
template <class Ops>
constexpr std::array<TKernel, MaxLog2 + 1> InverseKernelsOf() {
    return InverseKernels<Ops>(std::make_integer_sequence<int, MaxLog2 - 4>());
}

// The kernels of the transforms with reordering, by log2(N) (null: the sizes that reorder
// otherwise). Below 2^NaturalFromLog2 points, and for the forward transform above
// 2^ForwardNaturalKeepUpToLog2, the forward leaves store into the work block and the order
// table gathers from it (a size that has both forward kernels takes this one with a caller's
// block); the inverse leaves gather their input from a copy of data
// in the work block (scaled when asked) through the kernel order.
template <class Ops, int Log2>
constexpr TWorkKernel ForwardWorkKernel() {
    if constexpr (Log2 < NaturalFromLog2 || Log2 > ForwardNaturalKeepUpToLog2) {
        return ForwardKernelToWork<Ops, Log2>;
    } else {
        return nullptr;
    }
}
template <class Ops, int Log2>
constexpr TWorkKernel InverseWorkKernel() {
    if constexpr (Log2 < NaturalFromLog2) {
        return InverseKernelFromWork<Ops, Log2>;
    } else {
        return nullptr;
    }
}
template <class Ops, int Log2>
constexpr TNaturalForward ForwardNaturalKernel() {
    if constexpr (Log2 >= NaturalFromLog2 && Log2 <= ForwardNaturalUpToLog2) {
        return ForwardNatural<Ops, Log2>;
    } else {
        return nullptr;
    }
}
template <class Ops, int Log2>
constexpr TNaturalInverse InverseNaturalKernel() {
    if constexpr (Log2 >= NaturalFromLog2) {
        return InverseNatural<Ops, Log2>;
    } else {
        return nullptr;
    }
}

template <class Ops, int... Log2>
constexpr TReorderKernels ReorderKernels(std::integer_sequence<int, Log2...>) {
    TReorderKernels kernels;
    kernels.ForwardNatural = {nullptr, nullptr, nullptr, nullptr, nullptr, ForwardNaturalKernel<Ops, Log2 + 5>()...};
    kernels.InverseNatural = {nullptr, nullptr, nullptr, nullptr, nullptr, InverseNaturalKernel<Ops, Log2 + 5>()...};
    kernels.ForwardToWork = {nullptr, nullptr, nullptr, nullptr, nullptr, ForwardWorkKernel<Ops, Log2 + 5>()...};
    kernels.InverseFromWork = {nullptr, nullptr, nullptr, nullptr, nullptr, InverseWorkKernel<Ops, Log2 + 5>()...};
    return kernels;
}
template <class Ops>
constexpr TReorderKernels ReorderKernelsOf() {
    return ReorderKernels<Ops>(std::make_integer_sequence<int, MaxLog2 - 4>());
}
}  // namespace uFFTasm::composite

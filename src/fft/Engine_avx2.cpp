// The AVX2 code path's composite kernels. Above 1024 points they run like the portable ones
// (pass, quarters, half), only with the vectorised passes. A block of 1024 points or fewer
// runs all its passes first and then its 8- and 16-point leaves four blocks at a time, one
// block per lane: the leaves of a block depend only on the passes above them, so the order
// changes no result. The inverse mirrors this: leaves first, then the passes bottom-up.

#include "fft/Avx2Math.h"

#include <utility>

namespace uFFTasm {

using namespace avx2;

namespace {

constexpr int LeafBatchLog2 = 10;

// Where the 8- and 16-point leaves of a block of 2^Log2 points start, padded to whole batches
// of four by repeating the last one (a repeated block is computed twice and stored twice with
// the same bits).
constexpr int LeafCount(int log2n, int leafLog2) {
    if (log2n == leafLog2) return 1;
    if (log2n < 5) return 0;
    return LeafCount(log2n - 1, leafLog2) + 2 * LeafCount(log2n - 2, leafLog2);
}
constexpr int Padded(int count) { return (count + 3) / 4 * 4; }

template <int Log2>
struct LeafPlan {
    static constexpr int Sixteen = Padded(LeafCount(Log2, 4));
    static constexpr int Eight = Padded(LeafCount(Log2, 3));
    std::array<std::uint16_t, Sixteen> sixteen{};
    std::array<std::uint16_t, Eight> eight{};
};

template <class Plan>
constexpr void CollectLeaves(int log2n, int offset, Plan& plan, int& sixteen, int& eight) {
    if (log2n == 4) {
        plan.sixteen[static_cast<std::size_t>(sixteen++)] = static_cast<std::uint16_t>(offset);
    } else if (log2n == 3) {
        plan.eight[static_cast<std::size_t>(eight++)] = static_cast<std::uint16_t>(offset);
    } else {
        const int n = 1 << log2n;
        CollectLeaves(log2n - 1, offset, plan, sixteen, eight);
        CollectLeaves(log2n - 2, offset + n / 2, plan, sixteen, eight);
        CollectLeaves(log2n - 2, offset + 3 * n / 4, plan, sixteen, eight);
    }
}

template <int Log2>
constexpr LeafPlan<Log2> MakeLeafPlan() {
    LeafPlan<Log2> plan;
    int sixteen = 0, eight = 0;
    CollectLeaves(Log2, 0, plan, sixteen, eight);
    for (int i = sixteen; i < LeafPlan<Log2>::Sixteen; ++i) plan.sixteen[static_cast<std::size_t>(i)] = plan.sixteen[static_cast<std::size_t>(sixteen - 1)];
    for (int i = eight; i < LeafPlan<Log2>::Eight; ++i) plan.eight[static_cast<std::size_t>(i)] = plan.eight[static_cast<std::size_t>(eight - 1)];
    return plan;
}

template <int Log2>
constexpr LeafPlan<Log2> Leaves = MakeLeafPlan<Log2>();

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

void ForwardLeaves16(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    RunLeaves<16>(base, offsets, count, Forward16<D4>);
}
void ForwardLeaves8(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    RunLeaves<8>(base, offsets, count, Forward8<D4>);
}
void InverseLeaves16(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    RunLeaves<16>(base, offsets, count, Inverse16<D4>);
}
void InverseLeaves8(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    RunLeaves<8>(base, offsets, count, Inverse8<D4>);
}

template <int Log2>
[[gnu::always_inline]] inline void ForwardPassOf(TComplexSingle* data) {
    const TComplexSingle* twiddles = TwiddleTable[Log2].data();
    if constexpr (Log2 < FirstLargePassLog2) {
        ForwardPassAvx2(data, twiddles, (1 << Log2) / 8);
    } else {
        ForwardPassLargeAvx2(data, twiddles, (1 << Log2) / 8);
    }
}

template <int Log2>
[[gnu::always_inline]] inline void InversePassOf(TComplexSingle* data) {
    const TComplexSingle* twiddles = TwiddleTable[Log2].data();
    if constexpr (Log2 < FirstLargePassLog2) {
        InversePassAvx2(data, twiddles, (1 << Log2) / 8);
    } else {
        InversePassLargeAvx2(data, twiddles, (1 << Log2) / 8);
    }
}

// The passes of a block and of all its sub-blocks down to 32 points, in kernel call order.
template <int Log2>
void ForwardPasses(TComplexSingle* data) {
    if constexpr (Log2 >= 5) {
        constexpr int n = 1 << Log2;
        ForwardPassOf<Log2>(data);
        ForwardPasses<Log2 - 2>(data + n / 2);
        ForwardPasses<Log2 - 2>(data + 3 * n / 4);
        ForwardPasses<Log2 - 1>(data);
    }
}

template <int Log2>
void InversePasses(TComplexSingle* data) {
    if constexpr (Log2 >= 5) {
        constexpr int n = 1 << Log2;
        InversePasses<Log2 - 1>(data);
        InversePasses<Log2 - 2>(data + n / 2);
        InversePasses<Log2 - 2>(data + 3 * n / 4);
        InversePassOf<Log2>(data);
    }
}

template <int Log2>
void ForwardComposite(TComplexSingle* data) {
    constexpr int n = 1 << Log2;
    if constexpr (Log2 <= LeafBatchLog2) {
        ForwardPasses<Log2>(data);
        ForwardLeaves16(data, Leaves<Log2>.sixteen.data(), LeafPlan<Log2>::Sixteen);
        ForwardLeaves8(data, Leaves<Log2>.eight.data(), LeafPlan<Log2>::Eight);
    } else {
        ForwardPassOf<Log2>(data);
        ForwardComposite<Log2 - 2>(data + 3 * n / 4);
        ForwardComposite<Log2 - 2>(data + n / 2);
        ForwardComposite<Log2 - 1>(data);
    }
}

template <int Log2>
void InverseComposite(TComplexSingle* data) {
    constexpr int n = 1 << Log2;
    if constexpr (Log2 <= LeafBatchLog2) {
        InverseLeaves16(data, Leaves<Log2>.sixteen.data(), LeafPlan<Log2>::Sixteen);
        InverseLeaves8(data, Leaves<Log2>.eight.data(), LeafPlan<Log2>::Eight);
        InversePasses<Log2>(data);
    } else {
        InverseComposite<Log2 - 1>(data);
        InverseComposite<Log2 - 2>(data + n / 2);
        InverseComposite<Log2 - 2>(data + 3 * n / 4);
        InversePassOf<Log2>(data);
    }
}

template <int... Log2>
constexpr std::array<TKernel, MaxLog2 + 1> ForwardKernels(std::integer_sequence<int, Log2...>) {
    return {nullptr, ForwardFFT2, ForwardFFT4, ForwardFFT8, ForwardFFT16, ForwardComposite<Log2 + 5>...};
}
template <int... Log2>
constexpr std::array<TKernel, MaxLog2 + 1> InverseKernels(std::integer_sequence<int, Log2...>) {
    return {nullptr, InverseFFT2, InverseFFT4, InverseFFT8, InverseFFT16, InverseComposite<Log2 + 5>...};
}

}  // namespace

const TCodePath& Avx2Path() {
    static const TCodePath path{ForwardKernels(std::make_integer_sequence<int, 12>()),
                                InverseKernels(std::make_integer_sequence<int, 12>()), PermuteAvx2, ScaleAvx2};
    return path;
}

}  // namespace uFFTasm

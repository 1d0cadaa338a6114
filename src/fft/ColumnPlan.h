#pragma once
// Where the leaves of the kernel stand in natural order. With reordering, the vector paths
// move the forward leaves' results, and the inverse leaves load their input, a batch of
// columns at a time with whole vector rows, instead of one value at a time through the order
// table.
//
// A block of n points inside the transform of N points holds the frequencies r + (N/n)*j
// (mod N), j in the block's own kernel order: its first half keeps r, its third quarter adds
// N/n and its last quarter subtracts it. With M = N/16 and the natural order seen as 16 rows
// of M columns, a 16-point leaf therefore puts its point k at r + M*P16(k): one whole column.
// Its r, kept signed, lies in [-M, M); a negative r is column r + M with row 0 wrapped round
// to the end. The two 8-point leaves of a 32-point block share one column c in [0, M): the
// first (r = c) fills the even rows, the second (r = c - M) the odd ones, its row -1 wrapped
// round to row 15.
//
// Counted from the most negative r (the first signed column), the 16-point leaves fill one
// run of consecutive signed columns and the pairs of 8-point leaves the columns after it, M
// in all. The plan is built at compile time and fails to compile if that ever does not hold.
// Include only from the *_avx*.cpp engine files (see CompositeKernels.h).

#include "fft/FFTInternal.h"

namespace uFFTasm::columns {

// Frequency of kernel position k in a block of n points (P_n; n a power of two).
constexpr int LeafFrequency(int n, int k) {
    if (n <= 2) return k;
    if (k < n / 2) return 2 * LeafFrequency(n / 2, k);
    if (k < 3 * n / 4) return (4 * LeafFrequency(n / 4, k - n / 2) + 1) % n;
    return (4 * LeafFrequency(n / 4, k - 3 * n / 4) + n - 1) % n;
}

// The row of each point k of a 16-point leaf, or of a pair of 8-point leaves (k < 8 the
// first); -1 is row 15 of the column before.
struct LeafRows {
    int row[16];
};
constexpr LeafRows RowsOf(bool pairs) {
    LeafRows rows{};
    for (int k = 0; k < 16; ++k) {
        if (!pairs) {
            rows.row[k] = LeafFrequency(16, k);
        } else {
            rows.row[k] = k < 8 ? 2 * LeafFrequency(8, k) : 2 * LeafFrequency(8, k - 8) - 1;
        }
    }
    return rows;
}

template <int Log2>
struct ColumnPlan {
    static constexpr int N = 1 << Log2;
    static constexpr int M = N / 16;
    int first = 0;  // signed column of the first 16-point leaf (negative)
    int pairs = 0;  // first column of the 8-point pairs; the 16-point leaves end there
    // Kernel-order offset of the leaf (of a pair: of its first leaf) in signed column first + i.
    std::uint16_t region[M]{};
};

// Kind of each signed column r + M while the leaves are collected.
enum class ColumnKind { None, Sixteen, FirstEight, SecondEight };

struct ColumnScratch {
    ColumnKind kind[2 * MaxSize / 16]{};
    int offset[2 * MaxSize / 16]{};
};

// The leaves of the block of 2^log2n points at offset whose frequencies start at r.
constexpr void CollectColumns(int log2n, int log2N, int offset, int r, ColumnScratch& scratch) {
    const int m = (1 << log2N) / 16;
    if (log2n == 4 || log2n == 3) {
        if (r < -m || r >= m) throw "a leaf outside the columns";
        const int at = r + m;
        if (scratch.kind[at] != ColumnKind::None) throw "two leaves in one column";
        scratch.kind[at] = log2n == 4 ? ColumnKind::Sixteen : (r >= 0 ? ColumnKind::FirstEight : ColumnKind::SecondEight);
        scratch.offset[at] = offset;
        return;
    }
    const int n = 1 << log2n;
    const int step = 1 << (log2N - log2n);
    CollectColumns(log2n - 1, log2N, offset, r, scratch);
    CollectColumns(log2n - 2, log2N, offset + n / 2, r + step, scratch);
    CollectColumns(log2n - 2, log2N, offset + 3 * n / 4, r - step, scratch);
}

template <int Log2>
constexpr ColumnPlan<Log2> MakeColumnPlan() {
    using Plan = ColumnPlan<Log2>;
    constexpr int m = Plan::M;
    ColumnScratch scratch;
    CollectColumns(Log2, Log2, 0, 0, scratch);
    Plan plan;
    plan.first = -m;
    while (scratch.kind[plan.first + m] != ColumnKind::Sixteen) ++plan.first;
    plan.pairs = plan.first;
    while (scratch.kind[plan.pairs + m] == ColumnKind::Sixteen) ++plan.pairs;
    for (int i = 0; i < m; ++i) {
        const int column = plan.first + i;
        if (column < plan.pairs) {
            if (scratch.kind[column + m] != ColumnKind::Sixteen) throw "16-point leaves not in one run";
        } else {
            if (scratch.kind[column + m] != ColumnKind::FirstEight) throw "8-point pairs not after the 16-point leaves";
            if (scratch.kind[column] != ColumnKind::SecondEight || scratch.offset[column] != scratch.offset[column + m] + 8) {
                throw "an 8-point leaf without its pair";
            }
        }
        plan.region[i] = static_cast<std::uint16_t>(scratch.offset[column + m]);
    }
    return plan;
}

// One plan per code path (keyed by Ops, so that each lives in its own file).
template <class Ops, int Log2>
inline constexpr ColumnPlan<Log2> Columns = MakeColumnPlan<Log2>();

}  // namespace uFFTasm::columns

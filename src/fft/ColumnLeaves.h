#pragma once
// The reordering of the vector paths from 256 points on, W = S::Width columns of the natural
// order at a time (see ColumnPlan.h): lane b takes signed column s + b, for b < count; the
// lanes above repeat the last column (forward) or compute from zeros (inverse), and nothing of
// theirs is stored. Forward: the kernel-order results of the columns' leaves, loaded from the
// work block and transposed, go to data as rows of consecutive values. Inverse: the leaves
// load their input by rows from the natural-order copy in the work block and store their
// results into data for the passes (split in groups of G points, see VectorPasses.h). A row
// that wraps round the end of the data is split in two.
//
// Include only from the *_avx*.cpp engine files, after the layer.

#include "fft/ColumnPlan.h"
#include "fft/SplitRadix.h"

#include <utility>

namespace uFFTasm::vector {

template <class S, int G>
struct ColumnLeaves {
    using C = typename S::C;
    static constexpr int W = S::Width;

    // Forward: the kernel-order results of the leaves of columns s .. s+count-1, from their
    // regions in work (regions[b] for column s + b; Pairs: two 8-point leaves per column,
    // otherwise one 16-point leaf) into data in natural order, by rows. m = N/16.
    template <bool Pairs>
    static void Forward(const TComplexSingle* work, TComplexSingle* data, const std::uint16_t* regions, int s, int count, int m,
                        int n) {
        const TComplexSingle* blocks[W];
        for (int b = 0; b < W; ++b) blocks[b] = work + regions[b < count ? b : count - 1];
        typename S::Floats f[16];
        S::template LoadRoundedBlocks<16>(blocks, f);
        StoreRows<Pairs>(data, s, count, m, n, f, std::make_integer_sequence<int, 16>());
    }

    // Inverse: the leaves of columns s .. s+count-1 from the natural-order copy of the input in
    // work into their regions of data.
    template <bool Pairs>
    static void Inverse(const TComplexSingle* work, TComplexSingle* data, const std::uint16_t* regions, int s, int count,
                        int m, int n) {
        C x[16];
        LoadRows<Pairs>(work, s, count, m, n, x, std::make_integer_sequence<int, 16>());
        if constexpr (Pairs) {
            Inverse8(x);
            Inverse8(x + 8);
        } else {
            Inverse16(x);
        }
        // The lanes above count computed zeros; they go to a spare block.
        TComplexSingle spare[16];
        TComplexSingle* to[W];
        for (int b = 0; b < W; ++b) to[b] = b < count ? data + regions[b] : spare;
        S::template StoreSplitBlocks<16, G>(to, x);
    }

private:
    template <bool Pairs>
    static constexpr columns::LeafRows Rows = columns::RowsOf(Pairs);

    // Point K of the leaves goes to or comes from row Rows<Pairs>.row[K] of the columns, each
    // with its own compile-time K: the rows stay constants and the points stay in registers.
    template <bool Pairs, int... K>
    [[gnu::always_inline]] static void StoreRows(TComplexSingle* data, int s, int count, int m, int n,
                                                 const typename S::Floats* f, std::integer_sequence<int, K...>) {
        (StoreRow<Rows<Pairs>.row[K]>(data, s + m * Rows<Pairs>.row[K], count, n, f[K]), ...);
    }
    template <bool Pairs, int... K>
    [[gnu::always_inline]] static void LoadRows(const TComplexSingle* work, int s, int count, int m, int n, C* x,
                                                std::integer_sequence<int, K...>) {
        ((x[K] = S::Widen(LoadRow<Rows<Pairs>.row[K]>(work, s + m * Rows<Pairs>.row[K], count, n))), ...);
    }

    // Only row 0 of a negative column and row -1 of a pair start before the data.
    [[gnu::always_inline]] static bool Wraps(int at, int row) { return row <= 0 && at < 0; }

    template <int Row>
    [[gnu::always_inline]] static void StoreRow(TComplexSingle* data, int at, int count, int n, typename S::Floats f) {
        if (Wraps(at, Row)) {
            if (at + count <= 0) {
                StoreRow<1>(data, at + n, count, n, f);
                return;
            }
            TComplexSingle values[W];
            S::StoreF(values, f);
            for (int b = 0; b < count; ++b) data[at + b < 0 ? at + b + n : at + b] = values[b];
        } else if (count == W) {
            S::StoreF(data + at, f);
        } else {
            S::StoreFirstF(data + at, f, count);
        }
    }

    template <int Row>
    [[gnu::always_inline]] static typename S::Floats LoadRow(const TComplexSingle* work, int at, int count, int n) {
        if (Wraps(at, Row)) {
            if (at + count <= 0) return LoadRow<1>(work, at + n, count, n);
            TComplexSingle values[W]{};
            for (int b = 0; b < count; ++b) values[b] = work[at + b < 0 ? at + b + n : at + b];
            return S::LoadF(values);
        }
        if (count == W) return S::LoadF(work + at);
        return S::LoadFirstF(work + at, count);
    }
};

}  // namespace uFFTasm::vector

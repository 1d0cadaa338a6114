#pragma once
// The reordering of the vector paths from 256 points on, W = S::Width columns of the natural
// order at a time (see ColumnPlan.h): lane b takes signed column s + b. Forward: the columns'
// leaves go to data as rows of consecutive values, and in kernel order to the work block
// (the copy the reordering gathers from) when that copy is kept. Inverse: the leaves load
// their input by rows from a block in natural order (the scaled copy in the work block, or
// data itself) and store their results into the other for the passes (split in groups of G
// points, see VectorPasses.h). A row that wraps round the end of the data is split in two.
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

    // Forward: the leaves of columns s .. s+W-1 (regions[b] for column s + b; Pairs: two
    // 8-point leaves per column, otherwise one 16-point leaf), their input the last passes'
    // results in work (split in groups of G points). Their results go to data in natural order,
    // by rows, and if Keep back over their input in work in kernel order. The first skip lanes
    // keep work as it is: their columns come again in a later batch, which must still find
    // its input there. m = N/16.
    template <bool Pairs, bool Keep>
    static void Forward(TComplexSingle* work, TComplexSingle* data, const std::uint16_t* regions, int s, int m, int n,
                        int skip) {
        TComplexSingle* blocks[W];
        for (int b = 0; b < W; ++b) blocks[b] = work + regions[b];
        C x[16];
        S::template LoadSplitBlocks<16, G>(blocks, x);
        if constexpr (Pairs) {
            Forward8(x);
            Forward8(x + 8);
        } else {
            Forward16(x);
        }
        typename S::Floats f[16];
        for (int k = 0; k < 16; ++k) f[k] = S::Narrow(x[k]);
        StoreRows<Pairs>(data, s, m, n, f, std::make_integer_sequence<int, 16>());
        // At function scope: in a nested one, the sanitizer's end-of-scope marking would give
        // this function an exception cleanup, and this object its own copy of the personality
        // reference, a symbol every object with exception tables defines.
        TComplexSingle spare[16];
        if constexpr (Keep) {
            for (int b = 0; b < skip; ++b) blocks[b] = spare;
            S::template StoreRoundedBlocks<16>(blocks, f);
        }
    }

    // Inverse: the leaves of columns s .. s+W-1 from the input in natural order in from (each
    // float times factor, rounded to float, if Scaled) into their regions of to.
    template <bool Pairs, bool Scaled>
    static void Inverse(const TComplexSingle* from, TComplexSingle* to, const std::uint16_t* regions, int s, int m, int n,
                        float factor) {
        C x[16];
        LoadRows<Pairs, Scaled>(from, s, m, n, factor, x, std::make_integer_sequence<int, 16>());
        if constexpr (Pairs) {
            Inverse8(x);
            Inverse8(x + 8);
        } else {
            Inverse16(x);
        }
        TComplexSingle* blocks[W];
        for (int b = 0; b < W; ++b) blocks[b] = to + regions[b];
        S::template StoreSplitBlocks<16, G>(blocks, x);
    }

private:
    template <bool Pairs>
    static constexpr columns::LeafRows Rows = columns::RowsOf(Pairs);

    // Point K of the leaves goes to or comes from row Rows<Pairs>.row[K] of the columns, each
    // with its own compile-time K: the rows stay constants and the points stay in registers.
    template <bool Pairs, int... K>
    [[gnu::always_inline]] static void StoreRows(TComplexSingle* data, int s, int m, int n, const typename S::Floats* f,
                                                 std::integer_sequence<int, K...>) {
        (StoreRow<Rows<Pairs>.row[K]>(data, s + m * Rows<Pairs>.row[K], n, f[K]), ...);
    }
    template <bool Pairs, bool Scaled, int... K>
    [[gnu::always_inline]] static void LoadRows(const TComplexSingle* from, int s, int m, int n, float factor, C* x,
                                                std::integer_sequence<int, K...>) {
        ((x[K] = S::Widen(Scaled ? S::MulF(LoadRow<Rows<Pairs>.row[K]>(from, s + m * Rows<Pairs>.row[K], n), factor)
                                 : LoadRow<Rows<Pairs>.row[K]>(from, s + m * Rows<Pairs>.row[K], n))),
         ...);
    }

    // Only row 0 of a negative column and row -1 of a pair start before the data; a batch that
    // starts there either wraps round whole or straddles the start.
    template <int Row>
    [[gnu::always_inline]] static void StoreRow(TComplexSingle* data, int at, int n, typename S::Floats f) {
        if (Row > 0 || at >= 0) {
            S::StoreF(data + at, f);
        } else if (at + W <= 0) {
            S::StoreF(data + (at + n), f);
        } else {
            TComplexSingle values[W];
            S::StoreF(values, f);
            for (int b = 0; b < W; ++b) data[at + b < 0 ? at + b + n : at + b] = values[b];
        }
    }

    template <int Row>
    [[gnu::always_inline]] static typename S::Floats LoadRow(const TComplexSingle* work, int at, int n) {
        if (Row > 0 || at >= 0) return S::LoadF(work + at);
        if (at + W <= 0) return S::LoadF(work + (at + n));
        TComplexSingle values[W];
        for (int b = 0; b < W; ++b) values[b] = work[at + b < 0 ? at + b + n : at + b];
        return S::LoadF(values);
    }
};

// One column alone, in plain double arithmetic, with the same formulas and so the same bits
// (lane b of a batch is exactly this computation): the last column of a run one longer than a
// whole number of batches, which a batch moved back would otherwise compute three times over.
// Keyed by the layer S like ColumnLeaves, so that each engine file has its own copy.
template <class S, int G>
struct SingleColumn {
    template <bool Pairs, bool Keep>
    static void Forward(TComplexSingle* work, TComplexSingle* data, const std::uint16_t* regions, int s, int m, int n,
                        int) {
        constexpr columns::LeafRows rows = columns::RowsOf(Pairs);
        TComplexSingle* block = work + regions[0];
        Complex<double> x[16];
        for (int k = 0; k < 16; ++k) {
            const float* f = &block->Re + 2 * (k & ~(G - 1)) + (k & (G - 1));
            x[k] = {f[0], f[G]};
        }
        if constexpr (Pairs) {
            Forward8(x);
            Forward8(x + 8);
        } else {
            Forward16(x);
        }
        for (int k = 0; k < 16; ++k) {
            const TComplexSingle v{static_cast<float>(x[k].re), static_cast<float>(x[k].im)};
            const int at = s + m * rows.row[k];
            data[at < 0 ? at + n : at] = v;
            if constexpr (Keep) block[k] = v;
        }
    }

    template <bool Pairs, bool Scaled>
    static void Inverse(const TComplexSingle* from, TComplexSingle* to, const std::uint16_t* regions, int s, int m, int n,
                        float factor) {
        constexpr columns::LeafRows rows = columns::RowsOf(Pairs);
        Complex<double> x[16];
        for (int k = 0; k < 16; ++k) {
            const int at = s + m * rows.row[k];
            TComplexSingle v = from[at < 0 ? at + n : at];
            if constexpr (Scaled) v = {v.Re * factor, v.Im * factor};
            x[k] = {v.Re, v.Im};
        }
        if constexpr (Pairs) {
            Inverse8(x);
            Inverse8(x + 8);
        } else {
            Inverse16(x);
        }
        float* block = &to[regions[0]].Re;
        for (int k = 0; k < 16; ++k) {
            float* f = block + 2 * (k & ~(G - 1)) + (k & (G - 1));
            f[0] = static_cast<float>(x[k].re);
            f[G] = static_cast<float>(x[k].im);
        }
    }
};

}  // namespace uFFTasm::vector

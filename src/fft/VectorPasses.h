#pragma once
// The vector engine's routines, written once over a vector layer S (SimdAvx2.h,
// SimdAvx512.h): the split-radix passes, W = S::Width butterflies (n .. n+W-1) at a time; the
// 32- and 64-point passes of many blocks; the 8- and 16-point leaves of W blocks at a time,
// one block per lane; the scaling and the reordering.
//
// The factors come from the pass factors (PassFactors), already in double and in the order
// the passes walk them. Lanes that need another factor (n = 0, and n = N/8 of the large passes)
// are computed both ways and blended, so every lane sees exactly the portable formula. Every
// block handed to a pass has at least 32 points, so N/4 is a multiple of W.
//
// Include only from the *_avx*.cpp engine files, after the layer. Every template here is
// instantiated with a layer from an unnamed namespace, so each instance is local to its file.

#include "fft/SplitRadix.h"

#include <cstring>
#include <utility>

namespace uFFTasm::vector {

template <class S, int G = S::Width>
struct Passes {
    using C = typename S::C;
    static constexpr int W = S::Width;
    static_assert(G % W == 0);

    [[gnu::always_inline]] static typename S::Vec SqrtHalf() { return Constant<typename S::Vec>(Sqrt1_2); }

    // Inside a transform the passes keep the data split: each group of G points (counted from
    // the block start, a multiple of eight points) as their G real parts, then their G
    // imaginary parts, in the same bytes. A vector then loads or stores a group's real or
    // imaginary parts without shuffling them apart; only the first pass of a transform reads
    // interleaved values and the last one (or the leaves) writes them. Split (template
    // arguments SplitIn, SplitOut) selects the layout a routine reads or writes. G is the width
    // of the engine's passes: a pass that changes the layout in place must hold a whole group.
    using H = typename S::Half;
    struct Halves {
        H re, im;
    };

    // Where the real parts of point i (a multiple of W) and the W after it are; the imaginary
    // parts follow G floats later.
    [[gnu::always_inline]] static float* SplitAt(TComplexSingle* data, int i) {
        return &data->Re + 2 * (i & ~(G - 1)) + (i & (G - 1));
    }
    [[gnu::always_inline]] static const float* SplitAt(const TComplexSingle* data, int i) {
        return &data->Re + 2 * (i & ~(G - 1)) + (i & (G - 1));
    }

    template <bool Split>
    [[gnu::always_inline]] static Halves LoadHalves(const TComplexSingle* data, int i) {
        Halves h;
        if constexpr (Split) {
            const float* f = SplitAt(data, i);
            h = {S::LoadH(f), S::LoadH(f + G)};
        } else {
            S::SplitF(S::LoadF(data + i), h.re, h.im);
        }
        return h;
    }

    template <bool Split>
    [[gnu::always_inline]] static void StoreHalves(TComplexSingle* data, int i, Halves h) {
        if constexpr (Split) {
            float* f = SplitAt(data, i);
            S::StoreH(f, h.re);
            S::StoreH(f + G, h.im);
        } else {
            S::StoreF(data + i, S::JoinF(h.re, h.im));
        }
    }

    [[gnu::always_inline]] static C Widen(Halves h) { return {S::WidenH(h.re), S::WidenH(h.im)}; }

    template <bool Split>
    [[gnu::always_inline]] static C Load(const TComplexSingle* data, int i) {
        if constexpr (Split) {
            return Widen(LoadHalves<true>(data, i));
        } else {
            return S::Load(data + i);
        }
    }

    template <bool Split>
    [[gnu::always_inline]] static void Store(TComplexSingle* data, int i, C v) {
        if constexpr (Split) {
            StoreHalves<true>(data, i, {S::NarrowH(v.re), S::NarrowH(v.im)});
        } else {
            S::Store(data + i, v);
        }
    }

    // One group of the forward pass at g .. g+W-1 (q = N/4); Turn maps (z1, z3) to what is
    // stored in the last two quarters. The first half of the results goes to half, the two
    // last quarters to quarters, at the same offsets (both may be data).
    template <bool SplitIn, bool SplitOut, class Turn>
    [[gnu::always_inline]] static void ForwardGroup(const TComplexSingle* data, TComplexSingle* half,
                                                    TComplexSingle* quarters, int g, int q, Turn turn) {
        const Halves h0 = LoadHalves<SplitIn>(data, g), h1 = LoadHalves<SplitIn>(data, g + q);
        const Halves h2 = LoadHalves<SplitIn>(data, g + 2 * q), h3 = LoadHalves<SplitIn>(data, g + 3 * q);
        const C a = Widen(h0) - Widen(h2);
        const C b = Widen(h1) - Widen(h3);
        // The sums go straight back to memory, so they are added in float: a sum of two floats
        // rounded to double and then to float equals their float sum (double has more than
        // 2 * 24 + 2 bits), so this is the portable formula's result without the conversions.
        StoreHalves<SplitOut>(half, g, {S::AddH(h0.re, h2.re), S::AddH(h0.im, h2.im)});
        StoreHalves<SplitOut>(half, g + q, {S::AddH(h1.re, h3.re), S::AddH(h1.im, h3.im)});
        const auto [y2, y3] = turn(PlusI(a, b), MinusI(a, b));
        Store<SplitOut>(quarters, g + 2 * q, y2);
        Store<SplitOut>(quarters, g + 3 * q, y3);
    }

    // Reads from, stores to (the same block, or another one: every load comes before the
    // stores).
    template <bool SplitIn, bool SplitOut, class Turn>
    [[gnu::always_inline]] static void InverseGroup(const TComplexSingle* from, TComplexSingle* to, int g, int q,
                                                    Turn turn) {
        const auto [z1, z3] = turn(Load<SplitIn>(from, g + 2 * q), Load<SplitIn>(from, g + 3 * q));
        const C s = z1 + z3;
        const C t = z1 - z3;
        const C x0 = Load<SplitIn>(from, g), x1 = Load<SplitIn>(from, g + q);
        Store<SplitOut>(to, g + 2 * q, x0 - s);
        Store<SplitOut>(to, g, x0 + s);
        Store<SplitOut>(to, g + 3 * q, PlusI(x1, t));
        Store<SplitOut>(to, g + q, MinusI(x1, t));
    }

    // The factors of n = g .. g+W-1 from the pass factors of the size (see PassFactors).
    [[gnu::always_inline]] static C Factors(const double* factors, int g, int q) {
        return {S::LoadD(factors + g), S::LoadD(factors + q + g)};
    }

    template <bool SplitIn, bool SplitOut>
    [[gnu::always_inline]] static void ForwardFirst(const TComplexSingle* data, TComplexSingle* half,
                                                    TComplexSingle* quarters, int q, C w) {
        ForwardGroup<SplitIn, SplitOut>(data, half, quarters, 0, q, [w](C z1, C z3) {
            return std::pair{S::WithLane0(Mul(z1, w.re, w.im), z1), S::WithLane0(MulConj(z3, w.re, w.im), z3)};
        });
    }

    template <bool SplitIn, bool SplitOut>
    [[gnu::always_inline]] static void ForwardTwiddled(const TComplexSingle* data, TComplexSingle* half,
                                                       TComplexSingle* quarters, int g, int q, C w) {
        ForwardGroup<SplitIn, SplitOut>(data, half, quarters, g, q,
                                        [w](C z1, C z3) { return std::pair{Mul(z1, w.re, w.im), MulConj(z3, w.re, w.im)}; });
    }

    template <bool SplitIn, bool SplitOut>
    [[gnu::always_inline]] static void ForwardEighth(TComplexSingle* data, int n8, int q, C w) {
        ForwardGroup<SplitIn, SplitOut>(data, data, data, n8, q, [w](C z1, C z3) {
            return std::pair{S::WithLane0(Mul(z1, w.re, w.im), MulSqrtHalf(z1, SqrtHalf())),
                             S::WithLane0(MulConj(z3, w.re, w.im), MulConjSqrtHalf(z3, SqrtHalf()))};
        });
    }

    template <bool SplitIn, bool SplitOut>
    [[gnu::always_inline]] static void InverseFirst(const TComplexSingle* from, TComplexSingle* to, int q, C w) {
        InverseGroup<SplitIn, SplitOut>(from, to, 0, q, [w](C x2, C x3) {
            return std::pair{S::WithLane0(MulConj(x2, w.re, w.im), x2), S::WithLane0(Mul(x3, w.re, w.im), x3)};
        });
    }

    template <bool SplitIn, bool SplitOut>
    [[gnu::always_inline]] static void InverseTwiddled(const TComplexSingle* from, TComplexSingle* to, int g, int q, C w) {
        InverseGroup<SplitIn, SplitOut>(from, to, g, q,
                                        [w](C x2, C x3) { return std::pair{MulConj(x2, w.re, w.im), Mul(x3, w.re, w.im)}; });
    }

    template <bool SplitIn, bool SplitOut>
    [[gnu::always_inline]] static void InverseEighth(const TComplexSingle* from, TComplexSingle* to, int n8, int q, C w) {
        InverseGroup<SplitIn, SplitOut>(from, to, n8, q, [w](C x2, C x3) {
            return std::pair{S::WithLane0(MulConj(x2, w.re, w.im), MulConjSqrtHalf(x2, SqrtHalf())),
                             S::WithLane0(Mul(x3, w.re, w.im), MulSqrtHalf(x3, SqrtHalf()))};
        });
    }

    // The passes over a block of N = 8 * n8 points; factors: PassFactors[log2(N)]. Large:
    // from 1024 points on, where n = N/8 takes sqrt(1/2) in the two-multiplication form.
    template <bool Large, bool SplitIn, bool SplitOut>
    static void ForwardPass(TComplexSingle* data, const double* factors, int n8) {
        const int q = 2 * n8;
        ForwardFirst<SplitIn, SplitOut>(data, data, data, q, Factors(factors, 0, q));
        for (int g = W; g < q; g += W) {
            if (Large && g == n8) {
                ForwardEighth<SplitIn, SplitOut>(data, g, q, Factors(factors, g, q));
            } else {
                ForwardTwiddled<SplitIn, SplitOut>(data, data, data, g, q, Factors(factors, g, q));
            }
        }
    }

    // In place (from == to), or from one block into another.
    template <bool Large, bool SplitIn, bool SplitOut>
    static void InversePass(const TComplexSingle* from, TComplexSingle* to, const double* factors, int n8) {
        const int q = 2 * n8;
        InverseFirst<SplitIn, SplitOut>(from, to, q, Factors(factors, 0, q));
        for (int g = W; g < q; g += W) {
            if (Large && g == n8) {
                InverseEighth<SplitIn, SplitOut>(from, to, g, q, Factors(factors, g, q));
            } else {
                InverseTwiddled<SplitIn, SplitOut>(from, to, g, q, Factors(factors, g, q));
            }
        }
    }

    // The passes of the 2^Log2-point blocks at base + offsets[i], i < count (32 or 64 points:
    // every block of a size uses the same factors, so they are loaded once for all).
    template <int Log2, bool SplitIn, bool SplitOut>
    static void ForwardPasses(TComplexSingle* base, const std::uint16_t* offsets, int count) {
        ForwardPassesInto<Log2, SplitIn, SplitOut>(base, base, base, offsets, count);
    }

    // The same with the first half of each block's results stored at the same offsets from
    // half and the last two quarters from quarters.
    template <int Log2, bool SplitIn, bool SplitOut>
    [[gnu::always_inline]] static void ForwardPassesInto(const TComplexSingle* base, TComplexSingle* half,
                                                         TComplexSingle* quarters, const std::uint16_t* offsets,
                                                         int count) {
        constexpr int q = (1 << Log2) / 4;
        C w[q / W];
        LoadFactors<Log2>(w);
        for (int i = 0; i < count; ++i) {
            const int o = offsets[i];
            ForwardFirst<SplitIn, SplitOut>(base + o, half + o, quarters + o, q, w[0]);
            for (int j = 1; j < q / W; ++j) ForwardTwiddled<SplitIn, SplitOut>(base + o, half + o, quarters + o, j * W, q, w[j]);
        }
    }

    template <int Log2, bool SplitIn, bool SplitOut>
    static void InversePasses(TComplexSingle* base, const std::uint16_t* offsets, int count) {
        constexpr int q = (1 << Log2) / 4;
        C w[q / W];
        LoadFactors<Log2>(w);
        for (int i = 0; i < count; ++i) {
            TComplexSingle* data = base + offsets[i];
            InverseFirst<SplitIn, SplitOut>(data, data, q, w[0]);
            for (int j = 1; j < q / W; ++j) InverseTwiddled<SplitIn, SplitOut>(data, data, j * W, q, w[j]);
        }
    }

    // The Count-point leaves of the blocks at offsets[i] from source, stored at the same
    // offsets from target (which may be source), W blocks at a time; count is a multiple of W.
    // The forward leaves read split data and store interleaved results, the inverse ones the
    // other way round.
    template <int Count, bool SplitIn, class Kernel>
    [[gnu::always_inline]] static void Leaves(const TComplexSingle* source, TComplexSingle* target,
                                              const std::uint16_t* offsets, int count, Kernel kernel) {
        for (int i = 0; i < count; i += W) {
            const TComplexSingle* from[W];
            TComplexSingle* to[W];
            for (int b = 0; b < W; ++b) {
                from[b] = source + offsets[i + b];
                to[b] = target + offsets[i + b];
            }
            C x[Count];
            if constexpr (SplitIn) {
                S::template LoadSplitBlocks<Count, G>(from, x);
                kernel(x);
                S::template StoreBlocks<Count>(to, x);
            } else {
                S::template LoadBlocks<Count>(from, x);
                kernel(x);
                S::template StoreSplitBlocks<Count, G>(to, x);
            }
        }
    }

    // The inverse leaves of the blocks at offsets[i] of target, their point k read from
    // source[order[offsets[i] + k]]: the input in natural order, gathered as the reordering
    // would have placed it.
    template <int Count, class Kernel>
    [[gnu::always_inline]] static void GatherLeaves(const TComplexSingle* source, const std::uint16_t* order,
                                                    TComplexSingle* target, const std::uint16_t* offsets, int count,
                                                    Kernel kernel) {
        for (int i = 0; i < count; i += W) {
            const std::uint16_t* from[W];
            TComplexSingle* to[W];
            for (int b = 0; b < W; ++b) {
                from[b] = order + offsets[i + b];
                to[b] = target + offsets[i + b];
            }
            C x[Count];
            S::template GatherBlocks<Count>(source, from, x);
            kernel(x);
            S::template StoreSplitBlocks<Count, G>(to, x);
        }
    }

    // Each float times the factor, rounded once to float. The product of two floats needs at
    // most 48 bits and lies far inside the double range, so the portable formula's double
    // product is exact and its one rounding to float is exactly the float product.
    static void Scale(TComplexSingle* data, int n, float factor) {
        int k = 0;
        for (; k + W <= n; k += W) S::StoreF(data + k, S::MulF(S::LoadF(data + k), factor));
        for (; k < n; ++k) {
            data[k].Re = static_cast<float>(static_cast<double>(data[k].Re) * static_cast<double>(factor));
            data[k].Im = static_cast<float>(static_cast<double>(data[k].Im) * static_cast<double>(factor));
        }
    }

    // The kernel order keeps every frequency class of a 16-point leaf together: viewing the
    // natural order as 16 rows of N/16 columns, each column's entries come from one leaf (or
    // two 8-point leaves) of the kernel-order buffer. Walking column groups row by row reads
    // whole leaves and writes whole cache lines, where the plain walk would touch a different
    // leaf for every entry. Whole 8-byte values are moved: their bits, never their arithmetic.
    static void Permute(TComplexSingle* data, int n, const std::uint16_t* table, TDirection direction,
                        TComplexSingle* work) {
        std::memcpy(work, data, static_cast<std::size_t>(n) * sizeof(TComplexSingle));
        if (direction == TDirection::Forward) {
            Gather(data, n, table, work);
        } else {
            Move<false>(data, n, table, work);
        }
    }

    // Data[k] := Work[Table[k]]: the forward reordering without its copy, which the leaves made.
    static void Gather(TComplexSingle* data, int n, const std::uint16_t* table, const TComplexSingle* work) {
        Move<true>(data, n, table, work);
    }

    // The copy of the inverse reordering, scaled when asked (rounded as in Scale); unscaled
    // values are moved, not multiplied, so that even a signalling NaN keeps its bits.
    static void CopyScaled(const TComplexSingle* data, int n, bool scale, float factor, TComplexSingle* work) {
        if (!scale) {
            std::memcpy(work, data, static_cast<std::size_t>(n) * sizeof(TComplexSingle));
            return;
        }
        int k = 0;
        for (; k + W <= n; k += W) S::StoreF(work + k, S::MulF(S::LoadF(data + k), factor));
        for (; k < n; ++k) work[k] = {data[k].Re * factor, data[k].Im * factor};
    }

private:
    template <int Log2>
    [[gnu::always_inline]] static void LoadFactors(C* w) {
        constexpr int q = (1 << Log2) / 4;
        const double* factors = PassFactors[Log2];
        for (int j = 0; j < q / W; ++j) w[j] = Factors(factors, j * W, q);
    }

    // The column walk pays from 256 points on (at 4096 it halves the inverse reordering, even
    // with everything in the first two cache levels); below that the plain walk is as fast.
    // Sixteen columns at a time suit the blocks that stay in the first cache level, eight the
    // larger ones.
    static constexpr int ColumnWalkFrom = 256;

    // Gather: to[k] := from[table[k]]; otherwise to[table[k]] := from[k].
    template <bool Gather>
    static void Move(TComplexSingle* to, int n, const std::uint16_t* table, const TComplexSingle* from) {
        if (n >= ColumnWalkFrom) {
            if (n > 4096) {
                MoveByColumns<8, Gather>(to, n, table, from);
            } else {
                MoveByColumns<16, Gather>(to, n, table, from);
            }
        } else {
            for (int k = 0; k < n; ++k) MoveOne<Gather>(to, table, from, k);
        }
    }

    template <bool Gather>
    [[gnu::always_inline]] static void MoveOne(TComplexSingle* __restrict to, const std::uint16_t* __restrict table,
                                               const TComplexSingle* __restrict from, int k) {
        to[Gather ? k : table[k]] = from[Gather ? table[k] : k];
    }

    template <int Columns, bool Gather>
    static void MoveByColumns(TComplexSingle* __restrict to, int n, const std::uint16_t* __restrict table,
                              const TComplexSingle* __restrict from) {
        const int rowLength = n / 16;
        for (int b = 0; b < rowLength; b += Columns) {
            for (int p = 0; p < 16; ++p) {
                const int k0 = p * rowLength + b;
                for (int c = 0; c < Columns; ++c) MoveOne<Gather>(to, table, from, k0 + c);
            }
        }
    }
};

}  // namespace uFFTasm::vector

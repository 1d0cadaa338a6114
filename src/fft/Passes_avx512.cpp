// The four split-radix pass routines on AVX-512, eight butterflies (n .. n+7) at a time. As on
// AVX2, lanes that need another factor than the table's (n = 0, and n = N/8 of the large
// passes) are computed both ways and blended, so every lane sees exactly the scalar formula.
// Every block handed to a pass has at least 32 points, so N/4 is a multiple of eight.

#include "fft/Avx512Math.h"

#include <utility>

namespace uFFTasm {

using namespace avx512;

namespace {

[[gnu::always_inline]] inline D8 SqrtHalf() { return Constant<D8>(Sqrt1_2); }

template <class Turn>
[[gnu::always_inline]] inline void ForwardOct(TComplexSingle* data, int g, int q, Turn turn) {
    float* p0 = &data[g].Re;
    float* p1 = &data[g + q].Re;
    float* p2 = &data[g + 2 * q].Re;
    float* p3 = &data[g + 3 * q].Re;
    const __m512 f0 = _mm512_loadu_ps(p0), f1 = _mm512_loadu_ps(p1);
    const __m512 f2 = _mm512_loadu_ps(p2), f3 = _mm512_loadu_ps(p3);
    const Oct a = Widen(Deinterleave(f0)) - Widen(Deinterleave(f2));
    const Oct b = Widen(Deinterleave(f1)) - Widen(Deinterleave(f3));
    // The sums go straight back to memory, so they are added in float: a sum of two floats
    // rounded to double and then to float equals their float sum.
    _mm512_storeu_ps(p0, _mm512_add_ps(f0, f2));
    _mm512_storeu_ps(p1, _mm512_add_ps(f1, f3));
    const auto [y2, y3] = turn(PlusI(a, b), MinusI(a, b));
    _mm512_storeu_ps(p2, Narrow(y2));
    _mm512_storeu_ps(p3, Narrow(y3));
}

template <class Turn>
[[gnu::always_inline]] inline void InverseOct(TComplexSingle* data, int g, int q, Turn turn) {
    const auto [z1, z3] = turn(Load8(data + g + 2 * q), Load8(data + g + 3 * q));
    const Oct s = z1 + z3;
    const Oct t = z1 - z3;
    const Oct x0 = Load8(data + g), x1 = Load8(data + g + q);
    Store8(data + g + 2 * q, x0 - s);
    Store8(data + g, x0 + s);
    Store8(data + g + 3 * q, PlusI(x1, t));
    Store8(data + g + q, MinusI(x1, t));
}

// Factors for n = 1..7 from entries 0..6 (only seven are read: a 32-point table has no more);
// lane 0 (n = 0) is replaced afterwards.
[[gnu::always_inline]] inline Oct FirstFactors(const TComplexSingle* twiddles) {
    const Oct w = Widen(Deinterleave(_mm512_maskz_loadu_ps(0x3FFF, &twiddles[0].Re)));
    return Permute(w, _mm512_setr_epi64(0, 0, 1, 2, 3, 4, 5, 6));
}

// Factors for n = g..g+7 above N/8: entries q-n-1 with cosine and sine exchanged.
[[gnu::always_inline]] inline Oct MirroredFactors(const TComplexSingle* twiddles, int g, int q) {
    const Oct w = Permute(Load8(twiddles + q - g - 8), _mm512_setr_epi64(7, 6, 5, 4, 3, 2, 1, 0));
    return {w.im, w.re};
}

// Factors for n = N/8 + 1..7 in lanes 1..7 (entries N/8-2..N/8-8, exchanged).
[[gnu::always_inline]] inline Oct FactorsAfterEighth(const TComplexSingle* twiddles, int n8) {
    const Oct w = Permute(Load8(twiddles + n8 - 9), _mm512_setr_epi64(0, 7, 6, 5, 4, 3, 2, 1));
    return {w.im, w.re};
}

[[gnu::always_inline]] inline void ForwardFirst(TComplexSingle* data, const TComplexSingle* twiddles, int q) {
    const Oct w = FirstFactors(twiddles);
    ForwardOct(data, 0, q, [w](Oct z1, Oct z3) {
        return std::pair{WithLane0(Mul(z1, w.re, w.im), z1), WithLane0(MulConj(z3, w.re, w.im), z3)};
    });
}

[[gnu::always_inline]] inline void ForwardTwiddled(TComplexSingle* data, int g, int q, Oct w) {
    ForwardOct(data, g, q, [w](Oct z1, Oct z3) {
        return std::pair{Mul(z1, w.re, w.im), MulConj(z3, w.re, w.im)};
    });
}

[[gnu::always_inline]] inline void InverseFirst(TComplexSingle* data, const TComplexSingle* twiddles, int q) {
    const Oct w = FirstFactors(twiddles);
    InverseOct(data, 0, q, [w](Oct x2, Oct x3) {
        return std::pair{WithLane0(MulConj(x2, w.re, w.im), x2), WithLane0(Mul(x3, w.re, w.im), x3)};
    });
}

[[gnu::always_inline]] inline void InverseTwiddled(TComplexSingle* data, int g, int q, Oct w) {
    InverseOct(data, g, q, [w](Oct x2, Oct x3) {
        return std::pair{MulConj(x2, w.re, w.im), Mul(x3, w.re, w.im)};
    });
}

}  // namespace

void ForwardPassAvx512(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    const int q = 2 * n8;
    ForwardFirst(data, twiddles, q);
    for (int g = 8; g < q; g += 8) ForwardTwiddled(data, g, q, Load8(twiddles + g - 1));
}

void ForwardPassLargeAvx512(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    const int q = 2 * n8;
    ForwardFirst(data, twiddles, q);
    for (int g = 8; g < n8; g += 8) ForwardTwiddled(data, g, q, Load8(twiddles + g - 1));
    const Oct w = FactorsAfterEighth(twiddles, n8);
    ForwardOct(data, n8, q, [w](Oct z1, Oct z3) {
        return std::pair{WithLane0(Mul(z1, w.re, w.im), MulSqrtHalf(z1, SqrtHalf())),
                         WithLane0(MulConj(z3, w.re, w.im), MulConjSqrtHalf(z3, SqrtHalf()))};
    });
    for (int g = n8 + 8; g < q; g += 8) ForwardTwiddled(data, g, q, MirroredFactors(twiddles, g, q));
}

void InversePassAvx512(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    const int q = 2 * n8;
    InverseFirst(data, twiddles, q);
    for (int g = 8; g < q; g += 8) InverseTwiddled(data, g, q, Load8(twiddles + g - 1));
}

void InversePassLargeAvx512(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    const int q = 2 * n8;
    InverseFirst(data, twiddles, q);
    for (int g = 8; g < n8; g += 8) InverseTwiddled(data, g, q, Load8(twiddles + g - 1));
    const Oct w = FactorsAfterEighth(twiddles, n8);
    InverseOct(data, n8, q, [w](Oct x2, Oct x3) {
        return std::pair{WithLane0(MulConj(x2, w.re, w.im), MulConjSqrtHalf(x2, SqrtHalf())),
                         WithLane0(Mul(x3, w.re, w.im), MulSqrtHalf(x3, SqrtHalf()))};
    });
    for (int g = n8 + 8; g < q; g += 8) InverseTwiddled(data, g, q, MirroredFactors(twiddles, g, q));
}

// A 32-point pass is one group of eight butterflies, a 64-point pass two; every block of a
// size uses the same factors, so they are prepared once for all the blocks.
void ForwardPasses32Avx512(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    const Oct w = FirstFactors(TwiddleTable[5].data());
    for (int i = 0; i < count; ++i) {
        ForwardOct(base + offsets[i], 0, 8, [w](Oct z1, Oct z3) {
            return std::pair{WithLane0(Mul(z1, w.re, w.im), z1), WithLane0(MulConj(z3, w.re, w.im), z3)};
        });
    }
}

void InversePasses32Avx512(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    const Oct w = FirstFactors(TwiddleTable[5].data());
    for (int i = 0; i < count; ++i) {
        InverseOct(base + offsets[i], 0, 8, [w](Oct x2, Oct x3) {
            return std::pair{WithLane0(MulConj(x2, w.re, w.im), x2), WithLane0(Mul(x3, w.re, w.im), x3)};
        });
    }
}

void ForwardPasses64Avx512(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    const TComplexSingle* twiddles = TwiddleTable[6].data();
    const Oct first = FirstFactors(twiddles);
    const Oct second = Load8(twiddles + 7);
    for (int i = 0; i < count; ++i) {
        TComplexSingle* data = base + offsets[i];
        ForwardOct(data, 0, 16, [first](Oct z1, Oct z3) {
            return std::pair{WithLane0(Mul(z1, first.re, first.im), z1), WithLane0(MulConj(z3, first.re, first.im), z3)};
        });
        ForwardTwiddled(data, 8, 16, second);
    }
}

void InversePasses64Avx512(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    const TComplexSingle* twiddles = TwiddleTable[6].data();
    const Oct first = FirstFactors(twiddles);
    const Oct second = Load8(twiddles + 7);
    for (int i = 0; i < count; ++i) {
        TComplexSingle* data = base + offsets[i];
        InverseOct(data, 0, 16, [first](Oct x2, Oct x3) {
            return std::pair{WithLane0(MulConj(x2, first.re, first.im), x2), WithLane0(Mul(x3, first.re, first.im), x3)};
        });
        InverseTwiddled(data, 8, 16, second);
    }
}

}  // namespace uFFTasm

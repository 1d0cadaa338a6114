// The four split-radix pass routines on AVX2, four butterflies (n, n+1, n+2, n+3) at a time.
// Lanes that need another factor than the table's (n = 0, and n = N/8 of the large passes)
// are computed both ways and blended, so every lane sees exactly the scalar formula.

#include "fft/Avx2Math.h"

#include <utility>

namespace uFFTasm {

using namespace avx2;

namespace {

// A function, not a constant: a static initialiser would run AVX code on any processor.
[[gnu::always_inline]] inline D4 SqrtHalf() { return Constant<D4>(Sqrt1_2); }

template <class Turn>
[[gnu::always_inline]] inline void ForwardQuad(TComplexSingle* data, int g, int q, Turn turn) {
    const Quad x0 = Load4(data + g), x1 = Load4(data + g + q);
    const Quad x2 = Load4(data + g + 2 * q), x3 = Load4(data + g + 3 * q);
    const Quad a = x0 - x2;
    const Quad b = x1 - x3;
    // The sums go straight back to memory, so they are added in float: a sum of two floats
    // rounded to double and then to float equals their float sum (double has more than
    // 2 * 24 + 2 bits), so this is the scalar formula's result without the conversions.
    float* p0 = &data[g].Re;
    float* p1 = &data[g + q].Re;
    _mm256_storeu_ps(p0, _mm256_add_ps(_mm256_loadu_ps(p0), _mm256_loadu_ps(&data[g + 2 * q].Re)));
    _mm256_storeu_ps(p1, _mm256_add_ps(_mm256_loadu_ps(p1), _mm256_loadu_ps(&data[g + 3 * q].Re)));
    const auto [y2, y3] = turn(PlusI(a, b), MinusI(a, b));
    Store4(data + g + 2 * q, y2);
    Store4(data + g + 3 * q, y3);
}

template <class Turn>
[[gnu::always_inline]] inline void InverseQuad(TComplexSingle* data, int g, int q, Turn turn) {
    const auto [z1, z3] = turn(Load4(data + g + 2 * q), Load4(data + g + 3 * q));
    const Quad s = z1 + z3;
    const Quad t = z1 - z3;
    const Quad x0 = Load4(data + g), x1 = Load4(data + g + q);
    Store4(data + g + 2 * q, x0 - s);
    Store4(data + g, x0 + s);
    Store4(data + g + 3 * q, PlusI(x1, t));
    Store4(data + g + q, MinusI(x1, t));
}

// Factors for n = 1..3 from entries 0..2; lane 0 (n = 0) is replaced afterwards.
[[gnu::always_inline]] inline Quad FirstFactors(const TComplexSingle* twiddles) {
    return Permute<_MM_SHUFFLE(2, 1, 0, 0)>(Load4(twiddles));
}

// Factors for n = g..g+3 above N/8: entries q-n-1 with cosine and sine exchanged.
[[gnu::always_inline]] inline Quad MirroredFactors(const TComplexSingle* twiddles, int g, int q) {
    const Quad w = Permute<_MM_SHUFFLE(0, 1, 2, 3)>(Load4(twiddles + q - g - 4));
    return {w.im, w.re};
}

// Factors for n = N/8 + 1..3 in lanes 1..3 (entries N/8-2..N/8-4, exchanged).
[[gnu::always_inline]] inline Quad FactorsAfterEighth(const TComplexSingle* twiddles, int n8) {
    const Quad w = Permute<_MM_SHUFFLE(1, 2, 3, 0)>(Load4(twiddles + n8 - 5));
    return {w.im, w.re};
}

[[gnu::always_inline]] inline void ForwardFirst(TComplexSingle* data, const TComplexSingle* twiddles, int q) {
    const Quad w = FirstFactors(twiddles);
    ForwardQuad(data, 0, q, [w](Quad z1, Quad z3) {
        return std::pair{WithLane0(Mul(z1, w.re, w.im), z1), WithLane0(MulConj(z3, w.re, w.im), z3)};
    });
}

[[gnu::always_inline]] inline void ForwardTwiddled(TComplexSingle* data, int g, int q, Quad w) {
    ForwardQuad(data, g, q, [w](Quad z1, Quad z3) {
        return std::pair{Mul(z1, w.re, w.im), MulConj(z3, w.re, w.im)};
    });
}

[[gnu::always_inline]] inline void InverseFirst(TComplexSingle* data, const TComplexSingle* twiddles, int q) {
    const Quad w = FirstFactors(twiddles);
    InverseQuad(data, 0, q, [w](Quad x2, Quad x3) {
        return std::pair{WithLane0(MulConj(x2, w.re, w.im), x2), WithLane0(Mul(x3, w.re, w.im), x3)};
    });
}

[[gnu::always_inline]] inline void InverseTwiddled(TComplexSingle* data, int g, int q, Quad w) {
    InverseQuad(data, g, q, [w](Quad x2, Quad x3) {
        return std::pair{MulConj(x2, w.re, w.im), Mul(x3, w.re, w.im)};
    });
}

}  // namespace

void ForwardPassAvx2(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    const int q = 2 * n8;
    ForwardFirst(data, twiddles, q);
    for (int g = 4; g < q; g += 4) ForwardTwiddled(data, g, q, Load4(twiddles + g - 1));
}

void ForwardPassLargeAvx2(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    const int q = 2 * n8;
    ForwardFirst(data, twiddles, q);
    for (int g = 4; g < n8; g += 4) ForwardTwiddled(data, g, q, Load4(twiddles + g - 1));
    const Quad w = FactorsAfterEighth(twiddles, n8);
    ForwardQuad(data, n8, q, [w](Quad z1, Quad z3) {
        return std::pair{WithLane0(Mul(z1, w.re, w.im), MulSqrtHalf(z1, SqrtHalf())),
                         WithLane0(MulConj(z3, w.re, w.im), MulConjSqrtHalf(z3, SqrtHalf()))};
    });
    for (int g = n8 + 4; g < q; g += 4) ForwardTwiddled(data, g, q, MirroredFactors(twiddles, g, q));
}

void InversePassAvx2(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    const int q = 2 * n8;
    InverseFirst(data, twiddles, q);
    for (int g = 4; g < q; g += 4) InverseTwiddled(data, g, q, Load4(twiddles + g - 1));
}

void InversePassLargeAvx2(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    const int q = 2 * n8;
    InverseFirst(data, twiddles, q);
    for (int g = 4; g < n8; g += 4) InverseTwiddled(data, g, q, Load4(twiddles + g - 1));
    const Quad w = FactorsAfterEighth(twiddles, n8);
    InverseQuad(data, n8, q, [w](Quad x2, Quad x3) {
        return std::pair{WithLane0(MulConj(x2, w.re, w.im), MulConjSqrtHalf(x2, SqrtHalf())),
                         WithLane0(Mul(x3, w.re, w.im), MulSqrtHalf(x3, SqrtHalf()))};
    });
    for (int g = n8 + 4; g < q; g += 4) InverseTwiddled(data, g, q, MirroredFactors(twiddles, g, q));
}

void ForwardPasses32Avx2(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    const TComplexSingle* twiddles = TwiddleTable[5].data();
    for (int i = 0; i < count; ++i) ForwardPassAvx2(base + offsets[i], twiddles, 4);
}

void InversePasses32Avx2(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    const TComplexSingle* twiddles = TwiddleTable[5].data();
    for (int i = 0; i < count; ++i) InversePassAvx2(base + offsets[i], twiddles, 4);
}

void ForwardPasses64Avx2(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    const TComplexSingle* twiddles = TwiddleTable[6].data();
    for (int i = 0; i < count; ++i) ForwardPassAvx2(base + offsets[i], twiddles, 8);
}

void InversePasses64Avx2(TComplexSingle* base, const std::uint16_t* offsets, int count) {
    const TComplexSingle* twiddles = TwiddleTable[6].data();
    for (int i = 0; i < count; ++i) InversePassAvx2(base + offsets[i], twiddles, 8);
}

}  // namespace uFFTasm

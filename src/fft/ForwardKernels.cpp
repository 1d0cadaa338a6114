// Forward split-radix kernels, decimation in frequency: the portable reference path.
// Every butterfly is evaluated in double; the pass routines round every output to float,
// the unrolled 4-, 8- and 16-point kernels only their final results.

#include "fft/ScalarMath.h"

#include <utility>

namespace uFFTasm {

using namespace scalar;

namespace {

// Kernel order of four values, from (x0, x1, x2, x3): the pass for 4 points, then a
// 2-point transform of positions 0 and 1.
inline void Forward4(Cd* x) {
    const Cd s02 = x[0] + x[2];
    const Cd s13 = x[1] + x[3];
    const Cd d02 = x[0] - x[2];
    const Cd d13 = x[1] - x[3];
    x[0] = s02 + s13;
    x[1] = s02 - s13;
    x[2] = PlusI(d02, d13);
    x[3] = MinusI(d02, d13);
}

inline void Forward8(Cd* x) {
    const Cd u0 = x[0] + x[4], u1 = x[1] + x[5], u2 = x[2] + x[6], u3 = x[3] + x[7];
    const Cd a0 = x[0] - x[4], b0 = x[2] - x[6], a1 = x[1] - x[5], b1 = x[3] - x[7];
    const Cd p = PlusI(a0, b0);
    const Cd q = MinusI(a0, b0);
    const Cd r = MulSqrtHalf(PlusI(a1, b1), S);
    const Cd t = MulConjSqrtHalf(MinusI(a1, b1), S);
    x[0] = u0;
    x[1] = u1;
    x[2] = u2;
    x[3] = u3;
    Forward4(x);
    x[4] = p + r;
    x[5] = p - r;
    x[6] = q + t;
    x[7] = q - t;
}

// z * w and z * conj(w) for the built-in factors of the 16-point pass; each subtracted
// product is added with the negated constant.
inline Cd Mul16(Cd z, double c, double s, double negS) { return {z.re * c + z.im * negS, z.re * s + z.im * c}; }
inline Cd MulConj16(Cd z, double c, double s, double negS) { return {z.re * c + z.im * s, z.re * negS + z.im * c}; }

inline void Forward16(Cd* x) {
    for (int n = 0; n < 4; ++n) {
        const Cd a = x[n] - x[n + 8];
        const Cd b = x[n + 4] - x[n + 12];
        x[n] = x[n] + x[n + 8];
        x[n + 4] = x[n + 4] + x[n + 12];
        const Cd z1 = PlusI(a, b);
        const Cd z3 = MinusI(a, b);
        switch (n) {
            case 0:
                x[n + 8] = z1;
                x[n + 12] = z3;
                break;
            case 1:
                x[n + 8] = Mul16(z1, CosPi8, SinPi8, NegSinPi8);
                x[n + 12] = MulConj16(z3, CosPi8, SinPi8, NegSinPi8);
                break;
            case 2:
                x[n + 8] = MulSqrtHalf(z1, S);
                x[n + 12] = MulConjSqrtHalf(z3, S);
                break;
            default:
                x[n + 8] = Mul16(z1, SinPi8, CosPi8, NegCosPi8);
                x[n + 12] = MulConj16(z3, SinPi8, CosPi8, NegCosPi8);
                break;
        }
    }
    Forward4(x + 8);
    Forward4(x + 12);
    Forward8(x);
}

template <int Count, class Transform>
inline void RunUnrolled(TComplexSingle* data, Transform transform) {
    Cd x[Count];
    for (int i = 0; i < Count; ++i) x[i] = Load(data[i]);
    transform(x);
    for (int i = 0; i < Count; ++i) Store(data[i], x[i]);
}

// One butterfly of the pass at positions n, n + q, n + 2q, n + 3q (q = N/4); Turn maps
// (z1, z3) to what is stored in the last two quarters.
template <class Turn>
inline void ForwardButterfly(TComplexSingle* data, int n, int q, Turn turn) {
    const Cd x0 = Load(data[n]), x1 = Load(data[n + q]);
    const Cd x2 = Load(data[n + 2 * q]), x3 = Load(data[n + 3 * q]);
    const Cd a = x0 - x2;
    const Cd b = x1 - x3;
    Store(data[n], x0 + x2);
    Store(data[n + q], x1 + x3);
    const auto [y2, y3] = turn(PlusI(a, b), MinusI(a, b));
    Store(data[n + 2 * q], y2);
    Store(data[n + 3 * q], y3);
}

inline std::pair<Cd, Cd> Unturned(Cd z1, Cd z3) { return {z1, z3}; }

inline void ForwardTwiddled(TComplexSingle* data, int n, int q, double wr, double wi) {
    ForwardButterfly(data, n, q, [wr, wi](Cd z1, Cd z3) {
        return std::pair{Mul(z1, wr, wi), MulConj(z3, wr, wi)};
    });
}

template <int Log2>
void ForwardComposite(TComplexSingle* data);

template <int Log2>
inline void ForwardBlock(TComplexSingle* data) {
    if constexpr (Log2 == 3) {
        ForwardFFT8(data);
    } else if constexpr (Log2 == 4) {
        ForwardFFT16(data);
    } else {
        ForwardComposite<Log2>(data);
    }
}

// Pass over the whole block, then the two last quarters and the first half. The quarters
// are independent; from 512 points on the last one goes first.
template <int Log2>
void ForwardComposite(TComplexSingle* data) {
    constexpr int n = 1 << Log2;
    const TComplexSingle* twiddles = TwiddleTable[Log2].data();
    if constexpr (Log2 < FirstLargePassLog2) {
        ForwardPass(data, twiddles, n / 8);
    } else {
        ForwardPassLarge(data, twiddles, n / 8);
    }
    if constexpr (Log2 < 9) {
        ForwardBlock<Log2 - 2>(data + n / 2);
        ForwardBlock<Log2 - 2>(data + 3 * n / 4);
    } else {
        ForwardBlock<Log2 - 2>(data + 3 * n / 4);
        ForwardBlock<Log2 - 2>(data + n / 2);
    }
    ForwardBlock<Log2 - 1>(data);
}

}  // namespace

void ForwardFFT2(TComplexSingle* data) {
    const Cd x0 = Load(data[0]), x1 = Load(data[1]);
    Store(data[0], x0 + x1);
    Store(data[1], x0 - x1);
}

void ForwardFFT4(TComplexSingle* data) { RunUnrolled<4>(data, Forward4); }
void ForwardFFT8(TComplexSingle* data) { RunUnrolled<8>(data, Forward8); }
void ForwardFFT16(TComplexSingle* data) { RunUnrolled<16>(data, Forward16); }

void ForwardPass(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    const int q = 2 * n8;
    ForwardButterfly(data, 0, q, Unturned);
    for (int n = 1; n < q; ++n) ForwardTwiddled(data, n, q, twiddles[n - 1].Re, twiddles[n - 1].Im);
}

// The table covers only the angles below pi/4: the factor at N/8 is sqrt(1/2) on both axes,
// and above it cosine and sine swap roles, walking the table backwards.
void ForwardPassLarge(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    const int q = 2 * n8;
    ForwardButterfly(data, 0, q, Unturned);
    for (int n = 1; n < n8; ++n) ForwardTwiddled(data, n, q, twiddles[n - 1].Re, twiddles[n - 1].Im);
    ForwardButterfly(data, n8, q, [](Cd z1, Cd z3) {
        return std::pair{MulSqrtHalf(z1, S), MulConjSqrtHalf(z3, S)};
    });
    for (int n = n8 + 1; n < q; ++n) {
        const TComplexSingle& w = twiddles[q - n - 1];
        ForwardTwiddled(data, n, q, w.Im, w.Re);
    }
}

namespace portable {
// The composite kernels by log2(N), for the code-path tables.
std::array<TKernel, MaxLog2 + 1> ForwardKernels() {
    return {nullptr,
            ForwardFFT2,
            ForwardFFT4,
            ForwardFFT8,
            ForwardFFT16,
            ForwardComposite<5>,
            ForwardComposite<6>,
            ForwardComposite<7>,
            ForwardComposite<8>,
            ForwardComposite<9>,
            ForwardComposite<10>,
            ForwardComposite<11>,
            ForwardComposite<12>,
            ForwardComposite<13>,
            ForwardComposite<14>,
            ForwardComposite<15>,
            ForwardComposite<16>};
}
}  // namespace portable

}  // namespace uFFTasm

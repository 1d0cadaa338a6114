// Forward split-radix kernels, decimation in frequency: the portable reference path.
// Every butterfly is evaluated in double; the pass routines round every output to float,
// the unrolled 4-, 8- and 16-point kernels only their final results.

#include "fft/SplitRadix.h"

#include <utility>

namespace uFFTasm {

using Cd = Complex<double>;

namespace {

constexpr double S = Sqrt1_2;

[[gnu::always_inline]] inline Cd Load(const TComplexSingle& c) {
    return {static_cast<double>(c.Re), static_cast<double>(c.Im)};
}

[[gnu::always_inline]] inline void Store(TComplexSingle& c, Cd v) {
    c.Re = static_cast<float>(v.re);
    c.Im = static_cast<float>(v.im);
}

template <int Count, class Transform>
[[gnu::always_inline]] inline void RunUnrolled(TComplexSingle* data, Transform transform) {
    Cd x[Count];
    for (int i = 0; i < Count; ++i) x[i] = Load(data[i]);
    transform(x);
    for (int i = 0; i < Count; ++i) Store(data[i], x[i]);
}

// One butterfly of the pass at positions n, n + q, n + 2q, n + 3q (q = N/4); Turn maps
// (z1, z3) to what is stored in the last two quarters.
template <class Turn>
[[gnu::always_inline]] inline void ForwardButterfly(TComplexSingle* data, int n, int q, Turn turn) {
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

[[gnu::always_inline]] inline std::pair<Cd, Cd> Unturned(Cd z1, Cd z3) { return {z1, z3}; }

[[gnu::always_inline]] inline void ForwardTwiddled(TComplexSingle* data, int n, int q, double wr, double wi) {
    ForwardButterfly(data, n, q, [wr, wi](Cd z1, Cd z3) {
        return std::pair{Mul(z1, wr, wi), MulConj(z3, wr, wi)};
    });
}

template <int Log2>
void ForwardComposite(TComplexSingle* data);

template <int Log2>
[[gnu::always_inline]] inline void ForwardBlock(TComplexSingle* data) {
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

void ForwardFFT4(TComplexSingle* data) { RunUnrolled<4>(data, Forward4<double>); }
void ForwardFFT8(TComplexSingle* data) { RunUnrolled<8>(data, Forward8<double>); }
void ForwardFFT16(TComplexSingle* data) { RunUnrolled<16>(data, Forward16<double>); }

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

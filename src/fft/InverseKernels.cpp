// Inverse split-radix kernels, decimation in time: the portable reference path. The mirror
// image of the forward kernels: the half and the quarters first, then the pass combines them.

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

// One butterfly of the pass at n, n + q, n + 2q, n + 3q; Turn gives (z1, z3) from the values
// in the last two quarters.
template <class Turn>
[[gnu::always_inline]] inline void InverseButterfly(TComplexSingle* data, int n, int q, Turn turn) {
    const auto [z1, z3] = turn(Load(data[n + 2 * q]), Load(data[n + 3 * q]));
    const Cd s = z1 + z3;
    const Cd t = z1 - z3;
    const Cd x0 = Load(data[n]), x1 = Load(data[n + q]);
    Store(data[n + 2 * q], x0 - s);
    Store(data[n], x0 + s);
    Store(data[n + 3 * q], PlusI(x1, t));
    Store(data[n + q], MinusI(x1, t));
}

[[gnu::always_inline]] inline std::pair<Cd, Cd> Unturned(Cd x2, Cd x3) { return {x2, x3}; }

[[gnu::always_inline]] inline void InverseTwiddled(TComplexSingle* data, int n, int q, double wr, double wi) {
    InverseButterfly(data, n, q, [wr, wi](Cd x2, Cd x3) {
        return std::pair{MulConj(x2, wr, wi), Mul(x3, wr, wi)};
    });
}

template <int Log2>
void InverseComposite(TComplexSingle* data);

template <int Log2>
[[gnu::always_inline]] inline void InverseBlock(TComplexSingle* data) {
    if constexpr (Log2 == 3) {
        InverseFFT8(data);
    } else if constexpr (Log2 == 4) {
        InverseFFT16(data);
    } else {
        InverseComposite<Log2>(data);
    }
}

template <int Log2>
void InverseComposite(TComplexSingle* data) {
    constexpr int n = 1 << Log2;
    InverseBlock<Log2 - 1>(data);
    InverseBlock<Log2 - 2>(data + n / 2);
    InverseBlock<Log2 - 2>(data + 3 * n / 4);
    const TComplexSingle* twiddles = TwiddleTable[Log2].data();
    if constexpr (Log2 < FirstLargePassLog2) {
        InversePass(data, twiddles, n / 8);
    } else {
        InversePassLarge(data, twiddles, n / 8);
    }
}

}  // namespace

// The same computation as the forward 2-point kernel.
void InverseFFT2(TComplexSingle* data) {
    const Cd x0 = Load(data[0]), x1 = Load(data[1]);
    Store(data[0], x0 + x1);
    Store(data[1], x0 - x1);
}

void InverseFFT4(TComplexSingle* data) { RunUnrolled<4>(data, Inverse4<double>); }
void InverseFFT8(TComplexSingle* data) { RunUnrolled<8>(data, Inverse8<double>); }
void InverseFFT16(TComplexSingle* data) { RunUnrolled<16>(data, Inverse16<double>); }

void InversePass(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    const int q = 2 * n8;
    InverseButterfly(data, 0, q, Unturned);
    for (int n = 1; n < q; ++n) InverseTwiddled(data, n, q, twiddles[n - 1].Re, twiddles[n - 1].Im);
}

void InversePassLarge(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    const int q = 2 * n8;
    InverseButterfly(data, 0, q, Unturned);
    for (int n = 1; n < n8; ++n) InverseTwiddled(data, n, q, twiddles[n - 1].Re, twiddles[n - 1].Im);
    InverseButterfly(data, n8, q, [](Cd x2, Cd x3) {
        return std::pair{MulConjSqrtHalf(x2, S), MulSqrtHalf(x3, S)};
    });
    for (int n = n8 + 1; n < q; ++n) {
        const TComplexSingle& w = twiddles[q - n - 1];
        InverseTwiddled(data, n, q, w.Im, w.Re);
    }
}

namespace portable {
std::array<TKernel, MaxLog2 + 1> InverseKernels() {
    return {nullptr,
            InverseFFT2,
            InverseFFT4,
            InverseFFT8,
            InverseFFT16,
            InverseComposite<5>,
            InverseComposite<6>,
            InverseComposite<7>,
            InverseComposite<8>,
            InverseComposite<9>,
            InverseComposite<10>,
            InverseComposite<11>,
            InverseComposite<12>,
            InverseComposite<13>,
            InverseComposite<14>,
            InverseComposite<15>,
            InverseComposite<16>};
}
}  // namespace portable

}  // namespace uFFTasm

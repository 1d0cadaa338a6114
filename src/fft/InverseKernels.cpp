// Inverse split-radix kernels, decimation in time: the portable reference path. The mirror
// image of the forward kernels: the half and the quarters first, then the pass combines them.

#include "fft/PortableKernelParts.h"

namespace uFFTasm {

namespace {

struct TInverse {
    // One butterfly of the pass at n, n + q, n + 2q, n + 3q; Turn gives (z1, z3) from the
    // values in the last two quarters.
    template <class Turn>
    [[gnu::always_inline]] static void Butterfly(TComplexSingle* data, int n, int q, Turn turn) {
        const auto [z1, z3] = turn(Load(data[n + 2 * q]), Load(data[n + 3 * q]));
        const Cd s = z1 + z3;
        const Cd t = z1 - z3;
        const Cd x0 = Load(data[n]), x1 = Load(data[n + q]);
        Store(data[n + 2 * q], x0 - s);
        Store(data[n], x0 + s);
        Store(data[n + 3 * q], PlusI(x1, t));
        Store(data[n + q], MinusI(x1, t));
    }

    [[gnu::always_inline]] static void Twiddled(TComplexSingle* data, int n, int q, double wr, double wi) {
        Butterfly(data, n, q, [wr, wi](Cd x2, Cd x3) { return std::pair{MulConj(x2, wr, wi), Mul(x3, wr, wi)}; });
    }

    [[gnu::always_inline]] static std::pair<Cd, Cd> EighthTurn(Cd x2, Cd x3) {
        return {MulConjSqrtHalf(x2, S), MulSqrtHalf(x3, S)};
    }
};

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
void InverseFFT2(TComplexSingle* data) { ForwardFFT2(data); }

void InverseFFT4(TComplexSingle* data) { RunUnrolled<4>(data, Inverse4<double>); }
void InverseFFT8(TComplexSingle* data) { RunUnrolled<8>(data, Inverse8<double>); }
void InverseFFT16(TComplexSingle* data) { RunUnrolled<16>(data, Inverse16<double>); }

void InversePass(TComplexSingle* data, const TComplexSingle* twiddles, int n8) { PassOver<TInverse>(data, twiddles, n8); }

void InversePassLarge(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    PassOverLarge<TInverse>(data, twiddles, n8);
}

namespace portable {
std::array<TKernel, MaxLog2 + 1> InverseKernels() {
    return KernelsBySize({nullptr, InverseFFT2, InverseFFT4, InverseFFT8, InverseFFT16},
                         [](auto log2) -> TKernel { return InverseComposite<decltype(log2)::value>; },
                         std::make_integer_sequence<int, MaxLog2 - 4>{});
}
}  // namespace portable

}  // namespace uFFTasm

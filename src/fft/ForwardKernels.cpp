// Forward split-radix kernels, decimation in frequency: the portable reference path.
// Every butterfly is evaluated in double; the pass routines round every output to float,
// the unrolled 4-, 8- and 16-point kernels only their final results.

#include "fft/PortableKernelParts.h"

namespace uFFTasm {

namespace {

struct TForward {
    // One butterfly of the pass at positions n, n + q, n + 2q, n + 3q (q = N/4); Turn maps
    // (z1, z3) to what is stored in the last two quarters.
    template <class Turn>
    [[gnu::always_inline]] static void Butterfly(TComplexSingle* data, int n, int q, Turn turn) {
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

    [[gnu::always_inline]] static void Twiddled(TComplexSingle* data, int n, int q, double wr, double wi) {
        Butterfly(data, n, q, [wr, wi](Cd z1, Cd z3) { return std::pair{Mul(z1, wr, wi), MulConj(z3, wr, wi)}; });
    }

    [[gnu::always_inline]] static std::pair<Cd, Cd> EighthTurn(Cd z1, Cd z3) {
        return {MulSqrtHalf(z1, S), MulConjSqrtHalf(z3, S)};
    }
};

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

void ForwardPass(TComplexSingle* data, const TComplexSingle* twiddles, int n8) { PassOver<TForward>(data, twiddles, n8); }

void ForwardPassLarge(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    PassOverLarge<TForward>(data, twiddles, n8);
}

namespace portable {
// The composite kernels by log2(N), for the code-path tables.
std::array<TKernel, MaxLog2 + 1> ForwardKernels() {
    return KernelsBySize({nullptr, ForwardFFT2, ForwardFFT4, ForwardFFT8, ForwardFFT16},
                         [](auto log2) -> TKernel { return ForwardComposite<decltype(log2)::value>; },
                         std::make_integer_sequence<int, MaxLog2 - 4>{});
}
}  // namespace portable

}  // namespace uFFTasm

#pragma once
// What the portable forward and inverse kernels share: loading and storing through double,
// the unrolled small kernels, and the walk of one pass over a block. Included only by those
// two files; everything here is internal to each of them.

#include "fft/SplitRadix.h"

#include <array>
#include <type_traits>
#include <utility>

namespace uFFTasm {
namespace {

using Cd = Complex<double>;

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

[[gnu::always_inline]] inline std::pair<Cd, Cd> Unturned(Cd a, Cd b) { return {a, b}; }

// One pass over a block of 8 * n8 points. Direction supplies Butterfly(data, n, q, turn),
// Twiddled(data, n, q, wr, wi) and EighthTurn(a, b), the turn by the factor at N/8.
template <class Direction>
void PassOver(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    const int q = 2 * n8;
    Direction::Butterfly(data, 0, q, Unturned);
    for (int n = 1; n < q; ++n) Direction::Twiddled(data, n, q, twiddles[n - 1].Re, twiddles[n - 1].Im);
}

// The same for the large blocks, whose table covers only the angles below pi/4: the factor
// at N/8 is sqrt(1/2) on both axes, and above it cosine and sine swap roles, walking the
// table backwards.
template <class Direction>
void PassOverLarge(TComplexSingle* data, const TComplexSingle* twiddles, int n8) {
    const int q = 2 * n8;
    Direction::Butterfly(data, 0, q, Unturned);
    for (int n = 1; n < n8; ++n) Direction::Twiddled(data, n, q, twiddles[n - 1].Re, twiddles[n - 1].Im);
    Direction::Butterfly(data, n8, q, Direction::EighthTurn);
    for (int n = n8 + 1; n < q; ++n) {
        const TComplexSingle& w = twiddles[q - n - 1];
        Direction::Twiddled(data, n, q, w.Im, w.Re);
    }
}

// The kernels by log2(N): the unrolled ones up to 16 points, then compositeOf(2^5) ... for
// the larger sizes (compositeOf takes a std::integral_constant with log2(N)).
template <class CompositeOf, int... Log2>
std::array<TKernel, MaxLog2 + 1> KernelsBySize(const std::array<TKernel, 5>& unrolled, CompositeOf compositeOf,
                                               std::integer_sequence<int, Log2...>) {
    return {unrolled[0], unrolled[1], unrolled[2], unrolled[3], unrolled[4],
            compositeOf(std::integral_constant<int, Log2 + 5>{})...};
}

}  // namespace
}  // namespace uFFTasm

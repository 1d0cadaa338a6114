#pragma once
// The split-radix arithmetic written once for any number type V: double for the portable
// path, four doubles in an AVX2 register or eight in an AVX-512 register for the vector paths
// (one lane per butterfly or per block). All paths instantiate the same formulas, so they
// round identically.
//
// V needs +, - and *, and V::Splat(double) for the constants (double itself is the portable
// number type). The vector types live in unnamed namespaces of the files built for their
// instruction sets, so every instance of these templates made for a vector type is local to
// its own file and never shared with code built for another processor.

#include "fft/FFTInternal.h"

namespace uFFTasm {

template <class V>
[[gnu::always_inline]] inline V Constant(double value) {
    return V::Splat(value);
}

template <>
[[gnu::always_inline]] inline double Constant<double>(double value) {
    return value;
}

template <class V>
struct Complex {
    V re;
    V im;
};

template <class V>
[[gnu::always_inline]] inline Complex<V> operator+(Complex<V> a, Complex<V> b) {
    return {a.re + b.re, a.im + b.im};
}
template <class V>
[[gnu::always_inline]] inline Complex<V> operator-(Complex<V> a, Complex<V> b) {
    return {a.re - b.re, a.im - b.im};
}
// a + i*b and a - i*b.
template <class V>
[[gnu::always_inline]] inline Complex<V> PlusI(Complex<V> a, Complex<V> b) {
    return {a.re - b.im, a.im + b.re};
}
template <class V>
[[gnu::always_inline]] inline Complex<V> MinusI(Complex<V> a, Complex<V> b) {
    return {a.re + b.im, a.im - b.re};
}
// z * w and z * conj(w) for w = (wr, wi).
template <class V>
[[gnu::always_inline]] inline Complex<V> Mul(Complex<V> z, V wr, V wi) {
    return {z.re * wr - z.im * wi, z.re * wi + z.im * wr};
}
template <class V>
[[gnu::always_inline]] inline Complex<V> MulConj(Complex<V> z, V wr, V wi) {
    return {z.re * wr + z.im * wi, z.im * wr - z.re * wi};
}
// The same for w = (1 + i) * sqrt(1/2), with two multiplications each.
template <class V>
[[gnu::always_inline]] inline Complex<V> MulSqrtHalf(Complex<V> z, V s) {
    return {(z.re - z.im) * s, (z.re + z.im) * s};
}
template <class V>
[[gnu::always_inline]] inline Complex<V> MulConjSqrtHalf(Complex<V> z, V s) {
    return {(z.re + z.im) * s, (z.im - z.re) * s};
}

// ---- Forward (decimation in frequency) -------------------------------------------------

// Kernel order of four values: the pass for 4 points, then a 2-point transform of 0 and 1.
template <class V>
[[gnu::always_inline]] inline void Forward4(Complex<V>* x) {
    const Complex<V> s02 = x[0] + x[2];
    const Complex<V> s13 = x[1] + x[3];
    const Complex<V> d02 = x[0] - x[2];
    const Complex<V> d13 = x[1] - x[3];
    x[0] = s02 + s13;
    x[1] = s02 - s13;
    x[2] = PlusI(d02, d13);
    x[3] = MinusI(d02, d13);
}

template <class V>
[[gnu::always_inline]] inline void Forward8(Complex<V>* x) {
    const V s = Constant<V>(Sqrt1_2);
    const Complex<V> a0 = x[0] - x[4], b0 = x[2] - x[6], a1 = x[1] - x[5], b1 = x[3] - x[7];
    x[0] = x[0] + x[4];
    x[1] = x[1] + x[5];
    x[2] = x[2] + x[6];
    x[3] = x[3] + x[7];
    const Complex<V> p = PlusI(a0, b0);
    const Complex<V> q = MinusI(a0, b0);
    const Complex<V> r = MulSqrtHalf(PlusI(a1, b1), s);
    const Complex<V> t = MulConjSqrtHalf(MinusI(a1, b1), s);
    Forward4(x);
    x[4] = p + r;
    x[5] = p - r;
    x[6] = q + t;
    x[7] = q - t;
}

// One butterfly of the 16-point pass (positions n, n+4, n+8, n+12) with its built-in factor:
// none for n = 0, (cos, sin) of pi/8 for n = 1, sqrt(1/2) for n = 2, (sin, cos) for n = 3.
// The subtracted products are added with the negated constants.
template <int N, class V>
[[gnu::always_inline]] inline void Forward16Butterfly(Complex<V>* x) {
    const Complex<V> a = x[N] - x[N + 8];
    const Complex<V> b = x[N + 4] - x[N + 12];
    x[N] = x[N] + x[N + 8];
    x[N + 4] = x[N + 4] + x[N + 12];
    const Complex<V> z1 = PlusI(a, b);
    const Complex<V> z3 = MinusI(a, b);
    if constexpr (N == 0) {
        x[N + 8] = z1;
        x[N + 12] = z3;
    } else if constexpr (N == 2) {
        const V s = Constant<V>(Sqrt1_2);
        x[N + 8] = MulSqrtHalf(z1, s);
        x[N + 12] = MulConjSqrtHalf(z3, s);
    } else {
        const V c = Constant<V>(N == 1 ? CosPi8 : SinPi8);
        const V s = Constant<V>(N == 1 ? SinPi8 : CosPi8);
        const V negS = Constant<V>(N == 1 ? NegSinPi8 : NegCosPi8);
        x[N + 8] = {z1.re * c + z1.im * negS, z1.re * s + z1.im * c};
        x[N + 12] = {z3.re * c + z3.im * s, z3.re * negS + z3.im * c};
    }
}

template <class V>
[[gnu::always_inline]] inline void Forward16(Complex<V>* x) {
    Forward16Butterfly<0>(x);
    Forward16Butterfly<1>(x);
    Forward16Butterfly<2>(x);
    Forward16Butterfly<3>(x);
    Forward4(x + 8);
    Forward4(x + 12);
    Forward8(x);
}

// ---- Inverse (decimation in time) ------------------------------------------------------

// From kernel order (y0, y1, y2, y3) to natural order.
template <class V>
[[gnu::always_inline]] inline void Inverse4(Complex<V>* x) {
    const Complex<V> u0 = x[0] + x[1];
    const Complex<V> u1 = x[0] - x[1];
    const Complex<V> s = x[2] + x[3];
    const Complex<V> t = x[2] - x[3];
    x[0] = u0 + s;
    x[2] = u0 - s;
    x[1] = MinusI(u1, t);
    x[3] = PlusI(u1, t);
}

// Combines the natural-order half at n and n + q with the turned quarters z1, z3.
template <class V>
[[gnu::always_inline]] inline void InverseCombine(Complex<V>* x, int n, int q, Complex<V> z1, Complex<V> z3) {
    const Complex<V> s = z1 + z3;
    const Complex<V> t = z1 - z3;
    x[n + 2 * q] = x[n] - s;
    x[n] = x[n] + s;
    x[n + 3 * q] = PlusI(x[n + q], t);
    x[n + q] = MinusI(x[n + q], t);
}

template <class V>
[[gnu::always_inline]] inline void Inverse8(Complex<V>* x) {
    const V s = Constant<V>(Sqrt1_2);
    Inverse4(x);
    const Complex<V> e = x[4] + x[5], f = x[4] - x[5], g = x[6] + x[7], h = x[6] - x[7];
    InverseCombine(x, 0, 2, e, g);
    InverseCombine(x, 1, 2, MulConjSqrtHalf(f, s), MulSqrtHalf(h, s));
}

// conj(w) * x[n + 8] and w * x[n + 12] for the built-in factor of butterfly N (as in the
// forward pass); the real part of w * z adds the product with the negated sine.
template <int N, class V>
[[gnu::always_inline]] inline void Inverse16Butterfly(Complex<V>* x) {
    if constexpr (N == 0) {
        InverseCombine(x, N, 4, x[N + 8], x[N + 12]);
    } else if constexpr (N == 2) {
        const V s = Constant<V>(Sqrt1_2);
        InverseCombine(x, N, 4, MulConjSqrtHalf(x[N + 8], s), MulSqrtHalf(x[N + 12], s));
    } else {
        const V c = Constant<V>(N == 1 ? CosPi8 : SinPi8);
        const V s = Constant<V>(N == 1 ? SinPi8 : CosPi8);
        const V negS = Constant<V>(N == 1 ? NegSinPi8 : NegCosPi8);
        const Complex<V> p = x[N + 8], r = x[N + 12];
        InverseCombine(x, N, 4, Complex<V>{p.re * c + p.im * s, p.im * c - p.re * s},
                       Complex<V>{r.re * c + r.im * negS, r.im * c + r.re * s});
    }
}

template <class V>
[[gnu::always_inline]] inline void Inverse16(Complex<V>* x) {
    Inverse8(x);
    Inverse4(x + 8);
    Inverse4(x + 12);
    Inverse16Butterfly<0>(x);
    Inverse16Butterfly<1>(x);
    Inverse16Butterfly<2>(x);
    Inverse16Butterfly<3>(x);
}

}  // namespace uFFTasm

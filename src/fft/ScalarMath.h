#pragma once
// Double-precision complex helpers of the portable kernels. Only the portable translation
// units include this file: an inline function compiled once with -mavx2 and once without
// would be merged by the linker, and the portable path could end up running AVX2 code.

#include "fft/FFTInternal.h"

namespace uFFTasm::scalar {

struct Cd {
    double re;
    double im;
};

inline Cd Load(const TComplexSingle& c) { return {static_cast<double>(c.Re), static_cast<double>(c.Im)}; }

inline void Store(TComplexSingle& c, Cd v) {
    c.Re = static_cast<float>(v.re);
    c.Im = static_cast<float>(v.im);
}

inline Cd operator+(Cd a, Cd b) { return {a.re + b.re, a.im + b.im}; }
inline Cd operator-(Cd a, Cd b) { return {a.re - b.re, a.im - b.im}; }
// a + i*b and a - i*b.
inline Cd PlusI(Cd a, Cd b) { return {a.re - b.im, a.im + b.re}; }
inline Cd MinusI(Cd a, Cd b) { return {a.re + b.im, a.im - b.re}; }

// z * w and z * conj(w) for w = (wr, wi).
inline Cd Mul(Cd z, double wr, double wi) { return {z.re * wr - z.im * wi, z.re * wi + z.im * wr}; }
inline Cd MulConj(Cd z, double wr, double wi) { return {z.re * wr + z.im * wi, z.im * wr - z.re * wi}; }

// z * w and z * conj(w) for w = (1 + i) * sqrt(1/2), with two multiplications each.
inline Cd MulSqrtHalf(Cd z, double s) { return {(z.re - z.im) * s, (z.re + z.im) * s}; }
inline Cd MulConjSqrtHalf(Cd z, double s) { return {(z.re + z.im) * s, (z.im - z.re) * s}; }

inline constexpr double S = Sqrt1_2;

}  // namespace uFFTasm::scalar

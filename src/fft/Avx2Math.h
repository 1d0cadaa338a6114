#pragma once
// Four complex values in AVX2 registers, split into real and imaginary parts and widened
// to double. The operations are the scalar ones of the portable path lane by lane, in the
// same order, so both paths round identically. Include only from *_avx2.cpp files.

#include "fft/FFTInternal.h"

#include <immintrin.h>

namespace uFFTasm::avx2 {

struct Quad {
    __m256d re;
    __m256d im;
};

// Values p[0..3], deinterleaved.
inline Quad Load4(const TComplexSingle* p) {
    const __m128 lo = _mm_loadu_ps(&p[0].Re);
    const __m128 hi = _mm_loadu_ps(&p[2].Re);
    return {_mm256_cvtps_pd(_mm_shuffle_ps(lo, hi, _MM_SHUFFLE(2, 0, 2, 0))),
            _mm256_cvtps_pd(_mm_shuffle_ps(lo, hi, _MM_SHUFFLE(3, 1, 3, 1)))};
}

// Rounds to float (to nearest, like the scalar conversion) and stores p[0..3].
inline void Store4(TComplexSingle* p, Quad v) {
    const __m128 re = _mm256_cvtpd_ps(v.re);
    const __m128 im = _mm256_cvtpd_ps(v.im);
    _mm_storeu_ps(&p[0].Re, _mm_unpacklo_ps(re, im));
    _mm_storeu_ps(&p[2].Re, _mm_unpackhi_ps(re, im));
}

inline Quad Add(Quad a, Quad b) { return {_mm256_add_pd(a.re, b.re), _mm256_add_pd(a.im, b.im)}; }
inline Quad Sub(Quad a, Quad b) { return {_mm256_sub_pd(a.re, b.re), _mm256_sub_pd(a.im, b.im)}; }
// a + i*b and a - i*b.
inline Quad PlusI(Quad a, Quad b) { return {_mm256_sub_pd(a.re, b.im), _mm256_add_pd(a.im, b.re)}; }
inline Quad MinusI(Quad a, Quad b) { return {_mm256_add_pd(a.re, b.im), _mm256_sub_pd(a.im, b.re)}; }

// z * w and z * conj(w).
inline Quad Mul(Quad z, __m256d wr, __m256d wi) {
    return {_mm256_sub_pd(_mm256_mul_pd(z.re, wr), _mm256_mul_pd(z.im, wi)),
            _mm256_add_pd(_mm256_mul_pd(z.re, wi), _mm256_mul_pd(z.im, wr))};
}
inline Quad MulConj(Quad z, __m256d wr, __m256d wi) {
    return {_mm256_add_pd(_mm256_mul_pd(z.re, wr), _mm256_mul_pd(z.im, wi)),
            _mm256_sub_pd(_mm256_mul_pd(z.im, wr), _mm256_mul_pd(z.re, wi))};
}

// The same for w = (1 + i) * sqrt(1/2), two multiplications each.
inline Quad MulSqrtHalf(Quad z, __m256d s) {
    return {_mm256_mul_pd(_mm256_sub_pd(z.re, z.im), s), _mm256_mul_pd(_mm256_add_pd(z.re, z.im), s)};
}
inline Quad MulConjSqrtHalf(Quad z, __m256d s) {
    return {_mm256_mul_pd(_mm256_add_pd(z.re, z.im), s), _mm256_mul_pd(_mm256_sub_pd(z.im, z.re), s)};
}

// Lane 0 from b, lanes 1..3 from a.
inline Quad WithLane0(Quad a, Quad b) {
    return {_mm256_blend_pd(a.re, b.re, 1), _mm256_blend_pd(a.im, b.im, 1)};
}

// Lanes rearranged by an _MM_SHUFFLE selector.
template <int Imm>
inline Quad Permute(Quad v) {
    return {_mm256_permute4x64_pd(v.re, Imm), _mm256_permute4x64_pd(v.im, Imm)};
}

}  // namespace uFFTasm::avx2

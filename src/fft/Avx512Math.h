#pragma once
// Eight doubles in an AVX-512 register as the number type of the split-radix templates, and
// the moves between float buffers and these registers. Include only from *_avx512.cpp files.

#include "fft/SplitRadix.h"

// GCC 12 reports its own placeholder operands inside the AVX-512 intrinsics as uninitialised
// once they are inlined; the warning is about the compiler's header, not about this code.
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>

namespace uFFTasm {

struct D8 {
    __m512d v;
};

[[gnu::always_inline]] inline D8 operator+(D8 a, D8 b) { return {_mm512_add_pd(a.v, b.v)}; }
[[gnu::always_inline]] inline D8 operator-(D8 a, D8 b) { return {_mm512_sub_pd(a.v, b.v)}; }
[[gnu::always_inline]] inline D8 operator*(D8 a, D8 b) { return {_mm512_mul_pd(a.v, b.v)}; }

template <>
[[gnu::always_inline]] inline D8 Constant<D8>(double value) {
    return {_mm512_set1_pd(value)};
}

namespace avx512 {

// Eight complex values, one per lane.
using Oct = Complex<D8>;

// The real parts of 16 interleaved floats into the low half, the imaginary parts into the
// high half.
[[gnu::always_inline]] inline __m512 Deinterleave(__m512 v) {
    const __m512i split = _mm512_setr_epi32(0, 2, 4, 6, 8, 10, 12, 14, 1, 3, 5, 7, 9, 11, 13, 15);
    return _mm512_permutexvar_ps(split, v);
}

[[gnu::always_inline]] inline Oct Widen(__m512 split) {
    const __m256 re = _mm512_castps512_ps256(split);
    const __m256 im = _mm256_castpd_ps(_mm512_extractf64x4_pd(_mm512_castps_pd(split), 1));
    return {{_mm512_cvtps_pd(re)}, {_mm512_cvtps_pd(im)}};
}

// Rounds to float (to nearest, like the scalar conversion) and interleaves again.
[[gnu::always_inline]] inline __m512 Narrow(Oct v) {
    const __m512i interleave = _mm512_setr_epi32(0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
    const __m512 re = _mm512_castps256_ps512(_mm512_cvtpd_ps(v.re.v));
    const __m512 im = _mm512_castps256_ps512(_mm512_cvtpd_ps(v.im.v));
    return _mm512_permutex2var_ps(re, interleave, im);
}

// Consecutive values p[0..7], deinterleaved.
[[gnu::always_inline]] inline Oct Load8(const TComplexSingle* p) { return Widen(Deinterleave(_mm512_loadu_ps(&p[0].Re))); }

// Rounds to float and stores p[0..7].
[[gnu::always_inline]] inline void Store8(TComplexSingle* p, Oct v) { _mm512_storeu_ps(&p[0].Re, Narrow(v)); }

// Lane 0 from b, lanes 1..7 from a.
[[gnu::always_inline]] inline Oct WithLane0(Oct a, Oct b) {
    return {{_mm512_mask_blend_pd(1, a.re.v, b.re.v)}, {_mm512_mask_blend_pd(1, a.im.v, b.im.v)}};
}

// Lane i takes lane index[i].
[[gnu::always_inline]] inline Oct Permute(Oct v, __m512i index) {
    return {{_mm512_permutexvar_pd(index, v.re.v)}, {_mm512_permutexvar_pd(index, v.im.v)}};
}

// The first two steps of the 8x8 transpose of 64-bit cells (pairs of rows, then pairs of
// pairs); the callers finish it by exchanging 128-bit halves between u[j] and u[j + 4].
[[gnu::always_inline]] inline void TransposeQuarters(const __m512d* r, __m512d* u) {
    const __m512i lo = _mm512_setr_epi64(0, 1, 8, 9, 4, 5, 12, 13);
    const __m512i hi = _mm512_setr_epi64(2, 3, 10, 11, 6, 7, 14, 15);
    __m512d t[8];
    for (int b = 0; b < 8; b += 2) {
        t[b] = _mm512_unpacklo_pd(r[b], r[b + 1]);
        t[b + 1] = _mm512_unpackhi_pd(r[b], r[b + 1]);
    }
    for (int b = 0; b < 8; b += 4) {
        u[b] = _mm512_permutex2var_pd(t[b], lo, t[b + 2]);
        u[b + 1] = _mm512_permutex2var_pd(t[b + 1], lo, t[b + 3]);
        u[b + 2] = _mm512_permutex2var_pd(t[b], hi, t[b + 2]);
        u[b + 3] = _mm512_permutex2var_pd(t[b + 1], hi, t[b + 3]);
    }
}

// Point k of eight blocks at once: lane b holds blocks[b][k], for k = 0 .. Count-1 (a
// multiple of 8). Loads eight consecutive points of each block (one 64-bit element each)
// and transposes the 8 x 8 matrix.
template <int Count>
[[gnu::always_inline]] inline void LoadBlocks(TComplexSingle* const* blocks, Oct* x) {
    for (int k = 0; k < Count; k += 8) {
        __m512d r[8];
        for (int b = 0; b < 8; ++b) r[b] = _mm512_castps_pd(_mm512_loadu_ps(&blocks[b][k].Re));
        __m512d u[8];
        TransposeQuarters(r, u);
        for (int j = 0; j < 4; ++j) {
            const __m512d c0 = _mm512_shuffle_f64x2(u[j], u[j + 4], _MM_SHUFFLE(1, 0, 1, 0));
            const __m512d c1 = _mm512_shuffle_f64x2(u[j], u[j + 4], _MM_SHUFFLE(3, 2, 3, 2));
            x[k + j] = Widen(Deinterleave(_mm512_castpd_ps(c0)));
            x[k + j + 4] = Widen(Deinterleave(_mm512_castpd_ps(c1)));
        }
    }
}

// The inverse of LoadBlocks, rounding every value to float.
template <int Count>
[[gnu::always_inline]] inline void StoreBlocks(TComplexSingle* const* blocks, const Oct* x) {
    for (int k = 0; k < Count; k += 8) {
        __m512d c[8];
        for (int j = 0; j < 8; ++j) c[j] = _mm512_castps_pd(Narrow(x[k + j]));
        __m512d u[8];
        TransposeQuarters(c, u);
        for (int j = 0; j < 4; ++j) {
            _mm512_storeu_ps(&blocks[j][k].Re, _mm512_castpd_ps(_mm512_shuffle_f64x2(u[j], u[j + 4], _MM_SHUFFLE(1, 0, 1, 0))));
            _mm512_storeu_ps(&blocks[j + 4][k].Re, _mm512_castpd_ps(_mm512_shuffle_f64x2(u[j], u[j + 4], _MM_SHUFFLE(3, 2, 3, 2))));
        }
    }
}

}  // namespace avx512
}  // namespace uFFTasm

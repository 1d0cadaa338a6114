#pragma once
// Four doubles in an AVX2 register as the number type of the split-radix templates, and the
// moves between float buffers and these registers. Include only from *_avx2.cpp files.

#include "fft/SplitRadix.h"

#include <immintrin.h>

namespace uFFTasm {

struct D4 {
    __m256d v;
};

[[gnu::always_inline]] inline D4 operator+(D4 a, D4 b) { return {_mm256_add_pd(a.v, b.v)}; }
[[gnu::always_inline]] inline D4 operator-(D4 a, D4 b) { return {_mm256_sub_pd(a.v, b.v)}; }
[[gnu::always_inline]] inline D4 operator*(D4 a, D4 b) { return {_mm256_mul_pd(a.v, b.v)}; }

template <>
[[gnu::always_inline]] inline D4 Constant<D4>(double value) {
    return {_mm256_set1_pd(value)};
}

namespace avx2 {

// Four complex values, one per lane.
using Quad = Complex<D4>;

// Consecutive values p[0..3], deinterleaved.
[[gnu::always_inline]] inline Quad Load4(const TComplexSingle* p) {
    const __m128 lo = _mm_loadu_ps(&p[0].Re);
    const __m128 hi = _mm_loadu_ps(&p[2].Re);
    return {{_mm256_cvtps_pd(_mm_shuffle_ps(lo, hi, _MM_SHUFFLE(2, 0, 2, 0)))},
            {_mm256_cvtps_pd(_mm_shuffle_ps(lo, hi, _MM_SHUFFLE(3, 1, 3, 1)))}};
}

// Rounds to float (to nearest, like the scalar conversion) and stores p[0..3].
[[gnu::always_inline]] inline void Store4(TComplexSingle* p, Quad v) {
    const __m128 re = _mm256_cvtpd_ps(v.re.v);
    const __m128 im = _mm256_cvtpd_ps(v.im.v);
    _mm_storeu_ps(&p[0].Re, _mm_unpacklo_ps(re, im));
    _mm_storeu_ps(&p[2].Re, _mm_unpackhi_ps(re, im));
}

// Lane 0 from b, lanes 1..3 from a.
[[gnu::always_inline]] inline Quad WithLane0(Quad a, Quad b) {
    return {{_mm256_blend_pd(a.re.v, b.re.v, 1)}, {_mm256_blend_pd(a.im.v, b.im.v, 1)}};
}

// Lanes rearranged by an _MM_SHUFFLE selector.
template <int Imm>
[[gnu::always_inline]] inline Quad Permute(Quad v) {
    return {{_mm256_permute4x64_pd(v.re.v, Imm)}, {_mm256_permute4x64_pd(v.im.v, Imm)}};
}

// Point k of four blocks at once: lane b holds blocks[b][k], for k = 0 .. Count-1 (a
// multiple of 4). Loads four consecutive points of each block and transposes them.
template <int Count>
[[gnu::always_inline]] inline void LoadBlocks(TComplexSingle* const* blocks, Quad* x) {
    const __m256i deinterleave = _mm256_setr_epi32(0, 2, 4, 6, 1, 3, 5, 7);
    for (int k = 0; k < Count; k += 4) {
        const __m256d r0 = _mm256_castps_pd(_mm256_loadu_ps(&blocks[0][k].Re));
        const __m256d r1 = _mm256_castps_pd(_mm256_loadu_ps(&blocks[1][k].Re));
        const __m256d r2 = _mm256_castps_pd(_mm256_loadu_ps(&blocks[2][k].Re));
        const __m256d r3 = _mm256_castps_pd(_mm256_loadu_ps(&blocks[3][k].Re));
        const __m256d t0 = _mm256_unpacklo_pd(r0, r1), t1 = _mm256_unpackhi_pd(r0, r1);
        const __m256d t2 = _mm256_unpacklo_pd(r2, r3), t3 = _mm256_unpackhi_pd(r2, r3);
        const __m256d columns[4] = {_mm256_permute2f128_pd(t0, t2, 0x20), _mm256_permute2f128_pd(t1, t3, 0x20),
                                    _mm256_permute2f128_pd(t0, t2, 0x31), _mm256_permute2f128_pd(t1, t3, 0x31)};
        for (int j = 0; j < 4; ++j) {
            const __m256 split = _mm256_permutevar8x32_ps(_mm256_castpd_ps(columns[j]), deinterleave);
            x[k + j] = {{_mm256_cvtps_pd(_mm256_castps256_ps128(split))}, {_mm256_cvtps_pd(_mm256_extractf128_ps(split, 1))}};
        }
    }
}

// The inverse of LoadBlocks, rounding every value to float.
template <int Count>
[[gnu::always_inline]] inline void StoreBlocks(TComplexSingle* const* blocks, const Quad* x) {
    for (int k = 0; k < Count; k += 4) {
        __m256d columns[4];
        for (int j = 0; j < 4; ++j) {
            const __m128 re = _mm256_cvtpd_ps(x[k + j].re.v);
            const __m128 im = _mm256_cvtpd_ps(x[k + j].im.v);
            columns[j] = _mm256_castps_pd(_mm256_set_m128(_mm_unpackhi_ps(re, im), _mm_unpacklo_ps(re, im)));
        }
        const __m256d t0 = _mm256_unpacklo_pd(columns[0], columns[1]), t1 = _mm256_unpackhi_pd(columns[0], columns[1]);
        const __m256d t2 = _mm256_unpacklo_pd(columns[2], columns[3]), t3 = _mm256_unpackhi_pd(columns[2], columns[3]);
        _mm256_storeu_ps(&blocks[0][k].Re, _mm256_castpd_ps(_mm256_permute2f128_pd(t0, t2, 0x20)));
        _mm256_storeu_ps(&blocks[1][k].Re, _mm256_castpd_ps(_mm256_permute2f128_pd(t1, t3, 0x20)));
        _mm256_storeu_ps(&blocks[2][k].Re, _mm256_castpd_ps(_mm256_permute2f128_pd(t0, t2, 0x31)));
        _mm256_storeu_ps(&blocks[3][k].Re, _mm256_castpd_ps(_mm256_permute2f128_pd(t1, t3, 0x31)));
    }
}

}  // namespace avx2
}  // namespace uFFTasm

#pragma once
// The AVX2 vector layer of the vector engine: four doubles per register, four complex values
// per Complex<D4> (real parts in one register, imaginary parts in the other).
//
// Include only from the *_avx*.cpp engine files. Everything here sits in an unnamed
// namespace, and so does every template instantiated with these types: each engine file gets
// its own copy, compiled for its own instruction set, and no function is ever shared with
// code built for another processor.

#include "fft/SplitRadix.h"

#include <immintrin.h>

namespace uFFTasm::avx2 {
namespace {

struct D4 {
    __m256d v;
    [[gnu::always_inline]] static D4 Splat(double value) { return {_mm256_set1_pd(value)}; }
};

// The sum as a * 1 + b: one rounding of the exact sum, so the same bits as an addition, but on
// the multiply units, which the conversions leave idle while they hold up the adders.
[[gnu::always_inline]] inline D4 operator+(D4 a, D4 b) { return {_mm256_fmadd_pd(a.v, _mm256_set1_pd(1.0), b.v)}; }
[[gnu::always_inline]] inline D4 operator-(D4 a, D4 b) { return {_mm256_sub_pd(a.v, b.v)}; }
[[gnu::always_inline]] inline D4 operator*(D4 a, D4 b) { return {_mm256_mul_pd(a.v, b.v)}; }

struct Simd4 {
    static constexpr int Width = 4;
    using Vec = D4;
    using C = Complex<D4>;
    using Floats = __m256;  // four interleaved complex floats

    [[gnu::always_inline]] static Floats LoadF(const TComplexSingle* p) { return _mm256_loadu_ps(&p->Re); }
    [[gnu::always_inline]] static void StoreF(TComplexSingle* p, Floats f) { _mm256_storeu_ps(&p->Re, f); }
    [[gnu::always_inline]] static Floats MulF(Floats a, float factor) { return _mm256_mul_ps(a, _mm256_set1_ps(factor)); }

    [[gnu::always_inline]] static D4 LoadD(const double* p) { return {_mm256_loadu_pd(p)}; }

    using Half = __m128;  // the real or the imaginary parts of four complex values
    [[gnu::always_inline]] static Half LoadH(const float* p) { return _mm_loadu_ps(p); }
    [[gnu::always_inline]] static void StoreH(float* p, Half h) { _mm_storeu_ps(p, h); }
    [[gnu::always_inline]] static Half AddH(Half a, Half b) { return _mm_add_ps(a, b); }
    [[gnu::always_inline]] static D4 WidenH(Half h) { return {_mm256_cvtps_pd(h)}; }
    // Rounded to float (to nearest, like the scalar conversion).
    [[gnu::always_inline]] static Half NarrowH(D4 v) { return _mm256_cvtpd_ps(v.v); }

    // Four interleaved complex floats apart into their real and imaginary parts, and back.
    // One permutation across the register (real parts to the low half) and the high half
    // taken out: two shuffles where the in-lane ones need three.
    [[gnu::always_inline]] static __m256 Halves(Floats f) {
        return _mm256_permutevar8x32_ps(f, _mm256_setr_epi32(0, 2, 4, 6, 1, 3, 5, 7));
    }
    [[gnu::always_inline]] static void SplitF(Floats f, Half& re, Half& im) {
        const __m256 halves = Halves(f);
        re = _mm256_castps256_ps128(halves);
        im = _mm256_extractf128_ps(halves, 1);
    }
    // Where AVX-512VL is at hand (the AVX-512 engine file) one two-register permutation does it.
    [[gnu::always_inline]] static Floats JoinF(Half re, Half im) {
#ifdef __AVX512VL__
        return _mm256_permutex2var_ps(_mm256_castps128_ps256(re), _mm256_setr_epi32(0, 8, 1, 9, 2, 10, 3, 11),
                                      _mm256_castps128_ps256(im));
#else
        const __m256 halves = _mm256_insertf128_ps(_mm256_castps128_ps256(re), im, 1);
        return _mm256_permutevar8x32_ps(halves, _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7));
#endif
    }

    // Deinterleaved and widened.
    [[gnu::always_inline]] static C Widen(Floats f) {
        const __m256 halves = Halves(f);
        return {WidenH(_mm256_castps256_ps128(halves)), WidenH(_mm256_extractf128_ps(halves, 1))};
    }

    // Rounded to float (to nearest, like the scalar conversion) and interleaved again.
    [[gnu::always_inline]] static Floats Narrow(C v) { return JoinF(NarrowH(v.re), NarrowH(v.im)); }

    [[gnu::always_inline]] static C Load(const TComplexSingle* p) {
        const __m128 lo = _mm_loadu_ps(&p[0].Re);
        const __m128 hi = _mm_loadu_ps(&p[2].Re);
        return {{_mm256_cvtps_pd(_mm_shuffle_ps(lo, hi, _MM_SHUFFLE(2, 0, 2, 0)))},
                {_mm256_cvtps_pd(_mm_shuffle_ps(lo, hi, _MM_SHUFFLE(3, 1, 3, 1)))}};
    }

    [[gnu::always_inline]] static void Store(TComplexSingle* p, C v) {
        const __m128 re = _mm256_cvtpd_ps(v.re.v);
        const __m128 im = _mm256_cvtpd_ps(v.im.v);
        _mm_storeu_ps(&p[0].Re, _mm_unpacklo_ps(re, im));
        _mm_storeu_ps(&p[2].Re, _mm_unpackhi_ps(re, im));
    }

    // Lane 0 from b, the others from a.
    [[gnu::always_inline]] static C WithLane0(C a, C b) {
        return {{_mm256_blend_pd(a.re.v, b.re.v, 1)}, {_mm256_blend_pd(a.im.v, b.im.v, 1)}};
    }

    // Point k of four blocks at once: lane b holds blocks[b][k], for k = 0 .. Count-1 (a
    // multiple of 4). Loads four consecutive points of each block and transposes them.
    template <int Count>
    [[gnu::always_inline]] static void LoadBlocks(const TComplexSingle* const* blocks, C* x) {
        const __m256i deinterleave = _mm256_setr_epi32(0, 2, 4, 6, 1, 3, 5, 7);
        Floats columns[Count];
        LoadRoundedBlocks<Count>(blocks, columns);
        for (int k = 0; k < Count; ++k) {
            const __m256 split = _mm256_permutevar8x32_ps(columns[k], deinterleave);
            x[k] = {{_mm256_cvtps_pd(_mm256_castps256_ps128(split))}, {_mm256_cvtps_pd(_mm256_extractf128_ps(split, 1))}};
        }
    }

    // Point k of four blocks at once as they are stored (interleaved floats), for k = 0 ..
    // Count-1 (a multiple of 4).
    template <int Count>
    [[gnu::always_inline]] static void LoadRoundedBlocks(const TComplexSingle* const* blocks, Floats* f) {
        for (int k = 0; k < Count; k += 4) {
            const __m256d r0 = _mm256_castps_pd(_mm256_loadu_ps(&blocks[0][k].Re));
            const __m256d r1 = _mm256_castps_pd(_mm256_loadu_ps(&blocks[1][k].Re));
            const __m256d r2 = _mm256_castps_pd(_mm256_loadu_ps(&blocks[2][k].Re));
            const __m256d r3 = _mm256_castps_pd(_mm256_loadu_ps(&blocks[3][k].Re));
            const __m256d t0 = _mm256_unpacklo_pd(r0, r1), t1 = _mm256_unpackhi_pd(r0, r1);
            const __m256d t2 = _mm256_unpacklo_pd(r2, r3), t3 = _mm256_unpackhi_pd(r2, r3);
            f[k] = _mm256_castpd_ps(_mm256_permute2f128_pd(t0, t2, 0x20));
            f[k + 1] = _mm256_castpd_ps(_mm256_permute2f128_pd(t1, t3, 0x20));
            f[k + 2] = _mm256_castpd_ps(_mm256_permute2f128_pd(t0, t2, 0x31));
            f[k + 3] = _mm256_castpd_ps(_mm256_permute2f128_pd(t1, t3, 0x31));
        }
    }

    // The inverse of LoadBlocks, rounding every value to float.
    template <int Count>
    [[gnu::always_inline]] static void StoreBlocks(TComplexSingle* const* blocks, const C* x) {
        Floats f[Count];
        for (int k = 0; k < Count; ++k) f[k] = Narrow(x[k]);
        StoreRoundedBlocks<Count>(blocks, f);
    }

    // The inverse of LoadRoundedBlocks.
    template <int Count>
    [[gnu::always_inline]] static void StoreRoundedBlocks(TComplexSingle* const* blocks, const Floats* f) {
        for (int k = 0; k < Count; k += 4) {
            __m256d columns[4];
            for (int j = 0; j < 4; ++j) columns[j] = _mm256_castps_pd(f[k + j]);
            const __m256d t0 = _mm256_unpacklo_pd(columns[0], columns[1]), t1 = _mm256_unpackhi_pd(columns[0], columns[1]);
            const __m256d t2 = _mm256_unpacklo_pd(columns[2], columns[3]), t3 = _mm256_unpackhi_pd(columns[2], columns[3]);
            _mm256_storeu_ps(&blocks[0][k].Re, _mm256_castpd_ps(_mm256_permute2f128_pd(t0, t2, 0x20)));
            _mm256_storeu_ps(&blocks[1][k].Re, _mm256_castpd_ps(_mm256_permute2f128_pd(t1, t3, 0x20)));
            _mm256_storeu_ps(&blocks[2][k].Re, _mm256_castpd_ps(_mm256_permute2f128_pd(t0, t2, 0x31)));
            _mm256_storeu_ps(&blocks[3][k].Re, _mm256_castpd_ps(_mm256_permute2f128_pd(t1, t3, 0x31)));
        }
    }


    // Point k of four blocks at once, lane b taking source[order[b][k]].
    template <int Count>
    [[gnu::always_inline]] static void GatherBlocks(const TComplexSingle* source, const std::uint16_t* const* order, C* x) {
        for (int k = 0; k < Count; ++k) {
            const __m128i p01 = _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(source + order[0][k])),
                                                   _mm_loadl_epi64(reinterpret_cast<const __m128i*>(source + order[1][k])));
            const __m128i p23 = _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(source + order[2][k])),
                                                   _mm_loadl_epi64(reinterpret_cast<const __m128i*>(source + order[3][k])));
            x[k] = Widen(_mm256_castsi256_ps(_mm256_inserti128_si256(_mm256_castsi128_si256(p01), p23, 1)));
        }
    }

    // Point k of four blocks at once from data split in groups of G points (see
    // VectorPasses.h): the real parts of points k .. k+3 of a block are four floats of their
    // group, the imaginary parts G floats further on; two 4 x 4 transposes.
    template <int Count, int G>
    [[gnu::always_inline]] static void LoadSplitBlocks(const TComplexSingle* const* blocks, C* x) {
        for (int k = 0; k < Count; k += 4) {
            __m128 re[4], im[4];
            for (int b = 0; b < 4; ++b) {
                const float* f = &blocks[b]->Re + 2 * (k & ~(G - 1)) + (k & (G - 1));
                re[b] = _mm_loadu_ps(f);
                im[b] = _mm_loadu_ps(f + G);
            }
            _MM_TRANSPOSE4_PS(re[0], re[1], re[2], re[3]);
            _MM_TRANSPOSE4_PS(im[0], im[1], im[2], im[3]);
            for (int j = 0; j < 4; ++j) x[k + j] = {WidenH(re[j]), WidenH(im[j])};
        }
    }

    // The inverse of LoadSplitBlocks, rounding every value to float.
    template <int Count, int G>
    [[gnu::always_inline]] static void StoreSplitBlocks(TComplexSingle* const* blocks, const C* x) {
        for (int k = 0; k < Count; k += 4) {
            __m128 re[4], im[4];
            for (int j = 0; j < 4; ++j) {
                re[j] = NarrowH(x[k + j].re);
                im[j] = NarrowH(x[k + j].im);
            }
            _MM_TRANSPOSE4_PS(re[0], re[1], re[2], re[3]);
            _MM_TRANSPOSE4_PS(im[0], im[1], im[2], im[3]);
            for (int b = 0; b < 4; ++b) {
                float* f = &blocks[b]->Re + 2 * (k & ~(G - 1)) + (k & (G - 1));
                _mm_storeu_ps(f, re[b]);
                _mm_storeu_ps(f + G, im[b]);
            }
        }
    }
};

}  // namespace
}  // namespace uFFTasm::avx2

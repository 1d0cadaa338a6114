#pragma once
// The AVX-512 vector layer of the vector engine: eight doubles per register, eight complex
// values per Complex<D8>. Include only from the *_avx512.cpp engine files; like the AVX2
// layer it sits in an unnamed namespace, so nothing built from it is shared with other files.

#include "fft/SplitRadix.h"

// GCC 12 reports its own placeholder operands inside the AVX-512 intrinsics as uninitialised
// once they are inlined; the warning is about the compiler's header, not about this code.
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <immintrin.h>

namespace uFFTasm::avx512 {
namespace {

struct D8 {
    __m512d v;
    [[gnu::always_inline]] static D8 Splat(double value) { return {_mm512_set1_pd(value)}; }
};

// The sum as a * 1 + b: one rounding of the exact sum, so the same bits as an addition, but on
// the multiply units, which the conversions leave idle while they hold up the adders.
[[gnu::always_inline]] inline D8 operator+(D8 a, D8 b) { return {_mm512_fmadd_pd(a.v, _mm512_set1_pd(1.0), b.v)}; }
[[gnu::always_inline]] inline D8 operator-(D8 a, D8 b) { return {_mm512_sub_pd(a.v, b.v)}; }
[[gnu::always_inline]] inline D8 operator*(D8 a, D8 b) { return {_mm512_mul_pd(a.v, b.v)}; }

struct Simd8 {
    static constexpr int Width = 8;
    using Vec = D8;
    using C = Complex<D8>;
    using Floats = __m512;  // eight interleaved complex floats

    [[gnu::always_inline]] static Floats LoadF(const TComplexSingle* p) { return _mm512_loadu_ps(&p->Re); }
    [[gnu::always_inline]] static void StoreF(TComplexSingle* p, Floats f) { _mm512_storeu_ps(&p->Re, f); }
    [[gnu::always_inline]] static Floats MulF(Floats a, float factor) { return _mm512_mul_ps(a, _mm512_set1_ps(factor)); }

    [[gnu::always_inline]] static D8 LoadD(const double* p) { return {_mm512_loadu_pd(p)}; }

    using Half = __m256;  // the real or the imaginary parts of eight complex values
    [[gnu::always_inline]] static Half LoadH(const float* p) { return _mm256_loadu_ps(p); }
    [[gnu::always_inline]] static void StoreH(float* p, Half h) { _mm256_storeu_ps(p, h); }
    [[gnu::always_inline]] static Half AddH(Half a, Half b) { return _mm256_add_ps(a, b); }
    [[gnu::always_inline]] static D8 WidenH(Half h) { return {_mm512_cvtps_pd(h)}; }
    // Rounded to float (to nearest, like the scalar conversion).
    [[gnu::always_inline]] static Half NarrowH(D8 v) { return _mm512_cvtpd_ps(v.v); }

    // Eight interleaved complex floats apart into their real and imaginary parts, and back.
    [[gnu::always_inline]] static void SplitF(Floats f, Half& re, Half& im) {
        const __m512i split = _mm512_setr_epi32(0, 2, 4, 6, 8, 10, 12, 14, 1, 3, 5, 7, 9, 11, 13, 15);
        const __m512 halves = _mm512_permutexvar_ps(split, f);
        re = _mm512_castps512_ps256(halves);
        im = _mm256_castpd_ps(_mm512_extractf64x4_pd(_mm512_castps_pd(halves), 1));
    }
    [[gnu::always_inline]] static Floats JoinF(Half re, Half im) {
        const __m512i interleave = _mm512_setr_epi32(0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
        return _mm512_permutex2var_ps(_mm512_castps256_ps512(re), interleave, _mm512_castps256_ps512(im));
    }

    // Deinterleaved (real parts to the low half, imaginary parts to the high half) and widened.
    [[gnu::always_inline]] static C Widen(Floats f) {
        const __m512i split = _mm512_setr_epi32(0, 2, 4, 6, 8, 10, 12, 14, 1, 3, 5, 7, 9, 11, 13, 15);
        const __m512 halves = _mm512_permutexvar_ps(split, f);
        const __m256 re = _mm512_castps512_ps256(halves);
        const __m256 im = _mm256_castpd_ps(_mm512_extractf64x4_pd(_mm512_castps_pd(halves), 1));
        return {{_mm512_cvtps_pd(re)}, {_mm512_cvtps_pd(im)}};
    }

    // Rounded to float (to nearest, like the scalar conversion) and interleaved again.
    [[gnu::always_inline]] static Floats Narrow(C v) {
        const __m512i interleave = _mm512_setr_epi32(0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
        const __m512 re = _mm512_castps256_ps512(_mm512_cvtpd_ps(v.re.v));
        const __m512 im = _mm512_castps256_ps512(_mm512_cvtpd_ps(v.im.v));
        return _mm512_permutex2var_ps(re, interleave, im);
    }

    [[gnu::always_inline]] static C Load(const TComplexSingle* p) { return Widen(LoadF(p)); }
    [[gnu::always_inline]] static void Store(TComplexSingle* p, C v) { StoreF(p, Narrow(v)); }

    // Lane 0 from b, the others from a.
    [[gnu::always_inline]] static C WithLane0(C a, C b) {
        return {{_mm512_mask_blend_pd(1, a.re.v, b.re.v)}, {_mm512_mask_blend_pd(1, a.im.v, b.im.v)}};
    }

    // Point k of eight blocks at once: lane b holds blocks[b][k], for k = 0 .. Count-1 (a
    // multiple of 8). Loads eight consecutive points of each block (one 64-bit cell each)
    // and transposes the 8 x 8 matrix.
    template <int Count>
    [[gnu::always_inline]] static void LoadBlocks(const TComplexSingle* const* blocks, C* x) {
        Floats f[Count];
        LoadRoundedBlocks<Count>(blocks, f);
        for (int k = 0; k < Count; ++k) x[k] = Widen(f[k]);
    }

    // Point k of eight blocks at once as they are stored (interleaved floats), for k = 0 ..
    // Count-1 (a multiple of 8).
    template <int Count>
    [[gnu::always_inline]] static void LoadRoundedBlocks(const TComplexSingle* const* blocks, Floats* f) {
        for (int k = 0; k < Count; k += 8) {
            __m512d r[8];
            for (int b = 0; b < 8; ++b) r[b] = _mm512_castps_pd(_mm512_loadu_ps(&blocks[b][k].Re));
            __m512d u[8];
            TransposeQuarters(r, u);
            for (int j = 0; j < 4; ++j) {
                f[k + j] = _mm512_castpd_ps(_mm512_shuffle_f64x2(u[j], u[j + 4], _MM_SHUFFLE(1, 0, 1, 0)));
                f[k + j + 4] = _mm512_castpd_ps(_mm512_shuffle_f64x2(u[j], u[j + 4], _MM_SHUFFLE(3, 2, 3, 2)));
            }
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
        for (int k = 0; k < Count; k += 8) {
            __m512d c[8];
            for (int j = 0; j < 8; ++j) c[j] = _mm512_castps_pd(f[k + j]);
            __m512d u[8];
            TransposeQuarters(c, u);
            for (int j = 0; j < 4; ++j) {
                _mm512_storeu_ps(&blocks[j][k].Re, _mm512_castpd_ps(_mm512_shuffle_f64x2(u[j], u[j + 4], _MM_SHUFFLE(1, 0, 1, 0))));
                _mm512_storeu_ps(&blocks[j + 4][k].Re, _mm512_castpd_ps(_mm512_shuffle_f64x2(u[j], u[j + 4], _MM_SHUFFLE(3, 2, 3, 2))));
            }
        }
    }

    // Point k of eight blocks at once, lane b taking source[order[b][k]].
    template <int Count>
    [[gnu::always_inline]] static void GatherBlocks(const TComplexSingle* source, const std::uint16_t* const* order, C* x) {
        for (int k = 0; k < Count; ++k) {
            __m128i pairs[4];
            for (int b = 0; b < 8; b += 2) {
                pairs[b / 2] = _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(source + order[b][k])),
                                                  _mm_loadl_epi64(reinterpret_cast<const __m128i*>(source + order[b + 1][k])));
            }
            const __m256i lo = _mm256_inserti128_si256(_mm256_castsi128_si256(pairs[0]), pairs[1], 1);
            const __m256i hi = _mm256_inserti128_si256(_mm256_castsi128_si256(pairs[2]), pairs[3], 1);
            x[k] = Widen(_mm512_castsi512_ps(_mm512_inserti64x4(_mm512_castsi256_si512(lo), hi, 1)));
        }
    }

    // Point k of eight blocks at once from data split in groups of eight points (see
    // VectorPasses.h): each block's group is one row of real parts and imaginary parts, and the
    // 8 x 8 transpose of 32-bit cells runs on both halves of the rows together.
    template <int Count, int G>
    [[gnu::always_inline]] static void LoadSplitBlocks(const TComplexSingle* const* blocks, C* x) {
        static_assert(G == 8);
        for (int k = 0; k < Count; k += 8) {
            __m512 r[8];
            for (int b = 0; b < 8; ++b) r[b] = _mm512_loadu_ps(&blocks[b][k].Re);
            __m512 c[8];
            TransposeSplit(r, c);
            for (int j = 0; j < 8; ++j) {
                x[k + j] = {{_mm512_cvtps_pd(_mm512_castps512_ps256(c[j]))},
                            {_mm512_cvtps_pd(_mm256_castpd_ps(_mm512_extractf64x4_pd(_mm512_castps_pd(c[j]), 1)))}};
            }
        }
    }

    // The inverse of LoadSplitBlocks, rounding every value to float.
    template <int Count, int G>
    [[gnu::always_inline]] static void StoreSplitBlocks(TComplexSingle* const* blocks, const C* x) {
        static_assert(G == 8);
        for (int k = 0; k < Count; k += 8) {
            __m512 c[8];
            for (int j = 0; j < 8; ++j) {
                c[j] = _mm512_castpd_ps(_mm512_insertf64x4(_mm512_castps_pd(_mm512_castps256_ps512(NarrowH(x[k + j].re))),
                                                           _mm256_castps_pd(NarrowH(x[k + j].im)), 1));
            }
            __m512 r[8];
            TransposeSplit(c, r);
            for (int b = 0; b < 8; ++b) _mm512_storeu_ps(&blocks[b][k].Re, r[b]);
        }
    }

private:
    // The 8 x 8 transpose of 32-bit cells, in the 256-bit halves of the rows at once.
    [[gnu::always_inline]] static void TransposeSplit(const __m512* r, __m512* c) {
        __m512 t[8], u[8];
        for (int b = 0; b < 8; b += 2) {
            t[b] = _mm512_unpacklo_ps(r[b], r[b + 1]);
            t[b + 1] = _mm512_unpackhi_ps(r[b], r[b + 1]);
        }
        for (int b = 0; b < 8; b += 4) {
            u[b] = _mm512_shuffle_ps(t[b], t[b + 2], 0x44);
            u[b + 1] = _mm512_shuffle_ps(t[b], t[b + 2], 0xEE);
            u[b + 2] = _mm512_shuffle_ps(t[b + 1], t[b + 3], 0x44);
            u[b + 3] = _mm512_shuffle_ps(t[b + 1], t[b + 3], 0xEE);
        }
        const __m512i lo = _mm512_setr_epi64(0, 1, 8, 9, 4, 5, 12, 13);
        const __m512i hi = _mm512_setr_epi64(2, 3, 10, 11, 6, 7, 14, 15);
        for (int j = 0; j < 4; ++j) {
            c[j] = _mm512_castpd_ps(_mm512_permutex2var_pd(_mm512_castps_pd(u[j]), lo, _mm512_castps_pd(u[j + 4])));
            c[j + 4] = _mm512_castpd_ps(_mm512_permutex2var_pd(_mm512_castps_pd(u[j]), hi, _mm512_castps_pd(u[j + 4])));
        }
    }

    // The first two steps of the 8x8 transpose of 64-bit cells (pairs of rows, then pairs of
    // pairs); the callers finish it by exchanging 128-bit halves between u[j] and u[j + 4].
    [[gnu::always_inline]] static void TransposeQuarters(const __m512d* r, __m512d* u) {
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
};

}  // namespace
}  // namespace uFFTasm::avx512

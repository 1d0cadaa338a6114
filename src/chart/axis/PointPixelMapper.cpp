#include "chart/axis/PointPixelMapper.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#include <xmmintrin.h>
#endif

namespace chart {

namespace {

bool Within(TPoint p, int reach) { return p.X >= -reach && p.X <= reach && p.Y >= -reach && p.Y <= reach; }

// Drawing code that ran before (the toolkit's AVX paths) can leave the upper halves of the
// vector registers dirty; every legacy SSE instruction then waits on them and the loop runs
// several times slower. Clearing them costs a cycle.
void ClearUpperVectorState() {
#if defined(__SSE2__) && defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  static const bool avx = __builtin_cpu_supports("avx");
  if (avx) __asm__ volatile("vzeroupper");
#endif
}

}  // namespace

bool TPointPixelMapper::MapPoints(const double* xs, double mx, const double* ys, double my, int n, TPoint* out,
                                  int reach) const {
  bool within = true;
  if (!(FX.FBlockFast && FY.FBlockFast)) {
    for (int k = 0; k < n; ++k) {
      out[k] = {FX(xs[k] * mx), FY(ys[k] * my)};
      within &= Within(out[k], reach);
    }
    return within;
  }
  // The main loop has no branch, so that it runs several values at a time; the rare values
  // near a tie or far off are redone exactly afterwards.
  int k = 0;
  bool redo = false;
#if defined(__SSE2__)
  // One point per vector, x in the low lane, with the very operations of Quick.
  const __m128d mult = _mm_set_pd(my, mx), minimum = _mm_set_pd(FY.FMinimum, FX.FMinimum);
  const __m128d factor = _mm_set_pd(FY.FSignedFactor, FX.FSignedFactor);
  const __m128d magic = _mm_set1_pd(TAxisPixelMapper::Magic), safe = _mm_set1_pd(TAxisPixelMapper::SafeOffset);
  const __m128d near = _mm_set1_pd(0.5 - TAxisPixelMapper::Slack);
  const __m128d magnitude = _mm_castsi128_pd(_mm_set1_epi64x(0x7FFFFFFFFFFFFFFFLL));
  const __m128i base = _mm_set_epi32(FY.FBase, FX.FBase, FY.FBase, FX.FBase);
  const __m128i above = _mm_set1_epi32(reach), below = _mm_set1_epi32(-reach);
  __m128i outside = _mm_setzero_si128();
  int bad = 0;
  auto quick = [&](__m128d v) {
    const __m128d t = _mm_mul_pd(_mm_sub_pd(_mm_mul_pd(v, mult), minimum), factor);
    const __m128d r = _mm_sub_pd(_mm_add_pd(t, magic), magic);
    const __m128d ok = _mm_and_pd(_mm_cmplt_pd(_mm_and_pd(t, magnitude), safe),
                                  _mm_cmplt_pd(_mm_and_pd(_mm_sub_pd(t, r), magnitude), near));
    bad |= _mm_movemask_pd(ok) ^ 3;
    return _mm_cvttpd_epi32(_mm_and_pd(r, ok));
  };
  ClearUpperVectorState();
  for (; k + 2 <= n; k += 2) {
    // Long runs come from memory: ask for the values two blocks ahead.
    if ((k & 7) == 0) {
      _mm_prefetch(reinterpret_cast<const char*>(xs + k + 512), _MM_HINT_T0);
      _mm_prefetch(reinterpret_cast<const char*>(ys + k + 512), _MM_HINT_T0);
    }
    const __m128d x = _mm_loadu_pd(xs + k), y = _mm_loadu_pd(ys + k);
    const __m128i p = _mm_add_epi32(_mm_unpacklo_epi64(quick(_mm_unpacklo_pd(x, y)), quick(_mm_unpackhi_pd(x, y))), base);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + k), p);
    outside = _mm_or_si128(outside, _mm_or_si128(_mm_cmpgt_epi32(p, above), _mm_cmplt_epi32(p, below)));
  }
  redo = bad != 0;
  within = _mm_movemask_epi8(outside) == 0;
#endif
  for (; k < n; ++k) {
    bool okX, okY;
    out[k] = {FX.Quick(xs[k] * mx, okX), FY.Quick(ys[k] * my, okY)};
    redo |= !(okX & okY);
    within &= Within(out[k], reach);
  }
  if (!redo) return within;
  within = true;
  for (k = 0; k < n; ++k) {
    bool ok;
    const double x = xs[k] * mx, y = ys[k] * my;
    if (FX.Quick(x, ok), !ok) out[k].X = FX.Exact(x);
    if (FY.Quick(y, ok), !ok) out[k].Y = FY.Exact(y);
    within &= Within(out[k], reach);
  }
  return within;
}

}  // namespace chart

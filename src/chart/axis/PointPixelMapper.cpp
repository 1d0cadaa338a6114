// Both axes' mapping over a block of points: a vector loop as wide as the processor allows,
// then the exact formula for the few values the multiply cannot settle.
#include "chart/axis/PointPixelMapper.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#include <xmmintrin.h>
#endif
#if defined(__SSE2__) && defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define CHART_AVX2_POINTS 1
#include <immintrin.h>
#endif

namespace chart {

// The multiply-only mapping of both axes, lane by lane: x in even lanes, y in odd ones.
struct TPointPixelMapper::TQuick {
  double Mult[2], Minimum[2], Factor[2];
  int Base[2];
  int Reach;
};

namespace {

bool Within(TPoint p, int reach) { return p.X >= -reach && p.X <= reach && p.Y >= -reach && p.Y <= reach; }

// What a vector loop leaves: the points it did, whether some must be redone exactly, and
// whether some coordinate lies beyond the reach.
struct TQuickResult {
  int Done = 0;
  bool Redo = false;
  bool Outside = false;
};

#if defined(__SSE2__)
// Drawing code that ran before (the toolkit's AVX paths) can leave the upper halves of the
// vector registers dirty; every legacy SSE instruction then waits on them and the loop runs
// several times slower. Clearing them costs a cycle.
void ClearUpperVectorState() {
#if defined(CHART_AVX2_POINTS)
  static const bool avx = __builtin_cpu_supports("avx");
  if (avx) __asm__ volatile("vzeroupper");
#endif
}

// Long runs come from memory: ask for the values two blocks ahead, a cache line at a time.
inline void PrefetchAhead(const double* xs, const double* ys, int k) {
  if ((k & 7) == 0) {
    _mm_prefetch(reinterpret_cast<const char*>(xs + k + 512), _MM_HINT_T0);
    _mm_prefetch(reinterpret_cast<const char*>(ys + k + 512), _MM_HINT_T0);
  }
}

// One point per vector, with the very operations of TAxisPixelMapper::Quick.
TQuickResult MapQuickSse2(const TPointPixelMapper::TQuick& q, const double* xs, const double* ys, int n, TPoint* out) {
  const __m128d mult = _mm_loadu_pd(q.Mult), minimum = _mm_loadu_pd(q.Minimum), factor = _mm_loadu_pd(q.Factor);
  const __m128d magic = _mm_set1_pd(TAxisPixelMapper::Magic), safe = _mm_set1_pd(TAxisPixelMapper::SafeOffset);
  const __m128d near = _mm_set1_pd(0.5 - TAxisPixelMapper::Slack);
  const __m128d magnitude = _mm_castsi128_pd(_mm_set1_epi64x(0x7FFFFFFFFFFFFFFFLL));
  const __m128i base = _mm_set_epi32(q.Base[1], q.Base[0], q.Base[1], q.Base[0]);
  const __m128i above = _mm_set1_epi32(q.Reach), below = _mm_set1_epi32(-q.Reach);
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
  int k = 0;
  for (; k + 2 <= n; k += 2) {
    PrefetchAhead(xs, ys, k);
    const __m128d x = _mm_loadu_pd(xs + k), y = _mm_loadu_pd(ys + k);
    const __m128i p = _mm_add_epi32(_mm_unpacklo_epi64(quick(_mm_unpacklo_pd(x, y)), quick(_mm_unpackhi_pd(x, y))), base);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + k), p);
    outside = _mm_or_si128(outside, _mm_or_si128(_mm_cmpgt_epi32(p, above), _mm_cmplt_epi32(p, below)));
  }
  return {k, bad != 0, _mm_movemask_epi8(outside) != 0};
}
#endif

#if defined(CHART_AVX2_POINTS)
// Four points per step: four X values in one vector and four Y values in another, mapped
// with the same operations as TAxisPixelMapper::Quick, then interleaved into points. The
// checks gather over the whole run (an AND of the lanes' verdicts, the least and greatest
// pixel) and are read once at the end.
struct TAxisAvx2 {
  __m256d Mult, Minimum, Factor;
  __m128i Base;
};

struct TCheckAvx2 {
  __m256d Magic, Safe, Near, Magnitude;
};

// Four values of one axis to pixels; the lanes' verdicts go into allOk.
__attribute__((target("avx2"))) inline __m128i QuickAvx2(const double* v, const TAxisAvx2& a, const TCheckAvx2& c,
                                                        __m256d& allOk) {
  const __m256d t = _mm256_mul_pd(_mm256_sub_pd(_mm256_mul_pd(_mm256_loadu_pd(v), a.Mult), a.Minimum), a.Factor);
  const __m256d r = _mm256_sub_pd(_mm256_add_pd(t, c.Magic), c.Magic);
  const __m256d ok = _mm256_and_pd(_mm256_cmp_pd(_mm256_and_pd(t, c.Magnitude), c.Safe, _CMP_LT_OQ),
                                   _mm256_cmp_pd(_mm256_and_pd(_mm256_sub_pd(t, r), c.Magnitude), c.Near, _CMP_LT_OQ));
  allOk = _mm256_and_pd(allOk, ok);
  return _mm_add_epi32(_mm256_cvttpd_epi32(_mm256_and_pd(r, ok)), a.Base);
}

__attribute__((target("avx2"))) TQuickResult MapQuickAvx2(const TPointPixelMapper::TQuick& q, const double* xs,
                                                         const double* ys, int n, TPoint* out) {
  const TCheckAvx2 c{_mm256_set1_pd(TAxisPixelMapper::Magic), _mm256_set1_pd(TAxisPixelMapper::SafeOffset),
                     _mm256_set1_pd(0.5 - TAxisPixelMapper::Slack),
                     _mm256_castsi256_pd(_mm256_set1_epi64x(0x7FFFFFFFFFFFFFFFLL))};
  const TAxisAvx2 ax{_mm256_set1_pd(q.Mult[0]), _mm256_set1_pd(q.Minimum[0]), _mm256_set1_pd(q.Factor[0]), _mm_set1_epi32(q.Base[0])};
  const TAxisAvx2 ay{_mm256_set1_pd(q.Mult[1]), _mm256_set1_pd(q.Minimum[1]), _mm256_set1_pd(q.Factor[1]), _mm_set1_epi32(q.Base[1])};
  __m256d allOk = _mm256_castsi256_pd(_mm256_set1_epi64x(-1));
  __m256i least = _mm256_set1_epi32(q.Reach), greatest = _mm256_set1_epi32(-q.Reach);
  int k = 0;
  for (; k + 4 <= n; k += 4) {
    PrefetchAhead(xs, ys, k);
    const __m128i px = QuickAvx2(xs + k, ax, c, allOk), py = QuickAvx2(ys + k, ay, c, allOk);
    // (X0, Y0, X1, Y1) and (X2, Y2, X3, Y3).
    const __m256i p = _mm256_set_m128i(_mm_unpackhi_epi32(px, py), _mm_unpacklo_epi32(px, py));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + k), p);
    least = _mm256_min_epi32(least, p);
    greatest = _mm256_max_epi32(greatest, p);
  }
  const __m256i reach = _mm256_set1_epi32(q.Reach), negReach = _mm256_set1_epi32(-q.Reach);
  const bool outside = _mm256_movemask_epi8(_mm256_or_si256(_mm256_cmpgt_epi32(greatest, reach), _mm256_cmpgt_epi32(negReach, least))) != 0;
  return {k, _mm256_movemask_pd(allOk) != 15, outside};
}
#endif

bool HasAvx2() {
#if defined(CHART_AVX2_POINTS)
  static const bool avx2 = __builtin_cpu_supports("avx2");
  return avx2;
#else
  return false;
#endif
}

TQuickResult MapQuick(const TPointPixelMapper::TQuick& q, const double* xs, const double* ys, int n, TPoint* out,
                      bool wide) {
#if defined(CHART_AVX2_POINTS)
  if (wide) return MapQuickAvx2(q, xs, ys, n, out);
#endif
  (void)wide;
#if defined(__SSE2__)
  return MapQuickSse2(q, xs, ys, n, out);
#else
  return {};
#endif
}

}  // namespace

TPointPixelMapper::TPointPixelMapper(const TCustomChartAxis& horizAxis, const TCustomChartAxis& vertAxis, bool allowWide)
    : FX(horizAxis, true), FY(vertAxis, false), FWide(allowWide && HasAvx2()) {}

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
  // The vector loops have no branch, so that they run several values at a time; the rare
  // values near a tie or far off are redone exactly afterwards.
  const TQuick q{{mx, my}, {FX.FMinimum, FY.FMinimum}, {FX.FSignedFactor, FY.FSignedFactor}, {FX.FBase, FY.FBase}, reach};
  const TQuickResult vector = MapQuick(q, xs, ys, n, out, FWide);
  bool redo = vector.Redo;
  within = !vector.Outside;
  for (int k = vector.Done; k < n; ++k) {
    bool okX, okY;
    out[k] = {FX.Quick(xs[k] * mx, okX), FY.Quick(ys[k] * my, okY)};
    redo |= !(okX & okY);
    within &= Within(out[k], reach);
  }
  if (!redo) return within;
  within = true;
  for (int k = 0; k < n; ++k) {
    bool ok;
    const double x = xs[k] * mx, y = ys[k] * my;
    if (FX.Quick(x, ok), !ok) out[k].X = FX.Exact(x);
    if (FY.Quick(y, ok), !ok) out[k].Y = FY.Exact(y);
    within &= Within(out[k], reach);
  }
  return within;
}

}  // namespace chart

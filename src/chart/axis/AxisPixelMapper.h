// The value-to-pixel mapping of one axis, prepared for a long run of values: for every
// value the very pixel ValueToXPixel or ValueToYPixel gives, at the cost of a multiply
// instead of a division and a library call. Where the multiply could land on the other
// side of a half pixel than the division (the offset lies within a hair of a tie), or the
// offset is large, the axis's own formula decides.
#pragma once

#include <cmath>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#include <xmmintrin.h>
#endif

#include "chart/axis/CustomChartAxis.h"

namespace chart {

class TAxisPixelMapper {
 public:
  // horizontal: map as ValueToXPixel (else as ValueToYPixel).
  TAxisPixelMapper(const TCustomChartAxis& axis, bool horizontal)
      : FAxis(&axis),
        FHorizontal(horizontal),
        FFromStart(horizontal ? !axis.Inverted() : axis.Inverted()),
        FMinimum(axis.ScaleMinimum()),
        FFactor(axis.ScaleRange() != 0 ? axis.PixelSize() / axis.ScaleRange() : 0),
        FStart(axis.PixelStart()),
        FEnd(axis.PixelEnd()) {
    FFast = !axis.Logarithmic() && axis.ScaleRange() != 0 && std::isfinite(FFactor) && std::isfinite(FMinimum);
    // With the span's ends this close to zero, end +- offset never leaves the int range.
    FBlockFast = FFast && std::abs(FStart) < SafeOffset && std::abs(FEnd) < SafeOffset;
    FBase = static_cast<int>(FFromStart ? FStart : FEnd);
    FSignedFactor = FFromStart ? FFactor : -FFactor;
  }

  // out[k] := the pixel of values[k] * multiplier for k < n, as operator() gives it. The
  // main loop has no branch so that the compiler can run it several values at a time; the
  // rare values near a tie or far off are redone exactly afterwards.
  void MapBlock(const double* values, double multiplier, int n, int* out) const {
    if (!FBlockFast) {
      for (int k = 0; k < n; ++k) out[k] = (*this)(values[k] * multiplier);
      return;
    }
    const bool redo = MapBlockFast(values, multiplier, n, out);
    if (!redo) return;
    for (int k = 0; k < n; ++k) {
      const double v = values[k] * multiplier;
      const double t = (v - FMinimum) * FSignedFactor;
      const double r = (t + Magic) - Magic;
      if (!(std::fabs(t) < SafeOffset && std::fabs(t - r) < 0.5 - Slack)) out[k] = Exact(v);
    }
  }

  int operator()(double value) const {
    if (!FFast) return Exact(value);
    const double t = (value - FMinimum) * FFactor;
    // NaN fails this too.
    if (!(std::fabs(t) < SafeOffset)) return Exact(value);
    // Round to nearest, ties to even: adding and removing 1.5 * 2^52 leaves no fraction.
    const double r = (t + Magic) - Magic;
    if (!(std::fabs(t - r) < 0.5 - Slack)) return Exact(value);
    const std::int64_t offset = static_cast<std::int64_t>(r);
    const std::int64_t p = FFromStart ? FStart + offset : FEnd - offset;
    return p > INT32_MAX ? INT32_MAX : p < INT32_MIN ? INT32_MIN : static_cast<int>(p);
  }

 private:
  // Offsets below this stay far from where the axis's formula saturates, and the multiply
  // is off the division by less than Slack (four rounding errors of 2^-53 relative).
  static constexpr double SafeOffset = 1e9;
  static constexpr double Slack = 1e-6;
  static constexpr double Magic = 6755399441055744.0;

  // The branch-free pass of MapBlock; True when some value must be redone exactly.
  bool MapBlockFast(const double* values, double multiplier, int n, int* out) const {
    int k = 0;
    bool redo = false;
#if defined(__SSE2__)
    // Two values per step with the very operations of the scalar loop below.
    const __m128d mult = _mm_set1_pd(multiplier), minimum = _mm_set1_pd(FMinimum), factor = _mm_set1_pd(FSignedFactor);
    const __m128d magic = _mm_set1_pd(Magic), safe = _mm_set1_pd(SafeOffset), near = _mm_set1_pd(0.5 - Slack);
    const __m128d magnitude = _mm_castsi128_pd(_mm_set1_epi64x(0x7FFFFFFFFFFFFFFFLL));
    const __m128i base = _mm_set1_epi32(FBase);
    int bad = 0;
    ClearUpperVectorState();
    for (; k + 2 <= n; k += 2) {
      // Long runs come from memory: ask for the values two blocks ahead.
      if ((k & 7) == 0) _mm_prefetch(reinterpret_cast<const char*>(values + k + 512), _MM_HINT_T0);
      const __m128d t = _mm_mul_pd(_mm_sub_pd(_mm_mul_pd(_mm_loadu_pd(values + k), mult), minimum), factor);
      const __m128d r = _mm_sub_pd(_mm_add_pd(t, magic), magic);
      const __m128d ok = _mm_and_pd(_mm_cmplt_pd(_mm_and_pd(t, magnitude), safe),
                                    _mm_cmplt_pd(_mm_and_pd(_mm_sub_pd(t, r), magnitude), near));
      bad |= _mm_movemask_pd(ok) ^ 3;
      _mm_storel_epi64(reinterpret_cast<__m128i*>(out + k), _mm_add_epi32(_mm_cvttpd_epi32(_mm_and_pd(r, ok)), base));
    }
    redo = bad != 0;
#endif
    for (; k < n; ++k) {
      // Negating the factor mirrors the rounding exactly: ties go to even either way.
      const double t = (values[k] * multiplier - FMinimum) * FSignedFactor;
      const double r = (t + Magic) - Magic;
      // Bitwise, not short-circuit: no branch.
      const bool ok = (std::fabs(t) < SafeOffset) & (std::fabs(t - r) < 0.5 - Slack);
      redo |= !ok;
      out[k] = FBase + static_cast<int>(ok ? r : 0.0);
    }
    return redo;
  }

  // Drawing code that ran before (the toolkit's AVX paths) can leave the upper halves of
  // the vector registers dirty; every legacy SSE instruction then waits on them and this
  // loop runs several times slower. Clearing them costs a cycle.
  static void ClearUpperVectorState() {
#if defined(__SSE2__) && defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) __asm__ volatile("vzeroupper");
#endif
  }

  int Exact(double value) const { return FHorizontal ? FAxis->ValueToXPixel(value) : FAxis->ValueToYPixel(value); }

  const TCustomChartAxis* FAxis;
  bool FHorizontal;
  bool FFromStart;
  bool FFast = false;
  bool FBlockFast = false;
  int FBase = 0;
  double FSignedFactor = 0;
  double FMinimum;
  double FFactor;
  std::int64_t FStart;
  std::int64_t FEnd;
};

}  // namespace chart

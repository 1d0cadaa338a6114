// The layout of a pie before its slices are drawn: the circle, the slice pulled out for
// ExplodeBiggest, every slice's angles, and the circle shrunk so exploded slices still fit.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "chart/core/Numeric.h"
#include "chart/seriestypes/PieSeries.h"

namespace chart {

void TPieSeries::CalcAngles() {
  constexpr double twoPi = 2 * std::numbers::pi;
  const int n = Count();
  // Kept between paints: a pie of the same size allocates nothing.
  FAngles.resize(static_cast<std::size_t>(n));
  const double total = AbsTotal();
  const double perValue = total == 0 ? 0 : twoPi / total;
  const TChartValueList& pie = PieValues();
  double sum = 0, previousEnd = 0;
  for (int i = 0; i < n; ++i) {
    TPieAngle& a = FAngles[static_cast<std::size_t>(i)];
    // With nothing to share every slice is the whole pie, not only the first.
    a.Start = total == 0 ? 0 : previousEnd;
    if (!IsGathered(i)) {
      // A NaN takes no part in the total either.
      const double v = std::fabs(pie.Value(i));
      if (!std::isnan(v)) sum += v;
    }
    a.End = sum == total ? twoPi : sum * perValue;
    if (a.End - a.Start > twoPi) a.End = a.Start + twoPi;
    a.Middle = (a.Start + a.End) / 2;
    previousEnd = a.End;
  }
}

void TPieSeries::ApplyExplodeBiggest() {
  if (FExplodeBiggest <= 0) return;
  const TChartValueList& pie = PieValues();
  int biggest = -1;
  double best = 0;
  for (int i = 0; i < Count(); ++i) {
    const double v = pie.Value(i);
    if (IsGathered(i) || std::isnan(v)) continue;
    if (biggest < 0 || v > best) {
      biggest = i;
      best = v;
    }
  }
  if (biggest < 0) return;
  // Part of this paint's layout: stored without asking for another paint.
  if (biggest >= ExplodedCount()) FExploded.resize(static_cast<std::size_t>(biggest) + 1, 0);
  FExploded[static_cast<std::size_t>(biggest)] = FExplodeBiggest;
}

TPoint TPieSeries::ExplodedOffset(int index) const {
  const int p = ExplodedSlice(index);
  if (FMaxExploded <= 0 || p <= 0 || index < 0 || index >= static_cast<int>(FAngles.size())) return {0, 0};
  const double a = FAngles[static_cast<std::size_t>(index)].Middle + Rotation();
  return {ClampToPixel(Round(std::cos(a) * XRadius() * p * 0.01)), ClampToPixel(Round(std::sin(a) * YRadius() * p * 0.01))};
}

void TPieSeries::CalcPieGeometry() {
  CalcCircleGeometry();
  ApplyExplodeBiggest();
  // The slice pulled out the most decides how far the pie shrinks.
  FMaxExploded = 0;
  int widest = -1;
  const int explodedPoints = std::min(ExplodedCount(), Count());
  for (int i = 0; i < explodedPoints; ++i) {
    if (FExploded[static_cast<std::size_t>(i)] > FMaxExploded) {
      FMaxExploded = FExploded[static_cast<std::size_t>(i)];
      widest = i;
    }
  }
  CalcAngles();
  if (widest < 0) return;
  const TPoint o = ExplodedOffset(widest);
  const std::int64_t dx = std::abs(std::int64_t{o.X}) / 2, dy = std::abs(std::int64_t{o.Y}) / 2;
  const TRect r = CircleRect();
  SetCircleRect({ClampToPixel(r.Left + dx), ClampToPixel(r.Top + dy), ClampToPixel(r.Right - dx), ClampToPixel(r.Bottom - dy)});
  AdjustCircleRect();
  CalcRadius();
}

}  // namespace chart

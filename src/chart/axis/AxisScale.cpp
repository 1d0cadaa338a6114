// The scale of an axis: its automatic range, the pixel span, the widening for series
// margins, the mapping between values and pixels, and range changes from zoom and scroll.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <utility>

#include "chart/axis/CustomChartAxis.h"

namespace chart {

namespace {

int ClampInt(std::int64_t v) {
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<int>(v);
}

// Logarithm of a scale end; an end at or below zero counts as 0.
double LogBound(double v) { return v > 0 ? std::log(v) : 0.0; }

// Values past the largest doubles stay at them, so that a scale widened beyond them keeps
// finite ends.
double Saturate(double v) {
  return std::clamp(v, -std::numeric_limits<double>::max(), std::numeric_limits<double>::max());
}

}  // namespace

void TCustomChartAxis::CheckDateTimeValue(double v) {
  if (!(v >= -693593.0 && v < 2958466.0))
    throw std::invalid_argument(std::to_string(v) + " is not a valid date and time");
}

double TCustomChartAxis::SeriesMinimum() {
  if (!FParent) return 0;
  return FIsHorizontal ? FParent->ChartMinX(*this) : FParent->ChartMinY(*this);
}

double TCustomChartAxis::SeriesMaximum() {
  if (!FParent) return 0;
  return FIsHorizontal ? FParent->ChartMaxX(*this) : FParent->ChartMaxY(*this);
}

void TCustomChartAxis::SetScale(double minimum, double maximum) {
  FScaleMinimum = minimum;
  FScaleMaximum = maximum;
  FScaleRange = maximum - minimum;
  if (FLogarithmic) {
    FLogMinimum = LogBound(minimum);
    FLogRange = LogBound(maximum) - FLogMinimum;
  }
}

void TCustomChartAxis::SetPixelSpan(std::int64_t start, std::int64_t end) {
  FPixelStart = ClampInt(start);
  FPixelEnd = ClampInt(end);
  FPixelSize = ClampInt(std::int64_t{FPixelEnd} - FPixelStart);
  FPixelCenter = ClampInt((std::int64_t{FPixelStart} + FPixelEnd) / 2);
}

void TCustomChartAxis::RefreshScaleIsDateTime() {
  FScaleIsDateTime = FParent && FParent->AxisSeriesAreDateTime(*this);
}

void TCustomChartAxis::ApplyAutomaticRange() {
  // Straight to the fields: the automatic range neither validates nor repaints.
  if (FAutomatic || FAutomaticMaximum) FMaximum = SeriesMaximum();
  if (FAutomatic || FAutomaticMinimum) FMinimum = SeriesMinimum();
  SetScale(FMinimum, FMaximum);
}

void TCustomChartAxis::ComputePixelSpan() {
  const TRect r = FParent ? FParent->AxisChartRect() : TRect{};
  if (FIsDepth) {
    // Front to back; labels and ticks keep inside this span like any axis's.
    SetPixelSpan(0, FParent ? FParent->ChartDepth3D() : 0);
    return;
  }
  const std::int64_t edge = FIsHorizontal ? r.Left : r.Top;
  const double size = FIsHorizontal ? double(r.Right) - r.Left : double(r.Bottom) - r.Top;
  // Offsets far past any pixel saturate before they meet the edge, so the sum cannot
  // overflow; SetPixelSpan then stops them at the int range.
  auto offset = [size](double percent) {
    return std::clamp<std::int64_t>(Round(size * 0.01 * percent), -(std::int64_t{1} << 40), std::int64_t{1} << 40);
  };
  SetPixelSpan(edge + offset(FStartPosition), edge + offset(FEndPosition));
}

void TCustomChartAxis::InflateRangeByMargins(int left, int top, int right, int bottom) {
  const int oldStart = FPixelStart;
  const int oldEnd = FPixelEnd;
  const int lo = FIsHorizontal ? left : top;
  const int hi = FIsHorizontal ? right : bottom;
  SetPixelSpan(std::int64_t{FPixelStart} + lo, std::int64_t{FPixelEnd} - hi);
  double a = PixelToValue(oldStart);
  double b = PixelToValue(oldEnd);
  ComputePixelSpan();
  if (a > b) std::swap(a, b);
  SetScale(a, b);
}

double TCustomChartAxis::HalvedLinearOffset(double value, double plain) const {
  // Infinite values, and ends set to infinity, keep what the plain formula gives.
  if (!std::isfinite(value) || !std::isfinite(FScaleMinimum) || !std::isfinite(FScaleMaximum)) return plain;
  // Halves of finite doubles never overflow when subtracted, and their ratio is the ratio
  // of the whole differences; the division comes before the multiply.
  const double offset = value * 0.5 - FScaleMinimum * 0.5;
  const double range = FScaleMaximum * 0.5 - FScaleMinimum * 0.5;
  return offset / range * FPixelSize;
}

int TCustomChartAxis::LogValueToPixel(double value, bool horizontal) const {
  // A value with no logarithm sits at the end that holds the minimum.
  if (value <= 0) {
    const bool atStart = horizontal ? !FInverted : FInverted;
    return atStart ? FPixelStart : FPixelEnd;
  }
  if (FLogRange == 0) return FPixelCenter;
  const double t = (std::log(value) - FLogMinimum) * FPixelSize / FLogRange;
  return LinearOffsetToPixel(t, horizontal ? !FInverted : FInverted);
}

int TCustomChartAxis::DepthValueToPixel(double value) const {
  const int depth = FParent ? FParent->ChartDepth3D() : 0;
  if (FScaleRange == 0) return depth / 2;
  const double from = FInverted ? FScaleMaximum - value : value - FScaleMinimum;
  double t = depth * from / FScaleRange;
  if (!(std::isfinite(t) && std::isfinite(FScaleRange)) && std::isfinite(value) && std::isfinite(FScaleMinimum) &&
      std::isfinite(FScaleMaximum)) {
    const double half = FInverted ? FScaleMaximum * 0.5 - value * 0.5 : value * 0.5 - FScaleMinimum * 0.5;
    t = half / (FScaleMaximum * 0.5 - FScaleMinimum * 0.5) * depth;
  }
  if (!(std::fabs(t) < 2147483647.0)) return depth / 2;
  return ClampInt(Round(t));
}

double TCustomChartAxis::LogPixelToValue(double d, bool horizontal) const {
  const double t = d * FLogRange / FPixelSize;
  return Saturate(horizontal ? std::exp(FLogMinimum + t) : std::exp(FLogMinimum + FLogRange - t));
}

double TCustomChartAxis::PixelToValue(int pixel) const {
  if (FPixelSize < 1) return 0;
  const double d = FInverted ? double(FPixelEnd) - pixel : double(pixel) - FPixelStart;
  if (FLogarithmic) return LogPixelToValue(d, FIsHorizontal);
  const double t = d * FScaleRange / FPixelSize;
  const double v = FIsHorizontal ? FScaleMinimum + t : FScaleMaximum - t;
  if (std::isfinite(v) || !std::isfinite(FScaleMinimum) || !std::isfinite(FScaleMaximum)) return v;
  // The product overflowed (a range near the largest doubles) or the pixel lies beyond
  // them: divide first, in halves, and stop at the largest double.
  const double fraction = d / FPixelSize;
  const double range = FScaleMaximum * 0.5 - FScaleMinimum * 0.5;
  const double half = FIsHorizontal ? FScaleMinimum * 0.5 + fraction * range : FScaleMaximum * 0.5 - fraction * range;
  return Saturate(half * 2);
}

void TCustomChartAxis::SetRange(double a, double b) {
  FAutomatic = false;
  FAutomaticMinimum = false;
  FAutomaticMaximum = false;
  if (a > b) std::swap(a, b);
  // Plain stores: zooming may pass through ranges the validating setters would refuse.
  if (FMinimum != a) { FMinimum = a; Repaint(); }
  if (FMaximum != b) { FMaximum = b; Repaint(); }
  if (FMaximum - FMinimum < 1e-10) {
    FMaximum = FMinimum + 1e-10;
    Repaint();
  }
}

void TCustomChartAxis::ShiftRange(double offset, bool checkLimits) {
  if (checkLimits) {
    // Scroll only while there are series values beyond the visible end.
    if (offset > 0) {
      if (!(SeriesMaximum() > FMaximum)) return;
    } else if (offset < 0) {
      if (!(SeriesMinimum() < FMinimum)) return;
    } else {
      return;
    }
  }
  FAutomatic = false;
  FAutomaticMaximum = false;
  FAutomaticMinimum = false;
  FMaximum += offset;
  FMinimum += offset;
  Repaint();
}

}  // namespace chart

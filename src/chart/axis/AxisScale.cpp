// The scale of an axis: its automatic range, the pixel span, the widening for series
// margins, the mapping between values and pixels, and range changes from zoom and scroll.
#include <cmath>
#include <cstdint>
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
  // The depth axis runs along the vertical pair too.
  const std::int64_t edge = FIsHorizontal ? r.Left : r.Top;
  const double size = FIsHorizontal ? double(r.Right) - r.Left : double(r.Bottom) - r.Top;
  SetPixelSpan(edge + Round(size * 0.01 * FStartPosition), edge + Round(size * 0.01 * FEndPosition));
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
  const double t = depth * from / FScaleRange;
  if (!(std::fabs(t) < 2147483647.0)) return depth / 2;
  return ClampInt(Round(t));
}

double TCustomChartAxis::LogPixelToValue(double d, bool horizontal) const {
  const double t = d * FLogRange / FPixelSize;
  return horizontal ? std::exp(FLogMinimum + t) : std::exp(FLogMinimum + FLogRange - t);
}

double TCustomChartAxis::PixelToValue(int pixel) const {
  if (FPixelSize < 1) return 0;
  const double d = FInverted ? double(FPixelEnd) - pixel : double(pixel) - FPixelStart;
  if (FLogarithmic) return LogPixelToValue(d, FIsHorizontal);
  const double t = d * FScaleRange / FPixelSize;
  return FIsHorizontal ? FScaleMinimum + t : FScaleMaximum - t;
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

// The label step of an axis: as small as the 1-2-5 sequence allows while the labels of
// the current size still fit the pixel span.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "chart/axis/CustomChartAxis.h"
#include "chart/axis/DateTimeSteps.h"
#include "chart/panel/MultiLineText.h"

namespace chart {

namespace {
constexpr double MinIncrement = 1e-12;
}

double TCustomChartAxis::NextIncrementStep(double x) {
  // Zero, negatives, NaN and infinity have no successor; callers stop on them.
  if (!(x > 0) || std::isinf(x)) return x;
  // Bring x into [1, 10) one decade at a time and scale the result back the same way, so
  // every intermediate is the double the decade-by-decade definition produces.
  int down = 0, up = 0;
  while (x >= 10) { x *= 0.1; ++down; }
  while (x < 1) { x *= 10; ++up; }
  double r = x < 2 ? 2.0 : x < 5 ? 5.0 : 10.0;
  for (; down > 0; --down) r *= 10;
  for (; up > 0; --up) r *= 0.1;
  return r;
}

double TCustomChartAxis::DateTimeIncrement(int count) const {
  double d = std::max(OneSecond, FIncrement);
  if (!std::isfinite(FScaleRange) || !std::isfinite(d)) return d;
  if (FScaleRange / d > 1000000.0) d = FScaleRange / 1000000.0;
  while (Round(FScaleRange / d) > count) d = d >= 365.0 ? d * 2 : NextDateTimeStep(d);
  return std::max(d, OneSecond);
}

double TCustomChartAxis::StepsInRange(double step) const {
  if (std::isfinite(FScaleRange)) return FScaleRange / step;
  return (FScaleMaximum * 0.5 - FScaleMinimum * 0.5) / step * 2;
}

double TCustomChartAxis::IncrementForLabelCount(int count) const {
  if (count < 1) return FScaleIsDateTime ? OneSecond : MinIncrement;
  if (FScaleIsDateTime) return DateTimeIncrement(count);
  double step = FIncrement > 0 ? FIncrement : (std::fabs(FScaleRange) >= 1 ? 1.0 : MinIncrement);
  if (FLabelsSeparation > 0 && std::isfinite(FScaleMinimum) && std::isfinite(FScaleMaximum)) {
    for (;;) {
      const double q = StepsInRange(step);
      if (std::fabs(q) < 2147483647.0 && Round(q) <= count) break;
      double next = NextIncrementStep(step);
      // Decade scaling in doubles can hand back the step itself; move on regardless.
      if (!(next > step)) next = NextIncrementStep(step * 2);
      // The sequence ends at the largest finite step; keep that one.
      if (!std::isfinite(next)) break;
      step = next;
    }
  }
  return std::max(step, MinIncrement);
}

std::string TCustomChartAxis::FormatLabel(double value) {
  std::string text;
  if (FParent) {
    text = FParent->FormatAxisLabel(*this, value);
  } else {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    text = buf;
  }
  if (FLabelsMultiLine) std::replace(text.begin(), text.end(), ' ', LineSeparator);
  return text;
}

int TCustomChartAxis::LabelExtent(double value, bool alongWidth) {
  if (!FParent) return 0;
  const std::string text = FormatLabel(value);
  const TTextExtent e =
      MultiLineTextWidth(text, [this](std::string_view line) { return FParent->MeasureTextWidth(line); });
  // Text turned by a right angle stands its line height along the other direction.
  const bool upright = alongWidth ? (FLabelsAngle == 90 || FLabelsAngle == 270)
                                  : (FLabelsAngle == 0 || FLabelsAngle == 180);
  if (upright) return FParent->MeasureFontHeight() * e.Lines;
  return e.Width;
}

int TCustomChartAxis::LabelWidth(double value) { return LabelExtent(value, true); }
int TCustomChartAxis::LabelHeight(double value) { return LabelExtent(value, false); }

double TCustomChartAxis::ComputeIncrement() {
  const int size = FIsHorizontal ? std::max(LabelWidth(FScaleMinimum), LabelWidth(FScaleMaximum))
                                 : std::max(LabelHeight(FScaleMinimum), LabelHeight(FScaleMaximum));
  int limit = 1;
  if (size > 0) {
    std::int64_t room = size;
    if (FLabelsSeparation > 0) room += Round(FLabelsSeparation * 0.01 * size);
    limit = RoundInt(double(FPixelSize) / double(room));
  }
  return IncrementForLabelCount(limit);
}

}  // namespace chart

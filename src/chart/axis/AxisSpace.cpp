// The room an axis takes from the chart rectangle before anything is drawn: its title,
// its labels, its ticks and (in 3D) the wall along it.
#include <algorithm>
#include <cmath>
#include <string>

#include "chart/axis/CustomChartAxis.h"
#include "chart/panel/MultiLineText.h"

namespace chart {

namespace {

int ClampInt(long long v) {
  return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : static_cast<int>(v);
}

// Text that stands across the axis takes one line height of room.
bool RunsInHeight(bool horizontal, int angle) {
  return horizontal ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
}

}  // namespace

int TCustomChartAxis::TickAreaSize() const {
  long long size = (FAxisPen.Visible() ? FAxisPen.Width() : 0) + (FTicks.Visible() ? static_cast<long long>(FTickLength) : 0);
  if (FMinorTicks.Visible()) size = std::max<long long>(size, FMinorTickLength);
  return ClampInt(size);
}

TAxisLabelStyle TCustomChartAxis::EffectiveLabelStyle() {
  if (FLabelStyle != talAuto) return FLabelStyle;
  return FParent ? FParent->AutoLabelStyle(*this) : talNone;
}

int TCustomChartAxis::ValueLabelsExtent() {
  double a = FScaleMinimum, b = FScaleMaximum;
  if (FRoundFirstLabel || (FScaleIsDateTime && FExactDateTime)) {
    // The labels that will be drawn start at whole multiples of the step.
    const double step = ComputeIncrement();
    a = std::trunc(FScaleMinimum / step) * step;
    b = std::trunc(FScaleMaximum / step) * step;
  }
  auto widest = [this](double v) {
    std::string text = FParent->FormatAxisLabel(*this, v, false);
    if (FLabelsMultiLine) std::replace(text.begin(), text.end(), ' ', LineSeparator);
    return MultiLineTextWidth(text, [this](std::string_view line) { return FParent->MeasureTextWidth(line); }).Width;
  };
  // Huge fonts measure near the int limit: the sum saturates.
  return ClampInt(static_cast<long long>(std::max(widest(a), widest(b))) + FParent->MeasureTextWidth(" "));
}

int TCustomChartAxis::LabelsExtent() {
  if (!FParent) return 0;
  switch (EffectiveLabelStyle()) {
    case talValue: return ValueLabelsExtent();
    case talMark: return FParent->MaxMarkTextWidth();
    case talText: return FIsDepth ? FParent->MaxSeriesTitleWidth() : FParent->MaxLabelTextWidth();
    default: return 0;
  }
}

int TCustomChartAxis::SideOf(const TRect& r) const {
  if (FIsHorizontal) return FIsOtherSide ? r.Top : r.Bottom;
  return FIsOtherSide ? r.Right : r.Left;
}

void TCustomChartAxis::InflateSide(TRect& r, int n) const {
  if (FIsHorizontal) {
    if (FIsOtherSide) r.Top = ClampInt(static_cast<long long>(r.Top) + n);
    else r.Bottom = ClampInt(static_cast<long long>(r.Bottom) - n);
  } else {
    if (FIsOtherSide) r.Right = ClampInt(static_cast<long long>(r.Right) - n);
    else r.Left = ClampInt(static_cast<long long>(r.Left) + n);
  }
}

int TCustomChartAxis::ShiftByPositionPercent(int a, const TRect& r) const {
  if (FPositionPercent == 0) return a;
  const double d = FIsHorizontal ? double(r.Bottom) - r.Top : double(r.Right) - r.Left;
  // Saturated well inside long long, so that neither the negation nor the sum overflows.
  long long s = std::clamp<long long>(Round(FPositionPercent * 0.01 * d), -(1LL << 40), 1LL << 40);
  if (FIsOtherSide) s = -s;
  // A positive percent moves the bottom and left axes into the chart.
  return ClampInt(FIsHorizontal ? a - s : a + s);
}

void TCustomChartAxis::ReserveSpace(TRect& rect, bool shrink) {
  RefreshScaleIsDateTime();
  if (!FParent) return;

  auto labelsArea = [this] {
    if (FLabelsSize != 0) return FLabelsSize;
    FParent->ApplyFont(FLabelsFont);
    if (RunsInHeight(FIsHorizontal, FLabelsAngle)) return FParent->MeasureFontHeight();
    return LabelsExtent();
  };
  auto titleArea = [this] {
    if (FTitleSize != 0) return FTitleSize;
    FParent->ApplyFont(FTitle->Font());
    if (RunsInHeight(FIsHorizontal, FTitle->Angle())) return FParent->MeasureFontHeight();
    return FParent->MeasureTextWidth(FTitle->Caption());
  };

  if (shrink) {
    if (FIsDepth) {
      FTitlePosition = rect.Right;
    } else if (!FTitle->Caption().empty()) {
      InflateSide(rect, titleArea());
      FTitlePosition = SideOf(rect);
    }
    if (FLabels) {
      InflateSide(rect, labelsArea());
      FLabelsPosition = SideOf(rect);
    }
    const int ticks = ClampInt(static_cast<long long>(TickAreaSize()) + FParent->WallThickness(*this));
    if (ticks > 0) InflateSide(rect, ticks);
    FTitlePosition = ShiftByPositionPercent(FTitlePosition, rect);
    FLabelsPosition = ShiftByPositionPercent(FLabelsPosition, rect);
    return;
  }
  // Extra axes stand outside the rectangle without taking room from it.
  const int outwards = (FIsHorizontal ? !FIsOtherSide : FIsOtherSide) ? 1 : -1;
  FAxisPosition = ShiftByPositionPercent(SideOf(rect), rect);
  FLabelsPosition = ClampInt(FAxisPosition + static_cast<long long>(outwards) * TickAreaSize());
  FTitlePosition = ClampInt(FLabelsPosition + static_cast<long long>(outwards) * labelsArea());
}

}  // namespace chart

// Where bars go: the bar size and the margins it needs, the bars of one point side by side,
// the stacks of same-class series, the pixels of a bar's ends, the value range the axes see
// and the points worth drawing.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "chart/axis/CustomChartAxis.h"
#include "chart/core/Numeric.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/seriestypes/BarSeries.h"

namespace chart {

// --- the group of same-class bars ----------------------------------------------------------

int TCustomBarSeries::SideCount() const {
  if (FMultiBar != mbSide || !ParentChart()) return 1;
  int n = 0;
  for (const TChartSeries* s : ParentChart()->SeriesList())
    if (s->Active() && (s == this || SameClass(*s))) ++n;
  return std::max(n, 1);
}

int TCustomBarSeries::OrderPosition() const {
  if (!ParentChart()) return 1;
  int k = 1;
  for (const TChartSeries* s : ParentChart()->SeriesList()) {
    if (s == this) break;
    if (s->Active() && SameClass(*s)) ++k;
  }
  return k;
}

void TCustomBarSeries::CalcBarSize() {
  FSideCount = SideCount();
  FOrderPosition = OrderPosition();
  if (FCustomBarSize != 0) {
    FBarSize = FCustomBarSize;
    return;
  }
  const TCustomAxisPanel* chart = ParentChart();
  std::int64_t count = Count();
  if (FMultiBar == mbSide && chart)
    for (const TChartSeries* s : chart->SeriesList())
      if (s->Active() && (s == this || SameClass(*s))) count = std::max<std::int64_t>(count, s->Count());
  if (chart && chart->MaxPointsPerPage() > 0) count = chart->MaxPointsPerPage();
  const TCustomChartAxis* axis = PositionAxis();
  if (count <= 0 || !axis) {
    FBarSize = 0;
    return;
  }
  std::int64_t room;
  if (FAutoBarSize) room = Round(axis->PixelSize() / (axis->Maximum() + 2 - axis->Minimum()));
  else room = axis->PixelSize() / (FSideMargins ? count + 1 : count);
  std::int64_t size = Round(FBarWidthPercent * 0.01 * static_cast<double>(room)) / FSideCount;
  // Even sizes split into equal halves around the point.
  if (size % 2 != 0) ++size;
  FBarSize = ClampToPixel(size);
}

int TCustomBarSeries::BarMargin() const {
  const std::int64_t all = std::int64_t{FSideCount} * FBarSize;
  return ClampToPixel(FSideMargins ? all : all / 2);
}

// --- stacks ----------------------------------------------------------------------------------

void TCustomBarSeries::CollectStack() const {
  FStack.Collect(*this, [this](const TChartSeries& s) { return SameClass(s); });
}

double TCustomBarSeries::StackOrigin(int index) const {
  CollectStack();
  return FStack.OriginOf(index);
}

double TCustomBarSeries::StackTotal(int index) const {
  CollectStack();
  return FStack.TotalOf(index, FStack.OriginOf(index));
}

double TCustomBarSeries::MandatoryAt(int index) const {
  const TChartValueList& list = MandatoryValueList();
  return index < list.Count() ? list.RawValue(index) * list.Multiplier() : 0;
}

// --- pixels ----------------------------------------------------------------------------------

int TCustomBarSeries::ValueAxisPixel(double value) const {
  const TCustomChartAxis* axis = ValueAxis();
  return FHorizontal ? axis->ValueToXPixel(value) : axis->ValueToYPixel(value);
}

int TCustomBarSeries::FootPixel() const {
  return FHorizontal ? GetHorizAxis()->PixelStart() : GetVertAxis()->PixelEnd();
}

int TCustomBarSeries::PositionPixel(int index) const {
  return FHorizontal ? GetVertAxis()->ValueToYPixel(YValue(index)) : GetHorizAxis()->ValueToXPixel(XValue(index));
}

int TCustomBarSeries::StartOf(int position) const {
  const std::int64_t size = FBarSize;
  std::int64_t at = position;
  if (FMultiBar == mbSide) {
    const double n = FSideCount, k = FOrderPosition;
    // Vertical bars go left to right in series order; horizontal ones bottom to top.
    at += Round((FHorizontal ? n * 0.5 - k : k - n * 0.5 - 1) * static_cast<double>(size));
  } else {
    at -= size / 2;
  }
  if (FOffsetPercent != 0) at += Round(FOffsetPercent * static_cast<double>(size) * 0.01);
  return ClampToPixel(at);
}

namespace {
// Bars are kept within this many pixels of the origin: far beyond any picture, so no pixel
// that shows changes, and near enough that widths, middles and the toolkit's fixed-point
// coordinates never overflow.
constexpr int BarPixelLimit = 1 << 24;
int Bounded(std::int64_t pixel) { return static_cast<int>(std::clamp<std::int64_t>(pixel, -BarPixelLimit, BarPixelLimit)); }
}  // namespace

TBarPixels TCustomBarSeries::PixelsAt(int index, int position) const {
  TBarPixels p = PixelsUnbounded(index, position);
  return {Bounded(p.Start), Bounded(p.End), Bounded(p.Value), Bounded(p.Origin)};
}

TBarPixels TCustomBarSeries::PixelsUnbounded(int index, int position) const {
  TBarPixels p;
  p.Start = StartOf(position);
  p.End = ClampToPixel(std::int64_t{p.Start} + FBarSize);
  const double value = MandatoryAt(index);
  switch (FMultiBar) {
    case mbStacked: {
      const double origin = FStack.OriginOf(index);
      p.Value = ValueAxisPixel(value + origin);
      p.Origin = ValueAxisPixel(origin);
      break;
    }
    case mbStacked100: {
      const double origin = FStack.OriginOf(index);
      const double total = FStack.TotalOf(index, origin);
      p.Value = total == 0 ? 0 : ValueAxisPixel((value + origin) * 100 / total);
      p.Origin = total == 0 ? 0 : ValueAxisPixel(origin * 100 / total);
      break;
    }
    default:
      p.Value = ValueAxisPixel(value);
      p.Origin = FUseYOrigin ? ValueAxisPixel(FYOrigin) : FootPixel();
  }
  return p;
}

TBarPixels TCustomBarSeries::BarPixelsOf(int index) const {
  if (!GetHorizAxis() || !GetVertAxis() || index < 0 || index >= Count()) return {};
  if (FMultiBar == mbStacked || FMultiBar == mbStacked100) CollectStack();
  return PixelsAt(index, PositionPixel(index));
}

// --- value range -----------------------------------------------------------------------------

double TCustomBarSeries::BarsMinimum() const {
  if (FMultiBar == mbStacked100) return 0;
  const double plain = MandatoryValueList().Minimum();
  return FUseYOrigin && FYOrigin < plain ? FYOrigin : plain;
}

double TCustomBarSeries::BarsMaximum() const {
  double result = MandatoryValueList().Maximum();
  if (FMultiBar == mbStacked100) {
    result = 100;
  } else if (FMultiBar == mbStacked) {
    CollectStack();
    const int count = std::min(Count(), MandatoryValueList().Count());
    for (int i = 0; i < count; ++i) result = std::max(result, MandatoryAt(i) + FStack.OriginOf(i));
  }
  return FUseYOrigin && FYOrigin > result ? FYOrigin : result;
}

// --- margins ---------------------------------------------------------------------------------

int TCustomBarSeries::MarksLength() {
  TSeriesMarks& marks = Marks();
  const std::int64_t frame = marks.Frame().Visible() ? 2 * std::int64_t{marks.Frame().Width()} : 0;
  TCustomAxisPanel& chart = *ParentChart();
  chart.ApplyFont(marks.Font());
  std::int64_t extent;
  if (FHorizontal) {
    // The widest mark text of the series.
    const double total = marks.StyleUsesTotal() ? AbsTotal() : 0.0;
    int widest = 0;
    const int count = std::min(Count(), MandatoryValueList().Count());
    for (int i = 0; i < count; ++i) widest = std::max(widest, chart.MultiLineTextWidth(marks.MarkText(i, total)).Width);
    extent = widest;
  } else {
    extent = chart.Canvas().MeasureFontHeight();
  }
  std::int64_t length = extent + marks.ArrowLength() + frame;
  // Vertical bars keep a pixel more beyond the box; horizontal ones only when there is a box.
  if (!FHorizontal || length > 0) ++length;
  return ClampToPixel(length);
}

void TCustomBarSeries::MarksMargins(int& low, int& high) {
  low = high = 0;
  if (!Marks().Visible() || Count() == 0 || !ParentChart()) return;
  const TCustomChartAxis* axis = ValueAxis();
  if (!axis) return;
  const int length = MarksLength();
  const bool inverted = axis->Inverted();
  const bool below = FUseYOrigin && BarsMinimum() < FYOrigin;
  const bool above = !FUseYOrigin || BarsMaximum() > FYOrigin;
  // The low side is the left of a horizontal axis whichever way it runs.
  if (below) (inverted && !FHorizontal ? high : low) = length;
  if (above) (inverted ? low : high) = length;
}

void TCustomBarSeries::CalcHorizMargins(int& left, int& right) {
  if (FHorizontal) {
    MarksMargins(left, right);
  } else {
    CalcBarSize();
    left = right = BarMargin();
  }
}

void TCustomBarSeries::CalcVerticalMargins(int& top, int& bottom) {
  if (FHorizontal) {
    CalcBarSize();
    top = bottom = BarMargin();
  } else {
    MarksMargins(bottom, top);
  }
}

// --- visible points --------------------------------------------------------------------------

void TCustomBarSeries::CalcFirstLastVisibleIndex() {
  // A bar whose point lies just beyond the edge may still reach into the chart.
  CalcVisibleRange(ClampToPixel(std::abs(std::int64_t{StartOf(0)}) + std::abs(std::int64_t{FBarSize})));
}

}  // namespace chart

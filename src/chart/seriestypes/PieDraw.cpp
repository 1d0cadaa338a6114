// Drawing a pie: each slice from the rim point where the last one ended, the marks
// around the rim, and the click hit test by angle.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "chart/core/Numeric.h"
#include "chart/panel/CustomChart.h"
#include "chart/seriestypes/PieSeries.h"

namespace chart {

void TPieSeries::PrepareBrush(TCanvas3D& c, int index, TColor color) const {
  constexpr int patterns = 6;
  const TBrushStyle style =
      FUsePatterns ? static_cast<TBrushStyle>(bsHorizontal + index % patterns) : bsSolid;
  TColor background = CircleBackColor();
  if (const auto* chart = dynamic_cast<const TCustomChart*>(ParentChart()); chart && background == clDefault)
    background = chart->BackColor();
  if (background == clDefault) background = ParentChart()->Color();
  c.ApplyFillBrush(color, style, background);
}

void TPieSeries::DrawSlice(TCanvas3D& c, int index, TPoint& from) {
  const TPieAngle& a = FAngles[static_cast<std::size_t>(index)];
  const TPoint to = PointAtAngle(a.End, XRadius(), YRadius());
  // A slice too thin to move the rim point is drawn as part of the next one.
  if (to == from && Count() != 1 && !(a.End - a.Start > 1)) return;
  const TColor color = ValueColor(index);
  if (color != clNone) {
    PrepareBrush(c, index, color);
    c.ApplyChartPen(FPiePen);
    const TPoint o = ExplodedOffset(index);
    const TRect& r = CircleRect();
    auto x = [&o](int v) { return ClampToPixel(std::int64_t{v} + o.X); };
    auto y = [&o](int v) { return ClampToPixel(std::int64_t{v} - o.Y); };
    c.DrawPieSlice(x(r.Left), y(r.Top), x(r.Right), y(r.Bottom), x(from.X), y(from.Y), x(to.X), y(to.Y));
  }
  from = to;
}

void TPieSeries::DrawSlice3D(TCanvas3D& c, int index, bool sides) {
  const TPieAngle& a = FAngles[static_cast<std::size_t>(index)];
  PrepareBrush(c, index, ValueColor(index));
  c.ApplyChartPen(FPiePen);
  const TPoint o = ExplodedOffset(index);
  const TPoint centre = CircleCenter();
  c.DrawPie3D(ClampToPixel(std::int64_t{centre.X} + o.X), ClampToPixel(std::int64_t{centre.Y} - o.Y), XRadius(),
              YRadius(), StartZ(), EndZ(), a.Start + Rotation(), a.End + Rotation(), Dark3D(), sides);
}

void TPieSeries::DrawVisiblePoints() {
  if (!ParentChart()) return;
  CalcPieGeometry();
  const int first = FirstValueIndex(), last = std::min(LastValueIndex(), Count() - 1);
  if (first < 0 || last < first || CircleWidth() < 5 || CircleHeight() < 5) return;
  TCanvas3D& c = ParentChart()->Canvas();
  // With no total every slice is the whole pie: only the last one drawn shows, unless
  // others are pulled out from under it. This keeps a pie of many zeros to one ellipse.
  int lastShown = last;
  const bool allWhole = AbsTotal() == 0;
  if (allWhole)
    while (lastShown > first && ValueColor(lastShown) == clNone) --lastShown;
  auto skipped = [&](int i) {
    return IsGathered(i) || (allWhole && i != lastShown && ExplodedOffset(i) == TPoint{0, 0});
  };
  TPoint from = PointAtAngle(0, XRadius(), YRadius());
  if (!ParentChart()->View3D()) {
    for (int i = first; i <= last; ++i)
      if (!skipped(i)) DrawSlice(c, i, from);
    return;
  }
  // In depth the sides of every slice go first, from the back of the pie to the front, and
  // then the faces, which nothing stands in front of.
  FDrawOrder.clear();
  for (int i = first; i <= last; ++i) {
    if (skipped(i)) continue;
    const TPieAngle& a = FAngles[static_cast<std::size_t>(i)];
    const TPoint to = PointAtAngle(a.End, XRadius(), YRadius());
    const bool thin = to == from && Count() != 1 && !(a.End - a.Start > 1);
    from = to;
    if (!thin && ValueColor(i) != clNone) FDrawOrder.push_back(i);
  }
  const double rotation = Rotation();
  std::stable_sort(FDrawOrder.begin(), FDrawOrder.end(), [&](int p, int q) {
    return std::sin(FAngles[static_cast<std::size_t>(p)].Middle + rotation) >
           std::sin(FAngles[static_cast<std::size_t>(q)].Middle + rotation);
  });
  for (int i : FDrawOrder) DrawSlice3D(c, i, true);
  for (int i : FDrawOrder) DrawSlice3D(c, i, false);
}

void TPieSeries::DrawMarks() {
  if (!ParentChart()) return;
  // Measured once: every mark of this paint shares the font.
  ParentChart()->ApplyFont(Marks().Font());
  FMarkW = ParentChart()->MeasureTextWidth("W");
  FMarkFontHeight = ParentChart()->MeasureFontHeight();
  TCircledSeries::DrawMarks();
}

void TPieSeries::DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) {
  if (valueIndex < 0 || valueIndex >= static_cast<int>(FAngles.size()) || IsGathered(valueIndex)) return;
  const double grow = 1 + std::max(0, ExplodedSlice(valueIndex)) * 0.01;
  const std::int64_t rx = ClampToPixel(Round(XRadius() * grow));
  const std::int64_t ry = ClampToPixel(Round(YRadius() * grow));
  const std::int64_t arrow = Marks().ArrowLength();
  const double middle = FAngles[static_cast<std::size_t>(valueIndex)].Middle;
  const TPoint from = PointAtAngle(middle, rx, ry);
  const TPoint to = PointAtAngle(middle, rx + FMarkW + arrow, ry + FMarkFontHeight + arrow);
  const TPoint centre = CircleCenter();
  position.ArrowFrom = from;
  position.ArrowTo = to;
  position.LeftTop = {to.X > centre.X ? to.X : ClampToPixel(std::int64_t{to.X} - position.Width),
                      to.Y > centre.Y ? to.Y : ClampToPixel(std::int64_t{to.Y} - position.Height)};
  TCircledSeries::DrawMark(valueIndex, text, position);
}

int TPieSeries::Clicked(int x, int y) {
  const int n = std::min(Count(), static_cast<int>(FAngles.size()));
  if (!ParentChart() || n == 0) return -1;
  const double angle = ClickAngle(x, y);
  const TPoint centre = CircleCenter();
  const std::int64_t dx = std::abs(std::int64_t{x} - centre.X), dy = std::abs(std::int64_t{y} - centre.Y);
  for (int i = 0; i < n; ++i) {
    if (IsGathered(i)) continue;
    const TPieAngle& a = FAngles[static_cast<std::size_t>(i)];
    if (!(a.Start <= angle && angle <= a.End)) continue;
    const TPoint o = ExplodedOffset(i);
    if (dx < XRadius() + std::abs(std::int64_t{o.X}) && dy < YRadius() + std::abs(std::int64_t{o.Y})) return i;
  }
  return -1;
}

}  // namespace chart

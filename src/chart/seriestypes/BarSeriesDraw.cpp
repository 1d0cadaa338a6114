// Drawing bars: the pen and brush of a bar, every bar style in two dimensions and a solid
// for each in three, the marks on the bars' ends, the click hit test and the legend symbol.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "chart/canvas/HitTest.h"
#include "chart/core/Numeric.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/seriestypes/BarSeries.h"

namespace chart {

TBarStyle TCustomBarSeries::StyleOf(int index) {
  TBarStyle style = FBarStyle;
  if (OnGetBarStyle) OnGetBarStyle(this, index, style);
  return style;
}

void TCustomBarSeries::PrepareBrush(TCanvas3D& c, TColor color) const {
  if (FBarBrush.HasBitmap()) {
    c.Brush().SetBitmap(FBarBrush.Bitmap());
    c.Brush().SetColor(color);
    c.Brush().SetStyle(bsSolid);
    return;
  }
  const TColor background =
      FBarBrush.Color() == clDefault ? (ParentChart() ? ParentChart()->Color() : clWhite) : FBarBrush.Color();
  c.ApplyFillBrush(color, FBarBrush.Style(), background);
}

namespace {
// The pen draws in the fill's colour: a clear pen becomes a thin solid one.
void PenInBrushColour(TCanvas3D& c) {
  c.Pen().SetColor(c.Brush().Color());
  if (c.Pen().Style() == psClear) {
    c.Pen().SetStyle(psSolid);
    c.Pen().SetWidth(1);
  }
}
}  // namespace

void TCustomBarSeries::DrawBarRectangle(TCanvas3D& c, const TRect& r) {
  const std::int64_t w = std::abs(std::int64_t{r.Right} - r.Left), h = std::abs(std::int64_t{r.Bottom} - r.Top);
  const int penWidth = FBarPen.Visible() ? FBarPen.Width() : 1;
  if (FBarBrush.Style() == bsSolid && (w == 0 || h == 0)) {
    // A bar with no area still shows, as a line in its colour.
    PenInBrushColour(c);
    c.DrawSegment(r.Left, r.Top, r.Right, r.Bottom);
    // The rectangle itself has no pixels: dense charts, where most bars are lines, make
    // one device call per bar.
    return;
  }
  if (w < penWidth || h < penWidth) {
    // An outline wider than the bar would hide its colour: the outline becomes the bar.
    PenInBrushColour(c);
    c.Brush().SetStyle(bsClear);
  }
  c.DrawRectangle(r.Left, r.Top, r.Right, r.Bottom);
}

void TCustomBarSeries::DrawBar3D(TCanvas3D& c, TBarStyle style, const TRect& r) {
  // The solid spans the series' depth slot.
  const int z0 = StartZ(), z1 = EndZ();
  const TRect box = NormalizeRect(r);
  const bool vertical = !FHorizontal;
  switch (style) {
    case bsPyramid: c.DrawPyramid(vertical, box, z0, z1, FDark3D); break;
    case bsCilinder: c.DrawCylinder(vertical, box, z0, z1, FDark3D); break;
    case bsEllipse: c.DrawEllipseAtDepth(box.Left, box.Top, box.Right, box.Bottom, z0); break;
    case bsInvPyramid: DrawInvertedPyramid3D(c, box, z0, z1); break;
    default: c.DrawCube(box, z0, z1, FDark3D); break;
  }
}

int TCustomBarSeries::TakeDepthOrder(int next, int largest) const {
  (void)largest;
  if (FMultiBar == mbNone || !ParentChart()) return next;
  for (const TChartSeries* s : ParentChart()->SeriesList()) {
    if (s == this) break;
    if (s->Active() && SameClass(*s)) return s->DepthOrder();
  }
  return next;
}

void TCustomBarSeries::DrawBar(TCanvas3D& c, int index, const TBarPixels& p, TColor color) {
  const TBarStyle style = StyleOf(index);
  c.ApplyChartPen(FBarPen);
  PrepareBrush(c, color);
  // Vertical bars: across is x, along is y; horizontal bars the other way round.
  const TRect r = FHorizontal ? TRect{p.Origin, p.Start, p.Value, p.End} : TRect{p.Start, p.Value, p.End, p.Origin};
  if (ParentChart()->View3D()) {
    DrawBar3D(c, style, r);
    return;
  }
  auto at = [this](int across, int along) { return FHorizontal ? TPoint{along, across} : TPoint{across, along}; };
  const int mid = static_cast<int>((std::int64_t{p.Start} + p.End) / 2);
  // Pyramids stand on the foot of the axis' low values: the bottom, or the left.
  const int lowEnd = FHorizontal ? std::min(p.Value, p.Origin) : std::max(p.Value, p.Origin);
  const int highEnd = FHorizontal ? std::max(p.Value, p.Origin) : std::min(p.Value, p.Origin);
  switch (style) {
    case bsPyramid: {
      const TPoint t[3] = {at(p.Start, lowEnd), at(mid, highEnd), at(p.End, lowEnd)};
      c.DrawPolygon(t, 2);
      break;
    }
    case bsInvPyramid: {
      const TPoint t[3] = {at(p.Start, highEnd), at(mid, lowEnd), at(p.End, highEnd)};
      c.DrawPolygon(t, 2);
      break;
    }
    case bsEllipse: c.DrawEllipse(r.Left, r.Top, r.Right, r.Bottom); break;
    case bsRectGradient: {
      c.FillGradient(NormalizeRect(r), clWhite, color, FHorizontal ? gdLeftRight : gdBottomTop);
      if (FBarPen.Visible()) {
        c.Brush().SetStyle(bsClear);
        c.DrawRectangle(r.Left, r.Top, r.Right, r.Bottom);
      }
      break;
    }
    case bsArrow: {
      // A shaft half the bar wide from the foot, and a head the full width whose length is
      // half the width (less on a short bar), pointing at the value.
      const std::int64_t size = std::int64_t{p.End} - p.Start;
      const std::int64_t length = std::int64_t{p.Value} - p.Origin;
      const std::int64_t head = std::min(std::abs(size) / 2, std::abs(length));
      const int neck = ClampToPixel(p.Value - (length < 0 ? -head : head));
      const int a = ClampToPixel(p.Start + size / 4), b = ClampToPixel(p.End - size / 4);
      const TPoint arrow[7] = {at(a, p.Origin), at(a, neck),       at(p.Start, neck), at(mid, p.Value),
                               at(p.End, neck), at(b, neck),       at(b, p.Origin)};
      c.DrawPolygon(arrow, 6);
      break;
    }
    default: DrawBarRectangle(c, r); break;
  }
}

void TCustomBarSeries::DrawVisiblePoints() {
  const int first = FirstValueIndex(), last = LastValueIndex();
  if (first < 0 || last < first) return;
  BeginPointByPoint();
  if (DrawValuesForward())
    for (int i = first; i <= last; ++i) DrawPointAlone(i);
  else
    for (int i = last; i >= first; --i) DrawPointAlone(i);
}

void TCustomBarSeries::DrawPointAlone(int index) {
  if (!ParentChart() || !GetHorizAxis() || !GetVertAxis() || index < 0 || index >= Count()) return;
  const TColor color = ValueColor(index);
  if (color == clNone) return;
  // The stack is read straight from the lists; after an event that may have changed any
  // series it is read afresh.
  if ((FMultiBar == mbStacked || FMultiBar == mbStacked100) && (!FStackRead || OnGetBarStyle)) {
    CollectStack();
    FStackRead = true;
  }
  DrawBar(ParentChart()->Canvas(), index, PixelsAt(index, PositionPixel(index)), color);
}

// In depth the nearer bars go last: the depth rises to the right and upwards, so bars go
// left to right on screen, whichever way their axis runs (index order is reversed on an
// inverted axis), and stacks bottom-up. Side-by-side bars stand left to right in series
// order on either axis.
bool TCustomBarSeries::DrawValuesForward() const {
  const TCustomChartAxis* axis = PositionAxis();
  return !(ParentChart() && ParentChart()->View3D() && axis && axis->Inverted());
}

bool TCustomBarSeries::DrawSeriesForward() const {
  const TCustomChartAxis* axis = ValueAxis();
  const bool stacked = FMultiBar == mbStacked || FMultiBar == mbStacked100;
  return !(stacked && ParentChart() && ParentChart()->View3D() && axis && axis->Inverted());
}

void TCustomBarSeries::DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) {
  const TBarPixels p = BarPixelsOf(valueIndex);
  const TPoint from = position.ArrowFrom;
  const std::int64_t half = FBarSize / 2;
  auto move = [](TPoint& pt, std::int64_t dx, std::int64_t dy) {
    pt = {ClampToPixel(pt.X + dx), ClampToPixel(pt.Y + dy)};
  };
  if (FHorizontal) {
    // Beside the bar's end, centred on the bar, and beyond its origin side when it runs left.
    const std::int64_t arrow = p.Value < p.Origin ? -std::int64_t{Marks().ArrowLength()} - position.Width
                                                  : std::int64_t{Marks().ArrowLength()};
    const std::int64_t dx = std::int64_t{p.Value} - from.X, dy = std::int64_t{p.Start} - from.Y;
    move(position.ArrowFrom, dx, dy + half);
    move(position.ArrowTo, dx + arrow, dy + half);
    move(position.LeftTop, dx + arrow + position.Width / 2, dy + half + position.Height / 2);
  } else {
    // Above the bar's end on its centre line, or below it when the bar hangs down.
    const std::int64_t arrow = p.Origin < p.Value ? -std::int64_t{Marks().ArrowLength()} - position.Height
                                                  : std::int64_t{Marks().ArrowLength()};
    const std::int64_t dx = std::int64_t{p.Start} + half - from.X, dy = std::int64_t{p.Value} - from.Y;
    move(position.ArrowFrom, dx, dy);
    move(position.ArrowTo, dx, dy - arrow);
    move(position.LeftTop, dx, dy - arrow);
  }
  TChartSeries::DrawMark(valueIndex, text, position);
}

bool TCustomBarSeries::Hit(TBarStyle style, const TBarPixels& p, TPoint at) const {
  // Across the bar, then along it between its two ends.
  const int across = FHorizontal ? at.Y : at.X;
  if (across < p.Start || across > std::int64_t{p.Start} + FBarSize) return false;
  const int lo = std::min(p.Value, p.Origin), hi = std::max(p.Value, p.Origin);
  const int end = ClampToPixel(std::int64_t{p.Start} + FBarSize);
  switch (style) {
    case bsEllipse:
      return EllipseContains(at, FHorizontal ? TRect{lo, p.Start, hi, end} : TRect{p.Start, lo, end, hi});
    case bsPyramid:
      return FHorizontal ? SideTriangleContains(at, p.Start, end, lo, hi) : TriangleContains(at, p.Start, end, hi, lo);
    case bsInvPyramid:
      return FHorizontal ? SideTriangleContains(at, p.Start, end, hi, lo) : TriangleContains(at, p.Start, end, lo, hi);
    default: {
      const int along = FHorizontal ? at.X : at.Y;
      return lo <= along && along <= hi;
    }
  }
}

int TCustomBarSeries::Clicked(int x, int y) {
  const int first = FirstValueIndex(), last = LastValueIndex();
  if (first < 0 || last < 0 || !ParentChart() || !GetHorizAxis() || !GetVertAxis()) return -1;
  if (ParentChart()->View3D()) ParentChart()->Canvas().UnprojectPoint(x, y, StartZ());
  const bool stacked = FMultiBar == mbStacked || FMultiBar == mbStacked100;
  for (int i = first; i <= last && i < Count(); ++i) {
    // Nothing is drawn for a null point, so nothing there can be hit.
    if (IsNull(i)) continue;
    if (stacked && (i == first || OnGetBarStyle)) CollectStack();
    if (Hit(StyleOf(i), PixelsAt(i, PositionPixel(i)), {x, y})) return i;
  }
  return -1;
}

void TCustomBarSeries::DrawLegendSymbol(TCanvas3D& canvas, const TRect& rect, TColor color) {
  canvas.ApplyChartPen(FBarPen);
  PrepareBrush(canvas, color);
  canvas.DrawRectangleOf(rect);
}

}  // namespace chart

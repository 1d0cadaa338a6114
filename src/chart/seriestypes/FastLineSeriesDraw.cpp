// Drawing the fast line: the visible points as one chain with one pen, entering from the
// point before the visible range, and a new point drawn at once when AutoRepaint is off.
#include <algorithm>
#include <climits>
#include <span>

#include "chart/axis/CustomChartAxis.h"
#include "chart/axis/PointPixelMapper.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/seriestypes/FastLineSeries.h"

namespace chart {

void TFastLineSeries::PrepareCanvas(TCanvas3D& c) const {
  c.ApplyChartPen(FLinePen);
  const TCustomAxisPanel* chart = ParentChart();
  if (chart && chart->Printing() && FLinePen.Style() != psSolid && FLinePen.Width() == 1) c.Pen().SetWidth(0);
  c.Brush().SetStyle(bsClear);
}

void TFastLineSeries::DrawVisiblePoints() {
  TCustomAxisPanel* chart = ParentChart();
  const int first = FirstValueIndex();
  // A list changed on its own may be shorter than X.
  const int last = std::min({LastValueIndex(), Count() - 1, YValues().Count() - 1});
  if (!chart || !GetHorizAxis() || !GetVertAxis() || first < 0 || last < first) return;
  TZelCanvas3D& c = chart->Canvas();
  PrepareCanvas(c);
  if (!chart->View3D()) {
    DrawPoints2D(c, first, last);
    return;
  }
  for (int i = first; i <= last; ++i) DrawPoint(c, i);
}

void TFastLineSeries::DrawPoint(TCanvas3D& c, int i) {
  const int x = XPixel(i), y = YPixel(i), z = MiddleZ();
  if (i != FirstValueIndex()) {
    if (x == FOld.X && y == FOld.Y) return;
    c.LineToPoint3D(x, y, z);
  } else if (i == 0) {
    c.MovePenTo3D(x, y, z);
  } else {
    // From the point before the range; the chart's clip cuts it at the edge.
    c.DrawLineAtDepth(XPixel(i - 1), YPixel(i - 1), x, y, z);
  }
  FOld = {x, y};
}

// DrawPoint for every point of a flat chart, with the pixels mapped a block at a time and
// each block handed to the canvas as one chain (which skips steps of no length itself).
void TFastLineSeries::DrawPoints2D(TCanvas3D& c, int first, int last) {
  const TPointPixelMapper toPixels(*GetHorizAxis(), *GetVertAxis());
  const double* xs = XValues().Data();
  const double* ys = YValues().Data();
  const double mx = XValues().Multiplier(), my = YValues().Multiplier();
  constexpr int Block = 256;
  // chain[0] is the point the block goes on from, chain[1 + k] the pixel of base + k.
  TPoint chain[Block + 1];
  for (int base = first; base <= last; base += Block) {
    const int n = std::min(Block, last - base + 1);
    toPixels.MapPoints(xs + base, mx, ys + base, my, n, chain + 1, INT_MAX);
    if (base == first) {
      const TPoint p = chain[1];
      if (first == 0) c.MovePenTo(p.X, p.Y);
      else c.DrawSegment(XPixel(first - 1), YPixel(first - 1), p.X, p.Y);
      chain[0] = p;
    } else {
      chain[0] = FOld;
    }
    c.DrawSegmentRun(std::span<const TPoint>(chain, static_cast<std::size_t>(n) + 1));
    FOld = chain[n];
  }
}

void TFastLineSeries::NotifyNewValue(int index) {
  // A point that waits to be merged into the middle of the lists would be merged at once by
  // reading it to draw, one insertion per point; the repaint merges all of them together.
  if (FAutoRepaint || HasWaitingPoints()) {
    TChartSeries::NotifyNewValue(index);
    return;
  }
  // Everything but the repaint: handlers and linked series still hear of the point.
  if (OnAfterAdd) OnAfterAdd(this, index);
  NotifyLinkedSeries(snInsert, index);
  DrawNewPoint(index);
}

void TFastLineSeries::DrawNewPoint(int index) {
  TCustomAxisPanel* chart = ParentChart();
  // Without a window the canvas has nothing current to draw on.
  if (!Active() || !chart || !chart->Host() || !GetHorizAxis() || !GetVertAxis()) return;
  if (index < 0 || index >= Count() || index >= YValues().Count()) return;
  TZelCanvas3D& c = chart->Canvas();
  const bool clip = chart->ClipPoints() && !c.RendersTrue3D();
  if (clip) c.ClipToCube(chart->ChartRect(), 0, chart->Width3D());
  PrepareCanvas(c);
  const int from = std::max(index - 1, 0);
  FOld = {XPixel(from), YPixel(from)};
  c.MovePenTo3D(FOld.X, FOld.Y, MiddleZ());
  const int x = XPixel(index), y = YPixel(index);
  if (x != FOld.X || y != FOld.Y) c.LineToPoint3D(x, y, MiddleZ());
  FOld = {x, y};
  if (clip) c.RemoveClip();
  // The buffer no longer shows what the window does: a later paint draws afresh rather
  // than copying it back over the new segment.
  c.MarkDirty();
  chart->Host()->WindowSurfaceDrawn();
}

}  // namespace chart

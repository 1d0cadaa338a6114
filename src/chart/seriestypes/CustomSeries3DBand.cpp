// The ribbons of a line far denser than its pixel columns, as one fill. Each column the
// line crosses covers the rows from its lowest to its highest point; swept through the
// series' depth (one pixel right and one up per step in an orthogonal view of zoom 100 %),
// each screen column X of the ribbon covers, over the line's columns j = X - t for
// t = 0 .. depth, the rows low[j] - t .. high[j] - t: the band from
// min(low[j] + j) - X to max(high[j] + j) - X over that window of columns.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstdint>

#include "chart/axis/CustomChartAxis.h"
#include "chart/axis/PointPixelMapper.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/seriestypes/CustomSeries.h"
#include "chart/seriestypes/DrawableRange.h"
#include "chart/seriestypes/PointColors.h"

namespace chart {

namespace {
// Widest band handled: the drawable pixel range.
constexpr std::int64_t MaxBandColumns = 2 * std::int64_t{MaxDrawable} + 1;

// For each c in 0 .. out - 1: the minimum (or, with `greatest`, the maximum) of
// v[j] + j over j = c - depth .. c within 0 .. n - 1, less c; a window kept as a queue of
// candidate columns in `window`.
template <bool Greatest>
void SweepEdge(const std::vector<int>& v, int n, int depth, int out, std::vector<int>& window,
               std::vector<TPoint>& points, int xOffset, int yOffset, int rowShift) {
  auto key = [&](int j) { return static_cast<std::int64_t>(v[static_cast<std::size_t>(j)]) + j; };
  auto better = [](std::int64_t a, std::int64_t b) { return Greatest ? a >= b : a <= b; };
  int head = 0, tail = 0;
  for (int c = 0; c < out; ++c) {
    if (c < n) {
      while (tail > head && better(key(c), key(window[static_cast<std::size_t>(tail - 1)]))) --tail;
      window[static_cast<std::size_t>(tail++)] = c;
    }
    while (window[static_cast<std::size_t>(head)] < c - depth) ++head;
    // The column's whole width at its row: a slope between columns would cut off peaks.
    const int row = ClampToPixel(key(window[static_cast<std::size_t>(head)]) - c + yOffset + rowShift);
    const std::int64_t x = std::int64_t{c} + xOffset;
    points.push_back({ClampToPixel(x), row});
    points.push_back({ClampToPixel(x + 1), row});
  }
}
}  // namespace

bool TCustomSeries::DrawVisibleRibbonBand() {
  TCustomAxisPanel& chart = *ParentChart();
  TZelCanvas3D& cv = chart.Canvas();
  const int first = FirstValueIndex(), last = LastValueIndex();
  const std::int64_t count = std::int64_t{last} - first + 1;
  // Sparse lines keep their ribbons one by one: their shading shows each segment.
  if (!cv.IsOrthogonal() || cv.ZoomFactor() != 1.0 || XValues().Order() != loAscending ||
      count < 2 * std::int64_t{std::max(1, chart.ChartWidth())})
    return false;
  const TPointColors pointColors(*this);
  const TColor color = pointColors.SeriesColor();
  if (color == clNone || !pointColors.SeriesColorOnly(first, static_cast<int>(count))) return false;

  // The entry from the chart rectangle's edge, as DrawPointAt draws it.
  const TCustomChartAxis& h = *GetHorizAxis();
  bool entry = false;
  TPoint edge{};
  if (first > 0 && !IsNull(first - 1)) {
    const TRect r = chart.ChartRect();
    edge.X = h.Inverted() ? r.Right : r.Left;
    edge.Y = EdgeYPixel(first - 1, first, h.PixelToValue(edge.X));
    entry = !OffDrawable(edge.X, edge.Y);
  }
  const TPoint a{XPixel(first), YPixel(first)}, b{XPixel(last), YPixel(last)};
  if (OffDrawable(a.X, a.Y) || OffDrawable(b.X, b.Y)) return false;
  int x0 = std::min(a.X, b.X), x1 = std::max(a.X, b.X);
  if (entry) {
    x0 = std::min(x0, edge.X);
    x1 = std::max(x1, edge.X);
  }
  const std::int64_t columns = std::int64_t{x1} - x0 + 1;
  if (columns > MaxBandColumns) return false;
  const int n = static_cast<int>(columns);
  FBandLow.assign(static_cast<std::size_t>(n), INT_MAX);
  FBandHigh.assign(static_cast<std::size_t>(n), INT_MIN);
  auto take = [&](int x, int y) {
    const auto c = static_cast<std::size_t>(x - x0);
    FBandLow[c] = std::min(FBandLow[c], y);
    FBandHigh[c] = std::max(FBandHigh[c], y);
  };
  if (entry) take(edge.X, edge.Y);

  const TPointPixelMapper toPixels(h, *GetVertAxis());
  constexpr int Block = 256;
  TPoint pixels[Block];
  for (int base = first; base <= last; base += Block) {
    const int k = std::min(Block, last - base + 1);
    if (!ListPixels(toPixels, base, k, pixels, MaxDrawable)) return false;
    for (int i = 0; i < k; ++i) {
      // X ascending keeps every pixel between the two ends; a rounding step beyond them
      // would leave the band.
      if (pixels[i].X < x0 || pixels[i].X > x1) return false;
      take(pixels[i].X, pixels[i].Y);
    }
  }
  // Columns the line steps over take the straight line between their neighbours.
  for (int c = 0, previous = -1; c < n; ++c) {
    if (FBandLow[static_cast<std::size_t>(c)] == INT_MAX) continue;
    for (int g = previous + 1; previous >= 0 && g < c; ++g) {
      const auto p = static_cast<std::size_t>(previous), q = static_cast<std::size_t>(c);
      const std::int64_t span = c - previous, at = g - previous;
      FBandLow[static_cast<std::size_t>(g)] =
          static_cast<int>(FBandLow[p] + (std::int64_t{FBandLow[q]} - FBandLow[p]) * at / span);
      FBandHigh[static_cast<std::size_t>(g)] =
          static_cast<int>(FBandHigh[p] + (std::int64_t{FBandHigh[q]} - FBandHigh[p]) * at / span);
    }
    previous = c;
  }

  // Screen offset of the series' front and the depth in pixel steps.
  const TPoint front = cv.ProjectToPoint(x0, 0, StartZ()), back = cv.ProjectToPoint(x0, 0, EndZ());
  const int depth = std::max(0, back.X - front.X);
  const int out = static_cast<int>(std::min<std::int64_t>(std::int64_t{n} + depth, MaxBandColumns));
  FBandWindow.resize(static_cast<std::size_t>(n));
  FBandPoints.clear();
  SweepEdge<false>(FBandLow, n, depth, out, FBandWindow, FBandPoints, front.X, front.Y, 0);
  // Then the lower edge back to the left, one row below the lowest row.
  const std::size_t top = FBandPoints.size();
  SweepEdge<true>(FBandHigh, n, depth, out, FBandWindow, FBandPoints, front.X, front.Y, 1);
  std::reverse(FBandPoints.begin() + static_cast<std::ptrdiff_t>(top), FBandPoints.end());

  PrepareLinePen(cv, color);
  const TPenStyle outline = cv.Pen().Style();
  cv.Pen().SetStyle(psClear);
  ApplyFaceBrush(cv, color, FLineBrush, chart.Color(), false);
  cv.DrawPolygon(FBandPoints, static_cast<int>(FBandPoints.size()) - 1);
  cv.Pen().SetStyle(outline);

  // The front and back edges: each column from its lowest to its highest row, joined at
  // the nearer ends; then the depth edges at the two ends of the line.
  for (const int shift : {depth, 0}) {
    FBandPoints.clear();
    int lastY = FBandLow[0];
    for (int c = 0; c < n; ++c) {
      const int lo = FBandLow[static_cast<std::size_t>(c)], hi = FBandHigh[static_cast<std::size_t>(c)];
      const bool down = std::abs(std::int64_t{lastY} - lo) <= std::abs(std::int64_t{lastY} - hi);
      const int x = ClampToPixel(std::int64_t{c} + front.X + shift);
      FBandPoints.push_back({x, ClampToPixel(std::int64_t{down ? lo : hi} + front.Y - shift)});
      if (lo != hi) FBandPoints.push_back({x, ClampToPixel(std::int64_t{down ? hi : lo} + front.Y - shift)});
      lastY = down ? hi : lo;
    }
    cv.DrawSegmentRun(FBandPoints);
  }
  const TPoint start = entry ? edge : a;
  for (const TPoint p : {start, b}) {
    const TPoint f = cv.ProjectToPoint(p.X, p.Y, StartZ()), k = cv.ProjectToPoint(p.X, p.Y, EndZ());
    cv.DrawSegment(f.X, f.Y, k.X, k.Y);
  }
  FPrevX = b.X;
  FPrevY = b.Y;
  FPrevColor = color;
  FPrevValid = true;
  return true;
}

}  // namespace chart

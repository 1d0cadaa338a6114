// The axis line, the ticks and the grid lines, all placed at the tick positions the labels
// left behind.
#include <algorithm>
#include <cmath>

#include "chart/axis/CustomChartAxis.h"
#include "chart/canvas/Canvas3D.h"

namespace chart {

void TCustomChartAxis::DrawTick(TCanvas3D& c, int t, int o, int n, int wall) {
  const long long a = FAxisPosition;
  auto clamp = [](long long v) { return static_cast<int>(std::clamp<long long>(v, INT32_MIN, INT32_MAX)); };
  const int depth = DrawDepth();
  // Outer ticks point away from the chart rectangle, inner ones into it.
  if (FIsHorizontal) {
    if (FIsOtherSide) c.DrawVerticalLine3D(t, clamp(a - o), clamp(a - o - n), depth);
    else c.DrawVerticalLine3D(t, clamp(a + o + wall), clamp(a + o + wall + n), 0);
  } else {
    if (FIsOtherSide) c.DrawHorizontalLine3D(clamp(a + o), clamp(a + o + n), t, depth);
    else c.DrawHorizontalLine3D(clamp(a - o - wall), clamp(a - o - wall - n), t, 0);
  }
}

void TCustomChartAxis::DrawGridLine(TCanvas3D& c, int t, const TRect& r) {
  if (FIsHorizontal) c.DrawVerticalLine(t, r.Top, r.Bottom);
  else c.DrawHorizontalLine(r.Left, r.Right, t);
}

template <class F>
void TCustomChartAxis::ForEachMinorPosition(F&& f) const {
  const std::vector<int>& t = FTickPositions;
  const std::size_t m = t.size();
  const int k = FMinorTickCount;
  if (m == 0 || k <= 0) return;
  auto visit = [&](long long p) {
    if (p > FPixelStart && p < FPixelEnd) f(static_cast<int>(p));
  };
  if (FLogarithmic) {
    // Between a label value and the next power of the base, in equal value steps.
    const double base = FLogarithmicBase;
    for (const int pos : t) {
      const double raw = PixelToValue(pos);
      if (!(raw > 0)) continue;
      const double x = std::pow(base, std::round(std::log(raw) / std::log(base)));
      const double d = (x * base - x) / (k + 1);
      for (int j = 1; j <= k; ++j) {
        const double v = x + j * d;
        if (v > FScaleMaximum) break;
        visit(ValueToPixel(v));
      }
    }
    return;
  }
  if (m > 1) {
    const double d = (static_cast<double>(t[1]) - t[0]) / (k + 1);
    for (int j = 1; j <= k; ++j) {
      const long long o = Round(j * d);
      visit(t[0] - o);
      visit(t[m - 1] + o);
    }
  }
  for (std::size_t i = 1; i < m; ++i) {
    const double d = (static_cast<double>(t[i]) - t[i - 1]) / (k + 1);
    for (int j = 1; j <= k; ++j) visit(t[i] - Round(j * d));
  }
}

void TCustomChartAxis::DrawLinesTicksAndGrids(TCanvas3D& c) {
  const int wall = FParent->WallThickness(*this);
  const int depth = DrawDepth();
  if (FAxisPen.Visible()) {
    c.ApplyChartPen(FAxisPen);
    // A wall along the axis pushes the line outwards by its thickness.
    if (FIsHorizontal) c.DrawHorizontalLine3D(FPixelStart, FPixelEnd, FIsOtherSide ? FAxisPosition : FAxisPosition + wall, depth);
    else c.DrawVerticalLine3D(FIsOtherSide ? FAxisPosition : FAxisPosition - wall, FPixelStart, FPixelEnd, depth);
  }
  if (FTicks.Visible()) {
    c.ApplyChartPen(FTicks);
    for (const int t : FTickPositions) DrawTick(c, t, 1, FTickLength, wall);
  }
  if (FGrid.Visible()) {
    c.Brush().SetStyle(bsClear);
    c.SetTextBackMode(TRANSPARENT);
    c.ApplyChartPen(FGrid);
    if (FGrid.Color() == clDefault) c.Pen().SetColor(clGray);
    const TRect r = FParent->AxisChartRect();
    if (FGridCentered) {
      for (std::size_t i = 1; i < FTickPositions.size(); ++i)
        DrawGridLine(c, RoundInt((static_cast<double>(FTickPositions[i]) + FTickPositions[i - 1]) * 0.5), r);
    } else {
      for (const int t : FTickPositions) DrawGridLine(c, t, r);
    }
    c.SetTextBackMode(OPAQUE);
  }
  if (FTicksInner.Visible()) {
    c.ApplyChartPen(FTicksInner);
    for (const int t : FTickPositions) DrawTick(c, t, -1, -FTickInnerLength, wall);
  }
  if (FMinorTicks.Visible() && !FTickPositions.empty()) {
    c.ApplyChartPen(FMinorTicks);
    ForEachMinorPosition([&](int p) { DrawTick(c, p, 1, FMinorTickLength, wall); });
  }
  if (FMinorGrid.Visible() && !FTickPositions.empty()) {
    c.ApplyChartPen(FMinorGrid);
    const TRect r = FParent->AxisChartRect();
    ForEachMinorPosition([&](int p) { DrawGridLine(c, p, r); });
  }
}

}  // namespace chart

// The axis line, the ticks and the grid lines, all placed at the tick positions the labels
// left behind.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "chart/axis/CustomChartAxis.h"
#include "chart/canvas/Canvas3D.h"

namespace chart {

void TCustomChartAxis::DrawTick(TCanvas3D& c, int t, int o, int n, int wall) {
  const long long a = FAxisPosition;
  auto clamp = [](long long v) { return static_cast<int>(std::clamp<long long>(v, INT32_MIN, INT32_MAX)); };
  const int depth = DrawDepth();
  // Outer ticks point away from the chart rectangle, inner ones into it.
  if (FIsDepth) {
    // Across the floor's right edge, at the tick's depth.
    c.DrawHorizontalLine3D(clamp(a + o), clamp(a + o + n), FParent->AxisChartRect().Bottom, t);
  } else if (FIsHorizontal) {
    if (FIsOtherSide) c.DrawVerticalLine3D(t, clamp(a - o), clamp(a - o - n), depth);
    else c.DrawVerticalLine3D(t, clamp(a + o + wall), clamp(a + o + wall + n), 0);
  } else {
    if (FIsOtherSide) c.DrawHorizontalLine3D(clamp(a + o), clamp(a + o + n), t, depth);
    else c.DrawHorizontalLine3D(clamp(a - o - wall), clamp(a - o - wall - n), t, 0);
  }
}

void TCustomChartAxis::DrawGridLine(TCanvas3D& c, int t, const TRect& r) {
  const int depth = FParent->ChartDepth3D();
  if (depth == 0) {
    if (FIsHorizontal) c.DrawVerticalLine(t, r.Top, r.Bottom);
    else c.DrawHorizontalLine(r.Left, r.Right, t);
    return;
  }
  // In depth: across the back wall, and for the front axes on along the floor or the
  // left wall; the depth axis crosses the floor and climbs the left wall.
  if (FIsDepth) {
    c.DrawLineAtDepth(r.Left, r.Bottom, r.Right, r.Bottom, t);
    c.DrawVerticalLine3D(r.Left, r.Bottom, r.Top, t);
  } else if (FIsHorizontal) {
    c.DrawVerticalLine3D(t, r.Top, r.Bottom, depth);
    if (!FIsOtherSide) c.DrawDepthLine3D(t, r.Bottom, depth, 0);
  } else {
    c.DrawHorizontalLine3D(r.Left, r.Right, t, depth);
    if (!FIsOtherSide) c.DrawDepthLine3D(r.Left, t, depth, 0);
  }
}

namespace {

// Minor ticks stop where device coordinates end (as series points do).
constexpr long long MaxMinorCoordinate = 32767;

// One run of minor positions, Base + Sign * Round(j * D) for j = 1 .. K, and the j whose
// position can lie strictly inside (Lo, Hi): the rounding moves a position by half a
// pixel at most, so the range is found without visiting the others.
struct TMinorRun {
  long long Base;
  double D;
  int Sign;
  long long K;
  long long First = 1, Last = 0;

  long long At(long long j) const {
    const long long o = Round(static_cast<double>(j) * D);
    return Sign > 0 ? Base + o : Base - o;
  }
  void Limit(long long lo, long long hi) {
    const double e = Sign * D;
    if (e == 0) {
      if (Base > lo && Base < hi) First = 1, Last = std::min<long long>(K, 1);
      return;
    }
    double a = (static_cast<double>(lo) - 1 - Base) / e, b = (static_cast<double>(hi) + 1 - Base) / e;
    if (a > b) std::swap(a, b);
    const double top = static_cast<double>(K);
    First = static_cast<long long>(std::clamp(std::ceil(a), 1.0, top + 1));
    Last = static_cast<long long>(std::clamp(std::floor(b), 0.0, top));
  }
  // With less than a pixel between positions every pixel from the first to the last is
  // taken (by one j or several): visit each once.
  template <class V>
  void VisitBand(V&& visit) const {
    if (First > Last) return;
    const long long from = At(First), to = At(Last);
    const long long dir = to >= from ? 1 : -1;
    for (long long p = from;; p += dir) {
      visit(p);
      if (p == to) break;
    }
  }
};

// The distinct values of a monotone pos(1 .. n) strictly inside (lo, hi), in order, each
// once: repeats and the stretch before the window are searched past, not walked, so the
// work follows the positions visited.
template <class P, class V>
void VisitMonotone(long long n, P&& pos, long long lo, long long hi, V&& visit) {
  if (n < 1) return;
  const bool rising = pos(n) >= pos(1);
  // Smallest j in from .. n with pred(j), n + 1 when none (pred turns true once).
  auto search = [&](long long from, auto&& pred) {
    if (from > n || pred(from)) return from;
    long long a = from, b = from, step = 1;
    for (;;) {
      b = a + step;
      if (b > n) { b = n + 1; break; }
      if (pred(b)) break;
      a = b;
      step *= 2;
    }
    while (b - a > 1) {
      const long long mid = a + (b - a) / 2;
      if (pred(mid)) b = mid;
      else a = mid;
    }
    return b;
  };
  long long j = search(1, [&](long long i) { return rising ? pos(i) > lo : pos(i) < hi; });
  while (j <= n) {
    const long long p = pos(j);
    if (!(p > lo && p < hi)) return;
    visit(p);
    j = search(j + 1, [&](long long i) { return pos(i) != p; });
  }
}

}  // namespace

template <class F>
void TCustomChartAxis::ForEachMinorPosition(F&& f) const {
  const std::vector<int>& t = FTickPositions;
  const std::size_t m = t.size();
  const long long k = FMinorTickCount;
  if (m == 0 || k <= 0) return;
  // Strictly inside the span. Several minor positions on one pixel draw it once, so the
  // work is bounded by the pixels, not by the tick count.
  const long long lo = std::max<long long>(FPixelStart, -MaxMinorCoordinate - 1);
  const long long hi = std::min<long long>(FPixelEnd, MaxMinorCoordinate + 1);
  auto visit = [&](long long p) {
    if (p > lo && p < hi) f(static_cast<int>(p));
  };
  const double parts = static_cast<double>(k) + 1;
  if (FLogarithmic) {
    // Between a label value and the next power of the base, in equal value steps.
    const double base = FLogarithmicBase;
    for (const int pos : t) {
      const double raw = PixelToValue(pos);
      if (!(raw > 0)) continue;
      const double x = std::pow(base, std::round(std::log(raw) / std::log(base)));
      const double d = (x * base - x) / parts;
      if (!(d > 0)) continue;
      // Values past the maximum end the run.
      const double steps = std::floor((FScaleMaximum - x) / d);
      const long long n = std::isnan(steps) ? 0 : static_cast<long long>(std::clamp(steps, 0.0, static_cast<double>(k)));
      long long count = n;
      while (count < k && x + static_cast<double>(count + 1) * d <= FScaleMaximum) ++count;
      while (count > 0 && x + static_cast<double>(count) * d > FScaleMaximum) --count;
      VisitMonotone(count, [&](long long j) -> long long { return ValueToPixel(x + static_cast<double>(j) * d); }, lo, hi,
                    [&](long long p) { f(static_cast<int>(p)); });
    }
    return;
  }
  if (m > 1) {
    const double d = (static_cast<double>(t[1]) - t[0]) / parts;
    TMinorRun a{t[0], d, -1, k}, b{t[m - 1], d, +1, k};
    a.Limit(lo, hi);
    b.Limit(lo, hi);
    if (std::fabs(d) < 1) {
      a.VisitBand(visit);
      b.VisitBand(visit);
    } else {
      // Both ends in step, as the ticks are numbered; only the j that can land inside.
      long long j = std::min(a.First, b.First);
      const long long end = std::max(a.Last, b.Last);
      auto in = [&j](const TMinorRun& r) { return j >= r.First && j <= r.Last; };
      while (j <= end) {
        if (in(a)) visit(a.At(j));
        if (in(b)) visit(b.At(j));
        ++j;
        if (!in(a) && !in(b)) {
          // Over the gap between the two ranges.
          long long next = end + 1;
          if (a.First >= j) next = std::min(next, a.First);
          if (b.First >= j) next = std::min(next, b.First);
          j = next;
        }
      }
    }
  }
  for (std::size_t i = 1; i < m; ++i) {
    TMinorRun run{t[i], (static_cast<double>(t[i]) - t[i - 1]) / parts, -1, k};
    run.Limit(lo, hi);
    if (std::fabs(run.D) < 1) {
      run.VisitBand(visit);
    } else {
      for (long long j = run.First; j <= run.Last; ++j) visit(run.At(j));
    }
  }
}

void TCustomChartAxis::DrawLinesTicksAndGrids(TCanvas3D& c) {
  const int wall = FParent->WallThickness(*this);
  const int depth = DrawDepth();
  if (FAxisPen.Visible()) {
    c.ApplyChartPen(FAxisPen);
    // A wall along the axis pushes the line outwards by its thickness, and the line runs
    // on under the wall it meets at its end.
    const std::int64_t cross = FParent->CrossWallThickness(*this);
    if (FIsDepth)
      c.DrawDepthLine3D(FAxisPosition, FParent->AxisChartRect().Bottom, FPixelStart, FPixelEnd);
    else if (FIsHorizontal)
      c.DrawHorizontalLine3D(ClampToInt(FPixelStart - cross), FPixelEnd,
                             FIsOtherSide ? FAxisPosition : ClampToInt(std::int64_t{FAxisPosition} + wall), depth);
    else
      c.DrawVerticalLine3D(FIsOtherSide ? FAxisPosition : ClampToInt(std::int64_t{FAxisPosition} - wall), FPixelStart,
                           ClampToInt(FPixelEnd + cross), depth);
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
    const int inner = ClampToInt(-static_cast<std::int64_t>(FTickInnerLength));  // INT_MIN has no negation
    for (const int t : FTickPositions) DrawTick(c, t, -1, inner, wall);
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

#include "chart/canvas/HitTest.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace chart {

bool PointOnSegment(TPoint P, TPoint p, TPoint q, int tolerance) {
  // 64-bit throughout: products of pixel differences overflow 32 bits far from the origin.
  using I = std::int64_t;
  const I dx = I(q.X) - p.X, dy = I(q.Y) - p.Y;
  const I m = std::max(std::llabs(dx), std::llabs(dy));
  const I c = std::llabs(dy * (I(P.X) - p.X) - dx * (I(P.Y) - p.Y));
  if (c >= m) return false;
  const I t = tolerance;
  auto before = [t](I a, I b) { return a + t < b; };
  if ((before(q.X, p.X) && before(p.X, P.X)) || (before(q.Y, p.Y) && before(p.Y, P.Y)) ||
      (before(P.X, p.X) && before(p.X, q.X)) || (before(P.Y, p.Y) && before(p.Y, q.Y)) ||
      (before(p.X, q.X) && before(q.X, P.X)) || (before(p.Y, q.Y) && before(q.Y, P.Y)) ||
      (before(P.X, q.X) && before(q.X, p.X)) || (before(P.Y, q.Y) && before(q.Y, p.Y)))
    return false;
  return true;
}

bool PolygonContains(TPoint P, std::span<const TPoint> points, int lastIndex) {
  if (lastIndex < 0 || points.empty()) return false;
  const std::size_t count = std::min(points.size(), static_cast<std::size_t>(lastIndex) + 1);
  bool inside = false;
  std::size_t j = count - 1;
  for (std::size_t i = 0; i < count; j = i++) {
    const TPoint a = points[i], b = points[j];
    if ((P.Y >= a.Y && P.Y < b.Y) || (P.Y >= b.Y && P.Y < a.Y)) {
      const double x = a.X + (static_cast<double>(b.X) - a.X) * (static_cast<double>(P.Y) - a.Y) /
                                 (static_cast<double>(b.Y) - a.Y);
      if (P.X < x) inside = !inside;
    }
  }
  return inside;
}

bool EllipseContains(TPoint P, const TRect& box) {
  const double cx = static_cast<double>((static_cast<long long>(box.Left) + box.Right) / 2);
  const double cy = static_cast<double>((static_cast<long long>(box.Top) + box.Bottom) / 2);
  const double a2 = (box.Left - cx) * (box.Left - cx);
  const double b2 = (box.Top - cy) * (box.Top - cy);
  if (a2 == 0 || b2 == 0) return false;
  const double dx = P.X - cx, dy = P.Y - cy;
  return dx * dx / a2 + dy * dy / b2 <= 1.0;
}

bool TriangleContains(TPoint P, int x0, int x1, int y0, int y1) {
  const TPoint pts[3] = {{x0, y0}, {static_cast<int>((static_cast<long long>(x0) + x1) / 2), y1}, {x1, y0}};
  return PolygonContains(P, pts, 2);
}

bool SideTriangleContains(TPoint P, int y0, int y1, int x0, int x1) {
  const TPoint pts[3] = {{x0, y0}, {x1, static_cast<int>((static_cast<long long>(y0) + y1) / 2)}, {x0, y1}};
  return PolygonContains(P, pts, 2);
}

}  // namespace chart

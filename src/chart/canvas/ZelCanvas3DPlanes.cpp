// Operations with a depth coordinate of the concrete canvas: projected lines, texts,
// planes and the arrow. A 2D chart reaches them too; they then draw at (x, y).
#include "chart/canvas/ZelCanvas3D.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "chart/core/Numeric.h"

namespace chart {

namespace {

// Solids take any int the program passes: their corners are summed in 64 bits and kept
// within the pixel range.
int Px(std::int64_t v) { return ClampToPixel(v); }

}  // namespace

void TZelCanvas3D::ProjectedPolygon(std::span<const TPoint3D> points) {
  TPoint projected[MaxFacePoints];
  const std::size_t n = std::min(points.size(), MaxFacePoints);
  for (std::size_t i = 0; i < n; ++i) projected[i] = Project(points[i].X, points[i].Y, points[i].Z);
  FDevice->Polygon(std::span<const TPoint>(projected, n));
}

void TZelCanvas3D::DrawHorizontalLine3D(int x0, int x1, int y, int z) {
  const TPoint a = Project(x0, y, z), b = Project(x1, y, z);
  FDevice->MoveTo(a.X, a.Y);
  FDevice->LineTo(b.X, b.Y);
}

void TZelCanvas3D::DrawVerticalLine3D(int x, int y0, int y1, int z) {
  const TPoint a = Project(x, y0, z), b = Project(x, y1, z);
  FDevice->MoveTo(a.X, a.Y);
  FDevice->LineTo(b.X, b.Y);
}

void TZelCanvas3D::DrawDepthLine3D(int x, int y, int z0, int z1) {
  const TPoint a = Project(x, y, z0), b = Project(x, y, z1);
  FDevice->MoveTo(a.X, a.Y);
  FDevice->LineTo(b.X, b.Y);
}

void TZelCanvas3D::DrawLineAtDepth(int x0, int y0, int x1, int y1, int z) {
  const TPoint a = Project(x0, y0, z), b = Project(x1, y1, z);
  FDevice->MoveTo(a.X, a.Y);
  FDevice->LineTo(b.X, b.Y);
}

void TZelCanvas3D::MovePenTo3D(int x, int y, int z) {
  const TPoint p = Project(x, y, z);
  FDevice->MoveTo(p.X, p.Y);
}

void TZelCanvas3D::LineToPoint3D(int x, int y, int z) {
  const TPoint p = Project(x, y, z);
  FDevice->LineTo(p.X, p.Y);
}

void TZelCanvas3D::DrawEllipseAtDepth(int x1, int y1, int x2, int y2, int z) {
  const TPoint a = Project(x1, y1, z), b = Project(x2, y2, z);
  DrawEllipse(a.X, a.Y, Px(std::int64_t{b.X} + 1), Px(std::int64_t{b.Y} + 1));
}

void TZelCanvas3D::DrawSphere(int x, int y, int z, double radius) {
  const std::int64_t r = RoundInt(radius);
  DrawEllipseAtDepth(Px(x - r), Px(y - r), Px(x + r), Px(y + r), z);
}

void TZelCanvas3D::DrawPlane3D(TPoint a, TPoint b, int z0, int z1) {
  const TPoint3D pts[4] = {{a.X, a.Y, z0}, {b.X, b.Y, z0}, {b.X, b.Y, z1}, {a.X, a.Y, z1}};
  ProjectedPolygon(pts);
}

void TZelCanvas3D::DrawPlaneAtDepth(const std::array<TPoint, 4>& p, int z) {
  const TPoint3D pts[4] = {{p[0].X, p[0].Y, z}, {p[1].X, p[1].Y, z}, {p[2].X, p[2].Y, z}, {p[3].X, p[3].Y, z}};
  ProjectedPolygon(pts);
}

void TZelCanvas3D::DrawQuad3D(const std::array<TPoint, 4>& p, int z0, int z1) {
  const TPoint3D pts[4] = {{p[0].X, p[0].Y, z0}, {p[1].X, p[1].Y, z0}, {p[2].X, p[2].Y, z1}, {p[3].X, p[3].Y, z1}};
  ProjectedPolygon(pts);
}

void TZelCanvas3D::DrawPolygonAtDepth(std::span<const TPoint> points, int lastIndex, int /*z*/) {
  DrawPolygon(points, lastIndex);
}

void TZelCanvas3D::DrawRectangleAtDepth(const TRect& r, int z) {
  const TPoint3D pts[4] = {{r.Left, r.Top, z}, {r.Right, r.Top, z}, {r.Right, r.Bottom, z}, {r.Left, r.Bottom, z}};
  ProjectedPolygon(pts);
}

void TZelCanvas3D::DrawFloorPlane(int left, int top, int right, int z0, int z1) {
  const TPoint3D pts[4] = {{left, top, z0}, {left, top, z1}, {right, top, z1}, {right, top, z0}};
  ProjectedPolygon(pts);
}

void TZelCanvas3D::DrawSidePlane(int left, int top, int bottom, int z0, int z1) {
  const TPoint3D pts[4] = {{left, top, z0}, {left, top, z1}, {left, bottom, z1}, {left, bottom, z0}};
  ProjectedPolygon(pts);
}

void TZelCanvas3D::DrawTriangle3D(const std::array<TPoint3D, 3>& points, const std::array<TColor, 3>& colors) {
  if (Brush().Style() != bsClear) Brush().SetColor(colors[0]);
  ProjectedPolygon(points);
}

void TZelCanvas3D::DrawTriangleAtDepth(TPoint a, TPoint b, TPoint c, int z) {
  const TPoint3D pts[3] = {{a.X, a.Y, z}, {b.X, b.Y, z}, {c.X, c.Y, z}};
  ProjectedPolygon(pts);
}

void TZelCanvas3D::DrawArrow(bool filled, TPoint from, TPoint to, int headWidth, int headHeight, int z) {
  const TPoint a = Project(from.X, from.Y, z), b = Project(to.X, to.Y, z);
  const double dx = static_cast<double>(b.X) - a.X, dy = static_cast<double>(b.Y) - a.Y;
  const double length = std::hypot(dx, dy);
  if (length == 0) return;
  const double ux = dx / length, uy = dy / length;
  // The head's base sits headHeight before the tip, headWidth wide across the shaft.
  const double bx = b.X - ux * headHeight, by = b.Y - uy * headHeight;
  const double hw = headWidth * 0.5;
  const TPoint left{RoundInt(bx - uy * hw), RoundInt(by + ux * hw)};
  const TPoint right{RoundInt(bx + uy * hw), RoundInt(by - ux * hw)};
  FDevice->MoveTo(a.X, a.Y);
  if (filled) {
    FDevice->LineTo(RoundInt(bx), RoundInt(by));
    const TPoint head[3] = {left, b, right};
    FDevice->Polygon(head);
  } else {
    FDevice->LineTo(b.X, b.Y);
    FDevice->MoveTo(left.X, left.Y);
    FDevice->LineTo(b.X, b.Y);
    FDevice->LineTo(right.X, right.Y);
  }
}

}  // namespace chart

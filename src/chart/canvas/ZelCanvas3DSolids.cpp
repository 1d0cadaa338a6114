// Operations with a depth coordinate, the projection and the 3D solids of the concrete
// canvas. A 2D chart only reaches the projected lines, texts and planes here, which then
// draw at (x, y); the solids draw their front face so a 3D-less picture still shows them.
#include "chart/canvas/ZelCanvas3D.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "chart/core/Numeric.h"

namespace chart {

namespace {

constexpr double DegToRad = std::numbers::pi / 180.0;

// Solids take any int the program passes: their corners are summed in 64 bits and kept
// within the pixel range.
int Px(std::int64_t v) { return ClampToPixel(v); }

}  // namespace

void TZelCanvas3D::ComputeRotation(int elevation, int rotation, int tilt) {
  // Rotation about the vertical axis, then elevation about the horizontal axis, then tilt
  // about the depth axis.
  const double a = rotation * DegToRad, e = elevation * DegToRad, t = tilt * DegToRad;
  const double ca = std::cos(a), sa = std::sin(a);
  const double ce = std::cos(e), se = std::sin(e);
  const double ct = std::cos(t), st = std::sin(t);
  const double ry[3][3] = {{ca, 0, sa}, {0, 1, 0}, {-sa, 0, ca}};
  const double rx[3][3] = {{1, 0, 0}, {0, ce, -se}, {0, se, ce}};
  const double rz[3][3] = {{ct, -st, 0}, {st, ct, 0}, {0, 0, 1}};
  double m[3][3];
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      m[i][j] = 0;
      for (int k = 0; k < 3; ++k) m[i][j] += rx[i][k] * ry[k][j];
    }
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      FRot[i][j] = 0;
      for (int k = 0; k < 3; ++k) FRot[i][j] += rz[i][k] * m[k][j];
    }
}

TPoint TZelCanvas3D::ProjectRotated(int x, int y, int z) const {
  const double dx = static_cast<double>(x) - FXCenter;
  const double dy = static_cast<double>(y) - FYCenter;
  const double dz = static_cast<double>(z) - FZCenter;
  const double xr = FRot[0][0] * dx + FRot[0][1] * dy + FRot[0][2] * dz;
  const double yr = FRot[1][0] * dx + FRot[1][1] * dy + FRot[1][2] * dz;
  const double zr = FRot[2][0] * dx + FRot[2][1] * dy + FRot[2][2] * dz;
  double f = 1.0;
  if (FPerspective > 0) {
    // Points at or behind the eye would divide by zero or flip; keep them in front.
    const double d = std::max(0.05, 1.0 + zr * FPerspective);
    f = 1.0 / d;
  }
  return {Offset(RoundInt(FZoomFactor * xr * f), FXCenterOffset), Offset(RoundInt(FZoomFactor * yr * f), FYCenterOffset)};
}

void TZelCanvas3D::UnprojectPoint(int& x, int& y, int z) const {
  if (FZoomFactor == 0 || !FIsOrthogonal) return;
  x = RoundInt((static_cast<double>(x) - FXCenterOffset) / FZoomFactor + FXCenter - static_cast<double>(z));
  y = RoundInt((static_cast<double>(y) - FYCenterOffset) / FZoomFactor + FYCenter + static_cast<double>(z));
}

void TZelCanvas3D::ProjectedPolygon(std::span<const TPoint3D> points) {
  TPoint projected[8];
  const std::size_t n = std::min<std::size_t>(points.size(), 8);
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

void TZelCanvas3D::DrawCube(const TRect& r, int z0, int z1, bool /*darkSides*/) {
  if (FIs3D || FIsOrthogonal) {
    DrawFloorPlane(r.Left, r.Top, r.Right, z0, z1);
    DrawSidePlane(r.Right, r.Top, r.Bottom, z0, z1);
  }
  DrawRectangleAtDepth(r, z0);
}

void TZelCanvas3D::DrawCylinder(bool vertical, const TRect& r, int z0, int z1, bool darkSides) {
  // The front view of a cylinder is its rectangle; the rounded ends only show in depth.
  if (FIs3D || FIsOrthogonal) {
    const int zMid = static_cast<int>((std::int64_t{z0} + z1) / 2);
    const std::int64_t half = (std::int64_t{z1} - z0) / 2;
    if (vertical)
      DrawEllipseAtDepth(r.Left, Px(r.Top - half), r.Right, Px(r.Top + half), zMid);
    else
      DrawEllipseAtDepth(Px(r.Right - half), r.Top, Px(r.Right + half), r.Bottom, zMid);
  }
  DrawCube(r, z0, z1, darkSides);
}

void TZelCanvas3D::DrawCone(bool vertical, const TRect& r, int z0, int /*z1*/, bool /*darkSides*/, int conePercent) {
  const int percent = std::clamp(conePercent, 0, 100);
  const TRect n = NormalizeRect(r);
  if (vertical) {
    // Base along the bottom edge, narrowing towards the top to `percent` of the width.
    const std::int64_t inset = (std::int64_t{n.Right} - n.Left) * (100 - percent) / 200;
    const TPoint3D pts[4] = {{n.Left, n.Bottom, z0}, {Px(n.Left + inset), n.Top, z0},
                             {Px(n.Right - inset), n.Top, z0}, {n.Right, n.Bottom, z0}};
    ProjectedPolygon(pts);
  } else {
    const std::int64_t inset = (std::int64_t{n.Bottom} - n.Top) * (100 - percent) / 200;
    const TPoint3D pts[4] = {{n.Left, n.Top, z0}, {n.Right, Px(n.Top + inset), z0},
                             {n.Right, Px(n.Bottom - inset), z0}, {n.Left, n.Bottom, z0}};
    ProjectedPolygon(pts);
  }
}

void TZelCanvas3D::DrawPyramid(bool vertical, const TRect& r, int z0, int z1, bool darkSides) {
  DrawCone(vertical, r, z0, z1, darkSides, 0);
}

void TZelCanvas3D::DrawPie3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int /*z1*/,
                             double startAngle, double endAngle, bool /*darkSides*/, bool /*drawSides*/) {
  const TPoint c = Project(xCenter, yCenter, z0);
  auto rim = [&](double angle) {
    return TPoint{RoundInt(c.X + xRadius * std::cos(angle)), RoundInt(c.Y - yRadius * std::sin(angle))};
  };
  const TPoint s = rim(startAngle), e = rim(endAngle);
  FDevice->Pie(Px(std::int64_t{c.X} - xRadius), Px(std::int64_t{c.Y} - yRadius), Px(std::int64_t{c.X} + xRadius),
               Px(std::int64_t{c.Y} + yRadius), s.X, s.Y, e.X, e.Y);
}

}  // namespace chart

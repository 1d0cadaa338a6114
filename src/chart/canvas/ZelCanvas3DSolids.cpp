// The 3D solids of the concrete canvas: boxes, cylinders, cones and pyramids. Every face
// is projected and drawn only when it faces the viewer, which for these convex shapes
// leaves no face over another, in any projection. Faces are listed
// clockwise on screen as seen from outside (the front face of a box: top-left, top-right,
// bottom-right, bottom-left), so a face turned away projects anticlockwise.
#include "chart/canvas/ZelCanvas3D.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "chart/canvas/DarkColor.h"
#include "chart/core/Numeric.h"

namespace chart {

namespace {

constexpr int CircleSegments = TZelCanvas3D::CircleSegments;

const std::array<TUnitPoint, CircleSegments>& UnitCircle() {
  static const auto circle = [] {
    std::array<TUnitPoint, CircleSegments> c{};
    for (int i = 0; i < CircleSegments; ++i) {
      const double a = 2 * std::numbers::pi * i / CircleSegments;
      c[static_cast<std::size_t>(i)] = {std::cos(a), std::sin(a)};
    }
    return c;
  }();
  return circle;
}

// The footprint of a pyramid, in the same turning sense as the circle.
constexpr TUnitPoint UnitSquare[4] = {{1, -1}, {1, 1}, {-1, 1}, {-1, -1}};

}  // namespace

TColor TZelCanvas3D::ShadeBase(bool darkSides) const {
  if (!darkSides || Brush().Style() != bsSolid || Brush().HasBitmap()) return clDefault;
  return ResolveColor(Brush().Color());
}

// Twice the signed area of a polygon on screen (y down): positive when clockwise.
static std::int64_t TwiceArea(std::span<const TPoint> p) {
  std::int64_t sum = 0;
  for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
    sum += static_cast<std::int64_t>(p[j].X) * p[i].Y - static_cast<std::int64_t>(p[i].X) * p[j].Y;
  return sum;
}

bool TZelCanvas3D::DrawFacing(std::span<const TPoint3D> points, TColor fill) {
  TPoint projected[MaxFacePoints];
  const std::size_t n = std::min(points.size(), MaxFacePoints);
  for (std::size_t i = 0; i < n; ++i) projected[i] = Project(points[i].X, points[i].Y, points[i].Z);
  return DrawFacing(std::span<const TPoint>(projected, n), fill);
}

bool TZelCanvas3D::DrawFacing(std::span<const TPoint> face, TColor fill) {
  if (face.size() < 3 || TwiceArea(face) <= 0) return false;
  if (fill != clDefault) Brush().SetColor(fill);
  FDevice->Polygon(face);
  return true;
}

void TZelCanvas3D::DrawCube(const TRect& rect, int z0, int z1, bool darkSides) {
  const TRect r = NormalizeRect(rect);
  if (z0 > z1) std::swap(z0, z1);
  const TColor base = ShadeBase(darkSides);
  const TColor front = base, top = base == clDefault ? base : ApplyDark(base, DarkTopQuantity),
               side = base == clDefault ? base : ApplyDark(base, DarkSideQuantity);
  // Corner k: x from bit 0, y from bit 1, z from bit 2. Each corner is projected once for
  // the three faces that share it (a series draws a box per point).
  auto corner = [&](int k) {
    return TPoint3D{k & 1 ? r.Right : r.Left, k & 2 ? r.Bottom : r.Top, k & 4 ? z1 : z0};
  };
  TPoint projected[8];
  for (int k = 0; k < 8; ++k) {
    const TPoint3D c = corner(k);
    projected[k] = Project(c.X, c.Y, c.Z);
  }
  struct TBoxFace {
    int Corners[4];
    const TColor* Fill;
  };
  const TBoxFace faces[6] = {{{0, 1, 3, 2}, &front}, {{4, 6, 7, 5}, &front}, {{0, 4, 5, 1}, &top},
                             {{2, 3, 7, 6}, &top},   {{0, 2, 6, 4}, &side},  {{1, 5, 7, 3}, &side}};
  const TColor saved = Brush().Color();
  bool any = false;
  for (const TBoxFace& f : faces) {
    const TPoint face[4] = {projected[f.Corners[0]], projected[f.Corners[1]], projected[f.Corners[2]],
                            projected[f.Corners[3]]};
    any = DrawFacing(std::span<const TPoint>(face), *f.Fill) || any;
  }
  // A box with no area on screen still shows where it is.
  if (!any) ProjectedPolygon(std::array<TPoint3D, 4>{corner(0), corner(1), corner(3), corner(2)});
  Brush().SetColor(saved);
}

void TZelCanvas3D::DrawRevolved(bool vertical, const TRect& rect, int z0, int z1, double baseScale,
                                double tipScale, bool darkSides, std::span<const TUnitPoint> outline) {
  const TRect r = NormalizeRect(rect);
  if (z0 > z1) std::swap(z0, z1);
  const TColor base = ShadeBase(darkSides);
  const TColor cap = base == clDefault ? base : ApplyDark(base, DarkTopQuantity);
  // Across the axis: a runs along x (vertical solid) or y, b along the depth.
  const double ca = vertical ? (r.Left + 0.5 * (static_cast<double>(r.Right) - r.Left))
                             : (r.Top + 0.5 * (static_cast<double>(r.Bottom) - r.Top));
  const double ra = vertical ? 0.5 * (static_cast<double>(r.Right) - r.Left) : 0.5 * (static_cast<double>(r.Bottom) - r.Top);
  const double cb = z0 + 0.5 * (static_cast<double>(z1) - z0), rb = 0.5 * (static_cast<double>(z1) - z0);
  // The base stands at the bottom (vertical) or at the left; the tip opposite.
  const int baseAt = vertical ? r.Bottom : r.Left, tipAt = vertical ? r.Top : r.Right;
  auto point = [&](const TUnitPoint& u, double scale, int at) {
    const int a = RoundInt(ca + u.A * ra * scale), b = RoundInt(cb + u.B * rb * scale);
    return vertical ? TPoint3D{a, at, b} : TPoint3D{at, a, b};
  };
  const TColor saved = Brush().Color();
  const std::size_t n = std::min(outline.size(), MaxFacePoints);
  // A round side is one surface: its strips go without outlines (the caps keep theirs).
  const TPenStyle penStyle = Pen().Style();
  if (n > 4) Pen().SetStyle(psClear);
  for (std::size_t i = 0; i < n; ++i) {
    const TUnitPoint& u = outline[i];
    const TUnitPoint& w = outline[(i + 1) % n];
    const TPoint3D side[4] = {point(u, baseScale, baseAt), point(u, tipScale, tipAt), point(w, tipScale, tipAt),
                              point(w, baseScale, baseAt)};
    DrawFacing(side, base);
  }
  Pen().SetStyle(penStyle);
  TPoint3D ring[MaxFacePoints];
  if (baseScale > 0) {
    for (std::size_t i = 0; i < n; ++i) ring[i] = point(outline[i], baseScale, baseAt);
    DrawFacing(std::span<const TPoint3D>(ring, n), cap);
  }
  if (tipScale > 0) {
    for (std::size_t i = 0; i < n; ++i) ring[i] = point(outline[n - 1 - i], tipScale, tipAt);
    DrawFacing(std::span<const TPoint3D>(ring, n), cap);
  }
  Brush().SetColor(saved);
}

void TZelCanvas3D::DrawCylinder(bool vertical, const TRect& r, int z0, int z1, bool darkSides) {
  // Without depth on screen (a flat chart) a cylinder is seen from the side: a box.
  if (!FIs3D && !FIsOrthogonal) return DrawCube(r, z0, z1, darkSides);
  DrawRevolved(vertical, r, z0, z1, 1, 1, darkSides, UnitCircle());
}

void TZelCanvas3D::DrawCone(bool vertical, const TRect& r, int z0, int z1, bool darkSides, int conePercent) {
  const double tip = std::clamp(conePercent, 0, 100) * 0.01;
  if (!FIs3D && !FIsOrthogonal) {
    // The flat outline: the base edge narrowing towards the tip to its share of the width.
    const TRect n = NormalizeRect(r);
    const std::int64_t across = vertical ? std::int64_t{n.Right} - n.Left : std::int64_t{n.Bottom} - n.Top;
    const std::int64_t inset = across * (100 - std::clamp(conePercent, 0, 100)) / 200;
    const std::array<TPoint3D, 4> pts =
        vertical ? std::array<TPoint3D, 4>{TPoint3D{n.Left, n.Bottom, z0}, {ClampToPixel(n.Left + inset), n.Top, z0},
                                           {ClampToPixel(n.Right - inset), n.Top, z0}, {n.Right, n.Bottom, z0}}
                 : std::array<TPoint3D, 4>{TPoint3D{n.Left, n.Top, z0}, {n.Right, ClampToPixel(n.Top + inset), z0},
                                           {n.Right, ClampToPixel(n.Bottom - inset), z0}, {n.Left, n.Bottom, z0}};
    ProjectedPolygon(pts);
    return;
  }
  DrawRevolved(vertical, r, z0, z1, 1, tip, darkSides, UnitCircle());
}

void TZelCanvas3D::DrawPyramid(bool vertical, const TRect& r, int z0, int z1, bool darkSides) {
  if (!FIs3D && !FIsOrthogonal) return DrawCone(vertical, r, z0, z1, darkSides, 0);
  DrawRevolved(vertical, r, z0, z1, 1, 0, darkSides, UnitSquare);
}

}  // namespace chart

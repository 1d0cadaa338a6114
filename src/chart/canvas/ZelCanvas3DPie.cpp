// Pie slices with depth. Flat, a slice is the device's pie. In the orthogonal view it is a
// disc facing the viewer, as deep as the series. In the rotated view it lies flat like a
// pie on a table, its face towards the viewer and its thickness behind the face, so the
// pie's own elevation shows the rim below the face.
#include "chart/canvas/ZelCanvas3D.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "chart/canvas/DarkColor.h"
#include "chart/core/Numeric.h"

namespace chart {

void TZelCanvas3D::DrawPie3D(int xCenter, int yCenter, int xRadius, int yRadius, int z0, int z1, double startAngle,
                             double endAngle, bool darkSides, bool drawSides) {
  if (!FIs3D && !FIsOrthogonal) {
    // Flat: the slice of the ellipse, its edges through the rim at the two angles.
    auto at = [&](double a) {
      return TPoint{RoundInt(xCenter + xRadius * std::cos(a)), RoundInt(yCenter - yRadius * std::sin(a))};
    };
    const TPoint s = at(startAngle), e = at(endAngle);
    FDevice->Pie(ClampToPixel(std::int64_t{xCenter} - xRadius), ClampToPixel(std::int64_t{yCenter} - yRadius),
                 ClampToPixel(std::int64_t{xCenter} + xRadius), ClampToPixel(std::int64_t{yCenter} + yRadius), s.X, s.Y,
                 e.X, e.Y);
    return;
  }
  if (z0 > z1) std::swap(z0, z1);
  if (!(std::isfinite(startAngle) && std::isfinite(endAngle))) return;
  if (endAngle < startAngle) std::swap(startAngle, endAngle);
  const double sweep = std::min(endAngle - startAngle, 2 * std::numbers::pi);
  const int segments = std::clamp(static_cast<int>(std::ceil(sweep / (2 * std::numbers::pi) * CircleSegments * 2)), 1,
                                  static_cast<int>(MaxFacePoints) - 2);
  if (!FIsOrthogonal)
    return DrawLyingPie3D(xCenter, yCenter, xRadius, yRadius, z1 - z0, startAngle, sweep, segments, darkSides,
                          drawSides);
  auto rim = [&](int i, int z) {
    const double a = startAngle + sweep * i / segments;
    return TPoint3D{RoundInt(xCenter + xRadius * std::cos(a)), RoundInt(yCenter - yRadius * std::sin(a)), z};
  };
  const TColor base = ShadeBase(darkSides);
  const TColor side = base == clDefault ? base : ApplyDark(base, DarkSideQuantity);
  const TColor saved = Brush().Color();
  const TPoint3D c0{xCenter, yCenter, z0}, c1{xCenter, yCenter, z1};
  if (drawSides && z1 > z0) {
    const TPoint3D start[4] = {c0, rim(0, z0), rim(0, z1), c1};
    DrawFacing(start, side);
    const TPoint3D end[4] = {c0, c1, rim(segments, z1), rim(segments, z0)};
    DrawFacing(end, side);
    const TPenStyle penStyle = Pen().Style();
    Pen().SetStyle(psClear);  // the rim is one surface
    for (int i = 0; i < segments; ++i) {
      const TPoint3D band[4] = {rim(i, z0), rim(i + 1, z0), rim(i + 1, z1), rim(i, z1)};
      DrawFacing(band, side);
    }
    Pen().SetStyle(penStyle);
    TPoint3D back[MaxFacePoints];
    back[0] = c1;
    for (int i = 0; i <= segments; ++i) back[i + 1] = rim(i, z1);
    DrawFacing(std::span<const TPoint3D>(back, static_cast<std::size_t>(segments) + 2), base);
  }
  // The face at z0, turning from the end angle back to the start (clockwise on screen).
  TPoint3D face[MaxFacePoints];
  face[0] = c0;
  for (int i = 0; i <= segments; ++i) face[i + 1] = rim(segments - i, z0);
  if (!DrawFacing(std::span<const TPoint3D>(face, static_cast<std::size_t>(segments) + 2), base) && !drawSides)
    ProjectedPolygon(std::span<const TPoint3D>(face, std::min<std::size_t>(8, static_cast<std::size_t>(segments) + 2)));
  Brush().SetColor(saved);
}

void TZelCanvas3D::DrawLyingPie3D(int xCenter, int yCenter, int xRadius, int yRadius, int thickness,
                                  double startAngle, double sweep, int segments, bool darkSides, bool drawSides) {
  // Screen rows per unit of depth: the disc is as deep as it must be for its face to fill the
  // given ellipse. A view along the table would need an endless disc; it stays ten times
  // the ellipse's height instead.
  const double rowsPerDepth = FRot[1][2];
  const double depthRadius = yRadius / std::max(0.1, std::abs(rowsPerDepth));
  // Further away is up on screen, as on the flat pie; the thickness goes away from the viewer.
  const double away = rowsPerDepth > 0 ? -1.0 : 1.0;
  const int down = FRot[2][1] >= 0 ? 1 : -1;
  int cx = xCenter, cy = yCenter;
  UnprojectPoint(cx, cy, FZCenter);
  const int faceY = cy, backY = ClampToPixel(std::int64_t{cy} + std::int64_t{down} * thickness);
  auto rim = [&](int i, int y) {
    const double a = startAngle + sweep * i / segments;
    return TPoint3D{RoundInt(cx + xRadius * std::cos(a)), y, RoundInt(FZCenter + away * depthRadius * std::sin(a))};
  };
  // A side shows when its outward direction (on the table, at angle a) turns towards the viewer.
  auto facesViewer = [&](double a) { return FRot[2][0] * std::cos(a) + FRot[2][2] * away * std::sin(a) < 0; };
  const TColor base = ShadeBase(darkSides);
  const TColor side = base == clDefault ? base : ApplyDark(base, DarkSideQuantity);
  const TColor saved = Brush().Color();
  auto fill = [&](std::span<const TPoint3D> points, TColor colour) {
    if (colour != clDefault) Brush().SetColor(colour);
    ProjectedPolygon(points);
  };
  if (drawSides && thickness > 0) {
    const TPoint3D centreFace{cx, faceY, FZCenter}, centreBack{cx, backY, FZCenter};
    constexpr double quarter = std::numbers::pi / 2;
    if (facesViewer(startAngle - quarter)) {
      const TPoint3D cut[4] = {centreFace, rim(0, faceY), rim(0, backY), centreBack};
      fill(cut, side);
    }
    if (facesViewer(startAngle + sweep + quarter)) {
      const TPoint3D cut[4] = {centreFace, rim(segments, faceY), rim(segments, backY), centreBack};
      fill(cut, side);
    }
    const TPenStyle penStyle = Pen().Style();
    Pen().SetStyle(psClear);  // the rim is one surface
    for (int i = 0; i < segments; ++i)
      if (facesViewer(startAngle + sweep * (i + 0.5) / segments)) {
        const TPoint3D band[4] = {rim(i, faceY), rim(i + 1, faceY), rim(i + 1, backY), rim(i, backY)};
        fill(band, side);
      }
    Pen().SetStyle(penStyle);
  }
  TPoint3D face[MaxFacePoints];
  face[0] = {cx, faceY, FZCenter};
  for (int i = 0; i <= segments; ++i) face[i + 1] = rim(i, faceY);
  fill(std::span<const TPoint3D>(face, static_cast<std::size_t>(segments) + 2), base);
  Brush().SetColor(saved);
}

}  // namespace chart

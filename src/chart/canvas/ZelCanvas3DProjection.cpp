// The rotated view: the box of the chart turned about its centre by Rotation (about the
// vertical), Elevation (about the horizontal) and Tilt (about the line of sight), seen in
// perspective from in front of the front plane, zoomed and moved by the view offsets.
// Angles of 0 (or 360) show the front plane as the flat chart: a point at depth 0 lands
// where a 2D chart puts it. Below 360, Rotation brings the right side into view and
// Elevation the top, as the orthogonal view shows them.
#include "chart/canvas/ZelCanvas3D.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace chart {

namespace {
constexpr double DegToRad = std::numbers::pi / 180.0;
// Points at or behind the eye would divide by zero or flip over; they stay this near.
constexpr double NearestDistance = 0.05;
}  // namespace

void TZelCanvas3D::ComputeRotation(int elevation, int rotation, int tilt) {
  const double a = rotation * DegToRad, e = elevation * DegToRad, t = tilt * DegToRad;
  const double ca = std::cos(a), sa = std::sin(a);
  const double ce = std::cos(e), se = std::sin(e);
  const double ct = std::cos(t), st = std::sin(t);
  // x grows to the right, y downwards, z into the picture.
  const double ry[3][3] = {{ca, 0, -sa}, {0, 1, 0}, {sa, 0, ca}};
  const double rx[3][3] = {{1, 0, 0}, {0, ce, se}, {0, -se, ce}};
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

// Distance factor of a point whose turned depth is zr: 1 on the turned front plane.
static double PerspectiveDivisor(double perspective, double zr, double zFront) {
  if (perspective <= 0) return 1.0;
  return std::max(NearestDistance, 1.0 + (zr - zFront) * perspective);
}

TPoint TZelCanvas3D::ProjectRotated(int x, int y, int z) const {
  const double dx = static_cast<double>(x) - FXCenter;
  const double dy = static_cast<double>(y) - FYCenter;
  const double dz = static_cast<double>(z) - FZCenter;
  const double xr = FRot[0][0] * dx + FRot[0][1] * dy + FRot[0][2] * dz;
  const double yr = FRot[1][0] * dx + FRot[1][1] * dy + FRot[1][2] * dz;
  const double zr = FRot[2][0] * dx + FRot[2][1] * dy + FRot[2][2] * dz;
  const double f = FZoomFactor / PerspectiveDivisor(FPerspective, zr, -FRot[2][2] * FZCenter);
  return {Offset(RoundInt(xr * f), FXCenterOffset), Offset(RoundInt(yr * f), FYCenterOffset)};
}

void TZelCanvas3D::UnprojectPoint(int& x, int& y, int z) const {
  if (FZoomFactor == 0) return;
  const double u = (static_cast<double>(x) - FXCenterOffset) / FZoomFactor;
  const double v = (static_cast<double>(y) - FYCenterOffset) / FZoomFactor;
  if (FIsOrthogonal) {
    x = RoundInt(u + FXCenter - static_cast<double>(z));
    y = RoundInt(v + FYCenter + static_cast<double>(z));
    return;
  }
  if (!FIs3D) return;
  // The point of depth z that projects to (u, v): with d the perspective divisor,
  // xr = u d and yr = v d are two linear equations in dx and dy.
  const double p = FPerspective > 0 ? FPerspective : 0.0;
  const double dz = static_cast<double>(z) - FZCenter;
  const double zFront = -FRot[2][2] * FZCenter;
  const double a11 = FRot[0][0] - u * p * FRot[2][0], a12 = FRot[0][1] - u * p * FRot[2][1];
  const double a21 = FRot[1][0] - v * p * FRot[2][0], a22 = FRot[1][1] - v * p * FRot[2][1];
  const double b1 = u * (1 - p * zFront) - (FRot[0][2] - u * p * FRot[2][2]) * dz;
  const double b2 = v * (1 - p * zFront) - (FRot[1][2] - v * p * FRot[2][2]) * dz;
  const double det = a11 * a22 - a12 * a21;
  // A view along the plane of depth z has no single point there.
  if (!(std::fabs(det) > 1e-12)) return;
  const double dx = (b1 * a22 - a12 * b2) / det, dy = (a11 * b2 - b1 * a21) / det;
  if (!std::isfinite(dx) || !std::isfinite(dy)) return;
  x = RoundInt(dx + FXCenter);
  y = RoundInt(dy + FYCenter);
}

}  // namespace chart

// Bar solids the canvas has no call for: the inverted pyramid in depth.
#include <cstdint>

#include "chart/canvas/DarkColor.h"
#include "chart/core/Numeric.h"
#include "chart/seriestypes/BarSeries.h"

namespace chart {

void TCustomBarSeries::DrawInvertedPyramid3D(TCanvas3D& c, const TRect& box, int z0, int z1) {
  // Across the bar, along it, and the depth; the tip at the low end of the value axis (the
  // bottom, or the left), the base square at the other end.
  const bool vertical = !FHorizontal;
  const int a0 = vertical ? box.Left : box.Top, a1 = vertical ? box.Right : box.Bottom;
  const int tip = vertical ? box.Bottom : box.Left, base = vertical ? box.Top : box.Right;
  const int middle = static_cast<int>((std::int64_t{a0} + a1) / 2);
  auto at = [&](int across, int along, int z) {
    return vertical ? c.ProjectToPoint(across, along, z) : c.ProjectToPoint(along, across, z);
  };
  // The tip on the front face, which then shows the flat shape of the bar.
  const TPoint apex = at(middle, tip, z0);
  // The base square's corners in one turn around the bar's axis.
  const TPoint corner[4] = {at(a0, base, z0), at(a1, base, z0), at(a1, base, z1), at(a0, base, z1)};
  const TColor fill = c.Brush().Color();
  const bool shade = FDark3D && c.Brush().Style() == bsSolid && !c.Brush().HasBitmap();
  const TColor side = shade ? ApplyDark(c.ResolveColor(fill), DarkSideQuantity) : fill;
  // Swapping across and along mirrors the turn.
  auto facing = [vertical](std::span<const TPoint> p) {
    std::int64_t twiceArea = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
      const TPoint a = p[i], b = p[(i + 1) % p.size()];
      twiceArea += std::int64_t{a.X} * b.Y - std::int64_t{b.X} * a.Y;
    }
    return vertical ? twiceArea > 0 : twiceArea < 0;
  };
  for (int k = 0; k < 4; ++k) {
    const TPoint face[3] = {corner[k], corner[(k + 1) % 4], apex};
    if (!facing(face)) continue;
    // The face at the front keeps the bar's colour.
    c.Brush().SetColor(k == 0 ? fill : side);
    c.DrawPolygon(face, 2);
  }
  const TPoint top[4] = {corner[0], corner[3], corner[2], corner[1]};
  if (facing(top)) {
    c.Brush().SetColor(fill);
    c.DrawPolygon(top, 3);
  }
  c.Brush().SetColor(fill);
}

}  // namespace chart

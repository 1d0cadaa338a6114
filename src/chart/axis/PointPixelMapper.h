// Values to pixels for a series' points, both axes in one pass: for every point the very
// pixels ValueToXPixel and ValueToYPixel give, written straight into points.
#pragma once

#include "chart/axis/AxisPixelMapper.h"
#include "chart/core/Geometry.h"

namespace chart {

class TPointPixelMapper {
 public:
  // allowWide False keeps to the vectors every x86-64 processor has, whatever this one has
  // (for comparing the two).
  TPointPixelMapper(const TCustomChartAxis& horizAxis, const TCustomChartAxis& vertAxis, bool allowWide = true);

  // out[k] := the pixel of (xs[k] * mx, ys[k] * my) for k < n. True when every coordinate
  // written lies within -reach .. reach.
  bool MapPoints(const double* xs, double mx, const double* ys, double my, int n, TPoint* out, int reach) const;

  // The constants the vector loops work with (defined with them).
  struct TQuick;

 private:
  TAxisPixelMapper FX, FY;
  bool FWide;
};

}  // namespace chart

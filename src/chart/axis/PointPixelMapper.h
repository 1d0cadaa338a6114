// Values to pixels for a series' points, both axes in one pass: for every point the very
// pixels ValueToXPixel and ValueToYPixel give, written straight into points.
#pragma once

#include "chart/axis/AxisPixelMapper.h"
#include "chart/core/Geometry.h"

namespace chart {

class TPointPixelMapper {
 public:
  TPointPixelMapper(const TCustomChartAxis& horizAxis, const TCustomChartAxis& vertAxis)
      : FX(horizAxis, true), FY(vertAxis, false) {}

  // out[k] := the pixel of (xs[k] * mx, ys[k] * my) for k < n. True when every coordinate
  // written lies within -reach .. reach.
  bool MapPoints(const double* xs, double mx, const double* ys, double my, int n, TPoint* out, int reach) const;

 private:
  TAxisPixelMapper FX, FY;
};

}  // namespace chart

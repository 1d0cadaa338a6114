// The point series: a marker at every point, no lines, marks right on the points.
#pragma once

#include "chart/seriestypes/CustomSeries.h"

namespace chart {

class TPointSeries : public TCustomSeries {
 public:
  TPointSeries();
  // Takes the settings of another series (not its points) and stays markers only.
  void Assign(const TChartSeries& source) override;
  // Each marker in its point's colour: the marker brush gives up a colour of its own.
  void SetColorEachPoint(bool v) override;
};

}  // namespace chart

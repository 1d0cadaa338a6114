// The concrete axes of a chart: four side axes and the depth axis. They add nothing to
// the base; the distinct types let the chart and its users tell them apart.
#pragma once

#include "chart/axis/CustomChartAxis.h"

namespace chart {

class TChartAxis : public TCustomChartAxis {
 public:
  using TCustomChartAxis::TCustomChartAxis;
};

class TChartDepthAxis : public TCustomChartAxis {
 public:
  explicit TChartDepthAxis(TAxisParent* parent) : TCustomChartAxis(parent, false, true, true) {}
};

}  // namespace chart

// The chart control that a form places.
#pragma once

#include "chart/panel/CustomChart.h"

namespace chart {

class TChart : public TCustomChart {
 public:
  TChart() = default;
  ~TChart() override = default;
};

}  // namespace chart

// The brush of chart elements: its colour starts as clDefault, which tells the owner to use
// its own colour (walls take the chart's).
#pragma once

#include "chart/canvas/Brush.h"

namespace chart {

class TChartBrush : public TBrush {
 public:
  explicit TChartBrush(std::function<void()> onChange = {}) : TBrush(std::move(onChange)) { InitColor(clDefault); }
  TChartBrush(const TChartBrush&) = default;
  TChartBrush& operator=(const TChartBrush& other) { Assign(other); return *this; }
};

}  // namespace chart

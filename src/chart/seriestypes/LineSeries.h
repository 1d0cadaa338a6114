// The line series: its points joined by straight segments, markers hidden.
#pragma once

#include "chart/seriestypes/CustomSeries.h"

namespace chart {

class TLineSeries : public TCustomSeries {
 public:
  TLineSeries();
  // Takes the settings of another series (not its points) and stays a line: segments on,
  // area off, and markers hidden unless the source is a line series too.
  void Assign(const TChartSeries& source) override;
  bool AllowSinglePoint() const override { return false; }
};

}  // namespace chart

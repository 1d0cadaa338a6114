// The line series: its points joined by straight segments, markers hidden.
#pragma once

#include "chart/seriestypes/CustomSeries.h"

namespace chart {

class TLineSeries : public TCustomSeries {
 public:
  TLineSeries();
  // Takes the drawing settings of another line-like series (not its points). From a
  // series that is not a line series the line comes along but its markers stay hidden.
  void AssignLineFrom(const TCustomSeries& source);
};

}  // namespace chart

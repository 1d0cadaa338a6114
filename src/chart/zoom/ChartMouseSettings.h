// Which buttons and keys start a zoom or a pan, how fast an animated zoom closes in, and
// how far a zoom drag must go before it counts.
#pragma once

#include "chart/core/MouseTypes.h"

namespace chart {

struct TChartMouseSettings {
  TMouseButton ZoomButton = mbLeft;
  // Keys that must be held to zoom; empty: any combination.
  TShiftState ZoomShift = 0;
  TMouseButton PanButton = mbRight;
  TShiftState PanShift = 0;
  // Each animated step covers 1 / AnimationDivisor of the remaining distance.
  double AnimationDivisor = 3.0;
  // A zoom drag must exceed this many pixels in both directions.
  int MinimumZoomDrag = 16;
};

}  // namespace chart

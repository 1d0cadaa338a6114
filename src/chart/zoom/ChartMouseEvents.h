// The chart's mouse events and the parts of a chart a press can land on.
#pragma once

#include <functional>

#include "chart/core/Geometry.h"
#include "chart/core/MouseTypes.h"

namespace chart {

class TCustomChart;
class TCustomChartAxis;
class TChartSeries;

enum class TChartPart { None, Series, Axis, Title, Foot, ChartRect, Legend };

// What lies under a point: the part, and the series with its point index, the axis, or
// the legend item index when the part has one.
struct TChartClickedPart {
  TChartPart Part = TChartPart::None;
  TChartSeries* Series = nullptr;
  TCustomChartAxis* Axis = nullptr;
  int ValueIndex = -1;
};

// The control's own mouse events, fired before the chart does its work.
using TMouseEvent = std::function<void(TCustomChart* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TCustomChart* sender, TShiftState shift, int x, int y)>;
using TMouseWheelUpDownEvent =
    std::function<void(TCustomChart* sender, TShiftState shift, TPoint mousePos, bool& handled)>;

// Click events of the chart's parts.
using TChartClick = std::function<void(TCustomChart* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TChartClickAxis = std::function<void(TCustomChart* sender, TCustomChartAxis* axis, TMouseButton button,
                                           TShiftState shift, int x, int y)>;
using TChartClickSeries = std::function<void(TCustomChart* sender, TChartSeries* series, int valueIndex,
                                             TMouseButton button, TShiftState shift, int x, int y)>;
// Offered every axis a pan is about to move; the handler may change the new range or veto it.
using TChartAllowScrollEvent =
    std::function<void(TCustomChartAxis* sender, double& AMin, double& AMax, bool& AllowScroll)>;

}  // namespace chart

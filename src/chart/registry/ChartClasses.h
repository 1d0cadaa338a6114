// The descriptors of the engine's own classes. Start-up enters them into the class
// registry; a new series or function type adds its descriptor here.
#pragma once

#include "chart/registry/ChartClass.h"

namespace chart {

extern const TChartClass ChartAxisTitleClass;
extern const TChartClass ChartAxisClass;
extern const TChartClass ChartDepthAxisClass;
extern const TChartClass ChartLegendClass;
extern const TChartClass ChartGradientClass;
extern const TChartClass ChartWallClass;
extern const TChartClass ChartTitleClass;

extern const TChartClass LineSeriesClass;
extern const TChartClass BarSeriesClass;
extern const TChartClass HorizBarSeriesClass;
extern const TChartClass AreaSeriesClass;
extern const TChartClass PointSeriesClass;
extern const TChartClass PieSeriesClass;
extern const TChartClass FastLineSeriesClass;

extern const TChartClass AddFunctionClass;
extern const TChartClass SubtractFunctionClass;
extern const TChartClass MultiplyFunctionClass;
extern const TChartClass DivideFunctionClass;
extern const TChartClass HighFunctionClass;
extern const TChartClass LowFunctionClass;
extern const TChartClass AverageFunctionClass;

}  // namespace chart

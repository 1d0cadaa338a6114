#include "chart/registry/ChartClasses.h"

#include "chart/functions/StandardFunctions.h"
#include "chart/seriestypes/AreaSeries.h"
#include "chart/seriestypes/BarSeries.h"
#include "chart/seriestypes/FastLineSeries.h"
#include "chart/seriestypes/HorizBarSeries.h"
#include "chart/seriestypes/LineSeries.h"
#include "chart/seriestypes/PieSeries.h"
#include "chart/seriestypes/PointSeries.h"

namespace chart {

namespace {

template <class T>
std::unique_ptr<TChartSeries> NewSeriesOf() {
  return std::make_unique<T>();
}

template <class T>
std::unique_ptr<TZelFunction> NewFunctionOf() {
  return std::make_unique<T>();
}

}  // namespace

// Owned parts: a stored chart fills its owner's instance, it never makes one of these.
const TChartClass ChartAxisTitleClass{"TChartAxisTitle"};
const TChartClass ChartAxisClass{"TChartAxis"};
const TChartClass ChartDepthAxisClass{"TChartDepthAxis"};
const TChartClass ChartLegendClass{"TChartLegend"};
const TChartClass ChartGradientClass{"TChartGradient"};
const TChartClass ChartWallClass{"TChartWall"};
const TChartClass ChartTitleClass{"TChartTitle"};

const TChartClass LineSeriesClass{"TLineSeries", &NewSeriesOf<TLineSeries>};
const TChartClass BarSeriesClass{"TBarSeries", &NewSeriesOf<TBarSeries>};
const TChartClass HorizBarSeriesClass{"THorizBarSeries", &NewSeriesOf<THorizBarSeries>};
const TChartClass AreaSeriesClass{"TAreaSeries", &NewSeriesOf<TAreaSeries>};
const TChartClass PointSeriesClass{"TPointSeries", &NewSeriesOf<TPointSeries>};
const TChartClass PieSeriesClass{"TPieSeries", &NewSeriesOf<TPieSeries>};
const TChartClass FastLineSeriesClass{"TFastLineSeries", &NewSeriesOf<TFastLineSeries>};

const TChartClass AddFunctionClass{"TAddZelFunction", nullptr, &NewFunctionOf<TAddZelFunction>};
const TChartClass SubtractFunctionClass{"TSubtractZelFunction", nullptr, &NewFunctionOf<TSubtractZelFunction>};
const TChartClass MultiplyFunctionClass{"TMultiplyZelFunction", nullptr, &NewFunctionOf<TMultiplyZelFunction>};
const TChartClass DivideFunctionClass{"TDivideZelFunction", nullptr, &NewFunctionOf<TDivideZelFunction>};
const TChartClass HighFunctionClass{"THighZelFunction", nullptr, &NewFunctionOf<THighZelFunction>};
const TChartClass LowFunctionClass{"TLowZelFunction", nullptr, &NewFunctionOf<TLowZelFunction>};
const TChartClass AverageFunctionClass{"TAverageZelFunction", nullptr, &NewFunctionOf<TAverageZelFunction>};

}  // namespace chart

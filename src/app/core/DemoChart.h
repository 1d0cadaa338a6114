// The demo window's chart as its form stores it: a flat chart titled "TChart" with a
// lowered bevel and a white, clear back wall, and three line series (fuchsia, green, navy)
// with their markers hidden. Needs no window toolkit, so tests and benchmarks build the
// very chart the window shows.
#pragma once

#include "chart/panel/Chart.h"
#include "chart/seriestypes/LineSeries.h"

namespace demo {

// The chart control's stored properties: size 905 x 525, title, back wall, 2D, bevel.
void ApplyChart1Properties(chart::TChart& chart);
// One series' stored properties: colour, legend entry, hidden markers, value lists.
void ApplySeriesProperties(chart::TLineSeries& series, chart::TColor color, bool showInLegend);

// Chart1 and its three series, named as on the form and attached in the order Series1,
// Series2, Series3.
struct TDemoChart {
  TDemoChart();
  TDemoChart(const TDemoChart&) = delete;
  TDemoChart& operator=(const TDemoChart&) = delete;

  chart::TChart Chart1;
  chart::TLineSeries Series1;
  chart::TLineSeries Series2;
  chart::TLineSeries Series3;
};

}  // namespace demo

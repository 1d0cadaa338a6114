#include "app/core/DemoChart.h"

namespace demo {

using namespace chart;

void ApplyChart1Properties(TChart& chart) {
  chart.BeginLoading();
  chart.SetWidth(905);
  chart.SetHeight(525);
  chart.BackWall().Brush().SetColor(clWhite);
  chart.BackWall().Brush().SetStyle(bsClear);
  chart.Title().SetText({"TChart"});
  // Stored hidden, with the look it would have if shown: one row at the bottom, centred,
  // texts only, no shadow.
  TChartLegend& legend = chart.Legend();
  legend.SetVisible(false);
  legend.SetAlignment(laBottom);
  legend.SetColorWidth(0);
  legend.SetLegendStyle(lsSeries);
  legend.SetShadowSize(0);
  legend.SetTopPos(0);
  chart.SetView3D(false);
  chart.SetBevelOuter(bvLowered);
  chart.EndLoading();
}

void ApplySeriesProperties(TLineSeries& series, TColor color, bool showInLegend) {
  series.SetSeriesColor(color);
  series.SetShowInLegend(showInLegend);
  series.Marks().SetVisible(false);
  series.Marks().SetArrowLength(8);
  series.Pointer().SetVisible(false);
  series.Pointer().SetStyle(psRectangle);
  series.Pointer().SetInflateMargins(true);
  TChartValueList& x = series.XValues();
  x.SetName("X");
  x.SetOrder(loAscending);
  x.SetMultiplier(1.0);
  x.SetDateTime(false);
  TChartValueList& y = series.YValues();
  y.SetName("Y");
  y.SetOrder(loNone);
  y.SetMultiplier(1.0);
  y.SetDateTime(false);
}

TDemoChart::TDemoChart() {
  // The form's component names: the legend and the engine's messages show them.
  Chart1.SetName("Chart1");
  Series1.SetName("Series1");
  Series2.SetName("Series2");
  Series3.SetName("Series3");
  ApplyChart1Properties(Chart1);
  ApplySeriesProperties(Series1, clFuchsia, true);
  ApplySeriesProperties(Series2, clGreen, false);
  ApplySeriesProperties(Series3, clNavy, false);
  Series1.SetParentChart(&Chart1);
  Series2.SetParentChart(&Chart1);
  Series3.SetParentChart(&Chart1);
}

}  // namespace demo

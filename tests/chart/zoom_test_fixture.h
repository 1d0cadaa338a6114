// A painted demo-like chart with one series, ready for mouse events: the axes have their
// pixel spans, so pixels map to values as they do on screen.
#pragma once

#include <functional>

#include "chart/axis/CustomChartAxis.h"
#include "chart_test_fixture.h"

namespace chart::testing {

// A series whose hit test the test decides.
class THitSeries : public TJournalSeries {
 public:
  THitSeries() : TJournalSeries(nullptr) {}
  int Clicked(int x, int y) override { return Hit ? Hit(x, y) : -1; }
  void MouseMove(TShiftState, int, int) override { ++Moves; }
  void MouseUp(TMouseButton, TShiftState, int, int) override { ++Ups; }
  std::function<int(int, int)> Hit;
  int Moves = 0;
  int Ups = 0;
};

struct ZoomFixture : ChartFixture {
  THitSeries series;

  ZoomFixture() {
    DemoLook();
    chart.Title().SetText({"TChart"});
    series.SetParentChart(&chart);
    for (int i = 0; i <= 100; ++i) series.AddPoint(i, i / 10.0);
    // Axes hidden: the plot area alone takes presses; the axis tests show them.
    chart.SetAxisVisible(false);
    host.OnRepaintNow = [this] { chart.Paint(); };
    chart.Paint();
  }

  TCustomChartAxis& Bottom() { return *chart.BottomAxis(); }
  TCustomChartAxis& Left() { return *chart.LeftAxis(); }
  TCustomChartAxis& Top() { return *chart.TopAxis(); }
  TCustomChartAxis& Right() { return *chart.RightAxis(); }

  void Drag(TMouseButton button, int x0, int y0, int x1, int y1) {
    chart.MouseDown(button, 0, x0, y0);
    chart.MouseMove(0, x1, y1);
    chart.MouseUp(button, 0, x1, y1);
  }
  // A point well inside the chart rectangle.
  TPoint Inside(int dx = 0, int dy = 0) const {
    return {chart.ChartRect().Left + 100 + dx, chart.ChartRect().Top + 100 + dy};
  }
};

}  // namespace chart::testing

// A demo-like chart (flat, titled, lowered bevel) with one line series, on the recording
// device, and readers that turn recorded operations into labels and lines.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "chart/axis/CustomChartAxis.h"
#include "chart/seriestypes/LineSeries.h"
#include "chart_test_fixture.h"

namespace chart::testing {

struct TLabelOp {
  std::string Text;
  int X = 0, Y = 0;
  unsigned Align = 0;
  int Orientation = 0;
  friend bool operator==(const TLabelOp&, const TLabelOp&) = default;
};

struct TLineOp {
  int X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
  TPen Pen;
  int TextBackMode = 0;
};

inline std::vector<TLabelOp> LabelsOf(const std::vector<TRecordedOp>& ops) {
  std::vector<TLabelOp> out;
  for (const TRecordedOp& op : ops)
    if (op.Op == TOp::TextOut) out.push_back({op.Text, op.Args[0], op.Args[1], op.TextAlign, op.Font.Orientation()});
  return out;
}

inline std::vector<std::string> TextsOf(const std::vector<TRecordedOp>& ops) {
  std::vector<std::string> out;
  for (const TLabelOp& l : LabelsOf(ops)) out.push_back(l.Text);
  return out;
}

inline std::vector<TLineOp> LinesOf(const std::vector<TRecordedOp>& ops) {
  std::vector<TLineOp> out;
  for (const TRecordedOp& op : ops)
    if (op.Op == TOp::LineTo) out.push_back({op.Args[0], op.Args[1], op.Args[2], op.Args[3], op.Pen, op.TextBackMode});
  return out;
}

struct AxisDrawFixture : ChartFixture {
  TLineSeries series;

  AxisDrawFixture() {
    DemoLook();
    chart.Title().SetText({"TChart"});
    series.SetParentChart(&chart);
  }
  // The extremes of the demo's curves after a Draw press.
  void DemoExtremes() {
    series.AddPoint(0, -0.9999976);
    series.AddPoint(1023, 1.023);
  }
  // Lays the chart out (two paints, so label sizes come from the real step), then draws
  // the one axis alone on the window's recording surface.
  std::vector<TRecordedOp> DrawOnly(TCustomChartAxis& axis) {
    chart.Paint();
    chart.InvalidateChart();
    chart.Paint();
    Window().ClearOps();
    axis.DrawAxis(true);
    return Window().Ops();
  }
  TCustomChartAxis& Bottom() { return *chart.BottomAxis(); }
  TCustomChartAxis& Left() { return *chart.LeftAxis(); }
};

}  // namespace chart::testing

// Custom axes: made and owned by the chart, ranged from the series bound to them, placed
// by StartPosition, EndPosition and PositionPercent, drawn, offered to the mouse, and
// removed without leaving a series pointing at them.
#include <gtest/gtest.h>

#include <memory>

#include "chart/core/Exceptions.h"
#include "lineseries_fixture.h"

namespace chart {
namespace {

using testing::LabelsOf;
using testing::LineSeriesFixture;
using testing::TLabelOp;
using testing::TSegment;

struct CustomAxes : LineSeriesFixture {
  TLineSeries line;
  CustomAxes() {
    line.SetSeriesColor(clRed);
    line.SetParentChart(&chart);
  }
  TChartAxis& BindNew(bool horizontal, bool otherSide) {
    TChartAxis& axis = chart.CreateCustomAxis(horizontal, otherSide);
    if (horizontal) {
      line.SetHorizAxis(aCustomHorizAxis);
      line.SetCustomHorizAxis(&axis);
    } else {
      line.SetVertAxis(aCustomVertAxis);
      line.SetCustomVertAxis(&axis);
    }
    return axis;
  }
};

struct PlacementCase {
  bool horizontal, otherSide;
  double start, end, percent;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
  *os << (c.horizontal ? "horizontal" : "vertical") << (c.otherSide ? " other side " : " ") << c.start << ".."
      << c.end << " at " << c.percent << "%";
}

struct CustomAxisPlacement : CustomAxes, ::testing::WithParamInterface<PlacementCase> {};

// The points span the axis's stretch of the chart rectangle; the line, ticks and labels
// stand where PositionPercent puts them.
TEST_P(CustomAxisPlacement, PointsLineAndLabelsFollowThePositions) {
  const PlacementCase& c = GetParam();
  TChartAxis& axis = BindNew(c.horizontal, c.otherSide);
  axis.SetStartPosition(c.start);
  axis.SetEndPosition(c.end);
  axis.SetPositionPercent(c.percent);
  line.AddPoint(0, 0);
  line.AddPoint(10, 100);
  chart.Paint();
  const std::vector<TSegment> segments = PaintSegments();
  ASSERT_EQ(chart.AxisList().size(), 6u);
  ASSERT_EQ(chart.AxisList().back(), &axis);

  const TRect r = chart.ChartRect();
  const int w = r.Right - r.Left, h = r.Bottom - r.Top;
  const int along = c.horizontal ? w : h, across = c.horizontal ? h : w;
  const int edge = c.horizontal ? r.Left : r.Top;
  const int spanStart = edge + RoundInt(along * 0.01 * c.start), spanEnd = edge + RoundInt(along * 0.01 * c.end);
  EXPECT_EQ(axis.PixelStart(), spanStart);
  EXPECT_EQ(axis.PixelEnd(), spanEnd);
  const int shift = RoundInt(c.percent * 0.01 * across);
  int line0;
  if (c.horizontal) line0 = c.otherSide ? r.Top + shift : r.Bottom - shift;
  else line0 = c.otherSide ? r.Right - shift : r.Left + shift;
  EXPECT_EQ(axis.AxisPosition(), line0);

  // The first point (0, 0) and the last (10, 100) at the ends of the custom span.
  ASSERT_EQ(segments.size(), 1u);
  const TSegment& s = segments[0];
  if (c.horizontal) {
    EXPECT_EQ(s.X0, spanStart);
    EXPECT_EQ(s.X1, spanEnd);
    EXPECT_EQ(s.Y0, r.Bottom);  // the left axis still spans the whole height
    EXPECT_EQ(s.Y1, r.Top);
  } else {
    EXPECT_EQ(s.Y0, spanEnd);
    EXPECT_EQ(s.Y1, spanStart);
    EXPECT_EQ(s.X0, r.Left);
    EXPECT_EQ(s.X1, r.Right);
  }

  // The axis line in the axis pen, and the label of the largest value at its tick, off
  // the line by the tick area (2 + 4), away from the chart on the axis's side.
  Buffer().ClearOps();
  chart.InvalidateChart();
  chart.Paint();
  bool lineFound = false;
  for (const auto& op : BufferOps(testing::TOp::LineTo)) {
    if (op.Pen.Width() != 2) continue;
    if (c.horizontal ? (op.Args[1] == line0 && op.Args[3] == line0 && op.Args[0] == spanStart)
                     : (op.Args[0] == line0 && op.Args[2] == line0 && op.Args[1] == spanStart))
      lineFound = true;
  }
  EXPECT_TRUE(lineFound);
  const int out = c.horizontal == c.otherSide ? -6 : 6;
  TLabelOp expected;
  if (c.horizontal) {
    expected = {"10", spanEnd, line0 + out, c.otherSide ? TA_CENTER | TA_BOTTOM : TA_CENTER | TA_TOP, 0};
  } else {
    expected = {"100", line0 + out, spanStart - 6, c.otherSide ? TA_LEFT | TA_TOP : TA_RIGHT | TA_TOP, 0};
  }
  const auto labels = LabelsOf(Buffer().Ops());
  EXPECT_NE(std::find(labels.begin(), labels.end(), expected), labels.end());
}

INSTANTIATE_TEST_SUITE_P(Sides, CustomAxisPlacement,
                         ::testing::Values(PlacementCase{false, false, 50, 100, 50},
                                           PlacementCase{false, true, 10, 40, 25},
                                           PlacementCase{true, false, 0, 50, 30},
                                           PlacementCase{true, true, 60, 90, 0}));

TEST_F(CustomAxes, RangedFromItsOwnSeriesAndTakesNoRoom) {
  line.AddPoint(0, 0);
  line.AddPoint(10, 1);
  chart.Paint();
  const TRect before = chart.ChartRect();
  TLineSeries other;
  other.SetParentChart(&chart);
  TChartAxis& axis = chart.CreateCustomAxis(false, true);
  other.SetVertAxis(aCustomVertAxis);
  other.SetCustomVertAxis(&axis);
  other.AddPoint(0, -50);
  other.AddPoint(10, 50);
  chart.Paint();
  EXPECT_EQ(chart.ChartRect(), before);
  EXPECT_EQ(chart.LeftAxis()->ScaleMaximum(), 1);
  EXPECT_EQ(axis.ScaleMinimum(), -50);
  EXPECT_EQ(axis.ScaleMaximum(), 50);
  // Markers keep their room at both ends, as on the standard axes.
  other.Pointer().SetVisible(true);
  chart.Paint();
  EXPECT_EQ(other.YPixel(1), axis.PixelStart() + 5);
  EXPECT_EQ(other.YPixel(0), axis.PixelEnd() - 5);
  // A range of its own, like any axis.
  axis.SetRange(-150, 50);
  chart.Paint();
  EXPECT_DOUBLE_EQ(axis.ScaleMinimum(), -150);
  EXPECT_EQ(other.YPixel(1), axis.PixelStart());
  EXPECT_EQ(other.YPixel(0), axis.PixelEnd() - RoundInt(axis.PixelSize() * 0.5));
}

TEST_F(CustomAxes, RemovingAnAxisOrLeavingTheChartUnbindsTheSeries) {
  line.AddPoint(0, 0);
  line.AddPoint(10, 100);
  TChartAxis& horiz = BindNew(true, false);
  TChartAxis& vert = BindNew(false, false);
  EXPECT_EQ(chart.CustomAxisCount(), 2);
  chart.RemoveCustomAxis(*chart.LeftAxis());  // not a custom axis: nothing happens
  EXPECT_EQ(chart.AxisList().size(), 7u);

  chart.RemoveCustomAxis(vert);
  EXPECT_EQ(line.CustomVertAxis(), nullptr);
  EXPECT_EQ(line.GetVertAxis(), chart.LeftAxis());
  EXPECT_EQ(line.GetHorizAxis(), &horiz);
  EXPECT_EQ(chart.AxisList().size(), 6u);
  const std::vector<TSegment> s = PaintSegments();
  ASSERT_EQ(s.size(), 1u);
  EXPECT_EQ(s[0].Y0, chart.ChartRect().Bottom);
  EXPECT_EQ(s[0].Y1, chart.ChartRect().Top);

  // Leaving the chart drops the binding to its axes.
  chart.RemoveSeries(line);
  EXPECT_EQ(line.CustomHorizAxis(), nullptr);
  EXPECT_EQ(line.GetHorizAxis(), nullptr);

  // A chart freed first frees its axes and leaves no series pointing at them.
  TLineSeries survivor;
  {
    auto other = std::make_unique<TChart>();
    survivor.SetParentChart(other.get());
    survivor.SetVertAxis(aCustomVertAxis);
    survivor.SetCustomVertAxis(&other->CreateCustomAxis(false, false));
  }
  EXPECT_EQ(survivor.CustomVertAxis(), nullptr);
  EXPECT_EQ(survivor.GetVertAxis(), nullptr);
}

TEST_F(CustomAxes, BindingAcceptsOnlyAnAxisOfTheSeriesChartInItsDirection) {
  TChartAxis& vert = chart.CreateCustomAxis(false, false);
  TChart otherChart;
  TChartAxis& foreign = otherChart.CreateCustomAxis(true, false);
  TLineSeries loose;
  struct Case {
    TChartSeries* series;
    TCustomChartAxis* axis;
    bool horizontal;
  } cases[] = {
      {&line, &vert, true},                    // wrong direction
      {&line, chart.DepthAxis(), false},       // the depth axis
      {&line, &foreign, true},                 // another chart's axis
      {&loose, &vert, false},                  // a series on no chart
  };
  for (const Case& c : cases) {
    if (c.horizontal) EXPECT_THROW(c.series->SetCustomHorizAxis(c.axis), ChartException);
    else EXPECT_THROW(c.series->SetCustomVertAxis(c.axis), ChartException);
    EXPECT_EQ(c.series->CustomHorizAxis(), nullptr);
    EXPECT_EQ(c.series->CustomVertAxis(), nullptr);
  }
  // A standard axis of the series' chart serves as well.
  line.SetCustomHorizAxis(chart.TopAxis());
  line.SetHorizAxis(aCustomHorizAxis);
  EXPECT_EQ(line.GetHorizAxis(), chart.TopAxis());
}

TEST_F(CustomAxes, TheMouseReachesTheCustomAxes) {
  line.AddPoint(0, 0);
  line.AddPoint(10, 100);
  TChartAxis& axis = BindNew(false, false);
  axis.SetStartPosition(50);
  axis.SetPositionPercent(50);
  chart.Paint();
  TCustomChartAxis* clicked = nullptr;
  chart.OnClickAxis = [&](TCustomChart*, TCustomChartAxis* a, TMouseButton, TShiftState, int, int) { clicked = a; };
  const int y = axis.PixelStart() + 5;  // well off the line the series draws
  chart.MouseDown(mbLeft, 0, axis.AxisPosition() - 1, y);
  chart.MouseUp(mbLeft, 0, axis.AxisPosition() - 1, y);
  EXPECT_EQ(clicked, &axis);

  // The wheel scrolls it like the other vertical axes.
  chart.MouseWheelDown(0, {0, 0});
  EXPECT_FALSE(axis.Automatic());
  EXPECT_DOUBLE_EQ(axis.Minimum(), 3);
  EXPECT_DOUBLE_EQ(axis.Maximum(), 103);

  // A right drag pans it by the values its own span gives the pixels.
  chart.Paint();
  const double perPixel = axis.ScaleRange() / axis.PixelSize();
  const TPoint p{chart.ChartRect().Left + 100, y};
  chart.MouseDown(mbRight, 0, p.X, p.Y);
  chart.MouseMove(0, p.X, p.Y + 10);
  chart.MouseUp(mbRight, 0, p.X, p.Y + 10);
  EXPECT_NEAR(axis.Minimum(), 3 + 10 * perPixel, 1e-9);

  // Dragging back restores it with the standard axes, to where the pan found it.
  const TRect r = chart.ChartRect();
  chart.MouseDown(mbLeft, 0, r.Left + 300, r.Top + 200);
  chart.MouseMove(0, r.Left + 200, r.Top + 100);
  chart.MouseUp(mbLeft, 0, r.Left + 200, r.Top + 100);
  EXPECT_TRUE(chart.AtHomeScales());
  EXPECT_DOUBLE_EQ(axis.Minimum(), 3);
  EXPECT_DOUBLE_EQ(axis.Maximum(), 103);
  EXPECT_FALSE(axis.Automatic());
  // An axis removed while panned is not restored, and a later pan and undo work.
  chart.MouseDown(mbRight, 0, p.X, p.Y);
  chart.MouseMove(0, p.X, p.Y + 10);
  chart.RemoveCustomAxis(axis);
  chart.MouseUp(mbRight, 0, p.X, p.Y + 10);
  chart.UndoZoom();
  EXPECT_TRUE(chart.AtHomeScales());
}

}  // namespace
}  // namespace chart

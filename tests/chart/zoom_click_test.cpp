#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "zoom_test_fixture.h"

namespace chart {
namespace {

using testing::ZoomFixture;
using Clicks = ZoomFixture;

TEST_F(Clicks, PartsAreFoundInTheirOrder) {
  const TPoint p = Inside();
  EXPECT_EQ(chart.PartAtPoint(p.X, p.Y).Part, TChartPart::ChartRect);
  const TRect title = chart.Title().TitleBounds();
  EXPECT_EQ(chart.PartAtPoint(title.Left + 1, title.Top + 1).Part, TChartPart::Title);
  EXPECT_EQ(chart.PartAtPoint(2, 2).Part, TChartPart::None);
  // A series hit wins over everything, the last series in the list first.
  testing::THitSeries other;
  other.SetParentChart(&chart);
  series.Hit = [](int, int) { return 5; };
  other.Hit = [](int, int) { return 7; };
  const TChartClickedPart hit = chart.PartAtPoint(title.Left + 1, title.Top + 1);
  EXPECT_EQ(hit.Part, TChartPart::Series);
  EXPECT_EQ(hit.Series, &other);
  EXPECT_EQ(hit.ValueIndex, 7);
  other.SetActive(false);
  EXPECT_EQ(chart.PartAtPoint(p.X, p.Y).Series, &series);
}

TEST_F(Clicks, WithoutActiveSeriesThePlotAreaIsNoPart) {
  series.SetActive(false);
  chart.Paint();
  const TPoint p = Inside();
  EXPECT_EQ(chart.PartAtPoint(p.X, p.Y).Part, TChartPart::None);
  chart.MouseDown(mbLeft, 0, p.X, p.Y);
  EXPECT_FALSE(chart.Zoom().Dragging);
}

TEST_F(Clicks, PressOnTitleOrMarginStartsNoDrag) {
  const TRect title = chart.Title().TitleBounds();
  for (TPoint p : {TPoint{title.Left + 2, title.Top + 2}, TPoint{chart.ChartRect().Right + 3, 300}}) {
    chart.MouseDown(mbLeft, 0, p.X, p.Y);
    chart.MouseDown(mbRight, 0, p.X, p.Y);
    EXPECT_FALSE(chart.Zoom().Dragging);
    EXPECT_FALSE(chart.Panning().Dragging);
  }
}

TEST_F(Clicks, SeriesClickOrderAndDoubleClick) {
  std::vector<std::string> log;
  series.Hit = [](int, int) { return 3; };
  series.OnClick = [&](TChartSeries*, int i, TMouseButton, TShiftState, int, int) {
    log.push_back("click" + std::to_string(i));
  };
  series.OnDblClick = [&](TChartSeries*, int i, TMouseButton, TShiftState, int, int) {
    log.push_back("dbl" + std::to_string(i));
  };
  chart.OnClickSeries = [&](TCustomChart*, TChartSeries* s, int i, TMouseButton, TShiftState, int, int) {
    EXPECT_EQ(s, &series);
    log.push_back("chart" + std::to_string(i));
  };
  const TPoint p = Inside();
  chart.MouseDown(mbLeft, 0, p.X, p.Y);
  chart.MouseDown(mbLeft, ssDouble, p.X, p.Y);
  EXPECT_EQ(log, (std::vector<std::string>{"click3", "chart3", "dbl3", "chart3"}));
  EXPECT_FALSE(chart.Zoom().Dragging);
}

TEST_F(Clicks, UnhandledSeriesPressStartsAZoom) {
  series.Hit = [](int, int) { return 0; };
  chart.MouseDown(mbLeft, 0, 2, 2);  // a series may be hit outside the chart rectangle
  EXPECT_TRUE(chart.Zoom().Dragging);
}

TEST_F(Clicks, BackgroundClickFiresOnceForThePlotAreaAndForMargins) {
  int backgrounds = 0;
  chart.OnClickBackground = [&](TCustomChart*, TMouseButton, TShiftState, int, int) {
    ++backgrounds;
    chart.SetMouseHandled(false);
  };
  const TPoint p = Inside();
  chart.MouseDown(mbRight, 0, p.X, p.Y);
  EXPECT_EQ(backgrounds, 1);
  EXPECT_TRUE(chart.Panning().Dragging);
  chart.MouseUp(mbRight, 0, p.X, p.Y);
  chart.MouseDown(mbLeft, 0, 2, 2);
  EXPECT_EQ(backgrounds, 2);
  EXPECT_FALSE(chart.Zoom().Dragging);
}

TEST_F(Clicks, ProgramMouseDownHandlerSuppressesOnlyThatPress) {
  bool suppress = true;
  chart.OnMouseDown = [&](TCustomChart*, TMouseButton, TShiftState, int, int) {
    if (suppress) chart.SetMouseHandled(true);
  };
  const TPoint p = Inside();
  chart.MouseDown(mbLeft, 0, p.X, p.Y);
  EXPECT_FALSE(chart.Zoom().Dragging);
  EXPECT_FALSE(chart.MouseHandled());
  suppress = false;
  chart.MouseDown(mbLeft, 0, p.X, p.Y);
  EXPECT_TRUE(chart.Zoom().Dragging);
}

TEST_F(Clicks, ControlEventsFireBeforeTheChartsWork) {
  std::vector<std::string> log;
  chart.OnMouseDown = [&](TCustomChart*, TMouseButton, TShiftState, int, int) {
    log.push_back(chart.Zoom().Dragging ? "down-late" : "down");
  };
  chart.OnMouseMove = [&](TCustomChart*, TShiftState, int, int) { log.push_back("move"); };
  chart.OnMouseUp = [&](TCustomChart*, TMouseButton, TShiftState, int, int) {
    log.push_back(chart.Zoom().Dragging ? "up" : "up-late");
  };
  Drag(mbLeft, 100, 100, 300, 300);
  EXPECT_EQ(log, (std::vector<std::string>{"down", "move", "up"}));
  EXPECT_EQ(series.Moves, 0);  // drags do not reach the series
  EXPECT_EQ(series.Ups, 1);
}

TEST_F(Clicks, CursorFollowsSeriesUnderThePointerAndReturnsHome) {
  chart.SetCursor(crCross);
  chart.Loaded();
  EXPECT_EQ(chart.HomeCursor(), crCross);
  series.SetCursor(crHandPoint);
  series.Hit = [](int x, int) { return x < 300 ? 1 : -1; };
  chart.MouseMove(0, 200, 200);
  EXPECT_EQ(host.Cursor, crHandPoint);
  EXPECT_EQ(series.Moves, 1);
  chart.MouseMove(0, 400, 200);
  EXPECT_EQ(host.Cursor, crCross);
  chart.MouseMove(0, 200, 200);
  chart.MouseLeave();
  EXPECT_EQ(host.Cursor, crCross);
  // A drag shows the default cursor.
  chart.MouseDown(mbLeft, 0, 400, 200);
  EXPECT_EQ(chart.Cursor(), crDefault);
}

}  // namespace
}  // namespace chart

namespace chart {
namespace {

// Presses on the axes, with the axes drawn as the demo shows them.
struct AxisClicks : testing::ZoomFixture {
  AxisClicks() {
    chart.SetAxisVisible(true);
    chart.Paint();
  }
  // On the bottom axis, below the axis line among the labels.
  TPoint OnBottomAxis() const {
    const TRect r = chart.ChartRect();
    return {(r.Left + r.Right) / 2, chart.BottomAxis()->AxisPosition() + 2};
  }
};

TEST_F(AxisClicks, AxisLiesBetweenItsLineAndItsLabels) {
  const TRect r = chart.ChartRect();
  const TChartClickedPart left = chart.PartAtPoint(Left().AxisPosition() - 2, (r.Top + r.Bottom) / 2);
  EXPECT_EQ(left.Part, TChartPart::Axis);
  EXPECT_EQ(left.Axis, &Left());
  const TPoint p = OnBottomAxis();
  EXPECT_EQ(chart.PartAtPoint(p.X, p.Y).Axis, &Bottom());
  EXPECT_EQ(chart.PartAtPoint(Inside().X, Inside().Y).Part, TChartPart::ChartRect);
}

TEST_F(AxisClicks, PressFiresTheAxisEventThenStartsADragWhenLeftUnhandled) {
  std::vector<TCustomChartAxis*> axes;
  chart.OnClickAxis = [&](TCustomChart*, TCustomChartAxis* a, TMouseButton, TShiftState, int, int) {
    axes.push_back(a);
    chart.SetMouseHandled(false);  // let the press go on
  };
  const TPoint p = OnBottomAxis();
  chart.MouseDown(mbLeft, 0, p.X, p.Y);
  ASSERT_EQ(axes.size(), 1u);
  EXPECT_EQ(axes[0], &Bottom());
  EXPECT_TRUE(chart.Zoom().Dragging);
}

TEST_F(AxisClicks, HandledPressStartsNothingAndFiresNoBackground) {
  int backgrounds = 0;
  chart.OnClickAxis = [](TCustomChart*, TCustomChartAxis*, TMouseButton, TShiftState, int, int) {};
  chart.OnClickBackground = [&](TCustomChart*, TMouseButton, TShiftState, int, int) { ++backgrounds; };
  const TPoint p = OnBottomAxis();
  chart.MouseDown(mbLeft, 0, p.X, p.Y);
  EXPECT_FALSE(chart.Zoom().Dragging);
  EXPECT_EQ(backgrounds, 0);
  EXPECT_FALSE(chart.MouseHandled());
}

}  // namespace
}  // namespace chart

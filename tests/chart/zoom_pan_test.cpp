#include <gtest/gtest.h>

#include "zoom_test_fixture.h"

namespace chart {
namespace {

using testing::ZoomFixture;
using Panning = ZoomFixture;

TEST_F(Panning, DataFollowsThePointerInBothDirections) {
  const TPoint p = Inside();
  const double bMin = Bottom().Minimum(), bMax = Bottom().Maximum();
  const double lMin = Left().Minimum(), lMax = Left().Maximum();
  // Value per pixel along each axis.
  const double bUnit = Bottom().PixelToValue(p.X + 1) - Bottom().PixelToValue(p.X);
  const double lUnit = Left().PixelToValue(p.Y) - Left().PixelToValue(p.Y + 1);
  int scrolls = 0;
  chart.OnScroll = [&](TCustomZelPanel*) { ++scrolls; };
  chart.MouseDown(mbRight, 0, p.X, p.Y);
  EXPECT_TRUE(chart.Panning().Dragging);
  chart.MouseMove(0, p.X + 30, p.Y + 20);  // right and down
  EXPECT_EQ(scrolls, 1);
  EXPECT_FALSE(chart.AtHomeScales());
  EXPECT_NEAR(Bottom().Minimum(), bMin - 30 * bUnit, 1e-9);
  EXPECT_NEAR(Bottom().Maximum(), bMax - 30 * bUnit, 1e-9);
  // Dragging down moves the data down: the vertical range moves up.
  EXPECT_NEAR(Left().Minimum(), lMin + 20 * lUnit, 1e-9);
  EXPECT_NEAR(Left().Maximum(), lMax + 20 * lUnit, 1e-9);
  chart.MouseMove(0, p.X, p.Y);  // and back by the same amount
  EXPECT_NEAR(Bottom().Minimum(), bMin, 1e-9);
  EXPECT_NEAR(Left().Maximum(), lMax, 1e-9);
  chart.MouseUp(mbRight, 0, p.X, p.Y);
  EXPECT_FALSE(chart.Panning().Dragging);
  // The zoom undo gives the scales from before the pan back.
  Drag(mbLeft, p.X + 50, p.Y + 50, p.X, p.Y);
  EXPECT_TRUE(Bottom().Automatic());
}

TEST_F(Panning, LeavingTheChartRectangleEndsTheDrag) {
  const TPoint p = Inside();
  chart.MouseDown(mbRight, 0, p.X, p.Y);
  chart.MouseMove(0, chart.ChartRect().Right, p.Y);  // right edge is outside
  EXPECT_FALSE(chart.Panning().Dragging);
  const double min = Bottom().Minimum();
  chart.MouseMove(0, p.X + 40, p.Y);
  EXPECT_EQ(Bottom().Minimum(), min);
  EXPECT_TRUE(chart.AtHomeScales());
}

TEST_F(Panning, MouseLeaveEndsPanningButNotZooming) {
  const TPoint p = Inside();
  chart.MouseDown(mbRight, 0, p.X, p.Y);
  chart.MouseLeave();
  EXPECT_FALSE(chart.Panning().Dragging);
  chart.MouseDown(mbLeft, 0, p.X, p.Y);
  chart.MouseLeave();
  EXPECT_TRUE(chart.Zoom().Dragging);
}

TEST_F(Panning, HorizontalModeShiftsOnlyHorizontalAxes) {
  chart.SetAllowPanning(pmHorizontal);
  const TPoint p = Inside();
  const double lMin = Left().Minimum();
  chart.MouseDown(mbRight, 0, p.X, p.Y);
  chart.MouseMove(0, p.X + 25, p.Y + 25);
  EXPECT_NE(Bottom().Minimum(), 0);
  EXPECT_FALSE(Bottom().Automatic());
  EXPECT_FALSE(Top().Automatic());
  EXPECT_EQ(Left().Minimum(), lMin);
  EXPECT_TRUE(Left().Automatic());
  EXPECT_TRUE(Right().Automatic());
}

TEST_F(Panning, NoneModeStartsNoPan) {
  chart.SetAllowPanning(pmNone);
  chart.MouseDown(mbRight, 0, Inside().X, Inside().Y);
  EXPECT_FALSE(chart.Panning().Dragging);
}

TEST_F(Panning, AllowScrollCanVetoOneAxisOrChangeItsRange) {
  chart.OnAllowScroll = [&](TCustomChartAxis* axis, double& aMin, double& aMax, bool& allow) {
    if (axis == &Left()) allow = false;
    if (axis == &Bottom()) aMin = -1000, aMax = 1000;
  };
  const TPoint p = Inside();
  chart.MouseDown(mbRight, 0, p.X, p.Y);
  chart.MouseMove(0, p.X + 10, p.Y + 10);
  EXPECT_TRUE(Left().Automatic());
  EXPECT_FALSE(Right().Automatic());
  EXPECT_EQ(Bottom().Minimum(), -1000);
  EXPECT_EQ(Bottom().Maximum(), 1000);
}

TEST_F(Panning, MoveToTheSamePointDoesNothing) {
  const TPoint p = Inside();
  int scrolls = 0;
  chart.OnScroll = [&](TCustomZelPanel*) { ++scrolls; };
  chart.MouseDown(mbRight, 0, p.X, p.Y);
  chart.MouseMove(0, p.X, p.Y);
  EXPECT_EQ(scrolls, 0);
  EXPECT_TRUE(chart.AtHomeScales());
}

using Wheel = ZoomFixture;

TEST_F(Wheel, ScrollsTheVerticalAxesByThreePercentAndRepaintsAtOnce) {
  const double min = Left().Minimum(), max = Left().Maximum();
  const double bMin = Bottom().Minimum();
  const int repaints = host.ImmediateRepaints;
  chart.MouseWheelDown(0, {200, 200});
  const double offset = (max - min) * 3 * 0.01;
  EXPECT_DOUBLE_EQ(Left().Minimum(), min + offset);
  EXPECT_DOUBLE_EQ(Left().Maximum(), max + offset);
  EXPECT_FALSE(Left().Automatic());
  EXPECT_EQ(Bottom().Minimum(), bMin);
  EXPECT_EQ(host.ImmediateRepaints, repaints + 1);
  chart.MouseWheelUp(0, {200, 200});
  EXPECT_NEAR(Left().Minimum(), min, 1e-12);
}

TEST_F(Wheel, IgnoresZoomAndPanSwitchesAndWhatItsEventReports) {
  chart.SetAllowZoom(false);
  chart.SetAllowPanning(pmNone);
  chart.OnMouseWheelDown = [](TCustomChart*, TShiftState, TPoint, bool& handled) { handled = true; };
  const double min = Left().Minimum();
  chart.MouseWheelDown(0, {0, 0});
  EXPECT_GT(Left().Minimum(), min);
}

TEST_F(Wheel, UndoAfterWheelAloneLeavesTheAxesWhereTheWheelPutThem) {
  chart.MouseWheelDown(0, {200, 200});
  chart.MouseWheelDown(0, {200, 200});
  const double min = Left().Minimum(), max = Left().Maximum();
  EXPECT_TRUE(chart.AtHomeScales());
  Drag(mbLeft, 300, 300, 100, 100);
  EXPECT_FALSE(Left().Automatic());
  EXPECT_EQ(Left().Minimum(), min);
  EXPECT_EQ(Left().Maximum(), max);
}

}  // namespace
}  // namespace chart

#include <gtest/gtest.h>

#include "zoom_test_fixture.h"

namespace chart {
namespace {

using testing::TOp;
using testing::ZoomFixture;

struct AxisState {
  bool automatic, autoMin, autoMax;
  double minimum, maximum;
};
AxisState StateOf(const TCustomChartAxis& a) {
  return {a.Automatic(), a.AutomaticMinimum(), a.AutomaticMaximum(), a.Minimum(), a.Maximum()};
}
void ExpectSame(const AxisState& a, const AxisState& b) {
  EXPECT_EQ(a.automatic, b.automatic);
  EXPECT_EQ(a.autoMin, b.autoMin);
  EXPECT_EQ(a.autoMax, b.autoMax);
  EXPECT_DOUBLE_EQ(a.minimum, b.minimum);
  EXPECT_DOUBLE_EQ(a.maximum, b.maximum);
}

using ZoomDrag = ZoomFixture;

TEST_F(ZoomDrag, DragTowardsBottomRightZoomsAllFourAxesToTheRectangle) {
  ASSERT_TRUE(chart.ChartRect().Contains({100, 100}));
  const double bMin = Bottom().PixelToValue(100), bMax = Bottom().PixelToValue(117);
  const double lMin = Left().PixelToValue(117), lMax = Left().PixelToValue(100);
  const double tMin = Top().PixelToValue(100);
  int zooms = 0;
  chart.OnZoom = [&](TCustomZelPanel*) { ++zooms; };
  Drag(mbLeft, 100, 100, 117, 117);
  EXPECT_EQ(zooms, 1);
  EXPECT_TRUE(chart.ZoomedIn());
  EXPECT_FALSE(chart.AtHomeScales());
  EXPECT_DOUBLE_EQ(Bottom().Minimum(), bMin);
  EXPECT_DOUBLE_EQ(Bottom().Maximum(), bMax);
  // Upper edge of the rectangle is the vertical maximum.
  EXPECT_DOUBLE_EQ(Left().Minimum(), lMin);
  EXPECT_DOUBLE_EQ(Left().Maximum(), lMax);
  // Hidden axes zoom too.
  EXPECT_DOUBLE_EQ(Top().Minimum(), tMin);
  // The right axis has no series: its empty scale gives one value, widened to 1e-10.
  EXPECT_DOUBLE_EQ(Right().Maximum() - Right().Minimum(), 1e-10);
  for (TCustomChartAxis* a : {&Bottom(), &Left(), &Top(), &Right()}) EXPECT_FALSE(a->Automatic());
}

struct SmallDrag {
  int x0, y0, x1, y1;
};
class ZoomDragTooSmall : public ZoomFixture, public ::testing::WithParamInterface<SmallDrag> {};

// 16 pixels is not more than 16, in either direction.
TEST_P(ZoomDragTooSmall, ChangesNothing) {
  const SmallDrag d = GetParam();
  const AxisState before = StateOf(Bottom());
  int events = 0;
  chart.OnZoom = chart.OnUndoZoom = [&](TCustomZelPanel*) { ++events; };
  const auto invalidations = chart.InvalidateCount();
  Drag(mbLeft, d.x0, d.y0, d.x1, d.y1);
  EXPECT_EQ(events, 0);
  EXPECT_EQ(chart.InvalidateCount(), invalidations);
  ExpectSame(StateOf(Bottom()), before);
  EXPECT_TRUE(chart.AtHomeScales());
}
INSTANTIATE_TEST_SUITE_P(All, ZoomDragTooSmall,
                         ::testing::Values(SmallDrag{100, 100, 116, 140}, SmallDrag{100, 100, 140, 116},
                                           SmallDrag{200, 200, 184, 150}, SmallDrag{100, 100, 100, 100}));

TEST_F(ZoomDrag, AnyDragNotTowardsBottomRightUndoes) {
  for (SmallDrag d : {SmallDrag{200, 200, 150, 150}, SmallDrag{100, 200, 150, 150}, SmallDrag{200, 100, 150, 150}}) {
    Drag(mbLeft, 100, 100, 150, 150);
    ASSERT_TRUE(chart.ZoomedIn());
    int undos = 0;
    chart.OnUndoZoom = [&](TCustomZelPanel*) { ++undos; };
    Drag(mbLeft, d.x0, d.y0, d.x1, d.y1);
    EXPECT_EQ(undos, 1);
    EXPECT_FALSE(chart.ZoomedIn());
    EXPECT_TRUE(chart.AtHomeScales());
    EXPECT_TRUE(Bottom().Automatic());
    EXPECT_TRUE(Left().AutomaticMinimum());
    chart.OnUndoZoom = nullptr;
    chart.Paint();
  }
}

TEST_F(ZoomDrag, UndoAfterTwoZoomsRestoresTheScalesBeforeTheFirst) {
  // A program-set left axis: not automatic, its own range.
  Left().SetAutomatic(false);
  Left().SetAutomaticMinimum(false);
  Left().SetAutomaticMaximum(false);
  Left().SetMinimum(-2);
  Left().SetMaximum(20);
  Top().SetAutomaticMaximum(false);
  chart.Paint();
  const AxisState left = StateOf(Left()), top = StateOf(Top()), bottom = StateOf(Bottom());
  Drag(mbLeft, 100, 100, 300, 300);
  chart.Paint();
  Drag(mbLeft, 120, 120, 200, 200);
  chart.Paint();
  EXPECT_NE(Left().Minimum(), -2);
  Drag(mbLeft, 300, 300, 100, 100);
  ExpectSame(StateOf(Left()), left);
  EXPECT_EQ(Top().Automatic(), top.automatic);
  EXPECT_EQ(Top().AutomaticMaximum(), false);
  EXPECT_EQ(Top().AutomaticMinimum(), true);
  EXPECT_EQ(Bottom().Automatic(), bottom.automatic);
}

TEST_F(ZoomDrag, UndoWithNothingSavedOnlyFiresAndRepaints) {
  Left().SetRange(1, 5);  // as a program would: not a zoom, nothing saved
  int undos = 0;
  chart.OnUndoZoom = [&](TCustomZelPanel*) { ++undos; };
  chart.Paint();
  const int invalidations = host.Invalidations;
  chart.UndoZoom();
  EXPECT_EQ(undos, 1);
  EXPECT_EQ(host.Invalidations, invalidations + 1);
  EXPECT_FALSE(Left().Automatic());
  EXPECT_DOUBLE_EQ(Left().Minimum(), 1);
  EXPECT_DOUBLE_EQ(Left().Maximum(), 5);
}

TEST_F(ZoomDrag, AllowZoomFalseIgnoresTheLeftButton) {
  chart.SetAllowZoom(false);
  Drag(mbLeft, 100, 100, 300, 300);
  EXPECT_FALSE(chart.ZoomedIn());
  EXPECT_TRUE(Bottom().Automatic());
  EXPECT_TRUE(Window().OpsOf(TOp::Rectangle).empty());
}

TEST_F(ZoomDrag, OtherPressesDuringADragAreIgnored) {
  chart.MouseDown(mbLeft, 0, 100, 100);
  chart.MouseDown(mbRight, 0, 150, 150);
  EXPECT_FALSE(chart.Panning().Dragging);
  chart.MouseUp(mbRight, 0, 150, 150);
  EXPECT_TRUE(chart.Zoom().Dragging);  // only the zoom button ends a zoom drag
  chart.MouseUp(mbLeft, 0, 300, 300);
  EXPECT_TRUE(chart.ZoomedIn());
}

TEST_F(ZoomDrag, ModifierKeysMustIncludeZoomShift) {
  chart.MouseSettings().ZoomShift = ssCtrl;
  chart.MouseDown(mbLeft, ssShift, 100, 100);
  EXPECT_FALSE(chart.Zoom().Dragging);
  chart.MouseDown(mbLeft, ssShift | ssCtrl, 100, 100);
  EXPECT_TRUE(chart.Zoom().Dragging);
}

// The rubber band goes to the window between paints, in NOT-XOR, and each change draws the
// old rectangle again before the new one.
TEST_F(ZoomDrag, RubberBandIsDrawnAndErasedOnTheWindow) {
  Window().ClearOps();
  chart.MouseDown(mbLeft, 0, 100, 100);
  chart.MouseMove(0, 150, 130);
  chart.MouseMove(0, 150, 130);  // same point: nothing drawn
  chart.MouseMove(0, 160, 140);
  chart.MouseUp(mbLeft, 0, 170, 150);
  const auto rects = Window().OpsOf(TOp::Rectangle);
  const std::vector<std::vector<int>> expected = {{100, 100, 100, 100}, {100, 100, 100, 100}, {100, 100, 150, 130},
                                                  {100, 100, 150, 130}, {100, 100, 160, 140}, {100, 100, 160, 140}};
  ASSERT_EQ(rects.size(), expected.size());
  for (std::size_t i = 0; i < rects.size(); ++i) {
    EXPECT_EQ(rects[i].Args, expected[i]) << i;
    EXPECT_EQ(rects[i].Pen.Mode(), pmNotXor);
    EXPECT_EQ(rects[i].Pen.Style(), psSolid);
    EXPECT_EQ(rects[i].Pen.Width(), 1);
    EXPECT_EQ(rects[i].Brush.Style(), bsClear);
    // clBtnFace as the window's palette reports it.
    EXPECT_EQ(rects[i].Pen.Color(), Window().LookupSystemColor(SystemColorIndex(clBtnFace)));
  }
  EXPECT_EQ(chart.Canvas().Pen().Mode(), pmCopy);
  EXPECT_TRUE(Buffer().OpsOf(TOp::Rectangle).size() > 0);
}

TEST_F(ZoomDrag, WhiteChartGetsABlackBand) {
  chart.SetColor(clWhite);
  chart.Paint();
  Window().ClearOps();
  chart.MouseDown(mbLeft, 0, 100, 100);
  ASSERT_EQ(Window().OpsOf(TOp::Rectangle).size(), 1u);
  EXPECT_EQ(Window().OpsOf(TOp::Rectangle)[0].Pen.Color(), clBlack);
}

TEST_F(ZoomDrag, RepaintDuringTheDragKeepsTheBandInThePicture) {
  chart.MouseDown(mbLeft, 0, 100, 100);
  chart.MouseMove(0, 200, 180);
  chart.InvalidateChart();
  Buffer().ClearOps();
  chart.Paint();
  const auto rects = Buffer().OpsOf(TOp::Rectangle);
  ASSERT_FALSE(rects.empty());
  EXPECT_EQ(rects.back().Args, (std::vector<int>{100, 100, 200, 180}));
  EXPECT_EQ(rects.back().Pen.Mode(), pmNotXor);
  chart.MouseUp(mbLeft, 0, 200, 180);
  chart.InvalidateChart();
  Buffer().ClearOps();
  chart.Paint();
  for (const auto& r : Buffer().OpsOf(TOp::Rectangle)) EXPECT_NE(r.Pen.Mode(), pmNotXor);
}

TEST_F(ZoomDrag, AnimatedZoomClosesInAThirdAtATimeThenLands) {
  chart.SetAnimatedZoom(true);
  chart.SetAnimatedZoomSteps(4);
  const double from = Bottom().Minimum();
  const double target = Bottom().PixelToValue(200);
  std::vector<double> seen;
  host.OnRepaintNow = [&] {
    seen.push_back(Bottom().Minimum());
    chart.Paint();
  };
  Drag(mbLeft, 200, 100, 400, 300);
  ASSERT_EQ(seen.size(), 3u);  // steps - 1 immediate repaints
  double expected = from;
  for (double v : seen) {
    expected += (target - expected) / 3.0;
    EXPECT_DOUBLE_EQ(v, expected);
  }
  EXPECT_DOUBLE_EQ(Bottom().Minimum(), target);
}

TEST(ZoomPanningRecord, NormalizeOrdersEachCorner) {
  TZoomPanningRecord r;
  r.StartDrag(50, 60);
  EXPECT_TRUE(r.Dragging);
  EXPECT_EQ(r.ToX, 50);
  r.ToX = 10;
  r.ToY = 90;
  r.Normalize();
  EXPECT_EQ(r.FromX, 10);
  EXPECT_EQ(r.ToX, 50);
  EXPECT_EQ(r.FromY, 60);
  EXPECT_EQ(r.ToY, 90);
}

}  // namespace
}  // namespace chart

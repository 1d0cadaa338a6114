// Where DrawLabel writes the lines of a two-line text for each side and each angle:
// alignment, first and second line, rotation.
#include <gtest/gtest.h>

#include <climits>

#include "axisdraw_fixture.h"

namespace chart {
namespace {

using testing::AxisDrawFixture;
using testing::LabelsOf;
using testing::TLabelOp;

enum Side { kLeft, kRight, kBottom, kTop };

struct PlacementCase {
  Side side;
  int angle;
  unsigned align;
  TPoint first, second;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << "side " << c.side << " angle " << c.angle; }

class LabelPlacement : public AxisDrawFixture, public ::testing::WithParamInterface<PlacementCase> {};

// Anchor (100, 200); the font is 13 pixels high, so half a line is 6.
TEST_P(LabelPlacement, PutsEachLineWhereTheSideAndAngleDemand) {
  const PlacementCase& c = GetParam();
  TCustomChartAxis* axes[] = {chart.LeftAxis(), chart.RightAxis(), chart.BottomAxis(), chart.TopAxis()};
  TCustomChartAxis& axis = *axes[c.side];
  chart.Paint();
  chart.ApplyFont(axis.LabelsFont());
  Window().ClearOps();
  axis.DrawLabel(100, 200, "ab\rcd", c.angle);
  const int orientation = c.angle == 0 ? 0 : c.angle * 10;
  EXPECT_EQ(LabelsOf(Window().Ops()),
            (std::vector<TLabelOp>{{"ab", c.first.X, c.first.Y, c.align, orientation},
                                   {"cd", c.second.X, c.second.Y, c.align, orientation}}));
  EXPECT_EQ(chart.Canvas().TextAlignment(), TA_LEFT | TA_TOP) << "alignment reset afterwards";
}

INSTANTIATE_TEST_SUITE_P(
    All, LabelPlacement,
    ::testing::Values(
        // Unturned: the vertical axes centre the block on y, bottom hangs, top stands.
        PlacementCase{kLeft, 0, TA_RIGHT | TA_TOP, {100, 187}, {100, 200}},
        PlacementCase{kRight, 0, TA_LEFT | TA_TOP, {100, 187}, {100, 200}},
        PlacementCase{kBottom, 0, TA_CENTER | TA_TOP, {100, 200}, {100, 213}},
        PlacementCase{kTop, 0, TA_CENTER | TA_BOTTOM, {100, 187}, {100, 200}},
        // Turned up: lines advance to the right.
        PlacementCase{kBottom, 90, TA_RIGHT | TA_TOP, {87, 200}, {100, 200}},
        PlacementCase{kTop, 90, TA_LEFT | TA_TOP, {87, 200}, {100, 200}},
        PlacementCase{kLeft, 90, TA_CENTER | TA_BOTTOM, {87, 200}, {100, 200}},
        PlacementCase{kRight, 90, TA_CENTER | TA_TOP, {100, 200}, {113, 200}},
        // Upside down: lines advance upwards, the alignment of the opposite side.
        PlacementCase{kLeft, 180, TA_LEFT | TA_TOP, {100, 213}, {100, 200}},
        PlacementCase{kRight, 180, TA_RIGHT | TA_TOP, {100, 213}, {100, 200}},
        PlacementCase{kBottom, 180, TA_CENTER | TA_BOTTOM, {100, 213}, {100, 200}},
        PlacementCase{kTop, 180, TA_CENTER | TA_TOP, {100, 200}, {100, 187}},
        // Turned down: lines advance to the left.
        PlacementCase{kBottom, 270, TA_LEFT | TA_TOP, {113, 200}, {100, 200}},
        PlacementCase{kTop, 270, TA_RIGHT | TA_TOP, {113, 200}, {100, 200}},
        PlacementCase{kLeft, 270, TA_CENTER | TA_TOP, {100, 200}, {87, 200}},
        PlacementCase{kRight, 270, TA_CENTER | TA_BOTTOM, {113, 200}, {100, 200}},
        // Any other angle: every line at the anchor, left/top.
        PlacementCase{kBottom, 45, TA_LEFT | TA_TOP, {100, 200}, {100, 200}},
        PlacementCase{kLeft, 300, TA_LEFT | TA_TOP, {100, 200}, {100, 200}}));

TEST_F(AxisDrawFixture, EmptyLabelTextDrawsNothingAndATrailingBreakAddsNoLine) {
  chart.Paint();
  chart.ApplyFont(Bottom().LabelsFont());
  Window().ClearOps();
  Bottom().DrawLabel(100, 200, "", 0);
  EXPECT_TRUE(LabelsOf(Window().Ops()).empty());
  Bottom().DrawLabel(100, 200, "one\r", 0);
  EXPECT_EQ(LabelsOf(Window().Ops()), (std::vector<TLabelOp>{{"one", 100, 200, TA_CENTER | TA_TOP, 0}}));
}

TEST_F(AxisDrawFixture, TurnedBottomLabelsTakeTheirWidthOfRoom) {
  DemoExtremes();
  DrawOnly(Bottom());
  const int upright = Bottom().LabelsPosition();
  Bottom().SetLabelsAngle(90);
  const auto labels = LabelsOf(DrawOnly(Bottom()));
  // "1,023" is the widest probe: 40 pixels plus a space of 8 instead of 13.
  EXPECT_EQ(Bottom().LabelsPosition(), upright + 13 - 48);
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels[0].Orientation, 900);
  EXPECT_EQ(labels[0].Y, Bottom().LabelsPosition());
  EXPECT_EQ(labels[0].X, Bottom().TickPositions()[0] - 6 - 13 + 13);
}

TEST_F(AxisDrawFixture, TickRoomSaturatesInsteadOfOverflowing) {
  Bottom().SetTickLength(INT_MAX);
  Bottom().Axis().SetWidth(2);
  EXPECT_EQ(Bottom().TickAreaSize(), INT_MAX);
  Bottom().MinorTicks().SetVisible(true);
  Bottom().Ticks().SetVisible(false);
  Bottom().SetMinorTickLength(INT_MIN);
  EXPECT_EQ(Bottom().TickAreaSize(), 2);
}

}  // namespace
}  // namespace chart

// The axis line, ticks, grid and minor ticks of an axis, and the room and place of its title.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "axisdraw_fixture.h"

namespace chart {
namespace {

using testing::AxisDrawFixture;
using testing::LabelsOf;
using testing::LinesOf;
using testing::TLineOp;

using AxisLines = AxisDrawFixture;

std::vector<std::vector<int>> Coords(const std::vector<TLineOp>& lines, std::size_t from, std::size_t count) {
  std::vector<std::vector<int>> out;
  for (std::size_t i = from; i < from + count && i < lines.size(); ++i)
    out.push_back({lines[i].X0, lines[i].Y0, lines[i].X1, lines[i].Y1});
  return out;
}

TEST_F(AxisLines, DemoLeftAxisDrawsLineTicksGridInnerAndMinorTicksInThatOrder) {
  DemoExtremes();
  const auto lines = LinesOf(DrawOnly(Left()));
  ASSERT_EQ(lines.size(), 1u + 2 + 2 + 2 + 6);
  // Axis line: black, two pixels, along the rectangle's left side.
  EXPECT_EQ(Coords(lines, 0, 1), (std::vector<std::vector<int>>{{49, 39, 49, 485}}));
  EXPECT_EQ(lines[0].Pen.Color(), clBlack);
  EXPECT_EQ(lines[0].Pen.Width(), 2);
  // Ticks: grey, one pixel off the line, four long, pointing left.
  EXPECT_EQ(Coords(lines, 1, 2), (std::vector<std::vector<int>>{{48, 44, 44, 44}, {48, 265, 44, 265}}));
  EXPECT_EQ(lines[1].Pen.Color(), clGray);
  EXPECT_EQ(lines[1].Pen.Style(), psSolid);
  // Grid: grey dots across the chart rectangle, on a transparent background.
  EXPECT_EQ(Coords(lines, 3, 2), (std::vector<std::vector<int>>{{49, 44, 878, 44}, {49, 265, 878, 265}}));
  EXPECT_EQ(lines[3].Pen.Style(), psDot);
  EXPECT_EQ(lines[3].Pen.Color(), clGray);
  EXPECT_EQ(lines[3].TextBackMode, TRANSPARENT);
  // Inner ticks of length 0.
  EXPECT_EQ(Coords(lines, 5, 2), (std::vector<std::vector<int>>{{50, 44, 50, 44}, {50, 265, 50, 265}}));
  // Minor ticks: beyond the last tick (the first above it lies outside the span), then
  // between the two, at Round(j * 55.25) from the lower one.
  EXPECT_EQ(Coords(lines, 7, 6), (std::vector<std::vector<int>>{{48, 320, 46, 320},
                                                                {48, 375, 46, 375},
                                                                {48, 431, 46, 431},
                                                                {48, 210, 46, 210},
                                                                {48, 155, 46, 155},
                                                                {48, 99, 46, 99}}));
}

TEST_F(AxisLines, BottomTicksPointDownFromTheAxisLine) {
  DemoExtremes();
  const auto lines = LinesOf(DrawOnly(Bottom()));
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(Coords(lines, 0, 2), (std::vector<std::vector<int>>{{49, 485, 878, 485}, {859, 486, 859, 490}}));
}

TEST_F(AxisLines, DefaultColouredGridIsGreyAndHiddenPensDrawNothing) {
  DemoExtremes();
  Left().Grid().SetColor(clDefault);
  Left().Ticks().SetVisible(false);
  Left().TicksInner().SetVisible(false);
  Left().MinorTicks().SetVisible(false);
  Left().Axis().SetVisible(false);
  const auto lines = LinesOf(DrawOnly(Left()));
  ASSERT_EQ(lines.size(), 2u) << "only the grid";
  EXPECT_EQ(lines[0].Pen.Color(), clGray);
}

TEST_F(AxisLines, CentredGridRunsMidwayBetweenLabels) {
  DemoExtremes();
  Bottom().SetRange(0, 1000);
  Bottom().SetIncrement(200);
  Bottom().SetLabelsSeparation(0);
  Bottom().SetGridCentered(true);
  Bottom().Ticks().SetVisible(false);
  Bottom().TicksInner().SetVisible(false);
  Bottom().MinorTicks().SetVisible(false);
  Bottom().Axis().SetVisible(false);
  const auto lines = LinesOf(DrawOnly(Bottom()));
  const std::vector<int>& t = Bottom().TickPositions();
  ASSERT_EQ(t.size(), 6u);
  ASSERT_EQ(lines.size(), 5u);
  for (std::size_t i = 1; i < t.size(); ++i) EXPECT_EQ(lines[i - 1].X0, RoundInt((t[i] + t[i - 1]) * 0.5));
}

TEST_F(AxisLines, MinorGridFollowsTheMinorTicksWhenShown) {
  DemoExtremes();
  Left().MinorGrid().SetVisible(true);
  const auto lines = LinesOf(DrawOnly(Left()));
  ASSERT_EQ(lines.size(), 13u + 6);
  EXPECT_EQ(Coords(lines, 13, 1), (std::vector<std::vector<int>>{{49, 320, 878, 320}}));
}

// However many minor ticks are asked for, the drawing is bounded by the pixels.
struct MinorCase {
  int count;
  bool logarithmic;
};

void PrintTo(const MinorCase& c, std::ostream* os) { *os << c.count << (c.logarithmic ? " logarithmic" : ""); }

class MinorTickCount : public AxisDrawFixture, public ::testing::WithParamInterface<MinorCase> {};

TEST_P(MinorTickCount, IsBoundedByThePixels) {
  series.AddPoint(0, 1);
  series.AddPoint(1023, 1000);
  Left().SetLogarithmic(GetParam().logarithmic);
  Left().SetMinorTickCount(GetParam().count);
  std::vector<int> minor;  // two pixels long: neither ticks, inner ticks nor grid lines
  for (const TLineOp& l : LinesOf(DrawOnly(Left())))
    if (l.Y0 == l.Y1 && l.X0 - l.X1 == 2) minor.push_back(l.Y0);
  ASSERT_FALSE(minor.empty());
  // Between two ticks each pixel once; a tick's own pixel may end one run and start the next.
  EXPECT_LE(minor.size(), Left().PixelSize() + 2 * Left().TickPositions().size());
  EXPECT_GT(*std::min_element(minor.begin(), minor.end()), Left().PixelStart());
  EXPECT_LT(*std::max_element(minor.begin(), minor.end()), Left().PixelEnd());
}

INSTANTIATE_TEST_SUITE_P(All, MinorTickCount,
                         ::testing::Values(MinorCase{100000, false}, MinorCase{50000000, false},
                                           MinorCase{std::numeric_limits<int>::max(), false},
                                           MinorCase{50000000, true},
                                           MinorCase{std::numeric_limits<int>::max(), true}));

TEST_F(AxisLines, LeftTitleTakesALineHeightAtTheFarLeftAndStandsUpright) {
  DemoExtremes();
  DrawOnly(Left());
  const TRect without = chart.ChartRect();
  Left().Title().SetCaption("Volts");
  const auto labels = LabelsOf(DrawOnly(Left()));
  EXPECT_EQ(chart.ChartRect().Left, without.Left + 13);
  EXPECT_EQ(Left().TitlePosition(), 27 + 13);
  ASSERT_FALSE(labels.empty());
  // Drawn first, turned by 90 degrees, centred on the span with its bottom on the line.
  EXPECT_EQ(labels[0].Text, "Volts");
  EXPECT_EQ(labels[0].X, 40);
  EXPECT_EQ(labels[0].Y, Left().PixelCenter());
  EXPECT_EQ(labels[0].Align, TA_CENTER | TA_BOTTOM);
  EXPECT_EQ(labels[0].Orientation, 900);
}

TEST_F(AxisLines, AnEmptyTitleReservesNothing) {
  DemoExtremes();
  chart.Paint();
  chart.InvalidateChart();
  chart.Paint();
  EXPECT_EQ(chart.ChartRect().Left, 49);
  EXPECT_TRUE(Left().Title().Caption().empty());
}

TEST_F(AxisLines, HitTestSpansFromTheLabelsToJustPastTheLine) {
  DemoExtremes();
  DrawOnly(Bottom());
  DrawOnly(Left());
  // Bottom: x 49 .. 877, y from the line less 3 (482) to the labels line (491) exclusive.
  EXPECT_TRUE(Bottom().Clicked(100, 482));
  EXPECT_TRUE(Bottom().Clicked(877, 490));
  EXPECT_FALSE(Bottom().Clicked(100, 481));
  EXPECT_FALSE(Bottom().Clicked(100, 491));
  EXPECT_FALSE(Bottom().Clicked(878, 485));
  // Left: x from the labels line (43) to the line plus 3 (52) exclusive.
  EXPECT_TRUE(Left().Clicked(43, 100));
  EXPECT_TRUE(Left().Clicked(51, 484));
  EXPECT_FALSE(Left().Clicked(52, 100));
  EXPECT_FALSE(Left().Clicked(45, 485));
  EXPECT_FALSE(chart.TopAxis()->Clicked(100, 30)) << "a hidden axis takes no clicks";
}

}  // namespace
}  // namespace chart

// What a line series draws: segments between visible points in their colours, the entry
// from the chart rectangle's edge, breaks at null points, markers, and the draw order.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/core/Exceptions.h"
#include "lineseries_fixture.h"

namespace chart {
namespace {

using testing::LineSeriesFixture;
using testing::TRecordedOp;
using testing::TSegment;
using SegmentList = std::vector<TSegment>;

struct LineDraw : LineSeriesFixture {
  TLineSeries line;
  LineDraw() {
    line.SetSeriesColor(clRed);
    line.SetParentChart(&chart);
  }
  TCustomChartAxis& Bottom() { return *chart.BottomAxis(); }
  TCustomChartAxis& Left() { return *chart.LeftAxis(); }
  TSegment Seg(int a, int b, TColor c = clRed) {
    return {line.XPixel(a), line.YPixel(a), line.XPixel(b), line.YPixel(b), c};
  }
  void Squares(int n) {
    for (int i = 0; i < n; ++i) line.AddPoint(i, double(i) * i);
  }
};

TEST_F(LineDraw, JoinsEveryPointToTheNextInTheSeriesColour) {
  Squares(5);
  const SegmentList s = PaintSegments();
  EXPECT_EQ(s, (SegmentList{Seg(0, 1), Seg(1, 2), Seg(2, 3), Seg(3, 4)}));
  const auto ops = ClippedGroups().back();
  EXPECT_EQ(ops.front().Pen.Width(), 1);
  EXPECT_EQ(ops.front().Pen.Style(), psSolid);
  EXPECT_EQ(ops.front().Brush.Style(), bsClear);
  const TRect r = chart.ChartRect();
  EXPECT_EQ(ops.front().Clip, (TRect{r.Left + 1, r.Top + 1, r.Right, r.Bottom - 1}));
}

TEST_F(LineDraw, ASegmentTakesTheColourOfThePointItEndsAt) {
  Squares(4);
  line.SetValueColor(2, clBlue);
  const SegmentList s = PaintSegments();
  EXPECT_EQ(s, (SegmentList{Seg(0, 1), Seg(1, 2, clBlue), Seg(2, 3)}));
}

TEST_F(LineDraw, ZoomedBetweenPointsTheLineEntersAtTheEdgeOnTheInterpolatedHeight) {
  Squares(31);
  Bottom().SetRange(9.5, 20.3);
  const SegmentList s = PaintSegments();
  ASSERT_EQ(line.FirstValueIndex(), 10);
  ASSERT_EQ(line.LastValueIndex(), 21) << "the first point at or beyond the right edge";
  const int left = chart.ChartRect().Left;
  const double v = Bottom().PixelToValue(left);
  const int edgeY = Left().ValueToYPixel(81 + (100 - 81) * (v - 9));
  ASSERT_EQ(s.size(), 12u);
  EXPECT_EQ(s.front(), (TSegment{left, edgeY, line.XPixel(10), line.YPixel(10), clRed}));
  EXPECT_EQ(s[1], Seg(10, 11));
  EXPECT_EQ(s.back(), Seg(20, 21));
}

TEST_F(LineDraw, StairsEnterFromTheLeftAtThePreviousPointsHeight) {
  Squares(31);
  line.SetStairs(true);
  Bottom().SetRange(9.5, 20.3);
  const SegmentList s = PaintSegments();
  const int left = chart.ChartRect().Left;
  // Each step: horizontal leg at the old height, then the vertical leg.
  ASSERT_GE(s.size(), 4u);
  EXPECT_EQ(s[0], (TSegment{left, line.YPixel(9), line.XPixel(10), line.YPixel(9), clRed}));
  EXPECT_EQ(s[1], (TSegment{line.XPixel(10), line.YPixel(9), line.XPixel(10), line.YPixel(10), clRed}));
  line.SetInvertedStairs(true);
  const SegmentList inverted = PaintSegments();
  EXPECT_EQ(inverted[2], (TSegment{line.XPixel(10), line.YPixel(10), line.XPixel(10), line.YPixel(11), clRed}))
      << "vertical leg first";
  EXPECT_EQ(inverted[3], (TSegment{line.XPixel(10), line.YPixel(11), line.XPixel(11), line.YPixel(11), clRed}));
}

TEST_F(LineDraw, AnInvertedAxisEntersFromTheRight) {
  Squares(31);
  Bottom().SetRange(9.5, 20.3);
  Bottom().SetInverted(true);
  const SegmentList s = PaintSegments();
  ASSERT_FALSE(s.empty());
  EXPECT_EQ(s.front().X0, chart.ChartRect().Right);
  EXPECT_EQ(s.front().X1, line.XPixel(10));
}

TEST_F(LineDraw, NullPointsBreakTheLineButKeepTheNeighboursMarkers) {
  line.AddPoint(0, 1);
  line.AddPoint(1, 3);
  line.AddNullPoint(2, 2);
  line.AddPoint(3, 4);
  line.AddPoint(4, 0);
  const SegmentList s = PaintSegments();
  EXPECT_EQ(s, (SegmentList{Seg(0, 1), Seg(3, 4)}));
  line.Pointer().SetVisible(true);
  std::vector<std::vector<int>> boxes;
  for (const TRecordedOp& op : PaintSeriesOps())
    if (op.Op == testing::TOp::Rectangle) boxes.push_back(op.Args);
  std::vector<std::vector<int>> expected;
  for (int i : {0, 1, 3, 4}) {
    const int x = line.XPixel(i), y = line.YPixel(i);
    expected.push_back({x - 4, y - 4, x + 5, y + 5});
  }
  EXPECT_EQ(boxes, expected) << "9 x 9 markers, none at the null point";
}

TEST_F(LineDraw, MarkersFollowTheSegmentsThatLeaveThem) {
  Squares(3);
  line.Pointer().SetVisible(true);
  line.Pointer().Brush().SetColor(clYellow);
  const auto ops = PaintSeriesOps();
  std::vector<testing::TOp> kinds;
  for (const TRecordedOp& op : ops) kinds.push_back(op.Op);
  using testing::TOp;
  EXPECT_EQ(kinds, (std::vector<TOp>{TOp::LineTo, TOp::Rectangle, TOp::LineTo, TOp::Rectangle, TOp::Rectangle}));
  EXPECT_EQ(ops[1].Brush.Color(), clYellow);
  EXPECT_EQ(ops[1].Pen.Color(), clBlack);
}

TEST_F(LineDraw, PointsOnTheSamePixelDrawNoSegment) {
  line.AddPoint(0, 0);
  line.AddPoint(1000, 10);
  line.AddPoint(1000, 10);
  line.AddPoint(2000, 0);
  const SegmentList s = PaintSegments();
  EXPECT_EQ(s, (SegmentList{Seg(0, 1), Seg(2, 3)}));
}

TEST_F(LineDraw, PointsTooFarOffAreSkippedAndTheLineGoesOnFromTheLastDrawn) {
  // 1000 lies some 220,000 pixels off: beyond what a device takes, within the int range.
  for (int i = 0; i < 5; ++i) line.AddPoint(i, i == 2 ? 1000 : 1);
  Left().SetRange(0, 2);
  const SegmentList s = PaintSegments();
  EXPECT_LT(line.YPixel(2), -32766);
  EXPECT_EQ(s, (SegmentList{Seg(0, 1), Seg(1, 3), Seg(3, 4)}));
}

TEST_F(LineDraw, AFirstPointTooFarOffStartsNoSegmentFromAnEarlierPaint) {
  for (int i = 0; i < 4; ++i) line.AddPoint(i, i == 0 ? 1000 : 1);
  Left().SetRange(0, 2);
  PaintSegments();  // leaves a previous point behind
  const SegmentList s = PaintSegments();
  EXPECT_EQ(s, (SegmentList{Seg(1, 2), Seg(2, 3)}));
}

TEST_F(LineDraw, OnePointShowsOnlyItsMarker) {
  line.AddPoint(5, 5);
  EXPECT_TRUE(PaintSeriesOps().empty());
  line.Pointer().SetVisible(true);
  const auto ops = PaintSeriesOps();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].Op, testing::TOp::Rectangle);
}

TEST_F(LineDraw, NothingVisibleMeansNoDrawingAndNoEvents) {
  int events = 0;
  line.BeforeDrawValues = [&](TChartSeries*) { ++events; };
  line.AfterDrawValues = [&](TChartSeries*) { ++events; };
  EXPECT_TRUE(PaintSegments().empty()) << "empty series";
  EXPECT_EQ(events, 0);
  line.AddPoint(0, 1);
  line.AddPoint(1, 2);
  Bottom().SetRange(5, 10);
  EXPECT_TRUE(PaintSegments().empty()) << "all left of the range";
  EXPECT_EQ(line.FirstValueIndex(), -1);
  EXPECT_EQ(events, 0);
  Bottom().SetRange(-10, -5);
  EXPECT_TRUE(PaintSegments().empty()) << "all right of the range";
  EXPECT_EQ(line.FirstValueIndex(), 0);
  EXPECT_EQ(line.LastValueIndex(), 0);
  EXPECT_EQ(events, 2);
}

TEST_F(LineDraw, LaterSeriesDrawOverEarlierOnes) {
  TLineSeries second, third;
  second.SetSeriesColor(clGreen);
  third.SetSeriesColor(clNavy);
  second.SetParentChart(&chart);
  third.SetParentChart(&chart);
  for (int i = 0; i < 3; ++i) {
    line.AddPoint(i, i);
    second.AddPoint(i, 2 - i);
    third.AddPoint(i, 1);
  }
  chart.Paint();
  const auto groups = ClippedGroups();
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(Segments(groups[0]).front().Color, clRed);
  EXPECT_EQ(Segments(groups[1]).front().Color, clGreen);
  EXPECT_EQ(Segments(groups[2]).front().Color, clNavy);
}

TEST_F(LineDraw, MarginsComeFromVisibleMarkersAndStairs) {
  int l, r, t, b;
  line.CalcHorizMargins(l, r);
  line.CalcVerticalMargins(t, b);
  EXPECT_EQ((std::vector<int>{l, r, t, b}), (std::vector<int>{0, 0, 0, 0})) << "hidden markers";
  line.Pointer().SetVisible(true);
  line.CalcHorizMargins(l, r);
  line.CalcVerticalMargins(t, b);
  EXPECT_EQ((std::vector<int>{l, r, t, b}), (std::vector<int>{5, 5, 5, 5}));
  line.Pointer().SetVisible(false);
  line.SetStairs(true);
  line.LinePen().SetWidth(3);
  line.CalcHorizMargins(l, r);
  line.CalcVerticalMargins(t, b);
  EXPECT_EQ((std::vector<int>{l, r, t, b}), (std::vector<int>{3, 3, 3, 4}));
  line.SetLineHeight(9);
  line.CalcVerticalMargins(t, b);
  EXPECT_EQ(b, 9);
}

TEST_F(LineDraw, PointerSizeMustBePositive) {
  TSeriesPointer& p = line.Pointer();
  try {
    p.SetHorizSize(0);
    FAIL() << "no exception";
  } catch (const ChartException& e) {
    EXPECT_STREQ(e.what(), "Pointer size must be greater than zero");
  }
  EXPECT_THROW(p.SetVertSize(-3), ChartException);
  EXPECT_EQ(p.HorizSize(), 4);
  EXPECT_EQ(p.VertSize(), 4);
  const int before = host.Invalidations;
  p.SetVertSize(6);
  EXPECT_EQ(p.VertSize(), 6);
  EXPECT_GT(host.Invalidations + int(chart.InvalidateCount()), before) << "a change repaints";
}

TEST_F(LineDraw, TakingAnotherSeriesSettingsKeepsItALine) {
  TCustomSeries area;
  area.SetDrawArea(true);
  area.SetStairs(true);
  area.LinePen().SetWidth(3);
  area.Pointer().SetHorizSize(7);
  area.SetAreaColor(clRed);
  area.SetAreaBrush(bsCross);
  area.AreaLinesPen().SetColor(clTeal);
  area.SetTitle("source");
  area.SetSeriesColor(clOlive);
  area.SetShowInLegend(false);
  area.SetVertAxis(aRightAxis);
  area.YValues().SetMultiplier(2);
  area.AddPoint(1, 1);
  const int points = line.Count();
  line.Assign(area);
  EXPECT_TRUE(line.DrawLine());
  EXPECT_FALSE(line.DrawArea());
  EXPECT_TRUE(line.Stairs());
  EXPECT_EQ(line.LinePen().Width(), 3);
  EXPECT_EQ(line.Pointer().HorizSize(), 7);
  EXPECT_EQ(line.AreaColor(), clRed);
  EXPECT_EQ(line.AreaBrush(), bsCross);
  EXPECT_EQ(line.AreaLinesPen().Color(), clTeal);
  EXPECT_EQ(line.Title(), "source");
  EXPECT_EQ(line.SeriesColor(), clOlive);
  EXPECT_FALSE(line.ShowInLegend());
  EXPECT_EQ(line.GetVertAxis(), chart.RightAxis()) << "the binding follows on the line's own chart";
  EXPECT_EQ(line.YValues().Multiplier(), 2);
  EXPECT_EQ(line.Count(), points) << "settings only, not points";
  EXPECT_FALSE(line.Pointer().Visible()) << "markers of a series that is no line stay hidden";
  TLineSeries marked;
  marked.Pointer().SetVisible(true);
  line.Assign(marked);
  EXPECT_TRUE(line.Pointer().Visible());
}

TEST_F(LineDraw, DefaultsOfTheLineSeries) {
  EXPECT_TRUE(line.DrawLine());
  EXPECT_FALSE(line.Pointer().Visible());
  EXPECT_EQ(line.Pointer().Style(), psRectangle);
  EXPECT_TRUE(line.Pointer().InflateMargins());
  EXPECT_TRUE(line.DrawBetweenPoints());
  EXPECT_TRUE(line.ClickableLine());
  EXPECT_FALSE(line.Stairs());
  EXPECT_EQ(line.LinePen().Width(), 1);
  EXPECT_EQ(line.AreaColor(), clDefault);
  TCustomSeries plain;
  EXPECT_FALSE(plain.DrawLine());
  EXPECT_TRUE(plain.Pointer().Visible());
}

}  // namespace
}  // namespace chart

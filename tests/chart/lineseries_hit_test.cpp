// Clicks on a line series (points, segments, stair legs, markers) and its legend symbol.
#include <gtest/gtest.h>

#include "lineseries_fixture.h"

namespace chart {
namespace {

using testing::LineSeriesFixture;
using testing::TOp;
using testing::TRecordedOp;

struct LineHit : LineSeriesFixture {
  TLineSeries line;
  LineHit() {
    line.SetParentChart(&chart);
    line.AddPoint(0, 0);
    line.AddPoint(10, 10);
    line.AddPoint(20, 0);
    PaintSeriesOps();
  }
  TPoint At(int i) { return {line.XPixel(i), line.YPixel(i)}; }
};

TEST_F(LineHit, PointsSegmentsAndMisses) {
  EXPECT_EQ(line.Clicked(At(1).X, At(1).Y), 1);
  // Midway along the first segment (the pixels are exact: both ends share a slope).
  const TPoint a = At(0), b = At(1);
  EXPECT_EQ(line.Clicked(a.X, a.Y), 0);
  const int dx = b.X - a.X, dy = b.Y - a.Y;
  ASSERT_EQ(dx % 2, 0);
  ASSERT_EQ(dy % 2, 0);
  EXPECT_EQ(line.Clicked(a.X + dx / 2, a.Y + dy / 2), 0);
  EXPECT_EQ(line.Clicked(a.X + dx / 2, a.Y + dy / 2 + 5), -1);
  line.SetClickableLine(false);
  EXPECT_EQ(line.Clicked(a.X + dx / 2, a.Y + dy / 2), -1);
}

TEST_F(LineHit, MarkersTakeClicksAroundThePointAndFireTheirEvent) {
  line.Pointer().SetVisible(true);
  PaintSeriesOps();
  int fired = -1;
  line.OnClickPointer = [&](TCustomSeries* s, int index, int, int) {
    EXPECT_EQ(s, &line);
    fired = index;
  };
  // Only the marker can take these clicks: the line is not clickable and no probe is the
  // point's own pixel.
  line.SetClickableLine(false);
  const TPoint p = At(2);
  // The half size (4) is exclusive: 3 pixels off on either side hits, 4 misses.
  const struct {
    int dx, dy;
    int expected;
  } probes[] = {{3, 3, 2},  {-3, -3, 2}, {3, -3, 2}, {-3, 3, 2},
                {4, 0, -1}, {-4, 0, -1}, {0, 4, -1}, {0, -4, -1}, {4, 3, -1}, {-3, -4, -1}};
  for (const auto& probe : probes) {
    fired = -1;
    EXPECT_EQ(line.Clicked(p.X + probe.dx, p.Y + probe.dy), probe.expected) << probe.dx << "," << probe.dy;
    EXPECT_EQ(fired, probe.expected) << probe.dx << "," << probe.dy;
  }
}

TEST_F(LineHit, StairLegsAreClickable) {
  line.SetStairs(true);
  PaintSeriesOps();
  const TPoint a = At(0), b = At(1);
  EXPECT_EQ(line.Clicked((a.X + b.X) / 2, a.Y), 0) << "horizontal leg at the old height";
  EXPECT_EQ(line.Clicked(b.X, (a.Y + b.Y) / 2), 0) << "vertical leg";
  line.SetInvertedStairs(true);
  EXPECT_EQ(line.Clicked(a.X, (a.Y + b.Y) / 2), 0);
}

TEST_F(LineHit, NothingPaintedNothingHit) {
  TLineSeries other;
  EXPECT_EQ(other.Clicked(10, 10), -1);
}

TEST_F(LineHit, LegendSymbolIsALineThroughTheMiddleAndAMarkerWhenShown) {
  TZelCanvas3D& c = chart.Canvas();
  Window().ClearOps();
  line.DrawLegendSymbol(c, {100, 50, 120, 60}, clTeal);
  auto ops = Window().Ops();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].Op, TOp::LineTo);
  EXPECT_EQ(ops[0].Args, (std::vector<int>{100, 55, 120, 55}));
  EXPECT_EQ(ops[0].Pen.Color(), clTeal);
  line.Pointer().SetVisible(true);
  Window().ClearOps();
  line.DrawLegendSymbol(c, {100, 50, 130, 62}, clTeal);
  ops = Window().Ops();
  ASSERT_EQ(ops.size(), 2u);
  // Half sizes limited to a third of the box: 30 / 3 = 10 stays 4, 12 / 3 = 4.
  EXPECT_EQ(ops[1].Op, TOp::Rectangle);
  EXPECT_EQ(ops[1].Args, (std::vector<int>{111, 52, 120, 61}));
  EXPECT_EQ(ops[1].Brush.Color(), clTeal);
}

// A series on no chart draws its symbol on the canvas it is given (a legend of its own).
TEST_F(LineHit, LegendSymbolOfASeriesOnNoChartGoesToTheGivenCanvas) {
  TLineSeries loose;
  loose.Pointer().SetVisible(false);
  TZelCanvas3D& c = chart.Canvas();
  Window().ClearOps();
  loose.DrawLegendSymbol(c, {10, 20, 40, 30}, clMaroon);
  const auto ops = Window().Ops();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].Args, (std::vector<int>{10, 25, 40, 25}));
  EXPECT_EQ(ops[0].Pen.Color(), clMaroon);
}

TEST_F(LineHit, OtherMarkerShapesDrawCentredOnThePoint) {
  line.Pointer().SetVisible(true);
  const struct {
    TSeriesPointerStyle style;
    TOp op;
    int count;
  } cases[] = {{psCircle, TOp::Ellipse, 3},     {psTriangle, TOp::Polygon, 3}, {psDownTriangle, TOp::Polygon, 3},
               {psDiamond, TOp::Polygon, 3},    {psCross, TOp::LineTo, 6},     {psDiagCross, TOp::LineTo, 6},
               {psStar, TOp::LineTo, 12},       {psSmallDot, TOp::SetPixel, 3}};
  for (const auto& c : cases) {
    line.Pointer().SetStyle(c.style);
    int count = 0;
    for (const TRecordedOp& op : PaintSeriesOps()) count += op.Op == c.op;
    // Segments are lines too: two of them join the three points.
    EXPECT_EQ(count, c.op == TOp::LineTo ? c.count + 2 : c.count) << int(c.style);
  }
  // Markers follow the points in index order, each over 9 x 9 pixels around its point.
  line.Pointer().SetStyle(psCircle);
  std::vector<std::vector<int>> ellipses;
  for (const TRecordedOp& op : PaintSeriesOps())
    if (op.Op == TOp::Ellipse) ellipses.push_back(op.Args);
  ASSERT_EQ(ellipses.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const TPoint q = At(i);
    EXPECT_EQ(ellipses[static_cast<std::size_t>(i)], (std::vector<int>{q.X - 4, q.Y - 4, q.X + 5, q.Y + 5})) << i;
  }
  line.OnGetPointerStyle = [](TCustomSeries*, int index) { return index == 1 ? psDiamond : psRectangle; };
  int polygons = 0;
  for (const TRecordedOp& op : PaintSeriesOps()) polygons += op.Op == TOp::Polygon;
  EXPECT_EQ(polygons, 1);
}

}  // namespace
}  // namespace chart

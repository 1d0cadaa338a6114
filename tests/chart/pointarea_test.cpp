// Point and area series on the recording device: markers without lines, the area under
// each segment and its stacking, stairs, the value range the axes see, and copying.
#include <gtest/gtest.h>

#include <vector>

#include "chart/seriestypes/AreaSeries.h"
#include "chart/seriestypes/PointSeries.h"
#include "lineseries_fixture.h"

namespace chart {
namespace {

using testing::TOp;
using testing::TRecordedOp;

struct PointArea : testing::LineSeriesFixture {
  PointArea() { Show(500, 300); }
  std::vector<std::vector<TRecordedOp>> PaintGroups() {
    if (chart.Canvas().Buffer()) Buffer().ClearOps();
    chart.InvalidateChart();
    chart.Paint();
    return ClippedGroups();
  }
  static std::vector<TRecordedOp> Only(const std::vector<TRecordedOp>& ops, TOp kind) {
    std::vector<TRecordedOp> out;
    for (const TRecordedOp& op : ops)
      if (op.Op == kind) out.push_back(op);
    return out;
  }
  int Y(double v) { return chart.LeftAxis()->ValueToYPixel(v); }
  int X(double v) { return chart.BottomAxis()->ValueToXPixel(v); }
};

TEST_F(PointArea, APointSeriesDrawsOnlyItsMarkersWithTheMarksOnThePoints) {
  TPointSeries points;
  points.SetParentChart(&chart);
  points.SetSeriesColor(clRed);
  for (int i = 0; i < 5; ++i) points.AddPoint(i, 10 - i);
  points.Marks().SetVisible(true);
  const auto ops = PaintGroups().at(0);
  EXPECT_TRUE(Only(ops, TOp::LineTo).empty());
  const auto markers = Only(ops, TOp::Rectangle);
  ASSERT_EQ(markers.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    const int x = X(i), y = Y(10 - i);
    EXPECT_EQ(markers[i].Args, (std::vector<int>{x - 4, y - 4, x + 5, y + 5})) << i;
    EXPECT_EQ(markers[i].Brush.Color(), clRed);
    const TSeriesMarkPosition& m = *points.Marks().Positions().Position(i);
    EXPECT_EQ(m.ArrowFrom, (TPoint{x, y})) << i;
    EXPECT_EQ(m.ArrowTo, m.ArrowFrom) << "no arrow: the mark sits on its point";
  }
}

TEST_F(PointArea, EachPointerStyleDrawsInBothTypes) {
  TPointSeries points;
  TAreaSeries area;
  area.Pointer().SetVisible(true);
  for (TCustomSeries* s : {static_cast<TCustomSeries*>(&points), static_cast<TCustomSeries*>(&area)}) {
    s->SetParentChart(&chart);
    for (int i = 0; i < 3; ++i) s->AddPoint(i, 1 + i);
  }
  for (int style = psRectangle; style <= psSmallDot; ++style) {
    points.Pointer().SetStyle(static_cast<TSeriesPointerStyle>(style));
    area.Pointer().SetStyle(static_cast<TSeriesPointerStyle>(style));
    const auto groups = PaintGroups();
    ASSERT_EQ(groups.size(), 2u);
    // Everything the point series draws is a marker; the area draws the same markers
    // between its two fills.
    EXPECT_GE(groups[0].size(), 3u) << style;
    EXPECT_EQ(groups[1].size(), groups[0].size() + 2) << style;
  }
}

// Corners of the fill into point i: previous x at its base and top, then x at top and base.
std::vector<TPoint> Quad(int x0, int base0, int y0, int x1, int y1, int base1) {
  return {{x0, base0}, {x0, y0}, {x1, y1}, {x1, base1}};
}

TEST_F(PointArea, AreasFillEachSegmentDownToTheirBaseAndStackOnTheSeriesBefore) {
  struct Case {
    const char* name;
    TMultiArea multi;
    std::vector<double> a, b;
    // What the axis shows at the tops and bases of the second series.
    std::vector<double> bTop, bBase;
  };
  const Case cases[] = {
      {"side by side", maNone, {1, 3}, {2, 5}, {2, 5}, {}},
      {"stacked", maStacked, {2, 1}, {3, 4}, {5, 5}, {2, 1}},
      {"stacked, negative values do not lower the stack", maStacked, {-2, 1}, {3, 4}, {3, 5}, {0, 1}},
      {"stacked to 100 %", maStacked100, {2, 1}, {3, 3}, {100, 100}, {40, 25}},
      {"stacked to 100 % over nothing", maStacked100, {0, 1}, {0, 3}, {0, 100}, {0, 25}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TAreaSeries a, b;
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    b.SetSeriesColor(clBlue);
    for (std::size_t i = 0; i < c.a.size(); ++i) a.AddPoint(double(i), c.a[i]);
    for (std::size_t i = 0; i < c.b.size(); ++i) b.AddPoint(double(i), c.b[i]);
    a.SetMultiArea(c.multi);
    ASSERT_EQ(b.MultiArea(), c.multi) << "shared by every area series";
    const auto fills = Only(PaintGroups().at(1), TOp::Polygon);
    ASSERT_EQ(fills.size(), 1u);
    const int bottom = chart.LeftAxis()->PixelEnd();
    auto base = [&](int i) { return c.bBase.empty() ? bottom : Y(c.bBase[i]); };
    EXPECT_EQ(fills[0].Points, Quad(X(0), base(0), Y(c.bTop[0]), X(1), Y(c.bTop[1]), base(1)));
    EXPECT_EQ(fills[0].Brush.Color(), clBlue);
    EXPECT_EQ(fills[0].Brush.Style(), bsSolid);
    EXPECT_EQ(fills[0].Pen.Color(), clBlack) << "outlined with the area lines pen";
  }
}

TEST_F(PointArea, StairsFillARectanglePerStepOnePixelWider) {
  const struct {
    bool inverted;
    double heightOf[2];  // the value whose height each step takes
  } cases[] = {{false, {1, 3}}, {true, {3, 2}}};
  for (const auto& c : cases) {
    TAreaSeries area;
    area.SetParentChart(&chart);
    area.SetStairs(true);
    area.SetInvertedStairs(c.inverted);
    area.AddPoint(0, 1), area.AddPoint(1, 3), area.AddPoint(2, 2);
    const auto steps = Only(PaintGroups().at(0), TOp::Rectangle);
    ASSERT_EQ(steps.size(), 2u);
    const int base = chart.LeftAxis()->PixelEnd();
    for (int k = 0; k < 2; ++k)
      EXPECT_EQ(steps[k].Args, (std::vector<int>{X(k), base, X(k + 1) + 1, Y(c.heightOf[k])})) << c.inverted << k;
  }
}

TEST_F(PointArea, ADenseAreaDrawsOneFillBetweenColumnsAndOneLineInEach) {
  TAreaSeries area;
  area.SetParentChart(&chart);
  for (int i = 0; i < 10000; ++i) area.AddPoint(i, (i * 7919) % 100);
  for (const bool direct : {true, false}) {
    area.SetDirectDrawing(direct);
    const auto ops = PaintGroups().at(0);
    const int columns = chart.BottomAxis()->PixelSize() + 1;
    const std::size_t fills = Only(ops, TOp::Polygon).size(), lines = Only(ops, TOp::LineTo).size();
    if (direct) {
      EXPECT_LE(fills, std::size_t(columns));
      EXPECT_LE(lines, std::size_t(columns));
    } else {
      EXPECT_GT(fills, 9000u) << "a fill for every step";
      EXPECT_EQ(lines, 0u);
    }
  }
}

TEST_F(PointArea, HatchedAreasShowTheSeriesColourBehindTheHatch) {
  const struct {
    TColor areaColor, seriesColor;
    TBrushStyle style;
    TColor fill;
    int backMode;
  } cases[] = {
      {clDefault, clRed, bsSolid, clRed, TRANSPARENT},
      {clGreen, clRed, bsCross, clGreen, OPAQUE},
      {clDefault, clRed, bsCross, clBlack, OPAQUE},
      {clBlack, clBlack, bsCross, clWhite, OPAQUE},
  };
  for (const auto& c : cases) {
    TAreaSeries area;
    area.SetParentChart(&chart);
    area.SetAreaColor(c.areaColor);
    area.SetSeriesColor(c.seriesColor);
    area.SetAreaBrush(c.style);
    area.AddPoint(0, 1), area.AddPoint(1, 2);
    const auto fills = Only(PaintGroups().at(0), TOp::Polygon);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].Brush.Color(), c.fill) << c.areaColor << " on " << c.seriesColor;
    EXPECT_EQ(fills[0].TextBackMode, c.backMode);
    if (c.backMode == OPAQUE) {
      EXPECT_EQ(fills[0].TextBackColor, c.seriesColor);
    }
  }
}

TEST_F(PointArea, TheAxesSeeTheStacks) {
  const struct {
    TMultiArea multi;
    double min, max;  // of the second series, values {3, -1} over {2, 5}
  } cases[] = {{maNone, -1, 3}, {maStacked, -1, 5}, {maStacked100, 0, 100}};
  TAreaSeries a, b;
  a.SetParentChart(&chart);
  b.SetParentChart(&chart);
  a.Add(2), a.Add(5), b.Add(3), b.Add(-1);
  for (const auto& c : cases) {
    b.SetMultiArea(c.multi);
    EXPECT_EQ(b.MinY(), c.min) << int(c.multi);
    EXPECT_EQ(b.MaxY(), c.max) << int(c.multi);
  }
}

TEST_F(PointArea, TheAreaLegendSymbolIsABoxLikeTheArea) {
  TAreaSeries area;
  area.SetParentChart(&chart);
  area.SetAreaBrush(bsCross);
  const TRect box{10, 20, 40, 30};
  for (const bool marker : {false, true}) {
    area.Pointer().SetVisible(marker);
    Window().ClearOps();
    area.DrawLegendSymbol(chart.Canvas(), box, clTeal);
    const auto ops = Window().Ops();
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops[0].Op, TOp::Rectangle);
    EXPECT_EQ(ops[0].Args, (std::vector<int>{10, 20, 40, 30}));
    EXPECT_EQ(ops[0].Brush.Style(), bsCross);
    EXPECT_EQ(ops[0].Brush.Color(), clTeal);
    EXPECT_EQ(ops[0].Pen.Color(), clBlack);
    EXPECT_EQ(Only(ops, TOp::Rectangle).size(), marker ? 2u : 1u) << "the marker over the box";
  }
}

TEST_F(PointArea, CopiesKeepEachTypeWhatItIs) {
  TLineSeries line;
  line.Pointer().SetVisible(true);
  TAreaSeries area, stacked;
  stacked.SetMultiArea(maStacked);
  stacked.Pointer().SetVisible(true);
  TPointSeries points;
  points.Assign(area);
  EXPECT_TRUE(points.Pointer().Visible());
  EXPECT_FALSE(points.DrawLine() || points.DrawArea() || points.ClickableLine());
  area.Assign(line);
  EXPECT_TRUE(area.DrawArea() && area.DrawLine());
  EXPECT_FALSE(area.Pointer().Visible()) << "markers of another type stay hidden";
  area.Assign(stacked);
  EXPECT_TRUE(area.Pointer().Visible());
  EXPECT_EQ(area.MultiArea(), maStacked);
  points.Pointer().Brush().SetColor(clYellow);
  points.SetColorEachPoint(true);
  EXPECT_EQ(points.Pointer().Brush().Color(), clDefault) << "each marker takes its point's colour";
}

}  // namespace
}  // namespace chart

// The fast line on the recording device: one chain of segments with one pen, entering from
// the point before the visible range, a new point drawn at once without a repaint, the
// colour kept in step with the pen, and clicks on points and segments.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "chart/registry/ChartModules.h"
#include "chart/registry/ClassRegistry.h"
#include "chart/seriestypes/FastLineSeries.h"
#include "lineseries_fixture.h"

namespace chart {
namespace {

using testing::LineSeriesFixture;
using testing::TOp;
using testing::TSegment;
using SegmentList = std::vector<TSegment>;

struct FastLine : LineSeriesFixture {
  TFastLineSeries line;
  FastLine() {
    line.SetSeriesColor(clRed);
    line.SetParentChart(&chart);
  }
  TPoint At(int i) { return chart.Canvas().ProjectToPoint(line.XPixel(i), line.YPixel(i), line.MiddleZ()); }
  TSegment Seg(TPoint a, TPoint b) { return {a.X, a.Y, b.X, b.Y, line.LinePen().Color()}; }
  // What the line must draw: the entry from the point before the range, then a segment
  // between every two consecutive points whose pixels differ.
  SegmentList Expected() {
    SegmentList out;
    const int first = line.FirstValueIndex(), last = line.LastValueIndex();
    if (first > 0) out.push_back(Seg(At(first - 1), At(first)));
    for (int i = first + 1; i <= last; ++i)
      if (At(i - 1) != At(i)) out.push_back(Seg(At(i - 1), At(i)));
    return out;
  }
};

TEST_F(FastLine, SeriesColourAndLinePenFollowEachOther) {
  TLineSeries navyLine;
  navyLine.SetSeriesColor(clNavy);
  TChartPen bluePen;
  bluePen.SetColor(clBlue);
  const std::pair<std::function<void()>, TColor> cases[] = {
      {[&] { line.SetSeriesColor(clGreen); }, clGreen},
      {[&] { line.SetLinePen(bluePen); }, clBlue},
      {[&] { line.LinePen().SetColor(clFuchsia); }, clFuchsia},
      {[&] { line.Assign(navyLine); }, clNavy},
  };
  for (const auto& [change, colour] : cases) {
    change();
    EXPECT_EQ(line.SeriesColor(), colour);
    EXPECT_EQ(line.LinePen().Color(), colour);
  }
}

TEST_F(FastLine, DrawsEveryPointExactlyAsOneChain) {
  struct Case {
    const char* name;
    std::function<void()> setup;
    int first;  // expected first visible index
  };
  auto wave = [&](int n) {
    for (int i = 0; i < n; ++i) line.AddPoint(i, (i * 37 % 101) * 0.01);
  };
  const Case cases[] = {
      {"a single point at index 0 is a pen move only", [&] { line.AddPoint(0, 5); }, 0},
      {"a null point is joined like any other",
       [&] {
         line.AddPoint(0, 1);
         line.AddNullPoint(1, 3);
         line.AddPoint(2, 2);
       },
       0},
      {"zoomed to start at point 10: the line starts at point 9",
       [&] {
         for (int i = 0; i < 31; ++i) line.AddPoint(i, double(i) * i);
         chart.BottomAxis()->SetRange(9.5, 20.3);
       },
       10},
      {"points on the same pixel draw no step between them",
       [&] {
         line.AddPoint(0, 0);
         line.AddPoint(1, 1);
         line.AddPoint(1 + 1e-9, 1);
         line.AddPoint(2, 0);
       },
       0},
      {"dense data over several blocks, entering mid-way", [&] {
         wave(2000);
         chart.BottomAxis()->SetRange(300.5, 1500);
       },
       301},
      {"a 3D view draws the projected chain", [&] {
         chart.SetView3D(true);
         chart.View3DOptions().SetZoom(60);
         wave(600);
         chart.BottomAxis()->SetRange(10.5, 500);
       },
       11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    line.Clear();
    chart.SetView3D(false);
    chart.BottomAxis()->SetAutomatic(true);
    c.setup();
    const SegmentList drawn = PaintSegments();
    ASSERT_EQ(line.FirstValueIndex(), c.first);
    EXPECT_EQ(drawn, Expected());
  }
}

TEST_F(FastLine, WithoutAutoRepaintANewPointIsDrawnAtOnce) {
  const struct {
    bool autoRepaint;
    double x;  // of the new point, after 200 points at 0, 0.05 .. 9.95
    bool drawnAtOnce;
  } cases[] = {{true, 10, false}, {false, 10, true}, {false, 5.025, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x);
    line.Clear();
    line.SetAutoRepaint(c.autoRepaint);
    for (int i = 0; i < 200; ++i) line.AddPoint(i * 0.05, i % 2);
    chart.BottomAxis()->SetRange(0, 20);
    chart.InvalidateChart();
    chart.Paint();
    Window().ClearOps();
    const auto requests = chart.InvalidateCount();
    const int shown = host.SurfaceDrawings;

    const int i = line.AddPoint(c.x, 3);
    const auto lines = Window().OpsOf(TOp::LineTo);
    if (!c.drawnAtOnce) {
      // Also a point waiting to be merged into the middle: drawing it would merge it now.
      EXPECT_GT(chart.InvalidateCount(), requests);
      EXPECT_TRUE(lines.empty());
      continue;
    }
    EXPECT_EQ(chart.InvalidateCount(), requests);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Args, (std::vector<int>{line.XPixel(i - 1), line.YPixel(i - 1), line.XPixel(i), line.YPixel(i)}));
    EXPECT_EQ(lines[0].Pen.Color(), clRed);
    const TRect r = chart.ChartRect();
    EXPECT_EQ(lines[0].Clip, (TRect{r.Left + 1, r.Top + 1, r.Right, r.Bottom - 1}));
    EXPECT_EQ(host.SurfaceDrawings, shown + 1);
    // The buffer no longer matches the window: the next paint draws afresh.
    Buffer().ClearOps();
    chart.Paint();
    EXPECT_FALSE(Buffer().OpsOf(TOp::LineTo).empty());
  }
}

TEST_F(FastLine, ClicksHitPointsAndSegments) {
  line.AddPoint(0, 0);
  line.AddPoint(10, 10);
  line.AddPoint(20, 0);
  PaintSegments();
  const TPoint a = At(0), b = At(1);
  ASSERT_TRUE((b.X - a.X) % 2 == 0 && (b.Y - a.Y) % 2 == 0);
  const TPoint middle{(a.X + b.X) / 2, (a.Y + b.Y) / 2};
  const std::pair<TPoint, int> probes[] = {
      {At(1), 1}, {At(2), 2}, {middle, 0}, {{middle.X, middle.Y + 5}, -1}, {{At(2).X + 3, At(2).Y}, -1}};
  for (const auto& [p, expected] : probes) EXPECT_EQ(line.Clicked(p.X, p.Y), expected) << p.X << "," << p.Y;
}

TEST_F(FastLine, MarksSitArrowLengthAboveTheirPoints) {
  for (int i = 0; i < 3; ++i) line.AddPoint(i, i % 2);
  line.Marks().SetVisible(true);
  for (const int length : {8, 0, 25}) {
    line.Marks().SetArrowLength(length);
    PaintSegments();
    for (int i = 0; i < 3; ++i) {
      const TSeriesMarkPosition& p = *line.Marks().Positions().Position(i);
      EXPECT_EQ(p.ArrowFrom, At(i));
      EXPECT_EQ(p.ArrowTo, (TPoint{At(i).X, At(i).Y - length}));
      EXPECT_EQ(p.LeftTop.Y + p.Height - 1, At(i).Y - length) << "the box's lowest row";
    }
  }
}

TEST(FastLineRegistry, IsTheStandardPagesFastLine) {
  ChartModulesInit();
  EXPECT_NE(dynamic_cast<TFastLineSeries*>(CreateSeriesByName("TFastLineSeries").get()), nullptr);
  ChartModulesDone();
}

}  // namespace
}  // namespace chart

// Bar series on the recording device: bar size and margins, bars side by side and stacked,
// the value range the axes see, the rules for flat and null bars, horizontal bars, marks
// placement, the click hit test and the checks of the settings.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "chart/core/Exceptions.h"
#include "chart/seriestypes/BarSeries.h"
#include "chart/seriestypes/HorizBarSeries.h"
#include "lineseries_fixture.h"

namespace chart {
namespace {

using testing::TOp;
using testing::TRecordedOp;

struct BarFixture : testing::LineSeriesFixture {
  // A 500-pixel chart gives the bottom axis 440 pixels.
  BarFixture() { Show(500, 300); }
  std::vector<std::vector<TRecordedOp>> PaintGroups() {
    if (chart.Canvas().Buffer()) Buffer().ClearOps();
    chart.InvalidateChart();
    chart.Paint();
    return ClippedGroups();
  }
  static std::vector<TRect> Rects(const std::vector<TRecordedOp>& ops) {
    std::vector<TRect> out;
    for (const TRecordedOp& op : ops)
      if (op.Op == TOp::Rectangle) out.push_back({op.Args[0], op.Args[1], op.Args[2], op.Args[3]});
    return out;
  }
  int Y(double v) { return chart.LeftAxis()->ValueToYPixel(v); }
  int X(double v) { return chart.BottomAxis()->ValueToXPixel(v); }
  static void Fill(TChartSeries& s, int n, double first = 1) {
    for (int i = 0; i < n; ++i) s.Add(first + i);
  }
};

TEST_F(BarFixture, TenBarsOnA440PixelAxisAre28WideCentredWithTheAxisWidenedBy28) {
  TBarSeries bar;
  bar.SetParentChart(&chart);
  Fill(bar, 10);
  const auto bars = Rects(PaintGroups().at(0));
  ASSERT_EQ(chart.BottomAxis()->PixelSize(), 440);
  EXPECT_EQ(bar.BarSize(), 28);
  int left = 0, right = 0;
  bar.CalcHorizMargins(left, right);
  EXPECT_EQ(left, 28);
  EXPECT_EQ(right, 28);
  EXPECT_EQ(X(0) - chart.BottomAxis()->PixelStart(), 28);
  ASSERT_EQ(bars.size(), 10u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(bars[i], (TRect{X(i) - 14, Y(i + 1), X(i) + 14, Y(0)})) << i;
}

TEST_F(BarFixture, TheBarSizeFollowsTheRoomPerPoint) {
  struct Case {
    bool autoSize, sideMargins;
    int pointsPerPage, custom, size;
  };
  const Case cases[] = {
      {false, false, 0, 0, 32},  // 440 div 10 = 44, Round(30.8) = 31, made even
      {true, false, 0, 0, 28},   // Round(440 / (9 + 2 - 0)) = 40, whatever the side margins
      {false, true, 4, 0, 62},   // four points a page: 440 div 5 = 88, Round(61.6)
      {false, true, 0, 7, 7},    // a fixed size stays odd
  };
  for (const Case& c : cases) {
    TBarSeries bar;
    bar.SetParentChart(&chart);
    Fill(bar, 10);
    bar.SetAutoBarSize(c.autoSize);
    bar.SetSideMargins(c.sideMargins);
    bar.SetCustomBarWidth(c.custom);
    chart.SetMaxPointsPerPage(c.pointsPerPage);
    PaintGroups();
    ASSERT_EQ(chart.BottomAxis()->PixelSize(), 440);
    EXPECT_EQ(bar.BarSize(), c.size) << c.autoSize << c.sideMargins << " " << c.pointsPerPage << " " << c.custom;
  }
}

TEST_F(BarFixture, SideBySideSeriesShareTheRoomInSeriesOrder) {
  // series count, bar size: Round(0.7 * 40) div n, made even.
  const std::pair<int, int> cases[] = {{2, 14}, {3, 10}};
  for (auto [n, size] : cases) {
    std::vector<std::unique_ptr<TBarSeries>> all;
    for (int k = 0; k < n; ++k) {
      all.push_back(std::make_unique<TBarSeries>());
      all.back()->SetParentChart(&chart);
      Fill(*all.back(), 10);
    }
    const auto groups = PaintGroups();
    ASSERT_EQ(groups.size(), static_cast<std::size_t>(n));
    for (int k = 1; k <= n; ++k) {
      EXPECT_EQ(all[k - 1]->BarSize(), size) << n;
      const TRect first = Rects(groups[k - 1]).at(4);
      EXPECT_EQ(first.Left, X(4) + RoundInt((k - n * 0.5 - 1) * size)) << n << " series, #" << k;
      EXPECT_EQ(first.Right - first.Left, size);
    }
    if (n == 2) {
      EXPECT_EQ(Rects(groups[0]).at(4).Right, Rects(groups[1]).at(4).Left) << "they meet at the point";
    }
  }
}

TEST_F(BarFixture, StacksSumOnlyThePositiveValuesOfTheEarlierSeries) {
  struct Case {
    TMultiBar multi;
    double a, b;
    double aFoot, aEnd, bFoot, bEnd;
  };
  const Case cases[] = {
      {mbStacked, 2, 3, 0, 2, 2, 5},
      {mbStacked100, 2, 3, 0, 40, 40, 100},
      {mbStacked, -2, 3, 0, -2, 0, 3},
  };
  for (const Case& c : cases) {
    TBarSeries a, b;
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    a.Add(c.a);
    b.Add(c.b);
    b.SetMultiBar(c.multi);
    ASSERT_EQ(a.MultiBar(), c.multi) << "shared by the class";
    const auto groups = PaintGroups();
    const TRect ra = Rects(groups.at(0)).at(0), rb = Rects(groups.at(1)).at(0);
    EXPECT_EQ(ra.Top, Y(c.aEnd));
    EXPECT_EQ(ra.Bottom, Y(c.aFoot));
    EXPECT_EQ(rb.Top, Y(c.bEnd)) << c.a << " under " << c.b;
    EXPECT_EQ(rb.Bottom, Y(c.bFoot)) << c.a << " under " << c.b;
  }
}

TEST_F(BarFixture, TheAxesSeeTheFeetAndTheStacks) {
  struct Case {
    TMultiBar multi;
    bool useOrigin;
    double origin;
    double min, max;  // of the second series, values {3, 1} over {2, 5}
  };
  const Case cases[] = {
      {mbSide, true, 0, 0, 3}, {mbSide, true, 7, 1, 7},     {mbSide, false, 0, 1, 3},
      {mbStacked, true, 0, 0, 6}, {mbStacked100, true, 0, 0, 100},
  };
  TBarSeries a, b;
  a.SetParentChart(&chart);
  b.SetParentChart(&chart);
  a.Add(2), a.Add(5), b.Add(3), b.Add(1);
  for (const Case& c : cases) {
    b.SetMultiBar(c.multi);
    b.SetUseYOrigin(c.useOrigin);
    b.SetYOrigin(c.origin);
    EXPECT_EQ(b.MinY(), c.min) << int(c.multi) << " origin " << c.origin;
    EXPECT_EQ(b.MaxY(), c.max) << int(c.multi) << " origin " << c.origin;
  }
}

TEST_F(BarFixture, FlatBarsAreLinesInTheirColourAndNullPointsDrawNothing) {
  TBarSeries bar;
  bar.SetParentChart(&chart);
  bar.SetSeriesColor(clRed);
  bar.Add(0);
  bar.AddNullValue();
  bar.Add(3);
  const auto ops = PaintGroups().at(0);
  const auto bars = Rects(ops);
  ASSERT_EQ(bars.size(), 1u) << "the flat bar is its line, the null point nothing";
  const auto lines = Segments(ops);
  ASSERT_EQ(lines.size(), 1u);
  const int half = bar.BarSize() / 2;
  EXPECT_EQ(lines[0], (testing::TSegment{X(0) - half, Y(0), X(0) + half, Y(0), clRed}));
  // A bar narrower than its pen is wide: the outline takes the bar's colour, the fill goes.
  bar.BarPen().SetWidth(200);
  const auto wide = PaintGroups().at(0);
  const TRecordedOp& last = wide.back();
  ASSERT_EQ(last.Op, TOp::Rectangle);
  EXPECT_EQ(last.Pen.Color(), clRed);
  EXPECT_EQ(last.Brush.Style(), bsClear);
}

TEST_F(BarFixture, HorizontalBarsLieOnTheirYPositionsFromTheOrigin) {
  THorizBarSeries first, second;
  first.SetParentChart(&chart);
  Fill(first, 4);
  const auto one = Rects(PaintGroups().at(0));
  const int size = first.BarSize();
  EXPECT_EQ(size % 2, 0);
  EXPECT_GT(size, 0);
  for (int i = 0; i < 4; ++i) {
    const int y = chart.LeftAxis()->ValueToYPixel(i);
    EXPECT_EQ(one.at(i), (TRect{X(0), y - size / 2, X(i + 1), y + size / 2})) << i;
  }
  // Side by side the first series lies below its points, the second above.
  second.SetParentChart(&chart);
  Fill(second, 4);
  const auto groups = PaintGroups();
  const int y = chart.LeftAxis()->ValueToYPixel(2), half = first.BarSize();
  EXPECT_EQ(Rects(groups.at(0)).at(2).Top, y);
  EXPECT_EQ(Rects(groups.at(1)).at(2).Top, y - half);
  EXPECT_EQ(first.MinX(), 0) << "the origin shows";
}

TEST_F(BarFixture, MarksSitOnTheBarsCentreLineBeyondItsEnd) {
  TBarSeries bar;
  bar.SetParentChart(&chart);
  bar.Add(4);
  bar.Add(-3);
  PaintGroups();
  const int arrow = bar.Marks().ArrowLength();
  for (int i = 0; i < 2; ++i) {
    const TSeriesMarkPosition& m = *bar.Marks().Positions().Position(i);
    const TBarPixels p = bar.BarPixelsOf(i);
    EXPECT_EQ(m.LeftTop.X + m.Width / 2, (p.Start + p.End) / 2) << i;
    EXPECT_EQ(m.ArrowFrom, (TPoint{(p.Start + p.End) / 2, p.Value})) << i;
    if (i == 0) EXPECT_EQ(m.LeftTop.Y + m.Height - 1, p.Value - arrow) << "above an upright bar";
    else EXPECT_EQ(m.LeftTop.Y, p.Value + arrow + 1) << "below a hanging bar";
  }
}

TEST_F(BarFixture, AClickHitsTheShapeOfTheBar) {
  TBarSeries bar;
  bar.SetParentChart(&chart);
  Fill(bar, 10);
  PaintGroups();
  const TBarPixels p = bar.BarPixelsOf(3);
  const TPoint middle{(p.Start + p.End) / 2, (p.Value + p.Origin) / 2};
  const TPoint corner{p.Start + 1, p.Value + 1};
  struct Case {
    TBarStyle style;
    TPoint at;
    int hit;
  };
  const Case cases[] = {
      {bsRectangle, middle, 3},   {bsRectangle, corner, 3},           {bsPyramid, corner, -1},
      {bsPyramid, middle, 3},     {bsInvPyramid, {p.Start + 1, p.Origin - 1}, -1}, {bsEllipse, corner, -1},
      {bsEllipse, middle, 3},     {bsRectangle, {p.End + 1, middle.Y}, -1},     {bsRectangle, {middle.X, p.Value - 2}, -1},
  };
  for (const Case& c : cases) {
    bar.SetBarStyle(c.style);
    EXPECT_EQ(bar.Clicked(c.at.X, c.at.Y), c.hit) << int(c.style) << " at " << c.at.X << "," << c.at.Y;
  }
  bar.SetValueColor(3, clNone);
  EXPECT_EQ(bar.Clicked(middle.X, middle.Y), -1) << "a null point is not drawn";
}

TEST_F(BarFixture, ABarWhosePointLiesJustBeyondTheEdgeStillShowsItsPart) {
  TBarSeries bar;
  bar.SetParentChart(&chart);
  Fill(bar, 10);
  chart.BottomAxis()->SetRange(3.05, 6);
  const auto bars = Rects(PaintGroups().at(0));
  ASSERT_LT(X(3), chart.ChartRect().Left);
  ASSERT_GT(X(3) + bar.BarSize() / 2, chart.ChartRect().Left);
  EXPECT_EQ(bar.FirstValueIndex(), 3);
  ASSERT_FALSE(bars.empty());
  EXPECT_EQ(bars.front().Left, X(3) - bar.BarSize() / 2);
}

TEST_F(BarFixture, RejectedSettingsRaiseAndKeepTheOldValue) {
  TBarSeries bar;
  struct Case {
    std::function<void(int)> set;
    std::function<int()> get;
    int value;
    const char* message;
  };
  const char* width = "Bar Width Percent must be between 1 and 100";
  const char* offset = "Bar Offset Percent must be between -100% and 100%";
  const Case cases[] = {
      {[&](int v) { bar.SetBarWidthPercent(v); }, [&] { return bar.BarWidthPercent(); }, 0, width},
      {[&](int v) { bar.SetBarWidthPercent(v); }, [&] { return bar.BarWidthPercent(); }, 101, width},
      {[&](int v) { bar.SetOffsetPercent(v); }, [&] { return bar.OffsetPercent(); }, -101, offset},
      {[&](int v) { bar.SetOffsetPercent(v); }, [&] { return bar.OffsetPercent(); }, 101, offset},
  };
  for (const Case& c : cases) {
    const int before = c.get();
    try {
      c.set(c.value);
      ADD_FAILURE() << c.value << " accepted";
    } catch (const BarException& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_EQ(c.get(), before);
  }
}

TEST_F(BarFixture, SharedSettingsReachOnlyTheSameClassAndCopiesKeepTheListsMeaning) {
  TBarSeries a, b;
  THorizBarSeries h;
  for (TChartSeries* s : {static_cast<TChartSeries*>(&a), static_cast<TChartSeries*>(&b), static_cast<TChartSeries*>(&h)})
    s->SetParentChart(&chart);
  b.SetMultiBar(mbStacked);
  b.SetSideMargins(false);
  EXPECT_EQ(a.MultiBar(), mbStacked);
  EXPECT_FALSE(a.SideMargins());
  EXPECT_EQ(h.MultiBar(), mbSide);
  EXPECT_TRUE(h.SideMargins());
  // A copy across the orientations keeps the bar lengths in the order they come.
  h.Assign(a);
  EXPECT_EQ(h.XValues().Order(), loNone);
  EXPECT_EQ(h.YValues().Order(), loAscending);
}

}  // namespace
}  // namespace chart

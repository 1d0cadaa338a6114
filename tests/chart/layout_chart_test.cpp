#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/axis/ChartAxis.h"
#include "chart_test_fixture.h"

namespace chart {
namespace {

using testing::ChartFixture;
using testing::TJournalSeries;
using testing::TOp;

struct MarginCase {
  int width, height;
  TRect expected;
};

class ChartRectFromMargins : public ::testing::TestWithParam<MarginCase> {};

TEST_P(ChartRectFromMargins, IsMulDivOfTheDrawing) {
  testing::TFakeChartHost host;
  TChart chart;
  const MarginCase& c = GetParam();
  host.Client = {0, 0, c.width, c.height};
  chart.SetHost(&host);
  chart.SetAxisVisible(false);  // no axis takes room: the rectangle stays as the margins leave it
  chart.SetView3D(false);       // nor does the depth of a 3D view
  chart.Paint();
  EXPECT_EQ(chart.ChartRect(), c.expected);
  EXPECT_EQ(chart.ChartWidth(), c.expected.Width());
  EXPECT_EQ(chart.ChartXCenter(), (c.expected.Left + c.expected.Right) / 2);
}

INSTANTIATE_TEST_SUITE_P(All, ChartRectFromMargins,
                         ::testing::Values(MarginCase{905, 525, {27, 21, 878, 504}},
                                           MarginCase{400, 250, {12, 10, 388, 240}},
                                           MarginCase{50, 50, {2, 2, 48, 48}}));  // 1.5 rounds away from zero

TEST_F(ChartFixture, NormalisingKeepsTheRectangleUsable) {
  chart.SetChartRect({50, 40, 30, 20});  // right < left, bottom < top
  chart.NormalizeChartRect();
  EXPECT_EQ(chart.ChartRect(), (TRect{50, 40, 51, 41}));
  chart.SetChartRect({50, 40, 50, 40});  // empty: the control's own size
  chart.NormalizeChartRect();
  EXPECT_EQ(chart.ChartRect(), (TRect{50, 40, 955, 565}));
  chart.SetChartRect({-7, -3, 10, 10});
  chart.NormalizeChartRect();
  EXPECT_EQ(chart.ChartRect().Left, 0);
  EXPECT_EQ(chart.ChartRect().Top, 0);
}

struct DemoLayout : ChartFixture {
  TJournalSeries series{nullptr};
  DemoLayout() {
    DemoLook();
    chart.Title().SetText({"TChart"});
    series.SetParentChart(&chart);
    series.AddPoint(0, -0.9999976);
    series.AddPoint(1023, 1.023);
  }
};

TEST_F(DemoLayout, FullLayoutOfTheDemoChart) {
  chart.Paint();
  // Title: one line of 13 pixels plus the 5-pixel gap moves the top from 21 to 39. The
  // bottom axis takes 13 (labels) + 6 (axis pen 2, ticks 4). On the first paint the left
  // axis measures its labels with no span yet (step 1e-12): "1.023" (40) + " " (8), then 6.
  EXPECT_EQ(chart.ChartRect(), (TRect{81, 39, 878, 485}));
  TCustomChartAxis& bottom = *chart.BottomAxis();
  TCustomChartAxis& left = *chart.LeftAxis();
  EXPECT_EQ(bottom.LabelsPosition(), 491);
  EXPECT_EQ(left.LabelsPosition(), 75);
  EXPECT_EQ(bottom.PixelStart(), 81);
  EXPECT_EQ(bottom.PixelEnd(), 878);
  EXPECT_EQ(bottom.PixelSize(), 797);
  EXPECT_EQ(bottom.PixelCenter(), 479);
  EXPECT_EQ(left.PixelStart(), 39);
  EXPECT_EQ(left.PixelEnd(), 485);
  EXPECT_EQ(left.PixelSize(), 446);
  EXPECT_EQ(left.PixelCenter(), 262);
  EXPECT_EQ(bottom.ScaleMinimum(), 0);
  EXPECT_EQ(bottom.ScaleMaximum(), 1023);
  EXPECT_DOUBLE_EQ(left.ScaleMinimum(), -0.9999976);  // zero margins: unchanged up to rounding
  EXPECT_DOUBLE_EQ(left.ScaleMaximum(), 1.023);
  EXPECT_EQ(bottom.ValueToPixel(1023), 878);
  EXPECT_EQ(left.ValueToPixel(1.023), 39);
  EXPECT_TRUE(chart.IsAxisShown(bottom) && chart.IsAxisShown(left));
  EXPECT_FALSE(chart.IsAxisShown(*chart.TopAxis()) || chart.IsAxisShown(*chart.RightAxis()) ||
               chart.IsAxisShown(*chart.DepthAxis()));

  // Background, bevel, title text, back wall, in that order.
  const auto& ops = Buffer().Ops();
  ASSERT_GE(ops.size(), 5u);
  EXPECT_EQ(ops[0].Op, TOp::FillRect);
  EXPECT_EQ(ops[0].Args, (std::vector<int>{0, 0, 905, 525}));
  EXPECT_EQ(ops[0].Brush.Color(), clBtnFace);
  EXPECT_EQ(ops[1].Op, TOp::Polyline);
  EXPECT_EQ(ops[1].Points, (std::vector<TPoint>{{0, 524}, {0, 0}, {904, 0}}));
  EXPECT_EQ(ops[1].Pen.Color(), clBtnShadow);
  EXPECT_EQ(ops[2].Points, (std::vector<TPoint>{{904, 0}, {904, 524}, {-1, 524}}));
  EXPECT_EQ(ops[2].Pen.Color(), clBtnHighlight);
  EXPECT_EQ(ops[3].Op, TOp::TextOut);
  EXPECT_EQ(ops[3].Text, "TChart");
  EXPECT_EQ(ops[3].Args, (std::vector<int>{428, 21}));  // 452 - 48 / 2
  EXPECT_EQ(ops[3].Font.Color(), clBlue);
  EXPECT_EQ(ops[4].Op, TOp::Rectangle);
  EXPECT_EQ(ops[4].Args, (std::vector<int>{81, 39, 879, 486}));
  EXPECT_EQ(ops[4].Brush.Style(), bsClear);
  EXPECT_EQ(ops[4].Pen.Color(), clBlack);
  EXPECT_EQ(ops[4].Pen.Width(), 1);
}

TEST_F(DemoLayout, SecondPaintMeasuresLabelsWithTheRealStep) {
  chart.Paint();
  chart.SetMarginLeft(3);  // no change: no repaint
  chart.InvalidateChart();
  chart.Paint();
  // Now the span is known: step 1, probe labels "0" and "1", 8 + 8 wide.
  EXPECT_EQ(chart.ChartRect(), (TRect{49, 39, 878, 485}));
  EXPECT_EQ(chart.LeftAxis()->ComputeIncrement(), 1);
}

TEST_F(ChartFixture, AxisVisibilityFollowsTheActiveSeries) {
  auto shown = [&] {
    std::vector<bool> r;
    for (TCustomChartAxis* a : {chart.BottomAxis(), chart.TopAxis(), chart.LeftAxis(), chart.RightAxis()})
      r.push_back(chart.IsAxisShown(*a));
    return r;
  };
  EXPECT_EQ(shown(), (std::vector<bool>{true, true, true, true})) << "no series";
  TJournalSeries a(nullptr), b(nullptr);
  a.SetParentChart(&chart);
  b.SetParentChart(&chart);
  b.SetHorizAxis(aTopAxis);
  b.SetVertAxis(aRightAxis);
  b.SetActive(false);
  EXPECT_EQ(shown(), (std::vector<bool>{true, false, true, false}));
  a.SetActive(false);
  EXPECT_EQ(shown(), (std::vector<bool>{true, true, true, true})) << "all inactive";
  b.SetActive(true);
  EXPECT_EQ(shown(), (std::vector<bool>{false, true, false, true}));
  a.SetHorizAxis(aBothHorizAxis);
  a.SetActive(true);
  EXPECT_EQ(shown()[0], true);
  EXPECT_EQ(shown()[1], true);
  chart.BottomAxis()->SetVisible(false);
  EXPECT_FALSE(chart.IsAxisShown(*chart.BottomAxis()));
  chart.SetAxisVisible(false);
  EXPECT_EQ(shown(), (std::vector<bool>{false, false, false, false}));
  chart.SetAxisVisible(true);
  chart.SetView3D(true);
  chart.DepthAxis()->SetVisible(true);
  EXPECT_TRUE(chart.IsAxisShown(*chart.DepthAxis()));
}

TEST_F(ChartFixture, ExtremesSkipEmptySeriesAndCountInactiveOnesOnlyWhenAlone) {
  TJournalSeries empty(nullptr), active(nullptr), inactive(nullptr);
  for (TJournalSeries* s : {&empty, &active, &inactive}) s->SetParentChart(&chart);
  TCustomChartAxis& bottom = *chart.BottomAxis();
  EXPECT_EQ(chart.ChartMinX(bottom), 0);
  EXPECT_EQ(chart.ChartMaxX(bottom), 0);
  active.AddPoint(10, 5);
  active.AddPoint(20, 7);
  inactive.AddPoint(-100, -50);
  inactive.AddPoint(500, 70);
  inactive.SetActive(false);
  EXPECT_EQ(chart.ChartMinX(bottom), 10);
  EXPECT_EQ(chart.ChartMaxX(bottom), 20);
  EXPECT_EQ(chart.ChartMinY(*chart.LeftAxis()), 5);
  active.SetActive(false);
  empty.SetActive(false);
  EXPECT_EQ(chart.ChartMinX(bottom), -100) << "no active series: inactive ones count";
  EXPECT_EQ(chart.ChartMaxY(*chart.LeftAxis()), 70);
  EXPECT_EQ(chart.FirstSeriesOfAxis(bottom), &empty);
  active.SetActive(true);
  EXPECT_EQ(chart.FirstSeriesOfAxis(bottom), &active);
  EXPECT_EQ(chart.ChartMaxX(*chart.TopAxis()), 0) << "nothing bound to the top axis";
}

TEST_F(ChartFixture, PagingShowsOnePageOfTheFirstSeries) {
  TJournalSeries s(nullptr);
  s.SetParentChart(&chart);
  for (int i = 0; i < 25; ++i) s.Add(i * 2.0);
  int pageChanges = 0;
  chart.OnPageChange = [&](TCustomZelPanel* sender) {
    EXPECT_EQ(sender, &chart);
    ++pageChanges;
  };
  chart.SetMaxPointsPerPage(10);
  EXPECT_EQ(chart.NumPages(), 3);
  TCustomChartAxis& bottom = *chart.BottomAxis();
  EXPECT_EQ(chart.ChartMinX(bottom), 0);
  EXPECT_EQ(chart.ChartMaxX(bottom), 9);
  EXPECT_EQ(chart.ChartMaxY(*chart.LeftAxis()), 48) << "Y is not paged";
  chart.SetPage(2);
  EXPECT_EQ(chart.ChartMinX(bottom), 10);
  EXPECT_EQ(chart.ChartMaxX(bottom), 19);
  chart.SetPage(99);
  EXPECT_EQ(chart.Page(), 3);
  EXPECT_EQ(chart.ChartMinX(bottom), 20);
  EXPECT_EQ(chart.ChartMaxX(bottom), 24);
  chart.SetScaleLastPage(false);
  EXPECT_EQ(chart.ChartMaxX(bottom), 28) << "a short page keeps the scale of a full one";
  EXPECT_EQ(pageChanges, 2);
  chart.SetMaxPointsPerPage(20);
  EXPECT_EQ(chart.Page(), 2) << "beyond the new page count: the last page";
  chart.SetPage(0);
  EXPECT_EQ(chart.Page(), 1);
}

struct PaintSequence : ChartFixture {
  std::vector<std::string> journal;
  TJournalSeries a{&journal, "a"}, empty{&journal, "e"}, off{&journal, "off"};

  struct TJournalChart;
  PaintSequence() {
    DemoLook();
    for (TJournalSeries* s : {&a, &empty, &off}) s->SetParentChart(&chart);
    a.AddPoint(0, 0);
    a.AddPoint(10, 1);
    off.AddPoint(0, 0);
    off.SetActive(false);
    chart.OnBeforeDrawAxes = [this](TCustomZelPanel*) { journal.push_back("axes"); };
    chart.OnBeforeDrawSeries = [this](TCustomZelPanel*) { journal.push_back("series"); };
    chart.OnAfterDraw = [this](TCustomZelPanel*) { journal.push_back("after"); };
    a.BeforeDrawValues = [this](TChartSeries*) { journal.push_back("a:before"); };
    a.AfterDrawValues = [this](TChartSeries*) { journal.push_back("a:after"); };
    empty.BeforeDrawValues = [this](TChartSeries*) { journal.push_back("e:before"); };
  }
};

TEST_F(PaintSequence, StepsRunInOrderAndSeriesDrawClipped) {
  std::optional<TRect> clipWhileDrawing;
  a.OnDrawPoints = [&] { clipWhileDrawing = Buffer().Clip(); };
  a.Marks = true;
  chart.Paint();
  EXPECT_EQ(journal, (std::vector<std::string>{"a:beforechart", "e:beforechart", "axes", "series", "a:before",
                                               "a:points", "a:marks", "a:after", "after"}));
  const TRect r = chart.ChartRect();
  ASSERT_TRUE(clipWhileDrawing.has_value());
  EXPECT_EQ(*clipWhileDrawing, (TRect{r.Left + 1, r.Top + 1, r.Right, r.Bottom - 1}));
  EXPECT_FALSE(Buffer().Clip().has_value()) << "the clip is removed after the series";
  // The drawing state is reset at the end of every paint.
  EXPECT_EQ(Buffer().Brush().Style(), bsSolid);
  EXPECT_EQ(Buffer().Font().Color(), clBlack);
}

TEST_F(PaintSequence, NoClipWhenClipPointsIsOff) {
  std::optional<TRect> clipWhileDrawing{TRect{}};
  a.OnDrawPoints = [&] { clipWhileDrawing = Buffer().Clip(); };
  chart.SetClipPoints(false);
  chart.Paint();
  EXPECT_FALSE(clipWhileDrawing.has_value());
}

TEST_F(PaintSequence, AxesAreDrawnThroughTheSeamOnlyWhenShown) {
  struct AxisJournalChart : TChart {
    std::vector<TCustomChartAxis*> drawn;
    void DrawAxis(TCustomChartAxis& axis) override { drawn.push_back(&axis); }
  } c;
  c.SetHost(&host);
  c.SetView3D(false);
  a.SetParentChart(&c);
  c.Paint();
  EXPECT_EQ(c.drawn, (std::vector<TCustomChartAxis*>{c.BottomAxis(), c.LeftAxis()}));
  c.drawn.clear();
  c.SetAxisVisible(false);
  c.Paint();
  EXPECT_TRUE(c.drawn.empty());
}

TEST_F(ChartFixture, SeriesMarginsWidenOnlyAutomaticEnds) {
  DemoLook();
  TJournalSeries s(nullptr);
  s.SetParentChart(&chart);
  s.AddPoint(0, 0);
  s.AddPoint(100, 100);
  s.HorizMargins[0] = s.HorizMargins[1] = 10;
  s.VertMargins[0] = s.VertMargins[1] = 10;
  chart.LeftAxis()->SetAutomaticMaximum(false);
  chart.LeftAxis()->SetMaximum(100);
  chart.Paint();
  TCustomChartAxis& bottom = *chart.BottomAxis();
  TCustomChartAxis& left = *chart.LeftAxis();
  EXPECT_EQ(bottom.ValueToPixel(0), bottom.PixelStart() + 10);
  EXPECT_EQ(bottom.ValueToPixel(100), bottom.PixelEnd() - 10);
  EXPECT_EQ(left.ValueToPixel(100), left.PixelStart()) << "fixed maximum: no top margin";
  EXPECT_EQ(left.ValueToPixel(0), left.PixelEnd() - 10);
}

class DegenerateCharts : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(DegenerateCharts, PaintWithoutFaults) {
  testing::TFakeChartHost host;
  TChart chart;
  auto [w, h] = GetParam();
  host.Client = {0, 0, w, h};
  chart.SetWidth(w);
  chart.SetHeight(h);
  chart.SetHost(&host);
  chart.Title().SetText({"Title", "two"});
  chart.Foot().SetText({"foot"});
  TJournalSeries s(nullptr);
  s.SetParentChart(&chart);
  const double inf = std::numeric_limits<double>::infinity();
  for (double v : {0.0, std::nan(""), inf, -inf, 1e308, -1e308}) s.Add(v);
  chart.Paint();
  // Never inverted; empty only when the control itself has no size.
  EXPECT_GE(chart.ChartRect().Right, chart.ChartRect().Left + std::min(w, 1));
  EXPECT_GE(chart.ChartRect().Bottom, chart.ChartRect().Top + std::min(h, 1));
  for (TCustomChartAxis* axis : chart.AxisList()) {
    (void)axis->ValueToPixel(std::nan(""));
    EXPECT_GE(axis->ComputeIncrement(), 1e-12);
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, DegenerateCharts,
                         ::testing::Values(std::pair{0, 0}, std::pair{1, 1}, std::pair{905, 525},
                                           std::pair{100000, 60000}, std::pair{2000000000, 3}));

}  // namespace
}  // namespace chart

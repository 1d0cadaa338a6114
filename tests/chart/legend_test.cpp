#include <gtest/gtest.h>

#include <functional>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "chart/core/Exceptions.h"
#include "chart/seriestypes/LineSeries.h"
#include "chart_test_fixture.h"

namespace chart {
namespace {

using testing::ChartFixture;
using testing::TJournalSeries;
using testing::TOp;
using testing::TRecordedOp;

// A 905 x 525 chart without axes, so that only the legend (and a title) move the chart
// rectangle from (27, 21, 878, 504). Texts are 8 pixels per character, lines 13 high.
struct Legend : ChartFixture {
  std::vector<std::unique_ptr<TChartSeries>> series;
  TChartLegend& legend = chart.Legend();

  Legend() {
    DemoLook();
    chart.SetAxisVisible(false);
    legend.SetVisible(true);
  }
  TChartSeries& Add(std::unique_ptr<TChartSeries> s, const std::string& title) {
    s->SetTitle(title);
    s->SetParentChart(&chart);
    series.push_back(std::move(s));
    return *series.back();
  }
  TChartSeries& Named(const std::string& title) { return Add(std::make_unique<TJournalSeries>(nullptr), title); }
  // One series of n points valued 0 .. n-1: lsAuto lists its points, texts "0", "1", ...
  void Points(int n) {
    TChartSeries& s = Named("");
    for (int i = 0; i < n; ++i) s.AddPoint(i, i);
  }
  // 70 entries at the top, at most 2 rows: item width 20, colour box Round(2.4) = 2, so
  // 28 columns fit the width 851.
  void SeventyAtTheTop() {
    Points(70);
    legend.SetAlignment(laTop);
    legend.SetMaxNumRows(2);
  }
  void Repaint() {
    if (chart.Canvas().Buffer()) Buffer().ClearOps();
    chart.InvalidateChart();
    chart.Paint();
  }
  const TRecordedOp* Find(TOp op, const std::vector<int>& args) {
    for (const TRecordedOp& o : Buffer().Ops())
      if (o.Op == op && o.Args == args) return &o;
    return nullptr;
  }
  std::vector<std::string> Texts() {
    std::vector<std::string> t;
    for (const TRecordedOp& o : BufferOps(TOp::TextOut)) t.push_back(o.Text);
    return t;
  }
};

// Right-aligned defaults: top at 10 % of 525 (52.5 rounds to 52), widest text "alpha" 40,
// colour box Round(50 x 12 %) = 6; the box ends 1 (frame) + 1 + 3 (shadow) left of 878.
TEST_F(Legend, RightLegendBoxEntriesShadowAndRoom) {
  auto& line = dynamic_cast<TLineSeries&>(Add(std::make_unique<TLineSeries>(), "alpha"));
  line.SetSeriesColor(clRed);
  Named("be").SetSeriesColor(clGreen);
  chart.Paint();

  EXPECT_EQ(legend.EffectiveLegendStyle(), lsSeries);
  EXPECT_EQ(legend.LegendBounds(), (TRect{817, 52, 873, 80}));
  // Shadow 3 + frame 1 + 0 = 4 past the box, 3 past the box grown by the frame.
  EXPECT_NE(Find(TOp::FillRect, {820, 55, 877, 84}), nullptr);
  const TRecordedOp* box = Find(TOp::Rectangle, {816, 51, 874, 81});
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Brush.Color(), clWhite);
  const auto texts = BufferOps(TOp::TextOut);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Args, (std::vector<int>{831, 53}));
  EXPECT_EQ(texts[1].Args, (std::vector<int>{831, 66}));
  // The line series' symbol: a line across the middle of its colour box in its colour; the
  // other series fills its box.
  const TRecordedOp* symbol = Find(TOp::LineTo, {821, 59, 827, 59});
  ASSERT_NE(symbol, nullptr);
  EXPECT_EQ(symbol->Pen.Color(), clRed);
  const TRecordedOp* filled = Find(TOp::Rectangle, {821, 68, 827, 77});
  ASSERT_NE(filled, nullptr);
  EXPECT_EQ(filled->Brush.Color(), clGreen);
  // The chart rectangle ends at the box, then 3 % of 851 (25.53 -> 26) further in.
  EXPECT_EQ(chart.ChartRect(), (TRect{27, 21, 817 - 26, 504}));
}

// The demo's stored settings with Visible switched on: one entry, text only, one row at
// the bottom, centred.
TEST_F(Legend, DemoSettingsShowOneCentredRowAtTheBottom) {
  chart.Title().SetText({"TChart"});
  legend.SetAlignment(laBottom);
  legend.SetColorWidth(0);
  legend.SetLegendStyle(lsSeries);
  legend.SetShadowSize(0);
  legend.SetTopPos(0);
  Named("").SetName("Series1");
  Named("").SetShowInLegend(false);
  Named("").SetShowInLegend(false);
  chart.Paint();

  // Width 2 x 0 + (0 + 60 + 4) + 8 = 72 around the centre 452; bottom 504 - 1 - 1.
  EXPECT_EQ(legend.LegendBounds(), (TRect{416, 487, 488, 502}));
  EXPECT_EQ(legend.RowCount(), 1);
  EXPECT_EQ(BufferOps(TOp::FillRect).size(), 1u) << "the panel background only: no shadow";
  const auto texts = BufferOps(TOp::TextOut);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1].Text, "Series1");
  EXPECT_EQ(texts[1].Args, (std::vector<int>{416 + 8, 488}));
  // Bottom to the box top, then 4 % of the height 465 (18.6 -> 19).
  EXPECT_EQ(chart.ChartRect(), (TRect{27, 39, 878, 487 - 19}));
}

TEST_F(Legend, HorizontalLegendShowsOnlyWhatTheRowsHold) {
  SeventyAtTheTop();
  chart.Paint();
  EXPECT_EQ(legend.EffectiveLegendStyle(), lsValues);
  EXPECT_EQ(legend.ColumnCount(), 28);
  EXPECT_EQ(legend.RowCount(), 2);
  // Width 6 + 26 x 28 + 8 = 742, shifted right by Round(10 % of (905 - 742)) = 16.
  EXPECT_EQ(legend.LegendBounds(), (TRect{97, 23, 839, 51}));
  const auto texts = BufferOps(TOp::TextOut);
  ASSERT_EQ(texts.size(), 56u);
  EXPECT_EQ(texts.back().Text, "55");
  EXPECT_EQ(texts.back().Args, (std::vector<int>{107 + 27 * 26, 37}));
  EXPECT_EQ(chart.ChartRect().Top, 51 + 3 + 19);
}

TEST_F(Legend, FirstValueAndInvertedChooseAndOrderTheEntries) {
  Points(5);
  struct Case {
    int first;
    bool inverted;
    std::vector<std::string> texts;
  };
  for (const Case& c : {Case{0, false, {"0", "1", "2", "3", "4"}}, Case{2, false, {"2", "3", "4"}},
                        Case{1, true, {"4", "3", "2", "1"}}, Case{5, false, {}}}) {
    legend.SetFirstValue(c.first);
    legend.SetInverted(c.inverted);
    Repaint();
    EXPECT_EQ(Texts(), c.texts) << c.first << (c.inverted ? " inverted" : "");
  }
  EXPECT_EQ(chart.ChartRect(), (TRect{27, 21, 878, 504})) << "nothing shown takes no room";
}

TEST_F(Legend, EntriesThatCannotShowLeaveTheLegendAsItIs) {
  // At the top, two rows of at most (851 - 10) / 12 columns: 5,000 points lay out as 140 do,
  // though "4999" is wider than any entry shown.
  legend.SetAlignment(laTop);
  legend.SetMaxNumRows(2);
  auto layout = [&](int n) {
    series.clear();
    Points(n);
    Repaint();
    return std::tuple{legend.ColumnCount(), legend.RowCount(), legend.LegendBounds(), Texts()};
  };
  EXPECT_EQ(layout(5000), layout(140));
  // At the right of a chart rectangle reaching far below the drawing (a negative margin), the
  // rows stop at the drawing's bottom.
  legend.SetAlignment(laRight);
  chart.SetMarginBottom(-1000);
  layout(5000);
  EXPECT_LE(legend.LegendBounds().Bottom, 525);
  EXPECT_GT(legend.RowCount(), 10);
  EXPECT_EQ(Texts().size(), static_cast<std::size_t>(legend.RowCount()));
}

TEST_F(Legend, RejectedSettersKeepTheirValueWithTheirMessage) {
  const char* top = "Top Legend Position must be between 0 and 100 %";
  const char* width = "Legend Color Width must be between 0 and 100 %";
  TChartLegend* l = &legend;
  const std::function<void(int)> setTop = [l](int v) { l->SetTopPos(v); };
  const std::function<void(int)> setWidth = [l](int v) { l->SetColorWidth(v); };
  const std::function<void(int)> setFirst = [l](int v) { l->SetFirstValue(v); };
  const std::function<int()> getTop = [l] { return l->TopPos(); };
  const std::function<int()> getWidth = [l] { return l->ColorWidth(); };
  const std::function<int()> getFirst = [l] { return l->FirstValue(); };
  struct Case {
    const std::function<void(int)>& set;
    const std::function<int()>& get;
    int bad;
    const char* message;
  };
  const Case cases[] = {{setTop, getTop, 101, top},
                        {setTop, getTop, -1, top},
                        {setWidth, getWidth, 101, width},
                        {setWidth, getWidth, -5, width},
                        {setFirst, getFirst, -1, "First Legend Value must be > 0"}};
  for (const auto& c : cases) {
    c.set(100);
    const auto repaints = chart.InvalidateCount();
    try {
      c.set(c.bad);
      ADD_FAILURE() << "accepted " << c.bad;
    } catch (const LegendException& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_EQ(c.get(), 100) << c.message;
    EXPECT_EQ(chart.InvalidateCount(), repaints) << c.message;
  }
  legend.SetFirstValue(0);
  EXPECT_EQ(legend.FirstValue(), 0) << "0 is accepted";
}

TEST_F(Legend, ClickTestFindsTheRowOrTheColumnAndRow) {
  Named("alpha");
  Named("be");
  chart.Paint();  // box (817, 52, 873, 80), rows 28 div 2 = 14 high from y 53
  struct Case {
    int x, y, slot;
  };
  for (const Case& c : {Case{820, 52, -1}, Case{820, 53, 0}, Case{820, 66, 0}, Case{820, 67, 1}, Case{820, 79, 1},
                        Case{816, 60, -1}, Case{873, 60, -1}})
    EXPECT_EQ(legend.Clicked(c.x, c.y), c.slot) << c.x << "," << c.y;

  int clicks = 0;
  chart.OnClickLegend = [&](TCustomChart*, TMouseButton, TShiftState, int, int) { ++clicks; };
  chart.MouseDown(mbLeft, 0, 840, 70);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(chart.Zoom().Dragging) << "a press on the legend starts no zoom";

  // Horizontal: columns 742 div 28 = 26 wide from x 98, rows FH high from y 24.
  series.clear();
  SeventyAtTheTop();
  Repaint();
  for (const Case& c : {Case{97, 30, -1}, Case{98, 24, 0}, Case{98 + 3 * 26, 40, 31}, Case{123, 36, 0},
                        Case{124, 37, 29}, Case{200, 50, -1}})
    EXPECT_EQ(legend.Clicked(c.x, c.y), c.slot) << c.x << "," << c.y;
}

TEST_F(Legend, EventsReplaceTextPositionAndBox) {
  Named("alpha");
  Named("be");
  chart.OnGetLegendText = [](TCustomChart*, TLegendStyle style, int index, std::string& text) {
    if (style == lsSeries && index == 1) text = "B";
  };
  chart.OnGetLegendPos = [](TCustomChart*, int index, int& x, int& y, int&) {
    if (index == 0) x += 100, y += 1;
  };
  chart.OnGetLegendRect = [](TCustomChart*, TRect& r) { r.Left -= 50; };
  chart.Paint();
  const auto texts = BufferOps(TOp::TextOut);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Args, (std::vector<int>{931, 54}));
  EXPECT_EQ(texts[1].Text, "B");
  EXPECT_NE(Find(TOp::Rectangle, {931 - 4 - 6, 56, 931 - 4, 65}), nullptr) << "the colour box follows the text";
  EXPECT_EQ(legend.LegendBounds().Left, 817 - 50);
  EXPECT_EQ(chart.ChartRect().Right, 767 - 26);
}

}  // namespace
}  // namespace chart

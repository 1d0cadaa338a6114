// The chart and the window it is shown in: every change reaches whichever window paints
// next, the window's platform decides the default font, and the title and foot keep the
// chart rectangle usable.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "chart/axis/ChartAxisTitle.h"
#include "chart/axis/CustomChartAxis.h"
#include "chart/marks/SeriesMarks.h"
#include "chart/series/ChartSeries.h"
#include "chart/seriestypes/LineSeries.h"
#include "chart_test_fixture.h"

namespace chart {
namespace {

using testing::ChartFixture;
using testing::TFakeChartHost;
using testing::TOp;

TEST(PanelHost, EveryChangeReachesTheHostThatPaintsNext) {
  struct Case {
    const char* name;
    std::function<void(TChart&, TChartSeries&, TFakeChartHost& first, TFakeChartHost& last)> steps;
  };
  const Case cases[] = {
      {"change before any host",
       [](TChart& c, TChartSeries& s, TFakeChartHost&, TFakeChartHost& last) {
         s.Add(1);
         c.SetHost(&last);
       }},
      {"host replaced while a request is pending",
       [](TChart& c, TChartSeries& s, TFakeChartHost& first, TFakeChartHost& last) {
         c.SetHost(&first);
         s.Add(1);
         c.SetHost(&last);
       }},
      {"change while repaints are off",
       [](TChart& c, TChartSeries& s, TFakeChartHost&, TFakeChartHost& last) {
         c.SetHost(&last);
         c.Paint();
         last.Invalidations = 0;
         c.SetRepaintEnabled(false);
         s.Add(1);
         c.SetRepaintEnabled(true);
       }},
      {"change made while the chart paints",
       [](TChart& c, TChartSeries& s, TFakeChartHost&, TFakeChartHost& last) {
         c.SetHost(&last);
         c.OnAfterDraw = [&s](TCustomZelPanel*) { s.Add(2); };
         c.Paint();
         c.OnAfterDraw = nullptr;
       }},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TFakeChartHost first, last;
    TChart chart;
    TChartSeries series;
    series.SetParentChart(&chart);
    int drawn = 0;
    chart.OnBeforeDrawSeries = [&drawn](TCustomZelPanel*) { ++drawn; };
    k.steps(chart, series, first, last);
    EXPECT_GT(last.Invalidations, 0) << "the host is asked for a paint";
    const int before = drawn;
    chart.Paint();
    EXPECT_EQ(drawn, before + 1) << "its paint draws the chart anew, not the old buffer";
  }
}

TEST(PanelHost, DefaultFontsFollowAJapaneseHostAndSetFontsStay) {
  TFakeChartHost host;
  host.Language = LANG_JAPANESE;
  host.UiFontName = "Interface Gothic";
  host.UiFontHeight = -16;  // 12 points at 96 pixels per inch
  TChart chart;
  TLineSeries before, after;
  before.SetParentChart(&chart);
  chart.Foot().Font().SetName("Mono");
  chart.LeftAxis()->LabelsFont().SetSize(14);
  chart.SetHost(&host);
  after.SetParentChart(&chart);

  struct Expect {
    const char* what;
    const TFont& font;
    std::string name;
    int size;
  };
  const Expect expects[] = {
      {"title", chart.Title().Font(), "Interface Gothic", 12},
      {"foot (name set)", chart.Foot().Font(), "Mono", 12},
      {"bottom labels", chart.BottomAxis()->LabelsFont(), "Interface Gothic", 12},
      {"left labels (size set)", chart.LeftAxis()->LabelsFont(), "Interface Gothic", 14},
      {"right axis title", chart.RightAxis()->Title().Font(), "Interface Gothic", 12},
      {"marks of a series there before", before.Marks().Font(), "Interface Gothic", 12},
      {"marks of a series added later", after.Marks().Font(), "Interface Gothic", 12},
  };
  for (const Expect& e : expects) {
    SCOPED_TRACE(e.what);
    EXPECT_EQ(e.font.Name(), e.name);
    EXPECT_EQ(e.font.Size(), e.size);
  }
  EXPECT_EQ(chart.Title().Font().Color(), clBlue) << "only name and size follow the platform";
  EXPECT_FALSE(chart.Title().IsFontStored());

  TFont late;
  SetDefaultChartFont(late, nullptr);
  chart.FollowPlatformFont(late);
  EXPECT_EQ(late.Name(), "Interface Gothic");
  TChartAxis& custom = chart.CreateCustomAxis(false, false);
  EXPECT_EQ(custom.LabelsFont().Name(), "Interface Gothic") << "an axis made later follows too";
  EXPECT_EQ(custom.Title().Font().Name(), "Interface Gothic");

  TFakeChartHost english;
  chart.SetHost(&english);
  EXPECT_EQ(chart.Title().Font().Name(), "Arial") << "a new host's platform applies again";
  EXPECT_EQ(chart.Foot().Font().Name(), "Mono");
}

// A chart too small for its title and foot: after each the rectangle is made usable again,
// so the foot stacks up from the bottom the title left behind.
TEST_F(ChartFixture, TitleAndFootLeaveANormalisedChartRectangle) {
  Show(100, 60);
  chart.SetAxisVisible(false);
  chart.Title().SetText({"a", "b", "c", "d", "e"});
  chart.Foot().SetText({"f"});
  chart.Paint();
  // Chart rectangle before the headings: (3, 2, 97, 58). The title moves the top to
  // 2 + 5 * 13 + 5 = 72, below the bottom: the bottom becomes 73.
  const auto texts = BufferOps(TOp::TextOut);
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts.back().Text, "f");
  EXPECT_EQ(texts.back().Args[1], 73 - 13);
  const TRect r = chart.ChartRect();
  EXPECT_EQ(r.Top, 72);
  EXPECT_EQ(r.Bottom, 73);
  EXPECT_GT(r.Right, r.Left);
}

}  // namespace
}  // namespace chart

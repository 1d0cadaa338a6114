// The chart's side of the series: attaching and detaching, the default colour rule, the
// axis binding and the lifetime links in both destruction orders.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "chart/axis/ChartAxis.h"
#include "chart/core/Exceptions.h"
#include "chart/core/Palette.h"
#include "chart/panel/Chart.h"
#include "chart/series/ChartSeries.h"
#include "support/FakeChartHost.h"

namespace chart {
namespace {

TEST(PanelSeries, AttachedSeriesWithoutColourTakeTheFirstFreePaletteColour) {
  TChart chart;
  TChartSeries a, b, c, fixed;
  fixed.SetSeriesColor(clGreen);
  a.SetParentChart(&chart);
  fixed.SetParentChart(&chart);
  b.SetParentChart(&chart);
  c.SetParentChart(&chart);
  EXPECT_EQ(a.SeriesColor(), clRed);
  EXPECT_EQ(fixed.SeriesColor(), clGreen);  // an explicit colour is kept
  EXPECT_EQ(b.SeriesColor(), clYellow);     // green is taken
  EXPECT_EQ(c.SeriesColor(), clBlue);
  EXPECT_EQ(chart.SeriesCount(), 4);
  EXPECT_EQ(chart.Series(0), &a);
  EXPECT_EQ(chart.Series(3), &c);
}

TEST(PanelSeries, TheChartAndBackWallColoursAreAvoided) {
  TChart chart;
  chart.SetColor(clRed);
  chart.SetBackColor(clGreen);
  TChartSeries s;
  chart.AddSeries(s);
  EXPECT_EQ(s.SeriesColor(), clYellow);
  EXPECT_FALSE(chart.IsColorFree(clRed, true));
  EXPECT_TRUE(chart.IsColorFree(clRed, false));
  EXPECT_FALSE(chart.IsColorFree(clYellow, false));
  EXPECT_EQ(chart.FreeSeriesColor(false), clRed);
}

TEST(PanelSeries, WhenAll16ColoursAreUsedTheNextSeriesGetsRed) {
  TChart chart;
  std::vector<std::unique_ptr<TChartSeries>> all;
  for (int i = 0; i < 16; ++i) {
    all.push_back(std::make_unique<TChartSeries>());
    chart.AddSeries(*all.back());
    EXPECT_EQ(all.back()->SeriesColor(), PaletteColor(i));
  }
  TChartSeries extra;
  chart.AddSeries(extra);
  EXPECT_EQ(extra.SeriesColor(), clRed);
}

TEST(PanelSeries, AddingTwiceDoesNothingAndRemovingDetaches) {
  TChart chart;
  TChartSeries s;
  chart.AddSeries(s);
  const auto r = chart.InvalidateCount();
  chart.AddSeries(s);
  EXPECT_EQ(chart.SeriesCount(), 1);
  EXPECT_EQ(chart.InvalidateCount(), r);
  chart.RemoveSeries(s);
  EXPECT_EQ(chart.SeriesCount(), 0);
  EXPECT_EQ(s.ParentChart(), nullptr);
  EXPECT_EQ(chart.InvalidateCount() - r, 1u);
  chart.RemoveSeries(s);  // not in the list: nothing
  EXPECT_EQ(chart.InvalidateCount() - r, 1u);
  EXPECT_THROW(chart.Series(0), EListError);
}

TEST(PanelSeries, ASeriesMovesBetweenCharts) {
  TChart one, two;
  TChartSeries s;
  s.SetParentChart(&one);
  s.SetParentChart(&two);
  EXPECT_EQ(one.SeriesCount(), 0);
  EXPECT_EQ(two.SeriesCount(), 1);
  two.RemoveSeries(s);
  one.AddSeries(s);  // attaching through the chart sets the series' chart too
  EXPECT_EQ(s.ParentChart(), &one);
  two.AddSeries(s);  // and takes it away from the old one
  EXPECT_EQ(one.SeriesCount(), 0);
  EXPECT_EQ(s.ParentChart(), &two);
}

TEST(PanelSeries, ActiveCountCountsActiveSeriesOnly) {
  TChart chart;
  TChartSeries a, b, c;
  for (TChartSeries* s : {&a, &b, &c}) chart.AddSeries(*s);
  EXPECT_EQ(chart.ActiveCount(), 3);
  b.SetActive(false);
  EXPECT_EQ(chart.ActiveCount(), 2);
}

TEST(PanelSeries, SeriesDestroyedFirstLeavesTheChart) {
  TChart chart;
  auto s = std::make_unique<TChartSeries>();
  TChartSeries keep;
  chart.AddSeries(*s);
  chart.AddSeries(keep);
  const auto r = chart.InvalidateCount();
  s.reset();
  EXPECT_EQ(chart.SeriesCount(), 1);
  EXPECT_EQ(chart.Series(0), &keep);
  EXPECT_GT(chart.InvalidateCount(), r);
}

TEST(PanelSeries, DestroyingASeriesClearsItFirst) {
  TChart chart;
  int cleared = 0;
  {
    TChartSeries s;
    s.SetParentChart(&chart);
    s.Add(1);
    s.OnClearValues = [&cleared](TChartSeries* sender) {
      ++cleared;
      EXPECT_EQ(sender->Count(), 0);
    };
  }
  EXPECT_EQ(cleared, 1);
  {
    TChartSeries s;
    s.OnClearValues = [](TChartSeries*) { throw ChartException("handler failed"); };
  }  // a throwing handler does not end the program
  EXPECT_EQ(chart.SeriesCount(), 0);
}

TEST(PanelSeries, RemovingASeriesTakesItsCursorOffTheChart) {
  struct Case {
    const char* name;
    TCursor shown;
    TCursor after;
  };
  const Case cases[] = {
      {"the series' cursor is shown", crHandPoint, crDefault},
      {"another cursor is shown", crCross, crCross},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    testing::TFakeChartHost host;
    TChart chart;
    chart.SetHost(&host);
    TChartSeries s;
    s.SetCursor(crHandPoint);
    s.SetParentChart(&chart);
    chart.SetCursor(k.shown);
    chart.RemoveSeries(s);
    EXPECT_EQ(chart.Cursor(), k.after);
    EXPECT_EQ(host.Cursor, k.after);
  }
}

TEST(PanelSeries, ChartDestroyedFirstDetachesItsSeries) {
  auto chart = std::make_unique<TChart>();
  TChartSeries a, b;
  a.SetParentChart(chart.get());
  b.SetParentChart(chart.get());
  b.SetDataSource(&a);
  a.AppendValues(std::vector<double>{1, 2});
  chart.reset();
  EXPECT_EQ(a.ParentChart(), nullptr);
  EXPECT_EQ(a.GetHorizAxis(), nullptr);
  // The series stay usable without a chart.
  a.Add(3);
  a.SetSeriesColor(clNavy);
  a.Clear();
  EXPECT_EQ(b.Count(), 0);
}

TEST(PanelSeries, RepaintRequestsReachTheWindowOncePerPaint) {
  testing::TFakeChartHost host;
  TChart chart;
  TChartSeries s;
  chart.SetHost(&host);
  chart.AddSeries(s);
  EXPECT_TRUE(chart.RepaintRequested());
  const auto r = chart.InvalidateCount();
  for (int i = 0; i < 100; ++i) s.Add(1);
  EXPECT_EQ(chart.InvalidateCount() - r, 100u);
  EXPECT_TRUE(chart.RepaintRequested());
  chart.SetRepaintEnabled(false);
  s.Add(1);
  EXPECT_EQ(chart.InvalidateCount() - r, 101u);  // still counted
}

// A chart with axes installed, as the full chart constructs them.
class ChartWithAxes : public TChart {
 public:
  ChartWithAxes() { SetStandardAxes(&bottom, &top, &left, &right); }
  TChartAxis bottom{nullptr, true, false, false};
  TChartAxis top{nullptr, true, true, false};
  TChartAxis left{nullptr, false, false, false};
  TChartAxis right{nullptr, false, true, false};
};

TEST(PanelSeries, AxisBindingFollowsTheSeriesAxisChoice) {
  ChartWithAxes chart;
  TChartAxis& custom = chart.CreateCustomAxis(true, false);
  TChartAxis& customV = chart.CreateCustomAxis(false, false);
  TChartSeries s;
  EXPECT_EQ(s.GetHorizAxis(), nullptr);  // no chart: unbound
  s.SetParentChart(&chart);
  EXPECT_EQ(s.GetHorizAxis(), &chart.bottom);
  EXPECT_EQ(s.GetVertAxis(), &chart.left);
  EXPECT_TRUE(s.AssociatedToAxis(&chart.bottom));
  EXPECT_FALSE(s.AssociatedToAxis(&chart.top));

  s.SetHorizAxis(aTopAxis);
  s.SetVertAxis(aRightAxis);
  EXPECT_EQ(s.GetHorizAxis(), &chart.top);
  EXPECT_EQ(s.GetVertAxis(), &chart.right);
  EXPECT_FALSE(s.AssociatedToAxis(&chart.bottom));

  s.SetHorizAxis(aBothHorizAxis);
  s.SetVertAxis(aBothVertAxis);
  EXPECT_EQ(s.GetHorizAxis(), &chart.bottom);  // draws against bottom and left
  EXPECT_EQ(s.GetVertAxis(), &chart.left);
  for (TChartAxis* a : {&chart.bottom, &chart.top, &chart.left, &chart.right})
    EXPECT_TRUE(s.AssociatedToAxis(a));

  s.SetHorizAxis(aCustomHorizAxis);
  s.SetVertAxis(aCustomVertAxis);
  EXPECT_EQ(s.GetHorizAxis(), &chart.bottom);  // no custom axis set yet
  s.SetCustomHorizAxis(&custom);
  s.SetCustomVertAxis(&customV);
  EXPECT_EQ(s.GetHorizAxis(), &custom);
  EXPECT_EQ(s.GetVertAxis(), &customV);
  EXPECT_TRUE(s.AssociatedToAxis(&custom));
  EXPECT_FALSE(s.AssociatedToAxis(&chart.bottom));
  s.SetCustomHorizAxis(nullptr);
  s.SetCustomVertAxis(nullptr);

  chart.RemoveSeries(s);
  EXPECT_EQ(s.GetHorizAxis(), nullptr);
  EXPECT_EQ(s.GetVertAxis(), nullptr);
  EXPECT_FALSE(s.AssociatedToAxis(&chart.left));
}

}  // namespace
}  // namespace chart

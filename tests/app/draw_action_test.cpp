// The Draw action's three curves and the demo chart it fills, on the recording device.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>

#include "app/core/DemoChart.h"
#include "app/core/DrawAction.h"
#include "chart/axis/CustomChartAxis.h"
#include "fft/uFFTasm.h"
#include "support/FakeChartHost.h"

namespace demo {
namespace {

using chart::testing::TOp;

struct DrawActionTest : ::testing::Test {
  static void SetUpTestSuite() { uFFTasm::FFTInit(); }
  static void TearDownTestSuite() { uFFTasm::FFTDone(); }
  // Before the chart: it outlives the chart's last repaint request.
  chart::testing::TFakeChartHost host;
  TDemoChart demo;
  void Draw() { DrawAction(demo.Series1, demo.Series2, demo.Series3); }
};

TEST_F(DrawActionTest, WindowIsASymmetricHannWindowWithZeroEnds) {
  Draw();
  const chart::TLineSeries& w = demo.Series1;
  ASSERT_EQ(w.Count(), 1024);
  EXPECT_EQ(w.YValue(0), 0.0);
  EXPECT_EQ(w.YValue(1023), 0.0);
  EXPECT_NEAR(w.YValue(511), 0.9999976, 1e-7);
  EXPECT_NEAR(w.YValue(512), 0.9999976, 1e-7);
  double sum = 0;
  for (int i = 0; i < 1024; ++i) {
    EXPECT_NEAR(w.YValue(i), w.YValue(1023 - i), 2e-16) << i;
    EXPECT_EQ(w.XValue(i), i);
    sum += w.YValue(i);
  }
  EXPECT_NEAR(sum, 511.5, 1e-9);
}

TEST_F(DrawActionTest, SpectrumIsTheSumOfAbsoluteValuesOverFiveHundred) {
  Draw();
  const chart::TLineSeries& s = demo.Series2;
  ASSERT_EQ(s.Count(), 1024);
  EXPECT_NEAR(s.YValue(0), 1.023, 1e-5);
  EXPECT_NEAR(s.YValue(1), 0.5138, 1e-4);
  EXPECT_NEAR(s.YValue(1023), 0.5138, 1e-4);
  EXPECT_NEAR(s.YValue(2), 0.00034, 2e-5);
  EXPECT_NEAR(s.YValue(1022), 0.00034, 2e-5);
  for (int k = 1; k < 1024; ++k) {
    EXPECT_NEAR(s.YValue(k), s.YValue(1024 - k), 1e-6) << k;
    if (k > 2 && k < 1022) {
      EXPECT_LT(s.YValue(k), 0.001) << k;
    }
  }
}

TEST_F(DrawActionTest, RestoredCurveMirrorsTheWindow) {
  Draw();
  ASSERT_EQ(demo.Series3.Count(), 1024);
  for (int i = 0; i < 1024; ++i) EXPECT_NEAR(demo.Series3.YValue(i), -demo.Series1.YValue(i), 1e-6) << i;
}

TEST_F(DrawActionTest, PressingTwiceGivesTheSameCurves) {
  Draw();
  std::vector<double> first[3];
  const chart::TLineSeries* series[3] = {&demo.Series1, &demo.Series2, &demo.Series3};
  for (int k = 0; k < 3; ++k)
    for (int i = 0; i < series[k]->Count(); ++i) first[k].push_back(series[k]->YValue(i));
  Draw();
  for (int k = 0; k < 3; ++k) {
    ASSERT_EQ(series[k]->Count(), 1024);
    for (int i = 0; i < 1024; ++i) {
      EXPECT_EQ(series[k]->YValue(i), first[k][i]);
      EXPECT_EQ(series[k]->XValue(i), i);
    }
  }
}

TEST_F(DrawActionTest, DemoChartCarriesTheFormsProperties) {
  chart::TChart& c = demo.Chart1;
  EXPECT_EQ(c.Width(), 905);
  EXPECT_EQ(c.Height(), 525);
  EXPECT_FALSE(c.View3D());
  EXPECT_EQ(c.BevelOuter(), chart::bvLowered);
  EXPECT_EQ(c.BackWall().Brush().Color(), chart::clWhite);
  EXPECT_EQ(c.BackWall().Brush().Style(), chart::bsClear);
  ASSERT_EQ(c.SeriesCount(), 3);
  EXPECT_EQ(c.Series(0), &demo.Series1);
  EXPECT_EQ(c.Series(2), &demo.Series3);
  EXPECT_EQ(demo.Series1.SeriesColor(), chart::clFuchsia);
  EXPECT_EQ(demo.Series2.SeriesColor(), chart::clGreen);
  EXPECT_EQ(demo.Series3.SeriesColor(), chart::clNavy);
  EXPECT_TRUE(demo.Series1.ShowInLegend());
  EXPECT_FALSE(demo.Series2.ShowInLegend());
  EXPECT_FALSE(demo.Series2.Pointer().Visible());
  EXPECT_EQ(demo.Series1.XValues().Order(), chart::loAscending);
  EXPECT_EQ(demo.Series1.YValues().Order(), chart::loNone);
  EXPECT_EQ(demo.Series1.YValues().Name(), "Y");
  EXPECT_EQ(c.Name(), "Chart1");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(c.Series(i)->Name(), "Series" + std::to_string(i + 1));
}

// The left axis's labels, drawn alone after a paint.
std::vector<std::pair<std::string, int>> AxisLabels(chart::TChart& c, chart::testing::TFakeChartHost& host,
                                                    chart::TCustomChartAxis& axis) {
  c.InvalidateChart();
  c.Paint();
  host.Window().ClearOps();
  axis.DrawAxis(true);
  std::vector<std::pair<std::string, int>> out;
  for (const auto& op : host.Window().Ops())
    if (op.Op == TOp::TextOut) out.push_back({op.Text, axis.IsHorizontal() ? op.Args[0] : op.Args[1]});
  return out;
}

TEST_F(DrawActionTest, AxesLabelTheMiddleBeforeDrawAndOneAndZeroAfter) {
  demo.Chart1.SetHost(&host);
  chart::TCustomChartAxis& left = *demo.Chart1.LeftAxis();
  chart::TCustomChartAxis& bottom = *demo.Chart1.BottomAxis();
  auto before = AxisLabels(demo.Chart1, host, left);
  ASSERT_EQ(before.size(), 1u);
  EXPECT_EQ(before[0].first, "0");
  EXPECT_EQ(before[0].second, left.PixelCenter() - 6);
  before = AxisLabels(demo.Chart1, host, bottom);
  ASSERT_EQ(before.size(), 1u);
  EXPECT_EQ(before[0], (std::pair<std::string, int>{"0", bottom.PixelCenter()}));

  Draw();
  demo.Chart1.Paint();
  const auto after = AxisLabels(demo.Chart1, host, left);
  ASSERT_EQ(after.size(), 2u);
  EXPECT_EQ(after[0].first, "1");
  EXPECT_EQ(after[1].first, "0");
  EXPECT_EQ(after[1].second, left.ValueToPixel(0) - 6);
  const auto labels = AxisLabels(demo.Chart1, host, bottom);
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels.front().first, "1,000");
  EXPECT_EQ(labels.back().first, "0");
}

}  // namespace
}  // namespace demo

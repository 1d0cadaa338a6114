// Properties at the ends of their range: a paint stays defined (no overflow), its work is
// bounded by the pixels there are, and the chart rectangle stays usable.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

#include "chart/seriestypes/LineSeries.h"
#include "chart_test_fixture.h"

namespace chart {
namespace {

using testing::TFakeChartHost;
using testing::TRecordingDevice;

TEST(PanelExtremes, PaintStaysDefinedAndBoundedByPixels) {
  struct Case {
    const char* name;
    std::function<void(TChart&)> set;
  };
  auto titleFrame = [](TChartTitle& t, int width) {
    t.SetText({"text"});
    t.Frame().SetVisible(true);
    t.Frame().SetColor(clBlack);
    t.Frame().SetWidth(width);
  };
  const Case cases[] = {
      {"title frame 1e9", [&](TChart& c) { titleFrame(c.Title(), 1'000'000'000); }},
      {"title frame INT_MAX", [&](TChart& c) { titleFrame(c.Title(), INT_MAX); }},
      {"foot frame INT_MAX", [&](TChart& c) { titleFrame(c.Foot(), INT_MAX); }},
      {"foot frame INT_MIN", [&](TChart& c) { titleFrame(c.Foot(), INT_MIN); }},
      {"left wall INT_MIN", [](TChart& c) { c.LeftWall().SetSize(INT_MIN); }},
      {"bottom wall INT_MIN", [](TChart& c) { c.BottomWall().SetSize(INT_MIN + 1); }},
      {"bottom wall INT_MAX", [](TChart& c) { c.BottomWall().SetSize(INT_MAX); }},
      {"margins INT_MAX",
       [](TChart& c) {
         c.SetMarginLeft(INT_MAX);
         c.SetMarginTop(INT_MAX);
         c.SetMarginRight(INT_MAX);
         c.SetMarginBottom(INT_MAX);
       }},
      {"margins INT_MIN",
       [](TChart& c) {
         c.SetMarginLeft(INT_MIN);
         c.SetMarginTop(INT_MIN);
         c.SetMarginRight(INT_MIN);
         c.SetMarginBottom(INT_MIN);
       }},
      {"zoom 1e9 %", [](TChart& c) { c.View3DOptions().SetZoom(1'000'000'000); }},
      {"zoom INT_MIN %", [](TChart& c) { c.View3DOptions().SetZoom(INT_MIN); }},
      {"horizontal offset INT_MAX", [](TChart& c) { c.View3DOptions().SetHorizOffset(INT_MAX); }},
      {"vertical offset INT_MIN", [](TChart& c) { c.View3DOptions().SetVertOffset(INT_MIN); }},
      {"bevel width 1e6", [](TChart& c) { c.SetBevelWidth(1'000'000); }},
      {"bevel width INT_MAX with inner bevel",
       [](TChart& c) {
         c.SetBevelInner(bvLowered);
         c.SetBevelWidth(INT_MAX);
       }},
      {"border width 1e6", [](TChart& c) { c.SetBorderWidth(1'000'000); }},
      {"border width INT_MAX", [](TChart& c) { c.SetBorderWidth(INT_MAX); }},
      {"border width INT_MIN", [](TChart& c) { c.SetBorderWidth(INT_MIN); }},
  };
  for (const bool view3D : {true, false}) {
    for (const Case& k : cases) {
      SCOPED_TRACE(::testing::Message() << k.name << (view3D ? " in 3D" : " in 2D"));
      TFakeChartHost host;
      host.Client = {0, 0, 400, 250};
      TChart chart;
      TLineSeries series;
      series.SetParentChart(&chart);
      for (int i = 0; i < 20; ++i) series.AddPoint(i, i % 7);
      chart.Title().SetText({"title"});
      chart.SetView3D(view3D);
      k.set(chart);
      chart.SetHost(&host);
      chart.Paint();
      const auto& buffer = dynamic_cast<TRecordingDevice&>(chart.Canvas().Buffer()->Surface());
      EXPECT_LT(buffer.Ops().size(), 20'000u) << "drawing work follows the pixels, not the values";
      const TRect r = chart.ChartRect();
      EXPECT_LT(r.Left, r.Right);
      EXPECT_LT(r.Top, r.Bottom);
    }
  }
}

}  // namespace
}  // namespace chart

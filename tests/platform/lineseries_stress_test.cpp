// A line series of ten million points whose values reach the largest doubles paints on the
// Qt image device, its line filling the chart rectangle from top to bottom and no further.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "QtTestSupport.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/LineSeries.h"

namespace platform {
namespace {

TEST(LineSeriesStress, TenMillionPointsUpToTheLargestDoublesPaintInsideTheChart) {
  constexpr int Points = 10'000'000;
  testing::TImageHost host(600, 400, qRgb(255, 255, 255));
  chart::TChart chart;
  chart.SetWidth(600);
  chart.SetHeight(400);
  chart.SetView3D(false);
  chart.Legend().SetVisible(false);  // its colour boxes would be red pixels outside the chart
  chart.SetHost(&host);
  chart::TLineSeries line;
  line.SetSeriesColor(chart::clRed);
  line.SetParentChart(&chart);
  {
    // From -1e308 up to 1e308 and back: the range itself is beyond the largest double.
    std::vector<double> ys(Points);
    for (int i = 0; i < Points; ++i) ys[i] = (1 - 2 * std::abs(2.0 * i / (Points - 1) - 1)) * 1e308;
    line.AppendValues(ys);
  }
  ASSERT_NO_THROW(chart.Paint());

  const chart::TRect r = chart.ChartRect();
  const QImage& image = host.Image();
  int top = image.height(), bottom = -1, outside = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFFu) != 0xFF0000u) continue;
      if (x < r.Left || x > r.Right || y < r.Top || y > r.Bottom) ++outside;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  EXPECT_EQ(outside, 0);
  // Within the few pixels the clip and the pen's last-pixel rule take off the ends.
  EXPECT_LE(top, r.Top + 3) << "the largest values at the top";
  EXPECT_GE(bottom, r.Bottom - 3) << "the smallest at the bottom";
}

}  // namespace
}  // namespace platform

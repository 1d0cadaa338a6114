// Fast line series painted by the Qt device: a dense noisy curve, and a second curve whose
// last stretch was added with AutoRepaint off, so it was drawn point by point onto the
// window without a repaint. The picture is kept in build/artifacts for a person to look at.
#include <gtest/gtest.h>

#include <QDir>

#include <cmath>
#include <vector>

#include "QtTestSupport.h"
#include "chart/axis/CustomChartAxis.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/FastLineSeries.h"

namespace platform {
namespace {

using namespace chart;

TEST(FastLinePicture, PointsAddedWithoutRepaintShowOnTheWindowAsARepaintDrawsThem) {
  testing::TImageHost host(640, 400, qRgb(0, 0, 0));
  TChart chart;
  chart.SetWidth(640);
  chart.SetHeight(400);
  chart.SetView3D(false);
  chart.Legend().SetVisible(false);
  chart.Title().SetText({"Fast Line"});
  chart.BottomAxis()->SetRange(0, 1000);
  TFastLineSeries noisy, live;
  noisy.SetSeriesColor(clNavy);
  live.SetSeriesColor(clRed);
  live.LinePen().SetWidth(2);
  noisy.SetParentChart(&chart);
  live.SetParentChart(&chart);
  for (int i = 0; i < 20000; ++i) noisy.AddPoint(i * 0.05, std::sin(i * 0.001) + 0.3 * std::sin(i * 1.7));
  auto wave = [](int i) { return 1.2 * std::cos(i * 0.02); };
  for (int i = 0; i <= 600; ++i) live.AddPoint(i, wave(i));
  live.SetAutoRepaint(false);
  chart.SetHost(&host);
  // The first layout sizes the axis labels without a previous scale: lay out once more.
  chart.Paint();
  chart.InvalidateChart();
  chart.Paint();

  // A block append draws every point of it, as adding them one by one does.
  std::vector<double> more;
  for (int i = 601; i <= 1000; ++i) more.push_back(wave(i));
  live.AppendValues(more);
  EXPECT_FALSE(chart.RepaintRequested());
  const QImage direct = host.Image().copy();
  const QString dir = QStringLiteral(TEST_ARTIFACTS_DIR);
  ASSERT_TRUE(QDir().mkpath(dir));
  EXPECT_TRUE(direct.save(dir + "/fastline_chart.png"));

  const QRgb red = qRgb(255, 0, 0);
  for (int i = 610; i < 1000; i += 30)
    EXPECT_EQ(direct.pixel(live.XPixel(i), live.YPixel(i)) | 0xFF000000u, red) << i;
  // A full paint draws the same red line where the axes stayed as they were.
  chart.InvalidateChart();
  chart.Paint();
  const QImage repainted = host.Image();
  const TRect r = chart.ChartRect();
  int differing = 0, redPixels = 0;
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
    for (int x = r.Left + 1; x < r.Right; ++x) {
      const bool wasRed = (direct.pixel(x, y) | 0xFF000000u) == red;
      redPixels += wasRed;
      differing += wasRed != ((repainted.pixel(x, y) | 0xFF000000u) == red);
    }
  EXPECT_GT(redPixels, 1000);
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace platform

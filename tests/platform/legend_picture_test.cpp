// A chart with a right-aligned legend of three line series, painted by the Qt device. The
// picture is kept in build/artifacts for a person to look at.
#include <gtest/gtest.h>

#include <QDir>

#include <cmath>

#include "QtTestSupport.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/LineSeries.h"

namespace platform {
namespace {

using namespace chart;

TEST(LegendPicture, RightLegendListsEachSeriesWithItsColour) {
  testing::TImageHost host(640, 400, qRgb(0, 0, 0));
  TChart chart;
  chart.SetWidth(640);
  chart.SetHeight(400);
  chart.SetView3D(false);
  chart.Title().SetText({"Legend"});
  TLineSeries series[3];
  const TColor colors[3] = {clRed, clGreen, clNavy};
  const char* titles[3] = {"Window", "Spectrum", "Inverse"};
  for (int k = 0; k < 3; ++k) {
    series[k].SetSeriesColor(colors[k]);
    series[k].SetTitle(titles[k]);
    series[k].SetParentChart(&chart);
    for (int i = 0; i <= 100; ++i) series[k].AddPoint(i, std::sin(i * 0.06 + k) * (k + 1));
  }
  chart.SetHost(&host);
  chart.Paint();
  const QImage& image = host.Image();
  const QString dir = QStringLiteral(TEST_ARTIFACTS_DIR);
  ASSERT_TRUE(QDir().mkpath(dir));
  EXPECT_TRUE(image.save(dir + "/legend_chart.png"));

  const TRect box = chart.Legend().LegendBounds();
  const QImage corner = image.copy(box.Left - 8, box.Top - 8, box.Width() + 16, box.Height() + 16);
  EXPECT_TRUE(corner.scaled(corner.size() * 4).save(dir + "/legend_chart_box_x4.png"));
  ASSERT_EQ(chart.Legend().RowCount(), 3);
  EXPECT_LT(chart.ChartRect().Right, box.Left) << "the plot leaves the legend its room";
  // Row k shows series k's colour (its symbol) on the white box.
  const int rowHeight = box.Height() / 3;
  for (int k = 0; k < 3; ++k) {
    const QRgb want = qRgb(GetRValue(colors[k]), GetGValue(colors[k]), GetBValue(colors[k]));
    int symbol = 0;
    for (int y = box.Top + 1 + k * rowHeight; y < box.Top + 1 + (k + 1) * rowHeight; ++y)
      for (int x = box.Left + 1; x < box.Right - 1; ++x) symbol += (image.pixel(x, y) | 0xFF000000u) == want;
    EXPECT_GT(symbol, 3) << titles[k];
  }
  EXPECT_EQ(image.pixel(box.Right - 2, box.Top + 2) & 0xFFFFFFu, 0xFFFFFFu);
  // The black shadow shows right of the frame and below it.
  EXPECT_EQ(image.pixel(box.Right + 2, box.Top + 10) & 0xFFFFFFu, 0u);
  EXPECT_EQ(image.pixel(box.Left + 10, box.Bottom + 2) & 0xFFFFFFu, 0u);
}

}  // namespace
}  // namespace platform

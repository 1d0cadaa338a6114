// Two stacked plots on one chart, the upper one on a custom axis, painted by the Qt
// device. The picture is kept in build/artifacts for a person to look at.
#include <gtest/gtest.h>

#include <QDir>

#include <cmath>
#include <memory>

#include "QtTestSupport.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/LineSeries.h"

namespace platform {
namespace {

using namespace chart;

QRgb ToRgb(TColor c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

TEST(CustomAxisPicture, UpperPlotOnACustomAxisKeepsToItsBand) {
  testing::TImageHost host(640, 400, qRgb(0, 0, 0));
  TChart chart;
  chart.SetWidth(640);
  chart.SetHeight(400);
  chart.SetView3D(false);
  chart.Title().SetText({"Custom axis"});
  TLineSeries lower, upper;
  lower.SetSeriesColor(clNavy);
  upper.SetSeriesColor(clRed);
  lower.SetParentChart(&chart);
  upper.SetParentChart(&chart);
  // Custom axes take no room of their own: the margin leaves some for the title.
  chart.SetMarginLeft(8);
  chart.LeftAxis()->SetStartPosition(55);
  TChartAxis& axis = chart.CreateCustomAxis(false, false);
  axis.SetEndPosition(45);
  axis.Title().SetCaption("upper");
  upper.SetVertAxis(aCustomVertAxis);
  upper.SetCustomVertAxis(&axis);
  for (int i = 0; i <= 200; ++i) {
    lower.AddPoint(i, std::sin(i * 0.05));
    upper.AddPoint(i, 100 + 50 * std::cos(i * 0.03));
  }
  chart.SetHost(&host);
  chart.Paint();
  const QImage& image = host.Image();
  const QString dir = QStringLiteral(TEST_ARTIFACTS_DIR);
  ASSERT_TRUE(QDir().mkpath(dir));
  EXPECT_TRUE(image.save(dir + "/custom_axis_chart.png"));

  const TRect r = chart.ChartRect();
  const int band = r.Top + static_cast<int>(std::lround((r.Bottom - r.Top) * 0.45));
  ASSERT_EQ(axis.PixelEnd(), band);
  // Each curve's ink stays in its band.
  int upperInk = 0, lowerInk = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = r.Left + 1; x < r.Right; ++x) {
      const QRgb p = image.pixel(x, y) | 0xFF000000u;
      if (p == ToRgb(clRed)) {
        ++upperInk;
        EXPECT_LE(y, band) << x;
      } else if (p == ToRgb(clNavy)) {
        ++lowerInk;
        EXPECT_GE(y, chart.LeftAxis()->PixelStart()) << x;
      }
    }
  EXPECT_GT(upperInk, 200);
  EXPECT_GT(lowerInk, 200);
  // The custom axis line (black, 2 pixels) runs down its band on the chart's left edge;
  // only ticks and grid lines cross it.
  const int x = axis.AxisPosition();
  int black = 0;
  for (int y = axis.PixelStart(); y < band; ++y) black += (image.pixel(x, y) & 0xFFFFFFu) == 0;
  EXPECT_GT(black, (band - axis.PixelStart()) * 3 / 4);
  // Its labels and its title: dark text left of the line, within the band.
  int labelInk = 0;
  for (int y = axis.PixelStart(); y < band; ++y)
    for (int lx = 4; lx < x - 8; ++lx)
      if (qGray(image.pixel(lx, y)) < 100) ++labelInk;
  EXPECT_GT(labelInk, 30);
}

}  // namespace
}  // namespace platform

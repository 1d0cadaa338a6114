// A line series with visible marks, painted by the Qt device. The picture is kept in
// build/artifacts for a person to look at.
#include <gtest/gtest.h>

#include <QDir>

#include <algorithm>
#include <cmath>

#include "QtTestSupport.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/LineSeries.h"

namespace platform {
namespace {

using namespace chart;

TEST(MarksPicture, BoxesSitAboveTheirPointsWithTheirArrows) {
  testing::TImageHost host(640, 400, qRgb(0, 0, 0));
  TChart chart;
  chart.SetWidth(640);
  chart.SetHeight(400);
  chart.SetView3D(false);
  chart.Title().SetText({"Marks"});
  TLineSeries line;
  line.SetSeriesColor(clNavy);
  line.SetParentChart(&chart);
  line.Marks().SetVisible(true);
  line.Marks().SetStyle(smsLabelValue);
  line.Marks().Arrow().SetColor(clRed);
  const char* labels[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul"};
  for (int i = 0; i < 7; ++i) line.AddPoint(i, 1000 + 800 * std::sin(i * 0.9), labels[i]);
  // One two-line mark.
  line.OnGetMarkText = [](TChartSeries*, int index, std::string& text) {
    if (index == 3) text += "\rpeak";
  };
  chart.SetHost(&host);
  chart.Paint();
  const QImage& image = host.Image();
  const QString dir = QStringLiteral(TEST_ARTIFACTS_DIR);
  ASSERT_TRUE(QDir().mkpath(dir));
  EXPECT_TRUE(image.save(dir + "/marks_line_chart.png"));

  const QRgb fill = qRgb(255, 255, 128), red = qRgb(255, 0, 0);
  for (int i = 0; i < 7; ++i) {
    const int x = line.XPixel(i), y = line.YPixel(i);
    const TSeriesMarkPosition* p = line.Marks().Positions().Position(i);
    ASSERT_NE(p, nullptr);
    // The arrow: red from the point up to the box; the box's lowest row is 8 rows up.
    EXPECT_EQ(image.pixel(x, y - 4) | 0xFF000000u, red) << i;
    EXPECT_EQ(p->LeftTop.Y + p->Height - 1, y - 8) << i;
    // Fill inside the box beside the text, frame on its edge, text in its middle.
    EXPECT_EQ(image.pixel(p->LeftTop.X + 2, p->LeftTop.Y + 2) | 0xFF000000u, fill) << i;
    EXPECT_EQ(qGray(image.pixel(p->LeftTop.X, p->LeftTop.Y + 3)), 0) << i;
    int ink = 0;
    for (int ty = p->LeftTop.Y + 1; ty < p->LeftTop.Y + p->Height - 1; ++ty)
      for (int tx = p->LeftTop.X + 1; tx < std::min(p->LeftTop.X + p->Width - 1, image.width()); ++tx)
        ink += qGray(image.pixel(tx, ty)) < 100;
    EXPECT_GT(ink, 20) << i;
  }
  const TSeriesMarkPosition* twoLines = line.Marks().Positions().Position(3);
  EXPECT_GT(twoLines->Height, 2 * (line.Marks().Positions().Position(2)->Height - 2)) << "two lines";
}

}  // namespace
}  // namespace platform

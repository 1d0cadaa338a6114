// Area and point series painted by the Qt device: three stacked areas, and markers of
// every style. The pictures are kept in build/artifacts for a person to look at.
#include <gtest/gtest.h>

#include <QDir>

#include <cmath>
#include <cstdint>
#include <string>

#include "ChartPicture.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/AreaSeries.h"
#include "chart/seriestypes/PointSeries.h"

namespace platform {
namespace {

using namespace chart;

using testing::Rgb;

using Picture = testing::TChartPicture;

TEST(PointAreaPicture, StackedAreasFillBetweenTheirNeighbours) {
  const TColor colors[] = {clRed, clGreen, clNavy};
  for (const TMultiArea multi : {maStacked, maStacked100}) {
    Picture pic(multi == maStacked ? "Stacked areas" : "Stacked areas, 100 %");
    TAreaSeries s[3];
    for (int k = 0; k < 3; ++k) {
      s[k].SetSeriesColor(colors[k]);
      s[k].SetParentChart(&pic.chart);
      for (int i = 0; i < 12; ++i) s[k].Add(6 + 4 * std::sin(i * 0.7 + k * 2.0));
    }
    s[0].SetMultiArea(multi);
    const QImage& image = pic.Paint(multi == maStacked ? "areas_stacked.png" : "areas_stacked100.png");
    for (int k = 0; k < 3; ++k)
      for (int i = 0; i + 1 < 12; ++i) {
        // The middle of each segment's fill, half way between its top and its base.
        const int x = (s[k].XPixel(i) + s[k].XPixel(i + 1)) / 2;
        const int top = (s[k].YPixel(i) + s[k].YPixel(i + 1)) / 2;
        const int base = (s[k].OriginPixel(i) + s[k].OriginPixel(i + 1)) / 2;
        EXPECT_EQ(image.pixel(x, (top + base) / 2) | 0xFF000000u, Rgb(colors[k])) << k << " at " << i;
      }
    if (multi == maStacked100) {
      for (int i = 0; i < 12; ++i) EXPECT_EQ(s[2].YPixel(i), pic.chart.LeftAxis()->ValueToYPixel(100)) << i;
    }
  }
}

// Dense noisy areas, many points to a pixel column: drawn directly they show the very
// picture that drawing point by point gives.
TEST(PointAreaPicture, DenseAreasDrawnDirectlyMatchThePointByPointPicture) {
  const struct {
    const char* name;
    TMultiArea multi;
    int penWidth;
    bool ownColours;
  } cases[] = {
      {"side by side", maNone, 1, false},  {"stacked", maStacked, 1, false}, {"stacked to 100 %", maStacked100, 1, false},
      {"own colours", maNone, 1, true},    {"wide outline", maStacked, 2, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QImage pictures[2];
    for (const bool direct : {false, true}) {
      Picture pic(c.name);
      TAreaSeries s[3];
      std::uint32_t state = 12345;
      for (int k = 0; k < 3; ++k) {
        s[k].SetSeriesColor(k == 0 ? clRed : k == 1 ? clGreen : clNavy);
        s[k].SetParentChart(&pic.chart);
        s[k].SetDirectDrawing(direct);
        s[k].AreaLinesPen().SetWidth(c.penWidth);
        if (k == 1) s[k].AreaLinesPen().SetColor(clDefault);
        for (int i = 0; i < 20000; ++i) {
          state ^= state << 13, state ^= state >> 17, state ^= state << 5;
          const double noise = static_cast<double>(state % 1000) / 1000.0;
          s[k].AddPoint(i * 0.01 + (k == 2 && i % 7 == 0 ? 0.004 : 0), 2 + std::sin(i * 0.0005 + k) + noise,
                     "", c.ownColours && i % 50 < 3 ? clYellow : clDefault);
        }
      }
      s[0].SetMultiArea(c.multi);
      pictures[direct] = pic.Paint(direct ? "areas_dense_direct.png" : "areas_dense.png").copy();
    }
    int differing = 0;
    for (int y = 0; y < pictures[0].height(); ++y)
      for (int x = 0; x < pictures[0].width(); ++x) differing += pictures[0].pixel(x, y) != pictures[1].pixel(x, y);
    EXPECT_EQ(differing, 0);
  }
}

TEST(PointAreaPicture, EveryMarkerStyleCentredOnItsPoint) {
  Picture pic("Points");
  TPointSeries points;
  points.SetParentChart(&pic.chart);
  points.SetColorEachPoint(true);
  points.Pointer().SetHorizSize(6);
  points.Pointer().SetVertSize(6);
  for (int i = 0; i <= psSmallDot; ++i) points.AddPoint(i, 3 + (i % 3));
  points.OnGetPointerStyle = [](TCustomSeries*, int index) { return static_cast<TSeriesPointerStyle>(index); };
  const QImage& image = pic.Paint("points_styles.png");
  for (int i = 0; i <= psSmallDot; ++i) {
    // Every shape covers its centre, in the point's colour or its outline.
    const QRgb centre = image.pixel(points.XPixel(i), points.YPixel(i)) | 0xFF000000u;
    EXPECT_TRUE(centre == Rgb(points.ValueColor(i)) || centre == Rgb(clBlack)) << "style " << i;
  }
}

}  // namespace
}  // namespace platform

// Bar series painted by the Qt device: side by side, stacked, and horizontal. The pictures
// are kept in build/artifacts for a person to look at.
#include <gtest/gtest.h>

#include <QDir>

#include <cmath>
#include <string>

#include "ChartPicture.h"
#include "chart/panel/Chart.h"
#include "chart/seriestypes/BarSeries.h"
#include "chart/seriestypes/HorizBarSeries.h"

namespace platform {
namespace {

using namespace chart;

using testing::Rgb;

using BarPicture = testing::TChartPicture;

// The middle of a bar (away from its outline) shows its colour.
void ExpectFill(const QImage& image, const TBarPixels& p, bool horizontal, TColor color, const std::string& what) {
  const int across = (p.Start + p.End) / 2, along = (p.Value + p.Origin) / 2;
  const QPoint at = horizontal ? QPoint(along, across) : QPoint(across, along);
  EXPECT_EQ(image.pixel(at) | 0xFF000000u, Rgb(color)) << what;
}

TEST(BarPicture, SideBySideStackedAndHorizontalBarsShowTheirColours) {
  const TColor colors[] = {clRed, clGreen, clNavy};
  {
    BarPicture pic("Side by side");
    TBarSeries a, b;
    TBarSeries* all[] = {&a, &b};
    for (int k = 0; k < 2; ++k) {
      all[k]->SetSeriesColor(colors[k]);
      all[k]->SetParentChart(&pic.chart);
      for (int i = 0; i < 6; ++i) all[k]->Add(20 + 15 * std::sin(i + k * 2.0), "");
    }
    b.SetBarStyle(bsRectGradient);
    b.Marks().SetStyle(smsValue);
    const QImage& image = pic.Paint("bars_side_by_side.png");
    for (int i = 0; i < 6; ++i) {
      ExpectFill(image, a.BarPixelsOf(i), false, clRed, "side " + std::to_string(i));
      EXPECT_EQ(a.BarPixelsOf(i).End, b.BarPixelsOf(i).Start);
    }
  }
  {
    BarPicture pic("Stacked");
    TBarSeries s[3];
    for (int k = 0; k < 3; ++k) {
      s[k].SetSeriesColor(colors[k]);
      s[k].SetParentChart(&pic.chart);
      s[k].Marks().SetVisible(false);
      for (int i = 0; i < 8; ++i) s[k].Add(5 + (i * (k + 2)) % 7);
    }
    s[2].SetMultiBar(mbStacked);
    s[1].SetBarStyle(bsPyramid);
    const QImage& image = pic.Paint("bars_stacked.png");
    for (int i = 0; i < 8; ++i) {
      ExpectFill(image, s[0].BarPixelsOf(i), false, clRed, "stack foot " + std::to_string(i));
      ExpectFill(image, s[2].BarPixelsOf(i), false, clNavy, "stack top " + std::to_string(i));
      EXPECT_EQ(s[0].BarPixelsOf(i).Value, s[1].BarPixelsOf(i).Origin);
    }
  }
  {
    BarPicture pic("Horizontal");
    THorizBarSeries h;
    h.SetSeriesColor(clTeal);
    h.SetParentChart(&pic.chart);
    const char* labels[] = {"North", "East", "South", "West", "Centre"};
    for (int i = 0; i < 5; ++i) h.Add(i % 2 ? -3 - i : 4 + 2 * i, labels[i]);
    const QImage& image = pic.Paint("bars_horizontal.png");
    for (int i = 0; i < 5; ++i) ExpectFill(image, h.BarPixelsOf(i), true, clTeal, "horizontal " + std::to_string(i));
  }
}

TEST(BarPicture, EveryStyleFlatAndInDepth) {
  for (const bool depth : {false, true}) {
    BarPicture pic(depth ? "Styles in 3D" : "Styles");
    pic.chart.SetView3D(depth);
    TBarSeries bars;
    bars.SetParentChart(&pic.chart);
    bars.SetColorEachPoint(true);
    bars.Marks().SetVisible(false);
    for (int i = 0; i < 7; ++i) bars.Add(i % 3 == 2 ? -4 - i : 5 + i);
    bars.OnGetBarStyle = [](TCustomBarSeries*, int index, TBarStyle& style) { style = static_cast<TBarStyle>(index); };
    const QImage& image = pic.Paint(depth ? "bars_styles_3d.png" : "bars_styles.png");
    // Every shape covers the middle of its bar in the bar's colour (the gradient is white at
    // the foot and the bar's colour at the end).
    for (int i = 0; i < 6; ++i) ExpectFill(image, bars.BarPixelsOf(i), false, bars.ValueColor(i), "style " + std::to_string(i));
  }
}

}  // namespace
}  // namespace platform

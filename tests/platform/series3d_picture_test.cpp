// Every series type in a 3D chart, painted by the Qt device: line and stair ribbons, an
// area, 3D markers, a fast line, bars of each solid style and a pie. The pictures are kept
// in build/artifacts for a person to look at.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "ChartPicture.h"
#include "chart/canvas/DarkColor.h"
#include "chart/seriestypes/AreaSeries.h"
#include "chart/seriestypes/BarSeries.h"
#include "chart/seriestypes/FastLineSeries.h"
#include "chart/seriestypes/LineSeries.h"
#include "chart/seriestypes/PieSeries.h"
#include "chart/seriestypes/PointSeries.h"

namespace platform {
namespace {

using namespace chart;

// Pixels of the colour, or of the darker shade of the faces turned away from the light.
int CountShades(const QImage& image, TColor c) {
  const QRgb lit = testing::Rgb(c);
  const QRgb dark = testing::Rgb(ApplyDark(c, DarkSideQuantity));
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y) | 0xFF000000u;
      n += p == lit || p == dark;
    }
  return n;
}

struct PictureCase {
  const char* file;
  // Makes the series on the chart; returns the colour whose faces must show.
  std::function<TColor(TChart&, std::vector<std::unique_ptr<TChartSeries>>&)> make;
  int minPixels;
};

template <class T>
T& Attach(TChart& chart, std::vector<std::unique_ptr<TChartSeries>>& owned, TColor color) {
  auto s = std::make_unique<T>();
  T& ref = *s;
  ref.SetSeriesColor(color);
  ref.SetParentChart(&chart);
  owned.push_back(std::move(s));
  return ref;
}

void Wave(TChartSeries& s, int n, double phase) {
  for (int i = 0; i < n; ++i) s.AddPoint(i, 5 + 4 * std::sin(i * 0.6 + phase));
}

const PictureCase Cases[] = {
    {"series3d_line.png",
     [](TChart& c, auto& owned) {
       Wave(Attach<TLineSeries>(c, owned, clRed), 16, 0);
       TLineSeries& marked = Attach<TLineSeries>(c, owned, clGreen);
       marked.Pointer().SetVisible(true);
       Wave(marked, 16, 2);
       return clRed;
     },
     3000},
    {"series3d_dense_line.png",
     [](TChart& c, auto& owned) {
       // Far more points than pixel columns: the ribbons are drawn as one band.
       const TColor colors[] = {clFuchsia, clGreen, clNavy};
       for (int k = 0; k < 3; ++k) {
         TLineSeries& s = Attach<TLineSeries>(c, owned, colors[k]);
         for (int i = 0; i < 20000; ++i) s.AddPoint(i, std::sin(i * 3e-4 + k * 2.0) + 0.01 * std::sin(i * 1.7));
       }
       return clFuchsia;
     },
     3000},
    {"series3d_line_rotated.png",
     [](TChart& c, auto& owned) {
       TView3DOptions& view = c.View3DOptions();
       view.SetOrthogonal(false);
       view.SetRotation(330);
       view.SetElevation(340);
       Wave(Attach<TLineSeries>(c, owned, clRed), 16, 0);
       Wave(Attach<TLineSeries>(c, owned, clGreen), 16, 2);
       return clRed;
     },
     3000},
    {"series3d_stairs.png",
     [](TChart& c, auto& owned) {
       TLineSeries& s = Attach<TLineSeries>(c, owned, clBlue);
       s.SetStairs(true);
       Wave(s, 12, 0);
       return clBlue;
     },
     3000},
    {"series3d_area.png",
     [](TChart& c, auto& owned) {
       Wave(Attach<TAreaSeries>(c, owned, clTeal), 16, 0);
       return clTeal;
     },
     30000},
    {"series3d_points.png",
     [](TChart& c, auto& owned) {
       TPointSeries& s = Attach<TPointSeries>(c, owned, clFuchsia);
       Wave(s, 12, 0);
       TPointSeries& t = Attach<TPointSeries>(c, owned, clOlive);
       t.Pointer().SetStyle(psTriangle);
       Wave(t, 12, 2);
       return clFuchsia;
     },
     400},
    {"series3d_fastline.png",
     [](TChart& c, auto& owned) {
       Wave(Attach<TFastLineSeries>(c, owned, clNavy), 200, 0);
       return clNavy;
     },
     300},
    {"series3d_bars.png",
     [](TChart& c, auto& owned) {
       const TBarStyle styles[] = {bsRectangle, bsCilinder, bsPyramid, bsInvPyramid};
       const TColor colors[] = {clRed, clGreen, clBlue, clOlive};
       for (int k = 0; k < 4; ++k) {
         TBarSeries& s = Attach<TBarSeries>(c, owned, colors[k]);
         s.SetBarStyle(styles[k]);
         for (int i = 0; i < 4; ++i) s.Add(3 + (i + k) % 4);
       }
       return clRed;
     },
     2000},
    {"series3d_pie.png",
     [](TChart& c, auto& owned) {
       TPieSeries& s = Attach<TPieSeries>(c, owned, clDefault);
       for (double v : {5.0, 3.0, 2.0, 4.0, 1.0}) s.Add(v);
       return s.ValueColor(0);
     },
     2000},
};

TEST(Series3DPicture, EverySeriesTypeShowsItsFacesInDepth) {
  for (const PictureCase& k : Cases) {
    testing::TChartPicture pic(k.file);
    pic.chart.SetView3D(true);
    pic.chart.Legend().SetVisible(false);
    std::vector<std::unique_ptr<TChartSeries>> owned;
    const TColor color = k.make(pic.chart, owned);
    const QImage& image = pic.Paint(k.file);
    EXPECT_GE(CountShades(image, color), k.minPixels) << k.file;
  }
}

}  // namespace
}  // namespace platform

// A small back image tiled over the whole panel: every pixel of the panel shows the image's
// pixel at its place in the repeat, however the tiles are grouped for drawing.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ChartPicture.h"

namespace platform {
namespace {

using namespace chart;

TEST(BackImagePicture, ATiledImageRepeatsPixelForPixel) {
  const std::vector<TColor> pixels = {clRed, clGreen, clBlue, clYellow, clBlack, clWhite};
  for (const auto& [w, h] : {std::pair{3, 2}, std::pair{2, 3}, std::pair{300, 1}}) {
    SCOPED_TRACE(w);
    std::vector<TColor> p(static_cast<std::size_t>(w * h));
    for (std::size_t i = 0; i < p.size(); ++i) p[i] = pixels[(i * 7 + i / 5) % pixels.size()];
    testing::TChartPicture pic("");
    pic.chart.SetBackImage(std::make_shared<const TPicture>(w, h, p));
    pic.chart.SetBackImageMode(pbmTile);
    const QImage& image = pic.Paint("back_image_tiled.png");
    // The top-left corner, away from the bevel, the title and the chart rectangle.
    for (int y = 2; y < 14; ++y)
      for (int x = 2; x < 40; ++x)
        ASSERT_EQ(image.pixel(x, y) | 0xFF000000u, testing::Rgb(p[static_cast<std::size_t>((y % h) * w + x % w)]))
            << x << "," << y;
  }
}

}  // namespace
}  // namespace platform

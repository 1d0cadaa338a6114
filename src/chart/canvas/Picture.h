// A picture held by the chart (background image, brush pattern): plain pixels, so the
// chart engine can keep one without knowing the toolkit's image type.
#pragma once

#include "chart/core/Color.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace chart {

class TPicture {
 public:
  TPicture() = default;
  // Pixels are explicit colours (0x00BBGGRR), row by row from the top-left corner.
  TPicture(int width, int height, std::vector<TColor> pixels)
      : FWidth(width > 0 ? width : 0), FHeight(height > 0 ? height : 0), FPixels(std::move(pixels)) {
    if (FPixels.size() != static_cast<std::size_t>(FWidth) * static_cast<std::size_t>(FHeight)) {
      FWidth = FHeight = 0;
      FPixels.clear();
    }
  }

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return FWidth == 0 || FHeight == 0; }
  TColor Pixel(int x, int y) const { return FPixels[static_cast<std::size_t>(y) * FWidth + x]; }
  const std::vector<TColor>& Pixels() const { return FPixels; }

 private:
  int FWidth = 0;
  int FHeight = 0;
  std::vector<TColor> FPixels;
};

}  // namespace chart

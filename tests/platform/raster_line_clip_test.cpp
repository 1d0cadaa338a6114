// A line clipped to a small window sets exactly the pixels that the same line sets there
// when nothing clips it: skipping the steps outside the window changes no pixel, for every
// direction, slope and dash pattern.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "platform/RasterLines.h"

namespace platform {
namespace {

TEST(RasterLineClip, WindowShowsWhatTheWholeLineSets) {
  constexpr int kReach = 1500, kSide = 2 * kReach + 200;
  std::vector<std::uint32_t> whole(static_cast<std::size_t>(kSide) * kSide), clipped(whole.size());
  auto target = [&](std::vector<std::uint32_t>& pixels, chart::TRect clip) {
    return TPixelTarget{pixels.data() + static_cast<std::ptrdiff_t>(kReach) * kSide + kReach, kSide, clip};
  };
  const chart::TRect window{100, 150, 400, 380};
  const TPixelTarget all = target(whole, {-kReach, -kReach, kSide - kReach, kSide - kReach});
  const TPixelTarget few = target(clipped, window);
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> coord(-kReach, kReach + 150);
  const chart::TPenStyle styles[] = {chart::psSolid, chart::psDash, chart::psDot, chart::psDashDot,
                                     chart::psDashDotDot};
  for (std::uint32_t line = 1; line <= 600; ++line) {
    const int x0 = coord(rng), y0 = coord(rng), x1 = coord(rng), y1 = coord(rng);
    const TLineStyle style{PenStyleRuns(styles[line % 5], false), line % 2 == 0, 0xFF000000u | (line * 7)};
    RasterLine(all, x0, y0, x1, y1, 0xFF000000u | line, chart::pmCopy, style);
    RasterLine(few, x0, y0, x1, y1, 0xFF000000u | line, chart::pmCopy, style);
  }
  int differing = 0, set = 0;
  for (int y = -kReach; y < kSide - kReach; ++y)
    for (int x = -kReach; x < kSide - kReach; ++x) {
      const std::size_t i = static_cast<std::size_t>(y + kReach) * kSide + static_cast<std::size_t>(x + kReach);
      const bool inside = x >= window.Left && x < window.Right && y >= window.Top && y < window.Bottom;
      if (inside) set += whole[i] != 0;
      differing += (inside ? whole[i] : 0u) != clipped[i];
    }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(set, 1000);  // the window was crossed by many lines
}

}  // namespace
}  // namespace platform

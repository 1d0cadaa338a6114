// A chain of connected segments handed over in one call draws exactly what its segments of
// some length draw one by one, whatever the pen, and leaves the pen at the chain's end.
#include "QtTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <tuple>
#include <vector>

namespace platform {
namespace {

using chart::TPoint;
using testing::TCanvasImage;

// Mostly short vertical steps inside few columns, with diagonal jumps, repeated points and
// points beyond the image.
std::vector<TPoint> Walk(int count, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> step(-5, 5), jump(0, 19);
  std::vector<TPoint> pts;
  int x = 2, y = 30;
  for (int i = 0; i < count; ++i) {
    if (jump(rng) == 0) x += step(rng);
    else if (i % 10 == 0) ++x;
    y = std::clamp(y + step(rng), -4, 64);
    x = std::clamp(x, -3, 83);
    pts.push_back({x, y});
  }
  return pts;
}

struct TPenCase {
  chart::TPenMode Mode;
  chart::TPenStyle Style;
  int Width;
};

QImage Draw(const TPenCase& pen, bool merge, bool asRun, const std::vector<TPoint>& pts, bool split = true) {
  TCanvasImage img(80, 60, qRgb(40, 90, 200));
  auto& d = *img.Device;
  d.SetMergeColumns(merge);
  d.IntersectClipRect({1, 2, 78, 57});
  d.Pen().SetColor(chart::clYellow);
  d.Pen().SetMode(pen.Mode);
  d.Pen().SetStyle(pen.Style);
  d.Pen().SetWidth(pen.Width);
  // Two runs back to back, as a series hands them over block by block.
  const std::size_t half = split ? pts.size() / 2 : pts.size() - 1;
  if (asRun) {
    d.LineRun(std::span<const TPoint>(pts.data(), half + 1));
    if (split) d.LineRun(std::span<const TPoint>(pts.data() + half, pts.size() - half));
  } else {
    for (std::size_t k = 1; k < pts.size(); ++k)
      if (pts[k - 1] != pts[k]) d.Line(pts[k - 1].X, pts[k - 1].Y, pts[k].X, pts[k].Y);
    d.MoveTo(pts.back().X, pts.back().Y);
  }
  EXPECT_EQ(d.PenPos(), pts.back());
  // A line in another colour after the run: a span still pending must not cover it.
  d.Pen().SetColor(chart::clRed);
  d.Pen().SetMode(chart::pmCopy);
  d.Line(0, 0, 79, 59);
  return img.Snapshot();
}

int Differing(const QImage& a, const QImage& b) {
  int differing = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
  return differing;
}

class LineRunDrawing : public ::testing::TestWithParam<std::tuple<TPenCase, bool>> {};

TEST_P(LineRunDrawing, MatchesDrawingEverySegment) {
  const auto& [pen, merge] = GetParam();
  for (unsigned seed : {1u, 2u, 3u}) {
    const auto pts = Walk(800, seed);
    EXPECT_EQ(Differing(Draw(pen, merge, true, pts), Draw(pen, merge, false, pts)), 0) << "seed " << seed;
  }
}

// Steps of no length at a column's new top or bottom, the chain ending on one, and a column
// entered again far from its pending span: rows the merging must not set. (The red line of
// Draw passes clear of the chain's last point.)
TEST_P(LineRunDrawing, MatchesDrawingEverySegmentAtColumnEnds) {
  const auto& [pen, merge] = GetParam();
  const std::vector<TPoint> pts = {{10, 20}, {10, 25}, {10, 25}, {10, 30}, {10, 30}, {10, 22}, {10, 15}, {10, 15},
                                   {11, 40}, {11, 41}, {11, 41}, {10, 50}, {10, 52}, {10, 52}, {10, 48}, {10, 48},
                                   {40, 5},  {40, 5},  {40, 9},  {40, 9}};
  EXPECT_EQ(Differing(Draw(pen, merge, true, pts), Draw(pen, merge, false, pts)), 0);
}

INSTANTIATE_TEST_SUITE_P(Pens, LineRunDrawing,
                         ::testing::Combine(::testing::Values(TPenCase{chart::pmCopy, chart::psSolid, 1},
                                                              TPenCase{chart::pmXor, chart::psSolid, 1},
                                                              TPenCase{chart::pmMask, chart::psSolid, 1},
                                                              TPenCase{chart::pmCopy, chart::psDot, 1},
                                                              TPenCase{chart::pmCopy, chart::psSolid, 3}),
                                            ::testing::Bool()));

// Whole chains in one column, handed over in one call: the last point is set only where an
// earlier step passes it, whether it ends on a new top or bottom, on a row met before, or
// after steps of no length. (Below the red line of Draw.)
TEST_P(LineRunDrawing, ChainsInOneColumnSetTheirLastPointOnlyWhenPassed) {
  const auto& [pen, merge] = GetParam();
  const std::vector<std::vector<TPoint>> chains = {
      {{20, 35}, {20, 39}, {20, 37}, {20, 41}},            {{21, 35}, {21, 41}, {21, 37}, {21, 41}},
      {{22, 35}, {22, 39}, {22, 37}, {22, 41}, {22, 41}},  {{23, 55}, {23, 50}, {23, 53}, {23, 45}, {23, 45}, {23, 45}},
      {{24, 35}, {24, 45}, {24, 40}},                      {{25, 35}, {25, 45}, {25, 35}, {25, 35}},
      {{26, 35}, {26, 35}, {26, 37}, {26, 37}, {26, 36}},  {{27, 35}, {27, 36}, {27, 34}, {27, 35}, {27, 33}}};
  for (const auto& chain : chains)
    EXPECT_EQ(Differing(Draw(pen, merge, true, chain, false), Draw(pen, merge, false, chain, false)), 0)
        << "column " << chain.front().X;
}

// Coordinates at the ends of the int range: clipped like any line, with no overflow on the
// way (the sanitizer build checks that).
TEST(LineRun, ExtremeCoordinatesDrawLikeTheirSegments) {
  const std::vector<TPoint> pts = {{5, 10}, {5, INT_MAX}, {5, INT_MIN}, {5, INT_MAX - 1}, {5, 7}, {5, 7}, {5, INT_MIN + 1}};
  const TPenCase pen{chart::pmCopy, chart::psSolid, 1};
  EXPECT_EQ(Differing(Draw(pen, true, true, pts), Draw(pen, true, false, pts)), 0);
}

TEST(LineRun, FewerThanTwoPointsDrawNothing) {
  TCanvasImage img(10, 10);
  auto& d = *img.Device;
  d.MoveTo(3, 4);
  d.LineRun({});
  const TPoint one[] = {{7, 7}};
  d.LineRun(one);
  EXPECT_EQ(d.PenPos(), (TPoint{3, 4}));
  EXPECT_TRUE(testing::Marked(img.Snapshot(), qRgb(255, 255, 255)).empty());
}

}  // namespace
}  // namespace platform

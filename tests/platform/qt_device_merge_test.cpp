// Segments merged within one pixel column give exactly the picture of drawing every
// segment on its own.
#include "QtTestSupport.h"
#include "chart/canvas/ZelCanvas3D.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace platform {
namespace {

using chart::TPoint;
using testing::TCanvasImage;

// A dense series: many points per column, as a line series of a million points issues them.
std::vector<TPoint> DenseSeries(int count, int left, int columns, int top, int height, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> jitter(-6, 6);
  std::vector<TPoint> pts;
  int y = top + height / 2;
  for (int i = 0; i < count; ++i) {
    y = std::clamp(y + jitter(rng), top - 5, top + height + 5);  // strays beyond the clip too
    pts.push_back({left + static_cast<int>(static_cast<long long>(i) * columns / count), y});
  }
  return pts;
}

void Background(QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb((x * 7) & 255, (y * 5) & 255, (x ^ y) & 255));
}

// Draws three series through the canvas, one segment per point (or as one connected line,
// as the fast line series does), changing colour and mode between them and clipping like a
// chart does.
QImage Draw(bool merge, chart::TPenMode mode, bool connected) {
  TCanvasImage img(120, 80);
  img.Device->Flush();
  Background(img.Image);
  img.Device->SetMergeColumns(merge);
  chart::TZelCanvas3D canvas;
  canvas.AttachDevice(*img.Device);
  canvas.ClipToCube({10, 10, 110, 70}, 0, 0);
  const chart::TColor colors[3] = {chart::clFuchsia, chart::clGreen, chart::clNavy};
  for (int s = 0; s < 3; ++s) {
    canvas.Pen().SetColor(colors[s]);
    canvas.Pen().SetMode(s == 1 ? mode : chart::pmCopy);
    const auto pts = DenseSeries(5000, 5, 110, 15, 50, 17u + s);
    if (connected) {
      canvas.MovePenTo(pts[0].X, pts[0].Y);
      for (std::size_t i = 1; i < pts.size(); ++i) canvas.LineToPoint(pts[i].X, pts[i].Y);
    } else {
      for (std::size_t i = 1; i < pts.size(); ++i) canvas.DrawSegment(pts[i - 1].X, pts[i - 1].Y, pts[i].X, pts[i].Y);
    }
  }
  canvas.RemoveClip();
  canvas.DrawSegment(0, 79, 119, 0);  // a plain line after the series
  // Merging happened: far fewer column spans than the 15000 segments drawn.
  if (merge) {
    EXPECT_GT(img.Device->ColumnSpans(), 0u);
    EXPECT_LT(img.Device->ColumnSpans(), 3000u);
  } else {
    EXPECT_EQ(img.Device->ColumnSpans(), 0u);
  }
  return img.Snapshot();
}

class ColumnMerging : public ::testing::TestWithParam<chart::TPenMode> {};

TEST_P(ColumnMerging, PictureIsIdenticalToDrawingEverySegment) {
  for (bool connected : {false, true}) {
    const QImage merged = Draw(true, GetParam(), connected);
    const QImage single = Draw(false, GetParam(), connected);
    ASSERT_EQ(merged.size(), single.size());
    int differing = 0;
    for (int y = 0; y < merged.height(); ++y)
      for (int x = 0; x < merged.width(); ++x) differing += merged.pixel(x, y) != single.pixel(x, y);
    EXPECT_EQ(differing, 0) << (connected ? "connected line" : "separate segments");
  }
}

INSTANTIATE_TEST_SUITE_P(IdempotentModes, ColumnMerging,
                         ::testing::Values(chart::pmCopy, chart::pmMerge, chart::pmMask, chart::pmNotCopy,
                                           chart::pmMaskNotPen, chart::pmWhite));

TEST(ColumnMergingLimits, XorAndStyledPensAreNeverMerged) {
  TCanvasImage img(20, 20);
  auto& d = *img.Device;
  d.Pen().SetMode(chart::pmXor);
  for (int i = 0; i < 10; ++i) {
    d.MoveTo(5, i);
    d.LineTo(5, i + 3);
  }
  d.Pen().SetMode(chart::pmCopy);
  d.Pen().SetStyle(chart::psDot);
  for (int i = 0; i < 10; ++i) {
    d.MoveTo(8, i);
    d.LineTo(8, i + 3);
  }
  EXPECT_EQ(d.ColumnSpans(), 0u);
  // Overlapping XOR segments cancel where they overlap an even number of times.
  EXPECT_EQ(img.At(5, 1), qRgb(255, 255, 255));
}

TEST(ColumnMergingLimits, PendingSpanIsWrittenBeforeAnythingThatCouldCoverIt) {
  TCanvasImage img(20, 20);
  auto& d = *img.Device;
  d.MoveTo(5, 2);
  d.LineTo(5, 12);
  d.MoveTo(5, 12);
  d.LineTo(5, 15);
  d.Brush().SetColor(chart::clRed);
  d.FillRect({0, 0, 20, 10});  // drawn after the line, so it covers the top of it
  EXPECT_EQ(img.At(5, 5), qRgb(255, 0, 0));
  EXPECT_EQ(img.At(5, 12), qRgb(0, 0, 0));
  EXPECT_EQ(img.At(5, 15), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace platform

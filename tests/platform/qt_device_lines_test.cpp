// Pixel conventions of the Qt device: lines, rectangles, raster modes, clipping, pen
// styles and hatched brushes.
#include "QtTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace platform {
namespace {

using chart::TPoint;
using testing::Marked;
using testing::TCanvasImage;

constexpr QRgb White = 0xFFFFFFFFu;
constexpr QRgb Black = 0xFF000000u;

struct LineCase {
  int X0, Y0, X1, Y1;
};

class LineEnds : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineEnds, SetsFromAUpToButNotIncludingB) {
  const LineCase c = GetParam();
  TCanvasImage img(24, 24);
  img.Device->MoveTo(c.X0, c.Y0);
  img.Device->LineTo(c.X1, c.Y1);
  const auto pixels = Marked(img.Snapshot(), White);
  EXPECT_TRUE(pixels.count({c.X0, c.Y0})) << "start pixel";
  EXPECT_FALSE(pixels.count({c.X1, c.Y1})) << "end pixel";
  const int steps = std::max(std::abs(c.X1 - c.X0), std::abs(c.Y1 - c.Y0));
  EXPECT_EQ(static_cast<int>(pixels.size()), steps);
  for (const auto& [x, y] : pixels) {
    EXPECT_GE(x, std::min(c.X0, c.X1));
    EXPECT_LE(x, std::max(c.X0, c.X1));
    EXPECT_GE(y, std::min(c.Y0, c.Y1));
    EXPECT_LE(y, std::max(c.Y0, c.Y1));
  }
  // The last pixel set is next to the end point.
  bool touchesEnd = false;
  for (const auto& [x, y] : pixels) touchesEnd |= std::abs(x - c.X1) <= 1 && std::abs(y - c.Y1) <= 1;
  EXPECT_TRUE(touchesEnd);
}

INSTANTIATE_TEST_SUITE_P(EveryDirection, LineEnds,
                         ::testing::Values(LineCase{10, 10, 10, 2}, LineCase{10, 10, 18, 10}, LineCase{10, 10, 10, 18},
                                           LineCase{10, 10, 2, 10}, LineCase{10, 10, 16, 13}, LineCase{10, 10, 4, 7},
                                           LineCase{10, 10, 13, 16}, LineCase{10, 10, 7, 4}, LineCase{10, 10, 17, 3},
                                           LineCase{10, 10, 3, 17}, LineCase{2, 20, 21, 1}));

TEST(QtDeviceLines, ZeroLengthLineSetsNothingAndPolylineLeavesItsLastPoint) {
  TCanvasImage img(10, 10);
  img.Device->MoveTo(4, 4);
  img.Device->LineTo(4, 4);
  EXPECT_TRUE(Marked(img.Snapshot(), White).empty());
  const TPoint pts[3] = {{1, 1}, {6, 1}, {6, 5}};
  img.Device->Polyline(pts);
  const auto pixels = Marked(img.Snapshot(), White);
  EXPECT_EQ(pixels.size(), 9u);
  EXPECT_TRUE(pixels.count({6, 1}));
  EXPECT_FALSE(pixels.count({6, 5}));
}

TEST(QtDevicePolygon, ACornerRepeatedInARowSetsItsPixelAsOnce) {
  // An area fill whose top meets its base repeats a corner; a fill one column wide is
  // its outline from top to base, both ends included.
  const std::vector<std::vector<TPoint>> shapes = {
      {{10, 20}, {10, 5}, {10, 20}, {10, 20}},
      {{3, 20}, {10, 5}, {17, 20}, {17, 20}},
      {{3, 20}, {3, 20}, {10, 5}, {10, 5}, {17, 20}},
  };
  for (const auto& shape : shapes) {
    std::vector<TPoint> once;
    for (const TPoint& p : shape)
      if (once.empty() || once.back() != p) once.push_back(p);
    TCanvasImage repeated(24, 24), single(24, 24);
    repeated.Device->Polygon(shape);
    single.Device->Polygon(once);
    EXPECT_EQ(Marked(repeated.Snapshot(), White), Marked(single.Snapshot(), White));
  }
  TCanvasImage column(24, 24);
  column.Device->Polygon(shapes[0]);
  EXPECT_EQ(Marked(column.Snapshot(), White).size(), 16u);  // rows 5 to 20
}

TEST(QtDevicePolygon, AShapeAfterAChangeOfStateDrawsAsOnAFreshDevice) {
  // The faces of a box change the brush alone between shapes; whatever changed, the next
  // shape shows the state of the moment.
  using Change = void (*)(QtDeviceSurface&);
  const Change changes[] = {
      [](QtDeviceSurface& d) { d.Brush().SetColor(chart::clGreen); },
      [](QtDeviceSurface& d) { d.Brush().SetStyle(chart::bsClear); },
      [](QtDeviceSurface& d) { d.Brush().SetColor(chart::clGreen), d.Pen().SetColor(chart::clBlue); },
      [](QtDeviceSurface& d) { d.Brush().SetColor(chart::clGreen), d.Pen().SetWidth(3); },
      [](QtDeviceSurface& d) { d.Brush().SetColor(chart::clGreen), d.Pen().SetStyle(chart::psClear); },
      [](QtDeviceSurface& d) { d.Brush().SetColor(chart::clGreen), d.Pen().SetMode(chart::pmNotXor); },
  };
  const std::vector<TPoint> first = {{2, 2}, {10, 2}, {10, 10}, {2, 10}}, second = {{14, 14}, {22, 14}, {22, 22}, {14, 22}};
  for (std::size_t k = 0; k < std::size(changes); ++k) {
    TCanvasImage drawn(26, 26), fresh(26, 26);
    for (TCanvasImage* img : {&drawn, &fresh}) {
      img->Device->Pen().SetColor(chart::clRed);
      img->Device->Brush().SetColor(chart::clYellow);
    }
    drawn.Device->Polygon(first);
    changes[k](*drawn.Device);
    drawn.Device->Polygon(second);
    changes[k](*fresh.Device);
    fresh.Device->Polygon(second);
    EXPECT_EQ(drawn.Snapshot().copy(12, 12, 14, 14), fresh.Snapshot().copy(12, 12, 14, 14)) << "change " << k;
  }
}

TEST(QtDeviceRectangle, CoversColumnsLeftToRightMinusOneWithOutlineAndFill) {
  for (bool reversed : {false, true}) {
    TCanvasImage img(12, 12);
    img.Device->Brush().SetColor(chart::clRed);
    if (reversed)
      img.Device->Rectangle(8, 7, 2, 3);
    else
      img.Device->Rectangle(2, 3, 8, 7);
    EXPECT_EQ(img.At(2, 3), Black);
    EXPECT_EQ(img.At(7, 3), Black);
    EXPECT_EQ(img.At(7, 6), Black);
    EXPECT_EQ(img.At(2, 6), Black);
    EXPECT_EQ(img.At(3, 4), qRgb(255, 0, 0));
    EXPECT_EQ(img.At(6, 5), qRgb(255, 0, 0));
    EXPECT_EQ(img.At(8, 3), White);
    EXPECT_EQ(img.At(2, 7), White);
    EXPECT_EQ(Marked(img.Snapshot(), White).size(), 6u * 4u);
  }
  TCanvasImage clear(12, 12);
  clear.Device->Pen().SetStyle(chart::psClear);
  clear.Device->Brush().SetColor(chart::clBlue);
  clear.Device->Rectangle(2, 3, 8, 7);
  EXPECT_EQ(clear.At(2, 3), qRgb(0, 0, 255));
  EXPECT_EQ(clear.At(7, 6), qRgb(0, 0, 255));
  EXPECT_EQ(Marked(clear.Snapshot(), White).size(), 6u * 4u);
}

// A background where every pixel differs, so raster operations show.
void Stripes(QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x * 13 % 256, y * 29 % 256, (x * y) % 256));
}

TEST(QtDeviceModes, NotXorTwiceRestoresEveryFigure) {
  TCanvasImage img(40, 40);
  img.Device->Flush();
  Stripes(img.Image);
  const QImage before = img.Snapshot();
  auto& d = *img.Device;
  d.Pen().SetMode(chart::pmNotXor);
  d.Pen().SetColor(chart::clRed);
  d.Brush().SetStyle(chart::bsClear);
  auto draw = [&] {
    d.Rectangle(3, 4, 30, 25);
    d.MoveTo(1, 38);
    d.LineTo(37, 2);
    const TPoint pts[4] = {{5, 5}, {20, 9}, {20, 30}, {8, 33}};
    d.Polyline(pts);
    d.Ellipse(10, 10, 35, 30);
    d.Rectangle(20, 20, 21, 35);  // one column wide
  };
  draw();
  EXPECT_NE(img.Snapshot(), before);
  draw();
  EXPECT_EQ(img.Snapshot(), before);
}

struct ModeCase {
  chart::TPenMode Mode;
  std::uint32_t (*Expected)(std::uint32_t P, std::uint32_t D);
};

class RasterModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(RasterModes, LinesAndFillsApplyTheOperation) {
  const QRgb D = qRgb(0x12, 0x34, 0x56);
  const chart::TColor P = chart::RGB(0xF0, 0x0F, 0x33);
  const std::uint32_t expected = (GetParam().Expected(qRgb(0xF0, 0x0F, 0x33), D) & 0xFFFFFFu) | 0xFF000000u;
  TCanvasImage img(12, 12, D);
  auto& d = *img.Device;
  d.Pen().SetMode(GetParam().Mode);
  d.Pen().SetColor(P);
  d.MoveTo(0, 0);
  d.LineTo(5, 0);
  EXPECT_EQ(img.At(2, 0), expected) << "thin line";
  d.Pen().SetWidth(3);
  d.MoveTo(2, 9);
  d.LineTo(9, 9);
  EXPECT_EQ(img.At(5, 9), expected) << "wide line";
  d.Pen().SetWidth(1);
  d.Pen().SetStyle(chart::psClear);
  d.Brush().SetColor(P);
  d.Rectangle(0, 3, 6, 7);
  EXPECT_EQ(img.At(3, 5), expected) << "brush fill";
}

INSTANTIATE_TEST_SUITE_P(
    AllSixteen, RasterModes,
    ::testing::Values(ModeCase{chart::pmBlack, [](std::uint32_t, std::uint32_t) { return 0u; }},
                      ModeCase{chart::pmWhite, [](std::uint32_t, std::uint32_t) { return ~0u; }},
                      ModeCase{chart::pmNop, [](std::uint32_t, std::uint32_t d) { return d; }},
                      ModeCase{chart::pmNot, [](std::uint32_t, std::uint32_t d) { return ~d; }},
                      ModeCase{chart::pmCopy, [](std::uint32_t p, std::uint32_t) { return p; }},
                      ModeCase{chart::pmNotCopy, [](std::uint32_t p, std::uint32_t) { return ~p; }},
                      ModeCase{chart::pmMergePenNot, [](std::uint32_t p, std::uint32_t d) { return p | ~d; }},
                      ModeCase{chart::pmMaskPenNot, [](std::uint32_t p, std::uint32_t d) { return p & ~d; }},
                      ModeCase{chart::pmMergeNotPen, [](std::uint32_t p, std::uint32_t d) { return ~p | d; }},
                      ModeCase{chart::pmMaskNotPen, [](std::uint32_t p, std::uint32_t d) { return ~p & d; }},
                      ModeCase{chart::pmMerge, [](std::uint32_t p, std::uint32_t d) { return p | d; }},
                      ModeCase{chart::pmNotMerge, [](std::uint32_t p, std::uint32_t d) { return ~(p | d); }},
                      ModeCase{chart::pmMask, [](std::uint32_t p, std::uint32_t d) { return p & d; }},
                      ModeCase{chart::pmNotMask, [](std::uint32_t p, std::uint32_t d) { return ~(p & d); }},
                      ModeCase{chart::pmXor, [](std::uint32_t p, std::uint32_t d) { return p ^ d; }},
                      ModeCase{chart::pmNotXor, [](std::uint32_t p, std::uint32_t d) { return ~(p ^ d); }}));

TEST(QtDeviceClip, NothingIsDrawnOutsideTheIntersectionOfClipRectangles) {
  TCanvasImage img(30, 30);
  auto& d = *img.Device;
  d.IntersectClipRect({5, 5, 25, 25});
  d.IntersectClipRect({0, 10, 20, 30});  // now columns 5..19, rows 10..24
  d.Brush().SetColor(chart::clRed);
  d.FillRect({0, 0, 30, 30});
  d.MoveTo(0, 15);
  d.LineTo(30, 15);
  d.MoveTo(12, 0);
  d.LineTo(12, 30);
  d.SetPixel(2, 2, chart::clBlue);
  d.Font().SetSize(20);
  d.SetTextBackMode(chart::TRANSPARENT);
  d.TextOut(0, 0, "WWWW");
  for (const auto& [x, y] : Marked(img.Snapshot(), White)) {
    EXPECT_GE(x, 5);
    EXPECT_LT(x, 20);
    EXPECT_GE(y, 10);
    EXPECT_LT(y, 25);
  }
  EXPECT_EQ(Marked(img.Snapshot(), White).size(), 15u * 15u);
  d.RemoveClip();
  d.SetPixel(2, 2, chart::clBlue);
  EXPECT_EQ(img.At(2, 2), qRgb(0, 0, 255));
}

TEST(QtDevicePens, DashPatternsAlternatePixelsAndOpaqueGaps) {
  TCanvasImage img(40, 6);
  auto& d = *img.Device;
  d.SetTextBackMode(chart::TRANSPARENT);
  d.Pen().SetStyle(chart::psDot);
  d.MoveTo(0, 0);
  d.LineTo(12, 0);
  for (int x = 0; x < 12; ++x) EXPECT_EQ(img.At(x, 0) == Black, (x / 3) % 2 == 0) << "dot pixel " << x;
  d.Pen().SetStyle(chart::psSolid);
  d.Pen().SetAlternate(true);
  d.MoveTo(0, 2);
  d.LineTo(10, 2);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(img.At(x, 2) == Black, x % 2 == 0) << "alternate pixel " << x;
  d.Pen().SetAlternate(false);
  d.Pen().SetStyle(chart::psDash);
  d.SetTextBackMode(chart::OPAQUE);
  d.SetTextBackColor(chart::clRed);
  d.MoveTo(0, 4);
  d.LineTo(30, 4);
  EXPECT_EQ(img.At(17, 4), Black);
  EXPECT_EQ(img.At(18, 4), qRgb(255, 0, 0)) << "gap in the background colour";
  EXPECT_EQ(img.At(24, 4), Black);
  d.Pen().SetStyle(chart::psClear);
  d.MoveTo(0, 5);
  d.LineTo(30, 5);
  EXPECT_EQ(img.At(3, 5), White);
}

TEST(QtDeviceBrushes, HatchesRepeatEveryEightPixelsWithOpaqueOrTransparentGaps) {
  for (int opaque = 0; opaque < 2; ++opaque) {
    TCanvasImage img(16, 16);
    auto& d = *img.Device;
    d.SetTextBackMode(opaque ? chart::OPAQUE : chart::TRANSPARENT);
    d.SetTextBackColor(chart::clRed);
    d.Brush().SetColor(chart::clBlack);
    d.Brush().SetStyle(chart::bsHorizontal);
    d.FillRect({0, 0, 16, 16});
    int lineRows = 0;
    for (int y = 0; y < 16; ++y) {
      const bool line = img.At(0, y) == Black;
      lineRows += line;
      for (int x = 1; x < 16; ++x) ASSERT_EQ(img.At(x, y) == Black, line) << "rows are uniform";
      if (line) {
        EXPECT_EQ(img.At(0, (y + 8) % 16), Black) << "period 8";
      } else {
        EXPECT_EQ(img.At(0, y), opaque ? qRgb(255, 0, 0) : White);
      }
    }
    EXPECT_EQ(lineRows, 2);
  }
  TCanvasImage cross(16, 16);
  cross.Device->Brush().SetColor(chart::clBlack);
  cross.Device->Brush().SetStyle(chart::bsCross);
  cross.Device->SetTextBackMode(chart::TRANSPARENT);
  cross.Device->FillRect({0, 0, 16, 16});
  EXPECT_EQ(Marked(cross.Snapshot(), White).size(), 2u * 16 + 2 * 16 - 4);
}

}  // namespace
}  // namespace platform

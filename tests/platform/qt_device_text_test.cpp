// Text on the Qt device: font resolution, measuring, reference points and rotation.
#include "QtTestSupport.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace platform {
namespace {

using testing::InkBox;
using testing::TBox;
using testing::TCanvasImage;

constexpr QRgb White = 0xFFFFFFFFu;

TEST(QtDeviceText, ArialResolvesToLiberationSansAtThePixelHeightOfItsPointSize) {
  TCanvasImage img(10, 10);
  img.Device->Font().SetName("Arial");
  img.Device->Font().SetSize(8);
  const QFont font = img.Device->CurrentQFont();
  EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(font.pixelSize(), 11);  // 8 points at 96 pixels per inch
  const chart::TSize w = img.Device->TextExtent("W");
  const chart::TSize ww = img.Device->TextExtent("WW");
  EXPECT_GT(w.Width, 0);
  EXPECT_EQ(ww.Width, 2 * w.Width);
  EXPECT_EQ(w.Height, QFontMetrics(font).ascent() + QFontMetrics(font).descent());
  EXPECT_EQ(img.Device->TextExtent("").Width, 0);
}

// Ink box of "HW" drawn at (60, 40) with the given alignment.
TBox Ink(unsigned align, int* width = nullptr, int* ascent = nullptr, int* height = nullptr) {
  TCanvasImage img(140, 90);
  auto& d = *img.Device;
  d.Font().SetSize(12);
  d.Font().SetColor(chart::clBlack);
  d.SetTextBackMode(chart::TRANSPARENT);
  d.SetTextAlign(align);
  d.TextOut(60, 40, "HW");
  // The metrics the device itself measures with, at the image's resolution.
  const QFontMetrics fm(d.CurrentQFont(), &img.Image);
  if (width) *width = d.TextExtent("HW").Width;
  if (ascent) *ascent = fm.ascent();
  if (height) *height = d.TextExtent("HW").Height;
  return InkBox(img.Snapshot(), White);
}

TEST(QtDeviceText, AlignmentFlagsNameTheReferencePointOfTheTextBox) {
  int width = 0, ascent = 0, height = 0;
  const TBox leftTop = Ink(chart::TA_LEFT | chart::TA_TOP, &width, &ascent, &height);
  ASSERT_FALSE(leftTop.Empty());
  EXPECT_GE(leftTop.Left, 60);
  EXPECT_LE(leftTop.Left, 62);
  EXPECT_GE(leftTop.Top, 40);
  EXPECT_LT(leftTop.Bottom, 40 + height);

  // Right and top: the text's top-right corner is at the point.
  const TBox rightTop = Ink(chart::TA_RIGHT | chart::TA_TOP);
  EXPECT_EQ(rightTop.Left, leftTop.Left - width);
  EXPECT_EQ(rightTop.Right, leftTop.Right - width);
  EXPECT_LT(rightTop.Right, 60);
  EXPECT_EQ(rightTop.Top, leftTop.Top);

  const TBox centre = Ink(chart::TA_CENTER | chart::TA_TOP);
  EXPECT_EQ(centre.Left, leftTop.Left - width / 2);

  const TBox bottom = Ink(chart::TA_LEFT | chart::TA_BOTTOM);
  EXPECT_EQ(bottom.Top, leftTop.Top - height);
  EXPECT_LT(bottom.Bottom, 40);

  const TBox baseline = Ink(chart::TA_LEFT | chart::TA_BASELINE);
  EXPECT_EQ(baseline.Top, leftTop.Top - ascent);
  EXPECT_EQ(baseline.Bottom, 39) << "capitals sit on the baseline";
}

TEST(QtDeviceText, OpaqueBackgroundFillsExactlyTheTextBox) {
  TCanvasImage img(100, 40);
  auto& d = *img.Device;
  d.SetTextBackMode(chart::OPAQUE);
  d.SetTextBackColor(chart::clRed);
  d.TextOut(10, 5, "Ab");
  const chart::TSize size = d.TextExtent("Ab");
  const TBox box = InkBox(img.Snapshot(), White);
  EXPECT_EQ(box.Left, 10);
  EXPECT_EQ(box.Top, 5);
  EXPECT_EQ(box.Right, 10 + size.Width - 1);
  EXPECT_EQ(box.Bottom, 5 + size.Height - 1);
  EXPECT_EQ(img.At(10, 5), qRgb(255, 0, 0));
}

TEST(QtDeviceText, RotationTurnsTheTextCounterClockwiseAboutTheReferencePoint) {
  TCanvasImage img(80, 120);
  auto& d = *img.Device;
  d.SetTextBackMode(chart::TRANSPARENT);
  d.Font().SetSize(10);
  d.Font().SetOrientation(900);
  d.TextOut(40, 100, "WWWW");
  const TBox box = InkBox(img.Snapshot(), White);
  ASSERT_FALSE(box.Empty());
  EXPECT_GT(box.Bottom - box.Top, 2 * (box.Right - box.Left)) << "runs upwards";
  EXPECT_LE(box.Bottom, 100);
  EXPECT_GE(box.Left, 40);
  EXPECT_LE(box.Right, 40 + d.TextExtent("W").Height);
}

}  // namespace
}  // namespace platform

// Interface colours through the application palette, off-screen bitmaps and the canvas's
// paint cycle on the Qt device, and the platform services.
#include "QtTestSupport.h"
#include "chart/canvas/ZelCanvas3D.h"
#include "platform/QtPlatformServices.h"
#include "platform/QtSystemColors.h"

#include <QLocale>
#include <QPalette>

#include <gtest/gtest.h>

namespace platform {
namespace {

using testing::TCanvasImage;

TEST(QtSystemColors, FollowThePaletteAtTheMomentOfTheCall) {
  TCanvasImage img(10, 10);
  chart::TZelCanvas3D canvas;
  canvas.AttachDevice(*img.Device);
  const QPalette original = QGuiApplication::palette();

  QPalette p = original;
  p.setColor(QPalette::Button, QColor(10, 20, 30));
  p.setColor(QPalette::Dark, QColor(1, 2, 3));
  QGuiApplication::setPalette(p);
  EXPECT_EQ(canvas.ResolveColor(chart::clBtnFace), chart::RGB(10, 20, 30));
  EXPECT_EQ(canvas.ResolveColor(chart::clBtnShadow), chart::RGB(1, 2, 3));
  canvas.Brush().SetColor(chart::clBtnFace);
  canvas.FillRectangle({0, 0, 5, 5});
  EXPECT_EQ(img.At(2, 2), qRgb(10, 20, 30));

  p.setColor(QPalette::Button, QColor(200, 100, 50));
  QGuiApplication::setPalette(p);
  EXPECT_EQ(canvas.ResolveColor(chart::clBtnFace), chart::RGB(200, 100, 50));
  canvas.FillRectangle({0, 0, 5, 5});
  EXPECT_EQ(img.At(2, 2), qRgb(200, 100, 50)) << "a brush in a system colour is resolved when it draws";
  canvas.Pen().SetColor(chart::clBtnFace);
  canvas.DrawHorizontalLine(0, 9, 8);
  EXPECT_EQ(img.At(4, 8), qRgb(200, 100, 50));

  EXPECT_EQ(canvas.ResolveColor(0x0000FF00), 0x0000FF00u);
  QGuiApplication::setPalette(original);
}

TEST(QtDeviceBitmaps, CopyPlacesTheBitmapAndMonochromeKeepsTwoColours) {
  TCanvasImage window(50, 40);
  auto bitmap = window.Device->CreateBitmap(10, 8, false);
  bitmap->Surface().Brush().SetColor(chart::clRed);
  bitmap->Surface().FillRect({0, 0, 10, 8});
  bitmap->Surface().SetPixel(0, 0, chart::clBlue);
  window.Device->DrawBitmap(5, 6, *bitmap);
  EXPECT_EQ(window.At(5, 6), qRgb(0, 0, 255));
  EXPECT_EQ(window.At(14, 13), qRgb(255, 0, 0));
  EXPECT_EQ(window.At(15, 13), qRgb(255, 255, 255));
  EXPECT_EQ(window.At(14, 14), qRgb(255, 255, 255));

  auto mono = window.Device->CreateBitmap(4, 1, true);
  EXPECT_TRUE(mono->Monochrome());
  mono->Surface().SetPixel(0, 0, chart::RGB(40, 40, 40));
  mono->Surface().SetPixel(1, 0, chart::RGB(220, 220, 220));
  window.Device->DrawBitmap(0, 30, *mono);
  EXPECT_EQ(window.At(0, 30), qRgb(0, 0, 0));
  EXPECT_EQ(window.At(1, 30), qRgb(255, 255, 255));
}

TEST(QtDeviceBitmaps, CanvasPaintCyclePresentsAndRepaintsFromTheBuffer) {
  TCanvasImage window(60, 50);
  chart::TZelCanvas3D canvas;
  canvas.AttachDevice(*window.Device);
  const chart::TRect bounds = canvas.BeginDrawing(*window.Device, nullptr, chart::clBtnFace, false, {10, 5, 40, 25});
  EXPECT_EQ(bounds, (chart::TRect{0, 0, 30, 20}));
  canvas.Brush().SetColor(chart::clGreen);
  canvas.FillRectangle(bounds);
  EXPECT_EQ(window.At(20, 10), qRgb(255, 255, 255)) << "nothing reaches the window before the present";
  canvas.PresentBuffer(*window.Device, *window.Device, {10, 5, 40, 25});
  EXPECT_EQ(window.At(10, 5), qRgb(0, 128, 0));
  EXPECT_EQ(window.At(39, 24), qRgb(0, 128, 0));
  EXPECT_EQ(window.At(40, 24), qRgb(255, 255, 255));
  // Zoom-rectangle style drawing between paints goes to the window only.
  canvas.Pen().SetMode(chart::pmNotXor);
  canvas.DrawRectangle(0, 0, 5, 5);
  canvas.DrawRectangle(0, 0, 5, 5);
  EXPECT_TRUE(canvas.RepaintFromBuffer());
  EXPECT_EQ(window.At(0, 0), qRgb(0, 128, 0)) << "the buffer lands at (0, 0) of the current surface";
}

TEST(QtPlatformServices, LocaleLanguageFontAndScreen) {
  testing::EnsureQtApp();
  QtPlatformServices services;
  EXPECT_EQ(PrimaryLanguageOf(QLocale::Japanese), chart::LANG_JAPANESE);
  EXPECT_EQ(PrimaryLanguageOf(QLocale::English), 9);
  EXPECT_EQ(PrimaryLanguageOf(QLocale::Esperanto), 0);
  EXPECT_FALSE(services.DecimalSeparator().empty());
  EXPECT_NE(services.DecimalSeparator(), services.ThousandSeparator());
  EXPECT_FALSE(services.ShortDateFormat().empty());
  EXPECT_FALSE(services.ShortTimeFormat().empty());
  EXPECT_FALSE(services.DefaultFontName().empty());
  EXPECT_LT(services.DefaultFontHeight(), 0);
  EXPECT_GT(services.ScreenWidthPixels(), 0);
  EXPECT_GT(services.ScreenHeightPixels(), 0);
  EXPECT_GT(services.ScreenPixelsPerInchY(), 0);
  EXPECT_EQ(services.SystemColor(15), QtSystemColor(15));
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

TEST(QtDeviceBitmaps, AnEmptyBitmapTakesEveryOperationAndDrawsNothing) {
  testing::EnsureQtApp();
  QtDeviceBitmap empty(0, 7, false);
  EXPECT_EQ(empty.Width(), 0);
  EXPECT_EQ(empty.Height(), 7) << "the size asked for, so the canvas reuses it";
  auto& d = empty.Surface();
  d.MoveTo(0, 0);
  d.LineTo(5, 5);
  d.Line(1, 1, 1, 9);
  d.Rectangle(0, 0, 4, 4);
  d.FillRect({0, 0, 3, 3});
  d.SetPixel(0, 0, chart::clRed);
  d.IntersectClipRect({0, 0, 2, 2});
  d.TextOut(0, 0, "x");
  d.RemoveClip();
  EXPECT_GT(d.TextExtent("W").Width, 0) << "measuring needs no pixels";
  TCanvasImage window(5, 5);
  window.Device->DrawBitmap(0, 0, empty);
  EXPECT_EQ(window.At(0, 0), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

TEST(QtDeviceBitmaps, BuffersTakeTheResolutionOfTheirSurfaceSoFontsMeasureAlike) {
  testing::EnsureQtApp();
  QImage window(20, 20, QImage::Format_RGB32);
  window.setDotsPerMeterX(5669);  // 144 pixels per inch
  window.setDotsPerMeterY(5669);
  QtDeviceSurface surface(window);
  auto buffer = surface.CreateBitmap(10, 10, false);
  EXPECT_EQ(surface.PixelsPerInch(), 144);
  EXPECT_EQ(buffer->Surface().PixelsPerInch(), 144);
  buffer->Surface().Font().SetSize(8);
  EXPECT_EQ(buffer->Surface().Font().Height(), -16);
  surface.Font().SetSize(8);
  EXPECT_EQ(buffer->Surface().TextExtent("Wg"), surface.TextExtent("Wg"));
}

}  // namespace
}  // namespace platform

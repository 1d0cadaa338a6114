// Shared by the Qt device tests: the application object and small pixel helpers.
#pragma once

#include "platform/QtChartHostBase.h"
#include "platform/QtDeviceSurface.h"

#include <QApplication>
#include <QImage>

#include <memory>
#include <set>
#include <utility>

namespace platform::testing {

// One application for the whole test program (fonts and the palette need it), on the
// offscreen platform unless the environment chose one.
inline void EnsureQtApp() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "platform_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);  // lives until the process ends
  (void)app;
}

// An image and a device surface painting on it.
struct TCanvasImage {
  // The application comes first: an image made before it gets another default resolution.
  explicit TCanvasImage(int w, int h, QRgb fill = qRgb(255, 255, 255))
      : Image((EnsureQtApp(), QImage(w, h, QImage::Format_RGB32))) {
    Image.fill(fill);
    Device = std::make_unique<QtDeviceSurface>(Image);
  }
  QRgb At(int x, int y) { return Device->Image().pixel(x, y) | 0xFF000000u; }
  QImage Snapshot() { return Device->Image().copy(); }

  QImage Image;
  std::unique_ptr<QtDeviceSurface> Device;
};

// A host without a window: the chart paints into an image.
class TImageHost : public QtChartHostBase {
 public:
  TImageHost(int width, int height, QRgb fill)
      : FImage((EnsureQtApp(), QImage(width, height, QImage::Format_RGB32))) {
    FImage.fill(fill);
    FSurface = std::make_unique<QtDeviceSurface>(FImage);
  }
  const QImage& Image() { return FSurface->Image(); }
  chart::TRect ClientRect() const override { return {0, 0, FImage.width(), FImage.height()}; }
  void Invalidate() override {}
  void RepaintNow() override {}
  void SetCursor(chart::TCursor) override {}
  chart::TDeviceSurface& WindowSurface() override { return *FSurface; }

 private:
  QImage FImage;
  std::unique_ptr<QtDeviceSurface> FSurface;
};

// Pixels that differ from `background`.
inline std::set<std::pair<int, int>> Marked(const QImage& image, QRgb background) {
  std::set<std::pair<int, int>> out;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFFu) != (background & 0xFFFFFFu)) out.insert({x, y});
  return out;
}

struct TBox {
  int Left = 0, Top = 0, Right = -1, Bottom = -1;  // inclusive
  bool Empty() const { return Right < Left; }
};

inline TBox InkBox(const QImage& image, QRgb background) {
  TBox b{image.width(), image.height(), -1, -1};
  for (const auto& [x, y] : Marked(image, background)) {
    b.Left = std::min(b.Left, x);
    b.Top = std::min(b.Top, y);
    b.Right = std::max(b.Right, x);
    b.Bottom = std::max(b.Bottom, y);
  }
  return b;
}

}  // namespace platform::testing

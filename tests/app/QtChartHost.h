// A chart host over Qt without a window: the chart paints into an image through the Qt
// device surface, with the platform services of the running Qt application. Used by the
// app tests (offscreen platform) and the demo benchmark.
#pragma once

#include <QApplication>
#include <QImage>

#include <memory>

#include "chart/core/ChartHost.h"
#include "platform/QtDeviceSurface.h"
#include "platform/QtChartHostBase.h"

namespace demo::testing {

// One application for the whole program (fonts and the palette need it), on the offscreen
// platform unless the environment chose one.
inline void EnsureQtApp() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "demo";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);  // lives until the process ends
  (void)app;
}

class TQtImageHost : public platform::QtChartHostBase {
 public:
  TQtImageHost(int width, int height) : FImage(width, height, QImage::Format_RGB32) {
    EnsureQtApp();
    FImage.fill(Qt::black);
    FSurface = std::make_unique<platform::QtDeviceSurface>(FImage);
  }

  // What the window shows after the last paint.
  const QImage& Image() { return FSurface->Image(); }

  chart::TRect ClientRect() const override { return {0, 0, FImage.width(), FImage.height()}; }
  void Invalidate() override { ++Invalidations; }
  void RepaintNow() override {}
  void SetCursor(chart::TCursor) override {}
  chart::TDeviceSurface& WindowSurface() override { return *FSurface; }

  int Invalidations = 0;

 private:
  QImage FImage;
  std::unique_ptr<platform::QtDeviceSurface> FSurface;
};

}  // namespace demo::testing

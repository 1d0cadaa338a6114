// The window that shows a chart. It keeps the picture the window shows in an image (the
// window surface): a paint of the chart presents its buffer there, and drawing between
// paints (the zoom rubber band in NOT-XOR) goes there as well; Qt's paint event only
// copies that image to the screen. Mouse and wheel events go to the chart. On a screen with
// a device pixel ratio above 1 the image has the screen's pixels, the chart its logical ones.
#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

#include "chart/core/ChartHost.h"
#include "chart/panel/CustomChart.h"
#include "platform/QtDeviceSurface.h"
#include "platform/QtChartHostBase.h"

namespace platform {

class ChartWidget : public QWidget, public QtChartHostBase {
  Q_OBJECT

 public:
  // The chart is not owned; it must outlive the widget or be shown elsewhere first.
  explicit ChartWidget(chart::TCustomChart& chart, QWidget* parent = nullptr);
  ~ChartWidget() override;

  chart::TCustomChart& Chart() const { return FChart; }
  // What the window shows now (after the last paint and any rubber band since), in the
  // screen's pixels.
  const QImage& WindowImage() { return FSurface->Image(); }
  // Paint events that ran the chart's paint entry.
  int ChartPaints() const { return FChartPaints; }

  // --- the chart host -------------------------------------------------------------------
  chart::TRect ClientRect() const override { return {0, 0, width(), height()}; }
  void Invalidate() override;
  void RepaintNow() override;
  void SetCursor(chart::TCursor cursor) override;
  chart::TDeviceSurface& WindowSurface() override { return *FSurface; }
  // Shows the window surface again without painting the chart.
  void WindowSurfaceDrawn() override { update(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;
  // Arrow keys belong to the chart while it has the focus: neither window shortcuts nor
  // the parent widgets get them. The chart itself does nothing with keys.
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  // A window surface of the widget's size; the chart's canvas moves over to it.
  void CreateWindowSurface();
  // Shows a rubber band drawn (or erased) since the last paint event.
  void ShowBandChanges(bool bandBefore);

  chart::TCustomChart& FChart;
  std::unique_ptr<QImage> FImage;
  std::unique_ptr<QtDeviceSurface> FSurface;
  bool FPaintPending = true;
  int FChartPaints = 0;
  int FWheelRemainder = 0;
};

// Modifier keys and held buttons of a Qt input event as the chart's shift state.
chart::TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

}  // namespace platform

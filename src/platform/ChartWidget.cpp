#include "platform/ChartWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

#include "chart/registry/ScreenCursors.h"

namespace platform {

using chart::TCursor;
using chart::TMouseButton;
using chart::TShiftState;

namespace {

bool ChartButton(Qt::MouseButton button, TMouseButton& out) {
  switch (button) {
    case Qt::LeftButton: out = chart::mbLeft; return true;
    case Qt::RightButton: out = chart::mbRight; return true;
    case Qt::MiddleButton: out = chart::mbMiddle; return true;
    default: return false;
  }
}

Qt::CursorShape QtCursorOf(TCursor cursor) {
  switch (cursor) {
    case chart::crCross: return Qt::CrossCursor;
    case chart::crSizeAll: return Qt::SizeAllCursor;
    case chart::crHandPoint: return Qt::PointingHandCursor;
    default: return Qt::ArrowCursor;
  }
}

bool IsArrowKey(int key) {
  return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

// One wheel notch, as Qt reports angles.
constexpr int WheelNotch = 120;

}  // namespace

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState s = 0;
  if (modifiers & Qt::ShiftModifier) s |= chart::ssShift;
  if (modifiers & Qt::AltModifier) s |= chart::ssAlt;
  if (modifiers & Qt::ControlModifier) s |= chart::ssCtrl;
  if (buttons & Qt::LeftButton) s |= chart::ssLeft;
  if (buttons & Qt::RightButton) s |= chart::ssRight;
  if (buttons & Qt::MiddleButton) s |= chart::ssMiddle;
  return s;
}

ChartWidget::ChartWidget(chart::TCustomChart& chart, QWidget* parent) : QWidget(parent), FChart(chart) {
  // Every paint covers the whole widget: Qt must not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  // Moves without a button pressed still reach the chart (series cursors).
  setMouseTracking(true);
  // A click gives the chart the focus, and with it the arrow keys.
  setFocusPolicy(Qt::ClickFocus);
  resize(chart.Width(), chart.Height());
  CreateWindowSurface();
}

ChartWidget::~ChartWidget() {
  // The chart may live on: it must not draw on a surface that is going away.
  FChart.SetHost(nullptr);
}

void ChartWidget::CreateWindowSurface() {
  // On a high-density screen the surface has the screen's pixels and the chart draws on
  // them in its own (logical) pixels: text and lines at the screen's resolution.
  const qreal ratio = devicePixelRatioF();
  const QSize logical(std::max(1, width()), std::max(1, height()));
  const QSize pixels = ratio == 1.0 ? logical
                                    : QSize(static_cast<int>(std::ceil(logical.width() * ratio)),
                                            static_cast<int>(std::ceil(logical.height() * ratio)));
  auto image = std::make_unique<QImage>(pixels, QImage::Format_RGB32);
  image->setDevicePixelRatio(ratio);
  image->fill(palette().color(QPalette::Window));
  auto surface = std::make_unique<QtDeviceSurface>(*image);
  // The chart re-attaches its canvas to the new surface before the old one goes.
  std::swap(FImage, image);
  std::swap(FSurface, surface);
  FChart.SetHost(this);
  surface.reset();
  image.reset();
}

void ChartWidget::Invalidate() {
  FPaintPending = true;
  update();
}

void ChartWidget::RepaintNow() {
  FPaintPending = true;
  repaint();
}

void ChartWidget::SetCursor(TCursor cursor) {
  // Numbers installed at run time (the engine's hand) show the stock shape they stand for.
  cursor = chart::ScreenCursor(cursor);
  if (cursor == chart::crDefault)
    unsetCursor();
  else
    setCursor(QtCursorOf(cursor));
}

void ChartWidget::paintEvent(QPaintEvent* event) {
  // The window moved to a screen of another density.
  if (FImage->devicePixelRatio() != devicePixelRatioF()) CreateWindowSurface();
  if (FPaintPending) {
    FPaintPending = false;
    ++FChartPaints;
    FChart.Paint();
  }
  QPainter painter(this);
  const QRect r = event->rect();
  const qreal ratio = FImage->devicePixelRatio();
  painter.drawImage(QRectF(r), FSurface->Image(), QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
}

void ChartWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The surface is never smaller than 1 x 1, so its size alone does not tell whether the
  // chart already has the widget's size (0 x 0 -> 1 x 1).
  if (FImage && FImage->deviceIndependentSize() == QSizeF(size()) && FChart.Width() == width() &&
      FChart.Height() == height())
    return;
  FChart.SetWidth(width());
  FChart.SetHeight(height());
  CreateWindowSurface();  // SetHost invalidates the chart: the old buffer has the old size
}

void ChartWidget::ShowBandChanges(bool bandBefore) {
  if (bandBefore || FChart.ZoomRectangleActive()) update();
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ChartButton(event->button(), button)) return;
  const bool band = FChart.ZoomRectangleActive();
  const QPoint p = event->position().toPoint();
  FChart.MouseDown(button, ShiftStateOf(event->modifiers(), event->buttons()), p.x(), p.y());
  ShowBandChanges(band);
}

void ChartWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ChartButton(event->button(), button)) return;
  const bool band = FChart.ZoomRectangleActive();
  const QPoint p = event->position().toPoint();
  FChart.MouseDown(button, ShiftStateOf(event->modifiers(), event->buttons()) | chart::ssDouble, p.x(), p.y());
  ShowBandChanges(band);
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
  const bool band = FChart.ZoomRectangleActive();
  const QPoint p = event->position().toPoint();
  FChart.MouseMove(ShiftStateOf(event->modifiers(), event->buttons()), p.x(), p.y());
  ShowBandChanges(band);
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ChartButton(event->button(), button)) return;
  const bool band = FChart.ZoomRectangleActive();
  const QPoint p = event->position().toPoint();
  FChart.MouseUp(button, ShiftStateOf(event->modifiers(), event->buttons()), p.x(), p.y());
  ShowBandChanges(band);
}

void ChartWidget::wheelEvent(QWheelEvent* event) {
  // Whole notches only; fine-grained wheels add up until they make one.
  FWheelRemainder += event->angleDelta().y();
  const QPoint p = event->position().toPoint();
  const TShiftState shift = ShiftStateOf(event->modifiers(), event->buttons());
  while (FWheelRemainder >= WheelNotch) {
    FWheelRemainder -= WheelNotch;
    FChart.MouseWheelUp(shift, {p.x(), p.y()});
  }
  while (FWheelRemainder <= -WheelNotch) {
    FWheelRemainder += WheelNotch;
    FChart.MouseWheelDown(shift, {p.x(), p.y()});
  }
  event->accept();
}

bool ChartWidget::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && IsArrowKey(static_cast<QKeyEvent*>(event)->key())) {
    event->accept();
    return true;
  }
  return QWidget::event(event);
}

void ChartWidget::keyPressEvent(QKeyEvent* event) {
  if (IsArrowKey(event->key())) event->accept();
  else QWidget::keyPressEvent(event);
}

void ChartWidget::keyReleaseEvent(QKeyEvent* event) {
  if (IsArrowKey(event->key())) event->accept();
  else QWidget::keyReleaseEvent(event);
}

void ChartWidget::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  FChart.MouseLeave();
}

}  // namespace platform

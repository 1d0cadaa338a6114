// One-pixel lines of the Qt device on the painter path (an image at another resolution, a
// vector generator). Connected segments of one pen gather in a chain: a series becomes one
// polyline rather than a thousand separate lines. A chain of horizontal and vertical steps
// (frames, grids, ticks, the zoom rectangle) is drawn segment by segment on exactly the
// pixels the device convention names, so that an outline drawn twice in NOT-XOR erases
// itself; any other chain runs through the pixel centres as one polyline.
#include "platform/QtDeviceSurface.h"

#include "platform/QtColor.h"

#include <QPolygonF>

namespace platform {

using chart::TPoint;

namespace {

// The pixels from a up to but not including b on a row or a column, as a line of one pixel
// width along their middle from edge to edge. The direction is kept for the dash pattern.
QLineF ExactSegment(TPoint a, TPoint b) {
  if (a.Y == b.Y) {
    const double y = a.Y + 0.5;
    return a.X < b.X ? QLineF(a.X, y, b.X, y) : QLineF(a.X + 1.0, y, b.X + 1.0, y);
  }
  const double x = a.X + 0.5;
  return a.Y < b.Y ? QLineF(x, a.Y, x, b.Y) : QLineF(x, a.Y + 1.0, x, b.Y + 1.0);
}

}  // namespace

void QtDeviceSurface::ChainSegment(TPoint from, TPoint to) {
  if (FChainPending && FChain.back() == from) {
    FChain.push_back(to);
    return;
  }
  Flush();
  FChain.assign({from, to});
  FChainPending = true;
  // The pen may change before the chain is drawn: it keeps the one it was started with.
  FChainPen = MakeQPen();
}

void QtDeviceSurface::FlushChain() {
  FChainPending = false;
  if (!FPainter.isActive() || FLineKind != TLineKind::Thin) {
    FChain.clear();
    return;
  }
  FPainterReady = false;
  FPainter.setPen(FChainPen);
  FPainter.setBrush(Qt::NoBrush);
  FPainter.setCompositionMode(CompositionOf(FLineMode));
  FPainter.setBackgroundMode(FLineStyle.OpaqueGaps ? Qt::OpaqueMode : Qt::TransparentMode);
  FPainter.setBackground(QColor::fromRgb(FLineStyle.GapColor));
  FPainter.setRenderHint(QPainter::Antialiasing, false);
  bool rectilinear = true;
  for (std::size_t k = 1; k < FChain.size() && rectilinear; ++k)
    rectilinear = FChain[k - 1].X == FChain[k].X || FChain[k - 1].Y == FChain[k].Y;
  if (rectilinear) {
    for (std::size_t k = 1; k < FChain.size(); ++k)
      if (FChain[k - 1] != FChain[k]) FPainter.drawLine(ExactSegment(FChain[k - 1], FChain[k]));
  } else {
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(FChain.size()));
    for (const TPoint& p : FChain) line << QPointF(p.X + 0.5, p.Y + 0.5);
    FPainter.drawPolyline(line);
  }
  FChain.clear();
}

}  // namespace platform

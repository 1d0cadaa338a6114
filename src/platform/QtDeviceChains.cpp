// One-pixel lines of the Qt device on the painter path (an image at another resolution, a
// vector generator). Connected segments of one pen gather in a chain: a series becomes one
// polyline rather than a thousand separate lines. A chain of horizontal and vertical steps
// (frames, grids, ticks, the zoom rectangle) is drawn segment by segment on exactly the
// pixels the device convention names, so that an outline drawn twice in NOT-XOR erases
// itself; any other chain runs through the pixel centres as one polyline.
#include "platform/QtDeviceSurface.h"

#include "platform/QtColor.h"

#include <QPolygonF>
#include <QRectF>

#include <algorithm>

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

// Cuts the segment a-b to the rectangle (Liang-Barsky); false when nothing of it lies
// inside. A line far beyond the picture would otherwise cost the painter its whole length
// in dashes and stroke outline.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& r) {
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  const QPointF from = a;
  if (t1 < 1) b = QPointF(from.x() + t1 * dx, from.y() + t1 * dy);
  if (t0 > 0) a = QPointF(from.x() + t0 * dx, from.y() + t0 * dy);
  return true;
}

// Points in a row on one column: the pen only goes up and down one line, so their first,
// their extremes and their last draw the same (a dense series has thousands of them per
// column, each a costly join in the painter's stroke).
void MergeColumns(std::vector<TPoint>& chain) {
  std::size_t out = 0;
  for (std::size_t i = 0; i < chain.size();) {
    std::size_t j = i;
    while (j + 1 < chain.size() && chain[j + 1].X == chain[i].X) ++j;
    std::size_t keep[4] = {i, i, i, j};
    std::size_t count = 0;
    if (j - i < 4) {
      for (std::size_t k = i; k <= j; ++k) chain[out++] = chain[k];
    } else {
      std::size_t lo = i, hi = i;
      for (std::size_t k = i; k <= j; ++k) {
        if (chain[k].Y < chain[lo].Y) lo = k;
        if (chain[k].Y > chain[hi].Y) hi = k;
      }
      keep[1] = std::min(lo, hi);
      keep[2] = std::max(lo, hi);
      for (std::size_t k : keep)
        if (count == 0 || k != keep[count - 1]) keep[count++] = k;
      for (std::size_t k = 0; k < count; ++k) chain[out++] = chain[keep[k]];
    }
    i = j + 1;
  }
  chain.resize(out);
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
  Unprepare();
  FPainter.setPen(FChainPen);
  FPainter.setBrush(Qt::NoBrush);
  FPainter.setCompositionMode(CompositionOf(FLineMode));
  FPainter.setBackgroundMode(FLineStyle.OpaqueGaps ? Qt::OpaqueMode : Qt::TransparentMode);
  FPainter.setBackground(QColor::fromRgb(FLineStyle.GapColor));
  FPainter.setRenderHint(QPainter::Antialiasing, false);
  bool rectilinear = true;
  for (std::size_t k = 1; k < FChain.size() && rectilinear; ++k)
    rectilinear = FChain[k - 1].X == FChain[k].X || FChain[k - 1].Y == FChain[k].Y;
  // What lies a few pixels beyond the picture is not drawn: the same pixels, at a cost
  // bounded by the picture rather than by the coordinates.
  const double margin = 8;
  const QRectF visible(FBounds.Left - margin, FBounds.Top - margin, FBounds.Width() + 2 * margin,
                       FBounds.Height() + 2 * margin);
  if (rectilinear) {
    for (std::size_t k = 1; k < FChain.size(); ++k) {
      if (FChain[k - 1] == FChain[k]) continue;
      QLineF segment = ExactSegment(FChain[k - 1], FChain[k]);
      QPointF a = segment.p1(), b = segment.p2();
      if (ClipSegment(a, b, visible)) FPainter.drawLine(QLineF(a, b));
    }
  } else {
    MergeColumns(FChain);
    QPolygonF line;
    // In pieces: the painter strokes a polyline as one outline whose filling costs grow
    // with the edges crossing each row, which a long zigzag makes many.
    constexpr qsizetype Piece = 64;
    auto draw = [&] {
      for (qsizetype from = 0; from + 1 < line.size(); from += Piece)
        FPainter.drawPolyline(line.constData() + from, static_cast<int>(std::min(Piece + 1, line.size() - from)));
      line.clear();
    };
    for (std::size_t k = 1; k < FChain.size(); ++k) {
      QPointF a(FChain[k - 1].X + 0.5, FChain[k - 1].Y + 0.5), b(FChain[k].X + 0.5, FChain[k].Y + 0.5);
      const QPointF end = b;
      if (!ClipSegment(a, b, visible)) {
        draw();
        continue;
      }
      if (line.isEmpty() || line.back() != a) {
        draw();
        line << a;
      }
      line << b;
      // Cut short at its end: the next piece starts a new line.
      if (b != end) draw();
    }
    draw();
  }
  FChain.clear();
}

}  // namespace platform

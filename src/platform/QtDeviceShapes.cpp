// Figures, fills and text of the Qt device surface, drawn with QPainter.
#include "platform/QtDeviceSurface.h"

#include "platform/QtColor.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform {

using chart::TPoint;
using chart::TRect;

namespace {

Qt::BrushStyle HatchOf(chart::TBrushStyle style) {
  switch (style) {
    case chart::bsSolid: return Qt::SolidPattern;
    case chart::bsHorizontal: return Qt::HorPattern;
    case chart::bsVertical: return Qt::VerPattern;
    case chart::bsFDiagonal: return Qt::FDiagPattern;
    case chart::bsBDiagonal: return Qt::BDiagPattern;
    case chart::bsCross: return Qt::CrossPattern;
    case chart::bsDiagCross: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
  }
}

TRect Normalized(int left, int top, int right, int bottom) {
  return chart::NormalizeRect({left, top, right, bottom});
}

// The box of a figure whose outline lies on columns left and right-1 (Qt's aliased outline
// covers one pixel more than the rectangle's width).
QRect OutlineBox(const TRect& r) { return QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1); }

// A polygon's corners on pixel centres, where the painter path draws one-pixel lines.
QPointF Centre(const TPoint& p) { return QPointF(p.X + 0.5, p.Y + 0.5); }

// Angle in degrees, counter-clockwise from three o'clock, of the ray from the box's centre
// through (x, y) on screen (y down).
double RayAngle(const TRect& box, int x, int y) {
  const double cx = (box.Left + box.Right) * 0.5, cy = (box.Top + box.Bottom) * 0.5;
  return std::atan2(cy - y, x - cx) * 180.0 / std::numbers::pi;
}

}  // namespace

QPainter::CompositionMode CompositionOf(chart::TPenMode mode) {
  switch (mode) {
    case chart::pmBlack: return QPainter::RasterOp_ClearDestination;
    case chart::pmWhite: return QPainter::RasterOp_SetDestination;
    case chart::pmNot: return QPainter::RasterOp_NotDestination;
    case chart::pmNotCopy: return QPainter::RasterOp_NotSource;
    case chart::pmMergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    case chart::pmMaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
    case chart::pmMergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
    case chart::pmMaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case chart::pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case chart::pmNotMerge: return QPainter::RasterOp_NotSourceAndNotDestination;
    case chart::pmMask: return QPainter::RasterOp_SourceAndDestination;
    case chart::pmNotMask: return QPainter::RasterOp_NotSourceOrNotDestination;
    case chart::pmXor: return QPainter::RasterOp_SourceXorDestination;
    case chart::pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    default: return QPainter::CompositionMode_SourceOver;  // pmCopy (pmNop draws nothing)
  }
}

QPen QtDeviceSurface::MakeQPen() const {
  const chart::TPen& pen = Pen();
  if (pen.Style() == chart::psClear) return QPen(Qt::NoPen);
  QPen q(ToQColor(ResolveColor(pen.Color())));
  if (pen.Width() <= 1) {
    // Through the painter alone, a one-pixel line is one pixel of the chart wide, whatever
    // the device's resolution.
    q.setWidth(1);
    q.setCosmetic(FDirect);
    q.setCapStyle(Qt::FlatCap);
    q.setJoinStyle(Qt::MiterJoin);
    const auto runs = PenStyleRuns(pen.Style(), pen.Alternate());
    if (!runs.empty()) {
      QList<qreal> pattern;
      for (auto r : runs) pattern << r;
      q.setDashPattern(pattern);
    }
  } else {
    // Wide pens are solid, with round ends like the toolkit's geometric pens. Qt refuses
    // widths from 2^15 on (and keeps a 1-pixel pen); wider covers any picture anyway.
    q.setWidth(std::min(pen.Width(), 32767));
    q.setCapStyle(Qt::RoundCap);
    q.setJoinStyle(Qt::RoundJoin);
  }
  return q;
}

QBrush QtDeviceSurface::MakeQBrush() const {
  const chart::TBrush& brush = Brush();
  if (brush.Style() == chart::bsClear) return QBrush(Qt::NoBrush);
  if (brush.HasBitmap()) return QBrush(ToQImage(*brush.Bitmap()));
  return QBrush(ToQColor(ResolveColor(brush.Color())), HatchOf(brush.Style()));
}

bool QtDeviceSurface::PreparePainter() {
  Flush();
  if (Pen().Mode() == chart::pmNop || !FPainter.isActive()) return false;
  // Shapes drawn one after another in one state (the fills of an area) set it once.
  if (FPainterReady) return true;
  if (FOnlyBrushStale) {
    // The pen and background were set in colours of their own, which stay.
    FOnlyBrushStale = false;
    FPainterReady = !chart::IsSystemColor(Brush().Color());
    FPainter.setBrush(MakeQBrush());
    return true;
  }
  FPainterReady = !chart::IsSystemColor(Pen().Color()) && !chart::IsSystemColor(Brush().Color()) &&
                  !chart::IsSystemColor(TextBackColor());
  FPainter.setPen(MakeQPen());
  FPainter.setBrush(MakeQBrush());
  FPainter.setCompositionMode(CompositionOf(Pen().Mode()));
  FPainter.setBackgroundMode(TextBackMode() == chart::OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
  FPainter.setBackground(QBrush(ToQColor(ResolveColor(TextBackColor()))));
  FPainter.setRenderHint(QPainter::Antialiasing, false);
  return true;
}

void QtDeviceSurface::Rectangle(int left, int top, int right, int bottom) {
  TRect r = Normalized(left, top, right, bottom);
  if (r.IsEmpty()) return;
  const chart::TPen& pen = Pen();
  const bool outline = pen.Style() != chart::psClear;
  const chart::TBrush& brush = Brush();
  // A plain fill inside a thin outline (bars, legend symbols, mark boxes) goes straight
  // into the pixels, as thin lines do: no painter state to set for every rectangle.
  if (FDirect && pen.Width() <= 1 && pen.Mode() != chart::pmNop && FPainter.isActive() && !brush.HasBitmap() &&
      (brush.Style() == chart::bsSolid || brush.Style() == chart::bsClear)) {
    Flush();
    if (brush.Style() == chart::bsSolid)
      RasterBox(FTarget, outline ? chart::InflateRect(r, -1, -1) : r, ToQRgb(ResolveColor(brush.Color())), pen.Mode());
    if (outline) FrameRect(r);
    return;
  }
  if (!PreparePainter()) return;
  if (pen.Width() > 1) {
    // An inside-frame pen keeps the whole outline within the rectangle.
    if (pen.Style() == chart::psInsideFrame) r = chart::InflateRect(r, -(pen.Width() / 2), -(pen.Width() / 2));
    FPainter.drawRect(QRectF(r.Left + 0.5, r.Top + 0.5, r.Width() - 1, r.Height() - 1));
    return;
  }
  if (Brush().Style() != chart::bsClear) {
    const TRect inside = outline ? chart::InflateRect(r, -1, -1) : r;
    if (!inside.IsEmpty())
      FPainter.fillRect(QRect(inside.Left, inside.Top, inside.Width(), inside.Height()), FPainter.brush());
  }
  if (outline) FrameRect(r);
}

void QtDeviceSurface::FrameRect(const TRect& r) {
  if (r.Width() <= 1 || r.Height() <= 1) {
    // The outline covers the whole box; every pixel is set once.
    const TPoint line[2] = {{r.Left, r.Top}, r.Width() <= 1 ? TPoint{r.Left, r.Bottom} : TPoint{r.Right, r.Top}};
    ThinOutline(line);
    return;
  }
  const TPoint frame[5] = {{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1},
                           {r.Left, r.Bottom - 1}, {r.Left, r.Top}};
  ThinOutline(frame);
}

QRectF QtDeviceSurface::FigureBox(const TRect& r) const {
  // Qt's aliased one-pixel outline of an integer box covers one pixel more than the box's
  // width; a line of one logical pixel does so when it runs through the pixel centres.
  if (FDirect) return QRectF(OutlineBox(r));
  return QRectF(r.Left + 0.5, r.Top + 0.5, r.Width() - 1, r.Height() - 1);
}

void QtDeviceSurface::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  const TRect r = Normalized(left, top, right, bottom);
  if (r.IsEmpty() || !PreparePainter()) return;
  if (FDirect) FPainter.drawRoundedRect(OutlineBox(r), cornerWidth / 2.0, cornerHeight / 2.0, Qt::AbsoluteSize);
  else FPainter.drawRoundedRect(FigureBox(r), cornerWidth / 2.0, cornerHeight / 2.0, Qt::AbsoluteSize);
}

void QtDeviceSurface::Ellipse(int left, int top, int right, int bottom) {
  TRect r = Normalized(left, top, right, bottom);
  if (r.IsEmpty() || !PreparePainter()) return;
  if (Pen().Style() == chart::psInsideFrame && Pen().Width() > 1)
    r = chart::InflateRect(r, -(Pen().Width() / 2), -(Pen().Width() / 2));
  if (FDirect) FPainter.drawEllipse(OutlineBox(r));
  else FPainter.drawEllipse(FigureBox(r));
}

void QtDeviceSurface::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  const TRect r = Normalized(left, top, right, bottom);
  if (r.IsEmpty() || !PreparePainter()) return;
  const double a0 = RayAngle(r, x3, y3);
  double span = RayAngle(r, x4, y4) - a0;
  while (span <= 0) span += 360.0;
  const int start = static_cast<int>(std::lround(a0 * 16)), length = static_cast<int>(std::lround(span * 16));
  if (FDirect) FPainter.drawArc(OutlineBox(r), start, length);
  else FPainter.drawArc(FigureBox(r), start, length);
}

void QtDeviceSurface::Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  const TRect r = Normalized(left, top, right, bottom);
  if (r.IsEmpty() || !PreparePainter()) return;
  const double a0 = RayAngle(r, x3, y3);
  double span = RayAngle(r, x4, y4) - a0;
  while (span <= 0) span += 360.0;
  const int start = static_cast<int>(std::lround(a0 * 16)), length = static_cast<int>(std::lround(span * 16));
  if (FDirect) FPainter.drawPie(OutlineBox(r), start, length);
  else FPainter.drawPie(FigureBox(r), start, length);
}

void QtDeviceSurface::Polygon(std::span<const TPoint> points) {
  if (points.size() < 2 || !PreparePainter()) return;
  if (!FDirect) {
    QPolygonF poly;
    poly.reserve(static_cast<qsizetype>(points.size()));
    for (const TPoint& p : points) poly << Centre(p);
    FPainter.drawPolygon(poly, Qt::OddEvenFill);
    return;
  }
  // A corner repeated in a row is left out: Qt's outline leaves the pixel of a corner
  // followed by an edge of no length unset, so an area fill one column wide whose top meets
  // its base would lose its base pixel, which the same column drawn as a line sets.
  auto differs = [&](std::size_t k) { return k == 0 || points[k] != points[k - 1]; };
  // Small polygons (area fills, markers) go from the stack: nothing allocated per call.
  constexpr std::size_t Small = 16;
  if (points.size() <= Small) {
    QPoint small[Small];
    int n = 0;
    for (std::size_t k = 0; k < points.size(); ++k)
      if (differs(k)) small[n++] = QPoint(points[k].X, points[k].Y);
    FPainter.drawPolygon(small, n, Qt::OddEvenFill);
    return;
  }
  QPolygon poly;
  for (std::size_t k = 0; k < points.size(); ++k)
    if (differs(k)) poly << QPoint(points[k].X, points[k].Y);
  FPainter.drawPolygon(poly, Qt::OddEvenFill);
}

void QtDeviceSurface::FillRect(const TRect& rect) {
  if (rect.IsEmpty() || Brush().Style() == chart::bsClear || !FPainter.isActive()) return;
  Flush();
  Unprepare();
  // Filling copies the brush; the pen's raster operation does not apply.
  FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  FPainter.setBackgroundMode(TextBackMode() == chart::OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
  FPainter.setBackground(QBrush(ToQColor(ResolveColor(TextBackColor()))));
  FPainter.fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), MakeQBrush());
}

void QtDeviceSurface::PrepareFont() {
  if (!FFontDirty) return;
  FFontDirty = false;
  const chart::TFont& font = Font();
  QFont q(QString::fromStdString(font.Name()));
  // Sizes are points at the surface's resolution: the pixel height the font asks for.
  const int height = font.Height();
  q.setPixelSize(std::max(1, height < 0 ? -height : height));
  q.setBold(font.Style().Contains(chart::fsBold));
  q.setItalic(font.Style().Contains(chart::fsItalic));
  q.setUnderline(font.Style().Contains(chart::fsUnderline));
  q.setStrikeOut(font.Style().Contains(chart::fsStrikeOut));
  if (font.Pitch() == chart::fpFixed) q.setFixedPitch(true);
  if (font.OutlineOnly()) q.setStyleStrategy(QFont::ForceOutline);
  // Whole-pixel advances: text widths add up the way layouts measure them.
  q.setHintingPreference(QFont::PreferFullHinting);
  FQFont = q;
  const QImage& metrics = MetricsImage();
  FMetrics.emplace(FQFont, metrics.isNull() ? nullptr : &metrics);
  FMeasuredWidth = -1;
  FPainterHasFont = false;
}

int QtDeviceSurface::MeasureText(std::string_view text) {
  PrepareFont();
  if (FMeasuredWidth < 0 || text != FMeasuredText) {
    FMeasuredText.assign(text);
    FMeasuredQText = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    FMeasuredWidth = FMetrics->horizontalAdvance(FMeasuredQText);
  }
  return FMeasuredWidth;
}

QFont QtDeviceSurface::CurrentQFont() {
  PrepareFont();
  return FQFont;
}

chart::TSize QtDeviceSurface::TextExtent(std::string_view text) {
  const int width = MeasureText(text);
  return {width, FMetrics->ascent() + FMetrics->descent()};
}

void QtDeviceSurface::TextOut(int x, int y, std::string_view text) {
  if (!FPainter.isActive()) return;
  Flush();
  const int width = MeasureText(text);
  const QString& s = FMeasuredQText;
  const int ascent = FMetrics->ascent(), descent = FMetrics->descent();
  // Offsets of the text box's top-left corner from the reference point.
  int dx = 0;
  switch (TextAlign() & chart::TA_HORIZONTAL_MASK) {
    case chart::TA_RIGHT: dx = -width; break;
    case chart::TA_CENTER: dx = -(width / 2); break;
    default: break;
  }
  int dy = 0;
  switch (TextAlign() & chart::TA_VERTICAL_MASK) {
    case chart::TA_BOTTOM: dy = -(ascent + descent); break;
    case chart::TA_BASELINE: dy = -ascent; break;
    default: break;
  }
  const QColor color = ToQColor(ResolveColor(Font().Color()));
  const bool opaque = TextBackMode() == chart::OPAQUE;
  Unprepare();
  if (const int tenths = Font().Orientation() % 3600) {
    FPainter.save();
    FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    FPainter.setFont(FQFont);
    FPainter.translate(x, y);
    FPainter.rotate(-tenths / 10.0);
    if (opaque) FPainter.fillRect(QRect(dx, dy, width, ascent + descent), ToQColor(ResolveColor(TextBackColor())));
    FPainter.setBackgroundMode(Qt::TransparentMode);
    FPainter.setPen(color);
    FPainter.drawText(QPoint(dx, dy + ascent), s);
    FPainter.restore();
    return;
  }
  // Level text needs no transformation, so no painter state is saved: the text sets what
  // it uses, and every other drawing sets its own.
  FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (!FPainterHasFont) {
    FPainter.setFont(FQFont);
    FPainterHasFont = true;
  }
  const double left = static_cast<double>(x) + dx, top = static_cast<double>(y) + dy;
  if (opaque) FPainter.fillRect(QRectF(left, top, width, ascent + descent), ToQColor(ResolveColor(TextBackColor())));
  FPainter.setBackgroundMode(Qt::TransparentMode);
  const QPen& pen = FPainter.pen();
  if (pen.style() != Qt::SolidLine || pen.widthF() > 1 || pen.color() != color) FPainter.setPen(color);
  FPainter.drawText(QPointF(left, top + ascent), s);
}

}  // namespace platform

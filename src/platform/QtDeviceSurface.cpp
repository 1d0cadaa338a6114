// State, lines, clipping, pixels and bitmaps of the Qt device surface.
#include "platform/QtDeviceSurface.h"

#include "chart/canvas/ColumnScan.h"

#include "platform/QtColor.h"
#include "platform/QtSystemColors.h"

#include <algorithm>
#include <climits>
#include <cmath>


namespace platform {

using chart::TColor;
using chart::TPoint;
using chart::TRect;

namespace {

void RegisterFontSubstitutes() {
  // The chart's default font is "Arial"; Liberation Sans has the same metrics.
  static const bool done = [] {
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    return true;
  }();
  (void)done;
}

}  // namespace

QtDeviceSurface::QtDeviceSurface(QImage& image) : FDevice(image), FImage(&image) {
  // Direct pixels only where one image pixel is one pixel of the chart.
  FDirect = image.format() == QImage::Format_RGB32 && image.devicePixelRatio() == 1.0;
  Begin({});
}

QtDeviceSurface::QtDeviceSurface(QPaintDevice& device, QSize logicalSize)
    : FDevice(device), FMetricsImage(1, 1, QImage::Format_RGB32) {
  if (device.devType() == QInternal::Image) FImage = static_cast<QImage*>(&device);
  Begin(logicalSize);
}

void QtDeviceSurface::Begin(QSize logicalSize) {
  RegisterFontSubstitutes();
  FScale = FDevice.devicePixelRatioF() > 0 ? FDevice.devicePixelRatioF() : 1.0;
  const bool empty = FDevice.width() <= 0 || FDevice.height() <= 0;
  if (logicalSize.isEmpty())
    logicalSize = QSize(static_cast<int>(std::lround(FDevice.width() / FScale)),
                        static_cast<int>(std::lround(FDevice.height() / FScale)));
  FBounds = {0, 0, logicalSize.width(), logicalSize.height()};
  // An empty image (a bitmap of no size) cannot be painted on; every operation then draws
  // nothing, as the empty clip of the line rasteriser does.
  if (!empty) FPainter.begin(&FDevice);
  Unprepare();  // a new painter holds none of the state
  if (FDirect) {
    FTarget.Bits = reinterpret_cast<std::uint32_t*>(FImage->bits());
    FTarget.Stride = static_cast<int>(FImage->bytesPerLine() / 4);
    FTarget.Clip = FBounds;
  }
  Font().SetPixelsPerInch(PixelsPerInch());
  Font().SetSize(8);
}

QtDeviceSurface::~QtDeviceSurface() { Finish(); }

void QtDeviceSurface::Finish() {
  Flush();
  if (FPainter.isActive()) FPainter.end();
  FTarget.Clip = {0, 0, 0, 0};
}

int QtDeviceSurface::PixelsPerInch() const {
  const QImage& image = MetricsImage();
  const int dpi = image.isNull() ? 0 : image.logicalDpiY();
  return dpi > 0 ? dpi : chart::TFont::DefaultPixelsPerInch;
}

chart::TColor QtDeviceSurface::LookupSystemColor(int index) const { return QtSystemColor(index); }

void QtDeviceSurface::StateChanged(TState what) {
  switch (what) {
    case TState::Pen:
      Unprepare();
      // The pending span keeps its own colour, so it could wait; writing it now keeps the
      // pixels in drawing order for whoever reads them next.
      Flush();
      FLineDirty = true;
      FMergeReady = false;
      break;
    case TState::Text:
      Unprepare();
      if (FChainPending) FlushChain();  // the chain's gaps take the background it was drawn with
      FLineDirty = true;  // gaps of styled lines follow the text background
      FMergeReady = false;
      break;
    case TState::Font:
      FFontDirty = true;
      break;
    case TState::Brush:
      FOnlyBrushStale = FPainterReady || FOnlyBrushStale;
      FPainterReady = false;
      break;
  }
}

void QtDeviceSurface::RealizeLine() {
  if (FChainPending) FlushChain();
  const chart::TPen& pen = Pen();
  FLineDirty = chart::IsSystemColor(pen.Color()) ||
               (TextBackMode() == chart::OPAQUE && chart::IsSystemColor(TextBackColor()));
  FLineColor = ToQRgb(ResolveColor(pen.Color()));
  FLineMode = pen.Mode();
  if (pen.Style() == chart::psClear || pen.Mode() == chart::pmNop) {
    FLineKind = TLineKind::None;
  } else if (pen.Width() > 1) {
    FLineKind = TLineKind::Wide;
  } else {
    FLineKind = TLineKind::Thin;
  }
  FLineStyle.Runs = PenStyleRuns(pen.Style(), pen.Alternate());
  FLineStyle.OpaqueGaps = TextBackMode() == chart::OPAQUE;
  FLineStyle.GapColor = ToQRgb(ResolveColor(TextBackColor()));
  FLineMerges = FDirect && FMergeColumns && FLineKind == TLineKind::Thin && FLineStyle.Runs.empty() && chart::IsIdempotentPenMode(FLineMode);
  FMergeReady = FLineMerges && !FLineDirty;
  if (FSpan && (FSpanColor != FLineColor || FSpanMode != FLineMode)) FlushSpan();
}

void QtDeviceSurface::FlushSpan() {
  FSpan = false;
  RasterColumn(FTarget, FSpanX, FSpanY0, FSpanY1, FSpanColor, FSpanMode);
}

void QtDeviceSurface::LineTo(int x, int y) {
  const TPoint from{PenX(), PenY()};
  SetPenPos({x, y});
  if (!TryMerge(from.X, from.Y, x, y)) LineToSlow(from, x, y);
}

void QtDeviceSurface::Line(int x0, int y0, int x1, int y1) {
  // The start comes in registers: no round trip through the stored pen position.
  SetPenPos({x1, y1});
  if (!TryMerge(x0, y0, x1, y1)) LineToSlow({x0, y0}, x1, y1);
}

namespace {

std::size_t ScanColumn(std::span<const TPoint> points, std::size_t from, int column, int& low, int& high) {
  // Chains come a block at a time, far below INT_MAX points.
  const int size = static_cast<int>(std::min<std::size_t>(points.size(), INT_MAX));
  return static_cast<std::size_t>(chart::ScanColumn(points.data(), static_cast<int>(std::min<std::size_t>(from, INT_MAX)),
                                                    size, column, low, high));
}

}  // namespace

void QtDeviceSurface::LineRun(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  if (FLineDirty) RealizeLine();
  std::size_t k = 1;
  while (k < points.size()) {
    if (FMergeReady && FSpan && points[k - 1].X == FSpanX && points[k - 1].Y >= FSpanY0 - 1LL &&
        points[k - 1].Y <= FSpanY1 + 1LL) {
      // Dense data steps up and down inside one column many times over. The steps from
      // points[start] to points[end - 1] set every row between the lowest and the highest
      // of those points, save the last point where no earlier step passes it; and they
      // touch the pending span, as the first starts next to it or inside.
      const int column = FSpanX;
      const std::size_t start = k - 1;
      int low = points[start].Y, high = low;
      std::size_t end = ScanColumn(points, k, column, low, high);
      if (end > k) {
        const int last = points[end - 1].Y;
        // Steps of no length at the end set nothing: points[moved - 1] starts the last step
        // that moves.
        std::size_t moved = end - 1;
        while (moved > start && points[moved - 1].Y == last) --moved;
        if (moved > start) {
          auto passed = [&] {
            for (std::size_t j = start; j < moved; ++j)
              if (points[j].Y == last) return true;
            return false;
          };
          const bool lastSet = (low != last && high != last) || passed();
          FSpanY0 = std::min(FSpanY0, low == last && !lastSet ? last + 1 : low);
          FSpanY1 = std::max(FSpanY1, high == last && !lastSet ? last - 1 : high);
        }
        k = end;
        if (k == points.size()) break;
        continue;
      }
    }
    const TPoint a = points[k - 1], b = points[k];
    if (a != b && !TryMerge(a.X, a.Y, b.X, b.Y)) LineToSlow(a, b.X, b.Y);
    ++k;
  }
  SetPenPos(points.back());
}

void QtDeviceSurface::LineToSlow(TPoint from, int x, int y) {
  if (FLineDirty) RealizeLine();
  if (FLineMerges && x == from.X) {
    if (y == from.Y) return;  // a zero-length line sets nothing
    if (FSpan && FSpanX == x && TryMergeStep(from.Y, y)) return;
    const int lo = static_cast<int>(std::min<long long>(from.Y, y + 1LL));
    const int hi = static_cast<int>(std::max<long long>(from.Y, y - 1LL));
    if (FSpan) FlushSpan();
    ++FColumnSpans;
    FSpan = true;
    FSpanX = x;
    FSpanY0 = lo;
    FSpanY1 = hi;
    FSpanColor = FLineColor;
    FSpanMode = FLineMode;
    return;
  }
  DrawLineNow(from, x, y);
}

void QtDeviceSurface::DrawLineNow(TPoint from, int x, int y) {
  switch (FLineKind) {
    case TLineKind::None:
      return;
    case TLineKind::Thin:
      // A merged span of the same pen may stay pending: the order of idempotent writes in
      // one colour does not change a pixel.
      if (!FDirect) {
        ChainSegment(from, {x, y});
        return;
      }
      if (!FLineMerges) Flush();
      RasterLine(FTarget, from.X, from.Y, x, y, FLineColor, FLineMode, FLineStyle);
      return;
    case TLineKind::Wide:
      if (PreparePainter()) FPainter.drawLine(QPoint(from.X, from.Y), QPoint(x, y));
      return;
  }
}

void QtDeviceSurface::ThinOutline(std::span<const TPoint> points) {
  if (FLineDirty) RealizeLine();
  if (FLineKind == TLineKind::None) return;
  if (!FDirect) {
    for (std::size_t i = 1; i < points.size(); ++i)
      if (points[i - 1] != points[i]) ChainSegment(points[i - 1], points[i]);
    return;
  }
  Flush();
  for (std::size_t i = 1; i < points.size(); ++i)
    RasterLine(FTarget, points[i - 1].X, points[i - 1].Y, points[i].X, points[i].Y, FLineColor, FLineMode, FLineStyle);
}

void QtDeviceSurface::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  if (FLineDirty) RealizeLine();
  if (FLineKind != TLineKind::Wide) {
    ThinOutline(points);
    return;
  }
  if (!PreparePainter()) return;
  QPolygon poly;
  for (const TPoint& p : points) poly << QPoint(p.X, p.Y);
  FPainter.drawPolyline(poly);
}

void QtDeviceSurface::SetPixel(int x, int y, TColor color) {
  Flush();
  if (!FDirect) {
    if (!FPainter.isActive()) return;
    Unprepare();
    FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    FPainter.fillRect(QRect(x, y, 1, 1), ToQColor(ResolveColor(color)));
    return;
  }
  if (x < FTarget.Clip.Left || x >= FTarget.Clip.Right || y < FTarget.Clip.Top || y >= FTarget.Clip.Bottom) return;
  FTarget.Bits[static_cast<std::ptrdiff_t>(y) * FTarget.Stride + x] = ToQRgb(ResolveColor(color));
}

void QtDeviceSurface::IntersectClipRect(const TRect& rect) {
  Flush();
  const TRect r = FClip ? IntersectRect(*FClip, rect) : rect;
  FClip = r;
  if (!FPainter.isActive()) return;
  const TRect& bounds = FBounds;
  FTarget.Clip = IntersectRect(bounds, r);
  if (FTarget.Clip.IsEmpty()) {
    FTarget.Clip = {0, 0, 0, 0};
    FPainter.setClipRect(QRect(0, 0, 0, 0));
  } else {
    FPainter.setClipRect(QRect(FTarget.Clip.Left, FTarget.Clip.Top, FTarget.Clip.Width(), FTarget.Clip.Height()));
  }
}

void QtDeviceSurface::RemoveClip() {
  Flush();
  FClip.reset();
  FTarget.Clip = FPainter.isActive() ? FBounds : TRect{0, 0, 0, 0};
  if (FPainter.isActive()) FPainter.setClipping(false);
}

std::unique_ptr<chart::TDeviceBitmap> QtDeviceSurface::CreateBitmap(int width, int height, bool monochrome) {
  // The buffer draws text at this surface's resolution, so it measures like the window.
  return std::make_unique<QtDeviceBitmap>(width, height, monochrome, &MetricsImage(), FScale);
}

void QtDeviceSurface::DrawBitmap(int x, int y, chart::TDeviceBitmap& bitmap) {
  auto* source = dynamic_cast<QtDeviceBitmap*>(&bitmap);
  if (!source || !FPainter.isActive()) return;
  Flush();
  Unprepare();
  FPainter.setCompositionMode(QPainter::CompositionMode_Source);
  FPainter.drawImage(QPoint(x, y), source->Picture());
}

void QtDeviceSurface::DrawPicture(int x, int y, const chart::TPicture& picture) {
  if (picture.Empty() || !FPainter.isActive()) return;
  Flush();
  Unprepare();
  FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  FPainter.drawImage(QPoint(x, y), ToQImage(picture));
}

void QtDeviceSurface::StretchPicture(const TRect& rect, const chart::TPicture& picture) {
  if (picture.Empty() || !FPainter.isActive()) return;
  Flush();
  Unprepare();
  FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  FPainter.drawImage(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), ToQImage(picture));
}

QImage ToQImage(const chart::TPicture& picture) {
  QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
  for (int y = 0; y < picture.Height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.Width(); ++x) row[x] = ToQRgb(picture.Pixel(x, y));
  }
  return image;
}

QtDeviceBitmap::QtDeviceBitmap(int width, int height, bool monochrome, const QImage* resolutionOf, double scale)
    : FWidth(std::max(width, 0)),
      FHeight(std::max(height, 0)),
      FMonochrome(monochrome),
      FImage([&] {
        // A bitmap of a high-resolution surface has as many pixels as the part it covers.
        const bool scaled = scale != 1.0 && scale > 0;
        const auto device = [&](int n) { return scaled ? static_cast<int>(std::ceil(n * scale)) : n; };
        QImage image(device(std::max(width, 0)), device(std::max(height, 0)), QImage::Format_RGB32);
        image.fill(Qt::white);
        if (scaled) image.setDevicePixelRatio(scale);
        if (resolutionOf && !resolutionOf->isNull() && !image.isNull()) {
          image.setDotsPerMeterX(resolutionOf->dotsPerMeterX());
          image.setDotsPerMeterY(resolutionOf->dotsPerMeterY());
        }
        return image;
      }()),
      FSurface(FImage) {}

QImage QtDeviceBitmap::Picture() {
  const QImage& image = FSurface.Image();
  if (!FMonochrome) return image;
  return image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither).convertToFormat(QImage::Format_RGB32);
}

}  // namespace platform

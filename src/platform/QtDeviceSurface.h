// The device surface over a QImage, drawn with QPainter. One-pixel lines go straight into
// the image's pixels (see RasterLines.h) so that the device convention holds exactly and so
// that a long run of segments inside one pixel column, as a dense line series issues them,
// costs a few comparisons each: with a solid one-pixel pen and a raster operation for which
// painting a pixel twice equals painting it once, such segments cover exactly the union of
// their spans, which is written once when anything else is drawn.
//
// Over any other paint device (an image with a device pixel ratio other than 1, an SVG or
// PDF generator) every operation goes through QPainter in logical pixels: one-pixel lines
// are one logical pixel wide and lie on the pixels the device convention names, so a
// picture at twice the resolution or in vector form has the layout of the plain one.
#pragma once

#include "chart/canvas/DeviceSurface.h"
#include "platform/RasterLines.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class QtDeviceSurface : public chart::TDeviceSurface {
 public:
  // `image` must be Format_RGB32 and outlive the surface; it is painted on until then.
  // Its pixels are written directly when its device pixel ratio is 1.
  explicit QtDeviceSurface(QImage& image);
  // Any paint device, drawn on through QPainter only; text is measured as on a plain image
  // of the toolkit's default resolution, so the layout matches the screen's. `logicalSize`:
  // the area drawn on in the chart's pixels, when the device's own size is not that.
  explicit QtDeviceSurface(QPaintDevice& device, QSize logicalSize = {});
  ~QtDeviceSurface() override;

  // Writes merged line spans and pending line chains. Reading the image goes through Image().
  void Flush() {
    if (FSpan) FlushSpan();
    if (FChainPending) FlushChain();
  }
  // The image painted on; only for a surface made over an image.
  const QImage& Image() { Flush(); return *FImage; }
  // Ends painting: everything pending is drawn and the device is released (a generator
  // writes its file then). Nothing is drawn afterwards.
  void Finish();
  // Pixels are written directly rather than through QPainter.
  bool DirectPixels() const { return FDirect; }
  // The font the device draws with for the current chart font.
  QFont CurrentQFont();
  // Merging of segments within one column; on by default. Off, every segment is drawn on its
  // own (the reference the merged picture is checked against).
  void SetMergeColumns(bool on) { Flush(); FMergeColumns = on; FLineDirty = true; FMergeReady = false; }
  // Column spans started so far; each one took in every segment merged into it.
  std::size_t ColumnSpans() const { return FColumnSpans; }

  void LineTo(int x, int y) override;
  void Line(int x0, int y0, int x1, int y1) override;
  void LineRun(std::span<const chart::TPoint> points) override;
  void Polyline(std::span<const chart::TPoint> points) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
  void Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
  void Polygon(std::span<const chart::TPoint> points) override;
  void FillRect(const chart::TRect& rect) override;
  void SetPixel(int x, int y, chart::TColor color) override;
  void TextOut(int x, int y, std::string_view text) override;
  chart::TSize TextExtent(std::string_view text) override;
  void IntersectClipRect(const chart::TRect& rect) override;
  void RemoveClip() override;
  std::unique_ptr<chart::TDeviceBitmap> CreateBitmap(int width, int height, bool monochrome) override;
  void DrawBitmap(int x, int y, chart::TDeviceBitmap& bitmap) override;
  void DrawPicture(int x, int y, const chart::TPicture& picture) override;
  void StretchPicture(const chart::TRect& rect, const chart::TPicture& picture) override;
  chart::TColor LookupSystemColor(int index) const override;
  int PixelsPerInch() const override;

 protected:
  void StateChanged(TState what) override;

 private:
  enum class TLineKind { None, Thin, Wide };

  void FlushSpan();
  // Painter path of one-pixel lines: connected segments gather in a chain drawn as one
  // polyline (QtDeviceChains.cpp).
  void ChainSegment(chart::TPoint from, chart::TPoint to);
  void FlushChain();
  void LineToSlow(chart::TPoint from, int x, int y);
  // Absorbs the segment into the pending span when it is vertical in the span's column and
  // touches it; False when the general path must draw it.
  bool TryMerge(int x0, int y0, int x1, int y1) {
    return FMergeReady && x1 == x0 && y1 != y0 && FSpan && x1 == FSpanX && TryMergeStep(y0, y1);
  }
  // Grows the pending span by the rows a vertical step from y0 to y1 sets, when they touch
  // it. Downwards: y0 .. y1-1; upwards: y1+1 .. y0. No branch on the direction, which is
  // random in a noisy series. In 64 bits, so that no end overflows.
  bool TryMergeStep(int y0, int y1) {
    const long long lo = std::min<long long>(y0, y1 + 1LL);
    const long long hi = std::max<long long>(y0, y1 - 1LL);
    if (lo > FSpanY1 + 1LL || hi < FSpanY0 - 1LL) return false;
    FSpanY0 = static_cast<int>(std::min<long long>(FSpanY0, lo));
    FSpanY1 = static_cast<int>(std::max<long long>(FSpanY1, hi));
    return true;
  }
  void RealizeLine();
  void DrawLineNow(chart::TPoint from, int x, int y);
  // Sets QPainter's pen, brush, raster operation and background from the current attributes.
  // False when nothing would be drawn (pmNop).
  bool PreparePainter();
  void PrepareFont();
  // Width of a text in the current font (the last one measured is remembered).
  int MeasureText(std::string_view text);
  QPen MakeQPen() const;
  QBrush MakeQBrush() const;
  bool ThinPen() const { return Pen().Width() <= 1; }
  void ThinOutline(std::span<const chart::TPoint> points);
  // The one-pixel frame of a rectangle on its outermost pixels.
  void FrameRect(const chart::TRect& r);

  void Begin(QSize logicalSize);
  // The box of a figure's outline: on the outermost pixels of the rectangle.
  QRectF FigureBox(const chart::TRect& r) const;
  // The image whose resolution fonts and bitmaps take.
  const QImage& MetricsImage() const { return FImage ? *FImage : FMetricsImage; }

  QPaintDevice& FDevice;
  QImage* FImage = nullptr;
  QImage FMetricsImage;
  bool FDirect = false;
  double FScale = 1.0;
  // The device's area in logical pixels.
  chart::TRect FBounds;
  QPainter FPainter;
  TPixelTarget FTarget;
  std::optional<chart::TRect> FClip;

  // The realised one-pixel line pen.
  bool FLineDirty = true;
  TLineKind FLineKind = TLineKind::Thin;
  std::uint32_t FLineColor = 0xFF000000u;
  chart::TPenMode FLineMode = chart::pmCopy;
  bool FLineMerges = true;
  // Realised, clean and merging: the fast path of LineTo may run.
  bool FMergeReady = false;
  bool FMergeColumns = true;
  std::size_t FColumnSpans = 0;
  TLineStyle FLineStyle;

  // A pending span of merged segments in one column.
  bool FSpan = false;
  int FSpanX = 0, FSpanY0 = 0, FSpanY1 = 0;
  std::uint32_t FSpanColor = 0;
  chart::TPenMode FSpanMode = chart::pmCopy;

  // A pending chain of connected one-pixel segments (painter path).
  bool FChainPending = false;
  std::vector<chart::TPoint> FChain;
  QPen FChainPen;

  bool FFontDirty = true;
  QFont FQFont;
  std::optional<QFontMetrics> FMetrics;
  // The last text measured in the current font and its width: a text is often measured
  // right before it is drawn (a centred mark), and drawing it measures it again.
  std::string FMeasuredText;
  QString FMeasuredQText;
  int FMeasuredWidth = -1;
  // The painter holds FQFont (set by the last level text since the font changed).
  bool FPainterHasFont = false;
  // The painter holds the pen, brush and background of the current state: set on the first
  // shape after a change of state, and by anything else that sets them on the painter.
  bool FPainterReady = false;
  // Only the brush changed since the painter was ready (the faces of a box, each in its
  // shade): the next shape sets the brush alone.
  bool FOnlyBrushStale = false;
  void Unprepare() { FPainterReady = FOnlyBrushStale = false; }
};

// An off-screen bitmap: an RGB32 image with its own surface. A monochrome bitmap keeps its
// picture in two colours, black and white.
class QtDeviceBitmap final : public chart::TDeviceBitmap {
 public:
  // `resolutionOf`: an image whose resolution the bitmap takes (fonts are sized in points at
  // it); without one, the toolkit's default resolution. `scale`: device pixels per pixel.
  QtDeviceBitmap(int width, int height, bool monochrome, const QImage* resolutionOf = nullptr, double scale = 1.0);
  // The size asked for; an image with no width or no height has no pixels at all.
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  bool Monochrome() const override { return FMonochrome; }
  chart::TDeviceSurface& Surface() override { return FSurface; }
  QtDeviceSurface& QtSurface() { return FSurface; }
  // The picture as it is copied elsewhere (thresholded to black and white when monochrome).
  QImage Picture();

 private:
  int FWidth, FHeight;
  bool FMonochrome;
  QImage FImage;
  QtDeviceSurface FSurface;
};

// The painter's raster operation for a pen mode (pmCopy: plain drawing).
QPainter::CompositionMode CompositionOf(chart::TPenMode mode);

// An RGB32 image in the chart's colours, for pictures handed to the device.
QImage ToQImage(const chart::TPicture& picture);

}  // namespace platform

// The toolkit's drawing surface as the chart engine sees it: a narrow set of operations
// with the device convention (a rectangle covers columns left..right-1 and rows
// top..bottom-1; a line from A to B sets the pixels from A up to but not including B).
// The surface owns its current pen, brush and font; the canvas draws with them.
// Colours of the attributes may be system colours: the surface resolves them when it draws.
#pragma once

#include "chart/canvas/Brush.h"
#include "chart/canvas/Font.h"
#include "chart/canvas/GraphicsTypes.h"
#include "chart/canvas/Pen.h"
#include "chart/canvas/Picture.h"
#include "chart/core/Color.h"
#include "chart/core/Geometry.h"

#include <memory>
#include <span>
#include <string_view>

namespace chart {

class TDeviceBitmap;

class TDeviceSurface {
 public:
  TDeviceSurface();
  virtual ~TDeviceSurface() = default;
  TDeviceSurface(const TDeviceSurface&) = delete;
  TDeviceSurface& operator=(const TDeviceSurface&) = delete;

  TPen& Pen() { return FPen; }
  TBrush& Brush() { return FBrush; }
  TFont& Font() { return FFont; }
  const TPen& Pen() const { return FPen; }
  const TBrush& Brush() const { return FBrush; }
  const TFont& Font() const { return FFont; }

  // Background behind text, hatch lines and pen-style gaps: colour, and TRANSPARENT or OPAQUE.
  TColor TextBackColor() const { return FTextBackColor; }
  int TextBackMode() const { return FTextBackMode; }
  void SetTextBackColor(TColor c) { if (c != FTextBackColor) { FTextBackColor = c; StateChanged(TState::Text); } }
  void SetTextBackMode(int mode) { if (mode != FTextBackMode) { FTextBackMode = mode; StateChanged(TState::Text); } }
  // Foreground of text and of pictures that take one: the resolved font colour, set by
  // the canvas before it writes text or draws a picture.
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor c) { if (c != FTextColor) { FTextColor = c; StateChanged(TState::Text); } }
  // TA_* flags naming the reference point of TextOut.
  unsigned TextAlign() const { return FTextAlign; }
  void SetTextAlign(unsigned flags) { if (flags != FTextAlign) { FTextAlign = flags; StateChanged(TState::Text); } }

  TPoint PenPos() const { return {FPenX, FPenY}; }
  void MoveTo(int x, int y) { FPenX = x; FPenY = y; }
  // Line from the pen position to (x, y), which becomes the pen position.
  virtual void LineTo(int x, int y) = 0;
  // MoveTo(x0, y0) then LineTo(x1, y1) in one call: the path of every series segment.
  virtual void Line(int x0, int y0, int x1, int y1) {
    MoveTo(x0, y0);
    LineTo(x1, y1);
  }
  // Line(points[k - 1], points[k]) for every k from 1 where the two differ: a chain of
  // segments in one call, for devices that draw it with less work per segment. With two
  // points or more the pen position ends at the last.
  virtual void LineRun(std::span<const TPoint> points) {
    if (points.size() < 2) return;
    for (std::size_t k = 1; k < points.size(); ++k)
      if (points[k - 1] != points[k]) Line(points[k - 1].X, points[k - 1].Y, points[k].X, points[k].Y);
    MoveTo(points.back().X, points.back().Y);
  }
  // Connected lines through the points; the last point is not set.
  virtual void Polyline(std::span<const TPoint> points) = 0;
  // Outline with the pen, inside with the brush; the figures lie in the box left..right-1.
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
  virtual void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) = 0;
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;
  // Counter-clockwise from the ray through (x3, y3) to the ray through (x4, y4).
  virtual void Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) = 0;
  virtual void Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) = 0;
  virtual void Polygon(std::span<const TPoint> points) = 0;
  // Brush only, no outline.
  virtual void FillRect(const TRect& rect) = 0;
  virtual void SetPixel(int x, int y, TColor color) = 0;
  // Text in the font colour at the reference point named by TextAlign, rotated by the font's
  // Orientation, with the background per TextBackMode.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  // Size of one line of text in the current font; (0, 0) when the device cannot measure.
  virtual TSize TextExtent(std::string_view text) = 0;

  // The clip region becomes its intersection with the rectangle; RemoveClip: no clip.
  virtual void IntersectClipRect(const TRect& rect) = 0;
  virtual void RemoveClip() = 0;

  // An off-screen bitmap with its own surface (one bit per pixel when monochrome).
  virtual std::unique_ptr<TDeviceBitmap> CreateBitmap(int width, int height, bool monochrome) = 0;
  // Copies the whole bitmap with its top-left corner at (x, y).
  virtual void DrawBitmap(int x, int y, TDeviceBitmap& bitmap) = 0;
  virtual void DrawPicture(int x, int y, const TPicture& picture) = 0;
  virtual void StretchPicture(const TRect& rect, const TPicture& picture) = 0;

  // RGB of the interface palette entry `index`, as the platform reports it now.
  virtual TColor LookupSystemColor(int index) const = 0;
  // Whether the device has a cosmetic pen that sets alternate pixels.
  virtual bool SupportsAlternatePen() const { return true; }
  virtual int PixelsPerInch() const { return TFont::DefaultPixelsPerInch; }

  // A system colour resolved through this device's palette; other values unchanged.
  TColor ResolveColor(TColor c) const { return IsSystemColor(c) ? LookupSystemColor(SystemColorIndex(c)) : c; }

 protected:
  enum class TState { Pen, Brush, Font, Text };
  // Called after any attribute or text setting changed, before the next drawing operation.
  virtual void StateChanged(TState) {}
  void SetPenPos(TPoint p) { FPenX = p.X; FPenY = p.Y; }
  // The pen position as two separate words: MoveTo writes them one by one, and reading them
  // back as one wider word right after would stall on the store.
  int PenX() const { return FPenX; }
  int PenY() const { return FPenY; }

 private:
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
  TColor FTextBackColor = clWhite;
  TColor FTextColor = clBlack;
  int FTextBackMode = OPAQUE;
  unsigned FTextAlign = TA_LEFT | TA_TOP;
  int FPenX = 0;
  int FPenY = 0;
};

class TDeviceBitmap {
 public:
  virtual ~TDeviceBitmap() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Monochrome() const = 0;
  virtual TDeviceSurface& Surface() = 0;
};

}  // namespace chart

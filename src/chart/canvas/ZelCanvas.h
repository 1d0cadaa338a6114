// The chart's drawing canvas, two-dimensional part. It draws on a device surface and keeps
// that surface's pen, brush and font as its current attributes. Every operation here is
// implemented by the concrete canvas, except text measuring and the non-virtual helpers.
#pragma once

#include "chart/canvas/Brush.h"
#include "chart/canvas/ChartGradient.h"
#include "chart/canvas/ChartPen.h"
#include "chart/canvas/DeviceSurface.h"
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

class TNullDeviceSurface;

class TZelCanvas {
 public:
  TZelCanvas();
  virtual ~TZelCanvas();
  TZelCanvas(const TZelCanvas&) = delete;
  TZelCanvas& operator=(const TZelCanvas&) = delete;

  // --- Virtual operations, in slot order ---
  virtual TColor TextBackColor() const = 0;  // RGB
  virtual int TextBackMode() const = 0;      // TRANSPARENT or OPAQUE
  virtual TDeviceSurface* DeviceHandle() const = 0;
  virtual bool IsMonochrome() const = 0;
  virtual unsigned TextAlignment() const = 0;
  virtual bool Buffered() const = 0;
  virtual void SetTextBackColor(TColor color) = 0;
  virtual void SetTextBackMode(int mode) = 0;
  virtual void SetIsMonochrome(bool value) = 0;
  virtual void PutPixel(int x, int y, TColor color) = 0;
  virtual void SetTextAlignment(unsigned flags) = 0;
  virtual void SetBuffered(bool value) = 0;
  virtual void DrawArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  virtual void DrawGraphic(int x, int y, const TPicture* picture) = 0;
  virtual void DrawEllipse(int x1, int y1, int x2, int y2) = 0;
  virtual void FillRectangle(const TRect& rect) = 0;
  virtual void DrawBevelFrame(const TRect& rect, TColor topColor, TColor bottomColor, int width) = 0;
  virtual void LineToPoint(int x, int y) = 0;
  virtual void MovePenTo(int x, int y) = 0;
  virtual void DrawPieSlice(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  virtual void DrawRectangle(int left, int top, int right, int bottom) = 0;
  virtual void DrawRoundRectangle(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) = 0;
  virtual void StretchGraphic(const TRect& rect, const TPicture* picture) = 0;
  virtual void DrawText(int x, int y, std::string_view text) = 0;
  virtual int MeasureTextWidth(std::string_view text);
  virtual int MeasureTextHeight(std::string_view text);
  virtual void ClipToRect(const TRect& rect) = 0;
  virtual void DrawHorizontalLine(int x0, int x1, int y) = 0;
  virtual void DrawRectangleOf(const TRect& rect) = 0;
  virtual void DrawVerticalLine(int x, int y0, int y1) = 0;
  virtual void EraseRect(const TRect& rect) = 0;
  virtual void FillGradient(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction) = 0;
  virtual void MarkDirty() = 0;
  virtual void DrawSegment(int x0, int y0, int x1, int y1) = 0;
  // Closed polygon through points[0..lastIndex]; indices beyond the span are not read.
  virtual void DrawPolygon(std::span<const TPoint> points, int lastIndex) = 0;
  virtual void DrawRotatedText(int x, int y, std::string_view text, int angle) = 0;
  virtual void RemoveClip() = 0;
  // DrawSegment(points[k - 1], points[k]) for every k from 1 where the two differ.
  virtual void DrawSegmentRun(std::span<const TPoint> points) {
    for (std::size_t k = 1; k < points.size(); ++k)
      if (points[k - 1] != points[k]) DrawSegment(points[k - 1].X, points[k - 1].Y, points[k].X, points[k].Y);
  }

  // --- Non-virtual operations ---
  // Draws on `surface` from now on, with its pen, brush and font as the current attributes.
  void AttachDevice(TDeviceSurface& surface);
  TDeviceSurface& Device() const { return *FDevice; }

  TPen& Pen() const { return FDevice->Pen(); }
  TBrush& Brush() const { return FDevice->Brush(); }
  TFont& Font() const { return FDevice->Font(); }

  // Makes a chart pen current: an invisible pen only clears the current pen's style; small
  // dots of width 1 give an alternate-pixel pen; otherwise colour, width, style and mode.
  void ApplyChartPen(const TChartPen& pen);
  // A fill of the given colour and style over the given background (no bitmap): a hatch in
  // the background's own colour would vanish, so it turns black, or white on black; a
  // hatch's gaps show the background.
  void ApplyFillBrush(TColor color, TBrushStyle style, TColor background);
  // Pen black/1/solid, brush white/solid, font black/10 points, text background white and
  // transparent. The pen mode is left alone.
  void ResetDrawingState();
  // Height of "W" in the current font.
  int MeasureFontHeight() { return MeasureTextHeight("W"); }
  // A system colour becomes its palette RGB at this moment; other values are unchanged.
  TColor ResolveColor(TColor color) const { return FDevice->ResolveColor(color); }

  bool Metafiling() const { return FMetafiling; }
  void SetMetafiling(bool value) { FMetafiling = value; }

 protected:
  // Draws on nothing until the next AttachDevice (the attached surface is going away).
  void DetachDevice();

  TDeviceSurface* FDevice;

 private:
  std::unique_ptr<TNullDeviceSurface> FNullDevice;
  bool FMetafiling = false;
};

}  // namespace chart

// The paint entry of the panel: buffer reuse, the chart rectangle from the margins, the
// bevels, and keeping the chart rectangle usable.
#include <algorithm>
#include <cstdint>

#include "chart/core/Numeric.h"
#include "chart/panel/CustomZelPanel.h"

namespace chart {

namespace {

// percent * extent / 100 rounded halves away from zero (MulDiv's rule), without MulDiv's
// int result: a huge margin gives a huge offset instead of MulDiv's overflow answer.
std::int64_t PercentOf(int percent, std::int64_t extent) {
  const std::int64_t num = percent * extent;
  std::int64_t q = num / 100;
  const std::int64_t r = num % 100;
  if (2 * (r < 0 ? -r : r) >= 100) q += num < 0 ? -1 : 1;
  return q;
}

// How many of `width` nested one-pixel frames, the first on `r`, can touch `bounds`: once
// a shrinking frame has crossed over past every edge of the bounds, it and all after it
// lie outside. Keeps the work of a huge bevel or border to the pixels there are.
int VisibleFrames(const TRect& r, const TRect& bounds, int width) {
  const std::int64_t crossing = std::max({static_cast<std::int64_t>(bounds.Right) - r.Left,
                                          static_cast<std::int64_t>(r.Right) - bounds.Left,
                                          static_cast<std::int64_t>(bounds.Bottom) - r.Top,
                                          static_cast<std::int64_t>(r.Bottom) - bounds.Top}) +
                                 2;
  return static_cast<int>(std::clamp<std::int64_t>(crossing, 0, std::max(width, 0)));
}

// The rectangle moved in by n on every side, saturating.
TRect Shrink(const TRect& r, int n) {
  const std::int64_t d = n;
  return {ClampToInt(r.Left + d), ClampToInt(r.Top + d), ClampToInt(r.Right - d), ClampToInt(r.Bottom - d)};
}

// One direction of the chart rectangle: the low edge inside the bounds, the high edge
// past it (one pixel past an inverted span, the control's extent past an empty one).
// Edges beyond any drawing are pinned well inside the int range (ClampToPixel), so that
// whatever is computed from them (a frame one pixel past, a centre) stays defined.
void NormalizeSpan(int& lo, int& hi, int boundsLo, int extent) {
  lo = ClampToPixel(std::max(lo, boundsLo));
  hi = ClampToPixel(hi);
  if (hi < lo) hi = ClampToPixel(std::int64_t{lo} + 1);
  else if (hi == lo) hi = ClampToPixel(std::int64_t{lo} + extent);
  // At the limit there is no pixel past lo: the span takes the one before.
  if (hi == lo && lo == PixelLimit) --lo;
}

}  // namespace

void TCustomZelPanel::Paint() {
  RepaintRequestHandled();
  if (FPrinting) return;
  // Nothing changed since the last paint: show the same picture again.
  if (FCanvas->RepaintFromBuffer()) return;
  if (!FHost) return;
  DrawToCanvas(FHost->WindowSurface(), PanelRect());
}

void TCustomZelPanel::DrawToCanvas(TDeviceSurface& surface, const TRect& rect) {
  const TRect bounds = FCanvas->BeginDrawing(surface, &FView3DOptions, Color(), FView3D, rect);
  FChartBounds = bounds;
  const std::int64_t w = static_cast<std::int64_t>(bounds.Right) - bounds.Left;
  const std::int64_t h = static_cast<std::int64_t>(bounds.Bottom) - bounds.Top;
  // Margins are percentages of the whole drawing; the bevel lives inside them. 64 bits and
  // saturation: a margin or border near the int limits must not wrap the rectangle.
  const std::int64_t border = FBorderWidth;
  FChartRect.Left = ClampToInt(bounds.Left + border + PercentOf(FMarginLeft, w));
  FChartRect.Top = ClampToInt(bounds.Top + border + PercentOf(FMarginTop, h));
  FChartRect.Right = ClampToInt(bounds.Right - border - PercentOf(FMarginRight, w));
  FChartRect.Bottom = ClampToInt(bounds.Bottom - border - PercentOf(FMarginBottom, h));
  NormalizeChartRect();
  const std::uint64_t requestsBefore = FInvalidateCount;
  PaintChart(bounds);
  FCanvas->PresentBuffer(surface, FHost ? FHost->WindowSurface() : surface, rect);
  if (FInvalidateCount == requestsBefore) {
    // The picture is current: the next change asks the window again.
    RepaintRequestHandled();
  } else {
    // Something changed while the chart was drawn (an event handler): the buffer may not
    // show it, and the window has been asked already.
    FCanvas->MarkDirty();
  }
}

void TCustomZelPanel::NormalizeChartRect() {
  TRect& r = FChartRect;
  NormalizeSpan(r.Left, r.Right, FChartBounds.Left, FWidth);
  NormalizeSpan(r.Top, r.Bottom, FChartBounds.Top, FHeight);
  RecalcWidthHeight();
}

void TCustomZelPanel::RecalcWidthHeight() {
  // 64-bit sums: a rectangle near the int limits must not overflow.
  FChartWidth = static_cast<int>(static_cast<long long>(FChartRect.Right) - FChartRect.Left);
  FChartHeight = static_cast<int>(static_cast<long long>(FChartRect.Bottom) - FChartRect.Top);
  FChartXCenter = static_cast<int>((static_cast<long long>(FChartRect.Left) + FChartRect.Right) / 2);
  FChartYCenter = static_cast<int>((static_cast<long long>(FChartRect.Top) + FChartRect.Bottom) / 2);
}

void TCustomZelPanel::DrawBevels(const TRect& rect) {
  if (FPrinting) return;  // bevels are a screen decoration
  TZelCanvas3D& c = *FCanvas;
  c.Pen().SetStyle(psSolid);
  c.Pen().SetWidth(1);
  c.Pen().SetMode(pmCopy);
  c.Brush().SetStyle(bsClear);
  TRect r = rect;
  auto frames = [&](TColor top, TColor bottom, int width) {
    // A rectangle grown by a negative width starts far outside the drawing: its frames
    // there draw nothing and are skipped.
    const std::int64_t outside =
        std::min({static_cast<std::int64_t>(rect.Left) - r.Left, static_cast<std::int64_t>(rect.Top) - r.Top,
                  static_cast<std::int64_t>(r.Right) - rect.Right, static_cast<std::int64_t>(r.Bottom) - rect.Bottom});
    const int skipped = static_cast<int>(std::clamp<std::int64_t>(outside, 0, std::max(width, 0)));
    const TRect first = Shrink(r, skipped);
    c.DrawBevelFrame(first, top, bottom, VisibleFrames(first, rect, width - skipped));
    r = Shrink(r, width);
  };
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone) return;
    frames(cut == bvLowered ? clBtnShadow : clBtnHighlight, cut == bvRaised ? clBtnShadow : clBtnHighlight,
           FBevelWidth);
  };
  bevel(FBevelOuter);
  if (FBorderWidth > 0) frames(Color(), Color(), FBorderWidth);
  bevel(FBevelInner);
}

void TCustomZelPanel::ApplyFont(TFont& font) {
  font.AdoptPixelsPerInch(FCanvas->Font().PixelsPerInch());
  FCanvas->Font().Assign(font);
}

}  // namespace chart

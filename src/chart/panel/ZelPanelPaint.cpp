// The paint entry of the panel: buffer reuse, the chart rectangle from the margins, the
// bevels, and keeping the chart rectangle usable.
#include "chart/core/Numeric.h"
#include "chart/panel/CustomZelPanel.h"

namespace chart {

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
  const int w = bounds.Width();
  const int h = bounds.Height();
  // Margins are percentages of the whole drawing; the bevel lives inside them.
  FChartRect.Left = bounds.Left + FBorderWidth + MulDiv(FMarginLeft, w, 100);
  FChartRect.Top = bounds.Top + FBorderWidth + MulDiv(FMarginTop, h, 100);
  FChartRect.Right = bounds.Right - FBorderWidth - MulDiv(FMarginRight, w, 100);
  FChartRect.Bottom = bounds.Bottom - FBorderWidth - MulDiv(FMarginBottom, h, 100);
  NormalizeChartRect();
  PaintChart(bounds);
  FCanvas->PresentBuffer(surface, FHost ? FHost->WindowSurface() : surface, rect);
  // Presenting cleans the buffer, so a request made during the paint is spent: the next
  // change must mark the buffer dirty again.
  RepaintRequestHandled();
}

void TCustomZelPanel::NormalizeChartRect() {
  TRect& r = FChartRect;
  if (r.Left < FChartBounds.Left) r.Left = FChartBounds.Left;
  if (r.Top < FChartBounds.Top) r.Top = FChartBounds.Top;
  if (r.Right < r.Left) r.Right = r.Left + 1;
  else if (r.Right == r.Left) r.Right = r.Left + FWidth;
  if (r.Bottom < r.Top) r.Bottom = r.Top + 1;
  else if (r.Bottom == r.Top) r.Bottom = r.Top + FHeight;
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
    c.DrawBevelFrame(r, top, bottom, width);
    r = InflateRect(r, -width, -width);
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
  font.SetPixelsPerInch(FCanvas->Font().PixelsPerInch());
  FCanvas->Font().Assign(font);
}

}  // namespace chart

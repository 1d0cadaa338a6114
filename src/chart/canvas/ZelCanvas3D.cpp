// Two-dimensional operations and the paint cycle of the concrete canvas.
#include "chart/canvas/ZelCanvas3D.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace chart {

TZelCanvas3D::TZelCanvas3D() = default;
TZelCanvas3D::~TZelCanvas3D() = default;

TColor TZelCanvas3D::TextBackColor() const { return ResolveColor(FDevice->TextBackColor()); }

int TZelCanvas3D::TextBackMode() const { return FDevice->TextBackMode(); }

unsigned TZelCanvas3D::TextAlignment() const { return FDevice->TextAlign(); }

void TZelCanvas3D::SetTextBackColor(TColor color) { FDevice->SetTextBackColor(ResolveColor(color)); }

void TZelCanvas3D::SetTextBackMode(int mode) { FDevice->SetTextBackMode(mode); }

void TZelCanvas3D::SetTextAlignment(unsigned flags) { FDevice->SetTextAlign(flags); }

void TZelCanvas3D::DiscardBuffer() {
  if (!FBuffer) return;
  // Never keep drawing on a surface that is about to go away.
  if (FDevice == &FBuffer->Surface()) DetachDevice();
  FBuffer.reset();
}

void TZelCanvas3D::SetIsMonochrome(bool value) {
  if (value == FIsMonochrome) return;
  FIsMonochrome = value;
  DiscardBuffer();
  FDirty = true;
  if (FView3DOptions) FView3DOptions->RepaintOwner();
}

void TZelCanvas3D::SetBuffered(bool value) {
  FBuffered = value;
  if (!value && FBuffer) {
    DiscardBuffer();
    FDirty = true;
  }
}

void TZelCanvas3D::PutPixel(int x, int y, TColor color) { FDevice->SetPixel(x, y, ResolveColor(color)); }

void TZelCanvas3D::DrawArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  FDevice->Arc(x1, y1, x2, y2, x3, y3, x4, y4);
}

void TZelCanvas3D::DrawPieSlice(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  FDevice->Pie(x1, y1, x2, y2, x3, y3, x4, y4);
}

void TZelCanvas3D::DrawGraphic(int x, int y, const TPicture* picture) {
  if (!picture || picture->Empty()) return;
  SetTextBackColor(Brush().Color());
  FDevice->SetTextColor(ResolveColor(Font().Color()));
  FDevice->DrawPicture(x, y, *picture);
}

void TZelCanvas3D::StretchGraphic(const TRect& rect, const TPicture* picture) {
  if (!picture || picture->Empty()) return;
  FDevice->StretchPicture(rect, *picture);
}

void TZelCanvas3D::DrawEllipse(int x1, int y1, int x2, int y2) { FDevice->Ellipse(x1, y1, x2, y2); }

void TZelCanvas3D::FillRectangle(const TRect& rect) { FDevice->FillRect(rect); }

void TZelCanvas3D::DrawBevelFrame(const TRect& rect, TColor topColor, TColor bottomColor, int width) {
  Pen().SetWidth(1);
  TRect r = rect;
  --r.Right;
  --r.Bottom;
  for (int i = 0; i < width; ++i) {
    const TPoint top[3] = {{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}};
    Pen().SetColor(topColor);
    FDevice->Polyline(top);
    const TPoint bottom[3] = {{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}};
    Pen().SetColor(bottomColor);
    FDevice->Polyline(bottom);
    r = InflateRect(r, -1, -1);
  }
}

void TZelCanvas3D::DrawRectangle(int left, int top, int right, int bottom) {
  FDevice->Rectangle(left, top, right, bottom);
}

void TZelCanvas3D::DrawRoundRectangle(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  FDevice->RoundRect(left, top, right, bottom, cornerWidth, cornerHeight);
}

void TZelCanvas3D::DrawText(int x, int y, std::string_view text) {
  FDevice->SetTextColor(ResolveColor(Font().Color()));
  FDevice->TextOut(x, y, text);
}

void TZelCanvas3D::ClipToRect(const TRect& rect) { FDevice->IntersectClipRect(rect); }

void TZelCanvas3D::RemoveClip() { FDevice->RemoveClip(); }

void TZelCanvas3D::DrawHorizontalLine(int x0, int x1, int y) {
  FDevice->MoveTo(x0, y);
  FDevice->LineTo(x1, y);
}

void TZelCanvas3D::DrawVerticalLine(int x, int y0, int y1) {
  FDevice->MoveTo(x, y0);
  FDevice->LineTo(x, y1);
}

void TZelCanvas3D::DrawRectangleOf(const TRect& rect) { DrawRectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }

void TZelCanvas3D::DrawPolygon(std::span<const TPoint> points, int lastIndex) {
  if (lastIndex < 0 || points.empty()) return;
  const std::size_t count = std::min(points.size(), static_cast<std::size_t>(lastIndex) + 1);
  FDevice->Polygon(points.first(count));
}

int TZelCanvas3D::ZoomedFontSize() const {
  const int size = Font().Size();
  if (!FZoomText || FZoomFactor == 1.0) return size;
  // Text taller than any screen shows nothing more; a huge zoom must not make the toolkit
  // build glyphs of millions of pixels.
  constexpr int MaxZoomedSize = 4096;
  return std::clamp(RoundInt(size * FZoomFactor), 1, std::max(size, MaxZoomedSize));
}

void TZelCanvas3D::DrawRotatedText(int x, int y, std::string_view text, int angle) {
  Brush().SetStyle(bsClear);
  if (angle > 360) angle -= 360;
  const TFont previous = Font();
  const int size = ZoomedFontSize();
  Font().SetOrientation(ClampToInt(std::int64_t{angle} * 10));  // tenths of a degree; any int angle
  Font().SetOutlineOnly(true);
  Font().SetSize(size);
  DrawText(x, y, text);
  Font().Assign(previous);
}

void TZelCanvas3D::DrawText3D(int x, int y, std::string_view text, int z) {
  const TPoint p = Project(x, y, z);
  const int size = ZoomedFontSize();
  if (size == Font().Size()) {
    DrawText(p.X, p.Y, text);
    return;
  }
  const TFont previous = Font();
  Font().SetSize(size);
  DrawText(p.X, p.Y, text);
  Font().Assign(previous);
}

void TZelCanvas3D::DrawRotatedText3D(int x, int y, int z, std::string_view text, int angle) {
  const TPoint p = Project(x, y, z);
  DrawRotatedText(p.X, p.Y, text, angle);
}

namespace {

TColor Blend(TColor from, TColor to, int step, int steps) {
  // Linear per channel; steps >= 1.
  auto channel = [&](int shift) {
    const int a = static_cast<int>((from >> shift) & 0xFF);
    const int b = static_cast<int>((to >> shift) & 0xFF);
    return static_cast<TColor>(a + (b - a) * step / steps) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

}  // namespace

void TZelCanvas3D::FillGradient(const TRect& rect, TColor startColor, TColor endColor,
                                TGradientDirection direction) {
  const TRect r = NormalizeRect(rect);
  if (r.IsEmpty()) return;
  const TColor from = ResolveColor(startColor);
  const TColor to = ResolveColor(endColor);
  const TBrush saved = Brush();
  const TPen savedPen = Pen();
  Brush().SetStyle(bsSolid);
  const long long w = r.Width(), h = r.Height();

  // Bands along one axis: band i covers [i * extent / n, (i + 1) * extent / n).
  auto linear = [&](long long extent, auto fillBand) {
    const int n = static_cast<int>(std::min<long long>(256, extent));
    for (int i = 0; i < n; ++i) {
      const int a = static_cast<int>(i * extent / n), b = static_cast<int>((i + 1) * extent / n);
      Brush().SetColor(Blend(from, to, i, std::max(1, n - 1)));
      fillBand(a, b);
    }
  };
  switch (direction) {
    case gdTopBottom:
      linear(h, [&](int a, int b) { FillRectangle({r.Left, r.Top + a, r.Right, r.Top + b}); });
      break;
    case gdBottomTop:
      linear(h, [&](int a, int b) { FillRectangle({r.Left, r.Bottom - b, r.Right, r.Bottom - a}); });
      break;
    case gdLeftRight:
      linear(w, [&](int a, int b) { FillRectangle({r.Left + a, r.Top, r.Left + b, r.Bottom}); });
      break;
    case gdRightLeft:
      linear(w, [&](int a, int b) { FillRectangle({r.Right - b, r.Top, r.Right - a, r.Bottom}); });
      break;
    case gdFromCenter: {
      // Nested rectangles from the outside (start colour) to the centre (end colour).
      const long long half = (std::min(w, h) + 1) / 2;
      const int n = static_cast<int>(std::min<long long>(256, half));
      for (int i = 0; i < n; ++i) {
        const int dx = static_cast<int>(i * (w / 2) / n), dy = static_cast<int>(i * (h / 2) / n);
        Brush().SetColor(Blend(from, to, i, std::max(1, n - 1)));
        FillRectangle({r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy});
      }
      break;
    }
    case gdFromTopLeft:
    case gdFromBottomLeft: {
      // Diagonal bands across x + y (or x + distance from the bottom), clipped to the rectangle.
      Pen().SetStyle(psClear);
      FDevice->IntersectClipRect(r);
      const long long extent = w + h;
      const bool fromTop = direction == gdFromTopLeft;
      linear(extent, [&](int a, int b) {
        // The band between the diagonals x' + y' = a and x' + y' = b, drawn as a quadrilateral
        // a pixel wider on each side so neighbouring bands leave no gaps.
        const int y0 = fromTop ? r.Top : r.Bottom;
        const int sign = fromTop ? 1 : -1;
        const TPoint quad[4] = {{r.Left + a, y0},
                                {r.Left + b + 1, y0},
                                {r.Left, y0 + sign * (b + 1)},
                                {r.Left, y0 + sign * a}};
        FDevice->Polygon(quad);
      });
      FDevice->RemoveClip();
      break;
    }
  }
  Pen().Assign(savedPen);
  Brush().Assign(saved);
}

void TZelCanvas3D::PutPixel3D(int x, int y, int z, TColor color) {
  const TPoint p = Project(x, y, z);
  if (Pen().Width() == 1) {
    PutPixel(p.X, p.Y, color);
  } else {
    Pen().SetColor(color);
    FDevice->MoveTo(p.X, p.Y);
    FDevice->LineTo(p.X, p.Y);
  }
}

TRect TZelCanvas3D::BeginDrawing(TDeviceSurface& surface, TView3DOptions* options, TColor /*backColor*/, bool is3D,
                                 const TRect& requested) {
  FBounds = requested;
  FView3DOptions = options;
  FIs3D = is3D;
  FIsOrthogonal = false;
  FZoomFactor = 1.0;
  if (is3D && options) {
    FIsOrthogonal = options->Orthogonal();
    FZoomFactor = options->Zoom() * 0.01;
    FZoomText = options->ZoomText();
    ComputeRotation(options->Elevation(), options->Rotation(), options->Tilt());
  }
  if (!FBuffered) {
    AttachDevice(surface);
    return requested;
  }
  const int width = std::max(0, requested.Width());
  const int height = std::max(0, requested.Height());
  // A bitmap is shown only by the kind of surface that made it: a chart moved to another
  // window gets a new one.
  if (FBuffer && (FBuffer->Width() != width || FBuffer->Height() != height || FBufferMaker != &surface))
    DiscardBuffer();
  if (!FBuffer) {
    FBuffer = surface.CreateBitmap(width, height, FIsMonochrome);
    FBufferMaker = &surface;
  }
  AttachDevice(FBuffer->Surface());
  return {0, 0, width, height};
}

void TZelCanvas3D::SetProjection(int depth, const TRect& /*bounds*/, const TRect& chartRect) {
  FXCenter = static_cast<int>((static_cast<long long>(chartRect.Left) + chartRect.Right) / 2);
  FYCenter = static_cast<int>((static_cast<long long>(chartRect.Top) + chartRect.Bottom) / 2);
  FZCenter = depth / 2;
  FXCenterOffset = FXCenter;
  FYCenterOffset = FYCenter;
  FPerspective = 0.0;
  if (FView3DOptions) {
    FXCenterOffset = ClampToInt(static_cast<std::int64_t>(FXCenter) + FView3DOptions->HorizOffset());
    FYCenterOffset = ClampToInt(static_cast<std::int64_t>(FYCenter) + FView3DOptions->VertOffset());
    if (FView3DOptions->Perspective() > 0) FPerspective = FView3DOptions->Perspective() / 35000.0;
  }
}

void TZelCanvas3D::PresentBuffer(TDeviceSurface& destination, TDeviceSurface& next, const TRect& requested) {
  if (FBuffered && FBuffer) {
    destination.DrawBitmap(requested.Left, requested.Top, *FBuffer);
    FDirty = false;
  }
  AttachDevice(next);
}

bool TZelCanvas3D::RepaintFromBuffer() {
  if (FDirty || !FBuffer) return false;
  FDevice->DrawBitmap(0, 0, *FBuffer);
  return true;
}

void TZelCanvas3D::ClipToCube(const TRect& rect, int zMin, int zMax) {
  const TRect inner{rect.Left + 1, rect.Top + 1, rect.Right, rect.Bottom - 1};
  if (!FIs3D && !FIsOrthogonal) return ClipToRect(inner);
  // In depth: the screen box around the projected box, so that nothing drawn inside the
  // box is cut off.
  TRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int k = 0; k < 8; ++k) {
    const TPoint p = Project(k & 1 ? inner.Right : inner.Left, k & 2 ? inner.Bottom : inner.Top, k & 4 ? zMax : zMin);
    box = {std::min(box.Left, p.X), std::min(box.Top, p.Y), std::max(box.Right, p.X), std::max(box.Bottom, p.Y)};
  }
  ClipToRect(box);
}

}  // namespace chart

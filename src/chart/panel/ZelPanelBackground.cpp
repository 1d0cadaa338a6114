// The panel background: gradient or solid fill, the background picture, the bevels.
#include "chart/panel/CustomZelPanelExtended.h"
#include "chart/core/Store.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace chart {

namespace {

constexpr int TileBlockSide = 256;

// The picture repeated kx times across and ky times down.
TPicture Repeated(const TPicture& pic, int kx, int ky) {
  const int w = pic.Width(), h = pic.Height();
  std::vector<TColor> pixels;
  pixels.reserve(static_cast<std::size_t>(w) * kx * static_cast<std::size_t>(h) * ky);
  for (int y = 0; y < h * ky; ++y)
    for (int x = 0; x < w * kx; ++x) pixels.push_back(pic.Pixel(x % w, y % h));
  return TPicture(w * kx, h * ky, std::move(pixels));
}

}  // namespace

void TCustomZelPanelExtended::SetBackImage(std::shared_ptr<const TPicture> v) {
  if (v == FBackImage) return;
  FBackImage = std::move(v);
  FTileBlock.reset();
  FTileBlockOf = nullptr;
  InvalidateChart();
}
void TCustomZelPanelExtended::SetBackImageMode(TZelBackImageMode v) { if (Store(FBackImageMode, v)) InvalidateChart(); }
void TCustomZelPanelExtended::SetAllowZoom(bool v) { if (Store(FAllowZoom, v)) InvalidateChart(); }
void TCustomZelPanelExtended::SetAllowPanning(TPanningMode v) { if (Store(FAllowPanning, v)) InvalidateChart(); }
void TCustomZelPanelExtended::SetAnimatedZoom(bool v) { if (Store(FAnimatedZoom, v)) InvalidateChart(); }
void TCustomZelPanelExtended::SetAnimatedZoomSteps(int v) { if (Store(FAnimatedZoomSteps, v)) InvalidateChart(); }

void TCustomZelPanelExtended::FillBackground(const TRect& rect) {
  TZelCanvas3D& c = Canvas();
  if (FGradient.Visible()) {
    c.FillGradient(rect, FGradient.StartColor(), FGradient.EndColor(), FGradient.Direction());
  } else if (!Printing()) {
    c.Brush().SetColor(Color());
    c.Brush().SetStyle(bsSolid);
    c.EraseRect(rect);
  }
}

void TCustomZelPanelExtended::DrawBackImage(const TRect& rect) {
  if (!FBackImage || FBackImage->Empty()) return;
  TZelCanvas3D& c = Canvas();
  const TPicture* pic = FBackImage.get();
  switch (FBackImageMode) {
    case pbmStretch:
      c.StretchGraphic(rect, pic);
      break;
    case pbmTile: {
      const int kx = std::max(1, TileBlockSide / pic->Width()), ky = std::max(1, TileBlockSide / pic->Height());
      if (kx > 1 || ky > 1) {
        if (FTileBlockOf != pic) {
          FTileBlock = std::make_shared<const TPicture>(Repeated(*pic, kx, ky));
          FTileBlockOf = pic;
        }
        pic = FTileBlock.get();
      }
      c.ClipToRect(rect);
      for (std::int64_t y = rect.Top; y < rect.Bottom; y += pic->Height())
        for (std::int64_t x = rect.Left; x < rect.Right; x += pic->Width())
          c.DrawGraphic(static_cast<int>(x), static_cast<int>(y), pic);
      c.RemoveClip();
      break;
    }
    case pbmCenter:
      FillBackground(rect);
      c.ClipToRect(rect);
      c.DrawGraphic((rect.Left + rect.Right - pic->Width()) / 2, (rect.Top + rect.Bottom - pic->Height()) / 2, pic);
      c.RemoveClip();
      break;
  }
}

void TCustomZelPanelExtended::PaintPanelBackground(const TRect& rect) {
  FillBackground(rect);
  DrawBackImage(rect);
  if (!Canvas().RendersTrue3D()) DrawBevels(rect);
}

}  // namespace chart

// The panel background: gradient or solid fill, the background picture, the bevels.
#include "chart/panel/CustomZelPanelExtended.h"
#include "chart/core/Store.h"

namespace chart {

void TCustomZelPanelExtended::SetBackImage(std::shared_ptr<const TPicture> v) {
  if (v == FBackImage) return;
  FBackImage = std::move(v);
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
    case pbmTile:
      c.ClipToRect(rect);
      for (int y = rect.Top; y < rect.Bottom; y += pic->Height())
        for (int x = rect.Left; x < rect.Right; x += pic->Width()) c.DrawGraphic(x, y, pic);
      c.RemoveClip();
      break;
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

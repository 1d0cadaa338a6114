#include "chart/canvas/ZelCanvas.h"

#include "chart/canvas/NullDeviceSurface.h"

namespace chart {

TZelCanvas::TZelCanvas() : FNullDevice(std::make_unique<TNullDeviceSurface>()) { FDevice = FNullDevice.get(); }

TZelCanvas::~TZelCanvas() = default;

void TZelCanvas::AttachDevice(TDeviceSurface& surface) { FDevice = &surface; }

void TZelCanvas::DetachDevice() { FDevice = FNullDevice.get(); }

int TZelCanvas::MeasureTextWidth(std::string_view text) { return FDevice->TextExtent(text).Width; }

int TZelCanvas::MeasureTextHeight(std::string_view text) { return FDevice->TextExtent(text).Height; }

void TZelCanvas::ApplyFillBrush(TColor color, TBrushStyle style, TColor background) {
  if (style != bsSolid && color == background) color = background == clBlack ? clWhite : clBlack;
  Brush().SetBitmap(nullptr);
  Brush().SetColor(color);
  Brush().SetStyle(style);
  if (style != bsSolid) {
    SetTextBackMode(OPAQUE);
    SetTextBackColor(background);
  } else {
    SetTextBackMode(TRANSPARENT);
  }
}

void TZelCanvas::ApplyChartPen(const TChartPen& pen) {
  TPen& current = Pen();
  if (!pen.Visible()) {
    current.SetStyle(psClear);
    return;
  }
  if (pen.SmallDots() && pen.Width() == 1 && FDevice->SupportsAlternatePen()) {
    current.SetColor(ResolveColor(pen.Color()));
    current.SetWidth(1);
    current.SetStyle(psSolid);
    current.SetAlternate(true);  // the mode stays what it was, as with any device pen
    return;
  }
  current.SetAlternate(false);
  current.SetColor(pen.Color());
  current.SetWidth(pen.Width());
  current.SetStyle(pen.Style());
  current.SetMode(pen.Mode());
}

void TZelCanvas::ResetDrawingState() {
  TPen& pen = Pen();
  pen.SetAlternate(false);
  pen.SetColor(clBlack);
  pen.SetWidth(1);
  pen.SetStyle(psSolid);
  Brush().SetColor(clWhite);
  Brush().SetStyle(bsSolid);
  Font().SetColor(clBlack);
  Font().SetSize(10);
  SetTextBackColor(clWhite);
  SetTextBackMode(TRANSPARENT);
}

}  // namespace chart

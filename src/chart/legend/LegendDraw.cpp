// Drawing the legend: the shadow, the framed box, then each entry's text and the colour box
// its series draws, with dividing lines between entries.
#include <algorithm>
#include <cstdint>

#include "chart/core/Numeric.h"
#include "chart/legend/ChartLegend.h"
#include "chart/panel/CustomChart.h"

namespace chart {

using i64 = std::int64_t;

void TCustomChartLegend::Draw() {
  CollectSeries();
  const int count = CollectedEntryCount();
  FChart.ApplyFont(Font());
  FFontHeight = FChart.Canvas().MeasureFontHeight();
  if (!Place(count)) {
    FLegendBounds = {};
    return;
  }
  if (FChart.OnGetLegendRect) {
    FChart.OnGetLegendRect(&FChart, FLegendBounds);
    // Whatever the handler gives, sizes and pixels past the box stay within int.
    TRect& b = FLegendBounds;
    b = {ClampToPixel(b.Left), ClampToPixel(b.Top), ClampToPixel(b.Right), ClampToPixel(b.Bottom)};
  }
  DrawBox();
  DrawEntries(count);
  ShrinkChartRect();
}

void TCustomChartLegend::DrawBox() {
  TZelCanvas3D& c = FChart.Canvas();
  const bool frame = FFrame.Visible();
  c.ApplyChartPen(FFrame);
  if (frame && FFrame.Color() == clDefault) c.Pen().SetColor(clBlack);
  const TRect& box = FLegendBounds;
  const i64 fw = frame ? FFrame.Width() : 0;
  if (FShadowSize > 0) {
    const i64 s = FShadowSize;
    // The shadow reaches past the outer edge of the frame by its size.
    const i64 e = frame ? s + fw + (fw - 1) / 2 : s - 1;
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(FShadowColor);
    c.FillRectangle({ClampToPixel(box.Left + s), ClampToPixel(box.Top + s), ClampToPixel(box.Right + e),
                     ClampToPixel(box.Bottom + e)});
  }
  const TRect grown{ClampToPixel(box.Left - fw), ClampToPixel(box.Top - fw), ClampToPixel(box.Right + fw),
                    ClampToPixel(box.Bottom + fw)};
  if (FBrush.Style() == bsSolid) {
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(FColor);
  } else {
    // A hatch shows the legend colour between its lines.
    c.Brush().Assign(FBrush);
    if (FBrush.Color() == clDefault) c.Brush().SetColor(clBlack);
    c.SetTextBackMode(OPAQUE);
    c.SetTextBackColor(FColor);
  }
  c.DrawRectangleOf(grown);
}

void TCustomChartLegend::DrawEntries(int count) {
  TZelCanvas3D& c = FChart.Canvas();
  const TRect box = FLegendBounds;
  const i64 fh = FFontHeight;
  const i64 cols = std::max(FColumnCount, 1);
  const i64 shown = FDrawnVertical ? FRowCount : cols * FRowCount;
  const int n = static_cast<int>(std::min<i64>(count, shown));
  const int last = FFirstValue + n - 1;
  const TColor symbolPen = FColor == clBlack ? clWhite : clBlack;
  const i64 columnPitch = static_cast<i64>(FItemWidth) + FColorBoxWidth + 4;
  for (int slot = 0; slot < n; ++slot) {
    const int index = FInverted ? last - slot : FFirstValue + slot;
    i64 x = FTextX, y = static_cast<i64>(box.Top) + 1;
    if (FDrawnVertical) {
      y += fh * slot;
    } else {
      y += fh * (slot / cols);
      x += (slot % cols) * columnPitch;
    }
    int ix = ClampToPixel(x), iy = ClampToPixel(y);
    const int xColorPlaced = ClampToPixel(x - 4 - FColorBoxWidth);
    int xColor = xColorPlaced;
    if (FChart.OnGetLegendPos) FChart.OnGetLegendPos(&FChart, index, ix, iy, xColor);

    ComposeText(index);
    if (!FText.empty()) {
      c.Brush().SetStyle(bsClear);
      c.SetTextBackMode(TRANSPARENT);
      c.DrawText(ix, iy, FText);
    }
    // The colour box stays left of the text unless the handler placed it itself.
    const i64 boxLeft = xColor != xColorPlaced ? xColor : static_cast<i64>(ix) - 4 - FColorBoxWidth;
    const TRect symbol{ClampToPixel(boxLeft), ClampToPixel(static_cast<i64>(iy) + 2),
                       ClampToPixel(boxLeft + FColorBoxWidth), ClampToPixel(static_cast<i64>(iy) + fh - 2)};
    TPen& pen = c.Pen();
    pen.SetAlternate(false);
    pen.SetStyle(psSolid);
    pen.SetWidth(1);
    pen.SetColor(symbolPen);
    DrawSymbol(index, symbol);

    // Between entries only: a horizontal legend's first column has the box edge already.
    if (slot > 0 && FDividingLines.Visible() && (FDrawnVertical || slot % cols != 0)) {
      c.ApplyChartPen(FDividingLines);
      c.SetTextBackMode(TRANSPARENT);
      if (FDrawnVertical) c.DrawHorizontalLine(box.Left, box.Right, iy);
      else c.DrawVerticalLine(ClampToPixel(static_cast<i64>(symbol.Left) - 4), box.Top, box.Bottom);
    }
  }
}

void TCustomChartLegend::DrawSymbol(int index, const TRect& rect) {
  TChartSeries* series;
  TColor color;
  if (FEffectiveStyle == lsValues) {
    series = FFirstActive;
    color = series->ValueColor(series->LegendToValueIndex(index));
  } else {
    series = FListed[static_cast<std::size_t>(index)];
    color = series->SeriesColor();
  }
  // A null point has no colour to show.
  if (color == clNone) return;
  series->DrawLegendSymbol(FChart.Canvas(), rect, color);
}

}  // namespace chart

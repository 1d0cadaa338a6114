// Where the legend goes: one column beside the chart rectangle (left, right) or rows of
// columns above or below it (top, bottom), and the room it then takes from the chart
// rectangle. The arithmetic runs in 64 bits and saturates, so fonts, frames and shadows
// of any size leave defined pixels.
#include <algorithm>
#include <cstdint>

#include "chart/core/Numeric.h"
#include "chart/legend/ChartLegend.h"
#include "chart/panel/CustomChart.h"

namespace chart {

using i64 = std::int64_t;

bool TCustomChartLegend::Place(int count) {
  FDrawnAlignment = FAlignment;
  FDrawnVertical = Vertical();
  FRowCount = FColumnCount = 0;
  if (count <= 0) return false;
  return FDrawnVertical ? PlaceVertical(count) : PlaceHorizontal(count);
}

bool TCustomChartLegend::PlaceVertical(int count) {
  const TRect& bounds = FChart.ChartBounds();
  // Only the part inside the drawing bounds: a chart rectangle reaching past them (negative
  // margins) would make room for entries no one sees, each formatted, measured and drawn on
  // every paint. A chart rectangle inside its bounds, as the layout makes it, stays.
  const TRect cr = IntersectRect(FChart.ChartRect(), bounds);
  const i64 fh = FFontHeight;
  const i64 fw = FFrame.Width();
  const i64 inset = FFrame.Visible() ? fw + 1 : 0;
  const i64 top = bounds.Top + Round(FTopPos * static_cast<double>(bounds.Height()) * 0.01);
  i64 rows = 0;
  if (top < cr.Bottom) rows = std::clamp<i64>((cr.Bottom - 2 * fw - top) / std::max<i64>(fh, 1), 0, count);
  FColumnCount = 1;
  FRowCount = static_cast<int>(rows);
  if (rows == 0) return false;
  const i64 bottom = top + rows * fh + 2;

  // Only the entries that fit decide the width.
  const i64 w = WidestText(FFirstValue, FRowCount);
  FItemWidth = ClampToInt(w + 4);
  FColorBoxWidth = RoundInt(static_cast<double>(w + 10) * FColorWidth * 0.01);
  i64 left, right, textX;
  if (FDrawnAlignment == laLeft) {
    left = cr.Left + inset;
    textX = left + 8 + FColorBoxWidth;
    right = textX + w + 2;
  } else {
    right = cr.Right - inset - FShadowSize;
    textX = right - w - 2;
    left = textX - FColorBoxWidth - 4 - 4;
  }
  FTextX = ClampToPixel(textX);
  FLegendBounds = {ClampToPixel(left), ClampToPixel(top), ClampToPixel(right), ClampToPixel(bottom)};
  return true;
}

bool TCustomChartLegend::PlaceHorizontal(int count) {
  const TRect& bounds = FChart.ChartBounds();
  const TRect cr = IntersectRect(FChart.ChartRect(), bounds);  // as in PlaceVertical
  const i64 fh = FFontHeight;
  const i64 fw = FFrame.Width();
  const i64 inset = FFrame.Visible() ? fw + 1 : 0;

  // An entry takes at least 12 pixels across (item width 4 + 8), so no more than this many
  // can show: the widest of those sizes the columns, however many points the series has.
  const i64 room = static_cast<i64>(cr.Width()) - 2 * fw - 8;
  const i64 showable = room > 0 ? std::min<i64>(count, room / 12 * std::max(FMaxNumRows, 0)) : 0;
  const i64 itemWidth = static_cast<i64>(WidestText(FFirstValue, static_cast<int>(showable))) + 4;
  FItemWidth = ClampToInt(itemWidth);
  FColorBoxWidth = RoundInt(static_cast<double>(itemWidth) * FColorWidth * 0.01);
  const i64 chartWidth = cr.Width();
  const i64 pitch = itemWidth + FColorBoxWidth + 8;
  i64 cols = 0;
  if (cr.Right > 8) cols = std::clamp<i64>((chartWidth - 2 * fw - 8) / pitch, 0, count);
  i64 rows = cols > 0 ? std::clamp<i64>((count + cols - 1) / cols, 0, std::max(FMaxNumRows, 0)) : 0;
  FColumnCount = static_cast<int>(cols);
  FRowCount = static_cast<int>(rows);
  if (rows == 0) return false;

  i64 top, bottom;
  if (FDrawnAlignment == laTop) {
    top = cr.Top + inset;
    bottom = top + rows * fh + 2;
  } else {
    bottom = cr.Bottom - FShadowSize - inset;
    top = bottom - rows * fh - 2;
  }
  // cols x pitch fits the chart width, so this product cannot overflow.
  const i64 width = std::min<i64>(chartWidth, 2 * static_cast<i64>(FShadowSize) +
                                                  (FColorBoxWidth + itemWidth + 4) * cols + 8);
  const i64 shift = Round(FTopPos * static_cast<double>(bounds.Width() - width) * 0.01);
  const i64 left = FChart.ChartXCenter() - width / 2 + shift;
  const i64 right = FChart.ChartXCenter() + width / 2 + shift;
  FTextX = ClampToPixel(left + 8 + FColorBoxWidth);
  FLegendBounds = {ClampToPixel(left), ClampToPixel(top), ClampToPixel(right), ClampToPixel(bottom)};
  return true;
}

void TCustomChartLegend::ShrinkChartRect() {
  TRect r = FChart.ChartRect();
  const TRect& box = FLegendBounds;
  // The gap is a share of the chart rectangle as the legend found it.
  const i64 horizGap = FHorizMargin != 0 ? FHorizMargin : Round(3.0 * r.Width() / 100);
  const i64 vertGap = FVertMargin != 0 ? FVertMargin : Round(4.0 * r.Height() / 100);
  switch (FDrawnAlignment) {
    case laLeft:
      if (FResizeChart) r.Left = box.Right;
      r.Left = ClampToPixel(r.Left + horizGap);
      break;
    case laRight:
      if (FResizeChart) r.Right = box.Left;
      r.Right = ClampToPixel(r.Right - horizGap);
      break;
    case laTop:
      if (FResizeChart) r.Top = ClampToPixel(static_cast<i64>(box.Bottom) + FShadowSize);
      r.Top = ClampToPixel(r.Top + vertGap);
      break;
    case laBottom:
      if (FResizeChart) r.Bottom = box.Top;
      r.Bottom = ClampToPixel(r.Bottom - vertGap);
      break;
  }
  FChart.SetChartRect(r);
  // A legend wider than the chart must not leave an inverted rectangle behind.
  FChart.NormalizeChartRect();
}

}  // namespace chart

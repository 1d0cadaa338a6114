// Which legend slot lies under a point, from the box and counts of the last drawing.
#include <cstdint>

#include "chart/legend/ChartLegend.h"

namespace chart {

using i64 = std::int64_t;

namespace {

// The band k (0 .. bands-1) with start + k x size + 1 <= v <= start + (k + 1) x size; -1 when none.
int Band(int v, i64 start, i64 size, int bands) {
  if (size <= 0 || v < start + 1) return -1;
  const i64 k = (v - start - 1) / size;
  return k < bands ? static_cast<int>(k) : -1;
}

}  // namespace

int TCustomChartLegend::Clicked(int x, int y) const {
  const TRect& b = FLegendBounds;
  if (FRowCount <= 0 || !b.Contains({x, y})) return -1;
  const i64 height = static_cast<i64>(b.Bottom) - b.Top, width = static_cast<i64>(b.Right) - b.Left;
  if (FDrawnVertical) return Band(y, b.Top, height / FRowCount, FRowCount);
  if (FColumnCount <= 0) return -1;
  const int col = Band(x, b.Left, width / FColumnCount, FColumnCount);
  const int row = Band(y, b.Top, FFontHeight, FRowCount);
  if (col < 0 || row < 0) return -1;
  return col + row * FColumnCount;
}

}  // namespace chart

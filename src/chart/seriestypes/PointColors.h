// A series' point colours as its drawing loops resolve them, without a call per point:
// what ValueColor of the base series gives, read straight from the stored colours.
#pragma once

#include <algorithm>

#include "chart/core/Palette.h"
#include "chart/series/ChartSeries.h"

namespace chart {

class TPointColors {
 public:
  explicit TPointColors(const TChartSeries& s)
      : FCount(s.ColorCount()), FStored(s.StoredColorCount()), FColors(s.StoredColors()),
        FEachPoint(s.ColorEachPoint()), FOwn(s.HasOwnColors()), FSeries(s.SeriesColor()) {}

  TColor Of(int i) const {
    if (i >= FCount) return FSeries;
    const TColor c = i < FStored ? FColors[i] : clDefault;
    if (c != clDefault) return c;
    return FEachPoint ? PaletteColor(i) : FSeries;
  }
  // True when every point of base .. base + n - 1 takes the series colour.
  bool SeriesColorOnly(int base, int n) const {
    if (std::min(base + n, FCount) <= base) return true;
    if (FEachPoint) return false;
    if (!FOwn) return true;
    const int end = std::min(base + n, FStored);
    return std::all_of(FColors + std::min(base, end), FColors + end, [](TColor c) { return c == clDefault; });
  }
  TColor SeriesColor() const { return FSeries; }

 private:
  int FCount, FStored;
  const TColor* FColors;
  bool FEachPoint, FOwn;
  TColor FSeries;
};

}  // namespace chart

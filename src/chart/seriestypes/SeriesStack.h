// The series a stacked series stands on and those standing on it (itself included): their
// mandatory values read straight from their lists, gathered in one pass over the chart's
// series. Only values above zero stack: a negative one hangs from the stack without
// lowering it.
#pragma once

#include <vector>

#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"

namespace chart {

class TSeriesStack {
 public:
  struct TLayer {
    const double* Values;
    int Count;
    double Multiplier;
  };

  // The active series of self's chart that `stacks` accepts, split at self (which goes on
  // top of those below); self alone without a chart.
  template <class Stacks>
  void Collect(const TChartSeries& self, Stacks stacks);
  // The sum at index of the layers below.
  double OriginOf(int index) const { return Sum(FBelow, index, 0); }
  // origin plus the sum at index of self and the layers above.
  double TotalOf(int index, double origin) const { return Sum(FAbove, index, origin); }
  // sums[k] += the positive values of the layers at point from + k, k < m.
  static void AddLayers(const std::vector<TLayer>& layers, int from, int m, double* sums);
  const std::vector<TLayer>& Below() const { return FBelow; }
  const std::vector<TLayer>& Above() const { return FAbove; }

 private:
  static double Sum(const std::vector<TLayer>& layers, int index, double sum);
  static TLayer LayerOf(const TChartSeries& s);

  std::vector<TLayer> FBelow, FAbove;
};

template <class Stacks>
void TSeriesStack::Collect(const TChartSeries& self, Stacks stacks) {
  FBelow.clear();
  FAbove.clear();
  if (!self.ParentChart()) {
    FAbove.push_back(LayerOf(self));
    return;
  }
  bool below = true;
  for (const TChartSeries* s : self.ParentChart()->SeriesList()) {
    if (s == &self) below = false;
    else if (!s->Active() || !stacks(*s)) continue;
    (below ? FBelow : FAbove).push_back(LayerOf(*s));
  }
}

}  // namespace chart

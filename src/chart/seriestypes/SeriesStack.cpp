#include "chart/seriestypes/SeriesStack.h"

#include <algorithm>

namespace chart {

namespace {
double PositivePart(double v) { return v > 0 ? v : 0; }
}  // namespace

TSeriesStack::TLayer TSeriesStack::LayerOf(const TChartSeries& s) {
  const TChartValueList& list = s.MandatoryValueList();
  return TLayer{list.Data(), std::min(s.Count(), list.Count()), list.Multiplier()};
}

double TSeriesStack::Sum(const std::vector<TLayer>& layers, int index, double sum) {
  for (const TLayer& l : layers)
    if (index < l.Count) sum += PositivePart(l.Values[index] * l.Multiplier);
  return sum;
}

void TSeriesStack::AddLayers(const std::vector<TLayer>& layers, int from, int m, double* sums) {
  for (const TLayer& l : layers) {
    const int upTo = std::clamp(l.Count - from, 0, m);
    const double* values = l.Values + from;
    const double multiplier = l.Multiplier;
    for (int k = 0; k < upTo; ++k) sums[k] += PositivePart(values[k] * multiplier);
  }
}

}  // namespace chart

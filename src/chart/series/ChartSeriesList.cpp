#include "chart/series/ChartSeriesList.h"

#include <algorithm>

#include "chart/core/Exceptions.h"

namespace chart {

TChartSeries* TChartSeriesList::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(index);
  return FItems[static_cast<std::size_t>(index)];
}

int TChartSeriesList::IndexOf(const TChartSeries* series) const {
  const auto it = std::find(FItems.begin(), FItems.end(), series);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TChartSeriesList::Remove(const TChartSeries* series) {
  const auto it = std::find(FItems.begin(), FItems.end(), series);
  if (it != FItems.end()) FItems.erase(it);
}

}  // namespace chart

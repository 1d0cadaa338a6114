#include "chart/series/SeriesDepth.h"

#include <algorithm>
#include <cstdint>

#include "chart/core/Numeric.h"

namespace chart {

int AssignDepthOrders(const TChartSeriesList& list, bool is3D) {
  int largest = -1;
  for (int i = 0; i < list.Count(); ++i) {
    TChartSeries* s = list.Items(i);
    if (!s->Active()) continue;
    const int order = is3D ? std::clamp(s->TakeDepthOrder(largest + 1, largest), 0, largest + 1) : 0;
    s->SetDepthOrder(order);
    largest = std::max(largest, order);
  }
  return std::max(1, largest + 1);
}

void PlaceSeriesInDepth(const TChartSeriesList& list, int slots, int depth) {
  const int share = slots > 0 ? std::max(0, depth) / slots : 0;
  for (int i = 0; i < list.Count(); ++i) {
    TChartSeries* s = list.Items(i);
    if (!s->Active()) continue;
    const std::int64_t start = std::int64_t{s->DepthOrder()} * share;
    s->SetDepthPositions(ClampToPixel(start), ClampToPixel(start + share));
  }
}

}  // namespace chart

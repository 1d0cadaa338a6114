// Depth slots of the series of a 3D chart: each active series takes a slot (series of one
// group share theirs), the chart's depth is shared out among the slots, and the series are
// drawn from the back slot to the front one, so that nearer series cover farther ones.
#pragma once

#include "chart/series/ChartSeries.h"
#include "chart/series/ChartSeriesList.h"

namespace chart {

// Gives every active series its depth order (0 at the front) and returns the number of
// slots taken, at least 1. In 2D every series takes slot 0.
int AssignDepthOrders(const TChartSeriesList& list, bool is3D);

// Each active series spans its slot's share of `depth`: start = order x share.
void PlaceSeriesInDepth(const TChartSeriesList& list, int slots, int depth);

// The active series from the back slot to the front one; list order within a slot.
template <class F>
void ForEachSeriesBackToFront(const TChartSeriesList& list, int slots, F&& f) {
  for (int slot = slots - 1; slot >= 0; --slot)
    for (int i = 0; i < list.Count(); ++i) {
      TChartSeries* s = list.Items(i);
      if (s->Active() && s->DepthOrder() == slot) f(*s);
    }
}

}  // namespace chart

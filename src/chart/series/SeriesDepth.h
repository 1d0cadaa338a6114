// Depth slots of the series of a 3D chart: each active series takes a slot (series of one
// group share theirs) and the chart's depth is shared out among the slots. The chart draws
// from the back slot to the front one, so that nearer series cover farther ones.
#pragma once

#include "chart/series/ChartSeries.h"
#include "chart/series/ChartSeriesList.h"

namespace chart {

// Gives every active series its depth order (0 at the front) and returns the number of
// slots taken, at least 1. In 2D every series takes slot 0.
int AssignDepthOrders(const TChartSeriesList& list, bool is3D);

// Each active series spans its slot's share of `depth`: start = order x share.
void PlaceSeriesInDepth(const TChartSeriesList& list, int slots, int depth);

}  // namespace chart

// Everything the chart engine's start-up fills and its finalisation empties: the one
// process-wide mutable state of the engine, read-only while windows exist.
#pragma once

#include <utility>
#include <vector>

#include "chart/core/ChartHost.h"
#include "chart/registry/ChartClass.h"
#include "chart/registry/SeriesTypes.h"

namespace chart {

struct TChartModuleState {
  int InitCount = 0;
  std::vector<TZelSeriesType> SeriesTypes;
  std::vector<const TChartClass*> Classes;
  std::vector<std::pair<TCursor, TCursor>> ScreenCursors;  // number, stock shape
};

TChartModuleState& ChartModuleState();

}  // namespace chart

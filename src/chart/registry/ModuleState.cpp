#include "chart/registry/ModuleState.h"

namespace chart {

TChartModuleState& ChartModuleState() {
  static TChartModuleState state;
  return state;
}

}  // namespace chart

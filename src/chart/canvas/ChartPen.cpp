#include "chart/canvas/ChartPen.h"

namespace chart {

void TChartPen::Assign(const TPen& source) {
  if (&source == this) return;
  if (const auto* chartPen = dynamic_cast<const TChartPen*>(&source)) {
    SetVisible(chartPen->FVisible);
    SetSmallDots(chartPen->FSmallDots);
  }
  TPen::Assign(source);
}

}  // namespace chart

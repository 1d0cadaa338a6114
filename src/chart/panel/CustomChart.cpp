#include "chart/panel/CustomChart.h"

namespace chart {

void TCustomChart::SetBackColor(TColor v) {
  if (v == FBackColor) return;
  FBackColor = v;
  InvalidateChart();
}

}  // namespace chart

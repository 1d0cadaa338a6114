#include "chart/panel/CustomZelPanel.h"

namespace chart {

void TCustomZelPanel::SetColor(TColor v) {
  if (v == FColor) return;
  FColor = v;
  InvalidateChart();
}

void TCustomZelPanel::InvalidateChart() {
  ++FInvalidateCount;
  if (!FRepaintEnabled || FRepaintRequested) return;
  FRepaintRequested = true;
  InvalidateWindow();
}

}  // namespace chart

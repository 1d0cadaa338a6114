#include "chart/panel/CustomZelPanel.h"

namespace chart {

void TCustomZelPanel::SetColor(TColor v) {
  if (v == FColor) return;
  FColor = v;
  InvalidateChart();
}

void TCustomZelPanel::InvalidateChart() {
  if (FQuietChanges > 0) return;
  ++FInvalidateCount;
  if (!FRepaintEnabled) {
    FChangedWhileDisabled = true;
    return;
  }
  // Dirty on every request: a paint since the window was asked may have cleaned the
  // buffer, and a clean buffer would show the old picture again.
  FCanvas->MarkDirty();
  if (FRepaintRequested || !FHost) return;
  FRepaintRequested = true;
  InvalidateWindow();
}

void TCustomZelPanel::SetRepaintEnabled(bool v) {
  if (v == FRepaintEnabled) return;
  FRepaintEnabled = v;
  if (v && FChangedWhileDisabled) {
    FChangedWhileDisabled = false;
    InvalidateChart();
  }
}

}  // namespace chart

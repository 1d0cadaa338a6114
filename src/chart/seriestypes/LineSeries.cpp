#include "chart/seriestypes/LineSeries.h"

namespace chart {

TLineSeries::TLineSeries() {
  SetDrawLine(true);
  Pointer().SetVisible(false);
}

void TLineSeries::Assign(const TChartSeries& source) {
  if (&source == this) return;
  TCustomSeries::Assign(source);
  SetDrawLine(true);
  SetDrawArea(false);
  if (!dynamic_cast<const TLineSeries*>(&source)) Pointer().SetVisible(false);
}

}  // namespace chart

#include "chart/seriestypes/PointSeries.h"

#include "chart/marks/SeriesMarks.h"

namespace chart {

TPointSeries::TPointSeries() {
  SetDrawLine(false);
  SetClickableLine(false);
  Pointer().SetVisible(true);
  Marks().SetArrowLength(0);
}

void TPointSeries::Assign(const TChartSeries& source) {
  if (&source == this) return;
  TCustomSeries::Assign(source);
  Pointer().SetVisible(true);
  SetDrawLine(false);
  SetClickableLine(false);
  SetDrawArea(false);
}

void TPointSeries::SetColorEachPoint(bool v) {
  TCustomSeries::SetColorEachPoint(v);
  if (v) Pointer().Brush().SetColor(clDefault);
}

}  // namespace chart

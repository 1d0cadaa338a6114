// Series in depth: each active series in a slot of its own on the depth axis, or all of
// them over the whole depth.
#include <utility>

#include "chart/axis/CustomChartAxis.h"
#include "chart/core/Store.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"

namespace chart {

void TCustomAxisPanel::PlaceSeriesAlongDepthAxis() {
  for (TChartSeries* s : SeriesList()) {
    if (!s->Active()) continue;
    if (!View3D()) {
      s->SetDepthPositions(0, 0);
      continue;
    }
    const double order = s->DepthOrder();
    int a = FDepthAxis->ValueToPixel(order - 0.5), b = FDepthAxis->ValueToPixel(order + 0.5);
    if (a > b) std::swap(a, b);
    s->SetDepthPositions(a, b);
  }
}

void TCustomAxisPanel::SetApplyZOrder(bool v) { if (Store(FApplyZOrder, v)) InvalidateChart(); }

}  // namespace chart

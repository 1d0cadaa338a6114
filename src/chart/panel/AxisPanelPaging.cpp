// Paging: the chart shows MaxPointsPerPage points of its first series at a time.
#include <algorithm>

#include "chart/core/Exceptions.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"

namespace chart {

int TCustomAxisPanel::PagesOfAxis(const TCustomChartAxis* axis) const {
  if (!axis) return 1;
  int most = 0;
  for (const TChartSeries* s : SeriesList())
    if (s->Active() && SeriesBoundToAxis(*s, *axis)) most = std::max(most, s->Count());
  if (most == 0) return 1;
  return static_cast<int>((static_cast<long long>(most) + FMaxPointsPerPage - 1) / FMaxPointsPerPage);
}

int TCustomAxisPanel::NumPages() const {
  if (FMaxPointsPerPage < 1 || SeriesCount() == 0) return 1;
  // Pages run along the axes that carry the first series' point order.
  if (Series(0)->YMandatory()) return std::max(PagesOfAxis(BottomAxis()), PagesOfAxis(TopAxis()));
  return std::max(PagesOfAxis(LeftAxis()), PagesOfAxis(RightAxis()));
}

void TCustomAxisPanel::SetPage(int v) {
  v = std::clamp(v, 1, NumPages());
  if (v == FPage) return;
  FPage = v;
  InvalidateChart();
  if (OnPageChange) OnPageChange(this);
}

void TCustomAxisPanel::SetMaxPointsPerPage(int v) {
  if (v < 0) throw ChartException("MaxPointsPerPage must be >= 0");
  if (v == FMaxPointsPerPage) return;
  FMaxPointsPerPage = v;
  if (FPage > NumPages()) SetPage(NumPages());
  InvalidateChart();
}

void TCustomAxisPanel::SetScaleLastPage(bool v) {
  if (v == FScaleLastPage) return;
  FScaleLastPage = v;
  InvalidateChart();
}

}  // namespace chart

// The extremes over the series bound to an axis, which the axes take as their automatic
// ranges; with paging, the extremes of the current page of the axis's first series.
#include "chart/axis/CustomChartAxis.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"

namespace chart {

double TCustomAxisPanel::PagedExtreme(const TCustomChartAxis& axis, bool maximum, bool xValues) {
  const TChartSeries* s = FirstSeriesOfAxis(axis);
  if (!s || s->Count() == 0) return 0;
  const long long n = s->Count();
  const long long p = FMaxPointsPerPage;
  long long first = p * (static_cast<long long>(FPage) - 1);
  if (first >= n) first = std::max(0LL, n / p - 1) * p;
  long long last = first + p - 1;
  if (last >= n) last = first + (n % p) - 1;
  auto value = [&](long long i) {
    return xValues ? s->XValue(static_cast<int>(i)) : s->YValue(static_cast<int>(i));
  };
  if (!maximum) return value(first);
  const long long shown = last - first + 1;
  // A short last page keeps the scale of a full one unless asked otherwise.
  if (!FScaleLastPage && shown < p)
    return value(first) + (value(last) - value(first)) * static_cast<double>(p) / static_cast<double>(shown);
  return value(last);
}

double TCustomAxisPanel::SeriesExtreme(const TCustomChartAxis& axis, bool maximum, bool xValues) {
  // Half a unit around the slots: each series sits in the middle of its own.
  if (axis.IsDepth()) return maximum ? FDepthSlots - 0.5 : -0.5;
  if (FMaxPointsPerPage > 0) {
    const TChartSeries* first = FirstSeriesOfAxis(axis);
    // Paging runs along the dimension a series counts its points in.
    if (first && xValues == first->YMandatory()) return PagedExtreme(axis, maximum, xValues);
  }
  const bool anyInactive = AxisHasNoActiveSeries(axis);
  bool found = false;
  double result = 0;
  for (const TChartSeries* s : SeriesList()) {
    if (!(s->Active() || anyInactive) || s->Count() == 0 || !SeriesBoundToAxis(*s, axis)) continue;
    const double v = xValues ? (maximum ? s->MaxX() : s->MinX()) : (maximum ? s->MaxY() : s->MinY());
    if (!found) {
      result = v;
      found = true;
    } else if (maximum ? v > result : v < result) {
      result = v;
    }
  }
  return result;
}

double TCustomAxisPanel::ChartMinX(const TCustomChartAxis& axis) { return SeriesExtreme(axis, false, true); }
double TCustomAxisPanel::ChartMaxX(const TCustomChartAxis& axis) { return SeriesExtreme(axis, true, true); }
double TCustomAxisPanel::ChartMinY(const TCustomChartAxis& axis) { return SeriesExtreme(axis, false, false); }
double TCustomAxisPanel::ChartMaxY(const TCustomChartAxis& axis) { return SeriesExtreme(axis, true, false); }

}  // namespace chart

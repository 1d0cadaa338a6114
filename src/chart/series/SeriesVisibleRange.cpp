// Which points a series draws for the current axis ranges: the stretch of the list along
// the horizontal axis between the chart rectangle's edges, plus the first point past the
// far edge for series that draw up to it.
#include <cstdint>

#include "chart/axis/CustomChartAxis.h"
#include "chart/core/Numeric.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"

namespace chart {

void TChartSeries::CalcVisibleRange(int reach) {
  SetVisibleRange(-1, -1);
  const int count = Count();
  if (count == 0) return;
  const int n = count - 1;
  // The list along the horizontal axis, and the axis it runs along.
  const bool vertical = YMandatory();
  const TChartValueList& list = vertical ? XValues() : YValues();
  const TCustomChartAxis* axis = vertical ? GetHorizAxis() : GetVertAxis();
  if (!CalcVisiblePoints() || list.Order() == loNone || !axis || !ParentChart() || list.Count() < count) {
    SetVisibleRange(0, n);
    return;
  }
  const TRect c = ParentChart()->ChartRect();
  // The edges, moved out by the reach.
  const std::int64_t out = reach;
  const TRect r{ClampToPixel(c.Left - out), ClampToPixel(c.Top - out), ClampToPixel(c.Right + out),
                ClampToPixel(c.Bottom + out)};
  const bool inverted = axis->Inverted();
  const double low = axis->PixelToValue(vertical ? (inverted ? r.Right : r.Left) : (inverted ? r.Top : r.Bottom));
  const double high = axis->PixelToValue(vertical ? (inverted ? r.Left : r.Right) : (inverted ? r.Bottom : r.Top));
  const double* values = list.Data();
  const double m = list.Multiplier();
  int first = 0;
  while (first <= n && !(values[first] * m >= low)) ++first;
  if (first > n) return;  // everything lies before the range
  int last;
  if (values[n] * m <= high) {
    last = n;
  } else {
    last = first;
    while (last < n && !(values[last] * m >= high)) ++last;
    // The first point past the edge stays, so that the segment into it reaches the edge.
    if (!DrawBetweenPoints() && values[last] * m > high) --last;
  }
  SetVisibleRange(first, last);
}

}  // namespace chart

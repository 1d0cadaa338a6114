// The layout of a chart with axes: automatic ranges, the room every shown axis takes,
// the final chart rectangle and pixel spans, then the series' margins.
#include <algorithm>
#include <optional>

#include "chart/axis/CustomChartAxis.h"
#include "chart/panel/CustomChart.h"
#include "chart/series/ChartSeries.h"

namespace chart {

namespace {
std::optional<TRect> Intersection(const TRect& a, const TRect& b) {
  const TRect r = IntersectRect(a, b);
  if (r.IsEmpty()) return std::nullopt;
  return r;
}
}  // namespace

void TCustomChart::LayoutAxes() {
  const auto& axes = AxisList();
  for (TCustomChartAxis* axis : axes) axis->ApplyAutomaticRange();
  LayoutDepth();
  NormalizeChartRect();
  TRect working = ChartRect();
  const std::size_t standard = std::min<std::size_t>(axes.size(), 5);
  for (std::size_t i = 0; i < standard; ++i) {
    TCustomChartAxis& axis = *axes[i];
    if (!IsAxisShown(axis)) continue;
    TRect reserved = working;
    axis.ReserveSpace(reserved, true);
    // An axis that would leave no room changes nothing.
    if (auto both = Intersection(reserved, working)) working = *both;
  }
  SetChartRect(working);
  NormalizeChartRect();
  // Custom axes take no room; they are placed on the final rectangle, where their line
  // is drawn, so that their labels keep to the line.
  for (std::size_t i = standard; i < axes.size(); ++i) {
    TRect rect = ChartRect();
    if (IsAxisShown(*axes[i])) axes[i]->ReserveSpace(rect, false);
  }
  for (TCustomChartAxis* axis : axes) axis->ComputePixelSpan();
}

void TCustomChart::ApplySeriesMargins() {
  auto inflate = [this](TCustomChartAxis& axis) {
    int left = 0, top = 0, right = 0, bottom = 0;
    for (TChartSeries* s : SeriesList()) {
      if (!s->Active() || !SeriesBoundToAxis(*s, axis)) continue;
      int a = 0, b = 0;
      if (axis.IsHorizontal()) {
        s->CalcHorizMargins(a, b);
        if (axis.AutomaticMinimum()) left = std::max(left, a);
        if (axis.AutomaticMaximum()) right = std::max(right, b);
      } else {
        s->CalcVerticalMargins(a, b);
        if (axis.AutomaticMaximum()) top = std::max(top, a);
        if (axis.AutomaticMinimum()) bottom = std::max(bottom, b);
      }
    }
    axis.InflateRangeByMargins(left, top, right, bottom);
  };
  for (TCustomChartAxis* axis : {TopAxis(), LeftAxis(), RightAxis(), BottomAxis()}) inflate(*axis);
  // Series on custom axes want the same free room at the ends.
  const auto& axes = AxisList();
  for (std::size_t i = 5; i < axes.size(); ++i) inflate(*axes[i]);
}

}  // namespace chart

// What the legend lists: the style with lsAuto resolved, the series or points behind the
// entries, and each entry's text.
#include <algorithm>
#include <string>

#include "chart/legend/ChartLegend.h"
#include "chart/panel/CustomChart.h"

namespace chart {

TLegendStyle TCustomChartLegend::ResolvedStyle() const {
  if (FLegendStyle != lsAuto) return FLegendStyle;
  return FChart.ActiveCount() < 2 ? lsValues : lsSeries;
}

void TCustomChartLegend::CollectSeries() {
  FEffectiveStyle = ResolvedStyle();
  FListed.clear();
  FFirstActive = nullptr;
  for (TChartSeries* s : FChart.SeriesList()) {
    if (!s->Active()) continue;
    if (!FFirstActive) FFirstActive = s;
    if (s->ShowInLegend()) FListed.push_back(s);
  }
}

int TCustomChartLegend::CollectedEntryCount() const {
  int all = 0;
  if (FEffectiveStyle == lsValues) {
    if (FFirstActive && FFirstActive->ShowInLegend()) all = FFirstActive->LegendItemCount();
  } else {
    all = static_cast<int>(FListed.size());
  }
  return std::max(all - FFirstValue, 0);
}

void TCustomChartLegend::ComposeText(int index) {
  switch (FEffectiveStyle) {
    case lsValues:
      FText = FFirstActive->LegendString(FFirstActive->LegendToValueIndex(index), FTextStyle);
      break;
    case lsLastValues: {
      const TChartSeries& s = *FListed[static_cast<std::size_t>(index)];
      if (s.Count() > 0) FText = s.LegendString(s.Count() - 1, FTextStyle);
      else FText.clear();
      break;
    }
    default: {
      const TChartSeries& s = *FListed[static_cast<std::size_t>(index)];
      if (!s.Title().empty()) FText = s.Title();
      else if (!s.Name().empty()) FText = s.Name();
      else FText = "Series " + std::to_string(index);
      break;
    }
  }
  if (FChart.OnGetLegendText) FChart.OnGetLegendText(&FChart, FEffectiveStyle, index, FText);
}

int TCustomChartLegend::WidestText(int first, int count) {
  TZelCanvas3D& c = FChart.Canvas();
  int widest = 0;
  for (int i = first; i < first + count; ++i) {
    ComposeText(i);
    widest = std::max(widest, c.MeasureTextWidth(FText));
  }
  return widest;
}

}  // namespace chart

#include "chart/panel/CustomAxisPanel.h"

#include "chart/core/Palette.h"
#include "chart/series/ChartSeries.h"

namespace chart {

TCustomAxisPanel::~TCustomAxisPanel() {
  SetDestroying();
  for (TChartSeries* s : FSeriesList) s->DetachFromChart();
  FSeriesList.ClearItems();
}

void TCustomAxisPanel::AddSeries(TChartSeries& series) {
  if (FSeriesList.Contains(&series)) return;
  FSeriesList.Reserve(static_cast<std::size_t>(FSeriesList.Count()) + 1);
  // A series belongs to one chart at a time.
  if (series.ParentChart() && series.ParentChart() != this) series.ParentChart()->RemoveSeries(series);
  if (series.SeriesColor() == clDefault) series.SetSeriesColor(FreeSeriesColor(true));
  series.FParentChart = this;
  series.ResolveAxes();
  FSeriesList.Append(&series);
  SeriesAdded(series);
  series.AddedToChart();
  InvalidateChart();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries& series) {
  if (!FSeriesList.Contains(&series)) return;
  series.UnlinkLinkedSeries();
  series.DetachFromChart();
  ReleaseSeriesCursor(series);
  FSeriesList.Remove(&series);
  InvalidateChart();
}

int TCustomAxisPanel::ActiveCount() const {
  int n = 0;
  for (const TChartSeries* s : FSeriesList)
    if (s->Active()) ++n;
  return n;
}

bool TCustomAxisPanel::IsColorFree(TColor color, bool checkBackground) const {
  for (const TChartSeries* s : FSeriesList)
    if (s->SeriesColor() == color) return false;
  if (checkBackground && (color == Color() || color == BackWallColor())) return false;
  return true;
}

TColor TCustomAxisPanel::FreeSeriesColor(bool checkBackground) const {
  for (int i = 0; i < 16; ++i) {
    const TColor c = PaletteColor(i);
    if (IsColorFree(c, checkBackground)) return c;
  }
  return PaletteColor(16);
}

bool TCustomAxisPanel::IsValidDataSource(const TChartSeries&, const TChartComponent& component) const {
  return dynamic_cast<const TChartSeries*>(&component) != nullptr;
}

void TCustomAxisPanel::SetStandardAxes(TCustomChartAxis* bottom, TCustomChartAxis* top,
                                       TCustomChartAxis* left, TCustomChartAxis* right) {
  FBottomAxis = bottom;
  FTopAxis = top;
  FLeftAxis = left;
  FRightAxis = right;
  for (TChartSeries* s : FSeriesList) s->ResolveAxes();
}

}  // namespace chart

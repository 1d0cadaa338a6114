// The five axes of a chart, the switches that decide which are shown, and what the axes
// ask of their chart (extremes aside): text measuring, label texts, label styles.
#include "chart/axis/ChartAxis.h"
#include "chart/format/FormatFloat.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"

namespace chart {

namespace {
template <class T>
bool Store(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}
}  // namespace

TCustomAxisPanel::TCustomAxisPanel() {
  // Creation order is the axis list order: bottom, top, left, right, depth.
  FBottomAxisOwned = std::make_unique<TChartAxis>(this, true, false, false);
  FTopAxisOwned = std::make_unique<TChartAxis>(this, true, true, false);
  FLeftAxisOwned = std::make_unique<TChartAxis>(this, false, false, false);
  FRightAxisOwned = std::make_unique<TChartAxis>(this, false, true, false);
  FDepthAxisOwned = std::make_unique<TChartDepthAxis>(this);
  FDepthAxis = FDepthAxisOwned.get();
  FAxes = {FBottomAxisOwned.get(), FTopAxisOwned.get(), FLeftAxisOwned.get(), FRightAxisOwned.get(), FDepthAxis};
  SetStandardAxes(FBottomAxisOwned.get(), FTopAxisOwned.get(), FLeftAxisOwned.get(), FRightAxisOwned.get());
}

void TCustomAxisPanel::SetAxisVisible(bool v) { if (Store(FAxisVisible, v)) InvalidateChart(); }
void TCustomAxisPanel::SetClipPoints(bool v) { if (Store(FClipPoints, v)) InvalidateChart(); }
void TCustomAxisPanel::SetView3DWalls(bool v) { if (Store(FView3DWalls, v)) InvalidateChart(); }

bool TCustomAxisPanel::SeriesBoundToAxis(const TChartSeries& s, const TCustomChartAxis& axis) const {
  if (axis.IsDepth()) return false;
  if (axis.IsHorizontal())
    return s.GetHorizAxis() == &axis ||
           (s.HorizAxis() == aBothHorizAxis && (&axis == TopAxis() || &axis == BottomAxis()));
  return s.GetVertAxis() == &axis || (s.VertAxis() == aBothVertAxis && (&axis == LeftAxis() || &axis == RightAxis()));
}

bool TCustomAxisPanel::IsAxisShown(const TCustomChartAxis& axis) const {
  if (!FAxisVisible || !axis.Visible()) return false;
  if (axis.IsDepth()) return View3D();
  // The first active series that uses axes decides; no active series shows every axis.
  bool shown = true;
  for (const TChartSeries* s : SeriesList()) {
    if (!s->Active() || !s->UseAxis()) continue;
    shown = SeriesBoundToAxis(*s, axis);
    if (shown) break;
  }
  return shown;
}

bool TCustomAxisPanel::AxisHasNoActiveSeries(const TCustomChartAxis& axis) const {
  for (const TChartSeries* s : SeriesList())
    if (s->Active() && SeriesBoundToAxis(*s, axis)) return false;
  return true;
}

TChartSeries* TCustomAxisPanel::FirstSeriesOfAxis(const TCustomChartAxis& axis) const {
  TChartSeries* inactive = nullptr;
  for (TChartSeries* s : SeriesList()) {
    if (!SeriesBoundToAxis(*s, axis)) continue;
    if (s->Active()) return s;
    if (!inactive) inactive = s;
  }
  return inactive;
}

bool TCustomAxisPanel::AxisSeriesAreDateTime(const TCustomChartAxis& axis) {
  for (const TChartSeries* s : SeriesList()) {
    if (!s->Active() || !SeriesBoundToAxis(*s, axis)) continue;
    return axis.IsHorizontal() ? s->XValues().DateTime() : s->YValues().DateTime();
  }
  return false;
}

int TCustomAxisPanel::MeasureTextWidth(std::string_view text) { return Canvas().MeasureTextWidth(text); }
int TCustomAxisPanel::MeasureFontHeight() { return Canvas().MeasureFontHeight(); }

TTextExtent TCustomAxisPanel::MultiLineTextWidth(std::string_view text) {
  return chart::MultiLineTextWidth(text, [this](std::string_view line) { return Canvas().MeasureTextWidth(line); });
}

int TCustomAxisPanel::MaxLabelTextWidth() {
  int widest = 0;
  for (const TChartSeries* s : SeriesList())
    for (int i = 0; i < s->LabelCount(); ++i) {
      const std::string label = s->XLabel(i);
      if (!label.empty()) widest = std::max(widest, MultiLineTextWidth(label).Width);
    }
  return widest;
}

// Series marks measure their own texts once they exist; until then no mark takes room.
int TCustomAxisPanel::MaxMarkTextWidth() { return 0; }

std::string TCustomAxisPanel::FormatAxisLabel(const TCustomChartAxis& axis, double value, bool useEvent) {
  (void)useEvent;  // the chart's label event comes with the axis drawing
  const TChartHost* host = Host();
  return FormatFloat(axis.AxisValuesFormat(), value, host ? host->ThousandSeparator() : ",",
                     host ? host->DecimalSeparator() : ".");
}

TAxisLabelStyle TCustomAxisPanel::AutoLabelStyle(const TCustomChartAxis& axis) {
  if (axis.IsDepth()) return talText;  // no series here carries depth values
  TAxisLabelStyle style = talNone;
  for (const TChartSeries* s : SeriesList()) {
    if (!s->Active() || !SeriesBoundToAxis(*s, axis)) continue;
    // Texts label the axis that runs along the series' points.
    const bool alongLabels = axis.IsHorizontal() == s->YMandatory();
    if (alongLabels && s->LabelCount() > 0 && !s->XLabel(0).empty()) return talText;
    style = talValue;
  }
  return style;
}

}  // namespace chart

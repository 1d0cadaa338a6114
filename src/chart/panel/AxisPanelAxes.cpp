// The axes of a chart (five standard ones and the custom ones), the switches that decide which are shown, and what the axes
// ask of their chart (extremes aside): text measuring, label texts, label styles.
#include <algorithm>

#include "chart/axis/AxisDateTime.h"
#include "chart/axis/ChartAxis.h"
#include "chart/format/FormatFloat.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"
#include "chart/core/Store.h"

namespace chart {

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

bool TCustomAxisPanel::HasAxis(const TCustomChartAxis* axis) const {
  return axis && std::find(FAxes.begin(), FAxes.end(), axis) != FAxes.end();
}

TChartAxis& TCustomAxisPanel::CreateCustomAxis(bool horizontal, bool otherSide) {
  FAxes.reserve(FAxes.size() + 1);
  FCustomAxes.push_back(std::make_unique<TChartAxis>(this, horizontal, otherSide, false));
  TChartAxis& axis = *FCustomAxes.back();
  FAxes.push_back(&axis);
  CustomAxisCreated(axis);
  InvalidateChart();
  return axis;
}

void TCustomAxisPanel::RemoveCustomAxis(TCustomChartAxis& axis) {
  const auto owned = std::find_if(FCustomAxes.begin(), FCustomAxes.end(),
                                  [&axis](const auto& a) { return a.get() == &axis; });
  if (owned == FCustomAxes.end()) return;
  // Only series of this chart may bind to its axes, so the list holds every user.
  for (TChartSeries* s : FSeriesList) {
    if (s->CustomHorizAxis() == &axis) s->SetCustomHorizAxis(nullptr);
    if (s->CustomVertAxis() == &axis) s->SetCustomVertAxis(nullptr);
  }
  CustomAxisRemoving(axis);
  FAxes.erase(std::find(FAxes.begin(), FAxes.end(), &axis));
  FCustomAxes.erase(owned);
  InvalidateChart();
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

int TCustomAxisPanel::MaxMarkTextWidth() {
  int widest = 0;
  for (TChartSeries* s : SeriesList()) {
    if (!s->Active()) continue;
    TSeriesMarks& marks = s->Marks();
    const double total = marks.StyleUsesTotal() ? s->AbsTotal() : 0.0;
    const int count = std::min({s->Count(), s->YValues().Count(), s->MandatoryValueList().Count()});
    for (int i = 0; i < count; ++i) widest = std::max(widest, MultiLineTextWidth(marks.MarkText(i, total)).Width);
  }
  return widest;
}

std::string TCustomAxisPanel::FormatAxisLabel(const TCustomChartAxis& axis, double value, bool useEvent) {
  const TChartHost* host = Host();
  std::string text;
  if (axis.ScaleIsDateTime()) {
    // Nothing before the calendar's day zero; a range of days shows dates, less shows times.
    if (value >= 0) {
      std::string format = axis.DateTimeFormat();
      if (format.empty()) {
        if (axis.ScaleRange() > 1) format = host ? host->ShortDateFormat() : "dd/mm/yyyy";
        else format = host ? host->ShortTimeFormat() : "hh:nn";
      }
      text = FormatDateTime(format, value);
    }
  } else {
    text = FormatFloat(axis.AxisValuesFormat(), value, host ? host->ThousandSeparator() : ",",
                       host ? host->DecimalSeparator() : ".");
  }
  // The chart owns its axes; the label event takes the axis as a plain sender.
  if (useEvent && OnGetAxisLabel) OnGetAxisLabel(const_cast<TCustomChartAxis*>(&axis), nullptr, -1, text);
  return text;
}

namespace {
// Active series bound to the axis that carry point texts.
bool HasTexts(const TChartSeries& s) {
  for (int i = 0; i < s.LabelCount(); ++i)
    if (!s.XLabel(i).empty()) return true;
  return false;
}
}  // namespace

int TCustomAxisPanel::MaxSeriesTitleWidth() {
  int widest = 0;
  for (const TChartSeries* s : SeriesList())
    if (s->Active()) widest = std::max(widest, MultiLineTextWidth(s->Title()).Width);
  return widest;
}

bool TCustomAxisPanel::SeriesLabelRange(const TCustomChartAxis& axis, int& first, int& last) {
  first = last = -1;
  if (axis.IsDepth()) {
    // One text per depth slot: the title of the series standing in it.
    if (ActiveCount() == 0) return false;
    first = 0;
    last = FDepthSlots - 1;
    return true;
  }
  bool any = false;
  for (TChartSeries* s : SeriesList()) {
    if (!s->Active() || !SeriesBoundToAxis(*s, axis) || !HasTexts(*s)) continue;
    // The axes are laid out by now, so the visible range is that of this paint.
    s->CalcFirstLastVisibleIndex();
    if (s->FirstValueIndex() < 0 || s->LastValueIndex() < 0) continue;
    first = any ? std::min(first, s->FirstValueIndex()) : s->FirstValueIndex();
    last = any ? std::max(last, s->LastValueIndex()) : s->LastValueIndex();
    any = true;
  }
  return any;
}

bool TCustomAxisPanel::SeriesLabelAt(TCustomChartAxis& axis, int index, bool markText, double& value,
                                     std::string& text) {
  if (axis.IsDepth()) {
    for (TChartSeries* s : SeriesList()) {
      if (!s->Active() || s->DepthOrder() != index) continue;
      value = index;
      std::string label = s->Title();
      if (OnGetAxisLabel) OnGetAxisLabel(&axis, s, -1, label);
      text = std::move(label);
      return true;
    }
    return false;
  }
  for (TChartSeries* s : SeriesList()) {
    if (!s->Active() || !SeriesBoundToAxis(*s, axis) || index >= s->Count() || index >= s->LabelCount()) continue;
    std::string label = s->XLabel(index);
    if (label.empty()) continue;
    value = axis.IsHorizontal() ? s->XValue(index) : s->YValue(index);
    if (markText) label = s->Marks().MarkText(index);
    if (OnGetAxisLabel) OnGetAxisLabel(&axis, s, index, label);
    text = std::move(label);
    return true;
  }
  return false;
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

// The series' links to other objects: its chart and axes, the series it takes its data
// from, the series that take data from it, and its calculation function.
#include <algorithm>
#include <utility>

#include "chart/core/Exceptions.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/ChartSeries.h"
#include "chart/series/PendingPoints.h"
#include "chart/series/ZelFunction.h"

namespace chart {

namespace {

void Erase(std::vector<TChartSeries*>& v, const TChartSeries* s) {
  v.erase(std::remove(v.begin(), v.end(), s), v.end());
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Chart and axes

void TChartSeries::SetParentChart(TCustomAxisPanel* chart) {
  if (chart == FParentChart) return;
  if (FParentChart) FParentChart->RemoveSeries(*this);
  FParentChart = chart;
  ResolveAxes();
  if (chart) chart->AddSeries(*this);
}

void TChartSeries::DetachFromChart() {
  // The chart frees its axes; a series outside it must not keep pointing at them.
  FCustomHorizAxis = nullptr;
  FCustomVertAxis = nullptr;
  FParentChart = nullptr;
  ResolveAxes();
}

void TChartSeries::ResolveAxes() {
  if (!FParentChart) {
    FHorizAxisBound = nullptr;
    FVertAxisBound = nullptr;
    return;
  }
  const TCustomAxisPanel& c = *FParentChart;
  // "Both" draws against the bottom (left) axis; both sides count for the ranges.
  switch (FHorizAxis) {
    case aTopAxis: FHorizAxisBound = c.TopAxis(); break;
    case aCustomHorizAxis: FHorizAxisBound = FCustomHorizAxis ? FCustomHorizAxis : c.BottomAxis(); break;
    default: FHorizAxisBound = c.BottomAxis(); break;
  }
  switch (FVertAxis) {
    case aRightAxis: FVertAxisBound = c.RightAxis(); break;
    case aCustomVertAxis: FVertAxisBound = FCustomVertAxis ? FCustomVertAxis : c.LeftAxis(); break;
    default: FVertAxisBound = c.LeftAxis(); break;
  }
}

void TChartSeries::SetHorizAxis(THorizAxis v) {
  if (v == FHorizAxis) return;
  FHorizAxis = v;
  ResolveAxes();
  RequestRepaint();
}

void TChartSeries::SetVertAxis(TVertAxis v) {
  if (v == FVertAxis) return;
  FVertAxis = v;
  ResolveAxes();
  RequestRepaint();
}

// An axis the chart does not lay out would leave every point on one pixel, and one of
// another chart may be freed while the series still points at it.
void TChartSeries::CheckCustomAxis(const TCustomChartAxis* axis, bool horizontal) const {
  if (!axis) return;
  if (!FParentChart || !FParentChart->HasAxis(axis) || axis->IsDepth() || axis->IsHorizontal() != horizontal)
    throw ChartException(horizontal ? "Custom horizontal axis must be a horizontal axis of the series' chart"
                                    : "Custom vertical axis must be a vertical axis of the series' chart");
}

void TChartSeries::SetCustomHorizAxis(TCustomChartAxis* axis) {
  if (axis == FCustomHorizAxis) return;
  CheckCustomAxis(axis, true);
  FCustomHorizAxis = axis;
  ResolveAxes();
  RequestRepaint();
}

void TChartSeries::SetCustomVertAxis(TCustomChartAxis* axis) {
  if (axis == FCustomVertAxis) return;
  CheckCustomAxis(axis, false);
  FCustomVertAxis = axis;
  ResolveAxes();
  RequestRepaint();
}

bool TChartSeries::AssociatedToAxis(const TCustomChartAxis* axis) const {
  if (!axis || !FParentChart) return false;
  if (axis == FHorizAxisBound || axis == FVertAxisBound) return true;
  const TCustomAxisPanel& c = *FParentChart;
  if (FHorizAxis == aBothHorizAxis && (axis == c.TopAxis() || axis == c.BottomAxis())) return true;
  if (FVertAxis == aBothVertAxis && (axis == c.LeftAxis() || axis == c.RightAxis())) return true;
  return false;
}

// ---------------------------------------------------------------------------------------
// Data sources and linked series

bool TChartSeries::DependsOn(const TChartSeries* other) const {
  for (const TChartSeries* s : FDataSources)
    if (s == other || s->DependsOn(other)) return true;
  return false;
}

void TChartSeries::UnlinkDataSources() {
  for (TChartSeries* s : FDataSources) Erase(s->FLinkedSeries, this);
  FDataSources.clear();
}

void TChartSeries::UnlinkLinkedSeries() {
  for (TChartSeries* s : FLinkedSeries) Erase(s->FDataSources, this);
  FLinkedSeries.clear();
}

TChartSeries& TChartSeries::CheckedSource(TChartComponent& source) const {
  if (!FParentChart) throw ChartException("No ParentChart to validate DataSource");
  auto* series = dynamic_cast<TChartSeries*>(&source);
  if (!series || !FParentChart->IsValidDataSource(*this, source))
    throw ChartException("No valid DataSource: " + source.Name());
  if (series == this || series->DependsOn(this)) throw ChartException("Circular Series dependences are not allowed");
  return *series;
}

void TChartSeries::SetDataSource(TChartComponent* source) {
  if (!source) {
    SetDataSources({});
    return;
  }
  TChartComponent* const one[] = {source};
  SetDataSources(one);
}

void TChartSeries::SetDataSources(std::span<TChartComponent* const> sources) {
  if (sources.size() == FDataSources.size() &&
      std::equal(sources.begin(), sources.end(), FDataSources.begin(),
                 [](const TChartComponent* a, const TChartSeries* b) { return a == b; }))
    return;
  std::vector<TChartSeries*> checked;
  checked.reserve(sources.size());
  for (TChartComponent* c : sources) {
    if (!c) throw ChartException("No valid DataSource: ");
    checked.push_back(&CheckedSource(*c));
  }
  // Allocate before unlinking, so a failure leaves the old links in place. A source named
  // twice counts twice in a function but sends its notices once.
  for (TChartSeries* s : checked) s->FLinkedSeries.reserve(s->FLinkedSeries.size() + 1);
  UnlinkDataSources();
  FDataSources = std::move(checked);
  for (TChartSeries* s : FDataSources)
    if (std::find(s->FLinkedSeries.begin(), s->FLinkedSeries.end(), this) == s->FLinkedSeries.end())
      s->FLinkedSeries.push_back(this);
  CheckDataSource();
}

void TChartSeries::SetFunction(std::unique_ptr<TZelFunction> function) {
  FFunction = std::move(function);
  if (FFunction) FFunction->FParentSeries = this;
  CheckDataSource();
}

void TChartSeries::CheckDataSource() {
  TChartSeries* source = DataSource();
  if (!source) return;
  // A chart may refuse a source it accepted before; a series off its chart keeps its links.
  if (FParentChart && !FParentChart->IsValidDataSource(*this, *source)) return;
  Clear();
  if (FFunction) {
    XValues().SetDateTime(source->XValues().DateTime());
    YValues().SetDateTime(source->YValues().DateTime());
    FFunction->AddPoints(*source);
  } else {
    AddValues(*source);
  }
  RefreshLinkedSeries();
}

void TChartSeries::AddValues(TChartSeries& source) {
  ReserveForInsert(static_cast<std::size_t>(source.Count()));
  for (int i = 0; i < source.Count(); ++i) AddValueFrom(source, i);
}

void TChartSeries::AddValueFrom(const TChartSeries& source, int index) {
  // The source's newest point may still wait to be merged: it is read where it waits, so
  // that mirroring a series does not merge its points one at a time. Nothing has touched
  // the source since it was added (any change merges first).
  const TPendingPoints* waiting = source.FHasPending && index == source.FLastWaitingIndex ? source.FPending.get() : nullptr;
  const std::size_t id = waiting ? waiting->Count() - 1 : 0;
  auto value = [&](std::size_t k) {
    if (waiting) return waiting->Value(id, k) * source.FValueLists[k]->Multiplier();
    return source.FValueLists[k]->Value(index);
  };
  double x = value(0);
  double y = value(1);
  if (source.YMandatory() != YMandatory()) std::swap(x, y);
  XValues().SetPendingValue(x);
  YValues().SetPendingValue(y);
  for (std::size_t k = 2; k < FValueLists.size(); ++k) {
    const bool has = k < source.FValueLists.size() && (waiting || index < source.FValueLists[k]->Count());
    FValueLists[k]->SetPendingValue(has ? value(k) : 0);
  }
  const TColor color = waiting ? waiting->Color(id) : source.StoredColor(index);
  const int i = InsertPoint(waiting ? waiting->Label(id) : source.FLabels.Get(index), color);
  NotifyNewValue(i);
}

void TChartSeries::NotifyLinkedSeries(TSeriesNotice notice, int index) {
  // By index: a handler further down may unlink series while this runs.
  for (std::size_t i = 0; i < FLinkedSeries.size(); ++i)
    FLinkedSeries[i]->ReceiveNotice(*this, notice, index);
}

void TChartSeries::ReceiveNotice(TChartSeries& source, TSeriesNotice notice, int index) {
  switch (notice) {
    case snClear:
      if (FRecalcOptions & roClear) Clear();
      break;
    case snInsert:
      if ((FRecalcOptions & roInsert) && !FFunction) AddValueFrom(source, index);
      break;
    case snDelete:
      // A linked series that did not mirror its source may not have that point.
      if ((FRecalcOptions & roDelete) && !FFunction && index < Count()) Delete(index);
      break;
    case snModify:
      if (FRecalcOptions & roModify) CheckDataSource();
      break;
    case snRefresh:
      CheckDataSource();
      break;
  }
}

}  // namespace chart

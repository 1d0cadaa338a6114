#include "chart/series/ChartSeries.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "chart/core/Exceptions.h"
#include "chart/core/Palette.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/series/PendingPoints.h"
#include "chart/series/ZelFunction.h"

namespace chart {

TChartSeries::TChartSeries() : FMarks(std::make_unique<TSeriesMarks>(*this)) {
  FValueLists.reserve(2);
  FValueLists.push_back(std::make_unique<TChartValueList>(this, "X"));
  FValueLists.push_back(std::make_unique<TChartValueList>(this, "Y"));
  XValues().SetOrder(loAscending);
}

TChartSeries::~TChartSeries() {
  // Both directions of every link go first, so no series keeps a pointer to this one.
  UnlinkDataSources();
  UnlinkLinkedSeries();
  // The points go as by Clear, so OnClearValues hears of it. A throwing handler must not
  // end the program from a destructor.
  try {
    Clear();
  } catch (...) {
  }
  if (FParentChart) FParentChart->RemoveSeries(*this);
}

TChartValueList& TChartSeries::AddValueList(std::string name) {
  auto list = std::make_unique<TChartValueList>(this, std::move(name));
  // A new coordinate starts with one 0 per existing point, keeping the lists in step.
  for (int i = 0; i < Count(); ++i) list->InsertValue(i, 0);
  FValueLists.push_back(std::move(list));
  return *FValueLists.back();
}

void TChartSeries::SetXValues(const TChartValueList& source) {
  XValues().Assign(source);
  RequestRepaint();
}

void TChartSeries::SetYValues(const TChartValueList& source) {
  YValues().Assign(source);
  RequestRepaint();
}

void TChartSeries::CheckPointIndex(int index) const {
  if (index < 0 || index >= Count()) throw EListError(index);
  // A list changed on its own may be shorter than X; refuse before anything changes.
  for (const auto& list : FValueLists)
    if (index >= list->Count()) throw EListError(index);
}

// ---------------------------------------------------------------------------------------
// Colours and labels

TColor TChartSeries::ValueColor(int index) const {
  if (index < 0 || index >= ColorCount()) return FSeriesColor;
  const TColor c = StoredColor(index);
  if (c != clDefault) return c;
  return FColorEachPoint ? PaletteColor(index) : FSeriesColor;
}

void TChartSeries::SetValueColor(int index, TColor color) {
  CheckPointIndex(index);
  if (color != clDefault || index < StoredColorCount()) {
    if (index >= StoredColorCount()) FColors.resize(static_cast<std::size_t>(index) + 1, clDefault);
    TColor& stored = FColors[static_cast<std::size_t>(index)];
    FOwnColors += static_cast<int>(color != clDefault) - static_cast<int>(stored != clDefault);
    stored = color;
  }
  FColorCount = std::max(FColorCount, index + 1);
  RequestRepaint();
}

// ---------------------------------------------------------------------------------------
// Adding points

void TChartSeries::ReserveForInsert(std::size_t extra) {
  Settle();
  // Growing doubles, except that an empty series gets exactly what is asked for: one big
  // append into it allocates once and exactly enough.
  for (auto& list : FValueLists) list->ReserveAppend(extra);
}

// Below this many points an insertion into the middle is cheap enough to make at once.
constexpr int MinPointsToWait = 64;

int TChartSeries::InsertPoint(std::string_view label, TColor color) {
  if (ShouldWait(XValues().PendingValue())) return AddWaitingPoint(label, color);
  Settle();
  // After a merge of a single point (something reads after every add), points go in at
  // once for a while: one merge per point would move more than one insertion does.
  if (!FWaitingPaysOff && ++FInsertsSinceMerge >= MinPointsToWait) FWaitingPaysOff = true;
  // The label is made and every sequence given room at the point's place before the
  // first one changes: nothing after that can fail, so a point is added to every
  // sequence or to none.
  // The colour and label sequences end after the last point that has one of its own
  // (readers take the points beyond as having none): a series without colours or labels
  // stores only its values.
  TPointLabels::Slot slot = TPointLabels::Make(label);
  const int n = Count();
  const int i = XValues().InsertIndex(XValues().PendingValue());
  const bool colorSlot = color != clDefault || i < StoredColorCount();
  const bool labelSlot = slot || i < FLabels.Count();
  if (colorSlot && StoredColorCount() < i) FColors.resize(static_cast<std::size_t>(i), clDefault);
  if (labelSlot) FLabels.Extend(i);
  for (auto& list : FValueLists) list->ReserveInsert(i);
  if (colorSlot) FColors.reserve_insert(static_cast<std::size_t>(i));
  if (labelSlot) FLabels.ReserveInsert(i);

  for (auto& list : FValueLists) list->InsertValue(i, list->PendingValue());
  if (colorSlot) FColors.insert(static_cast<std::size_t>(i), color);
  FOwnColors += color != clDefault;
  if (labelSlot) FLabels.Insert(i, std::move(slot));
  FColorCount = std::max(FColorCount, n) + 1;
  FLabelCount = std::max(FLabelCount, n) + 1;
  return i;
}

bool TChartSeries::ShouldWait(double x) const {
  const TChartValueList& xs = XValues();
  if (xs.Order() == loNone || std::isnan(x)) return false;
  // An after-add handler is expected to read the new point, which would merge every
  // waiting point on its own: then a point goes straight in. (A before-add handler sees
  // only what is in already; a series that mirrors this one reads the point where it waits.)
  if (OnAfterAdd) return false;
  const int n = static_cast<int>(xs.FValues.size());
  if (!FHasPending && (n < MinPointsToWait || !FWaitingPaysOff)) return false;
  // The place of a value is just after the last stored value whose X is not beyond it
  // (NaN counting as beyond nothing): where it goes in the sorted array of the least X
  // from each index on, and inserting it there keeps that array sorted. So each waiting
  // point's final place is its place among the stored points plus the number of waiting
  // points before it, as in a merge of two sorted runs, wherever it lands.
  if (FHasPending) return true;
  // Within a few points of either end a point goes in at once for a few moves (the lists
  // grow at both ends), cheaper than keeping it aside.
  const int at = xs.PlaceOf(x);
  return std::min(at, n - at) >= MinPointsToWait;
}

int TChartSeries::AddWaitingPoint(std::string_view label, TColor color) {
  TChartValueList& xs = XValues();
  const double x = xs.PendingValue();
  const std::size_t n = xs.FValues.size();
  const std::size_t waiting = FPending ? FPending->Count() : 0;
  // Everything that may allocate comes first: the lists get the room the merge will fill,
  // so neither a failure here nor the merge later leaves the series half changed.
  // A colour or label sequence in use is made as long as the lists, so that the merge
  // can place the waiting points' entries; one not in use stays empty.
  if (!FPending) FPending = std::make_unique<TPendingPoints>();
  FPending->ReserveOne(FValueLists.size());
  for (auto& list : FValueLists) list->FValues.reserve_append(waiting + 1);
  if (color != clDefault || !FColors.empty()) {
    if (FColors.size() < n) FColors.resize(n, clDefault);
    FColors.reserve_append(waiting + 1);
  }
  if (!label.empty() || FLabels.Count() > 0) {
    FLabels.Extend(static_cast<int>(n));
    FLabels.ReserveAppend(waiting + 1);
  }
  TPointLabels::Slot slot = TPointLabels::Make(label);
  const double key = xs.Order() == loDescending ? -x : x;
  const std::size_t before = FPending->Add(key, FValueLists, color, std::move(slot));

  FOwnColors += color != clDefault;
  FColorCount = std::max(FColorCount, static_cast<int>(n + waiting)) + 1;
  FLabelCount = std::max(FLabelCount, static_cast<int>(n + waiting)) + 1;
  FHasPending = true;
  for (auto& list : FValueLists) list->FOwnerPending = true;
  FLastWaitingIndex = static_cast<int>(static_cast<std::size_t>(xs.PlaceOf(x)) + before);
  return FLastWaitingIndex;
}

void TChartSeries::SettlePendingPoints() const {
  // Reading merges: logically the series does not change.
  auto* self = const_cast<TChartSeries*>(this);
  self->FHasPending = false;
  self->FLastWaitingIndex = -1;
  for (auto& list : FValueLists) list->FOwnerPending = false;
  TPendingPoints& pending = *self->FPending;
  const std::vector<std::size_t>& ids = pending.SortedIds();
  std::vector<std::size_t>& positions = pending.Positions();
  positions.clear();
  // The lists have not changed since the first point waited, so each waiting point's
  // place among the stored points is still the one it was given; equal X keep the stored
  // points first.
  const TChartValueList& xs = XValues();
  const bool descending = xs.Order() == loDescending;
  for (std::size_t k = 0; k < ids.size(); ++k) {
    const double key = pending.Key(ids[k]);
    positions.push_back(static_cast<std::size_t>(xs.PlaceOf(descending ? -key : key)) + k);
  }
  for (std::size_t l = 0; l < FValueLists.size(); ++l) {
    TChartValueList& list = *FValueLists[l];
    list.FValues.merge_in(positions, [&](std::size_t k) { return pending.Value(ids[k], l); });
    list.TailAfterMerge(positions, l == 0);
    if (!positions.empty()) list.ValuesChangedFrom(static_cast<int>(positions.front()));
  }
  // A sequence still empty had no entry of its own among the waiting points either.
  if (!FColors.empty()) self->FColors.merge_in(positions, [&](std::size_t k) { return pending.Color(ids[k]); });
  if (FLabels.Count() > 0) self->FLabels.MergeIn(positions, [&](std::size_t k) { return pending.TakeLabel(ids[k]); });
  self->FWaitingPaysOff = ids.size() > 1;
  self->FInsertsSinceMerge = 0;
  pending.Clear();
}

void TChartSeries::DropPendingPoints() {
  FHasPending = false;
  FLastWaitingIndex = -1;
  for (auto& list : FValueLists) list->FOwnerPending = false;
  if (FPending) FPending->Clear();
}

int TChartSeries::AddPoint(double x, double y, std::string_view label, TColor color) {
  XValues().SetPendingValue(x);
  YValues().SetPendingValue(y);
  if (OnBeforeAdd && !OnBeforeAdd(this)) return -1;
  // The handler may have changed the pending values; they are what goes in.
  const int index = InsertPoint(label, color);
  NotifyNewValue(index);
  return index;
}

void TChartSeries::NotifyNewValue(int index) {
  if (OnAfterAdd) OnAfterAdd(this, index);
  NotifyLinkedSeries(snInsert, index);
  if (FActive) RequestRepaint();
}

int TChartSeries::Add(double value, std::string_view label, TColor color) {
  const double n = Count();
  return YMandatory() ? AddPoint(n, value, label, color) : AddPoint(value, n, label, color);
}

// ---------------------------------------------------------------------------------------
// Removing and moving points

void TChartSeries::ClearLists() {
  DropPendingPoints();
  for (auto& list : FValueLists) list->Clear();
  FColors.release();
  FOwnColors = 0;
  FLabels.Clear();
  FColorCount = FLabelCount = 0;
  MarksCleared();
}

void TChartSeries::Clear() {
  ClearLists();
  if (OnClearValues) OnClearValues(this);
  NotifyLinkedSeries(snClear, 0);
  if (FActive && FParentChart && !FParentChart->IsDestroying()) RequestRepaint();
}

void TChartSeries::Delete(int index) {
  CheckPointIndex(index);
  RemovePoints(index, 1);
  NotifyLinkedSeries(snDelete, index);
  if (FActive) RequestRepaint();
}

void TChartSeries::SwapPoints(int a, int b) {
  CheckPointIndex(a);
  CheckPointIndex(b);
  if (a == b) return;
  const int lo = std::min(a, b), hi = std::max(a, b) + 1;
  // A colour or label sequence that reaches either point is filled up first (may
  // allocate), then exchanged; one that ends before both has nothing to exchange.
  const bool colors = lo < StoredColorCount(), labels = lo < FLabels.Count();
  if (colors && StoredColorCount() < hi) FColors.resize(static_cast<std::size_t>(hi), clDefault);
  if (labels) FLabels.Extend(hi);
  for (auto& list : FValueLists) list->Exchange(a, b);
  if (colors) std::swap(FColors[static_cast<std::size_t>(a)], FColors[static_cast<std::size_t>(b)]);
  if (labels) FLabels.Exchange(a, b);
  FColorCount = std::max(FColorCount, hi);
  FLabelCount = std::max(FLabelCount, hi);
}

// ---------------------------------------------------------------------------------------
// Repaint and properties

void TChartSeries::RequestRepaint() const {
  if (FParentChart) FParentChart->InvalidateChart();
}

void TChartSeries::SetActive(bool v) {
  if (v == FActive) return;
  FActive = v;
  RequestRepaint();
}

void TChartSeries::SetSeriesColor(TColor v) {
  if (v == FSeriesColor) return;
  FSeriesColor = v;
  RequestRepaint();
}

void TChartSeries::SetColorEachPoint(bool v) {
  if (v == FColorEachPoint) return;
  FColorEachPoint = v;
  // Switching off forgets the points' own colours as well.
  if (!v)
    for (int i = 0; i < std::min(ColorCount(), Count()); ++i) SetValueColor(i, clDefault);
  RequestRepaint();
}

void TChartSeries::SetShowInLegend(bool v) {
  if (v == FShowInLegend) return;
  FShowInLegend = v;
  RequestRepaint();
}

void TChartSeries::SetTitle(const std::string& v) {
  if (v == FTitle) return;
  FTitle = v;
  RequestRepaint();
}

void TChartSeries::SetValueFormat(const std::string& v) {
  if (v == FValueFormat) return;
  FValueFormat = v;
  RequestRepaint();
}

void TChartSeries::SetPercentFormat(const std::string& v) {
  if (v == FPercentFormat) return;
  FPercentFormat = v;
  RequestRepaint();
}

void TChartSeries::Assign(const TChartSeries& o) {
  if (&o == this) return;
  FActive = o.FActive;
  FSeriesColor = o.FSeriesColor;
  FColorEachPoint = o.FColorEachPoint;
  FShowInLegend = o.FShowInLegend;
  FTitle = o.FTitle;
  FValueFormat = o.FValueFormat;
  FPercentFormat = o.FPercentFormat;
  FRecalcOptions = o.FRecalcOptions;
  FCursor = o.FCursor;
  FMarks->Assign(*o.FMarks);
  FHorizAxis = o.FHorizAxis;
  FVertAxis = o.FVertAxis;
  // A custom axis belongs to its chart: pointing at another chart's would dangle.
  if (o.FParentChart == FParentChart) {
    FCustomHorizAxis = o.FCustomHorizAxis;
    FCustomVertAxis = o.FCustomVertAxis;
  }
  for (std::size_t i = 0; i < std::min(FValueLists.size(), o.FValueLists.size()); ++i)
    FValueLists[i]->Assign(*o.FValueLists[i]);
  ResolveAxes();
  RequestRepaint();
}

std::size_t TChartSeries::AllocatedBytes() const {
  Settle();
  std::size_t bytes = FColors.capacity() * sizeof(TColor) + FLabels.AllocatedBytes();
  for (const auto& list : FValueLists) bytes += list->Capacity() * sizeof(double);
  return bytes;
}

}  // namespace chart

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
  const TColor c = FColors[static_cast<std::size_t>(index)];
  if (c != clDefault) return c;
  return FColorEachPoint ? PaletteColor(index) : FSeriesColor;
}

void TChartSeries::SetValueColor(int index, TColor color) {
  CheckPointIndex(index);
  if (index >= ColorCount()) FColors.resize(static_cast<std::size_t>(index) + 1, clDefault);
  TColor& stored = FColors[static_cast<std::size_t>(index)];
  FOwnColors += static_cast<int>(color != clDefault) - static_cast<int>(stored != clDefault);
  stored = color;
  RequestRepaint();
}

// ---------------------------------------------------------------------------------------
// Adding points

void TChartSeries::ReserveForInsert(std::size_t extra) {
  Settle();
  // Growing doubles, except that an empty series gets exactly what is asked for: one big
  // append into it allocates once and exactly enough.
  for (auto& list : FValueLists) list->ReserveAppend(extra);
  FColors.reserve_append(extra);
  FLabels.ReserveAppend(extra);
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
  TPointLabels::Slot slot = TPointLabels::Make(label);
  const int n = Count();
  if (ColorCount() < n) FColors.resize(static_cast<std::size_t>(n), clDefault);
  FLabels.Extend(n);
  const int i = XValues().InsertIndex(XValues().PendingValue());
  for (auto& list : FValueLists) list->ReserveInsert(i);
  FColors.reserve_insert(static_cast<std::size_t>(i));
  FLabels.ReserveInsert(i);

  for (auto& list : FValueLists) list->InsertValue(i, list->PendingValue());
  FColors.insert(static_cast<std::size_t>(i), color);
  FOwnColors += color != clDefault;
  FLabels.Insert(i, std::move(slot));
  return i;
}

bool TChartSeries::ShouldWait(double x) const {
  const TChartValueList& xs = XValues();
  if (xs.Order() == loNone || std::isnan(x)) return false;
  const int n = static_cast<int>(xs.FValues.size());
  if (!FHasPending && (n < MinPointsToWait || !FWaitingPaysOff)) return false;
  // A place inside the ordered tail (no NaN there) is found by bisection and stays right
  // whatever waits beside it. A place before the tail depends on the points that wait:
  // they go in first, and then this one.
  const int at = xs.PlaceOf(x);
  return at > xs.FOrderedFrom && (FHasPending || at < n);
}

int TChartSeries::AddWaitingPoint(std::string_view label, TColor color) {
  TChartValueList& xs = XValues();
  const double x = xs.PendingValue();
  const std::size_t n = xs.FValues.size();
  const std::size_t waiting = FPending ? FPending->Count() : 0;
  // Everything that may allocate comes first: the lists get the room the merge will fill,
  // so neither a failure here nor the merge later leaves the series half changed.
  if (!FPending) FPending = std::make_unique<TPendingPoints>();
  FPending->ReserveOne(FValueLists.size());
  for (auto& list : FValueLists) list->FValues.reserve_append(waiting + 1);
  if (FColors.size() < n) FColors.resize(n, clDefault);
  FColors.reserve_append(waiting + 1);
  FLabels.Extend(static_cast<int>(n));
  FLabels.ReserveAppend(waiting + 1);
  TPointLabels::Slot slot = TPointLabels::Make(label);
  const double key = xs.Order() == loDescending ? -x : x;
  const std::size_t before = FPending->Add(key, FValueLists, color, std::move(slot));

  FOwnColors += color != clDefault;
  FHasPending = true;
  for (auto& list : FValueLists) list->FOwnerPending = true;
  return static_cast<int>(static_cast<std::size_t>(xs.PlaceOf(x)) + before);
}

void TChartSeries::SettlePendingPoints() const {
  // Reading merges: logically the series does not change.
  auto* self = const_cast<TChartSeries*>(this);
  self->FHasPending = false;
  for (auto& list : FValueLists) list->FOwnerPending = false;
  TPendingPoints& pending = *self->FPending;
  const std::vector<std::size_t>& ids = pending.SortedIds();
  std::vector<std::size_t>& positions = pending.Positions();
  positions.clear();
  // The lists have not changed since the first point waited, so each waiting point's
  // place in the ordered tail is still found by bisection; equal X keep the stored
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
    list.FDirty = true;
  }
  self->FColors.merge_in(positions, [&](std::size_t k) { return pending.Color(ids[k]); });
  self->FLabels.MergeIn(positions, [&](std::size_t k) { return pending.TakeLabel(ids[k]); });
  self->FWaitingPaysOff = ids.size() > 1;
  self->FInsertsSinceMerge = 0;
  pending.Clear();
}

void TChartSeries::DropPendingPoints() {
  FHasPending = false;
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

int TChartSeries::AppendValues(const double* values, int lastIndex) {
  if (values && lastIndex >= 0) {
    ReserveForInsert(static_cast<std::size_t>(lastIndex) + 1);
    for (int i = 0; i <= lastIndex; ++i) Add(values[i]);
  }
  RefreshLinkedSeries();
  return values && lastIndex >= 0 ? lastIndex + 1 : 0;
}

int TChartSeries::AppendValues(std::span<const double> values) {
  if (values.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
    throw EListError(static_cast<long long>(values.size()) - 1);
  return AppendValues(values.data(), static_cast<int>(values.size()) - 1);
}

// ---------------------------------------------------------------------------------------
// Removing and moving points

void TChartSeries::ClearLists() {
  DropPendingPoints();
  for (auto& list : FValueLists) list->Clear();
  FColors.release();
  FOwnColors = 0;
  FLabels.Clear();
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
  for (auto& list : FValueLists) list->Delete(index);
  if (index < ColorCount()) {
    FOwnColors -= FColors[static_cast<std::size_t>(index)] != clDefault;
    FColors.erase(static_cast<std::size_t>(index));
  }
  if (index < FLabels.Count()) FLabels.Delete(index);
  MarkDeleted(index);
  NotifyLinkedSeries(snDelete, index);
  if (FActive) RequestRepaint();
}

void TChartSeries::SwapPoints(int a, int b) {
  CheckPointIndex(a);
  CheckPointIndex(b);
  if (a == b) return;
  const int hi = std::max(a, b) + 1;
  // Short colour or label sequences are filled up first (may allocate), then exchanged.
  if (ColorCount() < hi) FColors.resize(static_cast<std::size_t>(hi), clDefault);
  FLabels.Extend(hi);
  for (auto& list : FValueLists) list->Exchange(a, b);
  std::swap(FColors[static_cast<std::size_t>(a)], FColors[static_cast<std::size_t>(b)]);
  FLabels.Exchange(a, b);
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

#include "chart/series/ChartValueList.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "chart/core/Exceptions.h"
#include "chart/series/ChartSeries.h"
#include "chart/series/PendingPoints.h"

namespace chart {

TChartValueList::TChartValueList(TChartSeries* owner, std::string name)
    : FOwner(owner), FName(std::move(name)) {}

void TChartValueList::SettleOwner() const { FOwner->SettlePendingPoints(); }

std::size_t TChartValueList::OwnerPendingCount() const { return FOwner->FPending->Count(); }

void TChartValueList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EListError(index);
}

double TChartValueList::Value(int index) const {
  Settle();
  CheckIndex(index);
  return FValues[static_cast<std::size_t>(index)] * FMultiplier;
}

void TChartValueList::SetValue(int index, double value) {
  Settle();
  CheckIndex(index);
  StoreValue(index, value);
  if (FOwner) FOwner->NotifyLinkedSeries(snModify, index);
}

void TChartValueList::StoreValue(int index, double value) {
  const int oldTail = FOrderedFrom;
  FOrderedFrom = TailAfterChange(index, value, true);
  if (index < oldTail) {
    HeadValueReplaced(FValues[static_cast<std::size_t>(index)], value);
    FHeadSuffixKnown = false;
  }
  else if (FOrderedFrom != oldTail) HeadChanged();
  FValues[static_cast<std::size_t>(index)] = value;
  ValuesChangedFrom(index);
}

int TChartValueList::InsertIndex(double value) const {
  Settle();
  return PlaceOf(value);
}

double TChartValueList::Extreme(double a, double b) const {
  // The value that lies beyond the least: a NaN never lies beyond anything.
  if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<double>::quiet_NaN();
  return FOrder == loDescending ? std::max(a, b) : std::min(a, b);
}

void TChartValueList::HeadValueLeaving(double old) {
  // The extreme stands unless it leaves: a NaN extreme may have other NaNs behind it.
  if (std::isnan(old) || old == FHeadExtreme) FHeadExtremeKnown = false;
}

void TChartValueList::HeadValueReplaced(double old, double value) {
  HeadValueLeaving(old);
  FHeadExtreme = Extreme(FHeadExtreme, value);
}

double TChartValueList::HeadExtreme() const {
  if (!FHeadExtremeKnown) {
    FHeadExtreme = FValues[0];
    for (int i = 1; i < FOrderedFrom; ++i) FHeadExtreme = Extreme(FHeadExtreme, FValues[static_cast<std::size_t>(i)]);
    FHeadExtremeKnown = true;
  }
  return FHeadExtreme;
}

int TChartValueList::PlaceOf(double value) const {
  // The place is just after the last stored value that does not lie beyond the new one
  // (0 when all do): equal values keep their arrival order, and a NaN, which never lies
  // beyond, stops the search. Raw values are compared: the multiplier only scales what
  // readers see. Values arriving in order cost one comparison.
  const int n = static_cast<int>(FValues.size());
  if (FOrder == loNone || n == 0) return n;
  const bool descending = FOrder == loDescending;
  auto beyond = [&](int i) {
    const double stored = FValues[static_cast<std::size_t>(i)];
    return descending ? stored < value : stored > value;
  };
  if (!beyond(n - 1)) return n;
  // In the ordered tail "beyond" holds from some index on: gallop back from the end,
  // then bisect, so a value that belongs far from the end costs a logarithm, not a walk.
  const int tail = FOrderedFrom;
  long long hi = n - 1;  // beyond
  long long lo = hi - 1;
  for (long long step = 1; lo >= tail && beyond(static_cast<int>(lo)); step *= 2) {
    hi = lo;
    lo = hi - 2 * step;
  }
  lo = std::max<long long>(lo, tail - 1);  // not beyond, or just before the tail
  while (hi - lo > 1) {
    const long long mid = lo + (hi - lo) / 2;
    if (beyond(static_cast<int>(mid))) hi = mid;
    else lo = mid;
  }
  if (hi > tail) return static_cast<int>(hi);
  // The whole tail lies beyond: walk on through the values before it, unless they all lie
  // beyond as well (values falling in front of an unordered head would walk it every time).
  if (tail > 0) {
    const double least = HeadExtreme();
    if (descending ? least < value : least > value) return 0;
  }
  // The last value of the head that does not lie beyond is where the least of the values
  // from it on does not: the least values of the head's suffixes rise, so bisection finds it.
  if (!FHeadSuffixKnown) FindHeadSuffix();
  const double* least = FHeadSuffix.data();
  return static_cast<int>(std::upper_bound(least, least + tail, SuffixKey(value)) - least);
}

double TChartValueList::SuffixKey(double value) const {
  // Ascending keys: "beyond" becomes "greater", and a NaN, never beyond, the least of all.
  if (std::isnan(value)) return -std::numeric_limits<double>::infinity();
  return FOrder == loDescending ? -value : value;
}

void TChartValueList::FindHeadSuffix() const {
  FHeadSuffix.resize(static_cast<std::size_t>(FOrderedFrom));
  double least = std::numeric_limits<double>::infinity();
  for (int i = FOrderedFrom - 1; i >= 0; --i) {
    least = std::min(least, SuffixKey(FValues[static_cast<std::size_t>(i)]));
    FHeadSuffix[static_cast<std::size_t>(i)] = least;
  }
  FHeadSuffixKnown = true;
}

void TChartValueList::HeadValueInserted(int index, double value) {
  if (!FHeadSuffixKnown) return;
  // A value put where the scan puts it (everything after it beyond, the one before not)
  // leaves every other suffix's least value as it was.
  const double key = SuffixKey(value);
  const std::size_t at = static_cast<std::size_t>(index);
  FHeadSuffixKnown = FHeadSuffix[at] > key && (at == 0 || FHeadSuffix[at - 1] <= key);
  if (!FHeadSuffixKnown) return;
  try {
    FHeadSuffix.insert(at, key);
  } catch (...) {
    FHeadSuffixKnown = false;  // a cache: found afresh when next needed
  }
}

int TChartValueList::AddValue(double value) {
  Settle();
  const int index = InsertIndex(value);
  InsertValue(index, value);
  return index;
}

void TChartValueList::InsertValue(int index, double value) {
  Settle();
  if (index < 0 || index > Count()) throw EListError(index);
  FValues.reserve_insert(static_cast<std::size_t>(index));  // may throw: nothing changed yet
  const int oldTail = FOrderedFrom;
  FOrderedFrom = TailAfterChange(index, value, false);
  // A value placed before the tail joins the head; one placed in the tail may cut it.
  if (index < oldTail) {
    FHeadExtreme = Extreme(FHeadExtreme, value);
    HeadValueInserted(index, value);
  }
  else if (FOrderedFrom != oldTail) HeadChanged();
  FValues.insert(static_cast<std::size_t>(index), value);
  ValuesChangedFrom(index);
}

void TChartValueList::Delete(int index) {
  Settle();
  CheckIndex(index);
  DeleteRange(index, 1);
}

void TChartValueList::DeleteRange(int start, int quantity) {
  Settle();
  if (quantity <= 0) return;
  // A tail in order stays in order without some of its values.
  const int fromHead = std::max(0, std::min(start + quantity, FOrderedFrom) - start);
  if (fromHead > 0) {
    FOrderedFrom -= fromHead;
    for (int i = start; i < start + fromHead && FHeadExtremeKnown; ++i) HeadValueLeaving(FValues[static_cast<std::size_t>(i)]);
    FHeadSuffixKnown = false;
  }
  ValuesLeaving(start, quantity);
  FValues.erase_range(static_cast<std::size_t>(start), static_cast<std::size_t>(quantity));
}

void TChartValueList::TailAfterAppend(int oldCount) {
  const int n = static_cast<int>(FValues.size());
  auto fits = [&](int k) {  // value k may stand before value k + 1 of the tail
    const double v = FValues[static_cast<std::size_t>(k)];
    return !std::isnan(v) && (k + 1 == n || InOrder(v, FValues[static_cast<std::size_t>(k) + 1]));
  };
  int i = n;
  while (i > oldCount && fits(i - 1)) --i;
  // The whole new run is in order: the old tail goes on when its last value fits too.
  if (i == oldCount && FOrderedFrom < oldCount && fits(oldCount - 1)) return;
  FOrderedFrom = i;
  HeadChanged();
}

void TChartValueList::TailAfterMerge(const std::vector<std::size_t>& positions, bool inOrder) {
  if (positions.empty()) return;
  // Value k had positions[k] - k of the old values before it: fewer than the old tail's
  // start puts it in the head. Placed by the rule, the others keep the tail in order
  // (each lands before the first value beyond it); placed otherwise, the tail can only be
  // trusted after the last of them.
  const std::size_t oldTail = static_cast<std::size_t>(FOrderedFrom);
  std::size_t intoHead = 0;
  while (intoHead < positions.size() && positions[intoHead] - intoHead < oldTail) ++intoHead;
  std::size_t tail = oldTail + intoHead;
  if (!inOrder && intoHead < positions.size()) tail = positions.back() + 1;
  FOrderedFrom = static_cast<int>(tail);
  if (tail != oldTail || intoHead > 0) HeadChanged();
}

void TChartValueList::Clear() {
  Settle();
  FValues.release();
  FHeadSuffix.release();
  FOrderedFrom = 0;
  HeadChanged();
  ValuesChangedFrom(0);
}

int TChartValueList::TailAfterChange(int index, double value, bool replaces) const {
  const int tail = FOrderedFrom;
  if (index < tail) return replaces ? tail : tail + 1;
  const int n = static_cast<int>(FValues.size());
  if (std::isnan(value)) return index + 1;
  const int next = replaces ? index + 1 : index;  // the stored value that will follow
  const bool fitsBefore = index == tail || InOrder(FValues[static_cast<std::size_t>(index) - 1], value);
  const bool fitsAfter = next >= n || InOrder(value, FValues[static_cast<std::size_t>(next)]);
  if (fitsAfter) return fitsBefore ? tail : index;
  return index + 1;
}

void TChartValueList::FindOrderedTail() {
  const int n = static_cast<int>(FValues.size());
  int i = n;
  auto fits = [&](int k) {  // value k may stand before the tail that starts at k + 1
    const double v = FValues[static_cast<std::size_t>(k)];
    return !std::isnan(v) && (k + 1 == n || InOrder(v, FValues[static_cast<std::size_t>(k) + 1]));
  };
  while (i > 0 && fits(i - 1)) --i;
  FOrderedFrom = i;
  HeadChanged();
}

void TChartValueList::SetOrder(TChartListOrder v) {
  Settle();
  if (v == FOrder) return;
  FOrder = v;
  FindOrderedTail();
}

int TChartValueList::IndexOfValue(double v) const {
  Settle();
  for (int i = 0; i < Count(); ++i)
    if (FValues[static_cast<std::size_t>(i)] * FMultiplier == v) return i;
  return -1;
}

void TChartValueList::FillWithIndices() {
  Settle();
  const int n = Count();
  for (int i = 0; i < n; ++i) StoreValue(i, i);
  // One modify notice for the whole list: a linked series rebuilds from all of it, so one
  // rebuild leaves what one per value would, without a rebuild per value.
  if (FOwner && n > 0) FOwner->NotifyLinkedSeries(snModify, 0);
}

void TChartValueList::Exchange(int a, int b) {
  Settle();
  std::swap(FValues[static_cast<std::size_t>(a)], FValues[static_cast<std::size_t>(b)]);
  FOrderedFrom = std::max(FOrderedFrom, std::max(a, b) + 1);
  HeadChanged();
  ValuesChangedFrom(std::min(a, b));  // the totals are summed in point order
}

int TChartValueList::Compare(int a, int b) const {
  const double va = RawValue(a) * FMultiplier;
  const double vb = RawValue(b) * FMultiplier;
  const int r = va < vb ? -1 : (va > vb ? 1 : 0);
  return FOrder == loDescending ? -r : r;
}

void TChartValueList::SwapPoints(int a, int b) {
  if (FOwner) FOwner->SwapPoints(a, b);
  else Exchange(a, b);
}

void TChartValueList::QuickSort(int l, int r) {
  // Middle pivot, followed when it is itself swapped. Every comparison is against the
  // pivot's value, and "not less than" / "not greater than" the pivot holds for the
  // pivot itself even when it is NaN, so the scans stop inside the range. The smaller
  // part is sorted by recursion and the larger by the loop, bounding the depth by
  // log2(Count); the exchanges made are the same as sorting the left part first.
  while (l < r) {
    int i = l;
    int j = r;
    int p = l + (r - l) / 2;
    do {
      while (Compare(i, p) < 0) ++i;
      while (Compare(j, p) > 0) --j;
      if (i <= j) {
        if (i != j) SwapPoints(i, j);
        if (p == i) p = j;
        else if (p == j) p = i;
        ++i;
        --j;
      }
    } while (i <= j);
    if (j - l < r - i) {
      if (l < j) QuickSort(l, j);
      l = i;
    } else {
      if (i < r) QuickSort(i, r);
      r = j;
    }
  }
}

void TChartValueList::Sort() {
  Settle();
  if (FOrder == loNone || Count() < 2) return;
  QuickSort(0, Count() - 1);
  FindOrderedTail();
  if (FOwner) FOwner->RequestRepaint();
}

void TChartValueList::Rotate() {
  Settle();
  if (FValues.empty()) return;
  FValues.reserve_append(1);  // the only step that can fail comes first
  const double first = FValues[0];
  FValues.erase(0);
  FValues.push_back(first);
  FindOrderedTail();
  ValuesChangedFrom(0);  // same values, but the totals are summed in the new order
}

void TChartValueList::Assign(const TChartValueList& source) {
  if (&source == this) return;
  SetOrder(source.FOrder);
  FDateTime = source.FDateTime;
  FMultiplier = source.FMultiplier;
  FValueSource = source.FValueSource;
  ValuesChangedFrom(0);
}

void TChartValueList::SetDateTime(bool v) {
  if (v == FDateTime) return;
  FDateTime = v;
  if (FOwner) FOwner->RequestRepaint();
}

void TChartValueList::SetMultiplier(double v) {
  if (v == FMultiplier || (std::isnan(v) && std::isnan(FMultiplier))) return;
  FMultiplier = v;
  ValuesChangedFrom(0);
  if (FOwner) {
    FOwner->RefreshLinkedSeries();
    FOwner->RequestRepaint();
  }
}

void TChartValueList::SetValueSource(std::string v) {
  if (v == FValueSource) return;
  FValueSource = std::move(v);
  if (FOwner) FOwner->CheckDataSource();
}

}  // namespace chart

#include "chart/series/ChartValueList.h"

#include <cmath>
#include <utility>

#include "chart/core/Exceptions.h"
#include "chart/series/ChartSeries.h"

namespace chart {

TChartValueList::TChartValueList(TChartSeries* owner, std::string name)
    : FOwner(owner), FName(std::move(name)) {}

void TChartValueList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EListError(index);
}

double TChartValueList::Value(int index) const {
  CheckIndex(index);
  return FValues[static_cast<std::size_t>(index)] * FMultiplier;
}

void TChartValueList::SetValue(int index, double value) {
  CheckIndex(index);
  FValues[static_cast<std::size_t>(index)] = value;
  FDirty = true;
  if (FOwner) FOwner->NotifyLinkedSeries(snModify, index);
}

int TChartValueList::AddValue(double value) {
  // The scan starts at the end so that values arriving in order cost one comparison.
  // Raw values are compared: the multiplier only scales what readers see. A NaN never
  // compares, so a NaN value is appended and a stored NaN ends the scan.
  const int n = Count();
  int index = n;
  if (FOrder == loAscending && n > 0 && !(FValues.back() <= value)) {
    int i = n - 1;
    while (i >= 0 && FValues[static_cast<std::size_t>(i)] > value) --i;
    index = i + 1;
  } else if (FOrder == loDescending && n > 0 && !(FValues.back() >= value)) {
    int i = n - 1;
    while (i >= 0 && FValues[static_cast<std::size_t>(i)] < value) --i;
    index = i + 1;
  }
  if (index == n) FValues.push_back(value);
  else FValues.insert(FValues.begin() + index, value);
  FDirty = true;
  return index;
}

void TChartValueList::InsertValue(int index, double value) {
  if (index < 0 || index > Count()) throw EListError(index);
  if (index == Count()) FValues.push_back(value);
  else FValues.insert(FValues.begin() + index, value);
  FDirty = true;
}

void TChartValueList::Delete(int index) {
  CheckIndex(index);
  FValues.erase(FValues.begin() + index);
  FDirty = true;
}

void TChartValueList::Clear() {
  // Swapping with an empty vector releases the storage (capacity 0), which clear() keeps.
  std::vector<double>().swap(FValues);
  FDirty = true;
}

void TChartValueList::Recalculate() const {
  // NaN is no number: it would make the minimum and maximum depend on where it stands,
  // so it takes no part. Infinities do take part.
  bool any = false;
  double mn = 0, mx = 0, total = 0, totalAbs = 0;
  for (double raw : FValues) {
    const double v = raw * FMultiplier;
    if (std::isnan(v)) continue;
    if (!any) {
      mn = mx = total = v;
      totalAbs = std::fabs(v);
      any = true;
      continue;
    }
    if (v < mn) mn = v;
    else if (v > mx) mx = v;
    total += v;
    totalAbs += std::fabs(v);
  }
  FMinimum = mn;
  FMaximum = mx;
  FTotal = total;
  FTotalAbs = totalAbs;
  FDirty = false;
}

double TChartValueList::Minimum() const {
  if (FDirty) Recalculate();
  return FMinimum;
}

double TChartValueList::Maximum() const {
  if (FDirty) Recalculate();
  return FMaximum;
}

double TChartValueList::Total() const {
  if (FDirty) Recalculate();
  return FTotal;
}

double TChartValueList::TotalAbs() const {
  if (FDirty) Recalculate();
  return FTotalAbs;
}

int TChartValueList::IndexOfValue(double v) const {
  for (int i = 0; i < Count(); ++i)
    if (FValues[static_cast<std::size_t>(i)] * FMultiplier == v) return i;
  return -1;
}

void TChartValueList::FillWithIndices() {
  for (int i = 0; i < Count(); ++i) SetValue(i, i);
}

void TChartValueList::Exchange(int a, int b) {
  std::swap(FValues[static_cast<std::size_t>(a)], FValues[static_cast<std::size_t>(b)]);
  FDirty = true;  // the totals are summed in point order
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
  if (FOrder == loNone || Count() < 2) return;
  QuickSort(0, Count() - 1);
  if (FOwner) FOwner->RequestRepaint();
}

void TChartValueList::Rotate() {
  if (FValues.empty()) return;
  const double first = FValues.front();
  FValues.erase(FValues.begin());
  FValues.push_back(first);
  FDirty = true;  // same values, but the totals are summed in the new order
}

void TChartValueList::Assign(const TChartValueList& source) {
  if (&source == this) return;
  FOrder = source.FOrder;
  FDateTime = source.FDateTime;
  FMultiplier = source.FMultiplier;
  FValueSource = source.FValueSource;
  FDirty = true;
}

void TChartValueList::SetDateTime(bool v) {
  if (v == FDateTime) return;
  FDateTime = v;
  if (FOwner) FOwner->RequestRepaint();
}

void TChartValueList::SetMultiplier(double v) {
  if (v == FMultiplier || (std::isnan(v) && std::isnan(FMultiplier))) return;
  FMultiplier = v;
  FDirty = true;
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

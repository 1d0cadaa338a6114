// The values of one coordinate of a series. Values are stored raw; every read applies
// Multiplier. Minimum, maximum and totals are cached and recomputed on the first read
// after a change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "chart/series/TwoEndedArray.h"

namespace chart {

class TChartSeries;

enum TChartListOrder : std::uint8_t { loNone, loAscending, loDescending };

class TChartValueList {
 public:
  // The series (not owned) keeps the list's points in step with its other lists; a list
  // without an owner stands alone.
  TChartValueList(TChartSeries* owner, std::string name);
  virtual ~TChartValueList() = default;
  TChartValueList(const TChartValueList&) = delete;
  TChartValueList& operator=(const TChartValueList&) = delete;

  TChartSeries* Owner() const { return FOwner; }

  // Counting merges nothing: a before-add handler that only counts (to refuse points past
  // a limit) leaves the owner's waiting points waiting.
  int Count() const { return static_cast<int>(FValues.size() + (FOwnerPending ? OwnerPendingCount() : 0)); }
  // Stored value times Multiplier; EListError outside 0 .. Count-1.
  double Value(int index) const;
  // Overwrites the stored value (no reordering); tells the owner's linked series.
  void SetValue(int index, double value);
  // Inserts by the Order rule (raw stored values compared) and returns the index.
  int AddValue(double value);
  // Where AddValue would put the value (nothing changes).
  int InsertIndex(double value) const;
  // Inserts at index 0 .. Count; EListError otherwise.
  void InsertValue(int index, double value);
  void Delete(int index);
  // Removes every value and releases the storage.
  void Clear();

  // NaN values take no part in the statistics; 0 for a list without numbers.
  double Minimum() const;
  double Maximum() const;
  double Total() const;
  double TotalAbs() const;
  // The absolute total as the owner counts it, kept until the values change: a pie's
  // "Other" slice repeats values that are already counted.
  void KeepTotalAbs(double v) {
    TotalAbs();
    FTotalAbs = v;
  }
  bool StatisticsDirty() const {
    Settle();
    return FDirty;
  }

  double LastValue() const { return Value(Count() - 1); }
  // First index whose Value equals v exactly; -1 when none.
  int IndexOfValue(double v) const;
  // SetValue(i, i) for every index, with one modify notice for the whole list.
  void FillWithIndices();
  // Reorders the owner's points (or this list alone) by this list's Order.
  void Sort();
  // The first value moves to the end, the others down by one.
  void Rotate();
  // Copies Order, DateTime, Multiplier and ValueSource (not the values, not Name).
  void Assign(const TChartValueList& source);

  // --- properties ----------------------------------------------------------------------
  bool DateTime() const { return FDateTime; }
  void SetDateTime(bool v);
  const std::string& Name() const { return FName; }
  void SetName(std::string v) { FName = std::move(v); }
  double Multiplier() const { return FMultiplier; }
  void SetMultiplier(double v);
  TChartListOrder Order() const { return FOrder; }
  void SetOrder(TChartListOrder v);
  const std::string& ValueSource() const { return FValueSource; }
  void SetValueSource(std::string v);
  // The value the next add through the owning series places in this list.
  double PendingValue() const { return FPendingValue; }
  void SetPendingValue(double v) { FPendingValue = v; }

  // --- storage, for the owning series and for measurements -----------------------------
  // Raw stored value without a range check.
  double RawValue(int index) const {
    Settle();
    return FValues[static_cast<std::size_t>(index)];
  }
  const double* Data() const {
    Settle();
    return FValues.data();
  }
  std::size_t Capacity() const {
    Settle();
    return FValues.capacity();
  }
  // Room for `extra` appended values.
  void ReserveAppend(std::size_t extra) {
    Settle();
    FValues.reserve_append(extra);
  }
  // Room for one value inserted at index, so that InsertValue(index, ...) cannot fail.
  void ReserveInsert(int index) {
    Settle();
    FValues.reserve_insert(static_cast<std::size_t>(index));
  }
  // Exchanges two stored values (indices already checked).
  void Exchange(int a, int b);

 private:
  friend class TChartSeries;

  // The owner may hold points not yet merged into its lists: every read merges them first.
  void Settle() const {
    if (FOwnerPending) SettleOwner();
  }
  void SettleOwner() const;
  std::size_t OwnerPendingCount() const;
  // SetValue without its notice (index checked, waiting points merged).
  void StoreValue(int index, double value);
  // Where value goes by the Order rule, without merging waiting points first.
  int PlaceOf(double value) const;
  // Of the values before the ordered tail, the one that lies beyond the least (a NaN if
  // there is one), kept until they change; and the rule that picks it from two.
  double HeadExtreme() const;
  double Extreme(double a, double b) const;
  // Keep the head's extreme while values of the head go or change (it is found afresh
  // when one of them was the extreme).
  void HeadValueLeaving(double old);
  void HeadValueReplaced(double old, double value);
  // The head's values changed in some other way.
  void HeadChanged() {
    FHeadExtremeKnown = false;
    FHeadSuffixKnown = false;
  }
  // For the walk through the head: FHeadSuffix[i] is the least key of head values i on.
  double SuffixKey(double value) const;
  void FindHeadSuffix() const;
  void HeadValueInserted(int index, double value);
  void CheckIndex(int index) const;
  // a then b follows Order (ascending for loNone); false when either is NaN.
  bool InOrder(double a, double b) const { return FOrder == loDescending ? a >= b : a <= b; }
  // The longest tail in order, found afresh.
  void FindOrderedTail();
  // The first index of the tail after value is placed at index, or replaces the value
  // there (`replaces`), given that the tail was in order before.
  int TailAfterChange(int index, double value, bool replaces) const;
  // Deletes values start .. start + quantity - 1 (checked by the caller).
  void DeleteRange(int start, int quantity);
  void UpdateExtremes() const;
  void UpdateTotals() const;
  // The values from index on changed, moved or went: cached statistics that cover them
  // start again from the first value.
  void ValuesChangedFrom(int index) {
    FDirty = true;
    if (index < FExtremesOf) FExtremesOf = 0;
    if (index < FTotalsOf) FTotalsOf = 0;
  }
  // Values start .. start + quantity - 1 are about to go.
  void ValuesLeaving(int start, int quantity);
  // Appends `count` values, value(k) for k = 0 .. count - 1, after room was reserved.
  template <class Make>
  void AppendReserved(int count, Make value);
  // The ordered tail after values were appended to a list that held oldCount.
  void TailAfterAppend(int oldCount);
  // The ordered tail after the owner merged values in at `positions` (ascending, in the
  // merged list); `inOrder`: they went where the Order rule puts them.
  void TailAfterMerge(const std::vector<std::size_t>& positions, bool inOrder);
  void QuickSort(int l, int r);
  int Compare(int a, int b) const;
  void SwapPoints(int a, int b);

  TChartSeries* FOwner;
  TTwoEndedArray<double> FValues;
  // FValues[FOrderedFrom .. Count-1] holds no NaN and is in Order: within it the insertion
  // place is found by bisection. Possibly later than the true start, never earlier.
  int FOrderedFrom = 0;
  std::string FName;
  std::string FValueSource;
  double FMultiplier = 1.0;
  double FPendingValue = 0;
  TChartListOrder FOrder = loNone;
  bool FDateTime = false;
  bool FOwnerPending = false;
  mutable bool FHeadExtremeKnown = false;
  mutable double FHeadExtreme = 0;
  mutable bool FHeadSuffixKnown = false;
  mutable TTwoEndedArray<double> FHeadSuffix;
  mutable bool FDirty = true;
  // The cached minimum and maximum are those of the first FExtremesOf values, the totals
  // those of the first FTotalsOf: values appended later are added in on the next read
  // (in point order, so the totals come out as a full pass gives them).
  mutable int FExtremesOf = 0;
  mutable int FTotalsOf = 0;
  mutable bool FAnyExtreme = false;
  mutable bool FAnyTotal = false;
  mutable double FMinimum = 0;
  mutable double FMaximum = 0;
  mutable double FTotal = 0;
  mutable double FTotalAbs = 0;
};

template <class Make>
void TChartValueList::AppendReserved(int count, Make value) {
  const int oldCount = static_cast<int>(FValues.size());
  FValues.resize(FValues.size() + static_cast<std::size_t>(count));
  double* out = FValues.data() + oldCount;
  for (int k = 0; k < count; ++k) out[k] = value(k);
  TailAfterAppend(oldCount);
  FDirty = true;
}

// Every value list of a series: X first, then Y, then those a series type adds.
using TChartValueLists = std::vector<std::unique_ptr<TChartValueList>>;

}  // namespace chart

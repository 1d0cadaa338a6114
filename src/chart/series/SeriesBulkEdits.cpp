// Many points at once: appending a block of values, and deleting a range of points, in
// time proportional to the points that come or go. The results and the notices are
// those of the single-point operations repeated.
#include <algorithm>
#include <limits>

#include "chart/core/Exceptions.h"
#include "chart/series/ChartSeries.h"

namespace chart {

template <class X, class Y>
int TChartSeries::AppendInOnePass(int count, X x, Y y) {
  if (count <= 0 || ListensToSinglePoints()) return 0;
  Settle();
  // Each X goes in at the end while none lies beyond the one before it (NaN never does):
  // the order rule would append it there too.
  const TChartValueList& xs = XValues();
  int taken = 0;
  if (xs.Order() == loNone) {
    taken = count;
  } else {
    const bool descending = xs.Order() == loDescending;
    double before = xs.FValues.empty() ? std::numeric_limits<double>::quiet_NaN() : xs.FValues.back();
    for (; taken < count; ++taken) {
      const double next = x(taken);
      if (descending ? before < next : before > next) break;
      before = next;
    }
  }
  if (taken == 0) return 0;
  const int n = Count();
  ReserveForInsert(static_cast<std::size_t>(taken));  // the only step that may fail
  XValues().AppendReserved(taken, x);
  YValues().AppendReserved(taken, y);
  for (std::size_t l = 2; l < FValueLists.size(); ++l) {
    TChartValueList& list = *FValueLists[l];
    list.AppendReserved(taken, [v = list.PendingValue()](int) { return v; });
  }
  // The points have no colour or label of their own: the sequences grow only in length.
  FColorCount = std::max(FColorCount, n) + taken;
  FLabelCount = std::max(FLabelCount, n) + taken;
  if (FActive) RequestRepaint();
  return taken;
}

int TChartSeries::AppendValues(const double* values, int lastIndex) {
  if (values && lastIndex >= 0) {
    const int count = lastIndex + 1;
    int done = 0;
    if (AppendsInOnePass()) {
      const double n = Count();
      auto index = [n](int k) { return n + k; };
      auto value = [values](int k) { return values[k]; };
      done = YMandatory() ? AppendInOnePass(count, index, value) : AppendInOnePass(count, value, index);
    }
    if (done < count) ReserveForInsert(static_cast<std::size_t>(count - done));
    for (int i = done; i < count; ++i) Add(values[i]);
  }
  RefreshLinkedSeries();
  return values && lastIndex >= 0 ? lastIndex + 1 : 0;
}

int TChartSeries::AppendValues(std::span<const double> values) {
  if (values.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
    throw EListError(static_cast<long long>(values.size()) - 1);
  return AppendValues(values.data(), static_cast<int>(values.size()) - 1);
}

int TChartSeries::AppendPoints(std::span<const double> xs, std::span<const double> ys) {
  if (xs.size() != ys.size()) throw EListError(static_cast<long long>(std::min(xs.size(), ys.size())));
  if (xs.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
    throw EListError(static_cast<long long>(xs.size()) - 1);
  const int count = static_cast<int>(xs.size());
  const int done = AppendInOnePass(count, [&](int k) { return xs[static_cast<std::size_t>(k)]; },
                                   [&](int k) { return ys[static_cast<std::size_t>(k)]; });
  if (done < count) ReserveForInsert(static_cast<std::size_t>(count - done));
  for (int k = done; k < count; ++k) AddPoint(xs[static_cast<std::size_t>(k)], ys[static_cast<std::size_t>(k)]);
  return count;
}

void TChartSeries::RemovePoints(int start, int quantity) {
  for (auto& list : FValueLists) list->DeleteRange(start, quantity);
  const int colors = std::clamp(StoredColorCount() - start, 0, quantity);
  for (int i = start; i < start + colors; ++i) FOwnColors -= FColors[static_cast<std::size_t>(i)] != clDefault;
  FColors.erase_range(static_cast<std::size_t>(start), static_cast<std::size_t>(colors));
  FLabels.Delete(start, std::clamp(FLabels.Count() - start, 0, quantity));
  FColorCount -= std::clamp(FColorCount - start, 0, quantity);
  FLabelCount -= std::clamp(FLabelCount - start, 0, quantity);
  MarksDeleted(start, quantity);
}

void TChartSeries::DeleteRange(int start, int quantity) {
  if (quantity == 0) return;
  const long long end = static_cast<long long>(start) + quantity;  // one past the last
  if (start < 0 || start >= Count()) throw EListError(start);
  if (quantity < 0 || end > Count()) throw EListError(quantity < 0 ? start + quantity : end - 1);
  // A list changed on its own may be shorter than X; refuse before anything changes.
  for (const auto& list : FValueLists)
    if (end > list->Count()) throw EListError(list->Count());
  RemovePoints(start, quantity);
  // Linked series hear of each point, as they would of single deletes.
  if (!FLinkedSeries.empty())
    for (int k = 0; k < quantity; ++k) NotifyLinkedSeries(snDelete, start);
  if (FActive) RequestRepaint();
}

}  // namespace chart

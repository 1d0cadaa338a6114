// Points that arrived out of X order, kept aside until something reads the series.
//
// Inserting into the middle of long lists moves half of every list per point, so points
// in random X order would cost O(n) each. Instead a run of them waits here in key order
// (an order-statistics tree gives each one's rank at once, so the index a caller gets
// back is exact) and the whole run is merged into the lists in one pass on the first
// read: O(log n) per point plus one linear merge.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <ext/pb_ds/assoc_container.hpp>
#include <ext/pb_ds/tree_policy.hpp>

#include "chart/core/Color.h"
#include "chart/series/ChartValueList.h"
#include "chart/series/PointLabels.h"

namespace chart {

class TPendingPoints {
 public:
  bool Empty() const { return FColors.empty(); }
  std::size_t Count() const { return FColors.size(); }

  // Room for one more point of `lists` values, so that Add after it only fails in the
  // tree's own allocation, before anything is stored.
  void ReserveOne(std::size_t lists);
  // Keeps the point (key: X, negated for a descending list; ties keep arrival order)
  // and returns how many waiting points come before it.
  // The point's values are the pending values of `lists`.
  std::size_t Add(double key, const TChartValueLists& lists, TColor color, TPointLabels::Slot label);

  // The waiting points in key order, for the merge: `sorted` ids, then each one's data.
  const std::vector<std::size_t>& SortedIds();
  double Key(std::size_t id) const { return FKeys[id]; }
  double Value(std::size_t id, std::size_t list) const { return FValues[id * FLists + list]; }
  TColor Color(std::size_t id) const { return FColors[id]; }
  std::string_view Label(std::size_t id) const { return FLabels[id] ? std::string_view(*FLabels[id]) : std::string_view(); }
  TPointLabels::Slot TakeLabel(std::size_t id) { return std::move(FLabels[id]); }
  // Scratch space for the merge positions, reserved with the points.
  std::vector<std::size_t>& Positions() { return FPositions; }

  // Forgets every point (after a merge, or when the series is cleared).
  void Clear();

 private:
  using TKey = std::pair<double, std::size_t>;
  using TTree = __gnu_pbds::tree<TKey, __gnu_pbds::null_type, std::less<TKey>, __gnu_pbds::rb_tree_tag,
                                 __gnu_pbds::tree_order_statistics_node_update>;

  TTree FTree;
  std::size_t FLists = 0;
  std::vector<double> FKeys;
  std::vector<double> FValues;  // FLists values per point
  std::vector<TColor> FColors;
  std::vector<TPointLabels::Slot> FLabels;
  std::vector<std::size_t> FSorted;
  std::vector<std::size_t> FPositions;
};

}  // namespace chart

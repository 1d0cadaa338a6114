#include "chart/series/PendingPoints.h"

#include <algorithm>

namespace chart {

void TPendingPoints::ReserveOne(std::size_t lists) {
  const std::size_t n = Count() + 1;
  // Growth doubles, as a vector's push_back would.
  auto room = [n](auto& v, std::size_t per) {
    if (v.capacity() < n * per) v.reserve(std::max(n * per, 2 * v.capacity()));
  };
  room(FKeys, 1);
  room(FValues, lists);
  room(FColors, 1);
  room(FLabels, 1);
  room(FSorted, 1);
  room(FPositions, 1);
}

std::size_t TPendingPoints::Add(double key, const TChartValueLists& lists, TColor color,
                                TPointLabels::Slot label) {
  if (Empty()) FLists = lists.size();
  const std::size_t id = Count();
  FTree.insert({key, id});  // the one step that may fail; nothing is stored before it
  FKeys.push_back(key);
  for (const auto& list : lists) FValues.push_back(list->PendingValue());
  FColors.push_back(color);
  FLabels.push_back(std::move(label));
  return FTree.order_of_key({key, id});
}

const std::vector<std::size_t>& TPendingPoints::SortedIds() {
  FSorted.clear();
  for (const TKey& k : FTree) FSorted.push_back(k.second);
  return FSorted;
}

void TPendingPoints::Clear() {
  FTree.clear();
  FKeys.clear();
  FValues.clear();
  FColors.clear();
  FLabels.clear();
  FSorted.clear();
  FPositions.clear();
}

}  // namespace chart

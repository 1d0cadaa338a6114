// A chart's series in attachment order, which is also their drawing order. The list only
// refers to the series; it does not own them.
#pragma once

#include <vector>

namespace chart {

class TChartSeries;

class TChartSeriesList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  // EListError outside 0 .. Count-1.
  TChartSeries* Items(int index) const;
  TChartSeries* operator[](int index) const { return Items(index); }
  int IndexOf(const TChartSeries* series) const;
  bool Contains(const TChartSeries* series) const { return IndexOf(series) >= 0; }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 private:
  friend class TCustomAxisPanel;
  void Reserve(std::size_t n) { FItems.reserve(n); }
  void Append(TChartSeries* series) { FItems.push_back(series); }
  void Remove(const TChartSeries* series);
  void ClearItems() { FItems.clear(); }

  std::vector<TChartSeries*> FItems;
};

}  // namespace chart

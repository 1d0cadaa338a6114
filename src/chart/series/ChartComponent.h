// The common base of the chart's named objects (charts, series): a component name that
// error messages and the legend show. Polymorphic so that a data source given as a plain
// component can be tested for being a series.
#pragma once

#include <string>
#include <utility>

namespace chart {

class TChartComponent {
 public:
  TChartComponent() = default;
  virtual ~TChartComponent() = default;
  TChartComponent(const TChartComponent&) = delete;
  TChartComponent& operator=(const TChartComponent&) = delete;

  const std::string& Name() const { return FName; }
  void SetName(std::string name) { FName = std::move(name); }

 private:
  std::string FName;
};

}  // namespace chart

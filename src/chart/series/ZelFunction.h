// A calculation that derives a series' points from its data sources. The series owns its
// function; the seven standard functions and their period grouping derive from this.
#pragma once

namespace chart {

class TChartSeries;

class TZelFunction {
 public:
  TZelFunction() = default;
  virtual ~TZelFunction() = default;
  TZelFunction(const TZelFunction&) = delete;
  TZelFunction& operator=(const TZelFunction&) = delete;

  TChartSeries* ParentSeries() const { return FParentSeries; }

  // Adds the owning series' points computed from source (the series has been cleared).
  virtual void AddPoints(TChartSeries& source) = 0;

 private:
  friend class TChartSeries;
  TChartSeries* FParentSeries = nullptr;
};

}  // namespace chart

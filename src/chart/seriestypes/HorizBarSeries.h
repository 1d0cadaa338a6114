// Horizontal bars: the bar length is the X value, and the bars lie along the Y positions,
// in the order the points were added.
#pragma once

#include "chart/seriestypes/BarSeries.h"

namespace chart {

class THorizBarSeries : public TCustomBarSeries {
 public:
  THorizBarSeries();
  int CustomBarHeight() const { return CustomBarSize(); }
  void SetCustomBarHeight(int v) { SetCustomBarSize(v); }
  using TChartSeries::MandatoryValueList;
  TChartValueList& MandatoryValueList() override { return XValues(); }
  double MinX() const override { return BarsMinimum(); }
  double MaxX() const override { return BarsMaximum(); }

 protected:
  bool IsOfMyClass(const TChartSeries& other) const override {
    return dynamic_cast<const THorizBarSeries*>(&other) != nullptr;
  }
};

}  // namespace chart

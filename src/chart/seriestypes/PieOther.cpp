// Before each paint a pie puts its points in order, numbers them afresh and gathers the
// slices below the OtherSlice limit into one "Other" slice, which the next paint removes
// again before gathering anew. One pass over the points each (the sort aside).
#include "chart/panel/CustomAxisPanel.h"
#include "chart/seriestypes/PieSeries.h"

namespace chart {

namespace {
// The paint already draws what the gathering changes: it asks for no further paint.
class TQuietChanges {
 public:
  explicit TQuietChanges(TCustomAxisPanel* chart) : FChart(chart) {
    if (FChart) FChart->BeginQuietChanges();
  }
  ~TQuietChanges() {
    if (FChart) FChart->EndQuietChanges();
  }
  TQuietChanges(const TQuietChanges&) = delete;
  TQuietChanges& operator=(const TQuietChanges&) = delete;

 private:
  TCustomAxisPanel* FChart;
};
}  // namespace

void TPieSeries::DoBeforeDrawChart() {
  TQuietChanges quiet(ParentChart());
  TChartValueList& pie = PieValues();
  TChartValueList& x = XValues();
  if (pie.Order() != loNone) pie.Sort();
  const int n = Count();
  for (int i = 0; i < n; ++i) {
    if (x.RawValue(i) == OtherSliceX) {
      Delete(i);
      break;
    }
  }
  x.FillWithIndices();
  const double total = AbsTotal();
  if (FOtherSlice.Style() != poNone && total != 0) {
    const bool percent = FOtherSlice.Style() == poBelowPercent;
    const double limit = FOtherSlice.Value();
    double sum = 0;
    for (int i = 0; i < Count(); ++i) {
      const double value = pie.Value(i);
      const double v = percent ? value * 100 / total : value;
      if (v < limit) {
        x.SetValue(i, GatheredX);
        sum += value;
      }
    }
    if (sum != 0) {
      AddPoint(OtherSliceX, sum, FOtherSlice.Text(), clDefault);
      // The gathered points are counted already: the "Other" slice must not count twice.
      pie.KeepTotalAbs(total);
    }
  }
  IndexLegendItems();
}

}  // namespace chart

// Construction, settings, the exploded percents, copying and the legend of a pie.
#include "chart/seriestypes/PieSeries.h"

#include <algorithm>
#include <utility>

#include "chart/core/Store.h"

namespace chart {

void TPieOtherSlice::SetStyle(TPieOtherStyle v) {
  if (Store(FStyle, v) && FOnChange) FOnChange();
}
void TPieOtherSlice::SetText(const std::string& v) {
  if (Store(FText, v) && FOnChange) FOnChange();
}
void TPieOtherSlice::SetValue(double v) {
  if (Store(FValue, v) && FOnChange) FOnChange();
}
void TPieOtherSlice::Assign(const TPieOtherSlice& source) {
  FStyle = source.FStyle;
  FText = source.FText;
  FValue = source.FValue;
  if (FOnChange) FOnChange();
}

TPieSeries::TPieSeries()
    : FPiePen([this] { RequestRepaint(); }), FOtherSlice([this] { RequestRepaint(); }) {
  // The X values only number the slices.
  XValues().SetName("");
  YValues().SetName("Pie");
  SetColorEachPoint(true);
  Marks().SetVisible(true);
  Marks().SetArrowLength(8);
}

TPieSeries::~TPieSeries() = default;

void TPieSeries::SetDark3D(bool v) { if (Store(FDark3D, v)) RequestRepaint(); }
void TPieSeries::SetExplodeBiggest(int v) { if (Store(FExplodeBiggest, v)) RequestRepaint(); }
void TPieSeries::SetUsePatterns(bool v) { if (Store(FUsePatterns, v)) RequestRepaint(); }

int TPieSeries::ExplodedSlice(int index) const {
  return index >= 0 && index < ExplodedCount() ? FExploded[static_cast<std::size_t>(index)] : 0;
}

void TPieSeries::SetExplodedSlice(int index, int percent) {
  if (index < 0) return;
  if (index >= ExplodedCount()) {
    // Missing entries are 0 already: only a real change grows the list.
    if (percent == 0) return;
    FExploded.resize(static_cast<std::size_t>(index) + 1, 0);
  }
  if (Store(FExploded[static_cast<std::size_t>(index)], percent)) RequestRepaint();
}

void TPieSeries::SwapPoints(int a, int b) {
  TCircledSeries::SwapPoints(a, b);
  // The exploded percents go with their points.
  const int pa = ExplodedSlice(a), pb = ExplodedSlice(b);
  if (pa == pb) return;
  const int high = std::max(a, b);
  if (high >= ExplodedCount()) FExploded.resize(static_cast<std::size_t>(high) + 1, 0);
  FExploded[static_cast<std::size_t>(a)] = pb;
  FExploded[static_cast<std::size_t>(b)] = pa;
}

void TPieSeries::Assign(const TChartSeries& source) {
  if (&source == this) return;
  TCircledSeries::Assign(source);
  const auto* o = dynamic_cast<const TPieSeries*>(&source);
  if (!o) return;
  FPiePen.Assign(o->FPiePen);
  FOtherSlice.Assign(o->FOtherSlice);
  FExplodeBiggest = o->FExplodeBiggest;
  FDark3D = o->FDark3D;
  FUsePatterns = o->FUsePatterns;
  RequestRepaint();
}

void TPieSeries::IndexLegendItems() const {
  FLegendItems.clear();
  const int n = Count();
  const double* x = XValues().Data();
  for (int i = 0; i < n; ++i)
    if (x[i] != GatheredX) FLegendItems.push_back(i);
  FLegendItemsFor = n;
}

int TPieSeries::LegendItemCount() const {
  if (FLegendItemsFor != Count()) IndexLegendItems();
  return static_cast<int>(FLegendItems.size());
}

int TPieSeries::LegendToValueIndex(int item) const {
  if (FLegendItemsFor != Count()) IndexLegendItems();
  return item >= 0 && item < static_cast<int>(FLegendItems.size()) ? FLegendItems[static_cast<std::size_t>(item)] : item;
}

}  // namespace chart

// Construction, settings and stacking of area series. MultiArea belongs to all the area
// series of a chart: a change on one reaches them all.
#include "chart/seriestypes/AreaSeries.h"

#include <algorithm>

#include "chart/axis/CustomChartAxis.h"
#include "chart/panel/CustomAxisPanel.h"

namespace chart {

namespace {
bool IsArea(const TChartSeries& s) { return dynamic_cast<const TAreaSeries*>(&s) != nullptr; }
// Only values above zero stack: a negative area hangs from the stack without lowering it.
double PositivePart(double v) { return v > 0 ? v : 0; }
}  // namespace

TAreaSeries::TAreaSeries() {
  SetDrawArea(true);
  Pointer().SetVisible(false);
}

void TAreaSeries::SetMultiArea(TMultiArea v) {
  if (v == FMultiArea) return;
  FMultiArea = v;
  if (ParentChart())
    for (TChartSeries* s : ParentChart()->SeriesList())
      if (auto* a = dynamic_cast<TAreaSeries*>(s)) a->FMultiArea = v;
  RequestRepaint();
}

void TAreaSeries::Assign(const TChartSeries& source) {
  if (&source == this) return;
  TCustomSeries::Assign(source);
  SetDrawArea(true);
  SetDrawLine(true);
  if (const auto* a = dynamic_cast<const TAreaSeries*>(&source)) FMultiArea = a->FMultiArea;
  else Pointer().SetVisible(false);
}

void TAreaSeries::CollectStack() const {
  FStackBelow.clear();
  FStackAbove.clear();
  auto layer = [](const TChartSeries& s) {
    const TChartValueList& list = s.MandatoryValueList();
    return TStackLayer{list.Data(), std::min(s.Count(), list.Count()), list.Multiplier()};
  };
  if (!ParentChart()) {
    FStackAbove.push_back(layer(*this));
    return;
  }
  bool below = true;
  for (const TChartSeries* s : ParentChart()->SeriesList()) {
    if (s == this) below = false;
    else if (!s->Active() || !IsArea(*s)) continue;
    (below ? FStackBelow : FStackAbove).push_back(layer(*s));
  }
}

double TAreaSeries::OriginOf(int index) const {
  double sum = 0;
  for (const TStackLayer& l : FStackBelow)
    if (index < l.Count) sum += PositivePart(l.Values[index] * l.Multiplier);
  return sum;
}

double TAreaSeries::TotalOf(int index, double origin) const {
  for (const TStackLayer& l : FStackAbove)
    if (index < l.Count) origin += PositivePart(l.Values[index] * l.Multiplier);
  return origin;
}

double TAreaSeries::StackOrigin(int index) const {
  EnsureStack();
  return OriginOf(index);
}

double TAreaSeries::StackTotal(int index) const {
  EnsureStack();
  return TotalOf(index, OriginOf(index));
}

int TAreaSeries::StackedPixel(int index, double value) const {
  EnsureStack();
  const TCustomChartAxis& axis = *GetVertAxis();
  const double origin = OriginOf(index);
  if (FMultiArea == maStacked) return std::min(axis.ValueToYPixel(value + origin), axis.PixelEnd());
  const double total = TotalOf(index, origin);
  return axis.ValueToYPixel(total == 0 ? 0 : (value + origin) * 100 / total);
}

int TAreaSeries::YPixel(int index) const {
  return Stacked() ? StackedPixel(index, YValue(index)) : TCustomSeries::YPixel(index);
}

int TAreaSeries::OriginPixel(int index) const {
  return Stacked() ? StackedPixel(index, 0) : TCustomSeries::OriginPixel(index);
}

double TAreaSeries::MinY() const {
  return FMultiArea == maStacked100 ? 0 : TCustomSeries::MinY();
}

double TAreaSeries::MaxY() const {
  if (FMultiArea == maStacked100) return 100;
  double top = TCustomSeries::MaxY();
  if (FMultiArea != maStacked) return top;
  EnsureStack();
  const TChartValueList& list = YValues();
  const int n = std::min(Count(), list.Count());
  for (int i = 0; i < n; ++i) top = std::max(top, list.Value(i) + OriginOf(i));
  return top;
}

void TAreaSeries::DrawVisiblePoints() {
  if (Stacked()) CollectStack();
  FStackHeld = Stacked();
  TCustomSeries::DrawVisiblePoints();
  FStackHeld = false;
}

}  // namespace chart

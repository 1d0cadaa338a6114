// Construction, settings and stacking of area series. MultiArea belongs to all the area
// series of a chart: a change on one reaches them all.
#include "chart/seriestypes/AreaSeries.h"

#include <algorithm>

#include "chart/axis/CustomChartAxis.h"
#include "chart/axis/PointPixelMapper.h"
#include "chart/panel/CustomAxisPanel.h"

namespace chart {

namespace {
bool IsArea(const TChartSeries& s) { return dynamic_cast<const TAreaSeries*>(&s) != nullptr; }
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
  FStack.Collect(*this, [](const TChartSeries& s) { return IsArea(s); });
}

double TAreaSeries::StackOrigin(int index) const {
  EnsureStack();
  return FStack.OriginOf(index);
}

double TAreaSeries::StackTotal(int index) const {
  EnsureStack();
  return FStack.TotalOf(index, FStack.OriginOf(index));
}

int TAreaSeries::StackedPixel(int index, double value) const {
  EnsureStack();
  const TCustomChartAxis& axis = *GetVertAxis();
  const double origin = FStack.OriginOf(index);
  if (FMultiArea == maStacked) return std::min(axis.ValueToYPixel(value + origin), axis.PixelEnd());
  const double total = FStack.TotalOf(index, origin);
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
  const double* ys = list.Data();
  const double my = list.Multiplier();
  constexpr int Block = 256;
  double origins[Block];
  for (int from = 0; from < n; from += Block) {
    const int m = std::min(Block, n - from);
    std::fill(origins, origins + m, 0.0);
    TSeriesStack::AddLayers(FStack.Below(), from, m, origins);
    for (int k = 0; k < m; ++k) top = std::max(top, ys[from + k] * my + origins[k]);
  }
  return top;
}

// The stacked values a block at a time, layer by layer, summed in the order OriginOf and
// TotalOf sum them, and mapped as StackedPixel maps them one by one.
bool TAreaSeries::AreaPixels(const TPointPixelMapper& map, int first, int n, TPoint* tops, int* bases, int reach) {
  if (!Stacked()) return TCustomSeries::AreaPixels(map, first, n, tops, bases, reach);
  EnsureStack();
  constexpr int Block = 256;
  double origins[Block], totals[Block], topValues[Block], baseValues[Block];
  TPoint basePoints[Block];
  const double* ys = YValues().Data();
  const double my = YValues().Multiplier();
  const double mx = XValues().Multiplier();
  const int end = GetVertAxis()->PixelEnd();
  bool drawable = true;
  for (int done = 0; done < n; done += Block) {
    const int m = std::min(Block, n - done), from = first + done;
    std::fill(origins, origins + m, 0.0);
    TSeriesStack::AddLayers(FStack.Below(), from, m, origins);
    if (FMultiArea == maStacked) {
      for (int k = 0; k < m; ++k) {
        topValues[k] = ys[from + k] * my + origins[k];
        baseValues[k] = origins[k];
      }
    } else {
      std::copy(origins, origins + m, totals);
      TSeriesStack::AddLayers(FStack.Above(), from, m, totals);
      for (int k = 0; k < m; ++k) {
        const double total = totals[k], origin = origins[k];
        topValues[k] = total == 0 ? 0 : (ys[from + k] * my + origin) * 100 / total;
        baseValues[k] = total == 0 ? 0 : (0 + origin) * 100 / total;
      }
    }
    const double* xs = XValues().Data() + from;
    drawable = map.MapPoints(xs, mx, topValues, 1.0, m, tops + done, reach) && drawable;
    map.MapPoints(xs, mx, baseValues, 1.0, m, basePoints, reach);
    for (int k = 0; k < m; ++k) bases[done + k] = basePoints[k].Y;
    if (FMultiArea == maStacked) {
      for (int k = 0; k < m; ++k) {
        tops[done + k].Y = std::min(tops[done + k].Y, end);
        bases[done + k] = std::min(bases[done + k], end);
      }
    }
  }
  return drawable;
}

int TAreaSeries::TakeDepthOrder(int next, int largest) const {
  (void)largest;
  if (!Stacked() || !ParentChart()) return next;
  for (const TChartSeries* s : ParentChart()->SeriesList()) {
    if (s == this) break;
    const auto* area = dynamic_cast<const TAreaSeries*>(s);
    if (s->Active() && area && area->Stacked()) return s->DepthOrder();
  }
  return next;
}

void TAreaSeries::DrawVisiblePoints() {
  if (Stacked()) CollectStack();
  FStackHeld = Stacked();
  TCustomSeries::DrawVisiblePoints();
  FStackHeld = false;
}

void TAreaSeries::DrawLegendSymbol(TCanvas3D& c, const TRect& rect, TColor color) {
  PrepareAreaCanvas(c, color);
  c.DrawRectangleOf(rect);
  if (Pointer().Visible()) TCustomSeries::DrawLegendSymbol(c, rect, color);
}

}  // namespace chart

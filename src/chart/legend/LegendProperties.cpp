// The legend's properties: each setter stores a changed value and repaints the chart; the
// percentages and the first entry are checked before anything is stored.
#include "chart/core/Exceptions.h"
#include "chart/legend/ChartLegend.h"
#include "chart/panel/CustomChart.h"

namespace chart {

TCustomChartLegend::TCustomChartLegend(TCustomChart& chart)
    : TChartFontObject([&chart] { chart.InvalidateChart(); }),
      FChart(chart),
      FBrush([&chart] { chart.InvalidateChart(); }),
      FFrame([&chart] { chart.InvalidateChart(); }),
      FDividingLines([&chart] { chart.InvalidateChart(); }) {}

namespace {

template <class T>
void Store(T& field, T v, const TCustomChartLegend& legend) {
  if (v == field) return;
  field = v;
  legend.Repaint();
}

}  // namespace

void TCustomChartLegend::SetVisible(bool v) { Store(FVisible, v, *this); }
void TCustomChartLegend::SetAlignment(TLegendAlignment v) { Store(FAlignment, v, *this); }
void TCustomChartLegend::SetLegendStyle(TLegendStyle v) { Store(FLegendStyle, v, *this); }
void TCustomChartLegend::SetTextStyle(TLegendTextStyle v) { Store(FTextStyle, v, *this); }
void TCustomChartLegend::SetColor(TColor v) { Store(FColor, v, *this); }
void TCustomChartLegend::SetInverted(bool v) { Store(FInverted, v, *this); }
void TCustomChartLegend::SetMaxNumRows(int v) { Store(FMaxNumRows, v, *this); }
void TCustomChartLegend::SetHorizMargin(int v) { Store(FHorizMargin, v, *this); }
void TCustomChartLegend::SetVertMargin(int v) { Store(FVertMargin, v, *this); }
void TCustomChartLegend::SetResizeChart(bool v) { Store(FResizeChart, v, *this); }
void TCustomChartLegend::SetShadowColor(TColor v) { Store(FShadowColor, v, *this); }
void TCustomChartLegend::SetShadowSize(int v) { Store(FShadowSize, v, *this); }

void TCustomChartLegend::SetColorWidth(int v) {
  if (v < 0 || v > 100) throw LegendException("Legend Color Width must be between 0 and 100 %");
  Store(FColorWidth, v, *this);
}

void TCustomChartLegend::SetFirstValue(int v) {
  if (v < 0) throw LegendException("First Legend Value must be > 0");
  Store(FFirstValue, v, *this);
}

void TCustomChartLegend::SetTopPos(int v) {
  if (v < 0 || v > 100) throw LegendException("Top Legend Position must be between 0 and 100 %");
  Store(FTopPos, v, *this);
}

}  // namespace chart

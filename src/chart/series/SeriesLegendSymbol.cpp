// The colour box a series without a symbol of its own shows in the legend.
#include "chart/canvas/Canvas3D.h"
#include "chart/series/ChartSeries.h"

namespace chart {

void TChartSeries::DrawLegendSymbol(TCanvas3D& canvas, const TRect& rect, TColor color) {
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(color);
  canvas.DrawRectangleOf(rect);
}

}  // namespace chart

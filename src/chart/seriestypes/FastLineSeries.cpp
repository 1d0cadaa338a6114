// Construction, properties, pixels, marks, legend symbol and hit test of the fast line.
// Its drawing is in FastLineSeriesDraw.cpp.
#include "chart/seriestypes/FastLineSeries.h"

#include <algorithm>
#include <cstdint>

#include "chart/axis/CustomChartAxis.h"
#include "chart/canvas/HitTest.h"
#include "chart/core/Store.h"
#include "chart/panel/CustomAxisPanel.h"

namespace chart {

TFastLineSeries::TFastLineSeries() : FLinePen([this] { LinePenChanged(); }) { SetDrawBetweenPoints(true); }

void TFastLineSeries::SetAutoRepaint(bool v) { if (Store(FAutoRepaint, v)) RequestRepaint(); }

void TFastLineSeries::SetSeriesColor(TColor v) {
  TChartSeries::SetSeriesColor(v);
  FLinePen.SetColor(v);
}

// Whatever changed the pen's colour (an assigned pen, or its own setter), the series'
// colour follows, so the legend and the line never disagree.
void TFastLineSeries::LinePenChanged() {
  if (FLinePen.Color() != SeriesColor()) TChartSeries::SetSeriesColor(FLinePen.Color());
  else RequestRepaint();
}

void TFastLineSeries::Assign(const TChartSeries& source) {
  if (&source == this) return;
  TChartSeries::Assign(source);
  if (const auto* o = dynamic_cast<const TFastLineSeries*>(&source)) {
    FAutoRepaint = o->FAutoRepaint;
    FLinePen.Assign(o->FLinePen);
  }
  // The base took the source's colour without telling the pen.
  FLinePen.SetColor(SeriesColor());
}

int TFastLineSeries::XPixel(int index) const { return GetHorizAxis()->ValueToXPixel(XValue(index)); }
int TFastLineSeries::YPixel(int index) const { return GetVertAxis()->ValueToYPixel(YValue(index)); }
void TFastLineSeries::DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) {
  position.LiftBy(Marks().ArrowLength());
  TChartSeries::DrawMark(valueIndex, text, position);
}

void TFastLineSeries::DrawLegendSymbol(TCanvas3D& canvas, const TRect& rect, TColor /*color*/) {
  PrepareCanvas(canvas);
  const auto midY = static_cast<int>((std::int64_t{rect.Top} + rect.Bottom) / 2);
  canvas.DrawHorizontalLine(rect.Left, rect.Right, midY);
}

int TFastLineSeries::Clicked(int px, int py) {
  const TCustomAxisPanel* chart = ParentChart();
  const int first = FirstValueIndex();
  // A list changed on its own may be shorter than X.
  const int last = std::min({LastValueIndex(), Count() - 1, YValues().Count() - 1});
  if (first < 0 || last < 0 || !chart || !GetHorizAxis() || !GetVertAxis()) return -1;
  if (chart->View3D()) chart->Canvas().UnprojectPoint(px, py, MiddleZ());
  const TPoint p{px, py};
  TPoint previous{};
  for (int i = first; i <= last; ++i) {
    const TPoint current{XPixel(i), YPixel(i)};
    if (current == p) return i;
    if (i > first && PointOnSegment(p, previous, current, 0)) return i - 1;
    previous = current;
  }
  return -1;
}

}  // namespace chart

#include "chart/seriestypes/LineSeries.h"

namespace chart {

TLineSeries::TLineSeries() {
  SetDrawLine(true);
  Pointer().SetVisible(false);
}

void TLineSeries::AssignLineFrom(const TCustomSeries& source) {
  if (&source == this) return;
  LinePen().Assign(source.LinePen());
  Pointer().Assign(source.Pointer());
  SetStairs(source.Stairs());
  SetInvertedStairs(source.InvertedStairs());
  SetLineHeight(source.LineHeight());
  SetLineBrush(source.LineBrush());
  SetDark3D(source.Dark3D());
  SetClickableLine(source.ClickableLine());
  SetDrawLine(true);
  SetDrawArea(false);
  if (!dynamic_cast<const TLineSeries*>(&source)) Pointer().SetVisible(false);
}

}  // namespace chart

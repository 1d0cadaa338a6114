// What an axis draws in a paint, in order: its title, its labels (which also collect the
// tick positions), then its line, ticks and grid lines. And the axis hit test.
#include <algorithm>

#include "chart/axis/CustomChartAxis.h"
#include "chart/canvas/Canvas3D.h"

namespace chart {

namespace {
// How far past its line an axis still takes a click.
constexpr int AxisClickTolerance = 3;
// Room the tick list starts with; label drawing grows it past this when a small user
// increment asks for more labels.
constexpr std::size_t InitialTickCapacity = 2000;
}  // namespace

int TCustomChartAxis::DrawDepth() const {
  if (FIsDepth) return FDepthLabelZ;
  if (!FParent || !FIsOtherSide) return 0;
  return FParent->ChartDepth3D();
}

void TCustomChartAxis::DrawAxis(bool placeAxisLine) {
  TCanvas3D* canvas = FParent ? FParent->AxisCanvas() : nullptr;
  // The depth axis runs into the picture; a flat chart never shows it.
  if (!canvas || (FIsDepth && FParent->ChartDepth3D() == 0)) return;
  RefreshScaleIsDateTime();
  FParent->ApplyFont(FLabelsFont);
  const double step = ComputeIncrement();
  if (placeAxisLine) {
    const TRect r = FParent->AxisChartRect();
    FAxisPosition = ShiftByPositionPercent(SideOf(r), r);
  }
  if (!FTitle->Caption().empty()) DrawTitle(*canvas);

  FTickPositions.clear();
  if (FTickPositions.capacity() < InitialTickCapacity) FTickPositions.reserve(InitialTickCapacity);
  if (step > 0 && FScaleMaximum >= FScaleMinimum) {
    switch (EffectiveLabelStyle()) {
      case talValue:
        if (FParent->HasNextAxisLabel()) DrawCustomLabels(*canvas, step);
        else if (FLogarithmic && FIncrement == 0) DrawLogarithmicLabels(*canvas);
        else DrawDefaultLabels(*canvas, step);
        break;
      case talMark: DrawSeriesLabels(*canvas, true); break;
      case talText: DrawSeriesLabels(*canvas, false); break;
      default: break;
    }
  }
  DrawLinesTicksAndGrids(*canvas);
}

void TCustomChartAxis::DrawTitle(TCanvas3D& canvas) {
  FParent->ApplyFont(FTitle->Font());
  canvas.Brush().SetColor(FParent->AxisBackColor());
  canvas.Brush().SetStyle(bsClear);
  canvas.SetTextBackMode(TRANSPARENT);
  if (FIsDepth) DrawDepthLabel(FPixelCenter, FTitlePosition, FTitle->Caption(), FTitle->Angle());
  else if (FIsHorizontal) DrawLabel(FPixelCenter, FTitlePosition, FTitle->Caption(), FTitle->Angle());
  else DrawLabel(FTitlePosition, FPixelCenter, FTitle->Caption(), FTitle->Angle());
}

void TCustomChartAxis::DrawDepthLabel(int z, int x, std::string_view text, int angle) {
  FDepthLabelZ = z;
  DrawLabel(x, FParent->AxisChartRect().Bottom, text, angle);
  FDepthLabelZ = 0;
}

bool TCustomChartAxis::Clicked(int x, int y) const {
  // The depth axis lies along the floor, not along a side of the chart rectangle.
  if (FIsDepth) return false;
  if (!FParent || !FParent->AxisIsShown(*this)) return false;
  const long long lo = std::min(FPixelStart, FPixelEnd), hi = std::max(FPixelStart, FPixelEnd);
  long long a0, a1;
  if (FLabelsPosition < FAxisPosition) {
    a0 = FLabelsPosition;
    a1 = static_cast<long long>(FAxisPosition) + AxisClickTolerance;
  } else {
    a0 = static_cast<long long>(FAxisPosition) - AxisClickTolerance;
    a1 = FLabelsPosition;
  }
  const long long along = FIsHorizontal ? x : y, across = FIsHorizontal ? y : x;
  return along >= lo && along < hi && across >= a0 && across < a1;
}

}  // namespace chart

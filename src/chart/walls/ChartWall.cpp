#include "chart/walls/ChartWall.h"

#include "chart/canvas/ZelCanvas3D.h"
#include "chart/panel/CustomAxisPanel.h"

namespace chart {

TCustomChartWall::TCustomChartWall(TCustomAxisPanel& chart, TColor defaultColor, TBrushStyle brushStyle)
    : FChart(chart),
      FPen([this] { Changed(); }),
      FBrush([this] { Changed(); }),
      FColor(defaultColor),
      FDefaultColor(defaultColor) {
  auto handler = FBrush.OnChange;
  FBrush.OnChange = nullptr;
  FBrush.SetStyle(brushStyle);
  FBrush.OnChange = handler;
}

void TCustomChartWall::Changed() { FChart.InvalidateChart(); }

void TCustomChartWall::SetColor(TColor v) { if (v != FColor) { FColor = v; Changed(); } }
void TCustomChartWall::SetDark3D(bool v) { if (v != FDark3D) { FDark3D = v; Changed(); } }
void TCustomChartWall::SetSize(int v) { if (v != FSize) { FSize = v; Changed(); } }

void TCustomChartWall::Assign(const TCustomChartWall& o) {
  FPen.Assign(o.FPen);
  FBrush.Assign(o.FBrush);
  FColor = o.FColor;
  FDark3D = o.FDark3D;
  FSize = o.FSize;
  Changed();
}

void TCustomChartWall::PrepareCanvas(TZelCanvas3D& c) const {
  c.ApplyChartPen(FPen);
  if (FBrush.HasBitmap()) {
    c.Brush().SetBitmap(FBrush.Bitmap());
    return;
  }
  c.Brush().SetBitmap(nullptr);
  if (FColor == clDefault && FBrush.Style() == bsSolid) {
    c.Brush().SetStyle(bsClear);
    return;
  }
  c.ApplyFillBrush(FColor, FBrush.Style(), FBrush.Color());
}

}  // namespace chart

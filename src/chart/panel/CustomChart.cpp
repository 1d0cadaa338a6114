// Titles, walls and their properties.
#include "chart/panel/CustomChart.h"

namespace chart {

TCustomChart::TCustomChart()
    : FTitle(std::make_unique<TChartTitle>(*this)),
      FFoot(std::make_unique<TChartTitle>(*this)),
      FBackWall(std::make_unique<TChartWall>(*this, clDefault, bsClear)),
      FLeftWall(std::make_unique<TChartWall>(*this, RGB(255, 255, 128), bsSolid)),
      FBottomWall(std::make_unique<TChartWall>(*this, clWhite, bsSolid)) {}

TCustomChart::~TCustomChart() = default;

void TCustomChart::SetBackColor(TColor v) {
  FBackWall->SetColor(v);
  if (Host() && !Loading()) FBackWall->Brush().SetStyle(bsSolid);
}

void TCustomChart::SetBackImageInside(bool v) {
  if (v == FBackImageInside) return;
  FBackImageInside = v;
  InvalidateChart();
}

int TCustomChart::WallThickness(const TCustomChartAxis& axis) {
  if (!View3D() || !View3DWalls()) return 0;
  if (&axis == LeftAxis()) return FLeftWall->Size();
  if (&axis == BottomAxis()) return FBottomWall->Size();
  return 0;
}

void TCustomChart::DrawBackImage(const TRect& rect) {
  if (!FBackImageInside) TCustomAxisPanel::DrawBackImage(rect);
}

void TCustomChart::DrawHeadings() {
  TZelCanvas3D& c = Canvas();
  c.BeginFlatPlane();
  auto titles = [this] {
    if (FTitle->Visible()) FTitle->Draw(true);
    if (FFoot->Visible()) FFoot->Draw(false);
  };
  if (!LegendVisible() || ActiveCount() == 0) {
    titles();
  } else if (LegendAlignment() == laLeft || LegendAlignment() == laRight) {
    DrawLegend();
    titles();
  } else {
    titles();
    DrawLegend();
  }
  c.EndFlatPlane();
}

void TCustomChart::PaintWalls() {
  TZelCanvas3D& c = Canvas();
  const TRect r = ChartRect();
  FBackWall->PrepareCanvas(c);
  // One past the right and bottom edges: the frame lies on both edges of the rectangle.
  c.DrawRectangle(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
  if (BackImage() && !BackImage()->Empty() && FBackImageInside) {
    TRect inside = r;
    if (FBackWall->Pen().Visible()) {
      ++inside.Top;
      --inside.Bottom;
    }
    c.StretchGraphic(inside, BackImage().get());
  }
  if (View3D() && View3DWalls()) {
    // Flat planes along the depth; with no depth they collapse to lines.
    FLeftWall->PrepareCanvas(c);
    c.DrawSidePlane(r.Left, r.Top, r.Bottom, 0, Width3D());
    FBottomWall->PrepareCanvas(c);
    c.DrawFloorPlane(r.Left, r.Bottom, r.Right, 0, Width3D());
  }
}

}  // namespace chart

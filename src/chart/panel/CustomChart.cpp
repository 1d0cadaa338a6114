// Titles, walls and their properties.
#include "chart/panel/CustomChart.h"

#include <algorithm>
#include <cstdint>

#include "chart/axis/ChartAxisTitle.h"
#include "chart/canvas/ChartFont.h"
#include "chart/marks/SeriesMarks.h"

namespace chart {

TCustomChart::TCustomChart()
    : FTitle(std::make_unique<TChartTitle>(*this)),
      FFoot(std::make_unique<TChartTitle>(*this)),
      FBackWall(std::make_unique<TChartWall>(*this, clDefault, bsClear)),
      FLeftWall(std::make_unique<TChartWall>(*this, RGB(255, 255, 128), bsSolid)),
      FLegend(std::make_unique<TChartLegend>(*this)),
      FBottomWall(std::make_unique<TChartWall>(*this, clWhite, bsSolid)),
      FDefaultFontName(DefaultChartFontName(nullptr)),
      FDefaultFontSize(DefaultChartFontSize(nullptr)) {}

TCustomChart::~TCustomChart() = default;

namespace {

// Name and size are replaced each on its own, as the default rule replaces them.
void ReplaceDefault(TFont& font, const std::string& oldName, int oldSize, const std::string& newName,
                    int newSize) {
  if (font.Name() == oldName) font.SetName(newName);
  if (font.Size() == oldSize) font.SetSize(newSize);
}

}  // namespace

void TCustomChart::HostAttached(TChartHost& host) {
  // The new window shows the cursor the chart shows now.
  if (FCursor != crDefault) host.SetCursor(FCursor);
  const std::string name = DefaultChartFontName(&host);
  const int size = DefaultChartFontSize(&host);
  if (name == FDefaultFontName && size == FDefaultFontSize) return;
  auto follow = [&](TFont& font) { ReplaceDefault(font, FDefaultFontName, FDefaultFontSize, name, size); };
  follow(FTitle->Font());
  follow(FFoot->Font());
  follow(FLegend->Font());
  for (TCustomChartAxis* axis : AxisList()) {
    follow(axis->LabelsFont());
    follow(axis->Title().Font());
  }
  for (TChartSeries* series : SeriesList()) follow(series->Marks().Font());
  FDefaultFontName = name;
  FDefaultFontSize = size;
}

void TCustomChart::FollowPlatformFont(TFont& font) const {
  ReplaceDefault(font, DefaultChartFontName(nullptr), DefaultChartFontSize(nullptr), FDefaultFontName,
                 FDefaultFontSize);
}

void TCustomChart::CustomAxisCreated(TCustomChartAxis& axis) {
  FollowPlatformFont(axis.LabelsFont());
  FollowPlatformFont(axis.Title().Font());
}

void TCustomChart::SeriesAdded(TChartSeries& series) { FollowPlatformFont(series.Marks().Font()); }

void TCustomChart::SetBackColor(TColor v) {
  FBackWall->SetColor(v);
  if (Host() && !Loading()) FBackWall->Brush().SetStyle(bsSolid);
}

void TCustomChart::SetBackImageInside(bool v) {
  if (v == FBackImageInside) return;
  FBackImageInside = v;
  InvalidateChart();
}

namespace {
// Far beyond any drawing, yet small enough that the axes can add a few of these to a
// pixel position without overflowing.
constexpr int MaxThickness = 1 << 24;
int Bounded(int size) { return std::clamp(size, -MaxThickness, MaxThickness); }
}  // namespace

int TCustomChart::WallThickness(const TCustomChartAxis& axis) {
  if (!View3D() || !View3DWalls()) return 0;
  if (&axis == LeftAxis()) return Bounded(FLeftWall->Size());
  if (&axis == BottomAxis()) return Bounded(FBottomWall->Size());
  return 0;
}

int TCustomChart::CrossWallThickness(const TCustomChartAxis& axis) {
  if (!View3D() || !View3DWalls()) return 0;
  if (&axis == BottomAxis()) return std::max(0, Bounded(FLeftWall->Size()));
  if (&axis == LeftAxis()) return std::max(0, Bounded(FBottomWall->Size()));
  return 0;
}

void TCustomChart::LayoutDepth() {
  if (!View3D()) {
    SetDepth3D(0, 0, 0);
    return;
  }
  // The depth is a share of the chart's smaller side, split between the depth slots.
  const int side = std::max(0, std::min(ChartWidth(), ChartHeight()));
  const int depth = std::max(0, MulDiv(side, Chart3DPercent(), 100));
  SetDepth3D(depth, depth, depth / DepthSlots());
  // The back wall stands at the far depth, which shows up and to the right of the front.
  const int back = View3DWalls() ? std::max(0, Bounded(FBackWall->Size())) : 0;
  TRect r = ChartRect();
  r.Right = ClampToInt(static_cast<std::int64_t>(r.Right) - depth - back);
  r.Top = ClampToInt(static_cast<std::int64_t>(r.Top) + depth + back);
  SetChartRect(r);
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
  if (View3D()) return PaintWalls3D();
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
}

}  // namespace chart

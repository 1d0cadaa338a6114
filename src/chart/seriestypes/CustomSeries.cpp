// Construction, properties, pixels, margins, hit test and legend symbol of line-like
// series. The drawing of the points is in CustomSeriesDraw.cpp.
#include "chart/seriestypes/CustomSeries.h"

#include <algorithm>
#include <cstdlib>

#include "chart/axis/CustomChartAxis.h"
#include "chart/canvas/HitTest.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/core/Store.h"

namespace chart {

TCustomSeries::TCustomSeries()
    : FPointer(std::make_unique<TSeriesPointer>([this] { RequestRepaint(); })),
      FAreaLinesPen([this] { RequestRepaint(); }),
      FLinePen([this] { RequestRepaint(); }) {
  SetDrawBetweenPoints(true);
}

TCustomSeries::~TCustomSeries() = default;

void TCustomSeries::SetAreaBrush(TBrushStyle v) { if (Store(FAreaBrush, v)) RequestRepaint(); }
void TCustomSeries::SetAreaColor(TColor v) { if (Store(FAreaColor, v)) RequestRepaint(); }
void TCustomSeries::SetDark3D(bool v) { if (Store(FDark3D, v)) RequestRepaint(); }
void TCustomSeries::SetDrawArea(bool v) { if (Store(FDrawArea, v)) RequestRepaint(); }
void TCustomSeries::SetDrawLine(bool v) { if (Store(FDrawLine, v)) RequestRepaint(); }
void TCustomSeries::SetInvertedStairs(bool v) { if (Store(FInvertedStairs, v)) RequestRepaint(); }
void TCustomSeries::SetLineBrush(TBrushStyle v) { if (Store(FLineBrush, v)) RequestRepaint(); }
void TCustomSeries::SetLineHeight(int v) { if (Store(FLineHeight, v)) RequestRepaint(); }
void TCustomSeries::SetStairs(bool v) { if (Store(FStairs, v)) RequestRepaint(); }

void TCustomSeries::Assign(const TChartSeries& source) {
  if (&source == this) return;
  TChartSeries::Assign(source);
  const auto* o = dynamic_cast<const TCustomSeries*>(&source);
  if (!o) return;
  FAreaBrush = o->FAreaBrush;
  FAreaColor = o->FAreaColor;
  FAreaLinesPen.Assign(o->FAreaLinesPen);
  FLinePen.Assign(o->FLinePen);
  FPointer->Assign(*o->FPointer);
  FClickableLine = o->FClickableLine;
  FDark3D = o->FDark3D;
  FDrawArea = o->FDrawArea;
  FDrawLine = o->FDrawLine;
  FInvertedStairs = o->FInvertedStairs;
  FLineBrush = o->FLineBrush;
  FLineHeight = o->FLineHeight;
  FStairs = o->FStairs;
  FDirectDrawing = o->FDirectDrawing;
  RequestRepaint();
}

int TCustomSeries::XPixel(int index) const { return GetHorizAxis()->ValueToXPixel(XValue(index)); }
int TCustomSeries::YPixel(int index) const { return GetVertAxis()->ValueToYPixel(YValue(index)); }
int TCustomSeries::OriginPixel(int /*index*/) const { return GetVertAxis()->PixelEnd(); }

int TCustomSeries::EdgeYPixel(int a, int b, double v) const {
  const double dx = XValue(b) - XValue(a);
  if (dx == 0) return YPixel(a);
  const double y = (YValue(b) - YValue(a)) * (v - XValue(a)) / dx + YValue(a);
  return GetVertAxis()->ValueToYPixel(y);
}

void TCustomSeries::CalcHorizMargins(int& left, int& right) {
  left = right = 0;
  if (FPointer->Visible() && FPointer->InflateMargins()) left = right = FPointer->HorizSize() + 1;
  if (FStairs && FDrawLine) {
    left = std::max(left, FLinePen.Width());
    right = std::max(right, FLinePen.Width());
  }
}

void TCustomSeries::CalcVerticalMargins(int& top, int& bottom) {
  top = bottom = 0;
  if (FPointer->Visible() && FPointer->InflateMargins()) top = bottom = FPointer->VertSize() + 1;
  if (FStairs && FDrawLine) {
    top = std::max(top, FLinePen.Width());
    bottom = std::max(bottom, FLinePen.Width() + 1);
  }
  if (FLineHeight > 0 && !FDrawArea) bottom = std::max(bottom, FLineHeight);
}

int TCustomSeries::Clicked(int clickX, int clickY) {
  const int first = FirstValueIndex(), last = LastValueIndex();
  if (first < 0 || last < 0 || !GetHorizAxis() || !GetVertAxis()) return -1;
  // In depth, the click is taken back to the middle of the series' ribbons.
  int px = clickX, py = clickY;
  if (ParentChart() && ParentChart()->View3D()) ParentChart()->Canvas().UnprojectPoint(px, py, MiddleZ());
  const TPoint p{px, py};
  TPoint previous{};
  for (int i = first; i <= last && i < Count(); ++i) {
    const TPoint cur{XPixel(i), YPixel(i)};
    if (FPointer->Visible() && std::abs(static_cast<long long>(cur.X) - px) < FPointer->HorizSize() &&
        std::abs(static_cast<long long>(cur.Y) - py) < FPointer->VertSize()) {
      if (OnClickPointer) OnClickPointer(this, i, clickX, clickY);
      return i;
    }
    if (cur == p) return i;
    if (i > first && FClickableLine) {
      bool hit;
      if (FStairs) {
        const TPoint corner = FInvertedStairs ? TPoint{previous.X, cur.Y} : TPoint{cur.X, previous.Y};
        hit = PointOnSegment(p, previous, corner, 0) || PointOnSegment(p, corner, cur, 0);
      } else {
        hit = PointOnSegment(p, previous, cur, 0);
      }
      if (!hit && FDrawArea) {
        const TPoint quad[4] = {previous, cur, {cur.X, OriginPixel(i)}, {previous.X, OriginPixel(i - 1)}};
        hit = PolygonContains(p, quad, 3);
      }
      if (hit) return i - 1;
    }
    previous = cur;
  }
  return -1;
}

void TCustomSeries::DrawLegendSymbol(TCanvas3D& c, const TRect& r, TColor color) {
  const bool flat = !ParentChart() || !ParentChart()->View3D();
  const int midY = (r.Top + r.Bottom) / 2;
  auto line = [&] {
    if (flat) {
      PrepareLinePen(c, color);
      c.DrawHorizontalLine(r.Left, r.Right, midY);
    } else {
      c.Pen().SetStyle(psClear);
      c.Brush().SetStyle(FLineBrush);
      c.Brush().SetColor(color);
      c.FillRectangle(r);
    }
  };
  if (!FPointer->Visible()) {
    if (FDrawLine && !FDrawArea) line();
    return;
  }
  if (FDrawLine) line();
  // A marker small enough for the symbol, leaving some line visible either side.
  const int w = r.Width(), h = r.Height();
  const int hs = FLinePen.Visible() ? std::min(FPointer->HorizSize(), w / 3) : std::min(FPointer->HorizSize(), w / 2 + 1);
  const int vs = FLinePen.Visible() ? std::min(FPointer->VertSize(), h / 3) : std::min(FPointer->VertSize(), h / 2 + 1);
  c.ApplyChartPen(FPointer->Pen());
  if (FPointer->Pen().Visible() && FPointer->Pen().Color() == clDefault) c.Pen().SetColor(color);
  c.Brush().Assign(FPointer->Brush());
  if (FPointer->Brush().Color() == clDefault) c.Brush().SetColor(color);
  TSeriesPointer::DrawMarker(c, FPointer->Style(), (r.Left + r.Right) / 2, midY, hs, vs);
}

}  // namespace chart

// Line-like series in a 3D chart: each segment a ribbon from the front to the back of the
// series' depth, the area's front face under its top ribbon, and markers in depth.
#include <algorithm>
#include <cstdint>

#include "chart/axis/CustomChartAxis.h"
#include "chart/axis/PointPixelMapper.h"
#include "chart/canvas/DarkColor.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/seriestypes/CustomSeries.h"
#include "chart/seriestypes/DirectWalk.h"
#include "chart/seriestypes/DrawableRange.h"
#include "chart/seriestypes/PointColors.h"

namespace chart {

void TCustomSeries::BeginDepthDrawing(TCanvas3D& c) {
  const TCustomAxisPanel& chart = *ParentChart();
  const TPoint front = c.ProjectToPoint(chart.ChartXCenter(), chart.ChartYCenter(), StartZ());
  const TPoint back = c.ProjectToPoint(chart.ChartXCenter(), chart.ChartYCenter(), EndZ());
  FDepthAcross = std::int64_t{back.X} - front.X;
  FDepthUp = std::int64_t{front.Y} - back.Y;
}

void TCustomSeries::ApplyFaceBrush(TCanvas3D& c, TColor color, TBrushStyle style, TColor background, bool dark) {
  // Shaded like the sides of the canvas's solids.
  c.ApplyFillBrush(dark ? ApplyDark(c.ResolveColor(color), DarkSideQuantity) : color, style, background);
}

void TCustomSeries::DrawRibbon(TCanvas3D& c, int x0, int y0, int x1, int y1, TColor color) {
  if (x0 == x1 && y0 == y1) return;
  PrepareLinePen(c, color);
  if (StartZ() == EndZ() && FLineHeight == 0) {
    // A ribbon without depth shows only its edge: the line in the point's colour.
    c.Pen().SetColor(color);
    c.DrawLineAtDepth(x0, y0, x1, y1, StartZ());
    return;
  }
  const TColor back = ParentChart()->Color();
  ApplyFaceBrush(c, color, FLineBrush, back, FDark3D && ShowsUnderside(std::int64_t{x1} - x0, std::int64_t{y1} - y0));
  c.DrawPlane3D({x0, y0}, {x1, y1}, StartZ(), EndZ());
  if (FLineHeight > 0) {
    ApplyFaceBrush(c, color, FLineBrush, back, false);
    const int b0 = ClampToPixel(std::int64_t{y0} + FLineHeight), b1 = ClampToPixel(std::int64_t{y1} + FLineHeight);
    c.DrawPlaneAtDepth({TPoint{x0, y0}, TPoint{x1, y1}, TPoint{x1, b1}, TPoint{x0, b0}}, StartZ());
  }
}

void TCustomSeries::DrawLink3D(TCanvas3D& c, int x, int y, TColor color) {
  if (!FStairs) {
    DrawRibbon(c, FPrevX, FPrevY, x, y, color);
  } else if (FInvertedStairs) {
    DrawRibbon(c, FPrevX, FPrevY, FPrevX, y, color);
    DrawRibbon(c, FPrevX, y, x, y, color);
  } else {
    DrawRibbon(c, FPrevX, FPrevY, x, FPrevY, color);
    DrawRibbon(c, x, FPrevY, x, y, color);
  }
}

void TCustomSeries::DrawAreaSegment3D(TCanvas3D& c, int x0, int y0, int base0, int x1, int y1, int base1,
                                      TColor color) {
  PrepareAreaCanvas(c, color);
  const TColor fill = AreaFillColor(color);
  const int z0 = StartZ(), z1 = EndZ();
  // The top first: where a steep rise shows it below the line, the front face covers it.
  if (FStairs) {
    const int top = FInvertedStairs ? y1 : y0;
    ApplyFaceBrush(c, fill, FAreaBrush, SeriesColor(), false);
    c.DrawPlane3D({x0, top}, {x1, top}, z0, z1);
    c.DrawPlaneAtDepth({TPoint{x0, top}, TPoint{x1, top}, TPoint{x1, base1}, TPoint{x0, base1}}, z0);
    return;
  }
  ApplyFaceBrush(c, fill, FAreaBrush, SeriesColor(),
                 FDark3D && ShowsUnderside(std::int64_t{x1} - x0, std::int64_t{y1} - y0));
  c.DrawPlane3D({x0, y0}, {x1, y1}, z0, z1);
  ApplyFaceBrush(c, fill, FAreaBrush, SeriesColor(), false);
  c.DrawPlaneAtDepth({TPoint{x0, base0}, TPoint{x0, y0}, TPoint{x1, y1}, TPoint{x1, base1}}, z0);
}

void TCustomSeries::DrawPointer3D(TCanvas3D& c, TSeriesPointerStyle style, int x, int y) {
  const TSeriesPointer& p = *FPointer;
  const std::int64_t h = p.HorizSize(), v = p.VertSize();
  const int middle = MiddleZ();
  if (p.Draw3D()) {
    // A solid as deep as it is wide, kept inside the series' depth.
    const int z0 = static_cast<int>(std::max<std::int64_t>(StartZ(), middle - h));
    const int z1 = static_cast<int>(std::min<std::int64_t>(EndZ(), middle + h));
    const TRect box{ClampToPixel(x - h), ClampToPixel(y - v), ClampToPixel(x + h), ClampToPixel(y + v)};
    switch (style) {
      case psRectangle: c.DrawCube(box, z0, z1, p.Dark3D()); return;
      case psTriangle: c.DrawPyramid(true, box, z0, z1, p.Dark3D()); return;
      case psCircle: c.DrawEllipseAtDepth(box.Left, box.Top, box.Right, box.Bottom, middle); return;
      default: break;
    }
  }
  const TPoint at = c.ProjectToPoint(x, y, middle);
  TSeriesPointer::DrawMarker(c, style, at.X, at.Y, p.HorizSize(), p.VertSize());
}

bool TCustomSeries::CanDrawRibbonsDirectly() const {
  return !ParentChart()->Printing() && EndZ() > StartZ() && FDrawLine && !FDrawArea && !FStairs && !FPointer->Visible() &&
         FLineHeight == 0 && ValuesFromLists() && YValues().Count() >= Count();
}

// DrawPointAt's ribbons for a dense 3D line: the same ribbons in the same order, except
// that the ribbons of consecutive segments within one pixel column, which have no width,
// are drawn as one from the column's lowest to its highest row.
void TCustomSeries::DrawVisibleRibbonsDirectly() {
  TCanvas3D& cv = ParentChart()->Canvas();
  const TCustomChartAxis& h = *GetHorizAxis();
  const TPointPixelMapper toPixels(h, *GetVertAxis());
  const int first = FirstValueIndex(), last = LastValueIndex();
  const TPointColors pointColors(*this);

  TDirectWalk w{FPrevX, FPrevY, FPrevColor, false};
  // The column waiting to be drawn: x, its rows, colour, and the last step's direction.
  bool open = false;
  int columnX = 0, low = 0, high = 0, lastStep = 0;
  TColor columnColor = clNone;
  auto flush = [&] {
    if (!open) return;
    open = false;
    // The side it shows is that of the last step inside the column.
    DrawRibbon(cv, columnX, lastStep < 0 ? high : low, columnX, lastStep < 0 ? low : high, columnColor);
  };

  constexpr int Block = 256;
  TPoint pixels[Block];
  for (int base = first; base <= last; base += Block) {
    const int n = std::min(Block, last - base + 1);
    ListPixels(toPixels, base, n, pixels, MaxDrawable);
    for (int k = 0; k < n; ++k) {
      const int i = base + k;
      const TColor c = pointColors.Of(i);
      const int x = pixels[k].X, y = pixels[k].Y;
      WalkTo(w, i, first, x, y, c, [&] { return EnterAt(w, EntryFromEdge(i)); }, [&](bool draw) {
        if (!draw || c == clNone) {
          flush();
        } else if (x == w.X && y != w.Y) {
          if (!open || columnX != x || columnColor != c) {
            flush();
            open = true;
            columnX = x;
            columnColor = c;
            low = high = w.Y;
          }
          low = std::min(low, y);
          high = std::max(high, y);
          lastStep = y < w.Y ? -1 : 1;
        } else if (x != w.X) {
          flush();
          DrawRibbon(cv, w.X, w.Y, x, y, c);
        }
      });
    }
  }
  flush();
  FinishWalk(w);
}

}  // namespace chart

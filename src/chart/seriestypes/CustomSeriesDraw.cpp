// Drawing the visible points of a line-like series: each point joined to the one before
// it, the line entering from the chart rectangle's edge, null points breaking the line,
// and the markers drawn right after the segments that touch them.
#include <algorithm>
#include <cstdint>
#include <functional>

#include "chart/axis/PointPixelMapper.h"
#include "chart/axis/CustomChartAxis.h"
#include "chart/core/Numeric.h"
#include "chart/panel/CustomAxisPanel.h"
#include "chart/seriestypes/CustomSeries.h"
#include "chart/seriestypes/PointColors.h"
#include "chart/seriestypes/DirectWalk.h"
#include "chart/seriestypes/DrawableRange.h"

namespace chart {

void TCustomSeries::PrepareLinePen(TCanvas3D& c, TColor color) {
  const TCustomAxisPanel* chart = ParentChart();
  c.ApplyChartPen(FLinePen);
  if (chart && chart->Printing() && FLinePen.Style() != psSolid && FLinePen.Width() == 1) c.Pen().SetWidth(0);
  if (!chart || !chart->View3D()) {
    c.Brush().SetStyle(bsClear);
    c.Pen().SetColor(color);
  }
}

void TCustomSeries::DrawPointer(int x, int y, int index, TColor color) {
  TCanvas3D& c = ParentChart()->Canvas();
  const TSeriesPointer& p = *FPointer;
  c.ApplyChartPen(p.Pen());
  if (p.Pen().Visible() && p.Pen().Color() == clDefault) c.Pen().SetColor(color);
  c.Brush().Assign(p.Brush());
  if (p.Brush().Color() == clDefault) c.Brush().SetColor(color);
  const TSeriesPointerStyle style = OnGetPointerStyle ? OnGetPointerStyle(this, index) : p.Style();
  if (ParentChart()->View3D()) {
    DrawPointer3D(c, style, x, y);
    return;
  }
  TSeriesPointer::DrawMarker(c, style, x, y, p.HorizSize(), p.VertSize());
}

void TCustomSeries::DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) {
  position.LiftBy(Marks().ArrowLength());
  TChartSeries::DrawMark(valueIndex, text, position);
}

void TCustomSeries::DrawAreaSegment(TCanvas3D& cv, int x0, int y0, int base0, int x1, int y1, int base1, TColor c) {
  if (ParentChart()->View3D()) {
    DrawAreaSegment3D(cv, x0, y0, base0, x1, y1, base1, c);
    return;
  }
  PrepareAreaCanvas(cv, c);
  if (FStairs) {
    cv.DrawRectangle(x0, base1, x1 + 1, FInvertedStairs ? y1 : y0);
    return;
  }
  const TPoint quad[4] = {{x0, base0}, {x0, y0}, {x1, y1}, {x1, base1}};
  cv.DrawPolygon(quad, 3);
}

void TCustomSeries::PrepareAreaCanvas(TCanvas3D& cv, TColor c) {
  cv.ApplyChartPen(FAreaLinesPen);
  if (FAreaLinesPen.Color() == clDefault || !FAreaLinesPen.Visible()) cv.Pen().SetColor(c);
  // A hatch shows the series colour between its lines.
  cv.ApplyFillBrush(AreaFillColor(c), FAreaBrush, SeriesColor());
}

void TCustomSeries::DrawLink(bool withPointers, int index, int x, int y, TColor c, bool isLast) {
  TCanvas3D& cv = ParentChart()->Canvas();
  if ((x != FPrevX || y != FPrevY) && c != clNone) {
    if (FDrawArea) {
      DrawAreaSegment(cv, FPrevX, FPrevY, FPrevBasePos, x, y, FBasePos, c);
    } else if (FDrawLine && ParentChart()->View3D()) {
      DrawLink3D(cv, x, y, c);
    } else if (FDrawLine) {
      PrepareLinePen(cv, c);
      if (FStairs) {
        if (FInvertedStairs) cv.DrawVerticalLine(FPrevX, FPrevY, y);
        else cv.DrawHorizontalLine(FPrevX, x, FPrevY);
        cv.LineToPoint(x, y);
      } else {
        cv.DrawSegment(FPrevX, FPrevY, x, y);
      }
    }
  }
  if (withPointers && FPointer->Visible()) {
    if (FPrevColor != clNone) DrawPointer(FPrevX, FPrevY, index - 1, FPrevColor);
    if (isLast && c != clNone) DrawPointer(x, y, index, c);
  }
}

void TCustomSeries::DrawPointAt(int i) {
  const TColor c = ValueColor(i);
  const int x = XPixel(i), y = YPixel(i);
  if (OffDrawable(x, y)) {
    // The line goes on from the last point drawn.
    FPrevColor = c;
    return;
  }
  if (FPrevColor == clNone) {
    FPrevX = x;
    FPrevY = y;
  }
  const bool isLast = i == LastValueIndex();
  FBasePos = OriginPixel(i);
  // A null point shows no marker (not even as the only visible point).
  const bool lonePointer = isLast && FPointer->Visible() && c != clNone;
  if (i == FirstValueIndex()) {
    if (i > 0) {
      // The segment from the point before the range, cut at the chart rectangle's edge.
      if (FDrawArea) {
        FPrevX = XPixel(i - 1);
        FPrevY = YPixel(i - 1);
        FPrevBasePos = OriginPixel(i - 1);
      } else {
        const TCustomChartAxis& h = *GetHorizAxis();
        const TRect r = ParentChart()->ChartRect();
        FPrevX = h.Inverted() ? r.Right : r.Left;
        FPrevY = FStairs ? YPixel(i - 1) : EdgeYPixel(i - 1, i, h.PixelToValue(FPrevX));
      }
      FPrevValid = true;
      if (!IsNull(i - 1)) DrawLink(false, i, x, y, c, isLast);
    }
    if (lonePointer) DrawPointer(x, y, i, c);
  } else if (!FPrevValid) {
    // Every point before this one in the range was too far off to draw: start afresh.
    if (lonePointer) DrawPointer(x, y, i, c);
  } else {
    DrawLink(true, i, x, y, c, isLast);
  }
  FPrevX = x;
  FPrevY = y;
  FPrevBasePos = FBasePos;
  FPrevValid = true;
  FPrevColor = c;
}

void TCustomSeries::DrawVisiblePoints() {
  FPrevValid = false;
  const int first = FirstValueIndex(), last = LastValueIndex();
  if (!ParentChart() || !GetHorizAxis() || !GetVertAxis() || first < 0 || last < first || last >= Count()) return;
  if (FDirectDrawing && CanDrawDirectly()) {
    DrawVisiblePointsDirectly();
    return;
  }
  if (FDirectDrawing && CanDrawAreaDirectly()) {
    DrawVisibleAreaDirectly();
    return;
  }
  if (!ParentChart()->View3D()) {
    for (int i = first; i <= last; ++i) DrawPointAt(i);
    return;
  }
  TCanvas3D& c = ParentChart()->Canvas();
  BeginDepthDrawing(c);
  if (FDirectDrawing && CanDrawRibbonsDirectly()) {
    if (!DrawVisibleRibbonBand()) DrawVisibleRibbonsDirectly();
    return;
  }
  for (int i = first; i <= last; ++i) DrawPointAt(i);
  // The area's end facing the viewer closes it at its last point.
  if (FDrawArea && FPrevValid && FPrevColor != clNone) {
    PrepareAreaCanvas(c, FPrevColor);
    ApplyFaceBrush(c, AreaFillColor(FPrevColor), FAreaBrush, SeriesColor(), FDark3D);
    c.DrawPlane3D({FPrevX, FPrevY}, {FPrevX, FPrevBasePos}, StartZ(), EndZ());
  }
}

TEdgeEntry TCustomSeries::EntryFromEdge(int i) const {
  const TRect r = ParentChart()->ChartRect();
  const int x = GetHorizAxis()->Inverted() ? r.Right : r.Left;
  return {x, EdgeYPixel(i - 1, i, GetHorizAxis()->PixelToValue(x)), !IsNull(i - 1)};
}

void TCustomSeries::FinishWalk(TDirectWalk w) {
  FPrevX = w.X;
  FPrevY = w.Y;
  FPrevColor = w.Color;
  FPrevValid = w.Valid;
}

bool TCustomSeries::CanDrawDirectly() const {
  const TCustomAxisPanel* chart = ParentChart();
  return !chart->View3D() && !chart->Printing() && FDrawLine && !FDrawArea && !FStairs && !FPointer->Visible() &&
         ValuesFromLists() && YValues().Count() >= Count();
}

// DrawPointAt without markers, stairs or area: the same segments with the same pens, in
// the same order, but the pen is prepared only when the colour changes and the values are
// read straight from the lists.
void TCustomSeries::DrawVisiblePointsDirectly() {
  TZelCanvas3D& cv = ParentChart()->Canvas();
  const TCustomChartAxis& h = *GetHorizAxis();
  const TPointPixelMapper toPixels(h, *GetVertAxis());
  const int first = FirstValueIndex(), last = LastValueIndex();
  // ValueColor of the base, which no type with ValuesFromLists overrides.
  const TPointColors pointColors(*this);
  const TColor seriesColor = pointColors.SeriesColor();
  auto colorOf = [&](int i) { return pointColors.Of(i); };
  constexpr int Block = 256;
  auto hasSeriesColorOnly = [&](int base, int n) { return pointColors.SeriesColorOnly(base, n); };

  TDirectWalk w{FPrevX, FPrevY, FPrevColor, false};

  TColor penColor = clNone;
  bool penReady = false;
  auto preparePen = [&](TColor c) {
    if (penReady && c == penColor) return;
    PrepareLinePen(cv, c);
    penReady = true;
    penColor = c;
  };

  // Pixels a block at a time: the mapping runs as a tight loop, the drawing after it.
  // chain[0] is kept for the last point drawn, chain[1 + k] holds the pixel of base + k.
  TPoint chain[Block + 1];
  for (int base = first; base <= last; base += Block) {
    const int n = std::min(Block, last - base + 1);
    const bool drawable = ListPixels(toPixels, base, n, chain + 1, MaxDrawable);
    // The usual block: the line is under way and every point has the series colour and
    // lies where it can be drawn. Its segments are then one chain from the last point
    // drawn, handed to the canvas in one call.
    if (drawable && w.Valid && seriesColor != clNone && w.Color != clNone && hasSeriesColorOnly(base, n)) {
      chain[0] = {w.X, w.Y};
      // A run that never moves draws nothing: point by point it would not even take the pen,
      // which a handler drawing after the series still finds on the canvas.
      const TPoint* end = chain + n + 1;
      if (std::adjacent_find(static_cast<const TPoint*>(chain), end, std::not_equal_to<>()) != end) {
        preparePen(seriesColor);
        cv.DrawSegmentRun(std::span<const TPoint>(chain, static_cast<std::size_t>(n) + 1));
      }
      w.X = chain[n].X;
      w.Y = chain[n].Y;
      w.Color = seriesColor;
      continue;
    }
    for (int k = 0; k < n; ++k) {
      const int i = base + k;
      const TColor c = colorOf(i);
      const int x = chain[k + 1].X, y = chain[k + 1].Y;
      WalkTo(w, i, first, x, y, c, [&] { return EnterAt(w, EntryFromEdge(i)); }, [&](bool draw) {
        if (draw && (x != w.X || y != w.Y) && c != clNone) {
          preparePen(c);
          cv.DrawSegment(w.X, w.Y, x, y);
        }
      });
    }
  }
  FinishWalk(w);
}

}  // namespace chart

// The base of line-like series (line, point, area): every visible point joined to the one
// before it by a segment in the point's colour, with an optional marker at each point. It
// handles the chart rectangle's left edge, null points and coordinates too large to draw.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "chart/canvas/ChartPen.h"
#include "chart/canvas/GraphicsTypes.h"
#include "chart/core/Color.h"
#include "chart/core/Geometry.h"
#include "chart/series/ChartSeries.h"
#include "chart/seriestypes/DirectWalk.h"
#include "chart/seriestypes/SeriesPointer.h"

namespace chart {

class TCanvas3D;
class TCustomSeries;
class TPointPixelMapper;

using TSeriesClickPointerEvent = std::function<void(TCustomSeries* sender, int valueIndex, int x, int y)>;
using TOnGetPointerStyle = std::function<TSeriesPointerStyle(TCustomSeries* sender, int valueIndex)>;

class TCustomSeries : public TChartSeries {
 public:
  TCustomSeries();
  ~TCustomSeries() override;

  // --- properties ----------------------------------------------------------------------
  TBrushStyle AreaBrush() const { return FAreaBrush; }
  void SetAreaBrush(TBrushStyle v);
  TColor AreaColor() const { return FAreaColor; }
  void SetAreaColor(TColor v);
  TChartPen& AreaLinesPen() { return FAreaLinesPen; }
  bool ClickableLine() const { return FClickableLine; }
  void SetClickableLine(bool v) { FClickableLine = v; }
  bool Dark3D() const { return FDark3D; }
  void SetDark3D(bool v);
  bool DrawArea() const { return FDrawArea; }
  void SetDrawArea(bool v);
  // Whether the segments are drawn at all (the line series draws them).
  bool DrawLine() const { return FDrawLine; }
  void SetDrawLine(bool v);
  bool InvertedStairs() const { return FInvertedStairs; }
  void SetInvertedStairs(bool v);
  TBrushStyle LineBrush() const { return FLineBrush; }
  void SetLineBrush(TBrushStyle v);
  int LineHeight() const { return FLineHeight; }
  void SetLineHeight(int v);
  TChartPen& LinePen() { return FLinePen; }
  const TChartPen& LinePen() const { return FLinePen; }
  TSeriesPointer& Pointer() { return *FPointer; }
  const TSeriesPointer& Pointer() const { return *FPointer; }
  bool Stairs() const { return FStairs; }
  void SetStairs(bool v);

  // Every setting of a line-like source as well (area, line, marker, flags).
  void Assign(const TChartSeries& source) override;

  TSeriesClickPointerEvent OnClickPointer;
  TOnGetPointerStyle OnGetPointerStyle;

  // --- pixels --------------------------------------------------------------------------
  int XPixel(int index) const;
  // Stacked areas lift their points onto the series below.
  virtual int YPixel(int index) const;
  // The base line of the point: the far end of the vertical axis.
  virtual int OriginPixel(int index) const;

  // --- drawing -------------------------------------------------------------------------
  void CalcFirstLastVisibleIndex() override { CalcVisibleRange(); }
  void DrawVisiblePoints() override;
  virtual void DrawPointAt(int index);
  virtual void DrawPointer(int x, int y, int index, TColor color);
  void CalcHorizMargins(int& left, int& right) override;
  void CalcVerticalMargins(int& top, int& bottom) override;
  // Lifts the box and the arrow's end above the point by the marks' ArrowLength.
  void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
  // The series' symbol in a legend item rectangle, in the item's colour.
  void DrawLegendSymbol(TCanvas3D& canvas, const TRect& rect, TColor color) override;

  // Index of the point (or the first point of the segment) at a pixel in the last
  // paint's visible range; -1 when nothing is hit.
  int Clicked(int x, int y) override;

  // Dense 2D lines skip the per-point generality (same calls, same order). Off, every
  // point goes through DrawPointAt: the reference the direct path is checked against.
  bool DirectDrawing() const { return FDirectDrawing; }
  void SetDirectDrawing(bool v) { FDirectDrawing = v; }

 protected:
  // The pen of the segments, in the colour of the point they end at.
  void PrepareLinePen(TCanvas3D& canvas, TColor color);
  // The height where the line through points a and b crosses the horizontal value v.
  int EdgeYPixel(int a, int b, double v) const;
  // The pen and brush of the area's fill and outline for a point of the given colour.
  void PrepareAreaCanvas(TCanvas3D& c, TColor color);
  // A series type that derives XValue, YValue or ValueColor answers False, so that
  // drawing reads them through those calls rather than straight from the lists.
  virtual bool ValuesFromLists() const { return true; }
  // For dense areas: tops[k] := (XPixel, YPixel) and bases[k] := OriginPixel of point
  // first + k, k < n, the values read straight from the lists. A type that moves YPixel
  // or OriginPixel gives its own. True when every top lies within -reach .. reach.
  virtual bool AreaPixels(const TPointPixelMapper& map, int first, int n, TPoint* tops, int* bases, int reach);
  // The pixels of points first .. first + n - 1 read straight from the lists; false when one
  // lies beyond reach.
  bool ListPixels(const TPointPixelMapper& map, int first, int n, TPoint* out, int reach) const;

 private:
  void DrawLink(bool withPointers, int index, int x, int y, TColor c, bool isLast);
  // The fill under the segment from (x0, y0) over base0 to (x1, y1) over base1, with its
  // outline: a rectangle one step wide with stairs.
  void DrawAreaSegment(TCanvas3D& c, int x0, int y0, int base0, int x1, int y1, int base1, TColor color);
  // The dense area of a 2D series without markers or stairs: the fills of a pixel column
  // that have no width are drawn as one.
  bool CanDrawAreaDirectly() const;
  // Fills of one colour without width in column x, together: rows low .. high.
  void DrawAreaColumn(TCanvas3D& c, int x, int low, int high, TColor color);
  void DrawVisibleAreaDirectly();
  // The common dense case: a 2D line without markers, stairs or area.
  bool CanDrawDirectly() const;
  void DrawVisiblePointsDirectly();
  // The direct loops' entry at the first visible point after hidden ones: at the chart's
  // edge, on the segment from the hidden point. The walk is moved by the caller and handed
  // over by value, so that its address never leaves the loop and it stays in registers.
  TEdgeEntry EntryFromEdge(int i) const;
  // Keeps where a direct loop's walk ended, for the points drawn after it.
  void FinishWalk(TDirectWalk w);

  // --- 3D: ribbons over the series' depth, the area's faces, markers in depth ---------
  // Takes the screen direction of the series' depth, for the shading of ribbons.
  void BeginDepthDrawing(TCanvas3D& c);
  // Whether a ribbon along (dx, dy) shows its underside: it rises more steeply than the
  // depth does, and Dark3D darkens it.
  bool ShowsUnderside(std::int64_t dx, std::int64_t dy) const {
    return -FDepthUp * dx - FDepthAcross * dy > 0;
  }
  // The fill of a face in colour c (hatches over `background`), darker when `dark`.
  static void ApplyFaceBrush(TCanvas3D& c, TColor color, TBrushStyle style, TColor background, bool dark);
  // The area's fill colour for a point of colour c.
  TColor AreaFillColor(TColor c) const { return FAreaColor == clDefault || ColorEachPoint() ? c : FAreaColor; }
  // The segment's ribbon from the front to the back of the series, filled with LineBrush
  // in the point's colour and outlined with LinePen; with LineHeight, its front face too.
  void DrawRibbon(TCanvas3D& c, int x0, int y0, int x1, int y1, TColor color);
  // The ribbons of one segment (two legs with stairs).
  void DrawLink3D(TCanvas3D& c, int x, int y, TColor color);
  // The area's front face and the ribbon along its top.
  void DrawAreaSegment3D(TCanvas3D& c, int x0, int y0, int base0, int x1, int y1, int base1, TColor color);
  void DrawPointer3D(TCanvas3D& c, TSeriesPointerStyle style, int x, int y);
  // Dense 3D lines: the ribbons of the segments inside one pixel column are one fill.
  bool CanDrawRibbonsDirectly() const;
  void DrawVisibleRibbonsDirectly();
  // Lines far denser than their pixel columns, in an orthogonal view of zoom 100 %: the
  // ribbons of the whole line are one fill, the sweep through the depth of the band the
  // line covers column by column, with the line's front and back edges in LinePen. False
  // (nothing drawn) when the line does not qualify.
  bool DrawVisibleRibbonBand();
  // The band's rows per column and the fill and edge points, kept from paint to paint.
  std::vector<int> FBandLow, FBandHigh, FBandWindow;
  std::vector<TPoint> FBandPoints;
  // The screen step of the series' depth: across (right) and up.
  std::int64_t FDepthAcross = 0, FDepthUp = 0;

  std::unique_ptr<TSeriesPointer> FPointer;
  TChartPen FAreaLinesPen;
  TChartPen FLinePen;
  TColor FAreaColor = clDefault;
  TBrushStyle FAreaBrush = bsSolid;
  TBrushStyle FLineBrush = bsSolid;
  int FLineHeight = 0;
  bool FClickableLine = true;
  bool FDark3D = true;
  bool FDrawArea = false;
  bool FDrawLine = false;
  bool FInvertedStairs = false;
  bool FStairs = false;
  bool FDirectDrawing = true;

  // Carried from one point to the next while drawing.
  int FPrevX = 0, FPrevY = 0;
  int FBasePos = 0, FPrevBasePos = 0;
  TColor FPrevColor = clNone;
  // False until this paint has placed a previous point: a first point too far off to draw
  // must not join the next one to a point of an earlier paint.
  bool FPrevValid = false;
};

}  // namespace chart

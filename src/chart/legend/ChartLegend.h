// The legend: a framed box beside the plotting area listing the active series (or the
// points of the first one), each entry a colour box drawn by its series and a text. Drawing
// it takes its room off the chart rectangle; the box is kept for the click test.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartFontObject.h"
#include "chart/canvas/ChartPen.h"
#include "chart/core/Color.h"
#include "chart/core/Geometry.h"
#include "chart/legend/LegendTypes.h"
#include "chart/series/ChartSeries.h"

namespace chart {

class TCustomChart;

class TCustomChartLegend : public TChartFontObject {
 public:
  explicit TCustomChartLegend(TCustomChart& chart);

  // --- properties (LegendProperties.cpp) ------------------------------------------------
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  TLegendAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TLegendAlignment v);
  TLegendStyle LegendStyle() const { return FLegendStyle; }
  void SetLegendStyle(TLegendStyle v);
  TLegendTextStyle TextStyle() const { return FTextStyle; }
  void SetTextStyle(TLegendTextStyle v);
  // Background of the box.
  TColor Color() const { return FColor; }
  void SetColor(TColor v);
  TChartBrush& Brush() { return FBrush; }
  TChartPen& Frame() { return FFrame; }
  TChartHiddenPen& DividingLines() { return FDividingLines; }
  // Width of the colour boxes in percent of the widest entry: 0 .. 100.
  int ColorWidth() const { return FColorWidth; }
  void SetColorWidth(int v);
  // Index of the first entry shown: 0 or more.
  int FirstValue() const { return FFirstValue; }
  void SetFirstValue(int v);
  bool Inverted() const { return FInverted; }
  void SetInverted(bool v);
  // Row limit of a top or bottom legend.
  int MaxNumRows() const { return FMaxNumRows; }
  void SetMaxNumRows(int v);
  // Percent, 0 .. 100: of the drawing's height down from its top (left and right legends),
  // of the free width to the right (top and bottom legends).
  int TopPos() const { return FTopPos; }
  void SetTopPos(int v);
  // Gap to the chart rectangle; 0 means 3 % of the chart width or 4 % of its height.
  int HorizMargin() const { return FHorizMargin; }
  void SetHorizMargin(int v);
  int VertMargin() const { return FVertMargin; }
  void SetVertMargin(int v);
  // Shrink the chart rectangle by the box.
  bool ResizeChart() const { return FResizeChart; }
  void SetResizeChart(bool v);
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor v);
  // Offset of the drop shadow in pixels; 0 draws none.
  int ShadowSize() const { return FShadowSize; }
  void SetShadowSize(int v);

  bool Vertical() const { return FAlignment == laLeft || FAlignment == laRight; }

  // LegendStyle with lsAuto resolved for the chart as it is now (LegendEntries.cpp).
  TLegendStyle ResolvedStyle() const;

  // --- the last drawing (LegendLayout.cpp, LegendDraw.cpp) ------------------------------
  // Draws the legend and takes its room off the chart rectangle; nothing when no entry fits.
  void Draw();
  TLegendStyle EffectiveLegendStyle() const { return FEffectiveStyle; }
  int ColorBoxWidth() const { return FColorBoxWidth; }
  int ColumnCount() const { return FColumnCount; }
  int RowCount() const { return FRowCount; }
  // The box of the last drawing (before the frame grows it); empty when nothing was drawn.
  const TRect& LegendBounds() const { return FLegendBounds; }

  // --- click (LegendClick.cpp) -----------------------------------------------------------
  // The slot under the point in the last drawn box (row, or column + row x columns), -1
  // when none.
  int Clicked(int x, int y) const;

 private:
  // The series the entries come from, gathered once per drawing, and the number of
  // entries from FirstValue on.
  void CollectSeries();
  int CollectedEntryCount() const;
  // Fills FText with the text of entry index, the event applied.
  void ComposeText(int index);
  int WidestText(int first, int count);
  // Places the box, the text column and the counts; false when no entry can be shown.
  bool Place(int count);
  bool PlaceVertical(int count);
  bool PlaceHorizontal(int count);
  void DrawBox();
  void DrawEntries(int count);
  void DrawSymbol(int index, const TRect& rect);
  void ShrinkChartRect();

  TCustomChart& FChart;
  TChartBrush FBrush;
  TChartPen FFrame;
  TChartHiddenPen FDividingLines;
  TColor FColor = clWhite;
  TColor FShadowColor = clBlack;
  int FColorWidth = 12;
  int FFirstValue = 0;
  int FMaxNumRows = 10;
  int FTopPos = 10;
  int FHorizMargin = 0;
  int FVertMargin = 0;
  int FShadowSize = 3;
  TLegendAlignment FAlignment = laRight;
  TLegendStyle FLegendStyle = lsAuto;
  TLegendTextStyle FTextStyle = ltsLeftValue;
  bool FVisible = true;
  bool FInverted = false;
  bool FResizeChart = true;

  // State of the last drawing; the click test reads it.
  TLegendStyle FEffectiveStyle = lsSeries;
  int FColorBoxWidth = 0;
  int FColumnCount = 0;
  int FRowCount = 0;
  TLegendAlignment FDrawnAlignment = laRight;
  bool FDrawnVertical = true;
  TRect FLegendBounds;
  // Working values of one drawing, kept so that a paint allocates nothing once warm.
  std::vector<TChartSeries*> FListed;
  TChartSeries* FFirstActive = nullptr;
  std::string FText;
  int FFontHeight = 0;
  int FItemWidth = 0;
  int FTextX = 0;
};

// The legend a chart owns.
class TChartLegend final : public TCustomChartLegend {
 public:
  using TCustomChartLegend::TCustomChartLegend;
};

}  // namespace chart

// The marks of a series: a text box beside each point showing its value, label or share
// of the total, with an optional frame and an arrow from the point to the box. The marks
// remember where each box went, so a position the program fixed stays put.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/canvas/ChartPen.h"
#include "chart/canvas/Font.h"
#include "chart/core/Color.h"
#include "chart/core/Geometry.h"

namespace chart {

class TChartSeries;

enum TSeriesMarksStyle : std::uint8_t {
  smsValue,
  smsPercent,
  smsLabel,
  smsLabelPercent,
  smsLabelValue,
  smsLegend,
  smsPercentTotal,
  smsLabelPercentTotal,
  smsXValue,
};

// Where one mark went: the arrow from the point, and the box (right and bottom exclusive).
struct TSeriesMarkPosition {
  TPoint ArrowFrom;
  TPoint ArrowTo;
  // Set by the program: later paints keep this position instead of computing one.
  bool Custom = false;
  TPoint LeftTop;
  int Height = 0;
  int Width = 0;

  // Takes every field but Custom.
  void Assign(const TSeriesMarkPosition& source);
  // Moves the box and the arrow's end up by `pixels` (line-type series lift their marks by
  // ArrowLength), saturating at the drawable range.
  void LiftBy(int pixels);
  TRect Bounds() const;
};

// One entry per point index; an entry is empty until its point's mark is drawn or the
// program sets it.
class TSeriesMarksPositions {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  // The entry at index, or null when it is empty or beyond the list.
  TSeriesMarkPosition* Position(int index);
  const TSeriesMarkPosition* Position(int index) const;
  // The entry at index (index >= 0), made with Custom False when missing.
  TSeriesMarkPosition& Ensure(int index);
  void Clear() { FItems.clear(); }
  // Drops the entries of deleted points, so the later ones stay with their points.
  void Delete(int start, int quantity);

 private:
  std::vector<std::optional<TSeriesMarkPosition>> FItems;
};

class TSeriesMarks {
 public:
  explicit TSeriesMarks(TChartSeries& series);
  TSeriesMarks(const TSeriesMarks&) = delete;
  TSeriesMarks& operator=(const TSeriesMarks&) = delete;

  TChartSeries& ParentSeries() const { return FSeries; }

  // --- properties ----------------------------------------------------------------------
  TChartArrowPen& Arrow() { return FArrow; }
  const TChartArrowPen& Arrow() const { return FArrow; }
  // Pixels a line-type series lifts the box above its point.
  int ArrowLength() const { return FArrowLength; }
  void SetArrowLength(int v);
  TColor BackColor() const { return FBackColor; }
  void SetBackColor(TColor v);
  bool Clip() const { return FClip; }
  void SetClip(bool v);
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  // False while the font is still the default chart font.
  bool IsFontStored() const;
  TChartPen& Frame() { return FFrame; }
  const TChartPen& Frame() const { return FFrame; }
  TSeriesMarksStyle Style() const { return FStyle; }
  void SetStyle(TSeriesMarksStyle v);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  // Depth of the arrow and box in a 3D view.
  int ZPosition() const { return FZPosition; }
  void SetZPosition(int v) { FZPosition = v; }

  TSeriesMarksPositions& Positions() { return FPositions; }
  const TSeriesMarksPositions& Positions() const { return FPositions; }
  // The remembered position of a point, made when missing; EListError for an index that
  // is not a point of the series. Set Custom on it to keep it where the program puts it.
  TSeriesMarkPosition& PositionOf(int index);

  // Every setting of another series' marks (not its positions).
  void Assign(const TSeriesMarks& source);

  // --- texts ---------------------------------------------------------------------------
  // The text of point index by Style, passed through the series' OnGetMarkText.
  std::string MarkText(int index);
  // The same with the series' absolute total already known (one pass per paint).
  std::string MarkText(int index, double absTotal);
  // Whether Style needs the absolute total.
  bool StyleUsesTotal() const;

  // --- drawing -------------------------------------------------------------------------
  // Every visible, non-null point's mark, through the series' DrawMark.
  void DrawMarks();
  // One mark at the position computed for it (or the remembered custom one).
  void DrawMark(int index, const std::string& text, TSeriesMarkPosition& position);

  // The arrow takes black (white on a black chart) when it would vanish against the
  // point's colour or the chart's. On unless switched off for every chart.
  static bool ArrowContrast;

 private:
  void Changed() const;

  TChartSeries& FSeries;
  TChartArrowPen FArrow;
  TChartPen FFrame;
  TFont FFont;
  TSeriesMarksPositions FPositions;
  // The font height while the marks of a paint are drawn; -1 otherwise.
  int FLineHeight = -1;
  int FArrowLength = 8;
  int FZPosition = 0;
  TColor FBackColor = RGB(255, 255, 128);
  TSeriesMarksStyle FStyle = smsLabel;
  bool FClip = false;
  bool FTransparent = false;
  bool FVisible = false;
};

}  // namespace chart

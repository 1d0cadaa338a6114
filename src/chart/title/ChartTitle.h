// A block of text lines above (Title) or below (Foot) the plotting area. Drawing it takes
// its height off the chart rectangle.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chart/canvas/ChartBrush.h"
#include "chart/canvas/ChartFontObject.h"
#include "chart/canvas/ChartPen.h"
#include "chart/core/Color.h"
#include "chart/core/Geometry.h"

namespace chart {

class TCustomAxisPanel;

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// Pixels between a title box and the chart rectangle.
inline constexpr int TitleGap = 5;

class TChartTitle : public TChartFontObject {
 public:
  explicit TChartTitle(TCustomAxisPanel& chart);

  const std::vector<std::string>& Text() const { return FText; }
  void SetText(std::vector<std::string> lines);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  TColor Color() const { return FColor; }
  void SetColor(TColor v);
  TChartBrush& Brush() { return FBrush; }
  TChartHiddenPen& Frame() { return FFrame; }
  bool AdjustFrame() const { return FAdjustFrame; }
  void SetAdjustFrame(bool v);

  // The font values that count as default when the chart is stored.
  static constexpr TColor FontDefaultColor = clBlue;
  bool IsFontStored() const;

  // The box of the last drawn title (the click test uses it).
  const TRect& TitleBounds() const { return FTitleBounds; }
  // Draws the lines at the top (Title) or bottom (Foot) of the chart rectangle and moves
  // that edge of the rectangle past them.
  void Draw(bool onTop);
  // True when the title is visible and the point lies in its last drawn box.
  bool Clicked(int x, int y) const;

  void Assign(const TChartTitle& other);

 private:
  TCustomAxisPanel& FChart;
  std::vector<std::string> FText;
  TAlignment FAlignment = taCenter;
  bool FVisible = true;
  TColor FColor = clDefault;
  TChartBrush FBrush;
  TChartHiddenPen FFrame;
  bool FAdjustFrame = true;
  TRect FTitleBounds;
};

}  // namespace chart

// Base of chart elements that own a font (titles, axis titles, legend): one font, created
// as the default chart font, whose changes repaint the parent chart.
#pragma once

#include "chart/canvas/ChartFont.h"
#include "chart/canvas/Font.h"

#include <functional>

namespace chart {

class TChartFontObject {
 public:
  // `repaintParent` asks the parent chart to repaint; `services` decides the default font.
  explicit TChartFontObject(std::function<void()> repaintParent, const TPlatformServices* services = nullptr);
  virtual ~TChartFontObject() = default;
  TChartFontObject(const TChartFontObject&) = delete;
  TChartFontObject& operator=(const TChartFontObject&) = delete;

  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  // Assigning a font copies it (and repaints when it differed).
  void SetFont(const TFont& font) { FFont.Assign(font); }

  void Repaint() const { if (FRepaintParent) FRepaintParent(); }
  void SetRepaintParent(std::function<void()> repaintParent) { FRepaintParent = std::move(repaintParent); }

 private:
  std::function<void()> FRepaintParent;
  TFont FFont;
};

}  // namespace chart

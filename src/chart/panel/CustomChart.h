// The chart with titles, walls and the legend: it fills in the layout steps of the paint
// sequence (headings, axis layout, series margins, walls).
#pragma once

#include <cstdint>
#include <memory>

#include "chart/panel/CustomAxisPanel.h"
#include "chart/title/ChartTitle.h"
#include "chart/walls/ChartWall.h"

namespace chart {

enum TLegendAlignment : std::uint8_t { laLeft, laRight, laTop, laBottom };

class TCustomChart : public TCustomAxisPanel {
 public:
  TCustomChart();
  ~TCustomChart() override;

  TChartTitle& Title() { return *FTitle; }
  TChartTitle& Foot() { return *FFoot; }
  TChartWall& BackWall() { return *FBackWall; }
  TChartWall& LeftWall() { return *FLeftWall; }
  TChartWall& BottomWall() { return *FBottomWall; }

  // The back wall's colour. Set at run time on a chart shown in a window, it also makes
  // the back wall's brush solid so that the colour shows.
  TColor BackColor() const { return FBackWall->Color(); }
  void SetBackColor(TColor v);
  // The back wall's pen.
  TChartPen& Frame() { return FBackWall->Pen(); }
  // Draw the background picture inside the back wall instead of over the whole panel.
  bool BackImageInside() const { return FBackImageInside; }
  void SetBackImageInside(bool v);

  // The legend takes part in the headings; these seams answer for it until it exists.
  virtual bool LegendVisible() const { return false; }
  virtual TLegendAlignment LegendAlignment() const { return laRight; }
  virtual void DrawLegend() {}

  // Steps of the paint sequence.
  void LayoutAxes() override;
  void ApplySeriesMargins() override;
  int WallThickness(const TCustomChartAxis& axis) override;
  void DrawHeadings() override;
  void PaintWalls() override;
  void DrawBackImage(const TRect& rect) override;

 protected:
  TColor BackWallColor() const override { return FBackWall->Color(); }

 private:
  // Created in this order; the legend comes between the left and the bottom wall.
  std::unique_ptr<TChartTitle> FTitle;
  std::unique_ptr<TChartTitle> FFoot;
  std::unique_ptr<TChartWall> FBackWall;
  std::unique_ptr<TChartWall> FLeftWall;
  std::unique_ptr<TChartWall> FBottomWall;
  bool FBackImageInside = false;
};

}  // namespace chart

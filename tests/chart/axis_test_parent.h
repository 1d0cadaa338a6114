// A stand-in chart for axis tests: fixed series extremes, a settable chart rectangle, a
// repaint counter and fixed text metrics (7 pixels per character, 13 pixels per line).
#pragma once

#include <cstdio>
#include <string>

#include "chart/axis/AxisParent.h"

namespace chart::testing {

class TAxisTestParent : public TAxisParent {
 public:
  double MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;
  bool DateTime = false;
  bool Loading = false;
  TRect Rect{0, 0, 0, 0};
  int Depth = 0;
  int Invalidations = 0;
  int CharWidth = 7;
  int FontHeight = 13;
  int FixedTextWidth = -1;  // when >= 0, every text measures this wide

  double ChartMinX(const TCustomChartAxis&) override { return MinX; }
  double ChartMaxX(const TCustomChartAxis&) override { return MaxX; }
  double ChartMinY(const TCustomChartAxis&) override { return MinY; }
  double ChartMaxY(const TCustomChartAxis&) override { return MaxY; }
  bool AxisSeriesAreDateTime(const TCustomChartAxis&) override { return DateTime; }
  TRect AxisChartRect() const override { return Rect; }
  int ChartDepth3D() const override { return Depth; }
  void InvalidateChart() override { ++Invalidations; }
  bool IsLoading() const override { return Loading; }
  int MeasureTextWidth(std::string_view text) override {
    return FixedTextWidth >= 0 ? FixedTextWidth : CharWidth * static_cast<int>(text.size());
  }
  int MeasureFontHeight() override { return FontHeight; }
  int Wall = 0;
  TAxisLabelStyle AutoStyle = talValue;
  int AppliedFonts = 0;

  void ApplyFont(TFont&) override { ++AppliedFonts; }
  int WallThickness(const TCustomChartAxis&) override { return Wall; }
  TAxisLabelStyle AutoLabelStyle(const TCustomChartAxis&) override { return AutoStyle; }
  int MaxLabelTextWidth() override { return 0; }
  int MaxMarkTextWidth() override { return 0; }
  std::string FormatAxisLabel(const TCustomChartAxis&, double value, bool = true) override {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", value);
    return buf;
  }
};

}  // namespace chart::testing

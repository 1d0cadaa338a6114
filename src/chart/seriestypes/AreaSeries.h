// The area series: the line filled down to its base, which is the bottom of the vertical
// axis or, stacked, the top of the area series before it.
#pragma once

#include <cstdint>
#include <vector>

#include "chart/seriestypes/CustomSeries.h"
#include "chart/seriestypes/SeriesStack.h"

namespace chart {

enum TMultiArea : std::uint8_t { maNone, maStacked, maStacked100 };

class TAreaSeries : public TCustomSeries {
 public:
  TAreaSeries();
  bool AllowSinglePoint() const override { return false; }

  // Shared: setting it sets every area series on the chart.
  TMultiArea MultiArea() const { return FMultiArea; }
  void SetMultiArea(TMultiArea v);

  // Takes the settings of another series (not its points) and stays an area.
  void Assign(const TChartSeries& source) override;

  // What the active area series before this one stack under point index (their positive
  // values), and the same sum over all of them.
  double StackOrigin(int index) const;
  double StackTotal(int index) const;

  int YPixel(int index) const override;
  int OriginPixel(int index) const override;
  // The range the axes see: the stacks' tops with maStacked, 0 .. 100 with maStacked100.
  double MinY() const override;
  double MaxY() const override;

  // Stacked areas share the slot of the first earlier stacked area.
  int TakeDepthOrder(int next, int largest) const override;
  void DrawVisiblePoints() override;
  // A box filled and outlined as the area is, under the marker when that is shown.
  void DrawLegendSymbol(TCanvas3D& canvas, const TRect& rect, TColor color) override;

 protected:
  bool AreaPixels(const TPointPixelMapper& map, int first, int n, TPoint* tops, int* bases, int reach) override;

 private:
  bool Stacked() const { return FMultiArea != maNone; }
  // The layers are gathered once per paint; outside a paint on every question, as the
  // other series may have changed meanwhile.
  void CollectStack() const;
  void EnsureStack() const {
    if (!FStackHeld) CollectStack();
  }
  // The pixel of a point of the given value standing on the stack at index.
  int StackedPixel(int index, double value) const;

  TMultiArea FMultiArea = maNone;
  mutable TSeriesStack FStack;
  bool FStackHeld = false;
};

}  // namespace chart

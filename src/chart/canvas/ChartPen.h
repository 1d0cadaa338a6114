// Pens of chart elements: the plain pen plus Visible and SmallDots, and five descendants
// that differ only in their defaults.
#pragma once

#include "chart/canvas/Pen.h"

namespace chart {

class TChartPen : public TPen {
 public:
  explicit TChartPen(std::function<void()> onChange = {}) : TPen(std::move(onChange)) {}
  TChartPen(const TChartPen& other) : TPen(other), FVisible(other.FVisible), FSmallDots(other.FSmallDots) {}
  TChartPen& operator=(const TChartPen& other) { Assign(other); return *this; }

  // False: anything drawn with this pen has no outline.
  bool Visible() const { return FVisible; }
  // True with Width 1: lines set every other pixel.
  bool SmallDots() const { return FSmallDots; }
  void SetVisible(bool v) { if (v != FVisible) { FVisible = v; Changed(); } }
  void SetSmallDots(bool v) { if (v != FSmallDots) { FSmallDots = v; Changed(); } }

  // From another chart pen, Visible and SmallDots are copied first, then the plain attributes.
  void Assign(const TPen& source) override;

 protected:
  void InitVisible(bool v) { FVisible = v; }

 private:
  bool FVisible = true;
  bool FSmallDots = false;
};

// Title frame, minor grid, legend dividing lines.
class TChartHiddenPen : public TChartPen {
 public:
  explicit TChartHiddenPen(std::function<void()> onChange = {}) : TChartPen(std::move(onChange)) {
    InitVisible(false);
  }
};

// Axis grid.
class TDottedGrayPen : public TChartPen {
 public:
  explicit TDottedGrayPen(std::function<void()> onChange = {}) : TChartPen(std::move(onChange)) {
    InitDefaults(clGray, psDot, 1);
  }
};

// Axis ticks.
class TDarkGrayPen : public TChartPen {
 public:
  explicit TDarkGrayPen(std::function<void()> onChange = {}) : TChartPen(std::move(onChange)) {
    InitDefaults(clGray, psSolid, 1);
  }
};

// Axis line.
class TChartAxisPen : public TChartPen {
 public:
  explicit TChartAxisPen(std::function<void()> onChange = {}) : TChartPen(std::move(onChange)) {
    InitDefaults(clBlack, psSolid, 2);
  }
};

// Arrows of series marks.
class TChartArrowPen : public TChartPen {
 public:
  explicit TChartArrowPen(std::function<void()> onChange = {}) : TChartPen(std::move(onChange)) {
    InitDefaults(clWhite, psSolid, 1);
  }
};

}  // namespace chart

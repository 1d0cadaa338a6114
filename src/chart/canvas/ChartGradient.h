// The background gradient of a chart.
#pragma once

#include "chart/core/Color.h"

#include <cstdint>
#include <functional>

namespace chart {

enum TGradientDirection : std::uint8_t {
  gdTopBottom,
  gdBottomTop,
  gdLeftRight,
  gdRightLeft,
  gdFromCenter,
  gdFromTopLeft,
  gdFromBottomLeft,
};

class TChartGradient {
 public:
  explicit TChartGradient(std::function<void()> onChange = {}) : OnChange(std::move(onChange)) {}

  TGradientDirection Direction() const { return FDirection; }
  TColor StartColor() const { return FStartColor; }
  TColor EndColor() const { return FEndColor; }
  bool Visible() const { return FVisible; }

  void SetDirection(TGradientDirection v) { if (v != FDirection) { FDirection = v; Changed(); } }
  void SetStartColor(TColor v) { if (v != FStartColor) { FStartColor = v; Changed(); } }
  void SetEndColor(TColor v) { if (v != FEndColor) { FEndColor = v; Changed(); } }
  void SetVisible(bool v) { if (v != FVisible) { FVisible = v; Changed(); } }

  void Assign(const TChartGradient& source) {
    if (&source == this) return;
    if (FDirection == source.FDirection && FStartColor == source.FStartColor &&
        FEndColor == source.FEndColor && FVisible == source.FVisible)
      return;
    FDirection = source.FDirection;
    FStartColor = source.FStartColor;
    FEndColor = source.FEndColor;
    FVisible = source.FVisible;
    Changed();
  }

  std::function<void()> OnChange;

 private:
  void Changed() { if (OnChange) OnChange(); }

  TGradientDirection FDirection = gdTopBottom;
  TColor FStartColor = clWhite;
  TColor FEndColor = clYellow;
  bool FVisible = false;
};

}  // namespace chart

// The chart with titles, walls and legend. For now it holds the back wall's colour,
// which the series colour rule must avoid.
#pragma once

#include "chart/panel/CustomAxisPanel.h"

namespace chart {

class TCustomChart : public TCustomAxisPanel {
 public:
  TCustomChart() = default;
  ~TCustomChart() override = default;

  // The back wall's colour; clDefault lets the wall take the chart's colour.
  TColor BackColor() const { return FBackColor; }
  void SetBackColor(TColor v);

 protected:
  TColor BackWallColor() const override { return FBackColor; }

 private:
  TColor FBackColor = clDefault;
};

}  // namespace chart

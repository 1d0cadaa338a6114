// The title of an axis: a caption in its own font, turned by an angle.
#pragma once

#include <functional>
#include <string>

#include "chart/canvas/ChartFontObject.h"

namespace chart {

class TChartAxisTitle : public TChartFontObject {
 public:
  TChartAxisTitle(std::function<void()> repaintParent, int defaultAngle)
      : TChartFontObject(std::move(repaintParent)), FAngle(defaultAngle), FDefaultTitleAngle(defaultAngle) {}

  int Angle() const { return FAngle; }
  // 0 .. 359 degrees; anything else raises the chart error.
  void SetAngle(int v);
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& v) {
    if (v == FCaption) return;
    FCaption = v;
    Repaint();
  }
  int DefaultTitleAngle() const { return FDefaultTitleAngle; }
  // An angle equal to the axis's default is not written with the form.
  bool IsAngleStored() const { return FAngle != FDefaultTitleAngle; }

  void Assign(const TChartAxisTitle& other) {
    SetFont(other.Font());
    FAngle = other.FAngle;
    FCaption = other.FCaption;
  }

 private:
  int FAngle;
  int FDefaultTitleAngle;
  std::string FCaption;
};

}  // namespace chart

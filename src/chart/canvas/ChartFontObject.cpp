#include "chart/canvas/ChartFontObject.h"

namespace chart {

TChartFontObject::TChartFontObject(std::function<void()> repaintParent, const TPlatformServices* services)
    : FRepaintParent(std::move(repaintParent)) {
  SetDefaultChartFont(FFont, services);
  // Hooked after the defaults are set, so construction itself repaints nothing.
  FFont.OnChange = [this] { Repaint(); };
}

}  // namespace chart

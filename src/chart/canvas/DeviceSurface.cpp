#include "chart/canvas/DeviceSurface.h"

namespace chart {

TDeviceSurface::TDeviceSurface() {
  FPen.OnChange = [this] { StateChanged(TState::Pen); };
  FBrush.OnChange = [this] { StateChanged(TState::Brush); };
  FFont.OnChange = [this] { StateChanged(TState::Font); };
}

}  // namespace chart

#include "chart/canvas/Canvas3D.h"

namespace chart {

void TCanvas3D::CopySettingsFrom(const TCanvas3D& other) { SetIsMonochrome(other.IsMonochrome()); }

}  // namespace chart

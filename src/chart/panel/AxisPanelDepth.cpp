// The depth switch of a chart with series: each active series in a slot of its own, or
// all of them over the whole depth.
#include "chart/core/Store.h"
#include "chart/panel/CustomAxisPanel.h"

namespace chart {

void TCustomAxisPanel::SetApplyZOrder(bool v) { if (Store(FApplyZOrder, v)) InvalidateChart(); }

}  // namespace chart

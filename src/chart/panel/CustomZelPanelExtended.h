// The panel with background decoration and the zoom and panning switches. It adds
// nothing yet beyond the panel; the chain is kept so that what grows here stays here.
#pragma once

#include "chart/panel/CustomZelPanel.h"

namespace chart {

class TCustomZelPanelExtended : public TCustomZelPanel {
 public:
  TCustomZelPanelExtended() = default;
  ~TCustomZelPanelExtended() override = default;
};

}  // namespace chart

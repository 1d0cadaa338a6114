// The chart engine's start-up and finalisation, run once each by the program before any
// window exists and after the last one is gone. Both are counted: only the first init
// and the done that balances it do any work, so repeated requests change nothing.
#pragma once

namespace chart {

// In order: the hand cursor as screen cursor crZelHand; the engine's classes into the
// class registry; the calculation functions; the standard series types.
void ChartModulesInit();
// The reverse: the type list and the class registry are emptied, the cursor removed.
void ChartModulesDone();

}  // namespace chart

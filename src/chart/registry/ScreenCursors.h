// The screen's cursor list. Positive numbers name cursors installed at run time (the
// engine's hand, crZelHand, at start-up); the platform asks what a number shows.
#pragma once

#include "chart/core/ChartHost.h"

namespace chart {

// From now on `number` shows the stock shape `shape`.
void InstallScreenCursor(TCursor number, TCursor shape);
void RemoveScreenCursor(TCursor number);
// The stock shape a cursor shows: a stock shape itself, an installed number its shape,
// any other number the default cursor.
TCursor ScreenCursor(TCursor cursor);

}  // namespace chart

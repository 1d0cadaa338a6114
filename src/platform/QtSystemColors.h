// Interface colours from the application's palette, read at the moment of the call.
#pragma once

#include "chart/core/Color.h"

namespace platform {

// RGB of the interface colour with palette index `index` (clBtnFace is 15, ...), taken from
// the application's current palette; unknown indices give the button face colour.
chart::TColor QtSystemColor(int index);

}  // namespace platform

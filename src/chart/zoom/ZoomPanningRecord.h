// The state of one mouse drag (zoom or panning): where it started, the last pointer
// position seen, and whether it is in progress.
#pragma once

#include <cstdint>
#include <utility>

namespace chart {

struct TZoomPanningRecord {
  std::int32_t FromX = 0;
  std::int32_t FromY = 0;
  std::int32_t ToX = 0;
  std::int32_t ToY = 0;
  bool Dragging = false;

  void StartDrag(std::int32_t x, std::int32_t y) {
    FromX = ToX = x;
    FromY = ToY = y;
    Dragging = true;
  }
  // Puts the smaller coordinates in From: the rectangle reads top-left to bottom-right.
  void Normalize() {
    if (FromX > ToX) std::swap(FromX, ToX);
    if (FromY > ToY) std::swap(FromY, ToY);
  }
};

}  // namespace chart

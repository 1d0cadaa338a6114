// Shading of the sides of 3D solids and walls: a colour with every channel lowered.
#pragma once

#include <algorithm>

#include "chart/core/Color.h"

namespace chart {

// How much darker the sides facing left or right, and the tops and bottoms, are drawn.
inline constexpr int DarkSideQuantity = 64;
inline constexpr int DarkTopQuantity = 32;

// An RGB colour (already resolved) with each channel lowered by quantity, at least 0.
constexpr TColor ApplyDark(TColor color, int quantity) {
  auto channel = [&](int shift) {
    const int c = static_cast<int>((color >> shift) & 0xFF);
    return static_cast<TColor>(std::max(0, c - quantity)) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

static_assert(ApplyDark(0x00FFFFFF, 64) == 0x00BFBFBF);
static_assert(ApplyDark(0x00102030, 32) == 0x00000010);

}  // namespace chart

// The default palette: the colours given, in turn, to series and points that have no
// colour of their own.
#pragma once

#include <array>

#include "chart/core/Color.h"

namespace chart {

inline constexpr std::array<TColor, 16> DefaultPalette = {
    clRed,  clGreen,  clYellow, clBlue,  clWhite,  clGray,   clFuchsia, clTeal,
    clNavy, clMaroon, clLime,   clOlive, clPurple, clSilver, clAqua,    clBlack,
};

// Entry (index mod 16) + 1 of the 1-based table. A negative index wraps the same way
// (-1 gives the last entry) so that no index can read outside the table.
constexpr TColor PaletteColor(int index) {
  const int n = static_cast<int>(DefaultPalette.size());
  const int i = index % n;
  return DefaultPalette[static_cast<std::size_t>(i < 0 ? i + n : i)];
}

static_assert(PaletteColor(0) == clRed && PaletteColor(15) == clBlack);
static_assert(PaletteColor(16) == clRed && PaletteColor(-1) == clBlack);

}  // namespace chart

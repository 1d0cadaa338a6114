// The pixel range a line-like series draws in: the toolkit's coordinates end here.
#pragma once

namespace chart {

inline constexpr int MaxDrawable = 32766;
constexpr bool OffDrawable(int x, int y) { return x < -MaxDrawable || x > MaxDrawable || y < -MaxDrawable || y > MaxDrawable; }

}  // namespace chart

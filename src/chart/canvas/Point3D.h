// A point with a depth coordinate, for the canvas operations that take one.
#pragma once

namespace chart {

struct TPoint3D {
  int X = 0;
  int Y = 0;
  int Z = 0;
  friend constexpr bool operator==(const TPoint3D&, const TPoint3D&) = default;
};

}  // namespace chart

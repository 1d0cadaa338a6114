// The stretch of mapped points that lie in one pixel column, and the rows it spans: the
// loop that carries every point of dense data.
#pragma once

#include "chart/core/Geometry.h"

namespace chart {

// The first index from `from` (below `size`) whose point leaves column x; low and high are
// widened by the rows of the points passed.
int ScanColumn(const TPoint* points, int from, int size, int x, int& low, int& high);

}  // namespace chart

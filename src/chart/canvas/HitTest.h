// Hit-test geometry used by the series and legend hit tests.
#pragma once

#include "chart/core/Geometry.h"

#include <span>

namespace chart {

// True when P lies on the line through p and q (integer collinearity) and not beyond either
// end by more than `tolerance` along x or y. A zero-length segment contains no point.
bool PointOnSegment(TPoint P, TPoint p, TPoint q, int tolerance);

// Crossing rule over points[0..lastIndex]; False for a negative last index. Indices beyond
// the span are not read.
bool PolygonContains(TPoint P, std::span<const TPoint> points, int lastIndex);

// Inside or on the ellipse inscribed in the box; False when the box has no width or height.
bool EllipseContains(TPoint P, const TRect& box);

// The triangle (x0, y0), ((x0 + x1) div 2, y1), (x1, y0).
bool TriangleContains(TPoint P, int x0, int x1, int y0, int y1);

// The triangle (x0, y0), (x1, (y0 + y1) div 2), (x0, y1).
bool SideTriangleContains(TPoint P, int y0, int y1, int x0, int x1);

}  // namespace chart

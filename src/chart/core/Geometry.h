// Small integer geometry in the chart's drawing coordinates (y grows downwards).
#pragma once

#include <algorithm>

namespace chart {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle covers columns Left..Right-1 and rows Top..Bottom-1 on the device.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(TPoint p) const {
    return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
  }
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
constexpr TPoint Point(int x, int y) { return {x, y}; }

// Moves every edge outwards by dx and dy (inwards when negative).
constexpr TRect InflateRect(TRect r, int dx, int dy) {
  return {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy};
}

// The part both rectangles cover (empty, IsEmpty, where they do not overlap).
constexpr TRect IntersectRect(const TRect& a, const TRect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

// Swaps edges so that Left <= Right and Top <= Bottom.
constexpr TRect NormalizeRect(TRect r) {
  if (r.Left > r.Right) { int t = r.Left; r.Left = r.Right; r.Right = t; }
  if (r.Top > r.Bottom) { int t = r.Top; r.Top = r.Bottom; r.Bottom = t; }
  return r;
}

}  // namespace chart

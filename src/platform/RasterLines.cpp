#include "platform/RasterLines.h"

#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {

constexpr std::uint8_t DashRuns[] = {18, 6};
constexpr std::uint8_t DotRuns[] = {3, 3};
constexpr std::uint8_t DashDotRuns[] = {9, 6, 3, 6};
constexpr std::uint8_t DashDotDotRuns[] = {9, 3, 3, 3, 3, 3};
constexpr std::uint8_t AlternateRuns[] = {1, 1};

inline void Put(const TPixelTarget& t, int x, int y, std::uint32_t color, chart::TPenMode mode) {
  std::uint32_t& d = t.Bits[static_cast<std::ptrdiff_t>(y) * t.Stride + x];
  d = mode == chart::pmCopy ? color : ApplyPenMode(mode, color, d);
}

}  // namespace

std::span<const std::uint8_t> PenStyleRuns(chart::TPenStyle style, bool alternate) {
  if (alternate) return AlternateRuns;
  switch (style) {
    case chart::psDash: return DashRuns;
    case chart::psDot: return DotRuns;
    case chart::psDashDot: return DashDotRuns;
    case chart::psDashDotDot: return DashDotDotRuns;
    default: return {};
  }
}

void RasterColumn(const TPixelTarget& t, int x, int y0, int y1, std::uint32_t color, chart::TPenMode mode) {
  if (x < t.Clip.Left || x >= t.Clip.Right) return;
  y0 = std::max(y0, t.Clip.Top);
  y1 = std::min(y1, t.Clip.Bottom - 1);
  if (y0 > y1) return;
  std::uint32_t* p = t.Bits + static_cast<std::ptrdiff_t>(y0) * t.Stride + x;
  if (mode == chart::pmCopy) {
    for (int y = y0; y <= y1; ++y, p += t.Stride) *p = color;
  } else {
    for (int y = y0; y <= y1; ++y, p += t.Stride) *p = ApplyPenMode(mode, color, *p);
  }
}

void RasterRow(const TPixelTarget& t, int x0, int x1, int y, std::uint32_t color, chart::TPenMode mode) {
  if (y < t.Clip.Top || y >= t.Clip.Bottom) return;
  x0 = std::max(x0, t.Clip.Left);
  x1 = std::min(x1, t.Clip.Right - 1);
  if (x0 > x1) return;
  std::uint32_t* p = t.Bits + static_cast<std::ptrdiff_t>(y) * t.Stride;
  if (mode == chart::pmCopy) {
    for (int x = x0; x <= x1; ++x) p[x] = color;
  } else {
    for (int x = x0; x <= x1; ++x) p[x] = ApplyPenMode(mode, color, p[x]);
  }
}

void RasterBox(const TPixelTarget& t, const chart::TRect& box, std::uint32_t color, chart::TPenMode mode) {
  const int x0 = std::max(box.Left, t.Clip.Left), x1 = std::min(box.Right, t.Clip.Right);
  const int y0 = std::max(box.Top, t.Clip.Top), y1 = std::min(box.Bottom, t.Clip.Bottom);
  if (x0 >= x1 || y0 >= y1) return;
  for (int y = y0; y < y1; ++y) {
    std::uint32_t* p = t.Bits + static_cast<std::ptrdiff_t>(y) * t.Stride;
    if (mode == chart::pmCopy) {
      std::fill(p + x0, p + x1, color);
    } else {
      for (int x = x0; x < x1; ++x) p[x] = ApplyPenMode(mode, color, p[x]);
    }
  }
}

void RasterLine(const TPixelTarget& t, int x0, int y0, int x1, int y1, std::uint32_t color, chart::TPenMode mode,
                const TLineStyle& style) {
  const long long dx = std::llabs(static_cast<long long>(x1) - x0);
  const long long dy = std::llabs(static_cast<long long>(y1) - y0);
  const int sx = x1 > x0 ? 1 : -1, sy = y1 > y0 ? 1 : -1;
  if (style.Runs.empty()) {
    // Solid axis-parallel lines are spans.
    if (dx == 0 && dy != 0) {
      if (sy > 0) RasterColumn(t, x0, y0, y1 - 1, color, mode);
      else RasterColumn(t, x0, y1 + 1, y0, color, mode);
      return;
    }
    if (dy == 0 && dx != 0) {
      if (sx > 0) RasterRow(t, x0, x1 - 1, y0, color, mode);
      else RasterRow(t, x1 + 1, x0, y0, color, mode);
      return;
    }
  }
  const long long steps = std::max(dx, dy);
  // Bresenham along the major axis; the error term decides the minor steps.
  const bool xMajor = dx >= dy;
  const long long major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
  // Only the steps whose major coordinate lies inside the clip can set a pixel, so the
  // work is bounded by the image, not by the line: skip to the first such step (the
  // minor coordinate and the error term there have a closed form) and stop after the last.
  const long long from = xMajor ? x0 : y0;
  const int dir = xMajor ? sx : sy;
  const long long lo = xMajor ? t.Clip.Left : t.Clip.Top, hi = xMajor ? t.Clip.Right : t.Clip.Bottom;
  const long long first = std::max(0LL, dir > 0 ? lo - from : from - (hi - 1));
  const long long last = std::min(steps, dir > 0 ? hi - from : from - lo + 1);
  if (first >= last) return;
  // Minor steps taken before step `first`, and the error term then (128-bit: the
  // products reach 2^65 for lines across the whole int range).
  const __int128 twoMinorFirst = static_cast<__int128>(2 * minor) * first;
  const long long taken = static_cast<long long>((twoMinorFirst + major - 1) / (2 * static_cast<__int128>(major)));
  long long err = static_cast<long long>(2 * minor - major + twoMinorFirst - static_cast<__int128>(2 * major) * taken);
  long long x = x0 + sx * (xMajor ? first : taken), y = y0 + sy * (xMajor ? taken : first);
  // The dash pattern, advanced by `first` pixels.
  std::size_t run = 0;
  int left = 0;
  if (!style.Runs.empty()) {
    long long period = 0;
    for (std::uint8_t r : style.Runs) period += r;
    long long into = period > 0 ? first % period : 0;
    while (run + 1 < style.Runs.size() && into >= style.Runs[run]) into -= style.Runs[run++];
    left = style.Runs[run] - static_cast<int>(into);
  }
  for (long long i = first; i < last; ++i) {
    const bool on = style.Runs.empty() || (run % 2) == 0;
    if ((on || style.OpaqueGaps) && x >= t.Clip.Left && x < t.Clip.Right && y >= t.Clip.Top && y < t.Clip.Bottom)
      Put(t, static_cast<int>(x), static_cast<int>(y), on ? color : style.GapColor, mode);
    if (!style.Runs.empty() && --left == 0) {
      run = (run + 1) % style.Runs.size();
      left = style.Runs[run];
    }
    if (err > 0) {
      if (xMajor) y += sy; else x += sx;
      err -= 2 * major;
    }
    err += 2 * minor;
    if (xMajor) x += sx; else y += sy;
  }
}

}  // namespace platform

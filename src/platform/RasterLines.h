// One-pixel lines and spans written straight into 32-bit pixels, with the sixteen raster
// operations and a rectangular clip. The device convention for lines (from A up to but not
// including B, in either direction) is exact here; the toolkit's own line drawing normalises
// the direction and so keeps the wrong end for lines drawn right-to-left or bottom-to-top.
#pragma once

#include "chart/canvas/GraphicsTypes.h"
#include "chart/core/Geometry.h"

#include <cstdint>
#include <span>

namespace platform {

// Pixels 0xAARRGGBB with alpha kept at 0xFF, `Stride` pixels per row.
struct TPixelTarget {
  std::uint32_t* Bits = nullptr;
  int Stride = 0;
  // Pixels outside this rectangle (right and bottom exclusive) are never written.
  chart::TRect Clip;
};

// The raster operation between pen P and screen D, on the colour bits; alpha stays opaque.
inline std::uint32_t ApplyPenMode(chart::TPenMode mode, std::uint32_t P, std::uint32_t D) {
  std::uint32_t r;
  switch (mode) {
    case chart::pmBlack: r = 0; break;
    case chart::pmWhite: r = ~0u; break;
    case chart::pmNop: r = D; break;
    case chart::pmNot: r = ~D; break;
    case chart::pmCopy: r = P; break;
    case chart::pmNotCopy: r = ~P; break;
    case chart::pmMergePenNot: r = P | ~D; break;
    case chart::pmMaskPenNot: r = P & ~D; break;
    case chart::pmMergeNotPen: r = ~P | D; break;
    case chart::pmMaskNotPen: r = ~P & D; break;
    case chart::pmMerge: r = P | D; break;
    case chart::pmNotMerge: r = ~(P | D); break;
    case chart::pmMask: r = P & D; break;
    case chart::pmNotMask: r = ~(P & D); break;
    case chart::pmXor: r = P ^ D; break;
    default: r = ~(P ^ D); break;  // pmNotXor
  }
  return r | 0xFF000000u;
}

// A dash pattern of alternating on and off runs (pixels), starting with "on". Gap pixels
// take `GapColor` when `OpaqueGaps`, and are left alone otherwise.
struct TLineStyle {
  std::span<const std::uint8_t> Runs;
  bool OpaqueGaps = false;
  std::uint32_t GapColor = 0;
};

// The runs of a cosmetic pen style, or an empty span for a solid line. Alternate pixels
// when `alternate`.
std::span<const std::uint8_t> PenStyleRuns(chart::TPenStyle style, bool alternate);

// Sets the pixels of the line from (x0, y0) up to but not including (x1, y1).
void RasterLine(const TPixelTarget& target, int x0, int y0, int x1, int y1, std::uint32_t color,
                chart::TPenMode mode, const TLineStyle& style);

// Sets the pixels (x, y0) .. (x, y1), both ends included, y0 <= y1.
void RasterColumn(const TPixelTarget& target, int x, int y0, int y1, std::uint32_t color, chart::TPenMode mode);

// Sets the pixels (x0, y) .. (x1, y), both ends included, x0 <= x1.
void RasterRow(const TPixelTarget& target, int x0, int x1, int y, std::uint32_t color, chart::TPenMode mode);

// Sets every pixel of the rectangle (right and bottom exclusive).
void RasterBox(const TPixelTarget& target, const chart::TRect& box, std::uint32_t color, chart::TPenMode mode);

}  // namespace platform

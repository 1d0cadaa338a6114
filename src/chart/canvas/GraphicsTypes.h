// Enumerations and flags shared by pens, brushes, fonts, the device surface and the canvas.
// Ordinals matter: they are stored and compared, so the order of each list is fixed.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace chart {

enum TPenStyle : std::uint8_t {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame,
};

// The sixteen binary raster operations between pen (P) and screen (D).
enum TPenMode : std::uint8_t {
  pmBlack,         // 0
  pmWhite,         // 1
  pmNop,           // D
  pmNot,           // ~D
  pmCopy,          // P
  pmNotCopy,       // ~P
  pmMergePenNot,   // P | ~D
  pmMaskPenNot,    // P & ~D
  pmMergeNotPen,   // ~P | D
  pmMaskNotPen,    // ~P & D
  pmMerge,         // P | D
  pmNotMerge,      // ~(P | D)
  pmMask,          // P & D
  pmNotMask,       // ~(P & D)
  pmXor,           // P ^ D
  pmNotXor,        // ~(P ^ D): drawing the same figure twice restores the screen
};

// True for modes where painting a pixel twice gives the same result as painting it once,
// so overlapping figures may be merged without changing a pixel.
constexpr bool IsIdempotentPenMode(TPenMode m) {
  switch (m) {
    case pmBlack: case pmWhite: case pmNop: case pmCopy: case pmNotCopy:
    case pmMergeNotPen: case pmMaskNotPen: case pmMerge: case pmMask:
      return true;
    default:
      return false;
  }
}

enum TBrushStyle : std::uint8_t {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross,
};

enum TFontStyle : std::uint8_t {
  fsBold,
  fsItalic,
  fsUnderline,
  fsStrikeOut,
};

// A set of font styles.
class TFontStyles {
 public:
  constexpr TFontStyles() = default;
  constexpr TFontStyles(std::initializer_list<TFontStyle> styles) {
    for (TFontStyle s : styles) Bits |= Bit(s);
  }
  constexpr bool Contains(TFontStyle s) const { return (Bits & Bit(s)) != 0; }
  constexpr bool Empty() const { return Bits == 0; }
  constexpr void Include(TFontStyle s) { Bits |= Bit(s); }
  constexpr void Exclude(TFontStyle s) { Bits &= static_cast<std::uint8_t>(~Bit(s)); }
  friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

 private:
  static constexpr std::uint8_t Bit(TFontStyle s) { return static_cast<std::uint8_t>(1u << s); }
  std::uint8_t Bits = 0;
};

enum TFontPitch : std::uint8_t { fpDefault, fpVariable, fpFixed };

// Character sets as the platform numbers them; 1 is the platform's default set.
inline constexpr int ANSI_CHARSET = 0;
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int SHIFTJIS_CHARSET = 128;

// Text alignment flags: a horizontal part plus a vertical part. The reference point of a
// text is the point of its box that the flags name.
inline constexpr unsigned TA_LEFT = 0;
inline constexpr unsigned TA_RIGHT = 2;
inline constexpr unsigned TA_CENTER = 6;
inline constexpr unsigned TA_TOP = 0;
inline constexpr unsigned TA_BOTTOM = 8;
inline constexpr unsigned TA_BASELINE = 24;
inline constexpr unsigned TA_HORIZONTAL_MASK = 6;
inline constexpr unsigned TA_VERTICAL_MASK = 24;

// Background behind text and hatch lines.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

struct TSize {
  int Width = 0;
  int Height = 0;
  friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

}  // namespace chart

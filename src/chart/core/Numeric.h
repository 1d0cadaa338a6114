// Numeric rules shared by the whole chart engine. They decide pixels, so they are exact:
// Round ties to even, Trunc drops the fraction, Div truncates towards zero, MulDiv rounds
// halves away from zero. No conversion here is undefined for NaN or huge values.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace chart {

// True when v converts to int without overflow (NaN does not).
inline bool FitsInt(double v) {
  return v >= static_cast<double>(std::numeric_limits<int>::min()) &&
         v <= static_cast<double>(std::numeric_limits<int>::max());
}

// True when v converts to int64 without overflow (NaN does not).
inline bool FitsInt64(double v) {
  return v >= -9223372036854775808.0 && v < 9223372036854775808.0;
}

// Saturating conversion of an already integral double: NaN gives 0.
inline std::int64_t SaturateToInt64(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 9223372036854775808.0) return std::numeric_limits<std::int64_t>::max();
  if (v < -9223372036854775808.0) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(v);
}

// Nearest integer, ties to even (the processor's default rounding). Saturates; NaN gives 0.
// Callers that must treat NaN or overflow specially test FitsInt/FitsInt64 first.
inline std::int64_t Round(double v) { return SaturateToInt64(std::nearbyint(v)); }

// Drops the fraction towards zero. Saturates; NaN gives 0.
inline std::int64_t Trunc(double v) { return SaturateToInt64(std::trunc(v)); }

// A 64-bit integer narrowed to int, saturating at the int range: pixel sums of property
// values (frame widths, margins, offsets) stay defined however large the values are.
inline int ClampToInt(std::int64_t v) {
  if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

// Pixel coordinates computed from property values stay within half the int range, so the
// width or height between any two of them, or a pixel more, is still an int.
inline constexpr int PixelLimit = std::numeric_limits<int>::max() / 2;
inline int ClampToPixel(std::int64_t v) {
  if (v > PixelLimit) return PixelLimit;
  if (v < -PixelLimit) return -PixelLimit;
  return static_cast<int>(v);
}

// Round and Trunc narrowed to int, saturating at the int range.
inline int RoundInt(double v) {
  const std::int64_t r = Round(v);
  if (r > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (r < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(r);
}
inline int TruncInt(double v) {
  const std::int64_t r = Trunc(v);
  if (r > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (r < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(r);
}

// Integer division truncating towards zero (C++ already does this); dividing by zero
// gives 0 instead of trapping, and INT_MIN / -1 saturates.
inline int Div(int a, int b) {
  if (b == 0) return 0;
  if (b == -1 && a == std::numeric_limits<int>::min()) return std::numeric_limits<int>::max();
  return a / b;
}

// a * b / c rounded to the nearest integer, halves away from zero, computed in 64 bits.
// Returns -1 when c is 0 or the result does not fit an int.
inline int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t num = static_cast<std::int64_t>(a) * b;
  std::int64_t q = num / c;
  const std::int64_t r = num % c;
  // |2r| >= |c| means the fraction is at least one half: round away from zero.
  const std::int64_t twiceR = r < 0 ? -2 * r : 2 * r;
  const std::int64_t absC = c < 0 ? -static_cast<std::int64_t>(c) : c;
  if (twiceR >= absC) q += ((num < 0) != (c < 0)) ? -1 : 1;
  if (q > std::numeric_limits<int>::max() || q < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(q);
}

}  // namespace chart

// The value-to-pixel mapping of one axis, prepared for a long run of values: for every
// value the very pixel ValueToXPixel or ValueToYPixel gives, at the cost of a multiply
// instead of a division and a library call. Where the multiply could land on the other
// side of a half pixel than the division (the offset lies within a hair of a tie), or the
// offset is large, the axis's own formula decides.
#pragma once

#include <cmath>
#include <cstdint>

#include "chart/axis/CustomChartAxis.h"

namespace chart {

class TAxisPixelMapper {
 public:
  // horizontal: map as ValueToXPixel (else as ValueToYPixel).
  TAxisPixelMapper(const TCustomChartAxis& axis, bool horizontal)
      : FAxis(&axis),
        FHorizontal(horizontal),
        FFromStart(horizontal ? !axis.Inverted() : axis.Inverted()),
        FMinimum(axis.ScaleMinimum()),
        FFactor(Factor(axis)),
        FStart(axis.PixelStart()),
        FEnd(axis.PixelEnd()) {
    // An infinite end leaves every value to the axis (its formula gives the centre or an
    // end for them); so does a factor that is zero only because the range is infinite.
    FFast = !axis.Logarithmic() && axis.ScaleRange() != 0 && std::isfinite(FFactor) && FFactor != 0 &&
            std::isfinite(FMinimum) && std::isfinite(axis.ScaleMaximum());
    // With the span's ends this close to zero, end +- offset never leaves the int range.
    FBlockFast = FFast && std::abs(FStart) < SafeOffset && std::abs(FEnd) < SafeOffset;
    FBase = static_cast<int>(FFromStart ? FStart : FEnd);
    // Negating the factor mirrors the rounding exactly: ties go to even either way.
    FSignedFactor = FFromStart ? FFactor : -FFactor;
  }

  // Offsets below this stay far from where the axis's formula saturates, and the multiply
  // is off the division by less than Slack (four rounding errors of 2^-53 relative).
  static constexpr double SafeOffset = 1e9;
  static constexpr double Slack = 1e-6;
  static constexpr double Magic = 6755399441055744.0;

  int operator()(double value) const {
    if (!FFast) return Exact(value);
    const double t = (value - FMinimum) * FFactor;
    // NaN fails this too.
    if (!(std::fabs(t) < SafeOffset)) return Exact(value);
    // Round to nearest, ties to even: adding and removing 1.5 * 2^52 leaves no fraction.
    const double r = (t + Magic) - Magic;
    if (!(std::fabs(t - r) < 0.5 - Slack)) return Exact(value);
    const std::int64_t offset = static_cast<std::int64_t>(r);
    const std::int64_t p = FFromStart ? FStart + offset : FEnd - offset;
    return p > INT32_MAX ? INT32_MAX : p < INT32_MIN ? INT32_MIN : static_cast<int>(p);
  }

 private:
  friend class TPointPixelMapper;

  // The pixel by the multiply alone, or FBase with ok False when the axis's own formula
  // must decide. Bitwise, not short-circuit: no branch.
  int Quick(double value, bool& ok) const {
    const double t = (value - FMinimum) * FSignedFactor;
    const double r = (t + Magic) - Magic;
    ok = (std::fabs(t) < SafeOffset) & (std::fabs(t - r) < 0.5 - Slack);
    return FBase + static_cast<int>(ok ? r : 0.0);
  }
  // Pixels per value. A range beyond the largest double is taken in halves, as the axis
  // does; the multiply then stays within Slack of its halved division.
  static double Factor(const TCustomChartAxis& axis) {
    const double range = axis.ScaleRange();
    if (range == 0) return 0;
    if (std::isfinite(range)) return axis.PixelSize() / range;
    return axis.PixelSize() / (axis.ScaleMaximum() * 0.5 - axis.ScaleMinimum() * 0.5) * 0.5;
  }
  int Exact(double value) const { return FHorizontal ? FAxis->ValueToXPixel(value) : FAxis->ValueToYPixel(value); }

  const TCustomChartAxis* FAxis;
  bool FHorizontal;
  bool FFromStart;
  bool FFast = false;
  bool FBlockFast = false;
  int FBase = 0;
  double FSignedFactor = 0;
  double FMinimum;
  double FFactor;
  std::int64_t FStart;
  std::int64_t FEnd;
};

}  // namespace chart

// Mouse buttons and the modifier-key state that come with every mouse event.
#pragma once

#include <cstdint>

namespace chart {

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// A set of keys and buttons held during a mouse event, one bit each.
using TShiftState = std::uint8_t;
inline constexpr TShiftState ssShift = 1 << 0;
inline constexpr TShiftState ssAlt = 1 << 1;
inline constexpr TShiftState ssCtrl = 1 << 2;
inline constexpr TShiftState ssLeft = 1 << 3;
inline constexpr TShiftState ssRight = 1 << 4;
inline constexpr TShiftState ssMiddle = 1 << 5;
inline constexpr TShiftState ssDouble = 1 << 6;

// True when every key of `keys` is held in `state` (an empty set is always held).
constexpr bool ShiftContains(TShiftState state, TShiftState keys) { return (state & keys) == keys; }

}  // namespace chart

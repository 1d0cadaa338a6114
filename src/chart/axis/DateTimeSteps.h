// Label steps of a date-time axis, in days (date-time values count days).
#pragma once

#include <array>

namespace chart {

inline constexpr double OneSecond = 1.0 / 86400.0;
inline constexpr double OneMinute = 1.0 / 1440.0;
inline constexpr double OneHour = 1.0 / 24.0;

inline constexpr std::array<double, 25> DateTimeSteps = {
    1 * OneSecond,  5 * OneSecond,  10 * OneSecond, 15 * OneSecond, 30 * OneSecond,
    1 * OneMinute,  5 * OneMinute,  10 * OneMinute, 15 * OneMinute, 30 * OneMinute,
    1 * OneHour,    2 * OneHour,    6 * OneHour,    12 * OneHour,
    1.0,            2.0,            3.0,
    7.0,            15.0,           30.0,           60.0,
    90.0,           120.0,          182.0,          365.0,
};

static_assert(DateTimeSteps.front() == OneSecond && DateTimeSteps.back() == 365.0);

// The step that follows the largest table entry not above d (d at least one second and
// below a year); the last entry when d already lies at or beyond it.
inline double NextDateTimeStep(double d) {
  for (std::size_t i = DateTimeSteps.size(); i-- > 0;) {
    if (DateTimeSteps[i] <= d) {
      return i + 1 < DateTimeSteps.size() ? DateTimeSteps[i + 1] : DateTimeSteps.back();
    }
  }
  return DateTimeSteps.front();
}

}  // namespace chart

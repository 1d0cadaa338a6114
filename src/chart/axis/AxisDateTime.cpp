#include "chart/axis/AxisDateTime.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "chart/axis/DateTimeSteps.h"
#include "chart/core/Numeric.h"

namespace chart {

namespace {

// 30 December 1899 counted from 1 January 1970.
constexpr std::int64_t DayZero = -25569;
// Values before 1 January 1900 keep their place on the calendar steps.
constexpr double FirstCalendarDay = 2.0;

// Days since 1 January 1970 of a proleptic Gregorian date (Hinnant's civil algorithms).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

TCalendarDate CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
  return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

const char* const ShortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const LongMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
const char* const ShortDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const LongDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

void AppendNumber(std::string& out, long long v, int digits) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%0*lld", digits, v);
  out += buf;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(s[i])) != prefix[i]) return false;
  return true;
}

}  // namespace

TCalendarDate DecodeDate(double value) {
  if (!std::isfinite(value)) return {};
  return CivilFromDays(DayZero + static_cast<std::int64_t>(std::clamp(std::trunc(value), -1e9, 1e9)));
}

double EncodeDate(const TCalendarDate& date) {
  // Normalise the month first so that month arithmetic may overshoot either way.
  std::int64_t y = date.Year;
  std::int64_t m = date.Month - 1;
  y += m >= 0 ? m / 12 : (m - 11) / 12;
  m = ((m % 12) + 12) % 12;
  return static_cast<double>(DaysFromCivil(y, static_cast<unsigned>(m + 1), 1) + (date.Day - 1) - DayZero);
}

std::string FormatDateTime(std::string_view format, double value) {
  if (!std::isfinite(value) || std::fabs(value) > 3e6) return {};
  // Whole milliseconds, so that 23:59:59.9996 carries into the next day.
  const double total = std::round(std::fabs(value) * 86400000.0);
  const double wholeDays = std::floor(total / 86400000.0);
  const long long ms = static_cast<long long>(total - wholeDays * 86400000.0);
  const double dayValue = value < 0 ? -wholeDays : wholeDays;
  const TCalendarDate date = DecodeDate(dayValue);
  const int weekDay = static_cast<int>(((DayZero + static_cast<std::int64_t>(dayValue)) % 7 + 7 + 4) % 7);
  const long long hour = ms / 3600000, minute = ms / 60000 % 60, second = ms / 1000 % 60, milli = ms % 1000;
  const bool hasAmPm = [&] {
    for (std::size_t i = 0; i < format.size(); ++i)
      if (StartsWithNoCase(format.substr(i), "am/pm") || StartsWithNoCase(format.substr(i), "a/p") ||
          StartsWithNoCase(format.substr(i), "ap"))
        return true;
    return false;
  }();

  std::string out;
  bool afterHour = false;
  std::size_t i = 0;
  auto run = [&](char c) {
    std::size_t n = 0;
    while (i + n < format.size() && std::tolower(static_cast<unsigned char>(format[i + n])) == c) ++n;
    return n;
  };
  while (i < format.size()) {
    const char raw = format[i];
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(raw)));
    if (raw == '"' || raw == '\'') {
      const std::size_t end = format.find(raw, i + 1);
      const std::size_t stop = end == std::string_view::npos ? format.size() : end;
      out.append(format.substr(i + 1, stop - i - 1));
      i = stop + 1;
      continue;
    }
    if (c == 'a') {
      const std::string_view rest = format.substr(i);
      const bool pm = hour >= 12;
      if (StartsWithNoCase(rest, "am/pm")) { out += pm ? "pm" : "am"; i += 5; continue; }
      if (StartsWithNoCase(rest, "a/p")) { out += pm ? "p" : "a"; i += 3; continue; }
      if (StartsWithNoCase(rest, "ampm") || StartsWithNoCase(rest, "ap")) {
        out += pm ? "PM" : "AM";
        i += StartsWithNoCase(rest, "ampm") ? 4 : 2;
        continue;
      }
    }
    const std::size_t n = run(c);
    switch (c) {
      case 'd':
        if (n >= 4) out += LongDayNames[weekDay];
        else if (n == 3) out += ShortDayNames[weekDay];
        else AppendNumber(out, date.Day, static_cast<int>(n));
        afterHour = false;
        break;
      case 'm':
        if (afterHour && n <= 2) {
          AppendNumber(out, minute, static_cast<int>(n));
        } else if (n >= 4) {
          out += LongMonthNames[date.Month - 1];
        } else if (n == 3) {
          out += ShortMonthNames[date.Month - 1];
        } else {
          AppendNumber(out, date.Month, static_cast<int>(n));
        }
        afterHour = false;
        break;
      case 'y':
        if (n <= 2) AppendNumber(out, date.Year % 100, 2);
        else AppendNumber(out, date.Year, 4);
        afterHour = false;
        break;
      case 'h': {
        long long h = hour;
        if (hasAmPm) h = h % 12 == 0 ? 12 : h % 12;
        AppendNumber(out, h, n >= 2 ? 2 : 1);
        afterHour = true;
        break;
      }
      case 'n': AppendNumber(out, minute, n >= 2 ? 2 : 1); afterHour = false; break;
      case 's': AppendNumber(out, second, n >= 2 ? 2 : 1); afterHour = false; break;
      case 'z': AppendNumber(out, milli, n >= 3 ? 3 : 1); afterHour = false; break;
      default:
        out.append(format.substr(i, n == 0 ? 1 : n));
        i += n == 0 ? 1 : n;
        continue;
    }
    i += n;
  }
  return out;
}

double CalendarStep(double userIncrement, double step) {
  if (userIncrement == 0) return 0;
  std::size_t k = DateTimeSteps.size();
  for (std::size_t i = 0; i < DateTimeSteps.size(); ++i)
    if (std::fabs(userIncrement - DateTimeSteps[i]) <= OneSecond) { k = i; break; }
  if (k == DateTimeSteps.size()) return 0;
  while (step > DateTimeSteps[k] && k + 1 < DateTimeSteps.size()) ++k;
  return DateTimeSteps[k];
}

double CalendarFirstLabel(double maximum, double calendarStep) {
  if (calendarStep < 1 || !(maximum >= FirstCalendarDay) || maximum > 3e6) return maximum;
  TCalendarDate d = DecodeDate(maximum);
  if (calendarStep == 15) d.Day = d.Day >= 15 ? 15 : 1;
  else if (calendarStep >= 30 && calendarStep <= 182) d.Day = 1;
  else if (calendarStep == 365) d.Day = 1, d.Month = 1;
  return EncodeDate(d);
}

double CalendarStepBack(double value, double calendarStep) {
  if (calendarStep < 15 || !(value >= FirstCalendarDay) || value > 3e6) return value - calendarStep;
  TCalendarDate d = DecodeDate(value);
  if (calendarStep == 15) {
    if (d.Day == 1) --d.Month, d.Day = 15;
    else d.Day = d.Day <= 15 ? 1 : 15;
  } else if (calendarStep == 365) {
    --d.Year;
  } else {
    d.Month -= calendarStep == 30 ? 1 : calendarStep == 60 ? 2 : calendarStep == 90 ? 3 : calendarStep == 120 ? 4 : 6;
    d.Day = 1;
  }
  return EncodeDate(d);
}

double CalendarStepForward(double value, double calendarStep) {
  if (calendarStep < 30 || !(value >= FirstCalendarDay) || value > 3e6) return value + calendarStep;
  TCalendarDate d = DecodeDate(value);
  const int months = calendarStep == 365 ? 12 : calendarStep == 182 ? 6 : static_cast<int>(calendarStep / 30);
  const int day = d.Day;
  d.Month += months;
  d.Day = 1;
  // The same day of the later month, or its last day when the month is shorter.
  const double first = EncodeDate(d);
  TCalendarDate next = d;
  ++next.Month;
  const double length = EncodeDate(next) - first;
  return first + std::min<double>(day, length) - 1 + (value - std::floor(value));
}

}  // namespace chart

// Calendar arithmetic on date-time values (days since 30 December 1899, the time of day as
// the fraction) for date-time axis labels: their text and the calendar steps between them.
#pragma once

#include <string>
#include <string_view>

namespace chart {

struct TCalendarDate {
  int Year = 1899;
  int Month = 12;  // 1 .. 12
  int Day = 30;    // 1 .. 31
};

// The date of the whole days of a value (the fraction, the time of day, dropped).
TCalendarDate DecodeDate(double value);
// Days since 30 December 1899 of a date; the day may lie beyond the month's end.
double EncodeDate(const TCalendarDate& date);

// The text of a date-time value after a picture such as "dd.mm.yyyy" or "hh:nn:ss" (letters
// in either case): d dd ddd dddd, m mm mmm mmmm (minutes right after an hour), yy yyyy,
// h hh, n nn, s ss, z zzz, am/pm a/p ampm ap, "..." and '...' literal, anything else as is.
std::string FormatDateTime(std::string_view format, double value);

// The entry of the date-time step table (in days) that label subtraction follows on the
// calendar, or 0 when labels step by plain subtraction: the user's increment must lie
// within one second of an entry, which then moves up the table while `step` is larger.
double CalendarStep(double userIncrement, double step);
// The first label of a calendar step of a day or more: the maximum on a whole day, moved
// back to the 1st (or 15th) of its month or to the 1st of January as the step demands.
double CalendarFirstLabel(double maximum, double calendarStep);
// One label step back on the calendar.
double CalendarStepBack(double value, double calendarStep);
// One step forward on the calendar for the steps of a month or more (the same day of the
// month, or the month's last day, and the same time of day); smaller steps add their days.
double CalendarStepForward(double value, double calendarStep);

}  // namespace chart

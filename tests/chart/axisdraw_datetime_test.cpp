// Date-time labels: the text of a date-time value, the calendar steps, and an axis over
// dates labelling the first day of each month.
#include <gtest/gtest.h>

#include "axisdraw_fixture.h"
#include "chart/axis/AxisDateTime.h"
#include "chart/axis/DateTimeSteps.h"

namespace chart {
namespace {

using testing::AxisDrawFixture;
using testing::TextsOf;
using Strings = std::vector<std::string>;

double Day(int y, int m, int d) { return EncodeDate({y, m, d}); }

TEST(DateTimeText, FollowsThePicture) {
  EXPECT_EQ(Day(2023, 3, 15), 45000);
  EXPECT_EQ(Day(1899, 12, 30), 0);
  EXPECT_EQ(FormatDateTime("dd.mm.yyyy", 45000), "15.03.2023");
  EXPECT_EQ(FormatDateTime("dd.MM.yyyy", 45000), "15.03.2023") << "letters in either case";
  EXPECT_EQ(FormatDateTime("d/m/yy", 45000.25), "15/3/23");
  EXPECT_EQ(FormatDateTime("hh:mm:ss", 45000.5 + 61.0 / 86400), "12:01:01") << "m after an hour is minutes";
  EXPECT_EQ(FormatDateTime("hh:nn", 45000.999999999), "00:00") << "rounded to the millisecond, into the next day";
  EXPECT_EQ(FormatDateTime("ddd d mmm yyyy", 45000), "Wed 15 Mar 2023");
  EXPECT_EQ(FormatDateTime("dddd, mmmm d", 45000), "Wednesday, March 15");
  EXPECT_EQ(FormatDateTime("h:nn am/pm", 45000.75), "6:00 pm");
  EXPECT_EQ(FormatDateTime("yyyy 'year'", 45000), "2023 year");
  EXPECT_EQ(FormatDateTime("hh:nn:ss.zzz", 0.5 + 0.25 / 86400), "12:00:00.250");
}

TEST(DateTimeText, DecodesAcrossCenturiesAndLeapDays) {
  const TCalendarDate d = DecodeDate(Day(2000, 2, 29) + 0.99);
  EXPECT_EQ(d.Year, 2000);
  EXPECT_EQ(d.Month, 2);
  EXPECT_EQ(d.Day, 29);
  EXPECT_EQ(Day(1900, 3, 1) - Day(1900, 2, 28), 1) << "1900 had no 29 February";
  EXPECT_EQ(Day(2023, 13, 1), Day(2024, 1, 1)) << "months past December roll into the next year";
  EXPECT_EQ(Day(2023, 0, 1), Day(2022, 12, 1));
}

TEST(CalendarSteps, StartAtTheUsersEntryAndClimbPastTheComputedStep) {
  EXPECT_EQ(CalendarStep(0, 30), 0) << "no increment, no calendar";
  EXPECT_EQ(CalendarStep(29.5, 30), 0) << "not a table entry";
  EXPECT_EQ(CalendarStep(30, 10), 30);
  EXPECT_EQ(CalendarStep(30 + 0.5 / 86400, 30), 30) << "within a second of the entry";
  EXPECT_EQ(CalendarStep(30, 45), 60);
  EXPECT_EQ(CalendarStep(1, 5000), 365) << "at most a year";
}

TEST(CalendarSteps, FirstLabelAndStepBackLandOnCalendarDays) {
  const double t = Day(2023, 3, 17) + 0.75;
  EXPECT_EQ(CalendarFirstLabel(t, 1), Day(2023, 3, 17)) << "the time of day dropped";
  EXPECT_EQ(CalendarFirstLabel(t, 15), Day(2023, 3, 15));
  EXPECT_EQ(CalendarFirstLabel(Day(2023, 3, 14), 15), Day(2023, 3, 1));
  EXPECT_EQ(CalendarFirstLabel(t, 90), Day(2023, 3, 1));
  EXPECT_EQ(CalendarFirstLabel(t, 365), Day(2023, 1, 1));
  EXPECT_EQ(CalendarFirstLabel(1.5, 30), 1.5) << "before 1900 left as it is";
  EXPECT_EQ(CalendarFirstLabel(t, OneHour), t) << "steps below a day keep the time";

  EXPECT_EQ(CalendarStepBack(Day(2023, 3, 1), 15), Day(2023, 2, 15));
  EXPECT_EQ(CalendarStepBack(Day(2023, 3, 10), 15), Day(2023, 3, 1));
  EXPECT_EQ(CalendarStepBack(Day(2023, 3, 20), 15), Day(2023, 3, 15));
  EXPECT_EQ(CalendarStepBack(Day(2023, 1, 1), 30), Day(2022, 12, 1));
  EXPECT_EQ(CalendarStepBack(Day(2023, 3, 15) + 0.5, 90), Day(2022, 12, 1));
  EXPECT_EQ(CalendarStepBack(Day(2023, 8, 1), 182), Day(2023, 2, 1));
  EXPECT_EQ(CalendarStepBack(Day(2023, 3, 15), 365), Day(2022, 3, 15));
  EXPECT_EQ(CalendarStepBack(Day(2023, 3, 15), 7), Day(2023, 3, 8));
}

struct DateAxis : AxisDrawFixture {
  DateAxis() {
    series.XValues().SetDateTime(true);
    host.DateFormat = "dd.mm.yyyy";
    host.TimeFormat = "hh:nn";
  }
};

TEST_F(DateAxis, MonthlyLabelsOnTheFirstOfEachMonth) {
  series.AddPoint(Day(2023, 1, 10), 1);
  series.AddPoint(Day(2023, 6, 20), 2);
  Bottom().SetIncrement(30);
  EXPECT_EQ(TextsOf(DrawOnly(Bottom())), (Strings{"01.06.2023", "01.05.2023", "01.04.2023", "01.03.2023", "01.02.2023"}));
}

TEST_F(DateAxis, ShortRangesShowTimesAndOwnFormatsWin) {
  series.AddPoint(Day(2023, 3, 15) + 0.25, 1);
  series.AddPoint(Day(2023, 3, 15) + 0.75, 2);
  const Strings texts = TextsOf(DrawOnly(Bottom()));
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front(), "18:00");
  Bottom().SetDateTimeFormat("hh:nn:ss");
  EXPECT_EQ(TextsOf(DrawOnly(Bottom())).front(), "18:00:00");
}

TEST_F(DateAxis, TheLabelCountGuardCountsTheCalendarStep) {
  // Day steps climb to a year at most, which would make some 82,000 labels here.
  series.AddPoint(0, 1);
  series.AddPoint(3e7, 2);
  Bottom().SetIncrement(1);
  DrawOnly(Bottom());
  EXPECT_TRUE(Bottom().TickPositions().empty());
}

TEST_F(DateAxis, ValuesBeforeDayZeroHaveNoText) {
  series.AddPoint(-3, 1);
  series.AddPoint(3, 2);
  Bottom().SetIncrement(1);
  const Strings texts = TextsOf(DrawOnly(Bottom()));
  // -1 and -2 get empty texts: ticks but nothing written (-3 lies below the raised bound).
  EXPECT_EQ(texts, (Strings{"02.01.1900", "01.01.1900", "31.12.1899", "30.12.1899"}));
  EXPECT_EQ(Bottom().TickPositions().size(), 6u);
}

}  // namespace
}  // namespace chart

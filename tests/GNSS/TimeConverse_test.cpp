// Tests of the conversions between mjd, ymdhms and GPSws, the leap-year rule
// and the leap-second table, with a day-by-day check against a day count.
#include "GNSS/TimeConverse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "tests/support/time_output.h"

namespace {

struct Calendar {
  unsigned short year, month, day, hour, minute;
  long double second;
};

ymdhms Make(const Calendar& c) {
  return ymdhms(c.year, c.month, c.day, c.hour, c.minute, c.second);
}

::testing::AssertionResult SameCalendar(const ymdhms& t, const Calendar& want) {
  if (t.year == want.year && t.month == want.month && t.day == want.day && t.hour == want.hour &&
      t.minute == want.minute && std::fabs(t.second - want.second) < 1e-9L) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << t.year << "-" << t.month << "-" << t.day << " " << t.hour << ":" << t.minute << ":"
         << (double)t.second << " instead of " << want.year << "-" << want.month << "-" << want.day
         << " " << want.hour << ":" << want.minute << ":" << (double)want.second;
}

TEST(TimeConverseRules, LeapYears) {
  const struct {
    long year;
    int leap;
  } cases[] = {{2000, 1}, {1900, 0}, {2004, 1}, {0, 0},    {2100, 0},
               {2400, 1}, {2019, 0}, {-4, 0},   {1904, 1}, {2196, 1}};
  for (const auto& c : cases) EXPECT_EQ(LeapYear(c.year), c.leap) << c.year;
}

TEST(TimeConverseRules, LeapSecondsChangeOnEachTableDay) {
  const struct {
    int offset;
    unsigned long fromDay;
  } table[] = {{-9, 41317}, {-8, 41499}, {-7, 41683}, {-6, 42048}, {-5, 42413}, {-4, 42778},
               {-3, 43144}, {-2, 43509}, {-1, 43874}, {0, 44239},  {1, 44786},  {2, 45151},
               {3, 45516},  {4, 46247},  {5, 47161},  {6, 47892},  {7, 48257},  {8, 48804},
               {9, 49169},  {10, 49534}, {11, 50083}, {12, 50630}, {13, 51179}, {14, 53736},
               {15, 54832}, {16, 56109}, {17, 57204}, {18, 57754}};
  int before = -9;
  for (const auto& row : table) {
    EXPECT_EQ(LeapSecond(mjd(row.fromDay - 1, 86399.5L)), before) << row.fromDay - 1;
    EXPECT_EQ(LeapSecond(mjd(row.fromDay, 0)), row.offset) << row.fromDay;
    before = row.offset;
  }
  EXPECT_EQ(LeapSecond(mjd(0, 0)), -9);
  EXPECT_EQ(LeapSecond(mjd(199999, 0)), 18);
}

TEST(TimeConverseCalendar, CalendarAndModifiedJulianDateBothWays) {
  const struct {
    Calendar date;
    unsigned long day;
    long double second;
  } cases[] = {
      {{1901, 1, 1, 0, 0, 0}, 15385, 0},
      {{1904, 12, 31, 0, 0, 0}, 15385 + 1460, 0},  // last day of the first four-year block
      {{1980, 1, 6, 0, 0, 0}, 44244, 0},
      {{2000, 1, 1, 0, 0, 0}, 51544, 0},
      {{2000, 3, 1, 0, 0, 0}, 51604, 0},
      {{2014, 12, 9, 12, 0, 0.5L}, 57000, 43200.5L},
      {{2017, 3, 5, 6, 7, 8.5L}, 57817, 22028.5L},
      {{2020, 2, 29, 0, 0, 0}, 58908, 0},
      {{2099, 12, 31, 23, 59, 59}, 88068, 86399},
      // Around the February 29 that 2100 does not have.
      {{2100, 2, 28, 0, 0, 0}, 88127, 0},
      {{2100, 3, 1, 0, 0, 0}, 88128, 0},
      {{2100, 12, 31, 0, 0, 0}, 88433, 0},
      {{2101, 1, 1, 0, 0, 0}, 88434, 0},
      {{2199, 12, 31, 0, 0, 0}, 124592, 0},
  };
  for (const auto& c : cases) {
    const mjd t = ymdhms2mjd(Make(c.date));
    EXPECT_EQ(t.GetMJDay(), c.day) << c.date.year << "-" << c.date.month << "-" << c.date.day;
    EXPECT_NEAR((double)t.GetSecond(), (double)c.second, 1e-9) << c.day;
    EXPECT_TRUE(SameCalendar(mjd2ymdhms(mjd(c.day, c.second)), c.date)) << c.day;
  }
}

TEST(TimeConverseCalendar, TimesWithinATenthOfANanosecondOfMidnightGoToTheNextDay) {
  const struct {
    unsigned long day;
    Calendar next;
  } cases[] = {
      {57000, {2014, 12, 10, 0, 0, 0}},
      {58907, {2020, 2, 29, 0, 0, 0}},
      {51543, {2000, 1, 1, 0, 0, 0}},
      {88068, {2100, 1, 1, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(SameCalendar(mjd2ymdhms(mjd(c.day, 86400 - 5e-11L)), c.next)) << c.day;
    EXPECT_TRUE(SameCalendar(mjd2ymdhms(mjd(c.day, 86399.99999999999L)), c.next)) << c.day;
  }
  // Just outside the tolerance the time stays on its own day.
  EXPECT_TRUE(
      SameCalendar(mjd2ymdhms(mjd(57000, 86400 - 1e-9L)), {2014, 12, 9, 23, 59, 60 - 1e-9L}));

  const mjd next = ymdhms2mjd(ymdhms(2014, 12, 9, 23, 59, 59.99999999999L));
  EXPECT_EQ(next.GetMJDay(), 57001u);
  EXPECT_EQ(next.GetSecond(), 0.0L);
}

TEST(TimeConverseGps, GpsWeekAndSecondAgainstCalendarAndDayNumber) {
  const struct {
    Calendar date;
    unsigned long day;
    long double daySecond;
    unsigned short week;
    long double weekSecond;
  } cases[] = {
      {{1980, 1, 6, 0, 0, 0}, 44244, 0, 0, 0},
      {{1980, 1, 12, 0, 0, 10}, 44250, 10, 0, 86400 * 6 + 10},
      {{2000, 1, 1, 12, 0, 0}, 51544, 43200, 1042, 561600},
      {{2019, 4, 6, 23, 59, 59.5L}, 58579, 86399.5L, 2047, 604799.5L},
      {{2019, 4, 7, 0, 0, 0}, 58580, 0, 2048, 0},
      // Past 65535 days after the GPS start (1980-01-06 + 65536 days).
      {{2159, 6, 12, 0, 0, 0}, 109780, 0, 9362, 172800},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.week << " " << (double)c.weekSecond);
    const GPSws fromDay = mjd2GPSws(mjd(c.day, c.daySecond));
    EXPECT_EQ(fromDay.GetWeek(), c.week);
    EXPECT_NEAR((double)fromDay.GetSecond(), (double)c.weekSecond, 1e-9);
    const GPSws fromDate = ymdhms2GPSws(Make(c.date));
    EXPECT_EQ(fromDate.GetWeek(), c.week);
    EXPECT_NEAR((double)fromDate.GetSecond(), (double)c.weekSecond, 1e-9);
    const mjd day = GPSws2mjd(GPSws(c.week, c.weekSecond));
    EXPECT_EQ(day.GetMJDay(), c.day);
    EXPECT_NEAR((double)day.GetSecond(), (double)c.daySecond, 1e-9);
    EXPECT_TRUE(SameCalendar(GPSws2ymdhms(GPSws(c.week, c.weekSecond)), c.date));
  }
}

TEST(TimeConverseGps, DayEndsKeepTheirDay) {
  // A hair before the end of Monday is still Monday (week 1000 starts on
  // 1999-03-07); the calendar form rounds it up to Tuesday 00:00:00.
  const GPSws almostTuesday(1000, 2 * 86400.0L - 1e-11L);
  const mjd day = GPSws2mjd(almostTuesday);
  EXPECT_EQ(day.GetMJDay(), 44244u + 7000 + 1);
  EXPECT_GT(day.GetSecond(), 86399.0L);
  EXPECT_TRUE(SameCalendar(GPSws2ymdhms(almostTuesday), {1999, 3, 9, 0, 0, 0}));

  // Within 1e-5 s of the minute the calendar form rounds up, across a day and
  // a week.
  EXPECT_TRUE(SameCalendar(GPSws2ymdhms(GPSws(1000, 604800 - 4e-6L)), {1999, 3, 14, 0, 0, 0}));
  EXPECT_TRUE(SameCalendar(GPSws2ymdhms(GPSws(1000, 3599.999995L)), {1999, 3, 7, 1, 0, 0}));
  EXPECT_TRUE(SameCalendar(GPSws2ymdhms(GPSws(1000, 3599.99998L)), {1999, 3, 7, 0, 59, 59.99998L}));

  // Saturday 2000-01-08 (week 1043) 23:59:59.999... that rounds to the week's end starts the next
  // week.
  const GPSws carried = ymdhms2GPSws(ymdhms(2000, 1, 8, 23, 59, 60 - 1e-15L));
  EXPECT_EQ(carried.GetWeek(), 1044);
  EXPECT_LT(carried.GetSecond(), 1e-9L);
}

TEST(TimeConverseGps, WholeSecondsConvertBothWays) {
  // A day fraction in double precision would give second -2.3e-13 at
  // 00:33:00 and end the run; the seconds themselves split to within the
  // last bits of extended precision, never below 0.
  const unsigned short week = 2000;  // Wednesday 2018-05-09
  for (long daySecond = 0; daySecond < 86400; daySecond++) {
    const long double weekSecond = 3 * 86400.0L + daySecond;
    const ymdhms date = GPSws2ymdhms(GPSws(week, weekSecond));
    ASSERT_TRUE(date.year == 2018 && date.month == 5 && date.day == 9 && date.second >= 0 &&
                std::fabs(date.GetDaySecond() - daySecond) < 1e-12L)
        << daySecond;
    const GPSws back = ymdhms2GPSws(date);
    ASSERT_TRUE(back.week == week && std::fabs(back.second - weekSecond) < 1e-12L) << daySecond;
  }
}

TEST(TimeConverseDeathTest, ResultsOutsideTheTargetRangeEndWithItsMessage) {
  ExpectClassErrors("ymdhms",
                    {
                        {"day before 1901", [] { mjd2ymdhms(mjd(15384, 0)); }, "YEAR not valid"},
                        {"day 0", [] { mjd2ymdhms(mjd(0, 0)); }, "YEAR not valid"},
                        {"2200", [] { mjd2ymdhms(mjd(124593, 0)); }, "YEAR not valid"},
                        {"unchecked huge day",
                         [] {
                           mjd t;
                           t.mjday = 4000000000u;
                           mjd2ymdhms(t);
                         },
                         "YEAR not valid"},
                        {"hour 24 of a bad second",
                         [] {
                           mjd t;
                           t.mjday = 57000;
                           t.second = 86400.5L;
                           mjd2ymdhms(t);
                         },
                         "HOUR not valid"},
                        {"week past 2199", [] { GPSws2ymdhms(GPSws(11999, 0)); }, "YEAR not valid"},
                    });
  ExpectClassErrors(
      "GPSws",
      {
          {"day before GPS", [] { mjd2GPSws(mjd(44243, 86399)); }, "WEEK not valid"},
          {"date before GPS", [] { ymdhms2GPSws(ymdhms(1980, 1, 5, 0, 0, 0)); }, "WEEK not valid"},
      });
}

// Walks the calendar day by day with its own month lengths and leap rule.
void ForEachDay(unsigned short firstYear, unsigned short lastYear,
                const std::function<void(const Calendar&, long)>& visit) {
  static const unsigned short kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  long count = 0;  // days since 1901-01-01
  for (unsigned short y = 1901; y <= lastYear; y++) {
    const bool leap = y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
    for (unsigned short m = 1; m <= 12; m++) {
      const unsigned short length = kMonthLength[m - 1] + (m == 2 && leap ? 1 : 0);
      for (unsigned short d = 1; d <= length; d++, count++) {
        if (y >= firstYear) visit(Calendar{y, m, d, 0, 0, 0}, count);
      }
    }
  }
}

// A time of day that varies from day to day, exact in binary.
long double DaySecondFor(long count) { return (count * 7919) % 86400 + 0.25L; }

TEST(TimeConverseProperty, EveryDayAgreesWithAnIndependentDayCount) {
  long checked = 0;
  ForEachDay(1901, 2199, [&checked](const Calendar& date, long count) {
    const unsigned long dayNumber = 15385 + count;
    const long double daySecond = DaySecondFor(count);
    Calendar at = date;
    at.hour = static_cast<unsigned short>(daySecond / 3600);
    at.minute = static_cast<unsigned short>((daySecond - at.hour * 3600) / 60);
    at.second = daySecond - at.hour * 3600 - at.minute * 60;

    const mjd t = ymdhms2mjd(Make(at));
    if (t.GetMJDay() != dayNumber || t.GetSecond() != daySecond) {
      ADD_FAILURE() << "ymdhms2mjd " << date.year << "-" << date.month << "-" << date.day;
    }
    const ::testing::AssertionResult back = SameCalendar(mjd2ymdhms(mjd(dayNumber, daySecond)), at);
    if (!back) ADD_FAILURE() << "mjd2ymdhms " << dayNumber << ": " << back.message();
    checked++;
  });
  EXPECT_EQ(checked, 124592 - 15385 + 1);  // 1901-01-01 to 2199-12-31
}

TEST(TimeConverseProperty, GpsWeekAndSecondRoundTripsOverTheGpsEra) {
  long checked = 0;
  ForEachDay(1980, 2199, [&checked](const Calendar& date, long count) {
    const long gpsDays = count - 28859;  // days since 1980-01-06
    if (gpsDays < 0) return;
    const unsigned long dayNumber = 15385 + count;
    const long double daySecond = DaySecondFor(count);
    const unsigned short week = static_cast<unsigned short>(gpsDays / 7);
    const long double weekSecond = (gpsDays % 7) * 86400.0L + daySecond;

    const GPSws ws = mjd2GPSws(mjd(dayNumber, daySecond));
    if (ws.GetWeek() != week || ws.GetSecond() != weekSecond) {
      ADD_FAILURE() << "mjd2GPSws " << dayNumber;
    }
    const mjd back = GPSws2mjd(ws);
    if (back.GetMJDay() != dayNumber || back.GetSecond() != daySecond) {
      ADD_FAILURE() << "GPSws2mjd " << week << " " << (double)weekSecond;
    }
    const ymdhms calendar = GPSws2ymdhms(ws);
    if (calendar.year != date.year || calendar.month != date.month || calendar.day != date.day ||
        std::fabs(calendar.GetDaySecond() - daySecond) > 1e-6L) {
      ADD_FAILURE() << "GPSws2ymdhms " << week << " " << (double)weekSecond;
    }
    const GPSws again = ymdhms2GPSws(calendar);
    if (again.GetWeek() != week || std::fabs(again.GetSecond() - weekSecond) > 1e-6L) {
      ADD_FAILURE() << "ymdhms2GPSws " << date.year << "-" << date.month << "-" << date.day;
    }
    checked++;
  });
  EXPECT_EQ(checked, 124592 - 44244 + 1);
}

}  // namespace

// Tests of GPS week and second: validation, week carries of the arithmetic,
// splitting of the day and the print layouts with their state.
#include "GNSS/GPSws.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>

#include "tests/support/time_output.h"

namespace {

TEST(GPSwsValidation, LimitsThatAreValid) {
  EXPECT_EQ(GPSws(11999, 0).GetWeek(), 11999);
  EXPECT_EQ(GPSws(0, 604799.9L).GetSecond(), 604799.9L);
  const GPSws start;
  EXPECT_EQ(start.GetWeek(), 0);
  EXPECT_EQ(start.GetSecond(), 0.0L);
}

TEST(GPSwsValidationDeathTest, EveryValidatingEntryReportsTheFirstBadField) {
  ExpectClassErrors("GPSws",
                    {
                        {"week 12000", [] { GPSws t(12000, 0); }, "WEEK not valid"},
                        {"second 604800", [] { GPSws t(100, 604800); }, "SECOND not valid"},
                        {"week before second", [] { GPSws t(12000, -1); }, "WEEK not valid"},
                        {"NaN second", [] { GPSws t(100, std::nanl("")); }, "SECOND not valid"},
                        {"Set", [] { GPSws().Set(100, -0.5L); }, "SECOND not valid"},
                        {"copy",
                         [] {
                           GPSws bad;
                           bad.week = 20000;
                           GPSws t(bad);
                         },
                         "WEEK not valid"},
                        {"assignment",
                         [] {
                           GPSws bad;
                           bad.second = 700000;
                           GPSws t;
                           t = bad;
                         },
                         "SECOND not valid"},
                        {"reader",
                         [] {
                           std::istringstream in("12000 5");
                           GPSws t;
                           in >> t;
                         },
                         "WEEK not valid"},
                        {"reader, week beyond 16 bits",
                         [] {
                           std::istringstream in("70000 5");
                           GPSws t;
                           in >> t;
                         },
                         "WEEK not valid"},
                    });
}

TEST(GPSwsArithmetic, AddingSecondsCarriesWholeWeeksBothWays) {
  struct Case {
    unsigned short week;
    long double sec, add;
    unsigned short wantWeek;
    long double wantSec;
  };
  const Case cases[] = {
      {100, 0, -1, 99, 604799},
      {100, 10, 604800 * 2.0L + 5, 102, 15},
      {100, 604000, 1000, 101, 200},  // the rest of a week passes the week's end
      {100, 604799.5L, 0.5L, 101, 0},
      {100, 5, -604800 * 3.0L - 10, 96, 604795},
      {100, 5, 0, 100, 5},
  };
  for (const Case& c : cases) {
    GPSws t(c.week, c.sec);
    t += c.add;
    EXPECT_EQ(t.GetWeek(), c.wantWeek) << c.week << " " << (double)c.sec << " + " << (double)c.add;
    EXPECT_NEAR((double)t.GetSecond(), (double)c.wantSec, 1e-9)
        << c.week << " " << (double)c.sec << " + " << (double)c.add;
    EXPECT_TRUE(t.TestSecond());
  }
  GPSws t(100, 7);
  t += static_cast<unsigned short>(3);
  EXPECT_EQ(t.GetWeek(), 103);
  EXPECT_EQ(t.GetSecond(), 7.0L);
}

TEST(GPSwsDay, WeekDayAndSecondsOfDay) {
  struct Case {
    long double sec;
    unsigned short weekDay;
    long double daySec;
    unsigned short h, m;
    long double s;
  };
  const Case cases[] = {
      {86400 * 3.0L + 1, 3, 1, 0, 0, 1},
      {0, 0, 0, 0, 0, 0},
      {604799, 6, 86399, 23, 59, 59},
      {90123.25L, 1, 3723.25L, 1, 2, 3.25L},
      // No carry: a seconds value just below 60 stays there.
      {3599.99999999999L, 0, 3599.99999999999L, 0, 59, 59.99999999999L},
  };
  for (const Case& c : cases) {
    const GPSws t(200, c.sec);
    EXPECT_EQ(t.GetWeekDay(), c.weekDay) << (double)c.sec;
    EXPECT_NEAR((double)t.GetDaySecond(), (double)c.daySec, 1e-9) << (double)c.sec;
    unsigned short h = 99, m = 99;
    long double s = -1;
    t.Sec2HMS(h, m, s);
    EXPECT_EQ(h, c.h) << (double)c.sec;
    EXPECT_EQ(m, c.m) << (double)c.sec;
    EXPECT_NEAR((double)s, (double)c.s, 1e-9) << (double)c.sec;
  }
}

TEST(GPSwsReader, ReadsWeekAndSeconds) {
  std::istringstream in(" 2100  345600.25");
  GPSws t;
  in >> t;
  EXPECT_EQ(t.GetWeek(), 2100);
  EXPECT_EQ(t.GetSecond(), 345600.25L);
}

// Puts the print switches back to their start values after each test.
class GPSwsPrint : public ::testing::Test {
 protected:
  void TearDown() override {
    gpswsns::PrintFormat = gpswsns::GPSWS;
    gpswsns::NDecSecond = 1;
  }
};

TEST_F(GPSwsPrint, LayoutsAtSeveralDecimalsAndTheStateTheyLeave) {
  struct Case {
    unsigned short format, decimals;
    const char* text;
    bool fixed;
    std::streamsize precision;
  };
  using namespace gpswsns;
  const Case cases[] = {
      {GPSWS, 0, "   42   90123", true, 0},
      {GPSWS, 1, "   42  90123.5", true, 1},
      {GPSWS, 3, "   42  90123.457", true, 3},
      {GPSWS, 7, "   42  90123.4567000", true, 7},
      {GPSWDS, 0, "   42 1   3723", true, 0},
      {GPSWDS, 3, "   42 1  3723.457", true, 3},
      {GPSWDHMS, 0, "   42 1  01:02:003", true, 0},
      {GPSWDHMS, 1, "   42 1  01:02:03.5", true, 1},
      {GPSWDHMS, 7, "   42 1  01:02:03.4567000", true, 7},
      {GPSWD, 3, " 0042 1", false, 17},
      {SP3, 3, "   42  90123.45670000", true, 8},
  };
  const GPSws t(42, 90123.4567L);
  for (const Case& c : cases) {
    PrintFormat = c.format;
    NDecSecond = c.decimals;
    SCOPED_TRACE(::testing::Message() << "format " << c.format << " N " << c.decimals);
    const Printed printed = PrintFromForeignState(t);
    EXPECT_EQ(printed.text, c.text);
    EXPECT_EQ(printed.fixed, c.fixed);
    EXPECT_EQ(printed.precision, c.precision);
    EXPECT_EQ(printed.fill, ' ');
  }
  PrintFormat = 5;
  const Printed nothing = PrintFromForeignState(t);
  EXPECT_EQ(nothing.text, "");
  EXPECT_EQ(nothing.fill, '*');
  PrintFormat = GPSWD;
  EXPECT_EQ(PrintFromForeignState(GPSws(42, 90000)).text, " 0042 1");
}

}  // namespace

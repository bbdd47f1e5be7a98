// Tests of the modified Julian date: validation, arithmetic, comparisons,
// reading and the print layouts with the stream state they leave.
#include "GNSS/mjd.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <sstream>

#include "tests/support/time_output.h"

namespace {

mjd Unchecked(unsigned long day, long double sec) {
  mjd t;
  t.mjday = static_cast<std::uint32_t>(day);
  t.second = sec;
  return t;
}

TEST(MjdValidation, RangeLimitsAreAccepted) {
  EXPECT_EQ(mjd(199999, 0).GetMJDay(), 199999u);
  EXPECT_EQ(mjd(0, 86399.999L).GetSecond(), 86399.999L);
  mjd fromDecimal;
  fromDecimal = 57000.25L;
  EXPECT_EQ(fromDecimal.GetMJDay(), 57000u);
  EXPECT_EQ(fromDecimal.GetSecond(), 21600.0L);
  EXPECT_EQ(fromDecimal.GetMJDDec(), 57000.25L);
}

TEST(MjdValidationDeathTest, EveryValidatingEntryReportsTheFirstBadField) {
  ExpectClassErrors(
      "mjd",
      {
          {"constructor day", [] { mjd t(200000, 0); }, "MJDAY not valid"},
          {"constructor second", [] { mjd t(57000, 86400); }, "SECOND not valid"},
          {"both bad: day first", [] { mjd t(200000, -1); }, "MJDAY not valid"},
          {"negative second", [] { mjd t(57000, -1e-9L); }, "SECOND not valid"},
          {"NaN second", [] { mjd t(57000, std::nanl("")); }, "SECOND not valid"},
          {"day beyond 32 bits", [] { mjd t(4294967296UL + 5, 0); }, "MJDAY not valid"},
          {"Set", [] { mjd().Set(57000, 90000); }, "SECOND not valid"},
          {"copy",
           [] {
             const mjd bad = Unchecked(300000, 0);
             mjd t(bad);  // NOLINT(performance-unnecessary-copy-initialization): tests the copy
           },
           "MJDAY not valid"},
          {"assignment",
           [] {
             mjd t;
             t = Unchecked(57000, 86400);
           },
           "SECOND not valid"},
          {"decimal day too large",
           [] {
             mjd t;
             t = 200000.5L;
           },
           "MJDAY not valid"},
          {"negative decimal day",
           [] {
             mjd t;
             t = -0.5L;
           },
           "MJDAY not valid"},
          {"reader",
           [] {
             std::istringstream in("57000 86400.0");
             mjd t;
             in >> t;
           },
           "SECOND not valid"},
          {"reader, second beyond long double",
           [] {
             std::istringstream in("57000 1e5000");
             mjd t;
             in >> t;
           },
           "SECOND not valid"},
      });
}

TEST(MjdValidation, DefaultConstructionAndArithmeticDoNotValidate) {
  mjd t;
  EXPECT_EQ(t.GetMJDay(), 0u);
  EXPECT_EQ(t.GetSecond(), 0.0L);
  mjd late(199999, 0);
  late += 1L;
  EXPECT_EQ(late.GetMJDay(), 200000u);
  EXPECT_FALSE(late.TestMJDay());
  mjd bad = Unchecked(57000, 86400);
  EXPECT_TRUE(bad.TestMJDay());
  EXPECT_FALSE(bad.TestSecond());
}

TEST(MjdArithmetic, AddingSecondsNormalisesIntoTheDay) {
  struct Case {
    unsigned long day;
    long double sec;
    long double add;
    unsigned long wantDay;
    long double wantSec;
  };
  const Case cases[] = {
      {57000, 0, -1, 56999, 86399},
      {57000, 100, 86400, 57001, 100},
      {57000, 86399.5L, 0.5L, 57001, 0},
      {57000, 10, -3 * 86400.0L - 20, 56996, 86390},
      {57000, 10, 5 * 86400.0L + 86395, 57006, 5},
      {57000, 86399, 1 - 1e-13L, 57001, 0},  // within 1e-12 of midnight
      {57000, 30, 0, 57000, 30},
  };
  for (const Case& c : cases) {
    mjd t(c.day, c.sec);
    t += c.add;
    EXPECT_EQ(t.GetMJDay(), c.wantDay) << c.day << " " << c.sec << " + " << c.add;
    EXPECT_NEAR(static_cast<double>(t.GetSecond()), static_cast<double>(c.wantSec), 1e-9)
        << c.day << " " << c.sec << " + " << c.add;
  }
}

TEST(MjdArithmetic, WholeDaysLeaveTheSecondsAlone) {
  mjd t(57000, 123.5L);
  t += 10L;
  EXPECT_EQ(t.GetMJDay(), 57010u);
  t -= 3L;
  EXPECT_EQ(t.GetMJDay(), 57007u);
  EXPECT_EQ(t.GetSecond(), 123.5L);
}

TEST(MjdArithmetic, DifferenceIsSignedSecondsWithoutWrapAround) {
  EXPECT_EQ(mjd(57001, 0) - mjd(57000, 86399), 1.0L);
  EXPECT_EQ(mjd(57000, 86399) - mjd(57001, 0), -1.0L);
  EXPECT_EQ(mjd(57000, 0) - mjd(56000, 0), 86400000.0L);
  EXPECT_EQ(mjd(15385, 0.5L) - mjd(199999, 0), 0.5L - (199999 - 15385) * 86400.0L);
}

TEST(MjdComparison, TolerancesOfEachOperator) {
  struct Case {
    mjd a, b;
    bool eq, gt, lt, ge, le;
  };
  const Case cases[] = {
      {mjd(57000, 100), mjd(57000, 100 + 5e-15L), true, false, true, true, true},
      {mjd(57000, 100 + 5e-15L), mjd(57000, 100), true, true, false, true, true},
      // Equal within 1e-13 but beyond the 1e-14 of >=.
      {mjd(57000, 100), mjd(57000, 100 + 5e-14L), true, false, true, false, true},
      {mjd(57000, 100), mjd(57000, 100 + 1e-12L), false, false, true, false, true},
      {mjd(57000, 100 + 1e-12L), mjd(57000, 100), false, true, false, true, false},
      {mjd(57001, 0), mjd(57000, 86399.9L), false, true, false, true, false},
      {mjd(57000, 86399.9L), mjd(57001, 0), false, false, true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.a.mjday << " " << (double)c.a.second << " vs "
                                      << c.b.mjday << " " << (double)c.b.second);
    EXPECT_EQ(c.a == c.b, c.eq);
    EXPECT_EQ(c.a > c.b, c.gt);
    EXPECT_EQ(c.a < c.b, c.lt);
    EXPECT_EQ(c.a >= c.b, c.ge);
    EXPECT_EQ(c.a <= c.b, c.le);
  }
  const mjd self(57000, 1.5L);
  EXPECT_TRUE(self == self);
  EXPECT_FALSE(self > self);
  EXPECT_FALSE(self < self);
  EXPECT_TRUE(self >= self);
  EXPECT_TRUE(self <= self);
}

TEST(MjdSplit, SecondsCloseToAFullMinuteCarryUpward) {
  struct Case {
    long double sec;
    unsigned short h, m;
    long double s;
  };
  const Case cases[] = {
      {3599.99999999999L, 1, 0, 0},
      {43200.5L, 12, 0, 0.5L},
      {86399.99999999999L, 24, 0, 0},
      {3723.25L, 1, 2, 3.25L},
  };
  for (const Case& c : cases) {
    unsigned short h = 99, m = 99;
    long double s = -1;
    Unchecked(57000, c.sec).Sec2HMS(h, m, s);
    EXPECT_EQ(h, c.h) << (double)c.sec;
    EXPECT_EQ(m, c.m) << (double)c.sec;
    EXPECT_NEAR((double)s, (double)c.s, 1e-9) << (double)c.sec;
  }
}

// Rounded as the layouts print, halves of the exact binary value to even,
// and carried into the minute, the hour and the next day.
TEST(MjdRounding, RoundsOnceAsPrintedAndCarriesIntoTheNextDay) {
  struct Case {
    long double sec;
    int decimals;
    unsigned long day;
    long double rounded;
  };
  const Case cases[] = {
      {359.999L, 1, 57000, 360.0L},     // 00:05:59.999 is 00:06:00.0
      {3599.96L, 1, 57000, 3600.0L},    // into the hour
      {86399.96L, 1, 57001, 0.0L},      // into the next day
      {86399.9996L, 3, 57001, 0.0L},    // at the settings' three decimals
      {86399.94L, 1, 57000, 86399.9L},  // short of midnight
      {30.25L, 1, 57000, 30.2L},        // an exact half goes to even
      {30.75L, 1, 57000, 30.8L},        // and up when even is above
      {0.0L, 1, 57000, 0.0L},
  };
  for (const Case& c : cases) {
    const mjd rounded = RoundedToDecimals(Unchecked(57000, c.sec), c.decimals);
    EXPECT_EQ(rounded.mjday, c.day) << (double)c.sec;
    EXPECT_EQ(rounded.second, c.rounded) << (double)c.sec;
  }
}

TEST(MjdReader, ReadsDayAndSecondsSeparatedByBlanks) {
  std::istringstream in("57000   43200.5\n58000 0");
  mjd first, second;
  in >> first >> second;
  EXPECT_EQ(first.GetMJDay(), 57000u);
  EXPECT_EQ(first.GetSecond(), 43200.5L);
  EXPECT_EQ(second.GetMJDay(), 58000u);
}

// Puts the print switches back to their start values after each test.
class MjdPrint : public ::testing::Test {
 protected:
  void TearDown() override {
    mjdns::PrintFormat = mjdns::MJDSEC;
    mjdns::NDecSecond = 1;
  }
};

TEST_F(MjdPrint, LayoutsAtSeveralDecimalsAndTheStateTheyLeave) {
  struct Case {
    unsigned short format;
    unsigned short decimals;
    const char* text;
    bool fixed;
    std::streamsize precision;
    char fill;
  };
  const Case cases[] = {
      {mjdns::MJDSEC, 0, " 57000   3723", true, 0, ' '},
      {mjdns::MJDSEC, 1, " 57000  3723.5", true, 1, ' '},
      {mjdns::MJDSEC, 3, " 57000  3723.457", true, 3, ' '},
      {mjdns::MJDSEC, 7, " 57000  3723.4567000", true, 7, ' '},
      {mjdns::MJDHMS, 0, " 57000  01:02:003", true, 0, ' '},
      {mjdns::MJDHMS, 1, " 57000  01:02:03.5", true, 1, ' '},
      {mjdns::MJDHMS, 3, " 57000  01:02:03.457", true, 3, ' '},
      {mjdns::MJDHMS, 7, " 57000  01:02:03.4567000", true, 7, ' '},
      {mjdns::MJD, 3, " 57000", true, 17, '*'},
      {mjdns::SP3, 1, " 57000 0.0430955636574", true, 13, ' '},
      {5, 3, "", false, 17, '*'},
  };
  const mjd t(57000, 3723.4567L);
  for (const Case& c : cases) {
    mjdns::PrintFormat = c.format;
    mjdns::NDecSecond = c.decimals;
    const Printed printed = PrintFromForeignState(t);
    SCOPED_TRACE(::testing::Message() << "format " << c.format << " N " << c.decimals);
    EXPECT_EQ(printed.text, c.text);
    EXPECT_EQ(printed.fixed, c.fixed);
    EXPECT_EQ(printed.precision, c.precision);
    EXPECT_EQ(printed.fill, c.fill);
  }
}

TEST_F(MjdPrint, ExampleAtThreeDecimals) {
  mjdns::NDecSecond = 3;
  std::ostringstream out;
  const mjd t(57000, 43200.5L);
  mjdns::PrintFormat = mjdns::MJDSEC;
  out << t << "|";
  mjdns::PrintFormat = mjdns::MJDHMS;
  out << t;
  EXPECT_EQ(out.str(), " 57000 43200.500| 57000  12:00:00.500");
}

TEST_F(MjdPrint, DecimalDayFollowsTheStreamsNotation) {
  mjdns::PrintFormat = mjdns::MJDDEC;
  mjdns::NDecSecond = 3;
  const mjd t(57000, 21600);
  std::ostringstream general;
  general << t;
  EXPECT_EQ(general.str(), "   5.7e+04");
  EXPECT_EQ(general.precision(), 3);
  std::ostringstream fixed;
  fixed << std::fixed << t;
  EXPECT_EQ(fixed.str(), " 57000.250");
}

TEST_F(MjdPrint, WidthsMatchTheListingColumns) {
  std::ostringstream out;
  out << std::setw(30) << mjd(57817, 22028.5L) << 7;
  EXPECT_EQ(out.str(), " 57817 22028.57");  // a pending width is spent, not carried on
}

}  // namespace

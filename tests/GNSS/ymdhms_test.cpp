// Tests of the calendar date and time: validation, day of year, decimal
// year, the two-digit-year reader and the print layouts with their state.
#include "GNSS/ymdhms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>
#include <vector>

#include "tests/support/time_output.h"

namespace {

struct Fields {
  unsigned short year, month, day, hour, minute;
  long double second;
};

void ExpectFields(const ymdhms& t, const Fields& want) {
  EXPECT_EQ(t.GetYear(), want.year);
  EXPECT_EQ(t.GetMonth(), want.month);
  EXPECT_EQ(t.GetDay(), want.day);
  EXPECT_EQ(t.GetHour(), want.hour);
  EXPECT_EQ(t.GetMinute(), want.minute);
  EXPECT_NEAR((double)t.GetSecond(), (double)want.second, 1e-9);
}

TEST(YmdhmsValidation, LimitsAndLeapDaysThatAreValid) {
  const Fields valid[] = {
      {1901, 1, 1, 0, 0, 0},       {2199, 12, 31, 23, 59, 59.999L}, {2000, 2, 29, 0, 0, 0},
      {2024, 2, 29, 12, 30, 0.5L}, {2019, 4, 30, 0, 0, 0},
  };
  for (const Fields& f : valid) {
    const ymdhms t(f.year, f.month, f.day, f.hour, f.minute, f.second);
    ExpectFields(t, f);
  }
  const ymdhms start;
  ExpectFields(start, {1980, 1, 1, 0, 0, 0});
}

TEST(YmdhmsValidationDeathTest, EveryValidatingEntryReportsTheFirstBadField) {
  ExpectClassErrors(
      "ymdhms",
      {
          {"year 1900", [] { ymdhms t(1900, 1, 1, 0, 0, 0); }, "YEAR not valid"},
          {"year 2200", [] { ymdhms t(2200, 1, 1, 0, 0, 0); }, "YEAR not valid"},
          {"year before month", [] { ymdhms t(2200, 13, 1, 0, 0, 0); }, "YEAR not valid"},
          {"2100 is not leap", [] { ymdhms t(2100, 2, 29, 0, 0, 0); }, "DAY not valid"},
          {"2019 is not leap", [] { ymdhms t(2019, 2, 29, 0, 0, 0); }, "DAY not valid"},
          {"month 0", [] { ymdhms t(2019, 0, 1, 0, 0, 0); }, "MONTH not valid"},
          {"month 13", [] { ymdhms t(2019, 13, 1, 0, 0, 0); }, "MONTH not valid"},
          {"day 0", [] { ymdhms t(2019, 1, 0, 0, 0, 0); }, "DAY not valid"},
          {"April 31", [] { ymdhms t(2019, 4, 31, 0, 0, 0); }, "DAY not valid"},
          {"hour 24", [] { ymdhms t(2019, 1, 1, 24, 0, 0); }, "HOUR not valid"},
          {"minute 60", [] { ymdhms t(2019, 1, 1, 0, 60, 0); }, "MINUTE not valid"},
          {"second 60", [] { ymdhms t(2019, 1, 1, 0, 0, 60); }, "SECOND not valid"},
          {"NaN second", [] { ymdhms t(2019, 1, 1, 0, 0, std::nanl("")); }, "SECOND not valid"},
          {"Set", [] { ymdhms().Set(2019, 1, 1, 0, 0, -0.1L); }, "SECOND not valid"},
          {"decimal year 67437.5", [] { ymdhms().SetYDec(67437.5); }, "YEAR not valid"},
          {"negative decimal year", [] { ymdhms().SetYDec(-3.5); }, "YEAR not valid"},
          {"NaN decimal year", [] { ymdhms().SetYDec(std::nan("")); }, "YEAR not valid"},
          {"SetYear", [] { ymdhms().SetYear(2200); }, "YEAR not valid"},
          {"SetMonth", [] { ymdhms().SetMonth(13); }, "MONTH not valid"},
          {"SetDay", [] { ymdhms().SetDay(32); }, "DAY not valid"},
          {"SetHour", [] { ymdhms().SetHour(24); }, "HOUR not valid"},
          {"SetMinute", [] { ymdhms().SetMinute(60); }, "MINUTE not valid"},
          {"SetSecond", [] { ymdhms().SetSecond(60); }, "SECOND not valid"},
          {"SetHMS", [] { ymdhms().SetHMS(23, 60, 0); }, "MINUTE not valid"},
          {"day of year 0", [] { ymdhms().SetDayOfYear(2020, 0); }, "MONTH not valid"},
          {"day 366, common", [] { ymdhms().SetDayOfYear(2019, 366); }, "MONTH not valid"},
          {"day 367, leap", [] { ymdhms().SetDayOfYear(2020, 367); }, "MONTH not valid"},
          {"day of year far out", [] { ymdhms().SetDayOfYear(2020, 65535); }, "MONTH not valid"},
          {"day of year, bad year", [] { ymdhms().SetDayOfYear(1900, 1); }, "YEAR not valid"},
          {"copy",
           [] {
             ymdhms bad;
             bad.day = 32;
             ymdhms t(bad);
           },
           "DAY not valid"},
          {"assignment",
           [] {
             ymdhms bad;
             bad.hour = 25;
             ymdhms t;
             t = bad;
           },
           "HOUR not valid"},
          {"day of year of a bad month",
           [] {
             ymdhms bad;
             bad.month = 0;
             bad.GetDayOfYear();
           },
           "MONTH not valid"},
          {"reader",
           [] {
             std::istringstream in("19 2 29 0 0 0");
             ymdhms t;
             in >> t;
           },
           "DAY not valid"},
          {"reader, minute beyond 16 bits",
           [] {
             std::istringstream in("2019 2 28 0 70000 0");
             ymdhms t;
             in >> t;
           },
           "MINUTE not valid"},
      });
}

TEST(YmdhmsReader, TwoDigitYearsFallIn1980To2079) {
  struct Case {
    const char* text;
    unsigned short year;
  };
  const Case cases[] = {{"99 1 1 0 0 0", 1999}, {"5 1 1 0 0 0", 2005}, {"80 1 1 0 0 0", 1980},
                        {"79 1 1 0 0 0", 2079}, {"0 1 1 0 0 0", 2000}, {"2020 1 1 0 0 0", 2020}};
  for (const Case& c : cases) {
    std::istringstream in(c.text);
    ymdhms t;
    in >> t;
    EXPECT_EQ(t.GetYear(), c.year) << c.text;
  }
  std::istringstream in("2017 3 5  6 7 8.5");
  ymdhms t;
  in >> t;
  ExpectFields(t, {2017, 3, 5, 6, 7, 8.5L});
}

TEST(YmdhmsDayOfYear, CountsFromJanuaryFirstWithLeapYears) {
  struct Case {
    unsigned short year, month, day, doy;
  };
  const Case cases[] = {{2020, 3, 1, 61},    {2019, 3, 1, 60},   {2020, 12, 31, 366},
                        {2019, 12, 31, 365}, {2019, 1, 1, 1},    {2000, 2, 29, 60},
                        {2100, 3, 1, 60},    {2100, 12, 31, 365}};
  for (const Case& c : cases) {
    const ymdhms t(c.year, c.month, c.day, 0, 0, 0);
    EXPECT_EQ(t.GetDayOfYear(), c.doy) << c.year << "-" << c.month << "-" << c.day;
    ymdhms back(1999, 5, 5, 5, 5, 5);
    back.SetDayOfYear(c.year, c.doy);
    ExpectFields(back, {c.year, c.month, c.day, 0, 0, 0});
  }
  ymdhms t;
  t.SetDayOfYear(2020, 32);
  ExpectFields(t, {2020, 2, 1, 0, 0, 0});
}

TEST(YmdhmsDecimalYear, BothDirections) {
  EXPECT_EQ(ymdhms(2020, 7, 2, 0, 0, 0).GetYearDec(), 2020 + 183.0L / 366);
  EXPECT_EQ(ymdhms(2019, 1, 1, 12, 0, 0).GetYearDec(), 2019 + 0.5L / 365);
  ymdhms t;
  t.SetYDec(2020.5);
  ExpectFields(t, {2020, 7, 2, 0, 0, 0});
  t.SetYDec(2019.25);
  ExpectFields(t, {2019, 4, 2, 6, 0, 0});
}

TEST(YmdhmsSplit, SecondsOfDayCarryUpToTheHour) {
  ymdhms t(2019, 1, 1, 0, 0, 0);
  t.SetDaySecond(86399.99999999999L);
  EXPECT_EQ(t.GetHour(), 24);  // left unvalidated
  EXPECT_EQ(t.GetMinute(), 0);
  EXPECT_EQ(t.GetSecond(), 0.0L);
  t.SetDaySecond(43387.125L);
  ExpectFields(t, {2019, 1, 1, 12, 3, 7.125L});
  EXPECT_NEAR((double)t.GetDaySecond(), 43387.125, 1e-12);
}

// Puts the print switches back to their start values after each test.
class YmdhmsPrint : public ::testing::Test {
 protected:
  void TearDown() override {
    ymdhmsns::PrintType = ymdhmsns::NORINEX;
    ymdhmsns::PrintFormat = ymdhmsns::YMDHMS;
    ymdhmsns::NDecSecond = 1;
  }
};

struct Layout {
  Fields date;
  unsigned short type, format, decimals;
  const char* text;
  std::streamsize precision;
  char fill;
};

void ExpectLayouts(const std::vector<Layout>& layouts) {
  for (const Layout& c : layouts) {
    ymdhmsns::PrintType = c.type;
    ymdhmsns::PrintFormat = c.format;
    ymdhmsns::NDecSecond = c.decimals;
    SCOPED_TRACE(::testing::Message()
                 << "type " << c.type << " format " << c.format << " N " << c.decimals);
    const Printed printed = PrintFromForeignState(
        ymdhms(c.date.year, c.date.month, c.date.day, c.date.hour, c.date.minute, c.date.second));
    EXPECT_EQ(printed.text, c.text);
    EXPECT_EQ(printed.fixed, *c.text != '\0');
    EXPECT_EQ(printed.precision, c.precision);
    EXPECT_EQ(printed.fill, c.fill);
  }
}

const Fields kSample = {2020, 1, 5, 12, 3, 7.125L};

TEST_F(YmdhmsPrint, ProgramLayoutsAtSeveralDecimals) {
  using namespace ymdhmsns;
  ExpectLayouts({
      {kSample, NORINEX, YMDHMS, 0, " 2020-01-05 12:03:07", 0, ' '},
      {kSample, NORINEX, YMDHMS, 1, " 2020-01-05 12:03:07.1", 1, ' '},
      {kSample, NORINEX, YMDHMS, 3, " 2020-01-05 12:03:07.125", 3, ' '},
      {kSample, NORINEX, YMDHMS, 7, " 2020-01-05 12:03:07.1250000", 7, ' '},
      {kSample, NORINEX, YDHMS, 0, " 2020-005 12:03:007", 0, ' '},
      {kSample, NORINEX, YDHMS, 3, " 2020-005 12:03:07.125", 3, ' '},
      {kSample, NORINEX, YDSEC, 0, " 2020-005   43387", 0, ' '},
      {kSample, NORINEX, YDSEC, 1, " 2020-005  43387.1", 1, ' '},
      {kSample, NORINEX, YDSEC, 7, " 2020-005  43387.1250000", 7, ' '},
      {kSample, NORINEX, YMD, 3, " 2020-01-05", 17, ' '},
      {kSample, NORINEX, YDEC, 0, " 2020.012301", 6, '*'},
      {kSample, NORINEX, YDEC, 1, " 2020.0123010", 7, '*'},
      {kSample, NORINEX, YD, 3, " 2020-005", 17, ' '},
      {kSample, NORINEX, 6, 3, "", 17, '*'},
  });
}

TEST_F(YmdhmsPrint, ExchangeLayouts) {
  using namespace ymdhmsns;
  ExpectLayouts({
      {kSample, RINEXHEADER, YMDHMS, 3, "  2020     1     5    12     3    7.1250000", 7, '*'},
      {kSample, RINEXDATA, YMDHMS, 3, " 20  1  5 12  3  7.1250000", 7, '*'},
      {{2000, 1, 1, 0, 0, 0}, RINEXDATA, YMDHMS, 1, "  0  1  1  0  0  0.0000000", 7, '*'},
      {{1999, 12, 31, 23, 59, 59.5L}, RINEXDATA, YMDHMS, 1, " 99 12 31 23 59 59.5000000", 7, '*'},
      {kSample, SP3, YMDHMS, 3, "2020  1  5 12  3  7.12500000", 8, '*'},
      {kSample, SINEX, YMDHMS, 3, "20:005:43387", 0, ' '},
      {{2005, 2, 1, 1, 0, 0}, SINEX, YMDHMS, 1, "05:032:03600", 0, ' '},
      {kSample, 5, YMDHMS, 3, "", 17, '*'},
  });
}

TEST_F(YmdhmsPrint, SettingsReportForm) {
  ymdhmsns::NDecSecond = 3;
  std::ostringstream out;
  out << ymdhms(2017, 3, 5, 6, 7, 8.5L);
  EXPECT_EQ(out.str(), " 2017-03-05 06:07:08.500");
}

}  // namespace

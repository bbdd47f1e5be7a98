// Tests of the option-value parsers: the documented forms, numbers that do not
// parse, and words far longer than any field.
#include "PROGINC/ParseArgument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "GNSS/flh.h"
#include "GNSS/xyz.h"
#include "GNSS/ymdhms.h"
#include "funkcije/KotnePretvorbe.h"
#include "tests/support/fatal_output.h"
#include "tests/support/program_frames.h"

namespace {

const std::size_t kLong = 10000;

std::string Repeat(const std::string& piece, std::size_t times) {
  std::string text;
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

template <class T>
std::vector<long> Column(const matrix<T>& m) {
  std::vector<long> values;
  for (long i = 0; i < m.r; ++i) values.push_back(m(i));
  return values;
}

struct SatCase {
  const char* word;
  std::vector<long> numbers;
};

TEST(ParseSatList, GroupsOfThreeBecomeSatelliteNumbersInWordOrder) {
  const std::vector<SatCase> cases = {
      {"-pG01G03G23R02", {1, 3, 23, 102}},
      {"-pG05", {5}},
      {"-pR05E05", {105, 205}},
      {"-pC05", {305}},
      {"-pr05e05c05g05", {105, 205, 305, 5}},  // system letters in either case
      {"-pS05", {5}},                          // no offset for other letters
      {"-pE11", {211}},
      {"-pG05G05G01", {5, 5, 1}},  // neither sorted nor freed of repeats
      {"-p", {}},
      {"-pG01G0", {1}},  // the two characters left over are ignored
      {"-pG01G", {1}},
  };
  for (const SatCase& c : cases) {
    matrix<short> signedList(5, 1);
    matrix<unsigned short> unsignedList(5, 1);
    ParseSatList(c.word, signedList, 2);
    ParseSatList(c.word, unsignedList, 2);
    EXPECT_EQ(Column(signedList), c.numbers) << c.word;
    EXPECT_EQ(Column(unsignedList), c.numbers) << c.word;
  }
}

TEST(ParseSatList, ValueStartingPastTheWordGivesNoRows) {
  matrix<short> list(3, 1);
  ParseSatList("-", list, 2);
  EXPECT_EQ(list.r, 0);
}

TEST(ParseSatList, ListFarBeyondNinetyNineSatellitesIsReadWhole) {
  const std::string word = "-p" + Repeat("R07", kLong / 3) + "G1";
  matrix<short> list;
  ParseSatList(word.c_str(), list, 2);
  ASSERT_EQ(list.r, static_cast<long>(kLong / 3));
  EXPECT_EQ(list(0), 107);
  EXPECT_EQ(list(list.r - 1), 107);
}

struct DateCase {
  std::string word;
  int npos;
  unsigned short year, month, day, hour, minute;
  long double second;
};

TEST(ParseDate, FixedColumnsWithAnySeparators) {
  const std::vector<DateCase> cases = {
      {"-s2020-01-15/12:30:15.5", 2, 2020, 1, 15, 12, 30, 15.5L},
      {"-s2020.01.15_12.30.15.5", 2, 2020, 1, 15, 12, 30, 15.5L},
      {"-e2019-12-31 23:59:59.999", 2, 2019, 12, 31, 23, 59, 59.999},
      {"-st2020-02-29/00:00:00", 3, 2020, 2, 29, 0, 0, 0},
      // The word ends inside the seconds field, or right before it.
      {"-s2020-01-15/12:30:1", 2, 2020, 1, 15, 12, 30, 1},
      {"-s2020-01-15/12:30", 2, 2020, 1, 15, 12, 30, 0},
      {"-s2020-01-15/12:3", 2, 2020, 1, 15, 12, 3, 0},
      // Seconds are read whole however long they are.
      {"-s2020-01-15/12:30:" + std::string(kLong, '0') + "15.5", 2, 2020, 1, 15, 12, 30, 15.5L},
      {"-s2020-01-15/12:30:15.25" + std::string(kLong, '0'), 2, 2020, 1, 15, 12, 30, 15.25L},
  };
  for (const DateCase& c : cases) {
    ymdhms date;
    ParseDate(c.word.c_str(), date, c.npos);
    EXPECT_EQ(date.GetYear(), c.year) << c.word;
    EXPECT_EQ(date.GetMonth(), c.month) << c.word;
    EXPECT_EQ(date.GetDay(), c.day) << c.word;
    EXPECT_EQ(date.GetHour(), c.hour) << c.word;
    EXPECT_EQ(date.GetMinute(), c.minute) << c.word;
    EXPECT_EQ(date.GetSecond(), static_cast<long double>(static_cast<double>(c.second))) << c.word;
  }
}

TEST(ParseDate, DateOnlyFormSetsMidnight) {
  ymdhms date;
  ParseDate("-s2020-01-15/12:30:15.5", date, 2);
  ParseYMD("-d2021-03-04/23:59:59", date, 2);
  EXPECT_EQ(date.GetYear(), 2021);
  EXPECT_EQ(date.GetMonth(), 3);
  EXPECT_EQ(date.GetDay(), 4);
  EXPECT_EQ(date.GetDaySecond(), 0);
}

// The columns are fixed, so a value whose fields are not where they belong
// would be read as another date; a time of day left out at the end is 0.
TEST(IsDateInColumns, DigitsWhereTheFieldsBelong) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"-s2020-01-15/12:30:15.5", true},
      {"-s2020.01.15_12.30.15.5", true},
      {"-s2020-01-15", true},
      {"-s2020-01-15/", true},
      {"-s2020-01-15/12:30", true},
      {"-s2020-01-15/12:30:5", true},
      {"-s2020-01-15/12:30:15.", true},
      {"-s2020-01-15/12:30:" + std::string(kLong, '0') + "1.25", true},
      {"-s2021-9-22/06:32:00", false},
      {"-s2021-09-22/6:32:00", false},
      {"-s", false},
      {"-s 2020-01-15", false},
      {"-s2020-01-1", false},
      {"-s2020-01-15/12:3", false},
      {"-s2020-01-15/12:-1:00", false},
      {"-s2020-01-15/12:30:15Z", false},
      {"-s2020-01-15/12:30:.5", false},
      {"-s2020-01-15/12:30:1e1", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsDateInColumns(c.first.c_str(), 2), c.second) << c.first;
  EXPECT_TRUE(IsDateInColumns("-st2020-02-29/00:00:00", 3));
}

std::string DateFrame(const std::string& text) {
  return "\n**** ymdhms: Error -> " + text + " ****\n     Exiting class ymdhms ... \n";
}

TEST(ParseDateDeathTest, FirstInvalidFieldEndsTheProgram) {
  const std::vector<std::pair<std::string, const char*>> cases = {
      {"-s2020-13-15/12:30:15", "MONTH not valid"},
      {"-s2019-02-29/12:30:15", "DAY not valid"},
      {"-s2020-01-15/24:30:15", "HOUR not valid"},
      {"-s2020-01-15/12:30:60", "SECOND not valid"},
      {"-s2020-01", "DAY not valid"},  // the word ends before the day
      {"-s", "YEAR not valid"},
      {"-s" + std::string(kLong, 'x'), "YEAR not valid"},
      {"-s2020-01-15/12:30:15" + std::string(200, '5'), "SECOND not valid"},
  };
  for (const auto& c : cases) {
    ymdhms date;
    EXPECT_EQ(RunExpectingExit([&] { ParseDate(c.first.c_str(), date, 2); }).out,
              DateFrame(c.second))
        << c.first.substr(0, 30);
  }
  EXPECT_EQ(RunExpectingExit([] {
              ymdhms date;
              ParseYMD("-s2020-00", date, 2);
            }).out,
            DateFrame("MONTH not valid"));
  // Seconds beyond the double range convert to infinity, which the calendar
  // class refuses.
  const std::string hugeSeconds = "-s2020-01-15/12:30:15" + std::string(kLong, '5');
  EXPECT_EQ(RunExpectingExit([&] {
              ymdhms date;
              ParseDate(hugeSeconds.c_str(), date, 2);
            }).out,
            DateFrame("SECOND not valid"));
}

struct NumberCase {
  const char* word;
  double expected;
};

TEST(ParseNumbers, StandardConversionWithZeroForNonNumbers) {
  struct Case {
    const char* word;
    double real;
    int integer;
  };
  const std::vector<Case> cases = {
      {"-t30", 30, 30},      {"-tabc", 0, 0},        {"-t", 0, 0},
      {"-t 15.5", 15.5, 15}, {"-t-2.5e1x", -25, -2}, {"-t1.5.3", 1.5, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseDouble(c.word, 2), c.real) << c.word;
    EXPECT_EQ(ParseFloat(c.word, 2), static_cast<float>(c.real)) << c.word;
    EXPECT_EQ(ParseInteger(c.word, 2), c.integer) << c.word;
  }
}

TEST(ParseNumbers, FloatIsRoundedToSinglePrecision) {
  const long double widened = ParseFloat("-t0.1", 2);
  EXPECT_EQ(widened, static_cast<long double>(0.1f));
  EXPECT_NE(widened, static_cast<long double>(0.1));
  EXPECT_EQ(ParseDouble("-d0.1", 2), 0.1);
}

TEST(ParseNumbers, LongWordOfLeadingZerosIsReadWhole) {
  const std::string word = "-t" + std::string(kLong, '0') + "30";
  EXPECT_EQ(ParseFloat(word.c_str(), 2), 30.0f);
  EXPECT_EQ(ParseDouble(word.c_str(), 2), 30.0);
  EXPECT_EQ(ParseInteger(word.c_str(), 2), 30);
  EXPECT_EQ(ParseHMS(word.c_str(), 2), 30 * 3600);
}

TEST(ParseNumbers, RealsBeyondTheirRangeAreInfiniteAsWithAtof) {
  const std::string huge = "-t" + std::string(kLong, '9');
  EXPECT_EQ(ParseDouble(huge.c_str(), 2), HUGE_VAL);
  EXPECT_EQ(ParseFloat(huge.c_str(), 2), HUGE_VALF);
  // Within double range but beyond single precision.
  EXPECT_EQ(ParseFloat("-t1e39", 2), HUGE_VALF);
  EXPECT_EQ(ParseDouble("-d-1e400", 2), -HUGE_VAL);
}

TEST(ParseNumbersDeathTest, IntegerBeyondItsTypeIsFatalNotWrapped) {
  const std::string huge = "-t" + std::string(kLong, '9');
  const std::string message =
      ErrorFrame("NUMBER OUT OF RANGE IN ARGUMENT -t9999999999999999999999...!");
  EXPECT_EQ(RunExpectingExit([&] { ParseInteger(huge.c_str(), 2); }).err, message);
  EXPECT_EQ(RunExpectingExit([&] { ParseHMS(huge.c_str(), 2); }).err, message);
  EXPECT_EQ(RunExpectingExit([] { ParseInteger("-n4294967296", 2); }).err,
            ErrorFrame("NUMBER OUT OF RANGE IN ARGUMENT -n4294967296!"));
}

TEST(ParseFileName, CopiesTheValueToTheEndOfTheWord) {
  char file[256] = "old";
  ParseFileName("-odata/site 001.sd", file, 2);
  EXPECT_STREQ(file, "data/site 001.sd");
  ParseFileName("-gfchannels.txt", file, 3);
  EXPECT_STREQ(file, "channels.txt");
  ParseFileName("-o", file, 2);
  EXPECT_STREQ(file, "");
  ParseFileName("-", file, 3);  // value position past the word's end
  EXPECT_STREQ(file, "");
}

TEST(ParseFileName, NameFillingTheFieldExactlyFits) {
  char file[256];
  const std::string word = "-o" + std::string(255, 'a');
  ParseFileName(word.c_str(), file, 2);
  EXPECT_EQ(std::string(file), std::string(255, 'a'));
}

TEST(ParseFileNameDeathTest, NameLongerThanItsFieldIsFatal) {
  char file[256];
  const std::string justOver = "-o" + std::string(256, 'a');
  const std::string huge = "-o" + std::string(kLong, 'b');
  EXPECT_EQ(
      RunExpectingExit([&] { ParseFileName(justOver.c_str(), file, 2); }).err,
      ErrorFrame("FILE NAME LONGER THAN 255 CHARACTERS IN ARGUMENT -oaaaaaaaaaaaaaaaaaaaaaa...!"));
  bool isFile = false;
  EXPECT_EQ(
      RunExpectingExit([&] { GetFileName(huge.c_str(), file, isFile, false, 2, ""); }).err,
      ErrorFrame("FILE NAME LONGER THAN 255 CHARACTERS IN ARGUMENT -obbbbbbbbbbbbbbbbbbbbbb...!"));
}

TEST(GetFileName, SetsTheFlagAndEchoesInVerboseMode) {
  char file[256];
  bool isFile = false;
  testing::internal::CaptureStderr();
  GetFileName("-ofile.sd", file, isFile, false, 2, "Input: ");
  GetFileName("-oother.sd", file, isFile, true, 2, "Input: ");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Input: other.sd!\n");
  EXPECT_TRUE(isFile);
  EXPECT_STREQ(file, "other.sd");
}

TEST(ParseString, CopiesWhatFollowsTheFirstMarker) {
  char text[16] = "kept";
  ParseString("-xname", text, '=');
  EXPECT_STREQ(text, "kept");
  ParseString("-x=a=b", text, '=');
  EXPECT_STREQ(text, "a=b");
  ParseString("-x=a", text, '\0');
  EXPECT_STREQ(text, "a=b");
}

TEST(ParseStringDeathTest, TextLongerThanItsFieldIsFatal) {
  char text[16];
  const std::string huge = "-x=" + std::string(kLong, 'c');
  EXPECT_EQ(RunExpectingExit([&] { ParseString(huge.c_str(), text, '='); }).err,
            ErrorFrame("TEXT LONGER THAN 15 CHARACTERS IN ARGUMENT -x=ccccccccccccccccccccc...!"));
}

TEST(ParseHMS, HoursMinutesSecondsAsSeconds) {
  const std::vector<NumberCase> cases = {
      {"-h01:30:15.5", 5415.5}, {"-h2", 7200}, {"-h2:", 7200}, {"-h0:1", 60},
      {"-h-1:0:0", -3600},      {"-hx", 0},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(ParseHMS(c.word, 2), c.expected) << c.word;
}

TEST(ParseTwoNumbers, RunOfDigitsAndPointsThenTheRestAfterOneCharacter) {
  float sig = -1, ppm = -1;
  ParseSigPpm("-s3.5,2", sig, ppm);
  EXPECT_EQ(sig, 3.5f);
  EXPECT_EQ(ppm, 2.0f);
  ParseSigPpm("-s3.5e2", sig, ppm);  // the run ends at "e", not an exponent
  EXPECT_EQ(sig, 3.5f);
  EXPECT_EQ(ppm, 2.0f);
  long double lsig = -1, lppm = -1;
  ParseSigPpm("-sp1.25+0.5", lsig, lppm, 3);
  EXPECT_EQ(lsig, 1.25L);
  EXPECT_EQ(lppm, 0.5L);
  ParseSigPpm("-s4", lsig, lppm, 2);
  EXPECT_EQ(lsig, 4.0L);
  EXPECT_EQ(lppm, 0.0L);
  double ix = -1, iy = -1;
  ParseIncXY("-i10x20", ix, iy);
  EXPECT_EQ(ix, 10.0);
  EXPECT_EQ(iy, 20.0);
}

TEST(ParseThreeNumbers, NodesTriplesAndGeodeticPositions) {
  double x0 = 0, xn = 0, dx = 0;
  Parse1DNodes("-x-1.5/2/0.25", x0, xn, dx);
  EXPECT_EQ(x0, -1.5);
  EXPECT_EQ(xn, 2.0);
  EXPECT_EQ(dx, 0.25);
  Parse1DNodes("-x7", x0, xn, dx);  // missing numbers are 0, nothing past the end is read
  EXPECT_EQ(x0, 7.0);
  EXPECT_EQ(xn, 0.0);
  EXPECT_EQ(dx, 0.0);

  xyz position;
  ParseXYZ("-X04194423.5,1162702.25,-4647245", position, 3);
  EXPECT_EQ(position, xyz(4194423.5L, 1162702.25L, -4647245.0L));

  flh geodetic;
  flhns::Unit = flhns::DEG;
  ParseFLH("-f45.5,-14.25,300", geodetic, 2);
  EXPECT_EQ(geodetic, flh(deg2rad(45.5L), deg2rad(-14.25L), 300));
  // Packed angles are read in extended precision: from a double, 45.3 would
  // come out as 45 deg 29 min 99.99999 s instead of 45 deg 30 min.
  flhns::Unit = flhns::DMS;
  ParseFLH("-f45.3,14.15,1", geodetic, 2);
  EXPECT_EQ(geodetic, flh(dms2rad(45.3L), dms2rad(14.15L), 1));
  flhns::Unit = flhns::SINEX;  // a unit the parser does not read stores nothing
  ParseFLH("-f1,1,1", geodetic, 2);
  EXPECT_EQ(geodetic, flh(dms2rad(45.3L), dms2rad(14.15L), 1));
  flhns::Unit = flhns::RAD;
  ParseFLH("-f0.5,0.25,2", geodetic, 2);
  EXPECT_EQ(geodetic, flh(0.5L, 0.25L, 2));
}

TEST(ParsePrintOpt, IntegerThenIntegerAfterTheFirstNonDigit) {
  short nA = -1, nD = -1;
  ParsePrintOpt("-f12.4", nA, nD, 2);
  EXPECT_EQ(nA, 12);
  EXPECT_EQ(nD, 4);
  ParsePrintOpt("-f12", nA, nD, 2);
  EXPECT_EQ(nA, 12);
  EXPECT_EQ(nD, 0);
}

TEST(ParseLists, CountAndStoreEveryNumber) {
  const char* word = "-l1,-2.5,,30 4";
  EXPECT_EQ(CountListOfNums(word, 2), 4);
  EXPECT_EQ(CountListOfNums("-l", 2), 0);
  long n = 0;
  matrix<long> ints(4, 1);
  ParseListofLInts(word, n, ints, 2);
  EXPECT_EQ(n, 4);
  EXPECT_EQ(Column(ints), (std::vector<long>{1, -2, 30, 4}));
  matrix<double> doubles(4, 1);
  ParseListofDbls(word, n, doubles, 2);
  EXPECT_EQ(doubles(1), -2.5);
  matrix<long double> longDoubles(4, 1);
  ParseListofLongDbls(word, n, longDoubles, 2);
  EXPECT_EQ(longDoubles(3), 4.0L);
}

TEST(ParseListsDeathTest, MatrixWithoutRoomIsAFatalMatrixError) {
  long n = 0;
  matrix<long> ints(2, 1);
  const ChildOutput output = RunExpectingExit([&] { ParseListofLInts("-l1,2,3", n, ints, 2); });
  EXPECT_NE(output.out.find("Matrix index not in range"), std::string::npos) << output.out;
}

// Every parser on a word of ten thousand characters: the result is either the
// whole value or a fatal report, never a write past a field (the sanitizer
// build checks that).
TEST(LongWords, EveryParserReadsAWholeLongValueSafely) {
  const std::string list = "-l" + Repeat("1,", kLong / 2);
  EXPECT_EQ(CountListOfNums(list.c_str(), 2), static_cast<long>(kLong / 2));
  long n = 0;
  matrix<long> ints(kLong / 2, 1);
  ParseListofLInts(list.c_str(), n, ints, 2);
  EXPECT_EQ(n, static_cast<long>(kLong / 2));
  matrix<double> doubles(kLong / 2, 1);
  ParseListofDbls(list.c_str(), n, doubles, 2);
  matrix<long double> longDoubles(kLong / 2, 1);
  ParseListofLongDbls(list.c_str(), n, longDoubles, 2);
  EXPECT_EQ(longDoubles(kLong / 2 - 1), 1.0L);

  const std::string zeros(kLong, '0');
  const std::string nodes = "-x" + zeros + "1/" + zeros + "2/" + zeros + "3";
  double x0 = 0, xn = 0, dx = 0;
  Parse1DNodes(nodes.c_str(), x0, xn, dx);
  EXPECT_EQ(dx, 3.0);
  xyz position;
  ParseXYZ(nodes.c_str(), position, 2);
  EXPECT_EQ(position, xyz(1, 2, 3));
  flh geodetic;
  ParseFLH(nodes.c_str(), geodetic, 2);
  EXPECT_EQ(geodetic.h, 3.0L);

  const std::string pair = "-s" + zeros + "1.5," + zeros + "2";
  float sig = 0, ppm = 0;
  ParseSigPpm(pair.c_str(), sig, ppm);
  EXPECT_EQ(ppm, 2.0f);
  double ix = 0, iy = 0;
  ParseIncXY(pair.c_str(), ix, iy);
  EXPECT_EQ(ix, 1.5);

  const std::string print = "-f" + zeros + "12." + zeros + "4";
  short nA = 0, nD = 0;
  ParsePrintOpt(print.c_str(), nA, nD, 2);
  EXPECT_EQ(nD, 4);

  long double lsig = 0, lppm = 0;
  ParseSigPpm(pair.c_str(), lsig, lppm, 2);
  EXPECT_EQ(lsig, 1.5L);

  const std::string sats = "-p" + Repeat("E01", kLong / 3);
  matrix<unsigned short> unsignedList;
  ParseSatList(sats.c_str(), unsignedList, 2);
  EXPECT_EQ(unsignedList.r, static_cast<long>(kLong / 3));

  const std::string date = "-d2020-01-15" + std::string(kLong, '9');
  ymdhms day;
  ParseYMD(date.c_str(), day, 2);
  EXPECT_EQ(day.GetDay(), 15);

  char text[kLong + 8];
  const std::string named = "-x=" + std::string(kLong, 'n');
  ParseString(named.c_str(), text, '=');
  EXPECT_EQ(std::string(text), std::string(kLong, 'n'));
}

}  // namespace

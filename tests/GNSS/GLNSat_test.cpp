// Tests of the GLONASS frequency-channel file: which lines are records, the
// fixed columns, open and touching periods, the lookup rule and the fatal
// paths.
#include "GNSS/GLNSat.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "GNSS/TimeConverse.h"
#include "tests/support/fatal_output.h"
#include "tests/support/program_frames.h"

namespace {

// Lines of the file, built field by field at their columns.
const char* const kHeader =
    "# GLONASS frequency channels\n"
    "# slot      start (y m d h m s)    end (blank: open)   channel\n";

// A record line: start and end as "YYYY MM DD hh mm ss.s" (end empty for an
// open period), the channel from column 52.
std::string Record(const std::string& slot, const std::string& start, const std::string& end,
                   const std::string& channel) {
  std::string line = slot;
  line.resize(10, ' ');
  line += start;
  line.resize(31, ' ');
  line += end;
  line.resize(51, ' ');
  return line + channel;
}

class ChannelFile : public ::testing::Test {
 protected:
  void TearDown() override {
    for (const std::string& path : written) std::remove(path.c_str());
  }

  // Writes the text to a fresh file and returns its path.
  std::string Write(const std::string& text) {
    char path[] = "/tmp/quintavelmor_glnsat_XXXXXX";
    const int fd = mkstemp(path);
    close(fd);
    std::ofstream(path, std::ios::binary) << text;
    written.push_back(path);
    return path;
  }

  // A table read from the given file text.
  void Load(const std::string& text) {
    table.SetFile(Write(text).c_str());
    table.ReadFile();
  }

  long double Channel(short satellite, unsigned short y, unsigned short mo, unsigned short d,
                      unsigned short h, unsigned short mi, long double s) {
    mjd t = ymdhms2mjd(ymdhms(y, mo, d, h, mi, s));
    return table.GetFreqNum(satellite, t);
  }

  GLNSat table;
  std::vector<std::string> written;
};

TEST_F(ChannelFile, CommentOnlyFileHasNoRecords) {
  Load(kHeader);
  EXPECT_EQ(table.nsat, 0);
  EXPECT_EQ(Channel(105, 2020, 1, 1, 0, 0, 0), 0);
  EXPECT_FALSE(table.GetIsGLNSat());
}

TEST_F(ChannelFile, RecordFromTheFormatDescription) {
  Load(std::string(kHeader) + "R05 R01   2012 01 01 00 00 00.0" + std::string(20, ' ') + "-4\n");
  ASSERT_EQ(table.nsat, 1);
  EXPECT_EQ(table.sat(0), 105);
  EXPECT_EQ(table.FreqChannel(0), -4);
  EXPECT_TRUE(table.eph(0, GLNSat::FROM) == ymdhms2mjd(ymdhms(2012, 1, 1, 0, 0, 0)));
  EXPECT_TRUE(table.eph(0, GLNSat::TO) == table.lastEph);
  EXPECT_EQ(table.lastEph.mjday, 88068u);
  EXPECT_EQ(table.lastEph.second, 86399);
}

TEST_F(ChannelFile, OpenPeriodLastsToTheEndOf2099Inclusive) {
  Load(Record("R05", "2012 01 01 00 00 00.0", "", "-4"));
  struct Case {
    unsigned short y, mo, d, h, mi;
    long double s;
    bool found;
  };
  const Case cases[] = {
      {2012, 1, 1, 0, 0, 0, true},
      {2011, 12, 31, 23, 59, 59.5L, false},
      {2099, 12, 31, 23, 59, 59, true},
      {2099, 12, 31, 23, 59, 59.5L, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.y);
    EXPECT_EQ(Channel(105, c.y, c.mo, c.d, c.h, c.mi, c.s), c.found ? -4 : 0);
    EXPECT_EQ(table.GetIsGLNSat(), c.found);
  }
}

TEST_F(ChannelFile, PeriodBoundsAreInclusiveAndTheFirstRecordWins) {
  Load(std::string(kHeader) + Record("R07", "2024 06 24 00 00 00.0", "2024 06 25 12 00 00.0", "3") +
       "\n" + Record("R07", "2024 06 25 12 00 00.0", "2024 06 26 00 00 00.0", "-2") + "\n" +
       Record("R08", "2024 06 20 00 00 00.0", "", "6") + "\n");
  struct Case {
    short satellite;
    unsigned short d, h;
    long double s;
    long double channel;
    bool found;
  };
  const Case cases[] = {
      {107, 24, 0, 0, 3, true},      {107, 23, 23, 59.5L, 0, false}, {107, 25, 11, 59.5L, 3, true},
      {107, 25, 12, 0, 3, true},  // common epoch: first record
      {107, 25, 12, 0.5L, -2, true}, {107, 26, 0, 0, -2, true},      {107, 26, 0, 0.5L, 0, false},
      {108, 25, 12, 0, 6, true},     {109, 25, 12, 0, 0, false},     {7, 25, 12, 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.satellite << " day " << c.d << " hour " << c.h);
    EXPECT_EQ(Channel(c.satellite, 2024, 6, c.d, c.h, 0, c.s), c.channel);
    EXPECT_EQ(table.GetIsGLNSat(), c.found);
  }
}

TEST_F(ChannelFile, SkipsBlankLedEmptyAndCommentLines) {
  Load(std::string(kHeader) + "\n" + " " + Record("R01", "2024 06 24 00 00 00.0", "", "1") + "\n" +
       "#" + Record("R02", "2024 06 24 00 00 00.0", "", "2") + "\n" +
       Record("R03", "2024 06 24 00 00 00.0", "", "5") + "\n\n");
  ASSERT_EQ(table.nsat, 1);
  EXPECT_EQ(table.sat(0), 103);
}

TEST_F(ChannelFile, ChannelsKeepTheirSign) {
  Load(Record("R10", "2024 06 24 00 00 00.0", "", "-7") + "\n" +
       Record("R11", "2024 06 24 00 00 00.0", "", "1.0") + "\n" +
       Record("R12", "2024 06 24 00 00 00.0", "", "+6") + "\n");
  ASSERT_EQ(table.nsat, 3);
  EXPECT_EQ(table.FreqChannel(0), -7);
  EXPECT_EQ(table.FreqChannel(1), 1);
  EXPECT_EQ(table.FreqChannel(2), 6);
}

TEST_F(ChannelFile, WindowsLineEndsReadLikePlainOnes) {
  const std::string lines[] = {
      kHeader, Record("R05", "2012 01 01 00 00 00.0", "", "-4"),
      Record("R06", "2012 01 01 00 00 00.0", "2013 01 01 00 00 00.0", "-3"),
      "R07       2012 01 01"};
  std::string plain, windows;
  for (const std::string& line : lines) {
    plain += line + "\n";
    windows += line + "\r\n";
  }
  Load(windows);
  GLNSat plainTable;
  plainTable.SetFile(Write(plain).c_str());
  plainTable.ReadFile();
  ASSERT_EQ(table.nsat, plainTable.nsat);
  for (long i = 0; i < table.nsat; i++) {
    EXPECT_EQ(table.sat(i), plainTable.sat(i));
    EXPECT_TRUE(table.eph(i, GLNSat::FROM) == plainTable.eph(i, GLNSat::FROM));
    EXPECT_TRUE(table.eph(i, GLNSat::TO) == plainTable.eph(i, GLNSat::TO));
    EXPECT_EQ(table.FreqChannel(i), plainTable.FreqChannel(i));
  }
  EXPECT_TRUE(table.eph(0, GLNSat::TO) == table.lastEph);
}

TEST_F(ChannelFile, LongLinesAreReadWholeAndLaterRecordsKept) {
  const std::string longComment = "#" + std::string(700, 'x');
  const std::string longRecord =
      Record("R01", "2024 06 24 00 00 00.0", "", "1") + " " + std::string(600, 'y');
  Load(longComment + "\n" + longRecord + "\n" + Record("R02", "2024 06 24 00 00 00.0", "", "-4"));
  ASSERT_EQ(table.nsat, 2);
  EXPECT_EQ(table.FreqChannel(0), 1);
  EXPECT_EQ(table.sat(1), 102);
  EXPECT_EQ(table.FreqChannel(1), -4);
}

TEST_F(ChannelFile, FieldsPastTheEndOfALineReadAsZero) {
  // The line ends after the start day: the time reads 00:00:00, the period
  // is open and the channel is 0.
  Load("R09       2024 06 24\n");
  ASSERT_EQ(table.nsat, 1);
  EXPECT_TRUE(table.eph(0, GLNSat::FROM) == ymdhms2mjd(ymdhms(2024, 6, 24, 0, 0, 0)));
  EXPECT_TRUE(table.eph(0, GLNSat::TO) == table.lastEph);
  EXPECT_EQ(table.FreqChannel(0), 0);
}

TEST_F(ChannelFile, SlotThatCannotBeGlonassMatchesNoSatellite) {
  Load(Record("R150", "2024 06 24 00 00 00.0", "", "2"));
  ASSERT_EQ(table.nsat, 1);
  EXPECT_EQ(table.sat(0), 0);
  EXPECT_EQ(Channel(250, 2024, 6, 25, 0, 0, 0), 0);
  EXPECT_FALSE(table.GetIsGLNSat());
}

// Death tests run first and alone; they share the file helpers.
class ChannelFileDeathTest : public ChannelFile {};

// A field out of range is reported with the line it stands on, counted with
// the comment lines, and the date it belongs to.
TEST_F(ChannelFileDeathTest, DateFieldOutOfRangeEndsTheProgramNamingTheLine) {
  struct Case {
    std::string line;
    const char* message;
  };
  const Case cases[] = {
      {Record("R01", "2024 13 24 00 00 00.0", "", "1"), "START MONTH NOT VALID"},
      {Record("R01", "2024 06 24 25 00 00.0", "", "1"), "START HOUR NOT VALID"},
      {Record("R01", "2024 06 24 00 00 00.0", "2024 06 31 00 00 00.0", "1"), "END DAY NOT VALID"},
      // Too large for 16 bits: rejected, not wrapped round to 2000.
      {Record("R01", "67536 06 24 00 00 00.0", "", "1"), "START YEAR NOT VALID"},
      {Record("R01", "2024 -6 24 00 00 00.0", "", "1"), "START MONTH NOT VALID"},
      {Record("R01", "2024 06 24 00 00 60.0", "", "1"), "START SECOND NOT VALID"},
      {Record("R01", "2024 06 24 00 00 00.0", "2024 06 30 00 60 00", "1"), "END MINUTE NOT VALID"},
      // Another kind of file given as channel file.
      {"SINGLE_DIFFERENCES", "START YEAR NOT VALID"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const std::string path =
        Write(kHeader + Record("R02", "2024 06 24 00 00 00.0", "", "-4") + "\n" + c.line + "\n");
    const ChildOutput output = RunExpectingExit([&path] {
      GLNSat fresh;
      fresh.SetFile(path.c_str());
      fresh.ReadFile();
    });
    EXPECT_EQ(output.err, ErrorFrame(std::string("GLONASS FREQUENCY CHANNEL FILE, LINE 4: ") +
                                     c.message + "!"));
    EXPECT_EQ(output.out, "");
  }
}

TEST_F(ChannelFileDeathTest, MissingFileEndsTheProgramAtSetFile) {
  const ChildOutput output = RunExpectingExit([] {
    GLNSat table;
    table.SetFile("/tmp/quintavelmor_no_such_channel_file.txt");
  });
  EXPECT_EQ(output.err, ErrorFrame("GLONASS FREQUENCY CHANNEL FILE DOES NOT EXIST!"));
  EXPECT_EQ(output.out, "");
}

TEST_F(ChannelFileDeathTest, FileThatCannotBeOpenedEndsTheProgramAtReadFile) {
  const ChildOutput output = RunExpectingExit([] {
    GLNSat table;
    std::snprintf(table.file, sizeof(table.file), "%s", "/tmp/quintavelmor_vanished_file.txt");
    table.ReadFile();
  });
  EXPECT_EQ(output.err, ErrorFrame("GLONASS FREQUENCY CHANNEL FILE CAN NOT BE OPENED!"));
}

TEST_F(ChannelFileDeathTest, NameThatDoesNotFitIsRejected) {
  const std::string name = "/tmp/" + std::string(251, 'n');  // 256 characters
  const ChildOutput output = RunExpectingExit([&name] {
    GLNSat table;
    table.SetFile(name.c_str());
  });
  EXPECT_EQ(output.err, ErrorFrame("GLONASS FREQUENCY CHANNEL FILE NAME IS TOO LONG!"));
}

}  // namespace

// Tests of the simulator's text: value fields, record lines, the header, the
// GLONASS channel file and the calendar behind the epochs.
#include "tools/SimFormat.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "tools/SimHeader.h"
#include "tools/SimTime.h"

namespace {

TEST(SimField, RightAlignedThreeDecimalsOrMissing) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {1234.5678, "         1234.568"},     {-153207.82049, "      -153207.820"},
      {0.0002, "            0.000"},        {-0.0002, "           -0.000"},
      {20000000.0004, "     20000000.000"}, {0.00001, "            *.***"},
      {-0.00001, "            *.***"},      {0.0, "            *.***"},
      {999.9996, "         1000.000"},
  };
  for (const auto& c : cases) {
    std::string text;
    AppendField(text, c.value);
    EXPECT_EQ(text, c.text) << c.value;
  }
}

TEST(SimLines, SatelliteLineHasNumberThenSeventeenCharacterFields) {
  std::string text;
  AppendSatelliteLine(text, 5, {-116609.537, 0.0, 612788.031});
  EXPECT_EQ(text, "  5      -116609.537            *.***       612788.031\n");
  text.clear();
  AppendSatelliteLine(text, 233, {});
  EXPECT_EQ(text, "233\n");
}

TEST(SimLines, EpochLineColumns) {
  std::string text;
  AppendEpochLine(text, 12, 59479, 23400.0, 0.0, -267.6956, 1000.25);
  EXPECT_EQ(text, " 12 59479 23400.0000000     0.000  -267.696  1000.250\n");
}

TEST(SimHeader, RecordsAtTheirOffsets) {
  SimScene scene;
  scene.baselineEast = 1000.0;
  std::string text;
  AppendHeader(text, scene, {0, 3, 4, 2, 6});
  std::istringstream lines(text);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, "SINGLE_DIFFERENCES");
  std::getline(lines, line);
  EXPECT_EQ(line, "MARKER NAME     :  4 SIMB  4 SIMR");
  while (std::getline(lines, line) && line.rfind("# & TYPES OF OBS:", 0) != 0) {
  }
  EXPECT_EQ(line, "# & TYPES OF OBS:  5  C1 L1 L2 P2 S1");
  std::getline(lines, line);
  EXPECT_EQ(line, "DIFFERENCE LEVEL:  1");
  std::getline(lines, line);
  EXPECT_EQ(line, "END OF HEADER 1");
  EXPECT_FALSE(std::getline(lines, line));
}

TEST(SimHeader, PositionsAreSixFieldsOfFourteenAndTheBaselineApart) {
  SimScene scene;
  scene.baselineEast = 3000.0;
  scene.baselineNorth = -4000.0;
  std::string text;
  AppendHeader(text, scene, {0});
  const std::size_t at = text.find("XYZ POSITION    :");
  ASSERT_NE(at, std::string::npos);
  const std::string line = text.substr(at, text.find('\n', at) - at);
  ASSERT_EQ(line.size(), 103u);
  double xyz[6];
  const int offsets[6] = {17, 31, 45, 61, 75, 89};
  for (int k = 0; k < 6; k++) xyz[k] = std::atof(line.c_str() + offsets[k]);
  const double dx = xyz[3] - xyz[0], dy = xyz[4] - xyz[1], dz = xyz[5] - xyz[2];
  EXPECT_NEAR(dx * dx + dy * dy + dz * dz, 5000.0 * 5000.0, 1.0);
}

// Fields of a channel record, read the way the channel-file reader reads them:
// each at its start column (1-based) up to the first character that cannot
// continue the number.
struct ChannelRecord {
  int slot, startYear;
  double startSecond;
  bool open;
  int endYear;
  double endSecond, channel;
};

ChannelRecord ReadChannelRecord(const std::string& line) {
  const char* at = line.c_str();
  ChannelRecord record{};
  record.slot = std::atoi(at + 1);
  record.startYear = std::atoi(at + 10);
  record.startSecond = std::atof(at + 27);
  record.open = line[31] == ' ';
  record.endYear = record.open ? 0 : std::atoi(at + 31);
  record.endSecond = record.open ? 0.0 : std::atof(at + 48);
  record.channel = std::atof(at + 51);
  return record;
}

TEST(SimChannels, RecordsReadBackAtTheirColumns) {
  std::vector<SimSatellite> glonass(2);
  glonass[0].prn = 3;
  glonass[0].channel = 5;
  glonass[1].prn = 14;
  glonass[1].channel = -7;
  std::string text;
  AppendChannelFile(text, glonass, CivilToMjd(2024, 6, 24));
  std::istringstream lines(text);
  std::vector<ChannelRecord> records;
  for (std::string line; std::getline(lines, line);)
    if (line[0] != '#') records.push_back(ReadChannelRecord(line));
  ASSERT_EQ(records.size(), 3u);
  // The closed, older record of the first slot: its start seconds must not
  // run into the end year.
  EXPECT_EQ(records[0].slot, 3);
  EXPECT_FALSE(records[0].open);
  EXPECT_EQ(records[0].startSecond, 0.0);
  EXPECT_EQ(records[0].endYear, 2024);
  EXPECT_EQ(records[0].endSecond, 59.0);
  EXPECT_EQ(records[0].channel, 4.0);
  EXPECT_TRUE(records[1].open);
  EXPECT_EQ(records[1].startYear, 2024);
  EXPECT_EQ(records[1].channel, 5.0);
  EXPECT_EQ(records[2].slot, 14);
  EXPECT_EQ(records[2].channel, -7.0);
}

TEST(SimTime, ModifiedJulianDays) {
  const struct {
    int year, month, day;
    long mjd;
  } cases[] = {{1858, 11, 17, 0},    {2000, 1, 1, 51544},  {2021, 9, 22, 59479},
               {2024, 6, 24, 60485}, {2024, 2, 29, 60369}, {2099, 12, 31, 88068}};
  for (const auto& c : cases) {
    EXPECT_EQ(CivilToMjd(c.year, c.month, c.day), c.mjd)
        << c.year << "-" << c.month << "-" << c.day;
    int year = 0, month = 0, day = 0;
    MjdToCivil(c.mjd, year, month, day);
    EXPECT_EQ(year * 10000 + month * 100 + day, c.year * 10000 + c.month * 100 + c.day);
  }
}

TEST(SimTime, StartEpochText) {
  SimCivil civil;
  ASSERT_TRUE(ParseCivil("2024-06-24/23:59:30.5", civil));
  EXPECT_EQ(civil.day, 24);
  EXPECT_EQ(civil.hour, 23);
  EXPECT_EQ(civil.second, 30.5);
  for (const char* bad : {"2024-02-30/00:00:00", "2024-06-24/24:00:00", "2024-06-24",
                          "2024-06-24/10:00:00x", "1970-01-01/00:00:00", "2024-06-24/10:60:00"})
    EXPECT_FALSE(ParseCivil(bad, civil)) << bad;
}

}  // namespace

// Tests of reading the listing's title line, settings and rows.
#include "report/ListingFormat.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Title(const std::string& satelliteColumns, std::initializer_list<const char*> labels) {
  std::string line = "#          Time(datum)       Time(MJD)" + satelliteColumns;
  for (const char* label : labels) line += std::string(16 - std::string(label).size(), ' ') + label;
  return line;
}

std::string Field(const std::string& text) { return std::string(16 - text.size(), ' ') + text; }

const std::string kRowStart = " 2017-03-05 06:07:08.5   57817 22028.5  G05";

TEST(ListingTitle, ReadsLabelsAndTheOptionalReferenceColumn) {
  ListingColumns columns;
  std::string error;
  ASSERT_TRUE(ParseTitleLine(Title("  SAT", {"C1", "L4"}), columns, error)) << error;
  EXPECT_FALSE(columns.hasReferenceSatellite);
  EXPECT_EQ(columns.labels, (std::vector<std::string>{"C1", "L4"}));

  ASSERT_TRUE(ParseTitleLine(Title("  SAT RSAT", {"MW[C]", "P2-C2"}), columns, error)) << error;
  EXPECT_TRUE(columns.hasReferenceSatellite);
  EXPECT_EQ(columns.labels, (std::vector<std::string>{"MW[C]", "P2-C2"}));
}

// Signal strengths and the Dopplers without kept values have columns of
// their own, filled with the absent value, like every other title.
TEST(ListingTitle, EveryTitledColumnCarriesAField) {
  ListingColumns columns;
  std::string error;
  ASSERT_TRUE(ParseTitleLine(Title("  SAT", {"C1", "S1", "D1", "D5", "L1"}), columns, error));
  EXPECT_EQ(columns.labels, (std::vector<std::string>{"C1", "S1", "D1", "D5", "L1"}));
}

TEST(ListingTitle, RejectsLinesOffTheGrid) {
  ListingColumns columns;
  std::string error;
  EXPECT_FALSE(ParseTitleLine(Title("  SAT", {"C1"}) + "   ", columns, error));
  EXPECT_FALSE(ParseTitleLine("#          Time(datum)       Time(MJD)  PRN", columns, error));
  EXPECT_FALSE(IsTitleLine("#Time interval:   ---"));
}

TEST(ListingRows, ReadsTimeSatelliteAndValuesWithAbsences) {
  ListingColumns columns;
  std::string error;
  ASSERT_TRUE(ParseTitleLine(Title("  SAT", {"C1", "L4", "D1"}), columns, error));
  const std::vector<bool> doppler{false, false, true};
  ListingRow row;
  const std::string line = kRowStart + Field("20345678.123") + Field("*.***") + Field("0.000");
  ASSERT_TRUE(ParseRow(line, columns, doppler, row, error)) << error;
  EXPECT_EQ(row.date, "2017-03-05 06:07:08.5");
  EXPECT_EQ(row.mjdDay, 57817);
  EXPECT_DOUBLE_EQ(row.secondsOfDay, 22028.5);
  EXPECT_EQ(row.secondsText, "22028.5");
  EXPECT_EQ(row.satellite, "G05");
  ASSERT_EQ(row.values.size(), 3u);
  EXPECT_TRUE(row.values[0].present);
  EXPECT_EQ(row.values[0].value, 20345678.123);
  EXPECT_EQ(row.values[0].text, "20345678.123");
  EXPECT_FALSE(row.values[1].present);
  EXPECT_FALSE(row.values[2].present) << "an absent Doppler value is written as zero";
}

TEST(ListingRows, ReadsTheReferenceSatelliteColumn) {
  ListingColumns columns;
  std::string error;
  ASSERT_TRUE(ParseTitleLine(Title("  SAT RSAT", {"L4"}), columns, error));
  ListingRow row;
  const std::string line = kRowStart + "  G12" + Field("-0.004");  // the row's views point here
  ASSERT_TRUE(ParseRow(line, columns, {false}, row, error)) << error;
  EXPECT_EQ(row.referenceSatellite, "G12");
  EXPECT_EQ(row.values[0].value, -0.004);
}

TEST(ListingRows, RejectsRowsThatDoNotFitTheTitle) {
  ListingColumns columns;
  std::string error;
  ASSERT_TRUE(ParseTitleLine(Title("  SAT", {"C1"}), columns, error));
  ListingRow row;
  const std::string bad[] = {
      kRowStart,                         // value missing
      kRowStart + Field("1.000") + " ",  // one character too many
      kRowStart + Field("1.0x0"),        // not a number
      " garbage-not-a-date     57817 22028.5  G05" + Field("1.000"),
  };
  for (const std::string& line : bad) EXPECT_FALSE(ParseRow(line, columns, {false}, row, error));
}

TEST(ListingSettingsLines, TakesUnitIntervalAndWindow) {
  ListingSettings settings;
  ReadSettingsLine("#OBSER file:     data/day.sd", settings);
  ReadSettingsLine("#RAW phase unit:     METER  (manually set)", settings);
  ReadSettingsLine("#Start epoch:    2017-03-05 06:07:08.500 [ 57817 22028.500]  (manually set)",
                   settings);
  ReadSettingsLine(
      "#End epoch:      2017-03-06 00:00:00.000 [ 57818     0.000]  (from SNGDIF file)", settings);
  ReadSettingsLine("#Time interval:  30.000", settings);
  EXPECT_EQ(settings.observationFile, "data/day.sd");
  EXPECT_EQ(settings.phaseUnit, "METER");
  EXPECT_TRUE(settings.hasWindow);
  EXPECT_EQ(settings.startDay, 57817);
  EXPECT_DOUBLE_EQ(settings.startSeconds, 22028.5);
  EXPECT_EQ(settings.endDay, 57818);
  EXPECT_DOUBLE_EQ(settings.endSeconds, 0.0);
  EXPECT_DOUBLE_EQ(settings.interval, 30.0);
  EXPECT_EQ(settings.lines.size(), 5u);

  ReadSettingsLine("#Time interval:   ---", settings);
  EXPECT_EQ(settings.interval, 0.0);
}

}  // namespace

// Tests of reading whole listings: blocks, preamble, errors with line numbers,
// and the CSV export of what was read.
#include "report/ListingReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "report/CsvExport.h"
#include "report/StatisticsReport.h"
#include "tests/support/fatal_output.h"

namespace {

const std::string kSettings =
    "#PROGRAM: Quintavelmor\n"
    "#OBSER file:     a.sd\n"
    "#Start epoch:    2017-03-05 00:00:00.000 [ 57817     0.000]  (from SNGDIF file)\n"
    "#End epoch:      2017-03-05 00:01:00.000 [ 57817    60.000]  (from SNGDIF file)\n"
    "#Time interval:  30.000\n"
    "#\n"
    "#          Time(datum)       Time(MJD)  SAT              C1              D1\n";

std::string Row(const char* time, const char* seconds, const char* satellite, const char* c1,
                const char* d1) {
  char line[128];
  std::snprintf(line, sizeof line, " 2017-03-05 %s   57817 %7s  %s%16s%16s\n", time, seconds,
                satellite, c1, d1);
  return line;
}

// Records what the reader hands over.
class Recorder : public ListingConsumer {
 public:
  void Begin(const ListingSettings& settings, const ListingColumns& columns) override {
    events +=
        "begin " + settings.observationFile + " " + std::to_string(columns.labels.size()) + "\n";
  }
  void Row(const ListingRow& row, const RowTime& time) override {
    events += std::string(row.satellite) + " " + std::to_string(static_cast<long>(time.seconds)) +
              " gap " + std::to_string(static_cast<long>(time.gapLimit)) + "\n";
  }
  void EndOfBlock() override { events += "end\n"; }
  void Finish() override { events += "finish\n"; }
  std::string events;
};

void Read(const std::string& text, const std::vector<ListingConsumer*>& consumers) {
  std::FILE* input = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
  ReadListing(input, consumers);
  std::fclose(input);
}

TEST(ListingReading, HandsOverRowsAndBlocksInFileOrder) {
  const std::string listing = "Quintavelmor::GetFiles(): message on standard output\n" + kSettings +
                              Row("00:00:00.0", "0.0", "G05", "1.000", "0.0") +
                              Row("00:00:30.0", "30.0", "G05", "*.***", "2.000") + "\n" + "\n" +
                              Row("00:01:00.0", "60.0", "E11", "3.000", "0.000") + "\n";
  Recorder recorder;
  Read(listing, {&recorder});
  EXPECT_EQ(recorder.events,
            "begin a.sd 2\nG05 0 gap 60\nG05 30 gap 60\nend\nend\nE11 60 gap 60\nend\nfinish\n");
}

TEST(ListingReading, WindowsLineEndsReadTheSame) {
  std::string listing = kSettings + Row("00:00:00.0", "0.0", "G05", "1.000", "0.0") + "\n";
  std::string crlf;
  for (char c : listing) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  Recorder plain, windows;
  Read(listing, {&plain});
  Read(crlf, {&windows});
  EXPECT_EQ(plain.events, windows.events);
}

TEST(ListingReading, CsvHasOneRowPerSatelliteAndEpochWithAbsentValuesEmpty) {
  const std::string listing = kSettings + Row("00:00:00.0", "0.0", "G05", "1.000", "0.0") +
                              Row("00:00:30.0", "30.0", "G05", "*.***", "-2.500") + "\n";
  char* text = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&text, &size);
  {
    CsvExport csv(out, nullptr);
    Read(listing, {&csv});
  }
  std::fclose(out);
  EXPECT_EQ(std::string(text, size),
            "time,mjd,sod,sat,C1,D1\n"
            "2017-03-05T00:00:00.0,57817,0.0,G05,1.000,\n"
            "2017-03-05T00:00:30.0,57817,30.0,G05,,-2.500\n");
  std::free(text);
  EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
  EXPECT_EQ(CsvField("say \"x\""), "\"say \"\"x\"\"\"");
}

TEST(ListingReadingDeathTest, ARowThatDoesNotFitNamesItsLine) {
  const std::string listing = kSettings + Row("00:00:00.0", "0.0", "G05", "1.000", "0.0") +
                              " 2017-03-05 00:00:30.0   57817    30.0  G05  1.000\n";
  StatisticsCollector statistics{SlipSettings()};
  ChildOutput output = RunExpectingExit([&] { Read(listing, {&statistics}); });
  EXPECT_EQ(output.err,
            "\n**** Quintavelmor-report: Error -> LINE 9: ROW DOES NOT HAVE THE WIDTH THE TITLE "
            "LINE ANNOUNCES (75 CHARACTERS EXPECTED, 50 FOUND)! ****\n"
            "     Exiting Quintavelmor-report ... \n\n");
}

TEST(ListingReadingDeathTest, AListingWithoutTitleIsRefused) {
  StatisticsCollector statistics{SlipSettings()};
  ChildOutput output = RunExpectingExit([&] { Read("#PROGRAM: Quintavelmor\n", {&statistics}); });
  EXPECT_NE(output.err.find("LINE 1: NO COLUMN-TITLE LINE FOUND IN THE LISTING!"),
            std::string::npos);
}

}  // namespace

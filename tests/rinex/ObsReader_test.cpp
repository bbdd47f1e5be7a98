// The RINEX observation reader: headers of real files, epochs of versions 2
// and 3 with their event records, and the inputs it refuses.
#include "rinex/ObsReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rinex/RinexTime.h"
#include "tests/support/input_failure.h"
#include "tests/support/rinex_text.h"

namespace {

std::string Code(const ObsCode& code) { return std::string(code.begin(), code.end()); }

int64_t Ticks(int y, int mo, int d, int h, int mi, int64_t secondTicks) {
  int64_t ticks = 0;
  EXPECT_TRUE(CalendarToTicks({y, mo, d, h, mi, secondTicks}, ticks));
  return ticks;
}

TEST(ObsHeader, RealFilesOfVersions2And3) {
  auto base = OpenTextInput(TEST_DATA_DIR "/rinex/matrtklib_base.obs");
  const ObsHeader h3 = ReadObsHeader(*base);
  EXPECT_EQ(h3.version, 304);
  EXPECT_EQ(h3.system, 'M');
  EXPECT_EQ(h3.markerName, "SEPT");
  EXPECT_EQ(h3.receiverType, "SEPT MOSAIC-X5");
  EXPECT_EQ(h3.antennaType, "Unknown");
  EXPECT_DOUBLE_EQ(h3.position[0], -3817680.7270);
  EXPECT_EQ(h3.timeSystem, "GPS");
  EXPECT_DOUBLE_EQ(h3.interval, 1.0);
  ASSERT_EQ(h3.Types('G').size(), 17u);
  EXPECT_EQ(Code(h3.Types('G')[5]), "C2W");  // after the channel number X1
  EXPECT_EQ(Code(h3.Types('G')[16]), "S5Q");
  EXPECT_EQ(h3.Types('R').size(), 9u);
  ASSERT_EQ(h3.glonassChannels.size(), 9u);
  EXPECT_EQ(h3.glonassChannels[1].slot, 2);
  EXPECT_EQ(h3.glonassChannels[1].channel, -4);
  EXPECT_EQ(h3.glonassChannels[8].slot, 24);

  auto geonet = OpenTextInput(TEST_DATA_DIR "/rinex/30400920.05o");
  const ObsHeader h2 = ReadObsHeader(*geonet);
  EXPECT_EQ(h2.version, 210);
  EXPECT_EQ(h2.markerName, "3040");
  EXPECT_EQ(h2.receiverType, "TRIMBLE 5700");
  EXPECT_EQ(h2.antennaType, "TRM29659.00");
  EXPECT_EQ(h2.antennaSerial, "");
  ASSERT_EQ(h2.Types('G').size(), 4u);
  EXPECT_EQ(Code(h2.Types('G')[3]), "P2 ");
  EXPECT_EQ(h2.Types('R').size(), 4u);  // one list for every system
  EXPECT_EQ(h2.timeSystem, "GPS");
}

TEST(ObsHeader, BeiDouBandOneOfVersion302IsB1I) {
  RinexFile f(HeaderLine("     3.02           OBSERVATION DATA    C", "RINEX VERSION / TYPE") +
              HeaderLine("C    4 C1I L1I C7I L7I", "SYS / # / OBS TYPES") +
              HeaderLine("", "END OF HEADER"));
  const ObsHeader head = ReadObsHeader(*f.in);
  EXPECT_EQ(Code(head.Types('C')[0]), "C2I");
  EXPECT_EQ(Code(head.Types('C')[2]), "C7I");
  EXPECT_EQ(head.timeSystem, "BDT");
}

// Version 2: twelve satellites on the epoch line and one on a continuation
// line, six types on two lines per satellite, a blank system letter, an
// SBAS satellite, event records, a power failure and cycle-slip records.
std::string Rinex2Text() {
  std::string text =
      HeaderLine("     2.11           OBSERVATION DATA    M", "RINEX VERSION / TYPE") +
      HeaderLine("     6    L1    C1    L2    P2    S1    S2", "# / TYPES OF OBSERV") +
      HeaderLine("", "END OF HEADER");
  text += " 21  1  1  0  0  0.0010000  0 13G01G02G03G04G05G06G07G08G09G10G11 12 0.000012345\n";
  text += "                                S20\n";
  for (int k = 1; k <= 13; k++) {
    char line[128];
    std::snprintf(line, sizeof line, "%14.3f%c%c%14.3f  %14.3f  %14.3f  %14.3f\n%14.3f  \n",
                  100000.0 + k, k == 3 ? '1' : ' ', '7', 20000000.0 + k, 80000.0, 20000001.0, 45.0,
                  40.25);
    text += line;
  }
  text += "                            4  1\n" + HeaderLine("SPLICE", "COMMENT");
  text += " 21  1  1  0  0 30.0000000  6  1G02\n" + std::string(80, ' ') + "\n" + "\n";
  text += " 21  1  1  0  0 30.0000000  1  1R03\n      -123.456 5\n\n";
  return text;
}

TEST(ObsReader, Rinex2EpochsAndEvents) {
  RinexFile f(Rinex2Text());
  const ObsHeader head = ReadObsHeader(*f.in);
  ObsReader reader(*f.in, head);
  ObsEpoch epoch;
  ASSERT_TRUE(reader.Next(epoch));
  EXPECT_EQ(epoch.ticks, Ticks(2021, 1, 1, 0, 0, 10000));
  EXPECT_EQ(epoch.clock, static_cast<long double>(0.000012345));
  ASSERT_EQ(epoch.sats.size(), 12u);  // S20 is not converted
  EXPECT_EQ(epoch.sats[11].system, 'G');
  EXPECT_EQ(epoch.sats[11].number, 12);
  const size_t g03 = epoch.sats[2].first;
  EXPECT_EQ(epoch.values[g03], 100003000);
  EXPECT_EQ(epoch.lli[g03], 1);
  EXPECT_EQ(epoch.strength[g03], 7);
  EXPECT_EQ(epoch.values[g03 + 5], 40250);
  ASSERT_TRUE(reader.Next(epoch));
  EXPECT_EQ(epoch.flag, 1);
  EXPECT_EQ(epoch.sats[0].system, 'R');
  EXPECT_EQ(epoch.values[epoch.sats[0].first], -123456);
  EXPECT_EQ(epoch.strength[epoch.sats[0].first], 5);
  EXPECT_EQ(epoch.values[epoch.sats[0].first + 1], 0);
  EXPECT_FALSE(reader.Next(epoch));
  const ObsReadCounts& n = reader.Counts();
  EXPECT_EQ(n.epochs, 2);
  EXPECT_EQ(n.powerFailures, 1);
  EXPECT_EQ(n.eventRecords, 1);
  EXPECT_EQ(n.cycleSlipRecords, 1);
  EXPECT_EQ(n.skippedRecords['S' - 'A'], 1);
}

// The epochs of a file, each kept.
std::vector<ObsEpoch> Epochs(TextInput& in) {
  const ObsHeader head = ReadObsHeader(in);
  ObsReader reader(in, head);
  std::vector<ObsEpoch> epochs(1);
  while (reader.Next(epochs.back())) epochs.emplace_back();
  epochs.pop_back();
  return epochs;
}

// Whether epoch `cut` of a cut copy of a file is the file's epoch `whole`.
// In the cut copy's last epoch, the last satellite may lack the values of its
// continuation lines (RINEX 2: five values a line).
bool SameEpoch(const ObsEpoch& cut, const ObsEpoch& whole, bool lastOfCut) {
  if (cut.ticks != whole.ticks || cut.clock != whole.clock || cut.flag != whole.flag ||
      cut.sats.size() != whole.sats.size() || cut.values.size() != whole.values.size())
    return false;
  for (size_t s = 0; s < cut.sats.size(); s++)
    if (cut.sats[s].system != whole.sats[s].system || cut.sats[s].number != whole.sats[s].number)
      return false;
  const size_t open = lastOfCut ? cut.sats.back().first + 5 : cut.values.size();
  for (size_t k = 0; k < cut.values.size(); k++) {
    const bool same = cut.values[k] == whole.values[k] && cut.lli[k] == whole.lli[k] &&
                      cut.strength[k] == whole.strength[k];
    const bool blank = k >= open && cut.values[k] == 0 && cut.lli[k] == 0 && cut.strength[k] == 0;
    if (!same && !blank) return false;
  }
  return true;
}

// A file cut anywhere is an error, or gives the first epochs of the whole
// file; never other values.  In a plain file, exactly
// the cuts after a line end that leave every satellite its first line give
// epochs.  The lines cut are the last satellite's of an epoch; compress data
// cut anywhere end at any byte of the text, and compact RINEX cut anywhere
// leaves its last values to be rebuilt from shorter differences.
TEST(ObsReaderCutFiles, EveryCutIsAnErrorOrTheEpochsOfTheWholeFile) {
  const struct {
    const char* name;
    std::string path;
    long firstLine;             // plain text: the lines cut, from the start of the first
    long endLine;               // to the start of the end line
    size_t firstByte, endByte;  // compressed or compact data: the bytes cut
  } cases[] = {
      {"rover.obs", TEST_DATA_DIR "/rinex/matrtklib_rover.obs", 99, 100, 0, 0},
      {"zegv.21o", TEST_DATA_DIR "/crinex/zegv0010.21o", 197, 200, 0, 0},
      {"zegv.21o.Z", TEST_DATA_DIR "/crinex/zegv0010.21o.Z", 0, 0, 3900, 4200},
      {"delf.21d", TEST_DATA_DIR "/crinex/delf0010.21d", 0, 0, 9000, 9300},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string bytes = FileBytes(c.path);
    const std::vector<ObsEpoch> whole = Epochs(*OpenTextInputInMemory(c.name, bytes));
    size_t first = c.firstByte, end = c.endByte;
    for (long line = 1, at = 0; line <= c.endLine; line++, at = bytes.find('\n', at) + 1) {
      if (line == c.firstLine) first = static_cast<size_t>(at);
      if (line == c.endLine) end = static_cast<size_t>(at);
    }
    const bool plain = c.endLine > 0;
    for (size_t cut = first; cut <= end; cut++) {
      SCOPED_TRACE(cut);
      bool same = false;
      const std::string failure = FailureText([&] {
        const std::vector<ObsEpoch> epochs =
            Epochs(*OpenTextInputInMemory(c.name, bytes.substr(0, cut)));
        same = !epochs.empty() && epochs.size() <= whole.size();
        for (size_t i = 0; same && i < epochs.size(); i++)
          same = SameEpoch(epochs[i], whole[i], i + 1 == epochs.size());
      });
      if (plain) {
        const bool lineEnd = cut > first && bytes[cut - 1] == '\n';
        EXPECT_EQ(failure.empty(), lineEnd) << failure;
      }
      EXPECT_TRUE(same || !failure.empty());
    }
  }
}

TEST(ObsReader, Rinex3EpochsOfRealFileAndSkippedSystems) {
  auto in = OpenTextInput(TEST_DATA_DIR "/rinex/matrtklib_base.obs");
  const ObsHeader head = ReadObsHeader(*in);
  ObsReader reader(*in, head);
  ObsEpoch epoch;
  ASSERT_TRUE(reader.Next(epoch));
  EXPECT_EQ(epoch.ticks, Ticks(2024, 6, 24, 8, 20, 0));
  // C01 is first: "C01  9.000 36689218.704 7 191050392.041 07 ..."
  EXPECT_EQ(epoch.sats[0].system, 'C');
  EXPECT_EQ(epoch.values[1], 36689218704);
  EXPECT_EQ(epoch.strength[1], 7);
  EXPECT_EQ(epoch.values[2], 191050392041);
  EXPECT_EQ(epoch.lli[2], 0);
  EXPECT_EQ(epoch.strength[2], 7);
  ASSERT_TRUE(reader.Next(epoch));
  ASSERT_TRUE(reader.Next(epoch));
  EXPECT_EQ(epoch.ticks, Ticks(2024, 6, 24, 8, 20, 2 * kTicksPerSecond));
  EXPECT_FALSE(reader.Next(epoch));
  EXPECT_EQ(reader.Counts().epochs, 3);
  EXPECT_GT(reader.Counts().skippedRecords['J' - 'A'], 0);
}

// Events whose records restate the header (the same types, antenna and
// position), and a new marker name outside a new-site event, pass over.
TEST(ObsReader, EventsThatRestateTheHeaderPass) {
  const std::string head =
      HeaderLine("     3.04           OBSERVATION DATA    M", "RINEX VERSION / TYPE") +
      HeaderLine("PILLAR 1", "MARKER NAME") +
      HeaderLine("  4000000.0000  1000000.0000  4800000.0000", "APPROX POSITION XYZ") +
      HeaderLine("        1.5000        0.0000        0.0000", "ANTENNA: DELTA H/E/N") +
      HeaderLine("G    2 C1C L1C", "SYS / # / OBS TYPES") +
      HeaderLine("E    1 C1X", "SYS / # / OBS TYPES") + HeaderLine("", "END OF HEADER");
  const std::string data = "> 2021 01 01 00 00 30.0000000  0  1\nG01  20000000.000\n";
  const std::string events[] = {
      "> 2021 01 01 00 00  0.0000000  4  2\n" + HeaderLine("E    1 C1X", "SYS / # / OBS TYPES") +
          HeaderLine("G    2 C1C L1C", "SYS / # / OBS TYPES"),
      "> 2021 01 01 00 00  0.0000000  3  3\n" + HeaderLine("PILLAR 1", "MARKER NAME") +
          HeaderLine("  4000000.0000  1000000.0000  4800000.0000", "APPROX POSITION XYZ") +
          HeaderLine("        1.5000        0.0000        0.0000", "ANTENNA: DELTA H/E/N"),
      "> 2021 01 01 00 00  0.0000000  4  2\n" + HeaderLine("PILLAR 2", "MARKER NAME") +
          HeaderLine("SPLICE", "COMMENT"),
  };
  for (const std::string& event : events) {
    RinexFile f(head + event + data);
    const ObsHeader header = ReadObsHeader(*f.in);
    ObsReader reader(*f.in, header);
    ObsEpoch epoch;
    EXPECT_TRUE(reader.Next(epoch)) << event;
    EXPECT_EQ(reader.Counts().eventRecords, 1) << event;
  }
}

TEST(ObsHeader, ScaleFactorsPerSystemAndCode) {
  RinexFile f(HeaderLine("     3.04           OBSERVATION DATA    M", "RINEX VERSION / TYPE") +
              HeaderLine("G    4 C1C L1C D1C S1C", "SYS / # / OBS TYPES") +
              HeaderLine("E    2 C1X L1X", "SYS / # / OBS TYPES") +
              HeaderLine("G   10   2 L1C S1C", "SYS / SCALE FACTOR") +
              HeaderLine("E  100", "SYS / SCALE FACTOR") + HeaderLine("", "END OF HEADER"));
  const ObsHeader head = ReadObsHeader(*f.in);
  const int expected[] = {1, 10, 1, 10};
  for (size_t k = 0; k < 4; k++) EXPECT_EQ(head.ScaleFactor('G', k), expected[k]) << k;
  EXPECT_EQ(head.ScaleFactor('E', 1), 100);
  EXPECT_EQ(head.ScaleFactor('R', 0), 1);
  EXPECT_FALSE(head.phasesAligned);
}

// Each bad input fails with a message naming the file and the line.
TEST(ObsReader, BadInputsNameTheLine) {
  const std::string v3 =
      HeaderLine("     3.04           OBSERVATION DATA    G", "RINEX VERSION / TYPE") +
      HeaderLine("G    2 C1C L1C", "SYS / # / OBS TYPES") + HeaderLine("", "END OF HEADER");
  const std::string g01 = "G01  20000000.000      100000.000\n";
  const std::string e1 = "> 2021 01 01 00 00  0.0000000  0  1\n";
  const std::string e2 = "> 2021 01 01 00 00 30.0000000  0  1\n";
  struct Case {
    std::string text;
    const char* message;
  } cases[] = {
      {"hello\n", "line 1: not a RINEX file"},
      {HeaderLine("     3.04           NAVIGATION DATA     M", "RINEX VERSION / TYPE"),
       "line 1: not an observation file"},
      {HeaderLine("     1.00           OBSERVATION DATA    G", "RINEX VERSION / TYPE"),
       "line 1: RINEX version 1.00 is not supported"},
      {HeaderLine("     3.04           OBSERVATION DATA    G", "RINEX VERSION / TYPE"),
       "line 1: the file ends before END OF HEADER"},
      {v3 + e1 + "G01  2000\xc3\xa9" + "0000.000\n", "line 5: character 10 is not printable ASCII"},
      {v3 + e1 + g01.substr(0, 20) + std::string(40, '1') + "\n",
       "line 5: line longer than 35 characters"},
      {v3 + e1 + g01 + e1 + g01, "line 6: the epoch repeats the one before it"},
      {v3 + e2 + g01 + e1 + g01, "line 6: the epoch is earlier than the one before it"},
      {v3 + e1, "line 4: the file ends before the observations of the epoch"},
      {v3 + e1 + e2, "line 5: a satellite's observations were expected"},
      {v3 + e1 + "G01  2000x000.000\n", "line 5: observation 1 at column 4 is not a number"},
      {v3 + e1 + "G01  20000000\n", "line 5: observation 1 at column 4 is not a number"},
      {v3 + e1 + "G01   20000000.000      100000.000\n",
       "line 5: observation 1 at column 4 is not a number"},
      {v3 + e1 + "G01      20225721\n", "line 5: observation 1 at column 4 is not a number"},
      {v3 + e1 + "G01  20000000.000", "line 5: the last line has no line end"},
      {v3 + "> 2021 01 01 00 00  0.0000000  0  1      0.00012e-3abc\n" + g01,
       "line 4: the receiver clock offset at column 42 can not be read"},
      {v3 + "> 2021 01 01 00 00  0.0000000  0  1      garbage\n" + g01,
       "line 4: the receiver clock offset at column 42 can not be read"},
      {v3 + "> 2016 12 31 23 59 60.0000000  0  1\n" + g01,
       "line 4: the epoch lies in a leap second (second 60); leap-second epochs are not supported"},
      {v3.substr(0, v3.rfind(HeaderLine("", "END OF HEADER"))) + e1 + g01,
       "line 3: END OF HEADER is missing: an epoch line follows the header records"},
      {v3 + "> 2021 01 01 00 00  0.0000000  2  1\n" +
           HeaderLine("G    1 C1C", "SYS / # / OBS TYPES"),
       "line 5: the observation types change within the file"},
      {v3 + "> 2021 01 01 00 00  0.0000000  3  1\n" + HeaderLine("PILLAR 2", "MARKER NAME"),
       "line 5: a new site begins (event flag 3): MARKER NAME \"PILLAR 2\" after \"\"; convert"},
      {v3 + "> 2021 01 01 00 00  0.0000000  4  1\n" +
           HeaderLine("        1.5000        0.0000        0.0000", "ANTENNA: DELTA H/E/N"),
       "line 5: a new site begins (event flag 4): ANTENNA: DELTA H/E/N 1.5000 0.0000 0.0000 "
       "after 0.0000 0.0000 0.0000"},
      {v3 + "> 2021 01 01 00 00  0.0000000  3  1\n" +
           HeaderLine("  4000000.0000  1000000.0000  4800000.0000", "APPROX POSITION XYZ"),
       "line 5: a new site begins (event flag 3): APPROX POSITION XYZ 4000000.0000 1000000.0000 "
       "4800000.0000 after 0.0000 0.0000 0.0000"},
      {v3 + "> 2021 01 01 00 00  0.0000000  0  2\n" + g01 + g01,
       "line 6: satellite G01 appears twice"},
      {v3 + "> 2021 13 01 00 00  0.0000000  0  1\n" + g01,
       "line 4: the epoch's date and time can not be read"},
  };
  for (const Case& c : cases) {
    RinexFile f(c.text);
    ExpectFailure(
        [&] {
          const ObsHeader head = ReadObsHeader(*f.in);
          ObsReader reader(*f.in, head);
          ObsEpoch epoch;
          while (reader.Next(epoch)) {
          }
        },
        f.file.path + ", " + c.message);
  }
}

}  // namespace

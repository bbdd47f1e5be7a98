// The simulator's RINEX files as the converter reads them: the compact file
// decodes to the plain one, the pair converts to the simulator's own single
// differences, and the header gives the stations, codes and channels.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <set>
#include <sstream>

#include "rinex/ObsHeader.h"
#include "rinex/SdConversion.h"
#include "rinex/TextInput.h"
#include "tests/support/sd_text.h"
#include "tests/support/temp_file.h"
#include "tools/SimRun.h"

namespace {

struct Written {
  std::string sd, base, rover;
  short slipSatellite;
};

// Four hours of all three systems at 2 min with receiver clock offsets:
// satellites rise and set, values go missing and arcs start again, and the
// slip falls on an epoch of the run.
Written Write(bool compact) {
  const char* argv[] = {"sdsim",      "--sats",  "4",
                        "--duration", "14400",   "--interval",
                        "120",        "--types", "C1:P2:L1:L2:C2:S1:D1:C5:L5:C7:L7",
                        "--missing",  "0.05"};
  SimPlan plan = MakePlan(ParseSimArgs(sizeof argv / sizeof argv[0], argv));
  std::ostringstream sd, base, rover;
  WriteRun(plan, &sd, {&base, &rover, compact, true});
  return {sd.str(), base.str(), rover.str(), plan.scene.slipSatellite};
}

std::vector<std::string> Lines(const std::string& text) {
  std::unique_ptr<TextInput> in = OpenTextInputInMemory("text", text);
  std::vector<std::string> lines;
  while (in->Next()) lines.emplace_back(in->line);
  return lines;
}

std::string Records(const std::string& sd) { return sd.substr(sd.find("END OF HEADER")); }

// The loss-of-lock list's entries (satellite, epoch, type) of one station.
std::set<std::string> LliEntries(const std::string& list, const std::string& station) {
  std::set<std::string> entries;
  std::istringstream in(list);
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t at = line.find("  " + station + " ");
    if (at != std::string::npos) entries.insert(line.substr(0, at));
  }
  return entries;
}

TEST(SimRinex, CompactFilesDecodeToThePlainFiles) {
  const Written plain = Write(false), compact = Write(true);
  EXPECT_EQ(plain.sd, compact.sd);
  EXPECT_EQ(Write(true).base, compact.base) << "the same options give the same bytes";
  EXPECT_NE(plain.base, compact.base);
  EXPECT_EQ(Lines(compact.base), Lines(plain.base));
  EXPECT_EQ(Lines(compact.rover), Lines(plain.rover));
}

// The differences are the simulator's values; a difference of exactly zero
// in thousandths is written as missing, as the format cannot tell it apart.
TEST(SimRinex, ConvertedPairGivesTheSimulatorsSingleDifferences) {
  for (const bool compact : {false, true}) {
    const Written written = Write(compact);
    TempFile base, rover, sd, lli;
    WriteText(base.path, written.base);
    WriteText(rover.path, written.rover);
    SdOptions options;
    options.base = base.path;
    options.rover = rover.path;
    options.output = sd.path;
    options.lliList = lli.path;
    ConvertToSd(options);
    std::ifstream converted(sd.path), list(lli.path);
    std::stringstream text, lliText;
    text << converted.rdbuf();
    lliText << list.rdbuf();
    const std::string expected = std::regex_replace(
        Records(written.sd), std::regex("( {12}| {11}-)0\\.000"), "            *.***");
    EXPECT_EQ(Records(text.str()), expected) << (compact ? "compact" : "plain");
    // Both receivers flag a phase whose tracking starts; the rover alone
    // flags the slip.
    const std::set<std::string> baseEntries = LliEntries(lliText.str(), "base");
    std::set<std::string> roverOnly = LliEntries(lliText.str(), "rover");
    for (const std::string& entry : baseEntries) EXPECT_EQ(roverOnly.erase(entry), 1u) << entry;
    ASSERT_FALSE(roverOnly.empty());
    char slipName[8];
    std::snprintf(slipName, sizeof slipName, "G%02d", written.slipSatellite);
    for (const std::string& entry : roverOnly) EXPECT_EQ(entry.substr(0, 3), slipName) << entry;
  }
}

TEST(SimRinex, OptionsAskForTheFilesAndTheirForm) {
  const char* argv[] = {"sdsim",         "--base-rinex", "b.crx",          "--compact",
                        "--rover-rinex", "r.crx",        "--clock-offsets"};
  const SimConfig config = ParseSimArgs(7, argv);
  EXPECT_EQ(config.baseRinexFile, "b.crx");
  EXPECT_EQ(config.roverRinexFile, "r.crx");
  EXPECT_TRUE(config.compactRinex);
  EXPECT_TRUE(config.rinexClockOffsets);
  EXPECT_EQ(config.sdFile, "") << "no single-difference file unless --sd asks for one";
  const char* withSd[] = {"sdsim", "--base-rinex", "b.rnx", "--rover-rinex",
                          "r.rnx", "--sd",         "x.sd"};
  EXPECT_EQ(ParseSimArgs(7, withSd).sdFile, "x.sd");
}

TEST(SimRinex, HeaderGivesStationCodesAndGlonassChannels) {
  const char* argv[] = {"sdsim", "--duration", "60"};
  SimPlan plan = MakePlan(ParseSimArgs(3, argv));
  std::ostringstream base, rover;
  WriteRun(plan, nullptr, {&base, &rover, false, false});
  std::unique_ptr<TextInput> in = OpenTextInputInMemory("rover", rover.str());
  const ObsHeader head = ReadObsHeader(*in);
  EXPECT_EQ(head.version, 304);
  EXPECT_EQ(head.system, 'M');
  EXPECT_EQ(head.markerName, "SIMR");
  const auto codes = [&](char system) {
    std::string text;
    for (const ObsCode& code : head.Types(system)) text += std::string(code.data(), 3) + " ";
    return text;
  };
  EXPECT_EQ(codes('G'), "C1C C1W C2W L1C L2W C2L S1C S2W D1C D2W C5Q L5Q ");
  EXPECT_EQ(codes('R'), "C1C C1P C2P L1C L2P C2C S1C S2P D1C D2P ");
  EXPECT_EQ(codes('E'), "C1C L1C S1C D1C C5Q L5Q C7Q L7Q ");
  std::size_t glonass = 0;
  for (const SimTrack& track : plan.tracks) {
    if (track.satellite.system != SimSystem::GLONASS) continue;
    ASSERT_LT(glonass, head.glonassChannels.size());
    EXPECT_EQ(head.glonassChannels[glonass].slot, track.satellite.prn);
    EXPECT_EQ(head.glonassChannels[glonass++].channel, track.satellite.channel);
  }
  EXPECT_EQ(glonass, head.glonassChannels.size());
}

}  // namespace

// The converter on real base and rover pairs (a minute of each, in the test
// data), against the single-difference files made from them by another
// converter: every value of every common type, epoch and satellite agrees.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "GNSS/GLNSat.h"
#include "GNSS/PhsDiff.h"
#include "rinex/SdConversion.h"
#include "rinex/TextInput.h"
#include "tests/support/sd_text.h"
#include "tests/support/temp_file.h"

namespace {

const std::string kPairs = TEST_DATA_DIR "/rinex/pairs/";
const std::string kCompact = TEST_DATA_DIR "/crinex/";

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The text of a gzip-compressed file, line by line.
std::string Decompressed(const std::string& path) {
  const std::unique_ptr<TextInput> input = OpenTextInput(path);
  std::string text;
  while (input->Next()) text.append(input->line).append("\n");
  return text;
}

// Compares the converted file with the derived one: `count` values, each
// satellite line of ours in each type of theirs that ours has too (so a count
// is satellite lines times types).  Lines of ours that the derived file lacks
// may hold values only in types that it does not list.
void ExpectSameValues(const std::string& ours, const std::string& theirs, long count) {
  LoadedFile a(Contents(ours)), b(Decompressed(theirs));
  ASSERT_EQ(a.data.neph, b.data.neph);
  std::vector<short> common;
  for (long k = 0; k < b.head.nobs; k++)
    if (a.head.HasType(b.head.obs(k))) common.push_back(b.head.obs(k));
  long ra = 0, rb = 0, compared = 0;
  for (long e = 0; e < a.data.neph; e++) {
    ASSERT_TRUE(a.data.epoch(e) == b.data.epoch(e)) << "epoch " << e;
    EXPECT_EQ(a.data.dtR_B(e), b.data.dtR_B(e));
    std::map<short, long> theirRecord;
    for (long k = 0; k < b.data.nsat(e); k++, rb++) theirRecord[b.data.sat(rb)] = rb;
    for (long k = 0; k < a.data.nsat(e); k++, ra++) {
      const auto found = theirRecord.find(a.data.sat(ra));
      for (const short type : common) {
        const long double value = a.data.StoredValue(type, ra);
        const long double expected =
            found == theirRecord.end() ? 0 : b.data.StoredValue(type, found->second);
        EXPECT_EQ(value, expected) << "epoch " << e << " satellite " << a.data.sat(ra) << " type "
                                   << PhsDiffHeader::TypeName(type);
        compared++;
      }
      if (found != theirRecord.end()) theirRecord.erase(found);
    }
    EXPECT_TRUE(theirRecord.empty())
        << "epoch " << e << ": satellites missing from the converted file";
  }
  EXPECT_EQ(compared, count);
}

SdOptions Options(const std::string& folder, const std::string& base, const std::string& rover,
                  const std::string& output) {
  SdOptions options;
  options.base = folder + base;
  options.rover = folder + rover;
  options.output = output;
  return options;
}

TEST(RealPairs, SeptentrioPairOfAllFourSystems) {
  TempFile sd, channels;
  SdOptions options =
      Options(kPairs, "matrtklib_static/base.obs.gz", "matrtklib_static/rover.obs.gz", sd.path);
  options.channels = channels.path;
  options.navigation = {kPairs + "matrtklib_static/base.nav.gz"};
  ConvertToSd(options);
  ExpectSameValues(sd.path, kPairs + "matrtklib_static/matrtklib_static_grec.sd.gz", 3180 * 13);
  // The channels agree with the ones written from the headers and base.nav.
  GLNSat ours, theirs;
  ours.SetFile(channels.path.c_str());
  ours.ReadFile();
  theirs.SetFile((kPairs + "matrtklib_static/glonass_channels.txt").c_str());
  theirs.ReadFile();
  mjd first(60485, 30000);
  EXPECT_EQ(ours.nsat, theirs.nsat);
  for (short slot = 1; slot <= 24; slot++) {
    EXPECT_EQ(ours.GetFreqNum(100 + slot, first), theirs.GetFreqNum(100 + slot, first)) << slot;
  }
}

TEST(RealPairs, SeptentrioPairWithoutBeiDou) {
  TempFile sd;
  SdOptions options =
      Options(kPairs, "matrtklib_static/base.obs.gz", "matrtklib_static/rover.obs.gz", sd.path);
  options.systems = "GRE";
  ConvertToSd(options);
  ExpectSameValues(sd.path, kPairs + "matrtklib_static/matrtklib_static.sd.gz", 1680 * 13);
}

// Trimble base, Septentrio rover: Galileo's attributes differ (X against C
// and Q), which the converter differences and warns about.
TEST(RealPairs, TrimbleBaseAndSeptentrioRover) {
  TempFile sd;
  ConvertToSd(Options(kPairs, "cssrlib_2021-265/3034265G.21O.gz",
                      "cssrlib_2021-265/SEPT265G.21O.gz", sd.path));
  ExpectSameValues(sd.path, kPairs + "cssrlib_2021-265/cssrlib_3034_sept.sd.gz", 776 * 11);
}

// Delft and Zegveld, 35 km apart: the compact RINEX pair gives the bytes of
// its plain twins' conversion (19 common epochs of 30 s).
TEST(RealPairs, CompactRinexPairAsItsPlainTwins) {
  TempFile compact, plain;
  ConvertToSd(Options(kCompact, "delf0010.21d", "zegv0010.21d.Z", compact.path));
  ConvertToSd(Options(kCompact, "delf0010.21o.gz", "zegv0010.21o", plain.path));
  const std::string text = Contents(compact.path);
  EXPECT_EQ(text, Contents(plain.path));
  LoadedFile loaded(text);
  EXPECT_EQ(loaded.data.neph, 19);
}

}  // namespace

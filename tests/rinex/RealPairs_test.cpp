// The converter on the real base and rover pairs of the shared data, against
// the single-difference files made from them by another converter: every
// value of every common type, epoch and satellite agrees.  The shared data
// stand beside the repository; without them the tests are skipped.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "GNSS/GLNSat.h"
#include "GNSS/PhsDiff.h"
#include "rinex/SdConversion.h"
#include "tests/support/temp_file.h"

namespace {

const std::string kRealData = TEST_DATA_DIR "/../../../shared/realdata/";

bool HaveRealData() {
  struct stat info;
  return stat(kRealData.c_str(), &info) == 0;
}

struct Loaded {
  PhsDiffHeader head;
  PhsDiffData data{head};
  PhsDiff loader{head, data};
  explicit Loaded(const std::string& path) {
    loader.SetFile(path.c_str());
    loader.ReadFile();
  }
};

// Compares the converted file with the derived one.  Lines of ours that the
// derived file lacks may hold values only in types that it does not list.
void ExpectSameValues(const std::string& ours, const std::string& theirs) {
  Loaded a(ours), b(theirs);
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
        const long double expected = found == theirRecord.end() ? 0 : b.data.StoredValue(type, found->second);
        EXPECT_EQ(value, expected) << "epoch " << e << " satellite " << a.data.sat(ra) << " type "
                                   << PhsDiffHeader::TypeName(type);
        compared++;
      }
      if (found != theirRecord.end()) theirRecord.erase(found);
    }
    EXPECT_TRUE(theirRecord.empty()) << "epoch " << e << ": satellites missing from the converted file";
  }
  EXPECT_GT(compared, 30000);
}

SdOptions Options(const std::string& base, const std::string& rover, const std::string& output) {
  SdOptions options;
  options.base = kRealData + base;
  options.rover = kRealData + rover;
  options.output = output;
  return options;
}

TEST(RealPairs, SeptentrioPairOfAllFourSystems) {
  if (!HaveRealData()) GTEST_SKIP() << "no shared real data beside the repository";
  TempFile sd, channels;
  SdOptions options = Options("matrtklib_static/base.obs", "matrtklib_static/rover.obs", sd.path);
  options.channels = channels.path;
  options.navigation = {kRealData + "matrtklib_static/base.nav"};
  ConvertToSd(options);
  ExpectSameValues(sd.path, kRealData + "sd/matrtklib_static/matrtklib_static_grec.sd");
  // The channels agree with the ones written from the headers and base.nav.
  GLNSat ours, theirs;
  ours.SetFile(channels.path.c_str());
  ours.ReadFile();
  theirs.SetFile((kRealData + "sd/matrtklib_static/glonass_channels.txt").c_str());
  theirs.ReadFile();
  mjd first(60485, 30000);
  EXPECT_EQ(ours.nsat, theirs.nsat);
  for (short slot = 1; slot <= 24; slot++) {
    EXPECT_EQ(ours.GetFreqNum(100 + slot, first), theirs.GetFreqNum(100 + slot, first)) << slot;
  }
}

TEST(RealPairs, SeptentrioPairWithoutBeiDou) {
  if (!HaveRealData()) GTEST_SKIP() << "no shared real data beside the repository";
  TempFile sd;
  SdOptions options = Options("matrtklib_static/base.obs", "matrtklib_static/rover.obs", sd.path);
  options.systems = "GRE";
  ConvertToSd(options);
  ExpectSameValues(sd.path, kRealData + "sd/matrtklib_static/matrtklib_static.sd");
}

// Trimble base, Septentrio rover: Galileo's attributes differ (X against C
// and Q), which the converter differences and warns about.
TEST(RealPairs, TrimbleBaseAndSeptentrioRover) {
  if (!HaveRealData()) GTEST_SKIP() << "no shared real data beside the repository";
  TempFile sd;
  ConvertToSd(Options("cssrlib_2021-265/3034265G.21O", "cssrlib_2021-265/SEPT265G.21O", sd.path));
  ExpectSameValues(sd.path, kRealData + "sd/cssrlib_2021-265/cssrlib_3034_sept.sd");
}

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Delft and Zegveld, 35 km apart: the compact RINEX pair gives the bytes of
// its plain twins' conversion (19 common epochs of 30 s).
TEST(RealPairs, CompactRinexPairAsItsPlainTwins) {
  if (!HaveRealData()) GTEST_SKIP() << "no shared real data beside the repository";
  TempFile compact, plain;
  ConvertToSd(Options("crinex/CRNX_V1/delf0010.21d", "crinex/CRNX_V1/zegv0010.21d", compact.path));
  ConvertToSd(Options("crinex/OBS_V2/delf0010.21o", "crinex/OBS_V2/zegv0010.21o", plain.path));
  const std::string text = Contents(compact.path);
  EXPECT_EQ(text, Contents(plain.path));
  Loaded loaded(compact.path);
  EXPECT_EQ(loaded.data.neph, 19);
}

}  // namespace

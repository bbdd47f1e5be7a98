// Outputs renamed into place when complete: an earlier file survives every
// way a run can end early, and no temporary file stays behind.
#include "rinex/AtomicOutput.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "rinex/ConverterError.h"

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A fresh folder holding "out.sd" with an earlier text.
fs::path FolderWithEarlierOutput() {
  std::string pattern = ::testing::TempDir() + "atomic_outputXXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  fs::path folder = mkdtemp(name.data());
  std::ofstream(folder / "out.sd") << "earlier\n";
  return folder;
}

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  return names;
}

TEST(AtomicOutput, CommitReplacesTheTargetAndAnyOtherEndKeepsIt) {
  const fs::path folder = FolderWithEarlierOutput();
  const std::string target = (folder / "out.sd").string();
  {
    AtomicOutput out(target);
    out.Stream() << "half";
  }
  EXPECT_EQ(Contents(target), "earlier\n");
  EXPECT_EXIT(
      {
        AtomicOutput out(target);
        out.Stream() << "half";
        out.Stream().flush();
        ConverterError("stop");
      },
      ::testing::ExitedWithCode(1), "stop");
  EXPECT_EXIT(
      {
        AtomicOutput out(target);
        out.Stream() << "half";
        out.Stream().flush();
        std::raise(SIGTERM);
      },
      ::testing::KilledBySignal(SIGTERM), "");
  EXPECT_EQ(Contents(target), "earlier\n");
  EXPECT_EQ(Names(folder), std::vector<std::string>{"out.sd"});
  AtomicOutput out(target);
  out.Stream() << "complete\n";
  out.Commit();
  EXPECT_EQ(Contents(target), "complete\n");
  EXPECT_EQ(Names(folder), std::vector<std::string>{"out.sd"});
  fs::remove_all(folder);
}

}  // namespace

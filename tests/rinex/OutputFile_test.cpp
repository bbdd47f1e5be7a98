// Outputs published together when complete: an earlier file survives every
// way a run can end early, no temporary file stays behind, a link keeps
// leading to the file it names, and a device is written through.
#include "rinex/OutputFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "rinex/ConverterError.h"
#include "tests/support/input_failure.h"

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
  std::string pattern = ::testing::TempDir() + "output_fileXXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  fs::path folder = mkdtemp(name.data());
  std::ofstream(folder / "out.sd") << "earlier\n";
  return folder;
}

// Every entry of the folder, a link shown with what it names.
std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    std::string name = entry.path().filename().string();
    if (entry.is_symlink()) name += " -> " + fs::read_symlink(entry.path()).string();
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

void WriteAndPublish(const std::string& target, const std::string& text) {
  OutputFile out(target);
  out.Stream() << text;
  PublishTogether({&out});
}

TEST(OutputFile, AnEarlierFileSurvivesEveryEarlyEnd) {
  const fs::path folder = FolderWithEarlierOutput();
  const std::string target = (folder / "out.sd").string();
  {
    OutputFile out(target);
    out.Stream() << "half";
  }
  ExpectFailure(
      [&] {
        OutputFile out(target);
        out.Stream() << "half";
        out.Stream().flush();
        ConverterError("stop");
      },
      "stop");
  // An exit that unwinds nothing, from a base class's own fatal report.
  EXPECT_EXIT(
      {
        OutputFile out(target);
        out.Stream() << "half";
        out.Stream().flush();
        std::exit(1);
      },
      ::testing::ExitedWithCode(1), "");
  for (const int signal : {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGPIPE, SIGUSR1, SIGXCPU})
    EXPECT_EXIT(
        {
          OutputFile out(target);
          out.Stream() << "half";
          out.Stream().flush();
          std::raise(signal);
        },
        ::testing::KilledBySignal(signal), "")
        << "signal " << signal;
  // A later output that can not be written keeps the first from its name.
  ExpectFailure(
      [&] {
        OutputFile first(target);
        OutputFile second("/dev/full");
        first.Stream() << "complete\n";
        second.Stream() << "complete\n";
        PublishTogether({&first, &second});
      },
      "/dev/full: writing failed (No space left on device)");
  EXPECT_EQ(Contents(target), "earlier\n");
  EXPECT_EQ(Entries(folder), std::vector<std::string>{"out.sd"});
  WriteAndPublish(target, "complete\n");
  EXPECT_EQ(Contents(target), "complete\n");
  EXPECT_EQ(Entries(folder), std::vector<std::string>{"out.sd"});
  fs::remove_all(folder);
}

TEST(OutputFile, LinksLeadToTheFileTheyNameWhichIsReplaced) {
  struct Case {
    const char* name;
    std::vector<std::pair<const char*, const char*>> links;  // link, what it names
    const char* output;
    std::vector<std::string> entries;  // of the folder after the run
    const char* written;               // the file that holds the text
  };
  const std::vector<Case> cases = {
      {"to a file", {{"link.sd", "out.sd"}}, "link.sd", {"link.sd -> out.sd", "out.sd"}, "out.sd"},
      {"leading nowhere yet",
       {{"link.sd", "new.sd"}},
       "link.sd",
       {"link.sd -> new.sd", "new.sd", "out.sd"},
       "new.sd"},
      {"a chain",
       {{"first.sd", "second.sd"}, {"second.sd", "out.sd"}},
       "first.sd",
       {"first.sd -> second.sd", "out.sd", "second.sd -> out.sd"},
       "out.sd"},
  };
  for (const Case& c : cases) {
    const fs::path folder = FolderWithEarlierOutput();
    for (const auto& [link, named] : c.links) fs::create_symlink(named, folder / link);
    WriteAndPublish((folder / c.output).string(), "complete\n");
    EXPECT_EQ(Entries(folder), c.entries) << c.name;
    EXPECT_EQ(Contents(folder / c.written), "complete\n") << c.name;
    fs::remove_all(folder);
  }
}

TEST(OutputFile, DevicesAreWrittenThroughAndFoldersRefused) {
  struct stat before;
  ASSERT_EQ(stat("/dev/null", &before), 0);
  WriteAndPublish("/dev/null", "complete\n");
  struct stat after;
  ASSERT_EQ(stat("/dev/null", &after), 0);
  EXPECT_TRUE(S_ISCHR(after.st_mode));
  EXPECT_EQ(after.st_ino, before.st_ino);
  const fs::path folder = FolderWithEarlierOutput();
  ExpectFailure([&] { OutputFile((folder / ".").string()); },
                (folder / ".").string() + ": can not be written (Is a directory)");
  fs::remove_all(folder);
}

}  // namespace

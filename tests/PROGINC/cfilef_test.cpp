// Tests of the file helpers: existence, removal, base and folder names.
#include "PROGINC/cfilef.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/temp_file.h"

namespace {

TEST(FileExists, TrueOnlyForAReadableFile) {
  const TempFile file;
  const std::string& name = file.path;
  EXPECT_TRUE(FileExists(name.c_str()));
  EXPECT_TRUE(FileExists(name));
  std::remove(name.c_str());
  EXPECT_FALSE(FileExists(name.c_str()));
  EXPECT_FALSE(FileExists(std::string("/no/such/folder/file.sd")));
  EXPECT_FALSE(FileExists(::testing::TempDir()));  // a folder is not a file to read
  EXPECT_FALSE(FileExists(""));
}

TEST(RemFile, TrueWhenRemovedOrAlreadyMissing) {
  const TempFile file;
  const char* name = file.path.c_str();
  EXPECT_TRUE(FileExists(name));
  EXPECT_TRUE(RemFile(name));
  EXPECT_FALSE(FileExists(name));
  EXPECT_TRUE(RemFile(name));
  EXPECT_FALSE(RemFile("/proc/version"));
}

struct NameCase {
  const char* file;
  const char* base;
  const char* dir;
};

TEST(FileNameParts, SplitAtTheLastSeparator) {
  const std::vector<NameCase> cases = {
      {"C:\\data\\day\\site.sd", "site.sd", "C:\\data\\day"},
      {"/data/day/site.sd", "site.sd", "/data/day"},
      {"data\\mixed/site.sd", "site.sd", "data\\mixed"},
      {"data/mixed\\site.sd", "site.sd", "data/mixed"},
      {"site.sd", "site.sd", ""},
      {"folder\\", "", "folder"},
      {"", "", ""},
  };
  for (const NameCase& c : cases) {
    char base[64] = "old", dir[64] = "old";
    GetBasename(c.file, base);
    GetDirname(c.file, dir);
    EXPECT_STREQ(base, c.base) << c.file;
    EXPECT_STREQ(dir, c.dir) << c.file;
  }
}

}  // namespace

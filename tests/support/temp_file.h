// Test support: a unique file in the temporary folder, never in the source
// tree.
#ifndef TESTS_SUPPORT_TEMP_FILE_H
#define TESTS_SUPPORT_TEMP_FILE_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// A unique file in the temporary folder, removed when the object goes.
class TempFile {
 public:
  TempFile() {
    std::string pattern = ::testing::TempDir() + "quintavelmor_fileXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd >= 0) close(fd);
    path = name.data();
  }
  ~TempFile() { std::remove(path.c_str()); }

  std::string path;
};

#endif

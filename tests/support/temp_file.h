// Test support: a unique file in the temporary folder, never in the source
// tree.
#ifndef TESTS_SUPPORT_TEMP_FILE_H
#define TESTS_SUPPORT_TEMP_FILE_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

// The temporary files this process made and has not removed yet, with the
// process that made each. A death test's child leaves by exit() without
// unwinding its stack, so the files it made are removed at its exit here;
// those it inherited from the parent are the parent's to remove.
class MadeTempFiles {
 public:
  static MadeTempFiles& Get() {
    static MadeTempFiles made;
    return made;
  }
  void Add(const std::string& path) { maker_[path] = getpid(); }
  void Forget(const std::string& path) { maker_.erase(path); }
  ~MadeTempFiles() {
    for (const auto& [path, maker] : maker_)
      if (maker == getpid()) std::remove(path.c_str());
  }

 private:
  std::map<std::string, pid_t> maker_;
};

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
    MadeTempFiles::Get().Add(path);
  }
  ~TempFile() {
    std::remove(path.c_str());
    MadeTempFiles::Get().Forget(path);
  }

  std::string path;
};

#endif

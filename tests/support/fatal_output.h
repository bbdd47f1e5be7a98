// Test support: run a fatal path in a death-test child and collect what the
// child wrote to standard output and standard error.
#ifndef TESTS_SUPPORT_FATAL_OUTPUT_H
#define TESTS_SUPPORT_FATAL_OUTPUT_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

struct ChildOutput {
  std::string out;  // standard output
  std::string err;  // standard error
};

namespace fatal_output_detail {

inline std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace fatal_output_detail

// Runs `statement` in a death-test child that must end with `status`, and
// returns the bytes the child wrote to each stream.  The child points its own
// standard output and error at temporary files before running the statement.
template <class Statement>
ChildOutput RunExpectingExit(Statement statement, int status = 1) {
  std::cout.flush();
  std::cerr.flush();
  fflush(nullptr);
  char outPath[] = "/tmp/quintavelmor_test_outXXXXXX";
  char errPath[] = "/tmp/quintavelmor_test_errXXXXXX";
  const int outFd = mkstemp(outPath);
  const int errFd = mkstemp(errPath);
  EXPECT_EXIT(
      {
        dup2(outFd, 1);
        dup2(errFd, 2);
        statement();
      },
      ::testing::ExitedWithCode(status), "");
  close(outFd);
  close(errFd);
  ChildOutput output{fatal_output_detail::ReadWhole(outPath),
                     fatal_output_detail::ReadWhole(errPath)};
  std::remove(outPath);
  std::remove(errPath);
  return output;
}

#endif

// Test support: the run's five objects as the program's entry builds them, and
// a command line handed to the driver.
#ifndef TESTS_SUPPORT_DRIVER_RUN_H
#define TESTS_SUPPORT_DRIVER_RUN_H

#include <string>
#include <vector>

#include "GNSS/GLNSat.h"
#include "GNSS/PhsDiff.h"
#include "GNSS/PhsDiffData.h"
#include "GNSS/PhsDiffHeader.h"
#include "src/Quintavelmorc.h"

struct DriverRun {
  PhsDiffHeader header;
  PhsDiffData data{header};
  PhsDiff loader{header, data};
  GLNSat channels;
  Quintavelmorc q{header, data, loader, channels};
};

// Calls GetFiles with `args` after the program's name.
inline void CallGetFiles(Quintavelmorc& q, const std::vector<std::string>& args,
                         const char* programName = "Quintavelmor") {
  std::vector<const char*> argv{programName};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  q.GetFiles(static_cast<int>(argv.size()), argv.data());
}

inline std::vector<short> Column(const matrix<short>& m) {
  std::vector<short> values;
  for (long i = 0; i < m.Length(); i++) values.push_back(m(i));
  return values;
}

// The folder of the input files shared with the end-to-end cases.
inline std::string CliDataDir() {
  const std::string header = __FILE__;
  return header.substr(0, header.rfind('/')) + "/../cli/data/";
}

#endif

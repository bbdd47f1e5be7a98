// Test support: single-difference file text in the canonical layout, and a
// loaded file (header, records and loader over a temporary file).
#ifndef TESTS_SUPPORT_SD_TEXT_H
#define TESTS_SUPPORT_SD_TEXT_H

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "GNSS/PhsDiff.h"
#include "tests/support/temp_file.h"

// Marks a missing value in SatLine.
const double kMissing = NAN;

// Line 1 to the end line; `groups` is the type list as written, e.g. " C1 L1".
inline std::string HeaderText(int count, const std::string& groups, char endFlag = '1',
                              const std::string& word = "SINGLE_DIFFERENCES") {
  char types[64];
  std::snprintf(types, sizeof types, "# & TYPES OF OBS:%3d ", count);
  return word + "\n" + "MARKER NAME     :  4 BASE  4 ROVR\n" +
         "XYZ POSITION    :  4194423.1234  1162702.5679  4647245.1000     -1.0000        2.5000    "
         "    3.0000\n" +
         types + groups + "\n" + "DIFFERENCE LEVEL:  1\n" + "END OF HEADER " + endFlag + "\n";
}

inline std::string EpochLine(int count, long day, double second, double dt = 0, double clkB = 0,
                             double clkR = 0) {
  char line[128];
  std::snprintf(line, sizeof line, "%3d%6ld%14.7f %9.3f %9.3f %9.3f\n", count, day, second, dt,
                clkB, clkR);
  return line;
}

inline std::string SatLine(int sat, const std::vector<double>& values) {
  char field[64];
  std::snprintf(field, sizeof field, "%3d", sat);
  std::string line = field;
  for (double v : values) {
    if (std::isnan(v))
      std::snprintf(field, sizeof field, "%17s", "*.***");
    else
      std::snprintf(field, sizeof field, "%17.3f", v);
    line += field;
  }
  return line + "\n";
}

inline void WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

// One run's objects bound to a temporary file.
struct LoadedFile {
  PhsDiffHeader head;
  PhsDiffData data{head};
  PhsDiff loader{head, data};
  TempFile file;

  explicit LoadedFile(const std::string& text) : LoadedFile(text, PhsDiffData::TypeSet().set()) {}
  // Keeps the values of the `kept` types only; reads the records in two
  // parts divided at the first epoch line at or after byte `splitFrom`, when
  // that is not negative.
  LoadedFile(const std::string& text, const PhsDiffData::TypeSet& kept,
             std::streamoff splitFrom = -1) {
    data.KeepTypes(kept);
    loader.splitFrom = splitFrom;
    WriteText(file.path, text);
    loader.SetFile(file.path.c_str());
    loader.ReadFile();
  }
};

#endif

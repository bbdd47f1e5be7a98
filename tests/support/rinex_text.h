// Test support: RINEX observation text in temporary files, opened as the
// converter opens its inputs, header lines padded to their label column, and
// the bytes of test files.
#ifndef TESTS_SUPPORT_RINEX_TEXT_H
#define TESTS_SUPPORT_RINEX_TEXT_H

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "rinex/TextInput.h"
#include "tests/support/sd_text.h"
#include "tests/support/temp_file.h"

// A header line: the data padded to 60 characters, then the label.
inline std::string HeaderLine(const std::string& data, const std::string& label) {
  std::string line = data;
  line.resize(60, ' ');
  return line + label + "\n";
}

// The bytes of a file.
inline std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// A file holding `text`, open as converter input.
struct RinexFile {
  TempFile file;
  std::unique_ptr<TextInput> in;

  explicit RinexFile(const std::string& text) {
    WriteText(file.path, text);
    in = OpenTextInput(file.path);
  }
};

#endif

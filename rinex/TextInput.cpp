// Opening an input file of the converter as text lines.
#include "rinex/TextInput.h"

#include <fstream>

#include "PROGINC/LineReader.h"
#include "rinex/ConverterError.h"

namespace {

// A plain text file, read in large blocks.
class PlainTextInput : public TextInput {
 public:
  explicit PlainTextInput(const std::string& path) : file_(path, std::ios::binary), lines_(file_, 0) {
    name = path;
    if (!file_.is_open()) FileError(path, "can not be opened");
  }

  bool Next() override {
    if (!lines_.Next()) return false;
    line = std::string_view(lines_.line, lines_.length);
    lineNo = lines_.lineNo;
    return true;
  }

 private:
  std::ifstream file_;
  LineReader lines_;
};

}  // namespace

std::unique_ptr<TextInput> OpenTextInput(const std::string& path) {
  return std::make_unique<PlainTextInput>(path);
}

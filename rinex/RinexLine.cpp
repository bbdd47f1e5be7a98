// Checked RINEX lines and their fixed-column fields.
#include "rinex/RinexLine.h"

#include <string>

#include "rinex/ConverterError.h"
#include "rinex/TextInput.h"

namespace {

// True when every byte lies in the printable ASCII range (blank to tilde).
// Branch-free over the whole line, so that the check costs little.
bool AllPrintable(std::string_view line) {
  unsigned bad = 0;
  for (const char c : line) bad |= static_cast<unsigned char>(c - 0x20) > 0x5E;
  return bad == 0;
}

size_t FirstUnprintable(std::string_view line) {
  size_t k = 0;
  while (k < line.size() && static_cast<unsigned char>(line[k] - 0x20) <= 0x5E) k++;
  return k;
}

}  // namespace

std::string_view CheckedLine(const TextInput& in, size_t maxLength) {
  std::string_view line = in.line;
  if (!AllPrintable(line)) {
    const size_t column = FirstUnprintable(line) + 1;
    InputError(in, "character " + std::to_string(column) + " is not printable ASCII");
  }
  line = TrimmedRight(line);
  if (line.size() > maxLength)
    InputError(in, "line longer than " + std::to_string(maxLength) + " characters");
  return line;
}

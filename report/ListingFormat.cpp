// Reading the listing's settings lines, title line and rows.
#include "report/ListingFormat.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

constexpr std::size_t kSatelliteStart = kDateWidth + kMjdWidth;          // 38
constexpr std::size_t kValuesStart = kSatelliteStart + kSatelliteWidth;  // 43

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// A field right-aligned in `width` whose text is `label`.
bool IsRightAligned(std::string_view field, std::string_view label) {
  if (field.size() < label.size()) return false;
  const std::size_t pad = field.size() - label.size();
  return field.substr(0, pad).find_first_not_of(' ') == std::string_view::npos &&
         field.substr(pad) == label;
}

// A whole number such as "57817" or "-3".
bool ParseWhole(std::string_view text, long& number) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 12) return false;
  long value = 0;
  for (char digit : text) {
    if (digit < '0' || digit > '9') return false;
    value = value * 10 + (digit - '0');
  }
  number = negative ? -value : value;
  return true;
}

// A fixed-point number as the listing writes it ("-12345.678").  Short digit
// strings are converted exactly by integer arithmetic (one correctly rounded
// division), anything else by the standard conversion.
bool ParseDecimal(std::string_view text, double& number) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
    negative = digits[0] == '-';
    digits.remove_prefix(1);
  }
  std::uint64_t mantissa = 0;
  int fractionDigits = -1;
  int count = 0;
  for (char c : digits) {
    if (c == '.' && fractionDigits < 0) {
      fractionDigits = 0;
      continue;
    }
    if (c < '0' || c > '9') return false;
    mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    if (fractionDigits >= 0) fractionDigits++;
    count++;
  }
  if (count == 0) return false;
  if (count <= 15) {
    static const double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                     1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double value =
        static_cast<double>(mantissa) / kPowers[fractionDigits < 0 ? 0 : fractionDigits];
    number = negative ? -value : value;
    return true;
  }
  const std::string copy(text);
  char* end = nullptr;
  number = std::strtod(copy.c_str(), &end);
  return end == copy.c_str() + copy.size();
}

bool ParseValue(std::string_view field, bool zeroIsAbsent, ListingValue& value,
                std::string& error) {
  value.text = Trim(field);
  value.present = false;
  value.value = 0;
  if (value.text == "*.***") return true;
  if (!ParseDecimal(value.text, value.value)) {
    error = "VALUE FIELD \"" + std::string(field) + "\" IS NOT A NUMBER";
    return false;
  }
  value.present = !(zeroIsAbsent && value.value == 0);
  return true;
}

// A settings line's label up to its colon: the reader allows other padding.
std::string_view Label(const char* line) {
  const std::string_view text(line);
  return text.substr(0, text.find(':') + 1);
}

// Reads " 2017-03-05 06:07:08.500 [ 57817 22028.500]..." after a label.
bool ParseWindowEpoch(std::string_view text, long& day, double& seconds) {
  const std::size_t open = text.find('[');
  const std::size_t close = text.find(']', open == std::string_view::npos ? 0 : open);
  if (open == std::string_view::npos || close == std::string_view::npos) return false;
  std::string_view inside = Trim(text.substr(open + 1, close - open - 1));
  const std::size_t blank = inside.find(' ');
  if (blank == std::string_view::npos) return false;
  return ParseWhole(inside.substr(0, blank), day) &&
         ParseDecimal(Trim(inside.substr(blank)), seconds);
}

}  // namespace

bool IsTitleLine(std::string_view line) {
  return line.size() >= kValuesStart && line[0] == '#' &&
         IsRightAligned(line.substr(1, kDateWidth - 1), kDateTitle);
}

bool ParseTitleLine(std::string_view line, ListingColumns& columns, std::string& error) {
  columns = ListingColumns();
  if (!IsTitleLine(line) || !IsRightAligned(line.substr(kDateWidth, kMjdWidth), kMjdTitle) ||
      line.substr(kSatelliteStart, kSatelliteWidth) != kSatelliteTitle) {
    error = "TITLE LINE DOES NOT ANNOUNCE THE TIME AND SATELLITE COLUMNS";
    return false;
  }
  std::size_t position = kValuesStart;
  if (line.substr(position, kSatelliteWidth) == kReferenceSatelliteTitle) {
    columns.hasReferenceSatellite = true;
    position += kSatelliteWidth;
  }
  if ((line.size() - position) % kValueWidth != 0) {
    error = "TITLE LINE VALUE COLUMNS ARE NOT 16 CHARACTERS WIDE";
    return false;
  }
  for (; position < line.size(); position += kValueWidth) {
    const std::string_view label = Trim(line.substr(position, kValueWidth));
    if (label.empty() || label.find(' ') != std::string_view::npos) {
      error = "TITLE LINE HAS AN EMPTY OR BROKEN COLUMN LABEL";
      return false;
    }
    columns.labels.emplace_back(label);
  }
  return true;
}

void ReadSettingsLine(std::string_view line, ListingSettings& settings) {
  settings.lines.emplace_back(line);
  if (StartsWith(line, Label(kObservationFileLine))) {
    settings.observationFile = std::string(Trim(line.substr(Label(kObservationFileLine).size())));
  } else if (StartsWith(line, Label(kPhaseUnitLine))) {
    settings.phaseUnit = line.find("METER") != std::string_view::npos ? "METER" : "CYCLE";
  } else if (StartsWith(line, Label(kIntervalLine))) {
    double interval = 0;
    settings.interval =
        ParseDecimal(Trim(line.substr(Label(kIntervalLine).size())), interval) ? interval : 0;
  } else if (StartsWith(line, Label(kStartEpochLine))) {
    settings.hasWindow = ParseWindowEpoch(line, settings.startDay, settings.startSeconds);
  } else if (StartsWith(line, Label(kEndEpochLine))) {
    settings.hasWindow =
        settings.hasWindow && ParseWindowEpoch(line, settings.endDay, settings.endSeconds);
  }
}

bool ParseRow(std::string_view line, const ListingColumns& columns,
              const std::vector<bool>& dopplerColumns, ListingRow& row, std::string& error) {
  const std::size_t valuesStart =
      kValuesStart + (columns.hasReferenceSatellite ? kSatelliteWidth : 0);
  if (line.size() != valuesStart + kValueWidth * columns.labels.size()) {
    error = "ROW DOES NOT HAVE THE WIDTH THE TITLE LINE ANNOUNCES (" +
            std::to_string(valuesStart + kValueWidth * columns.labels.size()) +
            " CHARACTERS EXPECTED, " + std::to_string(line.size()) + " FOUND)";
    return false;
  }
  row.date = Trim(line.substr(0, kDateWidth));
  row.secondsText = Trim(line.substr(kDateWidth + 8, 8));
  row.satellite = Trim(line.substr(kSatelliteStart, kSatelliteWidth));
  row.referenceSatellite = columns.hasReferenceSatellite
                               ? Trim(line.substr(kValuesStart, kSatelliteWidth))
                               : std::string_view();
  if (row.date.size() < 19 || row.date[4] != '-' || row.date[10] != ' ' ||
      !ParseWhole(Trim(line.substr(kDateWidth, 8)), row.mjdDay) ||
      !ParseDecimal(row.secondsText, row.secondsOfDay) || row.satellite.empty()) {
    error = "ROW DOES NOT BEGIN WITH A DATE, A MODIFIED JULIAN DATE AND A SATELLITE";
    return false;
  }
  row.values.resize(columns.labels.size());
  for (std::size_t k = 0; k < columns.labels.size(); k++) {
    if (!ParseValue(line.substr(valuesStart + k * kValueWidth, kValueWidth), dopplerColumns[k],
                    row.values[k], error))
      return false;
  }
  return true;
}

// Reading the listing's settings lines, title line and rows.
#include "report/ListingFormat.h"

#include <string>

#include "PROGINC/NumField.h"
#include "PROGINC/TextField.h"

namespace {

constexpr std::size_t kSatelliteStart = kDateWidth + kMjdWidth;          // 38
constexpr std::size_t kValuesStart = kSatelliteStart + kSatelliteWidth;  // 43

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

bool ParseValue(std::string_view field, bool zeroIsAbsent, ListingValue& value,
                std::string& error) {
  value.text = Trimmed(field);
  value.present = false;
  value.value = 0;
  if (value.text == "*.***") return true;
  if (!ReadDecimal(value.text, value.value)) {
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
  std::string_view inside = Trimmed(text.substr(open + 1, close - open - 1));
  const std::size_t blank = inside.find(' ');
  if (blank == std::string_view::npos) return false;
  return ReadWhole(inside.substr(0, blank), day) &&
         ReadDecimal(Trimmed(inside.substr(blank)), seconds);
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
    const std::string_view label = Trimmed(line.substr(position, kValueWidth));
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
    settings.observationFile =
        std::string(Trimmed(line.substr(Label(kObservationFileLine).size())));
  } else if (StartsWith(line, Label(kPhaseUnitLine))) {
    settings.phaseUnit = line.find("METER") != std::string_view::npos ? "METER" : "CYCLE";
  } else if (StartsWith(line, Label(kIntervalLine))) {
    double interval = 0;
    settings.interval =
        ReadDecimal(Trimmed(line.substr(Label(kIntervalLine).size())), interval) ? interval : 0;
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
  row.date = Trimmed(line.substr(0, kDateWidth));
  row.secondsText = Trimmed(line.substr(kDateWidth + 8, 8));
  row.satellite = Trimmed(line.substr(kSatelliteStart, kSatelliteWidth));
  row.referenceSatellite = columns.hasReferenceSatellite
                               ? Trimmed(line.substr(kValuesStart, kSatelliteWidth))
                               : std::string_view();
  if (row.date.size() < 19 || row.date[4] != '-' || row.date[10] != ' ' ||
      !ReadWhole(line.substr(kDateWidth, 8), row.mjdDay) ||
      !ReadDecimal(row.secondsText, row.secondsOfDay) || row.satellite.empty()) {
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

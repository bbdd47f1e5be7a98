// The header facts of a RINEX file, from its lines up to END OF HEADER.
#include "network/HeaderProbe.h"

#include <sstream>
#include <string_view>

#include "GNSS/ymdhms.h"
#include "rinex/InputFailure.h"
#include "rinex/RinexLine.h"
#include "rinex/TextInput.h"

namespace {

std::string_view Label(std::string_view line) {
  return line.size() > 60 ? line.substr(60) : std::string_view();
}

bool Starts(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The date only when it is one (ymdhms would end the process on a day
// beyond its month or a year outside 1901 to 2199).
void TakeFirstObservation(std::string_view line, HeaderFacts& facts) {
  std::istringstream fields{std::string(line.substr(0, 60))};
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  if (!(fields >> year >> month >> day >> hour >> minute) || year < 0 || year > 65535 ||
      month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 || minute < 0 ||
      minute > 59)
    return;
  ymdhms date;
  date.year = static_cast<unsigned short>(year);
  date.month = static_cast<unsigned short>(month);
  date.day = static_cast<unsigned short>(day);
  if (!date.TestYear() || !date.TestDay()) return;
  facts.year = year;
  facts.dayOfYear = date.GetDayOfYear();
  facts.startMinute = hour * 60 + minute;
}

void TakeRecord(std::string_view line, HeaderFacts& facts) {
  const std::string_view label = Label(line);
  if (Starts(label, "RINEX VERSION / TYPE") && line.size() > 20) facts.fileType = line[20];
  if (Starts(label, "MARKER NAME")) facts.marker = std::string(TrimmedField(line, 0, 60));
  if (Starts(label, "TIME OF FIRST OBS")) TakeFirstObservation(line, facts);
  if (Starts(label, "APPROX POSITION XYZ")) {
    std::istringstream fields{std::string(line.substr(0, 60))};
    fields >> facts.position[0] >> facts.position[1] >> facts.position[2];
  }
}

// The failure as the reason that follows the file's name in the list of
// files not placed.
std::string Reason(const InputFailure& failure) {
  if (failure.Line() == 0) return failure.Message();
  return "line " + std::to_string(failure.Line()) + ": " + failure.Message();
}

}  // namespace

HeaderFacts ProbeHeader(const std::string& path) {
  HeaderFacts facts;
  try {
    const auto in = OpenTextInput(path);
    while (in->Next() && !Starts(Label(in->line), "END OF HEADER")) TakeRecord(in->line, facts);
  } catch (const InputFailure& failure) {
    HeaderFacts refused;
    refused.problem = Reason(failure);
    return refused;
  }
  facts.readable = true;
  return facts;
}

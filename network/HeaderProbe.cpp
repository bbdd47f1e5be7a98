// The header facts of a RINEX file, from its lines up to END OF HEADER.
#include "network/HeaderProbe.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string_view>

#include "GNSS/ymdhms.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "rinex/InputFailure.h"
#include "rinex/TextInput.h"

namespace {

std::string_view Label(std::string_view line) {
  return line.size() > 60 ? line.substr(60) : std::string_view();
}

bool Starts(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

void TakeFirstObservation(std::string_view line, HeaderFacts& facts) {
  std::istringstream fields{std::string(line.substr(0, 60))};
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  if (!(fields >> year >> month >> day >> hour >> minute) || month < 1 || month > 12 || day < 1 ||
      day > 31 || hour > 23 || minute > 59)
    return;
  facts.year = year;
  facts.dayOfYear = ymdhms(year, month, day, 0, 0, 0).GetDayOfYear();
  facts.startMinute = hour * 60 + minute;
}

void TakeRecord(std::string_view line, HeaderFacts& facts) {
  const std::string_view label = Label(line);
  if (Starts(label, "RINEX VERSION / TYPE") && line.size() > 20) facts.fileType = line[20];
  if (Starts(label, "MARKER NAME")) facts.marker = std::string(line.substr(0, 60));
  if (Starts(label, "TIME OF FIRST OBS")) TakeFirstObservation(line, facts);
  if (Starts(label, "APPROX POSITION XYZ")) {
    std::istringstream fields{std::string(line.substr(0, 60))};
    fields >> facts.position[0] >> facts.position[1] >> facts.position[2];
  }
}

// The child's answer: one line of facts, or the input layer's message.
void ReadInChild(const std::string& path, int out) {
  dup2(out, STDERR_FILENO);
  HeaderFacts facts;
  try {
    const auto in = OpenTextInput(path);
    while (in->Next() && !Starts(Label(in->line), "END OF HEADER")) TakeRecord(in->line, facts);
  } catch (const InputFailure& failure) {
    ProgramError(kConverterName, failure.what());
  }
  std::string marker = facts.marker.substr(0, facts.marker.find_last_not_of(' ') + 1);
  if (marker.empty()) marker = "-";
  std::fprintf(stderr, "OK %c %d %d %d %.4f %.4f %.4f %s\n", facts.fileType, facts.year,
               facts.dayOfYear, facts.startMinute, facts.position[0], facts.position[1],
               facts.position[2], marker.c_str());
  std::fflush(stderr);
}

HeaderFacts ParseAnswer(const std::string& answer) {
  HeaderFacts facts;
  std::istringstream fields(answer);
  std::string ok;
  if (!(fields >> ok) || ok != "OK") {
    facts.problem = answer.substr(0, answer.find('\n'));
    if (facts.problem.empty()) facts.problem = "the header could not be read";
    return facts;
  }
  fields >> facts.fileType >> facts.year >> facts.dayOfYear >> facts.startMinute >>
      facts.position[0] >> facts.position[1] >> facts.position[2];
  std::getline(fields >> std::ws, facts.marker);
  if (facts.marker == "-") facts.marker.clear();
  facts.readable = true;
  return facts;
}

}  // namespace

HeaderFacts ProbeHeader(const std::string& path) {
  int channel[2];
  if (pipe(channel) != 0) return ParseAnswer("no pipe for reading the header");
  // The child must not write what the parent has buffered a second time.
  std::cout.flush();
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    ReadInChild(path, channel[1]);
    _exit(0);
  }
  close(channel[1]);
  std::string answer;
  char buffer[4096];
  for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;)
    answer.append(buffer, got);
  close(channel[0]);
  if (child > 0) waitpid(child, nullptr, 0);
  return ParseAnswer(answer);
}

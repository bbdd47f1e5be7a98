#include "rinex/PieceInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rinex/ObsReader.h"
#include "tests/support/input_failure.h"
#include "tests/support/rinex_text.h"

namespace {

// A real day file of 30 s epochs from 00:00 to 00:52.
const std::string kDay = TEST_DATA_DIR "/crinex/delf0010.21o.gz";

struct CutDay {
  std::string header;               // through END OF HEADER
  std::vector<std::string> bodies;  // the records of each quarter of an hour
};

// The epoch line of a RINEX 2 record, " yy mm dd hh mm ss.sssssss  f", has
// its seconds' point where no record and no list of satellites has one.
bool IsEpochLine(const std::string& line) { return line.size() > 28 && line[18] == '.'; }

CutDay CutIntoQuarters(const std::string& path) {
  CutDay day;
  const auto in = OpenTextInput(path);
  bool body = false;
  while (in->Next()) {
    const std::string line(in->line);
    if (!body) {
      day.header += line + "\n";
      body = line.find("END OF HEADER") != std::string::npos;
      continue;
    }
    if (IsEpochLine(line)) {
      const size_t quarter = static_cast<size_t>(std::stoi(line.substr(12, 3)) / 15);
      if (quarter >= day.bodies.size()) day.bodies.resize(quarter + 1);
    }
    day.bodies.back() += line + "\n";
  }
  return day;
}

// The pieces as files: each one's header, then its records.
struct PieceFiles {
  std::vector<TempFile> files;
  std::vector<std::string> paths;

  PieceFiles(const CutDay& day, const std::vector<std::string>& headers) : files(headers.size()) {
    for (size_t k = 0; k < headers.size(); k++) {
      WriteText(files[k].path, headers[k] + day.bodies[k]);
      paths.push_back(files[k].path);
    }
  }
};

std::string Joined(TextInput& in) {
  std::string text;
  while (in.Next()) text.append(in.line).append("\n");
  return text;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

TEST(PieceInput, QuartersOfARealDayReadAsTheWholeDay) {
  const CutDay day = CutIntoQuarters(kDay);
  ASSERT_EQ(day.bodies.size(), 4u);
  const PieceFiles pieces(day, std::vector<std::string>(4, day.header));
  ObsHeader head;
  const auto joined = OpenObservationPieces(pieces.paths, head);
  EXPECT_EQ(head.interval, 30);
  EXPECT_EQ(Joined(*joined), day.bodies[0] + day.bodies[1] + day.bodies[2] + day.bodies[3]);
  // A line tells the piece it comes from, counted in that piece.
  EXPECT_EQ(joined->name, pieces.paths[3]);
  EXPECT_EQ(joined->lineNo, std::count(day.header.begin(), day.header.end(), '\n') +
                                std::count(day.bodies[3].begin(), day.bodies[3].end(), '\n'));
}

TEST(PieceInput, ALaterPieceThatWouldBeMisreadIsRefusedByName) {
  const CutDay day = CutIntoQuarters(kDay);
  const struct {
    const char* what;
    std::string laterHeader;
    const char* message;  // after the later piece's name; @ stands for the first piece's
  } cases[] = {
      {"types in another order", Replaced(day.header, "     7    L1    L2", "     7    L2    L1"),
       ": other observation types than the first piece @ (L2 L1 C1 P2 P1 S1 S2 against L1 L2 "
       "C1 P2 P1 S1 S2); the pieces of a day are read as one file"},
      {"another version", Replaced(day.header, "     2.11", "     2.10"),
       ": RINEX version 210 where the first piece @ has 211"},
      {"no header", "", ", line 1: "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const PieceFiles pieces(day, {day.header, c.laterHeader});
    ObsHeader head;
    const auto joined = OpenObservationPieces(pieces.paths, head);
    std::string message = c.message;
    if (message.find('@') != std::string::npos) message = Replaced(message, "@", pieces.paths[0]);
    ExpectFailure([&] { Joined(*joined); }, pieces.paths[1] + message);
  }
}

// Some archives cut the blank continuation lines off a file's last record.
// Cut so at the end of a piece, the record ends there, as at the end of a
// single file: the next piece's lines are not read into it.
TEST(PieceInput, ARecordCutShortAtTheEndOfAPieceEndsThere) {
  const CutDay day = CutIntoQuarters(kDay);
  CutDay cut = day;
  std::string& first = cut.bodies[0];
  first.erase(first.rfind('\n', first.size() - 2) + 1);
  const auto epochTimes = [](const PieceFiles& pieces) {
    ObsHeader head;
    const auto in = OpenObservationPieces(pieces.paths, head);
    ObsReader reader(*in, head);
    std::vector<int64_t> times;
    for (ObsEpoch epoch; reader.Next(epoch);) times.push_back(epoch.ticks);
    return times;
  };
  const std::vector<std::string> headers(4, day.header);
  EXPECT_EQ(epochTimes(PieceFiles(cut, headers)), epochTimes(PieceFiles(day, headers)));
}

}  // namespace

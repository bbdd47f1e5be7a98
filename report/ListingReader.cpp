// Reading a listing line by line from large blocks.
#include "report/ListingReader.h"

#include <limits>
#include <string>
#include <string_view>

#include "GNSS/PhsDiffHeader.h"
#include "PROGINC/NextStep.h"
#include "PROGINC/ProgramError.h"
#include "PROGINC/ProgramName.h"
#include "report/ColumnKind.h"

namespace {

// The error names the line; `hint`, if any, follows on a line of its own.
[[noreturn]] void LineError(long lineNumber, const std::string& what, const char* hint) {
  const std::string message = "LINE " + std::to_string(lineNumber) + ": " + what + "!";
  if (hint != nullptr) ProgramErrorWithHint(kReportProgramName, message.c_str(), hint);
  ProgramError(kReportProgramName, message.c_str());
}

// The state of one pass over a listing.
class ListingPass {
 public:
  explicit ListingPass(const std::vector<ListingConsumer*>& consumers) : consumers_(consumers) {}

  void Line(std::string_view line) {
    lineNumber_++;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (lineNumber_ == 1) differencesFile_ = PhsDiffHeader::NamesDifferences(line);
    if (!titleSeen_) {
      Preamble(line);
    } else if (line.empty()) {
      for (ListingConsumer* consumer : consumers_) consumer->EndOfBlock();
      hasPrevious_ = false;
    } else {
      Row(line);
    }
  }

  void Finish() {
    if (!titleSeen_) Fail("NO COLUMN-TITLE LINE FOUND IN THE LISTING");
    for (ListingConsumer* consumer : consumers_) consumer->Finish();
  }

 private:
  // A single-difference file given in place of a listing fails in its
  // header; the error then says how to make the listing.
  [[noreturn]] void Fail(const std::string& what) const {
    LineError(lineNumber_, what, differencesFile_ ? kDifferencesToListing : nullptr);
  }

  // Lines before the title: anything before the first "#" line (a message on
  // standard output ahead of the settings) is passed over.
  void Preamble(std::string_view line) {
    if (line.empty() || line[0] != '#') {
      if (settingsSeen_) Fail("LINE WITHOUT \"#\" INSIDE THE SETTINGS");
      return;
    }
    settingsSeen_ = true;
    if (!IsTitleLine(line)) {
      ReadSettingsLine(line, settings_);
      return;
    }
    std::string error;
    if (!ParseTitleLine(line, columns_, error)) Fail(error);
    titleSeen_ = true;
    for (const std::string& label : columns_.labels)
      dopplerColumns_.push_back(ClassifyColumn(label, settings_.phaseUnit).zeroIsAbsent);
    for (ListingConsumer* consumer : consumers_) consumer->Begin(settings_, columns_);
  }

  void Row(std::string_view line) {
    std::string error;
    if (!ParseRow(line, columns_, dopplerColumns_, row_, error)) Fail(error);
    if (!hasDay0_) {
      day0_ = settings_.hasWindow ? settings_.startDay : row_.mjdDay;
      hasDay0_ = true;
    }
    RowTime time;
    time.seconds = SecondsSince(day0_, row_);
    time.gapLimit = 2 * Interval(time.seconds);
    hasPrevious_ = true;
    previousSeconds_ = time.seconds;
    for (ListingConsumer* consumer : consumers_) consumer->Row(row_, time);
  }

  // The listing's interval: as set, or else the smallest step seen so far
  // between two rows of one satellite (unknown, so no limit, before the first).
  double Interval(double seconds) {
    if (settings_.interval > 0) return settings_.interval;
    const double step = seconds - previousSeconds_;
    if (hasPrevious_ && step > 0 && (estimatedInterval_ == 0 || step < estimatedInterval_))
      estimatedInterval_ = step;
    return estimatedInterval_ > 0 ? estimatedInterval_ : std::numeric_limits<double>::infinity();
  }

  const std::vector<ListingConsumer*>& consumers_;
  long lineNumber_ = 0;
  bool settingsSeen_ = false;
  bool titleSeen_ = false;
  bool differencesFile_ = false;
  ListingSettings settings_;
  ListingColumns columns_;
  std::vector<bool> dopplerColumns_;
  ListingRow row_;
  bool hasDay0_ = false;
  long day0_ = 0;
  bool hasPrevious_ = false;
  double previousSeconds_ = 0;
  double estimatedInterval_ = 0;
};

}  // namespace

void ReadListing(std::FILE* input, const std::vector<ListingConsumer*>& consumers) {
  ListingPass pass(consumers);
  std::vector<char> block(1 << 20);
  std::string carried;  // the unfinished line at the end of a block
  std::size_t count;
  while ((count = std::fread(block.data(), 1, block.size(), input)) > 0) {
    std::string_view text(block.data(), count);
    std::size_t end;
    while ((end = text.find('\n')) != std::string_view::npos) {
      if (carried.empty()) {
        pass.Line(text.substr(0, end));
      } else {
        carried.append(text.substr(0, end));
        pass.Line(carried);
        carried.clear();
      }
      text.remove_prefix(end + 1);
    }
    carried.append(text);
  }
  if (!carried.empty()) pass.Line(carried);
  pass.Finish();
}

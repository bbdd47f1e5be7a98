// Decoding compact RINEX into the RINEX observation text it was made from.
#include "rinex/CompactRinexInput.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "PROGINC/FixedFormat.h"
#include "PROGINC/TextField.h"
#include "rinex/ConverterError.h"
#include "rinex/RinexLine.h"

// Where each version keeps the parts of an epoch, in the compact file and in
// the RINEX text.
struct CompactLayout {
  const char* version;       // as the first header line gives it
  char rinexMajor;           // the RINEX version it holds: '2', or '3' and later
  char restart;              // first character of an epoch line given whole
  char epochStart;           // the character it stands for in the text
  size_t flagAt;             // the event flag in the epoch line
  size_t countAt;            // its three-digit count of satellites or special records
  size_t satellitesAt;       // the satellite list in the compact epoch line
  size_t satellitesPerLine;  // satellites on a text epoch line (0: none)
  size_t clockAt;            // the receiver clock offset in the text epoch line
  int clockWidth;
  int clockDecimals;
  size_t typesPerLine;  // observation fields per text line
  bool satelliteFirst;  // a text observation line starts with its satellite
};

namespace {

const CompactLayout kLayouts[] = {
    {"1.0", '2', '&', ' ', 28, 29, 32, 12, 68, 12, 9, 5, false},
    {"3.0", '3', '>', '>', 31, 32, 41, 0, 41, 15, 12, SIZE_MAX, true},
};

const size_t kLabelAt = 60;
const char kVersionLabel[] = "CRINEX VERS   / TYPE";
const char kProgramLabel[] = "CRINEX PROG / DATE";
const long kMaxTypes = 999;

bool HasLabel(std::string_view line, std::string_view label) {
  return line.size() >= kLabelAt + label.size() && line.compare(kLabelAt, label.size(), label) == 0;
}

}  // namespace

bool IsCompactRinex(std::string_view head) {
  return HasLabel(head.substr(0, head.find('\n')), kVersionLabel);
}

CompactRinexInput::CompactRinexInput(std::unique_ptr<TextInput> compact)
    : compact_(std::move(compact)) {
  name = compact_->name;
  std::fill(std::begin(types_), std::end(types_), -1);
  compact_->Next();
  const std::string_view version = Trimmed(compact_->line.substr(0, 20));
  const auto known =
      std::find_if(std::begin(kLayouts), std::end(kLayouts),
                   [&](const CompactLayout& layout) { return version == layout.version; });
  if (known == std::end(kLayouts))
    Inconsistent("compact RINEX version " + std::string(version) + " is not known");
  layout_ = known;
  if (!compact_->Next() || !HasLabel(compact_->line, kProgramLabel))
    Inconsistent("compact RINEX header has no CRINEX PROG / DATE line");
}

bool CompactRinexInput::Next() {
  if (HandDecoded()) return true;
  if (!compact_->Next()) return AtEnd();
  lineNo = compact_->lineNo;
  switch (part_) {
    case Part::Header:
      HeaderLine();
      line = compact_->line;
      return true;
    case Part::SpecialRecords:
      TypesLine(compact_->line);
      if (--recordsLeft_ == 0) part_ = Part::Epoch;
      line = compact_->line;
      return true;
    case Part::Epoch:
      text_.clear();
      EpochRecord();
      break;
    case Part::Satellites:
      text_.clear();
      SatelliteRecord();
      break;
  }
  textFrom_ = 0;
  return HandDecoded();
}

bool CompactRinexInput::HandDecoded() {
  if (textFrom_ == text_.size()) return false;
  const size_t end = text_.find('\n', textFrom_);
  line = std::string_view(text_).substr(textFrom_, end - textFrom_);
  textFrom_ = end + 1;
  return true;
}

bool CompactRinexInput::AtEnd() {
  if (part_ == Part::Satellites || part_ == Part::SpecialRecords)
    Inconsistent("compact RINEX data end inside an epoch (the file is cut short)");
  return false;
}

void CompactRinexInput::HeaderLine() {
  const std::string_view text = compact_->line;
  if (HasLabel(text, "RINEX VERSION / TYPE")) {
    const std::string_view version = Trimmed(text.substr(0, 9));
    const bool holdsIt =
        !version.empty() &&
        (layout_->rinexMajor == '2' ? version[0] == '2' : version[0] >= '3' && version[0] <= '9');
    if (!holdsIt)
      Inconsistent("compact RINEX " + std::string(layout_->version) + " can not hold RINEX " +
                   std::string(version));
  } else if (HasLabel(text, "END OF HEADER")) {
    part_ = Part::Epoch;
  } else {
    TypesLine(text);
  }
}

// The number of observation types, from the header or from header records
// of an event: for all satellites (RINEX 2) or for one system.
void CompactRinexInput::TypesLine(std::string_view text) {
  long count = -1;
  if (HasLabel(text, "# / TYPES OF OBSERV")) {
    if (Trimmed(text.substr(0, 6)).empty()) return;  // a continuation line
    count = ReadCount(text, 0, 6);
  } else if (HasLabel(text, "SYS / # / OBS TYPES")) {
    if (text[0] == ' ') return;
    count = ReadCount(text, 3, 3);
  } else {
    return;
  }
  if (count < 0 || count > kMaxTypes) Inconsistent("number of observation types can not be read");
  if (text[0] == ' ')
    std::fill(std::begin(types_), std::end(types_), static_cast<int>(count));
  else
    types_[static_cast<unsigned char>(text[0])] = static_cast<int>(count);
}

// A line of an epoch's record without trailing blanks, which some writers
// leave: a blank changes no character of a text difference, and fields
// past a line's end are empty anyway.
std::string_view CompactRinexInput::DataLine() const { return TrimmedRight(compact_->line); }

void CompactRinexInput::EpochRecord() {
  const std::string_view difference = DataLine();
  if (!difference.empty() && difference[0] == layout_->restart) {
    epoch_.assign(difference.data(), difference.size());
    epoch_[0] = layout_->epochStart;
  } else {
    ApplyTextDifference(epoch_, difference);
  }
  const long count = ReadCount(epoch_, layout_->countAt, 3);
  const char flag = count >= 0 ? epoch_[layout_->flagAt] : ' ';
  if (count < 0 || flag < '0' || flag > '6' || epoch_[0] != layout_->epochStart)
    Inconsistent("compact RINEX epoch line can not be read");
  if (flag >= '2' && flag <= '5') {  // special records follow as they are
    const size_t start = text_.size();
    text_ += epoch_;
    EndLine(start);
    recordsLeft_ = count;
    if (count > 0) part_ = Part::SpecialRecords;
    return;
  }
  if (epoch_.size() < layout_->satellitesAt + 3 * static_cast<size_t>(count))
    Inconsistent("compact RINEX epoch line lists fewer satellites than it counts");
  if (!compact_->Next())
    Inconsistent("compact RINEX data end inside an epoch (the file is cut short)");
  ClockLine();
  WriteEpochLines(count);
  satellites_.StartEpoch();
  satellitesInEpoch_ = recordsLeft_ = count;
  if (count > 0) part_ = Part::Satellites;
}

void CompactRinexInput::ClockLine() {
  switch (clock_.Take(DataLine())) {
    case CompactArc::Result::Unreadable:
      Inconsistent("compact RINEX receiver clock offset can not be read");
    case CompactArc::Result::NoStart:
      Inconsistent("compact RINEX clock offset difference has no value to start from");
    default:
      return;
  }
}

// The epoch line without its satellite list (RINEX 3), or with the list
// twelve satellites a line (RINEX 2), and the clock offset in its place.
void CompactRinexInput::WriteEpochLines(long satellites) {
  const size_t start = text_.size();
  const std::string_view list =
      std::string_view(epoch_).substr(layout_->satellitesAt, 3 * satellites);
  text_.append(epoch_, 0, layout_->satellitesAt);
  size_t shown = std::min(list.size() / 3, layout_->satellitesPerLine);
  text_.append(list.substr(0, 3 * shown));
  if (clock_.started()) {
    text_.resize(start + layout_->clockAt, ' ');
    text_.resize(start + layout_->clockAt + layout_->clockWidth);
    if (!WriteUnits(&text_[start + layout_->clockAt], layout_->clockWidth, clock_.value(),
                    layout_->clockDecimals))
      Inconsistent("compact RINEX receiver clock offset does not fit its field");
  }
  EndLine(start);
  for (; layout_->satellitesPerLine > 0 && 3 * shown < list.size();
       shown += layout_->satellitesPerLine) {
    const size_t lineStart = text_.size();
    text_.append(layout_->satellitesAt, ' ');
    text_.append(list.substr(3 * shown, 3 * layout_->satellitesPerLine));
    EndLine(lineStart);
  }
}

void CompactRinexInput::SatelliteRecord() {
  const size_t index = static_cast<size_t>(satellitesInEpoch_ - recordsLeft_);
  const std::string_view id = std::string_view(epoch_).substr(layout_->satellitesAt + 3 * index, 3);
  const int types = types_[static_cast<unsigned char>(id[0])];
  if (types < 0)
    Inconsistent("satellite " + std::string(id) + " is of a system without observation types");
  CompactSatellite& state = satellites_.Take(id, static_cast<size_t>(types));
  ReadObservations(DataLine(), state);
  WriteObservations(layout_->satelliteFirst ? id : std::string_view(), state);
  if (--recordsLeft_ == 0) part_ = Part::Epoch;
}

// One field per observation type, separated by single blanks (an empty field
// is a missing value), then a blank and the difference of the flags' text.
// Version 1.0 clears the flags of a missing value; version 3.0 keeps them,
// and the next flag difference applies to what it kept.
void CompactRinexInput::ReadObservations(std::string_view fields, CompactSatellite& state) {
  size_t at = 0;
  for (CompactArc& arc : state.arcs) {
    const size_t end = std::min(fields.find(' ', at), fields.size());
    const std::string_view field =
        at < fields.size() ? fields.substr(at, end - at) : std::string_view();
    switch (arc.Take(field)) {
      case CompactArc::Result::Unreadable:
        Inconsistent("compact RINEX field \"" + std::string(field) + "\" can not be read");
      case CompactArc::Result::NoStart:
        Inconsistent("compact RINEX difference \"" + std::string(field) +
                     "\" has no value to start from");
      default:
        break;
    }
    at = end + 1;
  }
  const std::string_view flags = at <= fields.size() ? fields.substr(at) : std::string_view();
  if (flags.size() > state.flags.size())
    Inconsistent("compact RINEX line has flags for more observations than there are types");
  ApplyTextDifference(state.flags, flags);
  if (layout_->rinexMajor != '2') return;
  for (size_t type = 0; type < state.arcs.size(); type++)
    if (!state.arcs[type].started()) state.flags[2 * type] = state.flags[2 * type + 1] = ' ';
}

void CompactRinexInput::WriteObservations(std::string_view satellite,
                                          const CompactSatellite& state) {
  const size_t types = state.arcs.size();
  size_t type = 0;
  do {
    const size_t start = text_.size();
    const size_t count = std::min(layout_->typesPerLine, types - type);
    text_.append(satellite);
    text_.resize(text_.size() + kObsFieldWidth * count);
    char* field = &text_[text_.size() - kObsFieldWidth * count];
    for (size_t k = 0; k < count; k++, type++, field += kObsFieldWidth) {
      const CompactArc& arc = state.arcs[type];
      if (!arc.started())
        std::memset(field, ' ', kObsValueWidth);
      else if (!WriteUnits(field, static_cast<int>(kObsValueWidth), arc.value(), kObsValueDecimals))
        Inconsistent("compact RINEX observation does not fit its field");
      field[kObsValueWidth] = state.flags[2 * type];
      field[kObsValueWidth + 1] = state.flags[2 * type + 1];
    }
    EndLine(start);
  } while (type < types);
}

// Ends the text line that starts at `start`, without trailing blanks.
void CompactRinexInput::EndLine(size_t start) {
  size_t end = text_.size();
  while (end > start && text_[end - 1] == ' ') end--;
  text_.resize(end);
  text_.push_back('\n');
}

void CompactRinexInput::Inconsistent(const std::string& what) const { InputError(*compact_, what); }

// CompactRinexInput: the RINEX observation text that a compact RINEX
// (Hatanaka) file encodes, line by line: version 1.0 holds RINEX 2, version
// 3.0 RINEX 3 and later.  The header passes through; each epoch line is a
// text difference to the one before, followed by the receiver clock offset
// and one line per satellite of numeric arcs and flag differences.  Events
// with special records (flags 2 to 5) pass through as they are.
#ifndef RINEX_COMPACTRINEXINPUT_H
#define RINEX_COMPACTRINEXINPUT_H

#include <memory>
#include <string>
#include <string_view>

#include "rinex/CompactFields.h"
#include "rinex/CompactSatellites.h"
#include "rinex/TextInput.h"

// How many first bytes of a file tell whether it is compact RINEX.
constexpr size_t kCompactRinexHeadLength = 80;
// True when `head`, the first bytes of a text, starts compact RINEX.
bool IsCompactRinex(std::string_view head);

struct CompactLayout;

class CompactRinexInput : public TextInput {
 public:
  // Reads the two compact RINEX header lines at once.
  explicit CompactRinexInput(std::unique_ptr<TextInput> compact);

  bool Next() override;

 private:
  enum class Part { Header, Epoch, Satellites, SpecialRecords };

  std::unique_ptr<TextInput> compact_;
  const CompactLayout* layout_;
  Part part_ = Part::Header;
  int types_[256];     // observation types by system letter (-1: none)
  std::string epoch_;  // the epoch line the next difference applies to
  CompactArc clock_;
  CompactSatellites satellites_;
  long satellitesInEpoch_ = 0;
  long recordsLeft_ = 0;  // satellite or special lines still to come
  std::string text_;      // decoded lines not yet handed out, each ended by '\n'
  size_t textFrom_ = 0;

  bool HandDecoded();
  bool AtEnd();
  void HeaderLine();
  void TypesLine(std::string_view text);
  std::string_view DataLine() const;
  void EpochRecord();
  void WriteEpochLines(long satellites);
  void ClockLine();
  void SatelliteRecord();
  void ReadObservations(std::string_view fields, CompactSatellite& state);
  void WriteObservations(std::string_view satellite, const CompactSatellite& state);
  void EndLine(size_t start);
  [[noreturn]] void Inconsistent(const std::string& what) const;
};

#endif

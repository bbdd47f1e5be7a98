// ObsReader: the data epochs of a RINEX observation file, one at a time,
// after its header.  Memory stays that of the largest epoch, whatever the
// file's length.
#ifndef RINEX_OBSREADER_H
#define RINEX_OBSREADER_H

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rinex/ObsEpoch.h"
#include "rinex/ObsHeader.h"
#include "rinex/SatSystems.h"

class TextInput;

// What the reader met besides data, for the converter's report.
struct ObsReadCounts {
  long epochs = 0;            // data epochs (event flags 0 and 1)
  long powerFailures = 0;     // data epochs with event flag 1
  long eventRecords = 0;      // epochs with event flags 2 to 5, passed over
  long cycleSlipRecords = 0;  // satellite records of event flag 6, passed over
  // Satellite records of systems that are not converted, by letter.
  std::array<long, 26> skippedRecords{};
};

class ObsReader {
 public:
  // The input stands on the line after the header's END OF HEADER; the
  // records of systems whose letters are not in `systems` are counted and
  // passed over.
  ObsReader(TextInput& in, const ObsHeader& head, std::string systems = kSystems);

  // Reads the next data epoch into `epoch`; false at the end of the file.
  // Epochs must come in time order, each later than the one before.
  bool Next(ObsEpoch& epoch);

  const ObsReadCounts& Counts() const { return counts_; }

 private:
  TextInput& in_;
  const ObsHeader& head_;
  const std::string systems_;
  ObsReadCounts counts_;
  bool ended_ = false;  // the file ended inside the last epoch's last record
  int64_t lastTicks_ = INT64_MIN;
  std::vector<char> satSystems_;  // RINEX 2: the satellites of the epoch line
  std::vector<int> satNumbers_;
  std::vector<unsigned> seenStamp_;  // duplicate test: epoch stamp per satellite
  unsigned stamp_ = 0;

  std::string_view NextLine(size_t maxLength, const char* what);
  bool ReadEpochLine(ObsEpoch& epoch, int& count);
  void ReadEpochTime(std::string_view line, bool rinex2, ObsEpoch& epoch);
  void PassEvent(int count, int flag);
  void ReadRinex2SatelliteList(std::string_view line, int count);
  void ReadRinex2Records(ObsEpoch& epoch, int count, bool keep);
  bool EndsInLastRecord(bool lastSatellite, size_t line, size_t lines);
  void ReadRinex3Records(ObsEpoch& epoch, int count, bool keep);
  void ReadValues(std::string_view line, size_t from, size_t count, ObsEpoch& epoch, size_t first);
  [[noreturn]] void MissingSatellite(int count);
  void AddSatellite(ObsEpoch& epoch, char system, int number, size_t types);
  void CheckNewSatellite(char system, int number);
  bool Converted(char system) const { return systems_.find(system) != std::string::npos; }
};

#endif

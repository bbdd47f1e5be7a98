// EpochDifferencer: the single differences of one pair of epochs, rover
// minus base, written as an epoch record: the satellites both epochs hold,
// ascending by satellite number, each value the difference of two values in
// whole thousandths (of the values divided by the scale factors their files
// stored them with).  It counts what the file cannot show: exact zero
// differences (written as missing), differences rounded after the division,
// and the loss-of-lock indicators on the written values.
#ifndef RINEX_EPOCHDIFFERENCER_H
#define RINEX_EPOCHDIFFERENCER_H

#include <cstdint>
#include <ostream>
#include <vector>

#include "GNSS/PhsDiffData.h"
#include "GNSS/SdWriter.h"
#include "rinex/ObsEpoch.h"
#include "rinex/TypeMap.h"

// Loss-of-lock indicators that the file cannot hold: bit 0 (lost lock, a
// cycle slip possible) or bit 1 (half-cycle ambiguity).
constexpr unsigned char kReportedLli = 0x3;

class EpochDifferencer {
 public:
  // `lliList`, when not null, receives one line per reported indicator.
  EpochDifferencer(const TypeMap& map, SdWriter& writer, std::ostream* lliList);

  // Writes the record of the pair; false (and nothing written) when no
  // satellite of the pair has a value.
  bool Write(const ObsEpoch& base, const ObsEpoch& rover);
  // The GLONASS slots of the satellites written, ascending.
  std::vector<int> GlonassSlotsWritten() const;

  long satelliteLines = 0;                      // satellite lines written
  long linesOf[PhsDiffData::NSATNUMBERS] = {};  // satellite lines written, by satellite number
  long emptySatellites = 0;  // satellites in both epochs without any common value
  long zeroDifferences[PhsDiffHeader::NTYPES] = {};  // by type code
  long valuesOf[PhsDiffHeader::NTYPES] = {};         // values written (not missing), by type code
  // Differences of values stored with a scale factor that are no whole
  // thousandths, rounded once to thousandths.
  long roundedDifferences = 0;
  // Reported loss-of-lock indicators on written values, by satellite number.
  long lliBase[PhsDiffData::NSATNUMBERS] = {};
  long lliRover[PhsDiffData::NSATNUMBERS] = {};

 private:
  struct Pair {
    short sat;  // single-difference satellite number
    int system;
    size_t base;   // index of the satellite in the base epoch
    size_t rover;  // and in the rover epoch
  };

  const TypeMap& map_;
  SdWriter& writer_;
  std::ostream* lliList_;
  std::vector<int> baseIndex_;  // by satellite number: index in the base epoch + 1, 0 when absent
  std::vector<Pair> pairs_;
  std::vector<int64_t> rows_;  // the differences of each pair, written types in order
  std::vector<Pair> written_;

  void FindPairs(const ObsEpoch& base, const ObsEpoch& rover);
  bool Difference(const Pair& pair, const ObsEpoch& base, const ObsEpoch& rover, int64_t* row);
  void TallyLli(const Pair& pair, size_t k, unsigned char lli, bool rover, int64_t ticks);
};

#endif

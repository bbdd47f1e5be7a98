// The base's and the rover's RINEX observation files of a simulated run:
// the base observes on its own (SimBaseReceiver.h), the rover observes the
// base's values plus the single differences, in whole thousandths, so that
// their differences are the single-difference file's values.
#ifndef TOOLS_SIMRECEIVERS_H
#define TOOLS_SIMRECEIVERS_H

#include <iosfwd>
#include <vector>

#include "tools/SimCompact.h"
#include "tools/SimFormat.h"
#include "tools/SimRinexText.h"

// One station's file, plain RINEX 3.04 or compact RINEX 3.0.
class SimRinexFile {
 public:
  SimRinexFile(std::ostream& out, bool compact) : out_(out), compact_(compact) {}
  void Header(const std::string& header, long firstMjd);
  void Epoch(const SimRinexEpoch& epoch);
  void Finish() { out_.Flush(); }

 private:
  SimBlockOut out_;
  bool compact_;
  SimCompactEncoder encoder_;
};

// Both stations' files, written epoch by epoch from the satellites the run
// sees and their single differences.
class SimReceivers {
 public:
  // Writes both headers.
  SimReceivers(const SimPlan& plan, const SimRinexOutputs& outputs);

  // t is in seconds after midnight of the plan's first day.
  void StartEpoch(double t);
  // A visible satellite and its single differences (Observe's values).
  void AddSatellite(SimTrack& track, const SimLook& look, double t,
                    const std::vector<double>& differences);
  void EndEpoch();
  void Finish();

 private:
  const SimPlan& plan_;
  const SimRinexColumns columns_;
  const bool clockOffsets_;
  SimRinexFile baseFile_, roverFile_;
  SimRinexEpoch base_, rover_;
  std::vector<double> baseValues_;

  void AddValue(const SimTrack& track, const SimLook& look, const SimLook& before, bool slipNow,
                int typeCode, double baseValue, double difference);
};

#endif

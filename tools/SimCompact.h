// Compact RINEX 3.0 (Hatanaka) of a simulated station's epochs: each epoch
// line as a text difference to the one before, the clock offset and every
// observation as arcs of third-order differences, the indicators as text
// differences per satellite.  A satellite carries its arcs on from the epoch
// just before only; one that was absent starts afresh.
#ifndef TOOLS_SIMCOMPACT_H
#define TOOLS_SIMCOMPACT_H

#include <string>
#include <vector>

#include "tools/SimRinexText.h"

// Appends the two lines that come before the RINEX header in compact RINEX
// 3.0; the date is the day the file begins (the output does not depend on
// when it was made).
void AppendCompactHead(std::string& text, long mjd);

class SimCompactEncoder {
 public:
  // Appends the compact lines of an epoch.
  void AppendEpoch(std::string& text, const SimRinexEpoch& epoch);

 private:
  // One series of values; terms are the value and its differences of order
  // 1 to 3 at the last epoch.
  struct Arc {
    bool started = false;
    int reached = 0;  // the order of the difference the last field gave
    long long terms[4] = {};
  };
  struct Satellite {
    long lastEpoch = -2;  // the epoch count it was last seen in
    std::vector<Arc> arcs;
    std::string flags;
  };

  long epochs_ = 0;
  std::string epochLine_;  // the compact epoch line as a reader holds it
  Arc clock_;
  std::vector<Satellite> satellites_ = std::vector<Satellite>(kSimSystemCount * 100);  // by number

  void AppendEpochLine(std::string& text, const SimRinexEpoch& epoch);
  void AppendRecord(std::string& text, const SimRinexEpoch& epoch, const SimRinexRecord& record);
  Satellite& CarriedOn(const SimRinexRecord& record);
};

#endif

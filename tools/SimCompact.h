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

// One series of values: a field "3&V" starts it with value V, and every
// later field gives the next difference, of the order reached so far (1 for
// the second value, up to 3 from the fourth on).
class SimArc {
 public:
  // Appends the field that continues the arc with `value`, or starts it.
  void AppendField(std::string& text, long long value);
  // A missing value ends the arc; the next value starts a new one.
  void Stop() { started_ = false; }

 private:
  static const int kOrder = 3;
  bool started_ = false;
  int reached_ = 0;                   // the order of the difference the last field gave
  long long terms_[kOrder + 1] = {};  // the value and its differences at the last field
};

class SimCompactEncoder {
 public:
  // Appends the compact lines of an epoch.
  void AppendEpoch(std::string& text, const SimRinexEpoch& epoch);

 private:
  struct Satellite {
    long lastEpoch = -2;  // the epoch count it was last seen in
    std::vector<SimArc> arcs;
    std::string flags;
  };

  long epochs_ = 0;
  std::string epochLine_;  // the compact epoch line as a reader holds it
  SimArc clock_;
  std::vector<Satellite> satellites_ = std::vector<Satellite>(kSimSystemCount * 100);  // by number

  void AppendEpochLine(std::string& text, const SimRinexEpoch& epoch);
  void AppendRecord(std::string& text, const SimRinexEpoch& epoch, const SimRinexRecord& record);
  Satellite& CarriedOn(const SimRinexRecord& record);
};

#endif

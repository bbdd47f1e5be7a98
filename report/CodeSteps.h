// The multipath and code-minus-phase columns of one satellite's block,
// settled once the block's slips are known: their arcs break at gaps and at
// the slips L4 and MW found (clock events among them).  A step larger than
// code noise and multipath make, which no such slip explains, is a jump of
// the code: a clock jump the satellite had no MW value to show, or a blunder.
// It is judged as the slip screening judges a held value: when the next
// value comes back near the level before, it was an outlier of the column
// (counted, kept out of the arcs); otherwise the level moved, a slip of the
// column, and a new arc starts there.
#ifndef REPORT_CODESTEPS_H
#define REPORT_CODESTEPS_H

#include <map>
#include <string>
#include <vector>

#include "report/SeriesStats.h"

// Larger steps are jumps of the code; a millisecond of clock is 300 km.
constexpr double kCodeStepMetres = 100;

// A multipath or code-minus-phase value waiting for its block's slips.
struct PendingValue {
  double seconds = 0;
  double value = 0;
  double gapLimit = 0;
};

// The epochs (as the listing writes them) of the rows whose value stepped by
// more than kCodeStepMetres from the one before, by CodeStepKey of their time.
using CodeStepEpochs = std::map<long long, std::string>;
long long CodeStepKey(double seconds);

// Hands the block's `values` to `column`: `slips` are the times of the
// satellite's slips in L4 and MW, in order.
void SettleCodeSeries(const std::vector<PendingValue>& values, const std::vector<double>& slips,
                      const CodeStepEpochs& epochs, SeriesStats& column,
                      const SeriesOutput& output);

#endif

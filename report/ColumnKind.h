// What the report does with each listing column: its unit and how its series
// is screened (arc RMS for multipath and code-minus-phase, slips and outliers
// for the combinations that cancel the receiver clock).
#ifndef REPORT_COLUMNKIND_H
#define REPORT_COLUMNKIND_H

#include <string>

#include "report/SlipDetector.h"

enum class SeriesKind {
  Plain,   // statistics only; arcs break at gaps
  ArcRms,  // RMS about the mean of each arc; arcs break at gaps and at the satellite's slips
  Slips,   // slips and outliers (L4, MW): arcs break at slips and at passes
};

struct ColumnKind {
  SeriesKind kind = SeriesKind::Plain;
  SlipModel model = SlipModel::Level;  // Slips: how the series is predicted
  bool zeroIsAbsent = false;           // Doppler columns write an absent value as zero
  bool raw = false;                    // one of the file's own types, not a combination
  std::string unit;                    // "m", "cycles", "Hz" or "dB-Hz"
};

// The kind of the column titled `label`, as the observation catalogue gives
// its unit and screening; `phaseUnit` (kPhaseUnitCycles or kPhaseUnitMetres) is the unit of the
// raw phase columns.
ColumnKind ClassifyColumn(const std::string& label, const std::string& phaseUnit);

#endif

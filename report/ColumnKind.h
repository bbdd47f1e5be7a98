// What the report does with each listing column: its unit and how its series
// is screened (arc RMS for multipath and code-minus-phase, jump candidates for
// the phase combinations).
#ifndef REPORT_COLUMNKIND_H
#define REPORT_COLUMNKIND_H

#include <string>

enum class SeriesKind {
  Plain,                  // statistics only
  ArcRms,                 // RMS about the mean of each continuous arc
  SecondDifferenceJumps,  // a jump when a value leaves the line through the two before it
  ArcMeanJumps,           // a jump when a value leaves the mean of its arc so far
};

struct ColumnKind {
  SeriesKind kind = SeriesKind::Plain;
  double threshold = 0;       // metres: arc-breaking jump (ArcRms) or jump size (the others)
  bool zeroIsAbsent = false;  // Doppler columns write an absent value as zero
  std::string unit;           // "m", "cycles", "Hz" or "dB-Hz"
};

// Multipath and code-minus-phase series: a step of more than 1 m between
// consecutive values (a phase slip) starts a new arc.
constexpr double kArcJumpMetres = 1.0;
// L4 (metres): a slip of one cycle on one frequency moves it by 0.19 m or more.
constexpr double kL4JumpMetres = 0.05;
// Wide-lane phase (metres): half a wide-lane wavelength (0.86 m for GPS).
constexpr double kWideLaneJumpMetres = 0.4;
// Melbourne-Wuebbena (metres): three quarters of a wide-lane wavelength.
constexpr double kMelbourneWuebbenaJumpMetres = 0.65;

// The kind of the column titled `label`; `phaseUnit` ("CYCLE" or "METER") is
// the unit of the raw phase columns.
ColumnKind ClassifyColumn(const std::string& label, const std::string& phaseUnit);

#endif

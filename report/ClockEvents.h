// Clock events: a jump that nearly every satellite's Melbourne-Wuebbena
// series makes at one epoch is no slip of theirs but a jump of a receiver's
// clock (in either station), or a millisecond jump the listing left in.  It
// is reported once, and taken out of the satellites' slips.
#ifndef REPORT_CLOCKEVENTS_H
#define REPORT_CLOCKEVENTS_H

#include <string>
#include <unordered_map>
#include <vector>

struct SatelliteStats;
struct ColumnKind;

struct ClockEvent {
  double seconds = 0;
  std::string epoch;    // the row's date as the listing writes it
  double metres = 0;    // the jump all satellites share
  long satellites = 0;  // satellites whose jump agreed
  long present = 0;     // satellites with a value at the epoch
};

// The least number of satellites, and the least share of those present at
// the epoch, whose jumps agree.
constexpr long kClockEventSatellites = 4;
constexpr double kClockEventShare = 0.8;

// The jump in milliseconds of the light's travel.
double ClockEventMilliseconds(const ClockEvent& event);

// Satellites with a value in a Melbourne-Wuebbena column, by epoch.
class EpochPresence {
 public:
  void Add(double seconds) { counts_[Key(seconds)]++; }
  long At(double seconds) const;

 private:
  static long long Key(double seconds);
  std::unordered_map<long long, long> counts_;
};

// Finds the clock events among the slips of the Melbourne-Wuebbena columns
// (`kinds`): jumps whose sizes differ from their median by no more than the
// threshold each crossed, the one its own screening applied there.  The
// satellites' slips of MW and steps of the code at each event are taken out
// or resized.
std::vector<ClockEvent> FindClockEvents(std::vector<SatelliteStats>& satellites,
                                        const std::vector<ColumnKind>& kinds,
                                        const EpochPresence& presence);

#endif

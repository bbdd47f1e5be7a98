// What the report says about the data besides its rows: both stations (from
// a single-difference file's header), the baseline between them, the span
// and interval of the epochs, and the systems and types they hold.
#ifndef REPORT_DATACONTEXT_H
#define REPORT_DATACONTEXT_H

#include <string>
#include <vector>

struct StationContext {
  std::string marker;
  std::string receiver;
  std::string antenna;
  double position[3] = {0, 0, 0};  // Earth-centred X, Y, Z in metres; all zero when not known
};

// Length and direction of the rover as seen from the base.
struct Baseline {
  double length = 0;     // metres
  double azimuth = 0;    // degrees from north, clockwise
  double elevation = 0;  // degrees above the base's horizon
  double north = 0, east = 0, up = 0;
};

struct DataContext {
  bool hasStations = false;  // read from a single-difference file's header
  StationContext base;
  StationContext rover;
  std::string firstEpoch;  // "2024-06-24 08:00:00.0"; empty without epochs
  std::string lastEpoch;
  double interval = 0;             // seconds; 0 when not known
  long epochsExpected = 0;         // from the first to the last epoch at the interval
  long epochsPresent = 0;          // epochs that hold a record
  std::string systems;             // system letters, "GRE"
  std::string types;               // observation types, "C1 P1 P2 L1 L2"
  std::vector<std::string> notes;  // what could not be reported, and why
};

// Whether both positions are known (none is all zero).
bool HasBaseline(const DataContext& context);
// The baseline from base to rover, in the base's horizon (WGS-84 ellipsoid).
Baseline BaselineOf(const StationContext& base, const StationContext& rover);
// Epochs from `first` to `last` seconds at `interval` (ends included); 0 without an interval.
long ExpectedEpochs(double first, double last, double interval);

// The context as lines of text: "Base: SIMB, SIMULATED RECEIVER, ..." and the
// like, for the statistics header and the top of the page.
std::vector<std::string> ContextLines(const DataContext& context);

#endif

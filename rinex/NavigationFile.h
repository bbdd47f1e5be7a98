// NavigationFile: the broadcast ephemerides of a RINEX navigation file of
// version 2 (GPS "N", GLONASS "G"), 3 (any system or mixed) or 4 (records
// marked "> EPH"), plain or compressed.  GPS, GLONASS, Galileo and BeiDou
// records are kept with every number they carry; other systems' records,
// the newer message types (CNAV and the like) and RINEX 4's STO, EOP and
// ION records are passed over.
#ifndef RINEX_NAVIGATIONFILE_H
#define RINEX_NAVIGATIONFILE_H

#include <cstdint>
#include <string>
#include <vector>

// One broadcast ephemeris as the file gives it.
struct BroadcastRecord {
  char system = 0;  // G, R, E or C
  int number = 0;   // PRN, or the GLONASS slot
  // The record's epoch (toc) in ticks since modified Julian day 0, read as
  // the system's own time: GPS time, Galileo time, BeiDou time, and UTC for
  // GLONASS.
  int64_t tocTicks = 0;
  // The message type of a RINEX 4 record (LNAV, INAV, FNAV, D1, D2, FDMA);
  // empty in older versions.
  std::string message;
  // The three clock numbers of the first line, then the numbers of the
  // broadcast-orbit lines, four to a line, in the file's order; a blank
  // field reads as 0.
  std::vector<double> values;
};

// Places in BroadcastRecord::values of the Keplerian systems (G, E, C).
enum KeplerValue {
  kCrs = 4,
  kDeltaN,
  kM0,
  kCuc,
  kEccentricity,
  kCus,
  kSqrtA,
  kToe,
  kCic,
  kOmega0,
  kCis,
  kI0,
  kCrc,
  kPerigee,
  kOmegaDot,
  kIdot,
  kDataSources,
  kWeek,
  kHealth = 24,
  kKeplerValues = 29
};
// Places of GLONASS records: positions in km, velocities in km/s,
// accelerations in km/s^2.
enum GlonassValue {
  kGloX = 3,
  kGloVx,
  kGloAx,
  kGloHealth,
  kGloY,
  kGloVy,
  kGloAy,
  kGloChannel,
  kGloZ,
  kGloVz,
  kGloAz,
  kGlonassValues
};

struct NavigationFile {
  int version = 0;  // times 100: 211, 304, 400
  bool hasLeapSeconds = false;
  int leapSeconds = 0;  // GPS - UTC from the header's LEAP SECONDS
  std::vector<BroadcastRecord> records;
};

// Reads a whole navigation file.  A file that is no RINEX navigation file,
// a record cut short, or a GLONASS channel that is not a whole number from
// -7 to 13 is a fatal error naming the file and the line.
NavigationFile ReadNavigationFile(const std::string& path);

#endif

// BroadcastOrbits: the broadcast ephemerides of any number of navigation
// files, and satellite positions from them.  For each satellite and time the
// healthy ephemeris nearest in time serves; for Galileo, the I/NAV
// ephemerides when a satellite has any, its F/NAV ones otherwise, so one
// satellite's track never jumps between the two.
#ifndef ORBIT_BROADCASTORBITS_H
#define ORBIT_BROADCASTORBITS_H

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "GNSS/xyz.h"
#include "orbit/GlonassOrbit.h"
#include "rinex/NavigationFile.h"

class BroadcastOrbits {
 public:
  // Adds the ephemerides of a navigation file (see ReadNavigationFile for
  // what is read and what is fatal).
  void Load(const std::string& path);
  bool Empty() const { return satellites_.empty(); }
  // What the user should know about the loaded files: one line per file
  // whose GLONASS epochs were shifted to GPS time by the program's own
  // leap-second table, its header having no LEAP SECONDS.
  const std::vector<std::string>& Notes() const { return notes_; }

  // The Earth-fixed position of satellite `sat` (a satellite number) at
  // `gpsSeconds`; none when no healthy ephemeris is near enough in time.
  std::optional<xyz> Position(short sat, double gpsSeconds) const;

 private:
  struct Ephemeris {
    BroadcastRecord record;
    double referenceTime;                 // toe, or the GLONASS state's epoch, in GPS seconds
    bool fnav;                            // a Galileo F/NAV ephemeris
    std::optional<GlonassOrbit> glonass;  // the integrated states of a GLONASS one
  };
  struct Satellite {
    std::vector<Ephemeris> ephemerides;
    bool hasInav = false;
  };
  void Add(const BroadcastRecord& record, const NavigationFile& file);
  const Ephemeris* Nearest(short sat, double gpsSeconds) const;

  std::map<short, Satellite> satellites_;
  std::vector<std::string> notes_;
};

#endif

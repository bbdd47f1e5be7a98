// GlonassChannels: the frequency channel of each GLONASS slot, gathered from
// the observation headers' GLONASS SLOT / FRQ # records and from GLONASS
// navigation files, and written as the listing's channel file.  The first
// source to name a slot's channel keeps it; a later one that disagrees is
// warned about.
#ifndef RINEX_GLONASSCHANNELS_H
#define RINEX_GLONASSCHANNELS_H

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "rinex/ObsHeader.h"

class GlonassChannels {
 public:
  enum { NSLOTS = 100 };  // slots 1 to 99 as RINEX numbers them

  void Add(int slot, int channel, const std::string& source);
  void AddHeader(const ObsHeader& head, const std::string& source);
  // Reads the channels of the GLONASS records of a navigation file of any
  // version and system.
  void ReadNavigation(const std::string& path);

  bool Has(int slot) const { return slot > 0 && slot < NSLOTS && known_[slot]; }
  int Count() const;
  // The channel file: every known slot valid from `fromTicks` (rounded
  // down to a tenth of a second) with no end.
  void Write(std::ostream& out, int64_t fromTicks) const;

 private:
  bool known_[NSLOTS] = {};
  int channel_[NSLOTS] = {};
  std::string source_[NSLOTS];
  std::vector<std::string> sources_;  // every source that gave a channel, in order
  std::vector<std::string> warned_;   // conflicts already reported
};

#endif

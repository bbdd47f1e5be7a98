// The converter's command line: two observation files and the options that
// shape the single-difference file, the channel file and the reports.
#ifndef RINEX_SDOPTIONS_H
#define RINEX_SDOPTIONS_H

#include <string>
#include <vector>

#include "rinex/TypeMap.h"

struct SdOptions {
  std::string base;
  std::string rover;
  std::vector<std::string> basePieces;        // --base-piece: later pieces of the base's day
  std::vector<std::string> roverPieces;       // --rover-piece: later pieces of the rover's day
  std::string output;                         // -o: the single-difference file
  std::string channels;                       // -g: the GLONASS channel file, or empty
  std::vector<std::string> navigation;        // -n: GLONASS navigation files
  std::string lliList;                        // --lli-list: the loss-of-lock list, or empty
  double tolerance = 0.03;                    // -t: pairing tolerance, seconds
  std::string systems = kSystems;             // -s: the systems converted
  std::vector<short> types;                   // --types: the types written (empty: all common ones)
  std::vector<AttributePriority> priorities;  // --priority
  bool verbose = false;                       // -v: report the type mapping
  bool help = false;                          // -h: the help text, nothing else
  bool version = false;                       // --version: the version, nothing else
};

// The files of the base or the rover: the operand, then its later pieces.
std::vector<std::string> PieceFiles(const std::string& first,
                                    const std::vector<std::string>& later);

// Reads the command line; a mistake in it is a fatal error that says which.
SdOptions ParseSdOptions(int argc, const char* const* argv);

// The help text.
const char* SdHelpText();

#endif

// The listing's text layout, as the report companion reads it: the settings
// lines, the column-title line and the fixed-width rows it announces.
#ifndef REPORT_LISTINGFORMAT_H
#define REPORT_LISTINGFORMAT_H

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/ListingLayout.h"
#include "report/DataContext.h"

// Columns of the listing, taken from its title line.
struct ListingColumns {
  bool hasReferenceSatellite = false;  // " RSAT" after "  SAT"
  std::vector<std::string> labels;     // value columns the rows carry, in order
};

// What the settings lines say that the report uses.
struct ListingSettings {
  std::string observationFile;
  std::string phaseUnit = kPhaseUnitCycles;  // unit of the raw phase columns
  double interval = 0;                       // listing interval in seconds, 0 when none was set
  bool hasWindow = false;                    // start and end epochs were read
  long startDay = 0;                         // modified Julian day of the window's start
  double startSeconds = 0;                   // seconds of that day
  long endDay = 0;
  double endSeconds = 0;
  std::vector<std::string> lines;  // every settings line as written, "#" included
  DataContext context;             // stations and epochs, as far as the input tells them
};

// One value field of a row.
struct ListingValue {
  bool present = false;
  double value = 0;
  std::string_view text;  // the field without its padding
};

// One row of the listing; the views point into the line it was read from.
struct ListingRow {
  std::string_view date;  // "2017-03-05 06:07:08.5"
  long mjdDay = 0;
  std::string_view secondsText;  // "22028.5"
  double secondsOfDay = 0;
  std::string_view satellite;           // "G05"
  std::string_view referenceSatellite;  // empty without an RSAT column
  std::vector<ListingValue> values;     // one per label
};

// True for the column-title line.
bool IsTitleLine(std::string_view line);

// Reads the column-title line; false (with `error` set) when it does not
// have the announced widths.
bool ParseTitleLine(std::string_view line, ListingColumns& columns, std::string& error);

// Takes what the report needs from one settings line (a line beginning "#").
void ReadSettingsLine(std::string_view line, ListingSettings& settings);

// Reads one row by the widths `columns` announce; false (with `error` set)
// when the line does not fit them.  A Doppler column's absent value is written
// as a plain zero, so zero counts as absent in the columns `dopplerColumns`
// marks.
bool ParseRow(std::string_view line, const ListingColumns& columns,
              const std::vector<bool>& dopplerColumns, ListingRow& row, std::string& error);

// Seconds of a row since midnight of `day0`.
inline double SecondsSince(long day0, const ListingRow& row) {
  return static_cast<double>(row.mjdDay - day0) * 86400.0 + row.secondsOfDay;
}

#endif

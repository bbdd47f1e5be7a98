// The listing's text layout, one home for the listing's rows, the settings
// report that titles them and the report companion that reads them back:
// the field widths, the column titles and the labels of the settings lines
// the reader looks for.
#ifndef CATALOGUE_LISTINGLAYOUT_H
#define CATALOGUE_LISTINGLAYOUT_H

#include <cstddef>

#include "PROGINC/FixedFormat.h"

// A row: the calendar date " 2017-03-05 06:07:08.5" (a blank first), two
// blanks and the modified Julian date "57817 22028.5" right-aligned, the
// satellite "  G05", the reference-satellite mark of higher difference levels
// and one field per available list entry, kMissingValueMark right-aligned
// where a value is missing.
constexpr std::size_t kDateWidth = 22;
constexpr std::size_t kMjdWidth = 16;
constexpr std::size_t kSatelliteWidth = 5;
constexpr std::size_t kValueWidth = 16;
constexpr char kUnknownReferenceSatellite[] = "  ---";

// The column-title line: "#" and the date's title right-aligned in the rest
// of the date's width, the titles of the modified Julian date (right-aligned)
// and of the satellites, and the labels right-aligned in the value width.
constexpr char kDateTitle[] = "Time(datum)";
constexpr char kMjdTitle[] = "Time(MJD)";
constexpr char kSatelliteTitle[] = "  SAT";
constexpr char kReferenceSatelliteTitle[] = " RSAT";

// Settings lines the reader takes values from, each label padded as written.
constexpr char kObservationFileLine[] = "#OBSER file:     ";
constexpr char kPhaseUnitLine[] = "#RAW phase unit:    ";
constexpr char kStartEpochLine[] = "#Start epoch:   ";
constexpr char kEndEpochLine[] = "#End epoch:     ";
constexpr char kIntervalLine[] = "#Time interval:  ";

// The unit of the raw phase columns as the phase-unit line names it.
constexpr char kPhaseUnitCycles[] = "CYCLE";
constexpr char kPhaseUnitMetres[] = "METER";

#endif

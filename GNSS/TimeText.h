// Fixed-width fields of the time classes' print layouts.  Each layout is
// formatted in one piece and written at once, padded with blanks or zeros as
// the layout says, so its bytes do not depend on the stream's state; the
// writers then leave the stream in the state their layout defines (notation,
// precision, fill), which later output relies on.
#ifndef GNSS_TIMETEXT_H
#define GNSS_TIMETEXT_H

#include <ostream>

// Writes printf-formatted text to out, of any length.
void WriteFormatted(std::ostream& out, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// Width of a zero-padded seconds-of-minute field with the given decimals:
// two digits, a point and the decimals; two digits alone without decimals.
int SecondsFieldWidth(unsigned short decimals);

// Fixed notation with the given precision: the state a layout with a
// fixed-point field leaves behind.
void LeaveFixed(std::ostream& out, int precision);
// The same and a blank fill, for the layouts that reset the fill character.
void LeaveFixedBlankFill(std::ostream& out, int precision);

#endif

// The print switches of the listing's rows, shared by the listing and the
// report, which formats values from a single-difference file the same way.
#ifndef CATALOGUE_ROWLAYOUTS_H
#define CATALOGUE_ROWLAYOUTS_H

// Sets every print switch the rows depend on: the calendar date and the
// modified Julian date with one decimal of seconds, and the value fields of
// the listing's width.
void SetRowLayouts();

#endif

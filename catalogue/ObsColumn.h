// ObsColumn: where the listing takes one catalogue code's values from for the
// satellites of one system letter, resolved once so that each row only reads
// its record's inputs and combines them.
#ifndef CATALOGUE_OBSCOLUMN_H
#define CATALOGUE_OBSCOLUMN_H

#include <vector>

#include "GNSS/gnssobs.h"
#include "GNSS/gnssobsshort.h"
#include "catalogue/ObsCatalogue.h"
#include "matrix/matrix.h"

class PhsDiffData;

// The factors a satellite's values are formed with, set when the listing
// loads the satellite's constants.
struct RowFactors {
  bool metres = false;  // raw phases listed in metres
  long double unitL1 = 1.0L, unitL2 = 1.0L, unitL5 = 1.0L, unitL8 = 1.0L;  // of the raw phases
  long double mp1Fact1 = 0, mp1Fact2 = 0, mp2Fact1 = 0, mp2Fact2 = 0;      // multipath
};

struct ObsColumn {
  enum Kind {
    DOPPLER,  // a Doppler series, written as gnssobsshort
    VALUE     // a raw value or a combination, written as gnssobs
  };
  static constexpr int kMaxInputs = 4;

  Kind kind;
  int obs;             // catalogue code
  ObsFormula formula;  // the catalogue's formula of the code
  char letter;         // system letter of the satellites
  const matrix<gnssobsshort>* doppler;
  short nInputs;
  const matrix<gnssobs>* input[kMaxInputs];  // null: a type without a series (absent)
};

// The column of code `obs` for satellites of system `letter`, over the
// records of `data`.
ObsColumn MakeObsColumn(PhsDiffData& data, char letter, int obs);
// The column's value for record k, with the constants loaded for the satellite.
gnssobs ColumnValue(const RowFactors& factors, const ObsColumn& column, long k);
gnssobsshort ColumnDoppler(const ObsColumn& column, long k);
// The series the columns of a row read, each once, whichever columns share it.
struct RowSeries {
  std::vector<const matrix<gnssobs>*> values;
  std::vector<const matrix<gnssobsshort>*> doppler;
};
RowSeries SeriesOfRow(const std::vector<ObsColumn>& columns);
// Asks the processor to fetch record k of each series ahead of use: the
// listing visits one satellite's records, scattered over all series.
void PrefetchRow(const RowSeries& series, long k);

#endif

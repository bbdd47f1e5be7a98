// SdWriter: a single-difference file written as a stream, in the layout the
// loader reads: the header, then each epoch's line followed by one line per
// satellite.  The loader's own writer and the converter from RINEX both
// write through it.  Values come as long doubles (records in memory) or as
// whole thousandths (differences formed exactly); both are written alike.
#ifndef GNSS_SDWRITER_H
#define GNSS_SDWRITER_H

#include <cstdint>
#include <ostream>

#include "GNSS/PhsDiffHeader.h"
#include "GNSS/mjd.h"
#include "PROGINC/OutBlock.h"

class SdWriter {
 public:
  explicit SdWriter(std::ostream& out);

  // The header from line 1 through the end line; the antenna serials get
  // their record only when asked for.
  void Header(const PhsDiffHeader& head, bool withAntennaSerial);
  // An epoch line: satellite count and epoch, then the rover-minus-base time
  // tag difference and the base and rover receiver clock offsets, given in
  // seconds and written in microseconds.
  void Epoch(int count, const mjd& epoch, long double dtRB, long double clockBase,
             long double clockRover);
  // A satellite line: Satellite, one value call per header type, EndLine.
  void Satellite(short sat);
  void Value(long double value);    // missing when its magnitude is at most 0.00001
  void Thousandths(int64_t units);  // missing when 0
  void EndLine() { block_.Append("\n", 1); }
  // Hands the text to the stream and leaves the stream as the time and value
  // writers leave it: fixed notation and the precision of the last field.
  void Finish();

 private:
  std::ostream& out_;
  OutBlock block_;
  int precision_;
  bool wroteEpoch_ = false;
};

#endif

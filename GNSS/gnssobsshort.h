// gnssobsshort: an observation value without indicators (Doppler); 0 means
// the observation is missing.
#ifndef GNSS_GNSSOBSSHORT_H
#define GNSS_GNSSOBSSHORT_H

#include <cmath>
#include <cstddef>
#include <ostream>

#include "matrix/ZeroBytesDefault.h"

// Print switches of gnssobsshort, read at every stream write.
namespace gnssobsshortns {
enum { RINEX = 0, NORINEX = 1, NOLLISSI = 2 };
extern unsigned short PrintType;  // layout of operator<<, starts as NORINEX
extern int Width;                 // field width of the NOLLISSI layout, starts as 14
}  // namespace gnssobsshortns

class gnssobsshort {
 public:
  long double obs;  // 0 when absent

  gnssobsshort() : obs(0) {}

  gnssobsshort& operator=(long double v) {
    obs = v;
    return *this;
  }

  // Reads the value from columns 1-14 of the text.
  void operator>>(const char* text);

  bool IsNull() const { return std::fabs(obs) < 0.00001L; }

  long double GetObs() const { return obs; }
  void SetObs(long double v) { obs = v; }
};

// Writes in the layout of gnssobsshortns::PrintType; sets the stream to fixed
// notation.  A written value leaves precision 3 on the stream; the absent
// zero of the RINEX and NOLLISSI layouts uses the precision the stream holds.
std::ostream& operator<<(std::ostream& out, const gnssobsshort& o);

// The NOLLISSI field as text, the bytes operator<< writes to a stream in
// fixed notation with a blank fill and precision `precision`: the value in
// `width` with three decimals, or the number 0 in `precision` decimals.
// Returns the length; a written value sets `precision` to 3.
int NollissiText(char* text, size_t room, const gnssobsshort& o, int width, int& precision);

// Zero bytes are the absent value: series of them are allocated
// zero-filled.
template <>
struct ZeroBytesAreDefault<gnssobsshort> : std::true_type {};

#endif

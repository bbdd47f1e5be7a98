// gnssobsshort: an observation value without indicators (Doppler); 0 means
// the observation is missing.
#ifndef GNSS_GNSSOBSSHORT_H
#define GNSS_GNSSOBSSHORT_H

#include <cmath>
#include <cstddef>
#include <ostream>

#include "PROGINC/StreamState.h"
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

// The text of o in the layout of gnssobsshortns::PrintType as operator<<
// writes it to a stream in state `state`, which becomes the state the write
// leaves: fixed notation, and precision 3 after a present value.  The absent
// zero of the RINEX and NOLLISSI layouts is written in the precision `state`
// holds.  Fields are padded with blanks; room and length as gnssobs's ObsText.
int ObsText(char* text, size_t room, const gnssobsshort& o, StreamState& state);
std::ostream& operator<<(std::ostream& out, const gnssobsshort& o);

// Zero bytes are the absent value: series of them are allocated
// zero-filled.
template <>
struct ZeroBytesAreDefault<gnssobsshort> : std::true_type {};

#endif

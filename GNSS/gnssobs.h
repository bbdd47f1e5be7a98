// gnssobs: one observation value with its loss-of-lock and signal-strength
// indicators; the value 0 means the observation is missing.
#ifndef GNSS_GNSSOBS_H
#define GNSS_GNSSOBS_H

#include <cmath>
#include <cstddef>
#include <ostream>
#include <string>

#include "PROGINC/FixedFormat.h"
#include "PROGINC/StreamState.h"
#include "matrix/ZeroBytesDefault.h"

// Print switches of gnssobs, read at every stream write.
namespace gnssobsns {
enum { RINEX = 0, NORINEX = 1, NOLLISSI = 2 };
extern unsigned short PrintType;  // layout of operator<<, starts as NORINEX
extern int Width;                 // field width of the NOLLISSI layout, starts as 14
}  // namespace gnssobsns

// Packed to four-byte alignment: 20 bytes instead of 32, for the series of a
// day at 1 s hold millions of them; the loads and stores of the value need
// no alignment.
class __attribute__((packed, aligned(4))) gnssobs {
 public:
  long double obs;     // metres for code, cycles for phase; 0 when absent
  unsigned short lli;  // loss-of-lock indicator
  unsigned short ss;   // signal-strength indicator

  gnssobs() : obs(0), lli(0), ss(0) {}

  // A plain number carries no indicators.
  gnssobs& operator=(long double v) {
    obs = v;
    lli = 0;
    ss = 0;
    return *this;
  }
  gnssobs& operator+=(long double v) {
    obs += v;
    return *this;
  }

  // Reads a 16-character field: value in columns 1-14, indicators in 15 and 16.
  void operator>>(const char* text);

  // Absent for arithmetic below 0.0001 (strict); printing uses 0.00001.
  bool IsNull() const { return std::fabs(obs) < 0.0001L; }

  long double GetObs() const { return obs; }
  unsigned short GetLli() const { return lli; }
  unsigned short GetSs() const { return ss; }
  void SetObs(long double v) { obs = v; }
  void SetLli(unsigned short v) { lli = v; }
  void SetSs(unsigned short v) { ss = v; }
};

// Scaling keeps the indicators and does not test for absence.
inline gnssobs operator*(long double k, const gnssobs& a) {
  gnssobs product(a);
  product.obs *= k;
  return product;
}
inline gnssobs operator*(const gnssobs& a, long double k) { return k * a; }

// A difference or sum with an absent operand is absent; results carry no
// indicators.
inline gnssobs operator-(const gnssobs& a, const gnssobs& b) {
  gnssobs result;
  if (!a.IsNull() && !b.IsNull()) result.obs = a.obs - b.obs;
  return result;
}
inline gnssobs operator+(const gnssobs& a, const gnssobs& b) {
  gnssobs result;
  if (!a.IsNull() && !b.IsNull()) result.obs = a.obs + b.obs;
  return result;
}

// The value of columns 1-14 of a text field (stopping early at the end of
// the text), converted in double precision as the files carry it.
long double ReadObsField(const char* text);

// The NOLLISSI field: a present value (magnitude above 0.00001) in `width`
// with three decimals, which sets `precision` to 3, or "*.***" in `width`.
// `text` holds `room` characters (kFixedTextRoom suffices for widths below
// it); returns the full length, as snprintf does.
int NollissiText(char* text, size_t room, const gnssobs& o, int width, int& precision);

// The text of o in the layout of gnssobsns::PrintType as operator<< writes it
// to a stream in state `state`, which becomes the state the write leaves:
// fixed notation, and precision 3 after a present value.  Fields are padded
// with blanks.  Room and length as NollissiText.
int ObsText(char* text, size_t room, const gnssobs& o, StreamState& state);
std::ostream& operator<<(std::ostream& out, const gnssobs& o);

// Writes the text of ObsText (of gnssobs or gnssobsshort) to `out` and
// leaves the state it gives.
template <class Obs>
void WriteObsText(std::ostream& out, const Obs& o) {
  const StreamState before = StreamState::Of(out);
  StreamState after = before;
  char text[kFixedTextRoom];
  const int length = ObsText(text, sizeof text, o, after);
  if (length < 0) return;
  if (length < kFixedTextRoom) return WriteFormatted(out, text, static_cast<size_t>(length), after);
  std::string longText(static_cast<size_t>(length) + 1, '\0');
  after = before;
  ObsText(&longText[0], longText.size(), o, after);
  WriteFormatted(out, longText.data(), static_cast<size_t>(length), after);
}

// Zero bytes are the absent value without indicators: series of them are allocated
// zero-filled.
template <>
struct ZeroBytesAreDefault<gnssobs> : std::true_type {};

#endif

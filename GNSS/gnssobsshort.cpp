// gnssobsshort: fixed-column reader and stream writer.
#include "GNSS/gnssobsshort.h"

#include <cstring>

#include "GNSS/gnssobs.h"
#include "PROGINC/FixedFormat.h"

namespace gnssobsshortns {
unsigned short PrintType = NORINEX;
int Width = 14;
}  // namespace gnssobsshortns

namespace {

const long double kPrintThreshold = 0.00001L;

// A present value in `width` with three decimals, which leaves precision 3;
// an absent value is the number 0 in the precision the stream holds.
int ValueOrZero(char* text, size_t room, const gnssobsshort& o, int width, StreamState& state) {
  if (std::fabs(o.obs) <= kPrintThreshold)
    return FormatFixed(text, room, 0.0L, width, static_cast<int>(state.precision));
  state.precision = 3;
  return FormatFixed(text, room, o.obs, width, 3);
}

// Appends `tail` to a text of `length` characters when both fit in `room`;
// returns the full length either way.
int WithTail(char* text, size_t room, int length, const char* tail) {
  const size_t tailLength = std::strlen(tail);
  if (length >= 0 && static_cast<size_t>(length) + tailLength < room)
    std::memcpy(text + length, tail, tailLength + 1);
  return length + static_cast<int>(tailLength);
}

}  // namespace

void gnssobsshort::operator>>(const char* text) { obs = ReadObsField(text); }

int ObsText(char* text, size_t room, const gnssobsshort& o, StreamState& state) {
  state.SetFixed();
  switch (gnssobsshortns::PrintType) {
    case gnssobsshortns::NOLLISSI:
      return ValueOrZero(text, room, o, gnssobsshortns::Width, state);
    case gnssobsshortns::RINEX:
      return WithTail(text, room, ValueOrZero(text, room, o, 14, state), "  ");
    case gnssobsshortns::NORINEX:
      // Without indicators, in the columns of gnssobs's layout.
      if (std::fabs(o.obs) <= kPrintThreshold)
        return WithTail(text, room, FormatRightAligned(text, room, kMissingValueMark, 10), " * *");
      state.precision = 3;
      return WithTail(text, room, FormatFixed(text, room, o.obs, 10, 3), " 0 0");
    default:
      return WithTail(text, room, 0, "");
  }
}

std::ostream& operator<<(std::ostream& out, const gnssobsshort& o) {
  WriteObsText(out, o);
  return out;
}

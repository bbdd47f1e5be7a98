// gnssobsshort: fixed-column reader and stream writer.
#include "GNSS/gnssobsshort.h"

#include <iomanip>

#include "GNSS/gnssobs.h"

namespace gnssobsshortns {
unsigned short PrintType = NORINEX;
int Width = 14;
}  // namespace gnssobsshortns

namespace {

// An absent value is the number 0, written in whatever precision the stream
// holds at that moment.
void WriteValueOrZero(std::ostream& out, long double value, bool present, int width) {
  if (present)
    WriteObsValue(out, value, width);
  else
    out << std::setw(width) << 0.0L;
}

}  // namespace

void gnssobsshort::operator>>(const char* text) { obs = ReadObsField(text); }

std::ostream& operator<<(std::ostream& out, const gnssobsshort& o) {
  out.setf(std::ios::fixed, std::ios::floatfield);
  const bool present = std::fabs(o.obs) > 0.00001L;
  switch (gnssobsshortns::PrintType) {
    case gnssobsshortns::NORINEX:
      if (!present) {
        out << std::setw(10) << "*.***" << " * *";
        break;
      }
      WriteObsValue(out, o.obs, 10);
      out << " 0 0";
      break;
    case gnssobsshortns::RINEX:
      WriteValueOrZero(out, o.obs, present, 14);
      out << "  ";
      break;
    case gnssobsshortns::NOLLISSI:
      WriteValueOrZero(out, o.obs, present, gnssobsshortns::Width);
      break;
    default:
      break;
  }
  return out;
}

// gnssobsshort: fixed-column reader and stream writer.
#include "GNSS/gnssobsshort.h"

#include <iomanip>

#include "GNSS/gnssobs.h"
#include "PROGINC/FixedFormat.h"

namespace gnssobsshortns {
unsigned short PrintType = NORINEX;
int Width = 14;
}  // namespace gnssobsshortns

namespace {

const long double kPrintThreshold = 0.00001L;

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
  const bool present = std::fabs(o.obs) > kPrintThreshold;
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

int NollissiText(char* text, size_t room, const gnssobsshort& o, int width, int& precision) {
  if (std::fabs(o.obs) > kPrintThreshold) {
    precision = 3;
    return ObsValueText(text, room, o.obs, width);
  }
  return FormatFixed(text, room, 0.0L, width, precision);
}

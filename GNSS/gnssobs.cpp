// gnssobs: fixed-column reader and stream writer.
#include "GNSS/gnssobs.h"

#include <cstdlib>
#include <cstring>
#include <iomanip>

#include "PROGINC/FixedFormat.h"
#include "PROGINC/cstringf.h"

namespace gnssobsns {
unsigned short PrintType = NORINEX;
int Width = 14;
}  // namespace gnssobsns

namespace {

const long double kPrintThreshold = 0.00001L;
const int kValueColumns = 14;

// An indicator column holds one digit; a blank, any other character or a
// text that ends before the column gives 0.
unsigned short IndicatorAt(const char* text, std::size_t length, std::size_t column) {
  if (column >= length) return 0;
  const char ch = text[column];
  if (ch < '0' || ch > '9') return 0;
  return static_cast<unsigned short>(ch - '0');
}

// Present: the value in width 14 and each indicator in indicatorWidth;
// absent: absentValue in width 14 and absentTail, the same number of columns.
void WriteWithIndicators(std::ostream& out, const gnssobs& o, bool present, int indicatorWidth,
                         const char* absentValue, const char* absentTail) {
  if (!present) {
    out << std::setw(14) << absentValue << absentTail;
    return;
  }
  WriteObsValue(out, o.obs, 14);
  out << std::setw(indicatorWidth) << o.lli << std::setw(indicatorWidth) << o.ss;
}

}  // namespace

void WriteObsValue(std::ostream& out, long double value, int width) {
  out << std::setw(width) << std::setprecision(3) << value;
}

int ObsValueText(char* text, size_t room, long double value, int width) {
  return FormatFixed(text, room, value, width, 3);
}

int NollissiText(char* text, size_t room, const gnssobs& o, int width, int& precision) {
  if (std::fabs(o.obs) > kPrintThreshold) {
    precision = 3;
    return ObsValueText(text, room, o.obs, width);
  }
  return FormatRightAligned(text, room, "*.***", width);
}

long double ReadObsField(const char* text) {
  char field[kValueColumns + 1];
  substr(text, 0, kValueColumns, field);
  return std::atof(field);
}

void gnssobs::operator>>(const char* text) {
  const std::size_t length = strnlen(text, kValueColumns + 2);
  lli = IndicatorAt(text, length, kValueColumns);
  ss = IndicatorAt(text, length, kValueColumns + 1);
  obs = ReadObsField(text);
}

std::ostream& operator<<(std::ostream& out, const gnssobs& o) {
  out.setf(std::ios::fixed, std::ios::floatfield);
  const bool present = std::fabs(o.obs) > kPrintThreshold;
  switch (gnssobsns::PrintType) {
    case gnssobsns::NORINEX:
      WriteWithIndicators(out, o, present, 2, "*.***", " * *");
      break;
    case gnssobsns::RINEX:
      WriteWithIndicators(out, o, present, 1, "0.000", "  ");
      break;
    case gnssobsns::NOLLISSI:
      if (present)
        WriteObsValue(out, o.obs, gnssobsns::Width);
      else
        out << std::setw(gnssobsns::Width) << "*.***";
      break;
    default:
      break;
  }
  return out;
}

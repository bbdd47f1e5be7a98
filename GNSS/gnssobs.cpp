// gnssobs: fixed-column reader and stream writer.
#include "GNSS/gnssobs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "GNSS/LayoutText.h"
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

// Present: the value in width 14 and each indicator in indicatorWidth, and
// precision 3 left; absent: absentValue in width 14 and absentTail, the same
// number of columns.
std::string WithIndicators(const gnssobs& o, bool present, int indicatorWidth,
                           const char* absentValue, const char* absentTail, StreamState& state) {
  if (!present) return std::string(9, ' ') + absentValue + absentTail;  // five characters
  state.precision = 3;
  return LayoutText()
      .Fixed(o.obs, 14, 3)
      .Whole(o.lli, indicatorWidth)
      .Whole(o.ss, indicatorWidth)
      .Take();
}

// The RINEX and NORINEX layouts, which carry the indicators.
int IndicatorLayoutText(char* text, size_t room, const gnssobs& o, StreamState& state) {
  const bool present = std::fabs(o.obs) > kPrintThreshold;
  std::string layout;
  if (gnssobsns::PrintType == gnssobsns::NORINEX)
    layout = WithIndicators(o, present, 2, kMissingValueMark, " * *", state);
  else if (gnssobsns::PrintType == gnssobsns::RINEX)
    layout = WithIndicators(o, present, 1, "0.000", "  ", state);
  return std::snprintf(text, room, "%s", layout.c_str());
}

}  // namespace

int NollissiText(char* text, size_t room, const gnssobs& o, int width, int& precision) {
  if (std::fabs(o.obs) > kPrintThreshold) {
    precision = 3;
    return FormatFixed(text, room, o.obs, width, 3);
  }
  return FormatRightAligned(text, room, kMissingValueMark, width);
}

int ObsText(char* text, size_t room, const gnssobs& o, StreamState& state) {
  state.SetFixed();
  if (gnssobsns::PrintType != gnssobsns::NOLLISSI) return IndicatorLayoutText(text, room, o, state);
  int precision = static_cast<int>(state.precision);
  const int length = NollissiText(text, room, o, gnssobsns::Width, precision);
  state.precision = precision;
  return length;
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
  WriteObsText(out, o);
  return out;
}

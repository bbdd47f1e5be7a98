// Writing the single-difference file layout.
#include "GNSS/SdWriter.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "GNSS/LayoutText.h"
#include "GNSS/PhsDiffScanner.h"
#include "GNSS/gnssobs.h"
#include "PROGINC/FixedFormat.h"

namespace {

constexpr int kValueWidth = PhsDiffScanner::VALUE_WIDTH;
constexpr int kValueDecimals = 3;
constexpr int kSecondDecimals = 7;
constexpr size_t kFieldRoom = 40;

const char* DifferenceWord(short level) {
  if (level == 2) return "DOUBLE_DIFFERENCES";
  if (level == 3) return "TRIPLE_DIFFERENCES";
  return "SINGLE_DIFFERENCES";
}

void AppendTextRecord(std::string& text, const char* prefix, const char* base, const char* rover) {
  text += prefix;
  for (const char* value : {base, rover}) {
    char length[8];
    std::snprintf(length, sizeof length, "%3d ", static_cast<int>(std::strlen(value)));
    text += length;
    text += value;
  }
  text += '\n';
}

template <class... Values>
void AppendFormatted(std::string& text, const char* format, Values... values) {
  char line[160];
  const int n = std::snprintf(line, sizeof line, format, values...);
  if (n > 0) text.append(line, static_cast<size_t>(n) < sizeof line ? n : sizeof line - 1);
}

}  // namespace

SdWriter::SdWriter(std::ostream& out)
    : out_(out), block_(out), precision_(static_cast<int>(out.precision())) {}

void SdWriter::Header(const PhsDiffHeader& head, bool withAntennaSerial) {
  using H = PhsDiffHeader;
  const xyz& b = head.X0(H::BASE);
  const xyz& r = head.X0(H::ROVER);
  const neu& db = head.Dp(H::BASE);
  const neu& dr = head.Dp(H::ROVER);
  std::string text = std::string(DifferenceWord(head.diffLevel)) + "\n";
  AppendTextRecord(text, "MARKER NAME     :", head.mname[H::BASE], head.mname[H::ROVER]);
  AppendTextRecord(text, "MARKER NUMBER   :", head.mnumber[H::BASE], head.mnumber[H::ROVER]);
  AppendTextRecord(text, "RECEIVER TYPE   :", head.rectype[H::BASE], head.rectype[H::ROVER]);
  AppendTextRecord(text, "ANTENNA TYPE    :", head.anttype[H::BASE], head.anttype[H::ROVER]);
  if (withAntennaSerial)
    AppendTextRecord(text, "ANTENNA SERIAL  :", head.antserial[H::BASE], head.antserial[H::ROVER]);
  AppendFormatted(text, "XYZ POSITION    :%14.4Lf%14.4Lf%14.4Lf  %14.4Lf%14.4Lf%14.4Lf\n", b.GetX(),
                  b.GetY(), b.GetZ(), r.GetX(), r.GetY(), r.GetZ());
  AppendFormatted(text, "DELTA N/E/U     :%12.4Lf%12.4Lf%10.4Lf  %12.4Lf%12.4Lf%10.4Lf\n",
                  db.GetN(), db.GetE(), db.GetU(), dr.GetN(), dr.GetE(), dr.GetU());
  AppendFormatted(text, "# & TYPES OF OBS:%3d ", head.nobs);
  for (long k = 0; k < head.nobs; k++)
    AppendFormatted(text, " %s", PhsDiffHeader::TypeName(head.obs(k)));
  AppendFormatted(text, "\nDIFFERENCE LEVEL:%3d\n", head.diffLevel);
  AppendFormatted(text, "END OF HEADER %c\n", head.HasObservations ? '1' : '0');
  block_.Append(text.data(), text.size());
}

// The epoch as the time class's day-and-seconds layout writes it: the day
// in 6 characters, the seconds of day in 14 with 7 decimals.
void SdWriter::Epoch(int count, const mjd& epoch, long double dtRB, long double clockBase,
                     long double clockRover) {
  char* p = block_.Room(6 * kFieldRoom);
  int n = std::snprintf(p, kFieldRoom, "%3d%6lu", count, epoch.GetMJDay());
  n += FormatFixed(p + n, kFieldRoom, epoch.GetSecond(), kSecondDecimals + 7, kSecondDecimals);
  for (const long double seconds : {dtRB, clockBase, clockRover}) {
    p[n++] = ' ';
    n += FormatFixed(p + n, kFieldRoom, seconds * 1e6L, 9, 3);
  }
  p[n++] = '\n';
  block_.Used(static_cast<size_t>(n));
  precision_ = kSecondDecimals;
  wroteEpoch_ = true;
}

void SdWriter::Satellite(short sat) {
  char* p = block_.Room(kFieldRoom);
  block_.Used(static_cast<size_t>(std::snprintf(p, kFieldRoom, "%3d", sat)));
}

void SdWriter::Value(long double value) {
  gnssobs field;
  field.obs = value;
  char* p = block_.Room(kFieldRoom);
  block_.Used(static_cast<size_t>(NollissiText(p, kFieldRoom, field, kValueWidth, precision_)));
}

void SdWriter::Thousandths(int64_t units) {
  if (units == 0) return Value(0);
  char* p = block_.Room(kFieldRoom);
  block_.Used(static_cast<size_t>(FormatUnits(p, kFieldRoom, units, kValueWidth, kValueDecimals)));
  precision_ = kValueDecimals;
}

void SdWriter::Finish() {
  block_.HandOver();
  if (wroteEpoch_) LeaveFixedBlankFill(out_, precision_);
}

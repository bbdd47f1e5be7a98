// Numbers out of fixed-column and blank-separated text.
#include "PROGINC/NumField.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "PROGINC/Portability.h"

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const char* SkipSpace(const char* p, const char* end) {
  while (p < end && IsSpace(*p)) p++;
  return p;
}

const char* SkipDigits(const char* p, const char* end) {
  while (p < end && IsDigit(*p)) p++;
  return p;
}

const uint64_t kEightBlanks = 0x2020202020202020ULL;

// The one blank scanner: right-aligned fields start with long runs of
// blanks, compared eight at a time.
const char* SkipBlanks(const char* p, const char* end) {
  for (; end - p >= 8; p += 8) {
    uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    if (word != kEightBlanks) break;
  }
  while (p < end && *p == ' ') p++;
  return p;
}

// Powers of ten that a double holds exactly.
const double kExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
const long kMaxExactPow = 22;
const uint64_t kMaxExactMantissa = uint64_t(1) << 53;

// Correctly rounded conversion of a number the fast path cannot take.
double SlowConvert(const char* p, const char* numEnd) {
  const std::string text(p, numEnd);
  return std::strtod(text.c_str(), nullptr);
}

// The digits of a decimal number gathered in one pass: an integer mantissa
// of all digits (up to 19 of them) and the power of ten that scales it.
struct Decimal {
  uint64_t mantissa = 0;
  int digits = 0;
  long exp10 = 0;

  // Reads a run of digits; those of a fraction lower the power of ten.
  void AddDigits(const char*& p, const char* end, bool fraction) {
    const char* first = p;
    for (; p < end && IsDigit(*p); p++) mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
    const int n = static_cast<int>(p - first);
    digits += n;
    if (fraction) exp10 -= n;
  }

  // Mantissas up to 2^53 with decimal exponents up to 22 are exact in
  // double, so one multiplication or division rounds correctly and gives the
  // value strtod gives.  Beyond 19 digits the mantissa has wrapped.
  bool Exact() const {
    return digits <= 19 && mantissa <= kMaxExactMantissa && exp10 <= kMaxExactPow &&
           exp10 >= -kMaxExactPow;
  }

  double Value() const {
    const double m = static_cast<double>(mantissa);
    return exp10 < 0 ? m / kExactPow10[-exp10] : m * kExactPow10[exp10];
  }
};

// Reads an exponent ("e", optional sign, digits) at p; p stays when none.
void ScanExponent(const char*& p, const char* end, Decimal& number) {
  if (p >= end || (*p != 'e' && *p != 'E')) return;
  const char* q = p + 1;
  const bool negative = q < end && *q == '-';
  if (q < end && (*q == '+' || *q == '-')) q++;
  if (q >= end || !IsDigit(*q)) return;
  long value = 0;
  for (; q < end && IsDigit(*q); q++) value = value < 100000 ? value * 10 + (*q - '0') : value;
  number.exp10 += negative ? -value : value;
  p = q;
}

// The field [off, off + width) of a line of len characters, cut at its end.
bool FieldBounds(size_t len, size_t off, size_t width, size_t& last) {
  if (off >= len) return false;
  last = width > len - off ? len : off + width;
  return true;
}

}  // namespace

bool ScanReal(const char*& p, const char* end, double& value) {
  value = 0;
  const char* start = SkipSpace(p, end);
  const char* q = start;
  const bool negative = q < end && *q == '-';
  if (q < end && (*q == '+' || *q == '-')) q++;
  Decimal number;
  number.AddDigits(q, end, false);
  if (q < end && *q == '.') {
    const char* f = q + 1;
    number.AddDigits(f, end, true);
    if (number.digits > 0) q = f;
  }
  if (number.digits == 0) return false;
  ScanExponent(q, end, number);
  double converted = 0;
  if (number.Exact())
    converted = number.Value();
  else
    converted = std::fabs(SlowConvert(start, q));
  if (std::isfinite(converted)) value = negative ? -converted : converted;
  p = q;
  return true;
}

bool ScanInt(const char*& p, const char* end, long& value) {
  value = 0;
  const char* q = SkipSpace(p, end);
  const bool negative = q < end && *q == '-';
  if (q < end && (*q == '+' || *q == '-')) q++;
  const char* digitsEnd = SkipDigits(q, end);
  if (digitsEnd == q) return false;
  long magnitude = 0;
  for (; q < digitsEnd; q++) {
    const int digit = *q - '0';
    magnitude = magnitude > (LONG_MAX - digit) / 10 ? LONG_MAX : magnitude * 10 + digit;
  }
  value = negative ? -magnitude : magnitude;
  p = digitsEnd;
  return true;
}

// Runs a scanner over the field [off, off + width), cut at the line's end.
template <class T>
T ScanField(const char* line, size_t len, size_t off, size_t width,
            bool (*scan)(const char*&, const char*, T&)) {
  size_t last = 0;
  if (!FieldBounds(len, off, width, last)) return 0;
  const char* p = line + off;
  T value = 0;
  scan(p, line + last, value);
  return value;
}

double RealField(const char* line, size_t len, size_t off, size_t width) {
  return ScanField(line, len, off, width, ScanReal);
}

// The fast path of integer fields: blanks and then up to 18 digits (a
// satellite number, a count) are read directly; anything else goes through
// ScanInt.  Fast: one pass without a sign or a range test.  Exact: 18 digits
// stay below 2^63, so the sum cannot overflow and equals ScanInt's value.
long IntField(const char* line, size_t len, size_t off, size_t width) {
  size_t last = 0;
  if (!FieldBounds(len, off, width, last)) return 0;
  const char* end = line + last;
  const char* p = SkipBlanks(line + off, end);
  const char* digits = p;
  long value = 0;
  for (; p < end && IsDigit(*p) && p - digits < 18; p++) value = value * 10 + (*p - '0');
  if (p == end && p > digits) return value;
  return ScanField(line, len, off, width, ScanInt);
}

namespace {

const uint64_t kHighBits = 0x8080808080808080ULL;

uint64_t Load8(const char* p) {
  uint64_t word = 0;
  std::memcpy(&word, p, sizeof word);
  return word;
}

uint32_t Load4(const char* p) {
  uint32_t word = 0;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// Whether the n characters from p are all blanks.
bool AllBlanks(const char* p, size_t n) { return SkipBlanks(p, p + n) == p + n; }

// The value of eight digits (zeros for the blanked leading places), the
// first character the most significant, on a little-endian machine.
uint64_t EightDigits(uint64_t digits) {
  digits = (digits * 10 + (digits >> 8)) & 0x00FF00FF00FF00FFULL;
  digits = (digits * 100 + (digits >> 16)) & 0x0000FFFF0000FFFFULL;
  return (digits * 10000 + (digits >> 32)) & 0xFFFFFFFFULL;
}

// The missing mark as the files write it: blanks, then "*.***" at the end.
bool MissingMark(const char* field, size_t width) {
  const char* mark = field + width - 5;
  return mark[0] == '*' && std::memcmp(mark + 1, ".***", 4) == 0 && AllBlanks(field, width - 5);
}

// The fast path of decimal fields, the shape of the values the files carry:
// a whole field of at least 12 characters that ends in a point and three
// digits, with one to seven digits before the point, an optional minus
// before them and blanks before that.  False for any other text.  Fast: the
// digits are checked and summed a word at a time, without a loop over the
// characters.  Exact: the value is at most 10^10 thousandths, below 2^53, and
// one division by 1000 rounds it correctly, as the general reader does.
bool ThreeDecimals(const char* field, size_t width, double& value) {
  const char* point = field + width - 4;
  const uint32_t tail = Load4(point);  // the point and the three decimals
  const uint32_t decimalOffsets = (tail >> 8) ^ 0x303030U;
  const bool decimalDigits =
      (tail & 0x80808000U) == 0 && ((decimalOffsets + 0x767676U) & 0x808080U) == 0;
  if ((tail & 0xFF) != '.' || !decimalDigits) return false;
  if (!AllBlanks(field, width - 12)) return false;
  const uint64_t window = Load8(point - 8);
  if ((window & kHighBits) != 0) return false;
  const uint64_t offsets = window ^ 0x3030303030303030ULL;  // digits become 0 to 9
  const uint64_t nonDigits = (offsets + 0x7676767676767676ULL) & kHighBits;
  if (nonDigits == 0) return false;  // eight digits or more: the general reader
  const int lead = (63 - LeadingZeros64(nonDigits)) / 8 + 1;  // characters before the digits
  if (lead == 8 || nonDigits != (kHighBits >> (8 * (8 - lead)))) return false;
  const uint64_t leadMask = ~0ULL >> (8 * (8 - lead));
  const uint64_t minusAt = static_cast<uint64_t>('-' ^ ' ') << (8 * (lead - 1));
  const uint64_t leading = window & leadMask;
  const bool negative = leading == ((kEightBlanks & leadMask) ^ minusAt);
  if (!negative && leading != (kEightBlanks & leadMask)) return false;
  const uint64_t whole = EightDigits(offsets & ~leadMask);
  const uint64_t decimals =
      (decimalOffsets & 0xFF) * 100 + ((decimalOffsets >> 8) & 0xFF) * 10 + (decimalOffsets >> 16);
  // The same single correctly rounded division as the general reader.
  value = static_cast<double>(whole * 1000 + decimals) / 1000.0;
  if (negative) value = -value;
  return true;
}

}  // namespace

double DecimalField(const char* line, size_t len, size_t off, size_t width) {
  size_t last = 0;
  if (!FieldBounds(len, off, width, last)) return 0;
  if (kLittleEndian && last - off == width && width >= 12) {
    double fast = 0;
    if (ThreeDecimals(line + off, width, fast)) return fast;
    if (MissingMark(line + off, width)) return 0;
  }
  return RealField(line, len, off, width);
}

bool ReadDecimal(std::string_view text, double& value) {
  const char* p = text.data();
  const char* end = p + text.size();
  const bool negative = p < end && *p == '-';
  if (p < end && (*p == '+' || *p == '-')) p++;
  const char* digits = p;
  Decimal number;
  number.AddDigits(p, end, false);
  if (p < end && *p == '.') {
    p++;
    number.AddDigits(p, end, true);
  }
  if (number.digits == 0 || p != end) return false;
  const double magnitude = number.Exact() ? number.Value() : SlowConvert(digits, end);
  value = negative ? -magnitude : magnitude;
  return true;
}

long CountField(const char* line, size_t len, size_t off, size_t width) {
  size_t last = 0;
  if (!FieldBounds(len, off, width, last)) return 0;
  const char* p = line + off;
  while (p < line + last && *p == ' ') p++;
  long value = 0;
  if (p < line + last && IsDigit(*p)) ScanInt(p, line + last, value);
  return value;
}

// Numbers out of fixed-column and blank-separated text.
#include "PROGINC/NumField.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

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

// Powers of ten that a double holds exactly.
const double kExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
const long kMaxExactPow = 22;
const uint64_t kMaxExactMantissa = uint64_t(1) << 53;

// The end of the decimal number that starts at p, or p when there is none.
const char* NumberEnd(const char* p, const char* end) {
  const char* q = p;
  if (q < end && (*q == '+' || *q == '-')) q++;
  const char* intEnd = SkipDigits(q, end);
  const char* fracEnd = intEnd;
  if (intEnd < end && *intEnd == '.') fracEnd = SkipDigits(intEnd + 1, end);
  const bool hasDigits = intEnd > q || fracEnd > intEnd + 1;
  if (!hasDigits) return p;
  if (fracEnd < end && (*fracEnd == 'e' || *fracEnd == 'E')) {
    const char* e = fracEnd + 1;
    if (e < end && (*e == '+' || *e == '-')) e++;
    const char* expEnd = SkipDigits(e, end);
    if (expEnd > e) return expEnd;
  }
  return fracEnd;
}

// Correctly rounded conversion of a number the fast path cannot take.
double SlowConvert(const char* p, const char* numEnd) {
  const std::string text(p, numEnd);
  return std::strtod(text.c_str(), nullptr);
}

// Converts the decimal number [p, numEnd).  Mantissas up to 2^53 with
// decimal exponents up to 22 are exact in double, so one multiplication or
// division rounds correctly and gives the same value as strtod.
double Convert(const char* p, const char* numEnd) {
  const char* q = p;
  const bool negative = *q == '-';
  if (*q == '+' || *q == '-') q++;
  uint64_t mantissa = 0;
  int digits = 0;
  long exp10 = 0;
  bool inFraction = false;
  for (; q < numEnd && *q != 'e' && *q != 'E'; q++) {
    if (*q == '.') {
      inFraction = true;
      continue;
    }
    if (mantissa == 0 && *q == '0') {
      if (inFraction) exp10--;
      continue;
    }
    if (++digits > 18) return SlowConvert(p, numEnd);
    mantissa = mantissa * 10 + static_cast<uint64_t>(*q - '0');
    if (inFraction) exp10--;
  }
  if (q < numEnd) {
    long expValue = 0;
    const char* e = q + 1;
    if (!ScanInt(e, numEnd, expValue)) return SlowConvert(p, numEnd);
    if (expValue > 1000 || expValue < -1000) return SlowConvert(p, numEnd);
    exp10 += expValue;
  }
  if (mantissa == 0) return negative ? -0.0 : 0.0;
  if (mantissa > kMaxExactMantissa || exp10 > kMaxExactPow || exp10 < -kMaxExactPow)
    return SlowConvert(p, numEnd);
  double value = static_cast<double>(mantissa);
  value = exp10 < 0 ? value / kExactPow10[-exp10] : value * kExactPow10[exp10];
  return negative ? -value : value;
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
  const char* numEnd = NumberEnd(start, end);
  if (numEnd == start) return false;
  const double converted = Convert(start, numEnd);
  if (std::isfinite(converted)) value = converted;
  p = numEnd;
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

double RealField(const char* line, size_t len, size_t off, size_t width) {
  size_t last = 0;
  if (!FieldBounds(len, off, width, last)) return 0;
  const char* p = line + off;
  double value = 0;
  ScanReal(p, line + last, value);
  return value;
}

long IntField(const char* line, size_t len, size_t off, size_t width) {
  size_t last = 0;
  if (!FieldBounds(len, off, width, last)) return 0;
  const char* p = line + off;
  long value = 0;
  ScanInt(p, line + last, value);
  return value;
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

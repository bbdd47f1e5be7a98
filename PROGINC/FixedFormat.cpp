// Fixed-point text of a long double by exact integer arithmetic.
#include "PROGINC/FixedFormat.h"

#include <algorithm>
#include <cfloat>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "PROGINC/Portability.h"

namespace {

constexpr int kMaxDecimals = 18;  // 10^18 times a 64-bit mantissa fits in 128 bits

constexpr uint64_t kPow10[kMaxDecimals + 1] = {1ULL,
                                               10ULL,
                                               100ULL,
                                               1000ULL,
                                               10000ULL,
                                               100000ULL,
                                               1000000ULL,
                                               10000000ULL,
                                               100000000ULL,
                                               1000000000ULL,
                                               10000000000ULL,
                                               100000000000ULL,
                                               1000000000000ULL,
                                               10000000000000ULL,
                                               100000000000000ULL,
                                               1000000000000000ULL,
                                               10000000000000000ULL,
                                               100000000000000000ULL,
                                               1000000000000000000ULL};

// A value in units of 10^-decimals, rounded to the nearest whole number with
// halves to even, as the C library rounds in the default rounding mode.
struct Scaled {
  uint64_t units;
  bool negative;
};

#if QUINTAVELMOR_HAS_UINT128
// product / 2^shift rounded to a whole number, halves to even, for a shift
// of 1 to 63 (values of 1 and above), in 64-bit halves.
bool RoundShifted64(uint128 product, int shift, Scaled& result) {
  const uint64_t high = static_cast<uint64_t>(product >> 64);
  const uint64_t low = static_cast<uint64_t>(product);
  if ((high >> shift) != 0) return false;  // 2^64 units and more
  uint64_t units = (high << (64 - shift)) | (low >> shift);
  const uint64_t rest = low & ((uint64_t(1) << shift) - 1);
  const uint64_t half = uint64_t(1) << (shift - 1);
  if (rest > half || (rest == half && (units & 1) != 0)) {
    if (units == UINT64_MAX) return false;
    units++;
  }
  result.units = units;
  return true;
}
#endif

// The x87 extended format: a 64-bit mantissa with an explicit integer bit,
// a 15-bit biased exponent and the sign; value = mantissa * 2^(exponent - 16383 - 63).
bool ScaleExactly(const long double& value, int decimals, Scaled& result) {
#if LDBL_MANT_DIG == 64 && QUINTAVELMOR_HAS_UINT128
  // The ten bytes of the number only, not the padding after them: a load
  // reaching past a value just stored would wait for the store to end.
  const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
  uint64_t mantissa = 0;
  uint16_t signExponent = 0;
  std::memcpy(&mantissa, bytes, sizeof mantissa);
  std::memcpy(&signExponent, bytes + sizeof mantissa, sizeof signExponent);
  result.negative = (signExponent & 0x8000) != 0;
  int exponent = signExponent & 0x7FFF;
  if (exponent == 0x7FFF) return false;                      // infinity, NaN
  if (exponent != 0 && (mantissa >> 63) == 0) return false;  // not a valid number
  if (exponent == 0) exponent = 1;                           // subnormal
  const int shift = 16383 + 63 - exponent;                   // value = mantissa / 2^shift
  if (shift <= 0) return false;                              // 2^63 and above
  const uint128 product = static_cast<uint128>(mantissa) * kPow10[decimals];
  if (shift < 64) return RoundShifted64(product, shift, result);
  if (shift >= 128) {  // below half a unit: product < 2^124
    result.units = 0;
    return true;
  }
  uint128 units = product >> shift;
  const uint128 rest = product & ((static_cast<uint128>(1) << shift) - 1);
  const uint128 half = static_cast<uint128>(1) << (shift - 1);
  if (rest > half || (rest == half && (units & 1) != 0)) units++;
  if (units >> 64 != 0) return false;
  result.units = static_cast<uint64_t>(units);
  return true;
#else
  (void)value;
  (void)decimals;
  (void)result;
  return false;
#endif
}

// "00" to "99": two digits per division.
struct DigitPairs {
  char text[200];
  constexpr DigitPairs() : text() {
    for (int k = 0; k < 100; k++) {
      text[2 * k] = static_cast<char>('0' + k / 10);
      text[2 * k + 1] = static_cast<char>('0' + k % 10);
    }
  }
};
constexpr DigitPairs kDigitPairs;

// Writes `count` digits of n (its lowest ones) backwards before p.
char* LowDigits(uint64_t& n, int count, char* p) {
  for (; count >= 2; count -= 2) {
    p -= 2;
    std::memcpy(p, kDigitPairs.text + 2 * (n % 100), 2);
    n /= 100;
  }
  if (count == 1) {
    *--p = static_cast<char>('0' + n % 10);
    n /= 10;
  }
  return p;
}

// Sign, whole part, point and decimals of a scaled value, written backwards
// so that end points past the last character; returns the first.
char* Body(const Scaled& s, int decimals, char* end) {
  uint64_t units = s.units;
  char* p = LowDigits(units, decimals, end);
  if (decimals > 0) *--p = '.';
  while (units >= 100) p = LowDigits(units, 2, p);
  p = LowDigits(units, units >= 10 ? 2 : 1, p);
  if (s.negative) *--p = '-';
  return p;
}

int LibraryFormat(char* text, size_t room, long double value, int width, int decimals, char pad) {
  return std::snprintf(text, room, pad == '0' ? "%0*.*Lf" : "%*.*Lf", width, decimals, value);
}

// Number of decimal digits of n, 1 for 0 (n | 1 has as many digits as n).
int DigitCount(uint64_t n) {
  const uint64_t odd = n | 1;
  const int bits = 64 - LeadingZeros64(odd);
  const int estimate = (bits * 1233) >> 12;  // bits * log10(2): the count or one less
  if (estimate > kMaxDecimals) return odd >= 10000000000000000000ULL ? 20 : 19;
  return estimate + (odd >= kPow10[estimate] ? 1 : 0);
}

// The usual case, blank padding to a short field: the field is blanked by
// one store of fixed size and the digits written backwards into it.  The
// text is not copied again (reading back characters just stored one or two
// at a time would wait for the stores).
constexpr int kShortField = 32;

// Characters of a scaled value's text: sign, whole part (at least one digit),
// point and decimals.
int TextLength(const Scaled& scaled, int decimals) {
  const int digits = std::max(DigitCount(scaled.units), decimals + 1);
  return digits + (decimals > 0 ? 1 : 0) + (scaled.negative ? 1 : 0);
}

Scaled ScaledUnits(int64_t units) {
  const bool negative = units < 0;
  return {negative ? 0 - static_cast<uint64_t>(units) : static_cast<uint64_t>(units), negative};
}

// "000" to "999", each behind one more character, so that a group of three
// digits goes in with one store of four: behind it '0' (overwritten by the
// next group or the point), or, for the first group of a whole part, blanks
// in place of that character and of the group's leading zeros ("  7" for 7).
struct DigitTriples {
  char zeros[4000];
  char blanks[4000];
  constexpr DigitTriples() : zeros(), blanks() {
    for (int k = 0; k < 1000; k++) {
      const char digits[3] = {static_cast<char>('0' + k / 100),
                              static_cast<char>('0' + k / 10 % 10),
                              static_cast<char>('0' + k % 10)};
      zeros[4 * k] = '0';
      blanks[4 * k] = ' ';
      for (int i = 0; i < 3; i++) {
        zeros[4 * k + 1 + i] = digits[i];
        blanks[4 * k + 1 + i] = digits[i];
      }
      if (k < 100) blanks[4 * k + 1] = ' ';
      if (k < 10) blanks[4 * k + 2] = ' ';
    }
  }
};
constexpr DigitTriples kDigitTriples;

// Three decimals, the precision of every observation value: the text of a
// scaled value written backwards before `end`, a group of three digits per
// store.  The stores reach three characters before the text, which must be
// in the field and blank; the sign goes in place of one of them.
void ThreeDecimalsBody(const Scaled& s, char* end) {
  uint64_t whole = s.units / 1000;
  char* p = end - 4;
  std::memcpy(p, kDigitTriples.zeros + 4 * (s.units % 1000), 4);
  *p = '.';
  for (; whole >= 1000; whole /= 1000, p -= 3)
    std::memcpy(p - 4, kDigitTriples.zeros + 4 * (whole % 1000), 4);
  std::memcpy(p - 4, kDigitTriples.blanks + 4 * whole, 4);
  p -= whole >= 100 ? 3 : (whole >= 10 ? 2 : 1);
  if (s.negative) p[-1] = '-';
}

// Whether a field of `width` holds a value of `units` at three decimals with
// the characters ThreeDecimalsBody stores before it (up to three, the sign
// among them): at most width - 4 digits, and a width of at least 8.
bool FitsThreeDecimals(uint64_t units, int width) {
  return width >= 8 && width - 4 <= kMaxDecimals && units < kPow10[width - 4];
}

int ShortBlankPadded(char* text, const Scaled& scaled, int width, int decimals) {
  const bool threeDecimals = decimals == 3 && FitsThreeDecimals(scaled.units, width);
  const int total = threeDecimals ? width : std::max(width, TextLength(scaled, decimals));
  std::memset(text, ' ', kShortField);
  if (threeDecimals)
    ThreeDecimalsBody(scaled, text + total);
  else
    Body(scaled, decimals, text + total);
  text[total] = '\0';
  return total;
}

}  // namespace

int FormatFixed(char* text, size_t room, const long double& value, int width, int decimals,
                char pad) {
  Scaled scaled{0, false};
  if (decimals < 0 || decimals > kMaxDecimals || width >= kFixedTextRoom ||
      !ScaleExactly(value, decimals, scaled))
    return LibraryFormat(text, room, value, width, decimals, pad);
  // Whole part of at most 20 digits, sign, point: room for a short field.
  if (pad == ' ' && width <= kShortField && decimals <= kShortField - 22 && room > kShortField)
    return ShortBlankPadded(text, scaled, width, decimals);
  char body[kFixedTextRoom];
  const char* digits = Body(scaled, decimals, body + sizeof body);
  const int length = static_cast<int>(body + sizeof body - digits);
  const int padding = width > length ? width - length : 0;
  if (static_cast<size_t>(length) + static_cast<size_t>(padding) >= room)
    return LibraryFormat(text, room, value, width, decimals, pad);
  char* out = text;
  if (pad == '0' && scaled.negative) *out++ = *digits++;  // zeros go after the sign
  std::memset(out, pad == '0' ? '0' : ' ', static_cast<size_t>(padding));
  out += padding;
  const size_t rest = static_cast<size_t>(body + sizeof body - digits);
  std::memcpy(out, digits, rest);
  out[rest] = '\0';
  return length + padding;
}

int FormatUnits(char* text, size_t room, int64_t units, int width, int decimals) {
  const Scaled scaled = ScaledUnits(units);
  if (decimals >= 0 && decimals <= kShortField - 22 && width <= kShortField && room > kShortField)
    return ShortBlankPadded(text, scaled, width, decimals);
  const int scale = std::min(std::max(decimals, 0), kMaxDecimals);
  return FormatFixed(text, room, static_cast<long double>(units) / kPow10[scale], width, decimals);
}

bool WriteUnits(char* to, int width, int64_t units, int decimals) {
  const Scaled scaled = ScaledUnits(units);
  if (decimals < 0 || decimals > kMaxDecimals || TextLength(scaled, decimals) > width) return false;
  const char* first = Body(scaled, decimals, to + width);
  std::memset(to, ' ', static_cast<size_t>(first - to));
  return true;
}

int FormatRightAligned(char* text, size_t room, const char* word, int width) {
  const size_t length = std::strlen(word);
  const size_t padding = width > static_cast<int>(length) ? width - length : 0;
  if (length + padding >= room) return std::snprintf(text, room, "%*s", width, word);
  std::memset(text, ' ', padding);
  std::memcpy(text + padding, word, length + 1);
  return static_cast<int>(length + padding);
}

// The program's epoch: modified Julian day number and seconds of that day.
#ifndef GNSS_MJD_H
#define GNSS_MJD_H

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

#include "PROGINC/StreamState.h"

// Print switches of mjd, read at every write.
namespace mjdns {
enum Layout : unsigned short { MJDSEC = 0, MJDDEC = 1, MJDHMS = 2, MJD = 3, SP3 = 4 };
inline unsigned short NDecSecond = 1;  // decimals of printed seconds
inline unsigned short PrintFormat = MJDSEC;
}  // namespace mjdns

class mjd {
 public:
  std::uint32_t mjday;  // modified Julian day number, at most 199999
  long double second;   // seconds since the start of the day, [0, 86400)

  mjd();  // day 0, second 0; not validated
  mjd(unsigned long day, long double sec);
  mjd(const mjd& other);
  mjd& operator=(const mjd& other);
  // From a decimal day: whole part is the day, the fraction the time of day.
  mjd& operator=(long double mjdDec);
  void Set(unsigned long day, long double sec);

  unsigned long GetMJDay() const { return mjday; }
  long double GetSecond() const { return second; }
  long double GetMJDDec() const { return mjday + second / 86400.0L; }

  // Adds signed seconds, carrying whole days; not validated.  With an int
  // argument the call is ambiguous between seconds and days: write 30.0L for
  // seconds or 1L for a day.
  mjd& operator+=(long double dsec);
  mjd& operator+=(long days);
  mjd& operator-=(long days);

  // Equality allows 1e-13 s, >= and <= allow 1e-14 s; > and < are exact.
  bool operator==(const mjd& b) const;
  bool operator>(const mjd& b) const;
  bool operator<(const mjd& b) const;
  bool operator>=(const mjd& b) const;
  bool operator<=(const mjd& b) const;

  bool TestMJDay() const;
  bool TestSecond() const;
  void TestDatum() const;  // reports the first invalid field through Error
  void Sec2HMS(unsigned short& h, unsigned short& m, long double& s) const;
  [[noreturn]] void Error(const char* err) const;
};

// a - b in seconds.
long double operator-(const mjd& a, const mjd& b);

// t rounded once to `decimals` decimals of a second, as the print layouts
// round them, and carried into the next day at midnight: the fields split
// from it then never show second 60 nor 86400 seconds of day.
mjd RoundedToDecimals(const mjd& t, int decimals);

// Reads the day and the seconds, then validates: a number too large for its
// field ends the program with the field's error; text that is no number
// fails the stream and leaves t unchanged.
std::istream& operator>>(std::istream& in, mjd& t);
// The text of t in the layout of mjdns::PrintFormat as operator<< writes it
// to a stream in state `state`, which becomes the state the write leaves:
// fixed notation and a blank fill, with the seconds' decimals as precision
// (13 for SP3; unchanged for MJD).  The decimal day (MJDDEC) follows the
// stream's notation and fill and leaves only the precision set.
std::string MjdText(const mjd& t, StreamState& state);
std::ostream& operator<<(std::ostream& out, const mjd& t);

#endif

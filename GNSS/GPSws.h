// GPS time as week number (no roll-over) and seconds of the week.
#ifndef GNSS_GPSWS_H
#define GNSS_GPSWS_H

#include <istream>
#include <ostream>

// Print switches of GPSws, read at every write.
namespace gpswsns {
enum Layout : unsigned short { GPSWS = 0, GPSWDS = 1, GPSWDHMS = 2, GPSWD = 3, SP3 = 4 };
inline unsigned short NDecSecond = 1;  // decimals of printed seconds
inline unsigned short PrintFormat = GPSWS;
}  // namespace gpswsns

class GPSws {
 public:
  unsigned short week;  // 0 to 11999
  long double second;   // seconds since Sunday 00:00:00, [0, 604800)

  GPSws();  // week 0, second 0; not validated
  GPSws(unsigned short w, long double s);
  GPSws(const GPSws& other);
  GPSws& operator=(const GPSws& other);
  void Set(unsigned short w, long double s);

  unsigned short GetWeek() const { return week; }
  long double GetSecond() const { return second; }
  unsigned short GetWeekDay() const;  // 0 for Sunday to 6 for Saturday
  long double GetDaySecond() const;

  // Adds signed seconds, carrying whole weeks both ways; not validated.
  GPSws& operator+=(long double dsec);
  GPSws& operator+=(unsigned short dweek);

  // Splits the seconds of the day; a seconds value of 60 is not carried.
  void Sec2HMS(unsigned short& h, unsigned short& m, long double& s) const;

  bool TestWeek() const;
  bool TestSecond() const;
  void TestDatum() const;  // reports the first invalid field through Error
  [[noreturn]] void Error(const char* err) const;
};

// Reads the week and the seconds of the week, then validates, as the reader
// of mjd does.
std::istream& operator>>(std::istream& in, GPSws& t);
std::ostream& operator<<(std::ostream& out, const GPSws& t);

#endif

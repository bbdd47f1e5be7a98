// Civil date and time of day: year, month, day, hour, minute, seconds.
#ifndef GNSS_YMDHMS_H
#define GNSS_YMDHMS_H

#include <istream>
#include <ostream>
#include <string>

#include "PROGINC/StreamState.h"

// Days before each month (index month - 1) and the year's length (index 12);
// row 0 for common years, row 1 for leap years.
inline constexpr unsigned short month_day[2][13] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366}};

// Print switches of ymdhms, read at every write.
namespace ymdhmsns {
enum Format : unsigned short { YMDHMS = 0, YDHMS = 1, YDSEC = 2, YMD = 3, YDEC = 4, YD = 5 };
enum Type : unsigned short { RINEXHEADER = 0, RINEXDATA = 1, NORINEX = 2, SP3 = 3, SINEX = 4 };
inline unsigned short NDecSecond = 1;        // decimals of printed seconds
inline unsigned short PrintFormat = YMDHMS;  // layout within NORINEX
inline unsigned short PrintType = NORINEX;   // family of layouts
}  // namespace ymdhmsns

class ymdhms {
 public:
  unsigned short year;    // 1901 to 2199
  unsigned short month;   // 1 to 12
  unsigned short day;     // 1 to the month's length
  unsigned short hour;    // 0 to 23
  unsigned short minute;  // 0 to 59
  long double second;     // [0, 60)

  ymdhms();  // 1980-01-01 00:00:00; not validated
  ymdhms(unsigned short y, unsigned short mo, unsigned short d, unsigned short h, unsigned short mi,
         long double s);
  ymdhms(const ymdhms& other);
  ymdhms& operator=(const ymdhms& other);
  void Set(unsigned short y, unsigned short mo, unsigned short d, unsigned short h,
           unsigned short mi, long double s);

  unsigned short GetYear() const { return year; }
  unsigned short GetMonth() const { return month; }
  unsigned short GetDay() const { return day; }
  unsigned short GetHour() const { return hour; }
  unsigned short GetMinute() const { return minute; }
  long double GetSecond() const { return second; }
  long double GetDaySecond() const { return hour * 3600.0L + minute * 60.0L + second; }
  unsigned short GetDayOfYear() const;
  long double GetYearDec() const;

  void SetYear(unsigned short y);
  void SetMonth(unsigned short mo);
  void SetDay(unsigned short d);
  void SetHour(unsigned short h);
  void SetMinute(unsigned short mi);
  void SetSecond(long double s);
  void SetHMS(unsigned short h, unsigned short mi, long double s);
  void SetDayOfYear(unsigned short y, unsigned short doy);  // time of day 00:00:00
  void SetDaySecond(long double s);                         // not validated
  void SetYDec(double ydec);

  int LeapYear(unsigned short y) const;
  void Sec2HMS(long double s, unsigned short& h, unsigned short& m, long double& sec) const;

  bool TestYear() const;
  bool TestMonth() const;
  bool TestDay() const;
  bool TestHour() const;
  bool TestMinute() const;
  bool TestSecond() const;
  void TestDatum() const;  // reports the first invalid field through Error
  [[noreturn]] void Error(const char* err) const;
};

// Reads year month day hour minute second; years up to 99 are two-digit years
// (80-99 -> 1980-1999, 0-79 -> 2000-2079).  Then validates, as the reader of
// mjd does.
std::istream& operator>>(std::istream& in, ymdhms& t);
// The text of t in the layout of ymdhmsns::PrintType and PrintFormat as
// operator<< writes it to a stream in state `state`, which becomes the state
// the write leaves: fixed notation, with the seconds' decimals as precision
// (the layouts without seconds keep the precision), and a blank fill for the
// program's own layouts and SINEX.
std::string YmdhmsText(const ymdhms& t, StreamState& state);
std::ostream& operator<<(std::ostream& out, const ymdhms& t);

#endif

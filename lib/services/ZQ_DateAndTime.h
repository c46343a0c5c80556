// ZQ_DateAndTime.h: the four small date and time values: ZQ_Time (a time of
// day in milliseconds since midnight), ZQ_Date (a day count from 17 November
// 1858, its day 0), ZQ_PointInTime (a time and a date) and ZQ_ElapsedTime (a
// signed duration in days and milliseconds). They are copied by value, own
// nothing and have no virtual functions.
// Calendar dates are Gregorian. A date is legal from 1 January 1583 to 31
// December 2999; other day counts still convert and compare, but operations
// that take a day, month and year assert legality. Illegal values are
// assertion failures, never exceptions; nothing here throws except what the
// Windows wrappers throw for a failed call. Day and month names pass through
// the translation entry each time they are asked for. One thread only.
// The text forms (Format, IntelligentFormat) are declared here and defined
// with the date and time formats (ZQ_DateAndTimeFormat.h, which lists the
// format symbols); stream output is in ZQ_DateAndTimeStreamFormat.h.
#ifndef ZQ_DATEANDTIME_H
#define ZQ_DATEANDTIME_H

#include "ZQ_StackTrace.h"
#include "ZQ_String.h"

const int ZQ_HoursPerDay = 24;
const int ZQ_MinutesPerHour = 60;
const int ZQ_SecondsPerMinute = 60;
const int ZQ_MillisecondsPerSecond = 1000;
const int ZQ_MillisecondsPerDay = 86400000;

// A broken-down time of day.
struct ZQ_HMS {
  int Hours;
  int Minutes;
  int Seconds;
  int Milliseconds;
};

// A broken-down calendar date: Day 1-31, Month 1-12, Year in full. The
// default is 9 September 1999, a legal date.
struct ZQ_DMY {
  ZQ_DMY() : Day(9), Month(9), Year(1999) {}
  ZQ_DMY(int Day, int Month, int Year) : Day(Day), Month(Month), Year(Year) {}
  int Day;
  int Month;
  int Year;
};

class ZQ_Time {
 public:
  ZQ_Time() : MillisecondsSinceMidnight(0) {}  // midnight

  bool operator==(const ZQ_Time& Other) const {
    return MillisecondsSinceMidnight == Other.MillisecondsSinceMidnight;
  }
  bool operator<(const ZQ_Time& Other) const {
    return MillisecondsSinceMidnight < Other.MillisecondsSinceMidnight;
  }
  bool operator<=(const ZQ_Time& Other) const {
    return MillisecondsSinceMidnight <= Other.MillisecondsSinceMidnight;
  }

  ZQ_HMS GetHMS() const;
  // Asserts that every part lies in its range (Hours 0-23, Minutes and
  // Seconds 0-59, Milliseconds 0-999); if the report returns, the value is
  // built from the parts as given.
  void SetHMS(int Hours, int Minutes, int Seconds, int Milliseconds);

  // The raw count, for storage; the setter does not check the range.
  int GetMillisecondsSinceMidnight() const { return MillisecondsSinceMidnight; }
  void SetMillisecondsSinceMidnight(int Milliseconds) {
    MillisecondsSinceMidnight = Milliseconds;
  }

  // The template with its time fields filled ("{24Hour}:{Minute}" gives
  // "14:05"); other fields are left as they stand.
  ZQ_String Format(const ZQ_String& FormatString) const;

  // Reads a typed time ("14:05", "2:05 p.m.", "9:30:15.25"); Flags are
  // ignored. Without EndIndex only white space may follow; with it anything
  // may, and the index after the match is stored there. True on a match;
  // Result changes once the time itself matched. Never throws on bad text.
  static bool Parse(const ZQ_String& TextToParse, ZQ_Time& Result, int Flags, int* EndIndex);

 private:
  int MillisecondsSinceMidnight;  // 0 to 86399999 when valid
};

class ZQ_Date {
 public:
  ZQ_Date() : ModifiedJulianDate(0) {}  // 17 November 1858
  // Asserts a legal date.
  ZQ_Date(int Day, int Month, int Year);

  bool operator==(const ZQ_Date& Other) const {
    return ModifiedJulianDate == Other.ModifiedJulianDate;
  }
  bool operator<(const ZQ_Date& Other) const {
    return ModifiedJulianDate < Other.ModifiedJulianDate;
  }

  // Any day count converts: before 15 October 1582 (day -100840) the result
  // is a Julian-calendar date, and before 1 AD the year is 0 or negative (0
  // for 1 BC).
  ZQ_DMY GetDMY() const;
  // Assert a legal date; if the report returns, the count is computed anyway.
  void SetDMY(const ZQ_DMY& DMY);
  void SetDMY(int Day, int Month, int Year);

  int GetModifiedJulianDate() const { return ModifiedJulianDate; }
  void SetModifiedJulianDate(int DayCount) { ModifiedJulianDate = DayCount; }
  // True for the day counts of legal dates, -100762 (1 January 1583) to
  // 416786 (31 December 2999): every operation works on them. Readers of
  // stored dates refuse other counts as damaged data.
  static bool IsLegalDayCount(long DayCount);

  // 0 Sunday to 6 Saturday.
  int GetDayOfWeekIndex() const;
  // Translated names; the index form asserts 0 to 6.
  ZQ_String GetDayOfWeekName() const;
  static ZQ_String GetDayOfWeekName(int DayOfWeekIndex);
  // The translated name of this date's month, and its first three characters.
  ZQ_String GetMonthName() const;
  ZQ_String GetMonthNameAbbreviation() const;
  // The translated name of a month 1-12 (asserted).
  static ZQ_String GetMonthName(int Month);
  // 1 for 1 January. Asserts that the date is legal.
  int GetDayOfYear() const;

  // The Gregorian rules. IsLeapYear asserts Year >= 1583, GetNumDaysInMonth
  // also Month 1-12. IsLegalDate never asserts.
  static bool IsLeapYear(int Year);
  static int GetNumDaysInMonth(int Month, int Year);
  static bool IsLegalDate(int Day, int Month, int Year);
  static bool IsLegalDate(const ZQ_DMY& DMY);

  // Today by the local wall clock (GetLocalTime).
  void SetToCurrentLocalDate();
  static ZQ_Date GetCurrentLocalDate();

  // The template with its date fields filled ("{Date}" gives "July 4, 2009");
  // other fields are left as they stand.
  ZQ_String Format(const ZQ_String& FormatString) const;

  // Reads a typed date: "July 4, 2009", "4-Jul-2009", "2009-07-04", and with
  // Parse_US also "7/4/2009" and two-digit years (below 50 are 20xx, others
  // 19xx). EndIndex and Result as for ZQ_Time::Parse.
  static const int Parse_US = 0x1;
  static bool Parse(const ZQ_String& TextToParse, ZQ_Date& Result, int Flags, int* EndIndex);

 private:
  int ModifiedJulianDate;  // days since 17 November 1858
};

// 1 to 12 for a month name or a prefix of one (at least three characters, any
// case), tried against the translated names first and the English ones
// second; 0 when nothing matches. Reads Length characters of Text.
int GetMonthIndexFromName(const char* Text, int Length);

class ZQ_PointInTime {
 public:
  ZQ_PointInTime() = default;  // midnight of day 0
  ZQ_PointInTime(const ZQ_Time& Time, const ZQ_Date& Date) : Time(Time), Date(Date) {}

  const ZQ_Time& GetTime() const { return Time; }
  const ZQ_Date& GetDate() const { return Date; }
  void SetTime(const ZQ_Time& NewTime) { Time = NewTime; }
  void SetDate(const ZQ_Date& NewDate) { Date = NewDate; }
  void Set(const ZQ_Time& NewTime, const ZQ_Date& NewDate) {
    Time = NewTime;
    Date = NewDate;
  }

  bool operator==(const ZQ_PointInTime& Other) const {
    return Time == Other.Time && Date == Other.Date;
  }
  // Dates first; the times decide only between equal dates.
  bool operator<(const ZQ_PointInTime& Other) const {
    return Date == Other.Date ? Time < Other.Time : Date < Other.Date;
  }
  bool operator<=(const ZQ_PointInTime& Other) const {
    return Date == Other.Date ? Time <= Other.Time : Date < Other.Date;
  }

  // Now by the local wall clock (GetLocalTime), date and time from one call.
  void SetToCurrentLocal();
  static ZQ_PointInTime GetCurrentLocal();

  // The template with both its date and its time fields filled ("{Time} on
  // {Date}" gives "2:05 PM on July 4, 2009").
  ZQ_String Format(const ZQ_String& FormatString) const;

 private:
  ZQ_Time Time;
  ZQ_Date Date;
};

// A signed duration. Days and Milliseconds never have opposite signs and
// |Milliseconds| < ZQ_MillisecondsPerDay; setting parts that break this is an
// assertion failure (the parts are then kept as given).
class ZQ_ElapsedTime {
 public:
  ZQ_ElapsedTime() : Days(0), Milliseconds(0) {}
  ZQ_ElapsedTime(int Days, int Milliseconds);
  // Seconds, positive or negative, truncated to whole milliseconds. A value
  // that does not fit 2^31 days (or is not a number) asserts and gives zero.
  explicit ZQ_ElapsedTime(double Seconds);

  bool operator==(const ZQ_ElapsedTime& Other) const {
    return Days == Other.Days && Milliseconds == Other.Milliseconds;
  }
  bool operator<(const ZQ_ElapsedTime& Other) const {
    return Days == Other.Days ? Milliseconds < Other.Milliseconds : Days < Other.Days;
  }

  void GetDaysAndMilliseconds(int& DaysOut, int& MillisecondsOut) const {
    DaysOut = Days;
    MillisecondsOut = Milliseconds;
  }
  void SetDaysAndMilliseconds(int NewDays, int NewMilliseconds);
  double GetSeconds() const;

  // Readable whole units: "1 hr 2 min 5 sec", "- 1 min 30 sec", "1 yr 1 days"
  // (years of 365 days, no singular forms, fractions of a second dropped). A
  // zero duration gives ZeroText.
  ZQ_String IntelligentFormat(const ZQ_String& ZeroText) const;

 private:
  int Days;
  int Milliseconds;
};

// Local time's offset: what to add to local time to get Coordinated Universal
// Time, so positive west of Greenwich; the daylight bias is included while
// daylight time is in force. A failed query is reported by its wrapper; if
// that report returns, the result is zero (local time taken as universal).
ZQ_ElapsedTime ZQ_GetCoordinatedUniversalTimeBias();
// The same from a time-zone answer: the zone's bias and daylight bias in
// minutes and the query's result (2 = daylight time in force).
ZQ_ElapsedTime ZQ_ComputeCoordinatedUniversalTimeBias(long BiasMinutes,
                                                      long DaylightBiasMinutes,
                                                      unsigned long ZoneResult);

// Watched-variable type codes of the trace stack.
template <> struct ZQ_StackTrace_TypeCode<ZQ_ElapsedTime> { static constexpr long Value = 21; };
template <> struct ZQ_StackTrace_TypeCode<ZQ_Date> { static constexpr long Value = 22; };
template <> struct ZQ_StackTrace_TypeCode<ZQ_Time> { static constexpr long Value = 23; };
template <> struct ZQ_StackTrace_TypeCode<ZQ_PointInTime> { static constexpr long Value = 24; };

#endif

#include "ZQ_DateAndTime.h"

#include <cmath>

#include "ZQLOW_WINBASE.h"
#include "ZQ_Assertion.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"

namespace {

// English names, translated each time they are shown. Fixed ten-byte entries:
// "Wednesday" and "September" fill one with their terminating NUL.
const char kDayNames[7][10] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                               "Thursday", "Friday", "Saturday"};
const char kMonthNames[13][10] = {"",        "January",  "February", "March",    "April",
                                  "May",     "June",     "July",     "August",   "September",
                                  "October", "November", "December"};

// Day 0 of the count is Julian day 2400000.5. The conversions are the
// classic astronomical calendar formulas on whole Julian day numbers, shifted
// to the day count (hence 2400001 and 679006); 17 November 1858 gives 0 and
// 1 January 2000 gives 51544.
const double kDayCountToJulianDay = 2400001.0;
const double kFirstGregorianJulianDay = 2299161.0;  // 15 October 1582
const long kFirstLegalDayCount = -100762;  // 1 January 1583
const long kLastLegalDayCount = 416786;    // 31 December 2999

// The four parts of a time of day, checked as the failure texts state them.
int HMSToMilliseconds(const ZQ_HMS& HMS) {
  ZQ_ASSERT_TEXT(HMS.Hours < ZQ_HoursPerDay && HMS.Minutes < ZQ_MinutesPerHour &&
                     HMS.Seconds < ZQ_SecondsPerMinute &&
                     HMS.Milliseconds < ZQ_MillisecondsPerSecond,
                 "HMS.Hours < ZQ_HoursPerDay and HMS.Minutes < ZQ_MinutesPerHour and "
                 "HMS.Seconds < ZQ_SecondsPerMinute and HMS.Milliseconds < "
                 "ZQ_MillisecondsPerSecond");
  ZQ_ASSERT_TEXT(HMS.Hours >= 0 && HMS.Minutes >= 0 && HMS.Seconds >= 0 &&
                     HMS.Milliseconds >= 0,
                 "HMS.Hours >= 0 and HMS.Minutes >= 0 and HMS.Seconds >= 0 and "
                 "HMS.Milliseconds >= 0");
  return ((HMS.Hours * ZQ_MinutesPerHour + HMS.Minutes) * ZQ_SecondsPerMinute +
          HMS.Seconds) * ZQ_MillisecondsPerSecond + HMS.Milliseconds;
}

// Day count of a date by the Gregorian formula, with no check. Double
// precision throughout; trunc cuts toward zero.
int DMYToDayCount(const ZQ_DMY& DMY) {
  double y = DMY.Year;
  double m = DMY.Month;
  if (DMY.Month < 3) {
    y -= 1;
    m += 12;
  }
  const double a = std::trunc(y * 0.01);
  const double b = 2 - a + std::trunc(a / 4);
  return static_cast<int>(std::trunc(365.25 * y) + std::trunc(30.6001 * (m + 1)) + b +
                          DMY.Day - 679006);
}

void CheckElapsedTimeParts(int Days, int Milliseconds) {
  ZQ_ASSERT_TEXT(!((Days > 0 && Milliseconds < 0) || (Days < 0 && Milliseconds > 0)),
                 "not (((DM.Days > 0) and (DM.Milliseconds < 0)) or ((DM.Days < 0) and "
                 "(DM.Milliseconds > 0)))");
  // Written so that the most negative int is caught too.
  ZQ_ASSERT_TEXT(Milliseconds > -ZQ_MillisecondsPerDay && Milliseconds < ZQ_MillisecondsPerDay,
                 "Abs (DM.Milliseconds) < ZQ_MillisecondsPerDay");
}

SYSTEMTIME ReadLocalTime() {
  SYSTEMTIME now;
  ZQLOW_WINBASE::GetLocalTime(&now);
  return now;
}

ZQ_Date DateOf(const SYSTEMTIME& Now) { return ZQ_Date(Now.wDay, Now.wMonth, Now.wYear); }

ZQ_Time TimeOf(const SYSTEMTIME& Now) {
  ZQ_Time time;
  time.SetHMS(Now.wHour, Now.wMinute, Now.wSecond, Now.wMilliseconds);
  return time;
}

}  // namespace

// ZQ_Time

ZQ_HMS ZQ_Time::GetHMS() const {
  ZQ_TRACE_FUNCTION("ZQ_Time::GetHMS");
  const int v = MillisecondsSinceMidnight;
  const int withinHour = v % 3600000;
  const int withinMinute = withinHour % 60000;
  ZQ_HMS hms;
  hms.Hours = v / 3600000;
  hms.Minutes = withinHour / 60000;
  hms.Seconds = withinMinute / 1000;
  hms.Milliseconds = withinMinute % 1000;
  return hms;
}

void ZQ_Time::SetHMS(int Hours, int Minutes, int Seconds, int Milliseconds) {
  ZQ_TRACE_FUNCTION("ZQ_Time::SetHMS");
  MillisecondsSinceMidnight = HMSToMilliseconds(ZQ_HMS{Hours, Minutes, Seconds, Milliseconds});
}

// ZQ_Date

ZQ_Date::ZQ_Date(int Day, int Month, int Year) : ModifiedJulianDate(0) {
  ZQ_TRACE_FUNCTION("ZQ_Date::ZQ_Date");
  SetDMY(Day, Month, Year);
}

void ZQ_Date::SetDMY(const ZQ_DMY& DMY) {
  ZQ_TRACE_FUNCTION("ZQ_Date::SetDMY");
  ZQ_ASSERT_TEXT(IsLegalDate(DMY), "ZQ_Date::IsLegalDate (DMY)");
  ModifiedJulianDate = DMYToDayCount(DMY);
}

void ZQ_Date::SetDMY(int Day, int Month, int Year) { SetDMY(ZQ_DMY(Day, Month, Year)); }

ZQ_DMY ZQ_Date::GetDMY() const {
  ZQ_TRACE_FUNCTION("ZQ_Date::GetDMY");
  // Double precision throughout, so that no step overflows even for the
  // extreme day counts; every result fits an int again. The classic formulas
  // truncate, which is flooring only while the values stay positive: before
  // Julian day 0 (4713 BC) truncation broke the months, so floor is used.
  const double z = ModifiedJulianDate + kDayCountToJulianDay;
  double a = z;
  if (z >= kFirstGregorianJulianDay) {
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    a = z + 1 + alpha - std::floor(alpha / 4);
  }
  const double b = a + 1524;
  const double c = std::floor((b - 122.1) / 365.25);
  const double d = std::floor(365.25 * c);
  const double e = std::floor((b - d) / 30.6001);
  ZQ_DMY dmy;
  dmy.Day = static_cast<int>(b - d - std::floor(30.6001 * e));
  dmy.Month = static_cast<int>(e < 14 ? e - 1 : e - 13);
  dmy.Year = static_cast<int>(dmy.Month < 3 ? c - 4715 : c - 4716);
  return dmy;
}

bool ZQ_Date::IsLegalDayCount(long DayCount) {
  return DayCount >= kFirstLegalDayCount && DayCount <= kLastLegalDayCount;
}

int ZQ_Date::GetDayOfWeekIndex() const {
  // Taken in 64 bits and kept non-negative, so that every day count, however
  // far before day 0, gives an index 0 to 6.
  const long long shifted = static_cast<long long>(ModifiedJulianDate) + 2000001;
  return static_cast<int>(((shifted % 7) + 7) % 7);
}

ZQ_String ZQ_Date::GetDayOfWeekName() const { return GetDayOfWeekName(GetDayOfWeekIndex()); }

ZQ_String ZQ_Date::GetDayOfWeekName(int DayOfWeekIndex) {
  ZQ_TRACE_FUNCTION("ZQ_Date::GetDayOfWeekName");
  ZQ_ASSERT_TEXT(0 <= DayOfWeekIndex && DayOfWeekIndex < 7,
                 "0 <= DayOfWeekIndex and DayOfWeekIndex < 7");
  if (DayOfWeekIndex < 0 || DayOfWeekIndex >= 7) return ZQ_String();
  return ZQ_Internationalization_Translate(kDayNames[DayOfWeekIndex]);
}

ZQ_String ZQ_Date::GetMonthName() const { return GetMonthName(GetDMY().Month); }

ZQ_String ZQ_Date::GetMonthName(int Month) {
  ZQ_TRACE_FUNCTION("ZQ_Date::GetMonthName");
  ZQ_ASSERT_TEXT(Month >= 1 && Month <= 12, "Month >= 1 and Month <= 12");
  if (Month < 1 || Month > 12) return ZQ_String();
  return ZQ_Internationalization_Translate(kMonthNames[Month]);
}

ZQ_String ZQ_Date::GetMonthNameAbbreviation() const { return ZQ_Left(GetMonthName(), 3); }

int ZQ_Date::GetDayOfYear() const {
  ZQ_TRACE_FUNCTION("ZQ_Date::GetDayOfYear");
  const ZQ_Date firstOfJanuary(1, 1, GetDMY().Year);
  return ModifiedJulianDate - firstOfJanuary.ModifiedJulianDate + 1;
}

bool ZQ_Date::IsLeapYear(int Year) {
  ZQ_ASSERT_TEXT(Year >= 1583, "Year >= 1583");
  return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

int ZQ_Date::GetNumDaysInMonth(int Month, int Year) {
  ZQ_ASSERT_TEXT(Year >= 1583, "Year >= 1583");
  ZQ_ASSERT_TEXT(Month >= 1 && Month <= 12, "Month >= 1 and Month <= 12");
  switch (Month) {
    case 2:
      return IsLeapYear(Year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    default:
      return 31;
  }
}

bool ZQ_Date::IsLegalDate(int Day, int Month, int Year) {
  if (Year < 1583 || Year > 2999) return false;
  if (Month < 1 || Month > 12) return false;
  return Day >= 1 && Day <= GetNumDaysInMonth(Month, Year);
}

bool ZQ_Date::IsLegalDate(const ZQ_DMY& DMY) { return IsLegalDate(DMY.Day, DMY.Month, DMY.Year); }

void ZQ_Date::SetToCurrentLocalDate() {
  ZQ_TRACE_FUNCTION("ZQ_Date::SetToCurrentLocalDate");
  *this = DateOf(ReadLocalTime());
}

ZQ_Date ZQ_Date::GetCurrentLocalDate() {
  ZQ_TRACE_FUNCTION("ZQ_Date::GetCurrentLocalDate");
  return DateOf(ReadLocalTime());
}

int GetMonthIndexFromName(const char* Text, int Length) {
  ZQ_TRACE_FUNCTION("GetMonthIndexFromName");
  ZQ_ASSERT(Length >= 0 and (Text != NULL or Length == 0));
  if (Length < 3 || !Text) return 0;
  const ZQ_String wanted = ZQ_ToLowerCase(ZQ_String(Text, Length));
  // The text must be a prefix of the name: "Septembers" is no month.
  for (int pass = 0; pass < 2; ++pass) {
    for (int month = 1; month <= 12; ++month) {
      const ZQ_String name = ZQ_ToLowerCase(pass == 0 ? ZQ_Date::GetMonthName(month)
                                                      : ZQ_String(kMonthNames[month]));
      if (name.BeginsWith(wanted)) return month;
    }
  }
  return 0;
}

// ZQ_PointInTime

void ZQ_PointInTime::SetToCurrentLocal() {
  ZQ_TRACE_FUNCTION("ZQ_PointInTime::SetToCurrentLocal");
  *this = GetCurrentLocal();
}

ZQ_PointInTime ZQ_PointInTime::GetCurrentLocal() {
  ZQ_TRACE_FUNCTION("ZQ_PointInTime::GetCurrentLocal");
  const SYSTEMTIME now = ReadLocalTime();
  return ZQ_PointInTime(TimeOf(now), DateOf(now));
}

// ZQ_ElapsedTime

ZQ_ElapsedTime::ZQ_ElapsedTime(int Days, int Milliseconds) : Days(0), Milliseconds(0) {
  ZQ_TRACE_FUNCTION("ZQ_ElapsedTime::ZQ_ElapsedTime");
  SetDaysAndMilliseconds(Days, Milliseconds);
}

ZQ_ElapsedTime::ZQ_ElapsedTime(double Seconds) : Days(0), Milliseconds(0) {
  ZQ_TRACE_FUNCTION("ZQ_ElapsedTime::ZQ_ElapsedTime");
  const bool isNegative = Seconds < 0;
  const double magnitude = std::fabs(Seconds);
  // Converting a day count beyond int to int is undefined; not-a-number fails
  // the comparison too.
  const bool fits = magnitude / 86400 < 2147483647.0;
  ZQ_ASSERT_TEXT(fits, "Abs (Seconds) / 86400 < 2147483647");
  if (!fits) return;
  int days = static_cast<int>(std::trunc(magnitude / 86400));
  int milliseconds = static_cast<int>(std::trunc((magnitude - days * 86400.0) * 1000));
  // Rounding of a value a hair below a whole day can give the whole day in
  // milliseconds: carry it.
  if (milliseconds >= ZQ_MillisecondsPerDay) {
    ++days;
    milliseconds -= ZQ_MillisecondsPerDay;
  }
  if (isNegative) {
    days = -days;
    milliseconds = -milliseconds;
  }
  SetDaysAndMilliseconds(days, milliseconds);
}

void ZQ_ElapsedTime::SetDaysAndMilliseconds(int NewDays, int NewMilliseconds) {
  ZQ_TRACE_FUNCTION("ZQ_ElapsedTime::SetDaysAndMilliseconds");
  CheckElapsedTimeParts(NewDays, NewMilliseconds);
  Days = NewDays;
  Milliseconds = NewMilliseconds;
}

double ZQ_ElapsedTime::GetSeconds() const { return Days * 86400.0 + Milliseconds * 0.001; }

// Universal time

ZQ_ElapsedTime ZQ_ComputeCoordinatedUniversalTimeBias(long BiasMinutes,
                                                      long DaylightBiasMinutes,
                                                      unsigned long ZoneResult) {
  ZQ_TRACE_FUNCTION("ZQ_ComputeCoordinatedUniversalTimeBias");
  double minutes = BiasMinutes;
  // Bias is already standard time's offset, so the standard bias is never
  // added; the daylight bias only while daylight time is in force.
  if (ZoneResult == TIME_ZONE_ID_DAYLIGHT) minutes += DaylightBiasMinutes;
  return ZQ_ElapsedTime(minutes * 60.0);
}

ZQ_ElapsedTime ZQ_GetCoordinatedUniversalTimeBias() {
  ZQ_TRACE_FUNCTION("ZQ_GetCoordinatedUniversalTimeBias");
  TIME_ZONE_INFORMATION zone;
  const DWORD result = ZQLOW_WINBASE::GetTimeZoneInformation(&zone);
  if (result == TIME_ZONE_ID_INVALID) return ZQ_ElapsedTime();
  return ZQ_ComputeCoordinatedUniversalTimeBias(zone.Bias, zone.DaylightBias, result);
}

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <map>
#include <string>

#include "../foundation/AssertionTestSupport.h"
#include "../foundation/StringTestSupport.h"
#include "DateAndTimeTestSupport.h"
#include "TranslationTestSupport.h"
#include "ZQLOW_Windows.h"
#include "ZQ_Assertion.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_Internationalization.h"

namespace {

// The calendar walked one day at a time, independently of the conversions.
struct CalendarWalker {
  int day, month, year;
  bool isJulian = false;
  bool IsLeap(int y) const {
    if (isJulian) return y % 4 == 0;  // negative years too: -4 % 4 is 0
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  }
  int DaysInMonth() const {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
  }
  void Advance() {
    if (++day <= DaysInMonth()) return;
    day = 1;
    if (++month <= 12) return;
    month = 1;
    ++year;
  }
};

// ---------------------------------------------------------------------------
// Calendar conversions

TEST(ZQ_Date, EveryLegalDateRoundTripsThroughItsDayCount) {
  CalendarWalker walker{1, 1, 1583};
  int expectedCount = -100762;
  int expectedWeekday = 6;  // 1 January 1583 was a Saturday
  int dayOfYear = 1;
  int failures = 0;
  for (; walker.year <= 2999; walker.Advance(), ++expectedCount) {
    const ZQ_Date date(walker.day, walker.month, walker.year);
    const ZQ_DMY back = date.GetDMY();
    if (walker.month == 1 && walker.day == 1) dayOfYear = 1;
    const bool ok = date.GetModifiedJulianDate() == expectedCount && back.Day == walker.day &&
                    back.Month == walker.month && back.Year == walker.year &&
                    date.GetDayOfWeekIndex() == expectedWeekday &&
                    ZQ_Date::IsLegalDate(walker.day, walker.month, walker.year) &&
                    (walker.day != 1 || date.GetDayOfYear() == dayOfYear);
    if (!ok && ++failures <= 5)
      ADD_FAILURE() << walker.day << "." << walker.month << "." << walker.year << " count "
                    << date.GetModifiedJulianDate() << " (want " << expectedCount << ") back "
                    << back.Day << "." << back.Month << "." << back.Year;
    expectedWeekday = (expectedWeekday + 1) % 7;
    ++dayOfYear;
  }
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(expectedCount - 1, ZQ_Date(31, 12, 2999).GetModifiedJulianDate());
}

TEST(ZQ_Date, KnownDayCountsConvertBothWays) {
  const struct { int count, day, month, year; const char* why; } kCases[] = {
      {0, 17, 11, 1858, "day 0"},
      {51544, 1, 1, 2000, "the usual check value"},
      {51603, 29, 2, 2000, "leap day of a year divisible by 400"},
      {-100762, 1, 1, 1583, "first legal day"},
      {-1, 16, 11, 1858, "the day before day 0"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQ_Date(c.day, c.month, c.year).GetModifiedJulianDate(), c.count);
    ZQ_Date date;
    date.SetModifiedJulianDate(c.count);
    const ZQ_DMY dmy = date.GetDMY();
    EXPECT_EQ(dmy.Day, c.day);
    EXPECT_EQ(dmy.Month, c.month);
    EXPECT_EQ(dmy.Year, c.year);
  }
}

TEST(ZQ_Date, DayCountsBeforeTheGregorianReformGiveJulianDates) {
  const struct { int count, day, month, year; } kCases[] = {
      {-100840, 15, 10, 1582},  // the first Gregorian day
      {-100841, 4, 10, 1582},   // the day before it, in the Julian calendar
  };
  for (const auto& c : kCases) {
    ZQ_Date date;
    date.SetModifiedJulianDate(c.count);
    const ZQ_DMY dmy = date.GetDMY();
    EXPECT_EQ(dmy.Day, c.day) << c.count;
    EXPECT_EQ(dmy.Month, c.month) << c.count;
    EXPECT_EQ(dmy.Year, c.year) << c.count;
  }
}

TEST(ZQ_Date, ExtremeDayCountsConvertWithoutFaultAndKeepAWeekday) {
  for (const int count : {INT_MIN, INT_MIN + 1, -2000002, -2000001, INT_MAX}) {
    SCOPED_TRACE(count);
    ZQ_Date date;
    date.SetModifiedJulianDate(count);
    const ZQ_DMY dmy = date.GetDMY();
    EXPECT_GE(dmy.Month, 1);
    EXPECT_LE(dmy.Month, 12);
    const int weekday = date.GetDayOfWeekIndex();
    EXPECT_GE(weekday, 0);
    EXPECT_LT(weekday, 7);
    EXPECT_NO_THROW(date.GetDayOfWeekName());  // no assertion on the index
  }
  ZQ_Date before, after;
  before.SetModifiedJulianDate(-2000002);
  after.SetModifiedJulianDate(-2000001);
  EXPECT_EQ((before.GetDayOfWeekIndex() + 1) % 7, after.GetDayOfWeekIndex());
}

// Before Julian day 0 (day -2400001) the conversion once truncated toward
// zero and gave months of 0 and below, which formatting refused.
TEST(ZQ_Date, DayCountsFarInThePastGiveJulianDatesThatFormat) {
  CalendarWalker walker{16, 8, -4740, true};
  for (int count = -2410000; count <= -2390000; ++count, walker.Advance()) {
    ZQ_Date date;
    date.SetModifiedJulianDate(count);
    const ZQ_DMY dmy = date.GetDMY();
    ASSERT_TRUE(dmy.Day == walker.day && dmy.Month == walker.month && dmy.Year == walker.year)
        << count << ": " << dmy.Day << "." << dmy.Month << "." << dmy.Year;
  }
  ZQ_Date date;
  date.SetModifiedJulianDate(-2401464);
  EXPECT_EQ(Text(date.Format("{Date}")), "December 30, -4717");
}

TEST(ZQ_Date, LegalityFollowsTheYearRangeAndTheLeapRules) {
  const struct { int day, month, year; bool legal; const char* why; } kCases[] = {
      {29, 2, 2000, true, "divisible by 400"},
      {29, 2, 1900, false, "divisible by 100 only"},
      {29, 2, 2100, false, "divisible by 100 only"},
      {29, 2, 2004, true, "divisible by 4"},
      {29, 2, 2003, false, "common year"},
      {1, 1, 1583, true, "first legal day"},
      {31, 12, 2999, true, "last legal day"},
      {31, 12, 1582, false, "year before the range"},
      {1, 1, 3000, false, "year after the range"},
      {31, 4, 2000, false, "April has 30 days"},
      {0, 1, 2000, false, "day 0"},
      {1, 0, 2000, false, "month 0"},
      {1, 13, 2000, false, "month 13"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQ_Date::IsLegalDate(c.day, c.month, c.year), c.legal);
    EXPECT_EQ(ZQ_Date::IsLegalDate(ZQ_DMY(c.day, c.month, c.year)), c.legal);
  }
  EXPECT_TRUE(ZQ_Date::IsLegalDate(ZQ_DMY()));  // 9 September 1999
  ZQ_Date leapDay(28, 2, 2000);
  leapDay.SetModifiedJulianDate(leapDay.GetModifiedJulianDate() + 1);
  EXPECT_EQ(leapDay.GetDMY().Day, 29);
}

TEST(ZQ_Date, DayOfYearCountsFromTheFirstOfJanuary) {
  const struct { int day, month, year, want; } kCases[] = {
      {1, 1, 2001, 1}, {31, 12, 2000, 366}, {31, 12, 1999, 365}, {1, 3, 1900, 60}, {1, 3, 2000, 61},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(ZQ_Date(c.day, c.month, c.year).GetDayOfYear(), c.want)
        << c.day << "." << c.month << "." << c.year;
}

// ---------------------------------------------------------------------------
// Names

TEST(ZQ_Date, DayAndMonthNamesAreEnglishByDefault) {
  const ZQ_Date millennium(1, 1, 2000);
  EXPECT_EQ(Text(millennium.GetDayOfWeekName()), "Saturday");
  EXPECT_EQ(Text(ZQ_Date().GetDayOfWeekName()), "Wednesday");
  EXPECT_EQ(Text(ZQ_Date(9, 9, 1999).GetMonthName()), "September");
  EXPECT_EQ(Text(ZQ_Date(9, 9, 1999).GetMonthNameAbbreviation()), "Sep");
  EXPECT_EQ(Text(ZQ_Date::GetDayOfWeekName(0)), "Sunday");
}

class TranslatedNames : public testing::Test {
 protected:
  void SetUp() override {
    ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_Normal);
  }
  TestDictionary dictionary{
      {{"September", "Septembre"}, {"March", "Mars"}, {"Monday", "Lundi"}, {"May", "Mai"}}};
};

TEST_F(TranslatedNames, NamesPassTheTranslationEachTimeTheyAreShown) {
  EXPECT_EQ(Text(ZQ_Date(9, 9, 1999).GetMonthName()), "Septembre");
  EXPECT_EQ(Text(ZQ_Date(9, 3, 1999).GetMonthNameAbbreviation()), "Mar");
  EXPECT_EQ(Text(ZQ_Date::GetDayOfWeekName(1)), "Lundi");
  TestDictionary::Current().clear();
  EXPECT_EQ(Text(ZQ_Date::GetDayOfWeekName(1)), "Monday");
}

TEST_F(TranslatedNames, MonthNamesMatchTranslatedPrefixesFirstThenEnglish) {
  const struct { const char* text; int want; const char* why; } kCases[] = {
      {"septembre", 9, "whole translated name"},
      {"SEPT", 9, "prefix, any case"},
      {"september", 9, "not a prefix of the translation: the English name"},
      {"mars", 3, "translated"},
      {"mar", 3, "prefix of both"},
      {"mai", 5, "translated May"},
      {"may", 5, "English May"},
      {"mayo", 0, "longer than both names"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(GetMonthIndexFromName(c.text, static_cast<int>(std::string(c.text).size())), c.want);
  }
}

TEST(ZQ_Date, MonthIndexFromNameTakesPrefixesOfThreeOrMore) {
  const struct { const char* text; int length; int want; const char* why; } kCases[] = {
      {"sep", 3, 9, "three letters"},
      {"Sept", 4, 9, "mixed case"},
      {"SEPTEMBER", 9, 9, "whole name"},
      {"mar", 3, 3, "March before May"},
      {"ma", 2, 0, "too short"},
      {"Septembers", 10, 0, "longer than the name"},
      {"jun", 3, 6, "June"},
      {"jul", 3, 7, "July"},
      {"decimal", 3, 12, "only Length characters are read"},
      {"xyz", 3, 0, "no month"},
      {"", 0, 0, "empty"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(GetMonthIndexFromName(c.text, c.length), c.want);
  }
}

// ---------------------------------------------------------------------------
// Times of day

TEST(ZQ_Time, MillisecondsBreakDownIntoHoursMinutesSecondsAndMilliseconds) {
  const struct { int h, m, s, ms, total; } kCases[] = {
      {0, 0, 0, 0, 0},
      {23, 59, 59, 999, 86399999},
      {12, 0, 0, 0, 43200000},
      {14, 5, 9, 7, 50709007},
      {0, 0, 1, 1, 1001},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.total);
    ZQ_Time time;
    time.SetHMS(c.h, c.m, c.s, c.ms);
    EXPECT_EQ(time.GetMillisecondsSinceMidnight(), c.total);
    ExpectHMS(time, c.h, c.m, c.s, c.ms);
  }
}

// ---------------------------------------------------------------------------
// Assertions

TEST(ZQ_DateAndTime, IllegalValuesFailTheirAssertions) {
  const char* kTooLarge =
      "HMS.Hours < ZQ_HoursPerDay and HMS.Minutes < ZQ_MinutesPerHour and HMS.Seconds < "
      "ZQ_SecondsPerMinute and HMS.Milliseconds < ZQ_MillisecondsPerSecond";
  const char* kNegative =
      "HMS.Hours >= 0 and HMS.Minutes >= 0 and HMS.Seconds >= 0 and HMS.Milliseconds >= 0";
  const char* kOppositeSigns =
      "not (((DM.Days > 0) and (DM.Milliseconds < 0)) or ((DM.Days < 0) and "
      "(DM.Milliseconds > 0)))";
  const char* kTooManyMilliseconds = "Abs (DM.Milliseconds) < ZQ_MillisecondsPerDay";
  ZQ_Time time;
  ZQ_Date date;
  ZQ_ElapsedTime elapsed;
  const struct { std::string failure; const char* condition; const char* why; } kCases[] = {
      {AssertionFailureOf([&] { time.SetHMS(24, 0, 0, 0); }), kTooLarge, "hour 24"},
      {AssertionFailureOf([&] { time.SetHMS(0, 0, 0, 1000); }), kTooLarge, "1000 ms"},
      {AssertionFailureOf([&] { time.SetHMS(0, -1, 0, 0); }), kNegative, "negative minute"},
      {AssertionFailureOf([&] { ZQ_Date(29, 2, 1900); }), "ZQ_Date::IsLegalDate (DMY)", "1900"},
      {AssertionFailureOf([&] { date.SetDMY(1, 1, 3000); }), "ZQ_Date::IsLegalDate (DMY)", "3000"},
      {AssertionFailureOf([&] { ZQ_Date::IsLeapYear(1582); }), "Year >= 1583", "leap 1582"},
      {AssertionFailureOf([&] { ZQ_Date::GetNumDaysInMonth(13, 2000); }),
       "Month >= 1 and Month <= 12", "month 13"},
      {AssertionFailureOf([&] { ZQ_Date::GetDayOfWeekName(7); }),
       "0 <= DayOfWeekIndex and DayOfWeekIndex < 7", "weekday 7"},
      {AssertionFailureOf([&] { ZQ_ElapsedTime(1, -5); }), kOppositeSigns, "opposite signs"},
      {AssertionFailureOf([&] { elapsed.SetDaysAndMilliseconds(-1, 5); }), kOppositeSigns,
       "opposite signs"},
      {AssertionFailureOf([&] { ZQ_ElapsedTime(0, 86400000); }), kTooManyMilliseconds,
       "a whole day"},
      {AssertionFailureOf([&] { ZQ_ElapsedTime(0, INT_MIN); }), kTooManyMilliseconds,
       "most negative"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_TRUE(FailedOn(c.failure, c.condition)) << c.failure;
    EXPECT_NE(c.failure.find("ZQ_DateAndTime"), std::string::npos) << c.failure;
  }
  EXPECT_EQ(AssertionFailureOf([&] { ZQ_Date::IsLegalDate(29, 2, 1500); }), "");
}

TEST(ZQ_DateAndTime, AnIgnoredAssertionKeepsTheValueAsGiven) {
  ZQ_Time time;
  ZQ_ElapsedTime elapsed;
  {
    IgnoringAssertions ignoring;
    time.SetHMS(24, 0, 0, 0);
    elapsed.SetDaysAndMilliseconds(1, -5);
  }
  EXPECT_EQ(time.GetMillisecondsSinceMidnight(), 86400000);
  int days = 0, ms = 0;
  elapsed.GetDaysAndMilliseconds(days, ms);
  EXPECT_EQ(days, 1);
  EXPECT_EQ(ms, -5);
}

// ---------------------------------------------------------------------------
// Points in time and durations

TEST(ZQ_PointInTime, DatesDecideBeforeTimes) {
  ZQ_Time morning, evening;
  morning.SetHMS(8, 0, 0, 0);
  evening.SetHMS(20, 0, 0, 0);
  const ZQ_Date monday(3, 1, 2000), tuesday(4, 1, 2000);
  const ZQ_PointInTime mondayEvening(evening, monday), tuesdayMorning(morning, tuesday),
      mondayMorning(morning, monday);
  EXPECT_TRUE(mondayEvening < tuesdayMorning);
  EXPECT_TRUE(mondayEvening <= tuesdayMorning);
  EXPECT_FALSE(tuesdayMorning <= mondayEvening);
  EXPECT_TRUE(mondayMorning < mondayEvening);
  EXPECT_TRUE(mondayMorning <= mondayMorning);
  EXPECT_FALSE(mondayMorning < mondayMorning);
  EXPECT_FALSE(mondayMorning == mondayEvening);
  ZQ_PointInTime copy;
  copy.Set(morning, monday);
  EXPECT_TRUE(copy == mondayMorning);
}

TEST(ZQ_ElapsedTime, SecondsSplitIntoDaysAndMillisecondsOfOneSign) {
  const struct { double seconds; int days, ms; double back; } kCases[] = {
      {-90061.5, -1, -3661500, -90061.5},
      {90061.5, 1, 3661500, 90061.5},
      {0.0, 0, 0, 0.0},
      {86400.0, 1, 0, 86400.0},
      {-0.0015, 0, -1, -0.001},
      {172799.9999, 1, 86399999, 172799.999},
      {18000.0, 0, 18000000, 18000.0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.seconds);
    int days = 7, ms = 7;
    ZQ_ElapsedTime(c.seconds).GetDaysAndMilliseconds(days, ms);
    EXPECT_EQ(days, c.days);
    EXPECT_EQ(ms, c.ms);
    EXPECT_DOUBLE_EQ(ZQ_ElapsedTime(c.seconds).GetSeconds(), c.back);
  }
}

TEST(ZQ_ElapsedTime, SecondsBeyondTheDayCountAssertAndGiveZero) {
  const double kCases[] = {1e20, -1e20, std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity()};
  for (const double seconds : kCases) {
    SCOPED_TRACE(seconds);
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { ZQ_ElapsedTime{seconds}; }),
                         "Abs (Seconds) / 86400 < 2147483647"));
    IgnoringAssertions ignoring;
    EXPECT_TRUE(ZQ_ElapsedTime(seconds) == ZQ_ElapsedTime());
  }
}

TEST(ZQ_ElapsedTime, DaysDecideBeforeMilliseconds) {
  EXPECT_TRUE(ZQ_ElapsedTime(0, 86399999) < ZQ_ElapsedTime(1, 0));
  EXPECT_TRUE(ZQ_ElapsedTime(-1, 0) < ZQ_ElapsedTime(0, -5));
  EXPECT_TRUE(ZQ_ElapsedTime(1, 5) < ZQ_ElapsedTime(1, 6));
  EXPECT_FALSE(ZQ_ElapsedTime(1, 5) < ZQ_ElapsedTime(1, 5));
  EXPECT_TRUE(ZQ_ElapsedTime(1, 5) == ZQ_ElapsedTime(1, 5));
}

// ---------------------------------------------------------------------------
// The clock and the time zone

TEST(ZQ_DateAndTime, UniversalTimeBiasAddsOnlyTheDaylightBiasInDaylightTime) {
  const struct { long bias, daylightBias; unsigned long result; double wantSeconds; const char* why; }
      kCases[] = {
          {300, -60, TIME_ZONE_ID_STANDARD, 18000.0, "five hours west, standard time"},
          {300, -60, TIME_ZONE_ID_DAYLIGHT, 14400.0, "five hours west, daylight time"},
          {300, -60, TIME_ZONE_ID_UNKNOWN, 18000.0, "no daylight rules"},
          {-330, 0, TIME_ZONE_ID_STANDARD, -19800.0, "east of Greenwich: negative"},
          {-60, -60, TIME_ZONE_ID_DAYLIGHT, -7200.0, "east, daylight"},
      };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ZQ_ElapsedTime bias = ZQ_ComputeCoordinatedUniversalTimeBias(c.bias, c.daylightBias, c.result);
    EXPECT_DOUBLE_EQ(bias.GetSeconds(), c.wantSeconds);
    int days = 1, ms = 1;
    bias.GetDaysAndMilliseconds(days, ms);
    EXPECT_EQ(days, 0);
    EXPECT_EQ(ms, static_cast<int>(c.wantSeconds * 1000));
  }
}

ZQ_PointInTime FromSystemTime(const SYSTEMTIME& now) {
  ZQ_Time time;
  time.SetHMS(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
  return ZQ_PointInTime(time, ZQ_Date(now.wDay, now.wMonth, now.wYear));
}

TEST(ZQ_DateAndTime, CurrentLocalTimeLiesBetweenTwoReadingsOfTheClock) {
  SYSTEMTIME before, after;
  ::GetLocalTime(&before);
  const ZQ_PointInTime now = ZQ_PointInTime::GetCurrentLocal();
  ZQ_PointInTime set;
  set.SetToCurrentLocal();
  ZQ_Date today;
  today.SetToCurrentLocalDate();
  const ZQ_Date alsoToday = ZQ_Date::GetCurrentLocalDate();
  ::GetLocalTime(&after);
  const ZQ_PointInTime first = FromSystemTime(before), last = FromSystemTime(after);
  EXPECT_TRUE(first <= now && now <= set && set <= last);
  EXPECT_TRUE(!(today < first.GetDate()) && !(last.GetDate() < alsoToday));
}

}  // namespace

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "../foundation/AssertionTestSupport.h"
#include "../foundation/StringTestSupport.h"
#include "DateAndTimeTestSupport.h"
#include "TranslationTestSupport.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_DateAndTimeFormat.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"

namespace {

// ---------------------------------------------------------------------------
// Time formats

TEST(ZQ_Time, FormatFillsEveryTimeField) {
  const struct { int h, m, s, ms; const char* format; const char* want; const char* why; } kCases[] = {
      // documented examples
      {14, 5, 9, 7, "{Time}", "2:05 PM", "default time format"},
      {14, 5, 9, 7, "{24Hour2Digit}h{Minute}", "14h05", "text between fields kept"},
      {14, 5, 9, 7, "{12HourExactTime}.{Millisecond}", "2:05:09 PM.007", "composite then field"},
      // every composite
      {14, 5, 9, 7, "{12HourTime}", "2:05 PM", "same as Time"},
      {14, 5, 9, 7, "{24HourTime}", "14:05", "24-hour clock"},
      {14, 5, 9, 7, "{ExactTime}", "2:05:09 PM", "with seconds"},
      {14, 5, 9, 7, "{24HourExactTime}", "14:05:09", "24-hour clock with seconds"},
      // every single field
      {14, 5, 9, 7, "{12Hour}|{Hour}|{24Hour}|{24Hour2Digit}", "2|14|14|14", "hours"},
      {14, 5, 9, 7, "{Minute}|{Second}|{Millisecond}|{AMPM}", "05|09|007|PM", "padded parts"},
      {9, 0, 0, 0, "{Hour} {24Hour2Digit}", "9 09", "Hour is the 24-hour hour, unpadded"},
      {23, 59, 59, 999, "{24HourExactTime}.{Millisecond} {Time}", "23:59:59.999 11:59 PM",
       "last millisecond of the day"},
      {0, 0, 0, 120, "{Millisecond}", "120", "three digits need no padding"},
      // midnight and noon
      {0, 0, 0, 0, "{12Hour} {24Hour} {AMPM} {24Hour2Digit}", "12 0 AM 00", "midnight"},
      {12, 0, 0, 0, "{12Hour} {24Hour} {AMPM}", "12 12 PM", "noon"},
      {0, 30, 0, 0, "{Time}", "12:30 AM", "half past midnight"},
      {11, 59, 59, 999, "{12Hour} {AMPM}", "11 AM", "last millisecond before noon"},
      {13, 0, 0, 0, "{12Hour} {AMPM}", "1 PM", "an hour after noon"},
      // names in any case, parameters ignored
      {14, 5, 9, 7, "{time} {AmPm} {MINUTE}", "2:05 PM PM 05", "case of the name"},
      {14, 5, 9, 7, "{Minute xyz}{Second  {Nosuch}}", "0509", "parameters ignored"},
      // what the time format leaves alone
      {14, 5, 9, 7, "", "", "empty template"},
      {14, 5, 9, 7, "no fields here", "no fields here", "no fields"},
      {14, 5, 9, 7, "{Nosuch} {Date}", "{Nosuch} {Date}", "unknown and date fields"},
      {14, 5, 9, 7, "{Minute", "{Minute", "unclosed field"},
      // conditionals
      {14, 5, 9, 7, "{24Hour}:{Minute}:{Second}{IFNOTZERO Millisecond .{Millisecond}}",
       "14:05:09.007", "milliseconds shown when not zero"},
      {14, 5, 9, 0, "{24Hour}:{Minute}:{Second}{IFNOTZERO Millisecond .{Millisecond}}",
       "14:05:09", "milliseconds left out when zero"},
      {0, 5, 0, 0, "{IFNOTZERO 24Hour {24Hour}h}{Minute}", "05", "zero hour left out"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Text(MakeTime(c.h, c.m, c.s, c.ms).Format(c.format)), c.want);
  }
}

// ---------------------------------------------------------------------------
// Date formats

TEST(ZQ_Date, FormatFillsEveryDateField) {
  const struct { int d, mo, y; const char* format; const char* want; const char* why; } kCases[] = {
      // documented examples
      {4, 7, 2009, "{Date}", "July 4, 2009", "default date format"},
      {4, 7, 2009, "{FullDate}", "Saturday, July 4, 2009", "with the day name"},
      {4, 7, 2009, "{Day2Digit}.{MonthIndex2Digit}.{Year2Digit}", "04.07.09", "two digits"},
      {4, 7, 2009, "{DayOfYear}", "185", "day of the year"},
      // every composite and field
      {4, 7, 2009, "{MDYDate}", "July 4, 2009", "same as Date"},
      {4, 7, 2009, "{DMYDate}", "4 July 2009", "day first"},
      {4, 7, 2009, "{Day}/{MonthIndex}/{Year}", "4/7/2009", "unpadded numbers"},
      {4, 7, 2009, "{Month} {MonthAbbrev3Char}", "July Jul", "month names"},
      {4, 7, 2009, "{DayOfWeek} {DayOfWeekAbbrev3Char}", "Saturday Sat", "day names"},
      {25, 12, 2009, "{Day2Digit}.{MonthIndex2Digit}", "25.12", "two digits need no padding"},
      // ends of the calendar and of the year
      {1, 1, 1583, "{FullDate} {DayOfYear}", "Saturday, January 1, 1583 1", "first legal day"},
      {31, 12, 2999, "{Day2Digit}.{MonthIndex2Digit}.{Year2Digit} {DayOfYear}", "31.12.99 365",
       "last legal day"},
      {31, 12, 2008, "{DayOfYear}", "366", "end of a leap year"},
      {1, 3, 2000, "{DayOfYear}", "61", "after 29 February of a year divisible by 400"},
      {1, 3, 1900, "{DayOfYear}", "60", "1900 was no leap year"},
      {1, 1, 2000, "{Year2Digit}", "00", "a century year"},
      {17, 11, 1858, "{DayOfWeek}, {Date}", "Wednesday, November 17, 1858", "day 0"},
      // names in any case, parameters ignored
      {4, 7, 2009, "{date} {YEAR}", "July 4, 2009 2009", "case of the name"},
      {4, 7, 2009, "{Day long}{Month  x}", "4July", "parameters ignored"},
      // what the date format leaves alone
      {4, 7, 2009, "{Time} {Nosuch} plain", "{Time} {Nosuch} plain", "time and unknown fields"},
      // conditionals
      {4, 7, 2009, "{IFNOTNULL Month in {Month}}", "in July", "name present"},
      {4, 7, 2009, "{IFNOTZERO Day the {Day}th}", "the 4th", "day not zero"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Text(ZQ_Date(c.d, c.mo, c.y).Format(c.format)), c.want);
  }
}

TEST(ZQ_Date, DayOfYearOfAnIllegalDateFailsItsAssertion) {
  ZQ_Date beforeTheCalendar;
  beforeTheCalendar.SetModifiedJulianDate(-200000);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { beforeTheCalendar.Format("{DayOfYear}"); }),
                       "ZQ_Date::IsLegalDate (DMY)"));
  // The fields that need no legal year still come out.
  EXPECT_EQ(Text(beforeTheCalendar.Format("{MonthIndex2Digit}")).size(), 2u);
}

// ---------------------------------------------------------------------------
// Points in time

TEST(ZQ_PointInTime, FormatFillsDateAndTimeFields) {
  const ZQ_PointInTime withMilliseconds(kAfternoon, kJuly4);
  const ZQ_PointInTime onTheSecond(MakeTime(14, 5, 9, 0), kJuly4);
  const char* const kConditional =
      "{24Hour}:{Minute}:{Second}{IFNOTZERO Millisecond .{Millisecond}} on {Date}";
  const struct { const ZQ_PointInTime* value; const char* format; const char* want; const char* why; } kCases[] = {
      {&withMilliseconds, "{Time} on {Date}", "2:05 PM on July 4, 2009", "documented example"},
      {&withMilliseconds, "{Date}", "July 4, 2009", "date only"},
      {&withMilliseconds, "{Time}", "2:05 PM", "time only"},
      {&withMilliseconds, "{Date} {Nosuch}", "July 4, 2009 {Nosuch}", "unknown field kept"},
      {&withMilliseconds, "{24Hour}:{Minute}:{Second}.{Millisecond} on {DayOfWeek}, {Date}",
       "14:05:09.007 on Saturday, July 4, 2009", "the trace stack's form"},
      // A conditional on a time field must survive the date fields: it once
      // came out as "Millisecond .007".
      {&withMilliseconds, kConditional, "14:05:09.007 on July 4, 2009", "time conditional, not zero"},
      {&onTheSecond, kConditional, "14:05:09 on July 4, 2009", "time conditional, zero"},
      {&withMilliseconds, "{IFNOTNULL {Month} {Day2Digit}.{MonthIndex2Digit} {24Hour2Digit}h}",
       "04.07 14h", "date conditional with a time field inside"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Text(c.value->Format(c.format)), c.want);
  }
}

TEST(ZQ_PointInTime, PlainFieldsComeOutAsTheReplacersGiveThem) {
  // Templates of plain fields take a shorter way than the replacers; text and
  // capacity must be theirs, whatever the case of the names.
  const char* const kDateTemplates[] = {
      "", "no fields", "{FullDate}", "{dmydate} {DAY2DIGIT}/{MonthIndex2Digit}/{Year2Digit}",
      "{MonthAbbrev3Char} {DayOfWeekAbbrev3Char} {DayOfYear} {MonthIndex} {Year}",
      "a long text before the fields, long enough to need more than one block of the "
      "result, and longer than a hundred and twenty-eight characters, {Date} {MDYDate}"};
  const char* const kTimeTemplates[] = {
      "{Time}", "{12hourexacttime} {24HourExactTime}.{Millisecond}",
      "{12Hour}{Hour}{24Hour}{24Hour2Digit}{Minute}{Second}{AMPM}", "}{Time}"};
  const ZQ_Date dates[] = {kJuly4, ZQ_Date(1, 1, 2000), ZQ_Date(31, 12, 1999)};
  const ZQ_Time times[] = {kAfternoon, MakeTime(0, 0, 0, 0), MakeTime(23, 59, 59, 999)};
  for (const ZQ_Date& date : dates) {
    DateFormatSymbolReplacer replacer(date);
    for (const char* format : kDateTemplates) {
      SCOPED_TRACE(format);
      const ZQ_String want = replacer.Process(format);
      const ZQ_String text = date.Format(format);
      EXPECT_EQ(Text(text), Text(want));
      EXPECT_EQ(text.GetCapacity(), want.GetCapacity());
    }
  }
  for (const ZQ_Time& time : times) {
    TimeFormatSymbolReplacer replacer(time);
    for (const char* format : kTimeTemplates) {
      SCOPED_TRACE(format);
      EXPECT_EQ(Text(time.Format(format)), Text(replacer.Process(format)));
    }
  }
}

// ---------------------------------------------------------------------------
// Translated names

class TranslatedFormats : public testing::Test {
 protected:
  void SetUp() override {
    ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_Normal);
  }
  TestDictionary dictionary{{{"July", "Juli"},  {"Saturday", "Samstag"}, {"May", "M"},
                             {"Monday", "Mo"},  {"hr", "Std"},           {"days", "Tage"},
                             {"sec", "Sek"}}};
};

TEST_F(TranslatedFormats, NamesAndTheirAbbreviationsAreTranslated) {
  const struct { int d, mo, y; const char* format; const char* want; const char* why; } kCases[] = {
      {4, 7, 2009, "{FullDate}", "Samstag, Juli 4, 2009", "names translated"},
      {4, 7, 2009, "{DayOfWeekAbbrev3Char} {MonthAbbrev3Char}", "Sam Jul",
       "abbreviations cut from the translation"},
      // A translation shorter than three characters is taken whole; cutting
      // three characters from it would read past its end.
      {6, 7, 2009, "{DayOfWeekAbbrev3Char}.", "Mo.", "two-letter day name"},
      {1, 5, 2009, "{MonthAbbrev3Char}.", "M.", "one-letter month name"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Text(ZQ_Date(c.d, c.mo, c.y).Format(c.format)), c.want);
  }
}

TEST_F(TranslatedFormats, ElapsedTimeTranslatesAllUnitsButSeconds) {
  EXPECT_EQ(Text(ZQ_ElapsedTime(90061.0).IntelligentFormat("0")), "1 Tage 1 Std 1 min 1 sec");
}

// ---------------------------------------------------------------------------
// Durations

TEST(ZQ_ElapsedTime, IntelligentFormatWritesWholeUnits) {
  const struct { double seconds; const char* want; const char* why; } kCases[] = {
      {3725.4, "1 hr 2 min 5 sec", "documented example; fraction dropped"},
      {86400, "1 days", "no singular, zero units left out"},
      {0.3, "0 sec", "seconds written when nothing else is"},
      {0.0004, "none", "truncated to zero milliseconds: the zero text"},
      {0, "none", "zero"},
      {-90, "- 1 min 30 sec", "negative"},
      {-0.001, "- 0 sec", "one millisecond below zero"},
      {366 * 86400.0, "1 yr 1 days", "years of 365 days"},
      {90061, "1 days 1 hr 1 min 1 sec", "every unit but years"},
      {3600, "1 hr", "whole hour"},
      {59.999, "59 sec", "just under a minute"},
      {86399.999, "23 hr 59 min 59 sec", "just under a day"},
      {3650 * 86400.0 + 1, "10 yr 1 sec", "years and seconds only"},
      {-(3 * 31536000.0 + 7200), "- 3 yr 2 hr", "negative years"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Text(ZQ_ElapsedTime(c.seconds).IntelligentFormat("none")), c.want);
  }
}

TEST(ZQ_ElapsedTime, IntelligentFormatCopesWithTheLongestDurations) {
  EXPECT_EQ(Text(ZQ_ElapsedTime(2147483647, 86399999).IntelligentFormat("0")),
            "5883516 yr 307 days 23 hr 59 min 59 sec");
  EXPECT_EQ(Text(ZQ_ElapsedTime(-2147483647, -86399999).IntelligentFormat("0")),
            "- 5883516 yr 307 days 23 hr 59 min 59 sec");
}

// ---------------------------------------------------------------------------
// Trace stack

TEST(ZQ_StackTrace, DateAndTimeVariablesHaveTheirTextForms) {
  const ZQ_ElapsedTime elapsed(3725.4);
  const ZQ_PointInTime pointInTime(kAfternoon, kJuly4);
  const struct { long code; const void* address; const char* want; } kCases[] = {
      {ZQ_StackTrace_TypeCode<ZQ_ElapsedTime>::Value, &elapsed, "1 hr 2 min 5 sec"},
      {ZQ_StackTrace_TypeCode<ZQ_Date>::Value, &kJuly4, "Saturday, July 4, 2009"},
      {ZQ_StackTrace_TypeCode<ZQ_Time>::Value, &kAfternoon, "14:05:09.007"},
      {ZQ_StackTrace_TypeCode<ZQ_PointInTime>::Value, &pointInTime,
       "14:05:09.007 on Saturday, July 4, 2009"},
  };
  long wantCode = 21;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(c.code, wantCode++);
    const ZQ_StackTrace_VarFormatter formatter = ZQ_StackTrace_VarFormatterFunTable[c.code];
    ASSERT_NE(formatter, nullptr);
    EXPECT_EQ(Text(formatter(c.address)), c.want);
  }
}

TEST(ZQ_StackTrace, DateAndTimeCodesAreTakenOnce) {
  for (long code = 21; code <= 24; ++code) {
    SCOPED_TRACE(code);
    const std::string failure =
        AssertionFailureOf([&] { ZQ_StackTrace_RegisterVarFormatter again(code, nullptr); });
    EXPECT_TRUE(FailedOn(failure, "ZQ_StackTrace_VarFormatterFunTable [TypeCode] == NULL"));
    EXPECT_NE(ZQ_StackTrace_VarFormatterFunTable[code], nullptr);
  }
}

}  // namespace

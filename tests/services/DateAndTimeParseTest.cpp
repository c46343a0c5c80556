#include <gtest/gtest.h>

#include <string>

#include "DateAndTimeTestSupport.h"
#include "ZQ_DateAndTime.h"

namespace {

const int kNoTime = -1;  // expected failure

struct TimeCase {
  const char* in;
  int hour, minute, second, millisecond;  // hour kNoTime: rejected
  const char* why;
};

TEST(ZQ_TimeParse, ReadsTheCommonFormsAndRejectsTheRest) {
  const TimeCase kCases[] = {
      // accepted forms
      {"14:05", 14, 5, 0, 0, "24-hour clock"},
      {"14:15", 14, 15, 0, 0, "24-hour clock, as the workspace takes it"},
      {"2:15pm", 14, 15, 0, 0, "pm without a blank"},
      {"2:05 pm", 14, 5, 0, 0, "pm after a blank"},
      {"2:05PM", 14, 5, 0, 0, "upper-case PM"},
      {"2:05 p.m.", 14, 5, 0, 0, "p.m. with points"},
      {"12:00 AM", 0, 0, 0, 0, "midnight"},
      {"12:30 pm", 12, 30, 0, 0, "12 pm stays 12"},
      {"12:30 am", 0, 30, 0, 0, "12 am is hour 0"},
      {"  9:30:15  ", 9, 30, 15, 0, "white space around"},
      {"9:30:15.25", 9, 30, 15, 250, "fraction of a second"},
      {"9:30:59.9996", 9, 30, 59, 999, "milliseconds never reach 1000"},
      {"9:30:15.0005", 9, 30, 15, 0, "half a millisecond rounds down"},
      {"0:00", 0, 0, 0, 0, "hour 0 without a marker"},
      {"23:59:59.999", 23, 59, 59, 999, "last millisecond of the day"},
      // rejected
      {"24:00", kNoTime, 0, 0, 0, "hour above 23"},
      {"12:60", kNoTime, 0, 0, 0, "minute above 59"},
      {"9:30:60", kNoTime, 0, 0, 0, "seconds of 60"},
      {"0:00 pm", kNoTime, 0, 0, 0, "marker after hour 0"},
      {"13:00 pm", kNoTime, 0, 0, 0, "marker after an hour above 12"},
      {"9:30:", kNoTime, 0, 0, 0, "digits must follow ':'"},
      {"9:30:15.", kNoTime, 0, 0, 0, "digits must follow '.'"},
      {"2:05 px", kNoTime, 0, 0, 0, "p not followed by m"},
      {"14:05 and", kNoTime, 0, 0, 0, "a starts a marker"},
      {"1405", kNoTime, 0, 0, 0, "':' required"},
      {":05", kNoTime, 0, 0, 0, "hour digits required"},
      {"", kNoTime, 0, 0, 0, "empty text"},
      {"99999999999:00", kNoTime, 0, 0, 0, "a huge hour does not overflow into range"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_Time result;
    result.SetMillisecondsSinceMidnight(12345);
    const bool ok = ZQ_Time::Parse(c.in, result, 0, nullptr);
    ASSERT_EQ(ok, c.hour != kNoTime) << c.in;
    if (!ok) {
      EXPECT_EQ(result.GetMillisecondsSinceMidnight(), 12345) << "result left alone";
      continue;
    }
    ExpectHMS(result, c.hour, c.minute, c.second, c.millisecond);
  }
}

// Digits far beyond the millisecond change no result. A million of them
// took a minute when every digit went into the conversion.
TEST(ZQ_TimeParse, AFractionOfAMillionDigitsReadsLikeItsShortForm) {
  const std::string kNines(1000000, '9');
  const struct { std::string text; int milliseconds; } kCases[] = {
      {"23:59:59.9" + kNines, 86399999}, {"0:00:00.0004" + kNines, 0},  // as .0005
      {"12:00:00.25" + std::string(1000000, '0') + "1 am", 250}};
  for (const auto& c : kCases) {
    ZQ_Time result;
    ASSERT_TRUE(ZQ_Time::Parse(ZQ_String(c.text.c_str()), result, 0, nullptr));
    EXPECT_EQ(result.GetMillisecondsSinceMidnight(), c.milliseconds);
  }
}

TEST(ZQ_TimeParse, EndIndexAllowsTrailingTextAndReportsWhereTheMatchEnded) {
  const struct { const char* in; bool ok; int end; const char* why; } kCases[] = {
      {"14:05 then", true, 6, "index of the t, after the skipped blank"},
      {"14:05", true, 5, "whole text"},
      {"2:05 pm, later", true, 7, "after the marker"},
      {"14:05 and", false, 0, "a must go on with m"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_Time result;
    int end = -1;
    ASSERT_EQ(ZQ_Time::Parse(c.in, result, 0, &end), c.ok);
    if (c.ok) {
      EXPECT_EQ(end, c.end);
    }
  }
}

TEST(ZQ_TimeParse, TrailingTextFailsButTheResultIsAlreadySet) {
  ZQ_Time result;
  EXPECT_FALSE(ZQ_Time::Parse("14:05 xyz", result, 0, nullptr));
  EXPECT_EQ(result.GetMillisecondsSinceMidnight(), (14 * 60 + 5) * 60000);
}

TEST(ZQ_TimeParse, ATextWithAnEmbeddedNulIsRejected) {
  ZQ_Time result;
  EXPECT_FALSE(ZQ_Time::Parse(ZQ_String("14:05\0x", 7), result, 0, nullptr));
}

struct DateCase {
  const char* in;
  int flags;
  int day, month, year;  // day 0: rejected
  const char* why;
};

TEST(ZQ_DateParse, ReadsTheCommonFormsAndRejectsTheRest) {
  const int US = ZQ_Date::Parse_US;
  const DateCase kCases[] = {
      // forms without the US flag
      {"July 4, 2009", 0, 4, 7, 2009, "month name, comma"},
      {"Jul. 4 2009", 0, 4, 7, 2009, "abbreviation with a point"},
      {"jul-4-2009", 0, 4, 7, 2009, "dashes, lower case"},
      {"4 July 2009", 0, 4, 7, 2009, "day first"},
      {"4-Jul-2009", 0, 4, 7, 2009, "day first with dashes"},
      {"2009-07-04", 0, 4, 7, 2009, "ISO"},
      {"2009-7-4", 0, 4, 7, 2009, "ISO without leading zeros"},
      {"May 15 2010", 0, 15, 5, 2010, "as the workspace takes it"},
      {"Sept 4, 2009", 0, 4, 9, 2009, "four-letter prefix"},
      {"SEPTEMBER 4, 2009", 0, 4, 9, 2009, "upper case"},
      {" 29 Feb 2008 ", 0, 29, 2, 2008, "leap day, white space around"},
      // the US flag adds month/day/year and two-digit years
      {"7/4/2009", US, 4, 7, 2009, "M/D/Y"},
      {"7/4/09", US, 4, 7, 2009, "M/D/YY"},
      {"12/31/1999", US, 31, 12, 1999, "M/D/Y end of year"},
      {"July 4, 49", US, 4, 7, 2049, "two-digit year below 50"},
      {"4 Jul 50", US, 4, 7, 1950, "two-digit year from 50"},
      {"May 15 2010", US, 15, 5, 2010, "names still read with the flag"},
      // rejected
      {"7/4/2009", 0, 0, 0, 0, "M/D/Y needs the US flag"},
      {"July 4, 49", 0, 0, 0, 0, "year 49 without the flag"},
      {"4 7 2009", US, 0, 0, 0, "the month must be a name in that form"},
      {"09-07-04", US, 0, 0, 0, "a two-digit first number is a day"},
      {"Se 4, 2009", 0, 0, 0, 0, "two letters match no month"},
      {"Jully 4, 2009", 0, 0, 0, 0, "no month"},
      {"4.July 2009", 0, 0, 0, 0, "missing separator"},
      {"31 April 2009", 0, 0, 0, 0, "day beyond the month"},
      {"29 Feb 2009", 0, 0, 0, 0, "29 February of a common year"},
      {"1 Jan 1582", 0, 0, 0, 0, "year before 1583"},
      {"1 Jan 3000", 0, 0, 0, 0, "year after 2999"},
      {"2009-13-01", 0, 0, 0, 0, "month 13"},
      {"13/1/2009", US, 0, 0, 0, "US month 13"},
      {"July 4 2009 x", 0, 0, 0, 0, "text after the value"},
      {"2009-07-04999999999999", 0, 0, 0, 0, "a huge day does not overflow into range"},
      {"", 0, 0, 0, 0, "empty text"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_Date result;
    result.SetModifiedJulianDate(777);
    const bool ok = ZQ_Date::Parse(c.in, result, c.flags, nullptr);
    ASSERT_EQ(ok, c.day != 0) << c.in;
    if (!ok) {
      if (std::string(c.in).find(" x") == std::string::npos) {
        EXPECT_EQ(result.GetModifiedJulianDate(), 777) << "result left alone";
      }
      continue;
    }
    const ZQ_DMY dmy = result.GetDMY();
    EXPECT_EQ(dmy.Day, c.day);
    EXPECT_EQ(dmy.Month, c.month);
    EXPECT_EQ(dmy.Year, c.year);
  }
}

TEST(ZQ_DateParse, EndIndexStopsAfterTheYear) {
  ZQ_Date result;
  int end = -1;
  ASSERT_TRUE(ZQ_Date::Parse("July 4, 2009 at noon", result, 0, &end));
  EXPECT_EQ(end, 12);
  EXPECT_EQ(result, ZQ_Date(4, 7, 2009));
}

}  // namespace

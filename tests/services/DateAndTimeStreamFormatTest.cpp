#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../foundation/StringTestSupport.h"
#include "DateAndTimeTestSupport.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_DateAndTimeStreamFormat.h"
#include "ZQ_StringStream.h"

namespace {

const ZQ_PointInTime kPointInTime(kAfternoon, kJuly4);

// What a fresh string stream holds after Write.
std::string Written(const std::function<void(ZQ_TextStreamFormatter&)>& Write) {
  ZQ_StringStream stream;
  Write(stream);
  return Text(stream);
}

TEST(ZQ_DateAndTimeStreamFormat, ValuesTakeTheStreamsFormats) {
  const struct {
    std::function<void(ZQ_TextStreamFormatter&)> write;
    const char* want;
    const char* why;
  } kCases[] = {
      // no attribute set: "{Date}" and "{Time}"
      {[](ZQ_TextStreamFormatter& s) { s << kJuly4; }, "July 4, 2009", "default date format"},
      {[](ZQ_TextStreamFormatter& s) { s << kAfternoon; }, "2:05 PM", "default time format"},
      {[](ZQ_TextStreamFormatter& s) { s << kPointInTime; }, "2:05 PM  July 4, 2009",
       "point in time: time, two spaces, date"},
      {[](ZQ_TextStreamFormatter& s) { s << ZQ_ElapsedTime(3725.4); }, "1 hr 2 min 5 sec",
       "duration"},
      {[](ZQ_TextStreamFormatter& s) { s << ZQ_ElapsedTime(); }, "0", "zero duration"},
      // formats set by the manipulators
      {[](ZQ_TextStreamFormatter& s) { s << SetDateFormat("{DMYDate}") << kJuly4; },
       "4 July 2009", "date format set"},
      {[](ZQ_TextStreamFormatter& s) { s << SetTimeFormat("{24Hour2Digit}h{Minute}") << kAfternoon; },
       "14h05", "time format set"},
      {[](ZQ_TextStreamFormatter& s) {
         s << SetTimeFormat("{24HourTime}") << SetDateFormat("{Day2Digit}.{MonthIndex2Digit}.")
           << kPointInTime;
       },
       "14:05  04.07.", "point in time takes both"},
      {[](ZQ_TextStreamFormatter& s) { s << SetDateFormat("{DMYDate}") << kAfternoon; }, "2:05 PM",
       "a date format does not touch times"},
      {[](ZQ_TextStreamFormatter& s) { s << SetTimeFormat("{Date}") << kAfternoon; }, "{Date}",
       "a time format knows no date fields"},
      {[](ZQ_TextStreamFormatter& s) {
         s << SetDateFormat("{Year}") << kJuly4 << " " << SetDateFormat("{Day}") << kJuly4;
       },
       "2009 4", "the last setting wins"},
      // one padded field
      {[](ZQ_TextStreamFormatter& s) { s << SetWidth(10) << kAfternoon; }, "   2:05 PM",
       "time right-justified"},
      {[](ZQ_TextStreamFormatter& s) { s << SetWidth(14) << SetJustification(1) << kJuly4 << "|"; },
       "July 4, 2009  |", "date left-justified"},
      {[](ZQ_TextStreamFormatter& s) { s << SetWidth(23) << SetPadChar('*') << kPointInTime; },
       "**2:05 PM  July 4, 2009", "point in time padded as a whole"},
      {[](ZQ_TextStreamFormatter& s) { s << SetWidth(8) << ZQ_ElapsedTime(60.0); }, "   1 min",
       "duration padded"},
      {[](ZQ_TextStreamFormatter& s) { s << SetWidth(3) << kJuly4; }, "July 4, 2009",
       "width below the length"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Written(c.write), c.want);
  }
}

TEST(ZQ_DateAndTimeStreamFormat, FormatsFollowTheStateStack) {
  ZQ_StringStream stream;
  EXPECT_EQ(Text(ZQ_GetDateFormat(stream)), "{Date}");
  EXPECT_EQ(Text(ZQ_GetTimeFormat(stream)), "{Time}");
  stream << SetDateFormat("{Year}");
  stream.PushState();
  stream << SetDateFormat("{MonthIndex}") << SetTimeFormat("{Hour}") << kJuly4 << kAfternoon;
  stream.PopState();
  stream << kJuly4 << kAfternoon;
  stream.ResetState();
  stream << kJuly4;
  EXPECT_EQ(Text(stream), "7142009" "2:05 PM" "July 4, 2009");
}

TEST(ZQ_DateAndTimeStreamFormat, AttributesAreRegisteredOnceAfterTheBuiltInOnes) {
  const ZQ_AttributeIndexType dateKey = ZQ_GetDateFormatAttributeKey();
  const ZQ_AttributeIndexType timeKey = ZQ_GetTimeFormatAttributeKey();
  EXPECT_GE(dateKey, ZQ_TextStreamFormatter::NumBuiltInAttributes);
  EXPECT_GE(timeKey, ZQ_TextStreamFormatter::NumBuiltInAttributes);
  EXPECT_LT(dateKey, timeKey);
  EXPECT_EQ(ZQ_GetDateFormatAttributeKey(), dateKey);
  EXPECT_EQ(ZQ_GetTimeFormatAttributeKey(), timeKey);
}

TEST(ZQ_DateAndTimeStreamFormat, ManyFormatChangesInOneStateKeepOneEntryEach) {
  // Setting an attribute that the state already holds assigns to it: a
  // thousand changes must not overflow the 255-byte state block.
  ZQ_StringStream stream;
  for (int i = 0; i < 1000; ++i) stream << SetDateFormat(i % 2 ? "{Day}" : "{Year}");
  stream << kJuly4;
  EXPECT_EQ(Text(stream), "4");
}

}  // namespace

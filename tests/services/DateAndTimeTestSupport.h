// DateAndTimeTestSupport.h: times built from their fields, and the example
// moment the format tests share.
#ifndef DATE_AND_TIME_TEST_SUPPORT_H
#define DATE_AND_TIME_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include "ZQ_DateAndTime.h"

inline ZQ_Time MakeTime(int Hours, int Minutes, int Seconds, int Milliseconds) {
  ZQ_Time time;
  time.SetHMS(Hours, Minutes, Seconds, Milliseconds);
  return time;
}

// Checks each field of Time's breakdown.
inline void ExpectHMS(const ZQ_Time& Time, int Hours, int Minutes, int Seconds, int Milliseconds) {
  const ZQ_HMS hms = Time.GetHMS();
  EXPECT_EQ(hms.Hours, Hours);
  EXPECT_EQ(hms.Minutes, Minutes);
  EXPECT_EQ(hms.Seconds, Seconds);
  EXPECT_EQ(hms.Milliseconds, Milliseconds);
}

// The example of the format documentation: 14:05:09.007 on 4 July 2009, a
// Saturday and day 185 of its year.
const ZQ_Time kAfternoon = MakeTime(14, 5, 9, 7);
const ZQ_Date kJuly4 = ZQ_Date(4, 7, 2009);

#endif

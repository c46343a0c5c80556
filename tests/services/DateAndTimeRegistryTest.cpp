#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "DateAndTimeTestSupport.h"
#include "RegistryTestSupport.h"
#include "ZQ_DateAndTimeRegistry.h"
#include "ZQ_RegistryValueItems.h"

TEST(ZQ_DateAndTimeRegistry, ItemsWriteTheirClassIdAndValue) {
  const ZQ_Date july4(4, 7, 2009);
  ZQ_RegDate date(july4);
  ZQ_RegTime time(MakeTime(14, 5, 9, 7));
  EXPECT_EQ(WriteToBytes(date), std::string("\x0D\0\0\0\xE8\xD6\0\0", 8));
  EXPECT_EQ(WriteToBytes(time), RegistryBytes().Int(14).Int(50709007).Get());
  EXPECT_EQ(WriteToBytes(ZQ_RegPointInTime(ZQ_PointInTime(MakeTime(0, 0, 1, 0), july4))),
            RegistryBytes().Int(15).Int(1000).Int(55016).Get());
  EXPECT_EQ(WriteToBytes(ZQ_RegElapsedTime(ZQ_ElapsedTime(-1, -500))),
            RegistryBytes().Int(12).Int(-1).Int(-500).Get());
}

TEST(ZQ_DateAndTimeRegistry, DateAndTimeGettersKeepToTheirClass) {
  ZQ_RegistryFolder folder;
  const ZQ_Date fallback(1, 1, 2000);
  ZQ_SetTime(folder, "When", MakeTime(1, 2, 3, 4));
  EXPECT_EQ(ZQ_GetDate(folder, "When", fallback), fallback);
  EXPECT_EQ(ZQ_GetTime(folder, "When", ZQ_Time()), MakeTime(1, 2, 3, 4));
  const ZQ_RegistryItem* timeItem = folder.GetItemIfExists("When");
  ZQ_SetDate(folder, "When", ZQ_Date(2, 2, 2002));
  EXPECT_EQ(ZQ_GetDate(folder, "When", fallback), ZQ_Date(2, 2, 2002));
  EXPECT_EQ(ZQ_GetTime(folder, "When", MakeTime(9, 9, 9, 9)), MakeTime(9, 9, 9, 9));
  EXPECT_NE(folder.GetItemIfExists("When"), timeItem);
  const ZQ_RegistryItem* dateItem = folder.GetItemIfExists("When");
  ZQ_SetDate(folder, "When", ZQ_Date(3, 3, 2003));
  EXPECT_EQ(folder.GetItemIfExists("When"), dateItem);  // overwritten in place
  EXPECT_EQ(ZQ_GetDate(folder, "Missing", fallback), fallback);
}

TEST(ZQ_DateAndTimeRegistry, PointInTimeIsASubfolder) {
  ZQ_RegistryFolder folder;
  const ZQ_PointInTime value(MakeTime(14, 5, 9, 7), ZQ_Date(4, 7, 2009));
  ZQ_SetPointInTime(folder, "Measured", value);
  EXPECT_EQ(ZQ_GetDate(folder, "Measured", ZQ_Date()), ZQ_Date());  // the key holds a folder
  ZQ_RegistryFolder* sub = folder.GetFolderIfExists("Measured");
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(ZQ_GetDate(*sub, "Date", ZQ_Date()), ZQ_Date(4, 7, 2009));
  const ZQ_PointInTime read = ZQ_GetPointInTime(folder, "Measured", ZQ_PointInTime());
  EXPECT_EQ(read.GetTime(), value.GetTime());
  EXPECT_EQ(read.GetDate(), value.GetDate());

  // Each part falls back to its own default.
  sub->RemoveItem("Time");
  const ZQ_PointInTime fallback(MakeTime(6, 0, 0, 0), ZQ_Date(1, 1, 2000));
  const ZQ_PointInTime partial = ZQ_GetPointInTime(folder, "Measured", fallback);
  EXPECT_EQ(partial.GetTime(), fallback.GetTime());
  EXPECT_EQ(partial.GetDate(), value.GetDate());

  ZQ_SetInt32(folder, "Number", 3);
  EXPECT_EQ(ZQ_GetPointInTime(folder, "Number", fallback).GetDate(), fallback.GetDate());
}

TEST(ZQ_DateAndTimeRegistry, ElapsedTimeIsADoubleOfSeconds) {
  ZQ_RegistryFolder folder;
  ZQ_SetElapsedTime(folder, "Span", ZQ_ElapsedTime(1, 500));
  EXPECT_EQ(ZQ_GetDouble(folder, "Span", 0), 86400.5);
  EXPECT_EQ(ZQ_GetElapsedTime(folder, "Span", ZQ_ElapsedTime()), ZQ_ElapsedTime(1, 500));
  // A double from a file that is no duration gives the default, not an
  // assertion of the conversion.
  const ZQ_ElapsedTime fallback(0, 42);
  for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     -1.0e300}) {
    SCOPED_TRACE(bad);
    ZQ_SetDouble(folder, "Span", bad);
    EXPECT_EQ(ZQ_GetElapsedTime(folder, "Span", fallback), fallback);
  }
}

TEST(ZQ_DateAndTimeRegistry, LegacyItemsInAFileConvertOnLoad) {
  ZQ_RegistryFolder folder;
  LoadFromBytes(RegistryBytes()
                    .FolderHeader(4)
                    .Str("Point").Int(15).Int(50709007).Int(55016)
                    .Str("Span").Int(12).Int(1).Int(500)
                    .Str("Date").Int(13).Int(55016)
                    .Str("Time").Int(14).Int(1)
                    .Get(),
                folder);
  ZQ_RegistryFolder* point = folder.GetFolderIfExists("Point");
  ASSERT_NE(point, nullptr);
  EXPECT_EQ(ZQ_GetTime(*point, "Time", ZQ_Time()), MakeTime(14, 5, 9, 7));
  EXPECT_EQ(ZQ_GetDate(*point, "Date", ZQ_Date()), ZQ_Date(4, 7, 2009));
  ASSERT_NE(ZQ_GetRegistryItemOfClass<ZQ_RegDouble>(folder, "Span"), nullptr);
  EXPECT_EQ(ZQ_GetDouble(folder, "Span", 0), 86400.5);
  EXPECT_EQ(ZQ_GetDate(folder, "Date", ZQ_Date()), ZQ_Date(4, 7, 2009));
  EXPECT_EQ(ZQ_GetTime(folder, "Time", ZQ_Time()).GetMillisecondsSinceMidnight(), 1);
}

TEST(ZQ_DateAndTimeRegistry, BrokenValuesInAFileAreDamagedData) {
  const struct {
    std::string bytes;
    const char* why;
  } kCases[] = {
      {RegistryBytes().Int(14).Int(86400000).Get(), "time of a whole day"},
      {RegistryBytes().Int(14).Int(-1).Get(), "negative time"},
      {RegistryBytes().Int(12).Int(1).Int(-5).Get(), "duration parts of opposite signs"},
      {RegistryBytes().Int(12).Int(0).Int(86400000).Get(), "duration milliseconds of a whole day"},
      {RegistryBytes().Int(15).Int(90000000).Int(0).Get(), "point in time with a broken time"},
      {RegistryBytes().Int(13).Short(1).Get(), "date cut short"},
      {RegistryBytes().Int(13).Int(-100763).Get(), "the day before 1 January 1583"},
      {RegistryBytes().Int(13).Int(416787).Get(), "the day after 31 December 2999"},
      {RegistryBytes().Int(13).Int(-2401464).Get(), "a date far in the past"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_RegistryFolder folder;
    EXPECT_EQ(ExceptionNameOf([&] {
                LoadFromBytes(RegistryBytes().FolderHeader(1).Str("K").Get() + c.bytes, folder);
              }),
              "Damaged data");
  }
}

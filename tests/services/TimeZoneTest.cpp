#include <gtest/gtest.h>

#include "ZQTZ_TimeZone.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_RegistryValueItems.h"

TEST(ZQTZ_TimeZone, NameJoinsTheSignedOffsetAndThePlaces) {
  const struct { int id; const char* want; const char* why; } kCases[] = {
      {11, "(GMT-05:00)  Eastern Time (US & Canada)", "the default zone"},
      {0, "(GMT-12:00)  Eniwetok, Kwajalein", "first zone, two-digit hours"},
      {15, "(GMT-03:30)  Newfoundland", "negative half hour"},
      {19, "(GMT-01:00)  Azores, Cape Verde Is.", "leading zero"},
      {20, "(GMT)  Casablanca, Monrovia", "offset 0: no sign, no digits"},
      {21, "(GMT)  Greenwich Mean Time: Dublin, Edinburgh, Lisbon, London",
       "offset 0, longest places text"},
      {35, "(GMT+03:30)  Tehran", "positive half hour"},
      {38, "(GMT+04:30)  Kabul", "4.5 h: hours are not rounded up"},
      {41, "(GMT+05:30)  Bombay, Calcutta, Madras, New Delhi", "5.5 h"},
      {52, "(GMT+09:30)  Adelaide", "9.5 h"},
      {61, "(GMT+12:00)  Fiji, Kamchatka, Marshall Is.", "last zone"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_STREQ(ZQTZ_TimeZone(c.id).GetName().GetText(), c.want);
  }
  EXPECT_STREQ(ZQTZ_TimeZone().GetName().GetText(), "(GMT-05:00)  Eastern Time (US & Canada)");
}

TEST(ZQTZ_TimeZone, OffsetsAreHoursEastOfGreenwich) {
  const struct { int id; float want; } kCases[] = {
      {0, -12.0f}, {15, -3.5f}, {20, 0.0f}, {21, 0.0f}, {35, 3.5f}, {38, 4.5f}, {61, 12.0f},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.id);
    EXPECT_EQ(ZQTZ_TimeZone(c.id).GetOffsetHours(), c.want);
  }
}

TEST(ZQTZ_TimeZone, StandardZonesAreAllIdsInOrderWithOffsetsNeverFalling) {
  int count = 0;
  float previousOffset = -100.0f;
  for (auto zones = ZQTZ_TimeZone::GetStandardTimeZones(); zones.IsValid(); zones.Advance()) {
    EXPECT_EQ(zones->GetId(), count);
    EXPECT_GE(zones->GetOffsetHours(), previousOffset);
    previousOffset = zones->GetOffsetHours();
    ++count;
  }
  EXPECT_EQ(count, ZQTZ_TimeZone::NumStandardTimeZones);
}

TEST(ZQTZ_TimeZone, IdOutsideTheTableFailsTheAssertion) {
  for (int id : {-1, 62, 1000}) {
    SCOPED_TRACE(id);
    try {
      ZQTZ_TimeZone zone(id);
      ADD_FAILURE() << "no assertion";
    } catch (const ZQ_Exception& e) {
      EXPECT_TRUE(e.GetDescription().Contains("0 <= aId and aId < NumStandardTimeZones"));
    }
  }
}

TEST(ZQTZ_TimeZone, IgnoredBadIdAnswersAsTheDefaultZone) {
  const long savedMode = ZQ_GetAssertionMode();
  ZQ_SetAssertionMode(0);
  ZQTZ_TimeZone zone(62);
  ZQ_SetAssertionMode(savedMode);
  EXPECT_EQ(zone.GetId(), 62);
  EXPECT_STREQ(zone.GetName().GetText(), "(GMT-05:00)  Eastern Time (US & Canada)");
  EXPECT_EQ(zone.GetOffsetHours(), -5.0f);
}

TEST(ZQTZ_TimeZone, RegistryKeepsTheIdInASubfolder) {
  ZQ_RegistryFolder folder;
  ZQTZ_SetTimeZone(folder, "Zone", ZQTZ_TimeZone(52));
  ASSERT_NE(folder.GetFolderIfExists("Zone"), nullptr);
  EXPECT_EQ(ZQ_GetInt32(*folder.GetFolderIfExists("Zone"), "Id", -1), 52);
  EXPECT_EQ(ZQTZ_GetTimeZone(folder, "Zone", ZQTZ_TimeZone(0)).GetId(), 52);
  ZQTZ_SetTimeZone(folder, "Zone", ZQTZ_TimeZone(3));
  EXPECT_EQ(ZQTZ_GetTimeZone(folder, "Zone", ZQTZ_TimeZone(0)).GetId(), 3);
}

TEST(ZQTZ_TimeZone, RegistryDefaultsWhenFolderOrIdIsMissing) {
  ZQ_RegistryFolder folder;
  EXPECT_EQ(ZQTZ_GetTimeZone(folder, "Zone", ZQTZ_TimeZone(40)).GetId(), 40)
      << "no subfolder: the caller's default";
  ZQ_SetInt32(folder, "Plain", 7);
  EXPECT_EQ(ZQTZ_GetTimeZone(folder, "Plain", ZQTZ_TimeZone(40)).GetId(), 40)
      << "an item of another class: the caller's default";
  folder.GetFolder("Zone");
  EXPECT_EQ(ZQTZ_GetTimeZone(folder, "Zone", ZQTZ_TimeZone(40)).GetId(), 11)
      << "subfolder without Id: zone 11";
}

TEST(ZQTZ_TimeZone, StoredBadIdIsReportedWhenRead) {
  ZQ_RegistryFolder folder;
  ZQ_SetInt32(*folder.GetFolder("Zone"), "Id", 99);
  EXPECT_THROW(ZQTZ_GetTimeZone(folder, "Zone", ZQTZ_TimeZone()), ZQ_Exception);
}

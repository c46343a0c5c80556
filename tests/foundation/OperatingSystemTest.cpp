#include "ZQ_OperatingSystem.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

OSVERSIONINFOA Record(DWORD Platform, DWORD Major, DWORD Minor, DWORD Build, const char* CSD) {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  info.dwPlatformId = Platform;
  info.dwMajorVersion = Major;
  info.dwMinorVersion = Minor;
  info.dwBuildNumber = Build;
  std::strncpy(info.szCSDVersion, CSD, sizeof info.szCSDVersion - 1);
  return info;
}

// The version records of real systems (and a few made-up edges); Wine
// itself always answers 6.1, so the mapping is tested on given records.
TEST(ZQ_OperatingSystem, VersionRecordsMapToVersionAndDescription) {
  const DWORD kWin32s = VER_PLATFORM_WIN32s, k9x = VER_PLATFORM_WIN32_WINDOWS,
              kNT = VER_PLATFORM_WIN32_NT;
  const struct {
    OSVERSIONINFOA info;
    int platform;
    int version;
    const char* description;
    bool win32sOr9x;
  } kCases[] = {
      // Win32s and the 9x family keep only the low word of the build.
      {Record(kWin32s, 1, 30, 0x0001009F, ""), 0, 0, "Win32s, build 159", true},
      {Record(k9x, 3, 95, 0x040003B6, ""), 1, 1, "Windows 95, build 950", true},
      {Record(k9x, 4, 0, 0x040003B6, " B"), 1, 1, "Windows 95, build 950,  B", true},
      {Record(k9x, 4, 10, 0x040A0AAE, " A "), 1, 2, "Windows 98, build 2734,  A ", true},
      {Record(k9x, 4, 89, 1, ""), 1, 2, "Windows 98, build 1", true},
      {Record(k9x, 4, 90, 0x045A0BB8, ""), 1, 3, "Windows Me, build 3000", true},
      {Record(k9x, 5, 0, 7, ""), 1, 3, "Windows Me, build 7", true},
      // The NT family keeps the whole build number.
      {Record(kNT, 3, 0, 0x10000, ""), 2, 5, "Windows NT 3.0, build 65536", false},
      {Record(kNT, 3, 50, 807, ""), 2, 6, "Windows NT 3.5, build 807", false},
      {Record(kNT, 3, 51, 1057, ""), 2, 7, "Windows NT 3.51, build 1057", false},
      {Record(kNT, 4, 0, 1381, "Service Pack 6"), 2, 8,
       "Windows NT 4.0, build 1381, Service Pack 6", false},
      {Record(kNT, 5, 0, 2195, ""), 2, 9, "Windows 2000, build 2195", false},
      {Record(kNT, 5, 1, 2600, "Service Pack 3"), 2, 10,
       "Windows XP, build 2600, Service Pack 3", false},
      {Record(kNT, 5, 2, 3790, ""), 2, 10, "Windows XP, build 3790", false},
      {Record(kNT, 6, 0, 6002, ""), 2, 11, "Windows Vista, build 6002", false},
      {Record(kNT, 6, 1, 7601, "Service Pack 1"), 2, 11,
       "Windows Vista, build 7601, Service Pack 1", false},
      {Record(kNT, 10, 0, 19045, ""), 2, 12, "Windows Post-Vista, build 19045", false},
      // Another platform has no build, but its service-pack text is kept.
      {Record(3, 1, 0, 99, ""), 3, 13, "Unknown Windows Operating System", false},
      {Record(7, 1, 0, 99, "x"), 3, 13, "Unknown Windows Operating System, x", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.description);
    const ZQ_OperatingSystemInfo os = ZQ_ClassifyOperatingSystem(c.info);
    EXPECT_EQ(os.Platform, c.platform);
    EXPECT_EQ(os.Version, c.version);
    EXPECT_STREQ(os.Description.GetText(), c.description);
    EXPECT_EQ(os.IsWin32sOrWin9x, c.win32sOr9x);
  }
}

TEST(ZQ_OperatingSystem, ServicePackTextFillingTheWholeFieldIsReadToItsEnd) {
  OSVERSIONINFOA info = Record(VER_PLATFORM_WIN32_NT, 5, 1, 2600, "");
  std::memset(info.szCSDVersion, 'x', sizeof info.szCSDVersion);
  const ZQ_OperatingSystemInfo os = ZQ_ClassifyOperatingSystem(info);
  EXPECT_EQ(std::string(os.Description.GetText()),
            "Windows XP, build 2600, " + std::string(sizeof info.szCSDVersion, 'x'));
}

TEST(ZQ_OperatingSystem, AccessorsDetectBeforeTheyAnswer) {
  // Whatever Wine claims to be, the accessors never give the undetected
  // placeholder, and they agree with one another.
  const ZQ_String description = ZQ_GetOperatingSystemDescription();
  EXPECT_STRNE(description.GetText(), "Unknown");
  EXPECT_FALSE(description.IsEmpty());
  EXPECT_EQ(ZQ_GetOperatingSystemPlatform() == ZQ_OperatingSystemPlatform_Win9x ||
                ZQ_GetOperatingSystemPlatform() == ZQ_OperatingSystemPlatform_Win32s,
            ZQ_IsWin32sOrWin9xOperatingSystem());
  DetectOperatingSystem();
  EXPECT_STREQ(ZQ_GetOperatingSystemDescription().GetText(), description.GetText());
}

}  // namespace

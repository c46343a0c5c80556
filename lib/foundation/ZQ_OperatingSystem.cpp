#include "ZQ_OperatingSystem.h"

#include "ZQLOW_WINBASE.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"

namespace {

bool s_detected = false;

// Until the detection runs, the description says "Unknown"; the accessors
// detect first, so callers never see it.
ZQ_OperatingSystemInfo& State() {
  static ZQ_OperatingSystemInfo s_state{ZQ_OperatingSystemPlatform_Other,
                                        ZQ_OSVersion_Unknown, 0, ZQ_String("Unknown"),
                                        false};
  return s_state;
}

struct VersionName {
  int Version;
  const char* Name;
};

VersionName ClassifyWin9x(DWORD Major, DWORD Minor) {
  if (Major < 4 || (Major == 4 && Minor < 10)) return {ZQ_OSVersion_Windows95, "Windows 95"};
  if (Major == 4 && Minor < 90) return {ZQ_OSVersion_Windows98, "Windows 98"};
  return {ZQ_OSVersion_WindowsMe, "Windows Me"};
}

VersionName ClassifyNT(DWORD Major, DWORD Minor) {
  switch (Major) {
    case 3:
      if (Minor == 0) return {ZQ_OSVersion_WindowsNT30, "Windows NT 3.0"};
      // Windows NT 3.5 reports the minor version 50; 5 is taken alike.
      if (Minor == 5 || Minor == 50) return {ZQ_OSVersion_WindowsNT35, "Windows NT 3.5"};
      return {ZQ_OSVersion_WindowsNT351, "Windows NT 3.51"};
    case 4:
      return {ZQ_OSVersion_WindowsNT40, "Windows NT 4.0"};
    case 5:
      if (Minor == 0) return {ZQ_OSVersion_Windows2000, "Windows 2000"};
      return {ZQ_OSVersion_WindowsXP, "Windows XP"};
    case 6:
      return {ZQ_OSVersion_WindowsVista, "Windows Vista"};
    default:
      return {ZQ_OSVersion_PostVista, "Windows Post-Vista"};
  }
}

}  // namespace

ZQ_OperatingSystemInfo ZQ_ClassifyOperatingSystem(const OSVERSIONINFOA& Info) {
  ZQ_TRACE_FUNCTION("ZQ_ClassifyOperatingSystem");
  ZQ_OperatingSystemInfo result{ZQ_OperatingSystemPlatform_Other, ZQ_OSVersion_Unknown,
                                1, ZQ_String(), false};
  ZQ_StringStream description;
  switch (Info.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
      result.Platform = ZQ_OperatingSystemPlatform_Win32s;
      result.Version = ZQ_OSVersion_Win32s;
      result.Build = Info.dwBuildNumber & 0xFFFF;
      result.IsWin32sOrWin9x = true;
      description << "Win32s, build " << result.Build;
      break;
    case VER_PLATFORM_WIN32_WINDOWS: {
      const VersionName v = ClassifyWin9x(Info.dwMajorVersion, Info.dwMinorVersion);
      result.Platform = ZQ_OperatingSystemPlatform_Win9x;
      result.Version = v.Version;
      // The high word holds the version again on these systems.
      result.Build = Info.dwBuildNumber & 0xFFFF;
      result.IsWin32sOrWin9x = true;
      description << v.Name << ", build " << result.Build;
      break;
    }
    case VER_PLATFORM_WIN32_NT: {
      const VersionName v = ClassifyNT(Info.dwMajorVersion, Info.dwMinorVersion);
      result.Platform = ZQ_OperatingSystemPlatform_NT;
      result.Version = v.Version;
      result.Build = Info.dwBuildNumber;
      description << v.Name << ", build " << result.Build;
      break;
    }
    default:
      description << "Unknown Windows Operating System";
      break;
  }
  // The service-pack text may fill the whole field without a terminator.
  int csdLength = 0;
  while (csdLength < static_cast<int>(sizeof Info.szCSDVersion) && Info.szCSDVersion[csdLength])
    ++csdLength;
  if (csdLength > 0) description << ", " << ZQ_String(Info.szCSDVersion, csdLength);
  result.Description = description;
  return result;
}

void DetectOperatingSystem() {
  ZQ_TRACE_FUNCTION("DetectOperatingSystem");
  s_detected = true;
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;  // 148
  ZQLOW_WINBASE::GetVersionExA(&info);
  State() = ZQ_ClassifyOperatingSystem(info);
}

namespace {

// The answers, detected on first use.
const ZQ_OperatingSystemInfo& Detected() {
  if (!s_detected) DetectOperatingSystem();
  return State();
}

}  // namespace

int ZQ_GetOperatingSystemPlatform() { return Detected().Platform; }

int ZQ_GetOperatingSystemVersion() { return Detected().Version; }

ZQ_String ZQ_GetOperatingSystemDescription() { return Detected().Description; }

bool ZQ_IsWin32sOrWin9xOperatingSystem() { return Detected().IsWin32sOrWin9x; }

// ZQ_OperatingSystem.h: which Windows the program runs on. The detection asks
// Windows for its version once and keeps the platform family, a version
// number, a description for reports ("Windows XP, build 2600, Service Pack
// 2") and whether graphics coordinates are 16-bit (Win32s, Windows 95/98/Me).
// Each accessor detects first when nothing was detected yet. A failed version
// query is reported by its wrapper (ZQ_Exception in the running program).
// One thread only.
#ifndef ZQ_OPERATINGSYSTEM_H
#define ZQ_OPERATINGSYSTEM_H

#include "ZQLOW_Windows.h"
#include "ZQ_String.h"

// Platform families.
const int ZQ_OperatingSystemPlatform_Win32s = 0;
const int ZQ_OperatingSystemPlatform_Win9x = 1;  // Windows 95, 98, Me
const int ZQ_OperatingSystemPlatform_NT = 2;
const int ZQ_OperatingSystemPlatform_Other = 3;

// Versions (4 is never given).
enum ZQ_OperatingSystemVersion {
  ZQ_OSVersion_Win32s = 0,
  ZQ_OSVersion_Windows95 = 1,
  ZQ_OSVersion_Windows98 = 2,
  ZQ_OSVersion_WindowsMe = 3,
  ZQ_OSVersion_WindowsNT30 = 5,
  ZQ_OSVersion_WindowsNT35 = 6,
  ZQ_OSVersion_WindowsNT351 = 7,
  ZQ_OSVersion_WindowsNT40 = 8,
  ZQ_OSVersion_Windows2000 = 9,
  ZQ_OSVersion_WindowsXP = 10,
  ZQ_OSVersion_WindowsVista = 11,  // every 6.x, 7 included
  ZQ_OSVersion_PostVista = 12,     // major version above 6
  ZQ_OSVersion_Unknown = 13
};

// Runs the detection (again, when called again).
void DetectOperatingSystem();

int ZQ_GetOperatingSystemPlatform();
int ZQ_GetOperatingSystemVersion();
ZQ_String ZQ_GetOperatingSystemDescription();
bool ZQ_IsWin32sOrWin9xOperatingSystem();

// What the detection concludes from one version record; the detection feeds
// it Windows' answer, tests feed it records of their own (Wine always says
// 6.1, whatever the host).
struct ZQ_OperatingSystemInfo {
  int Platform;
  int Version;
  unsigned long Build;
  ZQ_String Description;
  bool IsWin32sOrWin9x;
};
ZQ_OperatingSystemInfo ZQ_ClassifyOperatingSystem(const OSVERSIONINFOA& Info);

#endif

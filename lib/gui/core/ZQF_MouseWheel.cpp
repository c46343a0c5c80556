#include "ZQF_MouseWheel.h"

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WINUSER.h"

namespace {

UINT s_wheelMessageID = 0;

// A version that cannot be read is no reason to fail: the wheel message
// then is the common one.
bool ReadVersion(OSVERSIONINFOA& Version) {
  Version = OSVERSIONINFOA();
  Version.dwOSVersionInfoSize = sizeof Version;  // the 148-byte record
  return ZQLOW_WINBASE::GetVersionEx_DoNotThrowException(&Version) != FALSE;
}

}  // namespace

UINT ZQF_MouseWheel_ComputeWheelMessageID() {
  OSVERSIONINFOA version;
  if (!ReadVersion(version)) return WM_MOUSEWHEEL;
  if (version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 4) {
    return WM_MOUSEWHEEL;
  }
  if (version.dwMajorVersion < 5) return ZQLOW_WINUSER::RegisterWindowMessageA("MSWHEEL_ROLLMSG");
  return WM_MOUSEWHEEL;
}

UINT ZQF_MouseWheel_GetWheelMessageID() {
  if (s_wheelMessageID == 0) s_wheelMessageID = ZQF_MouseWheel_ComputeWheelMessageID();
  return s_wheelMessageID;
}

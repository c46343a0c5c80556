#include "ZQLOW_WINUSER.h"

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WIN_Check.h"

#define ZQLOW_WIN_FAMILY "ZQLOW_WINUSER"

namespace ZQLOW_WINUSER {

ZQLOW_WINUSER_TABLE(ZQLOW_WIN_DEFINE)

BOOL GetCursorPos(LPPOINT Point) {
  ZQ_TRACE_FUNCTION("ZQLOW_WINUSER::GetCursorPos");
  const int kTries = 50;
  const DWORD kPauseMs = 100;
  BOOL result = FALSE;
  for (int attempt = 0; attempt < kTries && !result; ++attempt) {
    result = Calls::GetCursorPos(Point);
    if (!result) ZQLOW_WINBASE::Sleep(kPauseMs);
  }
  if (!result) ZQLOW_WIN_ReportAPIFunctionFailure("GetCursorPos", nullptr, 0);
  return result;
}

DWORD GetWindowThreadProcessId(HWND Window, LPDWORD ProcessID) {
  ZQ_TRACE_FUNCTION("ZQLOW_WINUSER::GetWindowThreadProcessId");
  ::SetLastError(0);
  const DWORD threadID = Calls::GetWindowThreadProcessId(Window, ProcessID);
  if (threadID == 0 || (ProcessID && *ProcessID == 0))
    ZQLOW_WIN_ReportAPIFunctionFailure("GetWindowThreadProcessId", nullptr, 0);
  return threadID;
}

HICON LoadIcon_DoNotThrowException(HINSTANCE Instance, LPCSTR IconName) {
  ZQ_TRACE_FUNCTION("ZQLOW_WINUSER::LoadIcon_DoNotThrowException");
  return Calls::LoadIconA(Instance, IconName);
}

BOOL MessageBeep_DoNotThrowException(UINT Type) {
  ZQ_TRACE_FUNCTION("ZQLOW_WINUSER::MessageBeep_DoNotThrowException");
  return Calls::MessageBeep(Type);
}

}  // namespace ZQLOW_WINUSER

#include "ZQLOW_MMSYSTEM.h"

#include "ZQLOW_WIN_Calls.h"
#include "ZQ_StackTrace.h"

namespace ZQLOW_MMSYSTEM {

BOOL PlaySound_DoNotThrowException(const char* Sound, HMODULE Module, DWORD Flags) {
  ZQ_TRACE_FUNCTION("ZQLOW_MMSYSTEM::PlaySound_DoNotThrowException");
  return Calls::PlaySoundA(Sound, Module, Flags);
}

}  // namespace ZQLOW_MMSYSTEM

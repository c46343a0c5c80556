#include "ZQLOW_MMSYSTEM.h"

#include "ZQ_StackTrace.h"

namespace ZQLOW_MMSYSTEM {

BOOL PlaySound_DoNotThrowException(const char* Sound, HMODULE Module, DWORD Flags) {
  ZQ_TRACE_FUNCTION("ZQLOW_MMSYSTEM::PlaySound_DoNotThrowException");
  return ::PlaySoundA(Sound, Module, Flags);
}

}  // namespace ZQLOW_MMSYSTEM

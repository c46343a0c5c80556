#include "ZQ_Sound.h"

#include "ZQLOW_MMSYSTEM.h"
#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"
#include "ZQ_InitializationService.h"
#include "ZQ_StackTrace.h"

namespace {

const ZQ_StageCallbackRegistration s_registerStageCallback(&ZQ_PlaySound_InitializationServiceCallback,
                                                           ZQ_InitializationService::Position_PlaySound);

// INFINITE (0xFFFFFFFF) would never return: the longest finite sleep.
const double kMaxSleepMilliseconds = 4294967294.0;

}  // namespace

BOOL ZQ_StopPlayingSound() {
  ZQ_TRACE_FUNCTION("ZQ_StopPlayingSound");
  return ZQLOW_MMSYSTEM::PlaySound_DoNotThrowException(nullptr, nullptr, 0);
}

BOOL ZQ_Beep() {
  ZQ_TRACE_FUNCTION("ZQ_Beep");
  return ZQLOW_WINUSER::MessageBeep_DoNotThrowException(0);
}

DWORD ZQ_SleepMilliseconds(double Seconds) {
  const double milliseconds = 1000.0 * Seconds;
  if (!(milliseconds > 0.0)) return 0;
  if (milliseconds >= kMaxSleepMilliseconds) return static_cast<DWORD>(kMaxSleepMilliseconds);
  return static_cast<DWORD>(milliseconds);
}

void ZQ_Sleep(double Seconds) {
  ZQ_TRACE_FUNCTION("ZQ_Sleep");
  ZQ_ASSERT_TEXT(Seconds >= 0.0, "Seconds >= 0.0");
  ZQLOW_WINBASE::Sleep(ZQ_SleepMilliseconds(Seconds));
}

void ZQ_PlaySound_InitializationServiceCallback(int Stage) {
  ZQ_TRACE_FUNCTION("ZQ_PlaySound_InitializationServiceCallback");
  if (Stage == ZQ_InitializationService::Stage_DeinitializeTranslationUnit) ZQ_StopPlayingSound();
}

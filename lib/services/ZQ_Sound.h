// ZQ_Sound.h: stopping a sound that plays asynchronously, the standard
// warning beep, and suspending the program for a time in seconds. None of
// them reports a failure: the Windows result is returned as it is (a machine
// without a sound device answers at once). The module stops any sound at
// stage 12 of the initialization service, so that none outlives the program.
// One thread only.
#ifndef ZQ_SOUND_H
#define ZQ_SOUND_H

#include "ZQLOW_Windows.h"

// PlaySoundA with no sound: stops any sound that plays. Its result.
BOOL ZQ_StopPlayingSound();

// The default beep (MessageBeep (0)). Its result.
BOOL ZQ_Beep();

// Sleeps Seconds cut toward zero to whole milliseconds (0.0005 sleeps 0 ms,
// 1.9999 sleeps 1999 ms). A negative time fails the assertion
// "Seconds >= 0.0" and, if the report returns, sleeps 0 ms.
void ZQ_Sleep(double Seconds);

// The milliseconds ZQ_Sleep hands to Windows for Seconds (never INFINITE).
DWORD ZQ_SleepMilliseconds(double Seconds);

// The stage callback: stage 12 stops any sound; other stages do nothing.
void ZQ_PlaySound_InitializationServiceCallback(int Stage);

#endif

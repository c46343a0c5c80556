// ZQLOW_MMSYSTEM.h: sound output. PlaySoundA is passed through unchecked: a
// machine without a sound device answers FALSE at once, and a missing sound
// is no reason to stop the program. One thread only.
#ifndef ZQLOW_MMSYSTEM_H
#define ZQLOW_MMSYSTEM_H

#include "ZQLOW_Windows.h"

namespace ZQLOW_MMSYSTEM {

// PlaySoundA(Sound, Module, Flags); the caller judges the result.
BOOL PlaySound_DoNotThrowException(const char* Sound, HMODULE Module, DWORD Flags);

}  // namespace ZQLOW_MMSYSTEM

#endif

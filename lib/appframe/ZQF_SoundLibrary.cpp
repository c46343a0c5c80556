#include "ZQF_SoundLibrary.h"

#include <cstdlib>

#include "ZQLOW_MMSYSTEM.h"
#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_Assertion.h"

namespace {

ZQALARM_SoundLibrary* s_alarmLibrary = nullptr;

void DestroyAlarmLibrary() {
  delete s_alarmLibrary;
  s_alarmLibrary = nullptr;
}

}  // namespace

ZQF_SoundLibrary::~ZQF_SoundLibrary() = default;

void ZQF_SoundLibrary::AddSound(const ZQ_String& Identifier, const ZQ_String& ResourceName,
                                const ZQ_String& Description) {
  Entries[NumEntries] = SoundLibraryEntryType{Identifier, ResourceName, Description};
  ++NumEntries;
}

const ZQF_SoundLibrary::SoundLibraryEntryType& ZQF_SoundLibrary::GetSound(long Index) const {
  ZQ_ASSERT(0 <= Index && Index < NumEntries);
  return Entries[0 <= Index && Index < NumEntries ? Index : 0];
}

const ZQF_SoundLibrary::SoundLibraryEntryType* ZQF_SoundLibrary::FindSound(
    const ZQ_String& Identifier) const {
  for (long i = 0; i < NumEntries; ++i) {
    if (Entries[i].Identifier == Identifier) return &Entries[i];
  }
  return nullptr;
}

bool ZQF_SoundLibrary::Play(const ZQ_String& Identifier) const {
  const SoundLibraryEntryType* entry = FindSound(Identifier);
  if (!entry) return false;
  const HMODULE module = ZQLOW_WIN_GetProgramInstanceHandle();
  // Wine answers TRUE to any asynchronous start, even of a missing resource:
  // look for it first.
  if (!ZQLOW_WINBASE::FindResource_DoNotThrowException(module, entry->ResourceName.GetText(),
                                                       "WAVE")) {
    return false;
  }
  return ZQLOW_MMSYSTEM::PlaySound_DoNotThrowException(entry->ResourceName.GetText(), module,
                                                       SND_RESOURCE | SND_ASYNC | SND_NODEFAULT) !=
         FALSE;
}

ZQALARM_SoundLibrary::ZQALARM_SoundLibrary() {
  AddSound("Id1", "ZQALARM_Sound_Alarm1", "Two-note chime melody");
  AddSound("Id2", "ZQALARM_Sound_Alarm2", "Two-note melody");
  AddSound("Id3", "ZQALARM_Sound_Alarm3", "Short, two-note melody");
  AddSound("Id4", "ZQALARM_Sound_Alarm4", "Three-beat melody");
  AddSound("Id5", "ZQALARM_Sound_Alarm5", "Chimes");
  AddSound("Id6", "ZQALARM_Sound_Alarm6", "Three short, high-pitched beeps");
  AddSound("Id7", "ZQALARM_Sound_Alarm7", "Long, slow alarm");
  AddSound("Id8", "ZQALARM_Sound_Alarm8", "Emergency vehicle siren");
  AddSound("Id9", "ZQALARM_Sound_Alarm9", "Whoop, whoop, whoop alarm");
}

const ZQALARM_SoundLibrary& ZQALARM_GetSoundLibrary() {
  if (!s_alarmLibrary) {
    s_alarmLibrary = new ZQALARM_SoundLibrary;
    std::atexit(&DestroyAlarmLibrary);
  }
  return *s_alarmLibrary;
}

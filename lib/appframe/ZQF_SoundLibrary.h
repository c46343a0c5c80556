// ZQF_SoundLibrary.h: named sounds held as WAVE resources of the program, and
// the framework's library of nine alarm sounds. An entry names a sound by an
// identifier, the resource that holds it and a short description; a caller
// plays a sound by its identifier, asynchronously (the sound stops at stage
// 12, with ZQ_PlaySound's stage callback, if it still plays). The alarm
// library is one program-wide object, made on first use and destroyed at
// program exit. Nothing here throws but std::bad_alloc. UI thread only.
#ifndef ZQF_SOUNDLIBRARY_H
#define ZQF_SOUNDLIBRARY_H

#include "ZQ_Array.h"
#include "ZQ_String.h"

class ZQF_SoundLibrary {
 public:
  struct SoundLibraryEntryType {
    ZQ_String Identifier;    // what callers name
    ZQ_String ResourceName;  // the WAVE resource played
    ZQ_String Description;
  };

  ZQF_SoundLibrary() = default;
  ZQF_SoundLibrary(const ZQF_SoundLibrary&) = delete;
  ZQF_SoundLibrary& operator=(const ZQF_SoundLibrary&) = delete;
  virtual ~ZQF_SoundLibrary();

  // Appends an entry. Identifiers are not checked for repeats: look-up finds
  // the first.
  void AddSound(const ZQ_String& Identifier, const ZQ_String& ResourceName,
                const ZQ_String& Description);
  long GetNumSounds() const { return NumEntries; }
  // Entries in the order added; asserts "0 <= Index && Index < NumEntries".
  const SoundLibraryEntryType& GetSound(long Index) const;
  // The entry of Identifier (exact comparison), or null.
  const SoundLibraryEntryType* FindSound(const ZQ_String& Identifier) const;
  // Starts the sound of Identifier from the program's module and returns at
  // once, stopping any sound that plays; never the default beep. False when
  // no entry has the identifier or the program holds no such WAVE resource;
  // otherwise PlaySoundA's answer.
  bool Play(const ZQ_String& Identifier) const;

 private:
  ZQ_AutosizeArray<SoundLibraryEntryType> Entries;
  long NumEntries = 0;
};

// The nine alarm sounds, "Id1" to "Id9", in the resources
// "ZQALARM_Sound_Alarm1" to "ZQALARM_Sound_Alarm9".
class ZQALARM_SoundLibrary : public ZQF_SoundLibrary {
 public:
  ZQALARM_SoundLibrary();
};

// The one alarm library: made at the first call, destroyed at program exit.
const ZQALARM_SoundLibrary& ZQALARM_GetSoundLibrary();

#endif

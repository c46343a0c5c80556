#include "ZQXML_StringCache.h"

#include <cstring>

ZQ_String ZQXML_StringCache::Get(const char* Text, long Length) {
  if (Length <= 0) return ZQ_String();
  if (Length > MaxCachedLength) return ZQ_String(Text, static_cast<int>(Length));
  unsigned long hash = 2166136261u;  // FNV-1a
  for (long i = 0; i < Length; ++i)
    hash = (hash ^ static_cast<unsigned char>(Text[i])) * 16777619u;
  ZQ_String& slot = Slots[hash % NumSlots];
  if (slot.GetLength() != Length ||
      std::memcmp(slot.GetText(), Text, static_cast<size_t>(Length)) != 0)
    slot = ZQ_String(Text, static_cast<int>(Length));
  return slot;
}

// ZQXML_StringCache.h: shares the strings of repeated short texts (names,
// white space between elements, short values) while a document is read, so
// that the nodes of a tree hold one copy of each instead of one each. A
// fixed table of recent strings, hashed by content: bounded memory, no
// growth. One thread only.
#ifndef ZQXML_STRINGCACHE_H
#define ZQXML_STRINGCACHE_H

#include "ZQ_String.h"

class ZQXML_StringCache {
 public:
  // A string equal to the Length bytes of Text: a shared one when the text is
  // short and was seen recently.
  ZQ_String Get(const char* Text, long Length);

 private:
  static const long NumSlots = 1024;
  static const long MaxCachedLength = 32;
  ZQ_String Slots[NumSlots];
};

#endif

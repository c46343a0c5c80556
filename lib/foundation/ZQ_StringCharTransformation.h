// ZQ_StringCharTransformation.h: maps, keeps or deletes the characters of a
// text through a 256-entry table indexed by byte value. A new table maps
// every character to itself. The usual set-up deletes every class
// (AddDeleteChars (ZQ_CharClass_All)), then passes the wanted classes and a
// few single characters.
#ifndef ZQ_STRINGCHARTRANSFORMATION_H
#define ZQ_STRINGCHARTRANSFORMATION_H

#include "ZQ_String.h"

class ZQ_StringCharTransformation {
 public:
  ZQ_StringCharTransformation();

  void SetChar(char From, char To);
  void AddPassChar(char Char);    // emitted as it is
  void AddDeleteChar(char Char);  // dropped
  // The same for every byte whose class (ZQ_CharacterClass.h) has a bit of Mask.
  void AddPassChars(unsigned long Mask);
  void AddDeleteChars(unsigned long Mask);

  // A new string (capacity: Text's length) of the table's entries for the
  // characters of Text, without the deleted ones.
  ZQ_String Transform(const ZQ_String& Text) const;

 private:
  static const unsigned short Delete = 257;
  unsigned short Table[256];
};

#endif

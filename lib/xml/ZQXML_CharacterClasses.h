// ZQXML_CharacterClasses.h: the byte classes of the XML parser's scanning
// loops, one table lookup per byte.
#ifndef ZQXML_CHARACTERCLASSES_H
#define ZQXML_CHARACTERCLASSES_H

#include <initializer_list>

const unsigned char ZQXML_Class_Space = 0x1;       // blank, tab, line feed, carriage return
const unsigned char ZQXML_Class_NameStart = 0x2;   // letters, "_", ":", bytes 128-255
const unsigned char ZQXML_Class_NameChar = 0x4;    // the above, digits, "-", "."
const unsigned char ZQXML_Class_InContent = 0x8;   // ends a run of character data
const unsigned char ZQXML_Class_InValue = 0x10;    // ends a run of an attribute value
const unsigned char ZQXML_Class_Letter = 0x20;     // ASCII letters (command keywords)

struct ZQXML_CharacterClassTable {
  unsigned char Of[256];
  constexpr ZQXML_CharacterClassTable() : Of() {
    for (int c = 'a'; c <= 'z'; ++c) Of[c] = Of[c - 'a' + 'A'] = ZQXML_Class_Letter;
    for (int c = 0; c < 256; ++c) {
      const bool isLetter = Of[c] & ZQXML_Class_Letter;
      if (isLetter || c == '_' || c == ':' || c >= 128) Of[c] |= ZQXML_Class_NameStart;
      if ((Of[c] & ZQXML_Class_NameStart) || (c >= '0' && c <= '9') || c == '-' || c == '.')
        Of[c] |= ZQXML_Class_NameChar;
    }
    for (const char c : {' ', '\t', '\n', '\r'}) Of[static_cast<unsigned char>(c)] |= ZQXML_Class_Space;
    for (const char c : {'<', '&', '[', ']', '\r', '\0'}) Of[static_cast<unsigned char>(c)] |= ZQXML_Class_InContent;
    for (const char c : {'<', '&', '[', '\r', '\n', '\t', '\'', '"', '\0'})
      Of[static_cast<unsigned char>(c)] |= ZQXML_Class_InValue;
  }
  bool Is(char Char, unsigned char Class) const {
    return (Of[static_cast<unsigned char>(Char)] & Class) != 0;
  }
};

inline constexpr ZQXML_CharacterClassTable ZQXML_CharacterClasses;

#endif

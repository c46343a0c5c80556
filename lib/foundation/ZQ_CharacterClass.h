// ZQ_CharacterClass.h: the library's own character classes, one 32-bit class
// word per byte value. The table is fixed: it does not follow the runtime's
// locale, so text filters, parsers and number recognition behave the same on
// every machine. Callers select characters with masks of the class bits.
#ifndef ZQ_CHARACTERCLASS_H
#define ZQ_CHARACTERCLASS_H

enum ZQ_CharClass : unsigned long {
  ZQ_CharClass_UpperCase = 0x1,         // A-Z
  ZQ_CharClass_LowerCase = 0x2,         // a-z
  ZQ_CharClass_Digit = 0x4,             // 0-9
  ZQ_CharClass_HexDigit = 0x8,          // 0-9, A-F, a-f
  ZQ_CharClass_Nul = 0x10,              // 0
  ZQ_CharClass_Tab = 0x20,              // 9
  ZQ_CharClass_LineFeed = 0x40,         // 10
  ZQ_CharClass_CarriageReturn = 0x80,   // 13
  ZQ_CharClass_Control = 0x100,         // 0-31 and 127
  ZQ_CharClass_Space = 0x200,           // 32
  ZQ_CharClass_Underscore = 0x400,
  ZQ_CharClass_Period = 0x800,
  ZQ_CharClass_Punctuation = 0x1000,    // printable 33-126, neither letter nor digit
  ZQ_CharClass_HighBytes = 0x2000,      // 128-255
  ZQ_CharClass_NumberChar = 0x4000,     // + - . 0-9 E e
};

// Masks in common use.
const unsigned long ZQ_CharClass_WhiteSpace = 0x2E0;            // tab, LF, CR, space
const unsigned long ZQ_CharClass_LettersAndDigits = 0x7;
const unsigned long ZQ_CharClass_IdentifierChars = 0x407;      // letters, digits, _
const unsigned long ZQ_CharClass_DottedIdentifierChars = 0xC07;  // the same and .
const unsigned long ZQ_CharClass_All = 0x7FFF;

// The class word of a byte value.
unsigned long ZQ_GetCharClass(char Char);

// True when the class word of Char has a bit of Mask.
inline bool ZQ_IsCharInClass(char Char, unsigned long Mask) {
  return (ZQ_GetCharClass(Char) & Mask) != 0;
}

#endif

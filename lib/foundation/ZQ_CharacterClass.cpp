#include "ZQ_CharacterClass.h"

namespace {

constexpr unsigned long ClassOf(int c) {
  unsigned long bits = 0;
  if (c >= 'A' && c <= 'Z') bits |= ZQ_CharClass_UpperCase;
  if (c >= 'a' && c <= 'z') bits |= ZQ_CharClass_LowerCase;
  if (c >= '0' && c <= '9') bits |= ZQ_CharClass_Digit;
  if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'))
    bits |= ZQ_CharClass_HexDigit;
  if (c == 0) bits |= ZQ_CharClass_Nul;
  if (c == 9) bits |= ZQ_CharClass_Tab;
  if (c == 10) bits |= ZQ_CharClass_LineFeed;
  if (c == 13) bits |= ZQ_CharClass_CarriageReturn;
  if (c < 32 || c == 127) bits |= ZQ_CharClass_Control;
  if (c == 32) bits |= ZQ_CharClass_Space;
  if (c == '_') bits |= ZQ_CharClass_Underscore;
  if (c == '.') bits |= ZQ_CharClass_Period;
  const bool isLetterOrDigit = (bits & 0x7) != 0;
  if (c >= 33 && c <= 126 && !isLetterOrDigit) bits |= ZQ_CharClass_Punctuation;
  if (c >= 128) bits |= ZQ_CharClass_HighBytes;
  if (c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 'E' || c == 'e')
    bits |= ZQ_CharClass_NumberChar;
  return bits;
}

struct ClassTable {
  unsigned long Words[256];
  constexpr ClassTable() : Words() {
    for (int c = 0; c < 256; ++c) Words[c] = ClassOf(c);
  }
};

// Built by the compiler: usable from any static initialiser.
constexpr ClassTable kClassTable;

}  // namespace

unsigned long ZQ_GetCharClass(char Char) {
  return kClassTable.Words[static_cast<unsigned char>(Char)];
}

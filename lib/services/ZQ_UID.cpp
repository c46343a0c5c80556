// ZQ_UID.cpp: text, binary and trace forms of the 128-bit identifier.
#include "ZQ_UID.h"

#include "ZQ_Assertion.h"
#include "ZQ_BinaryStreamParser.h"
#include "ZQ_BinaryStreamSink.h"
#include "ZQ_Exception.h"
#include "ZQ_TextStreamFormatter.h"

namespace {

const int kTextLength = 39;

int HexDigitValue(char Char) {
  if (Char >= '0' && Char <= '9') return Char - '0';
  if (Char >= 'a' && Char <= 'f') return Char - 'a' + 10;
  if (Char >= 'A' && Char <= 'F') return Char - 'A' + 10;
  return -1;
}

// Parses a stripped text; false when it is not a valid text form.
bool ParseStripped(const ZQ_String& Text, unsigned long Words[4]) {
  if (Text.GetLength() != kTextLength) return false;
  unsigned long Groups[8] = {0, 0, 0, 0, 0, 0, 0, 0};
  for (int i = 0; i < kTextLength; ++i) {
    char Char = Text[i];
    if (i % 5 == 4) {
      if (Char != '-') return false;
      continue;
    }
    int Digit = HexDigitValue(Char);
    if (Digit < 0) return false;
    Groups[i / 5] = Groups[i / 5] * 16 + static_cast<unsigned long>(Digit);
  }
  for (int k = 0; k < 4; ++k) Words[k] = Groups[2 * k] * 65536UL + Groups[2 * k + 1];
  return true;
}

ZQ_Exception MakeReadError(const ZQ_String& Text) {
  return ZQ_Exception(
      "Error reading UID",
      "The text \"" + Text +
          "\" is not \n"
          "a valid UID value.  A valid UID will be 39 characters long, \n"
          "and will have the form ####-####-####-####-####-####-####-####, where\n"
          "each # represents a digit '0'-'9' or a letter 'a'-'f' or 'A'-'F'.\n"
          "For example, 0123-4567-89ab-cdef-0000-0000-0000-1357 is a valid UID.\n");
}

bool TryParse(const ZQ_String& Text, ZQ_UID& Result) {
  unsigned long Words[4];
  if (!ParseStripped(ZQ_StripChar(Text, ZQ_Strip_Both, ' '), Words)) return false;
  Result = ZQ_UID(Words[0], Words[1], Words[2], Words[3]);
  return true;
}

ZQ_String FormatUID(const void* Address) {
  return static_cast<const ZQ_UID*>(Address)->GetTextRepresentation();
}

ZQ_String FormatNamedUID(const void* Address) {
  const ZQ_NamedUID& Named = *static_cast<const ZQ_NamedUID*>(Address);
  return "\"" + Named.Name + "\"  (" + Named.Identifier.GetTextRepresentation() + ")";
}

const ZQ_StackTrace_RegisterVarFormatter s_registerUID(19, &FormatUID);
const ZQ_StackTrace_RegisterVarFormatter s_registerNamedUID(20, &FormatNamedUID);

}  // namespace

ZQ_UID::ZQ_UID(const ZQ_String& TextRepresentation)
    : ZQ_UID(ParseTextRepresentation(TextRepresentation)) {}

unsigned long ZQ_UID::GetWord(int Index) const {
  ZQ_ASSERT((0 <= Index) and (Index < 4));
  return (0 <= Index && Index < 4) ? Words[Index] : 0;
}

ZQ_String ZQ_UID::GetTextRepresentation() const {
  static const char kDigits[] = "0123456789abcdef";
  char Text[kTextLength];
  int Position = 0;
  for (int Group = 0; Group < 8; ++Group) {
    unsigned long Value = Group % 2 == 0 ? Words[Group / 2] >> 16 : Words[Group / 2] & 0xFFFF;
    for (int Shift = 12; Shift >= 0; Shift -= 4) Text[Position++] = kDigits[(Value >> Shift) & 0xF];
    if (Group < 7) Text[Position++] = '-';
  }
  return ZQ_String(Text, kTextLength);
}

ZQ_UID ZQ_UID::ParseTextRepresentation(const ZQ_String& TextRepresentationOfValue) {
  ZQ_TRACE_FUNCTION("ZQ_UID::ParseTextRepresentation");
  ZQ_UID Result;
  if (!TryParse(TextRepresentationOfValue, Result)) throw MakeReadError(TextRepresentationOfValue);
  return Result;
}

ZQ_UID ZQ_UID::ParseTextRepresentation(const ZQ_String& TextRepresentationOfValue,
                                       const ZQ_UID& Default) {
  ZQ_UID Result;
  return TryParse(TextRepresentationOfValue, Result) ? Result : Default;
}

ZQ_UID ZQ_MakeUID(long N) { return ZQ_UID(0, 0, 3, static_cast<unsigned long>(N)); }

ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Out, const ZQ_UID& Value) {
  return Out << Value.GetTextRepresentation();
}

ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_UID& Value) {
  for (int k = 0; k < 4; ++k) Sink << Value.GetWord(k);
  return Sink;
}

ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_UID& Value) {
  // All four words are read before the value changes, so damaged data
  // leaves it as it was.
  unsigned long Words[4];
  for (int k = 0; k < 4; ++k) Parser >> Words[k];
  Value = ZQ_UID(Words[0], Words[1], Words[2], Words[3]);
  return Parser;
}

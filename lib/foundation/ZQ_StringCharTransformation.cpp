#include "ZQ_StringCharTransformation.h"

#include "ZQ_CharacterClass.h"
#include "ZQ_StackTrace.h"

namespace {
unsigned char Index(char Char) { return static_cast<unsigned char>(Char); }
}  // namespace

ZQ_StringCharTransformation::ZQ_StringCharTransformation() {
  for (int c = 0; c < 256; ++c) Table[c] = static_cast<unsigned short>(c);
}

void ZQ_StringCharTransformation::SetChar(char From, char To) {
  Table[Index(From)] = Index(To);
}

void ZQ_StringCharTransformation::AddPassChar(char Char) { Table[Index(Char)] = Index(Char); }

void ZQ_StringCharTransformation::AddDeleteChar(char Char) { Table[Index(Char)] = Delete; }

void ZQ_StringCharTransformation::AddPassChars(unsigned long Mask) {
  for (int c = 0; c < 256; ++c)
    if (ZQ_IsCharInClass(static_cast<char>(c), Mask)) Table[c] = static_cast<unsigned short>(c);
}

void ZQ_StringCharTransformation::AddDeleteChars(unsigned long Mask) {
  for (int c = 0; c < 256; ++c)
    if (ZQ_IsCharInClass(static_cast<char>(c), Mask)) Table[c] = Delete;
}

ZQ_String ZQ_StringCharTransformation::Transform(const ZQ_String& Text) const {
  ZQ_TRACE_FUNCTION("ZQ_StringCharTransformation::Transform");
  ZQ_String result = ZQ_String::WithCapacity(Text.GetLength());
  const char* text = Text.GetText();
  for (int i = 0; i < Text.GetLength(); ++i) {
    const unsigned short entry = Table[Index(text[i])];
    if (entry != Delete) result += static_cast<char>(entry);
  }
  return result;
}

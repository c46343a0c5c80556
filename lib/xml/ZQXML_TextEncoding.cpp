#include "ZQXML_TextEncoding.h"

#include "ZQXML_CharBuffer.h"
#include "ZQ_Assertion.h"

namespace {

// The flag bit that selects each byte for encoding (0: never encoded).
struct EncodingTable {
  unsigned short FlagOf[256];
  constexpr EncodingTable() : FlagOf() {
    for (int c = 0; c < 32; ++c) FlagOf[c] = ZQXML_Encode_OtherControls;
    FlagOf[127] = ZQXML_Encode_OtherControls;
    for (int c = 128; c < 256; ++c) FlagOf[c] = ZQXML_Encode_UpperBytes;
    FlagOf[static_cast<unsigned char>('\t')] = ZQXML_Encode_LineControls;
    FlagOf[static_cast<unsigned char>('\n')] = ZQXML_Encode_LineControls;
    FlagOf[static_cast<unsigned char>('\r')] =
        ZQXML_Encode_LineControls | ZQXML_Util_Encode_CarriageReturn;
    FlagOf[static_cast<unsigned char>('<')] = ZQXML_Encode_LessThan;
    FlagOf[static_cast<unsigned char>('>')] = ZQXML_Encode_GreaterThan;
    FlagOf[static_cast<unsigned char>('&')] = ZQXML_Encode_Ampersand;
    FlagOf[static_cast<unsigned char>('\'')] = ZQXML_Encode_Apostrophe;
    FlagOf[static_cast<unsigned char>('"')] = ZQXML_Encode_DoubleQuote;
    FlagOf[static_cast<unsigned char>('[')] = ZQXML_Encode_OpeningBracket;
    FlagOf[static_cast<unsigned char>(']')] = ZQXML_Encode_ClosingBracket;
    FlagOf[static_cast<unsigned char>('-')] = ZQXML_Encode_Hyphen;
  }
};

constexpr EncodingTable kEncoding;

}  // namespace

const unsigned short* const ZQXML_EncodingFlagOfByte = kEncoding.FlagOf;

namespace {

bool IsEncoded(char Char, unsigned long Flags) {
  return (kEncoding.FlagOf[static_cast<unsigned char>(Char)] & Flags) != 0;
}

bool IsWhitespace(char Char) { return Char == ' ' || Char == '\t' || Char == '\n' || Char == '\r'; }

}  // namespace

void ZQXML_Util_AppendEncoded(ZQXML_CharBuffer& Output, const char* Text, long N,
                              unsigned long Flags) {
  const char* end = Text + N;
  while (Text < end) {
    const char* run = Text;
    while (Text < end && !IsEncoded(*Text, Flags)) ++Text;
    Output.Append(run, static_cast<long>(Text - run));
    if (Text < end) Output.AppendCharacterReference(static_cast<unsigned char>(*Text++));
  }
}

ZQ_String ZQXML_EncodeSpecialCharacters(const ZQ_String& Text, unsigned long Flags) {
  Flags &= ZQXML_Encode_All;
  const char* text = Text.GetText();
  const long length = Text.GetLength();
  long first = 0;
  while (first < length && !IsEncoded(text[first], Flags)) ++first;
  if (first == length) return Text;
  ZQXML_CharBuffer output;
  output.Append(text, first);
  ZQXML_Util_AppendEncoded(output, text + first, length - first, Flags);
  return output.ToString();
}

ZQ_String ZQXML_MakeSpacesNonbreaking(const ZQ_String& Text) {
  if (Text.Find(' ') == ZQ_NoMatch) return Text;
  ZQXML_CharBuffer output;
  for (int i = 0; i < Text.GetLength(); ++i) {
    if (Text[i] == ' ')
      output.Append("&nbsp;", 6);
    else
      output.Append(Text[i]);
  }
  return output.ToString();
}

ZQ_String ZQXML_NormalizeWhitespace(const ZQ_String& Text, long Mode) {
  ZQ_ASSERT((Mode >= 0) and (Mode <= 2));
  if (Mode != 1 && Mode != 2) return Text;
  ZQXML_CharBuffer output;
  bool inRun = false;
  for (int i = 0; i < Text.GetLength(); ++i) {
    const char c = Text[i];
    if (IsWhitespace(c)) {
      inRun = true;
      continue;
    }
    if (inRun && (Mode == 1 || !output.IsEmpty())) output.Append(' ');
    inRun = false;
    output.Append(c);
  }
  if (inRun && Mode == 1) output.Append(' ');
  return output.ToString();
}

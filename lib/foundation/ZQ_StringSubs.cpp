#include "ZQ_StringSubs.h"

#include <cstring>

#include "ZQLOW_Char.h"
#include "ZQ_Assertion.h"
#include "ZQ_CharacterClass.h"
#include "ZQ_Exception.h"
#include "ZQ_Iterator.h"
#include "ZQ_NumberText.h"
#include "ZQ_ParameterSymbol.h"
#include "ZQ_StackTrace.h"

namespace {

const int kMaxBufferLength = 255;

// Title case keeps these lower-case inside a text (all of at most 4 letters).
const char* const kSmallWords[] = {
    "a",    "an",   "and",  "as",   "at",   "but",  "by",   "for",  "from", "if",
    "in",   "into", "near", "nor",  "of",   "off",  "on",   "onto", "or",   "out",
    "over", "so",   "than", "that", "the",  "till", "to",   "when", "with", "yet"};

bool IsCapitalizeSeparator(char c) {
  return ZQ_IsCharInClass(c, ZQ_CharClass_WhiteSpace) || c == '"' || c == '\'' || c == '`';
}

bool IsSmallWord(const char* Word, int Length) {
  if (Length > 4) return false;
  for (const char* small : kSmallWords)
    if (static_cast<int>(std::strlen(small)) == Length && std::memcmp(small, Word, Length) == 0)
      return true;
  return false;
}

bool IsWhiteSpace(char c) { return ZQ_IsCharInClass(c, ZQ_CharClass_WhiteSpace); }

ZQ_String StripOne(const ZQ_String& Text, int StripWhere) {
  const int length = Text.GetLength();
  if (length == 0) return Text;
  const char* text = Text.GetText();
  int end = length - 1;
  if (StripWhere != ZQ_StringSubs::StripWhere_Start)
    while (end >= 0 && IsWhiteSpace(text[end])) --end;
  int start = 0;
  if (StripWhere != ZQ_StringSubs::StripWhere_End)
    while (start <= end && IsWhiteSpace(text[start])) ++start;
  if (start == 0 && end == length - 1) return Text;
  return end < start ? ZQ_String() : ZQ_String(text + start, end - start + 1);
}

// The bytes of a Buffer argument, up to Length or a NUL before it. True when
// all Length bytes were taken.
bool TakeBuffer(const char* Buffer, int Length, ZQ_String& Text) {
  int n = 0;
  while (n < Length && Buffer[n] != 0) ++n;
  Text = ZQ_String(Buffer, n);
  return n == Length;
}

bool IsValidBufferLength(int Length) { return Length >= 1 && Length <= kMaxBufferLength; }

bool ParseHexadecimal(const char* Text, int Length, unsigned long& Value) {
  if (Length < 1 || Length > 8) return false;
  unsigned long value = 0;
  for (int i = 0; i < Length; ++i) {
    if (!ZQ_IsCharInClass(Text[i], ZQ_CharClass_HexDigit)) return false;
    value = value * 16 + ZQLOW_Char::HexDigitToValue(Text[i]);
  }
  Value = value;
  return true;
}

}  // namespace

namespace ZQ_StringSubs {

ZQ_String Capitalize(const ZQ_String& Text, int Mode) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::Capitalize");
  ZQ_TRACE_VARIABLE(Text);
  ZQ_String result = Text;
  const int length = result.GetLength();
  const char* text = Text.GetText();
  int position = 0;
  bool isFirstWord = true;
  for (;;) {
    while (position < length && IsCapitalizeSeparator(text[position])) ++position;
    if (position == length) break;
    const int start = position;
    while (position < length && !IsCapitalizeSeparator(text[position])) ++position;
    int next = position;
    while (next < length && IsCapitalizeSeparator(text[next])) ++next;
    const bool isLastWord = next == length;
    const bool keepSmall = !isFirstWord && !isLastWord && Mode != Capitalize_AllWords &&
                           IsSmallWord(text + start, position - start);
    // Text stays unchanged: result takes its own copy at the first write.
    if (!keepSmall) result[start] = static_cast<char>(ZQLOW_Char::ToUpper(text[start]));
    isFirstWord = false;
  }
  return result;
}

ZQ_String StripWhiteSpace(const ZQ_String& Text, int StripWhere, int StripMode) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::StripWhiteSpace");
  ZQ_TRACE_VARIABLE(Text);
  if (StripMode == StripMode_Text) return StripOne(Text, StripWhere);
  ZQ_ASSERT(StripMode == StripMode_Multiline);
  ZQ_String result = ZQ_String::WithCapacity(Text.GetLength());
  ZQ_ReadOnlyIterator<ZQ_String> lines = ZQ_GetStringLineIterator(Text);
  bool isFirstLine = true;
  for (; lines.IsValid(); lines.Advance()) {
    if (!isFirstLine) result += '\n';
    result += StripOne(*lines, StripWhere);
    isFirstLine = false;
  }
  return result;
}

ZQ_String RemoveCarriageReturns(const ZQ_String& Text) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::RemoveCarriageReturns");
  const char* text = Text.GetText();
  ZQ_String result = ZQ_String::WithCapacity(Text.GetLength());
  for (; *text; ++text)
    if (*text != '\r') result += *text;
  return result;
}

ZQ_String ExpandTabs(const ZQ_String& Text, int N) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::ExpandTabs");
  if (N < 0) N = 0;
  ZQ_String result = ZQ_String::WithCapacity(Text.GetLength());
  const char* text = Text.GetText();
  for (int i = 0; i < Text.GetLength(); ++i) {
    if (text[i] == '\t')
      result.Append(' ', N);
    else
      result += text[i];
  }
  return result;
}

ZQ_String AddQuotesIfNecessary(const ZQ_String& Text, char Open, char Close) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::AddQuotesIfNecessary");
  if (Text.IsEmpty() || Text.Find(' ') == ZQ_NoMatch) return Text;
  ZQ_String result = Text;
  if (result.GetFirstChar() != Open) result.Prepend(Open);
  if (result.GetLastChar() != Close) result += Close;
  return result;
}

ZQ_String StripQuotes(const ZQ_String& Text, char Open, char Close) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::StripQuotes");
  const char* text = Text.GetText();
  const int length = Text.GetLength();
  const bool hasQuote = std::memchr(text, Open, length) ||
                        (Close != Open && std::memchr(text, Close, length));
  if (!hasQuote) return Text;
  ZQ_String result = ZQ_String::WithCapacity(length);
  for (int i = 0; i < length; ++i)
    if (text[i] != Open && text[i] != Close) result += text[i];
  return result;
}

ZQ_String PassChars(const ZQ_String& Text, unsigned long Mask) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::PassChars");
  ZQ_String result = ZQ_String::WithCapacity(Text.GetLength());
  for (const char* text = Text.GetText(); *text; ++text)
    if (ZQ_IsCharInClass(*text, Mask)) result += *text;
  return result;
}

int CountChars(const ZQ_String& Text, char Char) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::CountChars");
  int count = 0;
  for (const char* text = Text.GetText(); *text; ++text)
    if (*text == Char) ++count;
  return count;
}

ZQ_String GetFirstLine(const ZQ_String& Text) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::GetFirstLine");
  ZQ_String result = Text;
  const int carriageReturn = result.Find('\r');
  if (carriageReturn != ZQ_NoMatch) result = ZQ_Left(result, carriageReturn);
  const int lineFeed = result.Find('\n');
  if (lineFeed != ZQ_NoMatch) result = ZQ_Left(result, lineFeed);
  return result;
}

long StringToInt32(const ZQ_String& Text, int Base) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::StringToInt32");
  ZQ_TRACE_VARIABLE(Text);
  long value = 0;
  if (!ZQ_NumberText_ParseInt32(Text.GetText(), Text.GetLength(), Base, value))
    ThrowStringToNumberErrorException(Text, 0);
  return value;
}

long StringToInt32(const char* Buffer, int Length, int Base) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::StringToInt32");
  ZQ_String text;
  if (!IsValidBufferLength(Length)) ThrowStringToNumberErrorException(text, 0);
  const bool isWhole = TakeBuffer(Buffer, Length, text);
  long value = 0;
  if (!isWhole || !ZQ_NumberText_ParseInt32(text.GetText(), Length, Base, value))
    ThrowStringToNumberErrorException(text, 0);
  return value;
}

long StringToInt32(const char* Buffer, int Length, bool& Error, int Base) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::StringToInt32");
  ZQ_String text;
  long value = 0;
  Error = !IsValidBufferLength(Length) || !TakeBuffer(Buffer, Length, text) ||
          !ZQ_NumberText_ParseInt32(text.GetText(), Length, Base, value);
  return Error ? ZQ_NoMatch : value;
}

unsigned long StringToUInt32(const ZQ_String& Text) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::StringToUInt32");
  ZQ_TRACE_VARIABLE(Text);
  unsigned long value = 0;
  if (!ParseHexadecimal(Text.GetText(), Text.GetLength(), value))
    ThrowStringToNumberErrorException(Text, 1);
  return value;
}

unsigned long StringToUInt32(const char* Buffer, int Length) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::StringToUInt32");
  ZQ_String text;
  const bool isWhole = Length > 0 && TakeBuffer(Buffer, Length, text);
  unsigned long value = 0;
  if (!isWhole || !ParseHexadecimal(text.GetText(), Length, value))
    ThrowStringToNumberErrorException(text, 1);
  return value;
}

unsigned long StringToUInt32(const char* Buffer, int Length, bool& Error) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::StringToUInt32");
  ZQ_String text;
  const bool isWhole = Length > 0 && TakeBuffer(Buffer, Length, text);
  unsigned long value = 0;
  if (!isWhole || !ParseHexadecimal(text.GetText(), Length, value)) {
    Error = true;
    return 0;
  }
  return value;
}

double StringToDouble(const ZQ_String& Text) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::StringToDouble");
  ZQ_TRACE_VARIABLE(Text);
  double value = 0.0;
  if (!ZQ_NumberText_ParseDouble(Text.GetText(), Text.GetLength(), value))
    ThrowStringToNumberErrorException(Text, 2);
  return value;
}

double StringToDouble(const char* Buffer, int Length) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::StringToDouble");
  ZQ_String text;
  if (!IsValidBufferLength(Length)) ThrowStringToNumberErrorException(text, 2);
  const bool isWhole = TakeBuffer(Buffer, Length, text);
  double value = 0.0;
  if (!isWhole || !ZQ_NumberText_ParseDouble(text.GetText(), Length, value))
    ThrowStringToNumberErrorException(text, 2);
  return value;
}

double StringToDouble(const char* Buffer, int Length, bool& Error) {
  ZQ_TRACE_FUNCTION("ZQ_StringSubs::StringToDouble");
  ZQ_String text;
  double value = 0.0;
  if (!IsValidBufferLength(Length) || !TakeBuffer(Buffer, Length, text) ||
      !ZQ_NumberText_ParseDouble(text.GetText(), Length, value)) {
    Error = true;
    return StringToDouble_ErrorValue;
  }
  return value;
}

double StringToDouble(const ZQ_String& Text, bool& Error) {
  return StringToDouble(Text.GetText(), Text.GetLength(), Error);
}

}  // namespace ZQ_StringSubs

ZQ_String ZQ_SubstituteArguments(const ZQ_String& Template, const ZQ_String& Arg1,
                                 const ZQ_String& Arg2) {
  ZQ_TRACE_FUNCTION("ZQ_SubstituteArguments");
  ZQ_TRACE_VARIABLE(Template);
  const ZQ_String arguments[] = {Arg1, Arg2};
  return ZQ_FillParameterSymbols(Template, arguments, 2);
}

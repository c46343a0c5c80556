#include "ZQ_AbstractStringSymbolReplacer.h"

#include "ZQ_CharacterClass.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringSubs.h"

namespace {

// Names are ASCII letters and digits; white space is exactly space, tab, line
// feed and carriage return (not vertical tab or form feed).
bool IsSymbolCharacter(char Char) { return ZQ_IsCharInClass(Char, ZQ_CharClass_LettersAndDigits); }
bool IsWhiteSpace(char Char) { return ZQ_IsCharInClass(Char, ZQ_CharClass_WhiteSpace); }

int SkipSymbolCharacters(const char* Text, int Position, int Length) {
  while (Position < Length && IsSymbolCharacter(Text[Position])) ++Position;
  return Position;
}

int SkipWhiteSpace(const char* Text, int Position, int Length) {
  while (Position < Length && IsWhiteSpace(Text[Position])) ++Position;
  return Position;
}

// From Position, inside one open brace: the index of the brace that closes
// it, or -1 when the text ends first.
int FindMatchingBrace(const char* Text, int Position, int Length) {
  int depth = 1;
  for (; Position < Length; ++Position) {
    if (Text[Position] == '{') {
      ++depth;
    } else if (Text[Position] == '}') {
      if (--depth == 0) return Position;
    }
  }
  return -1;
}

ZQ_String Slice(const char* Text, int Start, int End) { return ZQ_String(Text + Start, End - Start); }

// Spaces only (or nothing): what IFNOTNULL takes as null.
bool IsNull(const ZQ_String& Value) {
  for (int i = 0; i < Value.GetLength(); ++i)
    if (Value[i] != ' ') return false;
  return true;
}

bool IsNumberZero(const ZQ_String& Value) {
  bool isError = false;
  const double number = ZQ_StringSubs::StringToDouble(Value.GetText(), Value.GetLength(), isError);
  return !isError && number == 0.0;
}

}  // namespace

ZQ_AbstractStringSymbolReplacer::~ZQ_AbstractStringSymbolReplacer() = default;

void ZQ_AbstractStringSymbolReplacer::ApplyValueFilter(ZQ_String& Value,
                                                       const ZQ_String& Parameters) const {
  if (!ValueFilter.IsSet()) return;
  ZQ_StringSymbolReplacer_FilterArguments arguments{Value, Parameters};
  ValueFilter(arguments);
}

ZQ_String ZQ_AbstractStringSymbolReplacer::Process(const ZQ_String& aString) {
  ZQ_TRACE_FUNCTION("ZQ_AbstractStringSymbolReplacer::Process");
  ZQ_TRACE_VARIABLE(aString);
  // A handler may run Process again, on this replacer, while this one is under
  // way; aString may then be part of what it changes, so work on a copy.
  const ZQ_String source = aString;
  const char* text = source.GetText();
  const int length = source.GetLength();
  ZQ_String result;
  int p = 0;
  for (;;) {
    int open = p;
    while (open < length && text[open] != '{') ++open;
    result.Append(text + p, open - p);
    if (open == length) break;
    const int nameEnd = SkipSymbolCharacters(text, open + 1, length);
    const int close = nameEnd < length ? FindMatchingBrace(text, nameEnd, length) : -1;
    if (close < 0) {  // unbalanced or cut short: the rest is literal
      result.Append(text + open, length - open);
      break;
    }
    const int parametersStart = SkipWhiteSpace(text, nameEnd, close);
    const ZQ_String name = ZQ_ToUpperCase(Slice(text, open + 1, nameEnd));
    const ZQ_String parameters = Slice(text, parametersStart, close);
    p = close + 1;
    if (ProcessCommand(name, parameters, result)) continue;
    ZQ_String value = name;
    if (ProcessSymbol(value, parameters)) {
      ApplyValueFilter(value, parameters);
      result += value;
    } else {
      result.Append(text + open, close + 1 - open);  // as written, case kept
    }
  }
  return result;
}

bool ZQ_AbstractStringSymbolReplacer::ProcessCommand(const ZQ_String& SymbolName,
                                                     const ZQ_String& SymbolParameters,
                                                     ZQ_String& Result) {
  const bool isNotZero = SymbolName == "IFNOTZERO";
  if (!isNotZero && SymbolName != "IFNOTNULL") return false;
  ZQ_TRACE_FUNCTION("ZQ_AbstractStringSymbolReplacer::ProcessCommand");
  ZQ_TRACE_VARIABLE(SymbolParameters);
  const ZQ_String parameterText = SymbolParameters;  // SymbolParameters may alias Result
  const char* text = parameterText.GetText();
  const int length = parameterText.GetLength();

  // The test symbol: "{Name Params}" or a plain name.
  ZQ_String testName;
  ZQ_String testParameters;
  int i;
  if (length > 0 && text[0] == '{') {
    const int nameEnd = SkipSymbolCharacters(text, 1, length);
    const int parametersStart = SkipWhiteSpace(text, nameEnd, length);
    const int close = FindMatchingBrace(text, parametersStart, length);
    if (close < 0) {
      Result += parameterText;
      return true;
    }
    testName = Slice(text, 1, nameEnd);
    testParameters = Slice(text, parametersStart, close);
    i = close + 1;
  } else {
    i = SkipSymbolCharacters(text, 0, length);
    testName = Slice(text, 0, i);
  }
  testName.ConvertToUpperCase();
  if (testName.IsEmpty()) {
    Result += parameterText;
    return true;
  }
  // Exactly one white-space character separates the test symbol from the rest.
  if (i < length && IsWhiteSpace(text[i])) ++i;
  const ZQ_String rest = Slice(text, i, length);

  ZQ_String value = testName;
  if (!ProcessSymbol(value, testParameters)) {
    Result += parameterText;
    return true;
  }
  ApplyValueFilter(value, testParameters);
  // Not a number counts as not zero.
  if (isNotZero ? IsNumberZero(value) : IsNull(value)) return true;
  Result += Process(rest);
  return true;
}

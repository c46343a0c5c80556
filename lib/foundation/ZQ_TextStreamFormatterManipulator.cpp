#include "ZQ_TextStreamFormatterManipulator.h"

#include "ZQLOW_Char.h"
#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringSubs.h"

namespace {

using Formatter = ZQ_TextStreamFormatter;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the run of decimal digits at Text[Position], moving Position past it.
// Runs of absurd length saturate instead of overflowing.
long ReadDigitRun(const ZQ_String& Text, int& Position) {
  long value = 0;
  for (; Position < Text.GetLength() && IsDigit(Text[Position]); ++Position)
    if (value < 1000000) value = 10 * value + (Text[Position] - '0');
  return value;
}

// A word value: upper-cased, spaces stripped at both ends.
ZQ_String NormaliseWord(const ZQ_String& Value) {
  return ZQ_ToUpperCase(ZQ_StripChar(Value, ZQ_Strip_Both, ' '));
}

// Empty is true; a first character N, n, F, f or 0 is false; anything else
// is true. Leading spaces are skipped.
bool ReadBoolean(const ZQ_String& Value) {
  const ZQ_String text = ZQ_StripChar(Value, ZQ_Strip_Leading, ' ');
  if (text.IsEmpty()) return true;
  const char first = text[0];
  return !(first == 'N' || first == 'n' || first == 'F' || first == 'f' || first == '0');
}

void ApplyNumber(Formatter& F, ZQ_AttributeIndexType Key, const ZQ_String& Value,
                 long Low, long High) {
  const long number = ZQ_StringSubs::StringToInt32(Value, 10);
  if (number < Low || number > High) return;
  if (Key == Formatter::Attribute_Base) {
    F << SetBase(static_cast<unsigned char>(number));
  } else {
    F.SetAttribute(Key, &number);
  }
}

void ApplyKey(Formatter& F, const ZQ_String& Key, const ZQ_String& Value) {
  ZQ_TRACE_FUNCTION("ZQ_SetFormat::ApplyKey");
  if (Key == "WIDTH") {
    ApplyNumber(F, Formatter::Attribute_Width, Value, 0, 9999);
  } else if (Key == "EXPONENTSYMBOL") {
    F << SetExponentSymbol(Value);
  } else if (Key == "PADCHAR") {
    ZQ_ASSERT(not Value.IsEmpty());
    if (!Value.IsEmpty()) F << SetPadChar(Value[0]);
  } else if (Key == "BASE") {
    ApplyNumber(F, Formatter::Attribute_Base, Value, 2, 36);
  } else if (Key == "SHOWEXPONENT") {
    const ZQ_String word = NormaliseWord(Value);
    if (word == "NEVER") F << SetShowExponent(Formatter::ShowExponent_Never);
    if (word == "ALWAYS") F << SetShowExponent(Formatter::ShowExponent_Always);
    if (word == "ASNEEDED") F << SetShowExponent(Formatter::ShowExponent_AsNeeded);
  } else if (Key == "EXPONENTDIGITSWIDTH") {
    ApplyNumber(F, Formatter::Attribute_ExponentDigitsWidth, Value, 0, 9999);
  } else if (Key == "PRECISIONORIGIN") {
    const ZQ_String word = NormaliseWord(Value);
    if (word == "DECIMALPOINT")
      F << SetPrecisionOrigin(Formatter::PrecisionOrigin_DecimalPoint);
    if (word == "FIRSTSIGNIFICANTDIGIT")
      F << SetPrecisionOrigin(Formatter::PrecisionOrigin_FirstSignificantDigit);
  } else if (Key == "PRECISION") {
    ApplyNumber(F, Formatter::Attribute_Precision, Value, 0, 32);
  } else if (Key == "SHOWPLUS") {
    F << SetShowPlus(ReadBoolean(Value));
  } else if (Key == "SHOWTRAILINGPOINT") {
    F << SetShowTrailingPoint(ReadBoolean(Value));
  } else if (Key == "SHOWTRAILINGZEROS") {
    F << SetShowTrailingZeros(ReadBoolean(Value));
  }
}

}  // namespace

ZQ_TextStreamFormatterManipulator::~ZQ_TextStreamFormatterManipulator() = default;

void ZQ_SetNumDigitsPastDecimalPoint::Apply(ZQ_TextStreamFormatter& F) const {
  F << SetPrecision(N) << SetShowExponent(Formatter::ShowExponent_Never)
    << SetShowTrailingZeros(true) << SetPrecisionOrigin(Formatter::PrecisionOrigin_DecimalPoint);
}

void ZQ_SetNumDigitsDisplayed::Apply(ZQ_TextStreamFormatter& F) const {
  F << SetPrecision(N) << SetShowExponent(Formatter::ShowExponent_AsNeeded)
    << SetShowTrailingZeros(false)
    << SetPrecisionOrigin(Formatter::PrecisionOrigin_FirstSignificantDigit);
}

void ZQ_SetFormat::Apply(ZQ_TextStreamFormatter& F) const {
  ZQ_TRACE_FUNCTION("ZQ_SetFormat::Apply");
  ZQ_TRACE_VARIABLE(FormatText);
  const ZQ_String& text = FormatText;
  const int length = text.GetLength();
  long n = -1;  // none given
  bool isDisplayed = false;
  int i = 0;
  while (i < length) {
    const char c = text[i];
    const char next = i + 1 < length ? text[i + 1] : 0;
    if (IsDigit(c)) {
      n = ReadDigitRun(text, i);
      continue;
    }
    switch (c) {
      case '[': {
        const int equals = text.Find("=", i + 1);
        const int close = equals == ZQ_NoMatch ? ZQ_NoMatch : text.Find("]", equals + 1);
        if (close == ZQ_NoMatch) {
          i = length;  // an unfinished setting ends the text
          continue;
        }
        ApplyKey(F, ZQ_ToUpperCase(text(i + 1, equals - i - 1)),
                 ZQ_String(text(equals + 1, close - equals - 1)));
        i = close + 1;
        continue;
      }
      case 'w':
      case 'W':
        ++i;
        if (i < length && IsDigit(text[i])) {
          const long width = ReadDigitRun(text, i);
          if (width <= 9999) F << SetWidth(width);
        }
        continue;
      case '#':
        isDisplayed = true;
        break;
      case ',':
        F << SetGroupSize(3) << SetGroupSymbol(",");
        break;
      case '-':
        if (next == ',') {
          F << SetGroupSize(0);
          ++i;
        } else if (next == 'E' || next == 'e') {
          F << SetShowExponent(Formatter::ShowExponent_Never);
          ++i;
        }
        break;
      case '?':
        if (next == 'E' || next == 'e') {
          F << SetShowExponent(Formatter::ShowExponent_AsNeeded);
          ++i;
        }
        break;
      case 'E':
      case 'e':
        F << SetShowExponent(Formatter::ShowExponent_Always);
        break;
      case 'B':
      case 'b':
        F << SetBase(2);
        break;
      case 'O':
      case 'o':
        F << SetBase(8);
        break;
      case 'D':
      case 'd':
        F << SetBase(10);
        break;
      case 'H':
      case 'h':
        F << SetBase(16);
        break;
      case 'L':
      case 'l':
        F << SetJustification(Formatter::Justification_Left);
        break;
      case 'C':
      case 'c':
        F << SetJustification(Formatter::Justification_Centre);
        break;
      case 'R':
      case 'r':
        F << SetJustification(Formatter::Justification_Right);
        break;
      default:
        break;
    }
    ++i;
  }
  if (n >= 0) {
    if (isDisplayed)
      F << ZQ_SetNumDigitsDisplayed(n);
    else
      F << ZQ_SetNumDigitsPastDecimalPoint(n);
  }
}

// The floating-point input: sizing, showing a value, and parsing with the
// range and the bounds as shown.
#include "ZQF_FloatInputGlyph.h"

#include <cfloat>

#include "ZQ_Assertion.h"
#include "ZQ_NumberText.h"
#include "ZQ_Numeric.h"
#include "ZQ_StringSubs.h"
#include "ZQ_TextStreamFormatterManipulator.h"

namespace {

// A decimal number in the conversion's grammar: a text it refuses only
// because the value lies beyond the double range.
bool IsDecimalNumber(const ZQ_String& Text) {
  int position = 0;
  int digits = ZQF_ValidatedTextEditGlyph::Util_SkipSignAndDigits(Text, position, true);
  if (position < Text.GetLength() && Text[position] == '.') {
    ++position;
    digits += ZQF_ValidatedTextEditGlyph::Util_SkipSignAndDigits(Text, position, false);
  }
  if (digits == 0) return false;
  if (position < Text.GetLength() && (Text[position] == 'e' || Text[position] == 'E')) {
    ++position;
    if (ZQF_ValidatedTextEditGlyph::Util_SkipSignAndDigits(Text, position, true) == 0) return false;
  }
  return position == Text.GetLength();
}

}  // namespace

ZQF_FloatInputGlyph::ZQF_FloatInputGlyph(double InitialValue, long NumSignificantDigits,
                                         double MinimumValue, double MaximumValue,
                                         unsigned long Flags)
    : ZQF_ValidatedTextEditGlyph(0),
      MinimumValue(MinimumValue),
      MaximumValue(MaximumValue),
      AllowUndefined((Flags & Flag_AllowUndefined) ||
                     ZQ_GetIEEEClass(InitialValue) == ZQ_IEEEClass_NaN),
      NeverShowExponent((Flags & Flag_NeverShowExponent) != 0) {
  ZQ_ASSERT_TEXT(NumSignificantDigits > 0 && NumSignificantDigits < 99,
                 "aNumSignificantDigits > 0 and aNumSignificantDigits < 99");
  ZQ_ASSERT_TEXT(MinimumValue < MaximumValue, "aMinimumValue < aMaximumValue");
  Formatter << SetPrecision(NumSignificantDigits);
  if (NeverShowExponent) Formatter << SetShowExponent(ZQ_TextStreamFormatter::ShowExponent_Never);
  if (Flags & Flag_NoBorder) SetBorderStyle(0);
  const char digit = Util_GetWidestDigit();
  ZQ_String sample = "." + ZQ_String(digit, static_cast<int>(NumSignificantDigits));
  if (!NeverShowExponent) sample += "E-" + ZQ_String(digit, 2);
  if (MinimumValue < 0.0) sample = "-" + sample;
  SetFixedSize(sample, 1, !(Flags & Flag_GrowsHorizontally), !(Flags & Flag_GrowsVertically));
  SetValue(InitialValue);
}

ZQF_FloatInputGlyph::~ZQF_FloatInputGlyph() = default;

void ZQF_FloatInputGlyph::SetValue(double NewValue) {
  Value = NewValue;
  Formatter = "";
  if (ZQ_GetIEEEClass(Value) == ZQ_IEEEClass_NaN) {
    ZQ_ASSERT(AllowUndefined);
  } else {
    ZQ_ASSERT(Value >= MinimumValue);
    ZQ_ASSERT(Value <= MaximumValue);
    Formatter << Value;
  }
  SetText(Formatter);
}

bool ZQF_FloatInputGlyph::Util_ReadShownBound(double Bound, double& Shown) {
  Formatter = "";
  Formatter << Bound;
  // The conversion's own grammar, without its 255-character limit (a bound
  // shown without exponent may be longer).
  return ZQ_NumberText_ParseDouble(Formatter.GetText(), Formatter.GetLength(), Shown);
}

void ZQF_FloatInputGlyph::Parse(ZQF_ParseResultType& Result) {
  const ZQ_String text = Util_GetStrippedText();
  if (AllowUndefined && text.IsEmpty()) {
    Value = ZQ_GetNaN();
    return;
  }
  double value = 0.0;
  int place = 0;  // -1 below the range, 0 inside, 1 above, 2 no number
  try {
    value = ZQ_StringSubs::StringToDouble(text);
    // A text that reads as a bound the way the field shows it means that
    // bound exactly.
    double shown = 0.0;
    if (value < MinimumValue) {
      place = Util_ReadShownBound(MinimumValue, shown) && !(value < shown) ? 0 : -1;
      if (place == 0) value = MinimumValue;
    }
    if (value > MaximumValue) {
      place = Util_ReadShownBound(MaximumValue, shown) && !(value > shown) ? 0 : 1;
      if (place == 0) value = MaximumValue;
    }
  } catch (const ZQ_Exception& failure) {
    // Beyond the double range: a number out of range, not an unknown text.
    place = Util_PlaceRefusedText(Result, failure, text, IsDecimalNumber(text));
  }
  static const char* const kSentences[] = {"Please enter a value less than or equal to {$1}.",
                                           "Please enter a value greater than or equal to {$1}.",
                                           "Please enter a value between {$1} and {$2}."};
  if (place == 0) {
    Value = value;
  } else if (place != 2) {
    Util_RejectOutOfRange(Result, "Number out of range", text, place < 0, kSentences, MinimumValue,
                          MaximumValue, -DBL_MAX, DBL_MAX);
  }
}

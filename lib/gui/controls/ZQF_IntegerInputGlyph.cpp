// The integer input: sizing, showing a value, and parsing with the range.
#include "ZQF_IntegerInputGlyph.h"

#include "ZQ_Assertion.h"
#include "ZQ_StringStream.h"
#include "ZQ_StringSubs.h"

namespace {

const long kLeast = -2147483647L - 1;
const long kGreatest = 2147483647L;

// An optional sign and decimal digits only: a text the conversion refuses
// only because its value lies beyond 32 bits.
bool IsSignedDigits(const ZQ_String& Text) {
  int position = 0;
  return ZQF_ValidatedTextEditGlyph::Util_SkipSignAndDigits(Text, position, true) > 0 &&
         position == Text.GetLength();
}

}  // namespace

ZQF_IntegerInputGlyph::ZQF_IntegerInputGlyph(long InitialValue, long MinimumValue,
                                             long MaximumValue, long NumDigits)
    : ZQF_ValidatedTextEditGlyph(0), MinimumValue(MinimumValue), MaximumValue(MaximumValue) {
  ZQ_ASSERT_TEXT(MinimumValue < MaximumValue, "aMinimumValue < aMaximumValue");
  ZQ_String sample(Util_GetWidestDigit(), static_cast<int>(NumDigits + 1));
  if (MinimumValue < 0) sample += "-";
  SetFixedSize(sample, 1, true, true);
  SetValue(InitialValue);
}

ZQF_IntegerInputGlyph::~ZQF_IntegerInputGlyph() = default;

void ZQF_IntegerInputGlyph::SetValue(long NewValue) {
  Value = NewValue;
  ZQ_ASSERT(Value >= MinimumValue);
  ZQ_ASSERT(Value <= MaximumValue);
  ZQ_StringStream text;
  text << Value;
  SetText(text);
}

void ZQF_IntegerInputGlyph::Parse(ZQF_ParseResultType& Result) {
  const ZQ_String text = Util_GetStrippedText();
  long value = 0;
  int place = 0;  // -1 below the range, 0 inside, 1 above, 2 no number
  try {
    value = ZQ_StringSubs::StringToInt32(text, 10);
    place = value < MinimumValue ? -1 : value > MaximumValue ? 1 : 0;
  } catch (const ZQ_Exception& failure) {
    // Digits beyond 32 bits are a number out of range, not an unknown text.
    place = Util_PlaceRefusedText(Result, failure, text, IsSignedDigits(text));
  }
  static const char* const kSentences[] = {"Please enter an integer less than or equal to {$1}.",
                                           "Please enter an integer greater than or equal to {$1}.",
                                           "Please enter an integer between {$1} and {$2}."};
  if (place == 0) {
    Value = value;
  } else if (place != 2) {
    Util_RejectOutOfRange(Result, "Integer out of range", text, place < 0, kSentences, MinimumValue,
                          MaximumValue, kLeast, kGreatest);
  }
}

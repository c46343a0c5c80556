#include "ZQ_SequenceNameGenerator.h"

#include "ZQ_Assertion.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"

const ZQ_NumberSequenceNameGenerator ZQ_NumberSequence;
const ZQ_LetterSequenceNameGenerator ZQ_LowerCaseLetterSequence(true);
const ZQ_LetterSequenceNameGenerator ZQ_UpperCaseLetterSequence(false);
const ZQ_RomanNumberSequenceNameGenerator ZQ_LowerCaseRomanNumberSequence(true);
const ZQ_RomanNumberSequenceNameGenerator ZQ_UpperCaseRomanNumberSequence(false);

ZQ_String ZQ_NumberSequenceNameGenerator::GetName(int Index) const {
  // Index + 1 would overflow for the largest index.
  const long long number = static_cast<long long>(Index) + 1;
  if (number > 2147483647LL) return "2147483648";
  return ZQ_ToString(static_cast<long>(number));
}

ZQ_String ZQ_LetterSequenceNameGenerator::GetName(int Index) const {
  // A negative index would pick a character before the letters.
  if (Index < 0) return ZQ_String();
  const char letter = static_cast<char>((LowerCase ? 'a' : 'A') + Index % 26);
  ZQ_String name;
  for (int i = Index / 26 + 1; i > 0; --i) name += letter;
  return name;
}

ZQ_String ZQ_RomanNumberSequenceNameGenerator::GetName(int Index) const {
  static const struct { const char* symbol; long value; } kSteps[] = {
      {"CM", 900}, {"D", 500}, {"CD", 400}, {"C", 100}, {"XC", 90}, {"L", 50}, {"XL", 40},
      {"X", 10},   {"IX", 9},  {"V", 5},    {"IV", 4},  {"I", 1}};
  long long n = static_cast<long long>(Index) + 1;
  ZQ_String name;
  for (; n >= 1000; n -= 1000) name += "M";
  for (const auto& step : kSteps)
    for (; n >= step.value; n -= step.value) name += step.symbol;
  return LowerCase ? ZQ_ToLowerCase(name) : name;
}

ZQ_UniqueNameGenerator::ZQ_UniqueNameGenerator(const ZQ_String& BaseName) : BaseName(BaseName) {
  ZQ_TRACE_FUNCTION("ZQ_UniqueNameGenerator::ZQ_UniqueNameGenerator");
  ZQ_ASSERT_TEXT(!BaseName.IsEmpty(), "BaseName.IsNotNull()");
}

ZQ_String ZQ_UniqueNameGenerator::GetNextName() {
  ZQ_TRACE_FUNCTION("ZQ_UniqueNameGenerator::GetNextName");
  ++Counter;
  while (UsedNumbers.Contains(Counter)) ++Counter;
  UsedNumbers.Add(Counter);
  ZQ_String name = BaseName;
  name += ZQ_ToString(Counter);
  return name;
}

const ZQ_String& ZQ_GetUnnamedText() {
  // Made on first use: translation is not ready during static
  // initialisation.
  static const ZQ_String unnamed = ZQ_Internationalization_Translate("Unnamed");
  return unnamed;
}

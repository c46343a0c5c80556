#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "ZQ_Exception.h"
#include "ZQ_SequenceNameGenerator.h"

TEST(ZQ_SequenceNameGenerator, SharedGeneratorsLabelIndexes) {
  const struct { const ZQ_AbstractSequenceNameGenerator* generator; int index; const char* want; const char* why; } kCases[] = {
      {&ZQ_NumberSequence, 0, "1", "numbers start at 1"},
      {&ZQ_NumberSequence, 9, "10", "no leading zeros"},
      {&ZQ_NumberSequence, INT_MAX, "2147483648", "the largest index does not overflow"},
      {&ZQ_UpperCaseLetterSequence, 0, "A", "first letter"},
      {&ZQ_UpperCaseLetterSequence, 25, "Z", "last single letter"},
      {&ZQ_UpperCaseLetterSequence, 26, "AA", "doubled after Z"},
      {&ZQ_UpperCaseLetterSequence, 27, "BB", "doubled letters, not a positional count"},
      {&ZQ_UpperCaseLetterSequence, 51, "ZZ", "last double"},
      {&ZQ_UpperCaseLetterSequence, 52, "AAA", "tripled"},
      {&ZQ_LowerCaseLetterSequence, 28, "cc", "lower case"},
      {&ZQ_UpperCaseLetterSequence, -1, "", "negative index: no character before A"},
      {&ZQ_UpperCaseRomanNumberSequence, 0, "I", "one"},
      {&ZQ_UpperCaseRomanNumberSequence, 3, "IV", "subtractive four"},
      {&ZQ_UpperCaseRomanNumberSequence, 8, "IX", "subtractive nine"},
      {&ZQ_UpperCaseRomanNumberSequence, 13, "XIV", "fourteen"},
      {&ZQ_UpperCaseRomanNumberSequence, 48, "XLIX", "forty-nine"},
      {&ZQ_UpperCaseRomanNumberSequence, 1998, "MCMXCIX", "1999"},
      {&ZQ_UpperCaseRomanNumberSequence, 3999, "MMMM", "no upper limit on M"},
      {&ZQ_LowerCaseRomanNumberSequence, 13, "xiv", "lower case"},
      {&ZQ_UpperCaseRomanNumberSequence, -1, "", "zero has no numeral"},
      {&ZQ_UpperCaseRomanNumberSequence, -5, "", "nor has a negative number"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_STREQ(c.generator->GetName(c.index).GetText(), c.want);
  }
}

TEST(ZQ_UniqueNameGenerator, EachGeneratorCountsOnItsOwn) {
  ZQ_UniqueNameGenerator first("zqxtr");
  ZQ_UniqueNameGenerator second("node");
  EXPECT_STREQ(first.GetNextName().GetText(), "zqxtr1");
  EXPECT_STREQ(first.GetNextName().GetText(), "zqxtr2");
  EXPECT_STREQ(second.GetNextName().GetText(), "node1");
  EXPECT_STREQ(first.GetNextName().GetText(), "zqxtr3");
}

TEST(ZQ_UniqueNameGenerator, EmptyBaseNameFailsItsAssertion) {
  std::string failure;
  try {
    ZQ_UniqueNameGenerator generator{ZQ_String()};
  } catch (const ZQ_Exception& e) {
    failure = e.GetName().GetText();
  }
  EXPECT_EQ(failure.rfind("Assertion failed: BaseName.IsNotNull(),", 0), 0u) << failure;
}

TEST(ZQ_GetUnnamedText, IsTranslatedOnceAndKept) {
  const ZQ_String& text = ZQ_GetUnnamedText();
  EXPECT_STREQ(text.GetText(), "Unnamed");
  EXPECT_EQ(&ZQ_GetUnnamedText(), &text);
}

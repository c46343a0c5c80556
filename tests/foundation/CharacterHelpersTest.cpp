#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <cstring>

#include "AssertionTestSupport.h"
#include "ZQLOW_Char.h"
#include "ZQLOW_Memory.h"
#include "ZQLOW_StdLib.h"

TEST(ZQLOW_Char, HexDigitToValueAcceptsBothCasesAndGivesZeroOtherwise) {
  const struct { char in; unsigned want; const char* why; } kCases[] = {
      {'0', 0, "lowest digit"},      {'9', 9, "highest digit"},
      {'A', 10, "upper-case A"},     {'F', 15, "upper-case F"},
      {'a', 10, "lower-case a"},     {'f', 15, "lower-case f"},
      {'g', 0, "just past f"},       {'G', 0, "just past F"},
      {'/', 0, "just before 0"},     {':', 0, "just after 9"},
      {'\0', 0, "NUL"},              {'\xC1', 0, "byte above 127"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQLOW_Char::HexDigitToValue(c.in), c.want);
  }
}

TEST(ZQLOW_Char, ValueToHexDigitGivesUpperCaseDigitsAndRoundTrips) {
  for (int value = 0; value < 16; ++value) {
    SCOPED_TRACE(value);
    const char digit = ZQLOW_Char::ValueToHexDigit(value);
    EXPECT_EQ(digit, "0123456789ABCDEF"[value]);
    EXPECT_EQ(ZQLOW_Char::HexDigitToValue(digit), static_cast<unsigned>(value));
  }
}

TEST(ZQLOW_Char, ValueToHexDigitOutOfRangeFailsItsAssertion) {
  for (int value : {16, -1, ZQ_NoMatch}) {
    SCOPED_TRACE(value);
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { ZQLOW_Char::ValueToHexDigit(value); }),
                         "(0 <= Value) and (Value < 16)"));
  }
}

TEST(ZQLOW_Char, CaseMappingTakesBytesAbove127Safely) {
  EXPECT_EQ(ZQLOW_Char::ToLower('Q'), 'q');
  EXPECT_EQ(ZQLOW_Char::ToUpper('q'), 'Q');
  EXPECT_EQ(ZQLOW_Char::ToLower('1'), '1');
  // A negative char must not index the runtime's table out of range.
  EXPECT_EQ(ZQLOW_Char::ToLower('\xFF'), 0xFF);
  EXPECT_EQ(ZQLOW_Char::ToUnsignedChar('\xFF'), 255);
  EXPECT_EQ(ZQLOW_Char::ToChar(255), '\xFF');
}

TEST(ZQLOW_Memory, MallocTakesZeroAsOneAndBlocksCopyAndZero) {
  void* empty = ZQLOW_Memory::Malloc(0);
  ASSERT_NE(empty, nullptr);
  ZQLOW_Memory::Free(empty);
  ZQLOW_Memory::Free(nullptr);

  char* block = static_cast<char*>(ZQLOW_Memory::Malloc(8));
  ASSERT_NE(block, nullptr);
  ZQLOW_Memory::Copy(block, "abcdefgh", 8);
  EXPECT_EQ(std::memcmp(block, "abcdefgh", 8), 0);
  ZQLOW_Memory::Zero(block + 2, 4);
  EXPECT_EQ(std::memcmp(block, "ab\0\0\0\0gh", 8), 0);
  ZQLOW_Memory::Free(block);
}

TEST(ZQLOW_Memory, MallocWithoutNewHandlerReturnsNullWhenMemoryIsOut) {
  // A 32-bit process cannot have 4 GB minus a page.
  EXPECT_EQ(ZQLOW_Memory::Malloc(0xFFFFF000u), nullptr);
}

TEST(ZQLOW_StdLib, ExtremeDoublesHaveTheLargestFiniteMagnitude) {
  const double lowest = ZQLOW_StdLib::GetMostNegativeDouble();
  const double highest = ZQLOW_StdLib::GetMostPositiveDouble();
  std::uint64_t lowBits, highBits;
  std::memcpy(&lowBits, &lowest, 8);
  std::memcpy(&highBits, &highest, 8);
  EXPECT_EQ(lowBits, 0xFFEFFFFFFFFFFFFFull);
  EXPECT_EQ(highBits, 0x7FEFFFFFFFFFFFFFull);
}

TEST(ZQLOW_StdLib, NumberParsingStopsAtTheFirstUnreadCharacter) {
  char* end = nullptr;
  const char text[] = "1.5e2x";
  EXPECT_EQ(ZQLOW_StdLib::strtod(text, &end), 150.0L);
  EXPECT_EQ(end, text + 5);
  const char hex[] = "ff!";
  EXPECT_EQ(ZQLOW_StdLib::strtol(hex, &end, 16), 255);
  EXPECT_EQ(end, hex + 2);
  EXPECT_EQ(ZQ_StrLen("abc"), 3u);
  EXPECT_EQ(ZQ_StrLen(""), 0u);
}

#include "ZQ_StringSubs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "AssertionTestSupport.h"
#include "ZQ_CharacterClass.h"
#include "ZQ_Exception.h"
#include "ZQ_StringCharTransformation.h"

namespace {

std::string S(const ZQ_String& s) { return std::string(s.GetText(), s.GetLength()); }

// The exception's name and description, or empty texts when nothing threw.
template <class Statement>
std::pair<std::string, std::string> ExceptionOf(Statement statement) {
  try {
    statement();
  } catch (const ZQ_Exception& e) {
    return {e.GetName().GetText(), e.GetDescription().GetText()};
  }
  return {"", ""};
}

std::string NotRecognized(const std::string& text, const std::string& kind) {
  return "The text '" + text + "' cannot be recognized as " + kind + ".";
}

const char kInteger[] = "an integer";
const char kHexadecimal[] = "an unsigned integer specified in hexadecimal notation";
const char kFloatingPoint[] = "a floating-point number";

}  // namespace

TEST(ZQ_CharacterClass, ClassifiesEveryByteByTheLibrarysOwnTable) {
  const struct { int c; unsigned long want; const char* why; } kCases[] = {
      {'A', 0x1 | 0x8, "upper-case hexadecimal letter"},
      {'Z', 0x1, "upper-case letter"},
      {'e', 0x2 | 0x8 | 0x4000, "lower-case, hexadecimal, number character"},
      {'E', 0x1 | 0x8 | 0x4000, "exponent letter"},
      {'7', 0x4 | 0x8 | 0x4000, "digit"},
      {0, 0x10 | 0x100, "NUL"},
      {9, 0x20 | 0x100, "tab"},
      {10, 0x40 | 0x100, "line feed"},
      {13, 0x80 | 0x100, "carriage return"},
      {127, 0x100, "delete"},
      {' ', 0x200, "space"},
      {'_', 0x400 | 0x1000, "underscore"},
      {'.', 0x800 | 0x1000 | 0x4000, "period"},
      {'+', 0x1000 | 0x4000, "plus"},
      {'~', 0x1000, "tilde"},
      {0xE9, 0x2000, "a byte above 127, whatever the locale"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQ_GetCharClass(static_cast<char>(c.c)), c.want);
  }
}

TEST(ZQ_StringSubs, CapitalizeKeepsSmallWordsInsideTheText) {
  using ZQ_StringSubs::Capitalize;
  const struct { const char* text; int mode; const char* want; } kCases[] = {
      {"the lord of the rings", 1, "The Lord of the Rings"},
      {"the lord of the rings", 2, "The Lord Of The Rings"},
      {"of", 1, "Of"},
      {"war and peace and", 1, "War and Peace And"},
      {"  \"gone with the wind\"  ", 1, "  \"Gone with the Wind\"  "},
      {"'tis the season", 0, "'Tis the Season"},
      {"", 1, ""},
      {" \t ", 1, " \t "},
      {"an ANd", 1, "An ANd"},
      {"going into town", 1, "Going into Town"},
      {"offset of thee", 1, "Offset of Thee"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(S(Capitalize(c.text, c.mode)), c.want);
  }
}

TEST(ZQ_StringSubs, StripWhiteSpaceChoosesItsEnds) {
  using namespace ZQ_StringSubs;
  const struct { const char* text; int where; int mode; const char* want; } kCases[] = {
      {"     ", 2, 0, ""},
      {"  x ", 0, 0, "x "},
      {"  x ", 1, 0, "  x"},
      {"  x ", 2, 0, "x"},
      {"\t\r\nx\n", 2, 0, "x"},
      {"", 2, 0, ""},
      {"a \r\n b", 2, 1, "a\nb"},
      {"a \r\n b", 0, 1, "a \nb"},
      {" a\n\n b \n", 2, 1, "a\n\nb\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(S(StripWhiteSpace(c.text, c.where, c.mode)), c.want);
  }
  const ZQ_String unchanged("x");
  EXPECT_EQ(StripWhiteSpace(unchanged).GetText(), unchanged.GetText()) << "shared, not copied";
  EXPECT_TRUE(FailedOn(AssertionFailureOf([] { StripWhiteSpace("a", 2, 7); }),
                       "StripMode == StripMode_Multiline"));
}

TEST(ZQ_StringSubs, SmallTextUtilities) {
  using namespace ZQ_StringSubs;
  EXPECT_EQ(S(ExpandTabs("a\tb", 4)), "a    b");
  EXPECT_EQ(S(ExpandTabs("\t\t", 1)), "  ");
  EXPECT_EQ(S(RemoveCarriageReturns("a\r\nb\r")), "a\nb");
  EXPECT_EQ(S(RemoveCarriageReturns(ZQ_String("a\r\0b\r", 5))), "a") << "read up to the NUL";
  EXPECT_EQ(S(AddQuotesIfNecessary("abc")), "abc");
  EXPECT_EQ(S(AddQuotesIfNecessary("a b")), "\"a b\"");
  EXPECT_EQ(S(AddQuotesIfNecessary("\"a b")), "\"a b\"");
  EXPECT_EQ(S(AddQuotesIfNecessary("a b", '<', '>')), "<a b>");
  EXPECT_EQ(S(AddQuotesIfNecessary("")), "");
  EXPECT_EQ(S(StripQuotes("\"C:\\My Files\\a.txt\"")), "C:\\My Files\\a.txt");
  EXPECT_EQ(S(StripQuotes("a\"b\"c")), "abc") << "wherever they stand";
  EXPECT_EQ(S(StripQuotes("<a>b", '<', '>')), "ab");
  EXPECT_EQ(S(StripQuotes("plain")), "plain");
  EXPECT_EQ(S(PassChars("a_1-b.2!", 0x407)), "a_1b2");
  EXPECT_EQ(S(PassChars("a_1-b.2!", 0xC07)), "a_1b.2");
  EXPECT_EQ(S(PassChars("f00d-Cafe", 0x8)), "f00dCafe");
  EXPECT_EQ(CountChars("banana", 'a'), 3);
  EXPECT_EQ(CountChars(ZQ_String("a\0a", 3), 'a'), 1) << "read up to the NUL";
  EXPECT_EQ(S(GetFirstLine("one\r\ntwo")), "one");
  EXPECT_EQ(S(GetFirstLine("one\ntwo\rthree")), "one");
  EXPECT_EQ(S(GetFirstLine("single")), "single");
}

TEST(ZQ_StringSubs, StringToInt32ReadsWholeTextsAndRejectsOutOfRange) {
  using ZQ_StringSubs::StringToInt32;
  EXPECT_EQ(StringToInt32(ZQ_String("  -42")), -42);
  EXPECT_EQ(StringToInt32(ZQ_String("ff"), 16), 255);
  EXPECT_EQ(StringToInt32(ZQ_String("-2147483648")), -2147483647L - 1);
  EXPECT_EQ(StringToInt32("123", 3), 123);
  EXPECT_EQ(StringToInt32("1234", 2), 12) << "only Length bytes";
  const struct { const char* text; const char* why; } kBad[] = {
      {"", "empty"},
      {"12x", "not entirely used"},
      {"2147483648", "above the range: no longer clamped to 2147483647"},
      {"-2147483649", "below the range"},
      {"1.5", "no fraction"},
  };
  for (const auto& c : kBad) {
    SCOPED_TRACE(c.why);
    const auto thrown = ExceptionOf([&] { StringToInt32(ZQ_String(c.text)); });
    EXPECT_EQ(thrown.first, "Cannot recognize number");
    EXPECT_EQ(thrown.second, NotRecognized(c.text, kInteger));
    bool error = false;
    EXPECT_EQ(StringToInt32(c.text, static_cast<int>(std::strlen(c.text)), error), ZQ_NoMatch);
    EXPECT_TRUE(error);
  }
  bool error = true;
  EXPECT_EQ(StringToInt32("77", 2, error), 77);
  EXPECT_FALSE(error) << "success clears the flag";
  // A NUL among the Length bytes ends the number early: never read past it.
  EXPECT_EQ(ExceptionOf([] { StringToInt32("ff", 16); }).second, NotRecognized("ff", kInteger));
  EXPECT_EQ(ExceptionOf([] { StringToInt32("1", 0); }).first, "Cannot recognize number");
  const std::string long256(256, '1');
  EXPECT_EQ(ExceptionOf([&] { StringToInt32(long256.c_str(), 256); }).first,
            "Cannot recognize number");
}

TEST(ZQ_StringSubs, StringToUInt32TakesOneToEightHexadecimalDigits) {
  using ZQ_StringSubs::StringToUInt32;
  EXPECT_EQ(StringToUInt32(ZQ_String("FFFFFFFF")), 4294967295ul);
  EXPECT_EQ(StringToUInt32(ZQ_String("00c0FFee")), 0xC0FFEEul);
  EXPECT_EQ(StringToUInt32("1AZZ", 2), 0x1Aul);
  const char* const kBad[] = {"", "123456789", "0x1F", " 1", "-1", "1 "};
  for (const char* text : kBad) {
    SCOPED_TRACE(text);
    const auto thrown = ExceptionOf([&] { StringToUInt32(ZQ_String(text)); });
    EXPECT_EQ(thrown.first, "Cannot recognize number");
    EXPECT_EQ(thrown.second, NotRecognized(text, kHexadecimal));
    bool error = false;
    EXPECT_EQ(StringToUInt32(text, static_cast<int>(std::strlen(text)), error), 0ul);
    EXPECT_TRUE(error);
  }
}

TEST(ZQ_StringSubs, StringToDoubleReadsOneGrammarWhateverTheRuntime) {
  using ZQ_StringSubs::StringToDouble;
  EXPECT_EQ(StringToDouble(ZQ_String("1e3")), 1000.0);
  EXPECT_EQ(StringToDouble(ZQ_String(" -0.25")), -0.25);
  EXPECT_EQ(StringToDouble("2.5xyz", 3), 2.5);
  EXPECT_EQ(StringToDouble(ZQ_String("1e-400")), 0.0) << "underflow gives zero";
  const struct { const char* text; const char* why; } kBad[] = {
      {"", "empty"},
      {"1.5 ", "trailing space"},
      {"inf", "no infinity, though msvcrt and mingw differ on it"},
      {"nan", "no NaN"},
      {"0x10", "no hexadecimal form"},
      {"1e400", "too large for a double"},
      {"1,5", "no decimal comma"},
  };
  for (const auto& c : kBad) {
    SCOPED_TRACE(c.why);
    const auto thrown = ExceptionOf([&] { StringToDouble(ZQ_String(c.text)); });
    EXPECT_EQ(thrown.first, "Cannot recognize number");
    EXPECT_EQ(thrown.second, NotRecognized(c.text, kFloatingPoint));
    bool error = false;
    EXPECT_EQ(StringToDouble(ZQ_String(c.text), error), -9.9E+29);
    EXPECT_TRUE(error);
  }
  bool error = false;
  EXPECT_EQ(StringToDouble(std::string(256, '1').c_str(), 256, error), -9.9E+29)
      << "at most 255 characters";
  EXPECT_TRUE(error);
}

TEST(ZQ_StringCharTransformation, MapsKeepsAndDeletesCharacters) {
  ZQ_StringCharTransformation identity;
  EXPECT_EQ(S(identity.Transform("Any text, 1!")), "Any text, 1!");

  ZQ_StringCharTransformation key;
  key.AddDeleteChars(ZQ_CharClass_All);
  key.AddPassChars(ZQ_CharClass_LettersAndDigits);
  key.AddPassChar('_');
  key.AddPassChar(':');
  key.SetChar(' ', '-');
  EXPECT_EQ(S(key.Transform("a b_c:d.e!\x01")), "a-b_c:de");
  const ZQ_String result = key.Transform("xyz");
  EXPECT_EQ(result.GetCapacity(), 3) << "the capacity of the text's length";
}

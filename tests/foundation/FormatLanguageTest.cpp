#include "ZQ_TextStreamFormatterManipulator.h"

#include <gtest/gtest.h>

#include <string>

#include "AssertionTestSupport.h"
#include "ZQ_Exception.h"
#include "ZQ_ParameterSymbol.h"
#include "ZQ_Put.h"
#include "ZQ_StringStream.h"
#include "ZQ_StringSubs.h"

namespace {

template <class T>
std::string WithFormat(const char* format, const T& value) {
  ZQ_StringStream stream;
  stream << ZQ_SetFormat(format) << value;
  return stream.GetText();
}

}  // namespace

TEST(ZQ_SetFormat, AppliesTheCompactFormatLanguage) {
  const struct { const char* format; double x; const char* want; const char* why; } kCases[] = {
      {"", 1234.5678, "1234.57", "an empty text changes nothing"},
      {"2", 1.5, "1.50", "two decimals"},
      {"2", 1e7, "10000000.00", "two decimals never use an exponent"},
      {"0", 2.5, "3", "no decimals, halves away from zero"},
      {"#4", 3.14159, "3.142", "four significant digits"},
      {"#4", 1.5, "1.5", "significant digits drop trailing zeros"},
      {",2", 1234567.891, "1,234,567.89", "grouped thousands"},
      {"2,", 1234567.891, "1,234,567.89", "order does not matter"},
      {",-,2", 1234567.891, "1234567.89", "-, turns grouping off again"},
      {"3 5", 1.0, "1.00000", "the last digit run wins"},
      {"-e", 1e7, "10000000", "-e turns the exponent off"},
      {"-e?E", 1e7, "1E7", "?E turns it back to as-needed"},
      {"e", 5.0, "5E0", "e forces it"},
      {"#3e", 1234.0, "1230", "the digit count, applied last, resets the exponent rule"},
      {"e[Precision=3]", 1234.0, "1.23E3", "an exponent with significant digits"},
      {"w8r", 2.5, "     2.5", "right-justified in eight characters"},
      {"W8L", 2.5, "2.5     ", "left-justified, letters in either case"},
      {"w7c", 2.5, "  2.5  ", "centred"},
      {"w", 2.5, "2.5", "w without digits does nothing"},
      {"w10000", 2.5, "2.5", "a width beyond 9999 is ignored"},
      {"#", 2.5, "2.5", "# without digits does nothing"},
      {"[Precision=2][PrecisionOrigin=decimalpoint]", 3.14159, "3.14", "settings by name"},
      {"[PRECISION=40]", 3.14159, "3.14159", "a precision beyond 32 is ignored"},
      {"[ShowExponent= never ]", 1e7, "10000000", "word values are trimmed and upper-cased"},
      {"[ShowExponent=sometimes]", 1e7, "1E7", "an unknown word is ignored"},
      {"[Colour=red]2", 1.5, "1.50", "an unknown key is ignored"},
      {"[ExponentSymbol=e]e", 1000.0, "1e3", "another exponent symbol"},
      {"[ExponentDigitsWidth=3]e", 1000.0, "1E+003", "exponent digits"},
      {"[SHOWPLUS=]", 2.5, "+2.5", "an empty boolean is true"},
      {"[SHOWPLUS=yes][SHOWPLUS= no]", 2.5, "2.5", "a blank and no is false"},
      {"[ShowPlus=0]", 2.5, "2.5", "0 is false"},
      {"[ShowPlus=False]", 2.5, "2.5", "False is false"},
      {"[ShowTrailingZeros=1][Precision=4]", 2.5, "2.500", "trailing zeros"},
      {"[ShowTrailingPoint=y][PrecisionOrigin=DecimalPoint][Precision=0]", 2.0, "2.", "trailing point"},
      {"[Precision=2 2", 1.5, "1.5", "a setting without its closing bracket ends the text"},
      {"[abc 2", 1.5, "1.5", "a bracket without = ends the text"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(WithFormat(c.format, c.x), c.want) << "format \"" << c.format << "\"";
  }
}

TEST(ZQ_SetFormat, SetsBaseWidthAndPaddingOfIntegers) {
  const struct { const char* format; long n; const char* want; const char* why; } kCases[] = {
      {"[padchar=0]w5", 42, "00042", "zeros to five places"},
      {"[width=5]", 42, "   42", "keys in lower case work"},
      {"[WIDTH=10000]", 42, "42", "a width beyond 9999 is ignored"},
      {"h", 255, "ff", "hexadecimal"},
      {"b", 5, "101", "binary"},
      {"o", 8, "10", "octal"},
      {"hd", 255, "255", "back to decimal"},
      {"[Base=36]", 35, "z", "base by name"},
      {"[Base=37]", 35, "35", "a base beyond 36 is ignored"},
      {"[Base=1]", 35, "35", "a base below 2 is ignored"},
      {",", 1234567, "1,234,567", "grouped"},
      {"h,", 0x123456, "123456", "no grouping outside decimal"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(WithFormat(c.format, c.n), c.want) << "format \"" << c.format << "\"";
  }
}

TEST(ZQ_SetFormat, ANumberSettingThatIsNoIntegerThrows) {
  const char* const kFormats[] = {"[WIDTH=abc]", "[Precision=2.5]", "[Base=]", "[Width=99999999999]"};
  for (const char* format : kFormats) {
    SCOPED_TRACE(format);
    ZQ_StringStream stream;
    try {
      stream << ZQ_SetFormat(format);
      ADD_FAILURE() << "must throw";
    } catch (const ZQ_Exception& e) {
      EXPECT_STREQ(e.GetName().GetText(), "Cannot recognize number");
    }
  }
}

TEST(ZQ_SetFormat, AnEmptyPadCharFailsItsAssertion) {
  ZQ_StringStream stream;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { stream << ZQ_SetFormat("[PadChar=]"); }),
                       "not Value.IsEmpty()"));
}

TEST(ZQ_SetNumDigits, CompositesSetPrecisionExponentZerosAndOrigin) {
  ZQ_StringStream stream;
  stream << ZQ_SetNumDigitsPastDecimalPoint(3) << 2.5 << ' ' << 1e9 << ' ';
  stream << ZQ_SetNumDigitsDisplayed(3) << 2.5 << ' ' << 1e9;
  EXPECT_STREQ(stream.GetText(), "2.500 1000000000.000 2.5 1E9");
}

TEST(ZQ_Put, WritesOneValueAndLeavesTheAttributesAsTheyWere) {
  ZQ_StringStream stream;
  stream << SetWidth(3) << ZQ_Put<long>(42, "[Width=6]") << '|' << 7L << '|'
         << ZQ_Put<double>(2.0, "2") << '|' << 2.0;
  EXPECT_STREQ(stream.GetText(), "    42|  7|2.00|  2");
}

TEST(ZQ_GetNextParameterSymbol, DescribesEachSymbolInTurn) {
  const ZQ_String text("a {$2,} b {w5} c {x$1y} {$");
  int position = 0, length = 0, counter = 0, number = 0;
  ZQ_String format;
  const struct { int position, length, number; const char* format; } kWant[] = {
      {2, 5, 2, ","}, {10, 4, 2, "w5"}, {17, 6, 1, "xy"}};
  for (const auto& want : kWant) {
    ASSERT_TRUE(ZQ_GetNextParameterSymbol(text, position, length, counter, number, format));
    EXPECT_EQ(position, want.position);
    EXPECT_EQ(length, want.length);
    EXPECT_EQ(number, want.number);
    EXPECT_STREQ(format.GetText(), want.format);
    position += length;
  }
  EXPECT_EQ(counter, 3);
  EXPECT_FALSE(ZQ_GetNextParameterSymbol(text, position, length, counter, number, format))
      << "an open brace without a closing one ends the scan";
}

TEST(ZQ_SubstituteParameters, FillsSymbolsWithFormattedLongs) {
  const struct { const char* text; const char* want; const char* why; } kOne[] = {
      {"Deleting {$1} now", "Deleting 5 now", "the usual symbol"},
      {"no symbols", "no symbols", "a template without braces"},
      {"open { only", "open { only", "a brace without its closing one"},
      {"[{$9}]", "[]", "a number without a value writes nothing"},
      {"[{$1w4}]", "[   5]", "a format text"},
      {"{} {}", "5 ", "symbols without $ take their position"},
  };
  for (const auto& c : kOne) {
    SCOPED_TRACE(c.why);
    EXPECT_STREQ(ZQ_SubstituteParameters(c.text, 5).GetText(), c.want);
  }
  EXPECT_STREQ(ZQ_SubstituteParameters("{$3}, {$2,} and {$1}", 1, 1234567, 3).GetText(),
               "3, 1,234,567 and 1");
  EXPECT_STREQ(ZQ_SubstituteParameters("{x} {$1} {}", 1, 2, 3).GetText(), "1 1 3")
      << "every symbol counts, with or without $";
}

TEST(ZQ_SubstituteArguments, FillsTwoStringsAndNeverScansThemAgain) {
  EXPECT_STREQ(ZQ_SubstituteArguments("The text '{$1}' cannot be recognized as {$2}.", "1.2.3",
                                      "a floating-point number")
                   .GetText(),
               "The text '1.2.3' cannot be recognized as a floating-point number.");
  EXPECT_STREQ(ZQ_SubstituteArguments("{$1}{$2}", "{$2}", "x").GetText(), "{$2}x");
  EXPECT_STREQ(ZQ_SubstituteArguments("[{$2w5l}][{$3}]", "a", "b").GetText(), "[b    ][]");
}

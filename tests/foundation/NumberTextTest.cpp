#include "ZQ_NumberText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

std::uint64_t Bits(double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

double FromBits(std::uint64_t bits) {
  double x;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

bool Parse(const std::string& text, double& value) {
  return ZQ_NumberText_ParseDouble(text.data(), static_cast<int>(text.size()), value);
}

std::string Significant(double x, int count, int& dec) {
  char digits[ZQ_NumberText_MaxDigits + 1];
  ZQ_NumberText_SignificantDigits(x, count, digits, dec);
  return digits;
}

std::string Fixed(double x, int count, int& dec) {
  char digits[ZQ_NumberText_MaxDigits + 1];
  ZQ_NumberText_FixedDigits(x, count, digits, dec);
  return digits;
}

}  // namespace

TEST(ZQ_NumberText, ParseDoubleGivesTheNearestDoubleOfTheExactText) {
  const struct { const char* text; std::uint64_t want; const char* why; } kCases[] = {
      {"0.1", 0x3FB999999999999Aull, "inexact decimal fraction"},
      {"1e3", 0x408F400000000000ull, "exponent form"},
      {"  -2.5", 0xC004000000000000ull, "leading white space and sign"},
      {"+.5", 0x3FE0000000000000ull, "no integer digits"},
      {"5.", 0x4014000000000000ull, "no fraction digits"},
      {"-0", 0x8000000000000000ull, "negative zero keeps its sign"},
      {"0.000000", 0, "zeros only"},
      {"1.7976931348623157e308", 0x7FEFFFFFFFFFFFFFull, "the largest double"},
      {"2.2250738585072011e-308", 0x000FFFFFFFFFFFFFull, "largest subnormal, a text that hangs some parsers"},
      {"2.2250738585072014e-308", 0x0010000000000000ull, "smallest normal"},
      {"4.9406564584124654e-324", 1, "smallest subnormal"},
      {"2.4703282292062328e-324", 1, "just above half the smallest subnormal rounds up"},
      {"2.4703282292062327e-324", 0, "just below half rounds to zero"},
      {"1e-400", 0, "far below the range underflows to zero"},
      {"9007199254740993", 0x4340000000000000ull, "tie between 2^53 and 2^53+2 goes to even"},
      {"9007199254740995", 0x4340000000000002ull, "tie goes to even upwards too"},
      {"9007199254740993.00000000000000000000001", 0x4340000000000001ull,
       "a digit far behind the tie decides it"},
      {"123456789012345678901234567890", 0x45F8EE90FF6C373Eull, "more digits than a double holds"},
      {"0.30000000000000004", 0x3FD3333333333334ull, "shortest text of 0.1 + 0.2"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    double value = 0;
    ASSERT_TRUE(Parse(c.text, value)) << c.text;
    EXPECT_EQ(Bits(value), c.want) << c.text;
  }
}

TEST(ZQ_NumberText, ParseDoubleHonoursDigitsBeyondTheStoredOnes) {
  // 2^53 + 1 is a tie; a 1 after 900 zeros puts the value above it. Only
  // the first 800 digits are kept, the rest must still count.
  const std::string above = "9007199254740993." + std::string(900, '0') + "1";
  const std::string exact = "9007199254740993." + std::string(900, '0');
  double value = 0;
  ASSERT_TRUE(Parse(above, value));
  EXPECT_EQ(Bits(value), 0x4340000000000001ull);
  ASSERT_TRUE(Parse(exact, value));
  EXPECT_EQ(Bits(value), 0x4340000000000000ull);
  const std::string longFraction = "0." + std::string(1000, '3');
  ASSERT_TRUE(Parse(longFraction, value));
  EXPECT_EQ(Bits(value), 0x3FD5555555555555ull);
}

TEST(ZQ_NumberText, ParseDoubleRejectsEverythingOutsideTheDecimalGrammar) {
  const struct { const char* text; const char* why; } kCases[] = {
      {"", "empty"},
      {"   ", "white space only"},
      {"inf", "no infinity words, whatever the runtime accepts"},
      {"-INFINITY", "no infinity words"},
      {"nan", "no NaN words"},
      {"0x10", "no hexadecimal numbers"},
      {"0x1p3", "no hexadecimal floating point"},
      {"1e400", "beyond the largest double"},
      {"-1e400", "beyond the most negative double"},
      {"1.7976931348623159e308", "rounds to infinity"},
      {"1.5 ", "trailing white space is not part of a number"},
      {"1d3", "no 'd' exponent"},
      {".", "a point without digits"},
      {"e5", "an exponent without a mantissa"},
      {"1e", "an exponent without digits"},
      {"1e+", "an exponent sign without digits"},
      {"+-1", "two signs"},
      {"1.2.3", "two points"},
      {"- 1", "white space after the sign"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    double value = 42.0;
    EXPECT_FALSE(Parse(c.text, value)) << c.text;
    EXPECT_EQ(value, 42.0);
  }
}

TEST(ZQ_NumberText, SeventeenDigitsReadBackToTheSameDouble) {
  // A fixed sequence of bit patterns across the whole range, subnormals
  // included: writing 17 significant digits and reading them back must give
  // the very same double.
  std::uint64_t state = 0x9E3779B97F4A7C15ull;
  for (int i = 0; i < 2000; ++i) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    std::uint64_t bits = state & 0x7FFFFFFFFFFFFFFFull;
    if ((bits >> 52) == 0x7FF) bits &= 0x7FEFFFFFFFFFFFFFull;  // finite only
    const double x = FromBits(bits);
    int dec = 0;
    const std::string digits = Significant(x, 17, dec);
    const std::string text = "0." + digits + "e" + std::to_string(dec);
    double back = 0;
    ASSERT_TRUE(Parse(text, back)) << text;
    ASSERT_EQ(Bits(back), bits) << text;
  }
}

TEST(ZQ_NumberText, SignificantDigitsRoundTheExactValueHalfAwayFromZero) {
  const struct { double x; int count; const char* want; int wantDec; const char* why; } kCases[] = {
      {1234.5678, 6, "123457", 4, "ordinary rounding"},
      {2.5, 1, "3", 1, "an exact half goes up"},
      {0.125, 2, "13", 0, "an exact half goes up (not to even)"},
      {9.5, 1, "1", 2, "rounding carries into a new digit"},
      {0.1, 19, "1000000000000000056", 0, "the binary value behind 0.1"},
      {0.1, 25, "1000000000000000056000000", 0, "at most 19 significant digits, then zeros"},
      {1.0, 60, "1000000000000000000000000000000000000000", 1, "at most 40 digits in all"},
      {0.0, 4, "0000", 1, "zero"},
      {-0.012345, 3, "123", -1, "the sign is ignored"},
      {1.0, 0, "1", 1, "at least one digit"},
      {1e23, 3, "100", 24, "1e23 is just below 10^23 and rounds up to it"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    int dec = 99;
    EXPECT_EQ(Significant(c.x, c.count, dec), c.want);
    EXPECT_EQ(dec, c.wantDec);
  }
}

TEST(ZQ_NumberText, FixedDigitsStopAtTheRequestedPlace) {
  const struct { double x; int count; const char* want; int wantDec; const char* why; } kCases[] = {
      {1234567.891, 2, "123456789", 7, "two places"},
      {0.012345, 3, "12", -1, "leading zeros are not digits"},
      {9.995, 2, "999", 1, "9.995 is below the half in binary: no carry"},
      {9.996, 2, "1000", 2, "carry into a new digit"},
      {0.5, 0, "1", 1, "a half to no places becomes one"},
      {0.05, 1, "1", 0, "a half one place further right"},
      {0.4, 0, "0", 1, "rounds to zero: zeros with the point after the first"},
      {0.0001234, 2, "000", 1, "rounds to zero at two places"},
      {0.0, 2, "000", 1, "zero"},
      {1e30, 2, "100000000000000002000000000000000", 31,
       "1e30 is 1000000000000000019884624838656: 19 significant digits, then zeros"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    int dec = 99;
    EXPECT_EQ(Fixed(c.x, c.count, dec), c.want);
    EXPECT_EQ(dec, c.wantDec);
  }
}

TEST(ZQ_NumberText, DigitsBeforePointAreExactAtPowersOfTen) {
  const struct { double x; int want; const char* why; } kCases[] = {
      {1000.0, 4, "a power of ten"},
      {999.9999999999999, 3, "just below a power of ten"},
      {1e-5, -4, "a small power of ten"},
      {0.5, 0, "no digit before the point"},
      {0.0, 0, "zero"},
      {-1234.0, 4, "the sign is ignored"},
      {1e23, 23, "1e23 is stored just below 10^23"},
      {FromBits(1), -323, "the smallest subnormal, 4.9e-324"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQ_NumberText_DigitsBeforePoint(c.x), c.want);
  }
}

namespace {

// Both conversions of one double to digits, the fast one and the exact one.
void ExpectDigitsAsExact(double x, int count) {
  char fast[ZQ_NumberText_MaxDigits + 1];
  char exact[ZQ_NumberText_MaxDigits + 1];
  int fastDec = 99, exactDec = -99;
  ZQ_NumberText_SignificantDigits(x, count, fast, fastDec);
  ZQ_NumberText_SignificantDigitsExactly(x, count, exact, exactDec);
  ASSERT_STREQ(fast, exact) << x << " to " << count << " significant digits";
  ASSERT_EQ(fastDec, exactDec) << x << " to " << count << " significant digits";
  ZQ_NumberText_FixedDigits(x, count, fast, fastDec);
  ZQ_NumberText_FixedDigitsExactly(x, count, exact, exactDec);
  ASSERT_STREQ(fast, exact) << x << " to " << count << " places";
  ASSERT_EQ(fastDec, exactDec) << x << " to " << count << " places";
}

void ExpectParsedAsExact(const std::string& text) {
  double fast = 1.0, exact = 1.0;
  const int length = static_cast<int>(text.size());
  ASSERT_EQ(ZQ_NumberText_ParseDouble(text.data(), length, fast),
            ZQ_NumberText_ParseDoubleExactly(text.data(), length, exact))
      << text;
  ASSERT_EQ(Bits(fast), Bits(exact)) << text;  // both untouched on failure
}

std::uint64_t NextRandom(std::uint64_t& state) {
  state = state * 6364136223846793005ull + 1442695040888963407ull;
  return state;
}

}  // namespace

TEST(ZQ_NumberText, FastDigitsEqualTheExactOnesWhereRoundingIsTight) {
  // Halves at the rounding place (exact in binary and not), values just
  // beside powers of ten, the ends of the range and subnormals.
  const double kValues[] = {0.5, 2.5, 0.125, 9.5, 0.15, 0.35, 1.45, 999999.5, 9999999.5,
                            99999999999999999.0, 0.1, 1e15, 1e16, 1e17, 1e22, 1e23,
                            9.999999999999999e22, 999.9999999999999, 1.0000000000000002,
                            0.30000000000000004, 123456789012345680.0, 5e-324, 2.5e-323,
                            2.2250738585072014e-308, 2.2250738585072009e-308,
                            1.7976931348623157e308, 1e-300, 4.35, 1234.5678, 8.5e-5};
  for (double x : kValues)
    for (int count = 0; count <= 20; ++count) ExpectDigitsAsExact(x, count);
}

TEST(ZQ_NumberText, FastDigitsEqualTheExactOnesForRandomDoubles) {
  std::uint64_t state = 0x5DEECE66Dull;
  const int kCounts[] = {1, 2, 6, 9, 10, 15, 16, 17, 18};
  for (int i = 0; i < 3000; ++i) {
    std::uint64_t bits = NextRandom(state) >> 1;
    // Half of them from the common magnitudes 1e-10 to 1e12.
    if (i % 2) bits = (bits & 0x800FFFFFFFFFFFFFull) | ((990 + bits % 80) << 52);
    if ((bits >> 52) >= 0x7FF) continue;
    for (int count : kCounts) ExpectDigitsAsExact(FromBits(bits), count);
  }
}

TEST(ZQ_NumberText, FastParsingEqualsTheExactOne) {
  const char* kTexts[] = {
      "9007199254740993", "9007199254740992.5", "9007199254740993.0000000000001",
      "18014398509481985", "1.0000000000000001110223024625156540", "2.2250738585072011e-308",
      "2.2250738585072012e-308", "1.7976931348623158e308", "1.7976931348623159e308",
      "4.9406564584124654e-324", "123456789012345678e-20", "9999999999999999999",
      "1e308", "1e-307", "0.1", "3.0517578125e-05", "7.2057594037927933e16"};
  for (const char* text : kTexts) ExpectParsedAsExact(text);
  std::uint64_t state = 0xC0FFEE;
  for (int i = 0; i < 5000; ++i) {
    const std::uint64_t digits = NextRandom(state) % 10000000000000000000ull;
    const long exponent = static_cast<long>(NextRandom(state) % 700) - 360;
    ExpectParsedAsExact(std::to_string(digits) + "e" + std::to_string(exponent));
    // 17 significant digits of a random double read back to that double.
    const std::uint64_t bits = (NextRandom(state) >> 1) % 0x7FF0000000000000ull;
    int dec = 0;
    const std::string written = Significant(FromBits(bits), 17, dec);
    const std::string text = "0." + written + "e" + std::to_string(dec);
    double back = 0;
    ASSERT_TRUE(Parse(text, back)) << text;
    ASSERT_EQ(Bits(back), bits) << text;
  }
}

TEST(ZQ_NumberText, ParseInt32FollowsTheStandardGrammarAndRejectsOutOfRange) {
  const struct { const char* text; int base; bool ok; long want; const char* why; } kCases[] = {
      {"12", 10, true, 12, "plain"},
      {" \t-12", 10, true, -12, "white space and sign"},
      {"+7", 10, true, 7, "plus sign"},
      {"2147483647", 10, true, 2147483647L, "largest"},
      {"-2147483648", 10, true, -2147483647L - 1, "smallest"},
      {"2147483648", 10, false, 0, "one above the largest is no longer in range"},
      {"-2147483649", 10, false, 0, "one below the smallest"},
      {"99999999999999999999", 10, false, 0, "far out of range"},
      {"ff", 16, true, 255, "hexadecimal letters"},
      {"0x1F", 16, true, 31, "hexadecimal prefix"},
      {"FFFFFFFF", 16, false, 0, "hexadecimal beyond the signed range"},
      {"0x", 16, false, 0, "a prefix without digits"},
      {"0x1F", 0, true, 31, "base 0 reads a prefix"},
      {"017", 0, true, 15, "base 0 reads a leading zero as octal"},
      {"09", 0, false, 0, "not an octal digit"},
      {"z", 36, true, 35, "base 36"},
      {"12x", 10, false, 0, "a character after the digits"},
      {"12 ", 10, false, 0, "trailing white space"},
      {"", 10, false, 0, "empty"},
      {"-", 10, false, 0, "a sign alone"},
      {"1.0", 10, false, 0, "no fraction"},
      {"5", 1, false, 0, "base 1 does not exist"},
      {"5", 37, false, 0, "base 37 does not exist"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    long value = -1;
    EXPECT_EQ(ZQ_NumberText_ParseInt32(c.text, static_cast<int>(std::strlen(c.text)), c.base,
                                       value),
              c.ok);
    EXPECT_EQ(value, c.ok ? c.want : -1);
  }
}

TEST(ZQ_NumberText, FormatIntegerWritesLowerCaseDigitsInAnyBase) {
  const struct { unsigned long magnitude; bool negative; int base; const char* want; } kCases[] = {
      {0, false, 10, "0"},
      {255, false, 16, "ff"},
      {4294967295ul, false, 2, "11111111111111111111111111111111"},
      {2147483648ul, true, 10, "-2147483648"},
      {35, false, 36, "z"},
  };
  for (const auto& c : kCases) {
    char buffer[34];
    const int length = ZQ_NumberText_FormatInteger(c.magnitude, c.negative, c.base, buffer);
    EXPECT_STREQ(buffer, c.want);
    EXPECT_EQ(length, static_cast<int>(std::strlen(c.want)));
  }
}

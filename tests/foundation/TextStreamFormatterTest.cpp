#include "ZQ_TextStreamFormatter.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <string>

#include "AssertionTestSupport.h"
#include "ZQ_Numeric.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatterManipulator.h"

namespace {

using F = ZQ_TextStreamFormatter;
using FormatSetup = void (*)(ZQ_TextStreamFormatter&);

void Defaults(ZQ_TextStreamFormatter&) {}

template <class T>
std::string Write(FormatSetup setup, const T& value) {
  ZQ_StringStream stream;
  setup(stream);
  stream << value;
  return stream.GetText();
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

}  // namespace

TEST(ZQ_TextStreamFormatter, WritesDoublesAsTheWorkedExamplesSay) {
  const struct { FormatSetup setup; double x; const char* want; const char* why; } kCases[] = {
      {&Defaults, 1234.5678, "1234.57", "six significant digits"},
      {&Defaults, 0.5, "0.5", "a zero before the point"},
      {&Defaults, 1e7, "1E7", "eight digits before the point need an exponent"},
      {&Defaults, 0.0001, "1E-4", "too many zeros after the point"},
      {&Defaults, 0.001, "0.001", "still fixed"},
      {&Defaults, -2.5, "-2.5", "negative"},
      {&Defaults, 1234567.0, "1.23457E6", "seven digits before the point"},
      {&Defaults, 999999.5, "1000000", "rounding up to seven digits stays fixed"},
      {&Defaults, 123456.0, "123456", "six digits, no point"},
      {&Defaults, 0.0, "0", "zero is fixed"},
      {&Defaults, -0.0, "0", "negative zero has no sign"},
      {[](F& f) { f << SetGroupSize(3) << SetPrecision(2) << SetPrecisionOrigin(0) << SetShowExponent(1); },
       1234567.891, "1,234,567.89", "grouped, two decimals, never an exponent"},
      {[](F& f) { f << SetPrecision(3) << SetPrecisionOrigin(1) << SetShowExponent(0); },
       0.012345, "1.23E-2", "three significant digits, always an exponent"},
      {[](F& f) { f << SetPrecision(3) << SetPrecisionOrigin(1) << SetShowExponent(0) << SetExponentDigitsWidth(3); },
       0.012345, "1.23E-002", "exponent digits widened"},
      {[](F& f) { f << SetPrecision(3) << SetPrecisionOrigin(1) << SetShowExponent(0) << SetShowPlus(true); },
       123.0, "+1.23E+2", "show plus puts a sign on a non-negative exponent"},
      {[](F& f) { f << SetPrecision(3) << SetShowExponent(0) << SetExponentDigitsWidth(2); },
       123.0, "1.23E+02", "an exponent width also forces the sign"},
      {[](F& f) { f << SetShowExponent(0) << SetExponentDigitsWidth(2); },
       1.5e-10, "1.5E-10", "the width never cuts digits"},
      {[](F& f) { f << SetShowTrailingZeros(true) << SetPrecisionOrigin(0) << SetPrecision(2); },
       3.0, "3.00", "trailing zeros shown"},
      {[](F& f) { f << SetPrecisionOrigin(0) << SetPrecision(2); }, 3.0, "3", "trailing zeros removed"},
      {[](F& f) { f << SetPrecisionOrigin(0) << SetPrecision(2) << SetShowTrailingPoint(true); },
       3.0, "3.", "a trailing point"},
      {[](F& f) { f << SetShowTrailingZeros(true) << SetPrecisionOrigin(0) << SetPrecision(2); },
       0.0, "0.00", "zero with two decimals"},
      {[](F& f) { f << SetShowExponent(0); }, 0.0, "0E0", "zero with an exponent"},
      {[](F& f) { f << SetShowTrailingZeros(true) << SetPrecision(4); }, 2.5, "2.500",
       "trailing zeros up to four significant digits"},
      {[](F& f) { f << SetShowTrailingZeros(true) << SetPrecision(4) << SetShowExponent(0); }, 2.5,
       "2.500E0", "trailing zeros in exponent form"},
      {[](F& f) { f << SetShowTrailingPoint(true) << SetShowExponent(0); }, 5.0, "5.E0",
       "a trailing point in exponent form"},
      {[](F& f) { f << SetShowPlus(true); }, 2.5, "+2.5", "plus before a positive number"},
      {[](F& f) { f << SetExponentSymbol(" x 10^"); }, 1e7, "1 x 10^7", "another exponent symbol"},
      {[](F& f) { f << SetWidth(9); }, 1234.5678, "  1234.57", "padded to the width"},
      {[](F& f) { f << SetWidth(10) << SetGroupSize(3); }, -1234.5678, " -1,234.57", "grouped and padded"},
      {[](F& f) { f << SetPrecision(0) << SetPrecisionOrigin(0) << SetShowExponent(1); }, 0.5, "1",
       "a half rounds away from zero"},
      {[](F& f) { f << SetPrecision(2) << SetPrecisionOrigin(0) << SetShowExponent(1); }, 0.125, "0.13",
       "an exact half rounds up, whatever the runtime's printf does"},
      {[](F& f) { f << SetPrecision(2) << SetPrecisionOrigin(0) << SetShowExponent(1); }, 9.995, "9.99",
       "9.995 is stored below the half"},
      {[](F& f) { f << SetPrecision(2) << SetPrecisionOrigin(0) << SetShowExponent(1); }, 0.001, "0",
       "rounds to zero at two decimals"},
      {[](F& f) { f << SetPrecision(2) << SetPrecisionOrigin(0) << SetShowExponent(1); }, -0.001, "0",
       "a negative value that rounds to zero is written as zero, without a sign"},
      {[](F& f) { f << SetPrecision(20) << SetShowExponent(0); }, 0.1, "1.000000000000000056E-1",
       "never more than 19 significant digits"},
      {[](F& f) { f << SetPrecision(19); }, 1e100, "1.000000000000000016E100",
       "a large exponent has as many digits as it needs, no runtime padding"},
      {[](F& f) { f << SetShowExponent(0); }, 1e-300, "1E-300", "three exponent digits only when needed"},
      {[](F& f) { f << SetPrecision(1) << SetPrecisionOrigin(0) << SetShowExponent(1) << SetGroupSize(3); },
       1e21, "1,000,000,000,000,000,000,000", "fixed notation beyond 19 digits pads with zeros"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Write(c.setup, c.x), c.want);
  }
}

TEST(ZQ_TextStreamFormatter, WritesNonFiniteValuesAsWords) {
  const struct { double x; const char* want; } kCases[] = {
      {ZQ_GetNaN(), "NAN"},
      {-ZQ_GetNaN(), "NAN"},
      {kInfinity, "+INF"},
      {-kInfinity, "-INF"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Write(&Defaults, c.x), c.want);
    EXPECT_EQ(Write([](F& f) { f << SetWidth(6) << SetPadChar('_'); }, c.x),
              std::string(6 - std::string(c.want).size(), '_') + c.want)
        << "the words are padded like any text";
  }
}

TEST(ZQ_TextStreamFormatter, AnotherPointSymbolStillGroupsTheIntegerPart) {
  // Groups end at the point symbol in use; ending them only at '.' left a
  // number with a decimal comma ungrouped.
  const auto european = [](F& f) {
    const char comma = ',';
    f.SetAttribute(F::Attribute_PointSymbol, &comma);
    f << SetGroupSize(3) << SetGroupSymbol(".") << SetPrecision(2) << SetPrecisionOrigin(0)
      << SetShowExponent(1);
  };
  EXPECT_EQ(Write(european, 1234567.891), "1.234.567,89");
  EXPECT_EQ(Write(european, 12.5), "12,5");
  EXPECT_EQ(Write([](F& f) {
              const char comma = ',';
              f.SetAttribute(F::Attribute_PointSymbol, &comma);
            },
                  0.25),
            "0,25");
}

TEST(ZQ_TextStreamFormatter, WritesIntegersInTheirBaseWithGroupingOnlyInDecimal) {
  EXPECT_EQ(Write([](F& f) { f << SetBase(16); }, 255), "ff");
  EXPECT_EQ(Write([](F& f) { f << SetBase(16); }, -1), "ffffffff");
  EXPECT_EQ(Write([](F& f) { f << SetBase(16) << SetGroupSize(3); }, 0x1234567), "1234567");
  EXPECT_EQ(Write([](F& f) { f << SetBase(2); }, static_cast<unsigned char>(5)), "101");
  EXPECT_EQ(Write([](F& f) { f << SetBase(36); }, 35L), "z");
  EXPECT_EQ(Write([](F& f) { f << SetGroupSize(3); }, 1234567), "1,234,567");
  EXPECT_EQ(Write([](F& f) { f << SetGroupSize(3); }, -123456), "-123,456");
  EXPECT_EQ(Write([](F& f) { f << SetGroupSize(3); }, -12345), "-12,345");
  EXPECT_EQ(Write([](F& f) { f << SetGroupSize(3); }, 123), "123");
  EXPECT_EQ(Write([](F& f) { f << SetGroupSize(2) << SetGroupSymbol("'"); }, 123456L), "12'34'56");
  EXPECT_EQ(Write([](F& f) { f << SetGroupSize(3) << SetWidth(10) << SetPadChar('*') << SetJustification(1); },
                  1234567),
            "1,234,567*");
  EXPECT_EQ(Write([](F& f) { f << SetWidth(5) << SetPadChar('0'); }, 42), "00042");
  EXPECT_EQ(Write(&Defaults, LONG_MIN), "-2147483648");
  EXPECT_EQ(Write(&Defaults, 4294967295ul), "4294967295");
  EXPECT_EQ(Write(&Defaults, static_cast<signed char>(-5)), "-5");
  EXPECT_EQ(Write(&Defaults, static_cast<unsigned char>(200)), "200");
  EXPECT_EQ(Write(&Defaults, static_cast<short>(-32768)), "-32768");
  EXPECT_EQ(Write(&Defaults, static_cast<unsigned short>(65535)), "65535");
}

TEST(ZQ_TextStreamFormatter, PadsStringsButNotRawTexts) {
  EXPECT_EQ(Write([](F& f) { f << SetWidth(5) << SetJustification(2) << SetPadChar('*'); }, ZQ_String("ab")),
            "**ab*");
  EXPECT_EQ(Write([](F& f) { f << SetWidth(5) << SetJustification(1); }, ZQ_String("ab")), "ab   ");
  EXPECT_EQ(Write([](F& f) { f << SetWidth(5); }, ZQ_String("ab")), "   ab");
  EXPECT_EQ(Write([](F& f) { f << SetWidth(1); }, ZQ_String("abc")), "abc");
  EXPECT_EQ(Write([](F& f) { f << SetWidth(5); }, "ab"), "ab");
  EXPECT_EQ(Write([](F& f) { f << SetWidth(5); }, 'x'), "x");
  EXPECT_EQ(Write(&Defaults, true), "True");
  EXPECT_EQ(Write(&Defaults, false), "False");
  EXPECT_EQ(Write([](F& f) {
              const ZQ_String yes("Yes");
              f.SetAttribute(F::Attribute_TrueSymbol, &yes);
              f << SetWidth(4);
            },
                  true),
            " Yes");
}

TEST(ZQ_TextStreamFormatter, WriteHexadecimalPutsTheBaseBack) {
  ZQ_StringStream stream;
  stream << SetBase(8);
  stream.WriteHexadecimal(255);
  stream << ' ' << 8;
  EXPECT_STREQ(stream.GetText(), "ff 10");
}

TEST(ZQ_TextStreamFormatter, PoppingAStateRestoresTheAttributesAndFreesItsValues) {
  ZQ_StringStream stream;
  EXPECT_TRUE(stream.StateStackEmpty());
  stream << SetWidth(4);
  EXPECT_FALSE(stream.StateStackEmpty()) << "the first setting creates a state";
  const ZQ_String symbol(" x 10^");
  stream.PushState();
  stream << SetExponentSymbol(symbol);
  EXPECT_EQ(symbol.GetNumReferences(), 2) << "the state holds a share of the symbol";
  stream << SetShowExponent(0) << 1e3;
  stream.PopState();
  EXPECT_EQ(symbol.GetNumReferences(), 1) << "popping destroyed the state's value";
  stream << ' ' << 1e7 << ' ' << 5;
  EXPECT_STREQ(stream.GetText(), "1 x 10^3  1E7    5") << "width 4 survived, the symbol did not";
  stream.ResetState();
  stream << 5;
  EXPECT_STREQ(stream.GetText(), "1 x 10^3  1E7    55");
  stream.PopAllStates();
  EXPECT_TRUE(stream.StateStackEmpty());
  stream.ResetState();  // nothing to reset: no failure
}

TEST(ZQ_TextStreamFormatter, MisuseFailsItsAssertions) {
  ZQ_StringStream stream;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { stream.PopState(); }), "not StateStackEmpty()"));
  stream << SetJustification(5) << SetWidth(3);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { stream << ZQ_String("x"); }), "false"))
      << "an unknown justification";
  stream << SetJustification(0) << SetShowExponent(9);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { stream << 1.0; }), "false"));
}

TEST(ZQ_TextStreamFormatter, AttributeRegistryAndStateBlockHaveLimits) {
  // The only test that registers attributes: it fills the registry.
  struct Big {
    char bytes[250];
  };
  const ZQ_AttributeIndexType bigKey = F::RegisterAttribute(Big{});
  EXPECT_GE(bigKey, F::NumBuiltInAttributes);
  {
    ZQ_StringStream stream;
    const Big big{};
    stream.SetAttribute(bigKey, &big);
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { stream << SetWidth(3); }),
                         "Index + AttributeTable [Key].TypeSize + sizeof (ZQ_AttributeIndexType) <= "
                         "SpaceForAttributes"));
    stream << 7;
    EXPECT_STREQ(stream.GetText(), "7") << "the setting that did not fit was dropped";
    stream.PushState();  // copies the big entry
    stream.PopState();
  }
  std::string failure;
  for (int i = 0; i <= F::MaxNumAttributes && failure.empty(); ++i)
    failure = AssertionFailureOf([] { F::RegisterAttribute(0L); });
  EXPECT_TRUE(FailedOn(failure, "NumRegisteredAttributes < MaxNumAttributes"));
}

TEST(ZQ_ToString, WritesOneValueWithAnOptionalFormat) {
  EXPECT_STREQ(ZQ_ToString(42).GetText(), "42");
  EXPECT_STREQ(ZQ_ToString(1234567L, ",").GetText(), "1,234,567");
  EXPECT_STREQ(ZQ_ToString(3.14159, "2").GetText(), "3.14");
  EXPECT_STREQ(ZQ_ToString(0.1f, "#9").GetText(), "0.100000001");
  EXPECT_STREQ(ZQ_ToString('x').GetText(), "x");
  EXPECT_STREQ(ZQ_ToString(true).GetText(), "True");
  EXPECT_STREQ(ZQ_ToString(255u, "h").GetText(), "ff");
}

namespace {

template <class T>
void ExpectAsAStreamWritesIt(T Value) {
  ZQ_StringStream stream;
  stream << Value;
  const ZQ_String text = ZQ_ToString(Value);
  EXPECT_STREQ(text.GetText(), stream.GetText());
  EXPECT_EQ(text.GetCapacity(), ZQ_String(stream).GetCapacity()) << stream.GetText();
}

}  // namespace

TEST(ZQ_ToString, WithoutAFormatGivesWhatAStreamWrites) {
  // The conversions without a format skip the stream: same text, same capacity.
  const long kLongs[] = {0, 7, -7, 1234567, LONG_MAX, LONG_MIN};
  for (long value : kLongs) {
    ExpectAsAStreamWritesIt(value);
    ExpectAsAStreamWritesIt(static_cast<unsigned long>(value));
    ExpectAsAStreamWritesIt(static_cast<short>(value));
    ExpectAsAStreamWritesIt(static_cast<unsigned char>(value));
  }
  const double kDoubles[] = {0.0,     -0.0,    1.0,     -2.5,   0.1,     123456.0, 1234567.0,
                             1e-3,    1e-4,    9.999995, 999999.5, 1e300, -4.9e-324,
                             1.0 / 3, ZQ_GetNaN(), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
  for (double value : kDoubles) {
    SCOPED_TRACE(value);
    ExpectAsAStreamWritesIt(value);
    ExpectAsAStreamWritesIt(static_cast<float>(value));
  }
}

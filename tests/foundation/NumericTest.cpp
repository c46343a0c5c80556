#include "ZQ_Numeric.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>

namespace {

double FromBits(std::uint64_t bits) {
  double x;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

std::uint64_t Bits(double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

}  // namespace

TEST(ZQ_GetNaN, IsTheWidenedSinglePrecisionQuietNaN) {
  EXPECT_EQ(Bits(ZQ_GetNaN()), 0x7FFFFFFFE0000000ull);
  EXPECT_EQ(Bits(ZQ_GetNaN()), Bits(ZQ_GetNaN()));
}

TEST(ZQ_GetIEEEClass, ClassifiesFromTheBits) {
  const struct { double x; int want; const char* why; } kCases[] = {
      {1.0, 0, "normal"},
      {0.0, 0, "zero"},
      {-0.0, 0, "negative zero"},
      {FromBits(1), 0, "smallest subnormal"},
      {-std::numeric_limits<double>::max(), 0, "largest negative"},
      {ZQ_GetNaN(), 1, "the library's NaN"},
      {FromBits(0x7FF0000000000001ull), 1, "NaN with fraction bits only in the low word"},
      {FromBits(0xFFF8000000000000ull), 1, "NaN with the sign set"},
      {kInfinity, 2, "positive infinity"},
      {-kInfinity, 3, "negative infinity"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQ_GetIEEEClass(c.x), c.want);
  }
}

TEST(ZQ_IsWithinTolerance, IncludesTheToleranceAndRejectsNaN) {
  const struct { double a, b, tolerance; bool want; const char* why; } kCases[] = {
      {1.0, 1.5, 0.5, true, "difference equals the tolerance"},
      {1.5, 1.0, 0.5, true, "either order"},
      {1.0, 1.5000001, 0.5, false, "just beyond"},
      {2.0, 2.0, 0.0, true, "zero tolerance, equal"},
      {ZQ_GetNaN(), 1.0, 1e300, false, "NaN operand"},
      {kInfinity, kInfinity, 1.0, false, "infinity minus infinity is NaN"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQ_IsWithinTolerance(c.a, c.b, c.tolerance), c.want);
  }
}

TEST(ZQ_Round, RoundsHalvesDown) {
  const struct { double x, round, truncate, floor, ceiling; } kCases[] = {
      {0.5, 0.0, 0.0, 0.0, 1.0},     {1.5, 1.0, 1.0, 1.0, 2.0},
      {2.5, 2.0, 2.0, 2.0, 3.0},     {-2.5, -3.0, -2.0, -3.0, -2.0},
      {-1.7, -2.0, -1.0, -2.0, -1.0}, {2.6, 3.0, 2.0, 2.0, 3.0},
      {-0.4, 0.0, 0.0, -1.0, 0.0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(ZQ_Round(c.x), c.round);
    EXPECT_EQ(ZQ_Truncate(c.x), c.truncate);
    EXPECT_EQ(ZQ_Floor(c.x), c.floor);
    EXPECT_EQ(ZQ_Ceiling(c.x), c.ceiling);
  }
}

TEST(ZQ_MulDiv, RoundsAWideIntermediate) {
  const struct { long a, b, c, want; const char* why; } kCases[] = {
      {2000000000, 3, 4, 1500000000, "product beyond 32 bits"},
      {10, 1, 4, 3, "2.5 rounds away from zero"},
      {-10, 1, 4, -3, "-2.5 rounds away from zero"},
      {7, 3, 0, -1, "division by zero"},
      {2000000000, 4, 1, -1, "result beyond 32 bits"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQ_MulDiv(c.a, c.b, c.c), c.want);
  }
}

TEST(ZQ_NormalizeAngle, MapsEveryDirectionIntoOneTurn) {
  const struct { double degrees, want; const char* why; } kCases[] = {
      {0.0, 0.0, "zero"},
      {359.5, 359.5, "inside"},
      {-30.0, 330.0, "one turn below"},
      {-360.0, 0.0, "minus a full turn"},
      {360.0, 0.0, "a full turn"},
      {719.5, 359.5, "just below two turns"},
      {720.0, 0.0, "two turns"},
      {1000.0, 280.0, "several turns"},
      {-720.0, 0.0, "minus two turns"},
      {-1000.0, 80.0, "several turns below"},
      {36000090.0, 90.0, "a hundred thousand turns"},
      // -1e-20 + 360 rounds to 360, which is not inside the turn.
      {-1e-20, 0.0, "tiny negative angle"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQ_NormalizeAngle(c.degrees), c.want);
  }
}

TEST(ZQ_NormalizeAngle, SettlesForHugeAngles) {
  for (double degrees : {1e300, -1e300, std::numeric_limits<double>::max(), -1e20, 4.5e15}) {
    SCOPED_TRACE(degrees);
    const double angle = ZQ_NormalizeAngle(degrees);
    EXPECT_GE(angle, 0.0);
    EXPECT_LT(angle, 360.0);
  }
}

TEST(ZQ_NormalizeAngle, AnswersNaNForNonFiniteAngles) {
  // No number of turns brings these into range.
  for (double degrees : {kInfinity, -kInfinity, ZQ_GetNaN()}) {
    SCOPED_TRACE(degrees);
    EXPECT_EQ(ZQ_GetIEEEClass(ZQ_NormalizeAngle(degrees)), ZQ_IEEEClass_NaN);
  }
}

TEST(ZQ_TemperatureConversion, ConvertsBetweenCelsiusAndFahrenheit) {
  const struct { double celsius, fahrenheit; } kCases[] = {
      {100.0, 212.0}, {0.0, 32.0}, {-40.0, -40.0}, {37.0, 98.6},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.celsius);
    EXPECT_DOUBLE_EQ(ZQ_CelsiusToFahrenheit(c.celsius), c.fahrenheit);
    EXPECT_DOUBLE_EQ(ZQ_FahrenheitToCelsius(c.fahrenheit), c.celsius);
  }
  EXPECT_EQ(ZQ_CelsiusToFahrenheit(100.0), 212.0);
  EXPECT_EQ(ZQ_FahrenheitToCelsius(-40.0), -40.0);
  EXPECT_EQ(ZQ_FahrenheitToCelsius(212.0), 100.0);
}

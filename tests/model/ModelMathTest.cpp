#include "MORV_ModelMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// Distance in units in the last place between two finite doubles of one sign.
std::int64_t UlpDistance(double a, double b) {
  std::int64_t ia, ib;
  std::memcpy(&ia, &a, sizeof a);
  std::memcpy(&ib, &b, sizeof b);
  return ia > ib ? ia - ib : ib - ia;
}

}  // namespace

using namespace MORV_ModelMath;

TEST(ModelMath, ExponentialAndLogarithmAgreeWithTheRuntimeToOneUlp) {
  std::uint32_t state = 12345;
  for (int i = 0; i < 200000; ++i) {
    state = state * 1664525u + 1013904223u;
    const double unit = state / 4294967296.0;
    const double x = (unit - 0.5) * 1400.0;  // -700 .. 700
    ASSERT_LE(UlpDistance(Exponential(x), std::exp(x)), 1) << x;
    const double y = std::ldexp(1.0 + unit, static_cast<int>(state % 200) - 100);
    ASSERT_LE(UlpDistance(Logarithm(y), std::log(y)), 1) << y;
  }
}

TEST(ModelMath, PowerAgreesWithTheRuntimeForTheModelsExponents) {
  for (double exponent : {0.143, 0.3333, 0.56, 0.6, 2.334, 0.07, 0.55}) {
    for (double base = 1e-6; base < 1e6; base *= 1.37) {
      // exp(y log x) carries the rounding of y log x, relative to its size.
      const double want = std::pow(base, exponent);
      const double tolerance = want * (std::fabs(exponent * std::log(base)) + 1.0) * 5e-16;
      EXPECT_NEAR(Power(base, exponent), want, tolerance) << base << "^" << exponent;
    }
  }
}

// Where the runtime would report a maths error, the wrappers answer with the
// IEEE value and call nothing.
TEST(ModelMath, OutOfDomainArgumentsGiveIEEEValues) {
  EXPECT_TRUE(std::isnan(SquareRoot(-1.0)));
  EXPECT_TRUE(std::isnan(SquareRoot(NotANumber)));
  EXPECT_EQ(SquareRoot(0.0), 0.0);
  EXPECT_TRUE(std::isnan(Exponential(NotANumber)));
  EXPECT_EQ(Exponential(1000.0), Infinity);
  EXPECT_EQ(Exponential(-1000.0), 0.0);
  EXPECT_GT(Exponential(-744.0), 0.0);  // subnormal result
  EXPECT_EQ(Logarithm(0.0), -Infinity);
  EXPECT_TRUE(std::isnan(Logarithm(-2.0)));
  EXPECT_EQ(Logarithm(Infinity), Infinity);
  EXPECT_NEAR(Logarithm(1e-310), std::log(1e-310), 1e-12);
  EXPECT_TRUE(std::isnan(Power(-8.0, 0.25)));
  EXPECT_TRUE(std::isnan(Power(NotANumber, 0.25)));
  EXPECT_EQ(Power(0.0, 0.56), 0.0);
  EXPECT_EQ(Power(Infinity, 0.56), Infinity);
  EXPECT_EQ(ArcCosine(1.0000000001), 0.0);
  EXPECT_TRUE(std::isnan(ArcSine(NotANumber)));
}

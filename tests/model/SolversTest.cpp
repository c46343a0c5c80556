#include "MORV_Model.h"
#include "MORV_ModelInstrumentation.h"

#include <gtest/gtest.h>

TEST(ComputeWetBulbTemperature, PsychrometricWetBulbOfKnownAir) {
  int iterations = 0;
  // 30 C and 50 % at sea level: a psychrometric wet bulb near 21.8 C.
  EXPECT_NEAR(ComputeWetBulbTemperature(303.15, 0.5, 1013.25, 2.0, 0.0, 0.0, 0.5, 0, &iterations),
              21.8021793, 2e-4);
  EXPECT_EQ(iterations, 16);
  // Saturated air: the wick neither evaporates nor cools, and the first step settles.
  EXPECT_NEAR(ComputeWetBulbTemperature(293.15, 1.0, 1013.25, 2.0, 0.0, 0.0, 1.0, 0, &iterations),
              20.0, 1e-4);
  EXPECT_EQ(iterations, 1);
}

TEST(ComputeWetBulbTemperature, LongWaveExchangeSeparatesNaturalFromPsychrometricWithoutSun) {
  const float natural = ComputeWetBulbTemperature(303.15, 0.5, 1013.25, 2.0, 0.0, 0.0, 0.5, 1);
  const float psychrometric = ComputeWetBulbTemperature(303.15, 0.5, 1013.25, 2.0, 0.0, 0.0, 0.5, 0);
  EXPECT_NEAR(natural, 21.9167728, 2e-4);
  EXPECT_GT(natural - psychrometric, 0.1f);
}

TEST(ComputeGlobeTemperature, BalancesSunAgainstConvection) {
  int iterations = 0;
  EXPECT_NEAR(ComputeGlobeTemperature(303.15, 0.5, 1013.25, 1.0, 800.0, 0.7, 0.8, &iterations),
              48.7161789, 2e-4);
  EXPECT_EQ(iterations, 22);
  // Without sun the globe loses long-wave heat to a sky colder than the air.
  EXPECT_NEAR(ComputeGlobeTemperature(303.15, 0.5, 1013.25, 2.0, 0.0, 0.0, 0.5), 29.1096439, 2e-4);
  EXPECT_NEAR(ComputeWetBulbTemperature(303.15, 0.5, 1013.25, 1.0, 800.0, 0.7, 0.8, 1), 25.2812443, 2e-4);
}

// A solver that meets its tolerance in the 49th step returns a temperature;
// one that needs the 50th returns -9999, also when the 50th step meets it.
TEST(Solvers, SettleWithinFortyNineIterationsOrFail) {
  float speed2m, globe, natural, psychrometric, wbgt;
  MORV_ModelInstrumentation::SolverIterations n;
  int result = MORV_ModelInstrumentation::CalculateCountingIterations(
      1960, 4, 28, 2, 36, 11, 10, 73.2775345f, 109.195389f, 1089.96387f, 955.617126f, 44.4137688f,
      35.5572891f, 0.0f, 50.5894127f, 0.285691828f, 0, &speed2m, &globe, &natural, &psychrometric,
      &wbgt, &n);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(n.globe, 49);
  EXPECT_NEAR(globe, 93.4307785f, 2e-3);

  result = MORV_ModelInstrumentation::CalculateCountingIterations(
      1969, 3, 13, 9, 52, 2, 0, 52.6944656f, 28.0443153f, 1078.04419f, 996.17865f, -18.7404232f,
      57.2672997f, 2.30845642f, 2.0f, 2.70990157f, 0, &speed2m, &globe, &natural, &psychrometric,
      &wbgt, &n);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(n.naturalWetBulb, 49);
  EXPECT_NEAR(natural, -15.0900326f, 2e-3);

  result = MORV_ModelInstrumentation::CalculateCountingIterations(
      1954, 7, 18, 7, 20, -8, -30, -41.9319763f, 31.955574f, 1368.87585f, 936.520447f, 27.137001f,
      99.6581268f, 0.0f, 2.0f, -1.68564904f, 0, &speed2m, &globe, &natural, &psychrometric, &wbgt, &n);
  EXPECT_EQ(result, -1);
  EXPECT_EQ(n.globe, 50);
  EXPECT_EQ(globe, MORV_FailureValue);
  EXPECT_NEAR(natural, 43.2210007f, 2e-3);  // the wet bulbs still settle
  EXPECT_EQ(wbgt, MORV_FailureValue);
}

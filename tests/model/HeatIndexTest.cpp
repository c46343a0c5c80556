#include "MORV_HeatGuidance.h"

#include <gtest/gtest.h>

TEST(ComputeHeatIndex_C, ReturnsTheAirTemperatureBelow23Celsius) {
  const struct { double air, humidity; const char* why; } kCases[] = {
      {22.9, 0.0, "just below the threshold, dry"},
      {22.9, 50.0, "just below the threshold"},
      {22.9, 100.0, "just below the threshold, saturated"},
      {-40.0, 80.0, "far below"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ComputeHeatIndex_C(c.air, c.humidity), c.air);
  }
}

TEST(ComputeHeatIndex_C, KeepsTheAirTemperatureWhereTheRegressionFallsBelowIt) {
  // From 23 C the regression runs, but in dry or mild air it gives less than
  // the air temperature, which wins; it comes back through both conversions.
  const struct { double air, humidity; const char* why; } kCases[] = {
      {23.0, 0.0, "threshold, dry"},
      {23.0, 100.0, "threshold, saturated"},
      {30.0, 5.0, "hot and dry"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_NEAR(ComputeHeatIndex_C(c.air, c.humidity), c.air, 1e-12);
  }
}

TEST(ComputeHeatIndex_C, FollowsTheRegressionInHotHumidAir) {
  // Expected values from an independent evaluation of the nine-term regression
  // in degrees Fahrenheit (90 F at 50 % is about 94.6 F in the published tables).
  const struct { double air, humidity, want; const char* why; } kCases[] = {
      {32.2222222, 50.0, 34.7760784027635, "90 F, 50 %"},
      {35.0, 60.0, 45.05017127777784, "95 F, 60 %"},
      {40.0, 40.0, 48.26503635555558, "104 F, 40 %"},
      {27.0, 80.0, 29.740206061777883, "80.6 F, 80 %"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_NEAR(ComputeHeatIndex_C(c.air, c.humidity), c.want, 1e-9);
  }
}

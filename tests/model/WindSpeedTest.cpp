#include "MORV_Model.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ComputeStabilityClass, PicksTheTableEntryWithBandsClosedBelow) {
  const struct { int daytime; double speed, solar, deltaT; int want; const char* why; } kCases[] = {
      {1, 1.9, 1000, 0, 1, "day, light wind, strong sun"},
      {1, 6.0, 100, 0, 4, "day, strong wind, weak sun"},
      {1, 1.99, 925, 0, 1, "solar 925 is in the strongest band"},
      {1, 1.99, 924.9, 0, 1, "solar just below 925, speed row 0"},
      {1, 2.0, 924.9, 0, 2, "speed 2 starts row 1"},
      {1, 2.0, 925, 0, 1, "row 1, strongest sun"},
      {1, 3.0, 675, 0, 2, "row 2, column 1"},
      {1, 3.0, 674.9, 0, 3, "row 2, column 2"},
      {1, 5.0, 175, 0, 4, "row 3, column 2"},
      {1, 4.99, 174.9, 0, 4, "row 2, column 3"},
      {1, 5.0, 1000, 0, 3, "row 3, column 0"},
      {1, 6.0, 1000, 0, 3, "row 4, column 0"},
      {1, 6.0, 700, 0, 4, "row 4, column 1"},
      {0, 2.5, 0, 5.0, 4, "night, 2.5 m/s, stable"},
      {0, 2.5, 0, -5.0, 4, "night, 2.5 m/s, unstable"},
      {0, 1.0, 0, 0.0, 6, "night, calm, deltaT 0 counts as stable"},
      {0, 1.0, 0, -0.1, 5, "night, calm, negative deltaT"},
      {0, 2.0, 0, 0.0, 6, "night, row 1"},
      {0, 2.49, 0, -1.0, 5, "night, row 1, negative deltaT"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ComputeStabilityClass(c.daytime, c.speed, c.solar, c.deltaT), c.want);
  }
}

TEST(EstimateWindSpeedAt2m, AppliesThePowerLawOfTheClassAndProfile) {
  const struct { int stabilityClass, urban; float exponent; } kExponents[] = {
      {1, 0, 0.07f}, {2, 0, 0.07f}, {3, 0, 0.10f}, {4, 0, 0.15f}, {5, 0, 0.35f}, {6, 0, 0.55f},
      {1, 1, 0.15f}, {2, 1, 0.15f}, {3, 1, 0.20f}, {4, 1, 0.25f}, {5, 1, 0.30f}, {6, 1, 0.30f},
  };
  for (const auto& c : kExponents) {
    SCOPED_TRACE(testing::Message() << "class " << c.stabilityClass << " urban " << c.urban);
    EXPECT_FLOAT_EQ(EstimateWindSpeedAt2m(5.0, 10.0, c.stabilityClass, c.urban),
                    static_cast<float>(5.0 * std::pow(0.2, static_cast<double>(c.exponent))));
  }
  EXPECT_FLOAT_EQ(EstimateWindSpeedAt2m(5.0, 10.0, 6, 0), 5.0f * std::pow(0.2f, 0.55f));
}

TEST(EstimateWindSpeedAt2m, NeverGoesBelowThirteenCentimetresPerSecond) {
  EXPECT_FLOAT_EQ(EstimateWindSpeedAt2m(0.0, 10.0, 3, 0), 0.13f);
  EXPECT_FLOAT_EQ(EstimateWindSpeedAt2m(0.0, 1.0, 3, 1), 0.13f);
  EXPECT_FLOAT_EQ(EstimateWindSpeedAt2m(0.14, 60.0, 6, 0), 0.13f);
  // Below 2 m the law raises the speed.
  EXPECT_GT(EstimateWindSpeedAt2m(1.0, 1.0, 4, 0), 1.0f);
}

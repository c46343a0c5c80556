#include "MORV_Model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Split {
  int result;
  float solar, cosZenith, directFraction;
};

Split SplitAt(double day, float solar, float latitude = 35.0f, float longitude = 0.0f) {
  Split s = {0, solar, 12345.0f, 12345.0f};
  s.result = ComputeSolarIrradianceSplit(2021, 6, day, latitude, longitude, &s.solar,
                                         &s.cosZenith, &s.directFraction);
  return s;
}

// Irradiance at the top of the atmosphere for the same instant, from the
// solar position.
double TopOfAtmosphere(double day, double latitude = 35.0, double longitude = 0.0) {
  double ra, dec, elevation, refraction, azimuth, distance;
  ComputeSolarPosition(2021, 6, day, 0.0, latitude, longitude, &ra, &dec, &elevation, &refraction,
                       &azimuth, &distance);
  return 1367.0 * std::cos((90.0 - elevation) * 3.14159265358979323846 / 180.0) / (distance * distance);
}

}  // namespace

TEST(ComputeSolarIrradianceSplit, AtNightLeavesTheIrradianceAndHasNoDirectBeam) {
  const Split s = SplitAt(10.0, 5.0f);  // midnight at longitude 0
  EXPECT_EQ(s.result, 0);
  EXPECT_LT(s.cosZenith, 0.0f);
  EXPECT_EQ(s.directFraction, 0.0f);
  EXPECT_EQ(s.solar, 5.0f);
}

TEST(ComputeSolarIrradianceSplit, CapsTheIrradianceAt85PercentOfTheTopOfTheAtmosphere) {
  const double toa = TopOfAtmosphere(10.5);
  const Split s = SplitAt(10.5, static_cast<float>(0.9 * toa));
  EXPECT_NEAR(s.solar, 0.85 * toa, 1e-3);
  EXPECT_EQ(s.directFraction, 0.9f);  // exp(3 - 1.34 * 0.85 - 1.65 / 0.85) > 0.9
}

TEST(ComputeSolarIrradianceSplit, DirectFractionFollowsTheClearnessIndex) {
  const double toa = TopOfAtmosphere(10.5);
  const Split half = SplitAt(10.5, static_cast<float>(0.5 * toa));
  EXPECT_NEAR(half.directFraction, std::exp(3.0 - 1.34 * 0.5 - 1.65 / 0.5), 1e-5);
  EXPECT_NEAR(half.solar, 0.5 * toa, 1e-3);
  const Split dark = SplitAt(10.5, 0.0f);
  EXPECT_EQ(dark.directFraction, 0.0f);
  EXPECT_EQ(dark.solar, 0.0f);
  EXPECT_GT(dark.cosZenith, 0.5f);
}

TEST(ComputeSolarIrradianceSplit, TreatsASunBelowHalfADegreeAsNoBeamButDaylight) {
  // Walk through sunrise a minute at a time to an elevation between 0 and 0.5 degrees.
  bool found = false;
  for (int minute = 0; minute < 24 * 60 && !found; ++minute) {
    const double day = 10.0 + minute / 1440.0;
    const Split s = SplitAt(day, 50.0f);
    if (s.cosZenith > 0.0f && s.cosZenith < 0.00873f) {
      found = true;
      EXPECT_EQ(s.directFraction, 0.0f);
      EXPECT_EQ(s.solar, 50.0f);
    }
  }
  EXPECT_TRUE(found);
}

// The instant of the sunrise of day 10 at which the cosine of the zenith angle
// reaches `target`, found by bisection (the cosine rises through the morning).
double MorningInstantWithCosZenith(float target) {
  double early = 10.0, late = 10.5;  // midnight and noon
  for (int i = 0; i < 60; ++i) {
    const double middle = 0.5 * (early + late);
    (SplitAt(middle, 50.0f).cosZenith < target ? early : late) = middle;
  }
  return late;
}

TEST(ComputeSolarIrradianceSplit, TheBeamStartsAtACosineOf0Point00873) {
  const Split below = SplitAt(MorningInstantWithCosZenith(0.00872f), 50.0f);
  EXPECT_NEAR(below.cosZenith, 0.00872f, 1e-6f);
  EXPECT_EQ(below.directFraction, 0.0f);
  EXPECT_EQ(below.solar, 50.0f);
  const Split above = SplitAt(MorningInstantWithCosZenith(0.00874f), 50.0f);
  EXPECT_NEAR(above.cosZenith, 0.00874f, 1e-6f);
  EXPECT_EQ(above.directFraction, 0.9f);  // 50 W/m^2 is far above 85 % of 12 W/m^2
  EXPECT_LT(above.solar, 12.0f);
}

TEST(ComputeSolarIrradianceSplit, ReportsARefusedTimeAndWritesNothing) {
  float solar = 500.0f, cosZenith = 12345.0f, directFraction = 12345.0f;
  EXPECT_EQ(ComputeSolarIrradianceSplit(2050, 6, 10.5, 35.0f, 0.0f, &solar, &cosZenith, &directFraction), -1);
  EXPECT_EQ(ComputeSolarIrradianceSplit(2021, 6, 40.0, 35.0f, 0.0f, &solar, &cosZenith, &directFraction), -1);
  EXPECT_EQ(solar, 500.0f);
  EXPECT_EQ(cosZenith, 12345.0f);
  EXPECT_EQ(directFraction, 12345.0f);
}

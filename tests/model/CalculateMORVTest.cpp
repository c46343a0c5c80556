#include "MORV_Model.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr float kPreset = 12345.0f;  // a value the model never writes

struct Inputs {
  int year, month, day, hour, minute, gmtOffset, averagingAdjustment;
  float latitude, longitude, solar, pressure, airTemperature, humidity, speed, height, deltaT;
  int urban;
};

struct Outputs {
  int result;
  float speed2m, globe, naturalWetBulb, psychrometricWetBulb, wbgt;
};

Outputs RunModel(const Inputs& in) {
  Outputs out = {0, kPreset, kPreset, kPreset, kPreset, kPreset};
  out.result = CalculateMORV(in.year, in.month, in.day, in.hour, in.minute, in.gmtOffset,
                             in.averagingAdjustment, in.latitude, in.longitude, in.solar,
                             in.pressure, in.airTemperature, in.humidity, in.speed, in.height,
                             in.deltaT, in.urban, &out.speed2m, &out.globe, &out.naturalWetBulb,
                             &out.psychrometricWetBulb, &out.wbgt);
  return out;
}

void ExpectSameOutputs(const Outputs& a, const Outputs& b) {
  EXPECT_EQ(a.result, b.result);
  EXPECT_EQ(a.speed2m, b.speed2m);
  EXPECT_EQ(a.globe, b.globe);
  EXPECT_EQ(a.naturalWetBulb, b.naturalWetBulb);
  EXPECT_EQ(a.psychrometricWetBulb, b.psychrometricWetBulb);
  EXPECT_EQ(a.wbgt, b.wbgt);
}

}  // namespace

// Whole runs, checked against the independent implementation and for plausibility:
// a summer afternoon (globe far above the air, WBGT near 30 C) and a winter night.
TEST(CalculateMORV, ComputesWholeRunsByDayAndNight) {
  const struct { const char* why; Inputs in; Outputs want; } kCases[] = {
      {"day, 10 m wind, rural", {2024, 7, 15, 13, 0, -5, 0, 38.9f, -77.0f, 850, 1013, 32, 55, 3, 10, 0.5f, 0},
       {0, 2.68036151f, 45.2777023f, 26.1955204f, 24.4471073f, 30.5924053f}},
      {"day, 10 m wind, urban: more shear, less wind at 2 m", {2024, 7, 15, 13, 0, -5, 0, 38.9f, -77.0f, 850, 1013, 32, 55, 3, 10, 0.5f, 1},
       {0, 2.35654497f, 45.9355392f, 26.3271732f, 24.4471073f, 30.8161297f}},
      {"day, 2 m wind", {2024, 7, 15, 13, 0, -5, 0, 38.9f, -77.0f, 850, 1013, 32, 55, 3, 2, 0.5f, 0},
       {0, kPreset, 44.7198715f, 26.0874577f, 24.4471073f, 30.4051952f}},
      {"night, unstable", {2023, 1, 20, 2, 30, 1, 0, 48.1f, 11.6f, 0.1f, 960, 5, 80, 1, 10, -0.3f, 0},
       {0, 0.569325328f, 2.67751455f, 2.90218496f, 3.53344107f, 3.06703234f}},
      {"night, stable", {2023, 1, 20, 2, 30, 1, 0, 48.1f, 11.6f, 0.1f, 960, 5, 80, 1, 10, 0.3f, 0},
       {0, 0.412635416f, 2.42165518f, 2.78136587f, 3.53344107f, 2.93128705f}},
      {"equator at noon, end of an hour's average", {2010, 3, 21, 12, 0, 0, 60, 0, 0, 1000, 1010, 30, 70, 2, 2, 0, 0},
       {0, kPreset, 46.8224106f, 27.3727665f, 25.3981571f, 31.5254192f}},
      {"cold dry air: the wet bulb solvers fail", {1999, 1, 16, 5, 53, 7, 0, -26.6895065f, -11.8921976f, 1026.16565f, 1002.73645f, -52.7388306f, 13.0103102f, 7.42340803f, 2, 0.544422686f, 1},
       {-1, kPreset, -38.5055771f, -9999, -9999, -9999}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const Outputs out = RunModel(c.in);
    EXPECT_EQ(out.result, c.want.result);
    const float got[5] = {out.speed2m, out.globe, out.naturalWetBulb, out.psychrometricWetBulb, out.wbgt};
    const float want[5] = {c.want.speed2m, c.want.globe, c.want.naturalWetBulb,
                           c.want.psychrometricWetBulb, c.want.wbgt};
    for (int i = 0; i < 5; ++i) {
      if (want[i] == kPreset || want[i] == MORV_FailureValue) {
        EXPECT_EQ(got[i], want[i]) << "output " << 18 + i;
      } else {
        EXPECT_NEAR(got[i], want[i], 0.002f) << "output " << 18 + i;
      }
    }
    if (out.result == 0) {
      EXPECT_NEAR(out.wbgt, 0.1f * c.in.airTemperature + 0.2f * out.globe + 0.7f * out.naturalWetBulb, 1e-4f);
    }
  }
}

TEST(CalculateMORV, LeavesTheMeasuredSpeedAloneAtExactlyTwoMetres) {
  Inputs in = {2024, 7, 15, 13, 0, -5, 0, 38.9f, -77.0f, 850, 1013, 32, 55, 0.05f, 2, 0.5f, 0};
  const Outputs slow = RunModel(in);
  EXPECT_EQ(slow.speed2m, kPreset);
  // Below 0.13 m/s the convection coefficients use 0.13 themselves.
  in.speed = 0.13f;
  const Outputs floor = RunModel(in);
  EXPECT_EQ(slow.globe, floor.globe);
  EXPECT_EQ(slow.naturalWetBulb, floor.naturalWetBulb);
  // Any other height is corrected, however close to 2 m.
  in.height = 2.0001f;
  in.speed = 3.0f;
  EXPECT_NE(RunModel(in).speed2m, kPreset);
}

TEST(CalculateMORV, EstimatesTheSpeedAtTwoMetresFromTenMetresByDay) {
  const Inputs in = {2024, 7, 15, 13, 0, -5, 0, 38.9f, -77.0f, 850, 1013, 32, 55, 3, 10, 0.5f, 0};
  // 850 W/m^2 and 3 m/s by day: class 2, rural exponent 0.07.
  EXPECT_FLOAT_EQ(RunModel(in).speed2m, EstimateWindSpeedAt2m(3.0, 10.0, 2, 0));
  EXPECT_NEAR(RunModel(in).speed2m, 3.0 * 0.8934538, 1e-5);
}

TEST(CalculateMORV, TakesTheTimeStampInLocalTimeMinusHalfTheAveragingAdjustment) {
  Inputs lateEvening = {2022, 6, 10, 23, 30, -5, 0, 30.0f, -80.0f, 300, 1000, 25, 60, 2, 10, 0, 0};
  Inputs nextMorning = lateEvening;
  nextMorning.day = 11;
  nextMorning.hour = 4;
  nextMorning.gmtOffset = 0;  // universal hour 28.5 is 04:30 of the next day
  ExpectSameOutputs(RunModel(lateEvening), RunModel(nextMorning));

  Inputs endOfHour = {2022, 6, 10, 12, 0, 0, 60, 30.0f, 0.0f, 800, 1000, 25, 60, 2, 10, 0, 0};
  Inputs halfHourBefore = endOfHour;
  halfHourBefore.hour = 11;
  halfHourBefore.minute = 30;
  halfHourBefore.averagingAdjustment = 0;
  ExpectSameOutputs(RunModel(endOfHour), RunModel(halfHourBefore));
}

void ExpectRefused(const Outputs& out) {
  EXPECT_EQ(out.result, -1);
  EXPECT_EQ(out.speed2m, kPreset);
  EXPECT_EQ(out.globe, MORV_FailureValue);
  EXPECT_EQ(out.naturalWetBulb, MORV_FailureValue);
  EXPECT_EQ(out.psychrometricWetBulb, MORV_FailureValue);
  EXPECT_EQ(out.wbgt, MORV_FailureValue);
}

TEST(CalculateMORV, FailsWholeWhenTheSunCannotBePlaced) {
  ExpectRefused(RunModel({2050, 6, 10, 12, 0, 0, 0, 30.0f, 0.0f, 800, 1000, 25, 60, 2, 10, 0, 0}));
}

// The solvers took a NaN speed for calm air: a wind height of -1 m gave a WBGT
// of 38.9 C where the same weather measured at 10 m gives 30.6 C.
TEST(CalculateMORV, RefusesInputsThatAreNoNumbersAndWindAtNoHeight) {
  const float kNaN = std::numeric_limits<float>::quiet_NaN();
  const float kInfinity = std::numeric_limits<float>::infinity();
  const Inputs kSummer = {2024, 7, 15, 13, 0, -5, 0, 38.9f, -77.0f, 850, 1013, 32, 55, 3, 10, 0.5f, 0};
  const struct { float Inputs::*field; float value; } kCases[] = {
      {&Inputs::height, -1.0f}, {&Inputs::height, 0.0f}, {&Inputs::height, -0.0f},
      {&Inputs::height, kNaN}, {&Inputs::height, kInfinity}, {&Inputs::speed, kNaN},
      {&Inputs::speed, -kInfinity}, {&Inputs::latitude, kNaN}, {&Inputs::longitude, kInfinity},
      {&Inputs::solar, kNaN}, {&Inputs::pressure, kInfinity}, {&Inputs::airTemperature, kNaN},
      {&Inputs::humidity, kInfinity}, {&Inputs::deltaT, kNaN},
  };
  for (size_t i = 0; i < sizeof kCases / sizeof kCases[0]; ++i) {
    SCOPED_TRACE(i);  // the first row is the reproducer
    Inputs in = kSummer;
    in.*kCases[i].field = kCases[i].value;
    ExpectRefused(RunModel(in));
  }
  // A huge speed a millimetre above ground is beyond the float range at 2 m.
  ExpectRefused(RunModel({2024, 7, 15, 13, 0, -5, 0, 38.9f, -77.0f, 850, 1013, 32, 55, 3.0e38f,
                          0.001f, 0.5f, 0}));
}

TEST(CalculateMORV, OnlyAPsychrometricFailureLeavesTheResultStanding) {
  // From the reference set: the psychrometric solver alone runs out of steps.
  const Inputs in = {2048, 12, 21, 7, 48, -10, 0, -86.1992874f, -176.552216f, 337.39209f, 590.34082f,
                     -5.62716007f, 1, 6.17063093f, 49.8755684f, -1.18278944f, 0};
  const Outputs out = RunModel(in);
  EXPECT_EQ(out.result, 0);
  EXPECT_EQ(out.psychrometricWetBulb, MORV_FailureValue);
  EXPECT_NEAR(out.naturalWetBulb, -9.66544151f, 0.002f);
  EXPECT_NEAR(out.wbgt, -7.2611742f, 0.002f);
}

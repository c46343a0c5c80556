#include "MORV_UnitConversions.h"

#include <gtest/gtest.h>

#include <string>

TEST(UnitConversions, ConvertersAndLabelsFollowTheUnitChoices) {
  // Input 1 is metric, any other value English; output 0 follows the input,
  // 2 is metric, any other value English. Each row converts 10 units.
  const struct {
    int input, output;
    const char* labels;
    double wind, temperature, difference, pressure, output10C;
  } kCases[] = {
      {0, 0, "mph F in Hg F", 4.4704, -12.222222222222221, 50.0 / 9, 338.639, 50},
      {1, 0, "m/s C mb C", 10, 10, 10, 10, 10},
      {7, 1, "mph F in Hg F", 4.4704, -12.222222222222221, 50.0 / 9, 338.639, 50},
      {1, 1, "m/s C mb F", 10, 10, 10, 10, 50},
      {0, 2, "mph F in Hg C", 4.4704, -12.222222222222221, 50.0 / 9, 338.639, 10},
      {1, 5, "m/s C mb F", 10, 10, 10, 10, 50},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.input) + " in, " + std::to_string(c.output) + " out");
    UserInputUnits = c.input;
    UserOutputUnits = c.output;
    const ZQ_String labels = GetWindSpeedInputUnitsLabel() + " " + GetTemperatureInputUnitsLabel() +
                             " " + GetPressureInputUnitsLabel() + " " + GetTemperatureOutputUnitsLabel();
    EXPECT_STREQ(labels.GetText(), c.labels);
    EXPECT_STREQ((GetSolarIrradianceUnitsLabel() + GetHumidityUnitsLabel()).GetText(), "W/m^2%");
    EXPECT_DOUBLE_EQ(ConvertWindSpeedInputToMetric(10), c.wind);
    EXPECT_DOUBLE_EQ(ConvertTemperatureInputToMetric(10), c.temperature);
    EXPECT_DOUBLE_EQ(ConvertTemperatureDifferenceInputToMetric(10), c.difference);
    EXPECT_DOUBLE_EQ(ConvertPressureInputToMetric(10), c.pressure);
    EXPECT_DOUBLE_EQ(ConvertWindSpeedMetricToInput(c.wind), 10);
    EXPECT_DOUBLE_EQ(ConvertTemperatureMetricToInput(c.temperature), 10);
    EXPECT_DOUBLE_EQ(ConvertTemperatureDifferenceMetricToInput(c.difference), 10);
    EXPECT_DOUBLE_EQ(ConvertPressureMetricToInput(c.pressure), 10);
    EXPECT_DOUBLE_EQ(ConvertTemperatureMetricToOutput(10), c.output10C);
    EXPECT_EQ(ConvertSolarIrradianceInputToMetric(812.5) + ConvertSolarIrradianceMetricToInput(1), 813.5);
    EXPECT_EQ(ConvertHumidityInputToMetric(37.5) + ConvertHumidityMetricToInput(1), 38.5);
  }
  UserInputUnits = UserOutputUnits = 0;
}

TEST(UnitConversions, EnglishValuesConvertAsUsersExpect) {
  EXPECT_NEAR(ConvertPressureInputToMetric(29.92), 1013.21, 0.005);
  EXPECT_EQ(ConvertTemperatureDifferenceInputToMetric(1.8), 1.0);
  EXPECT_NEAR(ConvertTemperatureInputToMetric(1.8), -16.777777777777779, 1e-12);
  // The bounds of the input checks stay whole through the conversion.
  EXPECT_EQ(ConvertTemperatureDifferenceInputToMetric(-36.0), -20.0);
  EXPECT_EQ(ConvertTemperatureInputToMetric(-103.0), -75.0);
  EXPECT_EQ(ConvertTemperatureInputToMetric(158.0), 70.0);
}

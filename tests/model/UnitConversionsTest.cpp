#include "MORV_UnitConversions.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Sets the two unit choices for one test and restores them after.
class UnitChoice {
 public:
  UnitChoice(int input, int output) : savedInput(UserInputUnits), savedOutput(UserOutputUnits) {
    UserInputUnits = input;
    UserOutputUnits = output;
  }
  ~UnitChoice() {
    UserInputUnits = savedInput;
    UserOutputUnits = savedOutput;
  }

 private:
  int savedInput, savedOutput;
};

std::string Text(const ZQ_String& s) { return s.GetText(); }

}  // namespace

TEST(UnitConversions, InputConvertersAndLabelsFollowTheInputUnits) {
  // One value through every converter: 1 is metric, every other value English.
  const struct {
    int units;
    const char *wind, *temperature, *pressure;
    double windToMetric, temperatureToMetric, differenceToMetric, pressureToMetric;
    double windToInput, temperatureToInput, differenceToInput, pressureToInput;
  } kCases[] = {
      {0, "mph", "F", "in Hg", 4.4704, -12.222222222222221, 10.0 * 5 / 9, 338.639,
       10 / 0.44704, 50.0, 18.0, 10 / 33.8639},
      {1, "m/s", "C", "mb", 10.0, 10.0, 10.0, 10.0, 10.0, 10.0, 10.0, 10.0},
      {7, "mph", "F", "in Hg", 4.4704, -12.222222222222221, 10.0 * 5 / 9, 338.639,
       10 / 0.44704, 50.0, 18.0, 10 / 33.8639},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.units);
    UnitChoice units(c.units, 0);
    EXPECT_EQ(Text(GetWindSpeedInputUnitsLabel()), c.wind);
    EXPECT_EQ(Text(GetTemperatureInputUnitsLabel()), c.temperature);
    EXPECT_EQ(Text(GetPressureInputUnitsLabel()), c.pressure);
    EXPECT_EQ(Text(GetSolarIrradianceUnitsLabel()), "W/m^2");
    EXPECT_EQ(Text(GetHumidityUnitsLabel()), "%");
    EXPECT_DOUBLE_EQ(ConvertWindSpeedInputToMetric(10.0), c.windToMetric);
    EXPECT_DOUBLE_EQ(ConvertTemperatureInputToMetric(10.0), c.temperatureToMetric);
    EXPECT_DOUBLE_EQ(ConvertTemperatureDifferenceInputToMetric(10.0), c.differenceToMetric);
    EXPECT_DOUBLE_EQ(ConvertPressureInputToMetric(10.0), c.pressureToMetric);
    EXPECT_DOUBLE_EQ(ConvertWindSpeedMetricToInput(10.0), c.windToInput);
    EXPECT_DOUBLE_EQ(ConvertTemperatureMetricToInput(10.0), c.temperatureToInput);
    EXPECT_DOUBLE_EQ(ConvertTemperatureDifferenceMetricToInput(10.0), c.differenceToInput);
    EXPECT_DOUBLE_EQ(ConvertPressureMetricToInput(10.0), c.pressureToInput);
    EXPECT_EQ(ConvertSolarIrradianceInputToMetric(812.5), 812.5);
    EXPECT_EQ(ConvertSolarIrradianceMetricToInput(812.5), 812.5);
    EXPECT_EQ(ConvertHumidityInputToMetric(37.5), 37.5);
    EXPECT_EQ(ConvertHumidityMetricToInput(37.5), 37.5);
  }
}

TEST(UnitConversions, OutputTemperaturesFollowTheOutputChoice) {
  // 0 follows the input units, 2 is metric, any other choice English.
  const struct { int input, output; const char* label; double from10C; } kCases[] = {
      {0, 0, "F", 50.0}, {1, 0, "C", 10.0},  {0, 1, "F", 50.0}, {1, 1, "F", 50.0},
      {0, 2, "C", 10.0}, {1, 2, "C", 10.0},  {1, 5, "F", 50.0}, {7, 0, "F", 50.0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.input) + " in, " + std::to_string(c.output) + " out");
    UnitChoice units(c.input, c.output);
    EXPECT_EQ(Text(GetTemperatureOutputUnitsLabel()), c.label);
    EXPECT_DOUBLE_EQ(ConvertTemperatureMetricToOutput(10.0), c.from10C);
  }
}

TEST(UnitConversions, EnglishValuesConvertAsUsersExpect) {
  UnitChoice english(0, 0);
  const double mph = ConvertWindSpeedInputToMetric(10.0);
  EXPECT_DOUBLE_EQ(mph, 4.4704);
  EXPECT_NEAR(ConvertWindSpeedMetricToInput(mph), 10.0, 1e-12);
  EXPECT_NEAR(ConvertPressureInputToMetric(29.92), 1013.21, 0.005);
  EXPECT_EQ(ConvertTemperatureDifferenceInputToMetric(1.8), 1.0);
  EXPECT_NEAR(ConvertTemperatureInputToMetric(1.8), -16.777777777777779, 1e-12);
  // The input checks' bounds are whole in both systems.
  EXPECT_EQ(ConvertTemperatureDifferenceInputToMetric(36.0), 20.0);
  EXPECT_EQ(ConvertTemperatureDifferenceInputToMetric(-36.0), -20.0);
  EXPECT_EQ(ConvertTemperatureInputToMetric(-103.0), -75.0);
  EXPECT_EQ(ConvertTemperatureInputToMetric(158.0), 70.0);
}

#include "MORV_UnitConversions.h"

#include "ZQ_Numeric.h"

int UserInputUnits = 0;
int UserOutputUnits = 0;

namespace {

const double kMillibarsPerInchOfMercury = 33.8639;

bool IsMetricInput() { return UserInputUnits == 1; }

// English input scaled by Factor; metric input unchanged.
double ScaleEnglish(double value, double factor) {
  return IsMetricInput() ? value : value * factor;
}

}  // namespace

ZQ_String GetWindSpeedInputUnitsLabel() { return IsMetricInput() ? "m/s" : "mph"; }

double ConvertWindSpeedInputToMetric(double value) {
  return ScaleEnglish(value, MORV_MetersPerSecondPerMph);
}

double ConvertWindSpeedMetricToInput(double value) {
  return ScaleEnglish(value, 1.0 / MORV_MetersPerSecondPerMph);
}

ZQ_String GetSolarIrradianceUnitsLabel() { return "W/m^2"; }
double ConvertSolarIrradianceInputToMetric(double value) { return value; }
double ConvertSolarIrradianceMetricToInput(double value) { return value; }

ZQ_String GetTemperatureInputUnitsLabel() { return IsMetricInput() ? "C" : "F"; }

double ConvertTemperatureInputToMetric(double value) {
  return IsMetricInput() ? value : ZQ_FahrenheitToCelsius(value);
}

double ConvertTemperatureMetricToInput(double value) {
  return IsMetricInput() ? value : ZQ_CelsiusToFahrenheit(value);
}

// Multiplying before dividing keeps whole multiples of 9 F exact (36 F is
// exactly the 20 C bound of the input checks).
double ConvertTemperatureDifferenceInputToMetric(double value) {
  return IsMetricInput() ? value : value * 5.0 / 9.0;
}

double ConvertTemperatureDifferenceMetricToInput(double value) {
  return ScaleEnglish(value, 1.8);
}

ZQ_String GetPressureInputUnitsLabel() { return IsMetricInput() ? "mb" : "in Hg"; }

double ConvertPressureInputToMetric(double value) {
  return ScaleEnglish(value, kMillibarsPerInchOfMercury);
}

double ConvertPressureMetricToInput(double value) {
  return ScaleEnglish(value, 1.0 / kMillibarsPerInchOfMercury);
}

ZQ_String GetHumidityUnitsLabel() { return "%"; }
double ConvertHumidityInputToMetric(double value) { return value; }
double ConvertHumidityMetricToInput(double value) { return value; }

ZQ_String GetTemperatureOutputUnitsLabel() {
  if (UserOutputUnits == 0) return GetTemperatureInputUnitsLabel();
  return UserOutputUnits == 2 ? "C" : "F";
}

double ConvertTemperatureMetricToOutput(double value) {
  if (UserOutputUnits == 0) return ConvertTemperatureMetricToInput(value);
  return UserOutputUnits == 2 ? value : ZQ_CelsiusToFahrenheit(value);
}

// MORV_UnitConversions.h: conversions between the user's units and the
// model's metric units (m/s, W/m^2, degrees C, mb, %), and the unit labels the
// application shows beside its fields and results. The two unit choices are
// application options kept here, so that the model library needs nothing of
// the application; the application loads, saves and edits them. Pure
// functions of their argument and the two choices; one thread only.
#pragma once

#include "ZQ_String.h"

// 1 selects metric input units (m/s, C, mb); any other value English ones
// (mph, F, in Hg). 0 at start.
extern int UserInputUnits;
// Units of the output temperatures: 0 the input units, 2 metric, any other
// value English. 0 at start.
extern int UserOutputUnits;

// Metres per second in one mile per hour.
const double MORV_MetersPerSecondPerMph = 0.44704;

// Wind speed: mph or m/s.
ZQ_String GetWindSpeedInputUnitsLabel();
double ConvertWindSpeedInputToMetric(double value);
double ConvertWindSpeedMetricToInput(double value);

// Solar irradiance: W/m^2 in both systems.
ZQ_String GetSolarIrradianceUnitsLabel();
double ConvertSolarIrradianceInputToMetric(double value);
double ConvertSolarIrradianceMetricToInput(double value);

// Absolute temperatures: F or C.
ZQ_String GetTemperatureInputUnitsLabel();
double ConvertTemperatureInputToMetric(double value);
double ConvertTemperatureMetricToInput(double value);

// Temperature differences: F or C degrees, no offset.
double ConvertTemperatureDifferenceInputToMetric(double value);
double ConvertTemperatureDifferenceMetricToInput(double value);

// Pressure: in Hg or mb.
ZQ_String GetPressureInputUnitsLabel();
double ConvertPressureInputToMetric(double value);
double ConvertPressureMetricToInput(double value);

// Relative humidity: percent in both systems.
ZQ_String GetHumidityUnitsLabel();
double ConvertHumidityInputToMetric(double value);
double ConvertHumidityMetricToInput(double value);

// Output temperatures, by UserOutputUnits.
ZQ_String GetTemperatureOutputUnitsLabel();
double ConvertTemperatureMetricToOutput(double value);

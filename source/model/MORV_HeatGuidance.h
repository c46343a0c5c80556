// MORV_HeatGuidance.h: what the application derives from the model's results:
// the heat index, the five-step heat category with its work/rest and water
// guidance per work load, and the occupational work/rest regimen per work
// load. Lookups and one regression; no state. Out-of-range categories, loads
// and regimens go to the assertion service (the text functions then return an
// empty string). None of this is on the model's hot path.
#pragma once

#include "ZQ_String.h"

// Heat index ------------------------------------------------------------------------

// Apparent temperature in degrees Celsius for an air temperature in degrees
// Celsius and a relative humidity in percent (0..100): the air temperature
// itself below 23 C, else the larger of it and the nine-term regression, which
// is evaluated in degrees Fahrenheit.
double ComputeHeatIndex_C(double airTemperature, double relativeHumidity);

// Heat category with work/rest and water guidance -------------------------------------

// Work loads of the heat category's guidance.
enum MORV_ArmyWorkLoad { MORV_ArmyWorkLoad_Easy = 0, MORV_ArmyWorkLoad_Moderate = 1,
                         MORV_ArmyWorkLoad_Hard = 2 };

// Category 0..5 of a wet bulb globe temperature in degrees Fahrenheit; each band
// includes its lower bound (78, 82, 85, 88, 90), category 0 lies below 78.
int CalculateArmyHeatCategory(double temperature);
// "0", "1", "2  (Green)", "3  (Yellow)", "4  (Red)", "5  (Black)".
ZQ_String GetArmyHeatCategoryName(int category);
// "easy", "moderate", "hard".
ZQ_String GetArmyWorkLoadName(int load);
// "no limit" when the whole hour may be worked, else minutes of work "/" minutes
// of rest per hour, such as "20/40".
ZQ_String GetArmyWorkRestDescription(int category, int load);
// Water to drink per hour, in quarts: "1/2", "3/4" or "1".
ZQ_String GetArmyWaterIntakeDescription(int category, int load);

// Occupational work/rest regimen -------------------------------------------------------

enum MORV_OSHAWorkLoad { MORV_OSHAWorkLoad_Light = 0, MORV_OSHAWorkLoad_Moderate = 1,
                         MORV_OSHAWorkLoad_Heavy = 2 };

// Regimen 0 (continuous work) .. 3 (25 % work) for a wet bulb globe temperature
// in degrees Fahrenheit and a load: the first regimen whose upper limit the
// temperature does not exceed; 4 (limit exceeded) above the last. 0 when the
// load is out of range (after the assertion).
int CalculateOSHAWorkRegimen(double temperature, int load);
// "light", "moderate", "heavy".
ZQ_String GetOSHAWorkLoadName(int load);
// The regimen's text, "  (", the load's name, " work load)", for example
// "50% work, 50% rest  (moderate work load)". A regimen outside 0..4 has an
// empty text and still gets the suffix.
ZQ_String GetOSHAWorkRegimenName(int regimen, int load);

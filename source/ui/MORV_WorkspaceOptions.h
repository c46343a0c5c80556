// MORV_WorkspaceOptions.h: the application's option values, the one place
// where the workspace's fields, the options dialog and the unit converters
// meet, and their persistence in the settings registry folder "AppOptions".
// Physical values are held in metric units whatever the user's units; the
// time and date are the texts the user typed. Also the two small rules that
// read the options: the time-zone offset in use and the 2 m height test.
// The values live for the whole run; UI thread only.
#pragma once

#include "MORV_UnitConversions.h"
#include "ZQTZ_TimeZone.h"
#include "ZQ_String.h"

namespace MORV_Workspace {

// In the order of their keys in the settings file.
extern double WindSpeed_MperS;          // m/s; 10 mph at start
extern double Solar_WperM2;             // W/m^2
extern double AirTemperature_C;         // degrees C
extern double DeltaTemperature_10_2_C;  // 10 m minus 2 m, degrees C
extern double Pressure_mb;              // mb
extern double Humidity_percent;         // relative humidity, %
extern ZQ_String Time;                  // as typed; always parses
extern ZQ_String Date;                  // as typed; always parses
using ::UserInputUnits;                 // 1 metric, else English
using ::UserOutputUnits;                // 0 as input, 2 metric, else English
extern int MetAveragingTime_Minutes;    // length of the averaging period
extern int TimestampAnchor;             // 0 beginning, 1 middle, 2 end of the period
extern double WindMeasurementHeight_m;  // m above ground
extern bool QueryOSForTimeZone;         // the system's offset, not TimeZone's
extern ZQTZ_TimeZone TimeZone;          // the manually chosen standard zone
extern bool DaylightSavingTimeInEffect; // one hour added to TimeZone's offset
extern double Longitude;                // degrees, east positive
extern double Latitude;                 // degrees, north positive
extern int WindSpeedProfile;            // 0 rural, 1 urban
extern bool DisplayHeatIndex;
extern bool DisplayArmyHeatCategory;
extern bool DisplayArmyWorkRegimen;
extern bool DisplayOSHAWorkRegimen;

}  // namespace MORV_Workspace

// Writes every option under its key into the "AppOptions" named topic of the
// settings registry, replacing an item of another type under that key. Needs
// the registry to be usable (stages 3 to 11).
void SaveOptions();

// Reads every option back from the same folder. A missing key, an item of
// another type, or a value the program cannot use (not finite, out of its
// range, a time or date the input checks refuse, a zone id outside 0..61)
// keeps the option's current value and writes one line naming the key to the
// debugging log: a damaged settings file never reaches the model.
void LoadOptions();

// The offset of local time from GMT in hours, east positive: the operating
// system's (daylight time included while in force) when QueryOSForTimeZone,
// else TimeZone's plus one hour with daylight saving.
double GetGMTDifferenceToUse();

// True when Height (m) lies strictly within 0.5 m of 2 m: the model then
// takes the wind as measured at 2 m and needs no temperature difference.
bool IsWindMeasurementHeight2Meters(double Height);

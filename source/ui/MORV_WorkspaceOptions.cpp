#include "MORV_WorkspaceOptions.h"

#include <cmath>

#include "MORV_WorkspaceChecks.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_DebugLog.h"
#include "ZQ_RegistryValueItems.h"

namespace MORV_Workspace {

double WindSpeed_MperS = 10.0 * MORV_MetersPerSecondPerMph;
double Solar_WperM2 = 1000.0;
double AirTemperature_C = 20.0;
double DeltaTemperature_10_2_C = 0.0;
double Pressure_mb = 1013.0;
double Humidity_percent = 50.0;
ZQ_String Time("2:00 pm");
ZQ_String Date("1/1/2010");
int MetAveragingTime_Minutes = 0;
int TimestampAnchor = 1;
double WindMeasurementHeight_m = 2.0;
bool QueryOSForTimeZone = true;
ZQTZ_TimeZone TimeZone(ZQTZ_TimeZone::DefaultId);
bool DaylightSavingTimeInEffect = false;
double Longitude = -90.0;
double Latitude = 45.0;
int WindSpeedProfile = 0;
bool DisplayHeatIndex = true;
bool DisplayArmyHeatCategory = true;
bool DisplayArmyWorkRegimen = true;
bool DisplayOSHAWorkRegimen = true;

}  // namespace MORV_Workspace

namespace {

using namespace MORV_Workspace;

enum OptionKind { Kind_Double, Kind_Text, Kind_Integer, Kind_Bool, Kind_Zone };

// One option: its key, where it lives and the values a loaded one may take.
// Physical inputs take their bounds from the input checks (InputField).
struct OptionEntry {
  const char* Key;
  OptionKind Kind;
  void* Value;
  double Lower, Upper;
  int InputField;
};

// In the order of the keys in the settings file.
const OptionEntry kOptions[] = {
    {"WindSpeed_MperS", Kind_Double, &WindSpeed_MperS, 0, 0, MORV_InputField_WindSpeed},
    {"Solar_WperM2", Kind_Double, &Solar_WperM2, 0, 0, MORV_InputField_SolarIrradiance},
    {"AirTemperature_C", Kind_Double, &AirTemperature_C, 0, 0, MORV_InputField_AirTemperature},
    {"DeltaTemperature_10_2_C", Kind_Double, &DeltaTemperature_10_2_C, 0, 0,
     MORV_InputField_DeltaTemperature},
    {"Pressure_mb", Kind_Double, &Pressure_mb, 0, 0, MORV_InputField_Pressure},
    {"Humidity_percent", Kind_Double, &Humidity_percent, 0, 0, MORV_InputField_Humidity},
    {"Time", Kind_Text, &Time, 0, 0, MORV_InputField_Time},
    {"Date", Kind_Text, &Date, 0, 0, MORV_InputField_Date},
    {"UserInputUnits", Kind_Integer, &UserInputUnits, 0, 1, -1},
    {"UserOutputUnits", Kind_Integer, &UserOutputUnits, 0, 2, -1},
    {"MetAveragingTime_Minutes", Kind_Integer, &MetAveragingTime_Minutes, 0, 1000, -1},
    {"TimestampAnchor", Kind_Integer, &TimestampAnchor, 0, 2, -1},
    {"WindMeasurementHeight_m", Kind_Double, &WindMeasurementHeight_m, 1, 60, -1},
    {"QueryOSForTimeZone", Kind_Bool, &QueryOSForTimeZone, 0, 0, -1},
    {"TimeZone", Kind_Zone, &TimeZone, 0, ZQTZ_TimeZone::NumStandardTimeZones - 1, -1},
    {"DaylightSavingTimeInEffect", Kind_Bool, &DaylightSavingTimeInEffect, 0, 0, -1},
    {"Longitude", Kind_Double, &Longitude, -180, 180, -1},
    {"Latitude", Kind_Double, &Latitude, -90, 90, -1},
    {"WindSpeedProfile", Kind_Integer, &WindSpeedProfile, 0, 1, -1},
    {"DisplayHeatIndex", Kind_Bool, &DisplayHeatIndex, 0, 0, -1},
    {"DisplayArmyHeatCategory", Kind_Bool, &DisplayArmyHeatCategory, 0, 0, -1},
    {"DisplayArmyWorkRegimen", Kind_Bool, &DisplayArmyWorkRegimen, 0, 0, -1},
    {"DisplayOSHAWorkRegimen", Kind_Bool, &DisplayOSHAWorkRegimen, 0, 0, -1},
};

ZQ_RegistryFolder& OptionsFolder() {
  return ZQ_AppConfigRegistry_GetNamedTopicConfigFolder("AppOptions");
}

// NaN fails both comparisons.
bool IsWithin(double Value, double Lower, double Upper) {
  return Value >= Lower && Value <= Upper;
}

void SaveOption(ZQ_RegistryFolder& Folder, const OptionEntry& Option) {
  switch (Option.Kind) {
    case Kind_Double: ZQ_SetDouble(Folder, Option.Key, *static_cast<double*>(Option.Value)); break;
    case Kind_Text: ZQ_SetString(Folder, Option.Key, *static_cast<ZQ_String*>(Option.Value)); break;
    case Kind_Integer: ZQ_SetInt32(Folder, Option.Key, *static_cast<int*>(Option.Value)); break;
    case Kind_Bool: ZQ_SetBool(Folder, Option.Key, *static_cast<bool*>(Option.Value)); break;
    case Kind_Zone:
      ZQTZ_SetTimeZone(Folder, Option.Key, *static_cast<ZQTZ_TimeZone*>(Option.Value));
      break;
  }
}

bool LoadDouble(const ZQ_RegistryFolder& Folder, const OptionEntry& Option) {
  double& value = *static_cast<double*>(Option.Value);
  const double loaded = ZQ_GetDouble(Folder, Option.Key, value);
  double lower = Option.Lower, upper = Option.Upper;
  if (Option.InputField >= 0) {
    const MORV_NumericInputRule& rule = MORV_GetNumericInputRule(Option.InputField);
    lower = rule.Lower;
    upper = rule.Upper;
  }
  if (!IsWithin(loaded, lower, upper)) return false;
  value = loaded;
  return true;
}

bool LoadText(const ZQ_RegistryFolder& Folder, const OptionEntry& Option) {
  ZQ_String& value = *static_cast<ZQ_String*>(Option.Value);
  const ZQ_String loaded = ZQ_GetString(Folder, Option.Key, value);
  const ZQ_String problem = Option.InputField == MORV_InputField_Time
                                ? MORV_CheckTimeText(loaded)
                                : MORV_CheckDateText(loaded);
  if (!problem.IsEmpty()) return false;
  value = loaded;
  return true;
}

bool LoadInteger(const ZQ_RegistryFolder& Folder, const OptionEntry& Option) {
  int& value = *static_cast<int*>(Option.Value);
  const long loaded = ZQ_GetInt32(Folder, Option.Key, value);
  if (!IsWithin(loaded, Option.Lower, Option.Upper)) return false;
  value = static_cast<int>(loaded);
  return true;
}

// The stored id is checked before the zone is made: the zone asserts on
// other ids. A zone folder without an id is damaged too.
bool LoadZone(const ZQ_RegistryFolder& Folder, const OptionEntry& Option) {
  ZQTZ_TimeZone& value = *static_cast<ZQTZ_TimeZone*>(Option.Value);
  const ZQ_RegistryFolder* zoneFolder = Folder.GetFolderIfExists(Option.Key);
  if (!zoneFolder) return true;
  if (!IsWithin(ZQ_GetInt32(*zoneFolder, "Id", -1), Option.Lower, Option.Upper)) return false;
  value = ZQTZ_GetTimeZone(Folder, Option.Key, value);
  return true;
}

bool LoadOption(const ZQ_RegistryFolder& Folder, const OptionEntry& Option) {
  switch (Option.Kind) {
    case Kind_Double: return LoadDouble(Folder, Option);
    case Kind_Text: return LoadText(Folder, Option);
    case Kind_Integer: return LoadInteger(Folder, Option);
    case Kind_Bool: {
      bool& value = *static_cast<bool*>(Option.Value);
      value = ZQ_GetBool(Folder, Option.Key, value);
      return true;
    }
    case Kind_Zone: return LoadZone(Folder, Option);
  }
  return true;
}

}  // namespace

void SaveOptions() {
  ZQ_RegistryFolder& folder = OptionsFolder();
  for (const OptionEntry& option : kOptions) SaveOption(folder, option);
}

void LoadOptions() {
  const ZQ_RegistryFolder& folder = OptionsFolder();
  for (const OptionEntry& option : kOptions) {
    if (LoadOption(folder, option)) continue;
    ZQ_WriteDebugLogEntry(ZQ_String("Settings: the stored option ") + option.Key +
                          " cannot be used; its default is kept.\n");
  }
}

double GetGMTDifferenceToUse() {
  if (QueryOSForTimeZone) {
    return -ZQ_GetCoordinatedUniversalTimeBias().GetSeconds() * (1.0 / 3600.0);
  }
  return TimeZone.GetOffsetHours() + (DaylightSavingTimeInEffect ? 1.0 : 0.0);
}

bool IsWindMeasurementHeight2Meters(double Height) { return std::fabs(2.0 - Height) < 0.5; }

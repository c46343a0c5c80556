// OptionsTestSupport.h: every option value of the application at once, to
// compare them and to give them back after a test changes them.
#ifndef OPTIONS_TEST_SUPPORT_H
#define OPTIONS_TEST_SUPPORT_H

#include <sstream>
#include <string>

#include "MORV_WorkspaceOptions.h"

// The option values when it was made; the destructor restores them.
class SavedOptions {
 public:
  SavedOptions() : saved(Take()) {}
  ~SavedOptions() { Restore(saved); }
  SavedOptions(const SavedOptions&) = delete;
  SavedOptions& operator=(const SavedOptions&) = delete;

  // All 23 values as text, doubles to 17 digits.
  static std::string Describe() {
    using namespace MORV_Workspace;
    std::ostringstream out;
    out.precision(17);
    out << WindSpeed_MperS << ' ' << Solar_WperM2 << ' ' << AirTemperature_C << ' '
        << DeltaTemperature_10_2_C << ' ' << Pressure_mb << ' ' << Humidity_percent << " ["
        << Time.GetText() << "] [" << Date.GetText() << "] " << UserInputUnits << ' '
        << UserOutputUnits << ' ' << MetAveragingTime_Minutes << ' ' << TimestampAnchor << ' '
        << WindMeasurementHeight_m << ' ' << QueryOSForTimeZone << ' ' << TimeZone.GetId() << ' '
        << DaylightSavingTimeInEffect << ' ' << Longitude << ' ' << Latitude << ' '
        << WindSpeedProfile << ' ' << DisplayHeatIndex << DisplayArmyHeatCategory
        << DisplayArmyWorkRegimen << DisplayOSHAWorkRegimen;
    return out.str();
  }

 private:
  struct Values {
    double wind, solar, air, delta, pressure, humidity;
    ZQ_String time, date;
    int input, output, period, anchor;
    double height;
    bool queryOS;
    ZQTZ_TimeZone zone;
    bool daylight;
    double longitude, latitude;
    int profile;
    bool heatIndex, category, armyRegimen, oshaRegimen;
  };
  static Values Take() {
    using namespace MORV_Workspace;
    return {WindSpeed_MperS, Solar_WperM2, AirTemperature_C, DeltaTemperature_10_2_C,
            Pressure_mb, Humidity_percent, Time, Date, UserInputUnits, UserOutputUnits,
            MetAveragingTime_Minutes, TimestampAnchor, WindMeasurementHeight_m,
            QueryOSForTimeZone, TimeZone, DaylightSavingTimeInEffect, Longitude, Latitude,
            WindSpeedProfile, DisplayHeatIndex, DisplayArmyHeatCategory, DisplayArmyWorkRegimen,
            DisplayOSHAWorkRegimen};
  }
  static void Restore(const Values& v) {
    using namespace MORV_Workspace;
    WindSpeed_MperS = v.wind, Solar_WperM2 = v.solar, AirTemperature_C = v.air;
    DeltaTemperature_10_2_C = v.delta, Pressure_mb = v.pressure, Humidity_percent = v.humidity;
    Time = v.time, Date = v.date, UserInputUnits = v.input, UserOutputUnits = v.output;
    MetAveragingTime_Minutes = v.period, TimestampAnchor = v.anchor;
    WindMeasurementHeight_m = v.height, QueryOSForTimeZone = v.queryOS, TimeZone = v.zone;
    DaylightSavingTimeInEffect = v.daylight, Longitude = v.longitude, Latitude = v.latitude;
    WindSpeedProfile = v.profile, DisplayHeatIndex = v.heatIndex;
    DisplayArmyHeatCategory = v.category, DisplayArmyWorkRegimen = v.armyRegimen;
    DisplayOSHAWorkRegimen = v.oshaRegimen;
  }
  Values saved;
};

#endif

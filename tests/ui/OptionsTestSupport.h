// OptionsTestSupport.h: all option values at once, as text to compare, and
// saved for a test and given back after it.
#ifndef OPTIONS_TEST_SUPPORT_H
#define OPTIONS_TEST_SUPPORT_H

#include <sstream>
#include <string>
#include <tuple>

#include "MORV_WorkspaceOptions.h"

inline auto OptionReferences() {
  using namespace MORV_Workspace;
  return std::tie(WindSpeed_MperS, Solar_WperM2, AirTemperature_C, DeltaTemperature_10_2_C,
                  Pressure_mb, Humidity_percent, Time, Date, UserInputUnits, UserOutputUnits,
                  MetAveragingTime_Minutes, TimestampAnchor, WindMeasurementHeight_m,
                  QueryOSForTimeZone, TimeZone, DaylightSavingTimeInEffect, Longitude, Latitude,
                  WindSpeedProfile, DisplayHeatIndex, DisplayArmyHeatCategory,
                  DisplayArmyWorkRegimen, DisplayOSHAWorkRegimen);
}

inline std::ostream& operator<<(std::ostream& out, const ZQ_String& s) {
  return out << '[' << s.GetText() << ']';
}
inline std::ostream& operator<<(std::ostream& out, const ZQTZ_TimeZone& z) {
  return out << 'z' << z.GetId();
}

// The 23 values in key order, doubles to 17 digits.
inline std::string DescribeOptions() {
  std::ostringstream out;
  out.precision(17);
  std::apply([&](const auto&... value) { ((out << value << ' '), ...); }, OptionReferences());
  return out.str();
}

class SavedOptions {
 public:
  ~SavedOptions() { OptionReferences() = saved; }

 private:
  template <class... T>
  static std::tuple<T...> Copy(const std::tuple<T&...>& values) { return values; }
  decltype(Copy(OptionReferences())) saved = Copy(OptionReferences());
};

#endif

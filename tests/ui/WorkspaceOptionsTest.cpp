#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "../services/StageTestSupport.h"
#include "DebugLogMark.h"
#include "MORV_WorkspaceOptions.h"
#include "OptionsTestSupport.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_RegistryValueItems.h"

namespace {

// The settings registry is usable from stage 3 to stage 11.
class WorkspaceOptions : public StageSequenceTest {
 protected:
  void SetUp() override {
    StageSequenceTest::SetUp();
    ASSERT_EQ(RunStages(1, 3).failedStage, 0);
  }
  void TearDown() override {
    RunStages(4, 13);
    StageSequenceTest::TearDown();
  }
  static ZQ_RegistryFolder& Folder() {
    return ZQ_AppConfigRegistry_GetNamedTopicConfigFolder("AppOptions");
  }
  SavedOptions saved;
};

// The class and value of a registry item as text: "double 2.5", "zone 11".
std::string Stored(const ZQ_RegistryFolder& folder, const char* key) {
  const ZQ_RegistryItem* item = folder.GetItemIfExists(key);
  std::ostringstream out;
  out.precision(17);
  if (auto* d = dynamic_cast<const ZQ_RegDouble*>(item)) out << "double " << d->GetValue();
  else if (auto* s = dynamic_cast<const ZQ_RegString*>(item)) out << "string " << s->GetValue().GetText();
  else if (auto* i = dynamic_cast<const ZQ_RegInt32*>(item)) out << "int32 " << i->GetValue();
  else if (auto* b = dynamic_cast<const ZQ_RegBool*>(item)) out << "bool " << b->GetValue();
  else if (auto* f = dynamic_cast<const ZQ_RegistryFolder*>(item)) out << "zone " << ZQ_GetInt32(*f, "Id", -1);
  else out << (item ? "other" : "none");
  return out.str();
}

std::string FallbackLine(const std::string& key) {
  return "Settings: the stored option " + key + " cannot be used; its default is kept.\n";
}

}  // namespace

TEST_F(WorkspaceOptions, FirstRunKeepsTheDefaultsAndSavingWritesEveryKeyWithItsType) {
  const std::string defaults = SavedOptions::Describe();
  LoadOptions();
  EXPECT_EQ(SavedOptions::Describe(), defaults);
  SaveOptions();
  const char* const kSaved[][2] = {
      {"WindSpeed_MperS", "double 4.4703999999999997"}, {"Solar_WperM2", "double 1000"},
      {"AirTemperature_C", "double 20"}, {"DeltaTemperature_10_2_C", "double 0"},
      {"Pressure_mb", "double 1013"}, {"Humidity_percent", "double 50"},
      {"Time", "string 2:00 pm"}, {"Date", "string 1/1/2010"}, {"UserInputUnits", "int32 0"},
      {"UserOutputUnits", "int32 0"}, {"MetAveragingTime_Minutes", "int32 0"},
      {"TimestampAnchor", "int32 1"}, {"WindMeasurementHeight_m", "double 2"},
      {"QueryOSForTimeZone", "bool 1"}, {"TimeZone", "zone 11"},
      {"DaylightSavingTimeInEffect", "bool 0"}, {"Longitude", "double -90"},
      {"Latitude", "double 45"}, {"WindSpeedProfile", "int32 0"}, {"DisplayHeatIndex", "bool 1"},
      {"DisplayArmyHeatCategory", "bool 1"}, {"DisplayArmyWorkRegimen", "bool 1"},
      {"DisplayOSHAWorkRegimen", "bool 1"},
  };
  EXPECT_EQ(Folder().GetNumItems(), 23);
  for (const auto& row : kSaved) EXPECT_EQ(Stored(Folder(), row[0]), row[1]) << row[0];
}

TEST_F(WorkspaceOptions, LoadGivesBackEverySavedValue) {
  std::string distinct;
  {
    SavedOptions scoped;
    using namespace MORV_Workspace;
    WindSpeed_MperS = 3.5, Solar_WperM2 = 800, AirTemperature_C = 30.25;
    DeltaTemperature_10_2_C = -1.5, Pressure_mb = 990, Humidity_percent = 75;
    Time = "14:15", Date = "May 15 2010", UserInputUnits = 1, UserOutputUnits = 2;
    MetAveragingTime_Minutes = 60, TimestampAnchor = 2, WindMeasurementHeight_m = 10;
    QueryOSForTimeZone = false, TimeZone = ZQTZ_TimeZone(15), DaylightSavingTimeInEffect = true;
    Longitude = 77.25, Latitude = -33.5, WindSpeedProfile = 1, DisplayHeatIndex = false;
    DisplayArmyHeatCategory = true, DisplayArmyWorkRegimen = false, DisplayOSHAWorkRegimen = true;
    distinct = SavedOptions::Describe();
    SaveOptions();
  }
  ASSERT_NE(SavedOptions::Describe(), distinct);
  LogMark mark;
  LoadOptions();
  EXPECT_EQ(SavedOptions::Describe(), distinct);
  EXPECT_EQ(mark.Since(), "");
}

TEST_F(WorkspaceOptions, AnItemOfAnotherTypeReadsAsMissingAndSavingReplacesIt) {
  // The typed getters accept only the legacy float and 16-bit items.
  const struct { const char* key; ZQ_RegistryItem* (*make)(); bool isRead; const char* saved; } kCases[] = {
      {"Latitude", [] { return (ZQ_RegistryItem*)new ZQ_RegInt32(5); }, false, "double 45"},
      {"UserInputUnits", [] { return (ZQ_RegistryItem*)new ZQ_RegString("1"); }, false, "int32 0"},
      {"Time", [] { return (ZQ_RegistryItem*)new ZQ_RegDouble(14); }, false, "string 2:00 pm"},
      {"TimeZone", [] { return (ZQ_RegistryItem*)new ZQ_RegInt32(15); }, false, "zone 11"},
      {"DisplayHeatIndex", [] { return (ZQ_RegistryItem*)new ZQ_RegInt32(0); }, false, "bool 1"},
      {"Latitude", [] { return (ZQ_RegistryItem*)new ZQ_RegFloat(12.5f); }, true, "double 12.5"},
      {"TimestampAnchor", [] { return (ZQ_RegistryItem*)new ZQ_RegInt16(2); }, true, "int32 2"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.key) + (c.isRead ? ": a legacy item" : ": another type"));
    SavedOptions scoped;
    Folder().Clear();
    Folder().AddItem(c.key, c.make());
    const std::string before = SavedOptions::Describe();
    LogMark mark;
    LoadOptions();
    EXPECT_EQ(SavedOptions::Describe() != before, c.isRead);
    EXPECT_EQ(mark.Since(), "");
    SaveOptions();
    EXPECT_EQ(Stored(Folder(), c.key), c.saved);
  }
}

TEST_F(WorkspaceOptions, AnUnusableStoredValueKeepsTheDefaultAndIsLogged) {
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  const double kInf = HUGE_VAL;
  const std::string longTime = "2:00 pm" + std::string(300, ' ');
  // kind: d double, i integer, s text, z zone folder with an id, n zone
  // folder without one.
  const struct { const char* key; char kind; double number; const char* text; bool isUsed; } kCases[] = {
      {"WindSpeed_MperS", 'd', kNaN, "", false},
      {"WindSpeed_MperS", 'd', 50.0, "", true},
      {"WindSpeed_MperS", 'd', 50.001, "", false},
      {"Solar_WperM2", 'd', -0.001, "", false},
      {"AirTemperature_C", 'd', -kInf, "", false},
      {"AirTemperature_C", 'd', 70.0, "", true},
      {"DeltaTemperature_10_2_C", 'd', 20.5, "", false},
      {"Pressure_mb", 'd', 499.9, "", false},
      {"Humidity_percent", 'd', 1e300, "", false},
      {"Time", 's', 0, "25:00", false},
      {"Time", 's', 0, longTime.c_str(), false},
      {"Date", 's', 0, "31/31/2010", false},
      {"Date", 's', 0, "1/1/2100", false},
      {"Date", 's', 0, "12/31/2049", true},
      {"UserInputUnits", 'i', 2, "", false},
      {"UserOutputUnits", 'i', -1, "", false},
      {"UserOutputUnits", 'i', 2, "", true},
      {"MetAveragingTime_Minutes", 'i', 1001, "", false},
      {"MetAveragingTime_Minutes", 'i', 1000, "", true},
      {"TimestampAnchor", 'i', 3, "", false},
      {"WindMeasurementHeight_m", 'd', 0.5, "", false},
      {"WindMeasurementHeight_m", 'd', kInf, "", false},
      {"WindMeasurementHeight_m", 'd', 60.0, "", true},
      {"Longitude", 'd', -180.5, "", false},
      {"Longitude", 'd', 180.0, "", true},
      {"Latitude", 'd', 91, "", false},
      {"WindSpeedProfile", 'i', 2, "", false},
      {"TimeZone", 'z', -1, "", false},
      {"TimeZone", 'z', 62, "", false},
      {"TimeZone", 'z', 61, "", true},
      {"TimeZone", 'n', 0, "", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.key) + " " + std::to_string(c.number) + " " + c.text);
    SavedOptions scoped;
    ZQ_RegistryFolder& folder = Folder();
    folder.Clear();
    switch (c.kind) {
      case 'd': ZQ_SetDouble(folder, c.key, c.number); break;
      case 'i': ZQ_SetInt32(folder, c.key, static_cast<long>(c.number)); break;
      case 's': ZQ_SetString(folder, c.key, c.text); break;
      case 'z': ZQ_SetInt32(*folder.GetFolder(c.key), "Id", static_cast<long>(c.number)); break;
      case 'n': folder.GetFolder(c.key); break;
    }
    const std::string before = SavedOptions::Describe();
    LogMark mark;
    LoadOptions();
    EXPECT_EQ(SavedOptions::Describe() != before, c.isUsed);
    EXPECT_EQ(mark.Since(), c.isUsed ? "" : FallbackLine(c.key));
  }
}

TEST_F(WorkspaceOptions, TheOffsetFromGMTComesFromTheSystemOrTheChosenZone) {
  // The test runs with TZ=IST-5:30 (tests/ui/CMakeLists.txt).
  const struct { bool queryOS; int zone; bool daylight; double want; const char* why; } kCases[] = {
      {true, 11, true, 5.5, "the system's zone, whatever the chosen one"},
      {false, 11, false, -5.0, "zone 11"},
      {false, 11, true, -4.0, "zone 11 with daylight saving"},
      {false, 15, false, -3.5, "a half-hour zone"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    MORV_Workspace::QueryOSForTimeZone = c.queryOS;
    MORV_Workspace::TimeZone = ZQTZ_TimeZone(c.zone);
    MORV_Workspace::DaylightSavingTimeInEffect = c.daylight;
    EXPECT_EQ(GetGMTDifferenceToUse(), c.want);
  }
}

TEST(IsWindMeasurementHeight2Meters, HoldsStrictlyWithinHalfAMetreOf2Metres) {
  const struct { double height; bool want; } kCases[] = {
      {1.5, false}, {1.51, true}, {2.0, true}, {2.49, true}, {2.5, false}, {10.0, false},
      {std::numeric_limits<double>::quiet_NaN(), false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.height);
    EXPECT_EQ(IsWindMeasurementHeight2Meters(c.height), c.want);
  }
}

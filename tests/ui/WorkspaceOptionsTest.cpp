#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "../services/StageTestSupport.h"
#include "DebugLogMark.h"
#include "OptionsTestSupport.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_RegistryValueItems.h"

namespace {

// The settings registry is usable from stage 3 to stage 11.
class WorkspaceOptions : public StageSequenceTest {
 protected:
  void SetUp() override { StageSequenceTest::SetUp(); ASSERT_EQ(RunStages(1, 3).failedStage, 0); }
  void TearDown() override { RunStages(4, 13); StageSequenceTest::TearDown(); }
  static ZQ_RegistryFolder& Folder() { return ZQ_AppConfigRegistry_GetNamedTopicConfigFolder("AppOptions"); }
  SavedOptions saved;
};

// A registry item's class and value: "double 2.5", "zone 11".
std::string Stored(const ZQ_RegistryItem* item) {
  std::ostringstream out;
  out.precision(17);
  if (auto* d = dynamic_cast<const ZQ_RegDouble*>(item)) out << "double " << d->GetValue();
  if (auto* s = dynamic_cast<const ZQ_RegString*>(item)) out << "string " << s->GetValue().GetText();
  if (auto* i = dynamic_cast<const ZQ_RegInt32*>(item)) out << "int32 " << i->GetValue();
  if (auto* b = dynamic_cast<const ZQ_RegBool*>(item)) out << "bool " << b->GetValue();
  if (auto* f = dynamic_cast<const ZQ_RegistryFolder*>(item)) out << "zone " << ZQ_GetInt32(*f, "Id", -1);
  return out.str();
}

}  // namespace

TEST_F(WorkspaceOptions, ItemsOfAnotherTypeReadAsMissingAndSavingWritesEveryKeyWithItsType) {
  ZQ_SetString(Folder(), "Latitude", "12");
  ZQ_SetInt32(Folder(), "TimeZone", 15);
  ZQ_SetDouble(Folder(), "Time", 14);
  ZQ_SetInt32(Folder(), "DisplayHeatIndex", 0);
  const std::string defaults = DescribeOptions();
  LoadOptions();
  EXPECT_EQ(DescribeOptions(), defaults);
  SaveOptions();
  const char* const kSaved[][2] = {
      {"WindSpeed_MperS", "double 4.4703999999999997"}, {"Solar_WperM2", "double 1000"},
      {"AirTemperature_C", "double 20"}, {"DeltaTemperature_10_2_C", "double 0"},
      {"Pressure_mb", "double 1013"}, {"Humidity_percent", "double 50"}, {"Time", "string 2:00 pm"},
      {"Date", "string 1/1/2010"}, {"UserInputUnits", "int32 0"}, {"UserOutputUnits", "int32 0"},
      {"MetAveragingTime_Minutes", "int32 0"}, {"TimestampAnchor", "int32 1"},
      {"WindMeasurementHeight_m", "double 2"}, {"QueryOSForTimeZone", "bool 1"}, {"TimeZone", "zone 11"},
      {"DaylightSavingTimeInEffect", "bool 0"}, {"Longitude", "double -90"}, {"Latitude", "double 45"},
      {"WindSpeedProfile", "int32 0"}, {"DisplayHeatIndex", "bool 1"}, {"DisplayArmyHeatCategory", "bool 1"},
      {"DisplayArmyWorkRegimen", "bool 1"}, {"DisplayOSHAWorkRegimen", "bool 1"},
  };
  EXPECT_EQ(Folder().GetNumItems(), 23);
  for (const auto& row : kSaved) EXPECT_EQ(Stored(Folder().GetItemIfExists(row[0])), row[1]) << row[0];
}

TEST_F(WorkspaceOptions, AStoredValueIsUsedOnlyWhenItIsSoundAndEachFallbackIsLogged) {
  const std::string longTime = "2:00 pm" + std::string(300, ' ');
  // Items: d double, i integer, s text, z zone with an id, n zone without
  // one, f legacy float, h legacy 16-bit integer.
  const struct { const char* key; char kind; double number; const char* text; bool isUsed; } kCases[] = {
      {"WindSpeed_MperS", 'd', NAN, "", false}, {"Pressure_mb", 'd', 499.9, "", false},
      {"AirTemperature_C", 'd', 70.0, "", true}, {"WindMeasurementHeight_m", 'd', HUGE_VAL, "", false},
      {"Latitude", 'f', 12.5, "", true}, {"Time", 's', 0, longTime.c_str(), false},
      {"Date", 's', 0, "1/1/2100", false}, {"Date", 's', 0, "12/31/2049", true},
      {"UserOutputUnits", 'i', -1, "", false}, {"MetAveragingTime_Minutes", 'i', 1000, "", true},
      {"TimestampAnchor", 'h', 2, "", true}, {"TimeZone", 'z', 62, "", false},
      {"TimeZone", 'z', 61, "", true}, {"TimeZone", 'n', 0, "", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.key) + " " + std::to_string(c.number) + " " + c.text);
    SavedOptions scoped;
    ZQ_RegistryFolder& folder = Folder();
    folder.Clear();
    if (c.kind == 'd') ZQ_SetDouble(folder, c.key, c.number);
    if (c.kind == 'i') ZQ_SetInt32(folder, c.key, static_cast<long>(c.number));
    if (c.kind == 's') ZQ_SetString(folder, c.key, c.text);
    if (c.kind == 'z') ZQ_SetInt32(*folder.GetFolder(c.key), "Id", static_cast<long>(c.number));
    if (c.kind == 'n') folder.GetFolder(c.key);
    if (c.kind == 'f') folder.AddItem(c.key, new ZQ_RegFloat(static_cast<float>(c.number)));
    if (c.kind == 'h') folder.AddItem(c.key, new ZQ_RegInt16(static_cast<short>(c.number)));
    const std::string before = DescribeOptions();
    LogMark mark;
    LoadOptions();
    EXPECT_EQ(DescribeOptions() != before, c.isUsed);
    EXPECT_EQ(mark.Since(), c.isUsed ? "" : "Settings: the stored option " + std::string(c.key) +
                                                  " cannot be used; its default is kept.\n");
  }
}

TEST_F(WorkspaceOptions, TheOffsetFromGMTComesFromTheSystemOrTheChosenZone) {
  // The tests run with TZ=IST-5:30 (tests/ui/CMakeLists.txt).
  const struct { bool queryOS; int zone; bool daylight; double want; } kCases[] = {
      {true, 11, true, 5.5}, {false, 11, false, -5.0}, {false, 11, true, -4.0}, {false, 15, false, -3.5}};
  for (const auto& c : kCases) {
    using namespace MORV_Workspace;
    QueryOSForTimeZone = c.queryOS, DaylightSavingTimeInEffect = c.daylight, TimeZone = ZQTZ_TimeZone(c.zone);
    EXPECT_EQ(GetGMTDifferenceToUse(), c.want) << c.queryOS << " " << c.zone << " " << c.daylight;
  }
}

TEST(IsWindMeasurementHeight2Meters, HoldsStrictlyWithinHalfAMetreOf2Metres) {
  const struct { double height; bool want; } kCases[] = {
      {1.5, false}, {1.51, true}, {2.0, true}, {2.49, true}, {2.5, false}, {NAN, false}};
  for (const auto& c : kCases) EXPECT_EQ(IsWindMeasurementHeight2Meters(c.height), c.want) << c.height;
}

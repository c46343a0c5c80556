// The options dialog, run for real under Xvfb and ended by keys: the values
// it opens with, what OK stores (signs of latitude and longitude included),
// that Cancel and refused entries store nothing, and the workspace's steps
// around it.
#include "../gui/dialogs/DialogTestSupport.h"
#include "MORV_OptionsDialog.h"
#include "OptionsTestSupport.h"
#include "ZQF_CheckBoxGlyph.h"
#include "ZQF_ExclusiveAlternativeControlGroupGlyph.h"
#include "ZQF_FloatInputGlyph.h"
#include "ZQF_IntegerInputGlyph.h"
#include "ZQF_PropertyListGlyph.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQTZxZQF_TimeZoneInputGlyph.h"
#include "ZQ_Exception.h"

namespace {

class OptionsDialog : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    saves = reloads = 0;
    MORV_OptionsDialogWorkspace::SaveControls = [] { ++saves; };
    MORV_OptionsDialogWorkspace::ReloadControls = [] { ++reloads; };
  }
  void TearDown() override {
    MORV_OptionsDialogWorkspace::SaveControls = nullptr;
    MORV_OptionsDialogWorkspace::ReloadControls = nullptr;
    WindowTest::TearDown();
  }
  // The running options dialog and its window.
  static MORV_AppOptionsDialogBox& Running() {
    return *dynamic_cast<MORV_AppOptionsDialogBox*>(NewestDialog());
  }
  static HWND Window() { return Running().GetWindow()->GetWindowHandle(); }
  // Replaces a field's text as typing would, valid or not.
  static void Type(ZQF_TextEditGlyph* Field, const char* Text) { Field->SetText(ZQ_String(Text)); }

  static int saves, reloads;
  SavedOptions saved;
};
int OptionsDialog::saves = 0;
int OptionsDialog::reloads = 0;

// The controls' values in the order of the rows.
std::string DescribeControls(MORV_AppOptionsDialogBox& d) {
  std::ostringstream out;
  out.precision(17);
  out << d.InputUnits->GetValue() << ' ' << d.OutputUnits->GetValue() << " | "
      << d.TimeZoneChoice->GetValue() << ' ' << d.Zone->GetValue().GetId() << ' '
      << d.DaylightSaving->GetValue() << " | " << d.LatitudeMagnitude->GetText().GetText() << ' '
      << d.Hemisphere->GetCurrentValue().GetText() << ' '
      << d.LongitudeMagnitude->GetText().GetText() << ' '
      << d.EastOrWest->GetCurrentValue().GetText() << " | " << d.AveragingPeriod->GetValue()
      << ' ' << d.Anchor->GetCurrentValue().GetText() << " | "
      << d.WindHeight->GetText().GetText() << ' ' << d.Profile->GetCurrentValue().GetText()
      << " | " << d.ShowHeatIndex->GetValue() << d.ShowArmyHeatCategory->GetValue()
      << d.ShowArmyWorkRegimen->GetValue() << d.ShowOSHAWorkRegimen->GetValue();
  return out.str();
}

}  // namespace

TEST_F(OptionsDialog, OpensWithTheOptionValues) {
  using namespace MORV_Workspace;
  struct Row {
    const char* name;
    std::function<void()> set;
    const char* controls;
  } rows[] = {
      {"defaults: 0 latitude is north, 0 longitude is west", [] {},
       "0 0 | 0 11 0 | 0 north 0 west | 0 middle | 2 Rural | 1111"},
      {"southern and eastern, manual zone with daylight saving, metric, switches off",
       [] {
         Latitude = -33.8688;
         Longitude = 151.2093;
         QueryOSForTimeZone = false;
         TimeZone = ZQTZ_TimeZone(3);
         DaylightSavingTimeInEffect = true;
         UserInputUnits = 1;
         UserOutputUnits = 2;
         MetAveragingTime_Minutes = 1000;
         TimestampAnchor = 2;
         WindMeasurementHeight_m = 10;
         WindSpeedProfile = 1;
         DisplayHeatIndex = DisplayArmyWorkRegimen = false;
       },
       "1 2 | 1 3 1 | 33.8688 south 151.2093 east | 1000 end | 10 Urban | 0101"},
      {"north and west", [] { Latitude = 90; Longitude = -180; UserOutputUnits = 1;
                              TimestampAnchor = 0; },
       "0 1 | 0 11 0 | 90 north 180 west | 0 beginning | 2 Rural | 1111"},
  };
  const std::string defaults = DescribeOptions();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SavedOptions restore;
    Latitude = Longitude = 0;
    MetAveragingTime_Minutes = 0;
    WindMeasurementHeight_m = 2;
    row.set();
    MORV_AppOptionsDialogBox dialog;
    EXPECT_EQ(dialog.Rows->GetNumRows(), 9);
    EXPECT_EQ(DescribeControls(dialog), row.controls);
  }
  EXPECT_EQ(DescribeOptions(), defaults);
}

TEST_F(OptionsDialog, EnterStoresEveryControlWithTheSignsOfTheSides) {
  using namespace MORV_Workspace;
  struct Row {
    const char* name;
    std::function<void(MORV_AppOptionsDialogBox&)> edit;
    double latitude, longitude;
  } rows[] = {
      {"45 south, 30.25 east",
       [](MORV_AppOptionsDialogBox& d) {
         Type(d.LatitudeMagnitude, "45");
         d.Hemisphere->SetValue(0);
         Type(d.LongitudeMagnitude, "30.25");
         d.EastOrWest->SetValue(1);
       },
       -45, 30.25},
      {"0 south and 0 west store 0, not -0",
       [](MORV_AppOptionsDialogBox& d) {
         Type(d.LatitudeMagnitude, "0");
         d.Hemisphere->SetValue(0);
         Type(d.LongitudeMagnitude, "0");
         d.EastOrWest->SetValue(0);
       },
       0, 0},
      {"90 north, 180 west", [](MORV_AppOptionsDialogBox& d) {
         Type(d.LatitudeMagnitude, "90");
         d.Hemisphere->SetValue(1);
         Type(d.LongitudeMagnitude, "180");
         d.EastOrWest->SetValue(0);
       },
       90, -180},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SavedOptions restore;
    Latitude = 10;
    Longitude = 10;
    saves = reloads = 0;
    IdleStep::Queue([&] {
      MORV_AppOptionsDialogBox& d = Running();
      row.edit(d);
      d.InputUnits->SetValue(1);
      d.OutputUnits->SetValue(1);
      d.TimeZoneChoice->SetValue(1);
      d.Zone->SetValue(ZQTZ_TimeZone(20));
      d.DaylightSaving->SetValue(1);
      Type(d.AveragingPeriod, "15");
      d.Anchor->SetValue(1);
      Type(d.WindHeight, "1");
      d.Profile->SetValue(1);
      d.ShowHeatIndex->SetValue(false);
      d.ShowOSHAWorkRegimen->SetValue(false);
      PostKey(Window(), VK_RETURN);
    });
    MORV_DisplayAppOptionsDialogBox();
    EXPECT_EQ(NewestDialog(), nullptr);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(Latitude, row.latitude);
    EXPECT_EQ(Longitude, row.longitude);
    EXPECT_EQ(std::signbit(Latitude), std::signbit(row.latitude));
    EXPECT_EQ(std::signbit(Longitude), std::signbit(row.longitude));
    EXPECT_EQ(std::make_tuple(UserInputUnits, UserOutputUnits, QueryOSForTimeZone,
                              TimeZone.GetId(), DaylightSavingTimeInEffect,
                              MetAveragingTime_Minutes, TimestampAnchor, WindMeasurementHeight_m,
                              WindSpeedProfile),
              std::make_tuple(1, 1, false, 20, true, 15, 1, 1.0, 1));
    EXPECT_EQ(std::make_tuple(DisplayHeatIndex, DisplayArmyHeatCategory, DisplayArmyWorkRegimen,
                              DisplayOSHAWorkRegimen),
              std::make_tuple(false, true, true, false));
  }
}

TEST_F(OptionsDialog, CancelAndRefusedEntriesStoreNothingAndTheWorkspaceIsNotReloaded) {
  struct Row {
    const char* name;
    std::function<ZQF_TextEditGlyph*(MORV_AppOptionsDialogBox&)> field;
    const char* refused;  // null: no number entry refused, Escape only
  } rows[] = {
      {"Escape after changing several controls", nullptr, nullptr},
      {"wind height 0.5 m", [](MORV_AppOptionsDialogBox& d) { return d.WindHeight; }, "0.5"},
      {"wind height 61 m", [](MORV_AppOptionsDialogBox& d) { return d.WindHeight; }, "61"},
      {"wind height nan", [](MORV_AppOptionsDialogBox& d) { return d.WindHeight; }, "nan"},
      {"latitude 91", [](MORV_AppOptionsDialogBox& d) { return d.LatitudeMagnitude; }, "91"},
      {"longitude 181", [](MORV_AppOptionsDialogBox& d) { return d.LongitudeMagnitude; }, "181"},
      {"longitude 1e308", [](MORV_AppOptionsDialogBox& d) { return d.LongitudeMagnitude; },
       "1e308"},
      {"period 1001 min", [](MORV_AppOptionsDialogBox& d) { return d.AveragingPeriod; }, "1001"},
  };
  const std::string before = DescribeOptions();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    saves = reloads = 0;
    int boxes = 0;
    IdleStep::Queue([&] {
      MORV_AppOptionsDialogBox& d = Running();
      d.InputUnits->SetValue(1);
      d.TimeZoneChoice->SetValue(1);
      Type(d.LatitudeMagnitude, "12");
      d.ShowArmyHeatCategory->SetValue(false);
      if (row.refused) {
        Type(row.field(d), row.refused);
        // The refusal's message box: counted, then closed by Enter.
        IdleStep::Queue([&] {
          ++boxes;
          EXPECT_NE(NewestDialog(), &Running());
          PressKey(NewestDialog()->GetWindow()->GetWindowHandle(), VK_RETURN);
        });
        PressKey(Window(), VK_RETURN);
        EXPECT_EQ(boxes, 1);
        EXPECT_EQ(DescribeOptions(), before);  // still open, nothing stored
      }
      PostKey(Window(), VK_ESCAPE);
    });
    EXPECT_THROW(MORV_DisplayAppOptionsDialogBox(), ZQ_CancelCurrentOperationException);
    EXPECT_EQ(NewestDialog(), nullptr);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(reloads, 0);
    EXPECT_EQ(DescribeOptions(), before);
  }
}

TEST_F(OptionsDialog, Screenshot) {
  MORV_Workspace::QueryOSForTimeZone = false;
  MORV_Workspace::Longitude = -77.0365;
  MORV_Workspace::Latitude = 38.8977;
  IdleStep::Queue([&] {
    PumpMessages();
    SaveScreenshot(Window(), "MORV-options-dialog");
    PostKey(Window(), VK_ESCAPE);
  });
  EXPECT_THROW(DisplayAppOptionsDialogBox(), ZQ_CancelCurrentOperationException);
}

// The options dialog, run for real under Xvfb and ended by keys: Enter
// stores what the controls show (opened from the options, or edited), with
// the signs of the sides; refused entries keep it open; Escape stores nothing
// and the workspace is saved before, and reloaded only after Enter.
#include "../gui/dialogs/DialogTestSupport.h"
#include "MORV_OptionsDialog.h"
#include "OptionsTestSupport.h"
#include "ZQF_CheckBoxGlyph.h"
#include "ZQF_ExclusiveAlternativeControlGroupGlyph.h"
#include "ZQF_FloatInputGlyph.h"
#include "ZQF_IntegerInputGlyph.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQTZxZQF_TimeZoneInputGlyph.h"
#include "ZQ_Exception.h"

namespace {

int saves = 0, reloads = 0;
void SetHooks(bool Set) {
  MORV_OptionsDialogWorkspace::SaveControls = Set ? +[] { ++saves; } : nullptr;
  MORV_OptionsDialogWorkspace::ReloadControls = Set ? +[] { ++reloads; } : nullptr;
}

class OptionsDialog : public WindowTest {
 protected:
  void SetUp() override { WindowTest::SetUp(), SetHooks(true); }
  void TearDown() override { SetHooks(false), WindowTest::TearDown(); }
};

// The newest dialog's window; null when none is open.
HWND Window() {
  ZQF_DialogBox* dialog = NewestDialog();
  return dialog ? dialog->GetWindow()->GetWindowHandle() : nullptr;
}
// Replaces a field's text as typing would, valid or not.
void Type(ZQF_TextEditGlyph* Field, const char* Text) { Field->SetText(ZQ_String(Text)); }

// Types an entry Field refuses and presses Enter: the refusal's box shows
// (closed by Enter) and the dialog stays open with nothing stored.
void Refuse(ZQF_TextEditGlyph* Field, const char* Text) {
  const std::string before = DescribeOptions();
  static HWND dialog, box;
  dialog = Window(), box = nullptr;
  Type(Field, Text);
  IdleStep::Queue([] {
    if (Window() && Window() != dialog) PressKey(box = Window(), VK_RETURN);
  });
  PressKey(dialog, VK_RETURN);
  EXPECT_TRUE(box && box != dialog) << Text;
  EXPECT_EQ(std::make_pair(Window(), DescribeOptions()), std::make_pair(dialog, before)) << Text;
}

void SouthEastManualMetric() {
  using namespace MORV_Workspace;
  Latitude = -33.5, Longitude = 151.25, QueryOSForTimeZone = false;
  TimeZone = ZQTZ_TimeZone(3), DaylightSavingTimeInEffect = true;
  UserInputUnits = 1, UserOutputUnits = 2, MetAveragingTime_Minutes = 1000;
  TimestampAnchor = 2, WindSpeedProfile = 1, DisplayHeatIndex = DisplayArmyWorkRegimen = false;
}

}  // namespace

TEST_F(OptionsDialog, EnterStoresTheControlsAsOpenedOrEditedAndEscapeNothing) {
  using Dialog = MORV_AppOptionsDialogBox;
  struct Row {
    const char* name;
    void (*set)();
    void (*edit)(Dialog&);
    const char* stored;  // all options (key order); empty: as they were
  } rows[] = {
      {"latitude and longitude 0 open as north and west and store 0", [] {},
       [](Dialog& d) {
         EXPECT_EQ(d.Hemisphere->GetCurrentValue() + d.EastOrWest->GetCurrentValue(), "northwest");
       },
       ""},
      {"south, east, manual zone, metric and switches off open as they are", SouthEastManualMetric,
       [](Dialog&) {}, ""},
      {"every control changed, refusals on the way; 45 south -45, 0 west 0", SouthEastManualMetric,
       [](Dialog& d) {
         Refuse(d.LongitudeMagnitude, "181"), Refuse(d.LatitudeMagnitude, "91");
         Refuse(d.WindHeight, "61"), Refuse(d.AveragingPeriod, "1001");
         d.InputUnits->SetValue(0), d.OutputUnits->SetValue(1), d.TimeZoneChoice->SetValue(0);
         d.Zone->SetValue(ZQTZ_TimeZone(20)), d.DaylightSaving->SetValue(0);
         Type(d.LatitudeMagnitude, "45"), Type(d.LongitudeMagnitude, "0");
         d.EastOrWest->SetValue(0), Type(d.AveragingPeriod, "0"), d.Anchor->SetValue(0);
         Type(d.WindHeight, "1"), d.Profile->SetValue(0);
         d.ShowHeatIndex->SetValue(true), d.ShowOSHAWorkRegimen->SetValue(false);
       },
       "4.4703999999999997 1000 20 0 1013 50 [2:00 pm] [1/1/2010] "
       "0 1 0 0 1 1 z20 0 0 -45 0 1 1 0 0 "},
      {"Escape after changes and refusals", [] {},
       [](Dialog& d) {
         d.InputUnits->SetValue(1), d.TimeZoneChoice->SetValue(1);
         Type(d.LatitudeMagnitude, "12"), d.ShowArmyHeatCategory->SetValue(false);
         Refuse(d.WindHeight, "0.5"), Refuse(d.LongitudeMagnitude, "nan");
       },
       nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SavedOptions restore;
    MORV_Workspace::Latitude = MORV_Workspace::Longitude = 0;
    row.set();
    const std::string before = DescribeOptions();
    saves = reloads = 0;
    IdleStep::Queue([&] {
      if (&row == rows) SaveScreenshot(Window(), "MORV-options-dialog");
      row.edit(*dynamic_cast<Dialog*>(NewestDialog()));
      PostKey(Window(), row.stored ? VK_RETURN : VK_ESCAPE);
    });
    if (row.stored) {
      MORV_DisplayAppOptionsDialogBox();
    } else {
      EXPECT_THROW(MORV_DisplayAppOptionsDialogBox(), ZQ_CancelCurrentOperationException);
    }
    EXPECT_EQ(NewestDialog(), nullptr);
    EXPECT_EQ(saves * 10 + reloads, row.stored ? 11 : 10);
    EXPECT_EQ(DescribeOptions(), row.stored && *row.stored ? row.stored : before);
  }
}

#include "MORV_OptionsDialog.h"

#include <cmath>
#include <memory>

#include "MORV_WorkspaceOptions.h"
#include "ZQF_CheckBoxGlyph.h"
#include "ZQF_ExclusiveAlternativeControlGroupGlyph.h"
#include "ZQF_FloatInputGlyph.h"
#include "ZQF_IntegerInputGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_PropertyListGlyph.h"
#include "ZQTZxZQF_TimeZoneInputGlyph.h"

namespace MORV_OptionsDialogWorkspace {
void (*SaveControls)() = nullptr;
void (*ReloadControls)() = nullptr;
}  // namespace MORV_OptionsDialogWorkspace

namespace {

// A dropdown of Labels whose value is the index of the label.
ZQF_StoredStringListDropdownGlyph* MakeDropdown(std::initializer_list<const char*> Labels,
                                                long Index) {
  auto* dropdown = new ZQF_StoredStringListDropdownGlyph(-1);
  for (const char* label : Labels) dropdown->AddElement(ZQ_String(label));
  dropdown->SetValue(Index);
  return dropdown;
}

ZQF_CheckBoxGlyph* MakeCheckBox(ZQF_CheckBoxGroupGlyph* Group, const char* Label, bool Value) {
  auto* box = new ZQF_CheckBoxGlyph(ZQ_String(Label), false, 0);
  box->SetValue(Value);
  Group->AddToBottom(box);
  return box;
}

// A row of a coordinate's magnitude, "degrees" and its side.
void AddCoordinateRow(ZQF_PropertyListGlyph* Rows, const char* Label,
                      ZQF_FloatInputGlyph* Magnitude,
                      ZQF_StoredStringListDropdownGlyph* Side) {
  Rows->SetRowLabel(ZQ_String(Label));
  Rows->BeginWorkRow();
  Rows->AddToWorkRow(Magnitude);
  Rows->AddTextToWorkRow(ZQ_String("   degrees   "));
  Rows->AddToWorkRow(Side);
  Rows->EndWorkRow();
}

// The stored index of a dropdown whose labels stand for 0, 1, ... (a value
// of the options outside them, which the settings checks keep out, shows as
// the first).
long IndexWithin(int Value, long NumLabels) { return Value >= 0 && Value < NumLabels ? Value : 0; }

}  // namespace

MORV_AppOptionsDialogBox::MORV_AppOptionsDialogBox()
    : ZQF_SimpleDialogBox(ZQ_String("MORV Options"), ZQF_ButtonPlacement_BelowRight, false) {
  using namespace MORV_Workspace;
  Rows = new ZQF_PropertyListGlyph();
  AddToClientArea(Rows);

  InputUnits = MakeDropdown({"English", "Metric"}, IndexWithin(UserInputUnits, 2));
  OutputUnits = MakeDropdown({"Same as Input Units", "English", "Metric"},
                             IndexWithin(UserOutputUnits, 3));
  Rows->SetRowLabel(ZQ_String("&Units"));
  Rows->BeginWorkRow();
  Rows->AddTextToWorkRow(ZQ_String("Input:  "));
  Rows->AddToWorkRow(InputUnits);
  Rows->AddTextToWorkRow(ZQ_String("       Output:  "));
  Rows->AddToWorkRow(OutputUnits);
  Rows->EndWorkRow();
  Rows->AddSpaceBeforeNextRow();

  Zone = new ZQTZxZQF_TimeZoneInputGlyph();
  Zone->SetValue(TimeZone);
  DaylightSaving = MakeDropdown(
      {"Daylight saving time is not in effect", "Daylight saving time is in effect"},
      DaylightSavingTimeInEffect ? 1 : 0);
  auto* manualZone = new ZQF_ColumnGlyph(0);
  manualZone->SetSpacing(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap12Px).Y);
  manualZone->AddToBottom(Zone);
  manualZone->AddToBottom(DaylightSaving);
  TimeZoneChoice = new ZQF_ExclusiveAlternativeControlGroupGlyph();
  TimeZoneChoice->AddToBottom(ZQ_String("Query operating system for time zone"), nullptr);
  TimeZoneChoice->AddToBottom(ZQ_String("Manually enter time zone"), manualZone);
  TimeZoneChoice->SetValue(QueryOSForTimeZone ? 0 : 1);
  Rows->AddRow(ZQ_String("Time &Zone"), TimeZoneChoice);
  Rows->AddSpaceBeforeNextRow();

  // A latitude of 0 opens as "north", a longitude of 0 as "west".
  LatitudeMagnitude = new ZQF_FloatInputGlyph(std::fabs(Latitude), 10, 0.0, 90.0);
  Hemisphere = MakeDropdown({"south", "north"}, Latitude < 0 ? 0 : 1);
  AddCoordinateRow(Rows, "L&atitude", LatitudeMagnitude, Hemisphere);
  LongitudeMagnitude = new ZQF_FloatInputGlyph(std::fabs(Longitude), 10, 0.0, 180.0);
  EastOrWest = MakeDropdown({"west", "east"}, Longitude <= 0 ? 0 : 1);
  AddCoordinateRow(Rows, "&Longitude", LongitudeMagnitude, EastOrWest);
  Rows->AddSpaceBeforeNextRow();

  AveragingPeriod = new ZQF_IntegerInputGlyph(0, 0, 1000, 5);
  AveragingPeriod->SetValue(MetAveragingTime_Minutes);
  Rows->AddRowWithUnits(ZQ_String("&Met Averaging Period"), AveragingPeriod, ZQ_String("min"));

  Anchor = MakeDropdown({"beginning", "middle", "end"}, IndexWithin(TimestampAnchor, 3));
  Rows->SetRowLabel(ZQ_String());
  Rows->BeginWorkRow();
  Rows->AddTextToWorkRow(ZQ_String("The met measurement time and date denote the  "));
  Rows->AddToWorkRow(Anchor);
  Rows->AddTextToWorkRow(ZQ_String("  of the met averaging period"));
  Rows->EndWorkRow();
  Rows->AddSpaceBeforeNextRow();

  WindHeight = new ZQF_FloatInputGlyph(WindMeasurementHeight_m, 6, 1.0, 60.0);
  Rows->AddRowWithUnits(ZQ_String("&Wind Measurement Height"), WindHeight,
                        ZQ_String("m above ground level"));

  Profile = MakeDropdown({"Rural", "Urban"}, IndexWithin(WindSpeedProfile, 2));
  Rows->AddRowWithUnits(ZQ_String("Wind Speed &Profile"), Profile,
                        ZQ_String("   (used only if the wind measurement height is not 2 meters)"));
  Rows->AddSpaceBeforeNextRow();

  auto* display = new ZQF_CheckBoxGroupGlyph();
  ShowHeatIndex = MakeCheckBox(display, "Heat &Index", DisplayHeatIndex);
  ShowArmyHeatCategory = MakeCheckBox(display, "Army &Heat Category", DisplayArmyHeatCategory);
  ShowArmyWorkRegimen = MakeCheckBox(display, "Army Work Re&gimen", DisplayArmyWorkRegimen);
  ShowOSHAWorkRegimen = MakeCheckBox(display, "OSHA Work &Regimen", DisplayOSHAWorkRegimen);
  Rows->AddRow(ZQ_String("Display"), display);
}

void MORV_AppOptionsDialogBox::StoreOptions() {
  using namespace MORV_Workspace;
  UserInputUnits = static_cast<int>(InputUnits->GetValue());
  UserOutputUnits = static_cast<int>(OutputUnits->GetValue());
  TimestampAnchor = static_cast<int>(Anchor->GetValue());
  WindSpeedProfile = static_cast<int>(Profile->GetValue());
  QueryOSForTimeZone = TimeZoneChoice->GetValue() == 0;
  DaylightSavingTimeInEffect = DaylightSaving->GetValue() != 0;
  DisplayHeatIndex = ShowHeatIndex->GetValue();
  DisplayArmyHeatCategory = ShowArmyHeatCategory->GetValue();
  DisplayArmyWorkRegimen = ShowArmyWorkRegimen->GetValue();
  DisplayOSHAWorkRegimen = ShowOSHAWorkRegimen->GetValue();
  MetAveragingTime_Minutes = static_cast<int>(AveragingPeriod->GetValue());
  WindMeasurementHeight_m = WindHeight->GetValue();
  TimeZone = Zone->GetValue();
  // A magnitude of 0 stores 0, never -0, whatever the side.
  const double longitude = LongitudeMagnitude->GetValue();
  Longitude = EastOrWest->GetValue() == 0 && longitude != 0 ? -longitude : longitude;
  const double latitude = LatitudeMagnitude->GetValue();
  Latitude = Hemisphere->GetValue() == 0 && latitude != 0 ? -latitude : latitude;
}

void DisplayAppOptionsDialogBox() {
  std::unique_ptr<MORV_AppOptionsDialogBox> dialog(new MORV_AppOptionsDialogBox());
  dialog->Run();
  dialog->StoreOptions();
}

void MORV_DisplayAppOptionsDialogBox() {
  if (MORV_OptionsDialogWorkspace::SaveControls) MORV_OptionsDialogWorkspace::SaveControls();
  DisplayAppOptionsDialogBox();
  if (MORV_OptionsDialogWorkspace::ReloadControls) MORV_OptionsDialogWorkspace::ReloadControls();
}

// MORV_OptionsDialog.h: the modal dialog "MORV Options", in which the user
// sets the units, the time zone, the place, the averaging period and its
// anchor, the wind measurement height and profile, and which results the
// workspace shows. It edits the option values of MORV_WorkspaceOptions.h
// directly: its controls open with their values and OK stores them back;
// Cancel stores nothing. UI thread only.
#pragma once

#include "ZQF_ParameterizedStringListDropdownGlyph.h"
#include "ZQF_StandardDialogBox.h"

class ZQF_CheckBoxGlyph;
class ZQF_ExclusiveAlternativeControlGroupGlyph;
class ZQF_FloatInputGlyph;
class ZQF_IntegerInputGlyph;
class ZQF_PropertyListGlyph;
class ZQTZxZQF_TimeZoneInputGlyph;

class MORV_AppOptionsDialogBox : public ZQF_SimpleDialogBox {
 public:
  // Builds the rows and sets every control from the option values. Needs
  // initialization stage 1 (the radio group's marker).
  MORV_AppOptionsDialogBox();

  // Copies the controls' values into the options (after OK): the dropdown
  // indexes, the time-zone choice, the display switches, the period, the
  // height, the zone, then longitude and latitude with their signs.
  void StoreOptions();

  // The controls, owned by the dialog's tree.
  ZQF_PropertyListGlyph* Rows;
  ZQF_StoredStringListDropdownGlyph* InputUnits;
  ZQF_StoredStringListDropdownGlyph* OutputUnits;
  ZQF_ExclusiveAlternativeControlGroupGlyph* TimeZoneChoice;  // 0 the system's, 1 manual
  ZQTZxZQF_TimeZoneInputGlyph* Zone;
  ZQF_StoredStringListDropdownGlyph* DaylightSaving;  // 1: in effect
  ZQF_FloatInputGlyph* LatitudeMagnitude;
  ZQF_StoredStringListDropdownGlyph* Hemisphere;  // 0 south, 1 north
  ZQF_FloatInputGlyph* LongitudeMagnitude;
  ZQF_StoredStringListDropdownGlyph* EastOrWest;  // 0 west, 1 east
  ZQF_IntegerInputGlyph* AveragingPeriod;
  ZQF_StoredStringListDropdownGlyph* Anchor;
  ZQF_FloatInputGlyph* WindHeight;
  ZQF_StoredStringListDropdownGlyph* Profile;
  ZQF_CheckBoxGlyph* ShowHeatIndex;
  ZQF_CheckBoxGlyph* ShowArmyHeatCategory;
  ZQF_CheckBoxGlyph* ShowArmyWorkRegimen;
  ZQF_CheckBoxGlyph* ShowOSHAWorkRegimen;
};

// Builds, runs and reads the dialog, and destroys it. Cancel (Escape, the
// close button) throws ZQ_CancelCurrentOperationException with nothing
// stored.
void DisplayAppOptionsDialogBox();

// The menu item's target: the workspace saves its fields into the options
// first (so that they hold the fields' valid values), and after OK reloads
// its fields in the possibly new units and recalculates. A cancelled dialog
// leaves by its exception after the first step, so the workspace is neither
// reloaded nor recalculated.
void MORV_DisplayAppOptionsDialogBox();

// How the workspace takes part in the steps above: it sets these while it
// exists and clears them when it goes; unset, the steps do nothing.
// SaveControls stores the fields' valid values into the options;
// ReloadControls rewrites the fields and rows from the options (LoadControls)
// and recalculates (UpdateCalculations).
namespace MORV_OptionsDialogWorkspace {
extern void (*SaveControls)();
extern void (*ReloadControls)();
}  // namespace MORV_OptionsDialogWorkspace

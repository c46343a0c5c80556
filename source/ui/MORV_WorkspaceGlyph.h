// MORV_WorkspaceGlyph.h: the main window's client, the one form of the
// program's main job. Eight input fields (air temperature, solar irradiance,
// wind speed, relative humidity, time, date, 10 m - 2 m temperature
// difference, pressure), a message row naming the field at fault, and the
// result rows: globe, natural and psychrometric wet bulb and wet bulb globe
// temperatures, heat index, Army heat category in its colour, the Army
// work/rest and water table and the OSHA regimens for three work loads.
// Half a second after the last edit of any field the workspace checks every
// field, stores the valid ones in the options (MORV_WorkspaceOptions.h), runs
// the model and rewrites the results; a failed check or model run shows
// "-----" in every result. Every recalculation writes one line to the
// debugging log (see UpdateCalculations).
// The glyphs below are children it owns through its glyph tree; the pointers
// are borrowed views of them. While a workspace exists it is the one the
// options dialog saves and reloads (MORV_OptionsDialogWorkspace). UI thread
// only.
#pragma once

#include <memory>

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_Color.h"
#include "ZQ_String.h"

class ZQ_Timer;
class ZQF_CallbackTextButtonGlyph;
class ZQF_InlineStoredLabelGlyph;
class ZQF_PropertyListGlyph;
class ZQF_StoredAttributeLabelGlyph;
class ZQF_TextEditGlyph;
class ZQFOxZQF_DocumentDisplayGlyph;

// The Army heat category label's colours for Category 0..5: the label
// defaults (colour metrics 32 and 33) for 0, then white, green, yellow, red
// and black backgrounds. Another category fails an assertion ("false") and,
// should the report return, gives white.
ZQF_Color GetArmyHeatCategoryBackgroundColor(int Category);
ZQF_Color GetArmyHeatCategoryTextColor(int Category);

class MORV_WorkspaceGlyph : public ZQF_ColumnGlyph {
 public:
  // The form's rows, top to bottom.
  enum Row {
    Row_AirTemperature, Row_SolarIrradiance, Row_WindSpeed, Row_Humidity, Row_Time, Row_Date,
    Row_DeltaTemperature, Row_Pressure, Row_Message, Row_Globe, Row_NaturalWetBulb,
    Row_PsychrometricWetBulb, Row_Wbgt, Row_HeatIndex, Row_HeatCategory, Row_ArmyRegimen,
    Row_OSHALight, Row_OSHAModerate, Row_OSHAHeavy, NumRows
  };
  // The longest text a field takes: the most the input checks read.
  static constexpr long MaxFieldLength = 255;
  // The delay of the recalculation after the last edit.
  static constexpr int RecalculationDelayMs = 500;

  // Builds the form with empty units and result labels and the "-----"
  // table; the fields are filled by LoadControls. Needs initialization
  // stage 1 or later (the glyph metrics).
  MORV_WorkspaceGlyph();
  // Drops a pending recalculation, then the glyph tree.
  ~MORV_WorkspaceGlyph() override;

  // A change of any control below the workspace (first try) pushes the
  // recalculation RecalculationDelayMs further out and is claimed.
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override;

  // The current time button: the time and date options become the local
  // clock's time and date, the two fields show them, and the recalculation
  // is restarted.
  void UseCurrentTimeAndDateCallback();

  // Writes the options into the fields (numbers converted to the input units,
  // six significant digits), the units labels, the GMT label ("(GMT-5)",
  // "(GMT+5.5)") and the rows' visibility (the delta temperature row only
  // when the wind height is not 2 m; the result rows by the display
  // switches). Sends no change notification; lays the form out again only
  // when a label or a row changed.
  void LoadControls();

  // Checks the eight fields and stores each valid one in its option. Message
  // is empty when all passed, else the last failing field's message, with
  // ProblemControl that field (null when none failed).
  void SaveControls(ZQ_String& Message, ZQF_Glyph*& ProblemControl);
  // The same, for copying the valid fields into the options only.
  void SaveControls();

  // The recalculation: drops the pending timer, saves the controls, runs the
  // model when every check passed and rewrites only the results, colours and
  // table that changed (laying the form out again only then). Writes one
  // debugging-log line: "Workspace recalculated:" then, each in double
  // quotes (an inner one doubled, control characters as blanks) and
  // preceded by a blank, in row order: air temperature, solar irradiance,
  // wind speed, humidity, time, GMT label, date, delta temperature and
  // pressure field texts, the message, the globe, natural wet bulb,
  // psychrometric wet bulb, wet bulb globe temperature, heat index and
  // category texts, the table's work/rest and water values for the easy,
  // moderate and hard loads, and the three OSHA texts. Throws what the
  // document parser or a failed assertion throws.
  void UpdateCalculations();

  // True while a recalculation waits for its timer.
  bool IsRecalculationPending() const { return RecalculationTimer != nullptr; }

  // --- The form's glyphs, owned by the tree.
  ZQF_PropertyListGlyph* PropertyList = nullptr;
  ZQF_TextEditGlyph* WindSpeedField = nullptr;
  ZQF_InlineStoredLabelGlyph* WindSpeedUnits = nullptr;
  ZQF_TextEditGlyph* SolarIrradianceField = nullptr;
  ZQF_InlineStoredLabelGlyph* SolarIrradianceUnits = nullptr;
  ZQF_TextEditGlyph* AirTemperatureField = nullptr;
  ZQF_InlineStoredLabelGlyph* AirTemperatureUnits = nullptr;
  ZQF_TextEditGlyph* DeltaTemperatureField = nullptr;
  ZQF_InlineStoredLabelGlyph* DeltaTemperatureUnits = nullptr;
  ZQF_TextEditGlyph* PressureField = nullptr;
  ZQF_InlineStoredLabelGlyph* PressureUnits = nullptr;
  ZQF_TextEditGlyph* HumidityField = nullptr;
  ZQF_InlineStoredLabelGlyph* HumidityUnits = nullptr;
  ZQF_TextEditGlyph* TimeField = nullptr;
  ZQF_InlineStoredLabelGlyph* GMTLabel = nullptr;
  ZQF_CallbackTextButtonGlyph* CurrentTimeButton = nullptr;
  ZQF_TextEditGlyph* DateField = nullptr;
  ZQF_StoredAttributeLabelGlyph* MessageLabel = nullptr;
  ZQF_InlineStoredLabelGlyph* GlobeLabel = nullptr;
  ZQF_InlineStoredLabelGlyph* NaturalWetBulbLabel = nullptr;
  ZQF_InlineStoredLabelGlyph* PsychrometricWetBulbLabel = nullptr;
  ZQF_StoredAttributeLabelGlyph* WbgtLabel = nullptr;
  ZQF_StoredAttributeLabelGlyph* HeatIndexLabel = nullptr;
  ZQF_StoredAttributeLabelGlyph* HeatCategoryLabel = nullptr;
  ZQFOxZQF_DocumentDisplayGlyph* RegimenDisplay = nullptr;
  ZQF_StoredAttributeLabelGlyph* OSHALabels[3] = {};  // light, moderate, heavy

 private:
  struct Results;

  void RestartRecalculationTimer();
  void BuildRows();
  // The regimen row's value, showing the "-----" table.
  ZQF_Glyph* BuildRegimenDisplay();
  // Gives the regimen display the table for WbgtF (degrees F, -9999 none).
  void ShowRegimenTable(double WbgtF);
  // Steps of the recalculation.
  void ComputeResults(Results& Out);
  void ShowResults(const Results& New);
  void LogRecalculation(const Results& Shown);

  std::unique_ptr<ZQ_Timer> RecalculationTimer;  // null when none is pending
  double LastTableValue = -9999.0;  // WBGT in F the table was last built for
  ZQ_String TableValues[6];  // the table's work/rest and water per load, for the log
  // Form row indexes of the rows that can be hidden.
  long DeltaTemperatureRowIndex = -1;
  long HeatIndexRowIndex = -1;
  long HeatCategoryRowIndex = -1;
  long RegimenRowIndex = -1;
  long OSHARowIndexes[3] = {-1, -1, -1};
};

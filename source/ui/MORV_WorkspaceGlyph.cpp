#include "MORV_WorkspaceGlyph.h"

#include <algorithm>
#include <cmath>

#include "MORV_HeatGuidance.h"
#include "MORV_Model.h"
#include "MORV_OptionsDialog.h"
#include "MORV_RegimenTableDocument.h"
#include "MORV_UnitConversions.h"
#include "MORV_WorkspaceChecks.h"
#include "MORV_WorkspaceOptions.h"
#include "ZQFOxZQF_DocumentDisplayGlyph.h"
#include "ZQF_CallbackTextButtonGlyph.h"
#include "ZQF_ControlGlyph.h"
#include "ZQF_DialogActionGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_PropertyListGlyph.h"
#include "ZQF_TextEditGlyph.h"
#include "ZQ_Assertion.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Numeric.h"
#include "ZQ_StringStream.h"
#include "ZQ_Timer.h"

namespace {

using namespace MORV_Workspace;

// The workspace the options dialog saves and reloads.
MORV_WorkspaceGlyph* s_current = nullptr;

const int kResultFontMetric = ZQF_FontMetric_SansBold10;
const char* const kNoValue = "-----";
const double kNoValueF = -9999.0;  // the model's "no value"

ZQF_TextEditGlyph* NewField() {
  auto* field = new ZQF_TextEditGlyph(0, MORV_WorkspaceGlyph::MaxFieldLength);
  field->SetFixedSize(10, 1, true, true);
  return field;
}

ZQF_StoredAttributeLabelGlyph* NewResultLabel() {
  auto* label = new ZQF_StoredAttributeLabelGlyph(ZQ_String());
  label->SetVerticalAlignment(1);
  label->SetFont(ZQF_GetFontMetric(kResultFontMetric));
  return label;
}

ZQF_Color NamedColor(const char* Name) {
  return ZQF_Color(ZQR_GetNamedColor(Name, ZQR_Color_White));
}

// Sets Label's text when it differs; true when it did.
bool ReplaceText(ZQF_StoredLabelGlyph* Label, const ZQ_String& Text) {
  if (Label->GetText() == Text) return false;
  Label->SetText(Text);
  Label->InvalidateToResizeAnchor();
  return true;
}

// A numeric field and its units label, with the option's converter and label.
struct NumericFieldBinding {
  ZQF_TextEditGlyph* MORV_WorkspaceGlyph::*Field;
  ZQF_InlineStoredLabelGlyph* MORV_WorkspaceGlyph::*Units;
  double* Option;
  double (*MetricToInput)(double);
  ZQ_String (*UnitsLabel)();
};

// In the order the fields are loaded and checked.
const NumericFieldBinding kNumericFields[MORV_NumNumericInputFields] = {
    {&MORV_WorkspaceGlyph::WindSpeedField, &MORV_WorkspaceGlyph::WindSpeedUnits, &WindSpeed_MperS,
     &ConvertWindSpeedMetricToInput, &GetWindSpeedInputUnitsLabel},
    {&MORV_WorkspaceGlyph::SolarIrradianceField, &MORV_WorkspaceGlyph::SolarIrradianceUnits,
     &Solar_WperM2, &ConvertSolarIrradianceMetricToInput, &GetSolarIrradianceUnitsLabel},
    {&MORV_WorkspaceGlyph::AirTemperatureField, &MORV_WorkspaceGlyph::AirTemperatureUnits,
     &AirTemperature_C, &ConvertTemperatureMetricToInput, &GetTemperatureInputUnitsLabel},
    {&MORV_WorkspaceGlyph::DeltaTemperatureField, &MORV_WorkspaceGlyph::DeltaTemperatureUnits,
     &DeltaTemperature_10_2_C, &ConvertTemperatureDifferenceMetricToInput,
     &GetTemperatureInputUnitsLabel},
    {&MORV_WorkspaceGlyph::PressureField, &MORV_WorkspaceGlyph::PressureUnits, &Pressure_mb,
     &ConvertPressureMetricToInput, &GetPressureInputUnitsLabel},
    {&MORV_WorkspaceGlyph::HumidityField, &MORV_WorkspaceGlyph::HumidityUnits, &Humidity_percent,
     &ConvertHumidityMetricToInput, &GetHumidityUnitsLabel},
};

}  // namespace

ZQF_Color GetArmyHeatCategoryBackgroundColor(int Category) {
  switch (Category) {
    case 0: return ZQF_Color(ZQF_ColorMetric_LabelBackground);
    case 1: return NamedColor("White");
    case 2: return ZQF_Color(ZQR_Color(75, 182, 108));
    case 3: return ZQF_Color(ZQR_Color(255, 249, 116));
    case 4: return ZQF_Color(ZQR_Color(228, 93, 93));
    case 5: return ZQF_Color(ZQR_Color(39, 37, 37));
  }
  ZQ_ASSERT(false);
  return NamedColor("White");
}

ZQF_Color GetArmyHeatCategoryTextColor(int Category) {
  switch (Category) {
    case 0: return ZQF_Color(ZQF_ColorMetric_LabelText);
    case 1: case 2: case 3: case 4: return NamedColor("Black");
    case 5: return NamedColor("White");
  }
  ZQ_ASSERT(false);
  return NamedColor("White");
}

MORV_WorkspaceGlyph::MORV_WorkspaceGlyph() : ZQF_ColumnGlyph(0) {
  PropertyList = new ZQF_PropertyListGlyph;
  auto* dialogAction = new ZQF_DialogActionGlyph(PropertyList);
  AddToBottom(new ZQF_MarginGlyph(
      dialogAction, ZQ_Point<long>(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap32Px).X, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).Y), 0));
  BuildRows();
  s_current = this;
  MORV_OptionsDialogWorkspace::SaveControls = [] { s_current->SaveControls(); };
  MORV_OptionsDialogWorkspace::ReloadControls = [] {
    s_current->LoadControls();
    s_current->UpdateCalculations();
  };
}

MORV_WorkspaceGlyph::~MORV_WorkspaceGlyph() {
  RecalculationTimer.reset();
  if (s_current == this) {
    s_current = nullptr;
    MORV_OptionsDialogWorkspace::SaveControls = nullptr;
    MORV_OptionsDialogWorkspace::ReloadControls = nullptr;
  }
}

void MORV_WorkspaceGlyph::BuildRows() {
  ZQF_PropertyListGlyph& rows = *PropertyList;
  const long gap = -1;  // size metric 5
  for (auto* units : {&WindSpeedUnits, &SolarIrradianceUnits, &AirTemperatureUnits,
                      &DeltaTemperatureUnits, &PressureUnits, &HumidityUnits, &GMTLabel}) {
    *units = new ZQF_InlineStoredLabelGlyph(ZQ_String());
  }
  for (auto* field : {&WindSpeedField, &SolarIrradianceField, &AirTemperatureField,
                      &DeltaTemperatureField, &PressureField, &HumidityField, &TimeField,
                      &DateField}) {
    *field = NewField();
  }
  rows.AddRowWithTwoClients("&Air Temperature", AirTemperatureField, AirTemperatureUnits, gap);
  rows.AddRowWithTwoClients("&Solar Irradiance", SolarIrradianceField, SolarIrradianceUnits, gap);
  rows.AddRowWithTwoClients("&Wind Speed", WindSpeedField, WindSpeedUnits, gap);
  rows.AddRowWithTwoClients("&Relative Humidity", HumidityField, HumidityUnits, gap);

  CurrentTimeButton = new ZQF_CallbackTextButtonGlyph(
      "Set to &Current Time and Date",
      ZQ_Functor0(this, &MORV_WorkspaceGlyph::UseCurrentTimeAndDateCallback), 0, 0);
  CurrentTimeButton->SetHorizontallyStretchable(false);
  rows.SetRowLabel("&Time");
  rows.BeginWorkRow();
  rows.AddToWorkRow(TimeField);
  rows.AddTextToWorkRow("   ");
  rows.AddToWorkRow(GMTLabel);
  rows.AddTextToWorkRow("      ");
  rows.AddToWorkRow(CurrentTimeButton);
  rows.EndWorkRow();
  rows.AddRow("&Date", DateField);
  DeltaTemperatureRowIndex = rows.GetNumRows();

  rows.SetRowLabel("&10m-2m Delta Temperature");
  rows.BeginWorkRow();
  rows.AddToWorkRow(DeltaTemperatureField);
  rows.AddTextToWorkRow("   ");
  rows.AddToWorkRow(DeltaTemperatureUnits);
  rows.AddTextToWorkRow("     (only needed when the wind speed measurement height is not 2 meters)");
  rows.EndWorkRow();
  rows.AddRowWithTwoClients("Atmospheric &Pressure", PressureField, PressureUnits, gap);

  MessageLabel = new ZQF_StoredAttributeLabelGlyph(ZQ_String());
  MessageLabel->SetTextColor(NamedColor("Red"));
  rows.AddRow(ZQ_String(), MessageLabel);

  GlobeLabel = new ZQF_InlineStoredLabelGlyph(ZQ_String());
  NaturalWetBulbLabel = new ZQF_InlineStoredLabelGlyph(ZQ_String());
  PsychrometricWetBulbLabel = new ZQF_InlineStoredLabelGlyph(ZQ_String());
  rows.AddRow("Globe Temperature", GlobeLabel);
  rows.AddRow("Natural Wet Bulb Temperature", NaturalWetBulbLabel);
  rows.AddRow("Psychrometric Wet Bulb Temperature", PsychrometricWetBulbLabel);
  rows.AddSpaceBeforeNextRow();
  rows.AddRow("Wet Bulb Globe Temperature", WbgtLabel = NewResultLabel());
  HeatIndexRowIndex = rows.GetNumRows();
  rows.AddRow("Heat Index", HeatIndexLabel = NewResultLabel());
  HeatCategoryRowIndex = rows.GetNumRows();
  rows.AddRow("Army Heat Category", HeatCategoryLabel = NewResultLabel());
  // The same height whether or not the category is coloured.
  HeatCategoryLabel->SetMargins(0, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y);
  RegimenRowIndex = rows.GetNumRows();
  rows.AddRow("Army Work/Rest Regimen", BuildRegimenDisplay());
  static const char* const kOSHALabels[3] = {"OSHA Work/Rest Regimen", "", ""};
  for (int load = 0; load < 3; ++load) {
    OSHARowIndexes[load] = rows.GetNumRows();
    rows.AddRow(kOSHALabels[load], OSHALabels[load] = NewResultLabel());
  }
  for (ZQ_String& value : TableValues) value = "-----";
}

ZQF_Glyph* MORV_WorkspaceGlyph::BuildRegimenDisplay() {
  RegimenDisplay = new ZQFOxZQF_DocumentDisplayGlyph(GetArmyWorkRegimenInputDocument(kNoValueF));
  RegimenDisplay->SetBorderStyle(0);
  RegimenDisplay->SetMargins(0, 0);
  RegimenDisplay->SetMaximumWidthFractionOfScreen(0.75);
  RegimenDisplay->MakeUnfocusable();
  RegimenDisplay->SetSizingMode(ZQFOxZQF_DocumentDisplayGlyph::Sizing_Fixed);
  return RegimenDisplay;
}

void MORV_WorkspaceGlyph::ShowRegimenTable(double WbgtF) {
  RegimenDisplay->SetInputDocument(GetArmyWorkRegimenInputDocument(WbgtF), false);
  RegimenDisplay->InvalidateToResizeAnchor();
}

void MORV_WorkspaceGlyph::HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) {
  ZQF_Glyph::HandleNotification(Message, SecondTry);
  if (!SecondTry && dynamic_cast<ZQF_ControlChangeNotificationMessage*>(&Message)) {
    RestartRecalculationTimer();
    Message.SetHandled();
  }
}

void MORV_WorkspaceGlyph::RestartRecalculationTimer() {
  RecalculationTimer.reset();
  RecalculationTimer = std::make_unique<ZQ_Timer>(
      RecalculationDelayMs, ZQ_Functor0(this, &MORV_WorkspaceGlyph::UpdateCalculations));
}

void MORV_WorkspaceGlyph::UseCurrentTimeAndDateCallback() {
  const ZQ_PointInTime now = ZQ_PointInTime::GetCurrentLocal();
  Time = now.Format("{Time}");
  Date = now.Format("{Date}");
  TimeField->SetValue(Time);
  DateField->SetValue(Date);
  RestartRecalculationTimer();
}

void MORV_WorkspaceGlyph::LoadControls() {
  bool changed = false;
  auto setRowHidden = [&](long Row, bool Hidden) {
    if (PropertyList->GetIsRowHidden(Row) == Hidden) return;
    PropertyList->SetRowHidden(Row, Hidden, false);
    changed = true;
  };
  for (int field = 0; field < MORV_NumNumericInputFields; ++field) {
    const NumericFieldBinding& binding = kNumericFields[field];
    (this->*binding.Field)->SetValue(ZQ_ToString(binding.MetricToInput(*binding.Option), "#6"));
    changed |= ReplaceText(this->*binding.Units, binding.UnitsLabel());
    if (field == MORV_InputField_DeltaTemperature) {
      setRowHidden(DeltaTemperatureRowIndex,
                   IsWindMeasurementHeight2Meters(WindMeasurementHeight_m));
    }
  }
  TimeField->SetValue(Time);
  changed |= ReplaceText(GMTLabel,
                         "(GMT" + ZQ_ToString(GetGMTDifferenceToUse(), "[ShowPlus=Yes]") + ")");
  DateField->SetValue(Date);
  setRowHidden(HeatIndexRowIndex, !DisplayHeatIndex);
  setRowHidden(HeatCategoryRowIndex, !DisplayArmyHeatCategory);
  setRowHidden(RegimenRowIndex, !DisplayArmyWorkRegimen);
  for (long row : OSHARowIndexes) setRowHidden(row, !DisplayOSHAWorkRegimen);
  if (changed) Resize();
}

void MORV_WorkspaceGlyph::SaveControls(ZQ_String& Message, ZQF_Glyph*& ProblemControl) {
  ZQF_TextEditGlyph* const fields[MORV_NumInputFields] = {
      WindSpeedField, SolarIrradianceField, AirTemperatureField, DeltaTemperatureField,
      PressureField,  HumidityField,        TimeField,           DateField};
  ZQ_String texts[MORV_NumInputFields];
  for (int field = 0; field < MORV_NumInputFields; ++field) texts[field] = fields[field]->GetValue();
  const int failed = MORV_CheckAndStoreInputs(texts, Message);
  ProblemControl = failed < 0 ? nullptr : fields[failed];
}

void MORV_WorkspaceGlyph::SaveControls() {
  ZQ_String message;
  ZQF_Glyph* problem = nullptr;
  SaveControls(message, problem);
}

// ---------------------------------------------------------------------------
// The recalculation.

namespace {

enum { Text_Globe, Text_NaturalWetBulb, Text_PsychrometricWetBulb, Text_Wbgt, Text_HeatIndex,
       Text_HeatCategory, Text_OSHA, NumResultTexts = Text_OSHA + 3 };

ZQ_String TemperatureText(double Celsius) {
  return ZQ_ToString(ConvertTemperatureMetricToOutput(Celsius), "1") + " " +
         GetTemperatureOutputUnitsLabel();
}

// The model centres the averaging period on the time stamp minus half the
// adjustment: the stamp marks the period's beginning, middle or end.
int AveragingAdjustment() {
  switch (TimestampAnchor) {
    case 0: return -MetAveragingTime_Minutes;
    case 1: return 0;
    case 2: return MetAveragingTime_Minutes;
  }
  ZQ_ASSERT(false);
  return 0;
}

// The model takes whole-hour offsets. A fractional one keeps its whole hours
// and moves the clock by the rest (the date carried), so that the instant
// stays the same: 14:00 at +5.5 is 13:30 at +5.
void ToWholeHourOffset(double OffsetHours, ZQ_Date& Date, int& MinuteOfDay, int& WholeHours) {
  WholeHours = static_cast<int>(OffsetHours);  // toward zero
  MinuteOfDay -= static_cast<int>(std::lround((OffsetHours - WholeHours) * 60.0));
  const int minutesPerDay = ZQ_HoursPerDay * ZQ_MinutesPerHour;
  const int dayShift = MinuteOfDay < 0 ? -1 : MinuteOfDay >= minutesPerDay ? 1 : 0;
  MinuteOfDay -= dayShift * minutesPerDay;
  Date.SetModifiedJulianDate(Date.GetModifiedJulianDate() + dayShift);
}

// Text quoted for the log line: an inner quote doubled, control characters
// (a pasted line break) as blanks, so that the line stays one line.
void AppendQuoted(ZQ_String& Line, const ZQ_String& Text) {
  Line += " \"";
  for (int i = 0; i < Text.GetLength(); ++i) {
    const char c = Text[i];
    if (c == '"') Line += '"';
    Line += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
  }
  Line += '"';
}

}  // namespace

struct MORV_WorkspaceGlyph::Results {
  ZQ_String Message;
  ZQ_String Texts[NumResultTexts];
  double WbgtF = kNoValueF;
  ZQF_Color Background{32};
  ZQF_Color TextColor{33};
};

void MORV_WorkspaceGlyph::UpdateCalculations() {
  RecalculationTimer.reset();
  Results results;
  ComputeResults(results);
  ShowResults(results);
  LogRecalculation(results);
}

void MORV_WorkspaceGlyph::ComputeResults(Results& Out) {
  ZQF_Glyph* problemControl = nullptr;
  SaveControls(Out.Message, problemControl);
  // The options hold only texts that passed the checks.
  ZQ_Time time;
  ZQ_Date date;
  bool ParseSuccessFlag = ZQ_Time::Parse(Time, time, 0, nullptr);
  ZQ_ASSERT(ParseSuccessFlag);
  ParseSuccessFlag = ZQ_Date::Parse(Date, date, ZQ_Date::Parse_US, nullptr);
  ZQ_ASSERT(ParseSuccessFlag);
  for (ZQ_String& text : Out.Texts) text = kNoValue;
  if (!Out.Message.IsEmpty()) return;

  const ZQ_HMS hms = time.GetHMS();
  int minuteOfDay = hms.Hours * ZQ_MinutesPerHour + hms.Minutes;
  int gmtOffset = 0;
  ToWholeHourOffset(GetGMTDifferenceToUse(), date, minuteOfDay, gmtOffset);
  const ZQ_DMY dmy = date.GetDMY();
  // The model works in 32-bit floats: these are the values it sees.
  const float solar = static_cast<float>(std::max(Solar_WperM2, 0.1));
  const float airTemperature = static_cast<float>(AirTemperature_C);
  const float humidity = static_cast<float>(std::max(Humidity_percent, 1.0));
  const float windHeight = IsWindMeasurementHeight2Meters(WindMeasurementHeight_m)
                               ? 2.0f
                               : static_cast<float>(WindMeasurementHeight_m);
  float speed2m = kNoValueF, globe = kNoValueF, naturalWetBulb = kNoValueF,
        psychrometricWetBulb = kNoValueF, wbgt = kNoValueF;
  const int failed = CalculateMORV(
      dmy.Year, dmy.Month, dmy.Day, minuteOfDay / ZQ_MinutesPerHour,
      minuteOfDay % ZQ_MinutesPerHour, gmtOffset, AveragingAdjustment(),
      static_cast<float>(Latitude), static_cast<float>(Longitude), solar,
      static_cast<float>(Pressure_mb), airTemperature, humidity,
      static_cast<float>(WindSpeed_MperS), windHeight,
      static_cast<float>(DeltaTemperature_10_2_C), WindSpeedProfile, &speed2m, &globe,
      &naturalWetBulb, &psychrometricWetBulb, &wbgt);
  if (failed) {
    Out.Message = "A computational error occurred.  Please contact the application developers.";
  } else {
    const float temperatures[4] = {globe, naturalWetBulb, psychrometricWetBulb, wbgt};
    for (int i = 0; i < 4; ++i) {
      if (temperatures[i] != MORV_FailureValue) Out.Texts[i] = TemperatureText(temperatures[i]);
    }
    if (wbgt != MORV_FailureValue) {
      Out.WbgtF = ZQ_CelsiusToFahrenheit(wbgt);
      const int category = CalculateArmyHeatCategory(Out.WbgtF);
      Out.Texts[Text_HeatCategory] = GetArmyHeatCategoryName(category);
      Out.Background = GetArmyHeatCategoryBackgroundColor(category);
      Out.TextColor = GetArmyHeatCategoryTextColor(category);
      for (int load = 0; load < 3; ++load) {
        Out.Texts[Text_OSHA + load] =
            GetOSHAWorkRegimenName(CalculateOSHAWorkRegimen(Out.WbgtF, load), load);
      }
    }
  }
  Out.Texts[Text_HeatIndex] = TemperatureText(ComputeHeatIndex_C(airTemperature, humidity));
}

void MORV_WorkspaceGlyph::ShowResults(const Results& New) {
  bool changed = ReplaceText(MessageLabel, New.Message);
  ZQF_StoredLabelGlyph* const labels[NumResultTexts] = {
      GlobeLabel,     NaturalWetBulbLabel, PsychrometricWetBulbLabel, WbgtLabel, HeatIndexLabel,
      HeatCategoryLabel, OSHALabels[0],    OSHALabels[1],             OSHALabels[2]};
  for (int i = 0; i < Text_OSHA; ++i) changed |= ReplaceText(labels[i], New.Texts[i]);

  if (HeatCategoryLabel->Cust_GetBackgroundColor() != New.Background.GetColor()) {
    HeatCategoryLabel->SetBackgroundColor(New.Background);
    HeatCategoryLabel->InvalidateBoundingBoxRect();
    // A coloured category gets room around its text.
    const long marginX = New.Background != ZQF_Color(ZQF_ColorMetric_LabelBackground) ? ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).X : 0;
    HeatCategoryLabel->SetMargins(marginX, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y);
    HeatCategoryLabel->InvalidateToResizeAnchor();
    changed = true;
  }
  if (HeatCategoryLabel->Cust_GetTextColor() != New.TextColor.GetColor()) {
    HeatCategoryLabel->SetTextColor(New.TextColor);
    HeatCategoryLabel->InvalidateBoundingBoxRect();
  }

  if (LastTableValue != New.WbgtF) {
    const int category = New.WbgtF > -9000.0 ? CalculateArmyHeatCategory(New.WbgtF) : -1;
    for (int load = 0; load < 3; ++load) {
      TableValues[2 * load] = category < 0 ? kNoValue : GetArmyWorkRestDescription(category, load);
      TableValues[2 * load + 1] =
          category < 0 ? kNoValue : GetArmyWaterIntakeDescription(category, load);
    }
    ShowRegimenTable(New.WbgtF);
    LastTableValue = New.WbgtF;  // only once built: a failed build is tried again
    changed = true;
  }

  for (int i = Text_OSHA; i < NumResultTexts; ++i) changed |= ReplaceText(labels[i], New.Texts[i]);
  if (changed) Resize();
}

void MORV_WorkspaceGlyph::LogRecalculation(const Results& Shown) {
  ZQ_String line("Workspace recalculated:");
  for (ZQF_TextEditGlyph* field :
       {AirTemperatureField, SolarIrradianceField, WindSpeedField, HumidityField, TimeField}) {
    AppendQuoted(line, field->GetValue());
  }
  AppendQuoted(line, GMTLabel->GetText());
  for (ZQF_TextEditGlyph* field : {DateField, DeltaTemperatureField, PressureField}) {
    AppendQuoted(line, field->GetValue());
  }
  AppendQuoted(line, Shown.Message);
  for (int i = 0; i < Text_OSHA; ++i) AppendQuoted(line, Shown.Texts[i]);
  for (const ZQ_String& value : TableValues) AppendQuoted(line, value);
  for (int i = Text_OSHA; i < NumResultTexts; ++i) AppendQuoted(line, Shown.Texts[i]);
  ZQ_WriteDebugLogEntry(line + "\n");
}

// The workspace in a real window under Xvfb, read back through its labels
// and its log line: rows and what the options hide, what LoadControls
// writes, the delayed recalculation on a real timer with posted input, what
// the model is given, colours and margins, layouts, and bad input.
#include <algorithm>
#include <random>

#include "../gui/core/WindowTestSupport.h"
#include "../services/MessagePumpTestSupport.h"
#include "DebugLogMark.h"
#include "MORV_HeatGuidance.h"
#include "MORV_Model.h"
#include "MORV_OptionsDialog.h"
#include "MORV_WorkspaceChecks.h"
#include "MORV_WorkspaceGlyph.h"
#include "OptionsTestSupport.h"
#include "ZQFOxZQF_DocumentDisplayGlyph.h"
#include "ZQF_CallbackTextButtonGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_PropertyListGlyph.h"
#include "ZQF_TextEditGlyph.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_DebugLog.h"
#include "ZQ_StringStream.h"

namespace {

using namespace MORV_Workspace;
using Strings = std::vector<std::string>;
const char kRecalculated[] = "Workspace recalculated:";
const char kModelError[] =
    "A computational error occurred.  Please contact the application developers.";

// Counts the layouts that pass through it to the window.
class LayoutCounter : public ZQF_MarginGlyph {
 public:
  explicit LayoutCounter(ZQF_Glyph* Client) : ZQF_MarginGlyph(Client, ZQ_Point<long>(0, 0), 0) {}
  void UpdateMyDesiredSize() override { ++count, ZQF_MarginGlyph::UpdateMyDesiredSize(); }
  int count = 0;
};

void ManualZone(float Hours) {
  QueryOSForTimeZone = false, DaylightSavingTimeInEffect = false;
  for (auto zone = ZQTZ_TimeZone::GetStandardTimeZones(); zone.IsValid(); zone.Advance()) {
    if ((*zone).GetOffsetHours() == Hours) return void(TimeZone = *zone);
  }
}

std::string Str(const ZQ_String& s) { return s.GetText(); }
int NumLogLines() {
  const std::string log = Str(ZQ_GetDebugLogText());
  int n = 0;
  for (size_t at = 0; (at = log.find("Workspace recalculated:", at)) != std::string::npos; ++at) ++n;
  return n;
}
// The quoted texts of the last log line: the fields with the GMT label
// (0-8), the message (9), the results (10-15), the table (16-21), OSHA.
Strings Logged() {
  const std::string log = Str(ZQ_GetDebugLogText());
  const size_t start = log.rfind("Workspace recalculated:");
  Strings items;
  bool isInside = false;
  for (size_t i = start; i < log.size() && log[i] != '\n'; ++i) {
    if (log[i] != '"') {
      if (isInside) items.back() += log[i];
    } else if (isInside && log[i + 1] == '"') {
      items.back() += log[++i];
    } else if ((isInside = !isInside)) {
      items.emplace_back();
    }
  }
  return items;
}

class Workspace : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ManualZone(-5);
    ws = new MORV_WorkspaceGlyph;
    window = OpenAround(counter = new LayoutCounter(ws), ZQ_Rectangle<long>(10, 10, 1000, 720))
                 ->GetWindowHandle();
    Reload();
  }
  void Reload() { ws->LoadControls(), ws->UpdateCalculations(), PumpMessages(); }
  // The text field of an input in check order (MORV_InputField).
  ZQF_TextEditGlyph* Field(int Input) const {
    ZQF_TextEditGlyph* const fields[] = {
        ws->WindSpeedField, ws->SolarIrradianceField, ws->AirTemperatureField,
        ws->DeltaTemperatureField, ws->PressureField, ws->HumidityField, ws->TimeField, ws->DateField};
    return fields[Input];
  }

  SavedOptions restore;
  MORV_WorkspaceGlyph* ws = nullptr;
  LayoutCounter* counter = nullptr;
  HWND window = nullptr;
};

}  // namespace

TEST_F(Workspace, LoadControlsWritesFieldsUnitsAndGMTLabelAndHidesRowsByTheOptions) {
  const char* const english = "68|1000|10|50|2:00 pm|(GMT-5)|1/1/2010|0|29.9139|F W/m^2 mph % F in Hg";
  const struct {
    const char* name;
    void (*set)();
    std::string form;    // fields and GMT label in row order, then the units labels
    const char* hidden;  // form rows hidden
    const char* screenshot;
  } rows[] = {
      {"English, the system's +5.5 h; the delta row hidden at 2 m", [] { QueryOSForTimeZone = true; },
       "68|1000|10|50|2:00 pm|(GMT+5.5)|1/1/2010|0|29.9139|F W/m^2 mph % F in Hg", "6 ",
       "MORV-workspace-english"},
      {"metric, 2.5 m shows the delta row; -5 h with daylight saving",
       [] { UserInputUnits = 1, WindMeasurementHeight_m = 2.5, DaylightSavingTimeInEffect = true; },
       "20|1000|4.4704|50|2:00 pm|(GMT-4)|1/1/2010|0|1013|C W/m^2 m/s % C mb", "",
       "MORV-workspace-metric-delta"},
      {"2.49 m counts as 2 m; a zone of 0 h", [] { WindMeasurementHeight_m = 2.49, ManualZone(0); },
       "68|1000|10|50|2:00 pm|(GMT+0)|1/1/2010|0|29.9139|F W/m^2 mph % F in Hg", "6 ", nullptr},
      {"the four display switches off",
       [] { DisplayHeatIndex = DisplayArmyHeatCategory = DisplayArmyWorkRegimen = false,
            DisplayOSHAWorkRegimen = false; },
       english, "6 13 14 15 16 17 18 ", "MORV-workspace-rows-hidden"},
      {"switched on again", [] {}, english, "6 ", nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SavedOptions restoreRow;
    row.set();
    Reload();
    const Strings logged = Logged();
    std::string form, hidden;
    for (int i = 0; i < 9; ++i) form += logged[i] + "|";
    for (auto* units : {ws->AirTemperatureUnits, ws->SolarIrradianceUnits, ws->WindSpeedUnits,
                        ws->HumidityUnits, ws->DeltaTemperatureUnits, ws->PressureUnits}) {
      form += Str(units->GetText()) + (units == ws->PressureUnits ? "" : " ");
    }
    for (long i = 0; i < MORV_WorkspaceGlyph::NumRows; ++i) {
      if (ws->PropertyList->GetIsRowHidden(i)) hidden += std::to_string(i) + " ";
    }
    EXPECT_EQ(form, row.form);
    EXPECT_EQ(hidden, row.hidden);
    if (row.screenshot) SaveScreenshot(window, row.screenshot);
  }
  // The options dialog's reload after OK rewrites the fields in new units.
  UserInputUnits = 1;
  MORV_OptionsDialogWorkspace::ReloadControls();
  EXPECT_EQ(Logged()[0], "20");
}

TEST_F(Workspace, EachDisplaySwitchHidesAndShowsItsRowsInTheLayoutOfTheDialogsReload) {
  const struct {
    const char* name;
    bool* option;
    std::vector<ZQF_Glyph*> values;  // the rows' value glyphs
  } rows[] = {
      {"Heat Index", &DisplayHeatIndex, {ws->HeatIndexLabel}},
      {"Army Heat Category", &DisplayArmyHeatCategory, {ws->HeatCategoryLabel}},
      {"Army Work Regimen", &DisplayArmyWorkRegimen, {ws->RegimenDisplay}},
      {"OSHA Work Regimen", &DisplayOSHAWorkRegimen,
       {ws->OSHALabels[0], ws->OSHALabels[1], ws->OSHALabels[2]}},
  };
  for (const auto& row : rows) {
    std::vector<ZQ_Rectangle<long>> shown;
    for (ZQF_Glyph* value : row.values) shown.push_back(value->GetBoundingBox());
    for (bool isOn : {false, true}) {
      SCOPED_TRACE(std::string(row.name) + (isOn ? " on" : " off"));
      *row.option = isOn;
      MORV_OptionsDialogWorkspace::ReloadControls();  // what the dialog's OK does
      for (size_t i = 0; i < row.values.size(); ++i) {
        const ZQ_Rectangle<long>& box = row.values[i]->GetBoundingBox();
        EXPECT_EQ(box.Width == 0 && box.X < -10000, !isOn);  // parked out of sight when hidden
        if (isOn) {
          EXPECT_EQ(box, shown[i]);
        }
      }
    }
  }
}

TEST_F(Workspace, KeysAndTheTimeButtonRecalculateOnceHalfASecondAfterTheLastAndNeverAfterTheEnd) {
  ws->AirTemperatureField->SetValue(ZQ_String());
  ASSERT_TRUE(ws->AirTemperatureField->PutOnFocusPath());
  const int before = NumLogLines();
  DWORD fifth = 0;
  for (char key : std::string("100.5")) {
    ::PostMessageA(window, WM_CHAR, static_cast<unsigned char>(key), 1);
    fifth = ::GetTickCount();
    PumpFor(60);
  }
  EXPECT_EQ(NumLogLines(), before);
  PumpMessages([&] { return NumLogLines() > before; }, kPatienceMs);
  const DWORD elapsed = ::GetTickCount() - fifth;
  PumpFor(600);
  EXPECT_EQ(NumLogLines(), before + 1);
  EXPECT_TRUE(490 <= elapsed && elapsed < 1500) << elapsed;
  EXPECT_EQ(Logged()[0], "100.5");
  EXPECT_NEAR(AirTemperature_C, (100.5 - 32) * 5 / 9, 1e-9);
  // The current time button sets today's time and date, which the checks take.
  const ZQ_Rectangle<long>& button = ws->CurrentTimeButton->GetBoundingBox();
  const LPARAM middle = Point(button.X + button.Width / 2, button.Y + button.Height / 2);
  ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  ::PostMessageA(window, WM_LBUTTONUP, 0, middle);
  PumpMessages([&] { return NumLogLines() > before + 1; }, kPatienceMs);
  EXPECT_EQ(Logged()[4] + Logged()[6] + Logged()[9], Str(Time) + Str(Date));
  EXPECT_EQ(Str(ZQ_PointInTime::GetCurrentLocal().Format("{Date}")), Str(Date));
  // A recalculation still pending when the workspace goes never runs.
  ws->AirTemperatureField->PutOnFocusPath();
  ::PostMessageA(window, WM_CHAR, '5', 1);
  PumpFor(50);
  EXPECT_TRUE(ws->IsRecalculationPending());
  ::DestroyWindow(window);
  PumpFor(700);
  EXPECT_EQ(NumLogLines(), before + 2);
  EXPECT_EQ(MORV_OptionsDialogWorkspace::ReloadControls, nullptr);
}

namespace {

// What the workspace must pass to the model besides the options as they are.
struct ModelCall {
  int year, month, day, hour, minute, offset, adjustment;
  float solar, humidity, height;
};
// The message and the globe, wet bulb, WBGT and heat index texts the model
// gives for Call and the options.
Strings ModelTexts(const ModelCall& c) {
  float out[5] = {0, -9999, -9999, -9999, -9999};
  const auto air = static_cast<float>(AirTemperature_C);
  const int failed = CalculateMORV(
      c.year, c.month, c.day, c.hour, c.minute, c.offset, c.adjustment, float(Latitude),
      float(Longitude), c.solar, float(Pressure_mb), air, c.humidity, float(WindSpeed_MperS),
      c.height, float(DeltaTemperature_10_2_C), WindSpeedProfile, out, out + 1, out + 2, out + 3,
      out + 4);
  auto text = [](double celsius) {
    return Str(ZQ_ToString(ConvertTemperatureMetricToOutput(celsius), "1") + " " +
               GetTemperatureOutputUnitsLabel());
  };
  Strings texts{failed ? kModelError : ""};
  for (int i = 1; i < 5; ++i) texts.push_back(failed || out[i] == -9999.0f ? "-----" : text(out[i]));
  texts.push_back(text(ComputeHeatIndex_C(air, c.humidity)));
  return texts;
}

}  // namespace

TEST_F(Workspace, TheModelGetsWholeHourZonesTheAnchorAndTheClampedInputs) {
  const struct {
    const char* name;
    void (*set)();
    ModelCall call;
  } rows[] = {
      {"+5.5 h: +5 and the clock half an hour earlier", [] { QueryOSForTimeZone = true; },
       {2010, 1, 1, 13, 30, 5, 0, 1000, 50, 2}},
      {"+5.5 h at 00:10: the day before", [] { QueryOSForTimeZone = true, Time = "0:10"; },
       {2009, 12, 31, 23, 40, 5, 0, 1000, 50, 2}},
      {"-3.5 h at 00:10: -3 and 00:40", [] { ManualZone(-3.5), Time = "12:10 am", Date = "3/1/2012"; },
       {2012, 3, 1, 0, 40, -3, 0, 1000, 50, 2}},
      {"anchor end, 15 minutes, metric output: +15",
       [] { TimestampAnchor = 2, MetAveragingTime_Minutes = 15, UserOutputUnits = 2; },
       {2010, 1, 1, 14, 0, -5, 15, 1000, 50, 2}},
      {"an anchor out of range, its assertion ignored: 0",
       [] { TimestampAnchor = 3, MetAveragingTime_Minutes = 40, ZQ_SetAssertionMode(0); },
       {2010, 1, 1, 14, 0, -5, 0, 1000, 50, 2}},
      {"humidity and solar 0 go in as 1 and 0.1", [] { Humidity_percent = Solar_WperM2 = 0; },
       {2010, 1, 1, 14, 0, -5, 0, 0.1f, 1, 2}},
      {"2.4 m goes in as 2 m", [] { WindMeasurementHeight_m = 2.4, DeltaTemperature_10_2_C = 3; },
       {2010, 1, 1, 14, 0, -5, 0, 1000, 50, 2}},
      {"2.5 m goes in as it is, urban", [] { WindMeasurementHeight_m = 2.5, WindSpeedProfile = 1; },
       {2010, 1, 1, 14, 0, -5, 0, 1000, 50, 2.5}},
      {"a reference input the model fails on: only the heat index shows",
       [] {
         ManualZone(1), Time = "9:03", Date = "11/5/1997", TimestampAnchor = 2;
         MetAveragingTime_Minutes = 5, Latitude = -83.1978836, Longitude = -175.255539;
         Solar_WperM2 = 0, Pressure_mb = 894.321716, AirTemperature_C = 2.83343291;
         Humidity_percent = 1, WindSpeed_MperS = 7.84749985, WindMeasurementHeight_m = 51.7464409;
         DeltaTemperature_10_2_C = 1.51652694, WindSpeedProfile = 1;
       },
       {1997, 11, 5, 9, 3, 1, 5, 0.1f, 1, 51.7464409f}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SavedOptions restoreRow;
    row.set();
    Reload();
    ZQ_SetAssertionMode(3);
    const Strings logged = Logged(), wanted = ModelTexts(row.call);
    EXPECT_EQ(Strings(logged.begin() + 9, logged.begin() + 15), wanted);
    EXPECT_EQ(logged[9] == kModelError, &row == std::end(rows) - 1);
    if (!logged[9].empty()) {
      EXPECT_EQ(logged[15] + logged[24], "-----" "-----");
    }
  }
}

TEST_F(Workspace, TheHeatCategoryShowsInItsColoursWithRoomAroundColouredText) {
  // Noon sun at 35 N in July; the air warms until each category shows.
  ManualZone(-6), Time = "12:00 pm", Date = "7/1/2010", Latitude = 35, Longitude = -90;
  const ZQR_Color background[6] = {ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground), {255, 255, 255}, {75, 182, 108},
                                   {255, 249, 116}, {228, 93, 93}, {39, 37, 37}};
  const ZQR_Color text[6] = {ZQF_GetColorMetric(ZQF_ColorMetric_LabelText), {}, {}, {}, {}, {255, 255, 255}};
  int shown = 0;
  for (double air = 15; air < 50 && shown < 6; air += 0.25) {
    AirTemperature_C = air;
    Reload();
    int category = 0;
    while (category < 6 && Logged()[15] != Str(GetArmyHeatCategoryName(category))) ++category;
    if (category < shown) continue;
    SCOPED_TRACE("category " + std::to_string(category));
    shown = category + 1;
    ZQF_StoredAttributeLabelGlyph* label = ws->HeatCategoryLabel;
    EXPECT_EQ(label->Cust_GetBackgroundColor(), background[category]);
    EXPECT_EQ(label->Cust_GetTextColor(), text[category]);
    EXPECT_EQ(label->Cust_GetMargin(),
              ZQ_Point<long>(category ? ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).X : 0, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y));
    const std::string name = "MORV-workspace-category-" + std::to_string(category);
    const ZQIMG_Image shot = category > 1 ? SaveScreenshot(window, name) : CaptureClientArea(window);
    const ZQ_Rectangle<long>& box = label->GetBoundingBox();
    EXPECT_EQ(shot.GetPixelColor(box.X + 1, box.Y + 1), background[category]);
  }
  EXPECT_EQ(shown, 6);
}

TEST_F(Workspace, OnlyChangedResultsAreLaidOutAndTheTableOnlyRebuiltForAnotherWbgt) {
  const struct {
    const char* name;
    const char* humidity;  // typed into the humidity field
    bool isLaidOut, isRebuilt;
  } rows[] = {
      {"unchanged inputs", "50", false, false},
      {"another humidity", "51", true, true},
      {"a refused humidity: no WBGT", "x", true, true},
      {"another refused humidity: a new message, still no WBGT", "y", true, false},
      {"refused again alike", "y", false, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const int layouts = counter->count, lines = NumLogLines();
    const void* table = &ws->RegimenDisplay->GetInputDocument().GetFormattingObjectsTree();
    ws->HumidityField->SetValue(row.humidity);
    ws->UpdateCalculations();
    EXPECT_EQ(counter->count > layouts, row.isLaidOut);
    EXPECT_EQ(&ws->RegimenDisplay->GetInputDocument().GetFormattingObjectsTree() != table,
              row.isRebuilt);
    EXPECT_EQ(NumLogLines(), lines + 1);
  }
}

TEST_F(Workspace, AHiddenTableLaysNothingOutAndEachRecalculationLogsOneWholeLine) {
  DisplayArmyWorkRegimen = false;
  Reload();
  for (const char* air : {"80", "95", "60"}) {  // each another WBGT: the table is rebuilt
    SCOPED_TRACE(air);
    const LogMark mark;
    ws->AirTemperatureField->SetValue(air);
    ws->UpdateCalculations();
    PumpMessages();
    const std::string logged = mark.Since();
    EXPECT_EQ(logged.find(kRecalculated), 0u) << logged;
    EXPECT_EQ(std::count(logged.begin(), logged.end(), '\n'), 1) << logged;
    EXPECT_EQ(logged.back(), '\n');
    EXPECT_FALSE(ws->RegimenDisplay->IsLaidOut());
  }
}

TEST_F(Workspace, ABadTextShowsItsFieldsProblemAndDashesAndStoresNothing) {
  const Strings numbers = {"",      "abc",  "nan",    "inf",   "-inf", "0x10", "1,5", "5 ", "1e308",
                           "-1e308", "1e309", "-0", std::string(255, '7'), std::string(1 << 20, '7')};
  const Strings times = {"", "25:00", "2:60", "noon", "2 pm"};
  const Strings dates = {"", "31/31/2010", "2/30/2010", "13/1/2010", "1/1/1900", "1/1/2100"};
  for (int units = 0; units < 2; ++units) {
    for (int field = 0; field < MORV_NumInputFields; ++field) {
      const bool isNumber = field < MORV_NumNumericInputFields;
      const std::string name = isNumber ? MORV_GetNumericInputRule(field).Name
                                        : field == MORV_InputField_Time ? "time" : "date";
      for (const std::string& text : isNumber ? numbers : field == 6 ? times : dates) {
        SCOPED_TRACE(name + (units ? " metric [" : " English [") + text.substr(0, 20) + "]");
        UserInputUnits = units;
        Reload();
        const std::string before = DescribeOptions();
        Field(field)->SetValue(text.c_str());
        ws->UpdateCalculations();
        const Strings logged = Logged();
        EXPECT_LE(Field(field)->GetValue().GetLength(), 255);
        EXPECT_EQ(logged[9], Str(ws->MessageLabel->GetText()));  // inner quotes come back
        if (logged[9].empty() || logged[9] == kModelError) {
          EXPECT_TRUE(isNumber || Str(field == 6 ? Time : Date) == text);
        } else {
          EXPECT_EQ(logged[9].find("There is a problem with the " + name + ".  "), 0u);
          EXPECT_EQ(DescribeOptions(), before);
          EXPECT_EQ(logged[13] + logged[14] + logged[21], "-----" "-----" "-----");
        }
        if (field == 2 && !units && text == "abc") SaveScreenshot(window, "MORV-workspace-problem");
      }
    }
  }
  EXPECT_EQ(ws->MessageLabel->Cust_GetTextColor(), ZQR_Color(255, 0, 0));
}

TEST_F(Workspace, TwoThousandRandomTextsUnderRandomOptionsNeverShowANonNumber) {
  const char* const pieces[] = {"", "0", "1", "5", "9", "-", ".", "e", "308", "nan", "inf", "abc",
                                " ", ",", "x", "25", "100", ":", "/", "pm", "2010", "1e309"};
  std::mt19937 random(20261207);
  auto pick = [&](int n) { return static_cast<int>(random() % n); };
  ZQF_StoredLabelGlyph* const labels[] = {ws->GMTLabel, ws->MessageLabel, ws->GlobeLabel,
                                          ws->NaturalWetBulbLabel, ws->PsychrometricWetBulbLabel,
                                          ws->WbgtLabel, ws->HeatIndexLabel, ws->HeatCategoryLabel};
  const double heights[] = {1, 2, 2.49, 2.5, 60};
  for (int i = 0; i < 2000 && !HasFailure(); ++i) {
    if (i % 50 == 0) {
      UserInputUnits = pick(2), UserOutputUnits = pick(3), TimestampAnchor = pick(3);
      MetAveragingTime_Minutes = pick(1001), WindMeasurementHeight_m = heights[pick(5)];
      WindSpeedProfile = pick(2), QueryOSForTimeZone = pick(2);
      TimeZone = ZQTZ_TimeZone(pick(ZQTZ_TimeZone::NumStandardTimeZones));
      DaylightSavingTimeInEffect = pick(2);
      ws->LoadControls();
    }
    std::string text;
    for (int n = pick(4); n >= 0; --n) text += pieces[pick(sizeof pieces / sizeof *pieces)];
    Field(pick(8))->SetValue(text.c_str());
    ws->UpdateCalculations();
    SCOPED_TRACE(std::to_string(i) + " [" + text + "]");
    Strings logged = Logged();
    std::string shown = logged[5];
    for (int at = 10; at < 25; ++at) shown += "|" + logged[at];
    std::transform(shown.begin(), shown.end(), shown.begin(), ::tolower);
    EXPECT_TRUE(shown.find("nan") == std::string::npos && shown.find("inf") == std::string::npos)
        << shown;
    for (int at = 0; at < 8; ++at) EXPECT_EQ(Str(labels[at]->GetText()), logged[at ? at + 8 : 5]);
    for (int field = 0; field < MORV_NumNumericInputFields; ++field) {
      const MORV_NumericInputRule& rule = MORV_GetNumericInputRule(field);
      EXPECT_TRUE(rule.Lower <= *rule.Option && *rule.Option <= rule.Upper) << rule.Name;
    }
  }
}

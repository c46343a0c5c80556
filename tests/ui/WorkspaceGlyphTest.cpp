// The workspace in a real window under Xvfb: its rows and what the options
// hide, the fields and labels LoadControls writes, the delayed recalculation
// on a real timer with posted keys, the values the model is given and the
// results, colours and margins it shows, the log line, and bad input.
#include <algorithm>
#include <random>

#include "../gui/core/WindowTestSupport.h"
#include "../services/MessagePumpTestSupport.h"
#include "MORV_HeatGuidance.h"
#include "MORV_Model.h"
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
#include "ZQ_Numeric.h"
#include "ZQ_StringStream.h"

namespace {

using namespace MORV_Workspace;
using WS = MORV_WorkspaceGlyph;

// Counts the layouts that pass through it: a workspace that lays itself out
// again recomputes this parent's desired size.
class LayoutCounter : public ZQF_MarginGlyph {
 public:
  explicit LayoutCounter(ZQF_Glyph* Client) : ZQF_MarginGlyph(Client, ZQ_Point<long>(0, 0), 0) {}
  void UpdateMyDesiredSize() override { ++count, ZQF_MarginGlyph::UpdateMyDesiredSize(); }
  int count = 0;
};

int ZoneWithOffset(float Hours) {
  for (auto zone = ZQTZ_TimeZone::GetStandardTimeZones(); zone.IsValid(); zone.Advance()) {
    if ((*zone).GetOffsetHours() == Hours) return (*zone).GetId();
  }
  return -1;
}
void ManualZone(float Hours) {
  QueryOSForTimeZone = false, DaylightSavingTimeInEffect = false;
  TimeZone = ZQTZ_TimeZone(ZoneWithOffset(Hours));
}

std::string Str(const ZQ_String& s) { return s.GetText(); }
int NumLogLines() {
  const std::string log = Str(ZQ_GetDebugLogText());
  int n = 0;
  for (size_t at = 0; (at = log.find("Workspace recalculated:", at)) != std::string::npos; ++at) ++n;
  return n;
}
std::string LastLogLine() {
  const std::string log = Str(ZQ_GetDebugLogText());
  const size_t at = log.rfind("Workspace recalculated:");
  return at == std::string::npos ? "" : log.substr(at, log.find('\n', at) - at);
}

class Workspace : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ManualZone(-5);
    ws = new WS;
    counter = new LayoutCounter(ws);
    window = OpenAround(counter, ZQ_Rectangle<long>(10, 10, 1000, 720))->GetWindowHandle();
    Reload();
  }
  void Reload() { ws->LoadControls(), ws->UpdateCalculations(), PumpMessages(); }
  // The message and the nine result texts, as shown.
  std::vector<std::string> Results() const {
    std::vector<std::string> texts{Str(ws->MessageLabel->GetText())};
    ZQF_StoredLabelGlyph* const labels[] = {
        ws->GlobeLabel,        ws->NaturalWetBulbLabel, ws->PsychrometricWetBulbLabel,
        ws->WbgtLabel,         ws->HeatIndexLabel,      ws->HeatCategoryLabel,
        ws->OSHALabels[0],     ws->OSHALabels[1],       ws->OSHALabels[2]};
    for (ZQF_StoredLabelGlyph* label : labels) texts.push_back(Str(label->GetText()));
    return texts;
  }
  std::string Hidden() const {
    std::string rows;
    for (long row = 0; row < WS::NumRows; ++row) {
      if (ws->PropertyList->GetIsRowHidden(row)) rows += std::to_string(row) + " ";
    }
    return rows;
  }

  SavedOptions restore;
  WS* ws = nullptr;
  LayoutCounter* counter = nullptr;
  HWND window = nullptr;
};

}  // namespace

TEST_F(Workspace, LoadControlsWritesFieldsUnitsAndGMTLabelAndHidesRowsByTheOptions) {
  const struct {
    const char* name;
    void (*set)();
    const char* form;    // fields and GMT label in row order, then the units labels
    const char* hidden;  // form rows hidden
    const char* screenshot;
  } rows[] = {
      {"English, the system's +5.5 h; the delta row hidden at 2 m",
       [] { QueryOSForTimeZone = true; },
       "68|1000|10|50|2:00 pm|(GMT+5.5)|1/1/2010|0|29.9139/F W/m^2 mph % F in Hg", "6 ",
       "MORV-workspace-english"},
      {"metric, 2.5 m shows the delta row; -5 h with daylight saving",
       [] { UserInputUnits = 1, WindMeasurementHeight_m = 2.5, DaylightSavingTimeInEffect = true; },
       "20|1000|4.4704|50|2:00 pm|(GMT-4)|1/1/2010|0|1013/C W/m^2 m/s % C mb", "",
       "MORV-workspace-metric-delta"},
      {"2.49 m counts as 2 m; a zone of 0 h", [] { WindMeasurementHeight_m = 2.49, ManualZone(0); },
       "68|1000|10|50|2:00 pm|(GMT+0)|1/1/2010|0|29.9139/F W/m^2 mph % F in Hg", "6 ", nullptr},
      {"the four display switches off",
       [] { DisplayHeatIndex = DisplayArmyHeatCategory = DisplayArmyWorkRegimen = false,
            DisplayOSHAWorkRegimen = false; },
       "68|1000|10|50|2:00 pm|(GMT-5)|1/1/2010|0|29.9139/F W/m^2 mph % F in Hg",
       "6 13 14 15 16 17 18 ", "MORV-workspace-rows-hidden"},
      {"switched on again", [] {},
       "68|1000|10|50|2:00 pm|(GMT-5)|1/1/2010|0|29.9139/F W/m^2 mph % F in Hg", "6 ", nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SavedOptions restoreRow;
    row.set();
    Reload();
    std::string form;
    for (auto* field : {ws->AirTemperatureField, ws->SolarIrradianceField, ws->WindSpeedField,
                        ws->HumidityField, ws->TimeField}) {
      form += Str(field->GetValue()) + "|";
    }
    form += Str(ws->GMTLabel->GetText());
    for (auto* field : {ws->DateField, ws->DeltaTemperatureField, ws->PressureField}) {
      form += "|" + Str(field->GetValue());
    }
    char separator = '/';
    for (auto* units : {ws->AirTemperatureUnits, ws->SolarIrradianceUnits, ws->WindSpeedUnits,
                        ws->HumidityUnits, ws->DeltaTemperatureUnits, ws->PressureUnits}) {
      form += separator + Str(units->GetText()), separator = ' ';
    }
    EXPECT_EQ(form, row.form);
    EXPECT_EQ(Hidden(), row.hidden);
    if (row.screenshot) SaveScreenshot(window, row.screenshot);
  }
}

TEST_F(Workspace, FiveKeysWithinHalfASecondRecalculateOnceHalfASecondAfterTheFifth) {
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
  PumpFor(700);
  EXPECT_EQ(NumLogLines(), before + 1);
  EXPECT_GE(elapsed, 490u);
  EXPECT_LT(elapsed, 1500u);
  EXPECT_FALSE(ws->IsRecalculationPending());
  EXPECT_NEAR(AirTemperature_C, (100.5 - 32) * 5 / 9, 1e-9);
  EXPECT_EQ(LastLogLine().substr(0, 31), "Workspace recalculated: \"100.5\"");
}

namespace {

const char kModelError[] = "A computational error occurred.  Please contact the application developers.";

// What the workspace must pass to the model besides the options taken as
// they are.
struct ModelCall {
  int year, month, day, hour, minute, offset, adjustment;
  float solar, humidity, height;
};
// The message and the globe, wet bulb, WBGT and heat index texts that the
// model gives for Call and the options.
std::vector<std::string> ModelTexts(const ModelCall& c) {
  float out[5] = {};
  std::fill(out, out + 5, MORV_FailureValue);
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
  std::vector<std::string> texts{failed ? kModelError : ""};
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
      {"-3.5 h at 23:50: the next day", [] { ManualZone(-3.5), Time = "23:50", Date = "2/29/2012"; },
       {2012, 3, 1, 0, 20, -3, 0, 1000, 50, 2}},
      {"anchor end, 15 minutes: +15", [] { TimestampAnchor = 2, MetAveragingTime_Minutes = 15; },
       {2010, 1, 1, 14, 0, -5, 15, 1000, 50, 2}},
      {"anchor beginning: minus the period", [] { TimestampAnchor = 0, MetAveragingTime_Minutes = 40; },
       {2010, 1, 1, 14, 0, -5, -40, 1000, 50, 2}},
      {"humidity and solar 0 go in as 1 and 0.1", [] { Humidity_percent = Solar_WperM2 = 0; },
       {2010, 1, 1, 14, 0, -5, 0, 0.1f, 1, 2}},
      {"2.4 m goes in as 2 m", [] { WindMeasurementHeight_m = 2.4, DeltaTemperature_10_2_C = 3; },
       {2010, 1, 1, 14, 0, -5, 0, 1000, 50, 2}},
      {"2.5 m goes in as it is, urban", [] { WindMeasurementHeight_m = 2.5, WindSpeedProfile = 1; },
       {2010, 1, 1, 14, 0, -5, 0, 1000, 50, 2.5}},
      {"metric output from English input",
       [] { UserOutputUnits = 2, Latitude = -33.5, Longitude = 151.25; },
       {2010, 1, 1, 14, 0, -5, 0, 1000, 50, 2}},
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
    const std::vector<std::string> results = Results();
    const std::vector<std::string> wanted = ModelTexts(row.call);
    EXPECT_EQ(std::vector<std::string>(results.begin(), results.begin() + 6), wanted);
    EXPECT_EQ(results[0] == kModelError, &row == std::end(rows) - 1);
    if (!results[0].empty()) {
      EXPECT_EQ(results, (std::vector<std::string>{kModelError, "-----", "-----", "-----", "-----",
                                                   wanted[5], "-----", "-----", "-----", "-----"}));
    }
  }
}

TEST_F(Workspace, AnAnchorOutsideItsRangeFailsAnAssertionAndThenCountsAsTheMiddle) {
  TimestampAnchor = 3;
  EXPECT_THROW(ws->UpdateCalculations(), ZQ_Exception);
  ZQ_SetAssertionMode(0);
  ws->UpdateCalculations();
  ZQ_SetAssertionMode(3);
  EXPECT_EQ(Results()[4], ModelTexts({2010, 1, 1, 14, 0, -5, 0, 1000, 50, 2})[4]);
}

TEST_F(Workspace, TheHeatCategoryShowsInItsColoursWithRoomAroundColouredText) {
  // Noon sun at 35 N in July; the air warms until each category shows.
  ManualZone(-6), Time = "12:00 pm", Date = "7/1/2010", Latitude = 35, Longitude = -90;
  const ZQ_Point<long> sm3 = ZQF_GetSizeMetric(3), sm7 = ZQF_GetSizeMetric(7);
  const ZQR_Color background[6] = {ZQF_GetColorMetric(32), ZQR_Color(255, 255, 255),
                                   ZQR_Color(75, 182, 108), ZQR_Color(255, 249, 116),
                                   ZQR_Color(228, 93, 93), ZQR_Color(39, 37, 37)};
  const ZQR_Color text[6] = {ZQF_GetColorMetric(33), {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0},
                             {255, 255, 255}};
  int shown = 0;
  for (double air = 15; air < 50 && shown < 6; air += 0.25) {
    AirTemperature_C = air;
    Reload();
    int category = 0;
    while (category < 6 && ws->HeatCategoryLabel->GetText() != GetArmyHeatCategoryName(category)) {
      ++category;
    }
    if (category < shown) continue;
    SCOPED_TRACE("category " + std::to_string(category));
    shown = category + 1;
    ZQF_StoredAttributeLabelGlyph* label = ws->HeatCategoryLabel;
    EXPECT_EQ(Str(label->GetText()), Str(GetArmyHeatCategoryName(category)));
    EXPECT_EQ(label->Cust_GetBackgroundColor(), background[category]);
    EXPECT_EQ(label->Cust_GetTextColor(), text[category]);
    EXPECT_EQ(label->Cust_GetMargin(), ZQ_Point<long>(category ? sm7.X : 0, sm3.Y));
    const ZQIMG_Image shot =
        category >= 2 ? SaveScreenshot(window, "MORV-workspace-category-" + std::to_string(category))
                      : CaptureClientArea(window);
    const ZQ_Rectangle<long>& box = label->GetBoundingBox();
    EXPECT_EQ(shot.GetPixelColor(box.X + 1, box.Y + 1), background[category]);
  }
  EXPECT_EQ(shown, 6);
}

TEST_F(Workspace, OnlyChangedResultsAreLaidOutAndTheTableOnlyRebuiltForAnotherWbgt) {
  const struct {
    const char* name;
    const char* humidity;  // typed into the humidity field
    bool laidOut, rebuilt;
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
    EXPECT_EQ(counter->count > layouts, row.laidOut);
    EXPECT_EQ(&ws->RegimenDisplay->GetInputDocument().GetFormattingObjectsTree() != table,
              row.rebuilt);
    EXPECT_EQ(NumLogLines(), lines + 1);
  }
}

namespace {

// A result is "-----", a number with its unit, or a text of the model.
void ExpectNoNonNumber(const std::vector<std::string>& Texts) {
  for (std::string text : Texts) {
    std::transform(text.begin(), text.end(), text.begin(), ::tolower);
    EXPECT_TRUE(text.find("nan") == std::string::npos && text.find("inf") == std::string::npos)
        << text;
  }
}

}  // namespace

TEST_F(Workspace, EachBadNumberIsRefusedWithItsMessageAndNothingIsStored) {
  enum Want { Stored, NotANumber, Low, High };
  const std::string digits255(255, '7');
  struct Case {
    std::string text;
    Want want;
  };
  const std::vector<Case> texts = {
      {"", NotANumber},      {"abc", NotANumber}, {"nan", NotANumber}, {"inf", NotANumber},
      {"-inf", NotANumber},  {"0x10", NotANumber}, {"1,5", NotANumber}, {"5 ", NotANumber},
      {"1e309", NotANumber}, {"1e308", High},      {"-1e308", Low},     {digits255, High},
      {std::string(1 << 20, '7'), High}};  // a pasted megabyte: cut to 255 digits
  for (int units = 0; units < 2; ++units) {
    for (int field = 0; field < MORV_NumNumericInputFields; ++field) {
      const MORV_NumericInputRule& rule = MORV_GetNumericInputRule(field);
      ZQF_TextEditGlyph* edit[] = {ws->WindSpeedField,    ws->SolarIrradianceField,
                                   ws->AirTemperatureField, ws->DeltaTemperatureField,
                                   ws->PressureField,     ws->HumidityField};
      SCOPED_TRACE(std::string(rule.Name) + (units ? " metric" : " English"));
      SavedOptions restoreRow;
      UserInputUnits = units;
      Reload();
      // Each bound in the input units, just inside and just beyond.
      std::vector<Case> cases = texts;
      double (*const toInput[])(double) = {
          ConvertWindSpeedMetricToInput,   ConvertSolarIrradianceMetricToInput,
          ConvertTemperatureMetricToInput, ConvertTemperatureDifferenceMetricToInput,
          ConvertPressureMetricToInput,    ConvertHumidityMetricToInput};
      for (int side = 0; side < 2; ++side) {
        const double bound = toInput[field](side ? rule.Upper : rule.Lower);
        const double inward = side ? -1 : 1;
        cases.push_back({std::to_string(bound + inward * 1e-6 * (1 + std::fabs(bound))), Stored});
        cases.push_back({std::to_string(bound - inward * 1e-3), side ? High : Low});
      }
      cases.push_back({"-0", rule.Lower > 0 ? Low : Stored});
      for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        const double before = *rule.Option;
        edit[field]->SetValue(c.text.c_str());
        ws->UpdateCalculations();
        const std::string shown = Str(edit[field]->GetValue());
        EXPECT_LE(shown.size(), 255u);
        const std::string message =
            c.want == NotANumber ? Str(GetErrorMessage_BadNumericFormat(rule.Name, shown.c_str()))
            : c.want == Low      ? Str(GetErrorMessage_UnrealisticallyLowValue(rule.Name))
            : c.want == High     ? Str(GetErrorMessage_UnrealisticallyHighValue(rule.Name))
                                 : "";
        // A stored extreme value may be one the model cannot work with.
        const std::vector<std::string> results = Results();
        EXPECT_EQ(results[0] == kModelError ? "" : results[0], message);
        if (c.want != Stored) {
          EXPECT_EQ(*rule.Option, before);
        }
        EXPECT_FALSE(*rule.Option == 0 && std::signbit(*rule.Option));  // "-0" is 0
        ExpectNoNonNumber({results.begin() + 1, results.end()});
        if (field == MORV_InputField_AirTemperature && !units && c.text == "abc") {
          SaveScreenshot(window, "MORV-workspace-problem");
        }
        ws->LoadControls();
      }
    }
  }
}

TEST_F(Workspace, BadTimesAndDatesAreRefusedWithTheirMessages) {
  const std::string time = "There is a problem with the time.  Enter the time in either 2:15pm or "
                           "14:15 format.";
  const std::string date = "There is a problem with the date.  Enter the date in either \"M/D/Y\" "
                           "or \"May 15 2010\" format.";
  const std::string year = "There is a problem with the date.  The year must lie between 1950 and "
                           "2049.";
  const struct {
    bool isTime;
    const char* text;
    const std::string& message;
  } rows[] = {{true, "", time},           {true, "25:00", time},       {true, "2:60", time},
              {true, "noon", time},       {false, "", date},           {false, "31/31/2010", date},
              {false, "2/30/2010", date}, {false, "13/1/2010", date},  {false, "1/1/1900", year},
              {false, "1/1/2100", year}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    (row.isTime ? ws->TimeField : ws->DateField)->SetValue(row.text);
    ws->UpdateCalculations();
    EXPECT_EQ(Results()[0], row.message);
    EXPECT_EQ(Str(Time) + " " + Str(Date), "2:00 pm 1/1/2010");
    std::vector<std::string> wanted(10, "-----");
    wanted[0] = row.message;
    EXPECT_EQ(Results(), wanted);
    EXPECT_EQ(Str(ws->GetTableValues()[5]), "-----");
    EXPECT_EQ(ws->MessageLabel->Cust_GetTextColor(), ZQR_Color(255, 0, 0));
    ws->LoadControls();
  }
}

TEST_F(Workspace, TwoThousandRandomTextsUnderRandomOptionsNeverShowANonNumber) {
  const char* const pieces[] = {"", "0", "1", "5", "9", "-", ".", "e", "308", "nan", "inf", "abc",
                                " ", ",", "x", "25", "100", ":", "/", "pm", "2010", "1e309"};
  std::mt19937 random(20261207);
  auto pick = [&](int n) { return static_cast<int>(random() % n); };
  ZQF_TextEditGlyph* fields[] = {
      ws->WindSpeedField, ws->SolarIrradianceField, ws->AirTemperatureField,
      ws->DeltaTemperatureField, ws->PressureField, ws->HumidityField, ws->TimeField, ws->DateField};
  const double heights[] = {1, 2, 2.49, 2.5, 60};
  for (int i = 0; i < 2000; ++i) {
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
    fields[pick(8)]->SetValue(text.c_str());
    ws->UpdateCalculations();
    SCOPED_TRACE(std::to_string(i) + " [" + text + "]");
    std::vector<std::string> shown = Results();
    for (int v = 0; v < 6; ++v) shown.push_back(Str(ws->GetTableValues()[v]));
    shown.push_back(Str(ws->GMTLabel->GetText()));
    ExpectNoNonNumber({shown.begin() + 1, shown.end()});
    for (int field = 0; field < MORV_NumNumericInputFields; ++field) {
      const MORV_NumericInputRule& rule = MORV_GetNumericInputRule(field);
      EXPECT_TRUE(rule.Lower <= *rule.Option && *rule.Option <= rule.Upper) << rule.Name;
    }
    if (HasFailure()) break;
  }
}

TEST_F(Workspace, TheCurrentTimeButtonSetsTodaysTimeAndDateThatTheChecksAccept) {
  const int lines = NumLogLines();
  const ZQ_Rectangle<long>& button = ws->CurrentTimeButton->GetBoundingBox();
  const LPARAM middle = Point(button.X + button.Width / 2, button.Y + button.Height / 2);
  ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  ::PostMessageA(window, WM_LBUTTONUP, 0, middle);
  PumpMessages([&] { return NumLogLines() > lines; }, kPatienceMs);
  EXPECT_EQ(ws->TimeField->GetValue(), Time);
  EXPECT_EQ(ws->DateField->GetValue(), Date);
  EXPECT_EQ(Str(ZQ_PointInTime::GetCurrentLocal().Format("{Date}")), Str(Date));
  EXPECT_EQ(Str(MORV_CheckTimeText(Time)) + Str(MORV_CheckDateText(Date)), "");
  EXPECT_EQ(Results()[0], "");
  EXPECT_EQ(NumLogLines(), lines + 1);
}

TEST_F(Workspace, EachRecalculationLogsTheFormQuotedInRowOrder) {
  const struct {
    const char* name;
    const char* date;
    const char* line;
  } rows[] = {
      {"results", "1/1/2010",
       "Workspace recalculated: \"68\" \"1000\" \"10\" \"50\" \"2:00 pm\" \"(GMT-5)\" \"1/1/2010\" "
       "\"0\" \"29.9139\" \"\" \"83.4 F\" \"59.2 F\" \"56.5 F\" \"64.9 F\" \"68.0 F\" \"0\" "
       "\"no limit\" \"1/2\" \"no limit\" \"3/4\" \"no limit\" \"3/4\" "
       "\"continuous work  (light work load)\" \"continuous work  (moderate work load)\" "
       "\"continuous work  (heavy work load)\""},
      {"a message with inner quotes doubled", "31/31/2010",
       "Workspace recalculated: \"68\" \"1000\" \"10\" \"50\" \"2:00 pm\" \"(GMT-5)\" "
       "\"31/31/2010\" \"0\" \"29.9139\" \"There is a problem with the date.  Enter the date in "
       "either \"\"M/D/Y\"\" or \"\"May 15 2010\"\" format.\" \"-----\" \"-----\" \"-----\" "
       "\"-----\" \"-----\" \"-----\" \"-----\" \"-----\" \"-----\" \"-----\" \"-----\" \"-----\" "
       "\"-----\" \"-----\" \"-----\""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ws->DateField->SetValue(row.date);
    ws->UpdateCalculations();
    EXPECT_EQ(LastLogLine(), row.line);
  }
}

TEST_F(Workspace, APendingRecalculationEndsWithTheWorkspace) {
  ASSERT_TRUE(ws->AirTemperatureField->PutOnFocusPath());
  ::PostMessageA(window, WM_CHAR, '5', 1);
  PumpFor(50);
  ASSERT_TRUE(ws->IsRecalculationPending());
  const int lines = NumLogLines();
  ::DestroyWindow(window);
  PumpFor(700);
  EXPECT_EQ(NumLogLines(), lines);
}

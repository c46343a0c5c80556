#include "MORV_WorkspaceChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "MORV_WorkspaceOptions.h"
#include "OptionsTestSupport.h"

namespace {

using namespace MORV_Workspace;

std::string Text(const ZQ_String& s) { return std::string(s.GetText(), s.GetLength()); }

// Valid texts for the eight fields in the input units in force when made;
// a test replaces some.
struct Fields {
  ZQ_String texts[MORV_NumInputFields] = {"5", "500", "20", "0", "1000", "50", "2:00 pm", "1/1/2010"};
  Fields() {
    if (UserInputUnits != 1) texts[MORV_InputField_Pressure] = "29.92";
  }
  int failed = -2;
  std::string message;
  void Check() {
    ZQ_String text;
    failed = MORV_CheckAndStoreInputs(texts, text);
    message = Text(text);
  }
};

double* OptionOf(int field) { return MORV_GetNumericInputRule(field).Option; }

const char kTimeMessage[] =
    "There is a problem with the time.  Enter the time in either 2:15pm or 14:15 format.";
const char kDateMessage[] =
    "There is a problem with the date.  Enter the date in either \"M/D/Y\" or \"May 15 2010\" "
    "format.";
const char kYearMessage[] =
    "There is a problem with the date.  The year must lie between 1950 and 2049.";

}  // namespace

TEST(WorkspaceChecks, MessagesReadExactly) {
  const std::string forty(40, '7');
  const struct { ZQ_String got; std::string want; } kCases[] = {
      {GetErrorMessage_BadNumericFormat("wind speed", "abc"),
       "There is a problem with the wind speed.  The text \"abc\" cannot be interpreted as a number."},
      {GetErrorMessage_BadNumericFormat("air temperature", ""),
       "There is a problem with the air temperature.  The text \"\" cannot be interpreted as a number."},
      {GetErrorMessage_BadNumericFormat("relative humidity", forty.c_str()),
       "There is a problem with the relative humidity.  The text \"" + forty +
           "\" cannot be interpreted as a number."},
      {GetErrorMessage_BadNumericFormat("relative humidity", (forty + "8").c_str()),
       "There is a problem with the relative humidity.  The text \"" + forty +
           "...\" cannot be interpreted as a number."},
      {GetErrorMessage_UnrealisticallyLowValue("10m-2m delta temperature"),
       "There is a problem with the 10m-2m delta temperature.  The value given is unrealistically low."},
      {GetErrorMessage_UnrealisticallyHighValue("atmospheric pressure"),
       "There is a problem with the atmospheric pressure.  The value given is unrealistically high."},
      {MORV_CheckTimeText("noon"), kTimeMessage},
      {MORV_CheckDateText("31/31/2010"), kDateMessage},
      {MORV_CheckDateText("1/1/2100"), kYearMessage},
  };
  for (const auto& c : kCases) EXPECT_EQ(Text(c.got), c.want);
}

TEST(WorkspaceChecks, NumericFieldsTakeTheirBoundsInBothUnitSystems) {
  // Bounds hold after conversion to metric units.
  const struct {
    int field, units;
    const char *atLower, *belowLower, *atUpper, *aboveUpper;
    const char* name;
  } kCases[] = {
      {MORV_InputField_WindSpeed, 1, "0", "-0.1", "50", "50.001", "wind speed"},
      {MORV_InputField_WindSpeed, 0, "0", "-0.001", "111.8468", "111.847", "wind speed"},
      {MORV_InputField_SolarIrradiance, 1, "0", "-0.001", "3000", "3000.001", "solar irradiance"},
      {MORV_InputField_SolarIrradiance, 0, "0", "-0.001", "3000", "3000.001", "solar irradiance"},
      {MORV_InputField_AirTemperature, 1, "-75", "-75.001", "70", "70.001", "air temperature"},
      {MORV_InputField_AirTemperature, 0, "-103", "-103.001", "158", "158.001", "air temperature"},
      {MORV_InputField_DeltaTemperature, 1, "-20", "-20.001", "20", "20.001",
       "10m-2m delta temperature"},
      {MORV_InputField_DeltaTemperature, 0, "-36", "-36.001", "36", "36.001",
       "10m-2m delta temperature"},
      {MORV_InputField_Pressure, 1, "500", "499.999", "1500", "1500.001", "atmospheric pressure"},
      {MORV_InputField_Pressure, 0, "14.765", "14.7649", "44.2949", "44.295", "atmospheric pressure"},
      {MORV_InputField_Humidity, 1, "0", "-0.001", "100", "100.5", "relative humidity"},
      {MORV_InputField_Humidity, 0, "0", "-0.001", "100", "100.001", "relative humidity"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.name) + (c.units == 1 ? " (metric)" : " (English)"));
    SavedOptions scoped;
    UserInputUnits = c.units;
    const struct { const char* text; const char* problem; } kTexts[] = {
        {c.atLower, nullptr}, {c.atUpper, nullptr},
        {c.belowLower, "low."}, {c.aboveUpper, "high."},
    };
    for (const auto& t : kTexts) {
      SCOPED_TRACE(t.text);
      Fields fields;
      fields.texts[c.field] = t.text;
      *OptionOf(c.field) = -1234.5;
      fields.Check();
      if (t.problem) {
        EXPECT_EQ(fields.failed, c.field);
        EXPECT_EQ(fields.message, "There is a problem with the " + std::string(c.name) +
                                      ".  The value given is unrealistically " + t.problem);
        EXPECT_EQ(*OptionOf(c.field), -1234.5);
      } else {
        EXPECT_EQ(fields.failed, -1);
        EXPECT_EQ(fields.message, "");
        EXPECT_NEAR(*OptionOf(c.field), MORV_GetNumericInputRule(c.field).InputToMetric(
                                            std::atof(t.text)), 1e-9);
      }
    }
  }
}

TEST(WorkspaceChecks, TextsThatAreNoNumberAreRefusedWithTheirText) {
  const std::string digits(256, '1');
  const std::string page(1 << 20, '9');
  const struct { std::string text; const char* quoted; } kCases[] = {
      {"", ""}, {"abc", "abc"}, {"nan", "nan"}, {"inf", "inf"}, {"-inf", "-inf"},
      {"0x10", "0x10"}, {"1,5", "1,5"}, {"5 ", "5 "}, {"1e309", "1e309"},
      {digits, "1111111111111111111111111111111111111111..."},
      {page, "9999999999999999999999999999999999999999..."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    SavedOptions scoped;
    Fields fields;
    fields.texts[MORV_InputField_Humidity] = ZQ_String(c.text.data(), c.text.size());
    Humidity_percent = 42.0;
    fields.Check();
    EXPECT_EQ(fields.failed, MORV_InputField_Humidity);
    EXPECT_EQ(fields.message, std::string("There is a problem with the relative humidity.  The text \"") +
                                  c.quoted + "\" cannot be interpreted as a number.");
    EXPECT_EQ(Humidity_percent, 42.0);
  }
}

TEST(WorkspaceChecks, ExtremeNumbersAreOutOfRangeByTheirSignAndMinusZeroIsStoredAsZero) {
  const struct { int field, units; const char* text; int failed; const char* why; } kCases[] = {
      {MORV_InputField_WindSpeed, 1, "1e308", MORV_InputField_WindSpeed, "huge"},
      {MORV_InputField_WindSpeed, 1, "-1e308", MORV_InputField_WindSpeed, "huge negative"},
      {MORV_InputField_Pressure, 0, "1e308", MORV_InputField_Pressure, "infinite after conversion"},
      {MORV_InputField_Pressure, 0, "-1e308", MORV_InputField_Pressure, "minus infinite after conversion"},
      {MORV_InputField_DeltaTemperature, 0, "-0", -1, "minus zero"},
      {MORV_InputField_WindSpeed, 1, "-0", -1, "minus zero"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    SavedOptions scoped;
    UserInputUnits = c.units;
    Fields fields;
    fields.texts[c.field] = c.text;
    fields.Check();
    EXPECT_EQ(fields.failed, c.failed);
    if (c.failed < 0) {
      EXPECT_EQ(*OptionOf(c.field), 0.0);
      EXPECT_FALSE(std::signbit(*OptionOf(c.field)));
    } else {
      EXPECT_EQ(fields.message.back(), '.');
      EXPECT_NE(fields.message.find(c.text[0] == '-' ? "low." : "high."), std::string::npos);
    }
  }
}

TEST(WorkspaceChecks, PressureInInchesPassesOnlyInEnglishUnits) {
  SavedOptions scoped;
  Fields fields;
  fields.texts[MORV_InputField_Pressure] = "29.92";
  UserInputUnits = 0;
  fields.texts[MORV_InputField_WindSpeed] = "10";
  fields.texts[MORV_InputField_AirTemperature] = "68";
  fields.Check();
  EXPECT_EQ(fields.failed, -1);
  EXPECT_NEAR(Pressure_mb, 1013.21, 0.005);
  UserInputUnits = 1;
  fields.Check();
  EXPECT_EQ(fields.failed, MORV_InputField_Pressure);
  EXPECT_NE(fields.message.find("atmospheric pressure.  The value given is unrealistically low."),
            std::string::npos);
}

TEST(WorkspaceChecks, TimeAndDateAreStoredAsTypedWhenTheyParse) {
  const std::string padded = "2:00 pm" + std::string(300, ' ');
  const struct { int field; std::string text; const char* message; } kCases[] = {
      {MORV_InputField_Time, "2:15pm", ""},
      {MORV_InputField_Time, "14:15", ""},
      {MORV_InputField_Time, "", kTimeMessage},
      {MORV_InputField_Time, "25:00", kTimeMessage},
      {MORV_InputField_Time, "2:60", kTimeMessage},
      {MORV_InputField_Time, "noon", kTimeMessage},
      {MORV_InputField_Time, padded, kTimeMessage},
      {MORV_InputField_Date, "7/4/2009", ""},
      {MORV_InputField_Date, "May 15 2010", ""},
      {MORV_InputField_Date, "1/1/1950", ""},
      {MORV_InputField_Date, "12/31/2049", ""},
      {MORV_InputField_Date, "", kDateMessage},
      {MORV_InputField_Date, "31/31/2010", kDateMessage},
      {MORV_InputField_Date, "2/30/2010", kDateMessage},
      {MORV_InputField_Date, "13/1/2010", kDateMessage},
      {MORV_InputField_Date, "12/31/1949", kYearMessage},
      {MORV_InputField_Date, "1/1/1900", kYearMessage},
      {MORV_InputField_Date, "1/1/2100", kYearMessage},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    SavedOptions scoped;
    ZQ_String& option = c.field == MORV_InputField_Time ? Time : Date;
    const std::string before = Text(option);
    Fields fields;
    fields.texts[c.field] = ZQ_String(c.text.data(), c.text.size());
    fields.Check();
    EXPECT_EQ(fields.message, c.message);
    EXPECT_EQ(fields.failed, *c.message ? c.field : -1);
    EXPECT_EQ(Text(option), *c.message ? before : c.text);
  }
}

TEST(WorkspaceChecks, TheLastFailureWinsAndEveryValidFieldIsStored) {
  SavedOptions scoped;
  UserInputUnits = 1;
  Fields fields;
  fields.texts[MORV_InputField_WindSpeed] = "abc";
  fields.texts[MORV_InputField_AirTemperature] = "31.5";
  fields.texts[MORV_InputField_Time] = "14:15";
  fields.texts[MORV_InputField_Date] = "31/31/2010";
  WindSpeed_MperS = 3.0;
  fields.Check();
  EXPECT_EQ(fields.failed, MORV_InputField_Date);
  EXPECT_EQ(fields.message, kDateMessage);
  EXPECT_EQ(WindSpeed_MperS, 3.0);
  EXPECT_EQ(AirTemperature_C, 31.5);
  EXPECT_EQ(Pressure_mb, 1000.0);
  EXPECT_EQ(Text(Time), "14:15");
  EXPECT_EQ(Text(Date), "1/1/2010");
  // With the date mended, the wind speed's message is the one left.
  fields.texts[MORV_InputField_Date] = "5/15/2010";
  fields.Check();
  EXPECT_EQ(fields.failed, MORV_InputField_WindSpeed);
  EXPECT_EQ(fields.message,
            "There is a problem with the wind speed.  The text \"abc\" cannot be interpreted as a number.");
  EXPECT_EQ(Text(Date), "5/15/2010");
}

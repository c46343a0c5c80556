#include "MORV_WorkspaceChecks.h"

#include "MORV_UnitConversions.h"
#include "MORV_WorkspaceOptions.h"
#include "ZQ_Assertion.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_StringSubs.h"

namespace {

using namespace MORV_Workspace;

// The bounds are what the model can work with, checked after conversion, so
// they hold in both unit systems.
const MORV_NumericInputRule kNumericRules[MORV_NumNumericInputFields] = {
    {"wind speed", 0.0, 50.0, &ConvertWindSpeedInputToMetric, &WindSpeed_MperS},
    {"solar irradiance", 0.0, 3000.0, &ConvertSolarIrradianceInputToMetric, &Solar_WperM2},
    {"air temperature", -75.0, 70.0, &ConvertTemperatureInputToMetric, &AirTemperature_C},
    {"10m-2m delta temperature", -20.0, 20.0, &ConvertTemperatureDifferenceInputToMetric,
     &DeltaTemperature_10_2_C},
    {"atmospheric pressure", 500.0, 1500.0, &ConvertPressureInputToMetric, &Pressure_mb},
    {"relative humidity", 0.0, 100.0, &ConvertHumidityInputToMetric, &Humidity_percent},
};

// The model's calendar (its solar tables) covers these years only.
const int kFirstYear = 1950;
const int kLastYear = 2049;
const int kMaxQuotedCharacters = 40;

ZQ_String ProblemWith(const ZQ_String& FieldName) {
  return "There is a problem with the " + FieldName + ".  ";
}

// The message for one numeric text; empty when its value was stored.
ZQ_String CheckAndStoreNumber(const MORV_NumericInputRule& Rule, const ZQ_String& Text) {
  bool isError = false;
  const double typed = ZQ_StringSubs::StringToDouble(Text, isError);
  if (isError) return GetErrorMessage_BadNumericFormat(Rule.Name, Text);
  // A huge typed value may convert to an infinity, which the bounds then
  // refuse by its sign.
  double value = Rule.InputToMetric(typed);
  if (value < Rule.Lower) return GetErrorMessage_UnrealisticallyLowValue(Rule.Name);
  if (value > Rule.Upper) return GetErrorMessage_UnrealisticallyHighValue(Rule.Name);
  if (value == 0.0) value = 0.0;  // "-0" is stored as 0
  *Rule.Option = value;
  return ZQ_String();
}

}  // namespace

const MORV_NumericInputRule& MORV_GetNumericInputRule(int Field) {
  ZQ_ASSERT(0 <= Field && Field < MORV_NumNumericInputFields);
  if (Field < 0 || Field >= MORV_NumNumericInputFields) Field = 0;
  return kNumericRules[Field];
}

ZQ_String GetErrorMessage_BadNumericFormat(const ZQ_String& FieldName, const ZQ_String& Text) {
  const ZQ_String quoted = Text.GetLength() <= kMaxQuotedCharacters
                               ? Text
                               : Text.GetLeft(kMaxQuotedCharacters) + "...";
  return ProblemWith(FieldName) + "The text \"" + quoted + "\" cannot be interpreted as a number.";
}

ZQ_String GetErrorMessage_UnrealisticallyLowValue(const ZQ_String& FieldName) {
  return ProblemWith(FieldName) + "The value given is unrealistically low.";
}

ZQ_String GetErrorMessage_UnrealisticallyHighValue(const ZQ_String& FieldName) {
  return ProblemWith(FieldName) + "The value given is unrealistically high.";
}

ZQ_String MORV_CheckTimeText(const ZQ_String& Text) {
  ZQ_Time time;
  if (Text.GetLength() <= MORV_MaxInputTextLength && ZQ_Time::Parse(Text, time, 0, nullptr)) {
    return ZQ_String();
  }
  return ProblemWith("time") + "Enter the time in either 2:15pm or 14:15 format.";
}

ZQ_String MORV_CheckDateText(const ZQ_String& Text) {
  ZQ_Date date;
  if (Text.GetLength() > MORV_MaxInputTextLength ||
      !ZQ_Date::Parse(Text, date, ZQ_Date::Parse_US, nullptr)) {
    return ProblemWith("date") + "Enter the date in either \"M/D/Y\" or \"May 15 2010\" format.";
  }
  const int year = date.GetDMY().Year;
  if (year < kFirstYear || year > kLastYear) {
    return ProblemWith("date") + "The year must lie between 1950 and 2049.";
  }
  return ZQ_String();
}

int MORV_CheckAndStoreInputs(const ZQ_String (&Texts)[MORV_NumInputFields], ZQ_String& Message) {
  Message = ZQ_String();
  int failedField = -1;
  // Every field is checked, so that each valid one is stored; the last
  // failure's message is the one shown.
  for (int field = 0; field < MORV_NumInputFields; ++field) {
    ZQ_String problem;
    if (field < MORV_NumNumericInputFields) {
      problem = CheckAndStoreNumber(kNumericRules[field], Texts[field]);
    } else {
      const bool isTime = field == MORV_InputField_Time;
      problem = isTime ? MORV_CheckTimeText(Texts[field]) : MORV_CheckDateText(Texts[field]);
      if (problem.IsEmpty()) (isTime ? Time : Date) = Texts[field];
    }
    if (!problem.IsEmpty()) {
      Message = problem;
      failedField = field;
    }
  }
  return failedField;
}

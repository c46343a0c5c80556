// MORV_WorkspaceChecks.h: the checks of the workspace's eight input texts
// and their messages for the user. Each valid text is stored in its option
// (MORV_WorkspaceOptions.h): numbers converted to metric units, the time and
// date as typed; a refused text leaves its option as it was, so the options
// always hold the last accepted values. Nothing here throws on bad text; UI
// thread only.
#pragma once

#include "ZQ_String.h"

// The input fields in the order they are checked.
enum MORV_InputField {
  MORV_InputField_WindSpeed,
  MORV_InputField_SolarIrradiance,
  MORV_InputField_AirTemperature,
  MORV_InputField_DeltaTemperature,
  MORV_InputField_Pressure,
  MORV_InputField_Humidity,
  MORV_InputField_Time,
  MORV_InputField_Date,
  MORV_NumInputFields,
  MORV_NumNumericInputFields = MORV_InputField_Time
};

// A numeric field: its name in messages, its inclusive bounds in metric
// units, the converter from the input units and the option it fills.
struct MORV_NumericInputRule {
  const char* Name;
  double Lower, Upper;
  double (*InputToMetric)(double);
  double* Option;
};
// Field is one of the six numeric fields (asserted).
const MORV_NumericInputRule& MORV_GetNumericInputRule(int Field);

// The most characters a field's text may have; longer texts are refused.
const int MORV_MaxInputTextLength = 255;

// "There is a problem with the <field>.  The text "<text>" cannot be
// interpreted as a number." A text longer than 40 characters is quoted by
// its first 40 followed by "...", so that a pasted page keeps the message
// one line.
ZQ_String GetErrorMessage_BadNumericFormat(const ZQ_String& FieldName, const ZQ_String& Text);
// "There is a problem with the <field>.  The value given is unrealistically low."
ZQ_String GetErrorMessage_UnrealisticallyLowValue(const ZQ_String& FieldName);
// "There is a problem with the <field>.  The value given is unrealistically high."
ZQ_String GetErrorMessage_UnrealisticallyHighValue(const ZQ_String& FieldName);

// The message for a time text, empty when the text is a time.
ZQ_String MORV_CheckTimeText(const ZQ_String& Text);
// The message for a date text, empty when it is a date (month first) of a
// year the model takes, 1950 to 2049.
ZQ_String MORV_CheckDateText(const ZQ_String& Text);

// Checks the eight texts in field order and stores each valid one in its
// option. Returns the last field that failed, with its message in Message,
// or -1 with Message empty when all passed.
int MORV_CheckAndStoreInputs(const ZQ_String (&Texts)[MORV_NumInputFields], ZQ_String& Message);

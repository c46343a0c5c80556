#include "ZQ_Internationalization.h"

#include "ZQ_Internationalization_Locale.h"

#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatterManipulator.h"

namespace {

int s_operationMode = ZQ_Internationalization_OperationMode_NotStarted;
ZQ_Internationalization_DictionaryLookup s_lookup = nullptr;

const char kContextMarker[] = "-:-";
const int kContextMarkerLength = 3;

}  // namespace

void ZQ_Internationalization_SetOperationMode(int Mode) { s_operationMode = Mode; }

int ZQ_Internationalization_GetOperationMode() { return s_operationMode; }

ZQ_Internationalization_DictionaryLookup
ZQ_Internationalization_SetDictionaryLookup(
    ZQ_Internationalization_DictionaryLookup Lookup) {
  ZQ_Internationalization_DictionaryLookup previous = s_lookup;
  s_lookup = Lookup;
  return previous;
}

void ZQ_Internationalization_StripContextMarkerText(ZQ_String& Text) {
  ZQ_TRACE_FUNCTION("ZQ_Internationalization_StripContextMarkerText");
  const int marker = Text.Find(kContextMarker, kContextMarkerLength, 0, false);
  if (marker != ZQ_NoMatch) Text.Replace(0, marker + kContextMarkerLength, nullptr, 0);
}

ZQ_String ZQ_Internationalization_Translate(const ZQ_String& Text) {
  ZQ_TRACE_FUNCTION("ZQ_Internationalization_Translate");
  ZQ_TRACE_VARIABLE(Text);
  ZQ_String result = Text;
  // FIXME: mode 0 is to reach the dictionary's first request, which reports
  // "Cannot Initialize Translation Dictionary" and ends the program; while
  // the test programs translate in mode 0 it passes texts through unchanged
  // (or to an installed lookup).
  if (s_operationMode != ZQ_Internationalization_OperationMode_NoTranslation) {
    ZQ_String translation;
    const bool found =
        s_lookup ? s_lookup(Text, translation)
                 : s_operationMode == ZQ_Internationalization_OperationMode_Normal &&
                       ZQ_Internationalization_LookUpTranslation(Text, translation);
    if (found) result = translation;
  }
  ZQ_Internationalization_StripContextMarkerText(result);
  return result;
}

ZQ_String ZQ_Internationalization_FillPlaceholders(const ZQ_String& Template,
                                                   const ZQ_String* Values,
                                                   int ValueCount) {
  ZQ_TRACE_FUNCTION("ZQ_Internationalization_FillPlaceholders");
  ZQ_TRACE_VARIABLE(Template);
  ZQ_String result = Template;
  int position = 0;
  for (;;) {
    const int open = result.Find("{", 1, position, false);
    if (open == ZQ_NoMatch) break;
    const int close = result.Find("}", 1, open, false);
    if (close == ZQ_NoMatch) break;
    // "$" and digits anywhere inside, the rest a format text; braces without
    // them (or holding another "{") are no placeholder and stay.
    const char* text = result.GetText();
    int dollar = open + 1;
    while (dollar < close && !(text[dollar] == '$' && dollar + 1 < close &&
                               text[dollar + 1] >= '0' && text[dollar + 1] <= '9'))
      ++dollar;
    if (dollar == close || ZQ_String(text + open + 1, close - open - 1).Find('{') != ZQ_NoMatch) {
      position = open + 1;
      continue;
    }
    int end = dollar + 1;
    long number = 0;
    while (end < close && text[end] >= '0' && text[end] <= '9' && number < 100000)
      number = 10 * number + (text[end++] - '0');
    const ZQ_String format = ZQ_String(text + open + 1, dollar - open - 1) +
                             ZQ_String(text + end, close - end);
    const bool hasValue = Values && number >= 1 && number <= ValueCount;
    ZQ_String value = hasValue ? Values[number - 1] : ZQ_String();
    if (!format.IsEmpty()) {
      ZQ_StringStream stream;
      stream << ZQ_SetFormat(format) << value;
      value = stream;
    }
    result.Replace(open, close + 1 - open, value.GetText(), value.GetLength());
    position = open + value.GetLength();
  }
  return result;
}

ZQ_String ZQ_Internationalization_FillPlaceholders(const ZQ_String& Template,
                                                   const ZQ_String& Value1) {
  return ZQ_Internationalization_FillPlaceholders(Template, &Value1, 1);
}

ZQ_String ZQ_Internationalization_FillPlaceholders(const ZQ_String& Template,
                                                   const ZQ_String& Value1,
                                                   const ZQ_String& Value2) {
  const ZQ_String values[] = {Value1, Value2};
  return ZQ_Internationalization_FillPlaceholders(Template, values, 2);
}

#include "ZQ_ParameterSymbol.h"

#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatterManipulator.h"

namespace {

template <class Value>
ZQ_String FillSymbols(const ZQ_String& Template, const Value* Values, int Count) {
  ZQ_String result = Template;
  int position = 0;
  int counter = 0;
  int symbolLength = 0;
  int number = 0;
  ZQ_String format;
  while (ZQ_GetNextParameterSymbol(result, position, symbolLength, counter, number, format)) {
    ZQ_StringStream stream;
    stream << ZQ_SetFormat(format);
    if (number >= 1 && number <= Count) stream << Values[number - 1];
    result.Replace(position, symbolLength, stream.GetText(), stream.GetLength());
    position += stream.GetLength();
  }
  return result;
}

}  // namespace

bool ZQ_GetNextParameterSymbol(const ZQ_String& Template, int& Position, int& SymbolLength,
                               int& Counter, int& Number, ZQ_String& FormatText) {
  ZQ_TRACE_FUNCTION("ZQ_GetNextParameterSymbol");
  const int open = Template.Find("{", Position);
  if (open == ZQ_NoMatch) return false;
  const int close = Template.Find("}", open);
  if (close == ZQ_NoMatch) return false;
  Position = open;
  SymbolLength = close - open + 1;
  FormatText = ZQ_String(Template.GetText() + open + 1, close - open - 1);
  Number = ++Counter;
  for (int i = 0; i + 1 < FormatText.GetLength(); ++i) {
    const char digit = FormatText[i + 1];
    if (FormatText[i] == '$' && digit >= '0' && digit <= '9') {
      Number = digit - '0';
      FormatText.Replace(i, 2, nullptr, 0);
      break;
    }
  }
  return true;
}

ZQ_String ZQ_SubstituteParameters(const ZQ_String& Template, long Value) {
  ZQ_TRACE_FUNCTION("ZQ_SubstituteParameters");
  ZQ_TRACE_VARIABLE(Template);
  return FillSymbols(Template, &Value, 1);
}

ZQ_String ZQ_SubstituteParameters(const ZQ_String& Template, long Value1, long Value2,
                                  long Value3) {
  ZQ_TRACE_FUNCTION("ZQ_SubstituteParameters");
  ZQ_TRACE_VARIABLE(Template);
  const long values[] = {Value1, Value2, Value3};
  return FillSymbols(Template, values, 3);
}

ZQ_String ZQ_FillParameterSymbols(const ZQ_String& Template, const long* Values, int Count) {
  return FillSymbols(Template, Values, Count);
}

ZQ_String ZQ_FillParameterSymbols(const ZQ_String& Template, const double* Values, int Count) {
  return FillSymbols(Template, Values, Count);
}

ZQ_String ZQ_FillParameterSymbols(const ZQ_String& Template, const ZQ_String* Values,
                                  int Count) {
  return FillSymbols(Template, Values, Count);
}

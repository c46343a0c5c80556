#include "ZQ_DateAndTimeStreamFormat.h"

#include "ZQ_StackTrace.h"

namespace {

// Registered before main whatever else uses the keys first, date format
// first, so that every run numbers the attributes the same way.
struct RegisterAttributesAtStartUp {
  RegisterAttributesAtStartUp() {
    ZQ_GetDateFormatAttributeKey();
    ZQ_GetTimeFormatAttributeKey();
  }
};
const RegisterAttributesAtStartUp s_registerAttributes;

}  // namespace

// The defaults are kept by the formatter's registry for the whole run:
// formatters destroyed at exit still read them.
ZQ_AttributeIndexType ZQ_GetDateFormatAttributeKey() {
  static const ZQ_AttributeIndexType s_key =
      ZQ_TextStreamFormatter::RegisterAttribute(DateFormatx{"{Date}"});
  return s_key;
}

ZQ_AttributeIndexType ZQ_GetTimeFormatAttributeKey() {
  static const ZQ_AttributeIndexType s_key =
      ZQ_TextStreamFormatter::RegisterAttribute(TimeFormatx{"{Time}"});
  return s_key;
}

const ZQ_String& ZQ_GetDateFormat(const ZQ_TextStreamFormatter& Formatter) {
  return Formatter.Get<DateFormatx>(ZQ_GetDateFormatAttributeKey()).Value;
}

const ZQ_String& ZQ_GetTimeFormat(const ZQ_TextStreamFormatter& Formatter) {
  return Formatter.Get<TimeFormatx>(ZQ_GetTimeFormatAttributeKey()).Value;
}

void SetDateFormat::Apply(ZQ_TextStreamFormatter& Formatter) const {
  ZQ_TRACE_FUNCTION("SetDateFormat::Apply");
  const DateFormatx value{Format};
  Formatter.SetAttribute(ZQ_GetDateFormatAttributeKey(), &value);
}

void SetTimeFormat::Apply(ZQ_TextStreamFormatter& Formatter) const {
  ZQ_TRACE_FUNCTION("SetTimeFormat::Apply");
  const TimeFormatx value{Format};
  Formatter.SetAttribute(ZQ_GetTimeFormatAttributeKey(), &value);
}

ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Formatter, const ZQ_Time& Time) {
  ZQ_TRACE_FUNCTION("operator<< (ZQ_TextStreamFormatter&, const ZQ_Time&)");
  return Formatter << Time.Format(ZQ_GetTimeFormat(Formatter));
}

ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Formatter, const ZQ_Date& Date) {
  ZQ_TRACE_FUNCTION("operator<< (ZQ_TextStreamFormatter&, const ZQ_Date&)");
  return Formatter << Date.Format(ZQ_GetDateFormat(Formatter));
}

ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Formatter,
                                   const ZQ_PointInTime& PointInTime) {
  ZQ_TRACE_FUNCTION("operator<< (ZQ_TextStreamFormatter&, const ZQ_PointInTime&)");
  // Assembled first, so that Width pads the whole text, not its pieces.
  const ZQ_String text = PointInTime.GetTime().Format(ZQ_GetTimeFormat(Formatter)) + "  " +
                         PointInTime.GetDate().Format(ZQ_GetDateFormat(Formatter));
  return Formatter << text;
}

ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Formatter,
                                   const ZQ_ElapsedTime& ElapsedTime) {
  ZQ_TRACE_FUNCTION("operator<< (ZQ_TextStreamFormatter&, const ZQ_ElapsedTime&)");
  return Formatter << ElapsedTime.IntelligentFormat("0");
}

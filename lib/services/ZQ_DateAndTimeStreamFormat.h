// ZQ_DateAndTimeStreamFormat.h: dates and times written to text streams.
// Every text formatter carries a date-format and a time-format attribute
// (format templates, see ZQ_DateAndTimeFormat.h; defaults "{Date}" and
// "{Time}"), set like any attribute with the manipulators SetDateFormat and
// SetTimeFormat, so that PushState/PopState scope them:
//   Stream << SetTimeFormat("{24Hour}:{Minute}") << Now.GetTime();
// Each value is written as one string field, padded by the stream's Width and
// Justification. The attributes are registered when the program starts.
// One thread only.
#ifndef ZQ_DATEANDTIMESTREAMFORMAT_H
#define ZQ_DATEANDTIMESTREAMFORMAT_H

#include "ZQ_DateAndTime.h"
#include "ZQ_String.h"
#include "ZQ_TextStreamFormatter.h"
#include "ZQ_TextStreamFormatterManipulator.h"

// The value types of the two attributes: one format template each.
struct DateFormatx {
  ZQ_String Value;
};
struct TimeFormatx {
  ZQ_String Value;
};

// The attributes' keys (registered on first use, at the latest when the
// program starts).
ZQ_AttributeIndexType ZQ_GetDateFormatAttributeKey();
ZQ_AttributeIndexType ZQ_GetTimeFormatAttributeKey();

// The stream's current formats.
const ZQ_String& ZQ_GetDateFormat(const ZQ_TextStreamFormatter& Formatter);
const ZQ_String& ZQ_GetTimeFormat(const ZQ_TextStreamFormatter& Formatter);

// Sets the date format in the stream's current state.
class SetDateFormat : public ZQ_TextStreamFormatterManipulator {
 public:
  explicit SetDateFormat(const ZQ_String& Format) : Format(Format) {}
  void Apply(ZQ_TextStreamFormatter& Formatter) const override;

 private:
  ZQ_String Format;
};

// Sets the time format in the stream's current state.
class SetTimeFormat : public ZQ_TextStreamFormatterManipulator {
 public:
  explicit SetTimeFormat(const ZQ_String& Format) : Format(Format) {}
  void Apply(ZQ_TextStreamFormatter& Formatter) const override;

 private:
  ZQ_String Format;
};

// The time by the stream's time format.
ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Formatter, const ZQ_Time& Time);
// The date by the stream's date format.
ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Formatter, const ZQ_Date& Date);
// The time by the time format, two spaces, the date by the date format, all
// as one field: "2:05 PM  July 4, 2009" with the defaults.
ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Formatter,
                                   const ZQ_PointInTime& PointInTime);
// IntelligentFormat ("0"): "1 hr 2 min 5 sec".
ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Formatter,
                                   const ZQ_ElapsedTime& ElapsedTime);

#endif

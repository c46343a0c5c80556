#include "ZQ_DateAndTimeFormat.h"

#include <climits>
#include <cstring>

#include "ZQ_CharacterClass.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"

namespace {

const int kNoon = 43200000;  // milliseconds since midnight

enum class TimeSymbol {
  Template,
  Hour12,
  Hour24,
  Hour24TwoDigits,
  Minute,
  Second,
  Millisecond,
  AmPm
};

enum class DateSymbol {
  Template,
  Day,
  Month,
  MonthAbbreviation,
  MonthIndex,
  Year,
  DayTwoDigits,
  MonthIndexTwoDigits,
  YearTwoDigits,
  DayOfWeek,
  DayOfWeekAbbreviation,
  DayOfYear
};

// Names as they arrive from the replacer, in upper case. A composite field
// carries the template it stands for.
struct TimeSymbolRow {
  const char* Name;
  TimeSymbol Symbol;
  const char* Template;
};

const TimeSymbolRow kTimeSymbols[] = {
    {"TIME", TimeSymbol::Template, "{12Hour}:{Minute} {AMPM}"},
    {"12HOURTIME", TimeSymbol::Template, "{12Hour}:{Minute} {AMPM}"},
    {"24HOURTIME", TimeSymbol::Template, "{24Hour}:{Minute}"},
    {"EXACTTIME", TimeSymbol::Template, "{12Hour}:{Minute}:{Second} {AMPM}"},
    {"12HOUREXACTTIME", TimeSymbol::Template, "{12Hour}:{Minute}:{Second} {AMPM}"},
    {"24HOUREXACTTIME", TimeSymbol::Template, "{24Hour}:{Minute}:{Second}"},
    {"12HOUR", TimeSymbol::Hour12, nullptr},
    {"HOUR", TimeSymbol::Hour24, nullptr},
    {"24HOUR", TimeSymbol::Hour24, nullptr},
    {"24HOUR2DIGIT", TimeSymbol::Hour24TwoDigits, nullptr},
    {"MINUTE", TimeSymbol::Minute, nullptr},
    {"SECOND", TimeSymbol::Second, nullptr},
    {"MILLISECOND", TimeSymbol::Millisecond, nullptr},
    {"AMPM", TimeSymbol::AmPm, nullptr},
};

struct DateSymbolRow {
  const char* Name;
  DateSymbol Symbol;
  const char* Template;
};

const DateSymbolRow kDateSymbols[] = {
    {"DATE", DateSymbol::Template, "{Month} {Day}, {Year}"},
    {"MDYDATE", DateSymbol::Template, "{Month} {Day}, {Year}"},
    {"DMYDATE", DateSymbol::Template, "{Day} {Month} {Year}"},
    {"FULLDATE", DateSymbol::Template, "{DayOfWeek}, {Month} {Day}, {Year}"},
    {"DAY", DateSymbol::Day, nullptr},
    {"MONTH", DateSymbol::Month, nullptr},
    {"MONTHABBREV3CHAR", DateSymbol::MonthAbbreviation, nullptr},
    {"MONTHINDEX", DateSymbol::MonthIndex, nullptr},
    {"YEAR", DateSymbol::Year, nullptr},
    {"DAY2DIGIT", DateSymbol::DayTwoDigits, nullptr},
    {"MONTHINDEX2DIGIT", DateSymbol::MonthIndexTwoDigits, nullptr},
    {"YEAR2DIGIT", DateSymbol::YearTwoDigits, nullptr},
    {"DAYOFWEEK", DateSymbol::DayOfWeek, nullptr},
    {"DAYOFWEEKABBREV3CHAR", DateSymbol::DayOfWeekAbbreviation, nullptr},
    {"DAYOFYEAR", DateSymbol::DayOfYear, nullptr},
};

// A field name (ASCII letters and digits) in upper case, as the rows hold
// them; names longer than any row's are left empty.
class UpperCaseName {
 public:
  UpperCaseName(const char* Name, int Length) : Text() {
    if (Length >= kMaxLength) Length = 0;
    for (int i = 0; i < Length; ++i)
      Text[i] = Name[i] >= 'a' && Name[i] <= 'z' ? static_cast<char>(Name[i] - 'a' + 'A') : Name[i];
  }
  const char* GetText() const { return Text; }

 private:
  static const int kMaxLength = 24;
  char Text[kMaxLength];
};

template <class Row, int N>
const Row* FindRow(const Row (&Table)[N], const UpperCaseName& Name) {
  const char* name = Name.GetText();
  for (const Row& row : Table)
    if (row.Name[0] == name[0] && std::strcmp(row.Name, name) == 0) return &row;
  return nullptr;
}

// Collects a text in pieces and hands it to a string in few appends: the
// string then grows exactly as it would by the appends of each piece.
class PieceBuffer {
 public:
  explicit PieceBuffer(ZQ_String& Result) : Result(Result), Used(0) {}
  PieceBuffer(const PieceBuffer&) = delete;
  PieceBuffer& operator=(const PieceBuffer&) = delete;

  void Append(const char* Text, int Length) {
    if (Length > kSize - Used) Flush();
    if (Length > kSize) {
      Result.Append(Text, Length);
    } else {
      std::memcpy(Buffer + Used, Text, static_cast<std::size_t>(Length));
      Used += Length;
    }
  }
  void Flush() {
    Result.Append(Buffer, Used);
    Used = 0;
  }

 private:
  static const int kSize = 128;
  ZQ_String& Result;
  char Buffer[kSize];
  int Used;
};

// Decimal, padded in front with zeros to Width characters, as a stream with
// that width and pad character writes it (zeros go before a sign).
void PutNumber(long Value, int Width, PieceBuffer& Result) {
  char text[16];  // Width is at most 3
  char* const end = text + sizeof text;
  char* first = end;
  unsigned long magnitude =
      Value < 0 ? 0ul - static_cast<unsigned long>(Value) : static_cast<unsigned long>(Value);
  do {
    *--first = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude);
  if (Value < 0) *--first = '-';
  while (end - first < Width) *--first = '0';
  Result.Append(first, static_cast<int>(end - first));
}

// At most MaxLength characters of Name: a translated name shorter than an
// abbreviation is taken whole.
void PutName(const ZQ_String& Name, int MaxLength, PieceBuffer& Result) {
  Result.Append(Name.GetText(), Name.GetLength() < MaxLength ? Name.GetLength() : MaxLength);
}

// The value of a date field other than a template; DMY is Date's.
void PutDateValue(const ZQ_Date& Date, const ZQ_DMY& DMY, DateSymbol Symbol,
                  PieceBuffer& Result) {
  switch (Symbol) {
    case DateSymbol::Day: return PutNumber(DMY.Day, 0, Result);
    case DateSymbol::Month: return PutName(ZQ_Date::GetMonthName(DMY.Month), INT_MAX, Result);
    case DateSymbol::MonthAbbreviation:
      return PutName(ZQ_Date::GetMonthName(DMY.Month), 3, Result);
    case DateSymbol::MonthIndex: return PutNumber(DMY.Month, 0, Result);
    case DateSymbol::Year: return PutNumber(DMY.Year, 0, Result);
    case DateSymbol::DayTwoDigits: return PutNumber(DMY.Day, 2, Result);
    case DateSymbol::MonthIndexTwoDigits: return PutNumber(DMY.Month, 2, Result);
    case DateSymbol::YearTwoDigits: return PutNumber(DMY.Year % 100, 2, Result);
    case DateSymbol::DayOfWeek: return PutName(Date.GetDayOfWeekName(), INT_MAX, Result);
    case DateSymbol::DayOfWeekAbbreviation: return PutName(Date.GetDayOfWeekName(), 3, Result);
    case DateSymbol::DayOfYear: return PutNumber(Date.GetDayOfYear(), 0, Result);
    case DateSymbol::Template: break;
  }
}

// The value of a time field other than a template; HMS is Time's.
void PutTimeValue(const ZQ_Time& Time, const ZQ_HMS& HMS, TimeSymbol Symbol,
                  PieceBuffer& Result) {
  switch (Symbol) {
    case TimeSymbol::Hour12:
      return PutNumber(HMS.Hours == 0 ? 12 : (HMS.Hours > 12 ? HMS.Hours - 12 : HMS.Hours), 0,
                       Result);
    case TimeSymbol::Hour24: return PutNumber(HMS.Hours, 0, Result);
    case TimeSymbol::Hour24TwoDigits: return PutNumber(HMS.Hours, 2, Result);
    case TimeSymbol::Minute: return PutNumber(HMS.Minutes, 2, Result);
    case TimeSymbol::Second: return PutNumber(HMS.Seconds, 2, Result);
    case TimeSymbol::Millisecond: return PutNumber(HMS.Milliseconds, 3, Result);
    case TimeSymbol::AmPm:
      return Result.Append(Time.GetMillisecondsSinceMidnight() < kNoon ? "AM" : "PM", 2);
    case TimeSymbol::Template: break;
  }
}

// What Put writes, as a string of its own.
template <class Writer>
ZQ_String WrittenText(Writer Put) {
  ZQ_String text;
  PieceBuffer buffer(text);
  Put(buffer);
  buffer.Flush();
  return text;
}

// Expands the templates whose fields are all plain ("{Name}" with a known
// name, no parameters, no commands) straight into the result: what the
// replacers below give for them, without their strings per field. Either
// value may be missing; its fields are then unknown.
class PlainFieldExpander {
 public:
  PlainFieldExpander(const ZQ_Date* Date, const ZQ_Time* Time) : Date(Date), Time(Time) {}

  // Whether every field of Template is plain and known; nothing is evaluated.
  bool IsPlain(const ZQ_String& Template) const {
    const char* text = Template.GetText();
    const int length = Template.GetLength();
    for (int p = 0; p < length; ++p) {
      if (text[p] != '{') continue;
      const int nameEnd = NameEnd(text, p + 1, length);
      if (nameEnd == length || text[nameEnd] != '}' || !IsKnown(text + p + 1, nameEnd - p - 1))
        return false;
      p = nameEnd;
    }
    return true;
  }

  // Template expanded, appended to Result as the replacer appends: the text
  // between fields, then each field's value.
  void Expand(const char* Template, int Length, PieceBuffer& Result) const {
    int p = 0;
    for (;;) {
      int open = p;
      while (open < Length && Template[open] != '{') ++open;
      Result.Append(Template + p, open - p);
      if (open == Length) return;
      const int nameEnd = NameEnd(Template, open + 1, Length);
      PutField(Template + open + 1, nameEnd - open - 1, Result);
      p = nameEnd + 1;
    }
  }

 private:
  static int NameEnd(const char* Text, int Position, int Length) {
    while (Position < Length && ZQ_IsCharInClass(Text[Position], ZQ_CharClass_LettersAndDigits))
      ++Position;
    return Position;
  }
  bool IsKnown(const char* Name, int Length) const {
    const UpperCaseName name(Name, Length);
    return (Date && FindRow(kDateSymbols, name)) || (Time && FindRow(kTimeSymbols, name));
  }

  void PutField(const char* Name, int Length, PieceBuffer& Result) const {
    const UpperCaseName name(Name, Length);
    if (const DateSymbolRow* row = Date ? FindRow(kDateSymbols, name) : nullptr) {
      if (row->Symbol == DateSymbol::Template)
        Expand(row->Template, static_cast<int>(std::strlen(row->Template)), Result);
      else
        PutDateValue(*Date, GetDMY(), row->Symbol, Result);
    } else if (const TimeSymbolRow* row = Time ? FindRow(kTimeSymbols, name) : nullptr) {
      if (row->Symbol == TimeSymbol::Template)
        Expand(row->Template, static_cast<int>(std::strlen(row->Template)), Result);
      else
        PutTimeValue(*Time, GetHMS(), row->Symbol, Result);
    }
  }

  const ZQ_DMY& GetDMY() const {
    if (!HasDMY) {
      DMY = Date->GetDMY();
      HasDMY = true;
    }
    return DMY;
  }
  const ZQ_HMS& GetHMS() const {
    if (!HasHMS) {
      HMS = Time->GetHMS();
      HasHMS = true;
    }
    return HMS;
  }

  const ZQ_Date* Date;
  const ZQ_Time* Time;
  // The parts are taken once, at the first field that needs them.
  mutable bool HasDMY = false;
  mutable bool HasHMS = false;
  mutable ZQ_DMY DMY;
  mutable ZQ_HMS HMS{};
};

// FormatString through the plain expander when it can, else through Replacer.
ZQ_String FormatFields(const ZQ_String& FormatString, const ZQ_Date* Date, const ZQ_Time* Time,
                       ZQ_AbstractStringSymbolReplacer& Replacer) {
  const PlainFieldExpander expander(Date, Time);
  if (!expander.IsPlain(FormatString)) return Replacer.Process(FormatString);
  return WrittenText([&](PieceBuffer& Out) {
    expander.Expand(FormatString.GetText(), FormatString.GetLength(), Out);
  });
}

// Knows the date and the time fields at once. Formatting a point in time in
// two passes (date fields, then time fields) would break a conditional whose
// test is a time field: the date pass, not knowing the test symbol, copies
// only the command's parameters, so "{IFNOTZERO Millisecond .{Millisecond}}"
// came out as "Millisecond .007". One pass over both sets gives what the date
// and time formats give alone.
class PointInTimeFormatSymbolReplacer : public ZQ_AbstractStringSymbolReplacer {
 public:
  explicit PointInTimeFormatSymbolReplacer(const ZQ_PointInTime& PointInTime)
      : PointInTime(&PointInTime) {}
  bool ProcessSymbol(ZQ_String& SymbolText, const ZQ_String&) override {
    ZQ_TRACE_FUNCTION("PointInTimeFormatSymbolReplacer::ProcessSymbol");
    ZQ_String value;
    if (!DateFormatSymbolReplacer::GetSymbolValue(PointInTime->GetDate(), SymbolText, *this,
                                                  value) &&
        !TimeFormatSymbolReplacer::GetSymbolValue(PointInTime->GetTime(), SymbolText, *this,
                                                  value))
      return false;
    SymbolText = value;
    return true;
  }

 private:
  const ZQ_PointInTime* PointInTime;
};

// IntelligentFormat's units, largest first, in seconds.
struct DurationUnit {
  long long Seconds;
  const char* Word;
  bool IsTranslated;
};

const DurationUnit kDurationUnits[] = {
    {31536000, "yr", true},  // 365 days
    {86400, "days", true},
    {3600, "hr", true},
    {60, "min", true},
    {1, "sec", false},
};

// Watched-variable formatters of the trace stack.
ZQ_String FormatWatchedElapsedTime(const void* Address) {
  return static_cast<const ZQ_ElapsedTime*>(Address)->IntelligentFormat("0");
}
ZQ_String FormatWatchedDate(const void* Address) {
  return static_cast<const ZQ_Date*>(Address)->Format("{DayOfWeek}, {Date}");
}
ZQ_String FormatWatchedTime(const void* Address) {
  return static_cast<const ZQ_Time*>(Address)->Format(
      "{24Hour}:{Minute}:{Second}.{Millisecond}");
}
ZQ_String FormatWatchedPointInTime(const void* Address) {
  return static_cast<const ZQ_PointInTime*>(Address)->Format(
      "{24Hour}:{Minute}:{Second}.{Millisecond} on {DayOfWeek}, {Date}");
}

const ZQ_StackTrace_RegisterVarFormatter s_formatters[] = {
    {ZQ_StackTrace_TypeCode<ZQ_ElapsedTime>::Value, &FormatWatchedElapsedTime},
    {ZQ_StackTrace_TypeCode<ZQ_Date>::Value, &FormatWatchedDate},
    {ZQ_StackTrace_TypeCode<ZQ_Time>::Value, &FormatWatchedTime},
    {ZQ_StackTrace_TypeCode<ZQ_PointInTime>::Value, &FormatWatchedPointInTime},
};

}  // namespace

// TimeFormatSymbolReplacer

TimeFormatSymbolReplacer::~TimeFormatSymbolReplacer() = default;

bool TimeFormatSymbolReplacer::ProcessSymbol(ZQ_String& SymbolText, const ZQ_String&) {
  ZQ_TRACE_FUNCTION("TimeFormatSymbolReplacer::ProcessSymbol");
  ZQ_String value;
  if (!GetSymbolValue(*Time, SymbolText, *this, value)) return false;
  SymbolText = value;
  return true;
}

bool TimeFormatSymbolReplacer::GetSymbolValue(const ZQ_Time& Time, const ZQ_String& Name,
                                              ZQ_AbstractStringSymbolReplacer& Expander,
                                              ZQ_String& Value) {
  ZQ_TRACE_FUNCTION("TimeFormatSymbolReplacer::GetSymbolValue");
  const TimeSymbolRow* row = FindRow(kTimeSymbols, UpperCaseName(Name.GetText(), Name.GetLength()));
  if (!row) return false;
  if (row->Symbol == TimeSymbol::Template) {
    Value = Expander.Process(row->Template);
  } else {
    const ZQ_HMS hms = Time.GetHMS();
    Value = WrittenText([&](PieceBuffer& Out) { PutTimeValue(Time, hms, row->Symbol, Out); });
  }
  return true;
}

// DateFormatSymbolReplacer

DateFormatSymbolReplacer::~DateFormatSymbolReplacer() = default;

bool DateFormatSymbolReplacer::ProcessSymbol(ZQ_String& SymbolText, const ZQ_String&) {
  ZQ_TRACE_FUNCTION("DateFormatSymbolReplacer::ProcessSymbol");
  ZQ_String value;
  if (!GetSymbolValue(*Date, SymbolText, *this, value)) return false;
  SymbolText = value;
  return true;
}

bool DateFormatSymbolReplacer::GetSymbolValue(const ZQ_Date& Date, const ZQ_String& Name,
                                              ZQ_AbstractStringSymbolReplacer& Expander,
                                              ZQ_String& Value) {
  ZQ_TRACE_FUNCTION("DateFormatSymbolReplacer::GetSymbolValue");
  const DateSymbolRow* row = FindRow(kDateSymbols, UpperCaseName(Name.GetText(), Name.GetLength()));
  if (!row) return false;
  if (row->Symbol == DateSymbol::Template) {
    Value = Expander.Process(row->Template);
  } else {
    const ZQ_DMY dmy = Date.GetDMY();
    Value = WrittenText([&](PieceBuffer& Out) { PutDateValue(Date, dmy, row->Symbol, Out); });
  }
  return true;
}

// The Format members of the values

ZQ_String ZQ_Time::Format(const ZQ_String& FormatString) const {
  ZQ_TRACE_FUNCTION("ZQ_Time::Format");
  TimeFormatSymbolReplacer replacer(*this);
  return FormatFields(FormatString, nullptr, this, replacer);
}

ZQ_String ZQ_Date::Format(const ZQ_String& FormatString) const {
  ZQ_TRACE_FUNCTION("ZQ_Date::Format");
  DateFormatSymbolReplacer replacer(*this);
  return FormatFields(FormatString, this, nullptr, replacer);
}

ZQ_String ZQ_PointInTime::Format(const ZQ_String& FormatString) const {
  ZQ_TRACE_FUNCTION("ZQ_PointInTime::Format");
  PointInTimeFormatSymbolReplacer replacer(*this);
  return FormatFields(FormatString, &GetDate(), &GetTime(), replacer);
}

ZQ_String ZQ_ElapsedTime::IntelligentFormat(const ZQ_String& ZeroText) const {
  ZQ_TRACE_FUNCTION("ZQ_ElapsedTime::IntelligentFormat");
  // Whole milliseconds in 64 bits: the units come out exact, where splitting
  // GetSeconds () in floating point could lose a second to rounding. The
  // fields never have opposite signs, so the sum's sign is the duration's.
  long long milliseconds = static_cast<long long>(Days) * ZQ_MillisecondsPerDay + Milliseconds;
  ZQ_String result;
  if (milliseconds < 0) {
    result = "- ";
    milliseconds = -milliseconds;
  }
  // Under half a millisecond is zero; whole milliseconds make that 0 only.
  if (milliseconds == 0) return result + ZeroText;
  long long seconds = milliseconds / ZQ_MillisecondsPerSecond;
  bool isAnyWritten = false;
  for (const DurationUnit& unit : kDurationUnits) {
    const long long count = seconds / unit.Seconds;
    seconds -= count * unit.Seconds;
    const bool isLastUnit = unit.Seconds == 1;
    if (count == 0 && !(isLastUnit && !isAnyWritten)) continue;
    if (isAnyWritten) result += ' ';
    result += ZQ_ToString(static_cast<long>(count));
    result += ' ';
    result += unit.IsTranslated ? ZQ_Internationalization_Translate(unit.Word)
                                : ZQ_String(unit.Word);
    isAnyWritten = true;
  }
  return result;
}

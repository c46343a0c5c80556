// ZQ_DateAndTimeFormat.h: dates and times as text. A format template is
// ordinary text with brace fields, expanded by the two symbol replacers below
// (ZQ_AbstractStringSymbolReplacer.h): ZQ_Time::Format, ZQ_Date::Format and
// ZQ_PointInTime::Format build one on the stack and run it once. Field names
// are matched in any case; their parameters are ignored. A field a replacer
// does not know is copied unchanged, and IFNOTZERO / IFNOTNULL work as in
// every replacer ("{24Hour}:{Minute}{IFNOTZERO Millisecond .{Millisecond}}").
//
// Time fields (H 0-23, M, S, ms the parts of the time):
//   {Time} {12HourTime}           "{12Hour}:{Minute} {AMPM}"      2:05 PM
//   {24HourTime}                  "{24Hour}:{Minute}"             14:05
//   {ExactTime} {12HourExactTime} "{12Hour}:{Minute}:{Second} {AMPM}"
//   {24HourExactTime}             "{24Hour}:{Minute}:{Second}"
//   {12Hour}        1-12 (12 at midnight and noon)
//   {Hour} {24Hour} H, no leading zero     {24Hour2Digit}  H, two digits
//   {Minute} {Second}  two digits          {Millisecond}   three digits
//   {AMPM}          "AM" before noon, "PM" from noon on (not translated)
// Date fields (names translated each time):
//   {Date} {MDYDate}  "{Month} {Day}, {Year}"                July 4, 2009
//   {DMYDate}         "{Day} {Month} {Year}"                 4 July 2009
//   {FullDate}        "{DayOfWeek}, {Month} {Day}, {Year}"
//   {Day} {MonthIndex} {Year}  no leading zeros
//   {Day2Digit} {MonthIndex2Digit} {Year2Digit}  two digits (year mod 100)
//   {Month} {DayOfWeek}  the names; {MonthAbbrev3Char} {DayOfWeekAbbrev3Char}
//                        their first three characters (a shorter translated
//                        name whole)
//   {DayOfYear}       1 for 1 January (asserts a legal date)
// A point in time knows both sets. Nothing here throws except what the
// translation entry throws. One thread only.
#ifndef ZQ_DATEANDTIMEFORMAT_H
#define ZQ_DATEANDTIMEFORMAT_H

#include "ZQ_AbstractStringSymbolReplacer.h"
#include "ZQ_DateAndTime.h"

// Expands the time fields for one time; borrows it for its own lifetime.
class TimeFormatSymbolReplacer : public ZQ_AbstractStringSymbolReplacer {
 public:
  explicit TimeFormatSymbolReplacer(const ZQ_Time& Time) : Time(&Time) {}
  ~TimeFormatSymbolReplacer() override;
  bool ProcessSymbol(ZQ_String& SymbolText, const ZQ_String& SymbolParameters) override;

  // The value of the time field Name (upper case) for Time, composite fields
  // expanded through Expander; false when Name is no time field.
  static bool GetSymbolValue(const ZQ_Time& Time, const ZQ_String& Name,
                             ZQ_AbstractStringSymbolReplacer& Expander, ZQ_String& Value);

 private:
  const ZQ_Time* Time;
};

// Expands the date fields for one date; borrows it for its own lifetime.
class DateFormatSymbolReplacer : public ZQ_AbstractStringSymbolReplacer {
 public:
  explicit DateFormatSymbolReplacer(const ZQ_Date& Date) : Date(&Date) {}
  ~DateFormatSymbolReplacer() override;
  bool ProcessSymbol(ZQ_String& SymbolText, const ZQ_String& SymbolParameters) override;

  // The value of the date field Name (upper case) for Date, composite fields
  // expanded through Expander; false when Name is no date field.
  static bool GetSymbolValue(const ZQ_Date& Date, const ZQ_String& Name,
                             ZQ_AbstractStringSymbolReplacer& Expander, ZQ_String& Value);

 private:
  const ZQ_Date* Date;
};

#endif

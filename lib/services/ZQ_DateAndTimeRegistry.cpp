#include "ZQ_DateAndTimeRegistry.h"

#include <cmath>

#include "ZQ_Exception.h"
#include "ZQ_Internationalization.h"
#include "ZQ_RegistryBinaryForm.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"

namespace {

struct RegisterItemClasses {
  RegisterItemClasses() {
    ZQ_RegisterRegistryItemCreationFunction(13, &ZQ_CreateRegistryItem<ZQ_RegDate>);
    ZQ_RegisterRegistryItemCreationFunction(14, &ZQ_CreateRegistryItem<ZQ_RegTime>);
    ZQ_RegisterRegistryItemCreationFunction(15, &ZQ_CreateRegistryItem<ZQ_RegPointInTime>);
    ZQ_RegisterRegistryItemCreationFunction(12, &ZQ_CreateRegistryItem<ZQ_RegElapsedTime>);
  }
} s_registerItemClasses;

// The binary parser's own name for damaged data.
[[noreturn]] void ThrowDamaged(const ZQ_String& Description) {
  throw ZQ_Exception(ZQ_Internationalization_Translate("Damaged data"), Description);
}

// A value's binary form and its hash take the same 32-bit fields in the same
// order; Target is a stream sink or a hasher.
template <class Target>
Target& WriteFields(Target& To, const ZQ_Time& Value) {
  return To << static_cast<long>(Value.GetMillisecondsSinceMidnight());
}

template <class Target>
Target& WriteFields(Target& To, const ZQ_Date& Value) {
  return To << static_cast<long>(Value.GetModifiedJulianDate());
}

template <class Target>
Target& WriteFields(Target& To, const ZQ_PointInTime& Value) {
  WriteFields(To, Value.GetTime());
  return WriteFields(To, Value.GetDate());
}

template <class Target>
Target& WriteFields(Target& To, const ZQ_ElapsedTime& Value) {
  int days = 0;
  int milliseconds = 0;
  Value.GetDaysAndMilliseconds(days, milliseconds);
  return To << static_cast<long>(days) << static_cast<long>(milliseconds);
}

}  // namespace

ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_Time& Value) { return WriteFields(Sink, Value); }
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_Date& Value) { return WriteFields(Sink, Value); }
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_PointInTime& Value) {
  return WriteFields(Sink, Value);
}
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_ElapsedTime& Value) {
  return WriteFields(Sink, Value);
}

ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_Time& Value) { return WriteFields(Hasher, Value); }
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_Date& Value) { return WriteFields(Hasher, Value); }
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_PointInTime& Value) { return WriteFields(Hasher, Value); }
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_ElapsedTime& Value) { return WriteFields(Hasher, Value); }

ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_Time& Value) {
  const long milliseconds = Parser.ReadLong();
  if (milliseconds < 0 || milliseconds >= ZQ_MillisecondsPerDay)
    ThrowDamaged(ZQ_Internationalization_FillPlaceholders(
        ZQ_Internationalization_Translate(
            "The binary data is damaged: it gives the time of day {$1} ms after midnight."),
        ZQ_ToString(milliseconds)));
  Value.SetMillisecondsSinceMidnight(static_cast<int>(milliseconds));
  return Parser;
}

ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_Date& Value) {
  // The program stores only legal dates; another count would convert, but
  // fail the operations that need a legal date.
  const long dayCount = Parser.ReadLong();
  if (!ZQ_Date::IsLegalDayCount(dayCount))
    ThrowDamaged(ZQ_Internationalization_FillPlaceholders(
        ZQ_Internationalization_Translate(
            "The binary data is damaged: it gives the day {$1}, which is no date from 1583 "
            "to 2999."),
        ZQ_ToString(dayCount)));
  Value.SetModifiedJulianDate(static_cast<int>(dayCount));
  return Parser;
}

ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_PointInTime& Value) {
  ZQ_Time time;
  ZQ_Date date;
  Parser >> time >> date;
  Value = ZQ_PointInTime(time, date);
  return Parser;
}

ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_ElapsedTime& Value) {
  const long days = Parser.ReadLong();
  const long milliseconds = Parser.ReadLong();
  // Checked here: SetDaysAndMilliseconds would take broken parts from a
  // damaged file for a fault of the program.
  const bool oppositeSigns = (days > 0 && milliseconds < 0) || (days < 0 && milliseconds > 0);
  if (oppositeSigns || milliseconds <= -ZQ_MillisecondsPerDay || milliseconds >= ZQ_MillisecondsPerDay)
    ThrowDamaged(ZQ_Internationalization_FillPlaceholders(
        ZQ_Internationalization_Translate(
            "The binary data is damaged: it gives the duration of {$1} days and {$2} ms."),
        ZQ_ToString(days), ZQ_ToString(milliseconds)));
  Value.SetDaysAndMilliseconds(static_cast<int>(days), static_cast<int>(milliseconds));
  return Parser;
}

void ZQ_SetDate(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_Date& Value) {
  ZQ_SetRegistryItemValue<ZQ_RegDate>(Folder, Key, Value);
}

ZQ_Date ZQ_GetDate(const ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_Date& Default) {
  const auto* item = ZQ_GetRegistryItemOfClass<ZQ_RegDate>(Folder, Key);
  return item ? item->GetValue() : Default;
}

void ZQ_SetTime(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_Time& Value) {
  ZQ_SetRegistryItemValue<ZQ_RegTime>(Folder, Key, Value);
}

ZQ_Time ZQ_GetTime(const ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_Time& Default) {
  const auto* item = ZQ_GetRegistryItemOfClass<ZQ_RegTime>(Folder, Key);
  return item ? item->GetValue() : Default;
}

void ZQ_SetPointInTime(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_PointInTime& Value) {
  ZQ_TRACE_FUNCTION("ZQ_SetPointInTime");
  ZQ_RegistryFolder* sub = Folder.GetFolder(Key);
  ZQ_SetTime(*sub, "Time", Value.GetTime());
  ZQ_SetDate(*sub, "Date", Value.GetDate());
}

ZQ_PointInTime ZQ_GetPointInTime(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                                 const ZQ_PointInTime& Default) {
  ZQ_TRACE_FUNCTION("ZQ_GetPointInTime");
  if (const ZQ_RegistryFolder* sub = Folder.GetFolderIfExists(Key))
    return ZQ_PointInTime(ZQ_GetTime(*sub, "Time", Default.GetTime()),
                          ZQ_GetDate(*sub, "Date", Default.GetDate()));
  if (const auto* legacy = ZQ_GetRegistryItemOfClass<ZQ_RegPointInTime>(Folder, Key))
    return legacy->GetValue();
  return Default;
}

void ZQ_SetElapsedTime(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_ElapsedTime& Value) {
  ZQ_SetDouble(Folder, Key, Value.GetSeconds());
}

ZQ_ElapsedTime ZQ_GetElapsedTime(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                                 const ZQ_ElapsedTime& Default) {
  ZQ_TRACE_FUNCTION("ZQ_GetElapsedTime");
  if (const auto* legacy = ZQ_GetRegistryItemOfClass<ZQ_RegElapsedTime>(Folder, Key))
    return legacy->GetValue();
  const double seconds = ZQ_GetDouble(Folder, Key, Default.GetSeconds());
  // A settings file may hold any double; the conversion would take a bad one
  // for a fault of the program.
  // (the same limit as the conversion's: fewer than 2^31 - 1 days).
  if (!(std::fabs(seconds) / 86400 < 2147483647.0)) return Default;
  return ZQ_ElapsedTime(seconds);
}

void ZQ_RegPointInTime::ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) {
  ZQ_TRACE_FUNCTION("ZQ_RegPointInTime::ConvertFromLegacyDatatype");
  const ZQ_PointInTime value = ZQ_GetPointInTime(Folder, Key, ZQ_PointInTime());
  ZQ_SetPointInTime(Folder, Key, value);  // deletes this item
}

void ZQ_RegElapsedTime::ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) {
  ZQ_TRACE_FUNCTION("ZQ_RegElapsedTime::ConvertFromLegacyDatatype");
  const ZQ_ElapsedTime value = ZQ_GetElapsedTime(Folder, Key, ZQ_ElapsedTime());
  ZQ_SetElapsedTime(Folder, Key, value);  // deletes this item
}

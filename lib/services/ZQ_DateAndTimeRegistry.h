// ZQ_DateAndTimeRegistry.h: dates and times in binary streams and in the
// settings registry. Binary forms (4-byte little-endian integers): a time is
// its milliseconds since midnight, a date its modified Julian day count, a
// point in time the time then the date, an elapsed time its days then its
// milliseconds. Reading rejects a time or an elapsed time that breaks its
// invariants, and a day count of no legal date (ZQ_Date::IsLegalDayCount), as
// damaged data (ZQ_Exception "Damaged data"). Language files read their time
// stamps with the same reader.
// Registry: ZQ_RegDate (class id 13) and ZQ_RegTime (14) hold one value; a
// point in time is a subfolder with "Time" and "Date", an elapsed time a
// double of seconds. ZQ_RegPointInTime (15) and ZQ_RegElapsedTime (12) only
// read old files and are converted to those forms. One thread only.
#ifndef ZQ_DATEANDTIMEREGISTRY_H
#define ZQ_DATEANDTIMEREGISTRY_H

#include "ZQ_DateAndTime.h"
#include "ZQ_RegValueItem.h"
#include "ZQ_RegistryFolder.h"

ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_Time& Value);
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_Date& Value);
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_PointInTime& Value);
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_ElapsedTime& Value);
ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_Time& Value);
ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_Date& Value);
ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_PointInTime& Value);
ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_ElapsedTime& Value);

// Hash forms: the same integers in the same order.
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_Time& Value);
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_Date& Value);
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_PointInTime& Value);
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_ElapsedTime& Value);

class ZQ_RegDate : public ZQ_RegValueItem<ZQ_Date, 13> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
};

class ZQ_RegTime : public ZQ_RegValueItem<ZQ_Time, 14> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
};

class ZQ_RegPointInTime : public ZQ_RegValueItem<ZQ_PointInTime, 15> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
  bool IsLegacyDatatype() const override { return true; }
  // Becomes a subfolder with "Time" and "Date"; deletes this item.
  void ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) override;
};

class ZQ_RegElapsedTime : public ZQ_RegValueItem<ZQ_ElapsedTime, 12> {
 public:
  using ZQ_RegValueItem::ZQ_RegValueItem;
  bool IsLegacyDatatype() const override { return true; }
  // Becomes a double of seconds; deletes this item.
  void ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) override;
};

// Set functions replace an item of another class under Key; get functions
// return Default when Key is missing or holds another class.
void ZQ_SetDate(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_Date& Value);
ZQ_Date ZQ_GetDate(const ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_Date& Default);
void ZQ_SetTime(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_Time& Value);
ZQ_Time ZQ_GetTime(const ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_Time& Default);

// A subfolder under Key holding "Time" and "Date".
void ZQ_SetPointInTime(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_PointInTime& Value);
// From the subfolder (each part falling back to the default's), else from a
// ZQ_RegPointInTime under Key, else Default.
ZQ_PointInTime ZQ_GetPointInTime(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                                 const ZQ_PointInTime& Default);

// A double of seconds under Key.
void ZQ_SetElapsedTime(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_ElapsedTime& Value);
// A ZQ_RegElapsedTime's value, else the double of seconds; a stored double
// that is no valid duration (not a number, beyond the range) gives Default.
ZQ_ElapsedTime ZQ_GetElapsedTime(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                                 const ZQ_ElapsedTime& Default);

#endif

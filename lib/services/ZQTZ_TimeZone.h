// ZQTZ_TimeZone.h: one of the 62 standard time zones, named by its id. Each
// zone has a fixed offset from universal time and a text of the places it
// covers; there are no daylight-saving rules (the application adds the hour
// itself when the user says so). A small value type, copied by value. In the
// settings registry a zone is a subfolder holding its id as "Id". One thread
// only.
#ifndef ZQTZ_TIMEZONE_H
#define ZQTZ_TIMEZONE_H

#include "ZQ_Iterator.h"
#include "ZQ_String.h"

class ZQ_RegistryFolder;

class ZQTZ_TimeZone {
 public:
  enum { NumStandardTimeZones = 62, DefaultId = 11 };

  // Eastern Time (US & Canada), id 11.
  ZQTZ_TimeZone();
  // Asserts "0 <= aId and aId < NumStandardTimeZones". The id is kept as
  // given; a zone with a bad id answers as the default zone does.
  explicit ZQTZ_TimeZone(int aId);

  int GetId() const { return Id; }
  // "(GMT-05:00)  Eastern Time (US & Canada)"; "(GMT)  ..." at offset 0.
  ZQ_String GetName() const;
  // Hours east of Greenwich, for example -3.5.
  float GetOffsetHours() const;

  // All 62 zones, ids 0 to 61 in order.
  static ZQ_ReadOnlyIterator<ZQTZ_TimeZone> GetStandardTimeZones();

  bool operator==(const ZQTZ_TimeZone& Other) const { return Id == Other.Id; }
  bool operator!=(const ZQTZ_TimeZone& Other) const { return Id != Other.Id; }

 private:
  int Id;
};

// Stores Zone's id as the 32-bit integer "Id" of the subfolder under Key
// (created when missing).
void ZQTZ_SetTimeZone(ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                      const ZQTZ_TimeZone& Zone);
// The zone stored under Key; Default when there is no subfolder under Key,
// zone 11 when the subfolder has no "Id". A stored id outside 0..61 fails
// the constructor's assertion.
ZQTZ_TimeZone ZQTZ_GetTimeZone(const ZQ_RegistryFolder& Folder,
                               const ZQ_String& Key,
                               const ZQTZ_TimeZone& Default);

#endif

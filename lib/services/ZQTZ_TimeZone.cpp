#include "ZQTZ_TimeZone.h"

#include "ZQ_AccumulatingIterator.h"
#include "ZQ_Assertion.h"
#include "ZQ_Numeric.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_StackTrace.h"

namespace {

// 60-byte records: the offset in hours east of Greenwich, then the places.
struct StandardZone {
  float OffsetHours;
  char Places[56];
};
static_assert(sizeof(StandardZone) == 60, "one 60-byte record per zone");

const StandardZone kStandardZones[ZQTZ_TimeZone::NumStandardTimeZones] = {
    {-12.0f, "Eniwetok, Kwajalein"},
    {-11.0f, "Midway Island, Samoa"},
    {-10.0f, "Hawaii"},
    {-9.0f, "Alaska"},
    {-8.0f, "Pacific Time (US & Canada)"},
    {-7.0f, "Arizona"},
    {-7.0f, "Mountain Time (US & Canada)"},
    {-6.0f, "Central Time (US & Canada)"},
    {-6.0f, "Mexico City, Tegucigalpa"},
    {-6.0f, "Saskatchewan"},
    {-5.0f, "Bogota, Lima, Quito"},
    {-5.0f, "Eastern Time (US & Canada)"},
    {-5.0f, "Indiana (East)"},
    {-4.0f, "Atlantic Time (Canada)"},
    {-4.0f, "Caracas, La Paz"},
    {-3.5f, "Newfoundland"},
    {-3.0f, "Brasilia"},
    {-3.0f, "Buenos Aires, Georgetown"},
    {-2.0f, "Mid-Atlantic"},
    {-1.0f, "Azores, Cape Verde Is."},
    {0.0f, "Casablanca, Monrovia"},
    {0.0f, "Greenwich Mean Time: Dublin, Edinburgh, Lisbon, London"},
    {1.0f, "Amsterdam, Copenhagen, Madrid, Paris, Vilnius"},
    {1.0f, "Belgrade, Sarajevo, Skopje, Sofija, Zagreb"},
    {1.0f, "Bratislava, Budapest, Ljubljana, Prague, Warsaw"},
    {1.0f, "Brussels, Berlin, Bern, Rome, Stockholm, Vienna"},
    {2.0f, "Athens, Istanbul, Minsk"},
    {2.0f, "Bucharest"},
    {2.0f, "Cairo"},
    {2.0f, "Harare, Pretoria"},
    {2.0f, "Helsinki, Riga, Tallinn"},
    {2.0f, "Israel"},
    {3.0f, "Baghdad, Kuwait, Riyadh"},
    {3.0f, "Moscow, St. Petersburg, Volgograd"},
    {3.0f, "Nairobi"},
    {3.5f, "Tehran"},
    {4.0f, "Abu Dhabi, Muscat"},
    {4.0f, "Baku, Tbilisi"},
    {4.5f, "Kabul"},
    {5.0f, "Ekaterinburg"},
    {5.0f, "Islamabad, Karachi, Tashkent"},
    {5.5f, "Bombay, Calcutta, Madras, New Delhi"},
    {6.0f, "Almaty, Dhaka"},
    {6.0f, "Colombo"},
    {7.0f, "Bangkok, Hanoi, Jakarta"},
    {8.0f, "Beijing, Chongqing, Hong Kong, Urumqi"},
    {8.0f, "Perth"},
    {8.0f, "Singapore"},
    {8.0f, "Taipei"},
    {9.0f, "Osaka, Sapporo, Tokyo"},
    {9.0f, "Seoul"},
    {9.0f, "Yakutsk"},
    {9.5f, "Adelaide"},
    {9.5f, "Darwin"},
    {10.0f, "Brisbane"},
    {10.0f, "Canberra, Melbourne, Sydney"},
    {10.0f, "Guam, Port Moresby"},
    {10.0f, "Hobart"},
    {10.0f, "Vladivostok"},
    {11.0f, "Magadan, Solomon Is., New Caledonia"},
    {12.0f, "Auckland, Wellington"},
    {12.0f, "Fiji, Kamchatka, Marshall Is."},
};

// The table has no row for a bad id (possible once an ignored assertion let
// one through, or from a damaged settings file): answer as the default zone
// rather than read past the table.
const StandardZone& ZoneRecord(int Id) {
  if (Id < 0 || Id >= ZQTZ_TimeZone::NumStandardTimeZones) Id = ZQTZ_TimeZone::DefaultId;
  return kStandardZones[Id];
}

void AppendTwoDigits(ZQ_String& Text, int Value) {
  if (Value < 10) Text += '0';
  char digits[12];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + Value % 10);
    Value /= 10;
  } while (Value > 0);
  while (n > 0) Text += digits[--n];
}

}  // namespace

ZQTZ_TimeZone::ZQTZ_TimeZone() : Id(DefaultId) {}

ZQTZ_TimeZone::ZQTZ_TimeZone(int aId) : Id(aId) {
  ZQ_TRACE_FUNCTION("ZQTZ_TimeZone::ZQTZ_TimeZone");
  ZQ_ASSERT_TEXT(0 <= aId && aId < NumStandardTimeZones,
                 "0 <= aId and aId < NumStandardTimeZones");
}

ZQ_String ZQTZ_TimeZone::GetName() const {
  ZQ_TRACE_FUNCTION("ZQTZ_TimeZone::GetName");
  const StandardZone& zone = ZoneRecord(Id);
  ZQ_String name("(GMT");
  double magnitude = zone.OffsetHours;
  if (magnitude != 0.0) {
    if (magnitude < 0.0) {
      name += '-';
      magnitude = -magnitude;
    } else {
      name += '+';
    }
    const int hours = static_cast<int>(ZQ_Round(magnitude));
    const int minutes = static_cast<int>(ZQ_Round((magnitude - hours) * 60.0));
    AppendTwoDigits(name, hours);
    name += ':';
    AppendTwoDigits(name, minutes);
  }
  name += ")  ";
  name += zone.Places;
  return name;
}

float ZQTZ_TimeZone::GetOffsetHours() const { return ZoneRecord(Id).OffsetHours; }

ZQ_ReadOnlyIterator<ZQTZ_TimeZone> ZQTZ_TimeZone::GetStandardTimeZones() {
  ZQ_TRACE_FUNCTION("ZQTZ_TimeZone::GetStandardTimeZones");
  auto* zones = new ZQ_AccumulatingIteratorReference<ZQTZ_TimeZone>;
  ZQ_ReadOnlyIterator<ZQTZ_TimeZone> result(zones);  // owns zones from here
  for (int id = 0; id < NumStandardTimeZones; ++id) zones->Append(ZQTZ_TimeZone(id));
  return result;
}

void ZQTZ_SetTimeZone(ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                      const ZQTZ_TimeZone& Zone) {
  ZQ_TRACE_FUNCTION("ZQTZ_SetTimeZone");
  ZQ_SetInt32(*Folder.GetFolder(Key), "Id", Zone.GetId());
}

ZQTZ_TimeZone ZQTZ_GetTimeZone(const ZQ_RegistryFolder& Folder,
                               const ZQ_String& Key,
                               const ZQTZ_TimeZone& Default) {
  ZQ_TRACE_FUNCTION("ZQTZ_GetTimeZone");
  const ZQ_RegistryFolder* zoneFolder = Folder.GetFolderIfExists(Key);
  if (!zoneFolder) return Default;
  return ZQTZ_TimeZone(
      static_cast<int>(ZQ_GetInt32(*zoneFolder, "Id", ZQTZ_TimeZone::DefaultId)));
}

#include "ZQTZxZQF_TimeZoneInputGlyph.h"

#include "ZQ_Assertion.h"

ZQTZxZQF_TimeZoneInputGlyph::ZQTZxZQF_TimeZoneInputGlyph()
    : ZQF_ParameterizedStringListDropdownGlyph<ZQ_String>(-1) {
  for (ZQ_ReadOnlyIterator<ZQTZ_TimeZone> zone = ZQTZ_TimeZone::GetStandardTimeZones(); zone.IsValid();
       zone.Advance()) {
    AddElement(zone.GetCurrent().GetName());
  }
}

void ZQTZxZQF_TimeZoneInputGlyph::SetValue(const ZQTZ_TimeZone& Zone) {
  ZQF_ParameterizedStringListDropdownGlyph<ZQ_String>::SetValue(Zone.GetId());
}

ZQTZ_TimeZone ZQTZxZQF_TimeZoneInputGlyph::GetValue() {
  const long aId = ZQF_ParameterizedStringListDropdownGlyph<ZQ_String>::GetValue();
  const long NumStandardTimeZones = ZQTZ_TimeZone::NumStandardTimeZones;
  ZQ_ASSERT(0 <= aId and aId < NumStandardTimeZones);
  return ZQTZ_TimeZone(static_cast<int>(aId));
}

// ZQTZxZQF_TimeZoneInputGlyph.h: a dropdown of the 62 standard time zones,
// each shown by its display name, in the order of the zone table; the
// position of the chosen element is the zone's id. A new input shows zone 0.
// UI thread only.
#ifndef ZQTZXZQF_TIMEZONEINPUTGLYPH_H
#define ZQTZXZQF_TIMEZONEINPUTGLYPH_H

#include "ZQF_ParameterizedStringListDropdownGlyph.h"
#include "ZQTZ_TimeZone.h"

class ZQTZxZQF_TimeZoneInputGlyph : public ZQF_ParameterizedStringListDropdownGlyph<ZQ_String> {
 public:
  // As wide as the widest zone name.
  ZQTZxZQF_TimeZoneInputGlyph();

  // No notification.
  void SetValue(const ZQTZ_TimeZone& Zone);
  // Asserts "0 <= aId and aId < NumStandardTimeZones".
  ZQTZ_TimeZone GetValue();
};

#endif

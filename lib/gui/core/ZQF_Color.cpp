#include "ZQF_Color.h"

#include "ZQF_Metrics.h"

ZQF_Color& ZQF_Color::operator=(int NewKey) {
  Key = NewKey;
  ColorKind = Kind_Metric;
  return *this;
}

ZQR_Color ZQF_Color::GetColor() const {
  return ColorKind == Kind_Metric ? ZQF_GetColorMetric(Key) : Color;
}

bool ZQF_Color::operator==(const ZQF_Color& Other) const {
  if (ColorKind != Other.ColorKind) return false;
  return ColorKind == Kind_Metric ? Key == Other.Key : Color == Other.Color;
}

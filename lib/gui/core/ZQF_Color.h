// ZQF_Color.h: how a glyph names a colour: either a colour metric by its key
// (it follows the system colours when they change) or an explicit colour.
// A plain value. The default names colour metric 33, the text colour of
// labels and controls.
#ifndef ZQF_COLOR_H
#define ZQF_COLOR_H

#include "ZQR_Color.h"

class ZQF_Color {
 public:
  enum Kind { Kind_Metric = 0, Kind_Explicit = 1 };

  ZQF_Color() = default;
  // Colour metric Key.
  explicit ZQF_Color(int Key) : Key(Key) {}
  explicit ZQF_Color(const ZQR_Color& Color) : Color(Color), ColorKind(Kind_Explicit) {}
  // Names colour metric Key from now on.
  ZQF_Color& operator=(int Key);

  // The colour it names now: the metric's current value, or the explicit one.
  ZQR_Color GetColor() const;
  bool IsMetric() const { return ColorKind == Kind_Metric; }
  int GetKey() const { return Key; }

  // Equal kinds, then equal keys for metric colours, equal values for
  // explicit ones.
  bool operator==(const ZQF_Color& Other) const;
  bool operator!=(const ZQF_Color& Other) const { return !(*this == Other); }

 private:
  int Key = 33;
  ZQR_Color Color;
  int ColorKind = Kind_Metric;
};

#endif

// ZQF_FloatInputGlyph.h: a single-line field for a double within a range,
// shown with a fixed number of significant digits, and optionally allowed
// to be empty (the value is then NaN). A text that reads as a bound the way
// the field shows it is accepted as that exact bound. Misuse (an empty
// range, digits outside 1..98, a value outside the range, NaN where it is
// not allowed) fails assertions. UI thread only.
#ifndef ZQF_FLOATINPUTGLYPH_H
#define ZQF_FLOATINPUTGLYPH_H

#include "ZQF_ValidatedTextEditGlyph.h"
#include "ZQ_StringStream.h"

class ZQF_FloatInputGlyph : public ZQF_ValidatedTextEditGlyph {
 public:
  // Bits of the construction flags.
  enum : unsigned long {
    Flag_AllowUndefined = 0x01,
    Flag_GrowsHorizontally = 0x02,
    Flag_GrowsVertically = 0x04,
    Flag_NeverShowExponent = 0x08,
    Flag_NoBorder = 0x10
  };

  // A NaN InitialValue allows the empty text as Flag_AllowUndefined does.
  ZQF_FloatInputGlyph(double InitialValue, long NumSignificantDigits, double MinimumValue,
                      double MaximumValue, unsigned long Flags = 0);
  ~ZQF_FloatInputGlyph() override;

  void Parse(ZQF_ParseResultType& Result) override;

  // Shows Value with the field's digits; NaN empties the field.
  void SetValue(double NewValue);
  // The value last accepted or set; NaN for an accepted empty text.
  double GetValue() const { return Value; }
  double GetMinimumValue() const { return MinimumValue; }
  double GetMaximumValue() const { return MaximumValue; }
  bool GetAllowUndefined() const { return AllowUndefined != 0; }
  bool GetNeverShowExponent() const { return NeverShowExponent != 0; }

 private:
  // Bound as the field shows it, read back; false when the shown text
  // cannot be read (it lies beyond the double range).
  bool Util_ReadShownBound(double Bound, double& Shown);

  double Value = 0.0;
  double MinimumValue;
  double MaximumValue;
  ZQ_StringStream Formatter;
  unsigned char AllowUndefined;
  unsigned char NeverShowExponent;
};

#endif

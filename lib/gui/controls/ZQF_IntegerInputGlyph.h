// ZQF_IntegerInputGlyph.h: a single-line field for a signed 32-bit integer
// within a range, sized for a given number of digits. A text outside the
// range, or that is not an integer, is rejected with a message that states
// the range. Misuse (an empty range, a value outside it) fails assertions.
// UI thread only.
#ifndef ZQF_INTEGERINPUTGLYPH_H
#define ZQF_INTEGERINPUTGLYPH_H

#include "ZQF_ValidatedTextEditGlyph.h"

class ZQF_IntegerInputGlyph : public ZQF_ValidatedTextEditGlyph {
 public:
  // Asserts "aMinimumValue < aMaximumValue"; NumDigits sizes the field.
  ZQF_IntegerInputGlyph(long InitialValue, long MinimumValue, long MaximumValue, long NumDigits);
  ~ZQF_IntegerInputGlyph() override;

  void Parse(ZQF_ParseResultType& Result) override;

  // Shows Value, which must lie in the range (assertions).
  void SetValue(long NewValue);
  // The value last accepted or set.
  long GetValue() const { return Value; }
  long GetMinimumValue() const { return MinimumValue; }
  long GetMaximumValue() const { return MaximumValue; }

 private:
  long Value = 0;
  long MinimumValue;
  long MaximumValue;
};

#endif

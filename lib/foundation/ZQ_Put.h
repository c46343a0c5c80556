// ZQ_Put.h: writes one value with its own format text, leaving the
// formatter's attributes as they were: Formatter << ZQ_Put<long> (n, "w6")
// writes n in at least six characters and the next output keeps the earlier
// width.
#ifndef ZQ_PUT_H
#define ZQ_PUT_H

#include "ZQ_String.h"
#include "ZQ_TextStreamFormatterManipulator.h"

template <class T>
class ZQ_Put : public ZQ_TextStreamFormatterManipulator {
 public:
  ZQ_Put(const T& Value, const ZQ_String& FormatText) : Value(Value), FormatText(FormatText) {}

  // Pushes a state, applies the format text, writes the value, pops the state
  // (also when the write throws).
  void Apply(ZQ_TextStreamFormatter& Formatter) const override {
    Formatter.PushState();
    try {
      Formatter << ZQ_SetFormat(FormatText) << Value;
    } catch (...) {
      Formatter.PopState();
      throw;
    }
    Formatter.PopState();
  }

 private:
  T Value;
  ZQ_String FormatText;
};

#endif

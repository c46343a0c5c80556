// ZQF_ParameterizedStringListGlyph.h: a flat list whose rows are values
// shown as their text. The system uses only ZQ_String values (each value is
// its own text), so only that instance exists: the list that a string-value
// dropdown shows while it is open. Value searches compare exactly and take
// the first equal row; a row of another class fails "E2", a missing value
// "LGE", asking for the focus value of an empty list "E1". UI thread only.
#ifndef ZQF_PARAMETERIZEDSTRINGLISTGLYPH_H
#define ZQF_PARAMETERIZEDSTRINGLISTGLYPH_H

#include "ZQF_ListGlyph.h"
#include "ZQF_StringListGlyphElement.h"
#include "ZQ_Iterator.h"
#include "ZQ_String.h"

template <class T>
class ZQF_ParameterizedStringListGlyphElement;
template <class T>
class ZQF_ParameterizedStringListGlyph;

template <>
class ZQF_ParameterizedStringListGlyphElement<ZQ_String> : public ZQF_StringListGlyphElement {
 public:
  explicit ZQF_ParameterizedStringListGlyphElement(const ZQ_String& Value) : Value(Value) {}
  ZQ_String GetText() override { return Value; }
  const ZQ_String& GetValue() const { return Value; }

 private:
  ZQ_String Value;
};

template <>
class ZQF_ParameterizedStringListGlyph<ZQ_String> : public ZQF_ListGlyph {
 public:
  using Element = ZQF_ParameterizedStringListGlyphElement<ZQ_String>;

  explicit ZQF_ParameterizedStringListGlyph(int ListKind) : ZQF_ListGlyph(ListKind) {}

  // The first row of Subset whose value equals Value; null when none.
  Element* FindElementByValue(const ZQ_String& Value, int Subset);
  // Focuses (selects) the first row of that value; "LGE" when none.
  void SetFocusByValue(const ZQ_String& Value);
  void SelectByValue(const ZQ_String& Value, bool Exclusive);
  // The focus row's value; "E1" on an empty list.
  ZQ_String GetFocusValue();
  // Appends a row holding a copy of Value.
  void AddValue(const ZQ_String& Value);
  // AddValue for each value, in order.
  void AddValues(ZQ_ReadOnlyIterator<ZQ_String> Values);
};

#endif

#include "ZQF_ParameterizedStringListGlyph.h"

#include "ZQ_Assertion.h"

using StringList = ZQF_ParameterizedStringListGlyph<ZQ_String>;

StringList::Element* StringList::FindElementByValue(const ZQ_String& Value, int Subset) {
  for (ZQF_ListGlyphElement* e = GetFirstRoot(); e; e = GetNext(e, Subset)) {
    auto* E2 = dynamic_cast<Element*>(e);
    ZQ_ASSERT(E2);
    if (E2 && E2->GetValue() == Value) return E2;
  }
  return nullptr;
}

void StringList::SetFocusByValue(const ZQ_String& Value) {
  Element* LGE = FindElementByValue(Value, Subset_All);
  ZQ_ASSERT(LGE);
  if (LGE) SetFocus(LGE);
}

void StringList::SelectByValue(const ZQ_String& Value, bool Exclusive) {
  Element* LGE = FindElementByValue(Value, Subset_All);
  ZQ_ASSERT(LGE);
  if (LGE) Select(LGE, Exclusive);
}

ZQ_String StringList::GetFocusValue() {
  ZQF_ListGlyphElement* E1 = GetFocusElement();
  ZQ_ASSERT(E1);
  auto* E2 = dynamic_cast<Element*>(E1);
  ZQ_ASSERT(E2);
  return E2 ? E2->GetValue() : ZQ_String();
}

void StringList::AddValue(const ZQ_String& Value) { InsertAsLastRoot(new Element(Value)); }

void StringList::AddValues(ZQ_ReadOnlyIterator<ZQ_String> Values) {
  for (; Values.IsValid(); Values.Advance()) AddValue(Values.GetCurrent());
}

// ZQF_ParameterizedStringListDropdownGlyph.h: the dropdown of string values
// (also named ZQF_StoredStringListDropdownGlyph): each value is its own
// text, kept in the order added. The first value added becomes the current
// one; Up, Down and the wheel step through the values without wrapping; a
// letter or digit selects the first value starting with it, or the next one
// when the current value starts with it. Programmatic changes send no
// notification; a value that is not among the values fails "false", and
// opening while the current value is not among them "IsMember
// (CurrentSelection)". UI thread only.
#ifndef ZQF_PARAMETERIZEDSTRINGLISTDROPDOWNGLYPH_H
#define ZQF_PARAMETERIZEDSTRINGLISTDROPDOWNGLYPH_H

#include "ZQF_AbstractStringListDropdownGlyph.h"
#include "ZQF_ParameterizedStringListGlyph.h"
#include "ZQ_List.h"

template <class T>
class ZQF_ParameterizedStringListDropdownGlyph;

template <>
class ZQF_ParameterizedStringListDropdownGlyph<ZQ_String> : public ZQF_AbstractStringListDropdownGlyph {
 public:
  using ValueList = ZQF_ParameterizedStringListGlyph<ZQ_String>;

  // DisplayWidth: -1 the widest value (20 characters without values), -2
  // the sample text, n >= 0 n characters.
  explicit ZQF_ParameterizedStringListDropdownGlyph(long DisplayWidth)
      : ZQF_AbstractStringListDropdownGlyph(DisplayWidth) {}

  // Applies the display width when values were added since.
  void UpdateDesiredSize() override;
  // Second try: first-letter selection.
  void HandleKey(ZQF_KeyMessage& Message, bool SecondTry) override;
  void HandleKeyUp(ZQF_KeyMessage& Message, bool SecondTry) override;
  void TakeDropdownSelection() override;
  void RememberValueForCancel() override;
  void RestoreValueForCancel() override;
  bool IsValueUnchangedSinceDropdown() override;
  ZQF_ListGlyph* CreateListGlyph() override;
  void SelectAdjacent(int Direction) override;
  virtual ZQ_ReadOnlyIterator<ZQ_String> GetValueIterator();

  void AddElement(const ZQ_String& Value);
  // The value at Index (below the number of values) becomes current.
  void SetValue(long Index);
  // The current value's position; 0 and "false" when it is none of them.
  long GetValue();
  const ZQ_String& GetCurrentValue() const { return CurrentValue; }
  // Shows Value; "false" and no change when it is not among the values.
  void Util_SetCurrentValue(const ZQ_String& Value);

 private:
  // Letters and digits, Control and Alt up, enabled, second try.
  bool IsFirstLetterKey(const ZQF_KeyMessage& Message, bool SecondTry);

  ZQ_String CurrentValue;
  ZQ_String ValueAtDropdown;
  ZQ_List<ZQ_String> Values;
  ValueList* DropdownList = nullptr;  // owned by the open popup
};

using ZQF_StoredStringListDropdownGlyph = ZQF_ParameterizedStringListDropdownGlyph<ZQ_String>;

#endif

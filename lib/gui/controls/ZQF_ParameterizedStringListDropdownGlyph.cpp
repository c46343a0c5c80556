#include "ZQF_ParameterizedStringListDropdownGlyph.h"

#include <cctype>

#include "ZQ_Assertion.h"

using StringDropdown = ZQF_ParameterizedStringListDropdownGlyph<ZQ_String>;

namespace {

char UpperFirst(const ZQ_String& Text) {
  return Text.GetLength() == 0 ? '\0' : static_cast<char>(std::toupper(static_cast<unsigned char>(Text.GetText()[0])));
}

}  // namespace

ZQ_ReadOnlyIterator<ZQ_String> StringDropdown::GetValueIterator() { return Values.GetIterator(); }

void StringDropdown::AddElement(const ZQ_String& Value) {
  DisplayWidthStale = true;
  Values.Append(Value);
  if (Values.GetNumElements() == 1) Util_SetCurrentValue(Value);
}

void StringDropdown::SetValue(long Index) {
  ZQ_ASSERT_TEXT(0 <= Index && Index < Values.GetNumElements(), "Index < NumValues");
  ZQ_ReadOnlyIterator<ZQ_String> value = GetValueIterator();
  if (!value.Advance(Index)) return;
  Util_SetCurrentValue(value.GetCurrent());
}

long StringDropdown::GetValue() {
  long index = 0;
  for (ZQ_ReadOnlyIterator<ZQ_String> value = GetValueIterator(); value.IsValid(); value.Advance(), ++index) {
    if (value.GetCurrent() == CurrentValue) return index;
  }
  ZQ_ASSERT_TEXT(false, "false");
  return 0;
}

void StringDropdown::Util_SetCurrentValue(const ZQ_String& Value) {
  for (ZQ_ReadOnlyIterator<ZQ_String> value = GetValueIterator(); value.IsValid(); value.Advance()) {
    if (value.GetCurrent() == Value) {
      CurrentValue = Value;
      UpdatePermanentDisplay(Value);
      return;
    }
  }
  ZQ_ASSERT_TEXT(false, "false");
}

void StringDropdown::UpdateDesiredSize() {
  if (DisplayWidthStale) {
    DisplayWidthStale = false;
    if (ZQF_TextEditGlyph* display = GetTextEditGlyph()) {
      if (DisplayWidth >= 0) {
        display->SetFixedSize(DisplayWidth, 1, true, true);
      } else if (DisplayWidth == -2) {
        display->SetFixedSize(SampleText, 1, true, true);
      } else if (Values.GetNumElements() == 0) {
        display->SetFixedSize(20, 1, true, true);
      } else {
        // The first of equally wide values wins.
        ZQ_String widest;
        long widestWidth = -1;
        for (ZQ_ReadOnlyIterator<ZQ_String> value = GetValueIterator(); value.IsValid(); value.Advance()) {
          const long width = display->ComputeTextSize(value.GetCurrent()).X;
          if (width > widestWidth) {
            widestWidth = width;
            widest = value.GetCurrent();
          }
        }
        display->SetFixedSize(widest, 1, true, true);
      }
    }
  }
  ZQF_AbstractStringListDropdownGlyph::UpdateDesiredSize();
}

ZQF_ListGlyph* StringDropdown::CreateListGlyph() {
  DropdownList = new ValueList(0);
  DropdownList->SetBorderStyle(0);
  DropdownList->SetSelectFollowsMouse(true);
  DropdownList->AddValues(GetValueIterator());
  const bool isMember = DropdownList->FindElementByValue(CurrentValue, ZQF_ListGlyph::Subset_All) != nullptr;
  ZQ_ASSERT_TEXT(isMember, "IsMember (CurrentSelection)");
  if (isMember) {
    DropdownList->SetFocusByValue(CurrentValue);
    DropdownList->SelectByValue(CurrentValue, true);
  }
  return DropdownList;
}

void StringDropdown::TakeDropdownSelection() {
  if (IsDropdownOpen() && DropdownList) Util_SetCurrentValue(DropdownList->GetFocusValue());
}
void StringDropdown::RememberValueForCancel() { ValueAtDropdown = CurrentValue; }
void StringDropdown::RestoreValueForCancel() { Util_SetCurrentValue(ValueAtDropdown); }
bool StringDropdown::IsValueUnchangedSinceDropdown() { return CurrentValue == ValueAtDropdown; }

void StringDropdown::SelectAdjacent(int Direction) {
  ZQ_ReadOnlyIterator<ZQ_String> value = GetValueIterator();
  if (!value.IsValid()) return;
  ZQ_String candidate = value.GetCurrent();
  ZQ_String previous;
  bool found = false;
  for (; value.IsValid(); value.Advance()) {
    if (value.GetCurrent() == CurrentValue) {
      found = true;
      break;
    }
    previous = value.GetCurrent();
  }
  if (found) {
    candidate = CurrentValue;
    if (Direction == 0) {
      if (value.Advance()) candidate = value.GetCurrent();
    } else if (GetValue() > 0) {
      candidate = previous;
    }
  }
  if (candidate == CurrentValue) return;
  Util_SetCurrentValue(candidate);
  DispatchControlChangeNotification();
}

bool StringDropdown::IsFirstLetterKey(const ZQF_KeyMessage& Message, bool SecondTry) {
  const ZQF_KeyCode key = Message.GetKeyCode();
  return AllowsFirstLetterSelection() && IsEnabled() && SecondTry && key < 128 &&
         std::isalnum(static_cast<unsigned char>(key)) && Message.MatchesModifierKeys(2, 0, 0);
}

void StringDropdown::HandleKey(ZQF_KeyMessage& Message, bool SecondTry) {
  if (Message.IsHandled() || !IsFirstLetterKey(Message, SecondTry)) {
    ZQF_AbstractStringListDropdownGlyph::HandleKey(Message, SecondTry);
    return;
  }
  const char c = static_cast<char>(std::toupper(Message.GetKeyCode()));
  ZQ_String candidate = CurrentValue;
  bool found = false;
  const bool repeat = UpperFirst(CurrentValue) == c;
  // The first value starting with c after the current one when the current
  // one starts with c, cycling; otherwise the first value starting with c.
  for (ZQ_ReadOnlyIterator<ZQ_String> value = GetValueIterator(); value.IsValid(); value.Advance()) {
    const ZQ_String& v = value.GetCurrent();
    if (v == CurrentValue) {
      if (repeat) found = false;
    } else if (UpperFirst(v) == c && !found) {
      candidate = v;
      found = true;
    }
  }
  Message.SetHandled();
  if (candidate == CurrentValue) return;
  Util_SetCurrentValue(candidate);
  if (IsDropdownOpen() && DropdownList) {
    DropdownList->SetFocusByValue(candidate);
    DropdownList->SelectFocusElement(true);
  }
  DispatchControlChangeNotification();
}

void StringDropdown::HandleKeyUp(ZQF_KeyMessage& Message, bool SecondTry) {
  if (!Message.IsHandled() && IsFirstLetterKey(Message, SecondTry)) {
    Message.SetHandled();
    return;
  }
  ZQF_AbstractStringListDropdownGlyph::HandleKeyUp(Message, SecondTry);
}

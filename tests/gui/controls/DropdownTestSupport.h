// DropdownTestSupport.h: a dropdown for the tests of the dropdown base: it
// shows its value in a label, and its popup lists the values. A mouse choice
// takes the value and closes, a keyboard one only takes it.
#ifndef DROPDOWN_TEST_SUPPORT_H
#define DROPDOWN_TEST_SUPPORT_H

#include <vector>

#include "ListTestSupport.h"
#include "ZQF_DropdownControlGlyph.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_ParameterizedStringListGlyph.h"
#include "ZQ_List.h"

using StringList = ZQF_ParameterizedStringListGlyph<ZQ_String>;

class TestDropdown : public ZQF_DropdownControlGlyph {
 public:
  explicit TestDropdown(const std::vector<const char*>& Choices) : Display(new ZQF_StoredLabelGlyph("")) {
    AddChild(Display, false);
    for (const char* choice : Choices) Values.Append(ZQ_String(choice));
    Value = Choices.front();
    Display->SetText(Value);
  }
  ZQF_Glyph* CreateDropdownGlyphTree() override {
    ++NumOpenings;
    List = new StringList(0);
    List->SetBorderStyle(0);
    List->SetSelectFollowsMouse(true);
    List->AddValues(Values.GetIterator());
    List->SetFocusByValue(Value);
    List->SelectByValue(Value, true);
    return List;
  }
  int GetDropdownNotificationResponse(ZQF_NotificationMessage& Message, bool) override {
    auto* change = dynamic_cast<ZQF_ListSelectionChangeNotificationMessage*>(&Message);
    if (!change) return Response_NotForDropdown;
    return change->GetChangeKind() == ZQF_ListGlyph::ListChange_Mouse ? Response_TakeAndClose
                                                                      : Response_Take;
  }
  void TakeDropdownSelection() override {
    Value = List->GetFocusValue();
    Display->SetText(Value);
  }
  void RememberValueForCancel() override { Remembered = Value; }
  void RestoreValueForCancel() override {
    Value = Remembered;
    Display->SetText(Value);
  }
  bool IsValueUnchangedSinceDropdown() override { return Value == Remembered; }

  ZQF_StoredLabelGlyph* Display;
  StringList* List = nullptr;
  ZQ_List<ZQ_String> Values;
  ZQ_String Value, Remembered;
  // Over the whole run.
  static inline int NumOpenings = 0;
};

#endif

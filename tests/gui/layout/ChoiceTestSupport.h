// ChoiceTestSupport.h: for the check-box and radio-group tests, a column that
// records the button and keyboard-indicator notifications reaching it (with
// the button's label and its state at that moment), and a finder of the
// radio buttons inside a tree. Also the panel of check boxes and a radio
// group with clients that the window tests show.
#ifndef CHOICE_TEST_SUPPORT_H
#define CHOICE_TEST_SUPPORT_H

#include <string>
#include <vector>

#include "../core/GuiStageTestSupport.h"
#include "LayoutFormSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQF_BorderGlyph.h"
#include "ZQF_CheckBoxGlyph.h"
#include "ZQF_ExclusiveAlternativeControlGroupGlyph.h"
#include "ZQF_MnemonicQueryMessage.h"
#include "ZQF_RadioButtonGlyph.h"

class ChoiceRecorder : public ZQF_ColumnGlyph {
 public:
  // "down <label>", "up <label>:<state>" or "indicators", on the first
  // try; labels without their mnemonic markers.
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override {
    if (SecondTry) return;
    if (auto* up = dynamic_cast<ZQF_ButtonUpNotificationMessage*>(&Message)) {
      Log.push_back("up " + LabelOf(up->GetButton()) + ":" +
                    std::to_string(static_cast<int>(up->GetButton()->GetState())));
    } else if (auto* down = dynamic_cast<ZQF_ButtonDownNotificationMessage*>(&Message)) {
      Log.push_back("down " + LabelOf(down->GetButton()));
    } else if (dynamic_cast<ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage*>(
                   &Message)) {
      Log.push_back("indicators");
    }
  }
  std::string Text() const { return Joined(Log); }

  VisitLog Log;

 private:
  static std::string LabelOf(ZQF_ButtonGlyph* Button) {
    auto* box = dynamic_cast<ZQF_CheckBoxGlyph*>(Button);
    return box ? ZQF_StripMnemonicAmpersands(box->GetLabel()).GetText() : "?";
  }
};

// The radio buttons under Root in pre-order, that is in the order added.
inline void CollectRadioButtons(ZQF_Glyph* Root, std::vector<ZQF_RadioButtonGlyph*>& Out) {
  if (auto* radio = dynamic_cast<ZQF_RadioButtonGlyph*>(Root)) Out.push_back(radio);
  for (ZQF_Glyph* c = Root->GetFirstChild(); c; c = c->GetNextSibling()) {
    CollectRadioButtons(c, Out);
  }
}

// Three check boxes (clear, checked, indeterminate) in a group box beside a
// radio group whose second and fourth choices have fields, the third sharing
// the fourth's.
struct ChoicePanel {
  ChoiceRecorder* root = new ChoiceRecorder;
  ZQF_CheckBoxGlyph* boxes[3];
  ZQF_ExclusiveAlternativeControlGroupGlyph* group = new ZQF_ExclusiveAlternativeControlGroupGlyph;
  ZQF_Glyph* height = ValueField("2.0 m");
  ZQF_Glyph* custom = ValueField("0.25");

  ChoicePanel() {
    ZQF_CheckBoxGroupGlyph* checks = new ZQF_CheckBoxGroupGlyph;
    const char* labels[] = {"Show &heat index", "Show &globe temperature", "&Round results"};
    const int states[] = {ZQF_ButtonGlyph::State_Up, ZQF_ButtonGlyph::State_Down,
                          ZQF_ButtonGlyph::State_Unknown};
    for (int i = 0; i < 3; ++i) {
      boxes[i] = new ZQF_CheckBoxGlyph(labels[i], true, states[i]);
      checks->AddToBottom(boxes[i]);
    }
    group->AddToBottom("&Measured at 2 m", nullptr);
    group->AddToBottom("Measured at &another height", height);
    group->AddToBottom("&Rural profile",
                       ZQF_ExclusiveAlternativeControlGroupGlyph::ShareNextClient);
    group->AddToBottom("&Urban profile, roughness", custom);
    ZQF_RowGlyph* row = new ZQF_RowGlyph;
    row->SetSpacing(12);
    row->AddToRight(new ZQF_BorderGlyph(checks, "Results", 0, ZQ_Point<long>(6, 4), 1, 0));
    row->AddToRight(new ZQF_BorderGlyph(group, "&Wind", 0, ZQ_Point<long>(6, 4), 1, 0));
    root->AddToBottom(row);
    root->AddToBottom(new ZQF_VerticalGlueGlyph());
  }
};

#endif

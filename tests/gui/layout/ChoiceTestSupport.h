// ChoiceTestSupport.h: for the check-box and radio-group tests, a column that
// records the button and keyboard-indicator notifications reaching it (with
// the button's label and its state at that moment), and a finder of the
// radio buttons inside a tree.
#ifndef CHOICE_TEST_SUPPORT_H
#define CHOICE_TEST_SUPPORT_H

#include <string>
#include <vector>

#include "../core/GuiStageTestSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQF_CheckBoxGlyph.h"
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

#endif

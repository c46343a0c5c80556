// ButtonTestSupport.h: a parent that records its buttons' notifications, and
// a rig that drives one button headless by a script of steps; a panel of
// text and bitmap buttons for the window tests.
#ifndef BUTTON_TEST_SUPPORT_H
#define BUTTON_TEST_SUPPORT_H

#include <memory>
#include <string>

#include "../core/GlyphTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQF_StandardTextButtonGlyph.h"
#include "ZQF_Window.h"

// Logs "D<state>" for a down notification and "U<state>" for a control change
// by a button (its up notification), with the state as it arrives.
inline void RecordButtonNotification(ZQF_Message& Message, VisitLog* Log) {
  if (auto* change = dynamic_cast<ZQF_ControlChangeNotificationMessage*>(&Message)) {
    Log->push_back("U" +
                   std::to_string(static_cast<ZQF_ButtonGlyph*>(change->GetControl())->GetState()));
  } else if (auto* down = dynamic_cast<ZQF_ButtonDownNotificationMessage*>(&Message)) {
    Log->push_back("D" + std::to_string(down->GetButton()->GetState()));
  }
}

template <class M, bool Inside>
std::unique_ptr<ZQF_Message> MouseStep() {
  return std::unique_ptr<ZQF_Message>(
      new M(Inside ? 30 : 90, Inside ? 20 : 90, false, false, false));
}
template <class M, ZQF_KeyCode Code>
std::unique_ptr<ZQF_Message> KeyStep() {
  return std::unique_ptr<ZQF_Message>(new M(Code, false, false, false));
}

// A 100 x 100 recording parent with Button at (10, 10, 40, 20) as its focus
// child. Steps: d left down, c double click, u left up, i move (all inside);
// o left up and m move outside; s S space and e E Enter down and up; x
// disable, n enable. Run returns one mark a step: h handled, - not, . none.
struct ButtonRig {
  explicit ButtonRig(ZQF_ButtonGlyph* Button)
      : Parent(new RecordingGlyph("parent", nullptr)), Button(Button) {
    Parent->OnOffer = [this](ZQF_Message& Message, bool SecondTry) {
      if (!SecondTry) RecordButtonNotification(Message, &Log);
    };
    Parent->SetBox(0, 0, 100, 100);
    Parent->AddChild(Button, true);
    Parent->LayoutChild(Button, ZQ_Rectangle<long>(10, 10, 40, 20));
  }

  std::string Run(const std::string& Steps) {
    static const struct {
      char Step;
      std::unique_ptr<ZQF_Message> (*Make)();
    } kSteps[] = {{'d', &MouseStep<ZQF_LeftDownMouseMessage, true>},
                  {'c', &MouseStep<ZQF_LeftDoubleClickMouseMessage, true>},
                  {'u', &MouseStep<ZQF_LeftUpMouseMessage, true>},
                  {'o', &MouseStep<ZQF_LeftUpMouseMessage, false>},
                  {'i', &MouseStep<ZQF_MoveMouseMessage, true>},
                  {'m', &MouseStep<ZQF_MoveMouseMessage, false>},
                  {'s', &KeyStep<ZQF_DownKeyMessage, ZQF_Key_Space>},
                  {'S', &KeyStep<ZQF_UpKeyMessage, ZQF_Key_Space>},
                  {'e', &KeyStep<ZQF_DownKeyMessage, ZQF_Key_Enter>},
                  {'E', &KeyStep<ZQF_UpKeyMessage, ZQF_Key_Enter>}};
    std::string marks;
    for (char step : Steps) {
      if (step == 'x' || step == 'n') {
        Button->SetEnabled(step == 'n');
        marks += '.';
      }
      for (const auto& s : kSteps) {
        if (s.Step != step) continue;
        const std::unique_ptr<ZQF_Message> message = s.Make();
        // As a window does: mouse messages go to the capturing glyph, if any.
        ZQF_Glyph* capturing = ZQF_Window::GetCapturingGlyph();
        const bool toCapture = capturing && dynamic_cast<ZQF_MouseMessage*>(message.get());
        (toCapture ? capturing : Parent.get())->Dispatch(*message);
        marks += message->IsHandled() ? 'h' : '-';
      }
    }
    return marks;
  }

  VisitLog Log;
  std::unique_ptr<RecordingGlyph> Parent;
  ZQF_ButtonGlyph* Button;
};

// Captioned rows of text buttons (OK, a pressed toggle, Help) and bitmap
// buttons (arrow, a pressed plus, arrow, plus); ShowStates puts OK on the
// focus path and disables Help and the second arrow, once in a window.
struct ButtonPanel {
  ZQF_ButtonGlyph* Buttons[7] = {
      new ZQF_StandardTextButtonGlyph("OK", 0, 0),
      new ZQF_StandardTextButtonGlyph("&Lock units", 1, 1),
      new ZQF_StandardTextButtonGlyph("&Help", 0, 0),
      new ZQF_StandardBitmapButtonGlyph("ZQTEST_ArrowButtonBitmap", 1, 0),
      new ZQF_StandardBitmapButtonGlyph("ZQTEST_PlusButtonBitmap", 1, 1),
      new ZQF_StandardBitmapButtonGlyph("ZQTEST_ArrowButtonBitmap", 1, 0),
      new ZQF_StandardBitmapButtonGlyph("ZQTEST_PlusButtonBitmap", 1, 0)};
  ZQF_ColumnGlyph* Column = new ZQF_ColumnGlyph;

  ButtonPanel() {
    auto* text = new ZQF_RowGlyph;
    auto* bitmaps = new ZQF_RowGlyph;
    text->SetSpacing(6);
    bitmaps->SetSpacing(4);
    for (int i = 0; i < 7; ++i) (i < 3 ? text : bitmaps)->AddToRight(Buttons[i]);
    // The buttons keep their natural widths.
    text->AddToRight(new ZQF_HorizontalGlueGlyph());
    bitmaps->AddToRight(new ZQF_HorizontalGlueGlyph());
    Column->SetSpacing(8);
    Column->AddToBottom(new ZQF_StoredLabelGlyph("Text buttons: OK, pressed, disabled"));
    Column->AddToBottom(text);
    Column->AddToBottom(new ZQF_StoredLabelGlyph("Bitmap buttons: up, pressed, disabled, up"));
    Column->AddToBottom(bitmaps);
    Column->AddToBottom(new ZQF_VerticalGlueGlyph());
  }
  void ShowStates() {
    Buttons[0]->PutOnFocusPath();
    Buttons[2]->SetEnabled(false);
    Buttons[5]->SetEnabled(false);
  }
};

#endif

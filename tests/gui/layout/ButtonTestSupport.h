// ButtonTestSupport.h: a parent that records the notifications of its
// buttons, and a rig that drives one button by a script of mouse, key and
// enabling steps, headless.
#ifndef BUTTON_TEST_SUPPORT_H
#define BUTTON_TEST_SUPPORT_H

#include <memory>
#include <string>

#include "../core/GlyphTestSupport.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQF_Window.h"

// Logs, on the first try, "D<state>" for a button's down notification and
// "U<state>" for a control change by a button (its up notification), the
// state read from the button as the notification arrives.
class NotificationRecorder : public RecordingGlyph {
 public:
  explicit NotificationRecorder(VisitLog* Log) : RecordingGlyph("parent", nullptr) {
    OnOffer = [Log](ZQF_Message& Message, bool SecondTry) {
      if (SecondTry) return;
      if (auto* change = dynamic_cast<ZQF_ControlChangeNotificationMessage*>(&Message)) {
        const auto* button = dynamic_cast<ZQF_ButtonGlyph*>(change->GetControl());
        Log->push_back("U" + std::to_string(button->GetState()));
      } else if (auto* down = dynamic_cast<ZQF_ButtonDownNotificationMessage*>(&Message)) {
        Log->push_back("D" + std::to_string(down->GetButton()->GetState()));
      }
    };
  }
};

// A 100 x 100 recording parent with Button at (10, 10, 40, 20) as its focus
// child. Script steps: d left down inside, c double click inside, u left up
// inside, o left up outside, m move outside, i move inside, s and S space
// down and up, e and E Enter down and up, x disable, n enable. Run returns
// one mark per step: h handled, - not handled, . an enabling step.
struct ButtonRig {
  explicit ButtonRig(ZQF_ButtonGlyph* Button)
      : Parent(new NotificationRecorder(&Log)), Button(Button) {
    Parent->SetBox(0, 0, 100, 100);
    Parent->AddChild(Button, true);
    Parent->LayoutChild(Button, ZQ_Rectangle<long>(10, 10, 40, 20));
  }

  std::string Run(const std::string& Steps) {
    std::string marks;
    for (char step : Steps) marks += Step(step);
    return marks;
  }

  char Step(char S) {
    switch (S) {
      case 'd':
        return Mark(Mouse<ZQF_LeftDownMouseMessage>(true));
      case 'c':
        return Mark(Mouse<ZQF_LeftDoubleClickMouseMessage>(true));
      case 'u':
        return Mark(Mouse<ZQF_LeftUpMouseMessage>(true));
      case 'o':
        return Mark(Mouse<ZQF_LeftUpMouseMessage>(false));
      case 'm':
        return Mark(Mouse<ZQF_MoveMouseMessage>(false));
      case 'i':
        return Mark(Mouse<ZQF_MoveMouseMessage>(true));
      case 's':
        return Mark(Key<ZQF_DownKeyMessage>(32));
      case 'S':
        return Mark(Key<ZQF_UpKeyMessage>(32));
      case 'e':
        return Mark(Key<ZQF_DownKeyMessage>(13));
      case 'E':
        return Mark(Key<ZQF_UpKeyMessage>(13));
      case 'x':
        Button->SetEnabled(false);
        return '.';
      case 'n':
        Button->SetEnabled(true);
        return '.';
    }
    ADD_FAILURE() << "unknown step " << S;
    return '?';
  }

  template <class M>
  bool Mouse(bool Inside) {
    M message(Inside ? 30 : 90, Inside ? 20 : 90, false, false, false);
    // As a window does: at the capturing glyph, if any.
    ZQF_Glyph* capturing = ZQF_Window::GetCapturingGlyph();
    (capturing ? capturing : Parent.get())->Dispatch(message);
    return message.IsHandled();
  }
  template <class M>
  bool Key(unsigned char Code) {
    M message(Code, false, false, false);
    Parent->Dispatch(message);
    return message.IsHandled();
  }
  static char Mark(bool Handled) { return Handled ? 'h' : '-'; }

  VisitLog Log;
  std::unique_ptr<NotificationRecorder> Parent;
  ZQF_ButtonGlyph* Button;
};

#endif

// ScrollBarTestSupport.h: a parent that records the scroll-bar change
// notifications reaching it, and a rig that drives a scroll bar headless by
// mouse messages at glyph-local points.
#ifndef SCROLL_BAR_TEST_SUPPORT_H
#define SCROLL_BAR_TEST_SUPPORT_H

#include <memory>
#include <string>

#include "../core/GlyphTestSupport.h"
#include "ZQF_ScrollBarGlyph.h"
#include "ZQF_Window.h"

// "<position>" for a change notification, with "t" when it says tracking.
inline void RecordScrollBarChange(ZQF_Message& Message, VisitLog* Log) {
  if (auto* change = dynamic_cast<ZQF_ScrollBarChangeNotificationMessage*>(&Message)) {
    Log->push_back(std::to_string(change->GetScrollBar()->GetSliderPosition()) +
                   (change->IsTracking() ? "t" : ""));
  }
}

class ScrollBarChangeRecorder : public RecordingGlyph {
 public:
  explicit ScrollBarChangeRecorder(VisitLog* Log) : RecordingGlyph("parent", nullptr) {
    OnOffer = [Log](ZQF_Message& Message, bool SecondTry) {
      if (!SecondTry) RecordScrollBarChange(Message, Log);
    };
  }
};

// A 300 x 300 recording parent with Bar at (10, 10, Width, Height).
struct ScrollBarRig {
  ScrollBarRig(ZQF_ScrollBarGlyph* Bar, long Width, long Height)
      : Parent(new ScrollBarChangeRecorder(&Log)), Bar(Bar) {
    Parent->SetBox(0, 0, 300, 300);
    Parent->AddChild(Bar, true);
    Bar->UpdateDesiredSize();
    Parent->LayoutChild(Bar, ZQ_Rectangle<long>(10, 10, Width, Height));
  }

  // A mouse message at (X, Y) of the bar, dispatched as a window does: at
  // the capturing glyph, if any. True when handled.
  template <class M>
  bool Mouse(long X, long Y) {
    M message(X + 10, Y + 10, false, false, false);
    ZQF_Glyph* capturing = ZQF_Window::GetCapturingGlyph();
    (capturing ? capturing : Parent.get())->Dispatch(message);
    return message.IsHandled();
  }

  VisitLog Log;
  std::unique_ptr<ScrollBarChangeRecorder> Parent;
  ZQF_ScrollBarGlyph* Bar;
};

#endif

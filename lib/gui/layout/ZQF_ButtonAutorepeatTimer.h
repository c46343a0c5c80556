// ZQF_ButtonAutorepeatTimer.h: the timer that repeats a held button's
// notifications. Its first tick comes after time metric 0 (350 ms by
// default), the next ones every time metric 1 (50 ms); each tick calls the
// button's AutorepeatTick. At most one exists in the program: the button
// module owns it (ZQF_ButtonGlyph::StartTimer, StopTimer). Ticks arrive
// through ZQ_Timer, whose guard keeps exceptions out of the timer window's
// frame. UI thread only.
#ifndef ZQF_BUTTONAUTOREPEATTIMER_H
#define ZQF_BUTTONAUTOREPEATTIMER_H

#include "ZQ_Timer.h"

class ZQF_ButtonGlyph;

class ZQF_ButtonAutorepeatTimer : public ZQ_Timer {
 public:
  // Starts ticking for Button, which it does not own.
  explicit ZQF_ButtonAutorepeatTimer(ZQF_ButtonGlyph* Button);
  ZQF_ButtonGlyph* GetButton() const { return Button; }

  // Public so that tests can tick without waiting. The button's
  // notifications may delete this timer.
  void Tick() override;

 private:
  ZQF_ButtonGlyph* Button;
};

#endif

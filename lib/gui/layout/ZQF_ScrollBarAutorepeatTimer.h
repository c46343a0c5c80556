// ZQF_ScrollBarAutorepeatTimer.h: the timer that repeats trough paging while
// the mouse button is held. Its first tick comes after time metric 0 (350 ms
// by default), the next ones every time metric 1 (50 ms); each tick calls the
// scroll bar's HandleTimerEvent. At most one exists in the program: the
// scroll-bar module owns it (ZQF_ScrollBarGlyph::StartTimer, StopTimer).
// Ticks arrive through ZQ_Timer, whose guard keeps exceptions out of the
// timer window's frame. UI thread only.
#ifndef ZQF_SCROLLBARAUTOREPEATTIMER_H
#define ZQF_SCROLLBARAUTOREPEATTIMER_H

#include "ZQ_Timer.h"

class ZQF_ScrollBarGlyph;

class ZQF_ScrollBarAutorepeatTimer : public ZQ_Timer {
 public:
  // Starts ticking for Bar, which it does not own.
  explicit ZQF_ScrollBarAutorepeatTimer(ZQF_ScrollBarGlyph* Bar);
  ZQF_ScrollBarGlyph* GetScrollBar() const { return Bar; }

  // Public so that tests can tick without waiting.
  void Tick() override;

 private:
  ZQF_ScrollBarGlyph* Bar;
};

#endif

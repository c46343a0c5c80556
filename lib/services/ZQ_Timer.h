// ZQ_Timer.h: a Windows timer with a callback. Every timer is delivered to
// one hidden window of the class "ZQTIMWNC", which exists from
// initialization stage 2 to stage 12; a timer started outside that span
// never ticks. The timer object's address is the Windows timer id. A timer
// may wait a first delay that differs from its repeat interval. Ticks run
// on the thread of the message loop; a callback may delete its own timer.
// A tick that throws ends in the fatal-error report ("... while processing a
// timer tick"); a cancelled operation ends the tick quietly. UI thread only.
#ifndef ZQ_TIMER_H
#define ZQ_TIMER_H

#include "ZQLOW_Windows.h"
#include "ZQ_Functor.h"

class ZQ_Timer {
 public:
  // Starts ticking every IntervalMs milliseconds.
  ZQ_Timer(int IntervalMs, const ZQ_Functor0& Callback);
  // First tick after FirstDelayMs, then every IntervalMs.
  ZQ_Timer(int FirstDelayMs, int IntervalMs, const ZQ_Functor0& Callback);
  // Kills the Windows timer if it runs.
  virtual ~ZQ_Timer();
  ZQ_Timer(const ZQ_Timer&) = delete;
  ZQ_Timer& operator=(const ZQ_Timer&) = delete;

  // Starts the Windows timer with TimeUntilNextTickMs; the timer must not
  // run ("not TimerCreated"). Does nothing while the timer window does not
  // exist. A failed Windows call is reported by the wrapper.
  void SetTimer(int TimeUntilNextTickMs);
  // Stops the Windows timer, if any; the timer may be started again.
  void KillTimer();
  bool IsTimerCreated() const { return TimerCreated; }

  // One tick: after the first delay the timer restarts at the interval,
  // then Tick runs. The object may be deleted by Tick.
  void ProcessTimerTick();

 protected:
  // Calls the callback when it is set. Subclasses may do otherwise.
  virtual void Tick();

 private:
  int FirstDelayMs;  // 0: no separate first delay (or already waited)
  int IntervalMs;
  ZQ_Functor0 Callback;
  bool TimerCreated = false;
};

// The window procedure of the timer window.
// Throws nothing: the tick runs inside ZQ_CallbackGuard.
LRESULT CALLBACK ZQ_TimerWndProc(HWND Window, UINT Message, WPARAM WParam,
                                 LPARAM LParam) noexcept;

// Creates the timer window at stage 2 and destroys it at stage 12.
// Registered with the initialization service by this module.
void ZQ_Timer_InitializationServiceCallback(int Stage);

// The timer window; null outside stages 2 to 12.
HWND ZQ_Timer_GetTimerWindow();

// An exception that escapes a tick's own guard (an assertion failure in
// assertion mode 3, for instance) is parked by the callback guard; this is
// ZQ_RethrowParkedCallbackException (ZQ_CallbackGuard.h) under the name
// older message loops call after each DispatchMessageA.
void ZQ_Timer_RethrowParkedException();

#endif

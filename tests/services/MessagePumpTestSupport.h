// MessagePumpTestSupport.h: runs the thread's message loop in tests that
// wait for timer ticks or delayed work. Every wait ends as soon as its
// condition holds; its limit is only the patience for a loaded machine.
// The timer window must exist (ZQ_Timer's initialization stage has run).
#ifndef MESSAGE_PUMP_TEST_SUPPORT_H
#define MESSAGE_PUMP_TEST_SUPPORT_H

#include "ZQLOW_WINUSER.h"
#include "ZQ_CallbackGuard.h"
#include "ZQ_Timer.h"

// How long a test waits for ticks it expects: generous, since a loaded machine
// may deliver a 10 ms timer late; the waits end as soon as the ticks are in.
constexpr int kPatienceMs = 3000;

struct PumpTimeUpFlag {
  bool isSet = false;
  void Set() { isSet = true; }
};

// Runs the message loop through the wrappers until Done says so or
// LimitMs pass (a timer of its own wakes the loop up). An exception a
// callback parked is rethrown here.
template <class Condition>
void PumpMessages(Condition Done, int LimitMs) {
  PumpTimeUpFlag timeUp;
  ZQ_Timer guard(LimitMs, ZQ_Functor0(&timeUp, &PumpTimeUpFlag::Set));
  MSG message;
  while (!Done() && !timeUp.isSet && ZQLOW_WINUSER::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ZQLOW_WINUSER::DispatchMessageA(&message);
    ZQ_RethrowParkedCallbackException();
  }
}

// Runs the message loop for Ms whatever happens.
inline void PumpFor(int Ms) {
  PumpMessages([] { return false; }, Ms);
}

// Dispatches what is queued now, without waiting (ticks of the guard timer
// of PumpMessages may be dropped too).
inline void DispatchQueuedMessages() {
  MSG message;
  while (ZQLOW_WINUSER::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    ZQLOW_WINUSER::DispatchMessageA(&message);
    ZQ_RethrowParkedCallbackException();
  }
}

#endif

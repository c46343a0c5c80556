// ZQ_CallbackGuard.h: keeps C++ exceptions out of the frames of Windows and
// of the C runtime, which 32-bit code cannot unwind. Every function the
// library hands to them (window, timer, hook and abort procedures,
// enumeration callbacks, filters, the maths-error hook) runs its body through
// ZQ_CallbackGuard: it catches everything and returns the callback's neutral
// result. The first exception caught is parked; one caught while another
// waits is dropped with the log entry "Callback exception dropped while
// another waits: " and its text (a ZQ_Exception's description, a
// std::exception's what (), "operation cancelled" or "unknown exception"). Every
// message loop calls ZQ_RethrowParkedCallbackException right after
// DispatchMessageA returns, so the parked exception goes on from the code
// that runs the loop. UI thread only: the parked exception is a plain global.
#ifndef ZQ_CALLBACKGUARD_H
#define ZQ_CALLBACKGUARD_H

// Parks the exception being handled, or logs and drops it when one is parked
// already. Call it only inside a catch handler.
void ZQ_ParkCurrentCallbackException() noexcept;

// Rethrows the parked exception, which is no longer parked; does nothing
// when none is.
void ZQ_RethrowParkedCallbackException();

// Returns Run (), or NeutralResult when Run throws (the exception is parked
// or logged as above).
template <class Result, class Body>
Result ZQ_CallbackGuard(Result NeutralResult, Body&& Run) noexcept {
  try {
    return Run();
  } catch (...) {
    ZQ_ParkCurrentCallbackException();
  }
  return NeutralResult;
}

// The same for a callback that returns nothing.
template <class Body>
void ZQ_CallbackGuard(Body&& Run) noexcept {
  try {
    Run();
  } catch (...) {
    ZQ_ParkCurrentCallbackException();
  }
}

#endif

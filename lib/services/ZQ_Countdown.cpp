#include "ZQ_Countdown.h"

#include "ZQ_Stopwatch.h"

namespace {

// The largest duration a 32-bit tick difference can measure.
const double kMaxMilliseconds = 4294967295.0;

unsigned long ToMilliseconds(double Seconds) {
  const double milliseconds = Seconds * 1000.0;
  // Out of range, the conversion to an integer would be undefined.
  if (!(milliseconds > 0.0)) return 0;
  if (milliseconds >= kMaxMilliseconds) return 0xFFFFFFFFul;
  return static_cast<unsigned long>(milliseconds);
}

}  // namespace

ZQ_Countdown::ZQ_Countdown(double Seconds) { Reset(Seconds); }

void ZQ_Countdown::Reset(double Seconds) {
  StartTick = ZQ_GetMillisecondTickCount();
  DurationMilliseconds = ToMilliseconds(Seconds);
}

bool ZQ_Countdown::HasExpired() const {
  return ZQ_GetMillisecondTickCount() - StartTick >= DurationMilliseconds;
}

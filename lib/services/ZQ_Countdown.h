// ZQ_Countdown.h: tells whether a given time has passed since it was set,
// on the millisecond tick count of ZQ_Stopwatch.h (one wrap of the count is
// harmless). Reads the clock only when asked. One thread only.
#ifndef ZQ_COUNTDOWN_H
#define ZQ_COUNTDOWN_H

class ZQ_Countdown {
 public:
  // Both set the duration from now, in seconds (whole milliseconds, cut
  // toward zero). A negative duration counts as 0.
  explicit ZQ_Countdown(double Seconds);
  void Reset(double Seconds);

  // True once the duration has passed; a duration of 0 has expired at once.
  bool HasExpired() const;

 private:
  unsigned long StartTick;
  unsigned long DurationMilliseconds;
};

#endif

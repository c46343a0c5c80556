// ZQ_Stopwatch.h: the millisecond tick count and a stopwatch that measures
// wall-clock time with pauses. The tick count wraps after about 49.7 days;
// every difference is taken in unsigned 32-bit arithmetic, so one wrap
// between two readings still gives the right duration. Nothing here starts a
// timer or a thread: the clock is read only when asked. One thread only.
#ifndef ZQ_STOPWATCH_H
#define ZQ_STOPWATCH_H

// Milliseconds since the system started (GetTickCount), or the answer of the
// installed source.
unsigned long ZQ_GetMillisecondTickCount();

// Replaces the clock behind ZQ_GetMillisecondTickCount (tests inject ticks);
// null restores the system's. Returns the previous source (null for the
// system's).
using ZQ_MillisecondTickCountSource = unsigned long (*)();
ZQ_MillisecondTickCountSource ZQ_SetMillisecondTickCountSource(
    ZQ_MillisecondTickCountSource Source);

class ZQ_Stopwatch {
 public:
  // Running from now, with nothing accumulated.
  ZQ_Stopwatch();

  // Starts a new run from now; the accumulated time stays, the time of a run
  // in progress is lost. Returns the accumulated seconds.
  double Start();
  // Ends the run in progress, adding it to the accumulated time; a stopped
  // stopwatch is left alone. Returns the accumulated seconds.
  double Stop();
  // The accumulated time plus the run in progress, in seconds.
  double GetElapsedSeconds() const;
  // Returns GetElapsedSeconds () and starts again from zero; a stopped
  // stopwatch stays stopped.
  double Restart();
  bool IsRunning() const { return Running; }

 private:
  unsigned long StartTick;                // when the current run began
  unsigned long AccumulatedMilliseconds;  // of the runs that have ended
  bool Running;
};

#endif

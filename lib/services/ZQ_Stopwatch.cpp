#include "ZQ_Stopwatch.h"

#include "ZQLOW_WINBASE.h"

namespace {

ZQ_MillisecondTickCountSource s_tickCountSource = nullptr;

double ToSeconds(unsigned long Milliseconds) { return Milliseconds * 0.001; }

}  // namespace

// No trace frame: timing loops poll the clock.
unsigned long ZQ_GetMillisecondTickCount() {
  return s_tickCountSource ? s_tickCountSource() : ZQLOW_WINBASE::GetTickCount();
}

ZQ_MillisecondTickCountSource ZQ_SetMillisecondTickCountSource(
    ZQ_MillisecondTickCountSource Source) {
  const ZQ_MillisecondTickCountSource previous = s_tickCountSource;
  s_tickCountSource = Source;
  return previous;
}

ZQ_Stopwatch::ZQ_Stopwatch()
    : StartTick(ZQ_GetMillisecondTickCount()), AccumulatedMilliseconds(0), Running(true) {}

double ZQ_Stopwatch::Start() {
  StartTick = ZQ_GetMillisecondTickCount();
  Running = true;
  return ToSeconds(AccumulatedMilliseconds);
}

double ZQ_Stopwatch::Stop() {
  if (Running) {
    AccumulatedMilliseconds += ZQ_GetMillisecondTickCount() - StartTick;
    Running = false;
  }
  return ToSeconds(AccumulatedMilliseconds);
}

double ZQ_Stopwatch::GetElapsedSeconds() const {
  if (!Running) return ToSeconds(AccumulatedMilliseconds);
  // Summed in 32 bits before the conversion, as the run itself is measured.
  const unsigned long total = AccumulatedMilliseconds + (ZQ_GetMillisecondTickCount() - StartTick);
  return ToSeconds(total);
}

double ZQ_Stopwatch::Restart() {
  const double elapsed = GetElapsedSeconds();
  AccumulatedMilliseconds = 0;
  if (Running) StartTick = ZQ_GetMillisecondTickCount();
  return elapsed;
}

// ZQ_DebuggingAids.h: small tools of the hidden debugging menu: provoking a
// chosen kind of error to try out the error paths, timing a piece of code
// per call, an empty test entry point and an abnormal stop. (The standard
// warning beep, ZQ_Beep, lives with the sounds in ZQ_Sound.h.) One thread.
#ifndef ZQ_DEBUGGINGAIDS_H
#define ZQ_DEBUGGINGAIDS_H

#include "ZQ_Functor.h"

class ZQ_TextStreamFormatter;

// Provokes errors, starting at Kind and falling through to the next kind
// whenever one does not stop the program: 0 an access violation (raised as
// the structured exception, touching no memory), 1 the division 1.0 / 0.0,
// 2 the failed assertion "false", 3 the square root of -1.0 (a maths-library
// domain error), 4 an allocation of 0x70000000 bytes (std::bad_alloc), 5 a
// failing dynamic cast (std::bad_cast); after kind 5, and at once for any
// larger kind, the failed assertion "false". Returns only when all of them
// were survived.
void ZQ_DebugCauseError(unsigned long Kind);

// Times Test (an empty loop when Test is empty) and writes the statistics to
// Out: the run count doubles from 1 until the runs take a second, is then
// scaled to about five seconds and measured once more; the overhead of the
// loop is subtracted. Out's format states are all removed first. Times come
// from ZQ_Stopwatch (its tick source can be replaced in tests).
void ZQ_PerformTimingTest(ZQ_TextStreamFormatter& Out, ZQ_Functor0 Test);

// Writes the entering and leaving messages and runs no test code between
// them.
void ZQ_MainTestFunction(ZQ_TextStreamFormatter& Out);

// Ends the process abnormally through the C runtime's abort.
[[noreturn]] void ZQ_Abort();

#endif

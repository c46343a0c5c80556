// ZQ_Assertion.h: the assertion service. Every function checks its
// preconditions inline with ZQ_ASSERT; only a false condition calls
// ZQ_ReportAssertionFailure. One program-wide mode decides what a failure does:
//   0 nothing; 1 logged, mode set to 0, then the C runtime's assertion routine;
//   2 fatal flag set, logged, fatal-error report; 3 logged, ZQ_Exception thrown
//   (name and description are the assertion message); 4 logged, immediate
//   abnormal stop; any other value logged, fatal-error report.
// While ZQ_FatalErrorInProgress is set every failure is ignored.
// One thread only: the mode and the flag are plain globals.
#ifndef ZQ_ASSERTION_H
#define ZQ_ASSERTION_H

// Checks a precondition. The condition's source text is what the failure
// reports, so write it as it should read ("(0 <= Value) and (Value < 16)").
#define ZQ_ASSERT(condition)                                                   \
  ((condition) ? static_cast<void>(0)                                          \
               : ZQ_ReportAssertionFailure(#condition, __FILE__, __LINE__))

// The same check reported under a text of the caller's choice, for conditions
// whose reported wording differs from the code that tests them.
#define ZQ_ASSERT_TEXT(condition, text)                                        \
  ((condition) ? static_cast<void>(0)                                          \
               : ZQ_ReportAssertionFailure((text), __FILE__, __LINE__))

// The checks of destructors and of the release steps they run: a failure is
// only logged (nothing in mode 0 or while a fatal error is in progress),
// whatever the mode. A destructor that threw or stopped would end the program
// (std::terminate) for a fault that the log can report.
#define ZQ_ASSERT_LOG_ONLY(condition)                                          \
  ((condition) ? static_cast<void>(0)                                          \
               : ZQ_LogAssertionFailure(#condition, __FILE__, __LINE__))
#define ZQ_ASSERT_TEXT_LOG_ONLY(condition, text)                               \
  ((condition) ? static_cast<void>(0)                                          \
               : ZQ_LogAssertionFailure((text), __FILE__, __LINE__))

// Set once a fatal-error report starts (or by a failure in mode 2) and never
// cleared. Assertions and timer ticks do nothing while it is set.
extern bool ZQ_FatalErrorInProgress;

// Handles one failed check (see the modes above). Returns only when the
// failure is ignored; mode 3 throws ZQ_Exception; the other modes end the
// program. Condition is the condition's source text, FileName the source file
// as the build names it.
void ZQ_ReportAssertionFailure(const char* Condition, const char* FileName,
                               long Line);

// Writes the log entry of a failed check and nothing else; never throws.
void ZQ_LogAssertionFailure(const char* Condition, const char* FileName,
                            long Line) noexcept;

// Either of the two, for code that destructors and other callers share.
using ZQ_AssertionReporter = void (*)(const char* Condition,
                                      const char* FileName, long Line);

// Stores the mode; the value is not checked. The mode is 1 at static start.
void ZQ_SetAssertionMode(long Mode);
long ZQ_GetAssertionMode();

// Back ends. Until the debugging log and the fatal-error report are installed
// here, failures use fallbacks that a test can observe:
// - the log entry text is appended to an in-memory text
//   (ZQ_GetAssertionFallbackLog / ZQ_ClearAssertionFallbackLog);
// - the fatal report writes the message and a line feed to stderr and ends the
//   process with exit code 1.
// A log hook receives one whole entry and must write and flush it. A fatal
// hook must not return; if it does, the process still ends with exit code 1.
// Passing null restores the fallback. Each setter returns the previous hook
// (null when the fallback was in place).
using ZQ_AssertionLogHook = void (*)(const char* Text, long Length);
using ZQ_AssertionFatalHook = void (*)(const char* Message);
ZQ_AssertionLogHook ZQ_SetAssertionLogHook(ZQ_AssertionLogHook Hook);
ZQ_AssertionFatalHook ZQ_SetAssertionFatalHook(ZQ_AssertionFatalHook Hook);

// The fallback log's text since the last clear (never null).
const char* ZQ_GetAssertionFallbackLog();
void ZQ_ClearAssertionFallbackLog();

// "Assertion failed: " Condition ", file \"" FileName "\", line " Line: the
// text of the fatal report and of the mode-3 exception.
class ZQ_String;
ZQ_String ZQ_BuildAssertionMessage(const char* Condition, const char* FileName,
                                   long Line);

#endif

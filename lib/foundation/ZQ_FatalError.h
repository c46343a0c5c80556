// ZQ_FatalError.h: the one orderly end of the program after an unrecoverable
// error. ZQ_ReportFatalError writes a banner, the message, the trace stack
// ("Stack:") and the execution environment to the debugging log, writes a
// report file "<application> Fatal Error Report.txt" beside the executable
// (or in the temporary directory) holding the box text and the whole log of
// the run, shows a task-modal stop box naming that file, and ends the
// process with exit code 1.
// Fatal errors arrive from failed assertions and from failed Windows calls
// in API failure mode 1 (this module installs ZQ_ReportFatalError as the
// assertion service's fatal hook, which the Windows-API layer uses too),
// from unhandled structured exceptions (ZQ_UnhandledExceptionFilter) and
// from errors of the maths library (the runtime's _matherr hook), the last
// two only between ZQ_InitializeDebugging and ZQ_DeinitializeDebugging.
// Every step of a report is guarded on its own: a failing step costs only
// its own part, and the box and the exit always happen. One thread only.
#ifndef ZQ_FATALERROR_H
#define ZQ_FATALERROR_H

#include "ZQLOW_Windows.h"
#include "ZQ_String.h"

class ZQ_Exception;
class ZQ_FileName;
class ZQ_TextStreamFormatter;

// Never return and throw nothing. The exception form reports
// GetDescription() (the name when the description is empty). A report
// started while another one runs ends the process at once with exit code 1.
[[noreturn]] void ZQ_ReportFatalError(const char* Message) noexcept;
[[noreturn]] void ZQ_ReportFatalError(const ZQ_String& Message) noexcept;
[[noreturn]] void ZQ_ReportFatalError(const ZQ_Exception& e) noexcept;

// Debug-dump functions: the application's own state, written after the
// execution environment, in registration order. A 26th registration is the
// assertion failure "NumRegisteredDebugDumpFuns < MaxNumDebugDumpFuns" and
// is not stored.
using ZQ_DebugDumpFunction = void (*)(ZQ_TextStreamFormatter& Out);
const int MaxNumDebugDumpFuns = 25;
void ZQ_RegisterDebugDumpFunction(ZQ_DebugDumpFunction Function);
int ZQ_GetNumRegisteredDebugDumpFunctions();

// The "Execution Environment:" block (application version, executable,
// local date and time, time offset, language, directories, operating
// system, execution mode, floating-point words), then the debug dumps. A
// value that fails leaves its label and the line end; a dump that throws
// leaves two line ends.
void ZQ_WriteExecutionEnvironment(ZQ_TextStreamFormatter& Out);
// The trace-stack dump and the environment block, each guarded and flushed.
void ZQ_WriteFatalErrorDetails(ZQ_TextStreamFormatter& Out) noexcept;

// Writes the report file (see above) and returns its name, or an empty name
// when it could be created neither beside the executable nor in the
// temporary directory. Throws nothing but std::bad_alloc.
ZQ_FileName ZQ_WriteFatalErrorReportFile(const char* Message);

// The stop box's title and text for Message. A non-empty ReportFile adds the
// paragraph asking the user to send it; ReportWritten adds the sentence
// naming it (the box says it, the file itself does not).
void ZQ_BuildFatalErrorMessage(const char* Message, const ZQ_FileName& ReportFile,
                               ZQ_String& Title, ZQ_String& Text, bool ReportWritten);

// The top-level structured-exception filter: a report naming the exception
// code ("EXCEPTION_ACCESS_VIOLATION", or "Structured Exception Code " and
// the code in decimal for a code it does not know). A fault of the SSE unit
// is named like the x87 fault it is ("EXCEPTION_FLT_DIVIDE_BY_ZERO"), read
// from the saved MXCSR flags. Never returns and throws nothing: without
// memory for the name the report says "Structured Exception Thrown".
LONG WINAPI ZQ_UnhandledExceptionFilter(EXCEPTION_POINTERS* Pointers) noexcept;
void ZQ_InstallUnhandledExceptionFilter();
void ZQ_RemoveUnhandledExceptionFilter();  // the system's own treatment again

// The switch of maths-error reports, off at start.
void ZQ_EnableMathErrorReporting();
void ZQ_DisableMathErrorReporting();
bool ZQ_IsMathErrorReportingEnabled();

// What the runtime's maths-error hook does with one error record (Type: 1
// domain, 2 singularity, 3 overflow, 4 underflow, 5 and 6 loss of
// precision): an underflow gets the result 0.0, a loss of precision keeps
// the runtime's result, both handled (1); other errors are left to the
// runtime (0) while reporting is off, and otherwise end in a report
// "Math Error - DOMAIN - sqrt -1 0".
int ZQ_HandleMathError(int Type, const char* FunctionName, double Arg1, double Arg2,
                       double& Result);

// The stop box: shows Text under Title, task-modal with the stop icon.
// Tests replace it (the box would wait for a user); null restores the
// standard box. Returns the previous function (null for the standard one).
using ZQ_FatalErrorBoxFunction = void (*)(const char* Text, const char* Title);
ZQ_FatalErrorBoxFunction ZQ_SetFatalErrorBoxFunction(ZQ_FatalErrorBoxFunction Box);

#endif

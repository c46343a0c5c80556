#include "ZQ_FatalError.h"

#include <float.h>

#include <cstring>

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_Assertion.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_FileName.h"
#include "ZQ_FileStreamSink.h"
#include "ZQ_FileUtils.h"
#include "ZQ_FloatingPointContext.h"
#include "ZQ_Internationalization.h"
#include "ZQ_Internationalization_Locale.h"
#include "ZQ_OperatingSystem.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatter.h"

namespace {

const char kBanner[] =
    "==========================   F A T A L    E R R O R   ==========================";
const char kReportFileSuffix[] = "Fatal Error Report";
const char kLongExplanation[] =
    "This file contains debugging information that\n"
    "will help {$1}'s developers determine the\n"
    "cause of this error. {$2}.\n"
    "\n"
    "In addition to the error report, the following information\n"
    "would also be useful to {$1}'s developers:\n"
    "  - Your contact information, in case additional information is needed\n"
    "  - If this error is reproducible, instructions for how to reproduce it\n"
    "  - Any files that are necessary to reproduce this error\n"
    "\n"
    "Any information you provide will be kept strictly private, and\n"
    "will be used only to investigate this error.  Thank you for\n"
    "your time.";

bool s_mathErrorReporting = false;
bool s_reportRunning = false;

ZQ_DebugDumpFunction s_debugDumpFuns[MaxNumDebugDumpFuns] = {};
int NumRegisteredDebugDumpFuns = 0;

ZQ_FatalErrorBoxFunction s_boxFunction = nullptr;

// The floating-point words as they stood when the report began; the report
// masks every exception before it formats anything.
bool s_haveSavedFPWords = false;
unsigned long s_savedControlWord = 0;
unsigned long s_savedStatusWord = 0;

void ShowStandardBox(const char* Text, const char* Title) {
  ZQLOW_WINUSER::MessageBoxA(nullptr, Text, Title, MB_TASKMODAL | MB_ICONHAND);
}

// Names the codes of the Windows headers. The last two are what the SSE unit
// raises for unmasked faults in double arithmetic when its flags do not
// tell the fault (see SSEFaultCode).
#define ZQ_EXCEPTION_CODE(code) {static_cast<DWORD>(code), #code}
const struct {
  DWORD Code;
  const char* Name;
} kExceptionNames[] = {
    ZQ_EXCEPTION_CODE(EXCEPTION_GUARD_PAGE),
    ZQ_EXCEPTION_CODE(EXCEPTION_DATATYPE_MISALIGNMENT),
    ZQ_EXCEPTION_CODE(EXCEPTION_BREAKPOINT),
    ZQ_EXCEPTION_CODE(EXCEPTION_SINGLE_STEP),
    ZQ_EXCEPTION_CODE(EXCEPTION_ACCESS_VIOLATION),
    ZQ_EXCEPTION_CODE(EXCEPTION_IN_PAGE_ERROR),
    ZQ_EXCEPTION_CODE(EXCEPTION_INVALID_HANDLE),
    ZQ_EXCEPTION_CODE(STATUS_NO_MEMORY),
    ZQ_EXCEPTION_CODE(EXCEPTION_ILLEGAL_INSTRUCTION),
    ZQ_EXCEPTION_CODE(EXCEPTION_NONCONTINUABLE_EXCEPTION),
    ZQ_EXCEPTION_CODE(EXCEPTION_INVALID_DISPOSITION),
    ZQ_EXCEPTION_CODE(EXCEPTION_ARRAY_BOUNDS_EXCEEDED),
    ZQ_EXCEPTION_CODE(EXCEPTION_FLT_DENORMAL_OPERAND),
    ZQ_EXCEPTION_CODE(EXCEPTION_FLT_DIVIDE_BY_ZERO),
    ZQ_EXCEPTION_CODE(EXCEPTION_FLT_INEXACT_RESULT),
    ZQ_EXCEPTION_CODE(EXCEPTION_FLT_INVALID_OPERATION),
    ZQ_EXCEPTION_CODE(EXCEPTION_FLT_OVERFLOW),
    ZQ_EXCEPTION_CODE(EXCEPTION_FLT_STACK_CHECK),
    ZQ_EXCEPTION_CODE(EXCEPTION_FLT_UNDERFLOW),
    ZQ_EXCEPTION_CODE(EXCEPTION_INT_DIVIDE_BY_ZERO),
    ZQ_EXCEPTION_CODE(EXCEPTION_INT_OVERFLOW),
    ZQ_EXCEPTION_CODE(EXCEPTION_PRIV_INSTRUCTION),
    ZQ_EXCEPTION_CODE(EXCEPTION_STACK_OVERFLOW),
    {0xC00002B4, "STATUS_FLOAT_MULTIPLE_FAULTS"},
    {0xC00002B5, "STATUS_FLOAT_MULTIPLE_TRAPS"},
};
#undef ZQ_EXCEPTION_CODE

// On x86 Windows the SSE unit reports every unmasked fault as one code of
// its own; the faulting operation's flags in MXCSR (at byte 24 of the saved
// FXSAVE area) tell which fault it was, and the report names that one as
// the x87 unit would. 0: not an SSE fault, or not one that can be told.
DWORD SSEFaultCode(const EXCEPTION_POINTERS* Pointers) {
  const DWORD code = Pointers->ExceptionRecord->ExceptionCode;
  if (code != 0xC00002B4 && code != 0xC00002B5) return 0;
  const CONTEXT* context = Pointers->ContextRecord;
  if (!context ||
      (context->ContextFlags & CONTEXT_EXTENDED_REGISTERS) != CONTEXT_EXTENDED_REGISTERS)
    return 0;
  DWORD mxcsr;
  std::memcpy(&mxcsr, context->ExtendedRegisters + 24, sizeof mxcsr);
  const DWORD unmaskedFlags = mxcsr & ~(mxcsr >> 7) & 0x3F;
  const struct {
    DWORD Flag;
    DWORD Code;
  } kFaults[] = {
      {0x01, static_cast<DWORD>(EXCEPTION_FLT_INVALID_OPERATION)},
      {0x02, static_cast<DWORD>(EXCEPTION_FLT_DENORMAL_OPERAND)},
      {0x04, static_cast<DWORD>(EXCEPTION_FLT_DIVIDE_BY_ZERO)},
      {0x08, static_cast<DWORD>(EXCEPTION_FLT_OVERFLOW)},
      {0x10, static_cast<DWORD>(EXCEPTION_FLT_UNDERFLOW)},
      {0x20, static_cast<DWORD>(EXCEPTION_FLT_INEXACT_RESULT)},
  };
  for (const auto& fault : kFaults)
    if (unmaskedFlags & fault.Flag) return fault.Code;
  return 0;
}

ZQ_String ExceptionCodeName(DWORD Code) {
  for (const auto& row : kExceptionNames)
    if (row.Code == Code) return ZQ_String(row.Name);
  return "Structured Exception Code " + ZQ_ToString(static_cast<unsigned long>(Code));
}

ZQ_String ExceptionName(const EXCEPTION_POINTERS* Pointers) {
  const DWORD sseFault = SSEFaultCode(Pointers);
  return ExceptionCodeName(sseFault ? sseFault : Pointers->ExceptionRecord->ExceptionCode);
}

const char* MathErrorKind(int Type) {
  switch (Type) {
    case 1: return "DOMAIN";
    case 2: return "SING";
    case 3: return "OVERFLOW";
    default: return "UNKNOWN";
  }
}

// One line of the environment block: the label stays, with its line end,
// when the value fails.
template <class WriteValue>
void WriteEnvironmentLine(ZQ_TextStreamFormatter& Out, const char* Label, WriteValue Write) {
  Out << Label;
  try {
    Write();
  } catch (...) {
  }
  Out.NewLine();
}

void WriteText(ZQ_TextStreamFormatter& Out, const ZQ_String& Text) {
  Out.GetSink().Write(Text.GetText(), static_cast<unsigned long>(Text.GetLength()));
}

unsigned long ControlWordToReport() {
  return s_haveSavedFPWords ? s_savedControlWord : ZQ_GetFPControlWord();
}
unsigned long StatusWordToReport() {
  return s_haveSavedFPWords ? s_savedStatusWord : ZQ_GetFPStatusWord();
}

ZQ_String ApplicationName() { return ZQ_GetDebuggingReportValues().ApplicationName; }

ZQ_String Translate(const char* Text) { return ZQ_Internationalization_Translate(ZQ_String(Text)); }

// Nothing the report does may start a second report: assertions, maths
// errors and the filter are off, failed Windows calls throw into the guards,
// and floating-point faults are masked (the words are kept for the report).
void QuietenErrorPaths() {
  try {
    ZQ_DisableMathErrorReporting();
    ZQ_SetAssertionMode(0);
    ZQ_RemoveUnhandledExceptionFilter();
    ZQLOW_WIN_SetAPIFunctionFailureMode(0);
  } catch (...) {
  }
  try {
    s_savedControlWord = ZQ_GetFPControlWord();
    s_savedStatusWord = ZQ_GetFPStatusWord();
    s_haveSavedFPWords = true;
    _clearfp();
    _controlfp(_MCW_EM, _MCW_EM);
  } catch (...) {
  }
}

void WriteLogBanner(const char* Message) {
  try {
    ZQ_DebugLog.NewLine();
    ZQ_DebugLog.NewLine();
    ZQ_DebugLog.NewLine();
    ZQ_DebugLog << kBanner;
    ZQ_DebugLog.NewLine();
    ZQ_DebugLog.NewLine();
    ZQ_DebugLog << Message;
    ZQ_DebugLog.NewLine();
    ZQ_DebugLog.NewLine();
    ZQ_DebugLog.Flush();
  } catch (...) {
  }
}

// The report file, then the box naming it; the box comes without the file
// when that cannot be written.
void WriteReportFileAndShowBox(const char* Message) {
  ZQ_FileName reportFile;
  try {
    reportFile = ZQ_WriteFatalErrorReportFile(Message);
  } catch (...) {
  }
  ZQ_String title;
  ZQ_String text;
  ZQ_BuildFatalErrorMessage(Message, reportFile, title, text, true);
  (s_boxFunction ? s_boxFunction : &ShowStandardBox)(text.GetText(), title.GetText());
}

// Connects the assertion service (and through it the Windows-API layer) to
// the report from static initialisation on, so that a failure before the
// program entry ends in a report as well.
class FatalReportConnection {
 public:
  FatalReportConnection() {
    ZQ_SetAssertionFatalHook(static_cast<void (*)(const char*)>(&ZQ_ReportFatalError));
  }
};
__attribute__((init_priority(1002))) FatalReportConnection s_fatalReportConnection;

}  // namespace

void ZQ_ReportFatalError(const char* Message) noexcept {
  if (s_reportRunning) ZQLOW_WINBASE::ExitProcess(1);
  s_reportRunning = true;
  ZQ_FatalErrorInProgress = true;
  if (!Message) Message = "";
  QuietenErrorPaths();
  WriteLogBanner(Message);
  ZQ_WriteFatalErrorDetails(ZQ_DebugLog);
  try {
    WriteReportFileAndShowBox(Message);
  } catch (...) {
  }
  ZQLOW_WINBASE::ExitProcess(1);
}

void ZQ_ReportFatalError(const ZQ_String& Message) noexcept {
  ZQ_ReportFatalError(Message.GetText());
}

void ZQ_ReportFatalError(const ZQ_Exception& e) noexcept {
  try {
    ZQ_ReportFatalError(e.GetDescription());
  } catch (...) {
    // No memory for the description: the report goes on without it.
  }
  ZQ_ReportFatalError("");
}

void ZQ_RegisterDebugDumpFunction(ZQ_DebugDumpFunction Function) {
  ZQ_TRACE_FUNCTION("ZQ_RegisterDebugDumpFunction");
  ZQ_ASSERT(NumRegisteredDebugDumpFuns < MaxNumDebugDumpFuns);
  if (NumRegisteredDebugDumpFuns < MaxNumDebugDumpFuns)
    s_debugDumpFuns[NumRegisteredDebugDumpFuns++] = Function;
}

int ZQ_GetNumRegisteredDebugDumpFunctions() { return NumRegisteredDebugDumpFuns; }

void ZQ_WriteExecutionEnvironment(ZQ_TextStreamFormatter& Out) {
  ZQ_TRACE_FUNCTION("ZQ_WriteExecutionEnvironment");
  Out.NewLine();
  Out << "Execution Environment:";
  Out.NewLine();
  Out.NewLine();
  WriteEnvironmentLine(Out, "    App Version                 = ", [&] {
    const ZQ_ApplicationMetrics& metrics = ZQ_GetApplicationMetrics();
    WriteText(Out, metrics.GetApplicationName() + " " + metrics.GetVersionString() +
                       ", build " + ZQ_ToString(metrics.GetBuildNumber()));
  });
  WriteEnvironmentLine(Out, "    Executable Filename         = ", [&] {
    WriteText(Out, ZQ_GetContainingExecutableFileName().GetPathName());
  });
  WriteEnvironmentLine(Out, "    Local Date and Time         = ", [&] {
    WriteText(Out, ZQ_PointInTime::GetCurrentLocal().Format("{DayOfWeek}, {Date}, {12HourTime}"));
  });
  WriteEnvironmentLine(Out, "    Local Time Offset           = ", [&] {
    // 0.0 - x, not -x: Greenwich itself is "GMT+0", not "GMT-0".
    const double offsetHours = 0.0 - ZQ_GetCoordinatedUniversalTimeBias().GetSeconds() / 3600.0;
    WriteText(Out, "GMT" + ZQ_ToString(offsetHours, "[ShowPlus=Yes]"));
  });
  WriteEnvironmentLine(Out, "    Current Language            = ", [&] {
    WriteText(Out, ZQ_Internationalization_LocaleNames_LocaleCodeToDescriptiveName(
                       ZQ_Internationalization_GetCurrentLocaleCode_Debugging()));
  });
  WriteEnvironmentLine(Out, "    Current Directory           = ", [&] {
    WriteText(Out, ZQ_FileUtils::GetCurrentDirectoryA());
  });
  WriteEnvironmentLine(Out, "    App Home Directory          = ", [&] {
    WriteText(Out, ZQ_ApplicationMetrics::GetHomeDirectory());
  });
  WriteEnvironmentLine(Out, "    Operating System            = ", [&] {
    WriteText(Out, ZQ_GetOperatingSystemDescription());
  });
  WriteEnvironmentLine(Out, "    Execution Mode              = ", [&] {
    Out << (ZQ_IsDevelopmentMode() ? "Development" : "Deployment");
  });
  WriteEnvironmentLine(Out, "    Floating Point Control Word = 0x", [&] {
    WriteText(Out, ZQ_ToString(ControlWordToReport(), "h"));
  });
  WriteEnvironmentLine(Out, "    Floating Point Status Word  = 0x", [&] {
    WriteText(Out, ZQ_ToString(StatusWordToReport(), "h"));
  });
  Out.NewLine();
  for (int i = 0; i < NumRegisteredDebugDumpFuns; ++i) {
    try {
      s_debugDumpFuns[i](Out);
    } catch (...) {
      Out.NewLine();
      Out.NewLine();
    }
  }
}

void ZQ_WriteFatalErrorDetails(ZQ_TextStreamFormatter& Out) noexcept {
  try {
    ZQ_StackTrace_Dump(Out);
    Out.Flush();
  } catch (...) {
  }
  try {
    ZQ_WriteExecutionEnvironment(Out);
    Out.Flush();
  } catch (...) {
  }
}

ZQ_FileName ZQ_WriteFatalErrorReportFile(const char* Message) {
  ZQ_TRACE_FUNCTION("ZQ_WriteFatalErrorReportFile");
  if (!Message) Message = "";
  // Failures to create the report file are answers here: they must throw
  // (mode 0) whatever mode the caller runs in, never start another report.
  const ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);
  ZQ_FileName name;
  try {
    const ZQ_String application = ApplicationName();
    // Without a name the file is just "Fatal Error Report.txt", not one
    // whose name begins with a space.
    name = (application.IsEmpty() ? ZQ_String() : application + " ") + kReportFileSuffix + ".txt";
  } catch (...) {
    name = ZQ_String(kReportFileSuffix) + ".txt";
  }
  ZQ_SeekableStreamSink sink;
  bool created = false;
  try {
    name.SetPath(ZQ_GetContainingExecutableFileName().GetPath(), ZQ_FileName::SetMode_Replace);
    sink = ZQ_CreateFileStreamSink(name, 0);
    created = true;
  } catch (...) {
  }
  if (!created) {
    try {
      name.SetPath(ZQ_FileUtils::GetTemporaryDirectory(), ZQ_FileName::SetMode_Replace);
      sink = ZQ_CreateFileStreamSink(name, 0);
      created = true;
    } catch (...) {
    }
  }
  if (!created) return ZQ_FileName();
  try {
    ZQ_TextStreamFormatter out(sink);
    ZQ_String title;
    ZQ_String text;
    ZQ_BuildFatalErrorMessage(Message, name, title, text, false);
    out.NewLine();
    out << "                   ";
    WriteText(out, name.GetBase());
    out.NewLine();
    out.NewLine();
    out.NewLine();
    WriteText(out, text);
    out.NewLine();
    out.NewLine();
    out.NewLine();
    WriteText(out, ZQ_String('-', 80));
    out.NewLine();
    out.NewLine();
    out.Flush();
    try {
      if (ZQ_DebugSinkExists()) {
        WriteText(out, ZQ_GetDebugLogText());
        out.NewLine();
        out.Flush();
      }
    } catch (...) {
    }
  } catch (...) {
    // A part of the file is better than none: the box still names it.
  }
  return name;
}

void ZQ_BuildFatalErrorMessage(const char* Message, const ZQ_FileName& ReportFile,
                               ZQ_String& Title, ZQ_String& Text, bool ReportWritten) {
  ZQ_TRACE_FUNCTION("ZQ_BuildFatalErrorMessage");
  const ZQ_String application = ApplicationName();
  Title = Translate("Fatal Error");
  if (!application.IsEmpty()) Title = application + " - " + Title;
  Text = Translate("A fatal error occurred");
  if (!application.IsEmpty()) Text += " in " + application;
  Text += ".  ";
  Text += Translate("The error message was:");
  Text += "\n\n";
  Text += Message ? Message : "";
  Text += "\n\n";
  if (ReportFile.IsNull()) return;
  const ZQ_String who = application.IsEmpty() ? Translate("the application") : application;
  const ZQ_String& contact = ZQ_GetDebuggingReportValues().ContactText;
  const ZQ_String sendTo =
      contact.IsEmpty()
          ? ZQ_Internationalization_FillPlaceholders(
                Translate("Please send this file to\n{$1}'s developers"), who)
          : ZQ_Internationalization_FillPlaceholders(
                Translate("Please e-mail this file to\n{$1}"), contact);
  if (ReportWritten) {
    Text += ZQ_Internationalization_FillPlaceholders(
        Translate("An error report has been placed in the file\n\"{$1}\"."),
        ReportFile.GetAbsolutePathName());
    Text += "\n";
  }
  Text += ZQ_Internationalization_FillPlaceholders(Translate(kLongExplanation), who, sendTo);
  Text += "\n";
}

LONG WINAPI ZQ_UnhandledExceptionFilter(EXCEPTION_POINTERS* Pointers) noexcept {
  ZQ_FatalErrorInProgress = true;
  _clearfp();
  try {
    ZQ_ReportFatalError(ExceptionName(Pointers));
  } catch (...) {
    // No memory for the name: the report goes on without it.
  }
  ZQ_ReportFatalError("Structured Exception Thrown");
}

void ZQ_InstallUnhandledExceptionFilter() {
  ::SetUnhandledExceptionFilter(&ZQ_UnhandledExceptionFilter);
}

void ZQ_RemoveUnhandledExceptionFilter() { ::SetUnhandledExceptionFilter(nullptr); }

void ZQ_EnableMathErrorReporting() { s_mathErrorReporting = true; }
void ZQ_DisableMathErrorReporting() { s_mathErrorReporting = false; }
bool ZQ_IsMathErrorReportingEnabled() { return s_mathErrorReporting; }

int ZQ_HandleMathError(int Type, const char* FunctionName, double Arg1, double Arg2,
                       double& Result) {
  if (Type == 4) {  // underflow
    Result = 0.0;
    return 1;
  }
  if (Type == 5 || Type == 6) return 1;  // total or partial loss of precision
  if (!s_mathErrorReporting) return 0;
  ZQ_FatalErrorInProgress = true;
  ZQ_String message("Math Error - ");
  try {
    message += MathErrorKind(Type);
    message += " - ";
    message += FunctionName ? FunctionName : "";
    message += " " + ZQ_ToString(Arg1) + " " + ZQ_ToString(Arg2);
  } catch (...) {
  }
  ZQ_ReportFatalError(message);
}

ZQ_FatalErrorBoxFunction ZQ_SetFatalErrorBoxFunction(ZQ_FatalErrorBoxFunction Box) {
  const ZQ_FatalErrorBoxFunction previous = s_boxFunction;
  s_boxFunction = Box;
  return previous;
}

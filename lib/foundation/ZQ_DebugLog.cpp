#include "ZQ_DebugLog.h"

#include "ZQLOW_WIN_Core.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_FatalError.h"
#include "ZQ_FileStreamSink.h"
#include "ZQ_FileUtils.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"

namespace {

ZQ_DebugStreamSinkReference* s_debugSink = nullptr;

const char kOpeningBanner[] = "\nDebugging Log\n\n\n";
const char kClosingBanner[] = "\n\nEnd of Debugging Log\n\n";
const char kNamelessLogFile[] = "ZQ_DebugLog.log";

// Stands in for the copy once the sink is gone.
const ZQ_String& EmptyText() {
  static const ZQ_String* s_empty = new ZQ_String;
  return *s_empty;
}

void WriteAssertionEntry(const char* Text, long Length) {
  ZQ_WriteDebugLogEntry(Text, Length, true);
}

// Connects the assertion service to the log for as long as the log exists.
class AssertionLogConnection {
 public:
  AssertionLogConnection() { Previous = ZQ_ConnectAssertionsToDebugLog(); }
  ~AssertionLogConnection() {
    if (ZQ_SetAssertionLogHook(Previous) != &WriteAssertionEntry)
      ZQ_SetAssertionLogHook(nullptr);  // someone replaced it: fall back
  }

 private:
  ZQ_AssertionLogHook Previous = nullptr;
};

// Watched-variable formatters of the trace stack for the built-in types.
ZQ_String FormatString(const void* Address) {
  return "\"" + *static_cast<const ZQ_String*>(Address) + "\"";
}
ZQ_String FormatText(const void* Address) {
  const char* text = *static_cast<const char* const*>(Address);
  return text ? ZQ_String(text) : ZQ_String("NULL");
}
ZQ_String FormatChar(const void* Address) {
  return ZQ_String(*static_cast<const char*>(Address));
}
template <class T>
ZQ_String FormatNumber(const void* Address) {
  return ZQ_ToString(*static_cast<const T*>(Address));
}
ZQ_String FormatDouble(const void* Address) {
  return ZQ_ToString(*static_cast<const double*>(Address), "#17");
}
ZQ_String FormatFloat(const void* Address) {
  return ZQ_ToString(*static_cast<const float*>(Address), "#9");
}

}  // namespace

// Created before, and destroyed after, every object of default priority
// (GCC init_priority; lower numbers are constructed first). The sink is
// created with new and owned by the formatter's handle.
__attribute__((init_priority(1000))) ZQ_TextStreamFormatter ZQ_DebugLog(
    ZQ_StreamSink(new ZQ_DebugStreamSinkReference));

namespace {
__attribute__((init_priority(1001))) AssertionLogConnection s_assertionLogConnection;

const ZQ_StackTrace_RegisterVarFormatter s_formatters[] = {
    {0, &FormatString},
    {1, &FormatText},
    {2, &FormatChar},
    {3, &FormatChar},
    {4, &FormatNumber<short>},
    {5, &FormatNumber<int>},
    {6, &FormatNumber<long>},
    {7, &FormatNumber<unsigned char>},
    {8, &FormatNumber<unsigned short>},
    {9, &FormatNumber<unsigned int>},
    {10, &FormatNumber<unsigned long>},
    {11, &FormatDouble},
    {12, &FormatFloat},
    {13, &FormatNumber<bool>},
};
}  // namespace

ZQ_DebugStreamSinkReference::ZQ_DebugStreamSinkReference() { s_debugSink = this; }

ZQ_DebugStreamSinkReference::~ZQ_DebugStreamSinkReference() {
  if (s_debugSink == this) s_debugSink = nullptr;
}

void ZQ_DebugStreamSinkReference::Write(const void* Data, unsigned long N) {
  ZQ_TRACE_FUNCTION("ZQ_DebugStreamSinkReference::Write");
  Inner.Write(Data, N);
  Copy.ReplaceWithoutShrinking(Copy.GetLength(), 0, static_cast<const char*>(Data),
                               static_cast<int>(N));
}

void ZQ_DebugStreamSinkReference::Flush() {
  ZQ_TRACE_FUNCTION("ZQ_DebugStreamSinkReference::Flush");
  Inner.Flush();
}

void ZQ_DebugStreamSinkReference::Open() {
  ZQ_TRACE_FUNCTION("ZQ_DebugStreamSinkReference::Open");
  ZQ_FileName executable;
  try {
    // Failures here are answers, not errors: they must throw (mode 0)
    // whatever mode the caller runs in, never end the program.
    const ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);
    executable = ZQ_GetContainingExecutableFileName();
  } catch (const ZQ_Exception&) {
    // No name: the nameless log in the temporary directory.
  }
  Open(executable);
}

void ZQ_DebugStreamSinkReference::Open(const ZQ_FileName& ExecutableFileName) {
  ZQ_TRACE_FUNCTION("ZQ_DebugStreamSinkReference::Open");
  // Failures to create the log file are answers, not errors: they must throw
  // (mode 0) whatever mode the caller runs in, never end the program.
  const ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);
  FileName = ZQ_FileName();
  ZQ_FileName name;
  try {
    name = ExecutableFileName.GetAbsolutePathName();
    if (name.IsNotNull()) {
      name.SetExtension("log", ZQ_FileName::SetMode_Replace);
      Inner = ZQ_CreateFileStreamSink(name, 0);
      FileName = name;
    }
  } catch (const ZQ_Exception&) {
    FileName = ZQ_FileName();
  }
  if (FileName.IsNull()) {
    try {
      if (name.IsNull()) name = kNamelessLogFile;
      name.SetPath(ZQ_FileUtils::GetTemporaryDirectory(), ZQ_FileName::SetMode_Replace);
      Inner = ZQ_CreateFileStreamSink(name, 0);
      FileName = name;
    } catch (const ZQ_Exception&) {
      // The log goes on in memory only.
      Inner = ZQ_StreamSink();
      return;
    }
  }
  try {
    Inner.Write(kOpeningBanner, sizeof kOpeningBanner - 1);
  } catch (const ZQ_Exception&) {
    // A file that takes no banner takes no log either.
    Inner = ZQ_StreamSink();
    FileName = ZQ_FileName();
  }
}

void ZQ_DebugStreamSinkReference::Close() {
  ZQ_TRACE_FUNCTION("ZQ_DebugStreamSinkReference::Close");
  // Releasing the file sink closes the file, also when the banner fails.
  ZQ_StreamSink file = Inner;
  Inner = ZQ_StreamSink();
  FileName = ZQ_FileName();
  file.Write(kClosingBanner, sizeof kClosingBanner - 1);
  file.Flush();
}

ZQ_AssertionLogHook ZQ_ConnectAssertionsToDebugLog() {
  return ZQ_SetAssertionLogHook(&WriteAssertionEntry);
}

bool ZQ_DebugSinkExists() { return s_debugSink != nullptr; }
ZQ_DebugStreamSinkReference* ZQ_GetDebugStreamSink() { return s_debugSink; }

const ZQ_String& ZQ_GetDebugLogText() {
  return s_debugSink ? s_debugSink->GetCopy() : EmptyText();
}

void ZQ_WriteDebugLogEntry(const char* Text, long Length, bool Flush) {
  ZQ_TRACE_FUNCTION("ZQ_WriteDebugLogEntry");
  if (!s_debugSink || Length <= 0) return;
  ZQ_DebugLog.GetSink().Write(Text, static_cast<unsigned long>(Length));
  // An entry ends its line, so that the next one never runs into it.
  if (Text[Length - 1] != '\n') ZQ_DebugLog.GetSink().Write("\n", 1);
  if (Flush) ZQ_DebugLog.Flush();
}

ZQ_DebuggingReportValues& ZQ_GetDebuggingReportValues() {
  // Construct on first use: a fatal report may come from a static
  // initialiser.
  static ZQ_DebuggingReportValues* const s_values = new ZQ_DebuggingReportValues;
  return *s_values;
}

void ZQ_InitializeDebugging() {
  ZQ_TRACE_FUNCTION("ZQ_InitializeDebugging");
  static long CallCount = 0;
  ++CallCount;
  ZQ_ASSERT(CallCount == 1);
  if (s_debugSink) s_debugSink->Open();
  ZQ_SetAssertionMode(2);
  ZQ_InstallUnhandledExceptionFilter();
  ZQ_EnableMathErrorReporting();
  ZQ_DebuggingReportValues& values = ZQ_GetDebuggingReportValues();
  values.ContactText = ZQ_GetApplicationMetrics().GetContactEmailAddress();
  values.ExecutableFileName = ZQ_GetContainingExecutableFileName();
  values.ApplicationName = values.ExecutableFileName.GetBase();
}

void ZQ_DeinitializeDebugging() {
  ZQ_TRACE_FUNCTION("ZQ_DeinitializeDebugging");
  ZQ_SetAssertionMode(1);
  ZQ_RemoveUnhandledExceptionFilter();
  ZQ_DisableMathErrorReporting();
  if (s_debugSink) s_debugSink->Close();
}

bool DetermineIfInDevelopmentMode(const ZQ_FileName& ExecutableFileName) {
  ZQ_TRACE_FUNCTION("DetermineIfInDevelopmentMode");
  ZQ_FileName marker = ExecutableFileName.GetAbsolutePathName();
  if (marker.IsNull()) return false;
  marker.SetBase(marker.GetBase() + "DevelopmentModeMarkerFile", ZQ_FileName::SetMode_Replace);
  marker.SetExtension("txt", ZQ_FileName::SetMode_Replace);
  return ZQ_FileUtils::FileExists(marker);
}

bool DetermineIfInDevelopmentMode() {
  return DetermineIfInDevelopmentMode(ZQ_GetContainingExecutableFileName());
}

bool ZQ_IsDevelopmentMode() {
  static const bool s_isDevelopmentMode = DetermineIfInDevelopmentMode();
  return s_isDevelopmentMode;
}

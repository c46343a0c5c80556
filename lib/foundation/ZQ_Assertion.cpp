#include "ZQ_Assertion.h"

#include <assert.h>

#include <cstdio>
#include <cstdlib>

#include "ZQ_Exception.h"
#include "ZQ_StackTrace.h"
#include "ZQ_String.h"

bool ZQ_FatalErrorInProgress = false;

namespace {

long s_assertionMode = 1;
ZQ_AssertionLogHook s_logHook = nullptr;
ZQ_AssertionFatalHook s_fatalHook = nullptr;

// Construct on first use: a failure may come from a static initialiser.
ZQ_String& FallbackLog() {
  static ZQ_String s_log;
  return s_log;
}

void WriteLog(const ZQ_String& Entry) {
  if (s_logHook)
    s_logHook(Entry.GetText(), Entry.GetLength());
  else
    FallbackLog() += Entry;
}

// Stands in for the fatal-error report until one is installed: same flag,
// same exit code, the message on stderr instead of a box and a file.
[[noreturn]] void ReportFatal(const ZQ_String& Message) {
  if (s_fatalHook) s_fatalHook(Message.GetText());
  ZQ_FatalErrorInProgress = true;
  s_assertionMode = 0;
  std::fputs(Message.GetText(), stderr);
  std::fputs("\n", stderr);
  std::fflush(stderr);
  std::_Exit(1);
}

ZQ_String LineToText(long Line) {
  char digits[24];
  std::snprintf(digits, sizeof digits, "%ld", Line);
  return ZQ_String(digits);
}

ZQ_String BuildLogEntry(const char* Condition, const char* FileName, long Line) {
  ZQ_String entry("\n\n\nAssertion Failed\n");
  entry += "    Condition : ";
  entry += Condition;
  entry += "\n    File Name : ";
  entry += FileName;
  entry += "\n    Line      : ";
  entry += LineToText(Line);
  entry += "\n\n";
  return entry;
}

}  // namespace

ZQ_String ZQ_BuildAssertionMessage(const char* Condition, const char* FileName,
                                   long Line) {
  ZQ_String message("Assertion failed: ");
  message += Condition;
  message += ", file \"";
  message += FileName;
  message += "\", line ";
  message += LineToText(Line);
  return message;
}

void ZQ_ReportAssertionFailure(const char* Condition, const char* FileName,
                               long Line) {
  if (s_assertionMode == 0 || ZQ_FatalErrorInProgress) return;
  ZQ_TRACE_FUNCTION("ZQ_ReportAssertionFailure");
  if (!Condition) Condition = "";
  if (!FileName) FileName = "";
  // Set before anything is written, so that a failure inside the report
  // itself is ignored.
  if (s_assertionMode == 2) ZQ_FatalErrorInProgress = true;
  WriteLog(BuildLogEntry(Condition, FileName, Line));
  switch (s_assertionMode) {
    case 4:
      // Stops at the failing check, where a debugger shows it.
      __builtin_trap();
    case 1:
      // Failures during the runtime's own termination are then ignored.
      s_assertionMode = 0;
      _assert(Condition, FileName, static_cast<unsigned>(Line));
      std::abort();  // not reached: the runtime's routine ends the program
    case 3: {
      ZQ_String message = ZQ_BuildAssertionMessage(Condition, FileName, Line);
      throw ZQ_Exception(message, message);
    }
    default:
      ReportFatal(ZQ_BuildAssertionMessage(Condition, FileName, Line));
  }
}

void ZQ_LogAssertionFailure(const char* Condition, const char* FileName,
                            long Line) noexcept {
  if (s_assertionMode == 0 || ZQ_FatalErrorInProgress) return;
  try {
    WriteLog(BuildLogEntry(Condition ? Condition : "", FileName ? FileName : "", Line));
  } catch (...) {
    // Out of memory for the entry: a destructor has nothing better to do.
  }
}

void ZQ_SetAssertionMode(long Mode) { s_assertionMode = Mode; }
long ZQ_GetAssertionMode() { return s_assertionMode; }

ZQ_AssertionLogHook ZQ_SetAssertionLogHook(ZQ_AssertionLogHook Hook) {
  ZQ_AssertionLogHook previous = s_logHook;
  s_logHook = Hook;
  return previous;
}

ZQ_AssertionFatalHook ZQ_SetAssertionFatalHook(ZQ_AssertionFatalHook Hook) {
  ZQ_AssertionFatalHook previous = s_fatalHook;
  s_fatalHook = Hook;
  return previous;
}

const char* ZQ_GetAssertionFallbackLog() { return FallbackLog().GetText(); }
void ZQ_ClearAssertionFallbackLog() { FallbackLog().Empty(); }

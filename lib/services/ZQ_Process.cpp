#include "ZQ_Process.h"

#include <vector>

#include "ZQLOW_SHELLAPI.h"
#include "ZQLOW_WINBASE.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"

namespace {

// The null process: one shared reference holding no handle, never deleted
// while a handle uses it (each null handle counts on it).
ZQ_ProcessReference* NullReference() {
  static ZQ_ProcessReference* s_null = [] {
    auto* reference = new ZQ_ProcessReference(nullptr, 0);
    reference->AddReference();  // the static's own share: never released
    return reference;
  }();
  return s_null;
}

DWORD IntervalMilliseconds(double Seconds) {
  const double milliseconds = Seconds * 1000.0;
  // NaN and anything below 1 ms poll every millisecond; the top stays clear
  // of INFINITE so that a poll always returns.
  if (!(milliseconds >= 1.0)) return 1;
  if (milliseconds >= 86400000.0) return 86400000;
  return static_cast<DWORD>(milliseconds);
}

}  // namespace

ZQ_Process::ZQ_Process() : Ref(NullReference()) {}

ZQ_Process::ZQ_Process(ZQ_ProcessReference* Reference) : Ref(Reference) {}

bool ZQ_Process::IsProcessActive() const {
  ZQ_TRACE_FUNCTION("ZQ_Process::IsProcessActive");
  ZQ_ASSERT_TEXT(!IsNull(), "not IsNull()");
  if (IsNull()) return false;
  DWORD exitCode = 0;
  ZQLOW_WINBASE::GetExitCodeProcess(Ref->Process.Get(), &exitCode);
  if (exitCode != STILL_ACTIVE) return false;
  // A program may end with the code 259 itself: only the handle's state
  // tells, or a polling wait would never finish.
  return ZQLOW_WINBASE::WaitForSingleObject(Ref->Process.Get(), 0) == WAIT_TIMEOUT;
}

int ZQ_Process::WaitForExit(const ZQ_Functor0& Callback, double IntervalSeconds) const {
  ZQ_TRACE_FUNCTION("ZQ_Process::WaitForExit");
  ZQ_ASSERT_TEXT(!IsNull(), "not IsNull()");
  if (IsNull()) return 0;
  if (Callback.IsSet()) {
    const DWORD interval = IntervalMilliseconds(IntervalSeconds);
    for (;;) {
      Callback();
      if (!IsProcessActive()) break;
      ZQLOW_WINBASE::Sleep(interval);
    }
  } else {
    ZQLOW_WINBASE::WaitForSingleObject(Ref->Process.Get(), INFINITE);
  }
  DWORD exitCode = 0;
  ZQLOW_WINBASE::GetExitCodeProcess(Ref->Process.Get(), &exitCode);
  return static_cast<int>(exitCode);
}

ZQ_Process StartProcess(const ZQ_String& CommandLine, const ZQ_String& InitialDirectory,
                        const ZQ_ProcessStartupParameters& Parameters) {
  ZQ_TRACE_FUNCTION("StartProcess");
  try {
    STARTUPINFOA startupInfo;
    Parameters.FillStartupInfo(startupInfo);
    // CreateProcessA may write into the command line: give it a copy of its
    // own, never the text of a string that others share.
    std::vector<char> commandLine(CommandLine.GetText(),
                                  CommandLine.GetText() + CommandLine.GetLength() + 1);
    PROCESS_INFORMATION processInfo = PROCESS_INFORMATION();
    ZQLOW_WINBASE::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  InitialDirectory.IsEmpty() ? nullptr : InitialDirectory.GetText(),
                                  &startupInfo, &processInfo);
    // Owned before anything else can throw; the thread handle is not needed.
    ZQ_OwnedProcessHandle process(processInfo.hProcess), thread(processInfo.hThread);
    ZQ_Process result(new ZQ_ProcessReference(process.Release(), processInfo.dwProcessId));
    thread.Reset();  // a failure to close it is reported
    return result;
  } catch (ZQ_Exception& e) {
    if (InitialDirectory.IsEmpty()) {
      e.AppendToDescription(ZQ_Internationalization_FillPlaceholders(
          ZQ_Internationalization_Translate(
              "This error occurred while attempting to execute the command line...\n    {$1}\n"
              "...in the current directory."),
          CommandLine));
    } else {
      e.AppendToDescription(ZQ_Internationalization_FillPlaceholders(
          ZQ_Internationalization_Translate(
              "This error occurred while attempting to execute the command line...\n    {$1}\n"
              "...in the directory {$2}."),
          CommandLine, InitialDirectory));
    }
    throw;
  }
}

int ZQ_ExecuteProcess(const ZQ_String& CommandLine, const ZQ_String& InitialDirectory,
                      const ZQ_ProcessStartupParameters& Parameters) {
  ZQ_TRACE_FUNCTION("ZQ_ExecuteProcess");
  return StartProcess(CommandLine, InitialDirectory, Parameters).WaitForExit(ZQ_Functor0(), 0.05);
}

HINSTANCE ZQ_DisplayDocumentUsingShellAssociation(
    const ZQ_String& DocumentFileName, const ZQ_String& Parameters,
    const ZQ_String& InitialDirectory, const ZQ_ProcessStartupParameters& StartupParameters) {
  ZQ_TRACE_FUNCTION("ZQ_DisplayDocumentUsingShellAssociation");
  try {
    return ZQLOW_SHELLAPI::ShellExecuteA(
        ZQLOW_WIN_GetProgramMainWindowHandle(), nullptr, DocumentFileName.GetText(),
        Parameters.IsEmpty() ? nullptr : Parameters.GetText(),
        InitialDirectory.IsEmpty() ? nullptr : InitialDirectory.GetText(),
        StartupParameters.GetShowCommand());
  } catch (ZQ_Exception& e) {
    if (Parameters.IsEmpty()) {
      e.AppendToDescription(ZQ_Internationalization_FillPlaceholders(
          ZQ_Internationalization_Translate(
              "This error occurred while attempting to open \"{$1}\"."),
          DocumentFileName));
    } else {
      e.AppendToDescription(ZQ_Internationalization_FillPlaceholders(
          ZQ_Internationalization_Translate(
              "This error occurred while attempting to open \"{$1}\" with the parameters "
              "\"{$2}\"."),
          DocumentFileName, Parameters));
    }
    throw;
  }
}

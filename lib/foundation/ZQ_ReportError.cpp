#include "ZQ_ReportError.h"

#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"
#include "ZQ_CommandLine.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_FatalError.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"

namespace {

ZQ_ErrorReportingFunction s_reportingFunction = &StandardInteractiveReportFun;

// Accepted so that command lines naming it stay valid.
ZQ_OneParameterFlagCommandLineElement s_batchErrorModeFlagFile("BatchErrorModeFlagFile",
                                                               ZQ_String());

void WriteLine(const ZQ_String& Text) {
  ZQ_DebugLog.GetSink().Write(Text.GetText(), static_cast<unsigned long>(Text.GetLength()));
  ZQ_DebugLog.NewLine();
}

}  // namespace

void ZQ_ReportError(const ZQ_String& ErrorName, const ZQ_String& Description,
                    ZQ_ReportErrorLevelType Level) {
  ZQ_TRACE_FUNCTION("ZQ_ReportError");
  ZQ_TRACE_VARIABLE(ErrorName);
  ZQ_ReportError(ZQ_Exception(ErrorName, Description), Level);
}

void ZQ_ReportError(const ZQ_Exception& Error, ZQ_ReportErrorLevelType Level) {
  ZQ_TRACE_FUNCTION("ZQ_ReportError");
  s_reportingFunction(Error, Level);
}

void ZQ_SetErrorReportingFunction(ZQ_ErrorReportingFunction ReportFun) {
  ZQ_TRACE_FUNCTION("ZQ_SetErrorReportingFunction");
  ZQ_ASSERT(ReportFun);
  if (ReportFun) s_reportingFunction = ReportFun;
}

void ZQ_UseStandardInteractiveErrorReporting() {
  s_reportingFunction = &StandardInteractiveReportFun;
}

void ZQ_ApplicationErrorReporting::InitializeErrorReportingFunction() {
  ZQ_TRACE_FUNCTION("ZQ_ApplicationErrorReporting::InitializeErrorReportingFunction");
  ZQ_SetErrorReportingFunction(ApplicationReportFun);
}

void ZQ_ApplicationErrorReporting::DeinitializeErrorReportingFunction() {
  ZQ_TRACE_FUNCTION("ZQ_ApplicationErrorReporting::DeinitializeErrorReportingFunction");
  ZQ_UseStandardInteractiveErrorReporting();
}

void StandardBatchReportFun(const ZQ_Exception& Error, ZQ_ReportErrorLevelType Level) {
  ZQ_TRACE_FUNCTION("StandardBatchReportFun");
  ZQ_DebugLog.NewLine();
  ZQ_DebugLog.NewLine();
  ZQ_DebugLog.NewLine();
  if (Level == ZQ_ReportErrorLevel_Error || Level == ZQ_ReportErrorLevel_Warning) {
    const char* word = Level == ZQ_ReportErrorLevel_Error ? "ERROR" : "WARNING";
    WriteLine("*****  " + ZQ_Internationalization_Translate(ZQ_String(word)) + " *****");
  } else {
    ZQ_ASSERT(false);
  }
  ZQ_DebugLog.NewLine();
  WriteLine(Error.GetName());
  ZQ_DebugLog.NewLine();
  WriteLine(Error.GetDescription());
  ZQ_DebugLog.NewLine();
}

void StandardInteractiveReportFun(const ZQ_Exception& Error, ZQ_ReportErrorLevelType Level) {
  ZQ_TRACE_FUNCTION("StandardInteractiveReportFun");
  try {
    StandardBatchReportFun(Error, Level);
    ZQ_DebugLog.Flush();
    ZQLOW_WINUSER::MessageBoxA(nullptr, Error.GetDescription().GetText(),
                               Error.GetName().GetText(), MB_TASKMODAL | MB_ICONEXCLAMATION);
  } catch (const ZQ_CancelCurrentOperationException&) {
    // The user cancelled: the report simply ends.
  } catch (...) {
    // The error being reported is what the user must learn about, not the
    // failure to show it.
    ZQ_ReportFatalError(Error);
  }
}

ZQ_FileName ZQ_GetBatchErrorModeFlagFile() {
  ZQ_TRACE_FUNCTION("ZQ_GetBatchErrorModeFlagFile");
  static const ZQ_FileName s_name = [] {
    if (s_batchErrorModeFlagFile.GetValue())
      return ZQ_FileName(s_batchErrorModeFlagFile.GetParameter());
    const ZQ_FileName executable = ZQ_GetContainingExecutableFileName();
    return ZQ_FileName(executable.GetAbsolutePath() + executable.GetBase() +
                       "BatchErrorFlagFile.txt");
  }();
  return s_name;
}

// ZQ_ReportError.h: deferred error reporting. Library and application code
// tells the user about an error or a warning without ending the operation by
// an exception: ZQ_ReportError writes nothing itself but hands the error, as
// a ZQ_Exception (name = short title, description = full text), to the one
// installed reporting function. The library's standard function writes it
// to the debugging log and shows it in a task-modal exclamation box; the GUI
// framework installs its own while the application runs. Errors are never
// queued. Errors that must end the program go to ZQ_ReportFatalError. One
// thread only.
#ifndef ZQ_REPORTERROR_H
#define ZQ_REPORTERROR_H

#include "ZQ_FileName.h"
#include "ZQ_String.h"

class ZQ_Exception;

enum ZQ_ReportErrorLevelType : int {
  ZQ_ReportErrorLevel_Error = 0,
  ZQ_ReportErrorLevel_Warning = 1
};

using ZQ_ErrorReportingFunction = void (*)(const ZQ_Exception& Error,
                                           ZQ_ReportErrorLevelType Level);

// Builds ZQ_Exception (ErrorName, Description) and reports it.
void ZQ_ReportError(const ZQ_String& ErrorName, const ZQ_String& Description,
                    ZQ_ReportErrorLevelType Level);
// Calls the installed reporting function with Error and Level.
void ZQ_ReportError(const ZQ_Exception& Error, ZQ_ReportErrorLevelType Level);

// Installs ReportFun (not null: the assertion "ReportFun"; a null function
// is not installed).
void ZQ_SetErrorReportingFunction(ZQ_ErrorReportingFunction ReportFun);
// Installs StandardInteractiveReportFun again, as at static start.
void ZQ_UseStandardInteractiveErrorReporting();

// The application's side of error reporting around its main message loop:
// before the loop it installs its own reporting function, after the loop the
// standard interactive one again. The GUI framework's application derives
// from it, naming the function that shows errors in its own dialog.
class ZQ_ApplicationErrorReporting {
 public:
  // ReportFun: the function that receives the reports while the loop runs.
  explicit ZQ_ApplicationErrorReporting(ZQ_ErrorReportingFunction ReportFun)
      : ApplicationReportFun(ReportFun) {}
  virtual ~ZQ_ApplicationErrorReporting() = default;

  // ZQ_SetErrorReportingFunction with the application's function (a null
  // one fails the assertion "ReportFun" and leaves the installed function).
  virtual void InitializeErrorReportingFunction();
  // ZQ_UseStandardInteractiveErrorReporting.
  virtual void DeinitializeErrorReportingFunction();

 private:
  ZQ_ErrorReportingFunction ApplicationReportFun;
};

// Writes the error to the debugging log: three line ends, "*****  ERROR
// *****" (or WARNING; the word translated), then the name and the
// description, each after an empty line, and an empty line. A level other
// than 0 or 1 is the assertion failure "false" (no level line is written).
void StandardBatchReportFun(const ZQ_Exception& Error, ZQ_ReportErrorLevelType Level);
// StandardBatchReportFun, a flush, then a task-modal exclamation box with
// the description as text and the name as title. A cancel exception raised
// meanwhile ends the report quietly; any other exception ends the program
// with a fatal-error report of Error's description.
void StandardInteractiveReportFun(const ZQ_Exception& Error, ZQ_ReportErrorLevelType Level);

// The batch error flag file: the parameter of the command-line option
// "-BatchErrorModeFlagFile" when it was given, else the executable's
// absolute path, its base name and "BatchErrorFlagFile.txt". Fixed at the
// first call. Nothing else reads it: the option has no further effect.
ZQ_FileName ZQ_GetBatchErrorModeFlagFile();

#endif

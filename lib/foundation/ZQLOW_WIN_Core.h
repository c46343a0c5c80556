// ZQLOW_WIN_Core.h: the bottom of the Windows-API layer. Keeps the program's
// instance handle, its main window handle and the API failure mode, and holds
// the one routine through which every wrapper (ZQLOW_WINBASE.h and its
// siblings) reports a failed Windows call: it logs the failure to the
// debugging log under "    API Function Failure Error", then acts by mode:
//   0 throws ZQ_Exception (name "Function <name> Failed", description the
//     message) - the mode of the running program;
//   1 fatal-error report with the message; never returns - the mode before
//     the program entry sets 0 and after it ends, so static initialisers and
//     destructors meet it;
//   2 returns after logging (the system never selects it);
//   other values: assertion failure "false", file ZQLOW_WIN_Core, line 244,
//     handled by the assertion mode; returns when that returns.
// A wrapper whose report returns hands the failed Windows result to its caller.
// One thread only: the globals take no lock.
#ifndef ZQLOW_WIN_CORE_H
#define ZQLOW_WIN_CORE_H

#include "ZQLOW_Windows.h"
#include "ZQ_String.h"

// Set once by the program entry with the handle Windows passes it. The getter
// of a handle still null shows a message box saying so, then returns null.
void ZQLOW_WIN_SetProgramInstanceHandle(HINSTANCE Instance);
HINSTANCE ZQLOW_WIN_GetProgramInstanceHandle();

// Set by the window layer once the application's main window exists. The
// getter warns by message box, as above, while it is null.
void ZQLOW_WIN_SetProgramMainWindowHandle(HWND Window);
HWND ZQLOW_WIN_GetProgramMainWindowHandle();

// Stores the mode (see above); the value is not checked. Initially 1.
void ZQLOW_WIN_SetAPIFunctionFailureMode(int Mode);
int ZQLOW_WIN_GetAPIFunctionFailureMode();

// Sets the mode for its own lifetime and restores the one before: code whose
// failures are answers (creating a log or report file) makes them throw
// (mode 0) whatever mode its caller runs in.
class ZQLOW_WIN_ScopedAPIFunctionFailureMode {
 public:
  explicit ZQLOW_WIN_ScopedAPIFunctionFailureMode(int Mode)
      : Saved(ZQLOW_WIN_GetAPIFunctionFailureMode()) {
    ZQLOW_WIN_SetAPIFunctionFailureMode(Mode);
  }
  ~ZQLOW_WIN_ScopedAPIFunctionFailureMode() { ZQLOW_WIN_SetAPIFunctionFailureMode(Saved); }
  ZQLOW_WIN_ScopedAPIFunctionFailureMode(const ZQLOW_WIN_ScopedAPIFunctionFailureMode&) = delete;
  ZQLOW_WIN_ScopedAPIFunctionFailureMode& operator=(
      const ZQLOW_WIN_ScopedAPIFunctionFailureMode&) = delete;

 private:
  int Saved;
};

// Bit 0 of the report's Options: the log is not flushed after the entry.
const unsigned ZQLOW_WIN_ReportOption_DoNotFlushLog = 1;

// Reports a failed call. FunctionName is the Windows name without the
// character-set letter ("CreateFile"); ErrorMessage null means "the system's
// text of the last error" (or, with last error 0, a sentence naming the
// function), otherwise it is the message, unchanged and untranslated. Reads
// the last error before it calls anything else. Throws ZQ_Exception in mode 0
// and does not return in mode 1 (see above).
void ZQLOW_WIN_ReportAPIFunctionFailure(const char* FunctionName,
                                        const char* ErrorMessage,
                                        unsigned Options);

// The message of a failure as the report composes it, reading the last
// error itself when ErrorMessage is null.
ZQ_String ZQLOW_WIN_ComposeAPIFailureMessage(const char* FunctionName,
                                             const char* ErrorMessage);

// The system's text for an error code, with a closing "\r\n" reduced to
// "\n"; empty when the system has none. Reports nothing.
ZQ_String ZQLOW_WIN_Code_ErrorCodeToMessage(DWORD SystemErrorCode);

// The wrapper families (ZQLOW_WINBASE.h and its siblings) list their
// wrappers as table rows
//   X(Result, Name, Letter, (Parameters), (Arguments), Test)
// that this macro turns into declarations inside the family's namespace.
#define ZQLOW_WIN_DECLARE(Result, Name, Letter, Parameters, Arguments, Test)   \
  Result Name##Letter Parameters;

#endif

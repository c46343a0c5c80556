// ZQLOW_WIN_Calls.h: the call table of the Windows-API wrappers. Every
// Windows function a wrapper calls has one entry, a pointer of that
// function's own type in the family's namespace Calls
// (ZQLOW_WINBASE::Calls::CreateFileA), and the wrapper calls only through
// it. Each entry starts out holding the Windows function itself; a test puts
// a fake in its place for a scope (ZQLOW_WIN_FakeCall.h) to make the call
// fail, or succeed, with the result and last error it chooses.
// The entries come from the families' tables (ZQLOW_WINBASE_TABLE and its
// siblings) and, for the wrappers written out by hand, from the lists below.
// They are initialised before any code runs (link-time addresses), so static
// initialisers may call the wrappers. Only the wrappers' .cpp files and tests
// include this file. One thread only.
#ifndef ZQLOW_WIN_CALLS_H
#define ZQLOW_WIN_CALLS_H

#include "ZQLOW_SHELLAPI.h"
#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_Windows.h"

// The Windows functions of the wrappers written out by hand, by family.
#define ZQLOW_WINBASE_WRITTEN_OUT_CALLS(X)                                     \
  X(ExitProcess) X(FindNextFileA) X(GetFullPathNameA) X(GetTickCount)         \
  X(ReadFile) X(WriteFile)
#define ZQLOW_WINUSER_WRITTEN_OUT_CALLS(X)                                     \
  X(GetCursorPos) X(GetWindowThreadProcessId) X(LoadIconA) X(MessageBeep)
#define ZQLOW_COMMDLG_CALLS(X)                                                 \
  X(CommDlgExtendedError) X(GetOpenFileNameA) X(GetSaveFileNameA)              \
  X(PageSetupDlgA) X(PrintDlgA)
#define ZQLOW_MMSYSTEM_CALLS(X) X(PlaySoundA)

// Every family's entries: Row(...) for each table row, Entry(Function) for
// each function listed above.
#define ZQLOW_WIN_ALL_CALLS(Row, Entry)                                        \
  namespace ZQLOW_WINBASE::Calls {                                             \
  ZQLOW_WINBASE_TABLE(Row) ZQLOW_WINBASE_WRITTEN_OUT_CALLS(Entry)              \
  }                                                                            \
  namespace ZQLOW_WINUSER::Calls {                                             \
  ZQLOW_WINUSER_TABLE(Row) ZQLOW_WINUSER_WRITTEN_OUT_CALLS(Entry)              \
  }                                                                            \
  namespace ZQLOW_WINGDI::Calls { ZQLOW_WINGDI_TABLE(Row) }                    \
  namespace ZQLOW_SHELLAPI::Calls { ZQLOW_SHELLAPI_TABLE(Row) }                \
  namespace ZQLOW_COMMDLG::Calls { ZQLOW_COMMDLG_CALLS(Entry) }                \
  namespace ZQLOW_MMSYSTEM::Calls { ZQLOW_MMSYSTEM_CALLS(Entry) }

#define ZQLOW_WIN_DECLARE_CALL(Function) extern decltype(&::Function) Function;
// Name and Letter are pasted, so Windows' generic A/W macros never expand
// them.
#define ZQLOW_WIN_DECLARE_ROW_CALL(Result, Name, Letter, Parameters, Arguments, Test) \
  ZQLOW_WIN_DECLARE_CALL(Name##Letter)

ZQLOW_WIN_ALL_CALLS(ZQLOW_WIN_DECLARE_ROW_CALL, ZQLOW_WIN_DECLARE_CALL)

#endif

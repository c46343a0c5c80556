// ZQLOW_SHELLAPI.h: the checked wrapper of ShellExecuteA. A result of 32 or
// less (an error code) is handed to ZQLOW_WIN_ReportAPIFunctionFailure
// (ZQLOW_WIN_Core.h) under "ShellExecute"; in the running program that
// throws ZQ_Exception. One thread only.
#ifndef ZQLOW_SHELLAPI_H
#define ZQLOW_SHELLAPI_H

#include "ZQLOW_WIN_Core.h"
#include "ZQLOW_Windows.h"

// clang-format off
#define ZQLOW_SHELLAPI_TABLE(X)                                                                    \
  X(HINSTANCE, ShellExecute, A, (HWND Window, LPCSTR Operation, LPCSTR File, LPCSTR Parameters,    \
    LPCSTR Directory, INT Show), (Window, Operation, File, Parameters, Directory, Show),           \
    FailsOnShellError)
// clang-format on

namespace ZQLOW_SHELLAPI {

ZQLOW_SHELLAPI_TABLE(ZQLOW_WIN_DECLARE)

}  // namespace ZQLOW_SHELLAPI

#endif

// ZQLOW_SHELLAPI.h: the checked wrappers of ShellExecuteA and
// SHGetFolderPathA. A ShellExecute result of 32 or less (an error code), or
// a failing HRESULT of SHGetFolderPath, is handed to
// ZQLOW_WIN_ReportAPIFunctionFailure (ZQLOW_WIN_Core.h); in the running
// program that throws ZQ_Exception. One thread only.
#ifndef ZQLOW_SHELLAPI_H
#define ZQLOW_SHELLAPI_H

#include "ZQLOW_WIN_Core.h"
#include "ZQLOW_Windows.h"

#include <shlobj.h>

// clang-format off
#define ZQLOW_SHELLAPI_TABLE(X)                                                                    \
  X(HINSTANCE, ShellExecute, A, (HWND Window, LPCSTR Operation, LPCSTR File, LPCSTR Parameters,    \
    LPCSTR Directory, INT Show), (Window, Operation, File, Parameters, Directory, Show),           \
    FailsOnShellError)                                                                             \
  X(HRESULT, SHGetFolderPath, A, (HWND Window, int Folder, HANDLE Token, DWORD Flags, LPSTR Path), \
    (Window, Folder, Token, Flags, Path), FailsOnNotNull)
// clang-format on

namespace ZQLOW_SHELLAPI {

ZQLOW_SHELLAPI_TABLE(ZQLOW_WIN_DECLARE)

}  // namespace ZQLOW_SHELLAPI

#endif

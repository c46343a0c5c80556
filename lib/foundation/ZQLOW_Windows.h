// ZQLOW_Windows.h: the one way the library includes the Win32 headers. Lean
// windows.h plus the common dialogs, the shell and multimedia, without the
// min/max macros, and without the generic A/W macros whose names are also
// method names of the library. Code that calls Windows names the function
// with its character-set letter (GetObjectA, DrawTextA).
#ifndef ZQLOW_WINDOWS_H
#define ZQLOW_WINDOWS_H

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX  // libstdc++ defines it too
#define NOMINMAX
#endif
#include <windows.h>
// Left out by WIN32_LEAN_AND_MEAN.
#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>

// Generic names that would silently turn a method of ours into its "A" twin.
#undef CopyFile
#undef CreateDirectory
#undef CreateFile
#undef CreateFont
#undef DeleteFile
#undef DrawText
#undef FindResource
#undef GetClassName
#undef GetCurrentDirectory
#undef GetMessage
#undef GetObject
#undef GetTempFileName
#undef GetTempPath
#undef GetUserName
#undef LoadBitmap
#undef LoadCursor
#undef LoadIcon
#undef LoadImage
#undef MoveFile
#undef PlaySound
#undef PostMessage
#undef RemoveDirectory
#undef SendMessage
#undef SetCurrentDirectory
#undef StartDoc
#undef TextOut

#endif

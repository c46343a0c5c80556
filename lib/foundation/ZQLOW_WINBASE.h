// ZQLOW_WINBASE.h: checked wrappers of the kernel functions the system calls.
// Each has the Windows function's parameters and result, calls it once,
// judges the result by the test of its row and hands a failure to
// ZQLOW_WIN_ReportAPIFunctionFailure (ZQLOW_WIN_Core.h): in the running
// program a failed call throws ZQ_Exception. When the report returns (other
// failure modes) the wrapper returns the failed result unchanged.
// Tests (ZQLOW_WIN_Check.h): FailsOnZero - 0, FALSE or null; ...Cleared - the
// last error is set to 0 first; FailsOnAllOnes - 0xFFFFFFFF;
// ...WithError - that value and a non-zero last error; FailsOnNotNull - the
// block was handed back; Unchecked - the caller judges the result.
// One thread only (the failure mode is a plain global).
#ifndef ZQLOW_WINBASE_H
#define ZQLOW_WINBASE_H

#include "ZQLOW_WIN_Core.h"
#include "ZQLOW_Windows.h"
#include "ZQ_Owned.h"

// clang-format off
#define ZQLOW_WINBASE_TABLE(X)                                                                     \
  X(BOOL, CloseHandle, , (HANDLE Object), (Object), FailsOnZero)                                   \
  X(BOOL, CopyFile, A, (LPCSTR ExistingName, LPCSTR NewName, BOOL FailIfExists),                   \
    (ExistingName, NewName, FailIfExists), FailsOnZero)                                            \
  X(BOOL, CreateDirectory, A, (LPCSTR PathName, LPSECURITY_ATTRIBUTES Security),                   \
    (PathName, Security), FailsOnZero)                                                             \
  /* Options 1: the debugging log's own file is opened through this call. */                      \
  X(HANDLE, CreateEvent, A, (LPSECURITY_ATTRIBUTES Security, BOOL ManualReset, BOOL InitialState,  \
    LPCSTR Name), (Security, ManualReset, InitialState, Name), FailsOnZero)                        \
  X(HANDLE, CreateFile, A, (LPCSTR FileName, DWORD Access, DWORD ShareMode,                        \
    LPSECURITY_ATTRIBUTES Security, DWORD Disposition, DWORD FlagsAndAttributes,                   \
    HANDLE Template), (FileName, Access, ShareMode, Security, Disposition,                         \
    FlagsAndAttributes, Template), FailsOnAllOnesLogUnflushed)                                     \
  X(HANDLE, CreateFileMapping, A, (HANDLE File, LPSECURITY_ATTRIBUTES Security, DWORD Protect,     \
    DWORD MaximumSizeHigh, DWORD MaximumSizeLow, LPCSTR Name),                                     \
    (File, Security, Protect, MaximumSizeHigh, MaximumSizeLow, Name), FailsOnZero)                 \
  X(BOOL, CreateProcess, A, (LPCSTR ApplicationName, LPSTR CommandLine,                            \
    LPSECURITY_ATTRIBUTES ProcessSecurity, LPSECURITY_ATTRIBUTES ThreadSecurity,                   \
    BOOL InheritHandles, DWORD CreationFlags, LPVOID Environment, LPCSTR CurrentDirectory,         \
    LPSTARTUPINFOA StartupInfo, LPPROCESS_INFORMATION ProcessInformation),                         \
    (ApplicationName, CommandLine, ProcessSecurity, ThreadSecurity, InheritHandles,                \
    CreationFlags, Environment, CurrentDirectory, StartupInfo, ProcessInformation), FailsOnZero)   \
  X(BOOL, DeleteFile, A, (LPCSTR FileName), (FileName), FailsOnZero)                               \
  X(BOOL, FileTimeToDosDateTime, , (const FILETIME* FileTime, LPWORD FatDate, LPWORD FatTime),     \
    (FileTime, FatDate, FatTime), FailsOnZero)                                                     \
  X(BOOL, FileTimeToLocalFileTime, , (const FILETIME* FileTime, LPFILETIME LocalFileTime),         \
    (FileTime, LocalFileTime), FailsOnZero)                                                        \
  X(BOOL, FindClose, , (HANDLE FindFile), (FindFile), FailsOnZero)                                 \
  X(HANDLE, FindFirstFile, A, (LPCSTR FileName, LPWIN32_FIND_DATAA FindData),                      \
    (FileName, FindData), Unchecked)                                                               \
  X(HRSRC, FindResource, A, (HMODULE Module, LPCSTR Name, LPCSTR Type), (Module, Name, Type),      \
    FailsOnZero)                                                                                   \
  X(BOOL, FlushFileBuffers, , (HANDLE File), (File), FailsOnZero)                                  \
  X(BOOL, FreeResource, , (HGLOBAL ResourceData), (ResourceData), Unchecked)                       \
  X(LPSTR, GetCommandLine, A, (), (), Unchecked)                                                   \
  X(DWORD, GetCurrentDirectory, A, (DWORD BufferLength, LPSTR Buffer), (BufferLength, Buffer),     \
    FailsOnZero)                                                                                   \
  X(BOOL, GetExitCodeProcess, , (HANDLE Process, LPDWORD ExitCode), (Process, ExitCode),           \
    FailsOnZero)                                                                                   \
  /* INVALID_FILE_ATTRIBUTES for a missing name is an answer, not a failure. */                    \
  X(DWORD, GetFileAttributes, A, (LPCSTR FileName), (FileName), Unchecked)                         \
  X(DWORD, GetFileSize, , (HANDLE File, LPDWORD FileSizeHigh), (File, FileSizeHigh),               \
    FailsOnAllOnesWithError)                                                                       \
  X(void, GetLocalTime, , (LPSYSTEMTIME SystemTime), (SystemTime), Unchecked)                      \
  X(DWORD, GetModuleFileName, A, (HMODULE Module, LPSTR FileName, DWORD Size),                     \
    (Module, FileName, Size), FailsOnZero)                                                         \
  X(HMODULE, GetModuleHandle, A, (LPCSTR ModuleName), (ModuleName), FailsOnZero)                  \
  X(void, GetSystemTimeAsFileTime, , (LPFILETIME SystemTimeAsFileTime), (SystemTimeAsFileTime),     \
    Unchecked)                                                                                     \
  X(BOOL, GetProcessTimes, , (HANDLE Process, LPFILETIME Creation, LPFILETIME Exit,                \
    LPFILETIME Kernel, LPFILETIME User), (Process, Creation, Exit, Kernel, User), FailsOnZero)     \
  X(DWORD, GetTempPath, A, (DWORD BufferLength, LPSTR Buffer), (BufferLength, Buffer),             \
    FailsOnZero)                                                                                   \
  X(DWORD, GetTimeZoneInformation, , (LPTIME_ZONE_INFORMATION TimeZone), (TimeZone),               \
    FailsOnAllOnes)                                                                                \
  X(BOOL, GetVersionEx, A, (LPOSVERSIONINFOA VersionInformation), (VersionInformation),            \
    FailsOnZero)                                                                                   \
  X(HGLOBAL, GlobalAlloc, , (UINT Flags, SIZE_T Bytes), (Flags, Bytes), FailsOnZero)               \
  X(HGLOBAL, GlobalFree, , (HGLOBAL Memory), (Memory), FailsOnNotNull)                             \
  X(LPVOID, GlobalLock, , (HGLOBAL Memory), (Memory), FailsOnZero)                                 \
  /* 0 without an error: a discarded block, which holds nothing. */                                \
  X(SIZE_T, GlobalSize, , (HGLOBAL Memory), (Memory), FailsOnZeroWithError)                        \
  X(BOOL, GlobalUnlock, , (HGLOBAL Memory), (Memory), FailsOnZeroWithError)                        \
  X(HGLOBAL, LoadResource, , (HMODULE Module, HRSRC ResourceInfo), (Module, ResourceInfo),         \
    FailsOnZero)                                                                                   \
  X(LPVOID, LockResource, , (HGLOBAL ResourceData), (ResourceData), Unchecked)                     \
  X(LPVOID, MapViewOfFile, , (HANDLE FileMapping, DWORD Access, DWORD OffsetHigh,                  \
    DWORD OffsetLow, SIZE_T BytesToMap), (FileMapping, Access, OffsetHigh, OffsetLow, BytesToMap), \
    FailsOnZero)                                                                                   \
  X(BOOL, MoveFileEx, A, (LPCSTR ExistingName, LPCSTR NewName, DWORD Flags),                      \
    (ExistingName, NewName, Flags), FailsOnZero)                                                   \
  X(int, MulDiv, , (int Number, int Numerator, int Denominator), (Number, Numerator, Denominator), \
    Unchecked)                                                                                     \
  X(HANDLE, OpenEvent, A, (DWORD Access, BOOL InheritHandle, LPCSTR Name),                         \
    (Access, InheritHandle, Name), FailsOnZero)                                                    \
  X(BOOL, RemoveDirectory, A, (LPCSTR PathName), (PathName), FailsOnZero)                          \
  X(BOOL, SetCurrentDirectory, A, (LPCSTR PathName), (PathName), FailsOnZero)                      \
  X(BOOL, SetEvent, , (HANDLE Event), (Event), FailsOnZero)                                        \
  X(DWORD, SetFilePointer, , (HANDLE File, LONG DistanceToMove, PLONG DistanceToMoveHigh,          \
    DWORD MoveMethod), (File, DistanceToMove, DistanceToMoveHigh, MoveMethod),                     \
    FailsOnAllOnesWithError)                                                                       \
  X(BOOL, SetFileTime, , (HANDLE File, const FILETIME* CreationTime,                               \
    const FILETIME* LastAccessTime, const FILETIME* LastWriteTime),                                \
    (File, CreationTime, LastAccessTime, LastWriteTime), FailsOnZero)                              \
  /* An empty resource has the size 0: only the last error tells a failure. */                    \
  X(DWORD, SizeofResource, , (HMODULE Module, HRSRC ResourceInfo), (Module, ResourceInfo),         \
    FailsOnZeroWithError)                                                                          \
  X(void, Sleep, , (DWORD Milliseconds), (Milliseconds), Unchecked)                                \
  X(BOOL, TerminateProcess, , (HANDLE Process, UINT ExitCode), (Process, ExitCode), FailsOnZero)   \
  X(BOOL, UnmapViewOfFile, , (LPCVOID BaseAddress), (BaseAddress), FailsOnZero)                    \
  X(DWORD, WaitForSingleObject, , (HANDLE Handle, DWORD Milliseconds), (Handle, Milliseconds),     \
    FailsOnAllOnes)
// clang-format on

namespace ZQLOW_WINBASE {

ZQLOW_WINBASE_TABLE(ZQLOW_WIN_DECLARE)

// A result of FALSE is reported with the system's text; a successful read of
// fewer bytes than BytesToRead as "Attempt to read beyond end of file".
// BytesRead must point to a count.
BOOL ReadFile(HANDLE File, LPVOID Buffer, DWORD BytesToRead, LPDWORD BytesRead,
              LPOVERLAPPED Overlapped);

// A result of FALSE is reported with the system's text; a successful write of
// fewer bytes than BytesToWrite (a full pipe, a device that took part) as
// "Attempt to write was cut short: fewer bytes were written than given", so
// that no data is lost silently. BytesWritten may be null when Overlapped is
// null: the wrapper then counts for itself.
BOOL WriteFile(HANDLE File, LPCVOID Buffer, DWORD BytesToWrite,
               LPDWORD BytesWritten, LPOVERLAPPED Overlapped);

// FALSE is the end of a listing when the last error is ERROR_NO_MORE_FILES
// (no report); any other FALSE is reported.
BOOL FindNextFileA(HANDLE FindFile, LPWIN32_FIND_DATAA FindData);

// A result greater than BufferLength is reported as "Buffer too small", a
// result of 0 with the system's text.
DWORD GetFullPathNameA(LPCSTR FileName, DWORD BufferLength, LPSTR Buffer,
                       LPSTR* FilePart);

// FindResourceA, SetCurrentDirectoryA and GetVersionExA without any check:
// the caller judges the result (a missing resource or directory, or an
// unreadable version, is an answer there).
HRSRC FindResource_DoNotThrowException(HMODULE Module, LPCSTR Name, LPCSTR Type);
BOOL SetCurrentDirectory_DoNotThrowException(LPCSTR PathName);
BOOL GetVersionEx_DoNotThrowException(LPOSVERSIONINFOA VersionInformation);

// The only two wrappers that keep no trace frame: ExitProcess never returns
// to pop one, and GetTickCount is the clock that timing loops poll.
[[noreturn]] void ExitProcess(UINT ExitCode);
DWORD GetTickCount();

}  // namespace ZQLOW_WINBASE

// Owners of what these wrappers hand out (ZQ_Owned.h). They free through the
// wrappers, so a failure to free is reported like any other failed call.
inline HANDLE ZQLOW_WINBASE_NoFileHandle() noexcept { return INVALID_HANDLE_VALUE; }
// CreateFileA's file.
using ZQ_OwnedFileHandle =
    ZQ_Owned<HANDLE, &ZQLOW_WINBASE::CloseHandle, &ZQLOW_WINBASE_NoFileHandle>;
// CreateFileMappingA's mapping (null when there is none).
using ZQ_OwnedMappingHandle = ZQ_Owned<HANDLE, &ZQLOW_WINBASE::CloseHandle>;
// MapViewOfFile's view.
using ZQ_OwnedFileView = ZQ_Owned<const void*, &ZQLOW_WINBASE::UnmapViewOfFile>;
// FindFirstFileA's search.
using ZQ_OwnedFindHandle =
    ZQ_Owned<HANDLE, &ZQLOW_WINBASE::FindClose, &ZQLOW_WINBASE_NoFileHandle>;
// CreateProcessA's process and thread handles.
using ZQ_OwnedProcessHandle = ZQ_Owned<HANDLE, &ZQLOW_WINBASE::CloseHandle>;
// GlobalAlloc's memory (the common dialogs' device names and modes).
using ZQ_OwnedGlobalMemory = ZQ_Owned<HGLOBAL, &ZQLOW_WINBASE::GlobalFree>;

#endif

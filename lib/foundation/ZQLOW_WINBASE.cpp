#include "ZQLOW_WINBASE.h"

#include "ZQLOW_WIN_Check.h"

#define ZQLOW_WIN_FAMILY "ZQLOW_WINBASE"

namespace ZQLOW_WINBASE {

ZQLOW_WINBASE_TABLE(ZQLOW_WIN_DEFINE)

BOOL ReadFile(HANDLE File, LPVOID Buffer, DWORD BytesToRead, LPDWORD BytesRead,
              LPOVERLAPPED Overlapped) {
  ZQ_TRACE_FUNCTION("ZQLOW_WINBASE::ReadFile");
  const BOOL result = Calls::ReadFile(File, Buffer, BytesToRead, BytesRead, Overlapped);
  if (!result)
    ZQLOW_WIN_ReportAPIFunctionFailure("ReadFile", nullptr, 0);
  else if (*BytesRead != BytesToRead)
    ZQLOW_WIN_ReportAPIFunctionFailure("ReadFile", "Attempt to read beyond end of file", 0);
  return result;
}

BOOL WriteFile(HANDLE File, LPCVOID Buffer, DWORD BytesToWrite,
               LPDWORD BytesWritten, LPOVERLAPPED Overlapped) {
  ZQ_TRACE_FUNCTION("ZQLOW_WINBASE::WriteFile");
  DWORD ownCount = 0;
  if (!BytesWritten && !Overlapped) BytesWritten = &ownCount;
  const BOOL result = Calls::WriteFile(File, Buffer, BytesToWrite, BytesWritten, Overlapped);
  if (!result)
    ZQLOW_WIN_ReportAPIFunctionFailure("WriteFile", nullptr, 0);
  // An overlapped write has not finished here: its count comes later.
  else if (!Overlapped && *BytesWritten != BytesToWrite)
    ZQLOW_WIN_ReportAPIFunctionFailure(
        "WriteFile", "Attempt to write was cut short: fewer bytes were written than given", 0);
  return result;
}

BOOL FindNextFileA(HANDLE FindFile, LPWIN32_FIND_DATAA FindData) {
  ZQ_TRACE_FUNCTION("ZQLOW_WINBASE::FindNextFileA");
  const BOOL result = Calls::FindNextFileA(FindFile, FindData);
  if (!result && ::GetLastError() != ERROR_NO_MORE_FILES)
    ZQLOW_WIN_ReportAPIFunctionFailure("FindNextFile", nullptr, 0);
  return result;
}

DWORD GetFullPathNameA(LPCSTR FileName, DWORD BufferLength, LPSTR Buffer,
                       LPSTR* FilePart) {
  ZQ_TRACE_FUNCTION("ZQLOW_WINBASE::GetFullPathNameA");
  const DWORD result = Calls::GetFullPathNameA(FileName, BufferLength, Buffer, FilePart);
  if (result > BufferLength)
    ZQLOW_WIN_ReportAPIFunctionFailure("GetFullPathName", "Buffer too small", 0);
  else if (result == 0)
    ZQLOW_WIN_ReportAPIFunctionFailure("GetFullPathName", nullptr, 0);
  return result;
}

HRSRC FindResource_DoNotThrowException(HMODULE Module, LPCSTR Name, LPCSTR Type) {
  ZQ_TRACE_FUNCTION("ZQLOW_WINBASE::FindResource_DoNotThrowException");
  return Calls::FindResourceA(Module, Name, Type);
}

BOOL GetVersionEx_DoNotThrowException(LPOSVERSIONINFOA VersionInformation) {
  ZQ_TRACE_FUNCTION("ZQLOW_WINBASE::GetVersionEx_DoNotThrowException");
  return Calls::GetVersionExA(VersionInformation);
}

BOOL SetCurrentDirectory_DoNotThrowException(LPCSTR PathName) {
  ZQ_TRACE_FUNCTION("ZQLOW_WINBASE::SetCurrentDirectory_DoNotThrowException");
  return Calls::SetCurrentDirectoryA(PathName);
}

void ExitProcess(UINT ExitCode) {
  Calls::ExitProcess(ExitCode);
  // Only a fake returns; the promise not to return holds all the same.
  ::ExitProcess(ExitCode);
}

DWORD GetTickCount() { return Calls::GetTickCount(); }

}  // namespace ZQLOW_WINBASE

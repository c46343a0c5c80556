#include <gtest/gtest.h>

#include <string>

#include "WinApiTestSupport.h"
#include "ZQLOW_WINBASE.h"

namespace {

const HANDLE kBadHandle = reinterpret_cast<HANDLE>(0x1234);
const char kMissingFile[] = "C:\\zq-missing-file.txt";

std::string TempFileName(const char* Stem) {
  char directory[MAX_PATH];
  GetTempPathA(MAX_PATH, directory);
  return std::string(directory) + Stem + "-" + std::to_string(GetCurrentProcessId()) + ".tmp";
}

// A temporary file of Size bytes ("0123456789" repeated), deleted at the end.
class TempFile {
 public:
  TempFile(const char* Stem, DWORD Size) : name(TempFileName(Stem)) {
    HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    for (DWORD i = 0; i < Size; ++i) {
      const char digit = static_cast<char>('0' + i % 10);
      DWORD written = 0;
      WriteFile(file, &digit, 1, &written, nullptr);
    }
    CloseHandle(file);
  }
  ~TempFile() { DeleteFileA(name.c_str()); }
  HANDLE Open(DWORD Access) const {
    return CreateFileA(name.c_str(), Access, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  }
  const std::string name;
};

using WinBaseWrappers = ApiFailureModeTest;

TEST_F(WinBaseWrappers, FailedCallsAreReportedUnderTheirNamesWithTheSystemText) {
  static char s_shortBuffer[10];
  ExpectEachReported({
      {"missing file", [] { ZQLOW_WINBASE::CreateFileA(kMissingFile, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); },
       "CreateFile", ERROR_FILE_NOT_FOUND, nullptr},
      {"missing folder", [] { ZQLOW_WINBASE::CreateFileA("Z:\\zq-missing-folder\\x.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); },
       "CreateFile", ERROR_PATH_NOT_FOUND, nullptr},
      {"close invalid handle", [] { ZQLOW_WINBASE::CloseHandle(kBadHandle); }, "CloseHandle", ERROR_INVALID_HANDLE, nullptr},
      {"delete missing file", [] { ZQLOW_WINBASE::DeleteFileA(kMissingFile); }, "DeleteFile", ERROR_FILE_NOT_FOUND, nullptr},
      {"copy missing file", [] { ZQLOW_WINBASE::CopyFileA(kMissingFile, "C:\\zq-copy.txt", FALSE); }, "CopyFile", ERROR_FILE_NOT_FOUND, nullptr},
      {"create existing folder", [] { ZQLOW_WINBASE::CreateDirectoryA("C:\\windows", nullptr); }, "CreateDirectory", ERROR_ALREADY_EXISTS, nullptr},
      {"remove missing folder", [] { ZQLOW_WINBASE::RemoveDirectoryA("C:\\zq-missing-folder"); }, "RemoveDirectory", ERROR_FILE_NOT_FOUND, nullptr},
      {"enter missing folder", [] { ZQLOW_WINBASE::SetCurrentDirectoryA("C:\\zq-missing-folder"); }, "SetCurrentDirectory", ERROR_FILE_NOT_FOUND, nullptr},
      {"end invalid search", [] { ZQLOW_WINBASE::FindClose(kBadHandle); }, "FindClose", ERROR_INVALID_HANDLE, nullptr},
      {"flush invalid handle", [] { ZQLOW_WINBASE::FlushFileBuffers(kBadHandle); }, "FlushFileBuffers", ERROR_INVALID_HANDLE, nullptr},
      {"size of invalid handle: all ones and an error", [] { ZQLOW_WINBASE::GetFileSize(kBadHandle, nullptr); }, "GetFileSize", ERROR_INVALID_HANDLE, nullptr},
      {"seek invalid handle: all ones and an error", [] { ZQLOW_WINBASE::SetFilePointer(kBadHandle, 0, nullptr, FILE_BEGIN); }, "SetFilePointer", ERROR_INVALID_HANDLE, nullptr},
      {"wait on invalid handle", [] { ZQLOW_WINBASE::WaitForSingleObject(kBadHandle, 0); }, "WaitForSingleObject", ERROR_INVALID_HANDLE, nullptr},
      {"exit code of invalid process", [] { DWORD code; ZQLOW_WINBASE::GetExitCodeProcess(kBadHandle, &code); }, "GetExitCodeProcess", ERROR_INVALID_HANDLE, nullptr},
      {"map invalid file", [] { ZQLOW_WINBASE::CreateFileMappingA(kBadHandle, nullptr, PAGE_READONLY, 0, 0, nullptr); }, "CreateFileMapping", ERROR_INVALID_HANDLE, nullptr},
      {"view invalid mapping", [] { ZQLOW_WINBASE::MapViewOfFile(kBadHandle, FILE_MAP_READ, 0, 0, 0); }, "MapViewOfFile", ERROR_INVALID_HANDLE, nullptr},
      {"unmap what is no view", [] { ZQLOW_WINBASE::UnmapViewOfFile(reinterpret_cast<void*>(0x1234)); }, "UnmapViewOfFile", ERROR_INVALID_ADDRESS, nullptr},
      {"allocate 2 GB", [] { ZQLOW_WINBASE::GlobalAlloc(GMEM_FIXED, 0x7FFFFFF0); }, "GlobalAlloc", ERROR_NOT_ENOUGH_MEMORY, nullptr},
      {"lock invalid block", [] { ZQLOW_WINBASE::GlobalLock(kBadHandle); }, "GlobalLock", ERROR_INVALID_HANDLE, nullptr},
      {"free invalid block: handed back", [] { ZQLOW_WINBASE::GlobalFree(kBadHandle); }, "GlobalFree", ERROR_INVALID_HANDLE, nullptr},
      {"unlock a block not locked", [] {
         HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
         struct Free { HGLOBAL b; ~Free() { GlobalFree(b); } } release{block};
         ZQLOW_WINBASE::GlobalUnlock(block); }, "GlobalUnlock", ERROR_NOT_LOCKED, nullptr},
      // The test program holds RCDATA resources (FoundationTestResources.rc):
      // the type is found, the name is not, and a bogus resource handle is
      // read as an address.
      {"missing resource", [] { ZQLOW_WINBASE::FindResourceA(nullptr, "ZQ_NO_SUCH_RESOURCE", MAKEINTRESOURCEA(10)); }, "FindResource", ERROR_RESOURCE_NAME_NOT_FOUND, nullptr},
      {"load invalid resource", [] { ZQLOW_WINBASE::LoadResource(nullptr, reinterpret_cast<HRSRC>(0x1234)); }, "LoadResource", ERROR_NOACCESS, nullptr},
      {"start missing program", [] {
         STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
         PROCESS_INFORMATION process;
         ZQLOW_WINBASE::CreateProcessA("C:\\zq-missing.exe", nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process); },
       "CreateProcess", ERROR_FILE_NOT_FOUND, nullptr},
      {"name of a module not loaded", [] { char name[10]; ZQLOW_WINBASE::GetModuleFileNameA(reinterpret_cast<HMODULE>(0x1234), name, 10); }, "GetModuleFileName", ERROR_MOD_NOT_FOUND, nullptr},
      {"version with a wrong structure size", [] { OSVERSIONINFOA version = {}; version.dwOSVersionInfoSize = 3; ZQLOW_WINBASE::GetVersionExA(&version); }, "GetVersionEx", ERROR_INSUFFICIENT_BUFFER, nullptr},
      {"full name longer than the buffer", [] { ZQLOW_WINBASE::GetFullPathNameA("abcdefghijklmnop", 10, s_shortBuffer, nullptr); }, "GetFullPathName", 0, "Buffer too small"},
  });
}

TEST_F(WinBaseWrappers, ReadingPastTheEndIsReportedAlthoughReadFileSucceeded) {
  const TempFile file("zq-read", 20);
  HANDLE handle = file.Open(GENERIC_READ);
  SetFilePointer(handle, 16, nullptr, FILE_BEGIN);
  char buffer[10];
  DWORD read = 0;
  const ApiFailure failure =
      ApiFailureOf([&] { ZQLOW_WINBASE::ReadFile(handle, buffer, 10, &read, nullptr); });
  CloseHandle(handle);
  EXPECT_EQ(read, 4u);
  EXPECT_EQ(failure.name, "Function ReadFile Failed");
  EXPECT_EQ(failure.description, "Attempt to read beyond end of file");
}

TEST_F(WinBaseWrappers, WriteToAReadOnlyHandleIsReported) {
  const TempFile file("zq-readonly", 4);
  HANDLE handle = file.Open(GENERIC_READ);
  DWORD written = 0;
  const ApiFailure failure =
      ApiFailureOf([&] { ZQLOW_WINBASE::WriteFile(handle, "x", 1, &written, nullptr); });
  CloseHandle(handle);
  EXPECT_EQ(failure.name, "Function WriteFile Failed");
  EXPECT_EQ(failure.description, SystemText(ERROR_ACCESS_DENIED));
}

// A non-blocking pipe with a 16-byte buffer and no reader taking data: Windows
// accepts the write and stores fewer bytes than it was given.
TEST_F(WinBaseWrappers, ShortWriteIsReportedInsteadOfLosingDataSilently) {
  const std::string pipeName = "\\\\.\\pipe\\zq-short-write-" + std::to_string(GetCurrentProcessId());
  HANDLE server = CreateNamedPipeA(pipeName.c_str(), PIPE_ACCESS_OUTBOUND,
                                   PIPE_TYPE_BYTE | PIPE_NOWAIT, 1, 16, 16, 0, nullptr);
  HANDLE client = CreateFileA(pipeName.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(server, INVALID_HANDLE_VALUE);
  ASSERT_NE(client, INVALID_HANDLE_VALUE);
  static char s_data[100000];
  DWORD written = 0;
  BOOL result = FALSE;
  const ApiFailure withCount = ApiFailureOf(
      [&] { result = ZQLOW_WINBASE::WriteFile(server, s_data, sizeof s_data, &written, nullptr); });
  const ApiFailure withoutCount = ApiFailureOf(
      [&] { ZQLOW_WINBASE::WriteFile(server, s_data, sizeof s_data, nullptr, nullptr); });
  CloseHandle(client);
  CloseHandle(server);
  EXPECT_LT(written, sizeof s_data);
  EXPECT_EQ(withCount.name, "Function WriteFile Failed");
  EXPECT_EQ(withCount.description,
            "Attempt to write was cut short: fewer bytes were written than given");
  EXPECT_TRUE(withoutCount.thrown) << "the wrapper counts when the caller does not";
}

TEST_F(WinBaseWrappers, EndOfAListingIsNoFailure) {
  const TempFile file("zq-listing", 1);
  WIN32_FIND_DATAA found;
  HANDLE search = ZQLOW_WINBASE::FindFirstFileA(file.name.c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ZQLOW_WINBASE::FindNextFileA(search, &found), FALSE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
  EXPECT_EQ(ZQLOW_WINBASE::FindClose(search), TRUE);
  EXPECT_EQ(NewLog(), "");
}

// Wrappers that decide by the last error clear it first: an error left over
// from an earlier call must not turn a success into a failure.
TEST_F(WinBaseWrappers, StaleLastErrorDoesNotFailAZeroOrAllOnesSuccess) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
  ASSERT_NE(GlobalLock(block), nullptr);
  SetLastError(ERROR_ACCESS_DENIED);
  EXPECT_FALSE(ApiFailureOf([&] {
                 EXPECT_EQ(ZQLOW_WINBASE::GlobalUnlock(block), FALSE);  // now unlocked
               }).thrown);
  GlobalFree(block);

  // Position 0xFFFFFFFF is a valid offset whose low word equals the failure value.
  const TempFile file("zq-seek", 1);
  HANDLE handle = file.Open(GENERIC_READ);
  LONG high = 0;
  SetLastError(ERROR_ACCESS_DENIED);
  EXPECT_FALSE(ApiFailureOf([&] {
                 EXPECT_EQ(ZQLOW_WINBASE::SetFilePointer(handle, -1, &high, FILE_BEGIN), 0xFFFFFFFFu);
               }).thrown);
  CloseHandle(handle);
  EXPECT_EQ(NewLog(), "");
}

TEST_F(WinBaseWrappers, SuccessfulCallsHandBackWhatWindowsReturned) {
  const std::string name = TempFileName("zq-roundtrip");
  HANDLE file = ZQLOW_WINBASE::CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                           nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD count = 0;
  EXPECT_EQ(ZQLOW_WINBASE::WriteFile(file, "abcdef", 6, &count, nullptr), TRUE);
  EXPECT_EQ(ZQLOW_WINBASE::FlushFileBuffers(file), TRUE);
  EXPECT_EQ(ZQLOW_WINBASE::GetFileSize(file, nullptr), 6u);
  EXPECT_EQ(ZQLOW_WINBASE::SetFilePointer(file, 2, nullptr, FILE_BEGIN), 2u);
  char buffer[4] = "";
  EXPECT_EQ(ZQLOW_WINBASE::ReadFile(file, buffer, 3, &count, nullptr), TRUE);
  EXPECT_EQ(std::string(buffer, 3), "cde");
  HANDLE mapping = ZQLOW_WINBASE::CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
  const void* view = ZQLOW_WINBASE::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
  EXPECT_EQ(std::string(static_cast<const char*>(view), 6), "abcdef");
  EXPECT_EQ(ZQLOW_WINBASE::UnmapViewOfFile(view), TRUE);
  EXPECT_EQ(ZQLOW_WINBASE::CloseHandle(mapping), TRUE);
  EXPECT_EQ(ZQLOW_WINBASE::CloseHandle(file), TRUE);
  EXPECT_EQ(ZQLOW_WINBASE::DeleteFileA(name.c_str()), TRUE);

  HGLOBAL block = ZQLOW_WINBASE::GlobalAlloc(GMEM_MOVEABLE, 8);
  EXPECT_NE(ZQLOW_WINBASE::GlobalLock(block), nullptr);
  EXPECT_EQ(ZQLOW_WINBASE::GlobalUnlock(block), FALSE);
  EXPECT_EQ(ZQLOW_WINBASE::GlobalFree(block), nullptr);

  char path[MAX_PATH];
  EXPECT_GT(ZQLOW_WINBASE::GetTempPathA(MAX_PATH, path), 0u);
  EXPECT_GT(ZQLOW_WINBASE::GetCurrentDirectoryA(MAX_PATH, path), 0u);
  EXPECT_GT(ZQLOW_WINBASE::GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
  EXPECT_EQ(ZQLOW_WINBASE::MulDiv(7, 6, 4), 11);  // rounded
  EXPECT_NE(ZQLOW_WINBASE::GetCommandLineA(), nullptr);
  EXPECT_EQ(NewLog(), "");
}

TEST_F(WinBaseWrappers, ProcessRunsAndItsExitCodeIsRead) {
  char commandLine[] = "cmd.exe /c exit 3";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  ASSERT_EQ(ZQLOW_WINBASE::CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE,
                                          CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process),
            TRUE);
  EXPECT_EQ(ZQLOW_WINBASE::WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD exitCode = 0;
  EXPECT_EQ(ZQLOW_WINBASE::GetExitCodeProcess(process.hProcess, &exitCode), TRUE);
  EXPECT_EQ(exitCode, 3u);
  ZQLOW_WINBASE::CloseHandle(process.hThread);
  ZQLOW_WINBASE::CloseHandle(process.hProcess);
}

TEST_F(WinBaseWrappers, DoNotThrowVariantsHandBackTheFailureUnreported) {
  EXPECT_EQ(ZQLOW_WINBASE::FindResource_DoNotThrowException(nullptr, "ZQ_NO_SUCH_RESOURCE",
                                                            MAKEINTRESOURCEA(10)),
            nullptr);
  EXPECT_EQ(ZQLOW_WINBASE::SetCurrentDirectory_DoNotThrowException("C:\\zq-missing-folder"), FALSE);
  WIN32_FIND_DATAA found;
  EXPECT_EQ(ZQLOW_WINBASE::FindFirstFileA(kMissingFile, &found), INVALID_HANDLE_VALUE);
  EXPECT_EQ(NewLog(), "");
}

}  // namespace

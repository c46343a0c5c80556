#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScratchFileSupport.h"
#include "WinApiTestSupport.h"
#include "ZQLOW_COMMDLG.h"
#include "ZQLOW_MMSYSTEM.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_DebugLog.h"

namespace {

namespace Base = ZQLOW_WINBASE;
namespace Gdi = ZQLOW_WINGDI;
namespace User = ZQLOW_WINUSER;

const HANDLE kAnyHandle = reinterpret_cast<HANDLE>(0x1234);
// Left in the last error before each faked call: a check that clears the
// last error first must keep it from counting.
const DWORD kStaleError = ERROR_GEN_FAILURE;

// What the fake found and what the wrapper did with its answer, per call.
DWORD s_lastErrorSeen = 0;
bool s_handedBack = false;

// Runs Call while Fake stands in for Entry, noting the last error the fake
// found and whether Call handed the fake's answer back.
template <auto* Entry, class Fake, class Wrapper>
void CallFaked(Fake Answer, Wrapper Call) {
  decltype(Call()) answered{};
  const ZQLOW_WIN_FakeCall<Entry> fake([&](auto... Arguments) {
    s_lastErrorSeen = GetLastError();
    answered = Answer(Arguments...);
    return answered;
  });
  s_handedBack = false;
  s_handedBack = Call() == answered;
}

BOOL WINAPI ReadAllButOne(HANDLE, LPVOID, DWORD ToRead, LPDWORD Read, LPOVERLAPPED) {
  *Read = ToRead - 1;
  return TRUE;
}
BOOL WINAPI WriteAllButOne(HANDLE, LPCVOID, DWORD ToWrite, LPDWORD Written, LPOVERLAPPED) {
  *Written = ToWrite - 1;
  return TRUE;
}

// One row per failure check and per failure path of a wrapper written out by
// hand: the faked answer, the report it must give, and whether the wrapper
// clears the last error before the call.
struct FakedFailure {
  FailingCall failure;
  bool clearsLastError;
};
const FakedFailure kFailures[] = {
    {{"FailsOnZero", [] { CallFaked<&Base::Calls::CloseHandle>(ZQLOW_WIN_Answer(FALSE, ERROR_INVALID_HANDLE), [] { return Base::CloseHandle(kAnyHandle); }); },
     "CloseHandle", ERROR_INVALID_HANDLE, nullptr}, false},
    {{"FailsOnZeroCleared, no error set", [] { CallFaked<&User::Calls::GetDC>(ZQLOW_WIN_Answer(HDC{}, 0), [] { return User::GetDC(nullptr); }); },
     "GetDC", 0, nullptr}, true},
    {{"FailsOnZeroSayingFunctionFailed", [] { CallFaked<&User::Calls::ClientToScreen>(ZQLOW_WIN_Answer(FALSE, ERROR_INVALID_WINDOW_HANDLE), [] { POINT point; return User::ClientToScreen(nullptr, &point); }); },
     "ClientToScreen", 0, "Function failed"}, false},
    {{"FailsOnAllOnes", [] { CallFaked<&Base::Calls::WaitForSingleObject>(ZQLOW_WIN_Answer(WAIT_FAILED, ERROR_INVALID_HANDLE), [] { return Base::WaitForSingleObject(kAnyHandle, 0); }); },
     "WaitForSingleObject", ERROR_INVALID_HANDLE, nullptr}, false},
    {{"FailsOnAllOnesCleared", [] { CallFaked<&Gdi::Calls::GetBkColor>(ZQLOW_WIN_Answer(CLR_INVALID, ERROR_INVALID_HANDLE), [] { return Gdi::GetBkColor(nullptr); }); },
     "GetBkColor", ERROR_INVALID_HANDLE, nullptr}, true},
    {{"FailsOnAllOnesLogUnflushed", [] { CallFaked<&Base::Calls::CreateFileA>(ZQLOW_WIN_Answer(INVALID_HANDLE_VALUE, ERROR_ACCESS_DENIED), [] { return Base::CreateFileA("x", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); }); },
     "CreateFile", ERROR_ACCESS_DENIED, nullptr}, false},
    {{"FailsOnAllOnesWithError", [] { CallFaked<&Base::Calls::GetFileSize>(ZQLOW_WIN_Answer(INVALID_FILE_SIZE, ERROR_INVALID_HANDLE), [] { return Base::GetFileSize(kAnyHandle, nullptr); }); },
     "GetFileSize", ERROR_INVALID_HANDLE, nullptr}, true},
    {{"FailsOnZeroWithError", [] { CallFaked<&Base::Calls::GlobalUnlock>(ZQLOW_WIN_Answer(FALSE, ERROR_INVALID_HANDLE), [] { return Base::GlobalUnlock(kAnyHandle); }); },
     "GlobalUnlock", ERROR_INVALID_HANDLE, nullptr}, true},
    {{"FailsOnNotPositive, 0", [] { CallFaked<&Gdi::Calls::EndPage>(ZQLOW_WIN_Answer(0, ERROR_PRINT_CANCELLED), [] { return Gdi::EndPage(nullptr); }); },
     "EndPage", ERROR_PRINT_CANCELLED, nullptr}, false},
    {{"FailsOnNegativeCleared", [] { CallFaked<&User::Calls::DrawTextA>(ZQLOW_WIN_Answer(-2, ERROR_INVALID_PARAMETER), [] { RECT rect{}; return User::DrawTextA(nullptr, "x", 1, &rect, 0); }); },
     "DrawText", ERROR_INVALID_PARAMETER, nullptr}, true},
    {{"FailsOnNotNull: the block handed back", [] { CallFaked<&Base::Calls::GlobalFree>(ZQLOW_WIN_Answer(kAnyHandle, ERROR_INVALID_HANDLE), [] { return Base::GlobalFree(kAnyHandle); }); },
     "GlobalFree", ERROR_INVALID_HANDLE, nullptr}, false},
    {{"FailsOnNullOrGdiError, null", [] { CallFaked<&Gdi::Calls::SelectObject>(ZQLOW_WIN_Answer(HGDIOBJ{}, ERROR_INVALID_HANDLE), [] { return Gdi::SelectObject(nullptr, nullptr); }); },
     "SelectObject", ERROR_INVALID_HANDLE, nullptr}, true},
    {{"FailsOnNullOrGdiError, HGDI_ERROR", [] { CallFaked<&Gdi::Calls::SelectObject>(ZQLOW_WIN_Answer(HGDI_ERROR, ERROR_INVALID_PARAMETER), [] { return Gdi::SelectObject(nullptr, nullptr); }); },
     "SelectObject", ERROR_INVALID_PARAMETER, nullptr}, true},
    {{"FailsOnShellError", [] { CallFaked<&ZQLOW_SHELLAPI::Calls::ShellExecuteA>(ZQLOW_WIN_Answer(reinterpret_cast<HINSTANCE>(SE_ERR_NOASSOC), ERROR_NO_ASSOCIATION), [] { return ZQLOW_SHELLAPI::ShellExecuteA(nullptr, "open", "x.zqx", nullptr, nullptr, SW_SHOW); }); },
     "ShellExecute", ERROR_NO_ASSOCIATION, nullptr}, false},
    // written out by hand
    {{"read fails", [] { CallFaked<&Base::Calls::ReadFile>(ZQLOW_WIN_Answer(FALSE, ERROR_LOCK_VIOLATION), [] { char buffer[4]; DWORD read; return Base::ReadFile(kAnyHandle, buffer, 4, &read, nullptr); }); },
     "ReadFile", ERROR_LOCK_VIOLATION, nullptr}, false},
    {{"short read", [] { CallFaked<&Base::Calls::ReadFile>(&ReadAllButOne, [] { char buffer[4]; DWORD read; return Base::ReadFile(kAnyHandle, buffer, 4, &read, nullptr); }); },
     "ReadFile", 0, "Attempt to read beyond end of file"}, false},
    {{"write fails", [] { CallFaked<&Base::Calls::WriteFile>(ZQLOW_WIN_Answer(FALSE, ERROR_DISK_FULL), [] { DWORD written; return Base::WriteFile(kAnyHandle, "abcd", 4, &written, nullptr); }); },
     "WriteFile", ERROR_DISK_FULL, nullptr}, false},
    {{"short write", [] { CallFaked<&Base::Calls::WriteFile>(&WriteAllButOne, [] { DWORD written; return Base::WriteFile(kAnyHandle, "abcd", 4, &written, nullptr); }); },
     "WriteFile", 0, "Attempt to write was cut short: fewer bytes were written than given"}, false},
    {{"short write counted by the wrapper", [] { CallFaked<&Base::Calls::WriteFile>(&WriteAllButOne, [] { return Base::WriteFile(kAnyHandle, "abcd", 4, nullptr, nullptr); }); },
     "WriteFile", 0, "Attempt to write was cut short: fewer bytes were written than given"}, false},
    {{"listing fails before its end", [] { CallFaked<&Base::Calls::FindNextFileA>(ZQLOW_WIN_Answer(FALSE, ERROR_NOT_READY), [] { WIN32_FIND_DATAA found; return Base::FindNextFileA(kAnyHandle, &found); }); },
     "FindNextFile", ERROR_NOT_READY, nullptr}, false},
    {{"full name longer than the buffer", [] { CallFaked<&Base::Calls::GetFullPathNameA>(ZQLOW_WIN_Answer(DWORD{11}, 0), [] { char name[10]; return Base::GetFullPathNameA("x", 10, name, nullptr); }); },
     "GetFullPathName", 0, "Buffer too small"}, false},
    {{"full name fails", [] { CallFaked<&Base::Calls::GetFullPathNameA>(ZQLOW_WIN_Answer(DWORD{0}, ERROR_INVALID_NAME), [] { char name[10]; return Base::GetFullPathNameA("x", 10, name, nullptr); }); },
     "GetFullPathName", ERROR_INVALID_NAME, nullptr}, false},
    {{"thread id 0", [] { CallFaked<&User::Calls::GetWindowThreadProcessId>(ZQLOW_WIN_Answer(DWORD{0}, ERROR_INVALID_WINDOW_HANDLE), [] { return User::GetWindowThreadProcessId(nullptr, nullptr); }); },
     "GetWindowThreadProcessId", ERROR_INVALID_WINDOW_HANDLE, nullptr}, true},
    {{"process id 0", [] { CallFaked<&User::Calls::GetWindowThreadProcessId>([](HWND, LPDWORD Process) { *Process = 0; return DWORD{7}; }, [] { DWORD process = 1; return User::GetWindowThreadProcessId(nullptr, &process); }); },
     "GetWindowThreadProcessId", 0, nullptr}, true},
};

using FakedWindowsCalls = ApiFailureModeTest;

TEST_F(FakedWindowsCalls, EachCheckThrowsItsReportInMode0) {
  std::vector<FailingCall> failures;
  for (const auto& c : kFailures) failures.push_back(c.failure);
  ExpectEachReported(failures);
}

TEST_F(FakedWindowsCalls, EachCheckLogsAndHandsTheFailedResultBackInMode2) {
  ZQLOW_WIN_SetAPIFunctionFailureMode(2);
  for (const auto& c : kFailures) {
    SCOPED_TRACE(c.failure.why);
    MarkLog();
    SetLastError(kStaleError);
    c.failure.call();
    EXPECT_TRUE(s_handedBack);
    EXPECT_EQ(s_lastErrorSeen, c.clearsLastError ? 0 : kStaleError);
    EXPECT_NE(NewLog().find(std::string("    Name = 'Function ") + c.failure.function +
                            " Failed'\n"),
              std::string::npos);
  }
}

TEST_F(FakedWindowsCalls, AnswersThatOnlyLookLikeFailuresAreHandedBackUnreported) {
  const struct { const char* why; void (*call)(); } kCases[] = {
      {"size whose low word is all ones", [] { CallFaked<&Base::Calls::GetFileSize>(ZQLOW_WIN_Answer(INVALID_FILE_SIZE, 0), [] { DWORD high; return Base::GetFileSize(kAnyHandle, &high); }); }},
      {"block now unlocked", [] { CallFaked<&Base::Calls::GlobalUnlock>(ZQLOW_WIN_Answer(FALSE, 0), [] { return Base::GlobalUnlock(kAnyHandle); }); }},
      {"nothing drawn", [] { CallFaked<&User::Calls::DrawTextA>(ZQLOW_WIN_Answer(0, 0), [] { RECT rect{}; return User::DrawTextA(nullptr, "", 0, &rect, 0); }); }},
      {"shell instance above 32", [] { CallFaked<&ZQLOW_SHELLAPI::Calls::ShellExecuteA>(ZQLOW_WIN_Answer(reinterpret_cast<HINSTANCE>(33), 0), [] { return ZQLOW_SHELLAPI::ShellExecuteA(nullptr, "open", "x.zqx", nullptr, nullptr, SW_SHOW); }); }},
      {"Unchecked", [] { CallFaked<&Base::Calls::FindFirstFileA>(ZQLOW_WIN_Answer(INVALID_HANDLE_VALUE, ERROR_FILE_NOT_FOUND), [] { WIN32_FIND_DATAA found; return Base::FindFirstFileA("x", &found); }); }},
      {"end of a listing", [] { CallFaked<&Base::Calls::FindNextFileA>(ZQLOW_WIN_Answer(FALSE, ERROR_NO_MORE_FILES), [] { WIN32_FIND_DATAA found; return Base::FindNextFileA(kAnyHandle, &found); }); }},
      {"overlapped write, counted later", [] { CallFaked<&Base::Calls::WriteFile>(&WriteAllButOne, [] { DWORD written; OVERLAPPED overlapped{}; return Base::WriteFile(kAnyHandle, "abcd", 4, &written, &overlapped); }); }},
      {"resource, not throwing", [] { CallFaked<&Base::Calls::FindResourceA>(ZQLOW_WIN_Answer(HRSRC{}, ERROR_RESOURCE_NAME_NOT_FOUND), [] { return Base::FindResource_DoNotThrowException(nullptr, "x", RT_RCDATA); }); }},
      {"sound, not throwing", [] { CallFaked<&ZQLOW_MMSYSTEM::Calls::PlaySoundA>(ZQLOW_WIN_Answer(FALSE, 0), [] { return ZQLOW_MMSYSTEM::PlaySound_DoNotThrowException("x", nullptr, 0); }); }},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    SetLastError(kStaleError);
    EXPECT_FALSE(ApiFailureOf(c.call).thrown);
    EXPECT_TRUE(s_handedBack);
  }
  EXPECT_EQ(NewLog(), "");
}

// The log's own file is opened through CreateFileA: its failure must not
// flush the log it is about to create.
TEST_F(FakedWindowsCalls, FailureOfTheLogsOwnCallIsLoggedWithoutFlushing) {
  const ScratchFolder folder("zq-fake-call-test");
  ZQ_DebugStreamSinkReference* sink = ZQ_GetDebugStreamSink();
  ASSERT_NE(sink, nullptr);
  sink->Open(ZQ_FileName((folder / "Prog.exe").c_str()));
  int flushes = 0;
  int flushesAfterCreate = -1;
  {
    const ZQLOW_WIN_FakeCall<&Base::Calls::FlushFileBuffers> counting([&](HANDLE) {
      ++flushes;
      return TRUE;
    });
    const ZQLOW_WIN_FakeCall<&Base::Calls::CreateFileA> failingCreate(
        ZQLOW_WIN_Answer(INVALID_HANDLE_VALUE, ERROR_ACCESS_DENIED));
    const ZQLOW_WIN_FakeCall<&Base::Calls::CloseHandle> failingClose(
        ZQLOW_WIN_Answer(FALSE, ERROR_INVALID_HANDLE));
    EXPECT_TRUE(ApiFailureOf([] {
      Base::CreateFileA("x", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    }).thrown);
    flushesAfterCreate = flushes;
    EXPECT_TRUE(ApiFailureOf([] { Base::CloseHandle(kAnyHandle); }).thrown);
  }
  sink->Close();
  EXPECT_EQ(flushesAfterCreate, 0);
  EXPECT_EQ(flushes, 1) << "any other failure flushes the log";
}

TEST_F(FakedWindowsCalls, CursorPositionIsTriedFiftyTimesATenthOfASecondApartBeforeItIsReported) {
  int tries = 0;
  DWORD sleptMs = 0;
  const ZQLOW_WIN_FakeCall<&User::Calls::GetCursorPos> failing([&](LPPOINT) {
    ++tries;
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  });
  const ZQLOW_WIN_FakeCall<&Base::Calls::Sleep> sleeping([&](DWORD Ms) { sleptMs += Ms; });
  POINT point;
  const ApiFailure failure = ApiFailureOf([&] { User::GetCursorPos(&point); });
  EXPECT_EQ(tries, 50);
  EXPECT_EQ(sleptMs, 5000u);
  EXPECT_EQ(failure.name, "Function GetCursorPos Failed");
  EXPECT_EQ(failure.description, SystemText(ERROR_ACCESS_DENIED));
}

TEST_F(FakedWindowsCalls, FailedDialogIsReportedWithTheDescriptionOfItsExtendedError) {
  const ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::PrintDlgA> failing(ZQLOW_WIN_Answer(FALSE, 0));
  const ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::CommDlgExtendedError> code(
      ZQLOW_WIN_Answer(DWORD{0x100A}, 0));
  PRINTDLGA dialog = {};
  const ApiFailure failure = ApiFailureOf([&] { ZQLOW_COMMDLG::PrintDlgA(&dialog); });
  EXPECT_EQ(failure.name, "Function PrintDlg Failed");
  EXPECT_EQ(failure.description,
            "A call to the Microsoft Windows function \"PrintDlg\" failed.\n\n"
            "The PrintDlg function failed when it attempted to create an information context.\n");
}

TEST(ZQLOW_WIN_FakeCall, InnermostFakeAnswersAndEachScopeRestoresTheEntryItFound) {
  const auto real = Base::Calls::MulDiv;
  {
    const ZQLOW_WIN_FakeCall<&Base::Calls::MulDiv> outer([](int, int, int) { return 1; });
    {
      const ZQLOW_WIN_FakeCall<&Base::Calls::MulDiv> inner([](int, int, int) { return 2; });
      EXPECT_EQ(Base::MulDiv(7, 6, 4), 2);
    }
    EXPECT_EQ(Base::MulDiv(7, 6, 4), 1);
  }
  EXPECT_EQ(Base::Calls::MulDiv, real);
  EXPECT_EQ(Base::MulDiv(7, 6, 4), 11);
}

}  // namespace

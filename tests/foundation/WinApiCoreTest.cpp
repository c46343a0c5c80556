#include <gtest/gtest.h>

#include <string>

#include "AssertionTestSupport.h"
#include "WinApiTestSupport.h"
#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_Assertion.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"

namespace {

const HANDLE kBadHandle = reinterpret_cast<HANDLE>(0x1234);

std::string RawSystemText(DWORD Code) {
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, Code,
      MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = buffer ? std::string(buffer, length) : "";
  LocalFree(buffer);
  return text;
}

using ApiFailureReport = ApiFailureModeTest;

TEST_F(ApiFailureReport, SystemTextEndsInALineFeedWithoutTheCarriageReturn) {
  const std::string raw = RawSystemText(ERROR_FILE_NOT_FOUND);
  ASSERT_GT(raw.size(), 2u);
  ASSERT_EQ(raw.substr(raw.size() - 2), "\r\n");
  EXPECT_EQ(SystemText(ERROR_FILE_NOT_FOUND), raw.substr(0, raw.size() - 2) + "\n");
}

TEST_F(ApiFailureReport, CodeWithoutSystemTextGivesAnEmptyText) {
  EXPECT_EQ(SystemText(0x2345678), "");
}

TEST_F(ApiFailureReport, ExplicitTextIsTheMessageEvenWithALastError) {
  SetLastError(ERROR_ACCESS_DENIED);
  const ApiFailure failure = ApiFailureOf(
      [] { ZQLOW_WIN_ReportAPIFunctionFailure("CreateFile", "Disk on fire", 0); });
  EXPECT_TRUE(failure.thrown);
  EXPECT_EQ(failure.name, "Function CreateFile Failed");
  EXPECT_EQ(failure.description, "Disk on fire");
  EXPECT_EQ(NewLog(),
            "\n\n\nIn function ZQLOW_WIN_ReportAPIFunctionFailure\n"
            "    API Function Failure Error\n"
            "    Name = 'Function CreateFile Failed'\n"
            "    Message = 'Disk on fire'\n"
            "\n");
}

TEST_F(ApiFailureReport, LastErrorGivesTheSystemText) {
  SetLastError(ERROR_PATH_NOT_FOUND);
  const ApiFailure failure =
      ApiFailureOf([] { ZQLOW_WIN_ReportAPIFunctionFailure("DeleteFile", nullptr, 0); });
  EXPECT_EQ(failure.description, SystemText(ERROR_PATH_NOT_FOUND));
}

TEST_F(ApiFailureReport, NoLastErrorGivesASentenceNamingTheFunction) {
  SetLastError(0);
  const ApiFailure failure =
      ApiFailureOf([] { ZQLOW_WIN_ReportAPIFunctionFailure("TextOut", nullptr, 0); });
  EXPECT_EQ(failure.name, "Function TextOut Failed");
  EXPECT_EQ(failure.description,
            "A call to the Microsoft Windows function \"TextOut\" failed.\n");
  // The message's own line feed puts the closing quote on the next line.
  EXPECT_EQ(NewLog(),
            "\n\n\nIn function ZQLOW_WIN_ReportAPIFunctionFailure\n"
            "    API Function Failure Error\n"
            "    Name = 'Function TextOut Failed'\n"
            "    Message = 'A call to the Microsoft Windows function \"TextOut\" failed.\n"
            "'\n"
            "\n");
}

TEST_F(ApiFailureReport, LogEntryIsWrittenAlsoWithoutFlushing) {
  const ApiFailure failure = ApiFailureOf([] {
    ZQLOW_WIN_ReportAPIFunctionFailure("CreateFile", "x", ZQLOW_WIN_ReportOption_DoNotFlushLog);
  });
  EXPECT_TRUE(failure.thrown);
  EXPECT_NE(NewLog().find("    Name = 'Function CreateFile Failed'\n"), std::string::npos);
}

TEST_F(ApiFailureReport, ComposedMessageMatchesWhatTheReportThrows) {
  SetLastError(ERROR_INVALID_HANDLE);
  EXPECT_EQ(std::string(ZQLOW_WIN_ComposeAPIFailureMessage("CloseHandle", nullptr).GetText()),
            SystemText(ERROR_INVALID_HANDLE));
  SetLastError(0);
  EXPECT_EQ(std::string(ZQLOW_WIN_ComposeAPIFailureMessage("CloseHandle", nullptr).GetText()),
            CallFailedText("CloseHandle"));
  EXPECT_STREQ(ZQLOW_WIN_ComposeAPIFailureMessage("CloseHandle", "given").GetText(), "given");
}

bool GermanLookup(const ZQ_String& Key, ZQ_String& Translation) {
  if (Key == "Function {$1} Failed") Translation = "Funktion {$1} fehlgeschlagen";
  else if (Key == "A call to the Microsoft Windows function \"{$1}\" failed.")
    Translation = "Aufruf von \"{$1}\" misslungen.";
  else return false;
  return true;
}

TEST_F(ApiFailureReport, NameAndSentenceAreTranslatedButExplicitTextIsNot) {
  const int savedOperationMode = ZQ_Internationalization_GetOperationMode();
  const auto savedLookup = ZQ_Internationalization_SetDictionaryLookup(&GermanLookup);
  ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_Normal);
  SetLastError(0);
  const ApiFailure sentence =
      ApiFailureOf([] { ZQLOW_WIN_ReportAPIFunctionFailure("LineTo", nullptr, 0); });
  const ApiFailure given = ApiFailureOf(
      [] { ZQLOW_WIN_ReportAPIFunctionFailure("LineTo", "Function {$1} Failed", 0); });
  ZQ_Internationalization_SetDictionaryLookup(savedLookup);
  ZQ_Internationalization_SetOperationMode(savedOperationMode);
  EXPECT_EQ(sentence.name, "Funktion LineTo fehlgeschlagen");
  EXPECT_EQ(sentence.description, "Aufruf von \"LineTo\" misslungen.\n");
  EXPECT_EQ(given.description, "Function {$1} Failed");
}

TEST_F(ApiFailureReport, TranslationNotYetStartedIsSwitchedToPassThrough) {
  const int savedOperationMode = ZQ_Internationalization_GetOperationMode();
  ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_NotStarted);
  ApiFailureOf([] { ZQLOW_WIN_ReportAPIFunctionFailure("LineTo", "x", 0); });
  EXPECT_EQ(ZQ_Internationalization_GetOperationMode(),
            ZQ_Internationalization_OperationMode_NoTranslation);
  ZQ_Internationalization_SetOperationMode(savedOperationMode);
}

TEST_F(ApiFailureReport, ThrownFailureLeavesTheTraceStackAsItWas) {
  const long depth = ZQ_StackTrace_GetDepth();
  EXPECT_TRUE(ApiFailureOf([] { ZQLOW_WINBASE::CloseHandle(kBadHandle); }).thrown);
  EXPECT_EQ(ZQ_StackTrace_GetDepth(), depth);
}

// Modes whose report returns: the wrapper hands the failed result back.
TEST_F(ApiFailureReport, ReturningModesLogAndLetTheWrapperReturnTheFailedResult) {
  const struct { int mode; const char* why; } kCases[] = {
      {2, "mode 2 only logs"},
      {7, "another mode: an assertion failure, ignored in assertion mode 0"},
  };
  IgnoringAssertions ignoring;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQLOW_WIN_SetAPIFunctionFailureMode(c.mode);
    MarkLog();
    EXPECT_EQ(ZQLOW_WINBASE::CloseHandle(kBadHandle), FALSE);
    EXPECT_NE(NewLog().find("    Name = 'Function CloseHandle Failed'\n"), std::string::npos);
  }
}

TEST_F(ApiFailureReport, OtherModesFailTheAssertionFalseOfTheLayer) {
  ZQLOW_WIN_SetAPIFunctionFailureMode(7);
  const ApiFailure failure = ApiFailureOf([] { ZQLOW_WINBASE::CloseHandle(kBadHandle); });
  EXPECT_EQ(failure.name, "Assertion failed: false, file \"ZQLOW_WIN_Core\", line 244");
}

struct FatalReported {
  std::string message;
};
void ThrowingFatalHook(const char* Message) { throw FatalReported{Message}; }

TEST_F(ApiFailureReport, Mode1MakesTheFatalReportWithTheMessage) {
  ZQLOW_WIN_SetAPIFunctionFailureMode(1);
  const ZQ_AssertionFatalHook saved = ZQ_SetAssertionFatalHook(&ThrowingFatalHook);
  std::string reported;
  try {
    ZQLOW_WIN_ReportAPIFunctionFailure("CreateFile", "Gone", 0);
  } catch (const FatalReported& report) {
    reported = report.message;
  }
  ZQ_SetAssertionFatalHook(saved);
  ZQ_FatalErrorInProgress = false;
  EXPECT_EQ(reported, "Gone");
  EXPECT_NE(NewLog().find("    Message = 'Gone'\n"), std::string::npos);
}

TEST(ApiFailureReportDeathTest, Mode1WithoutAFatalReportEndsTheProcessWithCode1) {
  EXPECT_EXIT(
      {
        ZQ_SetAssertionFatalHook(nullptr);
        ZQLOW_WIN_SetAPIFunctionFailureMode(1);
        ZQLOW_WIN_ReportAPIFunctionFailure("CreateFile", "Gone away", 0);
      },
      testing::ExitedWithCode(1), "Gone away");
}

// The getters warn by message box while their handle is unset. A thread
// timer runs inside the box's modal loop, reads its text and closes it.
std::string s_boxText;
void CALLBACK CloseErrorBox(HWND, UINT, UINT_PTR TimerID, DWORD) {
  HWND box = FindWindowA("#32770", "Error");
  if (!box) return;
  char text[256] = "";
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  s_boxText = text;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  KillTimer(nullptr, TimerID);
}

TEST(ZQLOW_WIN_Core, UnsetHandleGettersWarnByMessageBoxAndReturnNull) {
  const struct {
    const char* why;
    bool (*getterReturnsNull)();
    const char* text;
  } kCases[] = {
      {"instance handle", [] { return ZQLOW_WIN_GetProgramInstanceHandle() == nullptr; },
       "Program instance handle not set in module ZQLOW_WIN_Core."},
      {"main window handle", [] { return ZQLOW_WIN_GetProgramMainWindowHandle() == nullptr; },
       "Program main window handle not set in module ZQLOW_WIN_Core."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    s_boxText.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &CloseErrorBox);
    EXPECT_TRUE(c.getterReturnsNull());
    KillTimer(nullptr, timer);
    EXPECT_EQ(s_boxText, c.text);
  }
}

TEST(ZQLOW_WIN_Core, SetHandlesAreReturnedWithoutAWarning) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const HWND window = GetDesktopWindow();
  ZQLOW_WIN_SetProgramInstanceHandle(instance);
  ZQLOW_WIN_SetProgramMainWindowHandle(window);
  EXPECT_EQ(ZQLOW_WIN_GetProgramInstanceHandle(), instance);
  EXPECT_EQ(ZQLOW_WIN_GetProgramMainWindowHandle(), window);
  ZQLOW_WIN_SetProgramInstanceHandle(nullptr);
  ZQLOW_WIN_SetProgramMainWindowHandle(nullptr);
}

}  // namespace

#include "ZQ_DebugLog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "DebugLogMark.h"
#include "DiagnosticsTestSupport.h"
#include "WinApiTestSupport.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_FatalError.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"
#include "ZQ_TextStreamFormatterManipulator.h"

TEST(ZQ_DebugLog, KeepsEverythingWrittenInMemory) {
  ASSERT_TRUE(ZQ_DebugSinkExists());
  LogMark mark;
  ZQ_DebugLog << "value = " << 2.5 << ", count = " << 3;
  ZQ_DebugLog.NewLine();
  ZQ_DebugLog.Flush();
  EXPECT_EQ(mark.Since(), "value = 2.5, count = 3\n");
}

TEST(ZQ_DebugLog, EntriesIgnoreTheLogsFormatAttributes) {
  LogMark mark;
  ZQ_DebugLog.PushState();
  ZQ_DebugLog << SetWidth(40);
  ZQ_WriteDebugLogEntry(ZQ_String("entry\n"));
  ZQ_DebugLog.PopState();
  EXPECT_EQ(mark.Since(), "entry\n");
}

TEST(ZQ_DebugLog, AnEntryWithoutItsLineEndEndsItsLineAllTheSame) {
  LogMark mark;
  ZQ_WriteDebugLogEntry(ZQ_String("clipped on page 1"));
  ZQ_WriteDebugLogEntry(ZQ_String("next entry\n"));
  EXPECT_EQ(mark.Since(), "clipped on page 1\nnext entry\n");
}

TEST(ZQ_DebugLog, AssertionFailuresAreWrittenToTheLog) {
  const ZQ_AssertionLogHook previous = ZQ_ConnectAssertionsToDebugLog();
  LogMark mark;
  EXPECT_THROW(ZQ_ReportAssertionFailure("X", "F", 12), ZQ_Exception);
  ZQ_SetAssertionLogHook(previous);
  EXPECT_EQ(mark.Since(),
            "\n\n\nAssertion Failed\n"
            "    Condition : X\n"
            "    File Name : F\n"
            "    Line      : 12\n"
            "\n");
}

TEST(ZQ_StackTrace, BuiltInTypesHaveFormatters) {
  const ZQ_String text("abc");
  const char* raw = "raw";
  const char* null = nullptr;
  const double d = 0.1;
  const float f = 0.1f;
  const bool b = true;
  const long n = -1234567;
  const unsigned short u = 65535;
  const char c = 'q';
  const struct { long code; const void* address; const char* want; } kCases[] = {
      {0, &text, "\"abc\""}, {1, &raw, "raw"},      {1, &null, "NULL"},
      {2, &c, "q"},          {3, &c, "q"},          {6, &n, "-1234567"},
      {8, &u, "65535"},      {11, &d, "0.10000000000000001"},
      {12, &f, "0.100000001"}, {13, &b, "True"},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.code);
    ASSERT_NE(ZQ_StackTrace_VarFormatterFunTable[row.code], nullptr);
    EXPECT_STREQ(ZQ_StackTrace_VarFormatterFunTable[row.code](row.address).GetText(), row.want);
  }
}

namespace {

const char kOpeningBanner[] = "\nDebugging Log\n\n\n";
const char kClosingBanner[] = "\n\nEnd of Debugging Log\n\n";

// Opens the process's log on made-up executable names in a scratch folder
// and closes it again after each test (API failure mode 0, as in the
// running program).
class DebugLogFile : public ApiFailureModeTest {
 protected:
  void SetUp() override {
    ApiFailureModeTest::SetUp();
    sink = ZQ_GetDebugStreamSink();
    ASSERT_NE(sink, nullptr);
  }
  void TearDown() override {
    sink->Close();
    ApiFailureModeTest::TearDown();
  }
  std::string OpenedName() const { return sink->GetFileName().GetPathName().GetText(); }

  ZQ_DebugStreamSinkReference* sink = nullptr;
  ScratchFolder folder{"zq-debuglog-test"};
};

TEST_F(DebugLogFile, FileBesideTheExecutableHoldsTheBannersAndWhatWasWrittenWhileOpen) {
  ZQ_WriteDebugLogEntry(ZQ_String("before opening\n"));
  LogMark mark;
  sink->Open(ZQ_FileName((folder.Get() + "MORV.exe").c_str()));
  EXPECT_EQ(OpenedName(), folder.Get() + "MORV.log");
  ZQ_WriteDebugLogEntry(ZQ_String("while open\n"));
  sink->Close();
  ZQ_WriteDebugLogEntry(ZQ_String("after closing\n"));
  EXPECT_EQ(ReadWholeFile(folder.Get() + "MORV.log"),
            std::string(kOpeningBanner) + "while open\n" + kClosingBanner);
  // The memory copy has every entry and neither banner.
  EXPECT_EQ(mark.Since(), "while open\nafter closing\n");
  EXPECT_TRUE(sink->GetFileName().IsNull());
}

TEST_F(DebugLogFile, OpeningAgainTruncatesTheFile) {
  const std::string log = folder.Get() + "Prog.log";
  WriteWholeFile(log, "an old run's log, longer than the new one\n");
  sink->Open(ZQ_FileName((folder.Get() + "Prog.exe").c_str()));
  sink->Close();
  EXPECT_EQ(ReadWholeFile(log), std::string(kOpeningBanner) + kClosingBanner);
}

TEST_F(DebugLogFile, UnwritableOrMissingNamesFallBackToTheTemporaryDirectory) {
  BlockFileName(folder.Get() + "Blocked.log");
  const struct { std::string executable; std::string logName; const char* why; } kCases[] = {
      {folder.Get() + "no such folder\\Prog.exe", "Prog.log", "folder missing"},
      {folder.Get() + "Blocked.exe", "Blocked.log", "log name taken by a folder"},
      {"", "ZQ_DebugLog.log", "executable without a name"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const std::string inTemp = TemporaryDirectory() + c.logName;
    RemovePath(inTemp);
    sink->Open(ZQ_FileName(c.executable.c_str()));
    EXPECT_EQ(OpenedName(), inTemp);
    ZQ_WriteDebugLogEntry(ZQ_String("entry\n"));
    sink->Close();
    EXPECT_EQ(ReadWholeFile(inTemp), std::string(kOpeningBanner) + "entry\n" + kClosingBanner);
    RemovePath(inTemp);
  }
  RemovePath(folder.Get() + "Blocked.log");
}

TEST_F(DebugLogFile, WhenNoFileCanBeMadeTheLogGoesOnInMemoryOnly) {
  const std::string inTemp = TemporaryDirectory() + "Blocked.log";
  BlockFileName(folder.Get() + "Blocked.log");
  BlockFileName(inTemp);
  sink->Open(ZQ_FileName((folder.Get() + "Blocked.exe").c_str()));
  EXPECT_TRUE(sink->GetFileName().IsNull());
  LogMark mark;
  ZQ_WriteDebugLogEntry(ZQ_String("kept in memory\n"));
  EXPECT_EQ(mark.Since(), "kept in memory\n");
  RemovePath(inTemp);
  RemovePath(folder.Get() + "Blocked.log");
}

TEST_F(DebugLogFile, MarkerFileBesideTheExecutableSelectsDevelopmentMode) {
  const ZQ_FileName executable((folder.Get() + "MORV.exe").c_str());
  EXPECT_FALSE(DetermineIfInDevelopmentMode(executable));
  const struct { std::string marker; bool development; const char* why; } kCases[] = {
      {"MORVDevelopmentModeMarkerFile.txt", true, "the marker, content not read"},
      {"OtherDevelopmentModeMarkerFile.txt", false, "another program's marker"},
      {"MORVDevelopmentModeMarkerFile.log", false, "wrong extension"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    WriteWholeFile(folder.Get() + c.marker, "");
    EXPECT_EQ(DetermineIfInDevelopmentMode(executable), c.development);
    RemovePath(folder.Get() + c.marker);
  }
  BlockFileName(folder.Get() + "MORVDevelopmentModeMarkerFile.txt");
  EXPECT_FALSE(DetermineIfInDevelopmentMode(executable)) << "a folder is no marker";
  RemovePath(folder.Get() + "MORVDevelopmentModeMarkerFile.txt");
  EXPECT_FALSE(DetermineIfInDevelopmentMode(ZQ_FileName()));
}

TEST_F(DebugLogFile, DevelopmentModeKeepsItsFirstAnswerForTheRun) {
  const std::string marker =
      ExecutableDirectory() + ExecutableBase() + "DevelopmentModeMarkerFile.txt";
  ASSERT_FALSE(ZQ_IsDevelopmentMode()) << "a marker lies beside the test executable";
  WriteWholeFile(marker, "");
  EXPECT_TRUE(DetermineIfInDevelopmentMode());
  EXPECT_FALSE(ZQ_IsDevelopmentMode());
  RemovePath(marker);
}

}  // namespace

namespace {

// ---------------------------------------------------------------------------
// The debugging layer of one run, in a child process.

std::string ChildLogFile() { return ExecutableDirectory() + ExecutableBase() + ".log"; }

void StartLikeTheProgram() {
  ZQLOW_WIN_SetAPIFunctionFailureMode(0);
  ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_NoTranslation);
  ZQ_InitializeDebugging();
}

LPTOP_LEVEL_EXCEPTION_FILTER CurrentFilter() {
  const LPTOP_LEVEL_EXCEPTION_FILTER current = SetUnhandledExceptionFilter(nullptr);
  SetUnhandledExceptionFilter(current);
  return current;
}

// Exit code 0 when every check passed, else the number of the first failed.
int CheckRunFromStartToEnd() {
  StartLikeTheProgram();
  if (ZQ_GetAssertionMode() != 2) return 10;
  if (CurrentFilter() != &ZQ_UnhandledExceptionFilter) return 11;
  if (!ZQ_IsMathErrorReportingEnabled()) return 12;
  const ZQ_DebuggingReportValues& values = ZQ_GetDebuggingReportValues();
  if (values.ApplicationName != ExecutableBase().c_str()) return 13;
  if (values.ExecutableFileName.GetPathName() != ExecutablePath().c_str()) return 14;
  if (!values.ContactText.IsEmpty()) return 15;
  ZQ_WriteDebugLogEntry(ZQ_String("an entry of the run\n"));
  ZQLOW_WIN_SetAPIFunctionFailureMode(1);
  ZQ_DeinitializeDebugging();
  if (ZQ_GetAssertionMode() != 1) return 20;
  if (CurrentFilter() != nullptr) return 21;
  if (ZQ_IsMathErrorReportingEnabled()) return 22;
  // After the run a maths error gets the runtime's treatment again.
  volatile double minusOne = -1.0;
  if (!std::isnan(std::sqrt(minusOne))) return 23;
  ZQ_WriteDebugLogEntry(ZQ_String("after the run\n"));
  return 0;
}

TEST(ZQ_DebugLogDeathTest, RunOpensTheLogBesideTheExecutableAndClosesItWithTheBanner) {
  RemovePath(ChildLogFile());
  EXPECT_EXIT(std::exit(CheckRunFromStartToEnd()), testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadWholeFile(ChildLogFile()),
            std::string(kOpeningBanner) + "an entry of the run\n" + kClosingBanner);
  RemovePath(ChildLogFile());
}

TEST(ZQ_DebugLogDeathTest, SecondInitializationIsAnAssertionFailure) {
  EXPECT_EXIT(
      {
        StartLikeTheProgram();
        ZQ_InitializeDebugging();
      },
      testing::ExitedWithCode(1), "Assertion failed: CallCount == 1, file ");
  RemovePath(ChildLogFile());
  RemovePath(ExecutableDirectory() + ExecutableBase() + " Fatal Error Report.txt");
  RemovePath(ExecutableDirectory() + ExecutableBase() + " Stop Box.txt");
}

}  // namespace

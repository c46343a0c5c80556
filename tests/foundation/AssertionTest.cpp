#include <gtest/gtest.h>

#include <windows.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_StackTrace.h"

namespace {

const char kEntryX[] =
    "\n\n\nAssertion Failed\n"
    "    Condition : X\n"
    "    File Name : F\n"
    "    Line      : 12\n"
    "\n";
const char kMessageX[] = "Assertion failed: X, file \"F\", line 12";

// What the fatal hook saw. The hook throws this so the test goes on.
struct FatalReported {
  std::string message;
  bool flagWasSet;
  std::string logAtReport;
  std::string logAfterNestedFailure;
};

void ThrowingFatalHook(const char* Message) {
  FatalReported report{Message, ZQ_FatalErrorInProgress, ZQ_GetAssertionFallbackLog(), ""};
  // As the real report does first; a failure while it is made is ignored.
  ZQ_FatalErrorInProgress = true;
  ZQ_ReportAssertionFailure("nested", "N", 1);
  report.logAfterNestedFailure = ZQ_GetAssertionFallbackLog();
  throw report;
}

std::string s_hookLog;
void RecordingLogHook(const char* Text, long Length) { s_hookLog.append(Text, Length); }

class AssertionModes : public testing::Test {
 protected:
  // The debugging log holds the log hook from start-up on: these tests watch
  // the fallback and give the hook back afterwards.
  void SetUp() override {
    savedMode = ZQ_GetAssertionMode();
    savedLogHook = ZQ_SetAssertionLogHook(nullptr);
    ZQ_ClearAssertionFallbackLog();
  }
  void TearDown() override {
    ZQ_SetAssertionMode(savedMode);
    ZQ_SetAssertionFatalHook(nullptr);
    ZQ_SetAssertionLogHook(savedLogHook);
    ZQ_FatalErrorInProgress = false;
    ZQ_ClearAssertionFallbackLog();
  }
  long savedMode = 3;
  ZQ_AssertionLogHook savedLogHook = nullptr;
};

TEST_F(AssertionModes, ThrowModeLogsTheEntryThenThrowsTheMessageAsNameAndDescription) {
  ZQ_SetAssertionMode(3);
  try {
    ZQ_ReportAssertionFailure("X", "F", 12);
    FAIL() << "mode 3 must throw";
  } catch (const ZQ_Exception& e) {
    EXPECT_STREQ(ZQ_GetAssertionFallbackLog(), kEntryX);
    EXPECT_STREQ(e.GetName().GetText(), kMessageX);
    EXPECT_STREQ(e.GetDescription().GetText(), kMessageX);
  }
}

TEST_F(AssertionModes, IgnoredFailuresReturnAndWriteNothing) {
  const struct { long mode; bool fatalFlag; const char* why; } kCases[] = {
      {0, false, "mode 0 ignores"},
      {1, true, "fatal flag set: mode 1 ignored"},
      {2, true, "fatal flag set: mode 2 ignored"},
      {3, true, "fatal flag set: mode 3 ignored"},
      {4, true, "fatal flag set: mode 4 ignored"},
      {7, true, "fatal flag set: other modes ignored"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_SetAssertionMode(c.mode);
    ZQ_FatalErrorInProgress = c.fatalFlag;
    ZQ_ReportAssertionFailure("X", "F", 12);
    EXPECT_STREQ(ZQ_GetAssertionFallbackLog(), "");
    EXPECT_EQ(ZQ_GetAssertionMode(), c.mode);
  }
}

TEST_F(AssertionModes, FatalModesLogThenReportTheMessage) {
  const struct { long mode; bool flagBeforeReport; const char* why; } kCases[] = {
      {2, true, "mode 2 sets the flag before it writes anything"},
      {7, false, "another value: the report itself sets the flag"},
      {-1, false, "a negative value is another value too"},
  };
  ZQ_SetAssertionFatalHook(&ThrowingFatalHook);
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_FatalErrorInProgress = false;
    ZQ_ClearAssertionFallbackLog();
    ZQ_SetAssertionMode(c.mode);
    try {
      ZQ_ReportAssertionFailure("X", "F", 12);
      ADD_FAILURE() << "the fatal report must not return";
    } catch (const FatalReported& report) {
      EXPECT_EQ(report.message, kMessageX);
      EXPECT_EQ(report.flagWasSet, c.flagBeforeReport);
      EXPECT_EQ(report.logAtReport, kEntryX);
      EXPECT_EQ(report.logAfterNestedFailure, kEntryX);
    }
  }
}

TEST_F(AssertionModes, LogOnlyFailuresWriteTheEntryAndReturnInEveryMode) {
  const struct { long mode; bool fatalFlag; const char* entry; const char* why; } kCases[] = {
      {1, false, kEntryX, "mode 1 would stop in the runtime's routine"},
      {2, false, kEntryX, "mode 2 would make a fatal report"},
      {3, false, kEntryX, "mode 3 would throw"},
      {4, false, kEntryX, "mode 4 would trap"},
      {0, false, "", "mode 0 ignores"},
      {3, true, "", "a fatal error in progress ignores"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_ClearAssertionFallbackLog();
    ZQ_SetAssertionMode(c.mode);
    ZQ_FatalErrorInProgress = c.fatalFlag;
    ZQ_LogAssertionFailure("X", "F", 12);
    EXPECT_STREQ(ZQ_GetAssertionFallbackLog(), c.entry);
    EXPECT_EQ(ZQ_GetAssertionMode(), c.mode);
    EXPECT_EQ(ZQ_FatalErrorInProgress, c.fatalFlag);
  }
}

TEST_F(AssertionModes, LogHookReceivesTheWholeEntryInsteadOfTheFallback) {
  ZQ_SetAssertionMode(3);
  s_hookLog.clear();
  EXPECT_EQ(ZQ_SetAssertionLogHook(&RecordingLogHook), nullptr);
  EXPECT_THROW(ZQ_ReportAssertionFailure("X", "F", 12), ZQ_Exception);
  EXPECT_EQ(s_hookLog, kEntryX);
  EXPECT_STREQ(ZQ_GetAssertionFallbackLog(), "");
  EXPECT_EQ(ZQ_SetAssertionLogHook(nullptr), &RecordingLogHook);
}

TEST_F(AssertionModes, CheckMacroReportsConditionTextFileAndLineOnlyWhenFalse) {
  ZQ_SetAssertionMode(3);
  int evaluations = 0;
  ZQ_ASSERT(++evaluations == 1);
  EXPECT_EQ(evaluations, 1);
  EXPECT_STREQ(ZQ_GetAssertionFallbackLog(), "");

  const long line = __LINE__ + 2;
  try {
    ZQ_ASSERT((evaluations != 1) and (1 + 1 == 2));
    FAIL() << "the check must fail";
  } catch (const ZQ_Exception& e) {
    const std::string want = std::string("Assertion failed: (evaluations != 1) and (1 + 1 == 2), file \"") +
                             __FILE__ + "\", line " + std::to_string(line);
    EXPECT_EQ(std::string(e.GetName().GetText()), want);
  }
}

TEST_F(AssertionModes, ThrowModeLeavesTheTraceStackAsItWas) {
  ZQ_SetAssertionMode(3);
  const long depth = ZQ_StackTrace_GetDepth();
  EXPECT_THROW(ZQ_ReportAssertionFailure("X", "F", 12), ZQ_Exception);
  EXPECT_EQ(ZQ_StackTrace_GetDepth(), depth);
}

// The modes that end the process run in a child process.

void ReportWithoutHooksInMode(long Mode) {
  // The fatal-error report is connected from static initialisation on.
  ZQ_SetAssertionFatalHook(nullptr);
  ZQ_SetAssertionMode(Mode);
  ZQ_ReportAssertionFailure("X", "F", 12);
}

TEST(AssertionModesDeathTest, FallbackFatalReportWritesTheMessageAndExitsWithCode1) {
  EXPECT_EXIT(ReportWithoutHooksInMode(2), testing::ExitedWithCode(1),
              "Assertion failed: X, file .F., line 12");
  EXPECT_EXIT(ReportWithoutHooksInMode(9), testing::ExitedWithCode(1),
              "Assertion failed: X, file .F., line 12");
}

// The runtime's assertion routine ends with abort; the handler shows the mode
// that failures during that termination would meet.
void ReportModeOnAbort(int) {
  std::fprintf(stderr, "mode at abort %ld\n", ZQ_GetAssertionMode());
  std::fflush(stderr);
  std::_Exit(5);
}

TEST(AssertionModesDeathTest, RuntimeModeHandsOverToTheRuntimeWithTheModeAt0) {
  EXPECT_EXIT(
      {
        std::signal(SIGABRT, &ReportModeOnAbort);
        ReportWithoutHooksInMode(1);
      },
      testing::ExitedWithCode(5), "mode at abort 0");
}

LONG WINAPI ExitOnStop(EXCEPTION_POINTERS* Pointers) {
  std::fprintf(stderr, "stopped by 0x%lX\n", Pointers->ExceptionRecord->ExceptionCode);
  std::fflush(stderr);
  ExitProcess(6);
}

TEST(AssertionModesDeathTest, StopModeStopsAtTheFailingCheck) {
  EXPECT_EXIT(
      {
        SetUnhandledExceptionFilter(&ExitOnStop);
        ReportWithoutHooksInMode(4);
      },
      testing::ExitedWithCode(6), "stopped by 0xC000001D");
}

}  // namespace

#include "ZQ_ReportError.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AssertionTestSupport.h"
#include "DebugLogMark.h"
#include "DiagnosticsTestSupport.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_CommandLine.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_FatalError.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"

namespace {

// What an installed reporting function received.
struct Received {
  std::string name;
  std::string description;
  int level;
  std::string topFrames;  // the trace stack's top entries at the call
};
std::vector<Received> s_received;

void RecordingReportFun(const ZQ_Exception& Error, ZQ_ReportErrorLevelType Level) {
  std::string frames;
  // At most three entries: fewer may be on the stack.
  const long shown = std::min(3L, ZQ_StackTrace_GetDepth());
  for (const ZQ_StackTraceEntry* e = ZQ_StackTrace_Top - shown + 1; e <= ZQ_StackTrace_Top; ++e)
    frames += std::to_string(e->Kind) + ":" + e->Text + " ";
  s_received.push_back({Error.GetName().GetText(), Error.GetDescription().GetText(),
                        static_cast<int>(Level), frames});
}

// Installs the recording function for a test; the standard one is back after.
class ReportingFunction : public testing::Test {
 protected:
  void SetUp() override {
    s_received.clear();
    ZQ_SetErrorReportingFunction(&RecordingReportFun);
  }
  void TearDown() override { ZQ_UseStandardInteractiveErrorReporting(); }
};

TEST_F(ReportingFunction, ReportsReachTheInstalledFunctionWithNameDescriptionAndLevel) {
  ZQ_ReportError(ZQ_String("Bad file"), ZQ_String("The file is damaged."), ZQ_ReportErrorLevel_Error);
  ZQ_ReportError(ZQ_Exception(ZQ_String("Note"), ZQ_String()), ZQ_ReportErrorLevel_Warning);
  ASSERT_EQ(s_received.size(), 2u);
  EXPECT_EQ(s_received[0].name, "Bad file");
  EXPECT_EQ(s_received[0].description, "The file is damaged.");
  EXPECT_EQ(s_received[0].level, 0);
  // The named form keeps a frame that watches the error's name.
  EXPECT_EQ(s_received[0].topFrames, "-1:ZQ_ReportError 0:ErrorName -1:ZQ_ReportError ");
  EXPECT_EQ(s_received[1].description, "Note");
  EXPECT_EQ(s_received[1].level, 1);
}

TEST_F(ReportingFunction, NullFunctionIsAnAssertionFailureAndIsNotInstalled) {
  EXPECT_TRUE(FailedOn(AssertionFailureOf([] { ZQ_SetErrorReportingFunction(nullptr); }),
                       "ReportFun"));
  ZQ_ReportError(ZQ_String("Still"), ZQ_String("recorded"), ZQ_ReportErrorLevel_Error);
  EXPECT_EQ(s_received.size(), 1u);
}

TEST_F(ReportingFunction, InstalledFunctionWritesNoStandardLogEntry) {
  const int logLength = ZQ_GetDebugLogText().GetLength();
  ZQ_ReportError(ZQ_String("Quiet"), ZQ_String("Only recorded"), ZQ_ReportErrorLevel_Error);
  EXPECT_EQ(ZQ_GetDebugLogText().GetLength(), logLength);
}

TEST(ZQ_ReportError, StandardBatchEntryHasTheLevelLineNameAndDescription) {
  const struct {
    const char* name;
    const char* description;
    ZQ_ReportErrorLevelType level;
    const char* entry;
  } kCases[] = {
      {"Bad file", "The file is damaged.", ZQ_ReportErrorLevel_Error,
       "\n\n\n*****  ERROR *****\n\nBad file\n\nThe file is damaged.\n\n"},
      {"Low disk", "Space is short.", ZQ_ReportErrorLevel_Warning,
       "\n\n\n*****  WARNING *****\n\nLow disk\n\nSpace is short.\n\n"},
      // An empty description reads as the name.
      {"Only a name", "", ZQ_ReportErrorLevel_Error,
       "\n\n\n*****  ERROR *****\n\nOnly a name\n\nOnly a name\n\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.entry);
    const LogMark mark;
    StandardBatchReportFun(ZQ_Exception(ZQ_String(c.name), ZQ_String(c.description)), c.level);
    EXPECT_EQ(mark.Since(), c.entry);
  }
}

TEST(ZQ_ReportError, LevelWordIsTranslated) {
  const int savedMode = ZQ_Internationalization_GetOperationMode();
  ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_Normal);
  const auto previous = ZQ_Internationalization_SetDictionaryLookup(
      [](const ZQ_String& Key, ZQ_String& Translation) {
        if (Key != "WARNING") return false;
        Translation = "AVERTISSEMENT";
        return true;
      });
  const LogMark mark;
  StandardBatchReportFun(ZQ_Exception(ZQ_String("N"), ZQ_String("D")), ZQ_ReportErrorLevel_Warning);
  ZQ_Internationalization_SetDictionaryLookup(previous);
  ZQ_Internationalization_SetOperationMode(savedMode);
  EXPECT_EQ(mark.Since(), "\n\n\n*****  AVERTISSEMENT *****\n\nN\n\nD\n\n");
}

TEST(ZQ_ReportError, OtherLevelsAreAnAssertionFailureWithoutALevelLine) {
  const LogMark mark;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([] {
                         StandardBatchReportFun(ZQ_Exception(ZQ_String("N"), ZQ_String("D")),
                                                static_cast<ZQ_ReportErrorLevelType>(2));
                       }),
                       "false"));
  EXPECT_EQ(mark.Since().find("*****"), std::string::npos);
}

// The standard box is task-modal; a thread timer running inside its modal
// loop reads it (text and icon) and closes it.
struct ShownBox {
  std::string text;
  bool exclamationIcon = false;
};
ShownBox s_box;
const char* s_boxTitle = "";

void CALLBACK CloseReportBox(HWND, UINT, UINT_PTR TimerID, DWORD) {
  HWND box = FindWindowA("#32770", s_boxTitle);
  if (!box) return;
  char text[1024] = "";
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  s_box.text = text;
  // The box's icon control carries the system's shared exclamation icon.
  const HICON icon = reinterpret_cast<HICON>(SendDlgItemMessageA(box, 0x440, STM_GETICON, 0, 0));
  s_box.exclamationIcon = icon && icon == LoadIconA(nullptr, IDI_EXCLAMATION);
  KillTimer(nullptr, TimerID);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(ZQ_ReportError, StandardInteractiveReportLogsThenShowsAnExclamationBox) {
  const struct {
    const char* name;
    const char* description;
    ZQ_ReportErrorLevelType level;
    const char* boxText;
  } kCases[] = {
      {"Bad file", "The file is damaged.", ZQ_ReportErrorLevel_Error, "The file is damaged."},
      {"Low disk", "Space is short.", ZQ_ReportErrorLevel_Warning, "Space is short."},
      {"Only a name", "", ZQ_ReportErrorLevel_Error, "Only a name"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    s_box = ShownBox();
    s_boxTitle = c.name;
    const LogMark mark;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &CloseReportBox);
    ZQ_ReportError(ZQ_String(c.name), ZQ_String(c.description), c.level);
    KillTimer(nullptr, timer);
    EXPECT_EQ(s_box.text, c.boxText);
    EXPECT_TRUE(s_box.exclamationIcon);
    EXPECT_NE(mark.Since().find(std::string("\n\n") + c.name + "\n\n"), std::string::npos);
  }
}

// A log whose writing is cancelled.
class CancellingSink : public ZQ_StreamSinkReference {
 public:
  void Write(const void*, unsigned long) override { throw ZQ_CancelCurrentOperationException(); }
};

TEST(ZQ_ReportError, CancelDuringTheStandardReportEndsItQuietly) {
  const ZQ_StreamSink savedSink = ZQ_DebugLog.GetSink();
  ZQ_DebugLog.GetSink() = ZQ_StreamSink(new CancellingSink);
  // Should a box appear after all, the timer closes it and the test fails.
  s_box = ShownBox();
  s_boxTitle = "Cancelled";
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &CloseReportBox);
  EXPECT_NO_THROW(StandardInteractiveReportFun(
      ZQ_Exception(ZQ_String("Cancelled"), ZQ_String("Not shown")), ZQ_ReportErrorLevel_Error));
  KillTimer(nullptr, timer);
  ZQ_DebugLog.GetSink() = savedSink;
  EXPECT_EQ(s_box.text, "");
}

TEST(ZQ_ReportErrorDeathTest, OtherFailureDuringTheStandardReportIsFatalWithTheReportedError) {
  // Level 2 fails an assertion, which throws in the tests' mode 3.
  EXPECT_EXIT(
      {
        ZQLOW_WIN_SetAPIFunctionFailureMode(0);
        StandardInteractiveReportFun(ZQ_Exception(ZQ_String("Name"), ZQ_String("What went wrong")),
                                     static_cast<ZQ_ReportErrorLevelType>(2));
      },
      testing::ExitedWithCode(1), "The error message was:\n\nWhat went wrong\n");
  RemovePath(ExecutableDirectory() + "Fatal Error Report.txt");
  RemovePath(ExecutableDirectory() + ExecutableBase() + " Stop Box.txt");
}

TEST(ZQ_ApplicationErrorReporting, ItsFunctionReceivesTheReportsUntilTheStandardOneIsBack) {
  s_received.clear();
  ZQ_ApplicationErrorReporting application(&RecordingReportFun);
  application.InitializeErrorReportingFunction();
  ZQ_ReportError(ZQ_String("During"), ZQ_String("the loop"), ZQ_ReportErrorLevel_Warning);
  application.DeinitializeErrorReportingFunction();
  s_box = ShownBox();
  s_boxTitle = "After";
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &CloseReportBox);
  ZQ_ReportError(ZQ_String("After"), ZQ_String("the standard box"), ZQ_ReportErrorLevel_Error);
  KillTimer(nullptr, timer);
  ASSERT_EQ(s_received.size(), 1u);
  EXPECT_EQ(s_received[0].name, "During");
  EXPECT_EQ(s_received[0].level, 1);
  EXPECT_EQ(s_box.text, "the standard box");
}

TEST_F(ReportingFunction, ApplicationWithoutAFunctionFailsItsAssertionAndChangesNothing) {
  ZQ_ApplicationErrorReporting application(nullptr);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { application.InitializeErrorReportingFunction(); }),
                       "ReportFun"));
  ZQ_ReportError(ZQ_String("Still"), ZQ_String("recorded"), ZQ_ReportErrorLevel_Error);
  EXPECT_EQ(s_received.size(), 1u);
}

TEST(ZQ_ReportError, BatchErrorFlagFileIsNamedAfterTheExecutableAndFixed) {
  const std::string want = ExecutableDirectory() + ExecutableBase() + "BatchErrorFlagFile.txt";
  EXPECT_STREQ(ZQ_GetBatchErrorModeFlagFile().GetPathName().GetText(), want.c_str());
  EXPECT_STREQ(ZQ_GetBatchErrorModeFlagFile().GetPathName().GetText(), want.c_str());
}

TEST(ZQ_ReportError, BatchErrorFlagFileOptionIsDeclared) {
  int found = 0;
  for (ZQ_CommandLineElement* e = ZQ_CommandLineElement::GetFirstElement(); e;
       e = e->GetNextElement()) {
    const auto* option = dynamic_cast<ZQ_OneParameterFlagCommandLineElement*>(e);
    if (option && option->GetFlagText() == "BatchErrorModeFlagFile") ++found;
  }
  EXPECT_EQ(found, 1);
}

}  // namespace

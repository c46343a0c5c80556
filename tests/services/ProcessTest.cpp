#include <gtest/gtest.h>

#include <string>

#include "ZQLOW_WIN_Core.h"
#include "ZQ_Exception.h"
#include "ZQ_Process.h"

namespace {

ZQ_ProcessStartupParameters Hidden() {
  ZQ_ProcessStartupParameters parameters;
  parameters.InitialWindowState = ZQ_ProcessStartupParameters::State_Hidden;
  return parameters;
}

std::string DescriptionOfFailure(void (*Call)()) {
  ZQLOW_WIN_ScopedAPIFunctionFailureMode throwing(0);
  try {
    Call();
  } catch (const ZQ_Exception& e) {
    return e.GetDescription().GetText();
  }
  return "(nothing thrown)";
}

bool EndsWith(const std::string& Text, const std::string& End) {
  return Text.size() >= End.size() && Text.compare(Text.size() - End.size(), End.size(), End) == 0;
}

int s_callbackCalls = 0;
void CountCallback() { ++s_callbackCalls; }

}  // namespace

TEST(ZQ_ProcessStartupParameters, StartupRecordCarriesOnlyTheGivenSettings) {
  const DWORD kShow = STARTF_USESHOWWINDOW;
  struct Case {
    const char* why;
    void (*change)(ZQ_ProcessStartupParameters&);
    DWORD flags;
    WORD show;
    DWORD fill;
  };
  const Case kCases[] = {
      {"defaults", [](ZQ_ProcessStartupParameters&) {}, kShow, SW_SHOWNORMAL, 0},
      {"size 800 x 600", [](ZQ_ProcessStartupParameters& p) { p.InitialSize = {800, 600}; },
       STARTF_USESIZE | kShow, SW_SHOWNORMAL, 0},
      {"location", [](ZQ_ProcessStartupParameters& p) { p.InitialLocation = {0, 0}; },
       STARTF_USEPOSITION | kShow, SW_SHOWNORMAL, 0},
      {"console size", [](ZQ_ProcessStartupParameters& p) { p.InitialCharSize = {80, 25}; },
       STARTF_USECOUNTCHARS | kShow, SW_SHOWNORMAL, 0},
      {"foreground 8: red and intensity", [](ZQ_ProcessStartupParameters& p) { p.ForegroundColorCode = 8; },
       STARTF_USEFILLATTRIBUTE | kShow, SW_SHOWNORMAL, 12},
      {"background 2: blue background", [](ZQ_ProcessStartupParameters& p) { p.BackgroundColorCode = 2; },
       STARTF_USEFILLATTRIBUTE | kShow, SW_SHOWNORMAL, 16},
      {"white on grey", [](ZQ_ProcessStartupParameters& p) { p.ForegroundColorCode = 1; p.BackgroundColorCode = 9; },
       STARTF_USEFILLATTRIBUTE | kShow, SW_SHOWNORMAL, 15 | 112},
      {"maximised", [](ZQ_ProcessStartupParameters& p) { p.InitialWindowState = 1; }, kShow, SW_SHOWMAXIMIZED, 0},
      {"minimised", [](ZQ_ProcessStartupParameters& p) { p.InitialWindowState = 2; }, kShow, SW_SHOWMINIMIZED, 0},
      {"hidden", [](ZQ_ProcessStartupParameters& p) { p.InitialWindowState = 3; }, kShow, SW_HIDE, 0},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_ProcessStartupParameters parameters;
    c.change(parameters);
    STARTUPINFOA info;
    info.dwFlags = 0xFFFF;  // stale content must be cleared
    parameters.FillStartupInfo(info);
    EXPECT_EQ(info.cb, 68u);
    EXPECT_EQ(info.dwFlags, c.flags);
    EXPECT_EQ(info.wShowWindow, c.show);
    EXPECT_EQ(info.dwFillAttribute, c.fill);
    EXPECT_EQ(info.lpTitle, nullptr);
  }
}

TEST(ZQ_ProcessStartupParameters, TitleIsPassedOnlyWhenNotEmpty) {
  ZQ_ProcessStartupParameters parameters;
  parameters.WindowTitle = "Worker";
  STARTUPINFOA info;
  parameters.FillStartupInfo(info);
  ASSERT_NE(info.lpTitle, nullptr);
  EXPECT_STREQ(info.lpTitle, "Worker");
}

TEST(ZQ_ProcessStartupParameters, CodesOutsideTheirRangesFailTheAssertion) {
  const struct { int color; int state; const char* why; } kCases[] = {
      {10, 0, "colour code 10"}, {-1, 0, "colour code -1"}, {0, 4, "window state 4"}, {0, -1, "window state -1"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_ProcessStartupParameters parameters;
    parameters.ForegroundColorCode = c.color;
    parameters.InitialWindowState = c.state;
    STARTUPINFOA info;
    EXPECT_THROW(parameters.FillStartupInfo(info), ZQ_Exception);
  }
}

TEST(ZQ_Process, ExecuteProcessReturnsTheExitCode) {
  const struct { const char* command; int want; } kCases[] = {
      {"cmd /c exit 3", 3}, {"cmd /c exit 0", 0}, {"cmd /c exit 259", 259},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.command);
    EXPECT_EQ(ZQ_ExecuteProcess(c.command, "", Hidden()), c.want);
  }
}

TEST(ZQ_Process, PollingWaitCallsTheCallbackUntilTheEnd) {
  const struct { const char* command; int want; const char* why; } kCases[] = {
      {"cmd /c exit 7", 7, "ordinary code"},
      {"cmd /c exit 259", 259, "a program's own code 259 is not taken for still running"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    s_callbackCalls = 0;
    ZQ_Process process = StartProcess(c.command, "C:\\", Hidden());
    EXPECT_EQ(process.WaitForExit(ZQ_Functor0(&CountCallback), 0.001), c.want);
    EXPECT_GE(s_callbackCalls, 1);
    EXPECT_FALSE(process.IsProcessActive());
  }
}

TEST(ZQ_Process, CopiesShareOneReference) {
  ZQ_Process process = StartProcess("cmd /c exit 1", "", Hidden());
  ASSERT_FALSE(process.IsNull());
  {
    ZQ_Process copy(process);
    EXPECT_EQ(process.GetNumReferences(), 2);
    EXPECT_EQ(copy.GetHandle(), process.GetHandle());
    copy = copy;
    EXPECT_EQ(process.GetNumReferences(), 2);
  }
  EXPECT_EQ(process.GetNumReferences(), 1);
  EXPECT_EQ(process.WaitForExit(), 1);
}

TEST(ZQ_Process, NullProcessFailsTheAssertion) {
  ZQ_Process process;
  EXPECT_TRUE(process.IsNull());
  EXPECT_THROW(process.IsProcessActive(), ZQ_Exception);
  EXPECT_THROW(process.WaitForExit(), ZQ_Exception);
}

TEST(ZQ_Process, FailureToStartNamesTheCommandLineAndDirectory) {
  const struct { void (*call)(); const char* end; } kCases[] = {
      {[] { StartProcess("zq-no-such-program.exe", "C:\\windows"); },
       "This error occurred while attempting to execute the command line...\n"
       "    zq-no-such-program.exe\n...in the directory C:\\windows."},
      {[] { StartProcess("cmd /c exit 0", "C:\\zq-no-such-folder"); },
       "This error occurred while attempting to execute the command line...\n"
       "    cmd /c exit 0\n...in the directory C:\\zq-no-such-folder."},
      {[] { StartProcess("zq-no-such-program.exe", ""); },
       "This error occurred while attempting to execute the command line...\n"
       "    zq-no-such-program.exe\n...in the current directory."},
      {[] { ZQ_ExecuteProcess("", ""); },
       "This error occurred while attempting to execute the command line...\n"
       "    \n...in the current directory."},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.end);
    const std::string description = DescriptionOfFailure(c.call);
    EXPECT_TRUE(EndsWith(description, c.end)) << description;
  }
}

TEST(ZQ_Process, FailureToOpenADocumentNamesItAndItsParameters) {
  HWND owner = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  ZQLOW_WIN_SetProgramMainWindowHandle(owner);
  const struct { void (*call)(); const char* end; } kCases[] = {
      {[] { ZQ_DisplayDocumentUsingShellAssociation("C:\\zq-missing.zqx", "", ""); },
       "This error occurred while attempting to open \"C:\\zq-missing.zqx\"."},
      {[] { ZQ_DisplayDocumentUsingShellAssociation("C:\\zq-missing.zqx", "-p 1", "C:\\"); },
       "This error occurred while attempting to open \"C:\\zq-missing.zqx\" with the parameters \"-p 1\"."},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.end);
    const std::string description = DescriptionOfFailure(c.call);
    EXPECT_TRUE(EndsWith(description, c.end)) << description;
  }
  ZQLOW_WIN_SetProgramMainWindowHandle(nullptr);
  ::DestroyWindow(owner);
}

#include "ZQ_FatalError.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "AssertionTestSupport.h"
#include "DiagnosticsTestSupport.h"
#include "WinApiTestSupport.h"
#include "ZQLOW_WINBASE.h"
#include "ZQ_DebugLog.h"
#include "ZQ_DebuggingAids.h"
#include "ZQ_Exception.h"
#include "ZQ_FileName.h"
#include "ZQ_FloatingPointContext.h"
#include "ZQ_Internationalization.h"
#include "ZQ_OperatingSystem.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatter.h"

namespace {

// The files a fatal report of this executable leaves beside it, and the
// stop box, which in this executable writes its title and text to a file
// (and to stderr) instead of waiting for a user.
std::string LogFile() { return ExecutableDirectory() + ExecutableBase() + ".log"; }
std::string ReportFile() {
  return ExecutableDirectory() + ExecutableBase() + " Fatal Error Report.txt";
}
std::string BoxFile() { return ExecutableDirectory() + ExecutableBase() + " Stop Box.txt"; }

void StopBoxToFileAndStderr(const char* Text, const char* Title) {
  WriteWholeFile(BoxFile(), std::string(Title) + "\n--\n" + Text);
  std::fprintf(stderr, "Stop box \"%s\":\n%s\n", Title, Text);
  std::fflush(stderr);
}

const ZQ_FatalErrorBoxFunction s_previousBox = ZQ_SetFatalErrorBoxFunction(&StopBoxToFileAndStderr);

const char kBanner[] =
    "==========================   F A T A L    E R R O R   ==========================";

std::string Explanation(const std::string& Who, const std::string& SendTo) {
  return "This file contains debugging information that\nwill help " + Who +
         "'s developers determine the\ncause of this error. " + SendTo +
         ".\n\nIn addition to the error report, the following information\n"
         "would also be useful to " + Who + "'s developers:\n"
         "  - Your contact information, in case additional information is needed\n"
         "  - If this error is reproducible, instructions for how to reproduce it\n"
         "  - Any files that are necessary to reproduce this error\n\n"
         "Any information you provide will be kept strictly private, and\n"
         "will be used only to investigate this error.  Thank you for\nyour time.";
}

// Sets the report values for a test and puts the real ones back after.
class ReportValues : public ApiFailureModeTest {
 protected:
  void SetUp() override {
    ApiFailureModeTest::SetUp();
    saved = ZQ_GetDebuggingReportValues();
  }
  void TearDown() override {
    ZQ_GetDebuggingReportValues() = saved;
    ApiFailureModeTest::TearDown();
  }
  void Use(const char* ApplicationName, const char* Contact) {
    ZQ_GetDebuggingReportValues().ApplicationName = ApplicationName;
    ZQ_GetDebuggingReportValues().ContactText = Contact;
  }
  ZQ_DebuggingReportValues saved;
};

TEST_F(ReportValues, StopBoxTextNamesTheApplicationTheFileAndWhoToSendItTo) {
  const char kFile[] = "C:\\Apps\\MORV Fatal Error Report.txt";
  const std::string kPlaced =
      "An error report has been placed in the file\n\"C:\\Apps\\MORV Fatal Error Report.txt\".\n";
  const std::string kHead = "A fatal error occurred in MORV.  The error message was:\n\nBoom\n\n";
  const std::string kSendToDevelopers = "Please send this file to\nMORV's developers";
  const struct {
    const char* application;
    const char* contact;
    const char* file;
    bool written;
    const char* title;
    std::string text;
    const char* why;
  } kCases[] = {
      {"MORV", "", kFile, true, "MORV - Fatal Error",
       kHead + kPlaced + Explanation("MORV", kSendToDevelopers) + "\n", "the box"},
      {"MORV", "", kFile, false, "MORV - Fatal Error",
       kHead + Explanation("MORV", kSendToDevelopers) + "\n", "the file's copy"},
      {"MORV", "help@example.org", kFile, true, "MORV - Fatal Error",
       kHead + kPlaced +
           Explanation("MORV", "Please e-mail this file to\nhelp@example.org") + "\n",
       "a contact address"},
      {"", "", kFile, true, "Fatal Error",
       "A fatal error occurred.  The error message was:\n\nBoom\n\n" + kPlaced +
           Explanation("the application", "Please send this file to\nthe application's developers") +
           "\n",
       "no application name"},
      {"MORV", "help@example.org", "", true, "MORV - Fatal Error", kHead, "no report file"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Use(c.application, c.contact);
    ZQ_String title("old");
    ZQ_String text("old");
    ZQ_BuildFatalErrorMessage("Boom", ZQ_FileName(c.file), title, text, c.written);
    EXPECT_STREQ(title.GetText(), c.title);
    EXPECT_EQ(std::string(text.GetText()), c.text);
  }
}

std::string ReportFileHead(const std::string& Base, const std::string& BoxText) {
  return "\n                   " + Base + "\n\n\n" + BoxText + "\n\n\n" + std::string(80, '-') +
         "\n\n";
}

TEST_F(ReportValues, ReportFileHoldsTheBoxTextThenTheWholeLog) {
  Use("ZQDiagTest", "");
  const std::string besideExecutable = ExecutableDirectory() + "ZQDiagTest Fatal Error Report.txt";
  RemovePath(besideExecutable);
  ZQ_WriteDebugLogEntry(ZQ_String("an entry of this run\n"));
  const ZQ_FileName written = ZQ_WriteFatalErrorReportFile("Boom");
  EXPECT_STREQ(written.GetPathName().GetText(), besideExecutable.c_str());
  ZQ_String title, text;
  ZQ_BuildFatalErrorMessage("Boom", written, title, text, false);
  EXPECT_EQ(ReadWholeFile(besideExecutable),
            ReportFileHead("ZQDiagTest Fatal Error Report", text.GetText()) +
                ZQ_GetDebugLogText().GetText() + "\n");
  RemovePath(besideExecutable);
}

TEST_F(ReportValues, NamelessApplicationGetsAPlainReportFileName) {
  Use("", "");
  const std::string besideExecutable = ExecutableDirectory() + "Fatal Error Report.txt";
  RemovePath(besideExecutable);
  EXPECT_STREQ(ZQ_WriteFatalErrorReportFile("Boom").GetPathName().GetText(),
               besideExecutable.c_str());
  EXPECT_EQ(ReadWholeFile(besideExecutable).substr(0, 40),
            "\n                   Fatal Error Report\n\n");
  RemovePath(besideExecutable);
}

// One line of the environment block: its label and value.
std::string Line(const char* Label, const std::string& Value) {
  return std::string("    ") + Label + " = " + Value + "\n";
}

TEST(ZQ_FatalError, ExecutionEnvironmentDescribesTheProgramAndTheMachine) {
  ZQ_StringStream out;
  ZQ_WriteExecutionEnvironment(out);
  const std::string block = out.GetText();
  char directory[MAX_PATH + 1] = "";
  GetCurrentDirectoryA(sizeof directory, directory);
  const std::string exact[] = {
      "\nExecution Environment:\n\n",
      Line("App Version                ", "Generic Application 1.0, build 1"),
      Line("Executable Filename        ", ExecutablePath()),
      Line("Current Directory          ", std::string(directory) + "\\"),
      Line("App Home Directory         ", ExecutableDirectory()),
      Line("Operating System           ", ZQ_GetOperatingSystemDescription().GetText()),
      Line("Execution Mode             ", ZQ_IsDevelopmentMode() ? "Development" : "Deployment"),
      Line("Floating Point Control Word", "0x" + std::string(ZQ_ToString(ZQ_GetFPControlWord(), "h").GetText())),
  };
  for (const auto& line : exact) {
    SCOPED_TRACE(line);
    EXPECT_NE(block.find(line), std::string::npos) << block;
  }
  // Wine runs in Greenwich time unless TZ says otherwise; either way the
  // offset carries its sign.
  const size_t offset = block.find("    Local Time Offset           = GMT");
  ASSERT_NE(offset, std::string::npos);
  EXPECT_TRUE(block[offset + 37] == '+' || block[offset + 37] == '-') << block.substr(offset);
  const size_t date = block.find("    Local Date and Time         = ");
  ASSERT_NE(date, std::string::npos);
  const std::string now = block.substr(date + 34, block.find('\n', date) - date - 34);
  EXPECT_NE(now.find(", "), std::string::npos) << now;
  EXPECT_TRUE(!now.empty() && now.back() == 'M') << now << " ends in AM or PM";
  EXPECT_NE(block.find("    Floating Point Status Word  = 0x"), std::string::npos);
  EXPECT_EQ(block.substr(block.size() - 2), "\n\n");
}

TEST(ZQ_FatalError, MathErrorHookHandlesUnderflowAndPrecisionAndLeavesTheRestToTheRuntime) {
  ASSERT_FALSE(ZQ_IsMathErrorReportingEnabled());
  const struct { int type; int handled; double result; const char* why; } kCases[] = {
      {4, 1, 0.0, "underflow: result 0.0"},
      {5, 1, 7.5, "total loss of precision: the runtime's result"},
      {6, 1, 7.5, "partial loss of precision: the runtime's result"},
      {1, 0, 7.5, "domain error, reporting off"},
      {2, 0, 7.5, "singularity, reporting off"},
      {3, 0, 7.5, "overflow, reporting off"},
      {9, 0, 7.5, "an unknown type, reporting off"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    double result = 7.5;
    EXPECT_EQ(ZQ_HandleMathError(c.type, "f", 1.0, 2.0, result), c.handled);
    EXPECT_EQ(result, c.result);
  }
  // Reporting on: underflow and loss of precision still go on quietly.
  ZQ_EnableMathErrorReporting();
  double result = 7.5;
  EXPECT_EQ(ZQ_HandleMathError(4, "exp", -1000.0, 0.0, result), 1);
  EXPECT_EQ(ZQ_HandleMathError(6, "sin", 1e300, 0.0, result), 1);
  ZQ_DisableMathErrorReporting();
  EXPECT_FALSE(ZQ_FatalErrorInProgress);
}

TEST(ZQ_FatalError, MathErrorsBeforeTheRunGetTheRuntimesTreatment) {
  volatile double minusOne = -1.0;
  EXPECT_TRUE(std::isnan(std::sqrt(minusOne)));
  EXPECT_FALSE(ZQ_FatalErrorInProgress);
}

// ---------------------------------------------------------------------------
// Reports in a child process. The child starts like the program entry:
// Windows-API failure mode 0, no translation, then ZQ_InitializeDebugging.

void StartLikeTheProgram() {
  ZQLOW_WIN_SetAPIFunctionFailureMode(0);
  ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_NoTranslation);
  ZQ_InitializeDebugging();
}

void RemoveChildFiles() {
  RemovePath(LogFile());
  RemovePath(ReportFile());
  RemovePath(BoxFile());
}

struct ChildFiles {
  std::string log;
  std::string report;
  std::string box;
};

ChildFiles ReadChildFiles() {
  ChildFiles files{ReadWholeFile(LogFile()), ReadWholeFile(ReportFile()), ReadWholeFile(BoxFile())};
  RemoveChildFiles();
  return files;
}

std::string BoxHead(const std::string& Message) {
  return ExecutableBase() + " - Fatal Error\n--\nA fatal error occurred in " + ExecutableBase() +
         ".  The error message was:\n\n" + Message + "\n\n";
}

bool Contains(const std::string& Text, const std::string& Part) {
  return Text.find(Part) != std::string::npos;
}

void AccessViolationInTracedFunction() {
  ZQ_TRACE_FUNCTION("FatalErrorChild");
  ZQ_TRACE_NOTE("about to fail");
  volatile std::uintptr_t address = 8;
  *reinterpret_cast<volatile int*>(address) = 1;
}

TEST(ZQ_FatalErrorDeathTest, AccessViolationEndsInLogReportFileStopBoxAndExitCode1) {
  RemoveChildFiles();
  EXPECT_EXIT(
      {
        StartLikeTheProgram();
        ZQ_WriteDebugLogEntry(ZQ_String("an entry before the fault\n"));
        AccessViolationInTracedFunction();
      },
      testing::ExitedWithCode(1), "EXCEPTION_ACCESS_VIOLATION");
  const ChildFiles files = ReadChildFiles();
  const std::string message = "EXCEPTION_ACCESS_VIOLATION";

  // The log: the opening banner, the run's entries, the report; the run
  // never reached the closing banner.
  EXPECT_EQ(files.log.substr(0, 17), "\nDebugging Log\n\n\n");
  EXPECT_TRUE(Contains(files.log, "\nDebugging Log\n\n\nan entry before the fault\n\n\n\n" +
                                      std::string(kBanner) + "\n\n" + message + "\n\n"));
  EXPECT_TRUE(Contains(files.log, "\nStack:\n\n"));
  EXPECT_TRUE(Contains(files.log, "    FatalErrorChild\n        FatalErrorChild, about to fail\n"));
  EXPECT_TRUE(Contains(files.log, "\nExecution Environment:\n\n"
                                  "    App Version                 = Generic Application 1.0, build 1\n"
                                  "    Executable Filename         = " + ExecutablePath() + "\n"));
  EXPECT_FALSE(Contains(files.log, "End of Debugging Log"));

  // The box names the report file.
  EXPECT_EQ(files.box.substr(0, BoxHead(message).size()), BoxHead(message));
  EXPECT_TRUE(Contains(files.box, "An error report has been placed in the file\n\"" +
                                      ReportFile() + "\".\nThis file contains"));
  EXPECT_TRUE(Contains(files.box, "Please send this file to\n" + ExecutableBase() + "'s developers."));

  // The report file: the box text without the sentence naming the file,
  // then the whole log of the run (the copy has no banner of its own).
  const std::string head = "\n                   " + ExecutableBase() + " Fatal Error Report\n\n\n";
  EXPECT_EQ(files.report.substr(0, head.size()), head);
  EXPECT_FALSE(Contains(files.report, "An error report has been placed"));
  EXPECT_TRUE(Contains(files.report, "\n\n\n" + std::string(80, '-') + "\n\n"));
  EXPECT_EQ(files.report.substr(files.report.size() - (files.log.size() - 17) - 1),
            files.log.substr(17) + "\n");
}

TEST(ZQ_FatalErrorDeathTest, EachFaultIsNamedInTheReport) {
  const struct {
    void (*fault)();
    const char* message;
    const char* why;
  } kCases[] = {
      {[] { ZQ_DebugCauseError(0); }, "EXCEPTION_ACCESS_VIOLATION", "raised access violation"},
      {[] { ::RaiseException(0xE0000001, 0, 0, nullptr); },
       "Structured Exception Code 3758096385", "a code without a name"},
      {[] { ::RaiseException(EXCEPTION_INT_DIVIDE_BY_ZERO, 0, 0, nullptr); },
       "EXCEPTION_INT_DIVIDE_BY_ZERO", "a named code"},
      // The SSE unit's faults are named by the fault, as the x87 unit's are.
      {[] {
         ZQ_FloatingPointContext unmasked;
         volatile double zero = 0.0;
         volatile double quotient = 1.0 / zero;
         (void)quotient;
       },
       "EXCEPTION_FLT_DIVIDE_BY_ZERO", "unmasked division by zero"},
      {[] {
         ZQ_FloatingPointContext unmasked;
         volatile double big = 1e308;
         volatile double product = big * big;
         (void)product;
       },
       "EXCEPTION_FLT_OVERFLOW", "unmasked overflow"},
      {[] {
         ZQ_FloatingPointContext unmasked;
         ZQ_DebugCauseError(1);
       },
       "EXCEPTION_FLT_DIVIDE_BY_ZERO", "the debugging aid's division"},
      {[] {
         volatile double minusOne = -1.0;
         volatile double root = std::sqrt(minusOne);
         (void)root;
       },
       "Math Error - DOMAIN - sqrt -1 0", "maths-library domain error"},
      {[] { ZQ_DebugCauseError(3); }, "Math Error - DOMAIN - sqrt -1 0", "the debugging aid's root"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EXIT(
        {
          StartLikeTheProgram();
          c.fault();
        },
        testing::ExitedWithCode(1), std::string("The error message was:\n\n") + c.message + "\n");
  }
  RemoveChildFiles();
}

TEST(ZQ_FatalErrorDeathTest, FailedAssertionInTheRunEndsInAReportAndLaterOnesAreIgnored) {
  RemoveChildFiles();
  EXPECT_EXIT(
      {
        StartLikeTheProgram();
        // A dump that fails an assertion while the report is being made.
        ZQ_RegisterDebugDumpFunction([](ZQ_TextStreamFormatter& Out) {
          ZQ_ReportAssertionFailure("nested", "N", 1);
          Out << "dump after the nested failure";
        });
        ZQ_ReportAssertionFailure("X", "F", 12);
      },
      testing::ExitedWithCode(1), "Assertion failed: X, file .F., line 12");
  const ChildFiles files = ReadChildFiles();
  EXPECT_TRUE(Contains(files.log, "\n\n\nAssertion Failed\n    Condition : X\n"));
  EXPECT_TRUE(Contains(files.log, std::string(kBanner) +
                                      "\n\nAssertion failed: X, file \"F\", line 12\n\n"));
  EXPECT_TRUE(Contains(files.log, "dump after the nested failure"));
  EXPECT_FALSE(Contains(files.log, "nested, file"));
  EXPECT_FALSE(Contains(files.log, "Condition : nested"));
}

TEST(ZQ_FatalErrorDeathTest, FailedWindowsCallInFailureMode1EndsInAReport) {
  EXPECT_EXIT(
      {
        StartLikeTheProgram();
        ZQLOW_WIN_SetAPIFunctionFailureMode(1);
        ZQLOW_WINBASE::CloseHandle(reinterpret_cast<HANDLE>(0x1234));
      },
      testing::ExitedWithCode(1), "The error message was:\n\nInvalid handle");
  const ChildFiles files = ReadChildFiles();
  EXPECT_TRUE(Contains(files.log, "    API Function Failure Error\n"));
  EXPECT_TRUE(Contains(files.report, "\nStack:\n\n"));
}

TEST(ZQ_FatalErrorDeathTest, ExceptionReportsItsDescriptionOrElseItsName) {
  EXPECT_EXIT(
      {
        StartLikeTheProgram();
        ZQ_ReportFatalError(ZQ_Exception(ZQ_String("Name"), ZQ_String("Full description")));
      },
      testing::ExitedWithCode(1), "The error message was:\n\nFull description\n");
  EXPECT_EXIT(
      {
        StartLikeTheProgram();
        ZQ_ReportFatalError(ZQ_Exception(ZQ_String("Only a name"), ZQ_String()));
      },
      testing::ExitedWithCode(1), "The error message was:\n\nOnly a name\n");
  RemoveChildFiles();
}

TEST(ZQ_FatalErrorDeathTest, ReportFileBlockedBesideTheExecutableGoesToTheTemporaryDirectory) {
  const std::string inTemp = TemporaryDirectory() + ExecutableBase() + " Fatal Error Report.txt";
  RemoveChildFiles();
  RemovePath(inTemp);
  BlockFileName(ReportFile());
  EXPECT_EXIT(
      {
        StartLikeTheProgram();
        ZQ_ReportFatalError("Boom");
      },
      testing::ExitedWithCode(1), "Boom");
  RemovePath(ReportFile());
  const ChildFiles files = ReadChildFiles();
  EXPECT_TRUE(Contains(files.box, "placed in the file\n\"" + inTemp + "\"."));
  EXPECT_TRUE(Contains(ReadWholeFile(inTemp), "\n\nBoom\n\n"));
  RemovePath(inTemp);
}

TEST(ZQ_FatalErrorDeathTest, WithoutAnyReportFileTheBoxShowsOnlyTheMessage) {
  const std::string inTemp = TemporaryDirectory() + ExecutableBase() + " Fatal Error Report.txt";
  RemoveChildFiles();
  BlockFileName(ReportFile());
  BlockFileName(inTemp);
  EXPECT_EXIT(
      {
        StartLikeTheProgram();
        ZQ_ReportFatalError("Boom");
      },
      testing::ExitedWithCode(1), "Boom");
  RemovePath(ReportFile());
  RemovePath(inTemp);
  EXPECT_EQ(ReadChildFiles().box, BoxHead("Boom"));
}

TEST(ZQ_FatalErrorDeathTest, DebugDumpsRunInOrderAndAThrowingOneLeavesTwoLineEnds) {
  RemoveChildFiles();
  EXPECT_EXIT(
      {
        ZQ_RegisterDebugDumpFunction([](ZQ_TextStreamFormatter& Out) { Out << "<first>"; });
        ZQ_RegisterDebugDumpFunction([](ZQ_TextStreamFormatter& Out) {
          Out << "<partly";
          throw ZQ_Exception(ZQ_String("dump"), ZQ_String("failed"));
        });
        while (ZQ_GetNumRegisteredDebugDumpFunctions() < MaxNumDebugDumpFuns)
          ZQ_RegisterDebugDumpFunction([](ZQ_TextStreamFormatter& Out) { Out << "<more>"; });
        // The 26th is refused (tests throw on assertion failures).
        if (!FailedOn(AssertionFailureOf([] {
                        ZQ_RegisterDebugDumpFunction([](ZQ_TextStreamFormatter& Out) { Out << "<26th>"; });
                      }),
                      "NumRegisteredDebugDumpFuns < MaxNumDebugDumpFuns"))
          std::exit(3);
        StartLikeTheProgram();
        ZQ_ReportFatalError("Boom");
      },
      testing::ExitedWithCode(1), "Boom");
  const ChildFiles files = ReadChildFiles();
  std::string dumps = "<first><partly\n\n";
  for (int i = 2; i < MaxNumDebugDumpFuns; ++i) dumps += "<more>";
  EXPECT_TRUE(Contains(files.log, "    Floating Point Status Word  = 0x"));
  EXPECT_TRUE(Contains(files.log, "\n\n" + dumps)) << files.log;
  EXPECT_FALSE(Contains(files.log, "<26th>"));
}

TEST(ZQ_FatalErrorDeathTest, ReportStartedDuringAReportEndsTheProcessAtOnce) {
  RemoveChildFiles();
  EXPECT_EXIT(
      {
        StartLikeTheProgram();
        ZQ_RegisterDebugDumpFunction(
            [](ZQ_TextStreamFormatter&) { ZQ_ReportFatalError("Second report"); });
        ZQ_ReportFatalError("First report");
      },
      testing::ExitedWithCode(1), "");
  const ChildFiles files = ReadChildFiles();
  EXPECT_TRUE(Contains(files.log, std::string(kBanner) + "\n\nFirst report\n"));
  EXPECT_FALSE(Contains(files.log, "Second report"));
  EXPECT_EQ(files.box, "<missing>");
}

// The standard stop box is task-modal; a thread timer running inside its
// modal loop reads it and closes it.
void CALLBACK CloseStopBox(HWND, UINT, UINT_PTR TimerID, DWORD) {
  const std::string title = ExecutableBase() + " - Fatal Error";
  HWND box = FindWindowA("#32770", title.c_str());
  if (!box) return;
  char text[4096] = "";
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  std::fprintf(stderr, "closed box: %s\n", text);
  std::fflush(stderr);
  KillTimer(nullptr, TimerID);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(ZQ_FatalErrorDeathTest, StandardStopBoxShowsTheTextAndTheProcessEndsWhenItCloses) {
  EXPECT_EXIT(
      {
        StartLikeTheProgram();
        ZQ_SetFatalErrorBoxFunction(nullptr);
        SetTimer(nullptr, 0, 50, &CloseStopBox);
        ZQ_ReportFatalError("Boom");
      },
      testing::ExitedWithCode(1), "closed box: A fatal error occurred in " + ExecutableBase());
  RemoveChildFiles();
}

}  // namespace

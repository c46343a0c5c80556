#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../services/StageTestSupport.h"

namespace {

// The test program's folder for this test process: every run starts from a
// fresh copy there, so its log, settings and report lie beside it.
std::string Folder() {
  return TemporaryDirectory() + "AppFrameChild" + std::to_string(::GetCurrentProcessId()) + "\\";
}
std::string Beside(const std::string& Name) { return Folder() + Name; }

std::string Bytes(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct ChildRun {
  DWORD exitCode = 0;
  std::string log;
  std::string report;
};

// Starts the test program with Arguments and waits for it (at most 30 s:
// a run that hangs is ended and fails the test). WhileRunning, when given,
// runs once the program has painted its main window.
ChildRun RunTestProgram(const std::string& Arguments, void (*WhileRunning)() = nullptr) {
  ::CreateDirectoryA(Folder().c_str(), nullptr);
  const std::string exe = Beside("AppFrameTestProgram.exe");
  EXPECT_TRUE(::CopyFileA(ZQ_APPFRAME_TEST_PROGRAM, exe.c_str(), FALSE));
  for (const char* name : {"AppFrameTestProgram.log", "AppFrameTestProgram Fatal Error Report.txt"}) {
    ::DeleteFileA(Beside(name).c_str());
  }
  const std::string eventName = "AppFrameChildReady" + std::to_string(::GetCurrentProcessId());
  const HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
  std::string commandLine = "\"" + exe + "\" -readyevent " + eventName + " " + Arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;  // as a shortcut starts it
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  ChildRun run;
  if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        Folder().c_str(), &startup, &process)) {
    ADD_FAILURE() << "CreateProcessA failed: " << ::GetLastError();
    return run;
  }
  if (WhileRunning) {
    const HANDLE either[] = {ready, process.hProcess};
    if (::WaitForMultipleObjects(2, either, FALSE, 30000) == WAIT_OBJECT_0) WhileRunning();
  }
  if (::WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "the test program did not end: " << Arguments;
    ::TerminateProcess(process.hProcess, 99);
    ::WaitForSingleObject(process.hProcess, 5000);
  }
  ::CloseHandle(ready);
  ::GetExitCodeProcess(process.hProcess, &run.exitCode);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  run.log = Bytes(Beside("AppFrameTestProgram.log"));
  run.report = Bytes(Beside("AppFrameTestProgram Fatal Error Report.txt"));
  return run;
}

bool Contains(const std::string& Text, const std::string& Part) {
  return Text.find(Part) != std::string::npos;
}

TEST(AppFrameTestProgram, RunPassesEveryStepAndStageInOrderAndWritesItsSettings) {
  ::DeleteFileA(Beside("AppFrameTestProgram.cfg").c_str());
  const ChildRun run = RunTestProgram("-scenario close");
  EXPECT_EQ(run.exitCode, 0u);
  // Plug-ins come before the canvas, which holds GDI+ from stage 1 to 13;
  // the application's own callback comes after it.
  const std::vector<std::string> expected = {
      "Stage 1 GDI+ 0", "Application stage 1 GDI+ 1", "Stage 2 GDI+ 1", "Stage 3 GDI+ 1",
      "Step InitializeInstance", "Stage 4 GDI+ 1", "Step InitializeMainWindow", "Stage 5 GDI+ 1",
      "Step DisplayMainWindow", "Stage 6 GDI+ 1", "Stage 7 GDI+ 1", "Step PreRunMessageLoop",
      "Step StartMainMessageLoop",
      // the window's destruction, inside the main loop
      "Stage 8 GDI+ 1", "Stage 9 GDI+ 1", "Step MainMessageLoopEnded", "Step PostRunMessageLoop",
      "Step DeinitializeInstance", "Stage 10 GDI+ 1", "Stage 11 GDI+ 1", "Stage 12 GDI+ 1",
      "Stage 13 GDI+ 1", "Application stage 13 GDI+ 0", "Step ExitInstance"};
  std::string lines;
  for (const std::string& line : expected) lines += line + "\n";
  EXPECT_TRUE(Contains(run.log, "\n" + lines)) << run.log;
  EXPECT_TRUE(Contains(run.log, "End of Debugging Log"));
  EXPECT_TRUE(Contains(Bytes(Beside("AppFrameTestProgram.cfg")), "<int key='ExecutionCount'>1</int>"));
}

// The shown main window, looked at, then closed as a user closes it. (A
// screen capture from this process would see nothing of the child's
// window under Wine: the README's screenshot is taken from the X display.)
std::vector<std::string> s_windowFacts;
void LookAtAndClose() {
  const HWND window = ::FindWindowA("ZQFMAINAPPWIN", nullptr);
  if (!window) return;
  char title[100] = "";
  ::GetWindowTextA(window, title, sizeof title);
  s_windowFacts = {title, ::IsZoomed(window) ? "maximized" : "not maximized"};
  ::PostMessageA(window, WM_CLOSE, 0, 0);
}

TEST(AppFrameTestProgram, ShowsItsTitledWindowMaximizedAndEndsWhenClosed) {
  s_windowFacts.clear();
  const ChildRun run = RunTestProgram("", &LookAtAndClose);
  EXPECT_EQ(s_windowFacts, (std::vector<std::string>{"AppFrameTestProgram 1.0 - Test", "maximized"}));
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(Contains(run.log, "Step StartMainMessageLoop\nStage 8 GDI+ 1\nStage 9 GDI+ 1\n"));
}

TEST(AppFrameTestProgram, ExitCodeAndReportFollowHowTheRunEnded) {
  const std::string outOfMemory =
      "Out Of Memory\n\nA request to the operating system for a block of memory failed.  There are "
      "several possible causes of this problem.\n\n- The paging file on your computer may not be "
      "large enough.";
  const struct {
    const char* scenario;
    DWORD exitCode;
    std::string inReport;  // "": no report
    std::string inLog;
  } kCases[] = {
      {"exception", 1, "Stage three failed on purpose.", "Stage 3"},
      {"badalloc", 1, outOfMemory, "Stage 3"},
      {"int", 1, "Unknown exception type thrown", "Stage 3"},
      {"cancel", 0, "", "End of Debugging Log"},
      {"resource1", 0, "", "Stage 1 loaded a bitmap of 32 x 32"},
      // A quit from elsewhere: the window is closed after the loop.
      {"quit", 0, "", "Step MainMessageLoopEnded\nStage 8 GDI+ 1\nStage 9 GDI+ 1\n"},
      {"destroy", 0, "", "Step MainMessageLoopEnded\nStage 8 GDI+ 1\nStage 9 GDI+ 1\n"},
      {"quitdeep", 0, "", "Step NestedLoopQuit\nStep NestedLoopQuit\nStep MainMessageLoopEnded\nStage 8"},
      // While the loop runs, reported errors go to the log and the error box.
      {"report", 0, "", "\n\n\nError Occurred\nName = 'Test report'\nDescription = 'Reported while "
                        "the loop runs.'\n\nStep ErrorBoxClosed"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.scenario);
    const ChildRun run = RunTestProgram(std::string("-scenario ") + c.scenario);
    EXPECT_EQ(run.exitCode, c.exitCode);
    if (c.inReport.empty()) {
      EXPECT_EQ(run.report, "");
    } else {
      EXPECT_TRUE(Contains(run.report, c.inReport)) << run.report;
    }
    EXPECT_TRUE(Contains(run.log, c.inLog)) << run.log;
    if (c.exitCode != 0 || std::string(c.scenario) == "cancel") {
      EXPECT_FALSE(Contains(run.log, "Stage 4 ")) << "the run went past its failure";
    }
  }
}

TEST(AppFrameTestProgram, ReadMeItemShowsTheFileBesideTheProgram) {
  ::CreateDirectoryA(Folder().c_str(), nullptr);
  const std::string readMe = Beside("ReadMe_AppFrameTestProgram.txt");
  std::ofstream(readMe, std::ios::binary) << "About the test program.\r\n";
  const ChildRun run = RunTestProgram("-scenario readme");
  ::DeleteFileA(readMe.c_str());
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(Contains(run.log, "Step ReportShown AppFrameTestProgram ReadMe File\nStep ReportClosed\n"))
      << run.log;
}

TEST(AppFrameTestProgram, HelpFlagsAndMenuFollowTheHelpFile) {
  const std::string guide =
      "<?xml version='1.0'?>\n<section><title>Guide</title><section id='ch_one'><title>One"
      "</title><para>First.</para></section></section>\n";
  const struct {
    const char* why;
    bool installed;  // the program's own help file
    std::string arguments;
    DWORD exitCode;
    std::string inLog;  // or, on a failure, in the report
  } kCases[] = {
      {"help file present: three Help items", true, "", 0,
       "Step HelpMenuItems 3\nStep HelpWindow (none)"},
      {"no help file: no items", false, "", 0, "Step HelpMenuItems 0\n"},
      {"-help opens the contents", true, "-help", 0,
       "Step HelpWindow AppFrameTestProgram User's Guide at 'ch_one'"},
      {"-help without a help file", false, "-help", 1,
       "Sorry, but no help is available for this application."},
      {"-loadhelp opens any file", false, "-loadhelp Other.rxl", 0,
       "Step HelpWindow AppFrameTestProgram User's Guide at 'ch_one'"},
      {"-loadhelp a missing file: the error document", false, "-loadhelp Missing.rxl", 0,
       "Step HelpWindow AppFrameTestProgram User's Guide at ''"},
      {"-loadhelp a folder: the error document", false, "-loadhelp Documentation", 0,
       "Step HelpWindow AppFrameTestProgram User's Guide at ''"},
  };
  ::CreateDirectoryA(Folder().c_str(), nullptr);
  ::CreateDirectoryA(Beside("Documentation").c_str(), nullptr);
  std::ofstream(Beside("Other.rxl"), std::ios::binary) << guide;
  const std::string helpFile = Beside("Documentation\\AppFrameTestProgram Users Guide.rxl");
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ::DeleteFileA(helpFile.c_str());
    if (c.installed) std::ofstream(helpFile, std::ios::binary) << guide;
    const ChildRun run = RunTestProgram("-scenario help " + c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_TRUE(Contains(c.exitCode ? run.report : run.log, c.inLog)) << run.log << run.report;
  }
  ::DeleteFileA(helpFile.c_str());
}

}  // namespace

// CaptureProgram: runs a windowed program of ours on the current (virtual)
// display as a user would, photographs it and closes it through its own
// menu. Used by scripts/run.sh when it started its own display.
//   CaptureProgram <program.exe> <screenshot folder>
// Steps: start the program; wait until it is idle with its main window
// visible; when a splash shows first (any other window of the program
// before the main window), save it as <folder>\<name>-splash.png once it stands still and press
// Enter in it; save the main window, once two captures 200 ms apart are
// alike, as <folder>\<name>.png; then, restored to 800 x 600 (a small
// screen's window), as <folder>\<name>-800x600.png; choose File, E&xit by
// posted keys (WM_CLOSE after 5 s if the program still runs). Prints the
// screenshots' paths.
// Exit code 0 only when the program ended with 0, wrote no fatal-error
// report and painted its window within 20 s.
#include <cstdio>
#include <string>

#include "ProgramDriver.h"

namespace {

using namespace ProgramDriver;

const DWORD kPaintTimeoutMs = 20000;
const char* const kMainWindowClass = "ZQFMAINAPPWIN";

int Fail(const std::string& Why) {
  std::fprintf(stderr, "CaptureProgram: %s\n", Why.c_str());
  return 1;
}

bool FileExists(const std::string& Path) {
  return ::GetFileAttributesA(Path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The program's base name ("MORV" for ...\MORV.exe).
std::string BaseName(const std::string& Exe) {
  const std::string name = Exe.substr(Exe.find_last_of("\\/") + 1);
  return name.substr(0, name.find_last_of('.'));
}

int Run(const std::string& Exe, const std::string& Folder) {
  const std::string name = BaseName(Exe);
  const std::string folder = Exe.substr(0, Exe.find_last_of("\\/") + 1);
  const std::string report = folder + name + " Fatal Error Report.txt";
  ::DeleteFileA(report.c_str());
  Program program;
  if (!program.Start(Exe)) return Fail("cannot start " + Exe + ", error " + std::to_string(program.Error));
  const DWORD start = ::GetTickCount();
  program.WaitUntilIdle(kPaintTimeoutMs);

  // The splash, when it shows, comes up over the main window and waits.
  HWND main = nullptr;
  bool isSplashSeen = false;
  while (Elapsed(start) < kPaintTimeoutMs && program.IsRunning()) {
    main = FindWindowOf(program.GetId(), "", kMainWindowClass);
    HWND splash = WaitForOtherWindowOf(program.GetId(), kMainWindowClass, 0);
    if (splash && !isSplashSeen) {
      const Capture shot = WaitForSteadyPicture(splash, kPaintTimeoutMs);
      if (shot.IsPainted()) SaveCapture(shot, Folder + "\\" + name + "-splash.png");
      isSplashSeen = true;
      PostKey(splash, VK_RETURN);
      ::Sleep(300);
    }
    if (main && !splash) break;
    ::Sleep(50);
  }
  if (!main) {
    return Fail(program.IsRunning() ? "no main window within 20 s" : "the program ended at start");
  }
  const DWORD left = Elapsed(start) < kPaintTimeoutMs ? kPaintTimeoutMs - Elapsed(start) : 0;
  const Capture shot = WaitForSteadyPicture(main, left);
  const std::string path = Folder + "\\" + name + ".png";
  if (shot.IsPainted()) SaveCapture(shot, path);
  // The same window on a small screen: restored and sized 800 x 600.
  ::ShowWindow(main, SW_RESTORE);
  ::MoveWindow(main, 0, 0, 800, 600, TRUE);
  const Capture small = WaitForSteadyPicture(main, kPaintTimeoutMs);
  const std::string smallPath = Folder + "\\" + name + "-800x600.png";
  if (small.IsPainted()) SaveCapture(small, smallPath);

  // Closing as a user would: File, E&xit.
  if (!ChooseMenuItem(main, program.GetId(), 'f', 'x') || program.WaitForExit(5000) == STILL_ACTIVE) {
    ::PostMessageA(main, WM_CLOSE, 0, 0);
  }
  const DWORD code = program.WaitForExit(10000);
  std::printf("%s%s\n%s\n", isSplashSeen ? (Folder + "\\" + name + "-splash.png\n").c_str() : "",
              path.c_str(), smallPath.c_str());
  if (!shot.IsPainted() || !small.IsPainted()) return Fail("nothing painted within 20 s");
  if (FileExists(report)) return Fail("a fatal-error report was written: " + report);
  if (code != 0) return Fail("the program ended with code " + std::to_string(code));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: CaptureProgram <program.exe> <screenshot folder>\n");
    return 2;
  }
  try {
    return Run(argv[1], argv[2]);
  } catch (...) {
    return Fail("the screenshot could not be saved");
  }
}

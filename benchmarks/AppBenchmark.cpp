// Times the heat-stress program as its user meets it.
// Cold start: MORV.exe, copied with the development-mode marker and a
// default MORV.cfg (written by a first run) into a scratch folder, from
// CreateProcessA until WaitForInputIdle has returned and its main window is
// visible; median of the runs. BareWindow.exe (a plain Win32 window painting
// one line) is measured the same way in the same run, alternating with it;
// the ratio is printed. Target: under 0.5 s.
// Recalculation, in process: the workspace in a real 1000 x 720 window; one
// character typed into the air temperature field (a key message along the
// focus path), then the timer's work (UpdateCalculations) and the repaint
// (UpdateWindow returned). Once with the wet bulb globe temperature changing
// ("9" and "95" in turn: the table is rebuilt; target under 16 ms), once
// with the results unchanged ("68.0" and "68.00": target under 2 ms, no
// layout). Anchor: one CalculateMORV call.
// Idle: BareWindow.exe and MORV.exe started side by side, each idle with its
// window shown (MORV.exe in front, its first field focused); once the caret
// has blinked its time after the focus and rests, over the same 30 s, the
// context switches of their Wine processes as the host counts them
// (/proc/<pid>/task/*/status, read through Wine's Z: drive), each counted as
// a wake-up: a timer's, a message's, or a call that waited for the Wine
// server. Target: MORV.exe under 3 a second.
// Usage: AppBenchmark [starts] [edits] [idle seconds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../tools/ProgramDriver.h"
#include "MORV_Model.h"
#include "MORV_WorkspaceGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_Metrics.h"
#include "ZQF_TextEditGlyph.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_Window.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_CommandLineParser.h"
#include "ZQ_InitializationService.h"

namespace {

using Clock = std::chrono::steady_clock;
double MsSince(Clock::time_point Start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - Start).count();
}
double Median(std::vector<double> Values) {
  if (Values.empty()) return -1;
  std::sort(Values.begin(), Values.end());
  const size_t n = Values.size();
  return n % 2 ? Values[n / 2] : (Values[n / 2 - 1] + Values[n / 2]) / 2;
}

std::string ScratchFolder() {
  char temp[MAX_PATH + 1] = "";
  ::GetTempPathA(sizeof temp, temp);
  return std::string(temp) + "MORVBenchmark\\";
}

// From CreateProcessA to idle with the window of Class visible (ms; -1 when
// it did not come within 20 s). The program is closed afterwards.
double TimeColdStart(const std::string& Exe, const char* Class) {
  ProgramDriver::Program program;
  const Clock::time_point start = Clock::now();
  if (!program.Start(Exe)) return -1;
  program.WaitUntilIdle(20000);
  HWND window = nullptr;
  while (!(window = ProgramDriver::FindWindowOf(program.GetId(), "", Class)) && MsSince(start) < 20000) {
    ::Sleep(1);
  }
  const double ms = window ? MsSince(start) : -1;
  if (window) ::PostMessageA(window, WM_CLOSE, 0, 0);
  if (program.WaitForExit(20000) != 0) std::fprintf(stderr, "%s did not end cleanly\n", Exe.c_str());
  return ms;
}

void TimeColdStarts(int Starts) {
  const std::string folder = ScratchFolder();
  ::CreateDirectoryA(folder.c_str(), nullptr);
  for (const char* name : {"MORV.exe", "ReadMe_MORV.txt", "MORV_VersionHistory.txt"}) {
    ::CopyFileA((std::string(ZQ_MORV_PROGRAM_FOLDER) + name).c_str(), (folder + name).c_str(), FALSE);
  }
  ::CopyFileA(ZQ_BARE_WINDOW_PROGRAM, (folder + "BareWindow.exe").c_str(), FALSE);
  std::ofstream(folder + "MORVDevelopmentModeMarkerFile.txt") << "benchmark\n";
  ::DeleteFileA((folder + "MORV.cfg").c_str());
  // The first run writes the default settings file, and warms the caches.
  TimeColdStart(folder + "MORV.exe", "ZQFMAINAPPWIN");
  TimeColdStart(folder + "BareWindow.exe", "ZQBareWindow");
  std::vector<double> app, bare;
  for (int i = 0; i < Starts; ++i) {
    app.push_back(TimeColdStart(folder + "MORV.exe", "ZQFMAINAPPWIN"));
    bare.push_back(TimeColdStart(folder + "BareWindow.exe", "ZQBareWindow"));
  }
  const double appMs = Median(app), bareMs = Median(bare);
  std::printf("Cold start to the idle, visible main window (median of %d): MORV.exe %8.1f ms "
              "(target < 500), BareWindow.exe %8.1f ms, ratio %5.2f\n",
              Starts, appMs, bareMs, bareMs > 0 ? appMs / bareMs : 0.0);
}

// --- Idle wake-ups, counted by the host.

std::string ReadHostFile(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The host process whose command line begins with Exe, as Wine keeps a
// program's Windows command line; empty when there is none.
std::string FindHostProcess(const std::string& Exe) {
  WIN32_FIND_DATAA entry;
  const HANDLE search = ::FindFirstFileA("Z:\\proc\\*", &entry);
  if (search == INVALID_HANDLE_VALUE) return std::string();
  std::string found;
  do {
    const std::string name = entry.cFileName;
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    const std::string commandLine = ReadHostFile("Z:\\proc\\" + name + "\\cmdline");
    if (commandLine.size() >= Exe.size() &&
        ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, commandLine.c_str(),
                         static_cast<int>(Exe.size()), Exe.c_str(),
                         static_cast<int>(Exe.size())) == CSTR_EQUAL) {
      found = name;
    }
  } while (found.empty() && ::FindNextFileA(search, &entry));
  ::FindClose(search);
  return found;
}

// The voluntary and involuntary context switches of every thread of host
// process Pid so far.
long long ContextSwitches(const std::string& Pid) {
  const std::string tasks = "Z:\\proc\\" + Pid + "\\task\\";
  WIN32_FIND_DATAA entry;
  const HANDLE search = ::FindFirstFileA((tasks + "*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return 0;
  long long total = 0;
  do {
    if (entry.cFileName[0] == '.') continue;
    const std::string status = ReadHostFile(tasks + entry.cFileName + "\\status");
    for (const char* key : {"\nvoluntary_ctxt_switches:", "\nnonvoluntary_ctxt_switches:"}) {
      const size_t at = status.find(key);
      if (at != std::string::npos) total += std::atoll(status.c_str() + at + std::strlen(key));
    }
  } while (::FindNextFileA(search, &entry));
  ::FindClose(search);
  return total;
}

// A program started and left idle with its window shown.
struct IdleProgram {
  std::string Exe;
  const char* Class;
  ProgramDriver::Program Run;
  HWND Window = nullptr;
  std::string HostPid;
  long long Before = 0;
};

void MeasureIdleWakeUps(int Seconds) {
  const std::string folder = ScratchFolder();
  // The bare window first: MORV.exe, started last, has the focus.
  IdleProgram programs[2];
  programs[0].Exe = folder + "BareWindow.exe", programs[0].Class = "ZQBareWindow";
  programs[1].Exe = folder + "MORV.exe", programs[1].Class = "ZQFMAINAPPWIN";
  for (IdleProgram& program : programs) {
    if (!program.Run.Start(program.Exe)) {
      std::printf("Idle wake-ups: %s did not start\n", program.Exe.c_str());
      return;
    }
  }
  for (IdleProgram& program : programs) {
    program.Run.WaitUntilIdle(20000);
    program.Window = ProgramDriver::WaitForWindowOf(program.Run.GetId(), "", 20000, program.Class);
    program.HostPid = FindHostProcess(program.Exe);
    if (!program.Window || program.HostPid.empty()) {
      std::printf("Idle wake-ups: %s has no window or no host process to read\n", program.Exe.c_str());
      return;
    }
  }
  ::Sleep(ZQF_TextEditGlyphCaretBlinkTimer::BlinkingTimeMs + 1000);
  for (IdleProgram& program : programs) program.Before = ContextSwitches(program.HostPid);
  ::Sleep(static_cast<DWORD>(Seconds) * 1000);
  double perSecond[2];
  for (int i = 0; i < 2; ++i) {
    perSecond[i] = static_cast<double>(ContextSwitches(programs[i].HostPid) - programs[i].Before) / Seconds;
  }
  std::printf("Idle wake-ups over %d s (the host's context switches of the Wine process): "
              "MORV.exe %6.2f/s (target < 3), BareWindow.exe %6.2f/s\n",
              Seconds, perSecond[1], perSecond[0]);
  for (IdleProgram& program : programs) {
    ::PostMessageA(program.Window, WM_CLOSE, 0, 0);
    if (program.Run.WaitForExit(20000) != 0) std::fprintf(stderr, "%s did not end cleanly\n", program.Exe.c_str());
  }
}

// Counts the layouts that pass through it to the workspace.
class LayoutCounter : public ZQF_MarginGlyph {
 public:
  explicit LayoutCounter(ZQF_Glyph* Client) : ZQF_MarginGlyph(Client, ZQ_Point<long>(0, 0), 0) {}
  void UpdateMyDesiredSize() override { ++Count, ZQF_MarginGlyph::UpdateMyDesiredSize(); }
  long Count = 0;
};

class BenchmarkWindow : public ZQF_Window {
 public:
  using ZQF_Window::ZQF_Window;
  HWND Cust_GetParentWindowHandle() override { return nullptr; }
  bool Cust_IsProgramMainWindow() override { return true; }
};

struct EditTimes {
  double MeanMs;
  double WorstMs;
  double LayoutsPerEdit;
};

// Edits times: one key into the field (Start's text, then the key, then
// back), the recalculation and the repaint.
EditTimes TimeEdits(BenchmarkWindow& Window, MORV_WorkspaceGlyph& Workspace, LayoutCounter& Counter,
                    const char* Start, char Key, int Edits) {
  const HWND handle = Window.GetWindowHandle();
  Workspace.AirTemperatureField->SetValue(Start);
  Workspace.UpdateCalculations();
  Window.Update();
  Workspace.AirTemperatureField->PutOnFocusPath();
  // The focus selects the whole text: End puts the caret after it.
  ::SendMessageA(handle, WM_KEYDOWN, VK_END, 1);
  ::SendMessageA(handle, WM_KEYUP, VK_END, 0xC0000001);
  double total = 0, worst = 0;
  const long layoutsBefore = Counter.Count;
  for (int i = 0; i < Edits; ++i) {
    const Clock::time_point start = Clock::now();
    // As Windows delivers a key: down, the character, up.
    const WPARAM key = i % 2 == 0 ? static_cast<WPARAM>(Key) : VK_BACK;
    const WPARAM character = i % 2 == 0 ? static_cast<unsigned char>(Key) : '\b';
    ::SendMessageA(handle, WM_KEYDOWN, key, 1);
    ::SendMessageA(handle, WM_CHAR, character, 1);
    ::SendMessageA(handle, WM_KEYUP, key, 0xC0000001);
    Workspace.UpdateCalculations();
    Window.Update();
    const double ms = MsSince(start);
    total += ms, worst = std::max(worst, ms);
  }
  return {total / Edits, worst, static_cast<double>(Counter.Count - layoutsBefore) / Edits};
}

double TimeModelCall(int Calls) {
  float speed2m, globe, natural, psychrometric, wbgt;
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < Calls; ++i) {
    CalculateMORV(2010, 1, 1, 14, 0, -5, 0, 45.0f, -90.0f, 1000.0f, 1013.0f, 20.0f + i % 7, 50.0f,
                  4.47f, 2.0f, 0.0f, 0, &speed2m, &globe, &natural, &psychrometric, &wbgt);
  }
  return MsSince(start) / Calls;
}

void TimeRecalculations(int Edits) {
  // The stages read the command line of a bare start, not the benchmark's
  // arguments, which no option of the program's knows.
  char exe[MAX_PATH] = "";
  ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
  ZQ_CommandLineParser::SetProcessCommandLineForTesting("AppBenchmark.exe", ZQ_FileName(exe));
  for (int stage = 1; stage <= 7; ++stage) ZQ_InitializationService::PerformStage(stage);
  auto* workspace = new MORV_WorkspaceGlyph;
  auto* counter = new LayoutCounter(workspace);
  auto* window = new BenchmarkWindow(new ZQF_TopLevelGlyph(counter));
  window->Construct(ZQ_Rectangle<long>(10, 10, 1000, 720));
  workspace->LoadControls();
  workspace->UpdateCalculations();
  window->Show(ZQF_ShowState_Show);
  window->Update();
  const EditTimes changed = TimeEdits(*window, *workspace, *counter, "9", '5', Edits);
  const std::string afterChanges = workspace->AirTemperatureField->GetValue().GetText();
  const EditTimes unchanged = TimeEdits(*window, *workspace, *counter, "68.0", '0', Edits);
  std::printf("Recalculation after one key, with the repaint (%d edits%s):\n"
              "  WBGT changes, table rebuilt: mean %7.3f ms, worst %7.3f ms (target < 16), "
              "%.1f layouts per edit\n"
              "  results unchanged:           mean %7.3f ms, worst %7.3f ms (target < 2), "
              "%.1f layouts per edit (target 0)\n",
              Edits, afterChanges == "9" ? "" : ("; the field ended as " + afterChanges).c_str(), changed.MeanMs,
              changed.WorstMs, changed.LayoutsPerEdit, unchanged.MeanMs, unchanged.WorstMs,
              unchanged.LayoutsPerEdit);
  std::printf("  anchor, one CalculateMORV call: %7.4f ms\n", TimeModelCall(10000));
  window->Destroy();
}

}  // namespace

int main(int argc, char** argv) {
  const int starts = argc > 1 ? std::atoi(argv[1]) : 10;
  const int edits = argc > 2 ? std::atoi(argv[2]) : 200;
  const int idleSeconds = argc > 3 ? std::atoi(argv[3]) : 30;
  if (starts < 1 || edits < 2 || idleSeconds < 1) {
    std::fprintf(stderr, "usage: AppBenchmark [starts >= 1] [edits >= 2] [idle seconds >= 1]\n");
    return 2;
  }
  ZQLOW_WIN_SetProgramInstanceHandle(::GetModuleHandleA(nullptr));
  ZQF_ResetMetricsByQueryingSystem();
  TimeColdStarts(starts);
  MeasureIdleWakeUps(idleSeconds);
  TimeRecalculations(edits);
  return 0;
}

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
// Usage: AppBenchmark [starts] [edits]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
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
  if (starts < 1 || edits < 2) {
    std::fprintf(stderr, "usage: AppBenchmark [starts >= 1] [edits >= 2]\n");
    return 2;
  }
  ZQLOW_WIN_SetProgramInstanceHandle(::GetModuleHandleA(nullptr));
  ZQF_ResetMetricsByQueryingSystem();
  TimeColdStarts(starts);
  TimeRecalculations(edits);
  return 0;
}

// The framework's test program: our own application class, metrics and
// personality, entered through the library's WinMain. A script plug-in
// plays the scenario named on the command line ("-scenario <name>"), and
// every step and stage goes to the debugging log beside the executable, so
// that a parent process can check the run. Without a scenario the program
// waits for its user, like any program; "close" closes the window from the
// main loop ("busy" spins for 0.7 s first; "help" logs the Help menu and the
// help window first). "-readyevent <name>" sets that
// event once the main window has been painted.
#include <new>

#include "ZQF_ActionQueue.h"
#include "ZQF_Application.h"
#include "ZQF_ApplicationMetrics.h"
#include "ZQFOxZQF_DocumentBrowserGlyph.h"
#include "ZQF_DialogBox.h"
#include "ZQF_HelpDialogBox.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Window.h"
#include "ZQF_PLUGIN_AboutDialogBoxPlugin.h"
#include "ZQF_PLUGIN_AppMainMenu.h"
#include "ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin.h"
#include "ZQF_PLUGIN_ApplicationPersonality.h"
#include "ZQF_PLUGIN_ShowAppInfoPlugin.h"
#include "ZQF_SelectableMenuElement.h"
#include "ZQIMG_Gdiplus.h"
#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WINUSER.h"
#include "ZQR_Bitmap.h"
#include "ZQXML_Node.h"
#include "ZQ_CommandLine.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_Functor.h"
#include "ZQ_InitializationService.h"
#include "ZQ_ReportError.h"
#include "ZQ_StringStream.h"

namespace {

void Log(const ZQ_String& Line) { ZQ_WriteDebugLogEntry(Line + "\n"); }
ZQ_String Number(long Value) { return ZQ_ToString(Value); }

class TestProgramMetrics : public ZQF_ApplicationMetrics {
 public:
  ZQ_String GetApplicationName() const override { return "AppFrameTestProgram"; }
  ZQ_String GetVersionString() const override { return "1.0"; }
};

// Logs each of its steps before the framework's own work.
class TestProgramApplication : public ZQF_Application {
 public:
  void InitializeInstance() override {
    Log("Step InitializeInstance");
    ZQF_Application::InitializeInstance();
  }
  void InitializeMainWindow() override {
    Log("Step InitializeMainWindow");
    ZQF_Application::InitializeMainWindow();
  }
  void DisplayMainWindow(int ShowCommand) override {
    Log("Step DisplayMainWindow");
    ZQF_Application::DisplayMainWindow(ShowCommand);
  }
  void PreRunMessageLoop() override {
    Log("Step PreRunMessageLoop");
    ZQF_Application::PreRunMessageLoop();
  }
  void StartMainMessageLoop() override {
    Log("Step StartMainMessageLoop");
    ZQF_Application::StartMainMessageLoop();
    Log("Step MainMessageLoopEnded");
  }
  void PostRunMessageLoop() override {
    Log("Step PostRunMessageLoop");
    ZQF_Application::PostRunMessageLoop();
  }
  void DeinitializeInstance() override {
    Log("Step DeinitializeInstance");
    ZQF_Application::DeinitializeInstance();
  }
  int ExitInstance() override {
    Log("Step ExitInstance");
    // For the benchmark: Wine reports a process's processor time only to
    // the process itself (another process reads 0 while it runs).
    FILETIME created, exited, kernel, user;
    ZQLOW_WINBASE::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& t) {
      return static_cast<long>(((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000);
    };
    Log("Processor time: " + Number(ms(kernel) + ms(user)) + " ms");
    return ZQF_Application::ExitInstance();
  }
};

ZQ_OneParameterFlagCommandLineElement s_scenario("scenario", "");
ZQ_OneParameterFlagCommandLineElement s_readyEvent("readyevent", "");

bool Is(const char* Scenario) { return s_scenario.GetParameter() == ZQ_String(Scenario); }

void CloseApplication() { ZQF_GetApplication()->CloseApplicationCallback(); }
void QuitFromElsewhere() { ZQLOW_WINUSER::PostQuitMessage(0); }
// Opens nested loops down to depth 3, where it quits.
void QuitFromDepth3() {
  if (ZQF_GetApplication()->GetNumberMessageLoopsActive() >= 3) return QuitFromElsewhere();
  ZQF_ActionQueue::QueueOnetimeAction(ZQ_Functor0(&QuitFromDepth3), 0, false);
  Log(ZQ_String("Step NestedLoop") + (ZQF_GetApplication()->PushMessageLoop() ? "Popped" : "Quit"));
}
// Destroys the main window behind the framework's back.
void DestroyMainWindow() {
  ZQLOW_WINUSER::DestroyWindow(ZQF_GetApplication()->GetMainWindow()->GetWindowHandle());
}
// The error box waits for its user: a timer answers it with Escape.
void CALLBACK EscapeTheErrorBox(HWND, UINT, UINT_PTR Timer, DWORD) {
  ZQLOW_WINUSER::KillTimer(nullptr, Timer);
  ZQLOW_WINUSER::PostMessageA(ZQLOW_WINUSER::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
}
void ReportAndClose() {
  ZQLOW_WINUSER::SetTimer(nullptr, 0, 100, &EscapeTheErrorBox);
  ZQ_ReportError("Test report", "Reported while the loop runs.", ZQ_ReportErrorLevel_Warning);
  Log("Step ErrorBoxClosed");
  CloseApplication();
}

// The read-me item chosen as a click would choose it: a timer inside the
// report's loop logs its title and ends it with Escape, a second one closes.
void CALLBACK CloseAfterTheReport(HWND, UINT, UINT_PTR Timer, DWORD) {
  ZQLOW_WINUSER::KillTimer(nullptr, Timer);
  Log("Step ReportClosed");
  try { CloseApplication(); } catch (...) { Log("Step CloseFailed"); }
}
void CALLBACK EscapeTheReport(HWND, UINT, UINT_PTR Timer, DWORD) {
  ZQLOW_WINUSER::KillTimer(nullptr, Timer);
  ZQF_Window* focus = ZQF_Window::GetFocusWindow();
  auto* top = focus ? dynamic_cast<DialogBoxTopLevelGlyph*>(focus->GetTopLevelGlyph()) : nullptr;
  Log("Step ReportShown " + (top ? top->GetDialog()->GetTitle() : ZQ_String("(none)")));
  ZQLOW_WINUSER::PostMessageA(ZQLOW_WINUSER::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
  ZQLOW_WINUSER::SetTimer(nullptr, 0, 300, &CloseAfterTheReport);
}
void ChooseReadMe() {
  ZQF_MenuElement* group = ZQF_PLUGIN_GetAppMainMenu()->GetSection(31)->GetNextSibling();
  auto* item = static_cast<ZQF_SelectableMenuElement*>(group->GetFirstChild());
  ZQLOW_WINUSER::SetTimer(nullptr, 0, 500, &EscapeTheReport);
  ZQLOW_WINUSER::PostMessageA(ZQF_GetApplication()->GetMainWindow()->GetWindowHandle(), WM_COMMAND,
                              item->GetMenuID(), 0);
}

// The help scenario: the Help menu's items and the help window that the
// flags opened, then the end of the run.
void LogHelpAndClose() {
  long items = 0;
  for (ZQF_MenuElement* e = ZQF_PLUGIN_GetAppMainMenu()->GetSection(31)->GetFirstChild(); e;
       e = e->GetNextSibling())
    ++items;
  Log("Step HelpMenuItems " + Number(items));
  ZQF_HelpDialogBox* box = ZQF_HelpDialogBox_GetOpenHelpDialogBox();
  if (box && box->GetClientGlyphTree()) {
    const ZQXML_Node* shown = static_cast<ZQF_HelpDialogBoxManager*>(box->GetClientGlyphTree())
                                  ->GetBrowser()->GetLastSectionNodeDisplayed();
    Log("Step HelpWindow " + box->GetTitle() + " at '" + shown->GetAttributeValue("id", "") + "'");
  } else {
    Log("Step HelpWindow (none)");
  }
  CloseApplication();
}

void SignalReady() {
  if (s_readyEvent.GetParameter().IsEmpty()) return;
  const HANDLE event =
      ZQLOW_WINBASE::OpenEventA(EVENT_MODIFY_STATE, FALSE, s_readyEvent.GetParameter().GetText());
  ZQLOW_WINBASE::SetEvent(event);
  ZQLOW_WINBASE::CloseHandle(event);
}

// Plays the scenario and logs every stage with the GDI+ starts then held.
class ScriptPlugin : public ZQF_PLUGIN_AbstractPlugin {
 public:
  void Initialize(long Stage) override {
    Log("Stage " + Number(Stage) + " GDI+ " + Number(ZQIMG_GetGdiplusStartCount()));
    if (Stage == 1 && Is("resource1")) {
      const ZQR_Bitmap bitmap("ZQF_DefaultMainBitmap");
      Log("Stage 1 loaded a bitmap of " + Number(bitmap.GetSize().X) + " x " +
          Number(bitmap.GetSize().Y));
    }
    if (Stage == 3) ThrowAsAsked();
    if (Stage == 4) {
      ZQF_GetApplication()->SetClient(
          new ZQF_StoredLabelGlyph("The framework's test program."));
      ZQF_GetApplication()->AddTitleText(1, "Test");
    }
    if (Stage == 6) SignalReady();
    if (Stage == 7 && Is("busy")) {
      // Shows the benchmark that the processor times of a child are reported.
      const DWORD start = ZQLOW_WINBASE::GetTickCount();
      volatile unsigned long spins = 0;
      while (ZQLOW_WINBASE::GetTickCount() - start < 700) spins = spins + 1;
    }
    if (Stage == 7 && (Is("close") || Is("resource1") || Is("busy"))) {
      ZQF_ActionQueue::QueueOnetimeAction(ZQ_Functor0(&CloseApplication), 0, true);
    }
    if (Stage == 7 && Is("help")) {
      ZQF_ActionQueue::QueueOnetimeAction(ZQ_Functor0(&LogHelpAndClose), 0, true);
    }
    if (Stage == 7 && Is("readme")) {
      ZQF_ActionQueue::QueueOnetimeAction(ZQ_Functor0(&ChooseReadMe), 0, true);
    }
    if (Stage == 7 && (Is("quit") || Is("quitdeep") || Is("report") || Is("destroy"))) {
      void (*action)() = Is("quit")     ? &QuitFromElsewhere
                         : Is("report") ? &ReportAndClose
                         : Is("destroy") ? &DestroyMainWindow
                                         : &QuitFromDepth3;
      ZQF_ActionQueue::QueueOnetimeAction(ZQ_Functor0(action), 0, true);
    }
  }

 private:
  static void ThrowAsAsked() {
    if (Is("exception")) throw ZQ_Exception("Test failure", "Stage three failed on purpose.");
    if (Is("badalloc")) throw std::bad_alloc();
    if (Is("int")) throw 42;
    if (Is("cancel")) throw ZQ_CancelCurrentOperationException();
  }
};

class TestProgramPersonality : public ZQF_PLUGIN_ApplicationPersonality {
 public:
  void RegisterPlugins() override {
    // The menu first, as in the application: the settings are loaded at
    // stage 2 after the menu is built.
    Register(new ZQF_PLUGIN_AppMainMenuPlugin);
    Register(new ZQF_PLUGIN_ApplicationConfigurationRegistryPlugin);
    Register(new ZQF_PLUGIN_ShowAppInfoPlugin);
    Register(new ZQF_PLUGIN_AboutDialogBoxPlugin);
    Register(new ScriptPlugin);
  }
};

// The application's own stage callback runs after every library module's.
void ApplicationStageCallback(int Stage) {
  if (Stage == 1 || Stage == 13) {
    Log("Application stage " + Number(Stage) + " GDI+ " + Number(ZQIMG_GetGdiplusStartCount()));
  }
}

TestProgramMetrics s_metrics;
TestProgramPersonality s_personality;
TestProgramApplication s_application;
const ZQ_StageCallbackRegistration s_stages(&ApplicationStageCallback,
                                            ZQ_InitializationService::Position_Application);

}  // namespace

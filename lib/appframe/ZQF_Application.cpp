#include "ZQF_Application.h"

#include <algorithm>
#include <exception>
#include <new>
#include <typeinfo>
#include <vector>

#include "ZQF_ApplicationLink.h"
#include "ZQF_ApplicationMetrics.h"
#include "ZQF_BorderGlyph.h"
#include "ZQF_EdgeContainerGlyph.h"
#include "ZQF_MainApplicationTopLevelGlyph.h"
#include "ZQF_MainApplicationWindow.h"
#include "ZQF_MessageDialogBox.h"
#include "ZQF_MessageHookGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_NullDrawableGlyph.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_Assertion.h"
#include "ZQ_CommandLine.h"
#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"
#include "ZQ_FatalError.h"
#include "ZQ_InitializationService.h"
#include "ZQ_Internationalization.h"

namespace {

int s_cancelledStartExitCode = 0;

long NumApplicationInstances = 0;
ZQF_Application* Application = nullptr;

// Registered from a static initialiser, so that the command line parsed at
// stage 1 sets it.
ZQ_SimpleFlagCommandLineElement& HiddenFlag() {
  static ZQ_SimpleFlagCommandLineElement s_hidden(ZQ_String("hidden"), false);
  return s_hidden;
}
const ZQ_SimpleFlagCommandLineElement& s_hiddenRegistered = HiddenFlag();

const char kOutOfMemoryText[] =
    "Out Of Memory\n\nA request to the operating system for a block of memory failed.  There are "
    "several possible causes of this problem.\n\n- The paging file on your computer may not be "
    "large enough.  Try changing the virtual memory settings of your computer to increase the "
    "maximum paging file size.  Note: the paging file is also referred to as the swap file.\n\n- "
    "You have requested that this program perform an operation that uses excessive memory.  "
    "Modify your request so that less memory is needed.\n\n- There may be a bug in this program.  "
    "Contact the program developers.";
const char kBugAdvice[] = " Exception Thrown\n\nThis is due to a bug in this program.  Contact the program developers.";

void PerformStages(int First, int Last) {
  for (int stage = First; stage <= Last; ++stage) ZQ_InitializationService::PerformStage(stage);
}

// The glyph core's side of the application, while the object exists.
bool LinkPushMessageLoop() { return Application->PushMessageLoop(); }
void LinkPopMessageLoop() { Application->PopMessageLoop(); }
ZQF_Window* LinkGetMainWindow() { return Application->GetMainWindow(); }
void LinkPrepareForAppMainWindowDestruction() { Application->PrepareForAppMainWindowDestruction(); }
ZQ_String LinkGetMainIconResourceName() {
  return ZQF_GetApplicationMetrics().GetMainIconResourceName();
}
bool LinkYieldToMessageLoop(ZQF_Window* Window) { return Application->YieldToMessageLoop(Window); }
void LinkExecute(ZQF_Window* Window) { Application->Execute(Window); }
bool LinkDeferMainWindowClose() { return Application->DeferMainWindowClose(); }

}  // namespace

ZQF_Application::ZQF_Application() : ZQ_ApplicationErrorReporting(&ZQF_StandardErrorReportingFun) {
  ++NumApplicationInstances;
  try {
    ZQ_ASSERT(NumApplicationInstances == 1);
  } catch (...) {
    --NumApplicationInstances;  // no destructor runs for this object
    throw;
  }
  Application = this;
  ZQF_ApplicationFunctions functions;
  functions.PushMessageLoop = &LinkPushMessageLoop;
  functions.PopMessageLoop = &LinkPopMessageLoop;
  functions.GetMainWindow = &LinkGetMainWindow;
  functions.PrepareForAppMainWindowDestruction = &LinkPrepareForAppMainWindowDestruction;
  functions.GetMainIconResourceName = &LinkGetMainIconResourceName;
  functions.YieldToMessageLoop = &LinkYieldToMessageLoop;
  functions.Execute = &LinkExecute;
  functions.DeferMainWindowClose = &LinkDeferMainWindowClose;
  ReplacedLink = ZQF_ApplicationLink_Register(functions);
}

ZQF_Application::~ZQF_Application() {
  --NumApplicationInstances;
  if (Application == this) {
    ZQF_ApplicationLink_Register(ReplacedLink);
    Application = nullptr;
  }
}

ZQF_Application* ZQF_GetApplication() { return Application; }

bool ZQF_Application::IsValid() const { return NumApplicationInstances == 1; }

int ZQF_Application::WinMain(HINSTANCE Instance, const char*, int ShowCommand) {
  ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_NoTranslation);
  int exitCode = 0;
  ZQLOW_WIN_SetAPIFunctionFailureMode(0);
  // Nothing before this may load a resource: the loader would find no
  // module, and its warning box would wait for a user.
  ZQLOW_WIN_SetProgramInstanceHandle(Instance);
  ZQ_InitializeDebugging();
  try {
    ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_Normal);
    PerformStages(1, 3);
    InitializeInstance();
    PerformStages(4, 4);
    InitializeMainWindow();
    PerformStages(5, 5);
    DisplayMainWindow(ShowCommand);
    PerformStages(6, 7);
    PreRunMessageLoop();
    StartupComplete = true;
    if (CloseDeferred && MainWindowHandle)
      ZQLOW_WINUSER::PostMessageA(MainWindowHandle, WM_CLOSE, 0, 0);
    StartMainMessageLoop();
    // A quit from elsewhere ended the loop with the window still there: close
    // it now, so that stages 8 and 9 run, and take the quit its destruction
    // posts, whose loop has ended already. A window destroyed without them
    // still gets its stages.
    if (MainWindow && ZQLOW_WINUSER::IsWindow(MainWindowHandle)) {
      CloseApplicationCallback();
      MSG quit;
      ZQLOW_WINUSER::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    } else if (MainWindow) {
      ForgetMainWindow();  // deleted with its window: nothing may reach it
      PrepareForAppMainWindowDestruction();
    }
    PostRunMessageLoop();
    DeinitializeInstance();
    PerformStages(10, 13);
    exitCode = ExitInstance();
  } catch (const ZQ_CancelCurrentOperationException&) {
    // The user cancelled the start, or a tool ended it: a quiet end.
    exitCode = s_cancelledStartExitCode;
  } catch (const ZQ_Exception& e) {
    ZQ_ReportFatalError(e.GetDescription());
  } catch (const std::bad_alloc&) {
    ZQ_ReportFatalError(kOutOfMemoryText);
  } catch (const std::bad_cast&) {
    ZQ_ReportFatalError(ZQ_String("bad_cast") + ZQ_String(kBugAdvice));
  } catch (const std::bad_exception&) {
    ZQ_ReportFatalError(ZQ_String("bad_exception") + ZQ_String(kBugAdvice));
  } catch (const std::bad_typeid&) {
    ZQ_ReportFatalError(ZQ_String("bad_typeid") + ZQ_String(kBugAdvice));
  } catch (...) {
    ZQ_ReportFatalError("Unknown exception type thrown");
  }
  ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_NoTranslation);
  ZQLOW_WIN_SetAPIFunctionFailureMode(1);
  ZQ_DeinitializeDebugging();
  return exitCode;
}

void ZQF_Application::InitializeInstance() {
  ZQ_ASSERT(IsValid());
  DefaultClient = Client = CreateDefaultClient();
  EdgeContainer = Init_CreateEdgeContainer(Client);
  ZQF_Glyph* border = Init_CreateWindowBorderGlyph(EdgeContainer);
  MessageHookGlyph = Init_CreateMainWindowMessageHookGlyph(border);
  TopLevelGlyph = Init_CreateTopLevelGlyph(MessageHookGlyph);
  MainWindow = Init_CreateMainWindow(TopLevelGlyph);
}

void ZQF_Application::InitializeMainWindow() {
  Init_ConstructMainWindow(MainWindow);
  MainWindowHandle = MainWindow->GetWindowHandle();
  Init_InitializeMainWindow(MainWindow);
}

void ZQF_Application::DisplayMainWindow(int ShowCommand) {
  Init_SetInitialTitle();
  Init_PositionMainWindow(MainWindow);
  Init_ShowMainWindow(MainWindow, ShowCommand);
  Execute(MainWindow);
}

ZQF_EdgeContainerGlyph* ZQF_Application::Init_CreateEdgeContainer(ZQF_Glyph* NewClient) {
  return new ZQF_EdgeContainerGlyph(NewClient);
}

ZQF_Glyph* ZQF_Application::Init_CreateWindowBorderGlyph(ZQF_EdgeContainerGlyph* Edges) {
  const ZQ_Point<long> frame = ZQF_GetSizeMetric(ZQF_SizeMetric_FrameMargin);
  const ZQ_Point<long> margin(frame.X / 2 - 1, frame.Y / 2 - 1);
  return new ZQF_BorderGlyph(Edges, ZQ_String(), 0, margin, 0, 1);
}

ZQF_MessageHookGlyph* ZQF_Application::Init_CreateMainWindowMessageHookGlyph(ZQF_Glyph* Border) {
  return new ZQF_MessageHookGlyph(Border);
}

ZQF_MainApplicationTopLevelGlyph* ZQF_Application::Init_CreateTopLevelGlyph(ZQF_Glyph* HookGlyph) {
  return new ZQF_MainApplicationTopLevelGlyph(HookGlyph);
}

ZQF_Window* ZQF_Application::Init_CreateMainWindow(ZQF_MainApplicationTopLevelGlyph* TopLevel) {
  return new ZQF_MainApplicationWindow(TopLevel);
}

void ZQF_Application::Init_ConstructMainWindow(ZQF_Window* Window) {
  Window->Construct(ZQ_Rectangle<long>(0, 0, 0, 0));
}

void ZQF_Application::Init_InitializeMainWindow(ZQF_Window* Window) { Window->SetFocus(); }

void ZQF_Application::Init_SetInitialTitle() {
  if (!TitleParts.KeyExists(0)) {
    const ZQF_ApplicationMetrics& metrics = ZQF_GetApplicationMetrics();
    AddTitleText(0, metrics.GetApplicationName() + ZQ_String(" ") + metrics.GetVersionString());
  } else {
    ProcessTitleUpdate();
  }
}

void ZQF_Application::Init_PositionMainWindow(ZQF_Window*) {}

void ZQF_Application::Init_ShowMainWindow(ZQF_Window* Window, int ShowCommand) {
  // SW_SHOWDEFAULT means "normal" too: a program started from a command
  // line (or by Wine) gets it.
  const bool isNormal = ShowCommand == SW_SHOWNORMAL || ShowCommand == SW_SHOWDEFAULT;
  int state = isNormal ? Init_GetNormalInitialWindowState() : ShowCommand;
  if (HiddenFlag().GetValue()) state = ZQF_ShowState_Hidden;
  Window->Show(static_cast<ZQF_ShowState>(state));
  Window->Update();
}

int ZQF_Application::Init_GetNormalInitialWindowState() { return ZQF_ShowState_Maximized; }

void ZQF_Application::DeinitializeInstance() {}

void ZQF_Application::PreRunMessageLoop() { InitializeErrorReportingFunction(); }

void ZQF_Application::StartMainMessageLoop() { RunMessageLoop(nullptr); }

void ZQF_Application::PostRunMessageLoop() { DeinitializeErrorReportingFunction(); }

int ZQF_Application::ExitInstance() {
  ZQ_ASSERT(IsValid());
  return 0;
}

ZQF_Glyph* ZQF_Application::CreateDefaultClient() { return new ZQF_NullDrawableGlyph; }

void ZQF_Application::SetClient(ZQF_Glyph* aNewClient) {
  ZQ_ASSERT(DefaultClient != NULL);
  ZQ_ASSERT(aNewClient != NULL);
  if (!DefaultClient || !aNewClient) return;
  ZQF_Glyph* parent = DefaultClient->GetParent();
  const bool hadFocus = parent->GetFocusChild() == DefaultClient;
  parent->AddBeforeChild(aNewClient, DefaultClient);
  if (hadFocus) parent->SetFocusChild(aNewClient);
  // The edge container lays out its centre by pointer: the new client is it.
  if (parent == EdgeContainer) EdgeContainer->SetCentre(aNewClient);
  parent->DeleteChild(DefaultClient);
  DefaultClient = nullptr;
  Client = aNewClient;
}

void ZQF_Application::AddTitleText(long Key, const ZQ_String& Text) {
  TitleParts.Set(Key, Text);
  ProcessTitleUpdate();
}

void ZQF_Application::ProcessTitleUpdate() {
  std::vector<long> keys;
  for (ZQ_ReadOnlyIterator<long> key = TitleParts.GetKeyIterator(); key.IsValid(); key.Advance()) {
    keys.push_back(key.GetCurrent());
  }
  std::sort(keys.begin(), keys.end());
  ZQ_String title;
  for (size_t i = 0; i < keys.size(); ++i) {
    if (i > 0) title += ZQ_String(" - ");
    title += TitleParts.GetValue(keys[i]);
  }
  Title = title;
  if (MainWindow && MainWindow->GetWindowHandle()) MainWindow->SetTitleText(Title);
}

void ZQF_Application::Execute(ZQF_Window*) {}

void ZQF_Application::PrepareForAppMainWindowDestruction() {
  ZQ_InitializationService::PerformStage(ZQ_InitializationService::Stage_DeinitializeInteractive);
  ZQ_InitializationService::PerformStage(ZQ_InitializationService::Stage_DeinitializeMainWindow);
  // The caller destroys the window now, which deletes it and its glyphs:
  // nothing may reach them through this object afterwards.
  ForgetMainWindow();
}

void ZQF_Application::ForgetMainWindow() {
  MainWindow = nullptr;
  MainWindowHandle = nullptr;
  TopLevelGlyph = nullptr;
  EdgeContainer = nullptr;
  MessageHookGlyph = nullptr;
  DefaultClient = Client = nullptr;
}

bool ZQF_Application::DeferMainWindowClose() {
  if (StartupComplete) return false;
  CloseDeferred = true;
  return true;
}

void ZQF_Application::CloseApplicationCallback() {
  ZQF_Window* window = MainWindow;
  PrepareForAppMainWindowDestruction();
  if (window) window->Destroy();
}

void ZQF_SetCancelledStartExitCode(int ExitCode) { s_cancelledStartExitCode = ExitCode; }

void ZQF_StandardErrorReportingFun(const ZQ_Exception& Error, ZQ_ReportErrorLevelType Level) {
  try {
    ZQ_String entry("\n\n\nError Occurred\nName = '");
    entry += Error.GetName();
    entry += ZQ_String("'\nDescription = '");
    entry += Error.GetDescription().IsEmpty() ? Error.GetName() : Error.GetDescription();
    entry += ZQ_String("'\n\n");
    ZQ_WriteDebugLogEntry(entry);
  } catch (...) {
  }
  int kind = ZQF_MessageKind_Error;
  if (Level == ZQ_ReportErrorLevel_Warning) {
    kind = ZQF_MessageKind_Warning;
  } else if (Level != ZQ_ReportErrorLevel_Error) {
    ZQ_ASSERT_TEXT(false, "false");
    return;
  }
  try {
    const ZQ_String text = Error.GetDescription().IsEmpty() ? Error.GetName() : Error.GetDescription();
    ZQF_MessageDialogBox box(text, Error.GetName(), kind, ZQF_MessageDialogBox::SelectedButton_OK,
                             false);
    box.Run();
  } catch (ZQ_CancelCurrentOperationException&) {
    // Escape or the close button: the error was seen.
  } catch (...) {
    // No error may be lost: one that cannot be shown ends the program.
    ZQ_ReportFatalError(Error);
  }
}

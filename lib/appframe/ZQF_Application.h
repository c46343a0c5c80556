// ZQF_Application.h: the program's one application object and its run. The
// program entry (WinMain, in this library) hands the run to the object's
// virtual WinMain, which brings up the debugging layer, performs the
// thirteen initialization stages around the virtual steps below, builds and
// shows the main window (top-level glyph, message hook glyph, border glyph,
// edge container, client), runs the main message loop and turns whatever
// escapes into a fatal-error report. Every loop of the program, nested ones
// for dialogs and drags included, runs here, with idle actions between
// messages. A program derives its own class, constructs one global instance
// from a static initialiser, and replaces the steps it needs.
// The object borrows the main window and its glyphs: the window owns them
// and deletes them when it is destroyed. UI thread only.
#ifndef ZQF_APPLICATION_H
#define ZQF_APPLICATION_H

#include "ZQF_ApplicationLink.h"
#include "ZQLOW_Windows.h"
#include "ZQ_Array.h"
#include "ZQ_Map.h"
#include "ZQ_ReportError.h"
#include "ZQ_String.h"

class ZQF_EdgeContainerGlyph;
class ZQF_Glyph;
class ZQF_MainApplicationTopLevelGlyph;
class ZQF_MessageHookGlyph;
class ZQF_Window;

class ZQF_Application : public ZQ_ApplicationErrorReporting {
 public:
  // Records this object as the application and registers its loops, main
  // window and icon with the glyph core; a second one at a time fails
  // "NumApplicationInstances == 1".
  ZQF_Application();
  // Puts back the glyph core's functions it replaced; deletes no window.
  ~ZQF_Application() override;
  ZQF_Application(const ZQF_Application&) = delete;
  ZQF_Application& operator=(const ZQF_Application&) = delete;

  // --- The run. Returns the exit code: ExitInstance's answer, or after a
  // cancelled start the code ZQF_SetCancelledStartExitCode set (0 unless
  // set); any other exception ends the process with a fatal-error report
  // (exit code 1).
  virtual int WinMain(HINSTANCE Instance, const char* CommandLine, int ShowCommand);
  // Builds the glyph chain and the window object (asserts "IsValid()").
  virtual void InitializeInstance();
  virtual void InitializeMainWindow();
  virtual void DisplayMainWindow(int ShowCommand);

  // --- The chain, each around the one before.
  virtual ZQF_EdgeContainerGlyph* Init_CreateEdgeContainer(ZQF_Glyph* Client);
  virtual ZQF_Glyph* Init_CreateWindowBorderGlyph(ZQF_EdgeContainerGlyph* EdgeContainer);
  virtual ZQF_MessageHookGlyph* Init_CreateMainWindowMessageHookGlyph(ZQF_Glyph* Border);
  virtual ZQF_MainApplicationTopLevelGlyph* Init_CreateTopLevelGlyph(ZQF_Glyph* HookGlyph);
  virtual ZQF_Window* Init_CreateMainWindow(ZQF_MainApplicationTopLevelGlyph* TopLevel);
  // The window at its own default place and size.
  virtual void Init_ConstructMainWindow(ZQF_Window* Window);
  virtual void Init_InitializeMainWindow(ZQF_Window* Window);
  // Title part 0 ("<name> <version>") unless a part 0 exists.
  virtual void Init_SetInitialTitle();
  virtual void Init_PositionMainWindow(ZQF_Window* Window);
  // Hidden with the command-line flag "hidden"; else ShowCommand, with
  // SW_SHOWNORMAL and SW_SHOWDEFAULT replaced by
  // Init_GetNormalInitialWindowState().
  virtual void Init_ShowMainWindow(ZQF_Window* Window, int ShowCommand);
  virtual int Init_GetNormalInitialWindowState();  // maximized
  virtual void DeinitializeInstance();

  // --- Loops.
  virtual void PreRunMessageLoop();
  virtual void StartMainMessageLoop();
  // One loop one level deeper, for Window's messages (null: the thread's);
  // true when PopMessageLoop ended it, false when the quit message did. A
  // nested loop posts that quit again, with its code, for the loops outside.
  virtual bool RunMessageLoop(HWND Window);
  virtual void PostRunMessageLoop();
  // Asserts "IsValid()"; 0.
  virtual int ExitInstance();
  // Idle actions, one at a time, while no message for Window waits.
  virtual void SpinIdleProcessing(HWND Window);
  // One idle action; false when there was none to run.
  virtual bool OnIdle();
  // Waits for, translates and dispatches one message; false, without
  // dispatching, for the quit message. A failed GetMessageA throws.
  virtual bool PumpMessage(HWND Window);
  // The idle actions, then what waits for Window (null: the thread); false,
  // after posting the quit message again, when it met one.
  virtual bool YieldToMessageLoop(ZQF_Window* Window);
  virtual ZQF_Glyph* CreateDefaultClient();

  bool IsValid() const;
  ZQF_Window* GetMainWindow() const { return MainWindow; }
  ZQF_MessageHookGlyph* GetMainWindowMessageHookGlyph() const { return MessageHookGlyph; }
  // The glyph in the window's centre: the default client until SetClient.
  ZQF_Glyph* GetClient() const { return Client; }
  // Puts NewClient (owned by the tree from now on) in the default client's
  // place, focus included, and deletes the default client. Once only:
  // "DefaultClient != NULL", "aNewClient != NULL".
  void SetClient(ZQF_Glyph* NewClient);
  // Title part under Key (replacing the earlier one); the title is composed
  // again.
  void AddTitleText(long Key, const ZQ_String& Text);
  // The parts in ascending key order joined by " - "; given to the window
  // once it exists.
  void ProcessTitleUpdate();
  const ZQ_String& GetTitle() const { return Title; }
  // After the window has been shown; does nothing here.
  void Execute(ZQF_Window* Window);
  // A nested loop until PopMessageLoop; false when the quit message ended
  // it. Asserts "OldNumberMessageLoopsActive == NumberMessageLoopsActive".
  bool PushMessageLoop();
  // Ends the innermost loop after the message being dispatched; asserts
  // "NumberMessageLoopsActive > 0".
  void PopMessageLoop();
  long GetNumberMessageLoopsActive() const { return NumberMessageLoopsActive; }
  bool MessageInWinQueue(HWND Window);
  // Stages 8 and 9, while the main window still exists.
  void PrepareForAppMainWindowDestruction();
  // PrepareForAppMainWindowDestruction, then destroys the main window,
  // which ends the main loop.
  void CloseApplicationCallback();
  // True until the main loop is about to start: the main window's close is
  // then recorded and carried out as the loop starts.
  bool DeferMainWindowClose();

 private:
  void EnsureLoopFlag(long Depth);
  void ForgetMainWindow();

  ZQF_Window* MainWindow = nullptr;
  HWND MainWindowHandle = nullptr;  // tells whether the window still exists
  ZQF_MainApplicationTopLevelGlyph* TopLevelGlyph = nullptr;
  ZQF_EdgeContainerGlyph* EdgeContainer = nullptr;
  ZQF_Glyph* DefaultClient = nullptr;
  ZQF_Glyph* Client = nullptr;
  ZQF_MessageHookGlyph* MessageHookGlyph = nullptr;
  ZQ_Map<long, ZQ_String> TitleParts{37};
  ZQ_String Title;
  ZQ_AutosizeArray<bool> LoopExitFlags;
  long NumberMessageLoopsActive = 0;
  int LastQuitCode = 0;  // the code of the last quit message PumpMessage took
  bool StartupComplete = false;
  bool CloseDeferred = false;
  ZQF_ApplicationFunctions ReplacedLink;  // the glyph core's functions before
};

// The application object, or null when none exists.
ZQF_Application* ZQF_GetApplication();

// Installed while the main loop runs. Until the message dialog exists it
// writes the error to the debugging log only: three empty lines, "Error
// Occurred", the name and the description in quotes, an empty line.
void ZQF_StandardErrorReportingFun(const ZQ_Exception& Error, ZQ_ReportErrorLevelType Level);

// The exit code of a start that ends by ZQ_CancelCurrentOperationException.
// A tool that runs inside the start and then ends the program (the release
// tool) sets 1 when its work failed, so that a script learns of it.
void ZQF_SetCancelledStartExitCode(int ExitCode);

#endif

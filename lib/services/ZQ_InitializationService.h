// ZQ_InitializationService.h: the program's start-up and shut-down in
// thirteen numbered stages. A module that keeps global state does that work
// in a stage callback, registered from a static initialiser, instead of in
// the initialiser itself. The application framework performs the stages in
// number order; each stage calls every callback once, in the system's
// registration order (below), with the stage number.
// A set of globals with no object to create; misuse goes to the assertion
// service (file "ZQ_InitializationService"). One thread only.
#ifndef ZQ_INITIALIZATIONSERVICE_H
#define ZQ_INITIALIZATIONSERVICE_H

class ZQ_InitializationService {
 public:
  // Stages 1-7 start the program, 8-13 take it down; 1 mirrors 13, 2 mirrors
  // 12, 4 mirrors 10, 5 mirrors 9 and 6 mirrors 8.
  enum {
    Stage_InitializeDefinition = 1,
    Stage_InitializeTranslationUnit = 2,
    Stage_InitializePackage = 3,
    Stage_InitializeGlobal = 4,
    Stage_InitializeMainWindow = 5,
    Stage_InitializeInteractive = 6,
    Stage_InitializeComplete = 7,
    Stage_DeinitializeInteractive = 8,
    Stage_DeinitializeMainWindow = 9,
    Stage_DeinitializeGlobal = 10,
    Stage_DeinitializePackage = 11,
    Stage_DeinitializeTranslationUnit = 12,
    Stage_DeinitializeDefinition = 13
  };

  static constexpr int MaxNumCallbacks = 64;

  // The system's modules, in the order their callbacks run at every stage.
  // Static initialisers of different files run in no order the language
  // fixes, so each module registers with its place in this list; callbacks
  // of one place run in the order they were registered. The command line
  // is second so that every later stage-1 callback can read its options.
  enum CallbackPosition {
    Position_TimingTest = 1,
    Position_CommandLine,
    Position_ProgressReportService,
    Position_ApplicationConfigurationRegistry,
    Position_Timer,
    Position_Printer,
    Position_PlaySound,
    Position_GlyphActivityHook,
    Position_StandardMessageHook,
    Position_RawMessageHook,
    Position_ActionQueue,
    Position_ExclusiveAlternativeControlGroupGlyph,
    Position_Metrics,
    Position_HelpDialogBox,
    Position_Menu,
    Position_Help,
    Position_Tooltips,
    Position_BusyCursor,
    Position_DevelopmentSupport,
    Position_DebugMenu,
    Position_ApplicationPersonality,
    Position_DeviceContextCanvas,
    Position_Symbol,
    Position_Application  // the application's own callback, last
  };

  using Callback = void (*)(int Stage);

  // Adds a callback at its module's place (the application's, last, when
  // none is given). Call it from a static initialiser. A 65th registration
  // fails the assertion "NumCallbacks < MaxNumCallbacks" and is not stored.
  // Once a stage has begun, a registration (not expected) joins the end of
  // the table, so that the stage under way calls it and calls nothing twice.
  static void RegisterCallback(Callback Function,
                               int Position = Position_Application);

  // Performs one stage: every earlier stage must have been performed and
  // neither this one nor a later one. Calls every callback once, in table
  // order, re-reading the count before each call. An exception from a
  // callback ends the stage at once (the stage does not count as completed)
  // and is rethrown; a failed stage 8 is undone so that the closing sequence
  // can be tried again. A stage outside 1-13 fails "false" (above 13 also
  // "Stage <= Stage_DeinitializeDefinition") and does nothing more.
  static void PerformStage(int Stage);

  // 0 between stages, else the stage whose callbacks are running.
  static int GetStageCurrentlyExecuting();
  // The last stage whose callbacks all returned; 0 before stage 1 completes.
  static int GetMostRecentStageCompleted();
  // The last stage that began, kept after it completes; 0 before stage 1.
  static int GetMostRecentStageStarted();

  // The stage's name ("Initialize Definition" ...), which labels it in the
  // trace stack while it runs; null outside 1-13.
  static const char* GetStageName(int Stage);

  static int GetNumCallbacks();

  // Test support; the program never calls these. Forgets every stage
  // performed (all three numbers back to 0) so that a test can run the
  // sequence again, and keeps only the first NumCallbacksToKeep
  // registrations (-1 keeps them all).
  static void ResetForTesting(int NumCallbacksToKeep = -1);
};

// A module's registration: a static object of this class registers its stage
// callback when static initialisation constructs it.
struct ZQ_StageCallbackRegistration {
  ZQ_StageCallbackRegistration(ZQ_InitializationService::Callback Function, int Position) {
    ZQ_InitializationService::RegisterCallback(Function, Position);
  }
};

#endif

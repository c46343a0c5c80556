#include "ZQ_InitializationService.h"

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

// Failures name this module, not the build's path of the file.
#define ZQ_INIT_ASSERT(condition, text)                                        \
  ((condition) ? static_cast<void>(0)                                          \
               : ZQ_ReportAssertionFailure((text), "ZQ_InitializationService", \
                                           __LINE__))

namespace {

const int kNumStages = ZQ_InitializationService::Stage_DeinitializeDefinition;

const char* const kStageNames[kNumStages + 1] = {
    nullptr,
    "Initialize Definition",
    "Initialize Translation Unit",
    "Initialize Package",
    "Initialize Global",
    "Initialize Main Window",
    "Initialize Interactive",
    "Initialize Complete",
    "Deinitialize Interactive",
    "Deinitialize Main Window",
    "Deinitialize Global",
    "Deinitialize Package",
    "Deinitialize Translation Unit",
    "Deinitialize Definition",
};

struct Registration {
  ZQ_InitializationService::Callback Function;
  int Position;
};

struct ServiceState {
  Registration Callbacks[ZQ_InitializationService::MaxNumCallbacks];
  int NumCallbacks;
  bool StagePerformed[kNumStages + 1];  // indexed by stage number; [0] unused
  int MostRecentStageStarted;
  int StageCurrentlyExecuting;
  int MostRecentStageCompleted;
};

// Registrations arrive from static initialisers of other files, which may
// run before this file's: the state is made on first use.
ServiceState& State() {
  static ServiceState s_state = {};
  return s_state;
}

void CallAllCallbacks(int Stage) {
  ServiceState& state = State();
  // The count is read again before every call: a callback registered by a
  // callback of this stage is called in this stage too.
  for (int i = 0; i < state.NumCallbacks; ++i) state.Callbacks[i].Function(Stage);
}

}  // namespace

void ZQ_InitializationService::RegisterCallback(Callback Function, int Position) {
  ZQ_TRACE_FUNCTION("ZQ_InitializationService::RegisterCallback");
  ServiceState& state = State();
  const int NumCallbacks = state.NumCallbacks;
  ZQ_INIT_ASSERT(NumCallbacks < MaxNumCallbacks, "NumCallbacks < MaxNumCallbacks");
  if (NumCallbacks >= MaxNumCallbacks) return;
  ZQ_INIT_ASSERT(Function != nullptr, "Callback");
  if (Function == nullptr) return;

  // Before the stages begin, a callback goes after every callback of its
  // place or an earlier one; once they have begun, at the end.
  int slot = NumCallbacks;
  if (state.MostRecentStageStarted == 0) {
    while (slot > 0 && state.Callbacks[slot - 1].Position > Position) {
      state.Callbacks[slot] = state.Callbacks[slot - 1];
      --slot;
    }
  }
  state.Callbacks[slot] = Registration{Function, Position};
  ++state.NumCallbacks;
}

void ZQ_InitializationService::PerformStage(int Stage) {
  ZQ_TRACE_FUNCTION("ZQ_InitializationService::PerformStage");
  ZQ_TRACE_VARIABLE(Stage);
  const char* StageName = GetStageName(Stage);
  if (StageName == nullptr) {
    ZQ_INIT_ASSERT(false, "false");
    ZQ_INIT_ASSERT(Stage <= Stage_DeinitializeDefinition,
                   "Stage <= Stage_DeinitializeDefinition");
    return;  // there is no such stage to record
  }
  ZQ_TRACE_NOTE(StageName);

  ServiceState& state = State();
  for (int i = 1; i < Stage; ++i)
    ZQ_INIT_ASSERT(state.StagePerformed[i], "StagePerformed [i]");
  for (int i = Stage; i <= kNumStages; ++i)
    ZQ_INIT_ASSERT(!state.StagePerformed[i], "not StagePerformed [i]");

  state.MostRecentStageStarted = Stage;
  state.StageCurrentlyExecuting = Stage;
  state.StagePerformed[Stage] = true;
  try {
    CallAllCallbacks(Stage);
  } catch (...) {
    // Stage 8 runs when the main window is about to close; undoing it lets
    // the program try the closing sequence again.
    if (Stage == Stage_DeinitializeInteractive) {
      state.MostRecentStageStarted = Stage_InitializeComplete;
      state.StagePerformed[Stage] = false;
    }
    state.StageCurrentlyExecuting = 0;
    throw;
  }
  state.MostRecentStageCompleted = Stage;
  state.StageCurrentlyExecuting = 0;
}

int ZQ_InitializationService::GetStageCurrentlyExecuting() {
  return State().StageCurrentlyExecuting;
}

int ZQ_InitializationService::GetMostRecentStageCompleted() {
  return State().MostRecentStageCompleted;
}

int ZQ_InitializationService::GetMostRecentStageStarted() {
  return State().MostRecentStageStarted;
}

const char* ZQ_InitializationService::GetStageName(int Stage) {
  if (Stage < 1 || Stage > kNumStages) return nullptr;
  return kStageNames[Stage];
}

int ZQ_InitializationService::GetNumCallbacks() { return State().NumCallbacks; }

void ZQ_InitializationService::ResetForTesting(int NumCallbacksToKeep) {
  ServiceState& state = State();
  if (NumCallbacksToKeep >= 0 && NumCallbacksToKeep < state.NumCallbacks)
    state.NumCallbacks = NumCallbacksToKeep;
  for (bool& performed : state.StagePerformed) performed = false;
  state.MostRecentStageStarted = 0;
  state.StageCurrentlyExecuting = 0;
  state.MostRecentStageCompleted = 0;
}

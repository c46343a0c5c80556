#include "ZQ_ProgressReportService.h"

#include "ZQ_Array.h"
#include "ZQ_Assertion.h"
#include "ZQ_Countdown.h"
#include "ZQ_DebugLog.h"
#include "ZQ_InitializationService.h"
#include "ZQ_Numeric.h"
#include "ZQ_StackTrace.h"
#include "ZQ_Timer.h"

// Failures name this service, whatever file the caller is in.
#define PROGRESS_CHECK(condition, text, report) \
  ((condition) ? static_cast<void>(0) : (report)((text), "ZQ_ProgressReportService", __LINE__))
#define PROGRESS_ASSERT(condition, text) PROGRESS_CHECK(condition, text, ZQ_ReportAssertionFailure)

namespace {

const long kUpdateIntervalMs = 100;
const long kDelayedEraseDelayMs = 100;
const long kDefaultInitialDelayMs = 100;

class DelayedEraseTimer : public ZQ_Timer {
 public:
  DelayedEraseTimer() : ZQ_Timer(kDelayedEraseDelayMs, ZQ_Functor0()) {}

 protected:
  // Deletes this timer on the way.
  void Tick() override { ZQ_ProgressReportService_Manager::DisplayErase(); }
};

struct ManagerState {
  ZQ_AutosizeArray<ZQ_ProgressReportService_Task*> activeTaskTable;
  long numActiveTasks = 0;
  ZQ_ProgressReportService_DisplayHook* primaryHook = nullptr;  // nothing sets it yet
  ZQ_ProgressReportService_DisplayHook* secondaryHooks[ZQ_ProgressReportService_Manager::MaxNumSecondaryDisplayHooks] = {};
  int numSecondaryHooks = 0;
  bool isEnabled = false;
  bool isDisplayed = false;
  ZQ_Countdown updateAlarm{0.1};
  long initialDelayMs = kDefaultInitialDelayMs;
  DelayedEraseTimer* eraseTimer = nullptr;
  bool isCancelRequested = false;  // no cancel command sets it yet
  long lastTaskNumber = 0;
};

ManagerState& State() {
  static ManagerState state;
  return state;
}

void StopDelayedErase() {
  DelayedEraseTimer* timer = State().eraseTimer;
  State().eraseTimer = nullptr;
  delete timer;
}

template <class Call>
void ForEachHook(Call call) {
  ManagerState& state = State();
  if (state.primaryHook) call(state.primaryHook);
  for (int i = 0; i < state.numSecondaryHooks; ++i) call(state.secondaryHooks[i]);
}

// Task's place in the table, or -1.
long IndexOf(const ZQ_ProgressReportService_Task* Task) {
  for (long i = 0; i < State().numActiveTasks; ++i)
    if (State().activeTaskTable[i] == Task) return i;
  return -1;
}

// Out of the table wherever it stands: a task that ended out of order must
// not stay behind for the hooks to read once it is destroyed.
void RemoveFromTable(long Index) {
  ManagerState& state = State();
  for (long i = Index + 1; i < state.numActiveTasks; ++i)
    state.activeTaskTable[i - 1] = state.activeTaskTable[i];
  --state.numActiveTasks;
}

const ZQ_StageCallbackRegistration s_registerStageCallback(&ZQ_ProgressReportService_InitializationServiceCallback,
                                                           ZQ_InitializationService::Position_ProgressReportService);

}  // namespace

ZQ_ProgressReportService_Task::ZQ_ProgressReportService_Task(const ZQ_String& Description, long NumSteps,
                                                             unsigned long Options)
    : Description(Description), NumSteps(NumSteps), Options(Options), TaskNumber(++State().lastTaskNumber) {
  ZQ_TRACE_FUNCTION("ZQ_ProgressReportService_Task::ZQ_ProgressReportService_Task");
  ZQ_ProgressReportService_Manager::NoteTaskBegin(this);
}

ZQ_ProgressReportService_Task::~ZQ_ProgressReportService_Task() {
  // A destructor that threw would end the program: misuse is only logged, and
  // so is a failure of a hook or of the erase timer.
  try {
    ZQ_ProgressReportService_Manager::NoteTaskEnd(this, &ZQ_LogAssertionFailure);
  } catch (...) {
    ZQ_WriteDebugLogEntry("The progress display could not follow the end of a task.\n");
  }
}

bool ZQ_ProgressReportService_Task::SetNumSteps(long N) {
  NumSteps = N;
  return State().isCancelRequested;
}

bool ZQ_ProgressReportService_Task::SetCurrentStep(long N) {
  CurrentStep = N;
  if (State().isEnabled && State().numActiveTasks > 0 && State().updateAlarm.HasExpired())
    ZQ_ProgressReportService_Manager::Update();
  return State().isCancelRequested;
}

ZQ_ProgressReportService_Task* ZQ_ProgressReportService_Manager::GetActiveTask(long TaskIndex) {
  ManagerState& state = State();
  if (TaskIndex < 0) TaskIndex = state.numActiveTasks - 1;
  PROGRESS_ASSERT(0 <= TaskIndex && TaskIndex < state.numActiveTasks,
                  "(0 <= TaskIndex) and (TaskIndex < ZQ_ProgressReportService_Manager::NumActiveTasks)");
  return state.activeTaskTable[TaskIndex];
}

long ZQ_ProgressReportService_Manager::GetNumActiveTasks() { return State().numActiveTasks; }
bool ZQ_ProgressReportService_Manager::IsDisplayed() { return State().isDisplayed; }

void ZQ_ProgressReportService_Manager::NoteTaskBegin(ZQ_ProgressReportService_Task* Task) {
  ManagerState& state = State();
  if (!state.isEnabled) return;
  if (state.numActiveTasks == 0) {
    StopDelayedErase();
    state.updateAlarm.Reset(state.initialDelayMs / 1000.0);
  }
  state.activeTaskTable[state.numActiveTasks++] = Task;
  if (state.updateAlarm.HasExpired()) Update();
}

void ZQ_ProgressReportService_Manager::NoteTaskEnd(ZQ_ProgressReportService_Task* Task,
                                                   ZQ_AssertionReporter Report) {
  ManagerState& state = State();
  if (!state.isEnabled) return;
  PROGRESS_CHECK(state.numActiveTasks > 0, "ZQ_ProgressReportService_Manager::NumActiveTasks > 0",
                 Report);
  // A task begun before the first hook was registered never entered the
  // table: its end is none of the table's business.
  const long index = IndexOf(Task);
  if (index < 0) return;
  PROGRESS_CHECK(index == state.numActiveTasks - 1,
                 "ZQ_ProgressReportService_Manager::ActiveTaskTable "
                 "[ZQ_ProgressReportService_Manager::NumActiveTasks - 1] == Task",
                 Report);
  RemoveFromTable(index);
  if (state.numActiveTasks > 0) {
    if (state.updateAlarm.HasExpired()) Update();
  } else if (state.isDisplayed) {
    if (kDelayedEraseDelayMs != 0) {
      if (!state.eraseTimer) state.eraseTimer = new DelayedEraseTimer;
    } else {
      DisplayErase();
    }
  }
}

void ZQ_ProgressReportService_Manager::Update() {
  ManagerState& state = State();
  PROGRESS_ASSERT(state.numActiveTasks > 0, "ZQ_ProgressReportService_Manager::NumActiveTasks > 0");
  state.updateAlarm.Reset(kUpdateIntervalMs / 1000.0);
  if (!state.isDisplayed) {
    state.isDisplayed = true;
    ForEachHook([](ZQ_ProgressReportService_DisplayHook* hook) { hook->Display(); });
  }
  ZQ_ProgressReportService_Manager manager;
  ForEachHook([&](ZQ_ProgressReportService_DisplayHook* hook) { hook->Update(manager); });
}

void ZQ_ProgressReportService_Manager::DisplayErase() {
  ManagerState& state = State();
  StopDelayedErase();
  if (!state.isDisplayed) return;
  state.isDisplayed = false;
  ForEachHook([](ZQ_ProgressReportService_DisplayHook* hook) { hook->Erase(); });
}

bool ZQ_ProgressReportService_CheckForUpdate() {
  ManagerState& state = State();
  if (state.isEnabled && state.numActiveTasks > 0 && state.updateAlarm.HasExpired())
    ZQ_ProgressReportService_Manager::Update();
  return state.isCancelRequested;
}

void ZQ_ProgressReportService_SetInitialDelay(double Seconds) {
  State().initialDelayMs = static_cast<long>(ZQ_Round(Seconds * 1000));
}

long ZQ_ProgressReportService_GetInitialDelayMs() { return State().initialDelayMs; }

void ZQ_ProgressReportService_RegisterSecondaryDisplayHook(ZQ_ProgressReportService_DisplayHook* Hook) {
  ZQ_TRACE_FUNCTION("ZQ_ProgressReportService_RegisterSecondaryDisplayHook");
  ManagerState& state = State();
  PROGRESS_ASSERT(state.numActiveTasks == 0, "ZQ_ProgressReportService_Manager::NumActiveTasks == 0");
  PROGRESS_ASSERT(state.numSecondaryHooks < ZQ_ProgressReportService_Manager::MaxNumSecondaryDisplayHooks,
                  "NumSecondaryDisplayHooks < MaxNumSecondaryDisplayHooks");
  // Past the assertion (modes that return) the hook is dropped: the table
  // is full.
  if (state.numSecondaryHooks >= ZQ_ProgressReportService_Manager::MaxNumSecondaryDisplayHooks) return;
  state.secondaryHooks[state.numSecondaryHooks++] = Hook;
  state.isEnabled = state.primaryHook != nullptr || state.numSecondaryHooks > 0;
}

void ZQ_ProgressReportService_InitializationServiceCallback(int Stage) {
  ZQ_TRACE_FUNCTION("ZQ_ProgressReportService_InitializationServiceCallback");
  if (Stage == ZQ_InitializationService::Stage_DeinitializeGlobal) StopDelayedErase();
}

void ZQ_ProgressReportService_ResetForTesting() {
  StopDelayedErase();
  ManagerState& state = State();
  state.numActiveTasks = 0;
  state.primaryHook = nullptr;
  state.numSecondaryHooks = 0;
  state.isEnabled = false;
  state.isDisplayed = false;
  state.updateAlarm.Reset(0.1);
  state.initialDelayMs = kDefaultInitialDelayMs;
  state.isCancelRequested = false;
}

void ZQ_ProgressReportService_SetCancelFlagForTesting(bool IsCancelRequested) {
  State().isCancelRequested = IsCancelRequested;
}

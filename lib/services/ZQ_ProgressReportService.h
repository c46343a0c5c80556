// ZQ_ProgressReportService.h: progress of long operations. An operation
// keeps a ZQ_ProgressReportService_Task on the stack and steps it; the
// manager keeps the stack of active tasks and, once a task has run longer
// than the initial delay, shows the progress through the registered display
// hooks, updates them at most every 100 ms and erases them 100 ms after the
// outermost task ends (through a ZQ_Timer, so only while messages are
// pumped). Without hooks nothing is recorded at all. The task operations
// return the cancel flag, which nothing sets yet. Misuse goes to the
// assertion service; nothing here throws but what a hook throws.
// UI thread only.
#ifndef ZQ_PROGRESSREPORTSERVICE_H
#define ZQ_PROGRESSREPORTSERVICE_H

#include "ZQ_Assertion.h"
#include "ZQ_String.h"

class ZQ_ProgressReportService_Manager;

// A display of progress, for instance the busy cursor. Hooks are not owned
// by the service and must outlive it.
class ZQ_ProgressReportService_DisplayHook {
 public:
  virtual void Display() = 0;
  virtual void Erase() = 0;
  // Reads the tasks through ZQ_ProgressReportService_Manager::GetActiveTask.
  virtual void Update(const ZQ_ProgressReportService_Manager& Manager) = 0;

 protected:
  ~ZQ_ProgressReportService_DisplayHook() = default;
};

class ZQ_ProgressReportService_Task {
 public:
  // Begins the task; Options are kept for the hooks.
  ZQ_ProgressReportService_Task(const ZQ_String& Description, long NumSteps, unsigned long Options = 0);
  // Ends it; tasks end in the reverse order of their beginning. Misuse, and
  // what a hook throws, is only logged here.
  ~ZQ_ProgressReportService_Task();
  ZQ_ProgressReportService_Task(const ZQ_ProgressReportService_Task&) = delete;
  ZQ_ProgressReportService_Task& operator=(const ZQ_ProgressReportService_Task&) = delete;

  // Each returns the cancel flag. SetNumSteps does not update the display.
  bool SetNumSteps(long N);
  bool SetCurrentStep(long N);
  bool Step() { return SetCurrentStep(CurrentStep + 1); }

  const ZQ_String& GetDescription() const { return Description; }
  long GetNumSteps() const { return NumSteps; }
  long GetCurrentStep() const { return CurrentStep; }
  unsigned long GetOptions() const { return Options; }
  // 1 for the program's first task, then counting up.
  long GetTaskNumber() const { return TaskNumber; }

 private:
  ZQ_String Description;
  long NumSteps;
  long CurrentStep = 0;
  unsigned long Options;
  long TaskNumber;
};

// Statics only.
class ZQ_ProgressReportService_Manager {
 public:
  static constexpr int MaxNumSecondaryDisplayHooks = 10;

  // A negative index gives the innermost task; else 0 is the outermost.
  static ZQ_ProgressReportService_Task* GetActiveTask(long TaskIndex);
  static long GetNumActiveTasks();
  static bool IsDisplayed();

  static void NoteTaskBegin(ZQ_ProgressReportService_Task* Task);
  // Takes Task off the stack. Misuse is reported through Report; a task
  // ended out of order leaves the stack all the same.
  static void NoteTaskEnd(ZQ_ProgressReportService_Task* Task,
                          ZQ_AssertionReporter Report = &ZQ_ReportAssertionFailure);
  // Shows (first time) and updates the display; a task must be active.
  static void Update();
  // Cancels a pending erase and erases a shown display.
  static void DisplayErase();
};

// Updates when the update interval has passed and a task is active;
// returns the cancel flag. For long loops without a task of their own.
bool ZQ_ProgressReportService_CheckForUpdate();
// The time a task runs before the first display (default 0.1 s), in seconds
// rounded to whole milliseconds.
void ZQ_ProgressReportService_SetInitialDelay(double Seconds);
long ZQ_ProgressReportService_GetInitialDelayMs();
// At most ten hooks, registered while no task is active.
void ZQ_ProgressReportService_RegisterSecondaryDisplayHook(ZQ_ProgressReportService_DisplayHook* Hook);
// Stops a pending erase at stage 10. Registered by this module.
void ZQ_ProgressReportService_InitializationServiceCallback(int Stage);

// Test support; the program never calls it. Forgets the hooks, the tasks
// and the display state, and restores the initial delay of 0.1 s.
void ZQ_ProgressReportService_ResetForTesting();
// Test support too: no command of the program sets the cancel flag yet, so
// tests set it to reach the paths that stop on a cancel. Reset clears it.
void ZQ_ProgressReportService_SetCancelFlagForTesting(bool IsCancelRequested);

#endif

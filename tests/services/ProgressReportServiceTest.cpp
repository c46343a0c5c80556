#include <gtest/gtest.h>

#include <string>

#include "../foundation/AssertionTestSupport.h"
#include "MessagePumpTestSupport.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_Exception.h"
#include "ZQ_InitializationService.h"
#include "ZQ_ProgressReportService.h"
#include "ZQ_Timer.h"

namespace {

// Writes what the service asks of it: D display, E erase, U<step>/<steps>
// of the innermost task and the number of active tasks.
class RecordingHook : public ZQ_ProgressReportService_DisplayHook {
 public:
  std::string log;
  void Display() override { log += "D "; }
  void Erase() override { log += "E "; }
  void Update(const ZQ_ProgressReportService_Manager&) override {
    const ZQ_ProgressReportService_Task* task = ZQ_ProgressReportService_Manager::GetActiveTask(-1);
    log += "U" + std::to_string(task->GetCurrentStep()) + "/" + std::to_string(task->GetNumSteps()) + "x" +
           std::to_string(ZQ_ProgressReportService_Manager::GetNumActiveTasks()) + " ";
  }
};

// Waits for the delayed erase; generous for a loaded machine, over as soon as it is done.
void PumpUntilErased() {
  PumpMessages([] { return !ZQ_ProgressReportService_Manager::IsDisplayed(); }, kPatienceMs);
}

class ProgressReportTest : public testing::Test {
 protected:
  void SetUp() override {
    ZQ_ProgressReportService_ResetForTesting();
    ZQ_Timer_InitializationServiceCallback(ZQ_InitializationService::Stage_InitializeTranslationUnit);
  }
  void TearDown() override {
    ZQ_ProgressReportService_ResetForTesting();
    ZQ_Timer_InitializationServiceCallback(ZQ_InitializationService::Stage_DeinitializeTranslationUnit);
  }
  RecordingHook hook;
};

}  // namespace

TEST_F(ProgressReportTest, WithoutHooksNothingIsRecorded) {
  {
    ZQ_ProgressReportService_Task task("Parsing", 3);
    EXPECT_FALSE(task.Step());
    EXPECT_EQ(ZQ_ProgressReportService_Manager::GetNumActiveTasks(), 0);
    EXPECT_FALSE(ZQ_ProgressReportService_CheckForUpdate());
  }
  EXPECT_FALSE(ZQ_ProgressReportService_Manager::IsDisplayed());
}

TEST_F(ProgressReportTest, TaskEndingWithinTheInitialDelayIsNeverDisplayed) {
  ZQ_ProgressReportService_RegisterSecondaryDisplayHook(&hook);
  ZQ_ProgressReportService_SetInitialDelay(10);
  {
    ZQ_ProgressReportService_Task task("Loading", 2);
    task.Step();
    task.Step();
  }
  EXPECT_EQ(hook.log, "");
}

TEST_F(ProgressReportTest, NestedTasksShareOneDisplayErasedAfterTheOuterEnds) {
  ZQ_ProgressReportService_RegisterSecondaryDisplayHook(&hook);
  ZQ_ProgressReportService_SetInitialDelay(0);
  auto* outer = new ZQ_ProgressReportService_Task("Export", 5);
  EXPECT_EQ(hook.log, "D U0/5x1 ");
  auto* inner = new ZQ_ProgressReportService_Task("Image", 2);
  inner->Step();  // within the update interval: no update
  EXPECT_EQ(hook.log, "D U0/5x1 ");
  EXPECT_EQ(ZQ_ProgressReportService_Manager::GetActiveTask(0), outer);
  EXPECT_EQ(inner->GetTaskNumber(), outer->GetTaskNumber() + 1);
  ZQ_ProgressReportService_Manager::Update();
  EXPECT_EQ(hook.log, "D U0/5x1 U1/2x2 ");
  delete inner;
  delete outer;
  EXPECT_TRUE(ZQ_ProgressReportService_Manager::IsDisplayed());
  EXPECT_EQ(hook.log, "D U0/5x1 U1/2x2 ");  // the erase waits for the timer
  PumpUntilErased();
  EXPECT_EQ(hook.log, "D U0/5x1 U1/2x2 E ");
  EXPECT_FALSE(ZQ_ProgressReportService_Manager::IsDisplayed());
}

TEST_F(ProgressReportTest, NewTaskWithinTheEraseDelayKeepsTheDisplay) {
  ZQ_ProgressReportService_RegisterSecondaryDisplayHook(&hook);
  ZQ_ProgressReportService_SetInitialDelay(0);
  { ZQ_ProgressReportService_Task first("One", 1); }
  { ZQ_ProgressReportService_Task second("Two", 1); }
  PumpUntilErased();
  EXPECT_EQ(hook.log, "D U0/1x1 U0/1x1 E ");
}

TEST_F(ProgressReportTest, EndingTheOuterTaskFirstFails) {
  ZQ_ProgressReportService_RegisterSecondaryDisplayHook(&hook);
  auto* outer = new ZQ_ProgressReportService_Task("Outer", 1);
  auto* inner = new ZQ_ProgressReportService_Task("Inner", 1);
  const std::string failure =
      AssertionFailureOf([&] { ZQ_ProgressReportService_Manager::NoteTaskEnd(outer); });
  EXPECT_EQ(failure.rfind("Assertion failed: ZQ_ProgressReportService_Manager::ActiveTaskTable "
                          "[ZQ_ProgressReportService_Manager::NumActiveTasks - 1] == Task, file "
                          "\"ZQ_ProgressReportService\"",
                          0),
            0u)
      << failure;
  delete inner;
  delete outer;
  EXPECT_EQ(ZQ_ProgressReportService_Manager::GetNumActiveTasks(), 0);
}

// In the tests' assertion mode 3 a throwing check here would end the program.
TEST_F(ProgressReportTest, ATaskDestroyedOutOfOrderIsLoggedAndLeavesTheStack) {
  ZQ_ProgressReportService_RegisterSecondaryDisplayHook(&hook);
  auto* outer = new ZQ_ProgressReportService_Task("Outer", 1);
  auto* inner = new ZQ_ProgressReportService_Task("Inner", 1);
  {
    CapturedAssertionLog log;
    delete outer;
    EXPECT_NE(log.Text().find("[ZQ_ProgressReportService_Manager::NumActiveTasks - 1] == Task"),
              std::string::npos)
        << log.Text();
  }
  EXPECT_EQ(ZQ_ProgressReportService_Manager::GetNumActiveTasks(), 1);
  EXPECT_EQ(ZQ_ProgressReportService_Manager::GetActiveTask(-1), inner);
  delete inner;
  EXPECT_EQ(ZQ_ProgressReportService_Manager::GetNumActiveTasks(), 0);
}

TEST_F(ProgressReportTest, HookRegistrationLimits) {
  RecordingHook hooks[11];
  for (int i = 0; i < 10; ++i) ZQ_ProgressReportService_RegisterSecondaryDisplayHook(&hooks[i]);
  std::string failure =
      AssertionFailureOf([&] { ZQ_ProgressReportService_RegisterSecondaryDisplayHook(&hooks[10]); });
  EXPECT_EQ(failure.rfind("Assertion failed: NumSecondaryDisplayHooks < MaxNumSecondaryDisplayHooks,", 0), 0u)
      << failure;

  ZQ_ProgressReportService_ResetForTesting();
  ZQ_ProgressReportService_RegisterSecondaryDisplayHook(&hooks[0]);
  ZQ_ProgressReportService_Task task("Busy", 1);
  failure = AssertionFailureOf([&] { ZQ_ProgressReportService_RegisterSecondaryDisplayHook(&hooks[1]); });
  EXPECT_EQ(failure.rfind("Assertion failed: ZQ_ProgressReportService_Manager::NumActiveTasks == 0,", 0), 0u)
      << failure;
}

TEST_F(ProgressReportTest, InitialDelayRoundsToWholeMilliseconds) {
  const struct { double seconds; long wantMs; } kCases[] = {{0.5, 500}, {0.0005, 0}, {0.25, 250}, {2.0, 2000}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.seconds);
    ZQ_ProgressReportService_SetInitialDelay(c.seconds);
    EXPECT_EQ(ZQ_ProgressReportService_GetInitialDelayMs(), c.wantMs);
  }
}

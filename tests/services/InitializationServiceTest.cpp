#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "../foundation/AssertionTestSupport.h"
#include "StageTestSupport.h"
#include "ZQ_Assertion.h"
#include "ZQ_CommandLine.h"
#include "ZQ_InitializationService.h"
#include "ZQ_StackTrace.h"

namespace {

using Service = ZQ_InitializationService;

// What the callbacks of this file saw, while a test records.
struct Call {
  int stage;
  std::string who;
  int executing;
  int completed;
  int started;
  std::string traceNote;  // the note on top of the trace stack
  bool operator==(const Call& o) const {
    return stage == o.stage && who == o.who && executing == o.executing &&
           completed == o.completed && started == o.started && traceNote == o.traceNote;
  }
};
bool s_recording = false;
std::vector<Call> s_calls;
int s_throwAtStage = 0;  // the callback "late" throws at this stage

// Read by the probes on either side of the command-line callback, when a
// test has made it.
ZQ_SimpleFlagCommandLineElement* s_probeFlag = nullptr;
bool s_flagSeenBeforeCommandLine = true;
bool s_flagSeenAfterCommandLine = false;

void Record(int Stage, const char* Who) {
  if (!s_recording) return;
  const ZQ_StackTraceEntry& top = *ZQ_StackTrace_Top;
  const std::string note =
      top.Kind == -3 ? reinterpret_cast<const char*>(top.Value) : std::string("(none)");
  s_calls.push_back({Stage, Who, Service::GetStageCurrentlyExecuting(),
                     Service::GetMostRecentStageCompleted(), Service::GetMostRecentStageStarted(),
                     note});
}

void FirstOfApplication(int Stage) { Record(Stage, "application 1"); }
void SecondOfApplication(int Stage) { Record(Stage, "application 2"); }
void Late(int Stage) {
  Record(Stage, "late");
  if (s_recording && Stage == s_throwAtStage) throw ZQ_Exception("late", "thrown on purpose");
}
void AtTimingTestPlace(int Stage) {
  Record(Stage, "timing test place");
  if (Stage == 1 && s_probeFlag) s_flagSeenBeforeCommandLine = s_probeFlag->GetValue();
}
void AtProgressReportPlace(int Stage) {
  Record(Stage, "progress report place");
  if (Stage == 1 && s_probeFlag) s_flagSeenAfterCommandLine = s_probeFlag->GetValue();
}

// Registered in an order that differs from the places they ask for.
struct Registrar {
  Registrar(Service::Callback Function, int Position) {
    Service::RegisterCallback(Function, Position);
  }
};
const Registrar s_first(&FirstOfApplication, Service::Position_Application);
const Registrar s_timing(&AtTimingTestPlace, Service::Position_TimingTest);
const Registrar s_second(&SecondOfApplication, Service::Position_Application);
const Registrar s_progress(&AtProgressReportPlace, Service::Position_ProgressReportService);
const Registrar s_late(&Late, Service::Position_Application);

class InitializationService : public StageSequenceTest {
 protected:
  void SetUp() override {
    StageSequenceTest::SetUp();
    s_calls.clear();
    s_recording = true;
    s_throwAtStage = 0;
  }
  void TearDown() override {
    s_recording = false;
    StageSequenceTest::TearDown();
  }
  std::vector<Call> CallsAt(int Stage) const {
    std::vector<Call> calls;
    for (const Call& c : s_calls)
      if (c.stage == Stage) calls.push_back(c);
    return calls;
  }
};

TEST_F(InitializationService, EveryStageCallsEveryCallbackOnceInPlaceOrder) {
  const char* const kNames[] = {
      "Initialize Definition",      "Initialize Translation Unit", "Initialize Package",
      "Initialize Global",          "Initialize Main Window",      "Initialize Interactive",
      "Initialize Complete",        "Deinitialize Interactive",    "Deinitialize Main Window",
      "Deinitialize Global",        "Deinitialize Package",        "Deinitialize Translation Unit",
      "Deinitialize Definition"};
  ASSERT_EQ(RunStages().failedStage, 0);
  const char* const kOrder[] = {"timing test place", "progress report place", "application 1",
                                "application 2", "late"};
  ASSERT_EQ(s_calls.size(), 13u * 5u);
  for (int stage = 1; stage <= 13; ++stage) {
    SCOPED_TRACE(stage);
    EXPECT_STREQ(Service::GetStageName(stage), kNames[stage - 1]);
    const std::vector<Call> calls = CallsAt(stage);
    ASSERT_EQ(calls.size(), 5u);
    for (size_t i = 0; i < calls.size(); ++i) {
      EXPECT_EQ(calls[i].who, kOrder[i]);
      // While a stage runs it is the one executing and started; the one
      // before it is the last completed. Its name labels the trace stack.
      EXPECT_EQ(calls[i].executing, stage);
      EXPECT_EQ(calls[i].started, stage);
      EXPECT_EQ(calls[i].completed, stage - 1);
      EXPECT_EQ(calls[i].traceNote, kNames[stage - 1]);
    }
  }
  // Stages ran in number order: the calls came stage by stage.
  for (size_t i = 1; i < s_calls.size(); ++i) EXPECT_LE(s_calls[i - 1].stage, s_calls[i].stage);
}

TEST_F(InitializationService, BetweenStagesNothingExecutesAndTheLastStageCounts) {
  EXPECT_EQ(Service::GetMostRecentStageStarted(), 0);
  EXPECT_EQ(Service::GetMostRecentStageCompleted(), 0);
  EnterProgramModes();
  for (int stage = 1; stage <= 13; ++stage) {
    SCOPED_TRACE(stage);
    Service::PerformStage(stage);
    EXPECT_EQ(Service::GetStageCurrentlyExecuting(), 0);
    EXPECT_EQ(Service::GetMostRecentStageCompleted(), stage);
    EXPECT_EQ(Service::GetMostRecentStageStarted(), stage);
  }
}

TEST_F(InitializationService, TheCommandLineIsParsedBeforeOtherStageOneWork) {
  ZQ_SimpleFlagCommandLineElement probeFlag("StageProbeFlag", false);
  s_probeFlag = &probeFlag;
  s_flagSeenBeforeCommandLine = true;
  s_flagSeenAfterCommandLine = false;
  const StageRun run = RunStagesWithCommandLine("prog -StageProbeFlag");
  s_probeFlag = nullptr;
  ASSERT_EQ(run.failedStage, 0);
  EXPECT_FALSE(s_flagSeenBeforeCommandLine);  // the first place runs before it
  EXPECT_TRUE(s_flagSeenAfterCommandLine);    // the third place already sees it
}

TEST_F(InitializationService, StagesRunOnlyInNumberOrderAndOnce) {
  const std::string kFile = "ZQ_InitializationService";
  const struct { std::vector<int> before; int stage; const char* condition; const char* why; }
      kCases[] = {
          {{}, 2, "StagePerformed [i]", "stage 2 before stage 1"},
          {{1, 2, 3, 4, 5, 6, 7}, 10, "StagePerformed [i]", "stages 8 and 9 skipped"},
          {{1, 2, 3}, 3, "not StagePerformed [i]", "stage 3 twice"},
          {{1, 2, 3}, 2, "not StagePerformed [i]", "going back to stage 2"},
          {{}, 0, "false", "no stage 0"},
          {{}, -1, "false", "no negative stage"},
          {{}, 14, "false", "no stage after 13"},
      };
  EnterProgramModes();
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Service::ResetForTesting();
    for (int stage : c.before) Service::PerformStage(stage);
    const std::string failure = FailureOf([&] { Service::PerformStage(c.stage); });
    EXPECT_TRUE(StartsWith(failure, AssertionMessage(c.condition, kFile))) << failure;
  }
}

TEST_F(InitializationService, AStageOutsideTheRangeChangesNothingWhenIgnored) {
  {
    IgnoringAssertions ignoring;
    for (int stage : {14, 0, -5, 1000}) Service::PerformStage(stage);
  }
  EXPECT_TRUE(s_calls.empty());
  EXPECT_EQ(Service::GetMostRecentStageStarted(), 0);
  EXPECT_EQ(Service::GetMostRecentStageCompleted(), 0);
  ASSERT_EQ(RunStages().failedStage, 0);  // stage 1 is still to come
  EXPECT_EQ(s_calls.size(), 13u * 5u);
}

TEST_F(InitializationService, ACallbackThatThrowsEndsItsStageWithoutCompletingIt) {
  s_throwAtStage = 4;
  RunStages(1, 3);
  s_calls.clear();
  EXPECT_EQ(FailureOf([] { Service::PerformStage(4); }), "late");
  EXPECT_EQ(Service::GetMostRecentStageCompleted(), 3);
  EXPECT_EQ(Service::GetMostRecentStageStarted(), 4);
  EXPECT_EQ(Service::GetStageCurrentlyExecuting(), 0);
  // The stage counts as performed: it cannot be tried again.
  EXPECT_TRUE(StartsWith(FailureOf([] { Service::PerformStage(4); }),
                         AssertionMessage("not StagePerformed [i]", "ZQ_InitializationService")));
  s_throwAtStage = 0;
  EXPECT_EQ(RunStages(5, 13).failedStage, 0);
}

TEST_F(InitializationService, CallbacksAfterTheOneThatThrowsAreNotCalled) {
  // "late" is last, so make an earlier callback throw through the command
  // line instead: stage 7 reports the stray token before the probes run.
  EXPECT_EQ(RunStagesWithCommandLine("prog stray").failedStage, 7);
  std::vector<Call> calls = CallsAt(7);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].who, "timing test place");
}

TEST_F(InitializationService, AFailedStageEightCanBeTriedAgain) {
  RunStages(1, 7);
  s_throwAtStage = 8;
  EXPECT_EQ(FailureOf([] { Service::PerformStage(8); }), "late");
  EXPECT_EQ(Service::GetMostRecentStageStarted(), 7);
  EXPECT_EQ(Service::GetMostRecentStageCompleted(), 7);
  EXPECT_EQ(Service::GetStageCurrentlyExecuting(), 0);
  s_throwAtStage = 0;
  s_calls.clear();
  EXPECT_EQ(RunStages(8, 13).failedStage, 0);
  EXPECT_EQ(CallsAt(8).size(), 5u);
  EXPECT_EQ(CallsAt(13).size(), 5u);
}

int s_registeredDuringStage = 0;
void RegisteredDuringStage(int Stage) {
  if (s_recording) Record(Stage, "registered during stage");
}
void RegistersAnotherAtStage3(int Stage) {
  if (Stage == 3 && s_registeredDuringStage++ == 0)
    Service::RegisterCallback(&RegisteredDuringStage, Service::Position_TimingTest);
}

TEST_F(InitializationService, ACallbackRegisteredDuringAStageRunsInThatStageAtTheEnd) {
  const int numCallbacks = Service::GetNumCallbacks();
  s_registeredDuringStage = 0;
  Service::RegisterCallback(&RegistersAnotherAtStage3);
  const StageRun run = RunStages(1, 4);
  const int numDuring = Service::GetNumCallbacks();
  Service::ResetForTesting(numCallbacks);
  ASSERT_EQ(run.failedStage, 0);
  EXPECT_EQ(numDuring, numCallbacks + 2);
  // Its early place does not move it ahead of callbacks already called.
  for (int stage : {3, 4}) {
    SCOPED_TRACE(stage);
    const std::vector<Call> calls = CallsAt(stage);
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls.back().who, "registered during stage");
  }
  EXPECT_EQ(CallsAt(2).size(), 5u);
}

void DoesNothing(int) {}

TEST_F(InitializationService, TheTableHoldsSixtyFourCallbacks) {
  const int numCallbacks = Service::GetNumCallbacks();
  ASSERT_LT(numCallbacks, Service::MaxNumCallbacks);
  std::string failure;
  while (Service::GetNumCallbacks() < Service::MaxNumCallbacks && failure.empty())
    failure = FailureOf([] { Service::RegisterCallback(&DoesNothing); });
  EXPECT_EQ(failure, "");  // the 64th registration succeeds
  failure = FailureOf([] { Service::RegisterCallback(&DoesNothing); });
  const int numAfter = Service::GetNumCallbacks();
  Service::ResetForTesting(numCallbacks);
  EXPECT_TRUE(StartsWith(failure, AssertionMessage("NumCallbacks < MaxNumCallbacks",
                                                   "ZQ_InitializationService")))
      << failure;
  EXPECT_EQ(numAfter, Service::MaxNumCallbacks);
}

}  // namespace

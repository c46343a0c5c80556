#include <gtest/gtest.h>

#include <string>

#include "GuiStageTestSupport.h"
#include "ZQF_ActionQueue.h"
#include "ZQF_ApplicationLink.h"

namespace {

std::string s_performed;

// An action that writes its letter to s_performed.
class LetterAction : public ZQF_QueuedActionReference {
 public:
  explicit LetterAction(char Letter) : Letter(Letter) {}
  void Perform() override {
    s_performed += Letter;
    if (Letter == '!') throw ZQ_Exception("Action", "failed");
  }

 private:
  char Letter;
};

ZQF_QueuedAction Letter(char C) { return ZQF_QueuedAction(new LetterAction(C)); }

// Runs actions until the cycle ends (at most Limit calls).
int RunCycle(int Limit = 20) {
  int calls = 0;
  while (calls < Limit && ZQF_ActionQueue::ProcessNextAction()) ++calls;
  return calls;
}

class ActionQueue : public GuiStageTest {
 protected:
  void SetUp() override {
    GuiStageTest::SetUp();
    s_performed.clear();
  }
};

TEST_F(ActionQueue, NothingRunsBeforeTheFirstWindowMessage) {
  ZQF_ActionQueue::QueueOnetimeAction(Letter('a'), 0, true);
  EXPECT_FALSE(ZQF_ActionQueue::ProcessNextAction());
  EXPECT_EQ(s_performed, "");
}

TEST_F(ActionQueue, SentinelsAloneMakeTwoIdleRepeats) {
  ZQF_ActionQueue::ResetIdleCycle();
  EXPECT_EQ(RunCycle(), 2);
  EXPECT_EQ(ZQF_ActionQueue::GetNumEntries(), 2);
}

TEST_F(ActionQueue, FrontQueuedActionRunsNext) {
  ZQF_ActionQueue::QueueRepeatingAction(Letter('r'), 0, true);
  ZQF_ActionQueue::ResetIdleCycle();
  ASSERT_TRUE(ZQF_ActionQueue::ProcessNextAction());  // the first sentinel
  ZQF_ActionQueue::QueueOnetimeAction(Letter('o'), 0, false);
  ASSERT_TRUE(ZQF_ActionQueue::ProcessNextAction());
  EXPECT_EQ(s_performed, "o");
  EXPECT_EQ(RunCycle(), 2);  // the second sentinel and the repeating action
  EXPECT_EQ(s_performed, "or");
  ZQF_ActionQueue::ResetIdleCycle();
  RunCycle();
  EXPECT_EQ(s_performed, "orr");
}

TEST_F(ActionQueue, RemovedActionsAreDroppedUnperformed) {
  const ZQF_QueuedAction action = Letter('x');
  const unsigned long key = ZQF_ActionQueue::QueueOnetimeAction(action, 0, false);
  ZQF_ActionQueue::QueueRepeatingAction(action, key, true);
  ZQF_ActionQueue::QueueOnetimeAction(Letter('y'), 9, true);
  EXPECT_EQ(action.GetReferenceCount(), 3);
  ZQF_ActionQueue::RemoveAllActions(key);
  ZQF_ActionQueue::ResetIdleCycle();
  RunCycle();
  EXPECT_EQ(s_performed, "y");
  EXPECT_EQ(action.GetReferenceCount(), 1);  // both entries freed
  EXPECT_EQ(ZQF_ActionQueue::GetNumEntries(), 2);
}

TEST_F(ActionQueue, ThrowingOnetimeActionIsFreedToo) {
  const ZQF_QueuedAction failing = Letter('!');
  ZQF_ActionQueue::QueueOnetimeAction(failing, 0, false);
  ZQF_ActionQueue::ResetIdleCycle();
  EXPECT_EQ(ExceptionNameOf([] { ZQF_ActionQueue::ProcessNextAction(); }), "Action");
  EXPECT_EQ(failing.GetReferenceCount(), 1);
  EXPECT_EQ(ZQF_ActionQueue::GetNumEntries(), 2);
}

int s_callbacks = 0;
void CountCallback() { ++s_callbacks; }

TEST_F(ActionQueue, CallbacksAreWrappedAsActions) {
  s_callbacks = 0;
  const unsigned long key =
      ZQF_ActionQueue::QueueRepeatingAction(ZQ_Functor0(&CountCallback), 0, true);
  ZQF_ActionQueue::ResetIdleCycle();
  RunCycle();
  ZQF_ActionQueue::RemoveAllActions(key);
  ZQF_ActionQueue::ResetIdleCycle();
  RunCycle();
  EXPECT_EQ(s_callbacks, 1);
}

void PopLoop() { ZQF_ApplicationLink_PopMessageLoop(); }
int s_innerLoops = 0;
void RunInnerLoop() {
  ++s_innerLoops;
  ZQF_ActionQueue::QueueOnetimeAction(ZQ_Functor0(&PopLoop), 0, false);
  ZQF_ApplicationLink_PushMessageLoop();
  ZQF_ActionQueue::QueueOnetimeAction(ZQ_Functor0(&PopLoop), 0, false);
}

TEST_F(ActionQueue, DefaultNestedLoopsEndWhenPopped) {
  s_innerLoops = 0;
  ZQF_ActionQueue::QueueOnetimeAction(ZQ_Functor0(&RunInnerLoop), 0, false);
  ZQF_ActionQueue::ResetIdleCycle();
  EXPECT_TRUE(ZQF_ApplicationLink_PushMessageLoop());
  EXPECT_EQ(s_innerLoops, 1);
  EXPECT_TRUE(FailedOn(AssertionFailureOf(&PopLoop), "NumberMessageLoopsActive > 0"));
}

void QuitLoop() { ::PostQuitMessage(4); }
int s_idleRuns = 0;
void CountIdleRun() { ++s_idleRuns; }

TEST_F(ActionQueue, DefaultLoopAndYieldHandAQuitOnWithItsCode) {
  ZQF_ActionQueue::QueueOnetimeAction(ZQ_Functor0(&QuitLoop), 0, false);
  ZQF_ActionQueue::ResetIdleCycle();
  EXPECT_FALSE(ZQF_ApplicationLink_PushMessageLoop());
  s_idleRuns = 0;
  ZQF_ActionQueue::QueueOnetimeAction(ZQ_Functor0(&CountIdleRun), 0, false);
  // The quit waits again, ahead of the idle actions; the yield meets it.
  EXPECT_FALSE(ZQF_ApplicationLink_YieldToMessageLoop(nullptr));
  EXPECT_EQ(s_idleRuns, 0);
  MSG message;
  ASSERT_TRUE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 4u);
  // With nothing waiting, the idle actions run.
  EXPECT_TRUE(ZQF_ApplicationLink_YieldToMessageLoop(nullptr));
  EXPECT_EQ(s_idleRuns, 1);
}

}  // namespace

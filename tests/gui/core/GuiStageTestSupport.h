// GuiStageTestSupport.h: a fixture that runs initialization stages 1 to 7
// before each test and 8 to 13 after it, as the program would around its
// run, so that the hook lists and the idle action queue exist; and a pump
// of one idle cycle's actions.
#ifndef GUI_STAGE_TEST_SUPPORT_H
#define GUI_STAGE_TEST_SUPPORT_H

#include "../../services/StageTestSupport.h"
#include "ZQF_ActionQueue.h"

class GuiStageTest : public StageSequenceTest {
 protected:
  void SetUp() override {
    StageSequenceTest::SetUp();
    ASSERT_EQ(RunStages(1, 7).failedStage, 0);
  }
  void TearDown() override {
    RunStages(8, 13);
    StageSequenceTest::TearDown();
  }
};

// Runs the idle actions queued, as one idle cycle of the message loop would.
inline void RunIdleActions() {
  ZQF_ActionQueue::ResetIdleCycle();
  while (ZQF_ActionQueue::ProcessNextAction()) {
  }
}

#endif

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppFrameTestSupport.h"
#include "ZQF_ActionQueue.h"
#include "ZQF_DragOperation.h"
#include "ZQF_MessageHook.h"
#include "ZQ_Functor.h"

namespace {

ZQF_Application* s_app = nullptr;
std::vector<std::string> s_events;
long s_deepest = 0;
bool s_quitAtDeepest = false;

void RunFirst(void (*Action)()) { ZQF_ActionQueue::QueueOnetimeAction(ZQ_Functor0(Action), 0, false); }
// A message for no window: dispatching it does nothing, but a loop has then
// dispatched a message.
void PostNothing() { ::PostThreadMessageA(::GetCurrentThreadId(), WM_USER + 7, 0, 0); }

void CALLBACK RecordTimer(HWND, UINT, UINT_PTR Id, DWORD) {
  ::KillTimer(nullptr, Id);
  s_events.push_back("timer");
}
void CALLBACK PopOnTimer(HWND, UINT, UINT_PTR Id, DWORD) {
  ::KillTimer(nullptr, Id);
  s_events.push_back("timeout");
  s_app->PopMessageLoop();
}

// Runs at every depth from 1 down to s_deepest: each level opens the next
// one from an idle action and records how it ended.
void Nest() {
  const long depth = s_app->GetNumberMessageLoopsActive();
  if (depth == 1) s_app->PopMessageLoop();  // must survive the growth below
  if (depth < s_deepest) {
    RunFirst(&Nest);
    const bool popped = s_app->PushMessageLoop();
    s_events.push_back(std::to_string(depth + 1) + (popped ? " popped" : " quit"));
    if (depth > 1 && popped) s_app->PopMessageLoop();
    if (popped) PostNothing();
  } else if (s_quitAtDeepest) {
    ::PostQuitMessage(7);
  } else {
    s_app->PopMessageLoop();
    PostNothing();
  }
}

class MessageLoopTest : public AppFrameTest {
 protected:
  void SetUp() override {
    AppFrameTest::SetUp();
    s_app = app.get();
    s_events.clear();
    ZQF_ActionQueue::ResetIdleCycle();
  }
  void TearDown() override {
    s_app = nullptr;
    AppFrameTest::TearDown();
  }
  // The outermost loop, as the main loop; a timer ends it should a test's
  // own ending fail.
  bool RunOuterLoop() {
    const UINT_PTR guard = ::SetTimer(nullptr, 0, 3000, &PopOnTimer);
    const bool popped = app->PushMessageLoop();
    ::KillTimer(nullptr, guard);
    return popped;
  }
};

TEST_F(MessageLoopTest, DeepNestingGrowsTheFlagsAndKeepsTheOuterLoopsRequest) {
  s_deepest = 9;  // beyond the first sizes of the flag array
  s_quitAtDeepest = false;
  RunFirst(&Nest);
  EXPECT_TRUE(RunOuterLoop());
  const std::vector<std::string> expected = {"9 popped", "8 popped", "7 popped", "6 popped",
                                             "5 popped", "4 popped", "3 popped", "2 popped"};
  EXPECT_EQ(s_events, expected);  // no "timeout": the outermost request held
  EXPECT_EQ(app->GetNumberMessageLoopsActive(), 0);
}

TEST_F(MessageLoopTest, QuitAtDepthThreeEndsEveryLoop) {
  s_deepest = 3;
  s_quitAtDeepest = true;
  RunFirst(&Nest);
  EXPECT_FALSE(RunOuterLoop());
  EXPECT_EQ(s_events, (std::vector<std::string>{"3 quit", "2 quit"}));
  // The outermost loop took the quit for good.
  MSG message;
  EXPECT_FALSE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

void PopFromIdle() {
  s_app->PopMessageLoop();
  ::SetTimer(nullptr, 0, 50, &RecordTimer);
}

TEST_F(MessageLoopTest, APopFromAnIdleActionWaitsForTheNextMessage) {
  RunFirst(&PopFromIdle);
  EXPECT_TRUE(RunOuterLoop());
  EXPECT_EQ(s_events, std::vector<std::string>{"timer"});
}

HWND s_window = nullptr;
int s_repeats = 0;
void CountAndPost() {
  if (++s_repeats <= 3) ::PostMessageA(s_window, WM_NULL, 0, 0);
}

TEST_F(MessageLoopTest, RepeatingActionsRunOncePerWindowMessageThenTheLoopWaits) {
  s_window = OpenAround(new RecordingGlyph("c", nullptr))->GetWindowHandle();
  s_repeats = 0;
  int key = 0;
  ZQF_ActionQueue::QueueRepeatingAction(ZQ_Functor0(&CountAndPost), reinterpret_cast<long>(&key),
                                        true);
  ZQF_ActionQueue::ResetIdleCycle();
  ::SetTimer(nullptr, 0, 300, &PopOnTimer);
  EXPECT_TRUE(app->PushMessageLoop());
  ZQF_ActionQueue::RemoveAllActions(reinterpret_cast<long>(&key));
  // Once for the cycle begun before the loop, once per message; then the
  // loop slept until the timer.
  EXPECT_EQ(s_repeats, 4);
  EXPECT_EQ(s_events, std::vector<std::string>{"timeout"});
}

// A drag whose finish callback records that it ran.
class RecordingDrag : public ZQF_DragOperation {
 public:
  using ZQF_DragOperation::ZQF_DragOperation;
  void PerformFinishDragCallback(bool) override { s_events.push_back("finished"); }
};
ZQF_Glyph* s_dragGlyph = nullptr;

void DragMeetingAQuit() {
  RecordingDrag drag(s_dragGlyph);
  ::PostQuitMessage(5);
  const bool ended = ZQF_PerformDraggingOperation(drag);
  s_events.push_back(ended ? "drag ended" : "drag quit");
  if (ZQF_Window::GetCapturingGlyph() || ZQF_AreRawHooksInstalled() ||
      ZQF_GetCurrentDragOperation()) {
    s_events.push_back("left behind");
  }
}

TEST_F(MessageLoopTest, QuitDuringADragAbandonsItAndEndsTheOuterLoop) {
  s_dragGlyph = new RecordingGlyph("c", nullptr);
  OpenAround(s_dragGlyph);
  RunFirst(&DragMeetingAQuit);
  EXPECT_FALSE(RunOuterLoop());
  EXPECT_EQ(s_events, std::vector<std::string>{"drag quit"});
}

void CountIdle() { ++s_repeats; }

TEST_F(MessageLoopTest, YieldRunsIdleActionsAndHandsAQuitOn) {
  s_repeats = 0;
  RunFirst(&CountIdle);
  EXPECT_TRUE(app->YieldToMessageLoop(nullptr));
  EXPECT_EQ(s_repeats, 1);

  PostNothing();
  ::PostQuitMessage(9);
  EXPECT_FALSE(app->YieldToMessageLoop(nullptr));
  MSG message;
  ASSERT_TRUE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 9u);
}

TEST_F(MessageLoopTest, PopWithoutALoopFailsItsAssertion) {
  EXPECT_TRUE(FailedOn(FailureOf([&] { app->PopMessageLoop(); }), "NumberMessageLoopsActive > 0"));
}

}  // namespace

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
int s_count = 0;

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

// Opens loops from idle actions down to depth s_deepest, where it posts a
// quit or pops; records how each nested loop ended. Depth 1 asks to end
// before the nesting grows the flag array.
void Nest() {
  const long depth = s_app->GetNumberMessageLoopsActive();
  if (depth == 1) s_app->PopMessageLoop();
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
    s_count = 0;
    ZQF_ActionQueue::ResetIdleCycle();
  }
  // The outermost loop; a timer ends it should a test's own ending fail.
  bool RunOuterLoop(UINT TimeoutMs = 3000) {
    const UINT_PTR guard = ::SetTimer(nullptr, 0, TimeoutMs, &PopOnTimer);
    const bool popped = app->PushMessageLoop();
    ::KillTimer(nullptr, guard);
    return popped;
  }
};

TEST_F(MessageLoopTest, NestedLoopsEndOnTheirFlagOrAllOnAQuit) {
  const struct {
    long deepest;
    bool quit;
    bool outerPopped;
    std::vector<std::string> events;
  } kCases[] = {
      // Beyond the flag array's first sizes; the outermost request held.
      {9, false, true, {"9 popped", "8 popped", "7 popped", "6 popped", "5 popped", "4 popped",
                        "3 popped", "2 popped"}},
      {3, true, false, {"3 quit", "2 quit"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.deepest);
    s_events.clear();
    s_deepest = c.deepest;
    s_quitAtDeepest = c.quit;
    RunFirst(&Nest);
    EXPECT_EQ(RunOuterLoop(), c.outerPopped);
    EXPECT_EQ(s_events, c.events);
    EXPECT_EQ(app->GetNumberMessageLoopsActive(), 0);
    MSG message;  // the outermost loop took the quit for good
    EXPECT_FALSE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  }
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
void CountAndPost() {
  if (++s_count <= 3) ::PostMessageA(s_window, WM_NULL, 0, 0);
}

TEST_F(MessageLoopTest, RepeatingActionsRunOncePerWindowMessageThenTheLoopWaits) {
  s_window = OpenAround(new RecordingGlyph("c", nullptr))->GetWindowHandle();
  const long key = ZQF_ActionQueue::QueueRepeatingAction(ZQ_Functor0(&CountAndPost), 0, true);
  ZQF_ActionQueue::ResetIdleCycle();
  EXPECT_TRUE(RunOuterLoop(300));
  ZQF_ActionQueue::RemoveAllActions(key);
  // Once for the cycle begun before the loop, once per message; then the
  // loop slept until the timer.
  EXPECT_EQ(s_count, 4);
  EXPECT_EQ(s_events, std::vector<std::string>{"timeout"});
}

class RecordingDrag : public ZQF_DragOperation {
 public:
  using ZQF_DragOperation::ZQF_DragOperation;
  void PerformFinishDragCallback(bool) override { s_events.push_back("finished"); }
};
ZQF_Glyph* s_dragGlyph = nullptr;

void DragMeetingAQuit() {
  RecordingDrag drag(s_dragGlyph);
  ::PostQuitMessage(5);
  s_events.push_back(ZQF_PerformDraggingOperation(drag) ? "drag ended" : "drag quit");
  if (ZQF_Window::GetCapturingGlyph() || ZQF_AreRawHooksInstalled() || ZQF_GetCurrentDragOperation()) {
    s_events.push_back("left behind");
  }
}

TEST_F(MessageLoopTest, QuitDuringADragAbandonsItAndEndsTheOuterLoop) {
  s_dragGlyph = new RecordingGlyph("c", nullptr);
  OpenAround(s_dragGlyph);
  RunFirst(&DragMeetingAQuit);
  EXPECT_FALSE(RunOuterLoop());
  EXPECT_EQ(s_events, std::vector<std::string>{"drag quit"});  // no finish callback
}

void CountIdle() { ++s_count; }

TEST_F(MessageLoopTest, YieldRunsIdleActionsAndHandsAQuitOn) {
  RunFirst(&CountIdle);
  EXPECT_TRUE(app->YieldToMessageLoop(nullptr));
  EXPECT_EQ(s_count, 1);
  PostNothing();
  ::PostQuitMessage(9);
  EXPECT_FALSE(app->YieldToMessageLoop(nullptr));
  MSG message;
  ASSERT_TRUE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 9u);
  EXPECT_TRUE(FailedOn(FailureOf([&] { app->PopMessageLoop(); }), "NumberMessageLoopsActive > 0"));
}

}  // namespace

// Drags in real windows under Xvfb, ended by input posted before they
// start: completion, the cancelling messages, click mode, the order of the
// calls, the paint erase, and the window position and size drags.
#include <gtest/gtest.h>

#include "DragTestSupport.h"
#include "WindowTestSupport.h"
#include "ZQF_DragOperationDrawingContext.h"
#include "ZQF_Metrics.h"
#include "ZQF_SeparatorDragOperation.h"

namespace {

struct Posted {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class DragWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    client = new RecordingGlyph("c", &log);
    window = OpenAround(client);
    handle = window->GetWindowHandle();
  }
  ZQ_Point<long> ToScreen(long X, long Y) const {
    POINT p{X, Y};
    ::ClientToScreen(handle, &p);
    return ZQ_Point<long>(p.x, p.y);
  }
  // Places the pointer at a client point, lets its move arrive, then
  // queues the input that ends the drag.
  void Prepare(long X, long Y, const std::vector<Posted>& Input) {
    const ZQ_Point<long> p = ToScreen(X, Y);
    ::SetCursorPos(p.X, p.Y);
    PumpMessages();
    log.clear();
    for (const Posted& m : Input) ::PostMessageA(handle, m.message, m.wParam, m.lParam);
  }
  bool ReceivedMouseMessage() const {
    for (const std::string& entry : log) {
      for (const char* kind : {"Move", "LeftUp", "LeftDown", "RightDown", "Key"}) {
        if (entry.find(std::string(".") + kind) != std::string::npos) return true;
      }
    }
    return false;
  }

  RecordingGlyph* client = nullptr;
  ZQF_Window* window = nullptr;
  HWND handle = nullptr;
  std::vector<std::string> hookLog;
};

TEST_F(DragWindowTest, SeparatorDragsEndByReleaseOrCancel) {
  const struct {
    const char* why;
    std::vector<Posted> input;
    const char* result;
    const char* hooks;
    bool focusLossHandled;
  } kCases[] = {
      {"released", {{WM_MOUSEMOVE, 0, Point(80, 75)}, {WM_LBUTTONUP, 0, Point(80, 75)}}, "178",
       "begin move end", false},
      {"Escape", {{WM_MOUSEMOVE, 0, Point(80, 75)}, {WM_KEYDOWN, VK_ESCAPE, 0}}, "178 cancelled",
       "begin move end cancelled", false},
      {"focus lost", {{WM_MOUSEMOVE, 0, Point(80, 75)}, {WM_KILLFOCUS, 0, 0}}, "178 cancelled",
       "begin move end cancelled", true},
      {"second button", {{WM_MOUSEMOVE, 0, Point(80, 75)}, {WM_RBUTTONDOWN, 0, Point(80, 75)}},
       "178 cancelled", "begin move end cancelled", false},
      {"Alt+key", {{WM_MOUSEMOVE, 0, Point(80, 75)}, {WM_SYSKEYDOWN, 'F', 0}}, "178 cancelled",
       "begin move end cancelled", false},
      {"wheel", {{WM_MOUSEMOVE, 0, Point(80, 75)}, {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0}},
       "178 cancelled", "begin move end cancelled", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    FinishRecorder finished;
    hookLog.clear();
    RecordingDragHook hook(&hookLog);
    Prepare(50, 75, c.input);
    const ZQ_Point<long> origin = ToScreen(0, 0);
    ZQF_VerticalSeparatorDragOperation drag(
        client, origin.X + 48, 4, window->GetWindowRectangle(),
        ZQF_SeparatorDragCallback(&finished, &FinishRecorder::Separator));
    ZQF_PerformDraggingOperation(drag);
    const long expected = origin.X + 78;
    EXPECT_EQ(finished.Calls, std::vector<std::string>{std::to_string(expected) +
                                                       (std::string(c.result).find("cancelled") !=
                                                                std::string::npos
                                                            ? " cancelled"
                                                            : "")});
    EXPECT_EQ(Joined(hookLog), c.hooks);
    EXPECT_FALSE(ReceivedMouseMessage()) << Joined(log);
    EXPECT_EQ(Joined(log).find("c.Focus") != std::string::npos, c.focusLossHandled)
        << Joined(log);
    EXPECT_EQ(ZQF_Window::GetCapturingGlyph(), nullptr);
    EXPECT_EQ(ZQF_GetCurrentDragOperation(), nullptr);
    EXPECT_FALSE(drag.IsFeedbackDrawn());
    PumpMessages();
  }
}

// Records its own steps into the hook log.
class StepDrag : public ZQF_DragOperation {
 public:
  StepDrag(ZQF_Glyph* Glyph, std::vector<std::string>* Log, bool ClickMode)
      : ZQF_DragOperation(Glyph), Log(Log) {
    SetClickModeAllowed(ClickMode);
  }
  void StartDrag() override { Log->push_back("StartDrag"); }
  void ProcessMouseMove() override {
    Log->push_back("ProcessMouseMove");
    ZQF_DragOperation::ProcessMouseMove();
  }
  void PerformFinishDragCallback(bool) override {
    Log->push_back(GetInitiatingGlyph()->HasMouseCapture() ? "callback captured" : "callback");
  }
  void FinishDrag(bool) override { Log->push_back("FinishDrag"); }
  std::vector<std::string>* Log;
};

TEST_F(DragWindowTest, BeginAndEndRunTheirStepsInOrder) {
  RecordingDragHook hook(&hookLog);
  Prepare(50, 75, {{WM_MOUSEMOVE, 0, Point(90, 75)}, {WM_LBUTTONUP, 0, Point(90, 75)}});
  StepDrag drag(client, &hookLog, false);
  ZQF_PerformDraggingOperation(drag);
  EXPECT_EQ(Joined(hookLog),
            "begin StartDrag move ProcessMouseMove callback captured FinishDrag end");
}

TEST_F(DragWindowTest, ClickModeGoesOnAfterAReleaseInPlace) {
  const struct {
    const char* why;
    bool clickMode;
    std::vector<Posted> input;
    const char* hooks;
  } kCases[] = {
      {"click mode: the next press completes", true,
       {{WM_LBUTTONUP, 0, Point(53, 71)}, {WM_MOUSEMOVE, 0, Point(90, 75)},
        {WM_MBUTTONDBLCLK, 0, Point(90, 75)}},
       "begin StartDrag callback captured FinishDrag end"},
      {"click mode: a release 5 px away completes", true,
       {{WM_LBUTTONUP, 0, Point(55, 75)}}, "begin StartDrag callback captured FinishDrag end"},
      {"no click mode: the release in place completes", false,
       {{WM_LBUTTONUP, 0, Point(50, 75)}}, "begin StartDrag callback captured FinishDrag end"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    hookLog.clear();
    RecordingDragHook hook(&hookLog);
    Prepare(50, 75, c.input);
    StepDrag drag(client, &hookLog, c.clickMode);
    ZQF_PerformDraggingOperation(drag);
    std::string steps = Joined(hookLog);
    // Moves are not what this test is about.
    for (const char* noise : {" move ProcessMouseMove"}) {
      for (size_t at; (at = steps.find(noise)) != std::string::npos;) steps.erase(at, strlen(noise));
    }
    EXPECT_EQ(steps, c.hooks);
    PumpMessages();
  }
}

// Shows a dotted square at a fixed screen place and, after each move,
// repaints the window at once.
class PaintingDrag : public ZQF_DragOperation {
 public:
  PaintingDrag(ZQF_Glyph* Glyph, HWND Window, const ZQ_Rectangle<long>& Square)
      : ZQF_DragOperation(Glyph), Window(Window), Square(Square) {}
  void DrawFeedback(ZQF_DragOperationDrawingContext& C) override {
    C.FillDottedArea(Square.X, Square.Y, Square.Width, Square.Height);
  }
  void ProcessMouseMove() override {
    ZQF_DragOperation::ProcessMouseMove();
    ::InvalidateRect(Window, nullptr, FALSE);
    ::UpdateWindow(Window);
    DrawnAfterPaint = IsFeedbackDrawn();
  }
  HWND Window;
  ZQ_Rectangle<long> Square;
  bool DrawnAfterPaint = true;
};

TEST_F(DragWindowTest, APaintUnderTheFeedbackErasesItFirst) {
  const ZQ_Point<long> origin = ToScreen(0, 0);
  const struct {
    const char* why;
    ZQ_Rectangle<long> square;
    bool drawnAfterPaint;
  } kCases[] = {
      {"square over the window", {origin.X + 10, origin.Y + 10, 20, 20}, false},
      {"square away from the window", {origin.X + 400, origin.Y + 300, 20, 20}, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Prepare(50, 75, {{WM_MOUSEMOVE, 0, Point(60, 75)}, {WM_LBUTTONUP, 0, Point(60, 75)}});
    PaintingDrag drag(client, handle, c.square);
    ZQF_PerformDraggingOperation(drag);
    EXPECT_EQ(drag.DrawnAfterPaint, c.drawnAfterPaint);
    EXPECT_FALSE(drag.IsFeedbackDrawn());
  }
}

TEST_F(DragWindowTest, ASecondDragWhileOneRunsFails) {
  Prepare(50, 75, {{WM_LBUTTONUP, 0, Point(50, 75)}});
  StepDrag outer(client, &hookLog, false);
  StepDrag inner(client, &hookLog, false);
  std::string failure;
  struct Starter : ZQF_DragOperationHookInterface {
    void BeginDragOperationNotification() override {
      if (Inner) *Failure = AssertionFailureOf([this] { ZQF_PerformDraggingOperation(*Inner); });
      Inner = nullptr;
    }
    StepDrag* Inner;
    std::string* Failure;
  } starter;
  starter.Inner = &inner;
  starter.Failure = &failure;
  starter.Install();
  ZQF_PerformDraggingOperation(outer);
  starter.Remove();
  EXPECT_TRUE(FailedOn(failure, "CurrentDragOperation == NULL")) << failure;
}

}  // namespace

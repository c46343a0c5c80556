// Drags in real windows under Xvfb, ended by input posted before they
// start: completion, the cancelling messages, click mode, the order of the
// calls, the paint erase, the initiating glyph destroyed meanwhile, and the
// window position and size drags.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "DragTestSupport.h"
#include "WindowTestSupport.h"
#include "ZQF_DragOperationDrawingContext.h"
#include "ZQF_Metrics.h"
#include "ZQF_SeparatorDragOperation.h"
#include "ZQ_Timer.h"

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

  RecordingGlyph* client = nullptr;
  ZQF_Window* window = nullptr;
  HWND handle = nullptr;
  std::vector<std::string> hookLog;
};

TEST_F(DragWindowTest, SeparatorDragsEndByReleaseOrCancel) {
  const LPARAM at = Point(80, 75);
  const struct {
    const char* why;
    Posted ending;
    bool cancelled;
    bool focusLossHandled;
  } kCases[] = {
      {"released", {WM_LBUTTONUP, 0, at}, false, false},
      {"Escape", {WM_KEYDOWN, VK_ESCAPE, 0}, true, false},
      {"focus lost", {WM_KILLFOCUS, 0, 0}, true, true},
      {"second button", {WM_RBUTTONDOWN, 0, at}, true, false},
      {"Alt+key", {WM_SYSKEYDOWN, 'F', 0}, true, false},
      {"wheel", {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0}, true, false},
      {"cancel mode", {WM_CANCELMODE, 0, 0}, true, false},
      {"application switched", {WM_ACTIVATEAPP, FALSE, 0}, true, false},
      {"menu opened", {WM_INITMENUPOPUP, 0, 0}, true, false},
      {"non-client press", {WM_NCRBUTTONDOWN, HTBORDER, at}, true, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    FinishRecorder finished;
    hookLog.clear();
    RecordingDragHook hook(&hookLog);
    Prepare(50, 75, {{WM_MOUSEMOVE, 0, at}, c.ending});
    const long left = ToScreen(0, 0).X;
    ZQF_VerticalSeparatorDragOperation drag(
        client, left + 48, 4, window->GetWindowRectangle(),
        ZQF_SeparatorDragCallback(&finished, &FinishRecorder::Separator));
    ZQF_PerformDraggingOperation(drag);
    const std::string cancelled = c.cancelled ? " cancelled" : "";
    EXPECT_EQ(finished.Calls, std::vector<std::string>{std::to_string(left + 78) + cancelled});
    EXPECT_EQ(Joined(hookLog), "begin move end" + cancelled);
    // No glyph saw the mouse or the keys; focus loss still reached them.
    EXPECT_EQ(Joined(log), c.focusLossHandled ? "c.Focus1 c.Focus2" : "");
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
    const ZQF_Glyph* glyph = GetInitiatingGlyph();
    Log->push_back(glyph && glyph->HasMouseCapture() ? "callback captured" : "callback");
    // As a callback that opens a dialog would: the window loses the focus,
    // or is disabled, or the mouse moves while the dialog's loop runs.
    if (SentInCallback) ::SendMessageA(Window, SentInCallback, 0, 0);
  }
  void FinishDrag(bool) override { Log->push_back("FinishDrag"); }
  std::vector<std::string>* Log;
  HWND Window = nullptr;
  UINT SentInCallback = 0;
};

TEST_F(DragWindowTest, StepsRunInOrderAndClickModeWaitsForTheNextPress) {
  const std::string done = "callback captured FinishDrag end";
  const struct {
    const char* why;
    bool clickMode;
    std::vector<Posted> input;
    std::string steps;
    UINT sentInCallback;
  } kCases[] = {
      {"moved and released",
       false,
       {{WM_MOUSEMOVE, 0, Point(90, 75)}, {WM_LBUTTONUP, 0, Point(90, 75)}},
       "begin StartDrag move ProcessMouseMove " + done, 0},
      {"released in place", false, {{WM_LBUTTONUP, 0, Point(50, 75)}}, "begin StartDrag " + done,
       0},
      {"focus lost in the finish callback ends nothing more",
       false,
       {{WM_LBUTTONUP, 0, Point(50, 75)}},
       "begin StartDrag " + done,
       WM_KILLFOCUS},
      {"cancel mode in the finish callback takes the capture",
       false,
       {{WM_LBUTTONUP, 0, Point(50, 75)}},
       "begin StartDrag " + done,
       WM_CANCELMODE},
      {"a move during the finish callback draws nothing",
       false,
       {{WM_LBUTTONUP, 0, Point(50, 75)}},
       "begin StartDrag " + done,
       WM_MOUSEMOVE},
      {"click mode: released within 4 px, then a press",
       true,
       {{WM_LBUTTONUP, 0, Point(53, 71)}, {WM_MBUTTONDBLCLK, 0, Point(53, 71)}},
       "begin StartDrag " + done, 0},
      {"click mode: released 5 px away",
       true,
       {{WM_LBUTTONUP, 0, Point(55, 75)}},
       "begin StartDrag " + done, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    hookLog.clear();
    RecordingDragHook hook(&hookLog);
    Prepare(50, 75, c.input);
    StepDrag drag(client, &hookLog, c.clickMode);
    drag.Window = handle;
    drag.SentInCallback = c.sentInCallback;
    ZQF_PerformDraggingOperation(drag);
    EXPECT_EQ(Joined(hookLog), c.steps);
    EXPECT_EQ(ReportedErrors(), std::vector<std::string>{});
    EXPECT_EQ(ZQF_Window::GetCapturingGlyph(), nullptr);
    EXPECT_FALSE(drag.IsFeedbackDrawn());
    PumpMessages();
  }
}

// Destroys the drag's window, or only its glyph, at its first mouse move
// (as a drag hook) or at a tick that the test posts (as a timer).
class Destroyer : public RecordingDragHook {
 public:
  Destroyer(std::vector<std::string>* Log, std::function<void()> Destroy)
      : RecordingDragHook(Log), Destroy(std::move(Destroy)),
        Timer(1000000, ZQ_Functor0(this, &Destroyer::DestroyOnce)) {}
  void MouseMoveNotification() override {
    RecordingDragHook::MouseMoveNotification();
    if (ByHook) DestroyOnce();
  }
  void DestroyOnce() {
    if (Destroy) Destroy();
    Destroy = nullptr;
  }
  std::function<void()> Destroy;
  bool ByHook = false;
  ZQ_Timer Timer;
};

TEST_F(DragWindowTest, DestroyingTheInitiatingGlyphCancelsTheDrag) {
  // A second window is active; an Escape to it ends a drag that missed the
  // destruction, before the next mouse message would reach the dead glyph.
  const HWND other = OpenAround(new RecordingGlyph("o", nullptr), {400, 100, 100, 100})
                         ->GetWindowHandle();
  const std::string ended = " callback FinishDrag end cancelled";
  const struct {
    const char* why;
    bool byHook;
    bool wholeWindow;
    std::string steps;
  } kCases[] = {
      {"a drag hook destroys the window", true, true, "begin StartDrag move" + ended},
      {"a drag hook deletes the glyph", true, false, "begin StartDrag move" + ended},
      {"a timer destroys the window", false, true, "begin StartDrag move ProcessMouseMove" + ended},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ::DestroyWindow(handle);
    client = new RecordingGlyph("c", &log);
    window = OpenAround(client);
    handle = window->GetWindowHandle();
    // Destroying an active window would end the drag by its focus loss.
    ::SetActiveWindow(other);
    hookLog.clear();
    Destroyer destroyer(&hookLog, [&, glyph = client] {
      if (c.wholeWindow) {
        ::DestroyWindow(handle);
      } else {
        glyph->GetParent()->DeleteChild(glyph);
      }
    });
    destroyer.ByHook = c.byHook;
    Prepare(50, 75, {{WM_MOUSEMOVE, 0, Point(60, 75)}});
    if (!c.byHook) {
      ::PostMessageA(ZQ_Timer_GetTimerWindow(), WM_TIMER,
                     reinterpret_cast<WPARAM>(&destroyer.Timer), 0);
    }
    ::PostMessageA(other, WM_KEYDOWN, VK_ESCAPE, 0);
    StepDrag drag(client, &hookLog, false);
    ZQF_PerformDraggingOperation(drag);
    EXPECT_TRUE(drag.IsCancelled());
    EXPECT_EQ(drag.GetInitiatingGlyph(), nullptr);
    EXPECT_EQ(Joined(hookLog), c.steps);
    EXPECT_EQ(ReportedErrors(), std::vector<std::string>{});
    EXPECT_EQ(ZQF_Window::GetCapturingGlyph(), nullptr);
    EXPECT_FALSE(ZQF_AreRawHooksInstalled());
    EXPECT_FALSE(drag.IsFeedbackDrawn());
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

// Fails in its finish callback (an error the window procedure reports) or
// in a mouse move (one it parks and the nested loop rethrows).
class FailingDrag : public ZQF_DragOperation {
 public:
  FailingDrag(ZQF_Glyph* Glyph, bool InCallback)
      : ZQF_DragOperation(Glyph), InCallback(InCallback) {}
  void ProcessMouseMove() override {
    if (!InCallback) throw std::runtime_error("move");
  }
  void PerformFinishDragCallback(bool) override {
    throw ZQ_Exception(ZQ_String("finish"), ZQ_String("finish failed"));
  }
  bool InCallback;
};

TEST_F(DragWindowTest, AFailedDragLeavesNothingBehind) {
  for (const bool inCallback : {true, false}) {
    SCOPED_TRACE(inCallback ? "finish callback" : "mouse move");
    ReportedErrors().clear();
    Prepare(50, 75, {{WM_MOUSEMOVE, 0, Point(60, 75)}, {WM_LBUTTONUP, 0, Point(60, 75)}});
    FailingDrag drag(client, inCallback);
    if (inCallback) {
      ZQF_PerformDraggingOperation(drag);
      EXPECT_EQ(ReportedErrors(), std::vector<std::string>{"finish failed"});
    } else {
      EXPECT_THROW(ZQF_PerformDraggingOperation(drag), std::runtime_error);
    }
    EXPECT_FALSE(ZQF_AreRawHooksInstalled());
    EXPECT_EQ(ZQF_Window::GetCapturingGlyph(), nullptr);
    EXPECT_EQ(ZQF_GetCurrentDragOperation(), nullptr);
    PumpMessages();
  }
}

}  // namespace

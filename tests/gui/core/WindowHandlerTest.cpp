// The default handlers, and whole roads from Windows messages to glyphs.
#include <gtest/gtest.h>

#include <memory>

#include "WindowTestSupport.h"
#include "ZQF_Help.h"
#include "ZQF_Metrics.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQ_ProgressReportService.h"

namespace {

TEST_F(WindowTest, MetricContextIsReleasedAfterEveryMessage) {
  auto* client = new RecordingGlyph("c", nullptr);
  const auto dc = std::make_shared<HDC>(nullptr);
  client->OnOffer = [dc](ZQF_Message&, bool) { *dc = ZQF_GetMetricDC().GetHDC(); };
  const HWND handle = OpenAround(client)->GetWindowHandle();
  Send(handle, WM_LBUTTONDOWN, 0, Point(5, 5));
  ASSERT_TRUE(*dc);
  EXPECT_EQ(::GetObjectType(*dc), 0u);  // deleted
}

TEST_F(WindowTest, SettingChangeLaysEveryGlyphOutAgain) {
  auto* client = new RecordingGlyph("c", nullptr);
  const HWND handle = OpenAround(client)->GetWindowHandle();
  const int updates = client->NumDesiredSizeUpdates;
  Send(handle, WM_SETTINGCHANGE);
  EXPECT_GT(client->NumDesiredSizeUpdates, updates);
}

TEST_F(WindowTest, MinimizedSizeLaysNothingOutAndRestoringDoes) {
  auto* client = new RecordingGlyph("c", nullptr);
  const HWND handle = OpenAround(client)->GetWindowHandle();
  const int layouts = client->NumAcceptLayouts;
  Send(handle, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(0, 0));
  EXPECT_EQ(client->NumAcceptLayouts, layouts);
  Send(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 40000));  // unsigned words
  EXPECT_EQ(client->GetBoundingBox(), ZQ_Rectangle<long>(0, 0, 300, 40000));
}

TEST_F(WindowTest, CursorIsChosenByGlyphsInTheClientAreaOnly) {
  const HWND handle = OpenAround(new RecordingGlyph("c", &log))->GetWindowHandle();
  ::SetCursorPos(150, 150);  // the glyphs under the pointer choose
  log.clear();
  Send(handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(handle), MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
  EXPECT_EQ(Joined(log), "");
  Send(handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(handle), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(Joined(log), "c.SetCursor1 c.SetCursor2");
}

// With a toolkit window focused, the end of a long task lets the glyph under
// the pointer choose the cursor again instead of restoring the saved one.
TEST_F(WindowTest, BusyCursorEraseAsksTheGlyphUnderThePointer) {
  const HWND handle = OpenAround(new RecordingGlyph("c", &log))->GetWindowHandle();
  ::SetFocus(handle);
  ASSERT_EQ(::GetFocus(), handle);
  ::SetCursorPos(150, 150);
  ZQ_ProgressReportService_SetInitialDelay(0);
  {
    ZQ_ProgressReportService_Task task(ZQ_String("Long task"), 10);
    task.Step();
    log.clear();
  }
  ZQ_ProgressReportService_Manager::DisplayErase();
  ZQ_ProgressReportService_SetInitialDelay(0.1);
  EXPECT_NE(Joined(log).find("c.SetCursor"), std::string::npos) << Joined(log);
}

TEST_F(WindowTest, FocusMessagesReachTheTree) {
  auto* client = new RecordingGlyph("c", nullptr);
  const auto changes = std::make_shared<std::string>();
  client->OnOffer = [changes](ZQF_Message& Message, bool SecondTry) {
    if (auto* m = dynamic_cast<ZQF_FocusChangeMessage*>(&Message); m && !SecondTry) {
      *changes += m->IsGained() ? "+" : "-";
    }
  };
  const HWND handle = OpenAround(client)->GetWindowHandle();
  client->PutOnFocusPath();
  ::SetFocus(ZQLOW_WIN_GetProgramMainWindowHandle());
  changes->clear();
  ::SetFocus(handle);
  EXPECT_EQ(::GetFocus(), handle);
  ::SetFocus(ZQLOW_WIN_GetProgramMainWindowHandle());
  EXPECT_EQ(*changes, "+-");
}

// Takes the mouse on a press, asks to be repainted, and on the release
// over itself lets go and tells its ancestors.
class ClickGlyph : public RecordingGlyph {
 public:
  using RecordingGlyph::RecordingGlyph;
  void HandleMouseLeftDown(ZQF_MouseMessage& Message, bool SecondTry) override {
    if (SecondTry) return;
    CaptureMouse();
    QueueVisualStateUpdate();
    Message.SetHandled();
  }
  void HandleMouseLeftUp(ZQF_MouseMessage& Message, bool SecondTry) override {
    if (SecondTry) return;
    ReleaseMouse();
    Message.SetHandled();
    if (!ContainsPoint(Message.GetX(), Message.GetY())) return;
    ZQF_ControlClickNotification clicked;
    Dispatch(clicked);
  }
  class ZQF_ControlClickNotification : public ZQF_NotificationMessage {};
};

TEST_F(WindowTest, ClickOnControlCapturesNotifiesAndRepaints) {
  auto* stack = new StackGlyph("stack", &log);
  auto* control = new ClickGlyph("button", &log);
  control->SetSize(80, 30);
  stack->AddChild(control, true);
  const HWND handle = OpenAround(stack)->GetWindowHandle();
  log.clear();
  Send(handle, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
  EXPECT_EQ(ZQF_Window::GetCapturingGlyph(), control);
  RECT update;
  EXPECT_TRUE(::GetUpdateRect(handle, &update, FALSE));  // the repaint request
  EXPECT_EQ(ZQ_Rectangle<long>(update.left, update.top, update.right - update.left,
                               update.bottom - update.top),
            control->GetBoundingBox());
  EXPECT_EQ(Joined(log), "stack.LeftDown1");
  PumpMessages();
  EXPECT_FALSE(::GetUpdateRect(handle, &update, FALSE));  // painted
  // The pump may bring a mouse move at the real pointer, which other tests
  // leave anywhere: only what follows is compared.
  log.clear();
  Send(handle, WM_MOUSEMOVE, MK_LBUTTON, Point(500, 10));  // outside: still the control's
  Send(handle, WM_LBUTTONUP, 0, Point(20, 15));
  EXPECT_EQ(ZQF_Window::GetCapturingGlyph(), nullptr);
  EXPECT_EQ(Joined(log), "button.Move1 button.Move2 button.Notification1 stack.Notification1 "
                         "stack.Notification2 button.Notification2");
}

// A glyph deleted while it holds the mouse gives it back: the next mouse
// message goes to the tree, not to freed memory.
TEST_F(WindowTest, DeletingTheCapturingGlyphReleasesTheMouse) {
  auto* stack = new StackGlyph("stack", &log);
  auto* control = new ClickGlyph("button", &log);
  control->SetSize(80, 30);
  stack->AddChild(control, true);
  const HWND handle = OpenAround(stack)->GetWindowHandle();
  Send(handle, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
  ASSERT_EQ(ZQF_Window::GetCapturingGlyph(), control);
  stack->DeleteChild(control);
  EXPECT_EQ(ZQF_Window::GetCapturingGlyph(), nullptr);
  EXPECT_EQ(::GetCapture(), nullptr);
  log.clear();
  Send(handle, WM_MOUSEMOVE, MK_LBUTTON, Point(100, 100));
  EXPECT_NE(Joined(log).find("stack.Move1 stack.Move2"), std::string::npos) << Joined(log);
}

TEST_F(WindowTest, CtrlPPrintsOnlyWhenAGlyphAnswers) {
  auto* client = new RecordingGlyph("c", nullptr);
  const auto prints = std::make_shared<int>(0);
  const auto answering = std::make_shared<bool>(false);
  client->OnOffer = [prints, answering](ZQF_Message& Message, bool SecondTry) {
    if (SecondTry) return;
    if (auto* update = dynamic_cast<ZQF_PrintCommandUpdateMessage*>(&Message); update && *answering) {
      update->SetEnabled(true);
      update->SetHandled();
    } else if (auto* print = dynamic_cast<ZQF_PrintCommandMessage*>(&Message)) {
      ++*prints;
      print->SetHandled();
    }
  };
  const HWND handle = OpenAround(client)->GetWindowHandle();
  client->PutOnFocusPath();
  SetModifierKeys(false, true, false);
  Send(handle, WM_KEYDOWN, 'P');
  EXPECT_EQ(*prints, 0);
  *answering = true;
  Send(handle, WM_KEYDOWN, 'P');
  EXPECT_EQ(*prints, 1);
}

// Help is available; shown topics are counted.
class WhatsThisTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    ZQF_Help_Module module;
    module.HelpAvailable = [] { return true; };
    module.DisplayTopics = [](ZQ_ReadOnlyIterator<ZQF_Help_TopicType>&) { ++Shown(); };
    saved = ZQF_Help_RegisterModule(module);
    Shown() = 0;
  }
  void TearDown() override {
    ZQF_Help_RegisterModule(saved);
    WindowTest::TearDown();
  }
  static int& Shown() {
    static int s_shown = 0;
    return s_shown;
  }
  ZQF_Help_Module saved;
};

TEST_F(WhatsThisTest, EnteredWithShiftF1AndLeftEachWay) {
  const struct {
    const char* Name;
    void (*Leave)(HWND Window);
    int Shown;
  } ways[] = {
      {"click", [](HWND W) {
         Send(W, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
         Send(W, WM_LBUTTONUP, 0, Point(5, 5));
       }, 1},
      {"Escape", [](HWND W) { Send(W, WM_KEYDOWN, VK_ESCAPE); }, 0},
      {"activation", [](HWND W) { Send(W, WM_ACTIVATE, WA_INACTIVE); }, 0},
  };
  auto* client = new RecordingGlyph("c", &log);
  ZQF_Window* window = OpenAround(client);
  const HWND handle = window->GetWindowHandle();
  client->PutOnFocusPath();
  ::SetCursorPos(150, 150);
  for (const auto& way : ways) {
    SCOPED_TRACE(way.Name);
    Shown() = 0;
    SetModifierKeys(true, false, false);
    Send(handle, WM_KEYDOWN, VK_F1);
    SetModifierKeys(false, false, false);
    ASSERT_TRUE(window->GetTopLevelGlyph()->IsWhatsThisHelpModeActive());
    log.clear();
    way.Leave(handle);
    EXPECT_FALSE(window->GetTopLevelGlyph()->IsWhatsThisHelpModeActive());
    EXPECT_EQ(Shown(), way.Shown);
    EXPECT_NE(Joined(log).find("c.SetCursor1"), std::string::npos);  // cursor recomputed
  }
}

}  // namespace

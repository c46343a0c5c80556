// Buttons in real windows: the click on OK from the window messages to the
// notifications and the pixels on the screen, auto-repeat in real time, and
// a screenshot of a panel of text and bitmap buttons.
#include <gtest/gtest.h>

#include "../core/WindowTestSupport.h"
#include "ButtonTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQF_StandardTextButtonGlyph.h"

namespace {

const char* const kArrow = "ZQTEST_ArrowButtonBitmap";

ZQ_Rectangle<long> Box(long X, long Y, long W, long H) { return ZQ_Rectangle<long>(X, Y, W, H); }

// A column that records the button notifications reaching it.
class RecordingColumn : public ZQF_ColumnGlyph {
 public:
  explicit RecordingColumn(VisitLog* Log) : Log(Log) {}
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override {
    if (!SecondTry) RecordButtonNotification(Message, Log);
    ZQF_ColumnGlyph::HandleNotification(Message, SecondTry);
  }

 private:
  VisitLog* Log;
};

// A question above a row of buttons pushed to the right, inside a margin.
struct QuestionDialog {
  explicit QuestionDialog(VisitLog* Log) : Column(new RecordingColumn(Log)) {
    ZQF_RowGlyph* row = new ZQF_RowGlyph;
    row->SetSpacing(6);
    row->AddToRight(new ZQF_HorizontalGlueGlyph());
    row->AddToRight(Ok);
    row->AddToRight(Cancel);
    Column->SetSpacing(10);
    Column->AddToBottom(new ZQF_StoredLabelGlyph("Recompute the heat stress now?"));
    Column->AddToBottom(row);
    Column->AddToBottom(new ZQF_VerticalGlueGlyph());
    Root = new ZQF_MarginGlyph(Column, 10, 10, 0);
  }
  ZQF_StandardTextButtonGlyph* Ok = new ZQF_StandardTextButtonGlyph("OK", 0, 0);
  ZQF_StandardTextButtonGlyph* Cancel = new ZQF_StandardTextButtonGlyph("&Cancel", 0, 0);
  RecordingColumn* Column;
  ZQF_Glyph* Root;
};

ZQ_Point<long> CentreOf(const ZQF_Glyph* Glyph) {
  const ZQ_Rectangle<long>& box = Glyph->GetBoundingBox();
  return ZQ_Point<long>(box.X + box.Width / 2, box.Y + box.Height / 2);
}

// The screen's pixel at (X, Y) of the window's client area, after any
// pending paint.
ZQR_Color ScreenPixel(HWND Window, long X, long Y) {
  ::UpdateWindow(Window);
  const HDC dc = ::GetDC(Window);
  const COLORREF pixel = ::GetPixel(dc, X, Y);
  ::ReleaseDC(Window, dc);
  return ZQR_Color(pixel);
}

TEST_F(WindowTest, ClickOnOk) {
  QuestionDialog dialog(&log);
  ZQF_Window* window = OpenAround(dialog.Root, Box(100, 100, 300, 110));
  const HWND handle = window->GetWindowHandle();
  ::SetFocus(handle);
  PumpMessages();
  dialog.Column->SetFocusChild(dialog.Column->GetFirstChild());
  const ZQ_Point<long> centre = CentreOf(dialog.Ok);
  const ZQ_Rectangle<long>& box = dialog.Ok->GetBoundingBox();
  const long frameX = box.X + box.Width / 2;  // the middle of the top edge
  EXPECT_FALSE(dialog.Ok->IsOnFocusPath());

  Send(handle, WM_LBUTTONDOWN, MK_LBUTTON, Point(centre.X, centre.Y));
  EXPECT_TRUE(dialog.Ok->IsOnFocusPath());
  EXPECT_EQ(::GetCapture(), handle);
  EXPECT_EQ(ZQF_Window::GetCapturingGlyph(), dialog.Ok);
  EXPECT_EQ(Joined(log), "D0");
  EXPECT_EQ(ScreenPixel(handle, frameX, box.Y), ZQF_GetColorMetric(ZQF_ColorMetric_ButtonShadow));  // pressed

  Send(handle, WM_LBUTTONUP, 0, Point(centre.X, centre.Y));
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(ZQF_Window::GetCapturingGlyph(), nullptr);
  EXPECT_EQ(Joined(log), "D0 U0");
  EXPECT_EQ(ScreenPixel(handle, frameX, box.Y), ZQF_GetColorMetric(ZQF_ColorMetric_ButtonHighlight));  // raised
  EXPECT_TRUE(dialog.Ok->IsOnFocusPath());
}

// The one real-time check of the auto-repeat timer's first delay (350 ms)
// and period (50 ms): no tick long before the delay, ticks after it.
TEST_F(WindowTest, AutorepeatTicksInRealTime) {
  auto* column = new RecordingColumn(&log);
  auto* arrow = new ZQF_StandardBitmapButtonGlyph(kArrow, 0, 0);
  arrow->SetAutorepeatMode(1);
  column->AddToBottom(arrow);
  column->AddToBottom(new ZQF_VerticalGlueGlyph());
  const HWND handle = OpenAround(column)->GetWindowHandle();
  const ZQ_Point<long> centre = CentreOf(arrow);
  const auto pumpFor = [](DWORD Milliseconds, const VisitLog& Log, size_t Enough) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < Milliseconds && Log.size() < Enough) {
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      PumpMessages();
    }
  };
  ASSERT_EQ(ZQF_GetTimeMetric(ZQF_TimeMetric_AutorepeatDelay), 350);
  ASSERT_EQ(ZQF_GetTimeMetric(ZQF_TimeMetric_AutorepeatInterval), 50);
  // Test programs running beside this one move windows under the pointer, and
  // the mouse move that follows, at the real pointer, ends auto-repeat for
  // good; so the pointer waits over the button and a disturbed run is retried.
  POINT screen = {centre.X, centre.Y};
  ::ClientToScreen(handle, &screen);
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (attempt > 0) Send(handle, WM_LBUTTONUP, 0, Point(centre.X, centre.Y));
    log.clear();
    ::SetCursorPos(screen.x, screen.y);
    Send(handle, WM_LBUTTONDOWN, MK_LBUTTON, Point(centre.X, centre.Y));
    pumpFor(200, log, 2);
    if (Joined(log) != "D0") continue;
    pumpFor(3000, log, 5);
    if (Joined(log) == "D0 D0 D0 D0 D0") break;
  }
  EXPECT_EQ(Joined(log), "D0 D0 D0 D0 D0");
  Send(handle, WM_LBUTTONUP, 0, Point(centre.X, centre.Y));
  EXPECT_EQ(ZQF_ButtonGlyph::GetAutorepeatTimer(), nullptr);
  EXPECT_EQ(log.back(), "U0");
}

// A row of text buttons (OK focused, one pressed, one disabled) and one of
// bitmap buttons (up, pressed, disabled, up).
TEST_F(WindowTest, ButtonPanelScreenshot) {
  ButtonPanel panel;
  const HWND handle = OpenAround(new ZQF_MarginGlyph(panel.Column, 10, 10, 0),
                                 Box(100, 100, 320, 130))
                          ->GetWindowHandle();
  ::SetFocus(handle);
  panel.ShowStates();
  EXPECT_EQ(SaveScreenshot(handle, "ButtonPanel").GetSize(), ZQ_Point<long>(320, 130));
}

}  // namespace

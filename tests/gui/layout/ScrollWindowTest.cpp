// Scroll bars and a scrolling container in real windows: trough paging
// repeated by direct timer ticks until the slider reaches the pointer, a
// slider drag with snap-back with tracking on and off, a bar destroyed while
// its timer runs (the container following its bars with its scroll
// notification throughout), and a screenshot of a container with both bars scrolled
// midway.
#include <gtest/gtest.h>

#include "../core/WindowTestSupport.h"
#include "LayoutFormSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_ScrollBarAutorepeatTimer.h"
#include "ZQF_ScrollingContainerGlyph.h"
#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"

namespace {

using S = ZQF_ScrollBarGlyph;
using P = ZQ_Point<long>;

// Holds one child over its whole box and logs "scroll" for every scroll
// notification of a container below it.
class ScrollLogger : public ZQF_OrganizationalGlyph {
 public:
  ScrollLogger(ZQF_Glyph* Child, VisitLog* Log) : Log(Log) { AddChild(Child, true); }
  void UpdateMyDesiredSize() override {
    if (GetFirstChild()) DesiredSize = GetFirstChild()->GetDesiredSize();
  }
  void AcceptLayout() override {
    if (GetFirstChild()) LayoutChild(GetFirstChild(), GetLocalBoundingBox());
  }
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override {
    if (!SecondTry && dynamic_cast<ZQF_ScrollingContainerScrollNotificationMessage*>(&Message)) {
      Log->push_back("scroll");
    }
  }

 private:
  VisitLog* Log;
};

// 40 rows of 400 x 20 in a 200 x 150 window: view 184 x 134, the vertical
// bar at (184, 0, 16, 134) with document 800, page 134, line 16 and a
// trough of 102 pixels from 16.
class ScrollWindowTest : public WindowTest {
 protected:
  void OpenContainer() {
    Column = new ZQF_ColumnGlyph;
    for (int i = 0; i < 40; ++i) Column->AddToBottom(new SizedGlyph(400, 20));
    Container = new ZQF_ScrollingContainerGlyph(Column, 0, 0, 2, 2, 0, 0, 0);
    Logger = new ScrollLogger(Container, &log);
    Handle = OpenAround(Logger, ZQ_Rectangle<long>(100, 100, 200, 150))->GetWindowHandle();
    Bar = Container->GetVerticalScrollBar();
  }
  void TearDown() override {
    S::StopTimer();
    WindowTest::TearDown();
  }
  // A point of the vertical bar in the window's client coordinates.
  static LPARAM OnBar(long X, long Y) { return Point(184 + X, Y); }
  void PointerTo(long X, long Y) {
    const P screen = Bar->GlyphToScreen(P(X, Y));
    ::SetCursorPos(screen.X, screen.Y);
  }

  ZQF_ColumnGlyph* Column = nullptr;
  ZQF_ScrollingContainerGlyph* Container = nullptr;
  ScrollLogger* Logger = nullptr;
  ZQF_VerticalScrollBarGlyph* Bar = nullptr;
  HWND Handle = nullptr;
};

// Pages of 118 until the slider (17 long) covers the pointer at 100: 118,
// 236, 354, 472, 590, then the slider lies at 91-108 and paging stops.
TEST_F(ScrollWindowTest, TroughPagingByTicks) {
  OpenContainer();
  PointerTo(8, 100);
  Send(Handle, WM_LBUTTONDOWN, MK_LBUTTON, OnBar(8, 100));
  EXPECT_EQ(Bar->GetSliderPosition(), 118);
  EXPECT_EQ(::GetCapture(), Handle);
  ZQF_ScrollBarAutorepeatTimer* timer = S::GetAutorepeatTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->GetScrollBar(), Bar);
  for (long expected : {236L, 354L, 472L, 590L, 590L, 590L}) {
    timer->Tick();
    EXPECT_EQ(Bar->GetSliderPosition(), expected);
  }
  EXPECT_EQ(S::GetAutorepeatTimer(), timer);  // running until the release
  Send(Handle, WM_LBUTTONUP, 0, OnBar(8, 100));
  EXPECT_EQ(S::GetAutorepeatTimer(), nullptr);
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(Joined(log), "scroll scroll scroll scroll scroll");
  EXPECT_EQ(Column->GetBoundingBox().GetTopLeft(), P(0, -590));
  EXPECT_EQ(Container->GetFrame()->GetClientOffset(), P(0, -590));
}

// A drag of 51 pixels moves 400 (102 pixels of trough for 800); 40 pixels
// left of the bar is far away.
TEST_F(ScrollWindowTest, SliderDrag) {
  struct Case {
    bool track;
    const char* log;
    long whileDragged;  // the client's offset after the first move
  } cases[] = {{true, "scroll scroll scroll scroll", -400}, {false, "scroll", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.track);
    OpenContainer();
    log.clear();
    Bar->SetTrackSlider(c.track);
    Send(Handle, WM_LBUTTONDOWN, MK_LBUTTON, OnBar(8, 20));
    Send(Handle, WM_MOUSEMOVE, MK_LBUTTON, OnBar(8, 71));
    EXPECT_EQ(Bar->GetSliderPosition(), 400);
    EXPECT_EQ(Column->GetBoundingBox().Y, c.whileDragged);
    Send(Handle, WM_MOUSEMOVE, MK_LBUTTON, OnBar(-40, 71));
    EXPECT_EQ(Bar->GetSliderPosition(), 0);
    Send(Handle, WM_MOUSEMOVE, MK_LBUTTON, OnBar(8, 71));
    Send(Handle, WM_LBUTTONUP, 0, OnBar(8, 71));
    EXPECT_EQ(Bar->GetSliderPosition(), 400);
    EXPECT_EQ(Column->GetBoundingBox().Y, -400);
    EXPECT_EQ(Joined(log), c.log);
    EXPECT_EQ(::GetCapture(), nullptr);
  }
}

// Neither the timer nor the capture outlives the bar; real ticks that come
// later find no bar.
TEST_F(ScrollWindowTest, BarDestroyedWhileItsTimerRuns) {
  OpenContainer();
  Send(Handle, WM_LBUTTONDOWN, MK_LBUTTON, OnBar(8, 100));
  ASSERT_NE(S::GetAutorepeatTimer(), nullptr);
  Logger->DeleteChild(Container);
  EXPECT_EQ(S::GetAutorepeatTimer(), nullptr);
  EXPECT_EQ(S::GetDragState(), S::Drag_None);
  EXPECT_EQ(::GetCapture(), nullptr);
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < 500) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    PumpMessages();
  }
  Send(Handle, WM_LBUTTONUP, 0, OnBar(8, 100));
}

// Weather rows, wider and taller than the window, scrolled half-way both
// ways, inside a sunken border.
TEST_F(WindowTest, ScrollingContainerScreenshot) {
  auto* container = new ZQF_ScrollingContainerGlyph(StationReadings(40), 0, 0, 2, 2, 2, 0, 0);
  auto* margin = new ZQF_MarginGlyph(container, 8, 8, 0);
  const HWND handle =
      OpenAround(margin, ZQ_Rectangle<long>(100, 100, 320, 200))->GetWindowHandle();
  ASSERT_TRUE(container->IsVerticalScrollBarShown());
  ASSERT_TRUE(container->IsHorizontalScrollBarShown());
  for (S* bar : {static_cast<S*>(container->GetVerticalScrollBar()),
                 static_cast<S*>(container->GetHorizontalScrollBar())}) {
    bar->SetSliderPosition(bar->GetMaxSliderPosition() / 2, true);
  }
  const ZQIMG_Image shot = SaveScreenshot(handle, "ScrollingContainer");
  EXPECT_EQ(shot.GetSize(), P(320, 200));
}

}  // namespace

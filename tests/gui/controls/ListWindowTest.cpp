// The list in a real window: clicks on rows and node boxes, modified clicks,
// the mouse capture and the drag threshold, the wheel, the middle-button
// scroll, select-follows-mouse, tooltips for cut rows, the delayed keyboard
// notification, autoscroll during a drag, and a list destroyed while its
// timers run.
#include <gtest/gtest.h>

#include "../core/DragTestSupport.h"
#include "../core/WindowTestSupport.h"
#include "ListTestSupport.h"
#include "ZQF_DragOperationDrawingContext.h"
#include "ZQF_DragOperationMessage.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_ListGlyphTimers.h"
#include "ZQF_MouseWheel.h"
#include "ZQF_TooltipsMessage.h"
#include "ZQF_VerticalScrollBarGlyph.h"
#include "ZQ_Timer.h"

namespace {

using L = ZQF_ListGlyph;

class ListWindowTest : public WindowTest {
 public:
  using WindowTest::OpenAround;
};

// A list of Rows named r0, r1... in a window whose client it fills.
struct ListWindow {
  ListWindow(ListWindowTest& Test, int Kind, long Width, long Height, const std::vector<std::string>& Lines)
      : Parent(new NotificationCounter), List(new ZQF_ListGlyph(Kind)) {
    Parent->AddChild(List, true);
    FillTree(*List, Lines, Rows);
    Window = Test.OpenAround(Parent, ZQ_Rectangle<long>(100, 100, Width, Height))->GetWindowHandle();
  }
  // The window point of an element's row, X pixels into its content.
  LPARAM At(const char* Name, long X = 5) {
    const ZQ_Rectangle<long> r = List->GetElementRect(Rows[Name]);
    const ZQ_Point<long> p = List->GlyphToWindow(ZQ_Point<long>(r.X + X, r.Y + r.Height / 2));
    return Point(p.X, p.Y);
  }
  void Press(LPARAM Where, WPARAM Keys = 0) {
    Send(Window, WM_LBUTTONDOWN, MK_LBUTTON | Keys, Where);
  }
  void Release(LPARAM Where) { Send(Window, WM_LBUTTONUP, 0, Where); }
  std::string FocusName() { return NameOf(List->GetFocusElement()); }
  NotificationCounter* Parent;
  ZQF_ListGlyph* List;
  std::map<std::string, NamedRow*> Rows;
  HWND Window;
};

std::vector<std::string> Numbered(int Count, const char* Prefix = "row ") {
  std::vector<std::string> lines;
  for (int i = 0; i < Count; ++i) lines.push_back(Prefix + std::to_string(i));
  return lines;
}

// Dispatches what arrives until Done holds or Ms milliseconds pass; true
// when Done holds.
template <class Condition>
bool PumpUntil(Condition Done, long Ms) {
  const DWORD end = ::GetTickCount() + Ms;
  while (!Done() && static_cast<long>(end - ::GetTickCount()) > 0) {
    PumpMessages();
    ::Sleep(5);
  }
  return Done();
}
// Dispatches what arrives for Ms milliseconds.
void PumpFor(long Ms) {
  PumpUntil([] { return false; }, Ms);
}
// How long a test waits for a timer it expects: generous, for a loaded
// machine; the wait ends as soon as the timer has done its work.
const long kPatienceMs = 10000;


TEST_F(ListWindowTest, ClicksOnRowsAndNodeBoxes) {
  struct Case {
    const char* why;
    const char* row;
    long x;  // into the content; negative reaches the node box
    WPARAM keys;
    bool doubleClick;
    const char* wantFocus;
    int wantMouseChanges;
    long wantVisible;
    bool wantCapture;
    long wantTop;
  } cases[] = {
      {"a plain click focuses and selects", "b", 5, 0, false, "b", 1, 4, true, 0},
      {"Shift+click captures and changes nothing", "b", 5, MK_SHIFT, false, "n", 0, 4, true, 0},
      {"Control+click likewise", "b", 5, MK_CONTROL, false, "n", 0, 4, true, 0},
      // The last child was shown first, then the node itself won the top row.
      {"the box of a closed node opens it", "n", -12, 0, false, "n", 1, 24, false, 2},
      {"a double click on the content toggles the node", "n", 5, 0, true, "n", 0, 24, true, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    std::vector<std::string> lines = {"a", "b", "n"};
    for (int i = 0; i < 20; ++i) lines.push_back("  child " + std::to_string(i));
    lines.push_back("z");
    ListWindow w(*this, 1, 200, 150, lines);
    w.List->SetFocus(w.Rows["n"]);
    if (c.doubleClick) {
      Send(w.Window, WM_LBUTTONDBLCLK, MK_LBUTTON | c.keys, w.At(c.row, c.x));
    } else {
      w.Press(w.At(c.row, c.x), c.keys);
    }
    EXPECT_EQ(w.FocusName(), c.wantFocus);
    EXPECT_EQ(w.Parent->Changes[L::ListChange_Mouse], c.wantMouseChanges);
    EXPECT_EQ(w.List->GetNumVisibleElements(), c.wantVisible);
    EXPECT_EQ(w.List->HasMouseCapture(), c.wantCapture);
    EXPECT_EQ(w.List->GetTopElementIndex(), c.wantTop);
    w.Release(w.At("a"));
    EXPECT_FALSE(w.List->HasMouseCapture());
  }
}

// Counts the drags started on it and the commands it takes; accepts drops.
class AcceptingRow : public NamedRow {
 public:
  using NamedRow::NamedRow;
  void HandleDragStart() override { ++DragStarts; }
  void HandleCommand(ZQF_CommandMessage& Message, ZQF_ListGlyph*) override {
    ++Commands;
    Message.SetHandled();
  }
  void HandleDragOperationMessage(ZQF_DragOperationMessage& Message) override { Message.SetHandled(); }
  int DragStarts = 0;
  int Commands = 0;
};

TEST_F(ListWindowTest, CaptureLastsUntilTheDragThreshold) {
  ListWindow w(*this, 0, 200, 150, {});
  auto* row = new AcceptingRow("dragged");
  w.List->InsertAsLastRoot(row);
  w.Rows["dragged"] = row;
  const ZQ_Point<long> threshold = ZQF_GetSizeMetric(ZQF_SizeMetric_DragThreshold);
  const LPARAM start = w.At("dragged", 20);
  // The capture records where the pointer is.
  POINT screen{static_cast<short>(LOWORD(start)), static_cast<short>(HIWORD(start))};
  ::ClientToScreen(w.Window, &screen);
  ::SetCursorPos(screen.x, screen.y);
  w.Press(start);
  ASSERT_TRUE(w.List->HasMouseCapture());
  Send(w.Window, WM_MOUSEMOVE, MK_LBUTTON, start + threshold.X - 1);
  EXPECT_TRUE(w.List->HasMouseCapture()) << "within the threshold";
  EXPECT_EQ(row->DragStarts, 0);
  Send(w.Window, WM_MOUSEMOVE, MK_LBUTTON, start + threshold.X);
  EXPECT_FALSE(w.List->HasMouseCapture());
  EXPECT_EQ(row->DragStarts, 1);
}

TEST_F(ListWindowTest, WheelScrollsThreeRowsButLessThanAPage) {
  const long rowHeight = ZQF_MeasureListText("M").Y + 2;
  struct Case {
    long rows;  // per page
    short delta;
    long wantTop;
  } cases[] = {{10, -120, 3}, {10, -240, 6}, {3, -120, 2}, {1, -120, 1}, {10, 120, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.rows) + " rows, delta " + std::to_string(c.delta));
    ListWindow w(*this, 0, 200, c.rows * rowHeight + 4, Numbered(30));
    ASSERT_EQ(w.List->GetPageSize(), c.rows);
    POINT screen{50, 2};
    ::ClientToScreen(w.Window, &screen);
    Send(w.Window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(c.delta)), Point(screen.x, screen.y));
    EXPECT_EQ(w.List->GetTopElementIndex(), c.wantTop);
    EXPECT_EQ(w.FocusName(), "row 0") << "the focus stays";
  }
}

TEST_F(ListWindowTest, MiddleButtonScrollMovesWholeRows) {
  ListWindow w(*this, 0, 200, 150, Numbered(300));
  POINT press{60, 20};
  ::ClientToScreen(w.Window, &press);
  ::SetCursorPos(press.x, press.y);
  PumpMessages();
  // Released in place: the scroll goes on until the next click.
  ::PostMessageA(w.Window, WM_MBUTTONUP, 0, MAKELPARAM(61, 21));
  ScrollScript script(w.Window, ZQ_Point<long>(press.x, press.y));
  Send(w.Window, WM_MBUTTONDOWN, MK_MBUTTON, Point(60, 20));
  EXPECT_EQ(script.Ticks, 8);
  EXPECT_GT(w.List->GetTopElementIndex(), 0);
  EXPECT_EQ(w.List->GetVerticalScrollBar()->GetSliderPosition(), w.List->GetTopElementIndex());
}

TEST_F(ListWindowTest, SelectFollowsMouseAndReleaseNotifies) {
  ListWindow w(*this, 0, 200, 150, Numbered(3));
  w.List->SetSelectFollowsMouse(true);
  Send(w.Window, WM_MOUSEMOVE, 0, w.At("row 1"));
  EXPECT_EQ(w.FocusName(), "row 1");
  EXPECT_TRUE(w.Rows["row 1"]->IsSelected());
  EXPECT_EQ(w.Parent->Changes[L::ListChange_Mouse], 0) << "moves do not notify";
  // Released below the last row: still a notification.
  Send(w.Window, WM_LBUTTONUP, 0, Point(50, 140));
  EXPECT_EQ(w.FocusName(), "row 1");
  EXPECT_EQ(w.Parent->Changes[L::ListChange_Mouse], 1);
}

TEST_F(ListWindowTest, TooltipsOnlyForCutRows) {
  struct Case {
    const char* why;
    const char* row;
    long scroll;  // horizontal lines scrolled first
    bool wantTip;
  } cases[] = {
      {"a row that fits", "short", 0, false},
      {"a row cut at the right", "a rather long row that the list cannot show whole", 0, true},
      {"a short row scrolled out at the left", "short", 3, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    ListWindow w(*this, 0, 150, 100, {"short", "a rather long row that the list cannot show whole"});
    for (long i = 0; i < c.scroll; ++i) w.List->ScrollLineRight();
    const LPARAM at = w.At(c.row, 30);
    POINT screen{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    ::ClientToScreen(w.Window, &screen);
    ::SetCursorPos(screen.x, screen.y);
    ZQF_TooltipsMessage tip;
    w.List->HandleGenericMessage(tip, true);
    EXPECT_EQ(tip.IsHandled(), c.wantTip);
    if (!c.wantTip) continue;
    EXPECT_STREQ(tip.GetText().GetText(), c.row);
    EXPECT_EQ(tip.GetDisplayDelay(), ZQF_GetTimeMetric(ZQF_TimeMetric_LabelTooltipDelay));
    const ZQ_Rectangle<long> r = w.List->GetElementRect(w.Rows[c.row]);
    const ZQ_Point<long> corner = w.List->GlyphToScreen(ZQ_Point<long>(r.X + 2, r.Y + 1));
    EXPECT_EQ(tip.GetIdentity(), ZQ_UID(corner.X, corner.Y, 0, 0));
  }
}

TEST_F(ListWindowTest, OneDelayedNotificationPerBurstOfKeyReleases) {
  ListWindow w(*this, 0, 200, 150, Numbered(10));
  w.List->SetChangeNotificationDelay(150);
  w.List->PutOnFocusPath();
  for (int i = 0; i < 3; ++i) {
    Send(w.Window, WM_KEYDOWN, VK_DOWN, 1);
    Send(w.Window, WM_KEYUP, VK_DOWN, 0xC0000001);
    PumpFor(40);
  }
  EXPECT_EQ(w.FocusName(), "row 3");
  EXPECT_EQ(w.Parent->Indicators, 3) << "the cues at each press";
  EXPECT_EQ(w.Parent->Changes[L::ListChange_Keyboard], 0) << "the delay restarts at each release";
  EXPECT_TRUE(PumpUntil([&] { return w.Parent->Changes[L::ListChange_Keyboard] > 0; }, kPatienceMs))
      << "the delayed notification within 10 s";
  EXPECT_EQ(w.Parent->Changes[L::ListChange_Keyboard], 1);
  PumpFor(300);
  EXPECT_EQ(w.Parent->Changes[L::ListChange_Keyboard], 1) << "one per burst";
}

TEST_F(ListWindowTest, AutoscrollAtEachEdgeDuringADrag) {
  using T = ZQF_ListGlyphAutoscrollTimer;
  struct Case {
    const char* why;
    long x, y;  // list-local, from the list area's corner; negative from the far side
    int wantEdge;
  } cases[] = {
      {"top", 60, 3, T::AutoscrollEdge_Top},
      {"bottom", 60, -3, T::AutoscrollEdge_Bottom},
      {"left", 3, 40, T::AutoscrollEdge_Left},
      {"right", -3, 40, T::AutoscrollEdge_Right},
      {"middle", 60, 40, T::AutoscrollEdge_None},
  };
  std::vector<std::string> lines = Numbered(100, "a long row for the horizontal bar, number ");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    ListWindow w(*this, 0, 200, 150, lines);
    w.List->ScrollLineDown(50);
    w.List->ScrollLineRight();
    const ZQ_Rectangle<long> area = w.List->GetListArea();
    const ZQ_Point<long> local(c.x >= 0 ? area.X + c.x : area.X + area.Width + c.x,
                               c.y >= 0 ? area.Y + c.y : area.Y + area.Height + c.y);
    const ZQ_Point<long> screen = w.List->GlyphToScreen(local);
    ::SetCursorPos(screen.X, screen.Y);
    w.List->HandleGenericMessage(ZQF_GetDragOperationMessage(), true);
    ZQF_GetDragOperationMessage().Reset();
    if (c.wantEdge == T::AutoscrollEdge_None) {
      EXPECT_EQ(T::GetCurrent(), nullptr);
      continue;
    }
    ASSERT_NE(T::GetCurrent(), nullptr);
    EXPECT_EQ(T::GetCurrent()->GetEdge(), c.wantEdge);
    const long top = w.List->GetTopElementIndex(), left = w.List->GetHorizontalScrollPosition();
    const auto moved = [&] {
      return (w.List->GetTopElementIndex() - top) + (w.List->GetHorizontalScrollPosition() - left);
    };
    EXPECT_TRUE(PumpUntil([&] { return moved() != 0; }, kPatienceMs)) << "a scroll within 10 s";
    EXPECT_TRUE(c.wantEdge == T::AutoscrollEdge_Top || c.wantEdge == T::AutoscrollEdge_Left ? moved() < 0 : moved() > 0);
    // Leaving the list area stops it.
    T::GetCurrent()->ProcessMouseMove(w.List->GlyphToScreen(ZQ_Point<long>(-5, -5)));
    EXPECT_EQ(T::GetCurrent(), nullptr);
  }
}

TEST_F(ListWindowTest, ListDestroyedWhileItsTimersRun) {
  ListWindow w(*this, 0, 200, 150, Numbered(40));
  w.List->SetChangeNotificationDelay(100);
  w.List->PutOnFocusPath();
  Send(w.Window, WM_KEYDOWN, VK_DOWN, 1);
  Send(w.Window, WM_KEYUP, VK_DOWN, 0xC0000001);
  const ZQ_Rectangle<long> area = w.List->GetListArea();
  const ZQ_Point<long> nearTop = w.List->GlyphToScreen(ZQ_Point<long>(area.X + 40, area.Y + 2));
  ::SetCursorPos(nearTop.X, nearTop.Y);
  w.List->HandleGenericMessage(ZQF_GetDragOperationMessage(), true);
  ZQF_GetDragOperationMessage().Reset();
  ASSERT_NE(ZQF_ListGlyphAutoscrollTimer::GetCurrent(), nullptr);
  w.Parent->DeleteChild(w.List);
  EXPECT_EQ(ZQF_ListGlyphAutoscrollTimer::GetCurrent(), nullptr);
  PumpFor(500);
  EXPECT_EQ(w.Parent->Changes[L::ListChange_Keyboard], 0);
}

TEST_F(ListWindowTest, BarsCommandsAndDropsReachTheirRows) {
  ListWindow w(*this, 0, 200, 150, Numbered(50));
  auto* row = new AcceptingRow("accepting");
  w.List->InsertAsLastRoot(row);
  // The vertical bar's slider sets the top row.
  ZQF_ScrollBarGlyph* bar = w.List->GetVerticalScrollBar();
  bar->SetSliderPosition(7, true);
  EXPECT_EQ(w.List->GetTopElementIndex(), 7);
  // Commands go to the focus element only.
  ZQF_CutCommandMessage cut;
  w.List->HandleCommand(cut, false);
  EXPECT_EQ(row->Commands, 0);
  w.List->SetFocus(row);
  w.List->HandleCommand(cut, false);
  EXPECT_EQ(row->Commands, 1);
  // A drop the row accepts adds its rectangle, dotted, to the feedback.
  ZQF_DragOperationDrawingContext feedback;
  ZQF_DragOperationMessage& drag = ZQF_GetDragOperationMessage();
  drag.SetDrawingContext(&feedback);
  const ZQ_Rectangle<long> r = w.List->GetElementRect(row);
  const ZQ_Point<long> over = w.List->GlyphToScreen(ZQ_Point<long>(r.X + 30, r.Y + r.Height / 2));
  ::SetCursorPos(over.X, over.Y);
  w.List->HandleGenericMessage(drag, true);
  EXPECT_TRUE(drag.IsHandled());
  EXPECT_EQ(feedback.GetDrawingBoundingBox(), w.List->GlyphToScreen(r));
  drag.Reset();
  ZQF_ListGlyphAutoscrollTimer::Stop();
}

}  // namespace

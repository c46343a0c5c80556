// The dropdown control base in real windows, with a test dropdown whose
// popup is a string list: placement on injected screens, where the
// keyboard focus goes, the roads that open it, the roads that close it with
// their notification counts, the outside click that reaches nothing, system
// keys and the wheel sent to the popup itself, and the hooks gone after.
#include <gtest/gtest.h>

#include "../core/WindowTestSupport.h"
#include "ListTestSupport.h"
#include "DropdownTestSupport.h"
#include "ZQF_DropdownWindow.h"

namespace {

using D = ZQF_DropdownControlGlyph;

// Counts the dropdown's change notifications.
class DropdownParent : public NotificationCounter {
 public:
  void DrawSelf(ZQF_Canvas& Canvas) override { Canvas.Fill(GetLocalBoundingBox(), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground)); }
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override {
    if (!SecondTry && dynamic_cast<ZQF_DropdownControlChangeNotificationMessage*>(&Message)) ++Notified;
  }
  void AcceptLayout() override {
    // The dropdown at the top, a recording glyph below it.
    ZQF_Glyph* dropdown = GetFirstChild();
    LayoutChild(dropdown, ZQ_Rectangle<long>(10, 10, 150, dropdown->GetDesiredSize().Natural.Y));
    LayoutChild(dropdown->GetNextSibling(), ZQ_Rectangle<long>(10, 60, 150, 40));
  }
  int Notified = 0;
};

class DropdownTest : public WindowTest {
 protected:
  void OpenForm() {
    parent = new DropdownParent;
    dropdown = new TestDropdown({"Alpha", "Bravo", "Charlie", "Delta"});
    beside = new RecordingGlyph("beside", &log);
    parent->AddChild(dropdown, true);
    parent->AddChild(beside, true);
    window = OpenAround(parent, ZQ_Rectangle<long>(100, 100, 200, 150))->GetWindowHandle();
    dropdown->GetPermanentDisplayGlyph()->PutOnFocusPath();
    PumpMessages();
  }
  LPARAM Center(ZQF_Glyph* Glyph) {
    const ZQ_Rectangle<long>& box = Glyph->GetBoundingBox();
    return Point(box.X + box.Width / 2, box.Y + box.Height / 2);
  }
  HWND Popup() { return dropdown->IsDropdownOpen() ? dropdown->GetDropdownWindow()->GetWindowHandle() : nullptr; }
  // A key as the window with the keyboard focus receives it.
  void Key(UINT Message, WPARAM Key) {
    const HWND target = ::GetFocus() ? ::GetFocus() : window;
    Send(target, Message, Key, Message == WM_KEYUP || Message == WM_SYSKEYUP ? 0xC0000001 : 1);
  }

  DropdownParent* parent = nullptr;
  TestDropdown* dropdown = nullptr;
  RecordingGlyph* beside = nullptr;
  HWND window = nullptr;
};

TEST_F(DropdownTest, PlacementOnInjectedScreens) {
  ZQF_DesiredSize frame;
  struct Case {
    const char* why;
    ZQ_Rectangle<long> control;
    long natural, minimum, maximum, height;  // frame: widths, natural height
    ZQ_Rectangle<long> want;
  } cases[] = {
      {"below, as wide as the control", {100, 100, 150, 20}, 80, 10, 1000, 200, {100, 120, 150, 200}},
      {"wider content keeps its width", {100, 100, 150, 20}, 300, 10, 1000, 200, {100, 120, 300, 200}},
      {"above when there is no room below", {100, 700, 150, 20}, 80, 10, 1000, 200, {100, 500, 150, 200}},
      {"cut to the larger side", {100, 300, 150, 20}, 80, 10, 1000, 900, {100, 320, 150, 448}},
      {"shifted left at the right edge", {900, 100, 150, 20}, 200, 10, 1000, 100, {824, 120, 200, 100}},
      {"never wider than the screen", {10, 100, 150, 20}, 2000, 10, 3000, 100, {0, 120, 1024, 100}},
      {"narrower than the control when the frame says so", {100, 100, 150, 20}, 80, 10, 90, 100,
       {100, 120, 90, 100}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    frame.SetX(c.natural, c.minimum, c.maximum);
    frame.SetY(c.height, 0, 5000);
    EXPECT_EQ(D::ComputeDropdownPlacement(ZQ_Rectangle<long>(0, 0, 1024, 768), ZQ_Point<long>(0, 0),
                                          c.control, frame),
              c.want);
  }
}

TEST_F(DropdownTest, OpeningRoadsAndWhereTheFocusGoes) {
  struct Case {
    const char* why;
    int road;
  } cases[] = {{"Alt+Down", 0}, {"Space", 1}, {"a click on the display", 2}, {"the arrow", 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    OpenForm();
    switch (c.road) {
      case 0:
        SetModifierKeys(false, false, true);
        Send(window, WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29));
        SetModifierKeys(false, false, false);
        break;
      case 1: Send(window, WM_CHAR, ' ', 1); break;
      case 2: Send(window, WM_LBUTTONDOWN, MK_LBUTTON, Center(dropdown->GetPermanentDisplayGlyph())); break;
      case 3:
        Send(window, WM_LBUTTONDOWN, MK_LBUTTON, Center(dropdown->GetArrowButton()));
        Send(window, WM_LBUTTONUP, 0, Center(dropdown->GetArrowButton()));
        break;
    }
    ASSERT_TRUE(dropdown->IsDropdownOpen());
    // Under Wine a desktop child shown without activation does not take
    // the keyboard focus, not even from a bare SetFocus: keys keep arriving
    // at the control, which forwards them to the popup.
    EXPECT_EQ(::GetFocus(), window);
    ::SetFocus(Popup());
    EXPECT_EQ(::GetFocus(), window);
    RECT popup;
    ::GetWindowRect(Popup(), &popup);
    const ZQ_Rectangle<long>& box = dropdown->GetBoundingBox();
    const ZQ_Point<long> corner = dropdown->WindowToScreen(box.GetTopLeft());
    EXPECT_EQ(popup.top, corner.Y + box.Height) << "below the control";
    EXPECT_EQ(popup.left, corner.X);
    EXPECT_EQ(parent->Notified, 0);
    dropdown->CancelDropdown(true);
    EXPECT_EQ(::GetFocus(), window);
    ::DestroyWindow(window);
    PumpMessages();
  }
}

TEST_F(DropdownTest, ClosingRoadsAndTheirNotifications) {
  struct Case {
    const char* why;
    int road;
    const char* wantValue;
    int wantNotified;
  } cases[] = {
      {"Enter keeps the choice", 0, "Bravo", 1},
      {"Escape restores the value", 1, "Alpha", 0},
      {"an outside click keeps it", 2, "Bravo", 1},
      {"the wheel over the popup keeps it", 3, "Bravo", 1},
      {"Alt sent to the popup keeps it", 4, "Bravo", 1},
      {"focus loss keeps it", 5, "Bravo", 1},
      {"a click on a row takes it and closes", 6, "Charlie", 1},
      {"closing unchanged sends nothing", 7, "Alpha", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    OpenForm();
    log.clear();
    Send(window, WM_CHAR, ' ', 1);
    ASSERT_TRUE(dropdown->IsDropdownOpen());
    if (c.road != 6 && c.road != 7) {
      Key(WM_KEYDOWN, VK_DOWN);  // the popup's list moves: the value follows at once
      Key(WM_KEYUP, VK_DOWN);
      EXPECT_STREQ(dropdown->Value.GetText(), "Bravo");
      EXPECT_TRUE(dropdown->IsDropdownOpen()) << "a keyboard choice leaves it open";
    }
    const HWND popup = Popup();
    switch (c.road) {
      case 0: Key(WM_KEYDOWN, VK_RETURN); break;
      case 1: Key(WM_KEYDOWN, VK_ESCAPE); break;
      case 2: Send(window, WM_LBUTTONDOWN, MK_LBUTTON, Center(beside)); break;
      case 3: Send(popup, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), Point(300, 300)); break;
      case 4: Send(popup, WM_SYSKEYDOWN, VK_MENU, 1 << 29); break;
      case 5: {
        ZQF_FocusChangeMessage lost(ZQF_FocusChangeMessage::Change_Lost, ZQF_FocusChangeMessage::Scope_Window);
        dropdown->HandleFocusChange(lost, false);
        break;
      }
      case 6: {
        StringList* list = dropdown->List;
        const ZQ_Rectangle<long> row = list->GetElementRect(list->FindElementByValue("Charlie", 0));
        const ZQ_Point<long> at = list->GlyphToWindow(ZQ_Point<long>(row.X + 5, row.Y + 2));
        Send(popup, WM_MOUSEMOVE, 0, Point(at.X, at.Y));
        Send(popup, WM_LBUTTONUP, 0, Point(at.X, at.Y));
        break;
      }
      case 7: Key(WM_KEYDOWN, VK_RETURN); break;
    }
    RunIdleActions();
    PumpMessages();
    EXPECT_FALSE(dropdown->IsDropdownOpen());
    EXPECT_FALSE(::IsWindow(popup));
    EXPECT_STREQ(dropdown->Value.GetText(), c.wantValue);
    EXPECT_EQ(parent->Notified, c.wantNotified);
    EXPECT_EQ(Joined(log).find("beside.LeftDown"), std::string::npos) << "the outside click reached nothing";
    // The monitor is gone: a click beside now arrives.
    Send(window, WM_LBUTTONDOWN, MK_LBUTTON, Center(beside));
    Send(window, WM_LBUTTONUP, 0, Center(beside));
    EXPECT_NE(Joined(log).find("beside.LeftDown"), std::string::npos);
    ::DestroyWindow(window);
    PumpMessages();
  }
}

TEST_F(DropdownTest, ScreenshotsClosedWithTheFocusAndOpen) {
  OpenForm();
  RECT frame;
  ::GetWindowRect(window, &frame);
  const ZQ_Rectangle<long> area(frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
  SaveScreenRectangleShot(area, "dropdown_closed_with_focus");
  Send(window, WM_CHAR, ' ', 1);
  Key(WM_KEYDOWN, VK_DOWN);
  PumpMessages();
  ::UpdateWindow(Popup());
  SaveScreenRectangleShot(area, "dropdown_open");
  EXPECT_TRUE(dropdown->IsDropdownOpen());
}

TEST_F(DropdownTest, SizeCountsTheArrowsWidthButNotItsHeight) {
  OpenForm();
  const ZQF_DesiredSize& d = dropdown->GetPermanentDisplayGlyph()->GetDesiredSize();
  const ZQF_DesiredSize& a = dropdown->GetArrowButton()->GetDesiredSize();
  const long extra = 2 * (2 + 1);  // sunken border 2, inset 1
  EXPECT_EQ(dropdown->GetDesiredSize().Natural.X, d.Natural.X + a.Natural.X + extra);
  EXPECT_EQ(dropdown->GetDesiredSize().Natural.Y, d.Natural.Y + extra);
  const ZQ_Rectangle<long>& box = dropdown->GetBoundingBox();
  const ZQ_Rectangle<long>& arrow = dropdown->GetArrowButton()->GetBoundingBox();
  const ZQ_Rectangle<long>& display = dropdown->GetPermanentDisplayGlyph()->GetBoundingBox();
  EXPECT_EQ(arrow.X + arrow.Width, box.X + box.Width - 2) << "the rightmost pixels inside the border";
  EXPECT_EQ(arrow.Width, a.Natural.X);
  EXPECT_EQ(display.X, box.X + 3);
  EXPECT_EQ(display.X + display.Width, arrow.X - 1);
}

TEST_F(DropdownTest, StringListValueSearches) {
  StringList list(0);
  ZQ_List<ZQ_String> values;
  for (const char* v : {"a", "b", "b"}) values.Append(ZQ_String(v));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { list.GetFocusValue(); }), "E1"));
  list.AddValues(values.GetIterator());
  list.SelectByValue("b", true);
  EXPECT_EQ(list.FindElementByValue("b", 0), list.FindElementByIndex(1, 0)) << "the first equal row";
  EXPECT_TRUE(list.FindElementByIndex(1, 0)->IsSelected());
  EXPECT_EQ(list.FindElementByValue("B", 0), nullptr) << "exact comparison";
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { list.SetFocusByValue("c"); }), "LGE"));
  list.InsertAsLastRoot(new NamedRow("foreign"));
  list.SetFocus(list.FindElementByIndex(3, 0));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { list.GetFocusValue(); }), "E2"));
}

TEST_F(DropdownTest, PendingCloseIsDroppedWhenAnotherRoadClosesFirst) {
  OpenForm();
  Send(window, WM_CHAR, ' ', 1);
  Key(WM_KEYDOWN, VK_DOWN);
  dropdown->QueueClose(2);  // as the popup's own Escape would: restore
  dropdown->CancelDropdown(false);  // closes first, keeping Bravo
  EXPECT_EQ(parent->Notified, 1);
  RunIdleActions();
  EXPECT_STREQ(dropdown->Value.GetText(), "Bravo") << "the queued restore was dropped";
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { ZQF_DropdownQueuedActionReference(dropdown, 3).Perform(); }),
                       "false"));
}

}  // namespace

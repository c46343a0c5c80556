// The string-value dropdown and the time-zone input in real windows: values
// set without notification, stepping without wrap (keys and the wheel, one
// step per wheel message), the first-letter cycle, the width of an empty
// dropdown, a letter moving the open popup's row, a click on the display
// opening it, and all 62 zones round-trip. Screenshots of both open.
#include <gtest/gtest.h>

#include "../core/WindowTestSupport.h"
#include "DropdownTestSupport.h"
#include "ZQF_DropdownWindow.h"
#include "ZQTZxZQF_TimeZoneInputGlyph.h"

namespace {

using Dropdown = ZQF_StoredStringListDropdownGlyph;

// Counts the dropdown's change notifications; fills its window's width.
class ValueParent : public NotificationCounter {
 public:
  void DrawSelf(ZQF_Canvas& Canvas) override { Canvas.Fill(GetLocalBoundingBox(), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground)); }
  void HandleNotification(ZQF_NotificationMessage& Message, bool SecondTry) override {
    if (!SecondTry && dynamic_cast<ZQF_DropdownControlChangeNotificationMessage*>(&Message)) ++Notified;
  }
  void AcceptLayout() override {
    ZQF_Glyph* child = GetFirstChild();
    LayoutChild(child, ZQ_Rectangle<long>(10, 10, child->GetDesiredSize().Natural.X, child->GetDesiredSize().Natural.Y));
  }
  int Notified = 0;
};

class StringValueDropdown : public WindowTest {
 protected:
  template <class D>
  D* OpenWith(D* Control, long Width = 260) {
    parent = new ValueParent;
    parent->AddChild(Control, true);
    window = OpenAround(parent, ZQ_Rectangle<long>(100, 100, Width, 150))->GetWindowHandle();
    Control->GetPermanentDisplayGlyph()->PutOnFocusPath();
    return Control;
  }
  Dropdown* OpenValues(const std::vector<const char*>& Values) {
    auto* dropdown = new Dropdown(-1);
    for (const char* v : Values) dropdown->AddElement(v);
    return OpenWith(dropdown);
  }
  static std::string Shown(Dropdown* D) { return D->GetTextEditGlyph()->GetText().GetText(); }

  ValueParent* parent = nullptr;
  HWND window = nullptr;
};

TEST_F(StringValueDropdown, ValuesAndStepsWithoutWrap) {
  Dropdown* d = OpenValues({"a", "b", "c"});
  EXPECT_EQ(Shown(d), "a");
  EXPECT_EQ(d->GetValue(), 0);
  d->SetValue(1);
  EXPECT_EQ(Shown(d), "b");
  EXPECT_EQ(parent->Notified, 0) << "set by the program";
  struct Case {
    const char* why;
    UINT message;
    WPARAM key;
    const char* want;
    int wantNotified;
  } cases[] = {
      {"Down steps to the next", WM_KEYDOWN, VK_DOWN, "c", 1},
      {"Down on the last changes nothing", WM_KEYDOWN, VK_DOWN, "c", 1},
      {"a wheel message of three notches steps once", WM_MOUSEWHEEL, 360, "b", 2},
      {"Up steps back", WM_KEYDOWN, VK_UP, "a", 3},
      {"Up on the first changes nothing", WM_KEYDOWN, VK_UP, "a", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    if (c.message == WM_MOUSEWHEEL) {
      POINT screen{20, 15};
      ::ClientToScreen(window, &screen);
      Send(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(c.key)), Point(screen.x, screen.y));
    } else {
      Send(window, c.message, c.key, 1);
    }
    EXPECT_EQ(Shown(d), c.want);
    EXPECT_EQ(parent->Notified, c.wantNotified);
    EXPECT_FALSE(d->IsDropdownOpen());
  }
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { d->Util_SetCurrentValue("z"); }), "false"));
}

TEST_F(StringValueDropdown, FirstLetterCycle) {
  Dropdown* d = OpenValues({"Alpha", "beta", "Bravo", "3 m"});
  struct Case {
    char typed;
    const char* want;
    bool handled;
  } cases[] = {{'b', "beta", true}, {'b', "Bravo", true}, {'B', "beta", true},
               {'x', "beta", true}, {'3', "3 m", true},   {'.', "3 m", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    ZQF_DownKeyMessage key(static_cast<ZQF_KeyCode>(c.typed), false, false, false);
    d->HandleKey(key, true);
    EXPECT_EQ(Shown(d), c.want);
    EXPECT_EQ(key.IsHandled(), c.handled);
  }
  EXPECT_EQ(parent->Notified, 4);
  // Open, a letter moves the popup's row too.
  Send(window, WM_CHAR, ' ', 1);
  ASSERT_TRUE(d->IsDropdownOpen());
  Send(window, WM_CHAR, 'a', 1);
  auto* list = dynamic_cast<ZQF_ParameterizedStringListGlyph<ZQ_String>*>(
      d->GetDropdownWindow()->GetTopLevelGlyph()->GetFirstChild()->GetFirstChild());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->GetFocusValue(), ZQ_String("Alpha"));
  EXPECT_TRUE(list->GetFocusElement()->IsSelected());
  ::UpdateWindow(window);
  SaveScreenRectangleShot(ZQ_Rectangle<long>(100, 100, 260, 150), "dropdown_string_values_open");
  d->CancelDropdown(false);
}

TEST_F(StringValueDropdown, EmptyIsTwentyCharactersAndAClickOnTheDisplayOpens) {
  Dropdown* d = OpenValues({});
  ZQF_DropdownControl_TextPermanentGlyph sample;
  sample.SetFixedSize(20, 1, true, true);
  sample.UpdateDesiredSize();
  EXPECT_EQ(d->GetTextEditGlyph()->GetDesiredSize().Natural.X, sample.GetDesiredSize().Natural.X);
  EXPECT_TRUE(d->GetTextEditGlyph()->GetReadOnly());
  d->AddElement("only");
  const ZQ_Rectangle<long>& display = d->GetPermanentDisplayGlyph()->GetBoundingBox();
  Send(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(display.X + 3, display.Y + 3));
  EXPECT_TRUE(d->IsDropdownOpen());
  d->CancelDropdown(true);
}

TEST_F(StringValueDropdown, TimeZonesRoundTripAndZoneZeroFirst) {
  auto* zones = OpenWith(new ZQTZxZQF_TimeZoneInputGlyph, 600);
  EXPECT_EQ(zones->GetValue().GetId(), 0);
  EXPECT_EQ(Shown(zones), ZQTZ_TimeZone(0).GetName().GetText());
  for (int id = 0; id < ZQTZ_TimeZone::NumStandardTimeZones; ++id) {
    SCOPED_TRACE(id);
    zones->SetValue(ZQTZ_TimeZone(id));
    EXPECT_EQ(zones->GetValue().GetId(), id);
  }
  EXPECT_EQ(parent->Notified, 0);
  zones->SetValue(ZQTZ_TimeZone(11));
  EXPECT_EQ(Shown(zones), ZQTZ_TimeZone(11).GetName().GetText());
  Send(window, WM_CHAR, ' ', 1);
  ASSERT_TRUE(zones->IsDropdownOpen());
  RunIdleActions();
  PumpMessages();
  ::UpdateWindow(window);
  RECT popup;
  ::GetWindowRect(zones->GetDropdownWindow()->GetWindowHandle(), &popup);
  SaveScreenRectangleShot(ZQ_Rectangle<long>(100, 100, popup.right - 100, popup.bottom - 100), "time_zone_input_open");
  zones->CancelDropdown(true);
}

}  // namespace

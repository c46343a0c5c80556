// Composites whose parts are deleted from outside: a radio group's button or
// client, a scroll bar's arrow, a list's scroll bar and a dropdown's display
// or arrow. Afterwards keys, clicks, the wheel, a new layout and a repaint
// run; nothing may touch freed memory. The group and the bar go on without
// the part (the bar counts a missing arrow 0 long); the list reports the
// missing bar by its assertion.
#include <gtest/gtest.h>

#include <memory>

#include "../core/WindowTestSupport.h"
#include "../layout/ChoiceTestSupport.h"
#include "DropdownTestSupport.h"
#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"

namespace {

class CompositeParts : public WindowTest {
 protected:
  // A radio group, a list and a dropdown in one column.
  void OpenForm() {
    panel.reset(new ChoicePanel);
    column = new ZQF_ColumnGlyph;
    column->AddToBottom(panel->root);
    list = new ZQF_ListGlyph(0);
    for (int i = 0; i < 30; ++i) list->InsertAsLastRoot(new NamedRow("a row wide enough for a bar " + std::to_string(i)));
    column->AddToBottom(list);
    dropdown = new TestDropdown({"Alpha", "Bravo"});
    column->AddToBottom(dropdown);
    window = OpenAround(column, ZQ_Rectangle<long>(50, 50, 300, 400));
  }
  void Exercise() {
    const HWND handle = window->GetWindowHandle();
    for (WPARAM key : {VK_DOWN, VK_UP, VK_SPACE, VK_RETURN, VK_ESCAPE}) {
      Send(handle, WM_KEYDOWN, key, 1);
      Send(handle, WM_KEYUP, key, 0xC0000001);
    }
    for (long y = 5; y < 400; y += 13) {
      for (long x = 5; x < 300; x += 37) {
        Send(handle, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
        Send(handle, WM_LBUTTONUP, 0, Point(x, y));
      }
    }
    POINT screen{100, 100};
    ::ClientToScreen(handle, &screen);
    Send(handle, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), Point(screen.x, screen.y));
    window->SetWindowRectangle(ZQ_Rectangle<long>(50, 50, 260, 380));
    ::InvalidateRect(handle, nullptr, TRUE);
    ::UpdateWindow(handle);
    if (dropdown && dropdown->IsDropdownOpen()) dropdown->CancelDropdown(true);
    RunIdleActions();
    PumpMessages();
  }

 public:
  // The glyphs belong to the window; the struct only points at them.
  std::unique_ptr<ChoicePanel> panel;
  ZQF_ColumnGlyph* column = nullptr;
  ZQF_ListGlyph* list = nullptr;
  TestDropdown* dropdown = nullptr;
  ZQF_Window* window = nullptr;
};

TEST_F(CompositeParts, DeletedPartsLeaveTheCompositesSound) {
  struct Case {
    const char* why;
    ZQF_Glyph* (*part)(CompositeParts&);
    const char* assertion;  // what the composite reports afterwards, or ""
  } cases[] = {
      {"a radio button", [](CompositeParts& t) -> ZQF_Glyph* {
         std::vector<ZQF_RadioButtonGlyph*> radios;
         CollectRadioButtons(t.panel->group, radios);
         return radios[1];
       }, ""},
      {"the selected radio button", [](CompositeParts& t) -> ZQF_Glyph* {
         std::vector<ZQF_RadioButtonGlyph*> radios;
         CollectRadioButtons(t.panel->group, radios);
         return radios[0];
       }, ""},
      {"a radio button's client", [](CompositeParts& t) { return t.panel->height; }, ""},
      {"a scroll bar's arrow",
       [](CompositeParts& t) -> ZQF_Glyph* { return t.list->GetVerticalScrollBar()->GetFirstChild(); }, ""},
      {"a list's vertical bar",
       [](CompositeParts& t) -> ZQF_Glyph* { return t.list->GetVerticalScrollBar(); },
       "dynamic_cast <ZQF_VerticalScrollBarGlyph*> (Child)"},
      {"a list's horizontal bar",
       [](CompositeParts& t) -> ZQF_Glyph* { return t.list->GetHorizontalScrollBar(); },
       "dynamic_cast <ZQF_HorizontalScrollBarGlyph*> (Child->Sibling)"},
      {"the dropdown's display", [](CompositeParts& t) { return t.dropdown->GetPermanentDisplayGlyph(); }, ""},
      {"the dropdown's arrow", [](CompositeParts& t) { return t.dropdown->GetArrowButton(); }, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    OpenForm();
    const long buttonsBefore = panel->group->GetNumButtons();
    ZQF_Glyph* part = c.part(*this);
    part->GetParent()->DeleteChild(part);
    {
      IgnoringAssertions quiet;
      EXPECT_EQ(AssertionFailureOf([&] { Exercise(); }), "");
    }
    if (std::string(c.why) == "a scroll bar's arrow") {
      EXPECT_EQ(list->GetVerticalScrollBar()->GetBackwardButton(), nullptr);
      EXPECT_EQ(list->GetVerticalScrollBar()->GetLongAxisCoordinates().BackwardTrough.Y, 0) << "counted 0 long";
    }
    if (*c.assertion) {
      const std::string failure = AssertionFailureOf([&] {
        list->GetVerticalScrollBar();
        list->GetHorizontalScrollBar();
      });
      EXPECT_TRUE(FailedOn(failure, c.assertion)) << failure;
    }
    if (std::string(c.why).find("radio button") == 0 && std::string(c.why).find("client") == std::string::npos) {
      EXPECT_EQ(panel->group->GetNumButtons(), buttonsBefore - 1);
      EXPECT_LT(panel->group->GetValue(), panel->group->GetNumButtons());
    }
    EXPECT_TRUE(ReportedErrors().empty());
    window->Destroy();
    PumpMessages();
  }
}

}  // namespace

// Adjustable panes in real windows under Xvfb: the bar dragged by input
// posted before the press (completed, pulled past the band, cancelled) and
// the cursor over it,
// Ctrl+F6 through nested panes, and pictures of a split window, one with a
// scrolling container scrolled midway both ways in a pane.
#include <gtest/gtest.h>

#include <functional>

#include "../core/DragTestSupport.h"
#include "../core/WindowTestSupport.h"
#include "LayoutFormSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_HorizontalAdjustablePaneGlyph.h"
#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_ScrollingContainerGlyph.h"
#include "ZQF_VerticalAdjustablePaneGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"

namespace {

const long Big = ZQF_AlignmentGlyph::StretchMaximum;

struct Posted {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class PaneWindowTest : public WindowTest {
 protected:
  // A pane glyph of either kind at 0.5 over two stretchable panes filling
  // the client area.
  void OpenPanes(bool Horizontal) {
    first = new SizedGlyph(10, 10, 0, 0, Big, Big);
    second = new SizedGlyph(10, 10, 0, 0, Big, Big);
    pane = Horizontal ? static_cast<ZQF_AdjustablePaneGlyph*>(
                            new ZQF_HorizontalAdjustablePaneGlyph(first, second, 0.5))
                      : new ZQF_VerticalAdjustablePaneGlyph(first, second, 0.5);
    window = OpenAround(pane, ZQ_Rectangle<long>(100, 100, 300, 200));
    handle = window->GetWindowHandle();
    RECT client;
    ::GetClientRect(handle, &client);
    extent = ZQ_Point<long>(client.right, client.bottom);
    POINT origin{0, 0};
    ::ClientToScreen(handle, &origin);
    screenOrigin = ZQ_Point<long>(origin.x, origin.y);
  }
  // Presses the left button at client point At with the pointer there, then
  // the queued input; the drag runs inside the press's dispatch.
  void PressAndPost(const ZQ_Point<long>& At, const std::vector<Posted>& Input) {
    ::SetCursorPos(screenOrigin.X + At.X, screenOrigin.Y + At.Y);
    PumpMessages();
    ::PostMessageA(handle, WM_LBUTTONDOWN, MK_LBUTTON, Point(At.X, At.Y));
    for (const Posted& m : Input) ::PostMessageA(handle, m.message, m.wParam, m.lParam);
    PumpMessages();
  }

  SizedGlyph* first = nullptr;
  SizedGlyph* second = nullptr;
  ZQF_AdjustablePaneGlyph* pane = nullptr;
  ZQF_Window* window = nullptr;
  HWND handle = nullptr;
  ZQ_Point<long> extent;
  ZQ_Point<long> screenOrigin;
};

TEST_F(PaneWindowTest, DraggingTheBar) {
  // Side by side the bar starts at x = 150 (of 300), stacked at y = 100 (of
  // 200). A press at 151 grabs it 1 pixel inside; a move to 201 then puts
  // it at 200.
  const struct {
    const char* why;
    bool horizontal;
    long press, to;  // along the axis
    UINT ending;
    double position;
    const char* hooks;
  } kCases[] = {
      {"completed", true, 151, 201, WM_LBUTTONUP, 200.0 / 300, "begin move end"},
      {"past the left of the band", true, 151, 2, WM_LBUTTONUP, 0.05, "begin move end"},
      {"past the right of the band", true, 151, 298, WM_LBUTTONUP, 0.95, "begin move end"},
      {"Escape", true, 151, 201, WM_KEYDOWN, 0.5, "begin move end cancelled"},
      {"focus lost", true, 151, 201, WM_KILLFOCUS, 0.5, "begin move end cancelled"},
      {"pressed beside the bar", true, 149, 201, WM_LBUTTONUP, 0.5, ""},
      {"stacked, completed", false, 101, 51, WM_LBUTTONUP, 50.0 / 200, "begin move end"},
      {"stacked, Escape", false, 101, 51, WM_KEYDOWN, 0.5, "begin move end cancelled"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    OpenPanes(c.horizontal);
    ASSERT_EQ(extent, ZQ_Point<long>(300, 200));
    auto at = [&c](long Along) {
      return c.horizontal ? ZQ_Point<long>(Along, 100) : ZQ_Point<long>(150, Along);
    };
    const ZQ_Point<long> to = at(c.to);
    const WPARAM key = c.ending == WM_KEYDOWN ? VK_ESCAPE : 0;
    std::vector<std::string> hookLog;
    RecordingDragHook hook(&hookLog);
    const int layoutsBefore = first->NumAcceptLayouts;
    // Over the bar, the resize cursor of its axis; elsewhere the arrow.
    const ZQ_Point<long> press = at(c.press);
    ::SetCursorPos(screenOrigin.X + press.X, screenOrigin.Y + press.Y);
    Send(handle, WM_SETCURSOR, WPARAM(handle), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    const int cursor = c.hooks[0] == 0 ? 0 : c.horizontal ? 9 : 8;
    EXPECT_EQ(HandleOf(ZQR_Cursor::GetCursorToUse()), HandleOf(ZQF_GetCursorMetric(cursor)));
    PressAndPost(
        press, {{WM_MOUSEMOVE, MK_LBUTTON, Point(to.X, to.Y)}, {c.ending, key, Point(to.X, to.Y)}});
    EXPECT_EQ(Joined(hookLog), c.hooks);
    EXPECT_DOUBLE_EQ(pane->GetPaneSplitterPosition(), c.position);
    const ZQ_Rectangle<long>& box = first->GetBoundingBox();
    EXPECT_EQ(c.horizontal ? box.Width : box.Height,
              static_cast<long>((c.horizontal ? 300 : 200) * c.position + 0.5));
    if (c.position == 0.5) {
      EXPECT_EQ(first->NumAcceptLayouts, layoutsBefore);
      continue;
    }
    // The cursor keeps the bar between 5 % and 95 % of the glyph: the band
    // less the bar's width, moved by the grab offset.
    EXPECT_EQ(hook.ClipAreaAtBegin, c.horizontal
                                        ? Box(screenOrigin.X + 16, screenOrigin.Y, 267, 200)
                                        : Box(screenOrigin.X, screenOrigin.Y + 11, 300, 177));
  }
}

// Outer side-by-side panes: a stacked pair (a over b) and c.
TEST_F(PaneWindowTest, ControlF6CyclesThroughTheInnermostPanes) {
  SizedGlyph* a = new SizedGlyph(10, 10, 0, 0, Big, Big);
  SizedGlyph* b = new SizedGlyph(10, 10, 0, 0, Big, Big);
  SizedGlyph* c = new SizedGlyph(10, 10, 0, 0, Big, Big);
  ZQF_VerticalAdjustablePaneGlyph* inner = new ZQF_VerticalAdjustablePaneGlyph(a, b, 0.5);
  ZQF_HorizontalAdjustablePaneGlyph* outer = new ZQF_HorizontalAdjustablePaneGlyph(inner, c, 0.5);
  window = OpenAround(outer, ZQ_Rectangle<long>(100, 100, 300, 200));
  handle = window->GetWindowHandle();
  window->SetFocus();
  PumpMessages();
  ASSERT_TRUE(a->IsOnFocusPath());
  // Keys: F6 with "s", "c" and "a" for Shift, Control and Alt. The focus
  // goes with a hidden pane; the first pane then counts as current.
  auto act = [&](const std::string& What) {
    if (What == "next") {
      ZQF_NextPaneCommandMessage command;
      window->GetTopLevelGlyph()->Dispatch(command);
      EXPECT_TRUE(command.IsHandled());
    } else if (What == "hide b") {
      inner->SetPaneVisibility(0);
    } else {
      auto has = [&What](char Key) { return What.find(Key) != std::string::npos; };
      SetModifierKeys(has('s'), has('c'), has('a'));
      Send(handle, WM_KEYDOWN, VK_F6, 0);
    }
  };
  const struct {
    const char* act;
    ZQF_Glyph* focused;
  } kSteps[] = {{"c", b},  {"c", c}, {"c", a},    {"sc", c}, {"sc", b},
                {"ca", b}, {"", b},  {"next", c}, {"sc", b}, {"hide b", nullptr},
                {"c", c},  {"c", a}, {"c", c}};
  for (const auto& step : kSteps) {
    SCOPED_TRACE(step.act);
    act(step.act);
    for (ZQF_Glyph* leaf : std::initializer_list<ZQF_Glyph*>{a, b, c}) {
      EXPECT_EQ(leaf->IsOnFocusPath(), leaf == step.focused);
    }
  }
}

// Each pane framed (sunken, with a margin) so that the bars show as the
// gaps between the frames.
ZQF_Glyph* Framed(ZQF_Glyph* Client) {
  return new ZQF_BorderGlyph(Client, ZQ_String(), 0, ZQ_Point<long>(6, 6), 3, 0);
}

TEST_F(PaneWindowTest, PictureOfASplitWindow) {
  WeatherForm form;
  AlignedTable table;
  ZQF_SimpleBreakingTextDisplayGlyph* notes = new ZQF_SimpleBreakingTextDisplayGlyph(
      "Drag the bars to share the window between the panes; Ctrl+F6 moves the focus to the "
      "next pane.");
  ZQF_VerticalAdjustablePaneGlyph* right =
      new ZQF_VerticalAdjustablePaneGlyph(Framed(table.table), Framed(notes), 0.6);
  ZQF_HorizontalAdjustablePaneGlyph* split =
      new ZQF_HorizontalAdjustablePaneGlyph(Framed(form.root), right, 0.6);
  window = OpenAround(split, ZQ_Rectangle<long>(40, 40, 720, 440));
  const ZQIMG_Image shown = SaveScreenshot(window->GetWindowHandle(), "adjustable-panes");
  // The bars: the gaps between the frames, in the face colour.
  const long barX = right->GetBoundingBox().X - 4;
  EXPECT_EQ(barX, static_cast<long>(split->GetBoundingBox().Width * 0.6 + 0.5));
  EXPECT_EQ(shown.GetPixelColor(barX, 200), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  EXPECT_EQ(shown.GetPixelColor(barX + 100, right->GetSecondPane()->GetBoundingBox().Y - 2),
            ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
}

// The form beside station readings in a scrolling container over notes;
// both of the container's bars scrolled to the middle.
TEST_F(PaneWindowTest, PictureOfPanesWithAScrolledContainer) {
  WeatherForm form;
  auto* readings = new ZQF_ScrollingContainerGlyph(StationReadings(40), 0, 0, 2, 2, 2, 0, 0);
  ZQF_SimpleBreakingTextDisplayGlyph* notes = new ZQF_SimpleBreakingTextDisplayGlyph(
      "Readings of the stations around the site, every ten minutes.");
  ZQF_VerticalAdjustablePaneGlyph* right =
      new ZQF_VerticalAdjustablePaneGlyph(Framed(readings), Framed(notes), 0.75);
  window = OpenAround(new ZQF_HorizontalAdjustablePaneGlyph(Framed(form.root), right, 0.55),
                      ZQ_Rectangle<long>(40, 40, 720, 440));
  ASSERT_TRUE(readings->IsVerticalScrollBarShown());
  ASSERT_TRUE(readings->IsHorizontalScrollBarShown());
  ZQF_ScrollBarGlyph* bars[] = {readings->GetHorizontalScrollBar(),
                                readings->GetVerticalScrollBar()};
  for (ZQF_ScrollBarGlyph* bar : bars) {
    bar->SetSliderPosition(bar->GetMaxSliderPosition() / 2, true);
  }
  SaveScreenshot(window->GetWindowHandle(), "adjustable-panes-with-scrolled-container");
  // The sliders sit in the middle of their troughs, and the readings moved
  // by the positions under the view.
  for (ZQF_ScrollBarGlyph* bar : bars) {
    SCOPED_TRACE(bar->GetOrientation());
    const ZQ_Rectangle<long>& box = bar->GetBoundingBox();
    EXPECT_EQ(bar->PerformHitTest(ZQ_Point<long>(box.Width / 2, box.Height / 2)),
              ZQF_ScrollBarGlyph::Hit_Slider);
  }
  const ZQ_Rectangle<long>& view = readings->GetFrame()->GetBoundingBox();
  const ZQ_Point<long> scrolled(bars[0]->GetSliderPosition(), bars[1]->GetSliderPosition());
  EXPECT_GT(scrolled.X, 0);
  EXPECT_GT(scrolled.Y, 0);
  EXPECT_EQ(readings->GetClient()->GetBoundingBox().GetTopLeft(),
            ZQ_Point<long>(view.X - scrolled.X, view.Y - scrolled.Y));
}

}  // namespace

// Adjustable panes in real windows under Xvfb: the bar dragged by input
// posted before the press (completed, pulled past the band, cancelled),
// Ctrl+F6 through nested panes, and a picture of a split window.
#include <gtest/gtest.h>

#include <functional>

#include "../core/DragTestSupport.h"
#include "../core/WindowTestSupport.h"
#include "LayoutFormSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_HorizontalAdjustablePaneGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_VerticalAdjustablePaneGlyph.h"

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
    if (Horizontal) {
      pane = new ZQF_HorizontalAdjustablePaneGlyph(first, second, 0.5);
    } else {
      pane = new ZQF_VerticalAdjustablePaneGlyph(first, second, 0.5);
    }
    window = OpenAround(pane, ZQ_Rectangle<long>(100, 100, 300, 200));
    handle = window->GetWindowHandle();
    RECT client;
    ::GetClientRect(handle, &client);
    extent = ZQ_Point<long>(client.right, client.bottom);
    POINT origin{0, 0};
    ::ClientToScreen(handle, &origin);
    screenOrigin = ZQ_Point<long>(origin.x, origin.y);
  }
  // Presses the left button at client (X, Y) with the pointer there, then
  // the queued input; the drag runs inside the press's dispatch.
  void PressAndPost(long X, long Y, const std::vector<Posted>& Input) {
    ::SetCursorPos(screenOrigin.X + X, screenOrigin.Y + Y);
    PumpMessages();
    ::PostMessageA(handle, WM_LBUTTONDOWN, MK_LBUTTON, Point(X, Y));
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
  // 200); the press is 1 pixel inside it. A move to 201 puts the bar at 200.
  const struct {
    const char* why;
    bool horizontal;
    long to;  // where the pointer goes along the axis
    UINT ending;
    double position;
    const char* hooks;
  } kCases[] = {
      {"completed", true, 201, WM_LBUTTONUP, 200.0 / 300, "begin move end"},
      {"past the left of the band", true, 2, WM_LBUTTONUP, 0.05, "begin move end"},
      {"past the right of the band", true, 298, WM_LBUTTONUP, 0.95, "begin move end"},
      {"Escape", true, 201, WM_KEYDOWN, 0.5, "begin move end cancelled"},
      {"focus lost", true, 201, WM_KILLFOCUS, 0.5, "begin move end cancelled"},
      {"stacked, completed", false, 51, WM_LBUTTONUP, 50.0 / 200, "begin move end"},
      {"stacked, Escape", false, 51, WM_KEYDOWN, 0.5, "begin move end cancelled"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    OpenPanes(c.horizontal);
    ASSERT_EQ(extent, ZQ_Point<long>(300, 200));
    const ZQ_Point<long> press = c.horizontal ? ZQ_Point<long>(151, 100) : ZQ_Point<long>(150, 101);
    const ZQ_Point<long> to = c.horizontal ? ZQ_Point<long>(c.to, 100) : ZQ_Point<long>(150, c.to);
    const WPARAM key = c.ending == WM_KEYDOWN ? VK_ESCAPE : 0;
    std::vector<std::string> hookLog;
    RecordingDragHook hook(&hookLog);
    const int layoutsBefore = first->NumAcceptLayouts;
    PressAndPost(
        press.X, press.Y,
        {{WM_MOUSEMOVE, MK_LBUTTON, Point(to.X, to.Y)}, {c.ending, key, Point(to.X, to.Y)}});
    EXPECT_EQ(Joined(hookLog), c.hooks);
    EXPECT_EQ(ZQF_GetCurrentDragOperation(), nullptr);
    EXPECT_DOUBLE_EQ(pane->GetPaneSplitterPosition(), c.position);
    const long length = c.horizontal ? 300 : 200;
    const long firstLength =
        c.horizontal ? first->GetBoundingBox().Width : first->GetBoundingBox().Height;
    EXPECT_EQ(firstLength, static_cast<long>(length * c.position + 0.5));
    if (c.position == 0.5) {
      EXPECT_EQ(first->NumAcceptLayouts, layoutsBefore);
    }
    // The cursor keeps the bar between 5 % and 95 % of the glyph: the band
    // less the bar's width, moved by the 1-pixel grab offset.
    const ZQ_Rectangle<long> clip = c.horizontal
                                        ? Box(screenOrigin.X + 16, screenOrigin.Y, 267, 200)
                                        : Box(screenOrigin.X, screenOrigin.Y + 11, 300, 177);
    EXPECT_EQ(hook.ClipAreaAtBegin, clip);
  }
}

TEST_F(PaneWindowTest, APressBesideTheBarStartsNoDrag) {
  OpenPanes(true);
  std::vector<std::string> hookLog;
  RecordingDragHook hook(&hookLog);
  PressAndPost(149, 100, {{WM_LBUTTONUP, 0, Point(149, 100)}});
  EXPECT_EQ(Joined(hookLog), "");
  EXPECT_EQ(pane->GetPaneSplitterPosition(), 0.5);
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
  auto pressF6 = [this](bool Shift, bool Control, bool Alt) {
    return [=] {
      SetModifierKeys(Shift, Control, Alt);
      Send(handle, WM_KEYDOWN, VK_F6, 0);
    };
  };
  auto command = [outer](ZQF_CommandMessage* Message) {
    return [=] {
      std::unique_ptr<ZQF_CommandMessage> owned(Message);
      outer->GetParent()->Dispatch(*owned);
      EXPECT_TRUE(owned->IsHandled());
    };
  };
  const struct {
    const char* why;
    std::function<void()> act;
    ZQF_Glyph* focused;
  } kSteps[] = {
      {"Ctrl+F6", pressF6(false, true, false), b},
      {"Ctrl+F6 again", pressF6(false, true, false), c},
      {"Ctrl+F6 wraps", pressF6(false, true, false), a},
      {"Ctrl+Shift+F6 wraps back", pressF6(true, true, false), c},
      {"Ctrl+Shift+F6", pressF6(true, true, false), b},
      {"Ctrl+Alt+F6 does nothing", pressF6(false, true, true), b},
      {"F6 alone does nothing", pressF6(false, false, false), b},
      {"next-pane command", command(new ZQF_NextPaneCommandMessage), c},
      {"previous-pane command", command(new ZQF_PreviousPaneCommandMessage), b},
      {"b hidden: b is skipped", [inner] { inner->SetPaneVisibility(0); }, nullptr},
      // No pane on the focus path: the first one counts as current.
      {"Ctrl+F6 with b hidden", pressF6(false, true, false), c},
      {"Ctrl+F6 to a", pressF6(false, true, false), a},
      {"Ctrl+F6 back to c", pressF6(false, true, false), c},
  };
  for (const auto& step : kSteps) {
    SCOPED_TRACE(step.why);
    step.act();
    for (ZQF_Glyph* leaf :
         {static_cast<ZQF_Glyph*>(a), static_cast<ZQF_Glyph*>(b), static_cast<ZQF_Glyph*>(c)}) {
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
  ZQ_Rectangle<long> a, bar, b;
  split->ComputeLayoutRects(a, bar, b);
  const ZQ_Rectangle<long> inner = right->GetBoundingBox();
  ZQ_Rectangle<long> top, innerBar, bottom;
  right->ComputeLayoutRects(top, innerBar, bottom);
  EXPECT_EQ(bar.X, static_cast<long>(split->GetBoundingBox().Width * 0.6 + 0.5));
  for (const ZQ_Point<long>& p :
       {ZQ_Point<long>(bar.X, bar.Height / 2), ZQ_Point<long>(bar.X + bar.Width - 1, 5),
        ZQ_Point<long>(inner.X + inner.Width / 2, inner.Y + innerBar.Y + 1)}) {
    SCOPED_TRACE(testing::Message() << p.X << ", " << p.Y);
    EXPECT_EQ(shown.GetPixelColor(p.X, p.Y), ZQF_GetColorMetric(32));
  }
}

}  // namespace

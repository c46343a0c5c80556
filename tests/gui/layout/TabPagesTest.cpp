// Tab pages: the strip's sizes from the metrics, hits on the enlarged
// selected tab, the fills of both placements, arrow keys and mnemonics, and
// a click in a real window.
#include <gtest/gtest.h>

#include <algorithm>

#include "../core/WindowTestSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage.h"
#include "ZQF_Canvas.h"
#include "ZQF_ControlGlyph.h"
#include "ZQF_MnemonicQueryMessage.h"
#include "ZQF_SelectableClientNullContainerGlyph.h"
#include "ZQF_TabSelectableClientGlyph.h"
#include "ZQF_TabSelectableClientGlyph_TabButtonGroup.h"

namespace {

using Strip = ZQF_TabSelectableClientGlyph_TabButtonGroup;
const ZQR_Color kPageColors[3] = {{255, 230, 230}, {230, 255, 230}, {230, 230, 255}};
const ZQR_Color kLastTabColor(0, 0, 250);

// A page that can take the focus; fills its box with its colour.
class PageGlyph : public ZQF_ControlGlyph {
 public:
  explicit PageGlyph(const ZQR_Color& Color) : Color(Color) {
    DesiredSize.SetX(40, 0, ZQF_DesiredSize::UnboundedMaximum);
    DesiredSize.SetY(30, 0, ZQF_DesiredSize::UnboundedMaximum);
  }
  void UpdateMyDesiredSize() override { DesiredSize.MakeValid(); }
  void DrawSelf(ZQF_Canvas& Canvas) override { Canvas.Fill(GetLocalBoundingBox(), Color); }
  ZQR_Color Color;
};

long LabelWidth(const char* Text) {
  return ZQF_GetFontMetric(ZQF_FontMetric_Button).GetSize(ZQF_GetMetricDC(), ZQ_String(Text)).X;
}

// Tabs "&One", "&Tea", "&Two" around pages; the caller places the glyph.
struct TabPages {
  long placement;
  ZQF_TabSelectableClientGlyph* tabs;
  PageGlyph* pages[3] = {new PageGlyph(kPageColors[0]), new PageGlyph(kPageColors[1]),
                         new PageGlyph(kPageColors[2])};
  Strip* strip;

  explicit TabPages(long Placement)
      : placement(Placement),
        tabs(new ZQF_TabSelectableClientGlyph(Placement)),
        strip(tabs->GetTabStrip()) {
    tabs->AddTab("&One", pages[0], ZQF_Color(ZQR_Color(250, 0, 0)));
    tabs->AddTab("&Tea", pages[1], ZQF_Color(ZQR_Color(0, 250, 0)));
    tabs->AddTab("&Two", pages[2], ZQF_Color(kLastTabColor));
  }
  ZQF_Glyph* Shown() const { return tabs->GetPages()->GetSelectedClient(); }
  // A tab's current rectangle in window coordinates.
  ZQ_Rectangle<long> TabRect(long Index) const {
    return strip->GlyphToWindow(strip->GetTab(Index).GetCurrentRect(*strip, placement));
  }
  // The strip or the shown page, whichever holds the focus.
  ZQF_Glyph* Focused() const {
    return tabs->GetFirstChild()->GetFocusChild() == strip ? strip : Shown();
  }
};

// Laid out in a 300 x 200 top-level glyph without a window.
struct LaidOutTabPages : TabPages {
  ZQF_TopLevelGlyph top;
  explicit LaidOutTabPages(long Placement) : TabPages(Placement), top(tabs) {
    top.ProcessWindowSizeChange(ZQ_Rectangle<long>(0, 0, 300, 200));
  }
};

// Distinct system colours, for the fills.
class TabPagesTest : public DistinctColorsStageTest {};

// With the default size metrics the sizes follow from the text height H
// and the label widths.
TEST_F(TabPagesTest, SizesFromTheMetricsWithTabsOnTheBorder) {
  ASSERT_EQ(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px), ZQ_Point<long>(1, 1));
  ASSERT_EQ(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px), ZQ_Point<long>(2, 2));
  const ZQR_ConcreteFont& font = ZQF_GetFontMetric(ZQF_FontMetric_Button);
  const long h = font.GetHeight(ZQF_GetMetricDC()) - font.GetInternalLeading(ZQF_GetMetricDC());
  const long w[3] = {LabelWidth("One"), LabelWidth("Tea"), LabelWidth("Two")};
  const long widest = *std::max_element(w, w + 3);
  LaidOutTabPages top(0), left(1);
  EXPECT_EQ(top.strip->GetDesiredSize().Minimum, ZQ_Point<long>(10, h + 14));
  EXPECT_EQ(top.strip->GetBoundingBox(), Box(0, 0, 300, h + 14));
  EXPECT_EQ(top.tabs->GetPages()->GetBoundingBox().Y, h + 14 + ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).Y);
  EXPECT_EQ(left.strip->GetDesiredSize().Minimum, ZQ_Point<long>(widest + 28, 10));
  for (long i = 0, x = 5; i < 3; x += w[i] + 10, ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(top.TabRect(i), i == 0 ? Box(3, 3, w[0] + 14, h + 11) : Box(x, 5, w[i] + 10, h + 8));
    EXPECT_EQ(left.TabRect(i), i == 0 ? Box(3, 3, widest + 25, h + 18)
                                      : Box(5, 5 + i * (h + 14), widest + 22, h + 14));
  }
  // The first tab starts selected and its page shown; the others are parked.
  EXPECT_EQ(top.strip->GetSelectedTabIndex(), 0);
  EXPECT_EQ(top.Shown(), top.pages[0]);
  EXPECT_EQ(top.pages[1]->GetBoundingBox().Width, 0);
}

TEST_F(TabPagesTest, ClicksHitTheEnlargedSelectedTabFirst) {
  LaidOutTabPages t(0);
  const long second = t.TabRect(1).X, third = t.TabRect(2).X, end = third + t.TabRect(2).Width;
  const long border = t.strip->GetBoundingBox().Height - 1;  // the row under the tabs
  const struct {
    const char* where;
    bool enabled;
    long x, y, selected;
    bool pageFocused;  // else the strip (a press focuses it)
  } cases[] = {
      {"grown left of the first tab", true, 3, 10, 0, false},
      {"second tab's edge under the grown first", true, second + 1, 10, 0, false},
      {"border row under the second tab", true, second + 5, border, 0, false},
      {"second tab", true, second + 2, 10, 1, true},
      {"strip above the tabs", true, third + 3, 1, 1, false},
      {"empty end of the strip", true, end + 5, 10, 1, false},
      {"third tab's corner", true, end - 1, 5, 2, true},
      {"first tab, no longer grown", true, 5, 10, 0, true},
      {"second tab of a disabled strip", false, second + 2, 10, 0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    t.strip->SetEnabled(c.enabled);
    t.pages[1]->PutOnFocusPath();
    ZQF_LeftDownMouseMessage down(c.x, c.y, false, false, false);
    t.top.Dispatch(down);
    EXPECT_EQ(t.strip->GetSelectedTabIndex(), c.selected);
    EXPECT_EQ(t.Shown(), t.pages[c.selected]);
    EXPECT_EQ(t.Focused(), c.pageFocused ? t.Shown() : t.strip);
  }
}

TEST_F(TabPagesTest, MnemonicAnsweredByTheFirstMatchingTab) {
  LaidOutTabPages t(0);
  const struct {
    char character;
    bool apply, enabled, handled;
    long selected;
  } cases[] = {
      {'t', true, true, true, 1},  // "&Tea" before "&Two"
      {'o', false, true, true, 1}, {'O', true, true, true, 0}, {'x', true, true, false, 0},
      {'t', true, false, true, 0},  // a disabled strip changes nothing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.character << c.apply << c.enabled);
    t.strip->SetEnabled(c.enabled);
    t.strip->PutOnFocusPath();
    ZQF_MnemonicQueryMessage query(c.character, c.apply);
    t.strip->Dispatch(query);
    EXPECT_EQ(query.IsHandled(), c.handled);
    EXPECT_EQ(t.Shown(), t.pages[c.selected]);
    EXPECT_EQ(t.Focused(), c.handled && c.apply && c.enabled ? t.Shown() : t.strip);
  }
}

TEST_F(TabPagesTest, AssertionTexts) {
  EXPECT_TRUE(FailedOn(AssertionFailureOf([] { ZQF_TabSelectableClientGlyph tabs(2); }), "false"));
  LaidOutTabPages t(0);
  t.strip->SetSelectedTab(nullptr);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { t.strip->GetSelectedTabIndex(); }), "false"));
}

// The last tab's fills at points from its rectangle's corners (negative:
// from the right or bottom), growth 2 and edge lines 1: the colour metric
// expected there, -1 the tab's colour, 32 where no fill reaches.
TEST_F(TabPagesTest, FillsOfBothPlacements) {
  ASSERT_EQ(ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px), ZQ_Point<long>(1, 1));
  const struct {
    long placement, dx, dy;
    int key;
  } points[] = {
      {0, 0, 0, 32},  {0, 1, -1, -1}, {0, 2, 1, -1},  {0, 0, 2, 6},   {0, 1, 1, 6},
      {0, 2, 0, 6},   {0, -2, 1, 3},  {0, -2, 2, 4},  {0, -1, -1, 3}, {0, -1, 0, 32},
      {1, 0, 0, 32},  {1, -1, 1, -1}, {1, 1, 2, -1},  {1, 2, 0, 6},   {1, 1, 1, 6},
      {1, 0, 2, 6},   {1, 1, -2, 3},  {1, 2, -2, 4},  {1, -1, -1, 3}, {1, 0, -1, 32},
  };
  for (long placement : {0, 1}) {
    LaidOutTabPages t(placement);
    DibSurface surface(300, 200);
    ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), false);
    t.top.ProcessWindowDraw(canvas);
    const ZQ_Rectangle<long> r = t.TabRect(2);
    for (const auto& p : points) {
      if (p.placement != placement) continue;
      SCOPED_TRACE(testing::Message() << placement << ": " << p.dx << ", " << p.dy);
      const ZQ_Point<long> at(p.dx >= 0 ? r.X + p.dx : r.X + r.Width + p.dx,
                              p.dy >= 0 ? r.Y + p.dy : r.Y + r.Height + p.dy);
      EXPECT_EQ(surface.GetPixel(at.X, at.Y), p.key < 0 ? kLastTabColor : ZQF_GetColorMetric(p.key));
    }
    // Drawn last, the selected tab's dark edge lies on its neighbour's light one.
    const ZQ_Rectangle<long> next = t.TabRect(1);
    EXPECT_EQ(placement == 0 ? surface.GetPixel(next.X, next.Y + 4)
                             : surface.GetPixel(next.X + 4, next.Y),
              ZQF_GetColorMetric(ZQF_ColorMetric_ButtonShadow));
  }
}

// Labels in the text colour, or greyed (the text colour blended into the
// tab's) on a disabled strip; the selected label framed while the strip is
// on the focus path.
TEST_F(TabPagesTest, LabelsGreyedWhenDisabledSelectedLabelFramedWhenFocused) {
  const struct {
    bool enabled, focused;
  } cases[] = {{true, false}, {false, false}, {true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "enabled " << c.enabled << " focused " << c.focused);
    LaidOutTabPages t(0);
    t.strip->SetEnabled(c.enabled);
    if (c.focused) {
      t.strip->PutOnFocusPath();
    } else {
      t.pages[0]->PutOnFocusPath();
    }
    DibSurface surface(300, 200);
    ZQF_Canvas canvas(surface.GetHDC(), surface.NewWholeRegion(), true);
    canvas.SetKeyboardCues(3);
    t.top.ProcessWindowDraw(canvas);
    const ZQR_Color text = ZQF_GetColorMetric(ZQF_ColorMetric_LabelText), tab = kLastTabColor;
    const ZQR_Color greyed((text.GetRed() + 2 * tab.GetRed()) / 3,
                           (text.GetGreen() + 2 * tab.GetGreen()) / 3,
                           (text.GetBlue() + 2 * tab.GetBlue()) / 3);
    EXPECT_EQ(surface.CountPixels(text) > 0, c.enabled);
    EXPECT_EQ(surface.CountPixels(greyed) > 0, !c.enabled);
    // The label rectangle's top row: growth 2 and side and outer margins 1.
    const ZQ_Rectangle<long> r = t.TabRect(0);
    long framed = 0;
    for (long x = r.X + 3; x < r.X + r.Width - 3; ++x) {
      framed += surface.GetPixel(x, r.Y + 3) != ZQR_Color(250, 0, 0);
    }
    EXPECT_EQ(framed > 0, c.focused);
  }
}

// Counts the keyboard-indicator notifications that pass it.
class IndicatorListener : public StackGlyph {
 public:
  IndicatorListener() : StackGlyph("listener", nullptr) {
    OnOffer = [this](ZQF_Message& Message, bool SecondTry) {
      using Indicators = ZQF_ActivateKeyboardNavigationIndicatorsNotificationMessage;
      if (!SecondTry && dynamic_cast<Indicators*>(&Message)) ++Count;
    };
  }
  int Count = 0;
};

class TabPagesWindow : public WindowTest {};

TEST_F(TabPagesWindow, ArrowsMoveTheSelectionOnlyWithoutControlAndAlt) {
  IndicatorListener* listener = new IndicatorListener;
  TabPages t(0);
  listener->AddChild(t.tabs, true);
  ZQF_Window* window = OpenAround(listener, ZQ_Rectangle<long>(40, 40, 300, 200));
  window->SetFocus();
  t.strip->PutOnFocusPath();
  const struct {
    const char* name;
    UINT key;
    bool shift, control, alt, enabled;
    long selected;
    int indicators;
  } cases[] = {
      {"Right", VK_RIGHT, false, false, false, true, 1, 1},
      {"Shift+Down", VK_DOWN, true, false, false, true, 2, 2},
      {"Right at the last tab", VK_RIGHT, false, false, false, true, 2, 3},
      {"Ctrl+Left", VK_LEFT, false, true, false, true, 2, 3},
      {"Alt+Up", VK_UP, false, false, true, true, 2, 3},
      {"Shift+Up", VK_UP, true, false, false, true, 1, 4},
      {"Left", VK_LEFT, false, false, false, true, 0, 5},
      {"Left at the first tab", VK_LEFT, false, false, false, true, 0, 6},
      {"Right on a disabled strip", VK_RIGHT, false, false, false, false, 0, 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    t.strip->SetEnabled(c.enabled);
    SetModifierKeys(c.shift, c.control, c.alt);
    Send(window->GetWindowHandle(), WM_KEYDOWN, c.key);
    EXPECT_EQ(t.Shown(), t.pages[c.selected]);
    EXPECT_EQ(t.strip->GetSelectedTabIndex(), c.selected);
    EXPECT_EQ(listener->Count, c.indicators);
    EXPECT_TRUE(t.strip->IsOnFocusPath());
  }
}

TEST_F(TabPagesWindow, ClickShowsAndFocusesThePage) {
  TabPages t(0);
  ZQF_Window* window = OpenAround(t.tabs, ZQ_Rectangle<long>(40, 40, 300, 200));
  window->SetFocus();
  const HWND handle = window->GetWindowHandle();
  const ZQ_Rectangle<long> tab = t.TabRect(2);
  const LPARAM centre = Point(tab.X + tab.Width / 2, tab.Y + tab.Height / 2);
  Send(handle, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  Send(handle, WM_LBUTTONUP, 0, centre);
  EXPECT_TRUE(t.pages[2]->IsOnFocusPath());
  const ZQ_Rectangle<long> page = t.pages[2]->GetBoundingBox();
  EXPECT_EQ(page, t.tabs->GetPages()->GetBoundingBox());
  EXPECT_EQ(CaptureClientArea(handle).GetPixelColor(page.X + 5, page.Y + 5), kPageColors[2]);
}

}  // namespace

// Adjustable panes without a window: the rectangles of both panes and the
// bar, desired sizes, the position clamp, the hidden pane's focus, the
// cursor over the bar, pane commands and their updates, assertion texts.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "../core/DragTestSupport.h"
#include "../core/GuiStageTestSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_HorizontalAdjustablePaneGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_VerticalAdjustablePaneGlyph.h"
#include "ZQR_Cursor.h"

namespace {

const long Big = ZQF_AlignmentGlyph::StretchMaximum;
const long Unbounded = ZQF_DesiredSize::UnboundedMaximum;

// A pane glyph of either kind over two stretchable panes, laid out by a
// top-level glyph (the resize anchor) in a Width x Height box.
struct PaneTree {
  SizedGlyph* first = new SizedGlyph(10, 10, 0, 0, Big, Big);
  SizedGlyph* second = new SizedGlyph(10, 10, 0, 0, Big, Big);
  ZQF_AdjustablePaneGlyph* pane;
  std::unique_ptr<ZQF_TopLevelGlyph> top;

  PaneTree(bool Horizontal, long Width, long Height, double Position, long Visibility = 2)
      : pane(Horizontal ? static_cast<ZQF_AdjustablePaneGlyph*>(
                              new ZQF_HorizontalAdjustablePaneGlyph(first, second, Position))
                        : new ZQF_VerticalAdjustablePaneGlyph(first, second, Position)),
        top(new ZQF_TopLevelGlyph(pane)) {
    pane->SetPaneVisibility(Visibility);
    top->ProcessWindowSizeChange(Box(0, 0, Width, Height));
  }
  ZQ_Rectangle<long> Splitter() const {
    ZQ_Rectangle<long> a, splitter, b;
    pane->ComputeLayoutRects(a, splitter, b);
    return splitter;
  }
};

class AdjustablePanes : public GuiStageTest {};

TEST_F(AdjustablePanes, PanesAndBarAtRatios) {
  const struct {
    const char* why;
    bool horizontal;
    long width, height;
    double position;
    long visibility;
    ZQ_Rectangle<long> first, splitter, second;
  } kCases[] = {
      {"halves", true, 200, 100, 0.5, 2, Box(0, 0, 100, 100), Box(100, 0, 4, 100),
       Box(104, 0, 96, 100)},
      {"30.3 rounds to 30", true, 101, 50, 0.3, 2, Box(0, 0, 30, 50), Box(30, 0, 4, 50),
       Box(34, 0, 67, 50)},
      {"2.5 rounds down", true, 10, 20, 0.25, 2, Box(0, 0, 2, 20), Box(2, 0, 4, 20),
       Box(6, 0, 4, 20)},
      {"stacked", false, 100, 200, 0.5, 2, Box(0, 0, 100, 100), Box(0, 100, 100, 4),
       Box(0, 104, 100, 96)},
      {"stacked, too short for the bar", false, 30, 3, 0.5, 2, Box(0, 0, 30, 1), Box(0, 1, 30, 2),
       Box(0, 5, 30, 0)},
      {"first only", true, 200, 100, 0.5, 0, Box(0, 0, 200, 100), Box(0, 0, 0, 0), Box(0, 0, 0, 0)},
      {"second only", false, 200, 100, 0.5, 1, Box(0, 0, 0, 0), Box(0, 0, 0, 0),
       Box(0, 0, 200, 100)},
      {"unclamped 0.99 from the constructor", true, 200, 100, 0.99, 2, Box(0, 0, 198, 100),
       Box(198, 0, 2, 100), Box(202, 0, 0, 100)},
      {"unclamped 1.5 stays inside", true, 200, 100, 1.5, 2, Box(0, 0, 200, 100),
       Box(300, 0, 0, 100), Box(304, 0, 0, 100)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    PaneTree tree(c.horizontal, c.width, c.height, c.position, c.visibility);
    EXPECT_EQ(tree.pane->GetSplitterWidth(), ZQF_GetSizeMetric(3).X);
    EXPECT_EQ(tree.first->GetBoundingBox(), c.first);
    EXPECT_EQ(tree.Splitter(), c.splitter);
    EXPECT_EQ(tree.second->GetBoundingBox(), c.second);
    EXPECT_EQ(tree.pane->GetFirstChild(), tree.second);
  }
}

TEST_F(AdjustablePanes, DesiredSizeAddsAlongAndTakesTheLargerAcross) {
  struct Size {
    long nx, ny, mx, my, xx, xy;
  };
  const struct {
    const char* why;
    bool horizontal;
    long visibility;
    Size a, b;
    ZQ_Point<long> natural, minimum, maximum;
  } kCases[] = {
      {"side by side",
       true,
       2,
       {100, 50, 20, 10, 300, 80},
       {50, 40, 10, 30, Unbounded, 60},
       {154, 50},
       {34, 30},
       {300 + Unbounded + 4, 60}},
      {"first only: both panes still count",
       true,
       0,
       {100, 50, 20, 10, 300, 80},
       {50, 40, 10, 30, Unbounded, 60},
       {154, 50},
       {34, 30},
       {300 + Unbounded + 4, 60}},
      {"stacked",
       false,
       2,
       {100, 50, 20, 10, 300, 80},
       {50, 40, 10, 30, Unbounded, 60},
       {100, 94},
       {20, 44},
       {300, 144}},
      {"maximum across not below the natural",
       true,
       2,
       {10, 50, 0, 0, 10, 50},
       {10, 20, 0, 0, 10, 20},
       {24, 50},
       {4, 0},
       {24, 50}},
      {"sums capped",
       true,
       2,
       {10, 10, 0, 0, Big, Big},
       {10, 10, 0, 0, Big, Big},
       {24, 10},
       {4, 0},
       {Big, Big}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    SizedGlyph* a = new SizedGlyph(c.a.nx, c.a.ny, c.a.mx, c.a.my, c.a.xx, c.a.xy);
    SizedGlyph* b = new SizedGlyph(c.b.nx, c.b.ny, c.b.mx, c.b.my, c.b.xx, c.b.xy);
    std::unique_ptr<ZQF_AdjustablePaneGlyph> pane;
    if (c.horizontal) {
      pane.reset(new ZQF_HorizontalAdjustablePaneGlyph(a, b, 0.5));
    } else {
      pane.reset(new ZQF_VerticalAdjustablePaneGlyph(a, b, 0.5));
    }
    pane->SetPaneVisibility(c.visibility);
    pane->UpdateDesiredSize();
    const ZQF_DesiredSize& d = pane->GetDesiredSize();
    EXPECT_EQ(d.Natural, c.natural);
    EXPECT_EQ(d.Minimum, c.minimum);
    EXPECT_EQ(d.Maximum, c.maximum);
  }
}

TEST_F(AdjustablePanes, MissingClientsBecomeNullGlyphsAndTheFirstHasTheFocus) {
  ZQF_HorizontalAdjustablePaneGlyph pane(nullptr, nullptr, 0.5);
  ASSERT_NE(pane.GetFirstPane(), nullptr);
  ASSERT_NE(pane.GetSecondPane(), nullptr);
  EXPECT_EQ(pane.GetFocusChild(), pane.GetFirstPane());
  EXPECT_EQ(pane.CountNumberOfDirectChildren(), 2);
}

TEST_F(AdjustablePanes, TheSetterAloneClampsAndLaysOutAgain) {
  const struct {
    double set, stored;
    long firstWidth;
  } kCases[] = {{0.99, 0.95, 190}, {-1, 0.05, 10}, {0.4, 0.4, 80}, {2.0, 0.95, 190}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.set);
    PaneTree tree(true, 200, 100, 1.2);
    EXPECT_EQ(tree.pane->GetPaneSplitterPosition(), 1.2);
    tree.pane->SetPaneSplitterPosition(c.set);
    EXPECT_EQ(tree.pane->GetPaneSplitterPosition(), c.stored);
    EXPECT_EQ(tree.first->GetBoundingBox().Width, c.firstWidth);
    EXPECT_EQ(tree.second->GetBoundingBox().X, c.firstWidth + 4);
  }
}

TEST_F(AdjustablePanes, AHiddenPaneLosesTheFocus) {
  const struct {
    bool secondFocused;
    long visibility;
    bool focusKept;
  } kCases[] = {
      {true, 0, false}, {false, 0, true}, {false, 1, false}, {true, 1, true}, {true, 2, true}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.secondFocused << " " << c.visibility);
    PaneTree tree(true, 200, 100, 0.5);
    ZQF_Glyph* focused = c.secondFocused ? tree.second : tree.first;
    tree.pane->SetFocusChild(focused);
    tree.pane->SetPaneVisibility(c.visibility);
    EXPECT_EQ(tree.pane->GetFocusChild(), c.focusKept ? focused : nullptr);
    EXPECT_EQ(tree.pane->GetPaneVisibility(), c.visibility);
  }
}

TEST_F(AdjustablePanes, ResizeCursorOnlyOverTheBarOnTheFirstTry) {
  const struct {
    const char* why;
    bool horizontal;
    long x, y;
    bool secondTry;
    int cursor;  // a cursor metric; 0 means left alone
  } kCases[] = {
      {"side by side, on the bar", true, 101, 50, false, 9},
      {"side by side, bar's far edge is outside", true, 104, 50, false, 0},
      {"side by side, in the first pane", true, 50, 50, false, 0},
      {"second try", true, 101, 50, true, 0},
      {"stacked, on the bar", false, 50, 100, false, 8},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    PaneTree tree(c.horizontal, 200, 200, 0.5);
    ZQR_Cursor::SetCursorToUse(ZQF_GetCursorMetric(0));
    ZQF_SetCursorMouseMessage message(c.x, c.y, false, false, false);
    tree.pane->HandleMouseSetCursor(message, c.secondTry);
    EXPECT_EQ(HandleOf(ZQR_Cursor::GetCursorToUse()), HandleOf(ZQF_GetCursorMetric(c.cursor)));
    EXPECT_FALSE(message.IsHandled());
  }
}

// Builds the message of one row of the command tables.
using MessageMaker = std::function<ZQF_Message*()>;
template <class T>
MessageMaker Make() {
  return [] { return new T; };
}

TEST_F(AdjustablePanes, CommandsOnTheFirstTry) {
  const struct {
    const char* why;
    MessageMaker make;
    bool secondTry;
    bool handled;
    long visibility;  // after; it was 2
    bool secondFocused;
  } kCases[] = {
      {"next pane", Make<ZQF_NextPaneCommandMessage>(), false, true, 2, true},
      {"previous pane", Make<ZQF_PreviousPaneCommandMessage>(), false, true, 2, true},
      {"show first", Make<ZQF_ShowFirstPaneToggleCommandMessage>(), false, true, 0, false},
      {"show second", Make<ZQF_ShowSecondPaneToggleCommandMessage>(), false, true, 1, false},
      {"show both", Make<ZQF_ShowBothPanesToggleCommandMessage>(), false, true, 2, false},
      {"second try", Make<ZQF_ShowFirstPaneToggleCommandMessage>(), true, false, 2, false},
      {"another command", Make<ZQF_CopyCommandMessage>(), false, false, 2, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    PaneTree tree(true, 200, 100, 0.5);
    std::unique_ptr<ZQF_Message> message(c.make());
    tree.pane->HandleCommand(static_cast<ZQF_CommandMessage&>(*message), c.secondTry);
    EXPECT_EQ(message->IsHandled(), c.handled);
    EXPECT_EQ(tree.pane->GetPaneVisibility(), c.visibility);
    // Without a focused window no pane is on the focus path, so both
    // directions start from the first pane of two.
    EXPECT_EQ(tree.pane->GetFocusChild() == tree.second, c.secondFocused);
  }
}

TEST_F(AdjustablePanes, UpdatesAnswerEnabledAndTheCheckedVisibility) {
  const struct {
    const char* why;
    MessageMaker make;
    long visibility;
    bool secondTry;
    bool handled, enabled, checked;
  } kCases[] = {
      {"next pane", Make<ZQF_NextPaneCommandUpdateMessage>(), 1, false, true, true, false},
      {"previous pane", Make<ZQF_PreviousPaneCommandUpdateMessage>(), 1, false, true, true, false},
      {"show first, second shown", Make<ZQF_ShowFirstPaneToggleCommandUpdateMessage>(), 1, false,
       true, true, false},
      {"show second, second shown", Make<ZQF_ShowSecondPaneToggleCommandUpdateMessage>(), 1, false,
       true, true, true},
      {"show both, second shown", Make<ZQF_ShowBothPanesToggleCommandUpdateMessage>(), 1, false,
       true, true, false},
      {"show first, first shown", Make<ZQF_ShowFirstPaneToggleCommandUpdateMessage>(), 0, false,
       true, true, true},
      {"show both, both shown", Make<ZQF_ShowBothPanesToggleCommandUpdateMessage>(), 2, false, true,
       true, true},
      {"second try", Make<ZQF_ShowBothPanesToggleCommandUpdateMessage>(), 2, true, false, false,
       false},
      {"another update", Make<ZQF_CopyCommandUpdateMessage>(), 2, false, false, false, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    PaneTree tree(true, 200, 100, 0.5, c.visibility);
    std::unique_ptr<ZQF_Message> message(c.make());
    tree.pane->HandleUpdate(static_cast<ZQF_UpdateMessage&>(*message), c.secondTry);
    EXPECT_EQ(message->IsHandled(), c.handled);
    const auto& update = static_cast<ZQF_StandardCommandUpdateMessage&>(*message);
    EXPECT_EQ(update.IsEnabled(), c.enabled);
    if (const auto* toggle = dynamic_cast<ZQF_StandardToggleCommandUpdateMessage*>(&*message)) {
      EXPECT_EQ(toggle->IsChecked(), c.checked);
    }
  }
}

TEST_F(AdjustablePanes, AssertionTexts) {
  PaneTree tree(true, 200, 100, 0.5);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { tree.pane->SelectPane(2); }), "false"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { tree.pane->SetPaneVisibility(3); }), "false"));
}

}  // namespace

// Adjustable panes without a window: the rectangles of both panes and the
// bar, desired sizes, the position clamp, the hidden pane's focus, pane
// commands and updates, assertion texts.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "../core/GuiStageTestSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_HorizontalAdjustablePaneGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_TopLevelGlyph.h"
#include "ZQF_VerticalAdjustablePaneGlyph.h"

namespace {

const long Big = ZQF_AlignmentGlyph::StretchMaximum;
const long Unbounded = ZQF_DesiredSize::UnboundedMaximum;

ZQF_AdjustablePaneGlyph* NewPane(bool Horizontal, ZQF_Glyph* A, ZQF_Glyph* B, double Position) {
  if (Horizontal) return new ZQF_HorizontalAdjustablePaneGlyph(A, B, Position);
  return new ZQF_VerticalAdjustablePaneGlyph(A, B, Position);
}

// A pane glyph over two stretchable panes, laid out by a top-level glyph
// (the resize anchor) in a Width x Height box.
struct PaneTree {
  SizedGlyph* first = new SizedGlyph(10, 10, 0, 0, Big, Big);
  SizedGlyph* second = new SizedGlyph(10, 10, 0, 0, Big, Big);
  ZQF_AdjustablePaneGlyph* pane;
  ZQF_TopLevelGlyph top;

  PaneTree(bool Horizontal, long Width, long Height, double Position, long Visibility = 2)
      : pane(NewPane(Horizontal, first, second, Position)), top(pane) {
    pane->SetPaneVisibility(Visibility);
    top.ProcessWindowSizeChange(Box(0, 0, Width, Height));
  }
  ZQ_Rectangle<long> Splitter() const {
    ZQ_Rectangle<long> a, splitter, b;
    pane->ComputeLayoutRects(a, splitter, b);
    return splitter;
  }
};

using AdjustablePanes = GuiStageTest;

// Set: a position handed to the setter after the layout, or 0 for none.
TEST_F(AdjustablePanes, PanesAndBarAtRatios) {
  const struct {
    const char* why;
    bool horizontal;
    long width, height;
    double position, set;
    long visibility;
    ZQ_Rectangle<long> first, splitter, second;
  } kCases[] = {
      {"halves", true, 200, 100, 0.5, 0, 2, Box(0, 0, 100, 100), Box(100, 0, 4, 100),
       Box(104, 0, 96, 100)},
      {"30.3 rounds to 30", true, 101, 50, 0.3, 0, 2, Box(0, 0, 30, 50), Box(30, 0, 4, 50),
       Box(34, 0, 67, 50)},
      {"2.5 rounds down", true, 10, 20, 0.25, 0, 2, Box(0, 0, 2, 20), Box(2, 0, 4, 20),
       Box(6, 0, 4, 20)},
      {"stacked", false, 100, 200, 0.5, 0, 2, Box(0, 0, 100, 100), Box(0, 100, 100, 4),
       Box(0, 104, 100, 96)},
      {"stacked, too short for the bar", false, 30, 3, 0.5, 0, 2, Box(0, 0, 30, 1),
       Box(0, 1, 30, 2), Box(0, 5, 30, 0)},
      {"first only", true, 200, 100, 0.5, 0, 0, Box(0, 0, 200, 100), Box(0, 0, 0, 0),
       Box(0, 0, 0, 0)},
      {"built unclamped at 1.5", true, 200, 100, 1.5, 0, 2, Box(0, 0, 200, 100),
       Box(300, 0, 0, 100), Box(304, 0, 0, 100)},
      {"set to 0.99: 0.95", true, 200, 100, 1.5, 0.99, 2, Box(0, 0, 190, 100), Box(190, 0, 4, 100),
       Box(194, 0, 6, 100)},
      {"set to -1: 0.05", true, 200, 100, 1.5, -1, 2, Box(0, 0, 10, 100), Box(10, 0, 4, 100),
       Box(14, 0, 186, 100)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    PaneTree tree(c.horizontal, c.width, c.height, c.position, c.visibility);
    if (c.set != 0) tree.pane->SetPaneSplitterPosition(c.set);
    EXPECT_EQ(tree.first->GetBoundingBox(), c.first);
    EXPECT_EQ(tree.Splitter(), c.splitter);
    EXPECT_EQ(tree.second->GetBoundingBox(), c.second);
    EXPECT_EQ(tree.pane->GetFirstChild(), tree.second);
  }
}

TEST_F(AdjustablePanes, DesiredSizeAddsAlongAndTakesTheLargerAcross) {
  // Pane a, pane b and the result: natural, minimum, maximum, x before y.
  const struct {
    const char* why;
    bool horizontal;
    long v[18];
  } kCases[] = {
      // Across, the smaller maximum (45) is below the larger natural (50).
      {"side by side",
       true,
       {100, 50, 20, 10, 300, 80, 50, 40, 10, 30, Unbounded, 45, 154, 50, 34, 30,
        300 + Unbounded + 4, 50}},
      {"stacked",
       false,
       {100, 50, 20, 10, 300, 80, 50, 40, 10, 30, Unbounded, 60, 100, 94, 20, 44, 300, 144}},
      {"sums capped",
       true,
       {10, 10, 0, 0, Big, Big, 10, 10, 0, 0, Big, Big, 24, 10, 4, 0, Big, Big}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const long* v = c.v;
    std::unique_ptr<ZQF_AdjustablePaneGlyph> pane(
        NewPane(c.horizontal, new SizedGlyph(v[0], v[1], v[2], v[3], v[4], v[5]),
                new SizedGlyph(v[6], v[7], v[8], v[9], v[10], v[11]), 0.5));
    pane->SetPaneVisibility(0);  // both panes count whatever is shown
    pane->UpdateDesiredSize();
    const ZQF_DesiredSize& d = pane->GetDesiredSize();
    EXPECT_EQ(d.Natural, ZQ_Point<long>(v[12], v[13]));
    EXPECT_EQ(d.Minimum, ZQ_Point<long>(v[14], v[15]));
    EXPECT_EQ(d.Maximum, ZQ_Point<long>(v[16], v[17]));
  }
  ZQF_HorizontalAdjustablePaneGlyph empty(nullptr, nullptr, 0.5);
  EXPECT_EQ(empty.CountNumberOfDirectChildren(), 2);
  EXPECT_EQ(empty.GetFocusChild(), empty.GetFirstPane());
}

template <class T>
std::function<ZQF_Message*()> Make() {
  return [] { return new T; };
}

// Commands change the visibility (a hidden pane loses the focus) and the
// focus; updates answer enabled when handled, and checked. Without a focused
// window no pane is on the focus path, so next and previous both go from
// the first pane (focus 'f') of two to the second ('s').
TEST_F(AdjustablePanes, CommandsAndUpdates) {
  const struct {
    std::function<ZQF_Message*()> make;
    long visibility;
    bool secondTry, handled, checked;
    long visibilityAfter;
    char focus;  // 'f', 's' or '-' for none
  } kCases[] = {
      {Make<ZQF_NextPaneCommandMessage>(), 2, false, true, false, 2, 's'},
      {Make<ZQF_PreviousPaneCommandMessage>(), 2, false, true, false, 2, 's'},
      {Make<ZQF_ShowFirstPaneToggleCommandMessage>(), 2, false, true, false, 0, 'f'},
      {Make<ZQF_ShowSecondPaneToggleCommandMessage>(), 2, false, true, false, 1, '-'},
      {Make<ZQF_ShowBothPanesToggleCommandMessage>(), 0, false, true, false, 2, 'f'},
      {Make<ZQF_ShowFirstPaneToggleCommandMessage>(), 2, true, false, false, 2, 'f'},
      {Make<ZQF_CopyCommandMessage>(), 2, false, false, false, 2, 'f'},
      {Make<ZQF_NextPaneCommandUpdateMessage>(), 1, false, true, false, 1, '-'},
      {Make<ZQF_ShowFirstPaneToggleCommandUpdateMessage>(), 1, false, true, false, 1, '-'},
      {Make<ZQF_ShowSecondPaneToggleCommandUpdateMessage>(), 1, false, true, true, 1, '-'},
      {Make<ZQF_ShowBothPanesToggleCommandUpdateMessage>(), 1, false, true, false, 1, '-'},
      {Make<ZQF_ShowFirstPaneToggleCommandUpdateMessage>(), 0, false, true, true, 0, 'f'},
      {Make<ZQF_CopyCommandUpdateMessage>(), 2, false, false, false, 2, 'f'},
  };
  for (size_t i = 0; i < sizeof kCases / sizeof kCases[0]; ++i) {
    const auto& c = kCases[i];
    SCOPED_TRACE(i);
    PaneTree tree(true, 200, 100, 0.5, c.visibility);
    std::unique_ptr<ZQF_Message> message(c.make());
    if (auto* command = dynamic_cast<ZQF_CommandMessage*>(message.get())) {
      tree.pane->HandleCommand(*command, c.secondTry);
    } else {
      tree.pane->HandleUpdate(static_cast<ZQF_UpdateMessage&>(*message), c.secondTry);
      EXPECT_EQ(static_cast<ZQF_StandardCommandUpdateMessage&>(*message).IsEnabled(), c.handled);
    }
    EXPECT_EQ(message->IsHandled(), c.handled);
    if (auto* toggle = dynamic_cast<ZQF_StandardToggleCommandUpdateMessage*>(message.get())) {
      EXPECT_EQ(toggle->IsChecked(), c.checked);
    }
    EXPECT_EQ(tree.pane->GetPaneVisibility(), c.visibilityAfter);
    const ZQF_Glyph* focus = tree.pane->GetFocusChild();
    EXPECT_EQ(focus == tree.first ? 'f' : focus == tree.second ? 's' : '-', c.focus);
  }
}

TEST_F(AdjustablePanes, AssertionTexts) {
  PaneTree tree(true, 200, 100, 0.5);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { tree.pane->SelectPane(2); }), "false"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { tree.pane->SetPaneVisibility(3); }), "false"));
}

}  // namespace

// Headless scroll-bar tests: steps, the state checks and arrow enabling,
// geometry along the long axis, hits, the placement of a container's bars,
// the mouse (trough paging, slider drag with snap-back, arrows) and the
// tracking flag.
#include <gtest/gtest.h>

#include <sstream>

#include "../core/GuiStageTestSupport.h"
#include "ScrollBarTestSupport.h"
#include "ZQF_ButtonGlyph.h"
#include "ZQF_DetermineScrollBarLayouts.h"
#include "ZQF_HorizontalScrollBarGlyph.h"
#include "ZQF_VerticalScrollBarGlyph.h"

namespace {

using S = ZQF_ScrollBarGlyph;
using R = ZQ_Rectangle<long>;

class ScrollBarTest : public GuiStageTest {
 protected:
  void TearDown() override {
    ZQF_ScrollBarGlyph::StopTimer();
    GuiStageTest::TearDown();
  }
};

TEST_F(ScrollBarTest, Steps) {
  struct Case {
    const char* name;
    long page, line, from;
    void (S::*step)(bool);
    long to;
  } cases[] = {
      {"line forward", 20, 5, 0, &S::PerformLineForward, 5},
      {"line forward at the end", 20, 5, 78, &S::PerformLineForward, 80},
      {"line backward at the start", 20, 5, 3, &S::PerformLineBackward, 0},
      {"page forward keeps a line", 20, 5, 0, &S::PerformPageForward, 15},
      {"page forward near the end", 20, 5, 78, &S::PerformPageForward, 80},
      {"page backward", 20, 5, 50, &S::PerformPageBackward, 35},
      {"page backward near the start", 20, 5, 10, &S::PerformPageBackward, 0},
      {"a page shorter than a line moves a line", 3, 5, 0, &S::PerformPageForward, 5},
      {"to the end", 20, 5, 7, &S::PerformScrollToEnd, 80},
      {"to the start", 20, 5, 7, &S::PerformScrollToStart, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ZQF_VerticalScrollBarGlyph bar(100, c.page, c.line, c.from, true);
    (bar.*c.step)(false);
    EXPECT_EQ(bar.GetSliderPosition(), c.to);
  }
}

TEST_F(ScrollBarTest, SetStateChecksAndEnablesTheArrows) {
  struct Case {
    long document, page, line, position;
    const char* failure;
    bool backward, forward;
  } cases[] = {
      {100, 20, 5, 0, "", false, true},
      {100, 20, 5, 1, "", true, true},
      {100, 20, 5, 80, "", true, false},
      {100, 100, 5, 0, "", false, false},
      // A failed check ends SetState: the arrows stay as they were.
      {0, 1, 1, 0, "1 <= DocumentSize", true, true},
      {100, 0, 5, 0, "(1 <= PageSize) and (PageSize <= DocumentSize)", true, true},
      {100, 20, 101, 0, "(1 <= LineSize) and (LineSize <= DocumentSize)", true, true},
      {100, 20, 5, 81, "(0 <= SliderPosition) and (SliderPosition <= MaxSliderPosition)", true,
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.document) + "/" + std::to_string(c.page) + "/" +
                 std::to_string(c.line) + "/" + std::to_string(c.position));
    ZQF_HorizontalScrollBarGlyph bar(100, 10, 1, 5, true);
    const std::string failure = AssertionFailureOf(
        [&] { bar.SetState(c.document, c.page, c.line, c.position, false); });
    if (*c.failure) {
      EXPECT_TRUE(FailedOn(failure, c.failure)) << failure;
    } else {
      EXPECT_EQ(failure, "");
    }
    EXPECT_EQ(bar.GetBackwardButton()->IsEnabled(), c.backward);
    EXPECT_EQ(bar.GetForwardButton()->IsEnabled(), c.forward);
  }
}

// Arrows repeat their down notification; the bar takes no focus and takes
// what length it gets, at least three arrows.
TEST_F(ScrollBarTest, ButtonsAndDesiredSize) {
  ZQF_VerticalScrollBarGlyph vertical(100, 20, 5, 0, true);
  ZQF_HorizontalScrollBarGlyph horizontal(100, 20, 5, 0, true);
  for (S* bar : {static_cast<S*>(&vertical), static_cast<S*>(&horizontal)}) {
    SCOPED_TRACE(bar->GetOrientation());
    EXPECT_EQ(bar->GetBackwardButton()->GetAutorepeatMode(), 1);
    EXPECT_EQ(bar->GetForwardButton()->GetAutorepeatMode(), 1);
    EXPECT_FALSE(bar->IsFocusable());
    EXPECT_EQ(bar->GetFocusChild(), nullptr);
    bar->UpdateDesiredSize();
  }
  const ZQF_DesiredSize& v = vertical.GetDesiredSize();
  const ZQF_DesiredSize& h = horizontal.GetDesiredSize();
  EXPECT_EQ(v.Natural, ZQ_Point<long>(16, 536870912));
  EXPECT_EQ(v.Minimum, ZQ_Point<long>(16, 48));
  EXPECT_EQ(v.Maximum, ZQ_Point<long>(16, 536870912));
  EXPECT_EQ(h.Natural, ZQ_Point<long>(536870912, 16));
  EXPECT_EQ(h.Minimum, ZQ_Point<long>(48, 16));
  EXPECT_EQ(h.Maximum, ZQ_Point<long>(536870912, 16));
}

// Along the long axis: (start, length) of the backward trough, the slider
// and the forward trough, and the two button lengths.
TEST_F(ScrollBarTest, Geometry) {
  struct Case {
    const char* name;
    long length, document, page, position;
    long backward[2], slider[2], forward[2];
    long buttons[2];
  } cases[] = {
      {"at the start", 116, 100, 20, 0, {16, 0}, {16, 17}, {33, 67}, {16, 16}},
      {"in the middle", 116, 100, 20, 40, {16, 34}, {50, 17}, {67, 33}, {16, 16}},
      {"at the end", 116, 100, 20, 80, {16, 67}, {83, 17}, {100, 0}, {16, 16}},
      {"a short slider is 16 long", 116, 1000, 10, 0, {16, 0}, {16, 16}, {32, 68}, {16, 16}},
      {"document no larger than the page", 116, 100, 100, 0, {16, 0}, {16, 84}, {100, 0},
       {16, 16}},
      {"a trough of 8 is all slider", 40, 100, 20, 50, {16, 0}, {16, 8}, {24, 0}, {16, 16}},
      {"a slider never outgrows its trough", 44, 100, 20, 0, {16, 0}, {16, 12}, {28, 0},
       {16, 16}},
      {"short bar splits its buttons", 7, 100, 20, 0, {3, 0}, {3, 0}, {3, 0}, {3, 4}},
  };
  for (const Case& c : cases) {
    for (int vertical : {1, 0}) {
      SCOPED_TRACE(std::string(c.name) + (vertical ? " vertical" : " horizontal"));
      S* bar = vertical ? static_cast<S*>(new ZQF_VerticalScrollBarGlyph(
                              c.document, c.page, 1, c.position, true))
                        : new ZQF_HorizontalScrollBarGlyph(c.document, c.page, 1, c.position, true);
      ScrollBarRig rig(bar, vertical ? 16 : c.length, vertical ? c.length : 16);
      const auto axis = [&](const R& Box, const long (&Expected)[2]) {
        const R expected = vertical ? R(0, Expected[0], 16, Expected[1])
                                    : R(Expected[0], 0, Expected[1], 16);
        EXPECT_EQ(Box, expected);
      };
      const S::LongAxisCoordinates parts = bar->GetLongAxisCoordinates();
      axis(parts.BackwardTrough, c.backward);
      axis(parts.Slider, c.slider);
      axis(parts.ForwardTrough, c.forward);
      axis(bar->WindowToGlyph(bar->GetBackwardButton()->GetBoundingBox()),
           {0, c.buttons[0]});
      axis(bar->WindowToGlyph(bar->GetForwardButton()->GetBoundingBox()),
           {c.length - c.buttons[1], c.buttons[1]});
    }
  }
}

// Vertical, 16 x 116, document 100, page 20, position 40: backward trough
// 16-50, slider 50-67, forward trough 67-100; near: x -32 to 48, y -16 to
// 132.
TEST_F(ScrollBarTest, HitTest) {
  struct Case {
    long x, y;
    int hit;
  } cases[] = {
      {8, 20, S::Hit_BackwardTrough}, {0, 49, S::Hit_BackwardTrough},
      {15, 80, S::Hit_ForwardTrough}, {8, 99, S::Hit_ForwardTrough},
      {8, 50, S::Hit_Slider},         {8, 66, S::Hit_Slider},
      {8, 5, S::Hit_Near},            {47, 131, S::Hit_Near},
      {-32, -16, S::Hit_Near},        {48, 55, S::Hit_FarAway},
      {8, 132, S::Hit_FarAway},       {-33, 55, S::Hit_FarAway},
  };
  ScrollBarRig rig(new ZQF_VerticalScrollBarGlyph(100, 20, 1, 40, true), 16, 116);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    EXPECT_EQ(rig.Bar->PerformHitTest(ZQ_Point<long>(c.x, c.y)), c.hit);
  }
}

// In an area of 100 x 80 at (5, 7), bars 16 thick (2: as needed).
TEST_F(ScrollBarTest, DetermineScrollBarLayouts) {
  struct Case {
    const char* name;
    long contentX, contentY;
    int verticalPolicy, horizontalPolicy;
    R client, vertical, horizontal;
  } cases[] = {
      {"fits", 100, 80, 2, 2, R(5, 7, 100, 80), R(0, 0, 0, 0), R(0, 0, 0, 0)},
      {"over the room beside the bars only", 90, 70, 2, 2, R(5, 7, 100, 80), R(0, 0, 0, 0),
       R(0, 0, 0, 0)},
      {"taller", 50, 200, 2, 2, R(5, 7, 84, 80), R(89, 7, 16, 80), R(0, 0, 0, 0)},
      {"wider", 200, 50, 2, 2, R(5, 7, 100, 64), R(0, 0, 0, 0), R(5, 71, 100, 16)},
      {"taller, and wider than the room beside", 90, 81, 2, 2, R(5, 7, 84, 64), R(89, 7, 16, 64),
       R(5, 71, 84, 16)},
      {"both", 200, 200, 2, 2, R(5, 7, 84, 64), R(89, 7, 16, 64), R(5, 71, 84, 16)},
      {"always", 10, 10, 1, 1, R(5, 7, 84, 64), R(89, 7, 16, 64), R(5, 71, 84, 16)},
      {"never", 200, 200, 0, 0, R(5, 7, 100, 80), R(0, 0, 0, 0), R(0, 0, 0, 0)},
      {"any other policy is as needed", 50, 200, 7, 7, R(5, 7, 84, 80), R(89, 7, 16, 80),
       R(0, 0, 0, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    R client, vertical, horizontal;
    ZQF_DetermineScrollBarLayouts(R(5, 7, 100, 80), ZQ_Point<long>(c.contentX, c.contentY),
                                  ZQ_Point<long>(16, 16), c.verticalPolicy, c.horizontalPolicy,
                                  client, vertical, horizontal);
    EXPECT_EQ(client, c.client);
    EXPECT_EQ(vertical, c.vertical);
    EXPECT_EQ(horizontal, c.horizontal);
  }
}

// Runs steps like "D8,60 M8,41 U8,41" on the rig: D left down, K double
// click, M move, U left up, at a point of the bar. One mark per step: h
// handled, - not.
std::string RunMouse(ScrollBarRig& Rig, const std::string& Steps) {
  std::istringstream in(Steps);
  std::string step, marks;
  while (in >> step) {
    long x = 0, y = 0;
    char comma = 0;
    std::istringstream(step.substr(1)) >> x >> comma >> y;
    bool handled = false;
    switch (step[0]) {
      case 'D': handled = Rig.Mouse<ZQF_LeftDownMouseMessage>(x, y); break;
      case 'K': handled = Rig.Mouse<ZQF_LeftDoubleClickMouseMessage>(x, y); break;
      case 'M': handled = Rig.Mouse<ZQF_MoveMouseMessage>(x, y); break;
      case 'U': handled = Rig.Mouse<ZQF_LeftUpMouseMessage>(x, y); break;
    }
    marks += handled ? 'h' : '-';
  }
  return marks;
}

// Vertical, 16 x 116, document 100, page 20, line 5. At position 0 the
// slider lies at 16-33; a drag of 21 pixels moves 25 units (84 pixels of
// trough for 100).
TEST_F(ScrollBarTest, Mouse) {
  struct Case {
    const char* name;
    long from;
    bool track, enabled;
    const char* steps;
    const char* marks;
    const char* log;  // positions notified
    long to;
  } cases[] = {
      {"page forward", 0, true, true, "D8,60 U8,60", "hh", "15", 15},
      {"page backward", 50, true, true, "D8,20 U8,20", "hh", "35", 35},
      {"a double click pages too", 0, true, true, "K8,60 U8,60", "hh", "15", 15},
      {"near the bar is no press", 0, true, true, "D40,55 U40,55", "--", "", 0},
      {"disabled", 0, true, false, "D8,60 U8,60", "--", "", 0},
      {"slider drag, snapped back far away, resumed", 0, true, true,
       "D8,20 M8,41 M60,41 M8,41 U8,41", "hhhhh", "25 0 25 25", 25},
      {"tracking off: one notification at the release", 0, false, true,
       "D8,20 M8,41 M60,41 M8,41 U8,41", "hhhhh", "25", 25},
      {"released far away: back where it began", 0, true, true, "D8,20 M8,41 U60,41", "hhh",
       "25 0", 0},
      {"dragged past the end", 0, true, true, "D8,20 M8,120 U8,120", "hhh", "80 80", 80},
      {"arrows step a line", 50, true, true, "D8,5 U8,5 D8,110 U8,110", "hhhh", "45 50", 50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScrollBarRig rig(new ZQF_VerticalScrollBarGlyph(100, 20, 5, c.from, c.track), 16, 116);
    rig.Bar->SetEnabled(c.enabled);
    EXPECT_EQ(RunMouse(rig, c.steps), c.marks);
    EXPECT_EQ(Joined(rig.Log), c.log);
    EXPECT_EQ(rig.Bar->GetSliderPosition(), c.to);
    EXPECT_EQ(ZQF_Window::GetCapturingGlyph(), nullptr);
    EXPECT_EQ(S::GetDragState(), S::Drag_None);
    EXPECT_EQ(S::GetAutorepeatTimer(), nullptr);
  }
}

// Only another bar, notifying while a drag holds the mouse, says tracking.
TEST_F(ScrollBarTest, TrackingFlag) {
  ScrollBarRig rig(new ZQF_VerticalScrollBarGlyph(100, 20, 5, 0, true), 16, 116);
  auto* other = new ZQF_HorizontalScrollBarGlyph(100, 20, 5, 0, true);
  rig.Parent->AddChild(other, true);
  other->SetSliderPosition(3, true);
  RunMouse(rig, "D8,20 M8,41");
  other->SetSliderPosition(4, true);
  RunMouse(rig, "U8,41");
  other->SetSliderPosition(5, true);
  EXPECT_EQ(Joined(rig.Log), "3 25 4t 25 5");
}

}  // namespace

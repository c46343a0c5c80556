// Headless button tests: the state machine, auto-repeat by direct ticks, the
// constructor's checks, sizes, focus, mnemonics, queries and callbacks.
#include <gtest/gtest.h>

#include "../core/GuiStageTestSupport.h"
#include "ButtonTestSupport.h"
#include "ZQF_ActionQueue.h"
#include "ZQF_ButtonAutorepeatTimer.h"
#include "ZQF_CallbackStandardBitmapButtonGlyph.h"
#include "ZQF_CallbackTextButtonGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_GridInteractionQueryMessage.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_MnemonicQueryMessage.h"
#include "ZQF_TooltipsMessage.h"

namespace {

using ButtonGlyphTest = GuiStageTest;
const char* const kArrow = "ZQTEST_ArrowButtonBitmap";

// Toggle modes 0 one-state, 1 two-state, 2 three-state; states 0 up, 1 down,
// 2 unknown. The log holds the notifications (see ButtonRig).
TEST_F(ButtonGlyphTest, StateMachine) {
  struct Case {
    const char* name;
    int toggle, initial;
    const char *steps, *marks, *log;
    int state;
    bool pressed = false, captured = false, releaseOnExit = false;
  } cases[] = {
      {"one-state", 0, 0, "du", "hh", "D0 U0", 0},
      {"two-state", 1, 0, "dudu", "hhhh", "D0 U1 D1 U0", 0},
      {"three-state", 2, 0, "dududu", "hhhhhh", "D0 U1 D1 U2 D2 U0", 0},
      {"from unknown", 2, 2, "du", "hh", "D2 U0", 0},
      {"release outside", 1, 0, "do", "hh", "D0", 0},
      {"leave", 1, 0, "dm", "hh", "D0", 0, false, true},
      {"leave, come back", 1, 0, "dmi", "hhh", "D0", 0, true, true},
      {"leave, come back, release", 1, 0, "dmiu", "hhhh", "D0 U1", 1},
      {"leave, release outside", 1, 0, "dmo", "hhh", "D0", 0},
      {"leave gives up the capture", 1, 0, "dm", "hh", "D0", 0, false, false, true},
      {"then release inside", 1, 0, "dmu", "hhh", "D0", 0, false, false, true},
      {"double click", 1, 0, "ducu", "hhhh", "D0 U1 D1 U0", 0},
      {"space with key repeats", 1, 0, "sssS", "hhhh", "D0 D0 D0 U1", 1},
      {"Enter", 0, 0, "eE", "hh", "D0 U0", 0},
      {"space up alone", 1, 0, "S", "h", "", 0},
      {"disabled", 1, 0, "xdusSeE", ".------", "", 0},
      {"disabled while held by the mouse", 1, 0, "dxu", "h.h", "D0", 0},
      {"disabled while held by space", 1, 0, "sxS", "h.h", "D0", 0},
      {"enabled again", 1, 0, "xndu", "..hh", "D0 U1", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ButtonRig rig(new ZQF_ButtonGlyph(c.toggle, c.initial, 0));
    rig.Button->SetReleaseMouseOnExit(c.releaseOnExit);
    EXPECT_EQ(rig.Run(c.steps), c.marks);
    EXPECT_EQ(Joined(rig.Log), c.log);
    EXPECT_EQ(rig.Button->GetState(), c.state);
    EXPECT_EQ(rig.Button->IsPressedLook(), c.pressed);
    EXPECT_EQ(rig.Button->HasMouseCapture(), c.captured);
  }
}

TEST_F(ButtonGlyphTest, ConstructorChecksTheInitialState) {
  const char* oneState = "(aInitialState == State_Up) or (ToggleMode != ToggleMode_OneState)";
  const char* unknown = "(aInitialState != State_Unknown) or (ToggleMode == ToggleMode_ThreeState)";
  const struct {
    int toggle, initial;
    const char* failure;
  } cases[] = {
      {0, 0, nullptr}, {0, 1, oneState}, {1, 1, nullptr}, {1, 2, unknown}, {2, 2, nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.toggle) + "/" + std::to_string(c.initial));
    const std::string failure =
        AssertionFailureOf([&] { ZQF_ButtonGlyph b(c.toggle, c.initial, 0); });
    EXPECT_TRUE(c.failure ? FailedOn(failure, c.failure) : failure.empty()) << failure;
  }
}

// Up to two ticks between the steps and a release inside; every release,
// leaving, and destroying the button served stop the timer.
TEST_F(ButtonGlyphTest, AutorepeatByDirectTicks) {
  const struct {
    const char* name;
    int mode;
    const char* steps;
    bool ticking;
    const char* log;
  } cases[] = {
      {"none", 0, "d", false, "D0 U0"},
      {"down only", 1, "d", true, "D0 D0 D0 U0"},
      {"any other mode", 7, "d", true, "D0 D0 D0 U0"},
      {"up and down", 2, "d", true, "D0 U0 D0 U0 D0 U0"},
      {"stopped by leaving for good", 1, "dmi", false, "D0 U0"},
      {"space does not repeat", 1, "s", false, "D0"},
      {"disabled while repeating", 2, "dx", true, "D0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ButtonRig rig(new ZQF_ButtonGlyph(0, 0, c.mode));
    rig.Run(c.steps);
    ZQF_ButtonAutorepeatTimer* timer = ZQF_ButtonGlyph::GetAutorepeatTimer();
    ASSERT_EQ(timer != nullptr, c.ticking);
    if (timer) {
      EXPECT_EQ(timer->GetButton(), rig.Button);
    }
    for (int i = 0; i < 2 && ZQF_ButtonGlyph::GetAutorepeatTimer(); ++i) {
      ZQF_ButtonGlyph::GetAutorepeatTimer()->Tick();
    }
    rig.Run("u");
    EXPECT_EQ(Joined(rig.Log), c.log);
    EXPECT_EQ(ZQF_ButtonGlyph::GetAutorepeatTimer(), nullptr);
  }
}

TEST_F(ButtonGlyphTest, AutorepeatStoppedByOtherButtonsAndByDestruction) {
  const struct {
    const char* name;
    void (*act)(ButtonRig& Rig, ZQF_ButtonGlyph* Other);
    bool ticking, captured;
  } cases[] = {
      {"release on another button",
       [](ButtonRig&, ZQF_ButtonGlyph* Other) {
         ZQF_LeftUpMouseMessage up(0, 0, false, false, false);
         Other->HandleMouseLeftUp(up, false);
       },
       false, true},
      {"its button deleted",
       [](ButtonRig& R, ZQF_ButtonGlyph*) { R.Parent->DeleteChild(R.Button); }, false, false},
      {"another button deleted", [](ButtonRig& R, ZQF_ButtonGlyph* O) { R.Parent->DeleteChild(O); },
       true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ButtonRig rig(new ZQF_ButtonGlyph(0, 0, 1));
    auto* other = new ZQF_ButtonGlyph(0, 0, 1);
    rig.Parent->AddChild(other, true);
    rig.Run("d");
    c.act(rig, other);
    EXPECT_EQ(ZQF_ButtonGlyph::GetAutorepeatTimer() != nullptr, c.ticking);
    EXPECT_EQ(ZQF_Window::GetCapturingGlyph() != nullptr, c.captured);
    ZQF_ButtonGlyph::StopTimer();
  }
}

// Sizes from the measured text or the 12 x 10 bitmap; a click focuses a text
// button but a double click does not, and a bitmap button never takes it.
TEST_F(ButtonGlyphTest, DesiredSizesAndFocus) {
  const ZQ_Point<long> frame = ZQF_Canvas::GetBorderSize(5);
  const struct {
    const char* text;  // null: the bitmap button
    bool stretchable;
    const char* press;
    bool focused;
  } cases[] = {
      {"&Apply", true, "du", true}, {"&Apply", false, "cu", false}, {nullptr, false, "du", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text ? c.text : "bitmap");
    ZQF_StandardButtonGlyph* button;
    ZQ_Point<long> content(12, 10), margin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap1Px);
    if (c.text) {
      auto* text = new ZQF_StandardTextButtonGlyph(c.text, 0, 0);
      text->SetHorizontallyStretchable(c.stretchable);
      button = text;
      content = ZQF_MeasureLabelText(ZQF_GetFontMetric(ZQF_FontMetric_Button), "Apply");
      margin = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap3Px);
    } else {
      button = new ZQF_StandardBitmapButtonGlyph(kArrow, 0, 0);
    }
    ButtonRig rig(button);
    button->UpdateMyDesiredSize();
    const long dx = 2 * (frame.X + margin.X), dy = 2 * (frame.Y + margin.Y);
    const ZQF_DesiredSize& size = button->GetDesiredSize();
    EXPECT_EQ(size.Natural, ZQ_Point<long>(content.X + dx, content.Y + dy));
    EXPECT_EQ(size.Minimum, size.Natural);
    EXPECT_EQ(size.Maximum,
              ZQ_Point<long>((c.stretchable ? 0x3333333 : content.X) + dx, size.Natural.Y));
    rig.Parent->AddChild(new RecordingGlyph("other", nullptr), true);
    rig.Parent->SetFocusChild(rig.Parent->GetLastChild());
    rig.Run(c.press);
    EXPECT_EQ(rig.Parent->GetFocusChild() == button, c.focused);
  }
}

// A mnemonic clicks at the next idle time, by an up notification alone.
TEST_F(ButtonGlyphTest, Mnemonics) {
  const struct {
    const char* name;
    char character;
    bool apply, enabled, deleted, handled;
    const char* log;
  } cases[] = {{"applied", 'A', true, true, false, true, "U1"},
               {"asked only", 'a', false, true, false, true, ""},
               {"disabled", 'a', true, false, false, true, ""},
               {"another character", 'p', true, true, false, false, ""},
               {"button deleted before idle time", 'a', true, true, true, true, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ButtonRig rig(new ZQF_StandardTextButtonGlyph("&Apply", 1, 0));
    rig.Button->SetEnabled(c.enabled);
    ZQF_MnemonicQueryMessage query(c.character, c.apply);
    rig.Button->Dispatch(query);
    EXPECT_EQ(query.IsHandled(), c.handled);
    EXPECT_EQ(Joined(rig.Log), "");
    if (c.deleted) rig.Parent->DeleteChild(rig.Button);
    ZQF_ActionQueue::ResetIdleCycle();
    while (ZQF_ActionQueue::ProcessNextAction()) {
    }
    EXPECT_EQ(Joined(rig.Log), c.log);
  }
}

// Both on the second try: the tooltip text, when there is one, and a grid's
// question whether the button takes a click (always).
TEST_F(ButtonGlyphTest, TooltipAndGridQueries) {
  for (const char* tip : {"Move up", ""}) {
    for (bool secondTry : {false, true}) {
      SCOPED_TRACE(std::string(tip) + (secondTry ? " 2" : " 1"));
      ZQF_StandardBitmapButtonGlyph button(kArrow, 0, 0);
      button.SetTooltipText(tip);
      ZQF_TooltipsMessage tooltip;
      button.HandleGenericMessage(tooltip, secondTry);
      EXPECT_EQ(tooltip.GetText().GetText(), std::string(secondTry ? tip : ""));
      ZQF_MoveMouseMessage move(0, 0, false, false, false);
      ZQF_GridGlyph_ContainingGridInteractionQueryMouseMessage grid(move);
      button.HandleGenericMessage(grid, secondTry);
      EXPECT_EQ(grid.Answer, secondTry ? 1 : 0);
    }
  }
}

// The callback runs before anybody sees an up notification.
TEST_F(ButtonGlyphTest, CallbacksRunBeforeTheUpNotification) {
  static VisitLog* s_log = nullptr;
  const ZQ_Functor0 callback(+[] { s_log->push_back("callback"); });
  for (bool bitmap : {false, true}) {
    SCOPED_TRACE(bitmap);
    ZQF_ButtonGlyph* button =
        bitmap ? static_cast<ZQF_ButtonGlyph*>(
                     new ZQF_CallbackStandardBitmapButtonGlyph(kArrow, callback, 0, 0))
               : new ZQF_CallbackTextButtonGlyph("OK", callback, 0, 0);
    button->SetAutorepeatMode(bitmap ? 2 : 0);
    ButtonRig rig(button);
    s_log = &rig.Log;
    rig.Run("d");
    if (bitmap) ZQF_ButtonGlyph::GetAutorepeatTimer()->Tick();
    rig.Run("u");
    EXPECT_EQ(Joined(rig.Log), bitmap ? "D0 callback U0 D0 callback U0" : "D0 callback U0");
  }
}

}  // namespace

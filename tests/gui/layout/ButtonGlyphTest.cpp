// Headless button tests: the state machine, auto-repeat by direct ticks,
// the constructor's checks, sizes, mnemonics, tooltips and callbacks.
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
#include "ZQF_Window.h"

namespace {

using B = ZQF_ButtonGlyph;

class ButtonGlyphTest : public GuiStageTest {};

ZQ_Point<long> Plus(const ZQ_Point<long>& A, const ZQ_Point<long>& B) {
  return ZQ_Point<long>(A.X + B.X, A.Y + B.Y);
}

void RunIdleActions() {
  ZQF_ActionQueue::ResetIdleCycle();
  while (ZQF_ActionQueue::ProcessNextAction()) {
  }
}

TEST_F(ButtonGlyphTest, StateMachine) {
  struct Case {
    const char* name;
    int toggle, initial;
    bool releaseOnExit;
    const char* steps;
    const char* marks;
    const char* log;
    int state;
    bool pressed = false, captured = false;
  } cases[] = {
      {"one-state click", B::ToggleMode_OneState, B::State_Up, false, "du", "hh", "D0 U0", 0},
      {"two-state clicks", B::ToggleMode_TwoState, B::State_Up, false, "dudu", "hhhh",
       "D0 U1 D1 U0", 0},
      {"three-state clicks", B::ToggleMode_ThreeState, B::State_Up, false, "dududu", "hhhhhh",
       "D0 U1 D1 U2 D2 U0", 0},
      {"three-state from unknown", B::ToggleMode_ThreeState, B::State_Unknown, false, "du", "hh",
       "D2 U0", 0},
      {"release outside", B::ToggleMode_TwoState, B::State_Up, false, "do", "hh", "D0", 0},
      {"leave", B::ToggleMode_TwoState, B::State_Up, false, "dm", "hh", "D0", 0, false, true},
      {"leave and come back", B::ToggleMode_TwoState, B::State_Up, false, "dmi", "hhh", "D0", 0,
       true, true},
      {"leave, come back, release", B::ToggleMode_TwoState, B::State_Up, false, "dmiu", "hhhh",
       "D0 U1", 1},
      {"leave, release outside", B::ToggleMode_TwoState, B::State_Up, false, "dmo", "hhh", "D0", 0},
      {"leave gives up the capture", B::ToggleMode_TwoState, B::State_Up, true, "dm", "hh", "D0",
       0},
      {"release after giving up the capture", B::ToggleMode_TwoState, B::State_Up, true, "dmu",
       "hhh", "D0", 0},
      {"double click: two clicks", B::ToggleMode_TwoState, B::State_Up, false, "ducu", "hhhh",
       "D0 U1 D1 U0", 0},
      {"space held with repeats", B::ToggleMode_TwoState, B::State_Up, false, "sssS", "hhhh",
       "D0 D0 D0 U1", 1},
      {"Enter", B::ToggleMode_OneState, B::State_Up, false, "eE", "hh", "D0 U0", 0},
      {"space up alone", B::ToggleMode_TwoState, B::State_Up, false, "S", "h", "", 0},
      {"disabled", B::ToggleMode_TwoState, B::State_Up, false, "xdusSeE", ".------", "", 0},
      {"disabled while held by the mouse", B::ToggleMode_TwoState, B::State_Up, false, "dxu", "h.h",
       "D0", 0},
      {"disabled while held by space", B::ToggleMode_TwoState, B::State_Up, false, "sxS", "h.h",
       "D0", 0},
      {"enabled again", B::ToggleMode_TwoState, B::State_Up, false, "xndu", "..hh", "D0 U1", 1},
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
  struct Case {
    int toggle, initial;
    const char* failure;
  } cases[] = {
      {B::ToggleMode_OneState, B::State_Up, ""},
      {B::ToggleMode_OneState, B::State_Down,
       "(aInitialState == State_Up) or (ToggleMode != ToggleMode_OneState)"},
      {B::ToggleMode_TwoState, B::State_Down, ""},
      {B::ToggleMode_TwoState, B::State_Unknown,
       "(aInitialState != State_Unknown) or (ToggleMode == ToggleMode_ThreeState)"},
      {B::ToggleMode_ThreeState, B::State_Unknown, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.toggle) + "/" + std::to_string(c.initial));
    const std::string failure =
        AssertionFailureOf([&] { ZQF_ButtonGlyph button(c.toggle, c.initial, 0); });
    if (*c.failure) {
      EXPECT_TRUE(FailedOn(failure, c.failure)) << failure;
    } else {
      EXPECT_EQ(failure, "");
    }
  }
}

TEST_F(ButtonGlyphTest, AutorepeatByDirectTicks) {
  struct Case {
    const char* name;
    int mode;
    const char* before;  // steps before two ticks
    bool ticking;
    const char* log;  // after the ticks and a release inside
  } cases[] = {
      {"none", 0, "d", false, "D0 U0"},
      {"down only", 1, "d", true, "D0 D0 D0 U0"},
      {"any other mode", 7, "d", true, "D0 D0 D0 U0"},
      {"up and down", 2, "d", true, "D0 U0 D0 U0 D0 U0"},
      {"stopped by leaving for good", 1, "dmi", false, "D0 U0"},
      {"space does not repeat", 1, "s", false, "D0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ButtonRig rig(new ZQF_ButtonGlyph(B::ToggleMode_OneState, B::State_Up, c.mode));
    rig.Run(c.before);
    ZQF_ButtonAutorepeatTimer* timer = ZQF_ButtonGlyph::GetAutorepeatTimer();
    ASSERT_EQ(timer != nullptr, c.ticking);
    if (timer) {
      EXPECT_EQ(timer->GetButton(), rig.Button);
      timer->Tick();
      timer->Tick();
    }
    rig.Run("u");
    EXPECT_EQ(Joined(rig.Log), c.log);
    EXPECT_EQ(ZQF_ButtonGlyph::GetAutorepeatTimer(), nullptr);
  }
}

// Every left-button release on any button ends the auto-repeat; only the
// destruction of the button it serves does.
TEST_F(ButtonGlyphTest, AutorepeatTimerStoppedByOtherButtonsAndByDestruction) {
  struct Case {
    const char* name;
    void (*act)(ButtonRig& Rig, ZQF_ButtonGlyph* Other);
    bool stillTicking, stillCaptured;
  } cases[] = {
      {"release on another button",
       [](ButtonRig&, ZQF_ButtonGlyph* Other) {
         ZQF_LeftUpMouseMessage up(0, 0, false, false, false);
         Other->HandleMouseLeftUp(up, false);
       },
       false, true},
      {"repeating button deleted",
       [](ButtonRig& Rig, ZQF_ButtonGlyph*) { Rig.Parent->DeleteChild(Rig.Button); }, false, false},
      {"another button deleted",
       [](ButtonRig& Rig, ZQF_ButtonGlyph* Other) { Rig.Parent->DeleteChild(Other); }, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ButtonRig rig(new ZQF_ButtonGlyph(B::ToggleMode_OneState, B::State_Up, 1));
    auto* other = new ZQF_ButtonGlyph(B::ToggleMode_OneState, B::State_Up, 1);
    rig.Parent->AddChild(other, true);
    rig.Run("d");
    c.act(rig, other);
    EXPECT_EQ(ZQF_ButtonGlyph::GetAutorepeatTimer() != nullptr, c.stillTicking);
    EXPECT_EQ(ZQF_Window::GetCapturingGlyph() != nullptr, c.stillCaptured);
    ZQF_ButtonGlyph::StopTimer();
  }
}

TEST_F(ButtonGlyphTest, SetStateRepaintsAndNotifiesOnRequest) {
  ButtonRig rig(new ZQF_ButtonGlyph(B::ToggleMode_TwoState, B::State_Up, 0));
  rig.Button->SetState(B::State_Down, false);
  rig.Button->SetState(B::State_Down, true);
  rig.Button->SetState(B::State_Up, true);
  EXPECT_EQ(Joined(rig.Log), "U1 U0");
}

TEST_F(ButtonGlyphTest, ButtonsInGridsTakeTheirClicksOnTheSecondTry) {
  for (bool secondTry : {false, true}) {
    SCOPED_TRACE(secondTry);
    ButtonRig rig(new ZQF_ButtonGlyph(B::ToggleMode_OneState, B::State_Up, 0));
    ZQF_MoveMouseMessage move(30, 20, false, false, false);
    ZQF_GridGlyph_ContainingGridInteractionQueryMouseMessage query(move);
    rig.Button->HandleGenericMessage(query, secondTry);
    EXPECT_EQ(query.Answer, secondTry ? 1 : 0);
    EXPECT_EQ(query.IsHandled(), secondTry);
  }
}

// A click focuses a text button; a double click keeps the focus where it
// was; a bitmap button never takes it.
TEST_F(ButtonGlyphTest, FocusOnPress) {
  struct Case {
    const char* name;
    bool bitmap;
    char step;
    bool focused;
  } cases[] = {{"text, press", false, 'd', true},
               {"text, double click", false, 'c', false},
               {"bitmap, press", true, 'd', false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ZQF_ButtonGlyph* button =
        c.bitmap ? static_cast<ZQF_ButtonGlyph*>(new ZQF_StandardBitmapButtonGlyph(
                       "ZQTEST_ArrowButtonBitmap", B::ToggleMode_OneState, B::State_Up))
                 : new ZQF_StandardTextButtonGlyph("OK", B::ToggleMode_OneState, B::State_Up);
    ButtonRig rig(button);
    auto* other = new RecordingGlyph("other", nullptr);
    rig.Parent->AddChild(other, true);
    rig.Parent->SetFocusChild(other);
    rig.Run(std::string(1, c.step) + "u");
    EXPECT_EQ(rig.Parent->GetFocusChild() == button, c.focused);
    EXPECT_EQ(Joined(rig.Log), "D0 U0");
  }
}

TEST_F(ButtonGlyphTest, DesiredSizes) {
  const ZQ_Point<long> frame = ZQF_Canvas::GetBorderSize(5);
  const ZQ_Point<long> textMargin = ZQF_GetSizeMetric(2);
  const ZQ_Point<long> bitmapMargin = ZQF_GetSizeMetric(0);
  struct Case {
    const char* name;
    const char* text;  // null: the 12 x 10 arrow bitmap
    bool stretchable;
    const char* measured;
  } cases[] = {{"text", "&Apply", true, "Apply"},
               {"fixed width", "&Apply", false, "Apply"},
               {"bitmap", nullptr, false, nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<ZQF_StandardButtonGlyph> button;
    ZQ_Point<long> content(12, 10);
    ZQ_Point<long> margin = bitmapMargin;
    if (c.text) {
      auto* text = new ZQF_StandardTextButtonGlyph(c.text, B::ToggleMode_OneState, B::State_Up);
      text->SetHorizontallyStretchable(c.stretchable);
      button.reset(text);
      content = ZQF_MeasureLabelText(ZQF_GetFontMetric(6), c.measured);
      margin = textMargin;
    } else {
      button.reset(new ZQF_StandardBitmapButtonGlyph("ZQTEST_ArrowButtonBitmap",
                                                     B::ToggleMode_OneState, B::State_Up));
    }
    button->UpdateMyDesiredSize();
    const ZQ_Point<long> extra(2 * (frame.X + margin.X), 2 * (frame.Y + margin.Y));
    const ZQF_DesiredSize& size = button->GetDesiredSize();
    EXPECT_EQ(size.Natural, Plus(content, extra));
    EXPECT_EQ(size.Minimum, Plus(content, extra));
    const long maximumX = c.stretchable ? 0x3333333 : content.X;
    EXPECT_EQ(size.Maximum, Plus(ZQ_Point<long>(maximumX, content.Y), extra));
  }
}

TEST_F(ButtonGlyphTest, FixedDesiredSizeStays) {
  ZQF_StandardTextButtonGlyph button("OK", B::ToggleMode_OneState, B::State_Up);
  button.SetFixedDesiredSize(ZQ_Point<long>(70, 25), ZQ_Point<long>(60, 25),
                             ZQ_Point<long>(80, 25));
  button.UpdateMyDesiredSize();
  EXPECT_TRUE(button.GetDesiredSize().IsValid());
  EXPECT_EQ(button.GetDesiredSize().Natural, ZQ_Point<long>(70, 25));
  EXPECT_EQ(button.GetDesiredSize().Maximum, ZQ_Point<long>(80, 25));
}

// A mnemonic clicks at the next idle time with an up notification alone.
TEST_F(ButtonGlyphTest, Mnemonics) {
  struct Case {
    const char* name;
    char character;
    bool apply, enabled, deleteFirst, handled;
    const char* log;
  } cases[] = {
      {"applied", 'a', true, true, false, true, "U1"},
      {"upper case", 'A', true, true, false, true, "U1"},
      {"asked only", 'a', false, true, false, true, ""},
      {"disabled", 'a', true, false, false, true, ""},
      {"another character", 'p', true, true, false, false, ""},
      {"button deleted before idle time", 'a', true, true, true, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ButtonRig rig(new ZQF_StandardTextButtonGlyph("&Apply", B::ToggleMode_TwoState, B::State_Up));
    rig.Button->SetEnabled(c.enabled);
    ZQF_MnemonicQueryMessage query(c.character, c.apply);
    rig.Button->Dispatch(query);
    EXPECT_EQ(query.IsHandled(), c.handled);
    EXPECT_EQ(Joined(rig.Log), "");
    if (c.deleteFirst) rig.Parent->DeleteChild(rig.Button);
    RunIdleActions();
    EXPECT_EQ(Joined(rig.Log), c.log);
  }
}

TEST_F(ButtonGlyphTest, TooltipOnTheSecondTry) {
  struct Case {
    const char* tip;
    bool secondTry, handled;
  } cases[] = {{"Move up", true, true}, {"Move up", false, false}, {"", true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.tip) + (c.secondTry ? " 2" : " 1"));
    ZQF_StandardBitmapButtonGlyph button("ZQTEST_ArrowButtonBitmap", B::ToggleMode_OneState,
                                         B::State_Up);
    button.SetTooltipText(c.tip);
    ZQF_TooltipsMessage query;
    button.HandleGenericMessage(query, c.secondTry);
    EXPECT_EQ(query.IsHandled(), c.handled);
    EXPECT_EQ(query.GetText().GetText(), std::string(c.handled ? c.tip : ""));
  }
}

// The callback runs before anybody sees the up notification: on clicks and
// on the auto-repeated up notifications.
TEST_F(ButtonGlyphTest, CallbacksRunBeforeTheUpNotification) {
  static VisitLog* s_log = nullptr;
  struct Case {
    const char* name;
    bool bitmap;
    const char* log;
  } cases[] = {{"text button", false, "D0 callback U0"},
               {"bitmap button, repeating", true, "D0 callback U0 D0 callback U0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ZQ_Functor0 callback(+[] { s_log->push_back("callback"); });
    ZQF_ButtonGlyph* button;
    if (c.bitmap) {
      button = new ZQF_CallbackStandardBitmapButtonGlyph("ZQTEST_ArrowButtonBitmap", callback,
                                                         B::ToggleMode_OneState, B::State_Up);
      button->SetAutorepeatMode(2);
    } else {
      button = new ZQF_CallbackTextButtonGlyph("OK", callback, B::ToggleMode_OneState, B::State_Up);
    }
    ButtonRig rig(button);
    s_log = &rig.Log;
    rig.Run("d");
    if (c.bitmap) ZQF_ButtonGlyph::GetAutorepeatTimer()->Tick();
    rig.Run("u");
    EXPECT_EQ(Joined(rig.Log), c.log);
  }
}

}  // namespace

// The button-command adaptor and the button-adding helpers, headless with
// the idle queue pumped by hand, and the click on OK in a real window.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "../core/WindowTestSupport.h"
#include "LayoutFormSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_ActionQueue.h"
#include "ZQF_AddButton.h"
#include "ZQF_ButtonCommandAdaptorGlyph.h"
#include "ZQF_MessageHookGlyph.h"
#include "ZQF_StandardBitmapButtonGlyph.h"
#include "ZQF_StandardCommandMessage.h"
#include "ZQF_StandardTextButtonGlyph.h"

namespace {

using B = ZQF_ButtonGlyph;
using Adaptor = ZQF_ButtonCommandAdaptorGlyph;
using UpdatePtr = std::unique_ptr<ZQF_StandardCommandUpdateMessage>;

class TestCommandMessage : public ZQF_StandardCommandMessage {};
class TestUpdateMessage : public ZQF_StandardCommandUpdateMessage {};
class TestToggleUpdateMessage : public ZQF_StandardToggleCommandUpdateMessage {};

class ButtonCommandAdaptor : public GuiStageTest {};

// Answers the test update when answering; claims the test command, logging
// "C"; logs the notifications that reach it as "N".
struct CommandAnswer {
  bool answering = false, enabled = true, checked = false;
  VisitLog* log = nullptr;

  void Call(ZQF_Message& Message, bool SecondTry) {
    if (SecondTry) return;
    auto* update = dynamic_cast<ZQF_StandardCommandUpdateMessage*>(&Message);
    if (dynamic_cast<TestCommandMessage*>(&Message)) {
      log->push_back("C");
      Message.SetHandled();
    } else if (update && answering) {
      update->SetEnabled(enabled);
      if (auto* toggle = dynamic_cast<ZQF_StandardToggleCommandUpdateMessage*>(update)) {
        toggle->SetChecked(checked);
      }
      update->SetHandled();
    } else if (dynamic_cast<ZQF_NotificationMessage*>(&Message)) {
      log->push_back("N");
    }
  }
  void Answer(RecordingGlyph* Glyph) {
    Glyph->OnOffer = [this](ZQF_Message& M, bool S) { Call(M, S); };
  }
};

// root (0, 0, 100, 100) -> [sibling (the focus child at first), adaptor
// around the button (10, 10, 40, 20)]; the root or the sibling answers.
struct AdaptorRig {
  AdaptorRig(B* Button, ZQF_StandardCommandUpdateMessage* Update, long Mode, bool SiblingAnswers)
      : Button(Button),
        Adaptor(new ZQF_ButtonCommandAdaptorGlyph(Button, std::make_unique<TestCommandMessage>(),
                                                  UpdatePtr(Update), Mode)) {
    answer.log = &log;
    auto* sibling = new RecordingGlyph("sibling", nullptr);
    root->SetBox(0, 0, 100, 100);
    root->AddChild(sibling, true);
    root->AddChild(Adaptor, true);
    root->LayoutChild(Adaptor, ZQ_Rectangle<long>(10, 10, 40, 20));
    sibling->SetBox(60, 10, 30, 20);  // the focus path skips empty boxes
    answer.Answer(SiblingAnswers ? sibling : root.get());
  }
  template <class M>
  void Mouse() {
    M message(30, 20, false, false, false);
    ZQF_Glyph* capturing = ZQF_Window::GetCapturingGlyph();
    (capturing ? capturing : root.get())->Dispatch(message);
  }

  VisitLog log;
  CommandAnswer answer;
  std::unique_ptr<RecordingGlyph> root{new RecordingGlyph("root", nullptr)};
  B* Button;
  Adaptor* Adaptor;
};

TEST_F(ButtonCommandAdaptor, IdleUpdatesEnableDisableAndCheckSilently) {
  // {answering, enabled, checked} -> {button enabled, button state}
  const bool answers[][3] = {{false, true, true}, {true, true, true}, {true, false, true},
                             {true, true, false}};
  const bool wanted[][2] = {{false, false}, {true, true}, {false, true}, {true, false}};
  AdaptorRig rig(new B(B::ToggleMode_TwoState, B::State_Up, 0), new TestToggleUpdateMessage, 0,
                 true);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);  // 0: nobody answers, the button is greyed
    rig.answer = CommandAnswer{answers[i][0], answers[i][1], answers[i][2], &rig.log};
    RunIdleActions();
    EXPECT_EQ(rig.Button->IsEnabled(), wanted[i][0]);
    EXPECT_EQ(rig.Button->GetState(), wanted[i][1] ? B::State_Down : B::State_Up);
  }
  EXPECT_EQ(Joined(rig.log), "");  // the button sent no notification
}

TEST_F(ButtonCommandAdaptor, ClickDispatchesOneCommandByTheMode) {
  struct Case {
    const char* why;
    long mode;
    bool siblingAnswers, disableWhileHeld;
    std::string log;
  };
  const std::vector<Case> cases = {
      // The press puts the button on the focus path, under the root.
      {"mode 0: down the focus path from the root", 0, false, false, "C"},
      {"mode 1: up the button's parents", 1, false, false, "C"},
      {"mode 1 misses the focused sibling: greyed", 1, true, false, ""},
      {"disabled by the update while held: no command", 0, false, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    AdaptorRig rig(new B(B::ToggleMode_OneState, B::State_Up, 0), new TestUpdateMessage, c.mode,
                   c.siblingAnswers);
    rig.answer.answering = true;
    RunIdleActions();
    rig.Mouse<ZQF_LeftDownMouseMessage>();
    rig.answer.enabled = !c.disableWhileHeld;
    RunIdleActions();
    rig.Mouse<ZQF_LeftUpMouseMessage>();
    EXPECT_EQ(Joined(rig.log), c.log);  // and no notification past the adaptor
    EXPECT_EQ(ZQF_Window::GetCapturingGlyph(), nullptr);
  }
}

TEST_F(ButtonCommandAdaptor, AssertionsAndTheIdleActionsLifetime) {
  const auto make = [](int toggle, ZQF_StandardCommandUpdateMessage* update) {
    return AssertionFailureOf([&] {
      Adaptor(new B(toggle, B::State_Up, 0), std::make_unique<TestCommandMessage>(),
              UpdatePtr(update), 0);
    });
  };
  EXPECT_TRUE(FailedOn(make(B::ToggleMode_OneState, new TestToggleUpdateMessage),
                       "aClientButton->GetToggleMode() == ZQF_ButtonGlyph::ToggleMode_TwoState"));
  EXPECT_TRUE(FailedOn(make(B::ToggleMode_TwoState, new TestUpdateMessage),
                       "aClientButton->GetToggleMode() == ZQF_ButtonGlyph::ToggleMode_OneState"));
  auto rig = std::make_unique<AdaptorRig>(new B(B::ToggleMode_OneState, B::State_Up, 0),
                                          new TestUpdateMessage, 2, true);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { rig->Adaptor->Update(); }), "false"));
  EXPECT_EQ(ZQF_ActionQueue::GetNumEntries(), 3);  // the sentinels and one update
  rig.reset();
  RunIdleActions();  // would update a freed adaptor
  EXPECT_EQ(ZQF_ActionQueue::GetNumEntries(), 2);
}

TEST_F(ButtonCommandAdaptor, AddButtonHelpers) {
  struct Case {
    const char* why;
    bool bitmap, toggleUpdate, alongFocusPath, autorepeat;
    int toggleMode;
    bool enabled;       // only the focus path reaches the holder
    std::string ticks;  // after an auto-repeat tick
  };
  const std::vector<Case> cases = {
      {"plain update: one-state, focus path", false, false, true, false, B::ToggleMode_OneState,
       true, ""},
      {"toggle update: two-state, up the parents", false, true, false, false,
       B::ToggleMode_TwoState, false, ""},
      {"bitmap, auto-repeat: a command per tick", true, false, true, true, B::ToggleMode_OneState,
       true, "C"},
      {"bitmap without auto-repeat", true, false, true, false, B::ToggleMode_OneState, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    // root -> column -> [holder (the focus child, answering), adaptor]
    VisitLog log;
    CommandAnswer answer{true, true, false, &log};
    StackGlyph root("root", nullptr);
    auto* column = new ZQF_ColumnGlyph;
    root.AddChild(column, true);
    auto* holder = new SizedGlyph(10, 10);
    column->AddToBottom(holder);
    answer.Answer(holder);
    UpdatePtr update(new TestUpdateMessage);
    if (c.toggleUpdate) update.reset(new TestToggleUpdateMessage);
    B* button;
    if (c.bitmap) {
      auto* bitmap = Util_AddBitmapButton(column, "ZQTEST_PlusButtonBitmap",
                                          std::make_unique<TestCommandMessage>(), std::move(update),
                                          "Add a row", "Rows", c.alongFocusPath, c.autorepeat);
      EXPECT_EQ(bitmap->GetTooltipText(), ZQ_String("Add a row"));
      button = bitmap;
    } else {
      button = new ZQF_StandardTextButtonGlyph("OK", B::ToggleMode_ThreeState, B::State_Up);
      Util_AddButton(column, button, std::make_unique<TestCommandMessage>(), std::move(update),
                     "Rows", c.alongFocusPath);
    }
    EXPECT_EQ(button->GetToggleMode(), c.toggleMode);
    EXPECT_EQ(button->GetHelpTopics(), ZQ_String("Rows"));
    EXPECT_EQ(button->GetParent()->GetParent(), column);
    LayOut(root, Box(0, 0, 200, 100));  // the focus path skips empty boxes
    RunIdleActions();
    EXPECT_EQ(button->IsEnabled(), c.enabled);
    button->AutorepeatTick();
    EXPECT_EQ(Joined(log), c.ticks);
  }
}

using AdaptorWindow = WindowTest;

// The tree's focus path only: tests running in parallel may take the
// window's keyboard focus away.
bool IsOnTreeFocusPath(ZQF_Glyph* Glyph) {
  for (; Glyph->GetParent(); Glyph = Glyph->GetParent()) {
    if (Glyph->GetParent()->GetFocusChild() != Glyph) return false;
  }
  return true;
}

LPARAM CentreOf(ZQF_Glyph* Glyph) {
  const ZQ_Rectangle<long>& box = Glyph->GetBoundingBox();
  return Point(box.X + box.Width / 2, box.Y + box.Height / 2);
}

TEST_F(AdaptorWindow, ClickOnOkReachesTheDialogsCommandHook) {
  // dialog (hooks) -> column [value field (focused), row [glue, OK]]
  auto* column = new ZQF_ColumnGlyph;
  auto* dialog = new ZQF_MessageHookGlyph(column);
  CommandAnswer answer{false, true, false, &log};
  dialog->InstallMessageHook(ZQF_MessageHookGlyph::HookCallback(&answer, &CommandAnswer::Call),
                             0x3800, 0);  // commands, notifications, updates
  column->AddToBottom(ValueField("31.5"));
  auto* row = new ZQF_RowGlyph;
  column->AddToBottom(row);
  row->AddToRight(new ZQF_HorizontalGlueGlyph);
  auto* ok = new ZQF_StandardTextButtonGlyph("OK", B::ToggleMode_OneState, B::State_Up);
  Util_AddButton(row, ok, std::make_unique<TestCommandMessage>(),
                 std::make_unique<TestUpdateMessage>(), ZQ_String(), true);
  const HWND handle = OpenAround(dialog)->GetWindowHandle();
  for (bool answering : {false, true}) {
    SCOPED_TRACE(answering);
    answer.answering = answering;
    RunIdleActions();
    EXPECT_EQ(ok->IsEnabled(), answering);
    Send(handle, WM_LBUTTONDOWN, MK_LBUTTON, CentreOf(ok));
    EXPECT_EQ(IsOnTreeFocusPath(ok), answering);
    EXPECT_EQ(::GetCapture(), answering ? handle : nullptr);
    Send(handle, WM_LBUTTONUP, 0, CentreOf(ok));
    EXPECT_EQ(::GetCapture(), nullptr);
    // One command; the button's notifications ended at its adaptor.
    EXPECT_EQ(Joined(log), answering ? "C" : "");
    SaveScreenshot(handle, answering ? "AdaptorOkButton" : "AdaptorOkButtonGreyed");
  }
}

}  // namespace
